// Fuzz target: any bytes as a plot. The converter must neither crash nor
// loop, and a converted drawing must be a well-formed DXF.
#include "export/HpglToDxf.h"
#include "fuzz/DxfPruefung.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    using namespace skiora::export_;
    const std::string_view hpgl(reinterpret_cast<const char*>(daten), groesse);
    // The pen-width factor of the export (1), or one that writes widths.
    const double faktor = groesse % 2 ? 3.0 : 1.0;
    HpglToDxfWandler wandler;
    std::string dxf;
    if (wandler.Konvertiere(hpgl, dxf, faktor, 40) != DxfStatus::Gespeichert) return 0;
    const std::string fehler = skiora::pruefung::DxfFehler(dxf);
    if (!fehler.empty()) {
        std::fprintf(stderr, "malformed DXF: %s\n", fehler.c_str());
        std::abort();
    }
    return 0;
}
