// Fuzz target: any bytes as a command line (arguments separated by NUL).
// The parser must not crash, and what it accepts must be usable as it is:
// every value in the range the outputs take, every file name non-empty.
#include "cli/Befehlszeile.h"
#include "core/Reichweite.h"
#include "core/Sonnenuhr.h"
#include "export/Fertigung.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

void Pruefe(bool bedingung, const char* was) {
    if (bedingung) return;
    std::fprintf(stderr, "accepted command line breaks: %s\n", was);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    using namespace skiora;
    std::vector<std::string> args(1);
    for (std::size_t i = 0; i < groesse; ++i) {
        if (daten[i] == 0)
            args.emplace_back();
        else
            args.back() += static_cast<char>(daten[i]);
    }
    const cli::ParseErgebnis pe = cli::Parse(args);
    if (!pe.bz) {
        Pruefe(!pe.fehler.empty(), "a refusal without a reason");
        return 0;
    }
    const cli::Befehlszeile& bz = *pe.bz;
    Pruefe(!bz.sprache || *bz.sprache == "de" || *bz.sprache == "en", "--lang");
    for (const auto& [name, datei] : bz.tabellen)
        Pruefe(!name.empty() && !datei.empty(), "--table");
    for (const auto* datei : {&bz.saveConfig, &bz.png, &bz.svg, &bz.errorPng, &bz.printPdf,
                              &bz.listsPdf, &bz.hpgl, &bz.dxf, &bz.svgMm, &bz.dxfMm, &bz.noonTable,
                              &bz.reachTable, &bz.layoutPdf, &bz.tilesPdf})
        Pruefe(!*datei || !(*datei)->empty(), "an empty file name");
    if (bz.groesse)
        Pruefe(bz.groesse->first >= 50 && bz.groesse->first <= 10000 && bz.groesse->second >= 50 &&
                   bz.groesse->second <= 10000,
               "--size");
    if (bz.ansicht) {
        const auto& v = *bz.ansicht;
        Pruefe(std::isfinite(v[0]) && v[0] > 0, "--view zoom");
        Pruefe(std::fabs(v[1]) <= cli::GroesstesVerschieben &&
                   std::fabs(v[2]) <= cli::GroesstesVerschieben,
               "--view pan");
    }
    if (bz.scaled) Pruefe(WertImBereich(Feld::EddxfAchs, *bz.scaled), "--scaled");
    const auto [min, max] = export_::GroessenBereich(bz.imperial ? export_::Einheit::Zoll
                                                                 : export_::Einheit::Millimeter);
    for (const auto& groesse : {bz.punktDurchmesser, bz.schriftHoehe})
        Pruefe(!groesse || (*groesse >= min && *groesse <= max), "--point-diameter, --font-size");
    if (bz.massstab) Pruefe(*bz.massstab >= 1 && *bz.massstab <= 1000, "--scale");
    Pruefe((!bz.massstab && !bz.papier && !bz.teil) || bz.tilesPdf, "tiles' options alone");
    if (bz.hoehen) {
        Pruefe(!bz.hoehen->empty() && bz.hoehen->size() <= static_cast<std::size_t>(MaxLeser),
               "--heights count");
        for (double h : *bz.hoehen)
            Pruefe(h >= KleinsteLeserhoehe && h <= GroessteLeserhoehe, "--heights");
    }
    return 0;
}
