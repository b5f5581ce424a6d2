#pragma once
// True solar noon: the clock time at which the Sun crosses the site's
// meridian. At that instant the shadow of a plumb line points due north (or
// due south beyond the tropics), which is how the north-south line of a dial
// is found on the ground.
#include "core/Gitter.h"

#include <string>
#include <vector>

namespace skiora {

class Sonnenuhr;
struct Ortsangaben;

struct WahrerMittagErgebnis {
    double zonenzeit = 12; // hours of zone time; may leave 0..24 for odd longitude-zone pairs
    double eot = 0;        // equation of time at that instant, degrees of hour angle
    double dekl = 0;       // declination at that instant, degrees
};

// Noon on day N of `jahr` at longitude `lang` with the zone meridian `zone`
// (both degrees, positive towards the west, as everywhere in the program).
WahrerMittagErgebnis WahrerMittag(int jahr, int N, double lang, double zone);

// Whether the clocks of the site show summer time at noon of that day.
bool GiltSommerzeit(const Ortsangaben& ort, int jahr, int monat, int tag);

struct MittagsZeile {
    int monat = 1, tag = 1;
    WahrerMittagErgebnis mittag;
    bool sommerzeit = false;
    double sommerzeitUhr = 0; // zone time + the summer-time offset, where it applies
};

// Every day of the year, 1 January to 31 December.
std::vector<MittagsZeile> MittagsJahr(int jahr, double lang, double zone, const Ortsangaben& ort);

// "12:06:32", rounded to the second; a time before 0:00 or from 24:00 on is
// taken into its own day and marked with the day it falls on ("23:58:10 -1d").
std::string UhrzeitText(double stunden);

// The table as the window and the file show it: date, equation of time, noon
// in zone time and, when the site has summer time, a fourth column with noon
// in summer time on the days it applies. sprache: 1 German, 2 English.
Gitter MittagsGitter(const std::vector<MittagsZeile>& jahr, bool mitSommerzeit, int sprache);
// The same for the document's site and calculation year, in its language.
Gitter MittagsTabelle(const Sonnenuhr& uhr);
// "Sommerzeit vom 31.03. bis 27.10. (Uhren 1 h vor)." or that there is none.
std::string SommerzeitText(const Ortsangaben& ort, int sprache);

} // namespace skiora
