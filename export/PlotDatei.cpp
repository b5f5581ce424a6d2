#include "export/PlotDatei.h"

#include "core/Sonnenuhr.h"
#include "export/HpglToDxf.h"

#include <filesystem>
#include <fstream>

namespace skiora::export_ {

namespace {

namespace fs = std::filesystem;

// The plot text into the temporary file. `angelegt` tells whether the file
// is ours to remove afterwards (a directory of that name is not).
bool TempSchreiben(const fs::path& temp, const std::string& inhalt, bool& angelegt) {
    angelegt = false;
    std::error_code ec;
    if (fs::exists(temp, ec) && !fs::is_regular_file(temp, ec)) return false;
    std::ofstream aus(temp, std::ios::binary | std::ios::trunc);
    if (!aus) return false;
    angelegt = true;
    aus.write(inhalt.data(), static_cast<std::streamsize>(inhalt.size()));
    aus.close();
    return static_cast<bool>(aus);
}

} // namespace

bool PlotDateiSchreiben(Sonnenuhr& uhr, const std::string& plot, const std::string& datei,
                        bool hpgl) {
    const fs::path ziel(datei);
    fs::path temp = ziel.parent_path() / "skiora.$$$";
    // A file the user named like our temporary must not be removed with it.
    if (temp.filename() == ziel.filename()) temp += "~";

    bool angelegt = false;
    bool ok = TempSchreiben(temp, plot, angelegt);
    bool schreibFehler = !ok;
    if (ok && hpgl) {
        std::error_code ec;
        fs::rename(temp, ziel, ec);
        ok = !ec;
        schreibFehler = !ok;
    } else if (ok) {
        HpglToDxfWandler wandler;
        const auto st =
            HpglToDxf(temp.string(), datei, 1, 40, uhr.melder(), uhr.sprache.Sprache, wandler);
        ok = st == DxfStatus::Gespeichert;
        // Other problems of the conversion are reported by the converter.
        schreibFehler = st == DxfStatus::SchreibFehler;
    }
    std::error_code ec;
    if (angelegt && fs::is_regular_file(temp, ec)) fs::remove(temp, ec);
    if (schreibFehler) uhr.MeldeNr(18, lang::Titel::Fehler, Symbol::Fehler, datei);
    return ok;
}

} // namespace skiora::export_
