#pragma once
// The numbers of the layout sheet: everything a builder needs to mark the
// dial on the ground with a plumb line, a string and two tapes, computed from
// the document's last calculation. Lengths in metres in the dial plane; x
// east, y north, the origin C the centre of the hour ellipse.
#include "Laengen.h"
#include "core/Mittag.h"
#include "modell/Modell.h"

#include <string>
#include <vector>

namespace skiora {
class Sonnenuhr;
}

namespace skiora::report {

using Ort2 = modell::Punkt;

// C, N (the noon end of the minor axis: south for a southern dial) and the
// two focal points with the string loop that draws the ellipse.
struct Bezugspunkte {
    double a = 0, b = 0; // half axes; b is negative where the noon end lies south
    Ort2 C, N, F1, F2;
    double c = 0; // distance of each focal point from C
    // The longer axis carries the focal points: east-west as a rule (F1 west,
    // F2 east); north-south only when the plane makes |b| > a (F1 south, F2 north).
    bool brennpunkteNordSued = false;
    double schlaufe = 0; // 2 * longer half axis + 2c
};

// A right angle from three lengths 3k, 4k, 5k, small enough to fit the dial.
struct Dreieck {
    double k = 0;
    double nordSued = 0, ostWest = 0, diagonale = 0; // 3k, 4k, 5k
};

enum class Seite { West, Ost, AufDerLinie };

struct Stundenmarke {
    std::string name; // "7:30"
    bool volleStunde = false;
    double x = 0, y = 0;
    double abC = 0, abN = 0; // tape lengths from C and from N
    Seite seite = Seite::AufDerLinie;
    // The two tapes cross at a flat angle: a millimetre along a tape moves the
    // point by more than two, so x and y are the better check there.
    bool flach = false;
};

struct Datumsmarke {
    std::string name; // "01.Jan"
    double x = 0, y = 0;
    bool brauchbar = true; // split dial: the optimisation found a usable place
};

struct Absteckmasse {
    Bezugspunkte bezug;
    Dreieck dreieck;
    std::vector<MittagsZeile> mittag; // true noon on every 7th day of the year from 1 January
    std::vector<Stundenmarke> stunden;
    // Date scale or analemma; for a split dial the morning marks here and
    // the afternoon marks in `nachmittag`.
    std::vector<Datumsmarke> datum, nachmittag;
    bool analemma = false; // the date marks have an east-west offset
    bool geteilt = false;  // split dial: two lists
};

Absteckmasse AbsteckmasseBerechnen(const Sonnenuhr& uhr, Einheit einheit);

// The point two tapes give: the crossing of the circles of radius abC around
// C and abN around N = (0, b) on the given side of the north-south line.
Ort2 Schnittpunkt(double abC, double abN, double b, Seite seite);

// The largest of 1, 2, 2.5, 5 times a power of ten not above `grenze`: a
// length that is easy to measure and to read on a scale bar.
double RundeLaenge(double grenze);

} // namespace skiora::report
