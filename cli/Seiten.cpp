// --layout-pdf and --tiles-pdf: the pages are laid out by the plain layers,
// made into a PDF by the Qt writer handed in and written through the safe path.
#include "Schritte.h"

#include "core/Sonnenuhr.h"
#include "report/Absteckplan.h"
#include "report/SeitenDatei.h"

namespace skiora::cli {

int SchrittSeiten(Sonnenuhr& uhr, const Befehlszeile& bz, const PdfMacher& pdf) {
    int status = 0;
    if (bz.layoutPdf) {
        const auto einheit = bz.imperial ? report::Einheit::FussZoll : report::Einheit::Meter;
        if (!report::SeitenSchreiben(uhr, report::AbsteckplanSeiten(uhr, einheit),
                                     report::AbsteckTitel(uhr), *bz.layoutPdf, pdf))
            status = 1;
    }
    if (bz.tilesPdf) {
        draw::KachelWahl wahl;
        wahl.massstab = bz.massstab.value_or(1);
        wahl.papier = draw::PapierNamens(bz.papier.value_or("A4")).value_or(draw::A4());
        wahl.nurDatum = bz.teil && *bz.teil == "dates";
        const modell::Modell m = report::KachelModell(uhr, wahl.nurDatum);
        const draw::Kachelplan plan = draw::KachelnPlanen(m, wahl);
        if (plan.zuViele) {
            report::ZuVieleSeitenMelden(uhr);
            return 2;
        }
        const std::string titel = report::KachelTitel(uhr, wahl.nurDatum);
        if (!report::SeitenSchreiben(uhr, draw::KachelSeiten(m, plan, uhr.sprache.Sprache, titel),
                                     titel, *bz.tilesPdf, pdf))
            status = 1;
    }
    return status;
}

} // namespace skiora::cli
