// The two short-text tables: page tabs, option items, file filters, table
// titles, column headers, chart labels and printout headers.
#include "lang/Eintrag.h"
#include "lang/Texte.h"

#include <algorithm>
#include <iterator>

namespace skiora::lang {
namespace {

using detail::Eintrag;

// clang-format off
// No., German, English.
constexpr Eintrag Tabelle1[] = {
    {  1, " Tabelle der Zeitgleichung", " Equation of Time -Table "},
    {  2, " Tabelle Sonnendeklination", " Declination of Sun -Table "},
    {  3, " Konstruktion einer ", "Construction of a"},
    {  4, "genaue Anzeige für diese 2 Std.", "exact display for these 2 hours"},
    {  5, "Stunden von..bis, +Intervall", "hours from..to, and time intervall"},
    {  6, "Stunden mit \"Fehlergewichtung\"", "hours and \"error weight\""},
    {  7, "Stunden mit \"Fehlergewichtung\"", "hours and \"error weight\""},
    {  8, "folgende Stunden", "following hours"},
    {  9, "|-ab 12 Uhr", "|  p.m."},
    { 10, "bis", " to"},
    { 11, "-bis 12 Uhr", "   a.m."},
    { 12, "Sonne: Auf-/Untergang", "Sun: Rise and Set"},
    { 13, "     Grafik      ", " Graphic Display "},
    { 14, "Stundenmarkierung - Koordinaten", " Hour Marks - Coordinates "},
    { 15, " Weg des Schattens ", "  Shadow Path  "},
    { 16, " Datumsmarkierung ", "     Date Marks     "},
    { 17, "  Doppelanalemma  ", "    Split Analemma     "},
    { 18, "Fehlertabelle bei Ablesung mittlerer Zeit", "Reading Mean Time - Error Table"},
    { 19, "Kein Ausdruck möglich,\n\rweil keine Tabelle angezeigt wird!", "Cannot print table!\n\rNo table but graphic is displayed!"},
    { 20, "Speichern aller Parameter", "Save all Parameters"},
    { 21, "Laden aller Parameter", "Load all Parameters"},
    { 22, " Schliessen", "  Close"},
    { 23, "Zu wenig Daten für Fehlerdurchschnitt!", "Not eneough data for average calculation!"},
    { 24, "Stundenmarkierung - Distanz zu den Endpunkten der N-S-Achse der Ellipse", "Hour Marks - Distance to endpoints of N-S-axis of ellipse"},
    { 25, "Dieser Uhrtyp ist zur ganzjährigen\n\rZeitanzeige ungeeignet!", "A dial with these parameters cannot\n\rregister time well all the year long!"},
    { 26, "Neigung der Sonnenuhr (Inklination) eingeben", "Input of Sundial-Inclination"},
    { 27, "Aufgangspunkt", "Sunrise Mark"},
    { 28, "Untergangspunkt", "Sunset Mark"},
    { 29, "Konstruktionsdaten (*.ini)|*.ini|Konstruktionsdaten alt( *.adt)|*.adt|Alle Dateien (*.*)|*.*", "Construction Data (*.ini)|*.ini|Construction Data old (*.adt)|*.adt|All Files (*.*)|*.*"},
    { 30, "HPGL-Datei (*.plt)|*.plt|dxf-Datei (*.dxf)|*.dxf|Anderes Format (*.*)|*.*", "HPGL-graphics file (*.plt)|*.plt|dxf-Graphics file (*.dxf)|*.dxf|All Files (*.*)|*.*"},
};

// No., German, English. Empty entries only keep their number.
constexpr Eintrag Tabelle2[] = {
    {  0, " N&ord", " N&orth"},
    {  1, " &Süd", " &South"},
    {  2, " &Ost", " &East"},
    {  3, " &West", " &West"},
    {  4, " y-Achse", " along N-S-axis"},
    {  5, " einer 8er-Schleife", " one single 8-slope"},
    {  6, " zwei 8er-Schleifen", " two 8-slopes"},
    {  7, "x/y-Koordinaten der Stundenpunkte", "x/y - coordinates of hour points"},
    {  8, "Abstand zu den Endpunkten der kl. Achse", "distance to end points of vertical ellipse axis"},
    {  9, "", ""},
    { 10, "", ""},
    { 11, " 1 pro Monat", " 1 per month"},
    { 12, " 2 pro Monat (1/15)", " 2 per month (1/15)"},
    { 13, " 3 pro Monat (1/11/21)", " 3 per month (1/11/21)"},
    { 14, " am 1/6/11/16/21/26\"", " on 1/6/11/16/21/26"},
    { 15, "  Doppelanalemma  ", "  Split Analemma  "},
    { 16, "  Datumsmarkierungen ", " Number of Date Marks "},
    { 17, " Zonenzeit", " Time of zone meridian"},
    { 18, "Analemmatische Sonnenuhr", "Analemmatic Sundial"},
    { 19, "Deklin.", "Declin."},
    { 20, "Sonne", " Sun "},
    { 21, "Fehler in Grad", "Error in degrees"},
    { 22, "  Zeige Fehlertabelle für  ", "  Show Error Table for  "},
    { 23, "Vormittag", " morning"},
    { 24, "Nachmittag", "afternoon"},
    { 25, "Default", "default"},
    { 26, "lautTabelle", "from table"},
    { 27, "Dieser Uhrtyp ist zur ganzjährigen Zeitanzeige ungeeignet!", "A dial with these parameters cannot register time well all the year long!"},
    { 28, "zweigeteilte Sonnenuhr: ", "Split dial: "},
    { 29, "O", "E"},
    { 30, "Eingabewerte der Konstruktion bitte ändern!", "Please, change construction parameters!"},
    { 31, "  &keine Koordinatenausgabe", " &no output of co-ordinates"},
    { 32, "  auf &Drucker  ausdrucken", " &print co-ordinates"},
    { 33, "  in &Textdatei speichern", " &save co-ordinates into file"},
    { 34, " Datumslinie auf ", "   Date Line   "},
    { 35, "Schattenweg und Auf-/Untergangszeit am ", "Shadow  path and rise/set time on "},
    { 36, "Schattenweg am ", "Shadow path on "},
    { 37, "Jahrestabelle fuer ", " Table shows "},
    { 38, " Zeitdifferenz fuer geogr. Laenge", "    Correction for longitude"},
    { 39, "Datum  ", " Date  "},
    { 40, " x-li. ", " x_left "},
    { 41, " y-li. ", " y_left "},
    { 42, " Dekl.  ", " decl. "},
    { 43, "Zeit", "Time"},
    { 44, "Diff", "diff"},
    { 45, "Gewicht", "Weight"},
    { 46, "Fehler ", "Error"},
    { 47, "  Grad", "  degrees"},
    { 48, "Speichern / Laden der Konstruktionsdaten", "Save / Load sundial construction data"},
    { 49, "Tabelle für ", "  Table for "},
    { 50, "Groesse von 1 Laengeneinheit (Default=10 [mm]) :", "Width of grid (default=10 [mm] :"},
    { 51, "Koordinatennetz zeichnen", "Display Grid of Coordinates"},
    { 52, " max. Fehler", " max. Error "},
    { 53, " mittlerer Absolutfehler ", " Absolute Error Average"},
    { 54, " Streuung", " Deviation"},
    { 55, "vor 12", " a.m."},
    { 56, "ab 12 ", " p.m."},
    { 57, "  x-re. ", " x_right"},
    { 58, " y-re. ", " y_right"},
    { 59, "Derzeit erfolgen die Berechnungen ", "At this time you selected for all"},
    { 60, "für das Jahr ", "computations the year "},
    { 61, " im Intervall", " with steps of"},
    { 62, " (für", " (for"},
    { 63, "    Jahreswert", "   for the whole year"},
    { 64, "Nachmittag für ", "Afternoon for "},
    { 65, "", ""},
    { 66, "  Grad", "  deg"},
    { 67, "Eingabe?", "Input?"},
    { 68, "   Die beiden ersten und die beiden letzten", "     The first two columns  and the last two"},
    { 69, "   Spalten geben die  Koordinaten der zwei", "     columns show the coordinates of the two"},
    { 70, "   Achterschleifen einer geteilten Sonnenuhr an:", "     8-slopes in the split sundial:"},
    { 71, "", ""},
    { 72, "        links:    Punkte fuer den Vormittag", "           left:    points for morning"},
    { 73, "        rechts:  Punkte fuer den Nachmittag", "           right:  points for afternoon"},
    { 74, "    Alle Zeiten in Zonenzeit (= UT", "All times are standard time (= UT"},
    { 75, ", keine Sommerzeit!", ", no Daylight Saving Time!"},
    { 76, "", ""},
    { 77, "Zeitgleichung in min:sec für das Jahr ", "Equation of Time in min:sec for the Year "},
    { 78, "   Tabelle der Sonnendeklination fuer das Jahr ", "    Declination of Sun in dd.dd for the Year "},
    { 79, "   Die Werte gelten für 12 Uhr Zonenzeit,  aber nicht Sommerzeit!", "   All values for 12 standard time, but not Daylight Saving Time!"},
    { 80, "   Die Deklination ist in Grad (auf Hundertstel genau) angegeben!", "          The declination is exact to within 0.01 deg !"},
    { 81, "       Es gilt:   Zeitgleichung = wahre Ortszeit - mittlere Ortszeit", "        ( Equation of Time = Local Apparent Time - Local Mean Time )"},
    { 82, "(Zonenmeridian: ", "(Zone meridian: "},
    { 83, "", ""},
    { 84, "Geogr. Ort: ", " Location:  "},
    { 85, "Laenge (oestl. neg.) ... ", "Longitude (East neg.)... "},
    { 86, "Breite  ", "Latitude"},
    { 87, "    Geogr. Breite:  ", "    Latitude :      "},
    { 88, "    Geogr. Laenge: ", "    Longitude:     "},
    { 89, "    Datum:           ", "    Date :           "},
    { 90, " Grad         Zonenmeridian: ", " deg          Zone meridian: "},
    { 91, "Sonnendeklination: ", "Sun declination :  "},
    { 92, "Zeitgleichung:     ", "Equation of Time:  "},
    { 93, "exakt für 2 ausgewählte Stunden", "exact for 2 selected hours"},
    { 94, "Mittelwert von Methode 1", "mean value of method 1"},
    { 95, "kleinster mittlerer Absolutfehler", "minimal absolute error average"},
    { 96, "geringste Streuung", "minimal standard deviation"},
    { 97, "kleinster Absolutfehler", "minimal absolute error"},
    { 98, "", ""},
    { 99, "", ""},
    {100, "Uhrzeit:       ", "Time :         "},
    {101, "", ""},
    {102, "Azimut:      ", "azimuth :    "},
    {103, "Sonnendeklination: ", "Sun declination:   "},
    {104, "[negativ bei Abweichung gegen Osten]", "[negative for deviations eastward]"},
    {105, " Grad", " deg "},
    {106, "   Werte für 12 Uhr Zonenzeit", "   Values for noon standard time"},
    {107, " Konstruktion auf DIN-A3-Format angepasst", " Output scaled to DIN-A3 format"},
    {108, " Konstruktion in Längeneinheiten der Halbachse", " Output in units of big half axis"},
    {109, "", ""},
    {110, "", ""},
    {111, "  &keine Koordinatenausgabe", "  &no output of coordinates"},
    {112, "  auf &Drucker  ausdrucken", "  p&rint coordinates"},
    {113, "  in &Textdatei speichern", "  save to &text file"},
    {114, " Zeitgleichung ( = EoT)", " Equation of Time ( = EoT)"},
    {115, "Eot+Längengradkorrektur", "EoT+Longitude Correction"},
    {116, " Sonnendeklination", " Declination of Sun"},
    {117, "Summe EoT + Längengrad-Korrektur in min:sec für ", "  EoT + Longitude Correction in min:sec for "},
    {118, "   Es gilt:  Zonenzeit (MEZ) = wahre Ortszeit - Tabellenwert", "      Civil Time = Local Apparent Time - Value in Table"},
};
// clang-format on
static_assert(detail::Fortlaufend(Tabelle1, 1) && std::size(Tabelle1) == 30);
static_assert(detail::Fortlaufend(Tabelle2, 0) && std::size(Tabelle2) == 119);

constexpr int Letzter2 = static_cast<int>(std::size(Tabelle2)) - 1;

} // namespace

std::string TextTabelle1(int sprache, int nr) {
    if (nr < 1 || nr > static_cast<int>(std::size(Tabelle1))) return {};
    return detail::Waehle(Tabelle1[nr - 1], sprache);
}

std::string TextTabelle2(int sprache, int nr) {
    if (nr < 0 || nr > Letzter2) return {};
    return detail::Waehle(Tabelle2[nr], sprache);
}

// A range reaching past the table is cut to the table, so a caller never gets
// lines that do not exist (the option groups would show them as blank items).
std::vector<std::string> TexteListe(int sprache, int erster, int letzter) {
    std::vector<std::string> liste;
    erster = std::max(erster, 0);
    letzter = std::min(letzter, Letzter2);
    for (int nr = erster; nr <= letzter; ++nr)
        liste.push_back(TextTabelle2(sprache, nr));
    return liste;
}

} // namespace skiora::lang
