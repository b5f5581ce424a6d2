// The figures of the picture that follow the calendar: the date scale, the
// analemma, the split analemma, the shadow path of the extra date, the gnomon
// position and the sunrise/sunset construction with caption and signature.
#include "ZeichenLauf.h"
#include "core/Figuren.h"
#include "core/Sonne.h"
#include "lang/Texte.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace skiora::draw {

int DatumsAnzahl(int anzahl, int zusatz) {
    const int n = 12 * anzahl + (anzahl == 1 || anzahl == 2 ? zusatz : 0);
    return std::clamp(n, 0, 73);
}

bool IstMonatsanfang(const std::string& name) {
    return name.rfind("01.", 0) == 0;
}

void DatumsskalaZeichnen(ZeichenLauf& l) {
    Zeichner& z = l.z;
    Leinwand& lw = l.lw();
    const auto& D = l.u.erg.DatumsPunkte;
    const double M = l.M();
    const std::int64_t cx = l.r().PlotCentreX, cy = l.cy();
    int w = l.schirm ? 15 : 45;
    lw.StiftFarbe(farben::Schwarz);
    lw.StiftBreite(1);
    const std::int64_t Y1 = Naechste(D[1].y * M);
    z.MoveTo(cx - w, cy - Y1);
    z.LineTo(cx + w, cy - Y1);
    z.LineTo(cx + w, cy + Y1);
    z.LineTo(cx - w, cy + Y1);
    z.LineTo(cx - w, cy - Y1);
    lw.StiftFarbe(farben::Gruen);
    lw.SchriftFarbe(farben::Gruen);
    const int n = DatumsAnzahl(l.u.p.Anzahl, 2);
    for (int k = 1; k <= n; ++k) {
        const tSkioraPoint& e = D[static_cast<std::size_t>(k)];
        if (e.name == "21.Jun ") {
            // From the summer solstice on the marks go to the other side, in red.
            w = -w;
            lw.StiftFarbe(farben::Rot);
            lw.SchriftFarbe(farben::Rot);
        }
        const std::int64_t y = cy - Naechste(e.y * M);
        if (IstMonatsanfang(e.name)) {
            lw.StiftBreite(2);
            const std::int64_t x =
                w > 0 ? cx - (3 * w) / 2 - z.TextWidth(e.name) : cx - (3 * w) / 2;
            z.TextOut(x, cy - Naechste(z.TextHeight("f") / 2.0 + e.y * M), e.name);
        } else {
            lw.StiftBreite(1);
        }
        z.MoveTo(cx, y);
        z.LineTo(cx - w, y);
    }
    lw.StiftFarbe(farben::Schwarz);
    lw.StiftBreite(1);
}

void AnalemmaZeichnen(ZeichenLauf& l) {
    Zeichner& z = l.z;
    Leinwand& lw = l.lw();
    const auto& D = l.u.erg.DatumsPunkte;
    const double M = l.M();
    const std::int64_t cx = l.r().PlotCentreX, cy = l.cy();
    const int n = DatumsAnzahl(l.u.p.Anzahl, 1);
    if (n < 1) return;
    lw.StiftFarbe(farben::Gruen);
    const Pos a = l.P(cx, D[1].x, D[1].y);
    z.MoveTo(a.x, a.y);
    for (int k = 2; k <= n; ++k) {
        const Pos q = l.P(cx, D[static_cast<std::size_t>(k)].x, D[static_cast<std::size_t>(k)].y);
        z.LineTo(q.x, q.y);
    }
    z.LineTo(a.x, a.y);
    lw.SchriftFarbe(farben::Rot);
    int monat = 0;
    for (int k = 1; k <= n; ++k) {
        const tSkioraPoint& e = D[static_cast<std::size_t>(k)];
        int r;
        if (IstMonatsanfang(e.name)) {
            ++monat;
            r = 3;
            lw.PinselFarbe(farben::Weiss);
            if (monat < 7) {
                const std::int64_t x = e.x > 0 ? cx + Naechste(e.x * M + r)
                                               : cx + Naechste(e.x * M - r - z.TextWidth(e.name));
                z.TextOut(x, cy - Naechste(e.y * M) + r, e.name);
            }
            lw.PinselFarbe(farben::Rot);
        } else {
            lw.PinselFarbe(farben::Weiss);
            r = 2;
        }
        if (!l.schirm) r *= 2;
        const Pos q = l.P(cx, e.x, e.y);
        z.Kreis(q.x, q.y, r);
    }
    lw.PinselFarbe(farben::Weiss);
    lw.SchriftFarbe(farben::Schwarz);
}

void DoppelanalemmaZeichnen(ZeichenLauf& l) {
    Zeichner& z = l.z;
    Leinwand& lw = l.lw();
    const auto& erg = l.u.erg;
    const bool ersteReihe = l.u.p.Mittelwert <= 1;
    l.LinkeHaelfte = true;
    for (int haelfte = 0; haelfte < 2; ++haelfte) {
        const DatumsFeld& SplitBild = haelfte == 0 ? (ersteReihe ? erg.SplitVor1 : erg.SplitVor2)
                                                   : (ersteReihe ? erg.SplitNach1 : erg.SplitNach2);
        const std::int64_t centre = haelfte == 0 ? l.LeftX : l.RightX;
        const int r = l.schirm ? 3 : 8, r2 = (2 * r) / 3;
        lw.StiftFarbe(farben::Gruen);
        lw.SchriftFarbe(farben::Gruen);
        lw.PinselFarbe(farben::Weiss);
        auto pos = [&](int k) {
            const auto& e = SplitBild[static_cast<std::size_t>(k)];
            return l.P(centre, e.x, e.y);
        };
        if (!SplitBild[2].name.empty()) {
            const Pos a = pos(1);
            z.MoveTo(a.x, a.y);
        }
        for (int k = 2; k <= 72; ++k) {
            const auto& e = SplitBild[static_cast<std::size_t>(k)];
            if (e.name.empty()) continue;
            // Parts the optimisation found unusable fade into the background.
            const bool brauchbar = e.usable && SplitBild[static_cast<std::size_t>(k - 1)].usable;
            lw.StiftFarbe(brauchbar ? farben::Gruen : farben::Bildhintergrund);
            const Pos q = pos(k);
            z.LineTo(q.x, q.y);
        }
        const Pos a = pos(1);
        z.LineTo(a.x, a.y);
        int monat = 1;
        for (int k = 1; k <= 72; ++k) {
            const auto& e = SplitBild[static_cast<std::size_t>(k)];
            if (e.name.empty()) continue;
            const Pos q = pos(k);
            if (IstMonatsanfang(e.name)) {
                if (e.usable) {
                    lw.PinselFarbe(farben::Rot);
                    lw.SchriftFarbe(farben::Gruen);
                    lw.StiftFarbe(farben::Gruen);
                } else {
                    lw.SchriftFarbe(farben::Bildhintergrund);
                    lw.StiftFarbe(farben::Bildhintergrund);
                }
                z.Kreis(q.x, q.y, r);
                lw.PinselFarbe(farben::Weiss);
                if (monat < 7) {
                    const std::int64_t x =
                        e.x > 0 ? q.x + 2 * r : q.x - 2 * r - z.TextWidth(e.name);
                    z.TextOut(x, q.y, e.name);
                }
                ++monat;
            } else {
                lw.PinselFarbe(farben::Weiss);
                z.Kreis(q.x, q.y, r2);
            }
        }
        lw.SchriftFarbe(farben::Schwarz);
        if (haelfte == 0) l.LinkeHaelfte = false;
    }
}

namespace {
bool HatSchatten(const PunktZeit& e) {
    return e.x - KeinSchatten > 0.003;
}

int SchattenAnzahl(const Sonnenuhr& u) {
    const int L = u.p.Lph < 3 ? 4 : u.p.Lph;
    return std::clamp((u.opt.StdBis - u.opt.StdVon) * L + 1, 0, 126);
}
} // namespace

void SchattenwegZeichnen(ZeichenLauf& l) {
    Zeichner& z = l.z;
    Leinwand& lw = l.lw();
    const auto& S = l.u.erg.SchattenPunkte;
    const double M = l.M();
    const std::int64_t cy = l.cy();
    const int n = SchattenAnzahl(l.u);
    if (n < 1) return;
    std::int64_t centre = l.split ? l.LeftX : l.r().PlotCentreX;
    l.LinkeHaelfte = l.split;
    const Pos a = l.P(centre, S[1].x, S[1].y);
    z.MoveTo(a.x, a.y);
    for (int k = 2; k <= n; ++k) {
        const PunktZeit& v = S[static_cast<std::size_t>(k - 1)];
        const PunktZeit& e = S[static_cast<std::size_t>(k)];
        const std::int64_t d = Naechste(e.x * M);
        const std::int64_t y = cy - Naechste(e.y * M);
        if (HatSchatten(v) && HatSchatten(e)) {
            if (l.split && l.LinkeHaelfte && d >= 0) {
                // The path crosses the north-south line: on to the afternoon half
                // at the interpolated height.
                const double y0 = e.x != v.x ? v.y + (e.y - v.y) / (e.x - v.x) * (0 - v.x) : e.y;
                const std::int64_t ys = cy - Naechste(y0 * M);
                z.LineTo(centre, ys);
                centre = l.RightX;
                z.MoveTo(centre, ys);
                z.LineTo(centre + d, y);
                l.LinkeHaelfte = false;
            } else {
                z.LineTo(centre + d, y);
            }
        } else {
            z.MoveTo(centre + d, y);
        }
    }
    const int r = l.schirm ? 2 : 6;
    lw.StiftFarbe(farben::Navy);
    lw.PinselFarbe(farben::Weiss);
    for (int k = 1; k <= n; ++k) {
        const PunktZeit& e = S[static_cast<std::size_t>(k)];
        if (!HatSchatten(e) || std::abs(Naechste(e.zeit) - e.zeit) >= 0.05) continue;
        const std::int64_t d = Naechste(e.x * M);
        const std::int64_t c = !l.split ? l.r().PlotCentreX : (d > 0 ? l.RightX : l.LeftX);
        z.Kreis(c + d, cy - Naechste(e.y * M), r);
    }
}

void GnomonUndKonstruktion(ZeichenLauf& l) {
    Zeichner& z = l.z;
    Leinwand& lw = l.lw();
    Sonnenuhr& u = l.u;
    const auto& p = u.p;
    const Rahmen& rm = l.r();
    const double M = l.M();
    const std::int64_t cx = rm.PlotCentreX, cy = l.cy();

    const double delta = ExtraDeklination(u);
    const std::int64_t Y =
        cy - Naechste(M * GnomonOrt(p.Halb, u.SinGI, p.GnomWinkel, p.Breit, delta));
    const int r = l.schirm ? 7 : 15;
    lw.StiftFarbe(farben::Schwarz);
    for (std::int64_t c :
         l.split ? std::vector<std::int64_t>{l.LeftX, l.RightX} : std::vector<std::int64_t>{cx}) {
        z.MoveTo(c, Y);
        z.LineTo(c + r, Y - r);
        z.LineTo(c - r, Y - r);
        z.LineTo(c, Y);
    }

    const std::string titel = lang::TextTabelle2(l.sprache(), 36) + u.opt.ExtraDatumName;
    const std::int64_t unten = rm.RandY + rm.BildHoehe - l.V;
    if (!l.split && u.anz.ChBRiseSetHaken) {
        // A disabled box shows neither the construction nor the caption.
        const auto kreis = AufgangsKreis(p.Halb, u.Klein, u.SinGI, p.GnomWinkel, p.Breit, delta);
        if (u.anz.ChBRiseSetAktiv && kreis) {
            const Aufgangskreis& k = *kreis;
            if (std::abs(k.R - k.R2) > 0.0001) {
                const std::string t =
                    "Radien verschieden: " + ZahlText(5, 2, k.R) + "/" + ZahlText(5, 2, k.R2);
                // A repaint of the same dial must not report it again.
                if (t != u.anz.RadienMeldung) u.Melde(t, lang::Titel::Info, Symbol::Frage);
                u.anz.RadienMeldung = t;
            } else {
                u.anz.RadienMeldung.clear();
            }
            lw.PinselStil(PinselArt::Leer);
            lw.StiftFarbe(farben::Lime);
            const std::int64_t yz = cy - Naechste(M * k.Z);
            if (std::abs(k.Z - 2 * k.R) * M < 32760) {
                z.Ellipse(cx - Naechste(M * k.R), yz, cx + Naechste(M * k.R),
                          cy - Naechste((k.Z - 2 * k.R) * M));
            } else {
                // Too large a circle: a straight line through the gnomon position.
                z.MoveTo(rm.RandX + 1, yz);
                z.LineTo(rm.RandX + rm.BildBreite - 1, yz);
            }
            lw.PinselStil(PinselArt::Voll);
            lw.StiftFarbe(farben::Konstruktion);
            const double xr = u.erg.AufUntergangX;
            if (u.erg.AufUntergangVorhanden && xr != 0) {
                const double f = 1.05 * p.Halb / xr;
                const std::int64_t dx = Naechste(xr * M * f);
                const std::int64_t y1 = cy - Naechste((k.Z - k.Z * f) * M);
                z.MoveTo(cx + dx, y1);
                z.LineTo(cx, yz);
                z.LineTo(cx - dx, y1);
            }
        }
        if (u.anz.ChBRiseSetAktiv) {
            lw.SchriftFarbe(farben::Schwarz);
            z.TextOut(rm.RandX + 2 * l.w.Strich, unten - 2 * z.TextHeight("h") - 3, titel);
        }
    } else {
        z.TextOut(rm.RandX + 2 * l.w.Strich, unten - Naechste(1.5 * z.TextHeight("h")) - 3, titel);
    }
    const std::string sig = "tavi";
    z.TextOut(rm.RandX + rm.BildBreite - z.TextWidth(sig) - 5, unten - z.TextHeight("h") - 3, sig);
}

} // namespace skiora::draw
