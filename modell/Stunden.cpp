// The hour figures of the model: the ellipse, the hour points with their
// numbers (and summer-time numbers), the sunrise and sunset marks.
#include "Bau.h"
#include "core/Sonnenuhr.h"
#include "core/Zahlen.h"
#include "lang/Texte.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace skiora::modell {

namespace {

// Outward unit normal of the ellipse x²/a² + y²/b² = 1 at a point of it; for
// a flat ellipse (b about 0) straight north or south of the axis.
Punkt Normale(double x, double y, double a, double b) {
    double nx, ny;
    if (std::abs(b) < 1e-9 * a) {
        nx = 0;
        ny = b < 0 ? -1 : 1;
    } else {
        nx = x / (a * a);
        ny = y / (b * b);
    }
    const double l = std::hypot(nx, ny);
    if (!(l > 0)) return {0, 1};
    return {nx / l, ny / l};
}

// The distance from the hour point to the middle of a label of `zeichen`
// characters along the normal n, so that the label clears the point's circle
// by half a text height.
double LabelAbstand(const Bau& b, Punkt n, std::size_t zeichen) {
    const double breite = 0.8 * b.S() * static_cast<double>(zeichen);
    return b.D() / 2 + 0.5 * b.S() + std::abs(n.x) * breite / 2 + std::abs(n.y) * b.S() / 2;
}

// A clock time as the dial prints it: whole hours as "7", others as "7:30";
// times past midnight wrap around.
std::string UhrzeitText(double stunden) {
    long minuten = std::lround(stunden * 60);
    minuten = ((minuten % 1440) + 1440) % 1440;
    const long h = minuten / 60, m = minuten % 60;
    if (m == 0) return std::to_string(h);
    return std::to_string(h) + (m < 10 ? ":0" : ":") + std::to_string(m);
}

void Ellipse(Bau& b) {
    const auto& p = b.uhr.p;
    const auto& o = b.uhr.opt;
    const double a = p.Halb, k = b.uhr.Klein;
    const double versatz = p.Zonenzeit ? p.Zone - p.Lang : 0;
    // The picture's hour angles θ, the point (a sin θ, b cos θ).
    const double th0 = (versatz + (o.StdVon - 12) * 15.0) * Rad;
    const double th1 = (versatz + (o.StdBis - 12) * 15.0) * Rad;
    if (!(th1 > th0)) return;
    if (std::abs(k) < 1e-9 * a) {
        // A flat ellipse is the east-west segment it covers.
        Linienzug z;
        for (int i = 0; i <= 360; ++i) {
            const double th = th0 + (th1 - th0) * i / 360;
            z.punkte.push_back({a * std::sin(th), 0});
        }
        b.Dazu(Ebene::Ellipse, std::move(z));
        return;
    }
    // (a sin θ, b cos θ) = (a cos t, |b| sin t) with t = 90° - θ for b > 0,
    // t = θ - 90° for b < 0; the arc runs counter-clockwise in t.
    const double halbPi = std::numbers::pi / 2;
    Ellipsenbogen e{{0, 0}, a, std::abs(k), 0, 0};
    if (k > 0) {
        e.von = halbPi - th1;
        e.bis = halbPi - th0;
    } else {
        e.von = th0 - halbPi;
        e.bis = th1 - halbPi;
    }
    if (e.bis - e.von >= 2 * std::numbers::pi) e.bis = e.von + 2 * std::numbers::pi;
    b.Dazu(Ebene::Ellipse, e);
}

} // namespace

void StundenTeil(Bau& b) {
    const Sonnenuhr& u = b.uhr;
    const auto& p = u.p;
    Ellipse(b);
    const int lph = std::max<int>(1, p.Lph);
    const int n = std::clamp((u.opt.StdBis - u.opt.StdVon) * lph + 1, 0, 126);
    const bool sommer = u.ort.Sommerzeit && u.ort.HatSommerzeit;
    for (int k = 1; k <= n; ++k) {
        const PunktZeit& e = u.erg.StundenPunkte[static_cast<std::size_t>(k)];
        const bool voll = k % lph == 1 || lph == 1;
        b.Dazu(voll ? Ebene::Stundenpunkte : Ebene::Teilstunden, Kreis{{e.x, e.y}, b.D() / 2}, k);
        if (!voll) continue;
        const Punkt nrm = Normale(e.x, e.y, p.Halb, u.Klein);
        const std::string zahl = UhrzeitText(std::round(e.zeit));
        const double d = LabelAbstand(b, nrm, zahl.size());
        b.Beschrifte(Ebene::Stundenzahlen, {e.x + nrm.x * d, e.y + nrm.y * d}, zahl,
                     HAusrichtung::Mitte, k);
        if (sommer) {
            // Inside the ellipse, so that each point keeps both numbers close.
            const std::string sz = UhrzeitText(std::round(e.zeit) + u.ort.SzVersatz);
            const double di = LabelAbstand(b, nrm, sz.size());
            b.Beschrifte(Ebene::Sommerzeit, {e.x - nrm.x * di, e.y - nrm.y * di}, sz,
                         HAusrichtung::Mitte, k);
        }
    }
}

void AufUntergangTeil(Bau& b) {
    const Sonnenuhr& u = b.uhr;
    const auto& p = u.p;
    // Shown where the picture shows them.
    if (u.opt.SplitModus || !(std::abs(p.Incl) < 0.2 || std::abs(p.GnomInc) < 0.2)) return;
    if (!u.erg.AufUntergangVorhanden || !std::isfinite(u.erg.AufUntergangX)) return;
    const double r = b.D() / 4;
    for (int i = 0; i <= 1; ++i) {
        const double x = (2 * i - 1) * u.erg.AufUntergangX;
        b.Dazu(Ebene::AufUntergang, Kreis{{x, 0}, r});
        b.Dazu(Ebene::AufUntergang, Text{{x, -(r + 1.5 * b.S())},
                                         b.S(),
                                         lang::TextTabelle1(u.sprache.Sprache, i == 0 ? 27 : 28),
                                         HAusrichtung::Mitte,
                                         VAusrichtung::Mitte});
    }
}

} // namespace skiora::modell
