#include "AbsteckTexte.h"

namespace skiora::lang::abstecken {

// clang-format off
const Zweisprachig Titel{"Absteckplan", "Layout sheet"};
const Zweisprachig Untertitel{"Die analemmatische Sonnenuhr vom Plan auf den Boden bringen",
                              "Taking the analemmatic sundial from the design to the ground"};
const Zweisprachig Fuss{"Skiora – Absteckplan – Seite %1 von %2", "Skiora – layout sheet – page %1 of %2"};
const Zweisprachig Ort{"Ort: %1", "Site: %1"};
const Zweisprachig OhneName{"ohne Namen", "no name"};
const Zweisprachig Lage{"Breite %1, Länge %2, Zonenmeridian %3",
                        "Latitude %1, longitude %2, zone meridian %3"};
const Zweisprachig Halbachsen{"Halbachsen der Ellipse: a = %1 (Ost-West), b = %2 (Nord-Süd)",
                              "Half axes of the ellipse: a = %1 (east-west), b = %2 (north-south)"};
const Zweisprachig Ebene{"Neigung der Uhrebene %1°", "Plane inclination %1°"};
const Zweisprachig Gnomon{"Gnomon: Höhe %1, Neigung %2°", "Gnomon: height %1, inclination %2°"};
const Zweisprachig Jahr{"Berechnet für das Jahr %1", "Calculated for the year %1"};
const Zweisprachig Stunden{"Stundenpunkte von %1 bis %2 Uhr, %3 je Stunde",
                           "Hour points from %1 to %2 o'clock, %3 per hour"};
const Zweisprachig ArtSkala{"Datumsmarken auf der Nord-Süd-Achse", "Date marks on the north-south axis"};
const Zweisprachig ArtAnalemma{"Datumsmarken auf einem Analemma", "Date marks on an analemma"};
const Zweisprachig ArtGeteilt{"Geteiltes Analemma: eine Marke für den Vormittag, eine für den Nachmittag",
                              "Split analemma: one mark for the morning, one for the afternoon"};
const Zweisprachig Zonenzeit{"Die Stundenpunkte zeigen Zonenzeit.", "The hour points show zone time."};
const Zweisprachig Ortszeit{"Die Stundenpunkte zeigen mittlere Ortszeit.",
                            "The hour points show local mean time."};
const Zweisprachig Massstab{"Maßstab 1:%1", "Scale 1:%1"};
const Zweisprachig Nord{"N", "N"};
const Zweisprachig Bezug{"Bezugspunkte", "Reference marks"};
const Zweisprachig BezugC{"C   Mittelpunkt der Ellipse", "C   centre of the ellipse"};
const Zweisprachig BezugN{"N   Mittagspunkt, Nordende der kleinen Achse: %1 nördlich von C",
                          "N   noon point, north end of the minor axis: %1 north of C"};
const Zweisprachig BezugNSued{"N   Mittagspunkt, Südende der kleinen Achse: %1 südlich von C",
                              "N   noon point, south end of the minor axis: %1 south of C"};
const Zweisprachig BezugF1{"F1  Brennpunkt West: %1 westlich von C", "F1  west focal point: %1 west of C"};
const Zweisprachig BezugF2{"F2  Brennpunkt Ost: %1 östlich von C", "F2  east focal point: %1 east of C"};
const Zweisprachig BezugF1Sued{"F1  Brennpunkt Süd: %1 südlich von C", "F1  south focal point: %1 south of C"};
const Zweisprachig BezugF2Nord{"F2  Brennpunkt Nord: %1 nördlich von C", "F2  north focal point: %1 north of C"};
const Zweisprachig Norden{"N", "N"};
const Zweisprachig Sueden{"S", "S"};
const Zweisprachig Westen{"W", "W"};
const Zweisprachig Osten{"O", "E"};
const Zweisprachig GeneigteEbene{
    "Die Uhrebene ist um %1° geneigt: die Nord-Süd-Linie ist die Fallinie der Fläche, alle Maße werden auf der Fläche gemessen.",
    "The dial plane is inclined by %1°: the north-south line runs straight up the slope, and every length is measured on the surface."};

const Zweisprachig Schritt1{"1  Die Nord-Süd-Linie finden", "1  Find the north-south line"};
const Zweisprachig Schritt1Text{
    "Hängen Sie ein Lot (eine Schnur mit einem Gewicht) an einem Gestell über dem Platz auf. Im Augenblick des wahren Mittags fällt sein Schatten genau auf die Nord-Süd-Linie: markieren Sie zwei Punkte des Schattens und spannen Sie eine Schnur durch beide. Die Tabelle nennt für jeden 7. Tag des Jahres die Uhrzeit dieses Augenblicks an diesem Ort, in Zonenzeit; für andere Tage lesen Sie zwischen zwei Zeilen ab.",
    "Hang a plumb line (a string with a weight) from a stand over the site. At the moment of true solar noon its shadow lies exactly on the north-south line: mark two points of the shadow and stretch a string through both. The table gives the clock time of that moment at this site for every 7th day of the year, in zone time; for other days read between two rows."};
const Zweisprachig Schritt1Sommer{
    "An Tagen mit Sommerzeit nennt die letzte Spalte die Zeit, die eine Uhr dann zeigt.",
    "On days with summer time the last column gives the time a watch then shows."};
const Zweisprachig SpDatum{"Datum", "Date"};
const Zweisprachig SpUhrzeit{"Zonenzeit", "Zone time"};
const Zweisprachig SpSommerzeit{"Sommerzeit", "Summer time"};

const Zweisprachig Schritt2{"2  Mittelpunkt C und Ost-West-Linie", "2  Centre C and the east-west line"};
const Zweisprachig Schritt2Text{
    "Schlagen Sie einen Pflock für C auf der Nord-Süd-Linie ein. Den rechten Winkel gibt ein Dreieck mit den Seiten 3, 4 und 5: messen Sie %1 von C auf der Nord-Süd-Linie in Richtung N ab (Punkt P). Ein Band von C aus mit %2 und ein zweites von P aus mit %3 treffen sich im Punkt Q. Die Linie durch C und Q ist die Ost-West-Linie; verlängern Sie sie nach beiden Seiten über die Uhr hinaus.",
    "Drive a peg for C on the north-south line. A triangle with sides 3, 4 and 5 gives the right angle: measure %1 from C along the north-south line towards N (point P). A tape from C at %2 and a second from P at %3 meet at point Q. The line through C and Q is the east-west line; extend it on both sides beyond the dial."};
const Zweisprachig Schritt2N{"Markieren Sie N auf der Nord-Süd-Linie: %1 von C.",
                             "Mark N on the north-south line: %1 from C."};

const Zweisprachig Schritt3{"3  Brennpunkte und Ellipse", "3  Focal points and the ellipse"};
const Zweisprachig Schritt3Text{
    "F1 liegt %1 westlich und F2 %1 östlich von C auf der Ost-West-Linie. Eine geschlossene Schnurschlaufe von %2 Umfang um zwei Pflöcke in F1 und F2, mit einem Stab straff gezogen, zeichnet die Ellipse der Stundenpunkte: jeder Stundenpunkt muss auf dieser Linie liegen. Das ist die Probe für Schritt 4.",
    "F1 lies %1 west and F2 %1 east of C on the east-west line. A closed loop of string %2 around, laid around two pegs in F1 and F2 and pulled taut with a stick, draws the ellipse of the hour points: every hour point must lie on that line. This is the check for step 4."};
const Zweisprachig Schritt3NordSued{
    "Die kleine Achse ist hier die längere: F1 liegt %1 südlich und F2 %1 nördlich von C auf der Nord-Süd-Linie. Eine geschlossene Schnurschlaufe von %2 Umfang um zwei Pflöcke in F1 und F2, mit einem Stab straff gezogen, zeichnet die Ellipse der Stundenpunkte: jeder Stundenpunkt muss auf dieser Linie liegen.",
    "The minor axis is the longer one here: F1 lies %1 south and F2 %1 north of C on the north-south line. A closed loop of string %2 around, laid around two pegs in F1 and F2 and pulled taut with a stick, draws the ellipse of the hour points: every hour point must lie on that line."};
const Zweisprachig Schritt3Kreis{
    "Beide Achsen sind gleich lang: die Stundenpunkte liegen auf einem Kreis um C mit dem Radius %1.",
    "Both axes are equally long: the hour points lie on a circle around C with radius %1."};

const Zweisprachig Schritt4{"4  Die Stundenpunkte", "4  The hour points"};
const Zweisprachig Schritt4Text{
    "Zwei Personen mit zwei Bändern: eines wird in C gehalten, eines in N. Wo sich die beiden Längen der Tabelle treffen, liegt der Punkt, auf der genannten Seite der Nord-Süd-Linie. x (nach Osten) und y (nach Norden) sind die Abstände von den beiden Achsen, zur Probe.",
    "Two people with two tapes: one tape is held at C, the other at N. Where the two lengths of the table meet lies the point, on the side of the north-south line given. x (east) and y (north) are the distances from the two axes, as a check."};
const Zweisprachig Schritt4Flach{
    "* Die Bänder kreuzen sich hier flach: ein Millimeter am Band verschiebt den Punkt um mehr als zwei. Prüfen Sie diesen Punkt mit x und y.",
    "* The tapes cross at a flat angle here: a millimetre on the tape moves the point by more than two. Check this point with x and y."};
const Zweisprachig SpZeit{"Zeit", "Time"};
const Zweisprachig SpX{"x (%1)", "x (%1)"};
const Zweisprachig SpY{"y (%1)", "y (%1)"};
const Zweisprachig SpAbC{"ab C (%1)", "from C (%1)"};
const Zweisprachig SpAbN{"ab N (%1)", "from N (%1)"};
const Zweisprachig SpSeite{"Seite", "Side"};
const Zweisprachig SeiteW{"West", "west"};
const Zweisprachig SeiteO{"Ost", "east"};
const Zweisprachig SeiteLinie{"auf N-S", "on N-S"};

const Zweisprachig Schritt5{"5  Die Datumsmarken", "5  The date marks"};
const Zweisprachig Schritt5Skala{
    "Die Datumsmarken liegen auf der Nord-Süd-Linie. Die Tabelle nennt ihren Abstand von C, nach Norden positiv, nach Süden negativ.",
    "The date marks lie on the north-south line. The table gives their distance from C, positive to the north, negative to the south."};
const Zweisprachig Schritt5Analemma{
    "Die Datumsmarken bilden ein Analemma, eine Acht um die Nord-Süd-Linie. Die Tabelle nennt für jede Marke den Abstand von C entlang der Nord-Süd-Linie (nach Norden positiv) und den Versatz quer dazu (nach Osten positiv).",
    "The date marks form an analemma, a figure eight around the north-south line. The table gives for every mark its distance from C along the north-south line (positive to the north) and its offset across it (positive to the east)."};
const Zweisprachig Schritt5Geteilt{
    "Jedes Datum hat zwei Marken: eine für den Vormittag und eine für den Nachmittag. Die Tabellen nennen für jede Marke den Abstand von C entlang der Nord-Süd-Linie (nach Norden positiv) und den Versatz quer dazu (nach Osten positiv). Marken, für die die Rechnung keinen brauchbaren Platz fand, sind grau und werden nicht gesetzt.",
    "Every date has two marks: one for the morning and one for the afternoon. The tables give for every mark its distance from C along the north-south line (positive to the north) and its offset across it (positive to the east). Marks for which the calculation found no usable place are shaded and are not set."};
const Zweisprachig Vormittag{"Vormittag", "Morning"};
const Zweisprachig Nachmittag{"Nachmittag", "Afternoon"};
const Zweisprachig SpVonC{"von C, Nord + (%1)", "from C, north + (%1)"};
const Zweisprachig SpVersatz{"Versatz, Ost + (%1)", "offset, east + (%1)"};
const Zweisprachig Unbrauchbar{"–", "–"};

const Zweisprachig Schritt6{"6  Die Uhr benutzen", "6  Using the dial"};
const Zweisprachig Schritt6Stehen{
    "Stellen Sie sich aufrecht auf die Datumsmarke des heutigen Tages; Sie selbst sind der Zeiger (der Entwurf rechnet mit %1). Ihr Schatten fällt zu den Stundenpunkten: der Punkt, auf den er zeigt, ist die Zeit.",
    "Stand upright on the date mark of today; you are the pointer yourself (the design assumes %1). Your shadow falls towards the hour points: the point it points to is the time."};
const Zweisprachig Schritt6GnomonGeneigt{
    "Der Gnomon dieser Uhr ist um %1° gegen die Senkrechte geneigt: nehmen Sie einen Stab in dieser Neigung, in der Nord-Süd-Ebene, wie geplant.",
    "The gnomon of this dial is inclined by %1° from the vertical: use a rod at that inclination, in the north-south plane, as designed."};
const Zweisprachig Schritt6Geteilt{
    "Vormittags stehen Sie auf der Vormittagsmarke des Tages, nachmittags auf der Nachmittagsmarke.",
    "In the morning stand on the day's morning mark, in the afternoon on its afternoon mark."};
const Zweisprachig Schritt6Mittel{
    "Das Analemma gleicht die Zeitgleichung aus: die Uhr zeigt mittlere Zeit.",
    "The analemma makes up for the equation of time: the dial shows mean time."};
const Zweisprachig Schritt6Zone{
    "Die Stundenpunkte sind auf die Zonenzeit gestellt; was Sie ablesen, ist die Zeit Ihrer Uhr (ohne Sommerzeit).",
    "The hour points are set to zone time; what you read is the time of your watch (without summer time)."};
const Zweisprachig Schritt6Wahr{
    "Auf der Datumsskala zeigt die Uhr wahre Sonnenzeit: sie weicht im Lauf des Jahres bis zu etwa 16 Minuten von der mittleren Zeit ab (die Zeitgleichung, siehe die Mittagszeiten in Schritt 1).",
    "With a date scale the dial shows apparent solar time: over the year it differs by up to about 16 minutes from mean time (the equation of time, see the noon times of step 1)."};
const Zweisprachig Schritt6Sommer{
    "Vom %1 bis zum %2 gilt an diesem Ort Sommerzeit: zählen Sie dann %3 zur abgelesenen Zeit hinzu.",
    "From %1 to %2 summer time applies at this site: add %3 to the time read then."};
const Zweisprachig Schritt6Ohne{
    "Die Stundenpunkte zeigen mittlere Ortszeit; die Zonenzeit Ihrer Uhr ist die abgelesene Zeit %1.",
    "The hour points show local mean time; the zone time of your watch is the time read %1."};

const Zweisprachig FigLot{"Lot", "plumb line"};
const Zweisprachig FigSchatten{"Schatten am wahren Mittag", "shadow at true noon"};
const Zweisprachig FigSchnur{"Schlaufe", "loop"};

const Zweisprachig Menue{"Absteckplan ...", "Layout sheet ..."};
const Zweisprachig DialogTitel{"Absteckplan", "Layout sheet"};
const Zweisprachig DialogEinheit{"Längen in", "Lengths in"};
const Zweisprachig DialogMeter{"Metern", "metres"};
const Zweisprachig DialogFuss{"Fuß und Zoll", "feet and inches"};
const Zweisprachig DialogPdf{"Als PDF speichern ...", "Save as PDF ..."};
const Zweisprachig DialogDrucken{"Drucken ...", "Print ..."};
const Zweisprachig DialogSchliessen{"Schließen", "Close"};
const Zweisprachig DialogSeiten{"%1 Seiten A4 hoch, Sprache Deutsch", "%1 pages A4 portrait, in English"};
const Zweisprachig DateiFilter{"PDF-Dateien (*.pdf)", "PDF files (*.pdf)"};
const Zweisprachig DruckFehler{"Der Absteckplan konnte nicht gedruckt werden.",
                               "The layout sheet could not be printed."};
// clang-format on

} // namespace skiora::lang::abstecken
