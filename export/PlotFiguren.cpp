// The figures of the plot, in the order they are drawn. They mirror the
// screen drawing with the plot's scale K and character scale cs.
#include "Format.h"
#include "PlotLauf.h"
#include "core/Figuren.h"
#include "core/Sonne.h"
#include "lang/Texte.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace skiora::export_ {

namespace {

bool Monatsanfang(const std::string& name) {
    return name.rfind("01.", 0) == 0;
}
bool HatSchatten(const PunktZeit& e) {
    return e.x - KeinSchatten > 0.003;
}
int Begrenzt(long long n, int max) {
    return static_cast<int>(std::clamp<long long>(n, 0, max));
}

void Kreis(PlotLauf& l, long long x, long long y, long long r) {
    l.aus.PlotCircle(x - r, y - r, x + r, y + r);
}

} // namespace

void Achsen(PlotLauf& l, bool links, long long cx) {
    PlotAusgabe& a = l.aus;
    const long long L = l.sz(96), cy = l.cy();
    const bool zeigLinks = links || !l.split(), zeigRechts = !links || !l.split();
    l.Strich = L;
    if (l.skaliert()) {
        const long long ax = Naechste(1.08 * l.p.Halb * l.K);
        if (!l.split()) {
            a.PlotMove(cx - ax, cy), a.PlotLine(cx + ax, cy);
        } else if (links) {
            a.PlotMove(cx - ax, cy), a.PlotLine(cx + 3 * L, cy);
            a.PlotMove(cx + 6 * L, cy), a.PlotLine(cx + ax + 6 * L, cy);
        }
        const long long ay = Naechste(1.08 * l.Klein * l.K);
        a.PlotMove(cx, cy - ay), a.PlotLine(cx, cy + ay);
        a.PlotRaw(";SI " + Fest(5, 2, 0.16 * l.cs) + Fest(5, 2, 0.24 * l.cs));
    } else {
        if (!l.split()) {
            a.PlotMove(60, cy), a.PlotLine(l.W - 60, cy);
        } else if (links) {
            a.PlotMove(60, cy), a.PlotLine(cx + Naechste(3.0 * L * l.zoom), cy);
            a.PlotMove(cx + Naechste(6.0 * L * l.zoom), cy), a.PlotLine(l.W - 60, cy);
        }
        a.PlotMove(cx, l.H - 60), a.PlotLine(cx, 60);
        a.PlotRaw(";SI 0.16 0.24");
    }
    const int d = l.p.Halb <= 10 ? 1 : 0;
    const long long halbeSchrift = l.sz(48);
    const int k = l.p.Arten == 0 ? 16 : 10;
    // Bounded: an absurd zoom must not flood the file with ticks.
    for (int i = 0; i < 5000; ++i) {
        const double v = i * l.Schritt;
        bool xOk, obenOk, untenOk;
        const long long dd = Naechste(v * l.K);
        if (l.skaliert()) {
            xOk = v <= 1.1 * l.p.Halb;
            obenOk = untenOk = v <= 1.1 * std::fabs(l.Klein);
            if (!xOk && !obenOk) break;
        } else {
            if (!(v * l.K < 3.0 * static_cast<double>(l.W / 2))) break;
            xOk = true;
            obenOk = cy + dd > 15 && cy + dd < l.H - 15;
            untenOk = cy - dd > 15 && cy - dd < l.H - 15;
        }
        const bool gross = i % l.Teilung == 0;
        l.Strich = gross ? l.sz(80) : l.sz(40);
        const long long s = l.Strich;
        if (xOk) {
            if (gross && i > 0) {
                const std::string t = Fest(d + 2, d, v);
                if (zeigLinks) l.Label(cx - dd - l.sz(128), cy + 3 * s, t);
                if (zeigRechts) l.Label(cx + dd - l.sz(128), cy + 3 * s, t);
            }
            if (zeigLinks) a.PlotMove(cx - dd, cy), a.PlotLine(cx - dd, cy + s);
            if (zeigRechts) a.PlotMove(cx + dd, cy), a.PlotLine(cx + dd, cy + s);
        }
        const bool beschriften = zeigLinks && gross && i > 0;
        const std::string t = Fest(d + 2, 1, v);
        const long long weit = cx + (3 * s) / 2;
        if (obenOk) {
            const long long y = cy + dd;
            if (beschriften)
                l.Label(v > l.ymax ? weit : cx + Naechste(k / 4.0 * Rad * l.p.Halb * l.K),
                        y - halbeSchrift, t);
            a.PlotMove(cx, y), a.PlotLine(cx + s, y);
        }
        if (untenOk) {
            const long long y = cy - dd;
            a.PlotMove(cx, y), a.PlotLine(cx + s, y);
            if (beschriften)
                l.Label(v > l.ymax ? weit : cx + Naechste(4 * Rad * l.p.Halb * l.K),
                        y - halbeSchrift, t);
        }
    }
    const long long s = l.Strich;
    const std::string ost = lang::TextTabelle2(l.sprache(), 29);
    if (l.skaliert()) {
        const long long w = Naechste(1.2 * l.p.Halb * l.K);
        l.Label(cx - w, cy - s, "W");
        l.Label(cx + w, cy - s, ost);
        l.Label(cx - 3 * s, cy + Naechste(1.1 * l.Klein * l.K), "N");
    } else {
        l.Label(s, cy - s, "W");
        l.Label(l.W - 3 * s, cy - s, ost);
        l.Label(cx - 3 * s, l.H - s, "N");
    }
}

void AufUntergangsPunkte(PlotLauf& l) {
    const double d = l.uhr.erg.AufUntergangX;
    const long long cy = l.cy(), r = l.sz(28), tief = l.sz(120);
    for (int i = 0; i <= 1; ++i) {
        const double x = (2 * i - 1) * d;
        const long long X = l.X(l.CentreX, x);
        l.aus.PlotRaw(";SP 2");
        Kreis(l, X, cy, r);
        l.aus.PlotMove(X, cy), l.aus.PlotLine(X, cy - tief), l.aus.PlotLine(X + r, cy - tief);
        l.Label(X + r, cy - tief - l.sz(32),
                lang::TextTabelle1(l.sprache(), 27 + i) + " (" + Fest(7, 3, x) + "/0)");
        l.aus.PlotRaw(";SP 1");
    }
}

namespace {

void Datumsskala(PlotLauf& l) {
    const auto& D = l.uhr.erg.DatumsPunkte;
    const int anzahl = l.p.Anzahl;
    const int n = Begrenzt(anzahl < 3 ? 12 * anzahl + 2 : 12 * anzahl, 73);
    const long long cx = l.CentreX, cy = l.cy();
    long long t = 180;
    l.aus.PlotRaw(";SP 2");
    const long long y1 = Naechste(l.K * D[1].y);
    l.aus.PlotMove(cx - t, cy + y1), l.aus.PlotLine(cx + t, cy + y1);
    l.aus.PlotLine(cx + t, cy - y1), l.aus.PlotLine(cx - t, cy - y1);
    l.aus.PlotLine(cx - t, cy + y1);
    for (int k = 1; k <= n; ++k) {
        if (D[k].name == "21.Jun ") t = -t;
        const long long y = l.Y(D[k].y);
        l.aus.PlotMove(cx, y), l.aus.PlotLine(cx - t, y);
        if (Monatsanfang(D[k].name))
            l.Label(t < 0 ? cx - 3 * t / 2 : cx - 3 * t / 2 - l.sz(576), y + l.sz(48), D[k].name);
    }
}

void Analemma(PlotLauf& l) {
    const auto& D = l.uhr.erg.DatumsPunkte;
    const int anzahl = l.p.Anzahl;
    const int n = Begrenzt(anzahl <= 2 ? 12 * anzahl + 1 : 12 * anzahl, 73);
    const long long cx = l.CentreX;
    const double halb = l.p.Halb, klein = l.Klein;
    const double faktor = std::sin((l.p.GnomWinkel - l.p.Breit) * Rad) / l.SinGI;
    l.aus.PlotRaw(";SP 7");
    for (int k = 1; k <= n; ++k) {
        const double Z = halb * std::tan(D[k].decl * Rad) * faktor;
        const double xs = halb * std::sin(-D[k].eot * Rad), ys = klein * std::cos(-D[k].eot * Rad);
        const double nenner = ys - Z;
        const double x = nenner != 0 ? (klein - Z) * xs / nenner : 0;
        if (k == 1)
            l.aus.PlotMove(l.X(cx, x), l.Y(Z));
        else
            l.aus.PlotLine(l.X(cx, x), l.Y(Z));
    }
    if (n >= 1) {
        const double Z = halb * std::tan(D[1].decl * Rad) * faktor;
        const double xs = halb * std::sin(-D[1].eot * Rad), ys = klein * std::cos(-D[1].eot * Rad);
        const double x = ys - Z != 0 ? (klein - Z) * xs / (ys - Z) : 0;
        l.aus.PlotLine(l.X(cx, x), l.Y(Z));
    }
    int monate = 0;
    for (int k = 1; k <= n; ++k) {
        const bool anfang = Monatsanfang(D[k].name);
        const long long r = l.sz(anfang ? 30 : 15);
        const long long X = l.X(cx, D[k].x), Y = l.Y(D[k].y);
        Kreis(l, X, Y, r);
        if (anfang && ++monate <= 6) {
            const std::string text = (l.skaliert() ? " " : "") + D[k].name.substr(1, 10);
            l.Label(D[k].x >= 0 ? X + r : X - r - l.sz(576), Y + r, text);
        }
    }
}

void Doppelanalemma(PlotLauf& l) {
    const auto& e = l.uhr.erg;
    l.aus.PlotRaw(";SP 7");
    for (int haelfte = 0; haelfte <= 1; ++haelfte) {
        const bool eins = l.p.Mittelwert <= 1;
        const DatumsFeld& F = haelfte == 0 ? (eins ? e.SplitVor1 : e.SplitVor2)
                                           : (eins ? e.SplitNach1 : e.SplitNach2);
        const long long c = haelfte == 0 ? l.LeftX : l.RightX;
        l.LinkeHaelfte = haelfte == 0;
        if (!F[2].name.empty()) l.aus.PlotMove(l.X(c, F[1].x), l.Y(F[1].y));
        for (int k = 2; k <= 72; ++k) {
            if (F[k].name.empty()) continue;
            l.aus.PlotRaw(F[k].usable && F[k - 1].usable ? ";SP 7" : ";SP 8");
            l.aus.PlotLine(l.X(c, F[k].x), l.Y(F[k].y));
        }
        l.aus.PlotLine(l.X(c, F[1].x), l.Y(F[1].y));
        const long long R = l.sz(45);
        int monate = 0;
        for (int k = 1; k <= 72; ++k) {
            if (F[k].name.empty()) continue;
            const bool anfang = Monatsanfang(F[k].name);
            const long long r = anfang ? R : R / 2;
            const long long X = l.X(c, F[k].x), Y = l.Y(F[k].y);
            Kreis(l, X, Y, r);
            if (anfang && ++monate <= 6)
                l.Label(F[k].x >= 0 ? X + 2 * R : X - 2 * R - l.sz(576), Y,
                        F[k].name.substr(1, 10));
        }
    }
    l.LinkeHaelfte = false;
}

} // namespace

void Datumsmarken(PlotLauf& l) {
    switch (l.p.Arten) {
    case 0:
        Datumsskala(l);
        break;
    case 2:
        Doppelanalemma(l);
        break;
    default:
        Analemma(l);
        break;
    }
}

void Stundenellipse(PlotLauf& l) {
    const int z = l.p.Zonenzeit ? 1 : 0;
    long long c = l.split() ? l.LeftX : l.CentreX;
    l.LinkeHaelfte = l.split();
    bool erster = true;
    const int bis = (l.uhr.opt.StdBis - 12) * 15;
    for (int t = (l.uhr.opt.StdVon - 12) * 15; t <= bis; ++t) {
        double theta = (l.p.Zone - l.p.Lang) * z + t;
        if (l.LinkeHaelfte && theta > 3) {
            c = l.RightX;
            l.LinkeHaelfte = false;
            t -= 6;
            theta = (l.p.Zone - l.p.Lang) * z + t;
            erster = true;
        }
        const long long X = l.X(c, l.p.Halb * std::sin(theta * Rad));
        const long long Y = l.Y(l.Klein * std::cos(theta * Rad));
        if (erster)
            l.aus.PlotMove(X, Y);
        else
            l.aus.PlotLine(X, Y);
        erster = false;
    }
}

void Stundenpunkte(PlotLauf& l) {
    const auto& S = l.uhr.erg.StundenPunkte;
    const int lph = l.p.Lph;
    const int n = Begrenzt((l.uhr.opt.StdBis - l.uhr.opt.StdVon) * lph + 1, 126);
    long long c = l.split() ? l.LeftX : l.CentreX;
    l.LinkeHaelfte = l.split();
    const double grenze20 = l.p.Halb * l.K / 20, grenze30 = l.p.Halb * l.K / 30;
    for (int k = 1; k <= n; ++k) {
        const PunktZeit& e = S[k];
        const long long r = l.sz(lph == 1 || (lph > 0 && k % lph == 1) ? 35 : 20);
        const long long X = l.X(c, e.x), Y = l.Y(e.y);
        if (!(l.LinkeHaelfte && X >= c + grenze20)) {
            Kreis(l, X, Y, r);
            for (int h = 4; h <= 20; h += 2) {
                if (std::fabs(e.zeit - h) >= 0.05) continue;
                const double rho = std::hypot(e.x, e.y);
                const double weg = 200 * l.cs;
                const long long dx = rho > 0 ? Naechste(e.x / rho * weg) : 0;
                const long long dy = rho > 0 ? Naechste(e.y / rho * weg) : 0;
                l.Label(X + dx, Y + dy - (e.y > 0 ? l.sz(96) : 0), std::to_string(h));
                break;
            }
        }
        if (l.LinkeHaelfte && X > c + grenze30) {
            Kreis(l, X + (l.RightX - l.LeftX), Y, r);
            c = l.RightX;
            l.LinkeHaelfte = false;
            k = std::max(k - 2, 0); // the loop resumes one entry earlier
        }
    }
}

void Schattenweg(PlotLauf& l) {
    const auto& S = l.uhr.erg.SchattenPunkte;
    const int sp = l.uhr.opt.StdBis - l.uhr.opt.StdVon;
    const int n = Begrenzt(l.p.Lph < 3 ? sp * 4 + 1 : sp * l.p.Lph + 1, 126);
    long long c = l.split() ? l.LeftX : l.CentreX;
    l.LinkeHaelfte = l.split();
    auto gilt = [&](const PunktZeit& e) {
        if (!HatSchatten(e)) return false;
        if (l.skaliert()) return std::fabs(e.x) < 1.6 * l.p.Halb;
        return std::llabs(l.X(c, e.x) - 8500) < 11000;
    };
    if (n >= 1) l.aus.PlotMove(l.X(c, S[1].x), l.Y(S[1].y));
    for (int k = 2; k <= n; ++k) {
        const PunktZeit &a = S[k - 1], &b = S[k];
        if (!(gilt(a) && gilt(b))) {
            l.aus.PlotMove(l.X(c, b.x), l.Y(b.y));
        } else if (l.LinkeHaelfte && b.x >= 0) {
            const double y0 = b.x != a.x ? a.y + (b.y - a.y) / (b.x - a.x) * (0 - a.x) : b.y;
            l.aus.PlotLine(c, l.Y(y0));
            c = l.RightX;
            l.LinkeHaelfte = false;
            l.aus.PlotMove(c, l.Y(y0));
            l.aus.PlotLine(l.X(c, b.x), l.Y(b.y));
        } else {
            l.aus.PlotLine(l.X(c, b.x), l.Y(b.y));
        }
    }
    l.LinkeHaelfte = false;
    const long long r = l.sz(16);
    for (int k = 1; k <= n; ++k) {
        const PunktZeit& e = S[k];
        if (!HatSchatten(e) || std::fabs(Naechste(e.zeit) - e.zeit) >= 0.05) continue;
        const long long mitte = !l.split() ? l.CentreX : (e.x > 0 ? l.RightX : l.LeftX);
        Kreis(l, l.X(mitte, e.x), l.Y(e.y), r);
    }
}

double GnomonOrt(const PlotLauf& l) {
    return ::skiora::GnomonOrt(l.p.Halb, l.SinGI, l.p.GnomWinkel, l.p.Breit,
                               ExtraDeklination(l.uhr));
}

void Gnomon(PlotLauf& l) {
    const long long Y = l.Y(GnomonOrt(l)), m = l.sz(120);
    std::vector<long long> mitten{l.CentreX};
    if (l.split()) mitten = {l.LeftX, l.RightX};
    for (long long c : mitten) {
        l.aus.PlotMove(c, Y), l.aus.PlotLine(c + m, Y + m);
        l.aus.PlotLine(c - m, Y + m), l.aus.PlotLine(c, Y);
    }
}

void AufgangsKonstruktion(PlotLauf& l) {
    const double halb = l.p.Halb;
    const auto kreis =
        AufgangsKreis(halb, l.Klein, l.SinGI, l.p.GnomWinkel, l.p.Breit, ExtraDeklination(l.uhr));
    if (kreis && std::fabs(kreis->R - kreis->R2) > 0.0001)
        l.uhr.Melde("Radien verschieden: " + Fest(5, 2, kreis->R) + "/" + Fest(5, 2, kreis->R2),
                    lang::Titel::Info, Symbol::Frage);
    l.aus.PlotRaw(";SP 4");
    const long long cx = l.CentreX;
    if (kreis) {
        const double Z = kreis->Z, R = kreis->R;
        if (std::fabs(Z - 2 * R) * l.K < 32760) {
            const long long r = Naechste(l.K * R);
            l.aus.PlotCircle(cx - r, l.Y(Z), cx + r, l.Y(Z - 2 * R));
        } else {
            l.aus.PlotMove(40, l.Y(Z)), l.aus.PlotLine(l.H, l.Y(Z));
        }
        const double d = l.uhr.erg.AufUntergangX;
        if (d != 0) {
            const double f = 1.05 * halb / d;
            l.aus.PlotMove(l.X(cx, f * d), l.Y(Z - f * Z));
            l.aus.PlotLine(cx, l.Y(Z));
            l.aus.PlotLine(l.X(cx, -f * d), l.Y(Z - f * Z));
        }
    }
    if (l.skaliert())
        l.Label(l.X(cx, -halb), l.Y(l.ymax) - l.sz(192),
                lang::TextTabelle2(l.sprache(), 36) + " " + l.uhr.opt.ExtraDatumName);
    l.aus.PlotRaw(";SP 1");
}

void Legende(PlotLauf& l) {
    const auto& p = l.p;
    auto titel = [&](int id) { return lang::LadeTextOhneKuerzel(l.uhr.sprache, id) + " = "; };
    l.Label(190, 140, lang::TextTabelle2(l.sprache(), 36) + l.uhr.opt.ExtraDatumName);
    l.Label(l.W - 800, 100, "tavi");
    l.Label(190, 400, titel(103) + Fest(6, 2, p.Breit) + ";");
    l.Label(3900, 400, titel(104) + Fest(6, 2, p.Lang) + ";");
    l.Label(9100, 400, titel(105) + Fest(6, 2, p.Zone) + ";");
    l.Label(12600, 400, titel(116) + std::to_string(p.Jahr));
    l.Label(190, 600, titel(106) + Fest(5, 2, p.Halb) + ";");
    l.Label(3900, 600, titel(107) + Fest(5, 2, p.Incl) + ";");
    l.Label(9100, 600, titel(109) + Fest(5, 2, p.Hoehe) + ";");
    l.Label(12600, 600, titel(108) + Fest(6, 2, p.GnomInc));
}

} // namespace skiora::export_
