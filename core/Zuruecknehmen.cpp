#include "Zuruecknehmen.h"

namespace skiora {

Stand StandMerken(const Sonnenuhr& uhr) {
    return {uhr.p,     uhr.opt,    uhr.erg,
            uhr.tab,   uhr.anz,    uhr.SinGI,
            uhr.Klein, uhr.Status, uhr.sprache.Sprache};
}

void AchseZuruecknehmen(Sonnenuhr& uhr, const Stand& vorher, double gesetzteAchse) {
    if (uhr.p.Halb != gesetzteAchse) return;
    DialParams p = uhr.p;
    p.Halb = vorher.p.Halb;
    Optionen opt = uhr.opt;
    opt.DxfAchse = vorher.opt.DxfAchse;
    // The results depend on these alone (the hour input table for the split
    // analemma, the language for the table headings).
    const bool nurAchse = p == vorher.p && opt == vorher.opt &&
                          uhr.tab.StrGridEin == vorher.tab.StrGridEin &&
                          uhr.sprache.Sprache == vorher.Sprache;
    if (!nurAchse) {
        uhr.p.Halb = vorher.p.Halb;
        uhr.opt.DxfAchse = vorher.opt.DxfAchse;
        uhr.btGoClick();
        return;
    }
    uhr.p = vorher.p;
    uhr.opt = vorher.opt;
    uhr.erg = vorher.erg;
    uhr.tab = vorher.tab;
    uhr.anz = vorher.anz;
    uhr.SinGI = vorher.SinGI;
    uhr.Klein = vorher.Klein;
    uhr.Status = vorher.Status;
    if (uhr.neuZeichnen) uhr.neuZeichnen();
}

} // namespace skiora
