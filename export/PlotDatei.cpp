#include "export/PlotDatei.h"

#include "core/Datei.h"
#include "core/Sonnenuhr.h"
#include "export/HpglToDxf.h"

namespace skiora::export_ {

bool PlotDateiSchreiben(Sonnenuhr& uhr, const std::string& plot, const std::string& datei,
                        bool hpgl) {
    const int sprache = uhr.sprache.Sprache;
    if (hpgl) {
        const auto r = datei::SicherSchreiben(datei, plot, sprache);
        if (!r) uhr.Melde(r.meldung, lang::Titel::Fehler, Symbol::Fehler);
        return r.ok;
    }
    HpglToDxfWandler wandler;
    return HpglToDxf(plot, datei, 1, 40, uhr.melder(), sprache, wandler) == DxfStatus::Gespeichert;
}

} // namespace skiora::export_
