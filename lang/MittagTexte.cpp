#include "lang/MittagTexte.h"

namespace skiora::lang {

const Zweisprachig MittagKopfDatum{"Datum", "Date"};
const Zweisprachig MittagKopfZeitgleichung{"Zeitgleichung", "Equation of time"};
const Zweisprachig MittagKopfZonenzeit{"Wahrer Mittag (Zonenzeit)", "True noon (zone time)"};
const Zweisprachig MittagKopfSommerzeit{"Wahrer Mittag (Sommerzeit)", "True noon (summer time)"};
const Zweisprachig MittagTitel{"Wahrer Mittag", "True solar noon"};
const Zweisprachig MittagMenue{"&Mittagstabelle ...", "&Noon Table ..."};
const Zweisprachig MittagHinweis{
    "Zum angegebenen Zeitpunkt steht die Sonne genau im Süden (südlich des Äquators im Norden): "
    "Der Schatten eines Lots zeigt dann die Nord-Süd-Linie der Sonnenuhr. Die Zeiten gelten für "
    "die eingegebene geographische Länge und den Zonenmeridian.",
    "At the time given the Sun stands due south (north of it south of the equator): the shadow of "
    "a plumb line then shows the dial's north-south line. The times hold for the longitude and "
    "the zone meridian entered."};
const Zweisprachig MittagOhneSommerzeit{"Ohne Sommerzeit.", "No summer time."};
const Zweisprachig MittagMitSommerzeit{"Sommerzeit vom %1 bis %2 (Uhren %3 h vor).",
                                       "Summer time from %1 until %2 (clocks %3 h ahead)."};
const Zweisprachig SchliessenKnopf{"S&chließen", "&Close"};

} // namespace skiora::lang
