// Method 1: the weighted mean of the exact two-hour positions over all pairs
// of a list of hours.
#include "core/Sonne.h"
#include "core/Split.h"
#include "core/Zahlen.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace skiora {

namespace {

// Reads one half-day (hours in `spalte`, intervals in `spalte` + 1) and
// decides between the defaults, the typed list and the expansion of two bounds.
void Methode1Liste(Sonnenuhr& uhr, int spalte, double unten, double oben, double ersteStd,
                   StundenListe& H, StundenListe& G, bool& zuViele) {
    const Gitter& g = uhr.tab.StrGridEin;
    std::vector<double> stunden;
    for (int z = 1; z < g.Zeilen(); ++z) {
        const auto h = EingabeZahl(g, spalte, z);
        if (!h) break;
        if (static_cast<int>(stunden.size()) == MaxStunden) {
            zuViele = true;
            break;
        }
        stunden.push_back(std::clamp(*h, unten, oben));
        if (const auto d = EingabeZahl(g, spalte + 1, z); d && z <= MaxStunden) G[z] = std::abs(*d);
    }
    // The interval is row 2's: with fewer than two hours there is none.
    double diff = stunden.size() >= 2 ? G[2] : 0;
    auto standard = [&] {
        stunden.clear();
        for (int k = 0; k < 5; ++k)
            stunden.push_back(ersteStd + k);
        diff = 1;
    };
    if (uhr.opt.DefaultWerte || (stunden.size() < 3 && diff == 0)) {
        standard();
    } else if (stunden.size() == 2) {
        double b1 = stunden[0], b2 = stunden[1];
        if (b1 > b2) Tausche(b1, b2);
        stunden.clear();
        // The tolerance keeps the last bound that repeated addition of a
        // decimal interval misses by a rounding.
        for (double h = b1; h <= b2 + 1e-9; h += diff) {
            if (static_cast<int>(stunden.size()) == MaxStunden) {
                zuViele = true;
                break;
            }
            stunden.push_back(h);
        }
        // An interval wider than the bounds leaves one hour, which the next
        // calculation (or a saved file) reads as too little input.
        if (stunden.size() < 2) standard();
    }
    H = {};
    G = {};
    H[0] = static_cast<double>(stunden.size());
    for (std::size_t k = 0; k < stunden.size(); ++k)
        H[k + 1] = stunden[k];
    G[2] = diff;
}

double Schattenrichtung(double H, double E, double sinP, double cosP, double cosQ, double tn) {
    const double t = (15 * (H - 12) + E) * Rad;
    if (std::abs(t) < 1e-10) return 0;
    const double c = (sinP * std::cos(t) - cosP * tn) / (std::sin(t) * cosQ);
    if (std::abs(c) < 1e-10) return Sign(t) * std::numbers::pi / 2;
    double theta = std::atan(1 / c);
    if (theta < 0) theta += std::numbers::pi;
    return t < 0 ? -theta : theta;
}

void Methode1Datum(const Sonnenuhr& uhr, tSkioraPoint& rec, const StundenListe& H) {
    const int K = static_cast<int>(H[0]);
    const double sinP = std::sin((uhr.p.Breit - uhr.p.GnomInc) * Rad);
    const double cosP = std::cos((uhr.p.Breit - uhr.p.GnomInc) * Rad);
    double cosQ = std::cos((uhr.p.GnomInc - uhr.p.Incl) * Rad);
    if (std::abs(cosQ) < 1e-9) cosQ = (Sign(cosQ) + 0.5) * 1e-9;
    const double tn = TanG(rec.decl * Rad);
    double sx = 0, sy = 0, gx = 0, gy = 0, px = 0, py = 0;
    bool brauchbar = true;
    for (int j = 1; j <= K; ++j) {
        double xj = 0, yj = 0;
        for (int k = 1; k <= K; ++k) {
            if (k == j) continue;
            tSkioraPoint paar = rec;
            ZweiStundenPunktAus(uhr, paar, H[j], H[k]);
            xj += paar.x;
            yj += paar.y;
            brauchbar = paar.usable;
        }
        const double theta = Schattenrichtung(H[j], rec.eot, sinP, cosP, cosQ, tn);
        const double wx = std::abs(std::cos(theta)), wy = std::sin(theta);
        sx += wx * xj;
        sy += wy * yj;
        gx += wx;
        gy += wy;
        px += xj;
        py += yj;
    }
    // A weight sum of zero would divide by zero: the plain mean stands in.
    rec.x = gx != 0 ? sx / ((K - 1) * gx) : px / (K * (K - 1.0));
    rec.y = gy != 0 ? sy / ((K - 1) * gy) : py / (K * (K - 1.0));
    rec.usable = brauchbar;
}

} // namespace

void Sonnenuhr::Methode1() {
    bool zuViele = false;
    Methode1Liste(*this, 1, 4, 12, 7, erg.StundenVor, erg.GewichtVor, zuViele);
    Methode1Liste(*this, 3, 12, 20, 13, erg.StundenNach, erg.GewichtNach, zuViele);
    if (zuViele) ZuVieleStunden(*this, MaxStunden);

    EingabeZurueckschreiben(*this, lang::TextTabelle2(sprache.Sprache, 44), GewichtZeilen::Zweite);
    const auto& g = tab.StrGridEin;
    const bool gleich = g.Zelle(1, 1) == g.Zelle(1, 2) || g.Zelle(3, 1) == g.Zelle(3, 2);
    if (gleich || erg.StundenVor[0] < 2 || erg.StundenNach[0] < 2) {
        Melde("Tabelle fehlerhaft", lang::Titel::Fehler, Symbol::Fehler);
        SplitVerwerfen(*this);
        return;
    }

    const int anzahl = std::clamp<int>(p.Anzahl, 1, 6);
    SplitDaten(erg.SplitVor1, anzahl);
    SplitDaten(erg.SplitNach1, anzahl);
    for (int r = 1; r <= 12 * anzahl; ++r) {
        int monat = 0, tag = 0;
        SplitDatum(r, anzahl, monat, tag);
        const auto sonne =
            SonnenStand(p.Jahr, TagNr(p.Jahr, monat, tag), true, p.Zone, p.Zone, p.Breit, 12);
        for (DatumsFeld* feld : {&erg.SplitVor1, &erg.SplitNach1}) {
            (*feld)[r].decl = sonne.dekl;
            (*feld)[r].eot = sonne.eot;
        }
        Methode1Datum(*this, erg.SplitVor1[r], erg.StundenVor);
        Methode1Datum(*this, erg.SplitNach1[r], erg.StundenNach);
    }
    SplitTabellen(*this, erg.SplitVor1, erg.SplitNach1);
}

} // namespace skiora
