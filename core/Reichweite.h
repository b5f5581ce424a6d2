#pragma once
// Shadow reach: on an analemmatic dial a person standing on the date mark is
// the gnomon. The time is read where their shadow meets the hour ellipse, so
// the shadow must be long enough to get there. Checked for every hour point
// and every date mark, for the heights of the people who will read the dial.
#include "core/Gitter.h"

#include <optional>
#include <string>
#include <vector>

namespace skiora {

class Sonnenuhr;

inline constexpr double KleinsteLeserhoehe = 0.5;
inline constexpr double GroessteLeserhoehe = 2.5;
inline constexpr int MaxLeser = 4;

// One daylight mark whose shadow falls short.
struct ReichweiteFall {
    std::string datum;   // the date mark's label, "21.Jun"
    double zeit = 0;     // the hour point's clock time, hours
    double schatten = 0; // shadow length on the dial plane
    double abstand = 0;  // from the date mark to the ellipse along the shadow; < 0: none
};

struct ReichweiteJeHoehe {
    double hoehe = 0;
    int marken = 0;               // daylight pairs of date mark and hour point over the year
    int verfehlt = 0;             // of these, shadows that pass by the ellipse
    double groessteHalbachse = 0; // at most this, and every mark that can be is reached
    std::vector<ReichweiteFall> faelle;
    int zuKurz() const { return static_cast<int>(faelle.size()); }
    double anteil() const { return marken > 0 ? double(zuKurz()) / marken : 0; }
};

struct Schattenreichweite {
    std::vector<double> Hoehen{1.2, 1.8};    // metres, as the reader entered them
    std::vector<ReichweiteJeHoehe> ergebnis; // one per height, of the last calculation
    bool zuKurz() const;
};

// The shadow of a person of height 1 at clock time `zeit` (hours, in the
// dial's time) on day N of the calculation year, standing at (fx, fy) on the
// dial plane, and where it meets the hour ellipse. `zielX/Y` is the hour
// point read: where the shadow line crosses the ellipse twice (a date mark
// outside it, in the tropics), the crossing nearer to it counts.
struct PersonenSchatten {
    bool tag = false;    // the Sun is above the horizon and the dial plane
    double laenge = 0;   // shadow per metre of height
    double abstand = -1; // to the ellipse along the shadow; < 0 when it passes by
};
PersonenSchatten SchattenEinerPerson(const Sonnenuhr& uhr, int N, double zeit, double fx, double fy,
                                     double zielX, double zielY);

// Every date mark and hour point of the last calculation, for every height.
std::vector<ReichweiteJeHoehe> ReichweitePruefen(const Sonnenuhr& uhr,
                                                 const std::vector<double>& hoehen);
// Renews uhr.reichweite.ergebnis.
void ReichweiteBerechnen(Sonnenuhr& uhr);

// The heights typed into up to four fields (empty fields unused, a comma
// taken as the decimal point), or nothing when a field is not a number, a
// height lies outside 0.5..2.5 m, or no field is filled.
std::optional<std::vector<double>> LeserhoehenLesen(const std::vector<std::string>& felder);
// The same for the document: refused input is reported and the old heights
// stay; accepted heights are checked at once.
bool LeserhoehenSetzen(Sonnenuhr& uhr, const std::vector<std::string>& felder);

// The summary (one row per height), an empty row, then every shortfall.
Gitter ReichweiteGitter(const Schattenreichweite& r, int sprache);
// The largest half axes as a suggestion, or that every shadow reaches.
std::string ReichweiteVorschlagText(const Schattenreichweite& r, int sprache);
// The warning: a caption, then one line per height that falls short; empty
// when every shadow reaches. The picture shows the lines, the window one text.
std::vector<std::string> ReichweiteWarnZeilen(const Schattenreichweite& r, int sprache);
std::string ReichweiteWarnText(const Schattenreichweite& r, int sprache);

} // namespace skiora
