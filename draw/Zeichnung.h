#pragma once
// The dial picture: one routine for the screen picture and the printed page.
#include "Leinwand.h"
#include "core/Sonnenuhr.h"

#include <cstdint>
#include <functional>

namespace skiora::draw {

enum class Modus { Schirm, Papier };

// The screen picture of the command line when --size is not given.
inline constexpr int StandardBildBreite = 1000;
inline constexpr int StandardBildHoehe = 606;

// The width the layout pass leaves a picture: at most 1.65 times its height.
int SchmaleBreite(int breite, int hoehe);

// Where the dial goes.
struct Ziel {
    Modus modus = Modus::Schirm;
    // Screen: the size of Image1 (narrowed to 1.65 times its height here).
    // Paper: SeiteBreite and SeiteUhrHoehe, in tenths of a millimetre.
    int Breite = 0, Hoehe = 0;
    int RandX = 0, RandY = 0; // paper: SeiteLinks, SeiteOben
    int SeiteHoehe = 0;       // paper: for the legend offset
    int SchirmBreite = 0;     // paper: the width of Image1, to scale the screen pan
    // Whether the graphic page is in front; the warning's message box appears
    // only when it is not.
    bool GrafikSichtbar = true;
    // Paper: the page finish (blanking outside the dial area, legend), done
    // after everything else; left to the printing.
    std::function<void(Leinwand&, const Rahmen&)> SeitenAbschluss;
};

// A further picture beside the dial: Image1 on paper (for the refusal) or
// ImError (the reading-error chart).
struct Bild {
    Leinwand* lw = nullptr;
    int Breite = 0, Hoehe = 0;
};

struct MassstabWerte {
    double Massstab = 1; // already multiplied by Norm, not yet by Zoom
    double Norm = 1;
    double Schritt = 0.1;
    int Teilung = 5;
    double DatumMax = 0;
};

// The scale of the axes and the dial for a drawing area of the given half size.
MassstabWerte MassstabBerechnen(double Halb, double GnomWinkel, double Breit, double SinGI,
                                double Klein, int HalbBreite, int HalbHoehe);

// SinGI as the drawing uses it, kept away from zero.
double SinGIGeklemmt(double GnomWinkel, double Incl);

struct ZeichenWerte {
    MassstabWerte m; // Massstab with Zoom
    bool verweigert = false;
    bool gewarnt = false;
    int Strich = 8;
};

// Draws the whole dial. On screen `ziel` describes Image1 itself; the refusal
// then goes onto `lw`. On paper the refusal goes onto `schirmBild` (when
// given) and the page stays empty. `fehlerBild` receives the reading-error
// chart in screen mode in both modes. Sets uhr.rahmen and uhr.anz.lmaxErrAbs.
ZeichenWerte ZeichneUhr(Sonnenuhr& uhr, Leinwand& lw, const Ziel& ziel, Bild fehlerBild = {},
                        Bild schirmBild = {});

// The surface position of a dial point (x east, y north) around a centre.
struct Pos {
    std::int64_t x = 0, y = 0;
    bool operator==(const Pos&) const = default;
};
Pos Abbilden(std::int64_t centreX, std::int64_t centreY, double massstab, double x, double y);

} // namespace skiora::draw
