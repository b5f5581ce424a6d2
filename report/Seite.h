#pragma once
// The printed page: its geometry in tenths of a millimetre on an A4 sheet
// in landscape, and the finish of the dial page (blanking outside the dial
// area, frame, separator, title and legend).
#include "core/Sonnenuhr.h"
#include "draw/Leinwand.h"
#include "draw/Zeichnung.h"

namespace skiora::report {

// What the printer says about its sheet: the printable area in millimetres
// and in device pixels, and the offset of that area from the sheet's corner.
struct DruckerMasse {
    int hs = 0, vs = 0; // HORZSIZE, VERTSIZE (mm)
    int hr = 0, vr = 0; // HORZRES, VERTRES (pixels)
    int ox = 0, oy = 0; // PHYSICALOFFSETX, PHYSICALOFFSETY (pixels)
    bool hochformat = false;
};

// The page geometry, kept after printing (0.1 mm).
struct Seitengeometrie {
    int SeiteBreite = 0, SeiteHoehe = 0;
    int SeiteLinks = 0, SeiteOben = 0;
    int SeiteUhrHoehe = 0;
};

// The picture centred on the sheet, always worked out on the landscape sheet.
// SeiteUhrHoehe is left to the dial print (UhrHoehe).
Seitengeometrie SeitenRand(const DruckerMasse& m);

// The dial area keeps the screen picture's 1.65 : 1.
int UhrHoehe(int seiteBreite);

// Legend offset V and the line factor n of the legend.
struct Legendenlage {
    int V = 0, n = 5;
};
Legendenlage LegendenLage(const Seitengeometrie& g);

// Everything outside the dial area blanked, then frame, separating line,
// title and the two legend lines in the document's language.
void SeitenAbschluss(const Sonnenuhr& uhr, draw::Leinwand& lw, const Rahmen& r,
                     const Seitengeometrie& g);

// The dial's target on this page (paper mode, page finish included);
// `schirmBreite` is the width of the screen picture, which scales the pan.
draw::Ziel PapierZiel(const Sonnenuhr& uhr, const Seitengeometrie& g, int schirmBreite);

} // namespace skiora::report
