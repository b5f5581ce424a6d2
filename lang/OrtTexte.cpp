#include "lang/OrtTexte.h"

namespace skiora::lang {

// clang-format off
const Zweisprachig OrtKnopf{"Ort ...", "Place ..."};
const Zweisprachig OrtKnopfHinweis{
    "Ort suchen: füllt Breite, Länge und Zonenmeridian und merkt sich die Zeitzone",
    "Find a place: fills latitude, longitude and zone meridian and remembers the time zone"};
const Zweisprachig OrtAnzeige{"Ort: %1", "Place: %1"};
const Zweisprachig OrtOhneZone{"keine Zeitzone", "no time zone"};
const Zweisprachig OrtSuchTitel{"SKIORA.EXE - Ort suchen", "SKIORA.EXE - Find a Place"};
const Zweisprachig OrtSuchFrage{"Ort, Region oder Land:", "Place, region or country:"};
const Zweisprachig OrtSpalteName{"Ort", "Place"};
const Zweisprachig OrtSpalteRegion{"Region", "Region"};
const Zweisprachig OrtSpalteLand{"Land", "Country"};
const Zweisprachig OrtSpalteLage{"Lage", "Position"};
const Zweisprachig OrtSpalteZone{"Zeitzone", "Time zone"};
const Zweisprachig OrtTreffer{"%1 Orte, die größten zuerst", "%1 places, the largest first"};
const Zweisprachig OrtTrefferMehr{"die ersten %1 von %2 Orten, die größten zuerst",
                                  "the first %1 of %2 places, the largest first"};
const Zweisprachig OrtKeinTreffer{"Kein Ort gefunden.", "No place found."};
const Zweisprachig OrtLaedt{"Das Ortsverzeichnis wird geladen ...", "Loading the list of places ..."};
const Zweisprachig OrtVerzeichnisFehlt{"Das Ortsverzeichnis ist leer.", "The list of places is empty."};

const Zweisprachig Ost{"O", "E"};
const Zweisprachig Nord{"N", "N"};
const Zweisprachig Sued{"S", "S"};
const Zweisprachig West{"W", "W"};

const Zweisprachig SommerzeitHaken{"Sommerzeit", "Summer time"};
const Zweisprachig SommerzeitHinweis{
    "Zweite Reihe Stundenzahlen für die Sommerzeit (innen, blau); nur wenn die Zeitzone im Rechenjahr Sommerzeit hat",
    "A second set of hour numbers for summer time (inside, blue); only when the time zone has summer time in the year of the calculation"};
const Zweisprachig SommerzeitSpalte{"Sommerzeit", "Summer time"};
const Zweisprachig SommerzeitLegendeVonBis{"Blaue Zahlen innen: Sommerzeit (+%1 h), %2 bis %3 %4",
                                           "Blue numbers inside: summer time (+%1 h), %2 to %3 %4"};
const Zweisprachig SommerzeitLegendeUmJahr{
    "Blaue Zahlen innen: Sommerzeit (+%1 h) bis %2 und ab %3 %4",
    "Blue numbers inside: summer time (+%1 h) until %2 and from %3 %4"};

const Zweisprachig OrtNichtGefunden{"Kein Ort heißt „%1“.", "No place is called \"%1\"."};
const Zweisprachig OrtAehnliche{" Ähnliche Namen: %1", " Similar names: %1"};
const Zweisprachig OrtLeer{"Bitte einen Ortsnamen angeben.", "Please give the name of a place."};
const Zweisprachig ZoneUnbekannt{"Unbekannte Zeitzone „%1“ (erwartet wird ein Name wie Europe/Berlin).",
                                 "Unknown time zone \"%1\" (a name such as Europe/Berlin is expected)."};
const Zweisprachig OhneSommerzeit{"Die Zeitzone %1 hat %2 keine Sommerzeit; es gibt keine Sommerzeit-Zahlen.",
                                  "The time zone %1 has no summer time in %2; there are no summer-time numbers."};
const Zweisprachig SommerzeitOhneZone{"Für die Sommerzeit fehlt die Zeitzone (--place oder --tz).",
                                      "Summer time needs a time zone (--place or --tz)."};
const Zweisprachig OrtZeileBeschaedigt{
    "Die Ortsangabe in Zeile %1 ist beschädigt; Ort, Zeitzone und Sommerzeit bleiben wie sie waren.",
    "The place in line %1 is damaged; place, time zone and summer time are kept as they were."};
// clang-format on

std::string Einsetzen(std::string text, std::initializer_list<std::string> werte) {
    // One pass over the text, so that a value holding "%2" stays as it is.
    std::string aus;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            const auto nr = static_cast<std::size_t>(text[i + 1] - '1');
            if (nr < werte.size()) {
                aus += *(werte.begin() + nr);
                ++i;
                continue;
            }
        }
        aus += c;
    }
    return aus;
}

} // namespace skiora::lang
