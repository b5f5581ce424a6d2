// --hpgl / --dxf / --scaled: the export as confirming the export panel does
// it: recalculate with the plot axis as the major half axis, write the plot,
// convert it for DXF.
#include "Schritte.h"

#include "core/Sonnenuhr.h"
#include "core/Zahlen.h"
#include "export/HpglToDxf.h"
#include "export/Plot.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace skiora::cli {

namespace {

namespace fs = std::filesystem;

// Through a temporary file beside the target: the previous file is replaced
// only by a complete one.
bool SchreibeErsetzend(const std::string& ziel, const std::string& inhalt) {
    const std::string temp = ziel + ".tmp";
    {
        std::ofstream aus(temp, std::ios::binary | std::ios::trunc);
        aus.write(inhalt.data(), static_cast<std::streamsize>(inhalt.size()));
        aus.close();
        if (!aus) {
            std::error_code ec;
            fs::remove(temp, ec);
            return false;
        }
    }
    std::error_code ec;
    fs::rename(temp, ziel, ec);
    if (ec) fs::remove(temp, ec);
    return !ec;
}

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

    if (bz.hpgl && !SchreibeErsetzend(*bz.hpgl, plot.str())) {
        uhr.MeldeNr(18, lang::Titel::Fehler, Symbol::Fehler, *bz.hpgl);
        ok = false;
    }
    if (bz.dxf) {
        const fs::path temp = fs::path(*bz.dxf).parent_path() / "skiora.$$$";
        bool geschrieben;
        {
            std::ofstream aus(temp, std::ios::binary | std::ios::trunc);
            aus << plot.str();
            aus.close();
            geschrieben = static_cast<bool>(aus);
        }
        export_::HpglToDxfWandler wandler;
        const auto st = geschrieben ? export_::HpglToDxf(temp.string(), *bz.dxf, 1, 40,
                                                         uhr.melder(), uhr.sprache.Sprache, wandler)
                                    : export_::DxfStatus::SchreibFehler;
        std::error_code ec;
        fs::remove(temp, ec); // also after a failed conversion
        if (st == export_::DxfStatus::SchreibFehler)
            uhr.MeldeNr(18, lang::Titel::Fehler, Symbol::Fehler, *bz.dxf);
        if (st != export_::DxfStatus::Gespeichert) ok = false;
    }
    return ok;
}

} // namespace skiora::cli
