// The fast, threaded methods against a plain single-threaded evaluation
// written here from the formulas: same positions and tables, cell for cell.
#include "core/Sonne.h"
#include "core/Split.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace skiora {
namespace {

// Methods 2 to 4 as written: every candidate from scratch, no early stop.
void EinfacheSuche(const Sonnenuhr& uhr, int m, const StundenListe& H, const StundenListe& W,
                   tSkioraPoint& rec, bool vormittag) {
    const int n = uhr.opt.Genau ? 32 : 18, h = n / 2;
    const double s0 = 4.6 * n, a = uhr.p.Halb;
    const double tag = std::abs(HalberTagbogen(rec.decl, uhr.p.Breit));
    double best = 1000000, bx = rec.x, by = rec.y;
    for (double schritt : {a / s0, a / (0.965 * s0 * h), a / (0.935 * s0 * h * h)}) {
        const double xc = rec.x, yc = rec.y;
        for (int u = 1; u <= n; ++u)
            for (int v = 1; v <= n; ++v) {
                const double x = xc + (u - h) * schritt, y = yc + (v - h) * schritt;
                double S1 = 0, Ws = 0, Q = 0, M = 0;
                bool ersetzt = false;
                for (int k = 1; k <= std::min(20, static_cast<int>(std::lround(H[0]))); ++k) {
                    double T = H[k];
                    if (std::abs(T - 12) > tag) {
                        if (ersetzt) continue;
                        ersetzt = true;
                        T = vormittag ? 12 - std::trunc(tag) : 12 + std::trunc(tag);
                    }
                    const auto r = AblesFehler(uhr, T, y, x, rec.eot, rec.decl);
                    if (r.fehlgeschlagen) continue;
                    S1 += std::abs(W[k] * r.fehler), Ws += W[k], Q += W[k] * r.fehler * r.fehler;
                    M = std::max(M, std::abs(r.fehler));
                }
                const double k = Ws <= 0  ? 1000000
                                 : m == 2 ? M
                                 : m == 3 ? S1 / Ws
                                          : std::sqrt(Q / Ws);
                if (k < best) best = k, bx = x, by = y;
            }
        rec.x = bx, rec.y = by;
    }
}

// Method 1: the mean of the two-hour positions of each hour with every
// other, weighted by the direction of its hour line.
void Mittel(const Sonnenuhr& uhr, int N, const StundenListe& H, tSkioraPoint& rec) {
    const double p = (uhr.p.Breit - uhr.p.GnomInc) * Rad, q = (uhr.p.GnomInc - uhr.p.Incl) * Rad;
    const int K = static_cast<int>(H[0]);
    double sx = 0, sy = 0, gx = 0, gy = 0;
    bool brauchbar = true;
    for (int j = 1; j <= K; ++j) {
        double xj = 0, yj = 0;
        for (int k = 1; k <= K; ++k) {
            if (k == j) continue;
            ZweiStundenPunkt(uhr, N, rec, H[j], H[k]);
            xj += rec.x, yj += rec.y;
            brauchbar = rec.usable;
        }
        const double t = (15 * (H[j] - 12) + rec.eot) * Rad;
        double th = 0; // the direction of the hour line
        if (std::abs(t) >= 1e-10) {
            const double c = (std::sin(p) * std::cos(t) - std::cos(p) * TanG(rec.decl * Rad)) /
                             (std::sin(t) * std::cos(q));
            th = std::abs(c) < 1e-10 ? std::numbers::pi / 2
                                     : std::atan(1 / c) + (c < 0 ? std::numbers::pi : 0);
            if (t < 0) th = -th;
        }
        sx += std::abs(std::cos(th)) * xj, gx += std::abs(std::cos(th));
        sy += std::sin(th) * yj, gy += std::sin(th);
    }
    rec.x = sx / ((K - 1) * gx);
    rec.y = sy / ((K - 1) * gy);
    rec.usable = brauchbar;
}

// The expected date array of each method, from the hour lists it used.
DatumsFeld Erwartet(const Sonnenuhr& uhr, bool vormittag) {
    const StundenListe& H = vormittag ? uhr.erg.StundenVor : uhr.erg.StundenNach;
    const StundenListe& W = vormittag ? uhr.erg.GewichtVor : uhr.erg.GewichtNach;
    DatumsFeld f;
    SplitDaten(f, uhr.p.Anzahl);
    for (int r = 1; r <= 12 * uhr.p.Anzahl; ++r) {
        int monat = 0, tag = 0;
        SplitDatum(r, uhr.p.Anzahl, monat, tag);
        const int N = TagNr(uhr.p.Jahr, monat, tag);
        tSkioraPoint& rec = f[r];
        if (uhr.p.Mittelwert == 0) {
            ZweiStundenPunkt(uhr, N, rec, H[1], H[2]);
        } else if (uhr.p.Mittelwert == 1) {
            Mittel(uhr, N, H, rec);
        } else {
            ZweiStundenPunkt(uhr, N, rec, 12, 13); // only for decl and eot
            rec.x = -rec.eot * Rad * uhr.p.Halb;
            rec.y = std::sin((uhr.p.GnomWinkel - uhr.p.Breit) * Rad) * TanG(rec.decl * Rad) *
                    uhr.p.Halb / uhr.SinGI;
            rec.usable = SplitBrauchbar(rec.y, uhr.Klein);
            if (rec.usable) EinfacheSuche(uhr, uhr.p.Mittelwert, H, W, rec, vormittag);
        }
    }
    return f;
}

// One error table and its summary, cell by cell from AblesFehler.
void PruefeFehlerTabelle(const Sonnenuhr& uhr, const Gitter& g, const DatumsFeld& f, int von,
                         int bis, int spalte) {
    double n = 0, sa = 0, se = 0, sq = 0, mx = 0;
    for (int r = 1; r <= 12 * uhr.p.Anzahl; ++r) {
        EXPECT_EQ(g.Zelle(5, r) == "***", !f[r].usable) << r;
        for (int h = von; h <= bis && f[r].usable; ++h) {
            const double T = (h == 12 && von == 12) ? 12.5 : h;
            std::string text;
            if (std::abs(T - 12) < HalberTagbogen(f[r].decl, uhr.p.Breit)) {
                const auto e = AblesFehler(uhr, T, f[r].y, f[r].x, f[r].eot, f[r].decl);
                text = e.fehlgeschlagen ? " error" : MinSekText(e.fehler);
                if (!e.fehlgeschlagen) {
                    ++n, sa += std::abs(e.fehler), se += e.fehler, sq += e.fehler * e.fehler;
                    mx = std::max(mx, std::abs(e.fehler));
                }
            }
            EXPECT_EQ(g.Zelle(h + 6 - von, r), text) << r << " " << h;
        }
    }
    ASSERT_GT(n, 0);
    EXPECT_EQ(uhr.tab.StrMittel.Zelle(spalte, 1), MinSekText(mx));
    EXPECT_EQ(uhr.tab.StrMittel.Zelle(spalte, 2), MinSekText(sa / n));
    EXPECT_EQ(uhr.tab.StrMittel.Zelle(spalte, 3),
              MinSekText(std::sqrt(std::max(0.0, sq / n - (se / n) * (se / n)))));
}

// Each method on the default dial, a southern and an inclined one (the
// fine grid once); methods 2 to 4 with hours outside a winter day (the
// substitute hour) and uneven weights.
class AlleMethoden : public ::testing::TestWithParam<int> {};

TEST_P(AlleMethoden, GleichDerEinfachenRechnung) {
    const int methode = GetParam();
    const double uhren[][5] = {
        {47.25, -9.59, -15, 0, 0}, {-33.9, -151.2, -150, 0, 0}, {50, 7, 0, 12, -8}};
    // Hours (columns 1, 3) and weights (2, 4) of the input table, row by row.
    const char* ein[] = {"6", "1",   "13", "",  "6.5", "2", "15.5", "3",
                         "9", "0.5", "18", "1", "11",  "",  "19",   "1"};
    for (const auto& u : uhren) {
        Sonnenuhr uhr;
        uhr.p.Arten = 2, uhr.p.Breit = u[0], uhr.p.Lang = u[1], uhr.p.Zone = u[2];
        uhr.p.Incl = u[3], uhr.p.GnomInc = u[4], uhr.p.GnomWinkel = u[4] + 90, uhr.p.Jahr = 2003;
        uhr.Abgeleitet();
        uhr.Modusumschaltung();
        uhr.p.Mittelwert = static_cast<std::uint8_t>(methode);
        uhr.p.Anzahl = methode >= 2 ? 1 : 6; // six marks a month fill 72 rows
        uhr.opt.Genau = methode == 4 && &u == &uhren[0];
        uhr.opt.DefaultWerte = methode < 2;
        for (int i = 0; i < 16; ++i)
            uhr.tab.StrGridEin.Setze(i % 4 + 1, i / 4 + 1, ein[i]);
        uhr.btGoClick(); // the driver picks the method
        ASSERT_EQ(uhr.Status, 0) << u[0];
        const bool eins = methode < 2;
        const DatumsFeld& vor = eins ? uhr.erg.SplitVor1 : uhr.erg.SplitVor2;
        const DatumsFeld& nach = eins ? uhr.erg.SplitNach1 : uhr.erg.SplitNach2;
        const DatumsFeld ev = Erwartet(uhr, true), en = Erwartet(uhr, false);
        for (int r = 1; r <= 73; ++r) {
            EXPECT_EQ(vor[r].usable, ev[r].usable) << u[0] << " " << r;
            EXPECT_EQ(nach[r].usable, en[r].usable) << u[0] << " " << r;
            EXPECT_TRUE(!ev[r].usable || (vor[r].x == ev[r].x && vor[r].y == ev[r].y)) << r;
            EXPECT_TRUE(!en[r].usable || (nach[r].x == en[r].x && nach[r].y == en[r].y)) << r;
        }
        EXPECT_EQ(uhr.tab.StrGridDat.Zelle(8, 1), ZahlText(8, 4, en[1].y));
        EXPECT_EQ(uhr.tab.StrGridDat.Zelle(0, 72), eins ? "26.Dez " : "");
        PruefeFehlerTabelle(uhr, uhr.tab.StrGrid8b, ev, uhr.opt.FehlVon, 12, 1);
        PruefeFehlerTabelle(uhr, uhr.tab.StrGrid8, en, 12, uhr.opt.FehlBis, 2);
    }
}

INSTANTIATE_TEST_SUITE_P(Split, AlleMethoden, ::testing::Values(0, 1, 2, 3, 4));

} // namespace
} // namespace skiora
