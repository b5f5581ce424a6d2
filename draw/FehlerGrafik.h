#pragma once
// The reading-error chart: the direction error of reading sunrise and sunset
// with the two fixed rise/set marks, against the sun's declination.
#include "Leinwand.h"
#include "core/Sonnenuhr.h"

#include <string>

namespace skiora::draw {

// The error in degrees at declination delta, for latitude phi and the
// declination deltaR the marks were placed for.
double Ablesefehler(double phi, double deltaR, double delta);

// The captions printed around the chart on paper (the window's labels
// Label14, lKoordAufUnter, Label13, lDek0, Label20).
struct FehlerTexte {
    std::string Label14, lKoordAufUnter, Label13, lDek0, Label20;
};

struct FehlerSkalaWerte {
    bool skaliert = false; // false: range below 0.01 degrees, only an empty box
    double min = 0, max = 0;
    double ys = 0; // surface units per degree of error
    int base = 0;  // y of the zero line
    double step = 0;
    int N = 0; // every N-th tick numbered
};

// Screen mode: the chart fills W x H (the client size of ImError).
// Paper mode (texte given): 1200 x 600 tenths of a millimetre at x 500, top Y0.
// Both set uhr.anz.lmaxErrAbs.
FehlerSkalaWerte FehlerGrafik(Sonnenuhr& uhr, Leinwand& lw, int W, int H);
FehlerSkalaWerte FehlerGrafikPapier(Sonnenuhr& uhr, Leinwand& lw, int Y0, const FehlerTexte& texte);

} // namespace skiora::draw
