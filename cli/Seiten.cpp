// --layout-pdf and --tiles-pdf: the pages are laid out by the plain layers,
// made into a PDF by the Qt writer handed in and written through the safe path.
#include "Schritte.h"

#include "core/Sonnenuhr.h"
#include "report/Absteckplan.h"
#include "report/SeitenDatei.h"

namespace skiora::cli {

namespace {

draw::KachelWahl Wahl(const Befehlszeile& bz) {
    draw::KachelWahl wahl;
    wahl.massstab = bz.massstab.value_or(1);
    wahl.papier = draw::PapierNamens(bz.papier.value_or("A4")).value_or(draw::A4());
    wahl.nurDatum = bz.teil && *bz.teil == "dates";
    return wahl;
}

} // namespace

bool SeitenPassen(Sonnenuhr& uhr, const Befehlszeile& bz) {
    if (!bz.tilesPdf) return true;
    const draw::KachelWahl wahl = Wahl(bz);
    if (!draw::KachelnPlanen(report::KachelModell(uhr, wahl.nurDatum), wahl).zuViele) return true;
    report::ZuVieleSeitenMelden(uhr);
    return false;
}

bool SchrittSeiten(Sonnenuhr& uhr, const Befehlszeile& bz, const PdfMacher& pdf) {
    bool ok = true;
    if (bz.layoutPdf) {
        const auto einheit = bz.imperial ? report::Einheit::FussZoll : report::Einheit::Meter;
        ok = report::SeitenSchreiben(uhr, report::AbsteckplanSeiten(uhr, einheit),
                                     report::AbsteckTitel(uhr), *bz.layoutPdf, pdf);
    }
    if (bz.tilesPdf) {
        const draw::KachelWahl wahl = Wahl(bz);
        const modell::Modell m = report::KachelModell(uhr, wahl.nurDatum);
        const draw::Kachelplan plan = draw::KachelnPlanen(m, wahl);
        if (plan.zuViele) { // checked before any output; the dial has not changed since
            report::ZuVieleSeitenMelden(uhr);
            return false;
        }
        const std::string titel = report::KachelTitel(uhr, wahl.nurDatum);
        ok = report::SeitenSchreiben(uhr, draw::KachelSeiten(m, plan, uhr.sprache.Sprache, titel),
                                     titel, *bz.tilesPdf, pdf) &&
             ok;
    }
    return ok;
}

} // namespace skiora::cli
