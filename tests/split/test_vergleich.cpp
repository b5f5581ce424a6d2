// The fast, threaded methods against a plain single-threaded evaluation
// written here from the formulas: same positions and tables, cell for cell.
#include "Hilfe.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace skiora::test {
namespace {

struct Uhr {
    const char* name;
    double breit, lang, zone, incl, gnomInc;
};
const Uhr Uhren[] = {
    {"default", 47.25, -9.59, -15, 0, 0},
    {"sued", -33.9, -151.2, -150, 0, 0},
    {"geneigt", 50, 7, 0, 12, -8},
    {"hoch", 62, -25, -30, 0, 0},
};

void Setze(SplitUhr& s, const Uhr& u) {
    s.uhr.p.Breit = u.breit;
    s.uhr.p.Lang = u.lang;
    s.uhr.p.Zone = u.zone;
    s.uhr.p.Incl = u.incl;
    s.uhr.p.GnomInc = u.gnomInc;
    s.uhr.p.GnomWinkel = u.gnomInc + 90;
    s.uhr.p.Jahr = 2003;
    s.uhr.Abgeleitet();
}

// Methods 2 to 4 exactly as written: every candidate from scratch.
void EinfacheSuche(const Sonnenuhr& uhr, int m, const StundenListe& H, const StundenListe& W,
                   tSkioraPoint& rec, bool vormittag) {
    const int n = uhr.opt.Genau ? 32 : 18;
    const int h = n / 2;
    const double s0 = 4.6 * n, a = uhr.p.Halb;
    double best = 1000000, bx = rec.x, by = rec.y;
    for (double schritt : {a / s0, a / (0.965 * s0 * h), a / (0.935 * s0 * h * h)}) {
        const double xc = rec.x, yc = rec.y;
        for (int u = 1; u <= n; ++u)
            for (int v = 1; v <= n; ++v) {
                const double x = xc + (u - h) * schritt, y = yc + (v - h) * schritt;
                double S1 = 0, Ws = 0, Q = 0, M = 0;
                bool ersetzt = false;
                for (int k = 1; k <= std::min(20, static_cast<int>(std::lround(H[0]))); ++k) {
                    const double tag = std::abs(HalberTagbogen(rec.decl, uhr.p.Breit));
                    double T = H[k];
                    if (std::abs(T - 12) > tag) {
                        if (ersetzt) continue;
                        ersetzt = true;
                        T = vormittag ? 12 - std::trunc(tag) : 12 + std::trunc(tag);
                    }
                    const auto r = AblesFehler(uhr, T, y, x, rec.eot, rec.decl);
                    if (r.fehlgeschlagen) continue;
                    S1 += std::abs(W[k] * r.fehler);
                    Ws += W[k];
                    Q += W[k] * (r.fehler * r.fehler);
                    M = std::max(M, std::abs(r.fehler));
                }
                const double k = Ws <= 0  ? 1000000
                                 : m == 2 ? M
                                 : m == 3 ? S1 / Ws
                                          : std::sqrt(Q / Ws);
                if (k < best) best = k, bx = x, by = y;
            }
        rec.x = bx;
        rec.y = by;
    }
}

// The expected date array of each method, from the hour lists it used.
DatumsFeld Erwartet(const Sonnenuhr& uhr, bool vormittag) {
    const StundenListe& H = vormittag ? uhr.erg.StundenVor : uhr.erg.StundenNach;
    const StundenListe& W = vormittag ? uhr.erg.GewichtVor : uhr.erg.GewichtNach;
    DatumsFeld f;
    SplitDaten(f, uhr.p.Anzahl);
    const double p = (uhr.p.Breit - uhr.p.GnomInc) * Rad, q = (uhr.p.GnomInc - uhr.p.Incl) * Rad;
    for (int r = 1; r <= 12 * uhr.p.Anzahl; ++r) {
        int monat = 0, tag = 0;
        SplitDatum(r, uhr.p.Anzahl, monat, tag);
        const int N = TagNr(uhr.p.Jahr, monat, tag);
        tSkioraPoint& rec = f[r];
        if (uhr.p.Mittelwert == 0) {
            ZweiStundenPunkt(uhr, N, rec, H[1], H[2]);
        } else if (uhr.p.Mittelwert == 1) {
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
                double th = 0;
                if (std::abs(t) >= 1e-10) {
                    const double c =
                        (std::sin(p) * std::cos(t) - std::cos(p) * TanG(rec.decl * Rad)) /
                        (std::sin(t) * std::cos(q));
                    if (std::abs(c) < 1e-10) {
                        th = Sign(t) * std::numbers::pi / 2;
                    } else {
                        th = std::atan(1 / c);
                        if (th < 0) th += std::numbers::pi;
                        if (t < 0) th = -th;
                    }
                }
                sx += std::abs(std::cos(th)) * xj, gx += std::abs(std::cos(th));
                sy += std::sin(th) * yj, gy += std::sin(th);
            }
            rec.x = sx / ((K - 1) * gx);
            rec.y = sy / ((K - 1) * gy);
            rec.usable = brauchbar;
        } else {
            const auto sonne =
                SonnenStand(uhr.p.Jahr, N, true, uhr.p.Zone, uhr.p.Zone, uhr.p.Breit, 12);
            rec.decl = sonne.dekl;
            rec.eot = sonne.eot;
            rec.x = -rec.eot * Rad * uhr.p.Halb;
            rec.y = std::sin((uhr.p.GnomWinkel - uhr.p.Breit) * Rad) * TanG(rec.decl * Rad) *
                    uhr.p.Halb / uhr.SinGI;
            rec.usable =
                !(std::abs(rec.y) > 0.95 * std::abs(uhr.Klein) && Sign(rec.y) == Sign(uhr.Klein));
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
        if (!f[r].usable) {
            EXPECT_EQ(g.Zelle(5, r), "***");
            continue;
        }
        EXPECT_EQ(g.Zelle(0, r), f[r].name);
        for (int h = von; h <= bis; ++h) {
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

void Vergleiche(const Sonnenuhr& uhr) {
    const bool eins = uhr.p.Mittelwert < 2;
    const DatumsFeld& vor = eins ? uhr.erg.SplitVor1 : uhr.erg.SplitVor2;
    const DatumsFeld& nach = eins ? uhr.erg.SplitNach1 : uhr.erg.SplitNach2;
    const DatumsFeld ev = Erwartet(uhr, true), en = Erwartet(uhr, false);
    for (int r = 1; r <= 73; ++r) {
        EXPECT_EQ(vor[r].name, ev[r].name);
        EXPECT_EQ(vor[r].usable, ev[r].usable) << r;
        EXPECT_EQ(nach[r].usable, en[r].usable) << r;
        if (!ev[r].usable) continue;
        EXPECT_EQ(vor[r].x, ev[r].x) << r;
        EXPECT_EQ(vor[r].y, ev[r].y) << r;
        EXPECT_EQ(nach[r].x, en[r].x) << r;
        EXPECT_EQ(nach[r].y, en[r].y) << r;
    }
    PruefeFehlerTabelle(uhr, uhr.tab.StrGrid8b, ev, uhr.opt.FehlVon, 12, 1);
    PruefeFehlerTabelle(uhr, uhr.tab.StrGrid8, en, 12, uhr.opt.FehlBis, 2);
    for (int r = 1; r <= 12 * uhr.p.Anzahl; ++r) {
        EXPECT_EQ(uhr.tab.StrGridDat.Zelle(0, r), ev[r].name);
        EXPECT_EQ(uhr.tab.StrGridDat.Zelle(7, r), ZahlText(8, 4, en[r].x));
        EXPECT_EQ(uhr.tab.StrGridDat.Zelle(8, r), ZahlText(8, 4, en[r].y));
    }
}

class AlleMethoden : public ::testing::TestWithParam<int> {};

TEST_P(AlleMethoden, GleichDerEinfachenRechnung) {
    const int methode = GetParam();
    for (const Uhr& u : Uhren) {
        SCOPED_TRACE(u.name);
        SplitUhr s;
        Setze(s, u);
        s.uhr.p.Mittelwert = static_cast<std::uint8_t>(methode);
        s.uhr.p.Anzahl = methode >= 2 ? 1 : 6;
        if (methode >= 2) {
            // Hours outside a winter day at high latitude test the substitute
            // hour; uneven weights test the weighting.
            s.uhr.opt.DefaultWerte = false;
            s.Eingabe(1, {"6", "6.5", "9", "11"});
            s.Eingabe(2, {"1", "2", "0.5", ""});
            s.Eingabe(3, {"13", "15.5", "18", "19"});
            s.Eingabe(4, {"", "3", "1", "1"});
        }
        // The fine grid once, on the default dial.
        s.uhr.opt.Genau = methode == 4 && &u == &Uhren[0];
        s.uhr.btGoClick(); // the driver picks the method
        ASSERT_EQ(s.uhr.Status, 0);
        Vergleiche(s.uhr);
        if (methode < 2) { // six marks a month fill 72 rows
            EXPECT_EQ(s.uhr.tab.StrGridDat.Zelle(0, 72), "26.Dez ");
            EXPECT_EQ(s.uhr.tab.StrGridDat.Zelle(7, 0), "  x-re. ");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Split, AlleMethoden, ::testing::Values(0, 1, 2, 3, 4));

} // namespace
} // namespace skiora::test
