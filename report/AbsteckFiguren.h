#pragma once
// The figures of the layout sheet: the dial at a stated scale on its first
// page and a small picture beside every step. Each figure draws the dial
// model (faint where it is only the background) and the construction of its
// step on top, fitted into a box of page units (0.1 mm).
#include "Abstecken.h"
#include "Setzer.h"
#include "modell/Modell.h"

namespace skiora::report {

struct FigurDaten {
    const modell::Modell& uhr;
    const modell::Modell& datum;
    const Absteckmasse& masse;
    Einheit einheit;
    int sprache;
};

// The scale 1:N (N one of 1, 2, 2.5, 5 times a power of ten) at which the
// dial fits the box.
double MassstabFuer(const modell::Rechteck& ausdehnung, const Kasten& kasten);

// The dial at 1:massstab, centred in the box, with C, N, F1, F2, a north
// arrow and a scale bar.
void FigurUhr(draw::Leinwand& lw, const Kasten& k, const FigurDaten& d, double massstab);
// Step 1: the plumb line's shadow at true noon, seen from above.
void FigurLot(draw::Leinwand& lw, const Kasten& k, const FigurDaten& d);
// Step 2: C, the north-south line and the 3-4-5 triangle.
void FigurDreieck(draw::Leinwand& lw, const Kasten& k, const FigurDaten& d);
// Step 3: the string loop around F1 and F2.
void FigurSchlaufe(draw::Leinwand& lw, const Kasten& k, const FigurDaten& d);
// Step 4: two tapes from C and N meeting at an hour point.
void FigurBaender(draw::Leinwand& lw, const Kasten& k, const FigurDaten& d);
// Step 5: the date marks.
void FigurDatum(draw::Leinwand& lw, const Kasten& k, const FigurDaten& d);
// Step 6: a person on a date mark and the shadow to an hour point.
void FigurStehen(draw::Leinwand& lw, const Kasten& k, const FigurDaten& d);

} // namespace skiora::report
