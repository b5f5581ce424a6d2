#include "core/Figuren.h"

#include "core/Sonne.h"
#include "core/Sonnenuhr.h"
#include "core/Zahlen.h"

#include <cmath>

namespace skiora {

bool MussVerweigern(const Sonnenuhr& uhr) {
    const auto& p = uhr.p;
    return std::abs(std::sin((p.GnomWinkel - p.Incl) * Rad)) < std::sin(8 * Rad) ||
           (p.Arten == 2 && std::abs(p.Breit - p.GnomInc) < 25);
}

double ExtraDeklination(const Sonnenuhr& uhr) {
    const auto& p = uhr.p;
    const int N = TagNr(p.Jahr, uhr.opt.ExtraMonat, uhr.opt.ExtraTag);
    return SonnenStandMittag(p.Jahr, N, false, p.Zone, p.Zone, p.Breit, 12).dekl;
}

double GnomonOrt(double halb, double sinGI, double gnomWinkel, double breit, double delta) {
    return halb * TanG(delta * Rad) * std::sin((gnomWinkel - breit) * Rad) / sinGI;
}

std::optional<Aufgangskreis> AufgangsKreis(double halb, double klein, double sinGI,
                                           double gnomWinkel, double breit, double delta) {
    if (delta == 0) return std::nullopt;
    const double c = -std::tan(delta * Rad) * std::tan(breit * Rad);
    if (!(std::abs(c) <= 1)) return std::nullopt; // no sunrise on that day
    // The sunrise mark and the gnomon's place; the circle's centre lies on
    // the axis, equally far from both.
    const double yS = klein * c;
    const double xS = -halb * std::sqrt(1 - c * c);
    Aufgangskreis k;
    k.Z = std::tan(delta * Rad) * halb * std::sin((gnomWinkel - breit) * Rad) / sinGI;
    if (k.Z == yS) return std::nullopt;
    const double q = (k.Z - yS) * (k.Z - yS) + xS * xS;
    k.R = (q / 2) / (k.Z - yS);
    k.R2 = std::sqrt(q) * std::cos(breit * Rad) / std::sin(delta * Rad) / 2;
    if (!std::isfinite(k.R) || !std::isfinite(k.R2) || !std::isfinite(k.Z)) return std::nullopt;
    return k;
}

} // namespace skiora
