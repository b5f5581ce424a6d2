#pragma once
// The dial model (metres) on a page: the full-size tiles draw it at true
// size, the layout sheet draws it small in its figures. Lines are cut at the
// page area in plain C++ before they reach the canvas, so a dial of any size
// stays within integer page units and a page draws only what lies on it.
#include "Leinwand.h"
#include "modell/Modell.h"

#include <optional>

namespace skiora::draw {

// From dial metres to page units: px = x0 + x * s, py = y0 - y * s.
struct Abbildung {
    double x0 = 0, y0 = 0, s = 1;
    double px(double x) const { return x0 + x * s; }
    double py(double y) const { return y0 - y * s; }
};

// A rectangle of page units, x1 < x2, y1 < y2.
struct Bereich {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool schneidet(const Bereich& b) const {
        return x1 <= b.x2 && b.x1 <= x2 && y1 <= b.y2 && b.y1 <= y2;
    }
};

struct ModellStil {
    int linienbreite = 1;     // page units
    double sehnenfehler = 1;  // page units: the largest gap between an arc and its chords
    double schriftFaktor = 1; // model text heights times this
    int mindestSchrift = 0;   // page units: texts never smaller (figures at small scales)
    bool texte = true;
    bool rahmen = true;             // the frame layer
    bool himmelsrichtungen = true;  // the letters N, W, E at the ends of the axes
    bool mittelkreuze = false;      // a cross in every hour-point circle, to mark its centre
    bool grau = false;              // everything in light grey (a background picture)
    std::optional<Bereich> bereich; // draw only here (the canvas clips as well)
};

// Page units per millimetre of a page whose unit is `einheitenJeMm`, and
// the scale 1:massstab: s = 1000 * einheitenJeMm / massstab per metre.
inline double EinheitenJeMeter(int einheitenJeMm, double massstab) {
    return 1000.0 * einheitenJeMm / massstab;
}

void ModellZeichnen(Leinwand& lw, const modell::Modell& m, const Abbildung& abb,
                    const ModellStil& stil);

// The page-unit box an element covers under the mapping (texts estimated).
Bereich ElementBereich(const modell::Element& e, const Abbildung& abb);

// The segments of an element as page-unit polylines: arcs cut into chords
// no further than `sehnenfehler` from the curve, circles as their outline,
// texts as their estimated box. What the tiles test for "something on this page".
std::vector<std::vector<modell::Punkt>> ElementZuege(const modell::Element& e, const Abbildung& abb,
                                                     double sehnenfehler);

// Liang-Barsky: the part of the segment a-b inside the area; false if none.
bool Beschneiden(modell::Punkt& a, modell::Punkt& b, const Bereich& bereich);

} // namespace skiora::draw
