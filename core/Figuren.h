#pragma once
// Figures the screen drawing and the plot both construct: where the gnomon
// stands on the extra date, and the circle through that place and the day's
// sunrise and sunset marks. The lengths are arguments because the plot works
// with a half axis of its own.
#include <optional>

namespace skiora {

class Sonnenuhr;

// Whether the construction cannot be drawn: the gnomon too close to the
// plane, or a split dial whose gnomon inclination lies within 25 degrees of
// the latitude. The picture and the true-size model refuse alike.
bool MussVerweigern(const Sonnenuhr& uhr);

// The Sun's declination at noon of the extra date, in degrees.
double ExtraDeklination(const Sonnenuhr& uhr);

// y of the gnomon on the north-south axis on a day of declination delta.
double GnomonOrt(double halb, double sinGI, double gnomWinkel, double breit, double delta);

struct Aufgangskreis {
    double R = 0;  // radius
    double Z = 0;  // y of the gnomon, the circle's northern end
    double R2 = 0; // the radius computed a second way, as a check
};
// None at the equinox and on days without sunrise.
std::optional<Aufgangskreis> AufgangsKreis(double halb, double klein, double sinGI,
                                           double gnomWinkel, double breit, double delta);

} // namespace skiora
