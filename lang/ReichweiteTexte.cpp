#include "lang/ReichweiteTexte.h"

namespace skiora::lang {

const Zweisprachig ReichweiteTitel{"Schattenreichweite", "Shadow reach"};
const Zweisprachig ReichweiteMenue{"Schatten&reichweite ...", "Shadow &Reach ..."};
const Zweisprachig ReichweiteKopfHoehe{"Höhe (m)", "Height (m)"};
const Zweisprachig ReichweiteKopfMarken{"Marken bei Tag", "Marks in daylight"};
const Zweisprachig ReichweiteKopfZuKurz{"zu kurz", "too short"};
const Zweisprachig ReichweiteKopfAnteil{"Anteil", "Share"};
const Zweisprachig ReichweiteKopfHalbachse{"größte Halbachse (m)", "largest semi-major axis (m)"};
const Zweisprachig ReichweiteKopfDatum{"Datum", "Date"};
const Zweisprachig ReichweiteKopfZeit{"Uhrzeit", "Time"};
const Zweisprachig ReichweiteKopfSchatten{"Schatten (m)", "Shadow (m)"};
const Zweisprachig ReichweiteKopfAbstand{"Abstand (m)", "Distance (m)"};
const Zweisprachig ReichweiteVerfehlt{"verfehlt", "misses"};
const Zweisprachig ReichweiteWarnung{"Schatten der Ablesenden zu kurz:",
                                     "Readers' shadows too short:"};
const Zweisprachig ReichweiteWarnungEintrag{"%1 m bei %2 der Marken", "%1 m at %2 of the marks"};
const Zweisprachig ReichweiteAllesErreicht{"Jeder Schatten erreicht jeden Stundenpunkt.",
                                           "Every shadow reaches every hour point."};
const Zweisprachig ReichweiteVorschlag{
    "Vorschlag: große Halbachse höchstens %1 m, dann erreicht der Schatten jeder Person ab %2 m "
    "jeden Stundenpunkt.",
    "Suggestion: a semi-major axis of at most %1 m; every person from %2 m then reaches every "
    "hour point."};
const Zweisprachig ReichweiteVorschlagGroesser{" Bis %1 m genügt es für Personen ab %2 m.",
                                               " Up to %1 m is enough for persons from %2 m."};
const Zweisprachig ReichweiteNieErreicht{
    " %1 Marken erreicht kein Schatten, wie groß die Uhr auch sei: Er läuft an der Ellipse vorbei "
    "(nur in den Tropen).",
    " %1 marks are reached at no size of the dial: the shadow passes by the ellipse (in the "
    "tropics only)."};
const Zweisprachig ReichweiteHoehenFalsch{
    "Körpergrößen der Ablesenden: eine bis vier Zahlen von 0.5 bis 2.5 (Meter)!",
    "Heights of the readers: one to four numbers from 0.5 to 2.5 (metres)!"};
const Zweisprachig ReichweiteHoehenLabel{"Körpergrößen (m):", "Heights of the readers (m):"};
const Zweisprachig ReichweiteErklaerung{
    "Wer auf der Datumsmarke steht, ist der Schattenstab. Erreicht sein Schatten die "
    "Stundenellipse nicht, kann er die Zeit nicht ablesen. Mit erhobenen Armen wird der Schatten "
    "länger: dann die Höhe der Hände eintragen.",
    "Whoever stands on the date mark is the gnomon. If their shadow does not reach the hour "
    "ellipse, they cannot read the time. Raised arms lengthen the shadow: then enter the height "
    "of the hands."};

} // namespace skiora::lang
