// --svg-mm / --dxf-mm: the dial at true size, with --units, --point-diameter
// and --font-size. Runs before the plot step, which may set a new axis.
#include "Schritte.h"

#include "export/Fertigung.h"

namespace skiora::cli {

bool SchrittFertigung(Sonnenuhr& uhr, const Befehlszeile& bz) {
    if (!bz.svgMm && !bz.dxfMm) return true;
    using namespace export_;
    const Einheit e = bz.imperial ? Einheit::Zoll : Einheit::Millimeter;
    modell::Vorgaben v = StandardVorgaben(e);
    // Given in the output's unit; the model counts in metres.
    if (bz.punktDurchmesser) v.Punktdurchmesser = *bz.punktDurchmesser / ProMeter(e);
    if (bz.schriftHoehe) v.Schrifthoehe = *bz.schriftHoehe / ProMeter(e);
    bool ok = true;
    if (bz.svgMm) ok = FertigungSpeichern(uhr, *bz.svgMm, Format::Svg, e, v) && ok;
    if (bz.dxfMm) ok = FertigungSpeichern(uhr, *bz.dxfMm, Format::Dxf, e, v) && ok;
    return ok;
}

} // namespace skiora::cli
