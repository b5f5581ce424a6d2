// The hour points on the ellipse, their table and the sunrise/sunset mark.
#include "Sonnenuhr.h"
#include "Zahlen.h"

#include <algorithm>
#include <cmath>

namespace skiora {

namespace {

// Rows a table of hours needs: one or two per hour plus the header, never
// fewer than the window's 42.
int ZeilenFuer(int stdVon, int stdBis, int n) {
    return std::max(42, std::max(0, stdBis - stdVon + 1) * n + 1);
}

} // namespace

void Sonnenuhr::StundenTabelle() {
    Gitter& g = tab.StrGridStd;
    const int lph = std::clamp<int>(p.Lph, 1, 6);
    const int n = lph < 5 ? 1 : 2;
    g.groesseSetzen(16, ZeilenFuer(opt.StdVon, opt.StdBis, n));
    GitterLeeren(g);
    const bool deutsch = sprache.Sprache != 2;
    g.Setze(0, 0, " Nr. ");
    for (int c = 1; c <= 13; c += 4) {
        g.Setze(c, 0, deutsch ? "Zeit" : "Time");
        g.Setze(c + 1, 0, opt.KoordXY ? "   x   " : "  d1   ");
        g.Setze(c + 2, 0, opt.KoordXY ? "   y   " : "  d2   ");
    }

    for (int i = 1; i < static_cast<int>(erg.StundenPunkte.size()); ++i)
        erg.StundenPunkte[i] = PunktZeit{};

    const double b = Klein;
    for (int h = opt.StdVon; h <= opt.StdBis; ++h) {
        const int r = h - opt.StdVon + 1;
        const int kBis = h == opt.StdBis ? 1 : lph;
        for (int k = 1; k <= kBis; ++k) {
            const int m = (60 / lph) * (k - 1);
            const double t = 15.0 * (h - 12) + m / 4.0 + (p.Zone - p.Lang) * p.Zonenzeit;
            const double x = p.Halb * std::sin(t * Rad);
            const double y = b * std::cos(t * Rad);
            const double zeit = h + m / 60.0;
            const int index = (h - opt.StdVon) * lph + k;
            if (index >= 1 && index < static_cast<int>(erg.StundenPunkte.size()))
                erg.StundenPunkte[index] = {x, y, zeit};

            const int zeile = k <= 4 ? (r - 1) * n + 1 : n * r;
            const int spalte = k <= 4 ? 4 * k - 3 : 4 * k - 11;
            if (k > 4) g.Setze(1, zeile, "");
            g.Setze(spalte, zeile, MinSekText(zeit / 4));
            double w1 = x, w2 = y;
            if (!opt.KoordXY) {
                w1 = std::sqrt(x * x + (b - y) * (b - y));
                w2 = std::sqrt(x * x + (-b - y) * (-b - y));
            }
            g.Setze(spalte + 1, zeile, ZahlText(7, 3, w1));
            g.Setze(spalte + 2, zeile, ZahlText(7, 3, w2));
        }
    }

    // Sunrise/sunset mark for the declination RiseSet.
    if (std::fabs(p.RiseSet) < 1e-9) p.RiseSet = 1e-9;
    const double dr = p.RiseSet * Rad;
    const double s = std::sin((p.GnomWinkel - p.Breit) * Rad);
    const double q = std::sin(p.Breit * Rad) / std::cos(dr);
    erg.AufUntergangY = s * p.Halb * std::tan(dr) / SinGI;
    // Where the Sun at this declination never rises or sets there is no mark.
    erg.AufUntergangVorhanden = q * q <= 1;
    if (erg.AufUntergangVorhanden) {
        erg.AufUntergangX = std::sqrt(1 - q * q) * s * p.Halb * std::cos(p.Incl * Rad) / SinGI;
        anz.lKoordAufUnter = "(±" + ZahlText(6, 3, erg.AufUntergangX) + "/0.00)";
    } else {
        erg.AufUntergangX = 0;
        anz.lKoordAufUnter = "";
    }
    // Every calculation renews the date marks before the hour points.
    ReichweiteBerechnen(*this);
}

} // namespace skiora
