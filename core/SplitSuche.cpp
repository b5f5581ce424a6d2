// Methods 2 to 4: a grid search per date for the gnomon position with the
// smallest reading error, run on two threads.
#include "core/Sonne.h"
#include "core/Split.h"
#include "core/Zahlen.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <condition_variable>
#include <limits>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace skiora {

namespace {

struct SuchStunde {
    AblesStunde s;
    double w = 1;
};

// Everything of one date that the candidates share.
struct SuchDatum {
    std::array<SuchStunde, MaxSuchStunden> stunden;
    int anzahl = 0;
    double wAlle = 0; // the weight sum if every hour is evaluated
    double tn = 0;
};

SuchDatum DatumVorbereiten(const AblesGeometrie& geo, const StundenListe& H, const StundenListe& W,
                           const tSkioraPoint& rec, bool vormittag) {
    SuchDatum d;
    d.tn = TanG(rec.decl * Rad);
    const double tag = std::abs(HalberTagbogen(rec.decl, geo.breit));
    const int K = std::clamp(static_cast<int>(std::lround(H[0])), 0, MaxSuchStunden);
    bool ersetzt = false;
    for (int k = 1; k <= K; ++k) {
        double T = H[k];
        if (std::abs(T - 12) > tag) {
            // Only the first hour outside the day is moved to the last full
            // hour of daylight; the others drop out.
            if (ersetzt) continue;
            ersetzt = true;
            T = vormittag ? 12 - std::trunc(tag) : 12 + std::trunc(tag);
        }
        d.stunden[d.anzahl++] = {AblesStundeVon(geo, T), W[k]};
        d.wAlle += W[k];
    }
    return d;
}

constexpr double Unendlich = std::numeric_limits<double>::infinity();

// The criterion of one candidate, or infinity as soon as the partial sums
// show it cannot beat `grenze` (the sums only grow and the weight sum only
// shrinks, so the final criterion would not be smaller either).
double Bewerte(const AblesGeometrie& geo, const SuchDatum& d, const tSkioraPoint& rec, int methode,
               double x, double y, double grenze) {
    double S1 = 0, Wsum = 0, Q = 0, M = 0;
    for (int k = 0; k < d.anzahl; ++k) {
        const SuchStunde& st = d.stunden[k];
        double e = 0;
        if (!AblesKern(geo, st.s, d.tn, x, y, rec.eot, e)) continue;
        S1 += std::abs(st.w * e);
        Wsum += st.w;
        Q += st.w * (e * e);
        M = std::max(M, std::abs(e));
        if (methode == 2 ? M >= grenze : (methode == 3 ? S1 >= grenze : Q >= grenze))
            return Unendlich;
    }
    if (Wsum <= 0) return 1000000;
    if (methode == 2) return M;
    if (methode == 3) return S1 / Wsum;
    return std::sqrt(Q / Wsum);
}

// The bound on the partial sum from which a candidate cannot beat `best`;
// the small margin covers the rounding of the final division.
double Grenze(int methode, double best, double wAlle) {
    if (methode == 2) return best;
    if (wAlle <= 0) return Unendlich;
    const double b = methode == 3 ? best : best * best;
    return b * wAlle * (1 + 1e-9);
}

double Suche(const AblesGeometrie& geo, bool genau, int methode, const StundenListe& H,
             const StundenListe& W, tSkioraPoint& rec, bool vormittag) {
    const SuchDatum d = DatumVorbereiten(geo, H, W, rec, vormittag);
    const int n = genau ? 32 : 18;
    const int h = n / 2;
    const double s0 = 4.6 * n;
    const double schritte[3] = {geo.a / s0, geo.a / (0.965 * s0 * h), geo.a / (0.935 * s0 * h * h)};
    double best = 1000000;
    double grenze = Grenze(methode, best, d.wAlle);
    double bx = rec.x, by = rec.y;
    for (double schritt : schritte) {
        const double xc = rec.x, yc = rec.y;
        for (int u = 1; u <= n; ++u) {
            const double x = xc + (u - h) * schritt;
            for (int v = 1; v <= n; ++v) {
                const double y = yc + (v - h) * schritt;
                const double k = Bewerte(geo, d, rec, methode, x, y, grenze);
                if (k < best) {
                    best = k;
                    bx = x;
                    by = y;
                    grenze = Grenze(methode, best, d.wAlle);
                }
            }
        }
        rec.x = bx;
        rec.y = by;
    }
    return best;
}

} // namespace

double GitterSuche(const Sonnenuhr& uhr, int methode, const StundenListe& H, const StundenListe& W,
                   tSkioraPoint& rec, bool vormittag) {
    return Suche(AblesGeometrieVon(uhr), uhr.opt.Genau, methode, H, W, rec, vormittag);
}

namespace {

// Reads the hours (column `spalte`) and weights (the next column) of one
// half-day; fewer than two hours give the defaults.
void Methode234Liste(Sonnenuhr& uhr, int spalte, double unten, double oben, double ersteStd,
                     int anzahlStd, StundenListe& H, StundenListe& G, bool& zuViele) {
    const Gitter& g = uhr.tab.StrGridEin;
    H = {};
    G = {};
    int K = 0;
    for (int z = 1; z < g.Zeilen(); ++z) {
        const auto h = EingabeZahl(g, spalte, z);
        if (!h) break;
        if (K == MaxSuchStunden) {
            zuViele = true;
            break;
        }
        ++K;
        H[K] = std::clamp(*h, unten, oben);
        const auto w = EingabeZahl(g, spalte + 1, z);
        G[K] = w ? std::abs(*w) : 1;
    }
    if (K < 2 || uhr.opt.DefaultWerte) {
        H = {};
        G = {};
        K = anzahlStd;
        for (int k = 1; k <= K; ++k) {
            H[k] = ersteStd + k - 1;
            G[k] = 1;
        }
    }
    H[0] = K;
    G[0] = K;
}

} // namespace

void Sonnenuhr::Methode234() {
    const int methode = std::clamp<int>(p.Mittelwert, 2, 4);
    bool zuViele = false;
    Methode234Liste(*this, 1, 4, 12, 8, 4, erg.StundenVor, erg.GewichtVor, zuViele);
    Methode234Liste(*this, 3, 12, 21, 13, 5, erg.StundenNach, erg.GewichtNach, zuViele);
    if (zuViele) ZuVieleStunden(*this, MaxSuchStunden);

    EingabeZurueckschreiben(*this, methode < 4 ? lang::TextTabelle2(sprache.Sprache, 45) : " ",
                            methode < 4 ? GewichtZeilen::Alle : GewichtZeilen::Keine);

    const int anzahl = std::clamp<int>(p.Anzahl, 1, 6);
    SplitDaten(erg.SplitVor2, anzahl);
    SplitDaten(erg.SplitNach2, anzahl);
    const AblesGeometrie geo = AblesGeometrieVon(*this);
    const bool genau = opt.Genau;
    const double sinGB = std::sin((p.GnomWinkel - p.Breit) * Rad);

    // One work item is one month of one half-day: morning months first.
    constexpr int Posten = 24;
    auto rechne = [&](int posten) {
        const bool vormittag = posten < 12;
        DatumsFeld& feld = vormittag ? erg.SplitVor2 : erg.SplitNach2;
        const StundenListe& H = vormittag ? erg.StundenVor : erg.StundenNach;
        const StundenListe& W = vormittag ? erg.GewichtVor : erg.GewichtNach;
        const int monat = posten % 12 + 1;
        for (int r = (monat - 1) * anzahl + 1; r <= monat * anzahl; ++r) {
            int m = 0, tag = 0;
            SplitDatum(r, anzahl, m, tag);
            tSkioraPoint& rec = feld[r];
            const auto sonne =
                SonnenStand(p.Jahr, TagNr(p.Jahr, m, tag), true, p.Zone, p.Zone, p.Breit, 12);
            rec.decl = sonne.dekl;
            rec.eot = sonne.eot;
            rec.x = -rec.eot * Rad * p.Halb;
            rec.y = sinGB * TanG(rec.decl * Rad) * p.Halb / SinGI;
            rec.usable = SplitBrauchbar(rec.y, Klein);
            if (rec.usable) Suche(geo, genau, methode, H, W, rec, vormittag);
        }
    };

    std::atomic<int> naechster{0};
    std::mutex mx;
    std::condition_variable cv;
    std::array<bool, Posten> fertig{};
    auto arbeite = [&] {
        for (int i; (i = naechster.fetch_add(1)) < Posten;) {
            rechne(i);
            {
                std::lock_guard lock(mx);
                fertig[i] = true;
            }
            cv.notify_all();
        }
    };
    std::thread helfer;
    if (std::thread::hardware_concurrency() != 1) {
        try {
            helfer = std::thread(arbeite);
        } catch (const std::system_error&) {
            // No second thread to be had: this one does all the work.
        }
    }
    // Progress goes out in month order on this thread, 5 steps a month.
    int gemeldet = 0;
    auto melde = [&](bool warten) {
        while (gemeldet < Posten) {
            {
                std::unique_lock lock(mx);
                if (warten) cv.wait(lock, [&] { return fertig[gemeldet]; });
                if (!fertig[gemeldet]) return;
            }
            ++gemeldet;
            if (fortschritt) fortschritt(5 * gemeldet);
        }
    };
    try {
        for (int i; (i = naechster.fetch_add(1)) < Posten;) {
            rechne(i);
            {
                std::lock_guard lock(mx);
                fertig[i] = true;
            }
            melde(false);
        }
        melde(true);
    } catch (...) {
        naechster = Posten;
        if (helfer.joinable()) helfer.join();
        throw;
    }
    if (helfer.joinable()) helfer.join();

    SplitTabellen(*this, erg.SplitVor2, erg.SplitNach2);
}

} // namespace skiora
