#pragma once
// Taking back what a cancelled command did to the dial: the export panel
// makes its axis the major half axis and recalculates before the file name
// is asked for; a cancel must leave the document as it was.
#include "Sonnenuhr.h"

namespace skiora {

// What such a command can change.
struct Stand {
    DialParams p;
    Optionen opt;
    Ergebnisse erg;
    Tabellen tab;
    Anzeige anz;
    double SinGI = 1, Klein = 0;
    int Status = 0;
    int Sprache = 1;
};

Stand StandMerken(const Sonnenuhr& uhr);

// Takes the export axis back. `gesetzteAchse` is the half axis the panel set
// last; when the dial has another one now, the user set it and it stands.
// When nothing but the axis changed, the document returns to `vorher` as it
// was; otherwise only the axis returns and the dial is recalculated.
void AchseZuruecknehmen(Sonnenuhr& uhr, const Stand& vorher, double gesetzteAchse);

} // namespace skiora
