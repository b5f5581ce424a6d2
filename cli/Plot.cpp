// --hpgl / --dxf / --scaled: the export as confirming the export panel does
// it: recalculate with the plot axis as the major half axis, write the plot,
// convert it for DXF.
#include "Schritte.h"

#include "core/Sonnenuhr.h"
#include "core/Zahlen.h"
#include "export/Plot.h"
#include "export/PlotDatei.h"

#include <charconv>
#include <sstream>

namespace skiora::cli {

namespace {

std::string Kuerzeste(double v) {
    char puffer[64];
    auto [ende, fehler] = std::to_chars(puffer, puffer + sizeof puffer, v);
    return fehler == std::errc() ? std::string(puffer, ende) : "0";
}

} // namespace

bool SchrittPlot(Sonnenuhr& uhr, const Befehlszeile& bz) {
    if (!bz.hpgl && !bz.dxf) return true;

    std::string achse;
    if (bz.scaled) {
        const double v = *bz.scaled;
        if (!(v >= 2 && v <= 20)) {
            uhr.MeldeNr(6, lang::Titel::Problem, Symbol::Warnung);
            return false;
        }
        achse = Kuerzeste(v);
    } else {
        // The panel offers Halb brought into [2, 20] and shows it as 4.2.
        achse = ZahlText(4, 2, export_::AngeboteneAchse(uhr.p.Halb));
    }
    if (!uhr.eBreitExit(Feld::EddxfAchs, achse).gueltig) return false;
    bool ok = uhr.Status == 0;

    // The view (--view) was set on the document by the caller.
    const Ansicht& v = uhr.ansicht;
    std::ostringstream plot;
    plot.imbue(std::locale::classic());
    if (bz.scaled)
        export_::PlotScaled(uhr, plot, v.DeltaX, v.DeltaY, uhr.opt.DxfAchse);
    else
        export_::PlotAsScreen(uhr, plot, v.DeltaX, v.DeltaY, v.Zoom);

    if (bz.hpgl && !export_::PlotDateiSchreiben(uhr, plot.str(), *bz.hpgl, true)) ok = false;
    if (bz.dxf && !export_::PlotDateiSchreiben(uhr, plot.str(), *bz.dxf, false)) ok = false;
    return ok;
}

} // namespace skiora::cli
