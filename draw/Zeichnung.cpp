// The frame of the dial picture: scale, refusal, warning, axes, rise/set
// marks, hour ellipse and hour points. The calendar figures are in
// Datumsmarken.cpp, the error chart in FehlerGrafik.cpp.
#include "Zeichnung.h"

#include "FehlerGrafik.h"
#include "ZeichenLauf.h"
#include "core/Figuren.h"
#include "lang/Texte.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace skiora::draw {

Pos Abbilden(std::int64_t centreX, std::int64_t centreY, double massstab, double x, double y) {
    return {centreX + Naechste(x * massstab), centreY - Naechste(y * massstab)};
}

int SchmaleBreite(int breite, int hoehe) {
    return breite > 1.65 * hoehe ? Naechste(1.65 * hoehe) : breite;
}

double SinGIGeklemmt(double GnomWinkel, double Incl) {
    double s = std::sin((GnomWinkel - Incl) * Rad);
    if (std::abs(s) < 1e-7) s = (Sign(s) + 0.5) * 1e-7;
    return s;
}

MassstabWerte MassstabBerechnen(double Halb, double GnomWinkel, double Breit, double SinGI,
                                double Klein, int HalbBreite, int HalbHoehe) {
    MassstabWerte m;
    // Halb is checked positive by its field; the guards keep a bad value from looping.
    if (Halb > 0 && std::isfinite(Halb)) {
        while (m.Norm * Halb < 1)
            m.Norm *= 10;
        while (m.Norm * Halb > 10)
            m.Norm /= 10;
    }
    const double v = m.Norm * Halb;
    double c;
    if (v < 3.2) {
        m.Schritt = 0.1;
        c = 3.3;
    } else if (v < 6.2) {
        m.Schritt = 0.2;
        c = 6.4;
    } else {
        m.Schritt = 0.25;
        c = 9.9;
        m.Teilung = 4;
    }
    m.Massstab = HalbBreite / c;
    m.DatumMax = TanG(23.445 * Rad) * Halb * std::sin((GnomWinkel - Breit) * Rad) / SinGI;
    const double Y = (m.DatumMax >= Klein ? m.DatumMax : Klein) * m.Norm;
    if (std::abs(0.96 * HalbHoehe / Y) < m.Massstab) {
        if (20.0 * HalbHoehe > std::abs(Y))
            m.Massstab = 0.96 * HalbHoehe / Y;
        else
            m.Massstab = 0.05;
    }
    m.Massstab *= m.Norm;
    m.Schritt /= m.Norm;
    return m;
}

namespace {

void Verweigern(Sonnenuhr& uhr, Leinwand* bild, int breite, int hoehe) {
    if (uhr.p.Arten == 2) {
        GitterLeeren(uhr.tab.StrGrid8);
        GitterLeeren(uhr.tab.StrGrid8b);
    }
    if (!bild) return;
    Zeichner z(*bild);
    bild->SchriftName("Arial");
    bild->SchriftHoehe(18);
    bild->SchriftFett(false);
    bild->SchriftFarbe(farben::Rot);
    bild->StiftFarbe(farben::Schwarz);
    bild->StiftBreite(1);
    bild->StiftStil(StiftArt::Voll);
    bild->PinselFarbe(farben::Weiss);
    bild->PinselStil(PinselArt::Voll);
    z.Rectangle(1, 1, breite - 2, hoehe - 2);
    const std::string t = lang::TextTabelle2(uhr.sprache.Sprache, 30);
    z.TextOut(breite / 2 - z.TextWidth(t) / 2, hoehe / 2, t);
}

void AchsenZeichnen(ZeichenLauf& l, bool links, std::int64_t cx, std::int64_t cy) {
    Zeichner& z = l.z;
    Leinwand& lw = l.lw();
    const Rahmen& r = l.r();
    const int L = l.schirm ? 8 : 24;
    const double zoom = l.u.ansicht.Zoom;
    const double M = l.M(), Schritt = l.w.m.Schritt;
    l.w.Strich = L;
    // The frame of the picture: on paper it is offset on the page.
    const std::int64_t x0 = r.RandX, x1 = r.RandX + r.BildBreite;
    const std::int64_t y0 = r.RandY, y1 = r.RandY + r.BildHoehe;
    if (!l.split) {
        z.MoveTo(x0 + 5, cy);
        z.LineTo(x1 - 5, cy);
    } else if (links) {
        z.MoveTo(x0 + 5, cy);
        z.LineTo(cx + Naechste(3 * L * zoom), cy);
        z.MoveTo(cx + Naechste(6 * L * zoom), cy);
        z.LineTo(x1 - 5, cy);
    }
    z.MoveTo(cx, y0 + 5);
    z.LineTo(cx, y1 - 5);
    // On paper a number stands only beside a tick inside the frame.
    const auto sichtbar = [&](std::int64_t x) { return l.schirm || (x >= x0 && x <= x1); };

    lw.SchriftHoehe(l.schirm ? 12 : 25);
    const int w = z.TextWidth("1.");
    const int h = l.schirm ? 6 : 12;
    const bool links_ = links || !l.split;  // the left side carries ticks and numbers
    const bool rechts = !links || !l.split; // the right side carries them
    const int k = l.u.p.Arten == 0 ? 16 : 10;
    // Ticks closer than a pixel say nothing; the bound also ends the loop for
    // a mirrored (negative) scale.
    const double abstand = std::abs(Schritt * M);
    for (int i = 0; i * abstand < 3.0 * r.HalbBreite && i <= 20000; ++i) {
        const double weg = i * Schritt * M;
        const std::int64_t d = Naechste(weg);
        const std::string t = ZahlText(5, 2, i * Schritt);
        const bool gross = i % l.w.m.Teilung == 0;
        int Strich = gross ? 8 : 4;
        if (!l.schirm) Strich *= 3;
        l.w.Strich = Strich;
        if (gross && i > 0) {
            if (links_ && sichtbar(cx - d)) z.TextOut(cx - w - d, cy - 3 * Strich, t);
            if (rechts && sichtbar(cx + d)) z.TextOut(cx - w + d, cy - 3 * Strich, t);
        }
        if (links_) {
            z.MoveTo(cx - d, cy);
            z.LineTo(cx - d, cy - Strich);
        }
        if (rechts) {
            z.MoveTo(cx + d, cy);
            z.LineTo(cx + d, cy - Strich);
        }
        const bool ueberMax = i * Schritt > l.w.m.DatumMax;
        const double oben = cy - h - weg;
        if (y0 + 5 < oben && oben < y1 - 5) {
            if (links_ && gross && i > 0) {
                const std::int64_t x = ueberMax ? cx + (3 * Strich) / 2
                                                : cx + Naechste(k / 4.0 * Rad * l.u.p.Halb * M);
                z.TextOut(x, cy - h - d, t);
            }
            z.MoveTo(cx, cy - d);
            z.LineTo(cx + Strich, cy - d);
        }
        const double unten = cy - h + weg;
        if (y0 + 5 < unten && unten < y1 - 5) {
            z.MoveTo(cx, cy + d);
            z.LineTo(cx + Strich, cy + d);
            if (links_ && gross && i > 0) {
                const std::int64_t x =
                    ueberMax ? cx + (3 * Strich) / 2 : cx + Naechste(4 * Rad * l.u.p.Halb * M);
                z.TextOut(x, cy - h + d, t);
            }
        }
    }
    const int S = l.w.Strich;
    lw.SchriftFarbe(farben::Rot);
    z.TextOut(x0 + S, cy + S, "W");
    z.TextOut(x1 - 3 * S, cy + S, lang::TextTabelle2(l.sprache(), 29));
    z.TextOut(cx - 3 * S, y0 + S, "N");
    lw.SchriftFarbe(farben::Schwarz);
}

void AufUntergangsMarken(ZeichenLauf& l) {
    const auto& p = l.u.p;
    if (l.split || !(std::abs(p.Incl) < 0.2 || std::abs(p.GnomInc) < 0.2)) return;
    // Without a sunrise (polar day or night at RiseSet) there is no mark to show.
    if (!l.u.erg.AufUntergangVorhanden) return;
    Zeichner& z = l.z;
    Leinwand& lw = l.lw();
    const int r = l.schirm ? 3 : 7, L = l.schirm ? 10 : 30;
    const double xr = l.u.erg.AufUntergangX;
    const std::int64_t g = Naechste(xr * l.M()), cx = l.r().PlotCentreX, cy = l.cy();
    for (int i = 0; i <= 1; ++i) {
        const std::int64_t X = i == 0 ? cx - g : cx + g;
        lw.PinselFarbe(farben::Rot);
        lw.StiftFarbe(farben::Navy);
        lw.SchriftFarbe(farben::Navy);
        z.Kreis(X, cy, r);
        z.MoveTo(X, cy);
        z.LineTo(X, cy + L);
        z.LineTo(X + r, cy + L);
        lw.PinselFarbe(farben::Weiss);
        const int th = z.TextHeight("h");
        z.TextOut(X + r, cy + L - th / 2, ZahlText(7, 3, (2 * i - 1) * xr) + " / 0");
        const std::string name = lang::TextTabelle1(l.sprache(), i == 0 ? 27 : 28);
        z.TextOut(X + r - z.TextWidth(name) / 3, cy + L + th / 2, name);
    }
}

void StundenEllipse(ZeichenLauf& l) {
    const auto& p = l.u.p;
    const auto& o = l.u.opt;
    const double z = p.Zonenzeit ? 1 : 0;
    std::int64_t centre = l.split ? l.LeftX : l.r().PlotCentreX;
    l.LinkeHaelfte = l.split;
    bool erster = true;
    for (int t = (o.StdVon - 12) * 15; t <= (o.StdBis - 12) * 15; ++t) {
        const double theta = ((p.Zone - p.Lang) * z + t) * Rad;
        if (l.split && l.LinkeHaelfte && theta > 3 * Rad) {
            // The afternoon half starts a little before noon, so the halves overlap.
            centre = l.RightX;
            l.LinkeHaelfte = false;
            t -= 6;
            erster = true;
            --t;
            continue;
        }
        const Pos q = l.P(centre, p.Halb * std::sin(theta), l.u.Klein * std::cos(theta));
        if (erster)
            l.z.MoveTo(q.x, q.y);
        else
            l.z.LineTo(q.x, q.y);
        erster = false;
    }
}

void StundenPunkteZeichnen(ZeichenLauf& l) {
    const auto& p = l.u.p;
    const auto& o = l.u.opt;
    Zeichner& z = l.z;
    Leinwand& lw = l.lw();
    const int r = l.schirm ? 3 : 7, r2 = l.schirm ? 2 : 5;
    const int lph = std::max<int>(1, p.Lph);
    const int n = std::clamp((o.StdBis - o.StdVon) * lph + 1, 0, 126);
    std::int64_t centre = l.split ? l.LeftX : l.r().PlotCentreX;
    l.LinkeHaelfte = l.split;
    const double M = l.M();
    for (int k = 1; k <= n; ++k) {
        const PunktZeit& e = l.u.erg.StundenPunkte[static_cast<std::size_t>(k)];
        Pos q = l.P(centre, e.x, e.y);
        int rad;
        if (k % lph == 1 || lph == 1) {
            lw.PinselFarbe(farben::Rot);
            lw.SchriftFarbe(farben::Rot);
            rad = r;
        } else {
            lw.PinselFarbe(farben::Gruen);
            rad = r2;
        }
        if (!(l.split && l.LinkeHaelfte && q.x >= centre + p.Halb * M / 20)) {
            z.Kreis(q.x, q.y, rad);
            for (int h = 4; h <= 20; h += 2) {
                if (std::abs(e.zeit - h) >= 0.05) continue;
                lw.PinselFarbe(farben::Weiss);
                const double rho = std::sqrt(e.x * e.x + e.y * e.y);
                const int F = l.schirm ? 3 * l.w.Strich : 20;
                const int hoch = e.y > 0 ? z.TextHeight("f") : 0;
                // A point at the centre has no outward direction.
                const std::int64_t dx = rho > 0 ? Naechste(e.x / rho * F) : 0;
                const std::int64_t dy = rho > 0 ? Naechste(e.y / rho * F) : 0;
                z.TextOut(q.x + dx, q.y - hoch - dy, std::to_string(h));
                break;
            }
        }
        if (l.split && l.LinkeHaelfte && q.x > centre + p.Halb * M / 30) {
            centre = l.RightX;
            l.LinkeHaelfte = false;
            q.x += l.RightX - l.LeftX;
            z.Kreis(q.x, q.y, rad);
            if (k >= 2) k -= 2; // the last morning entries again, around the afternoon centre
        }
    }
}

// Readers whose shadow falls short of hour points: said in the top left
// corner, where the picture has room.
void ReichweiteWarnen(ZeichenLauf& l) {
    Leinwand& lw = l.lw();
    const Schrift vorher = lw.schrift;
    lw.SchriftFett(true);
    lw.SchriftFarbe(farben::Rot);
    std::int64_t y = l.u.rahmen.RandY + 6;
    for (const std::string& zeile : ReichweiteWarnZeilen(l.u.reichweite, l.sprache())) {
        l.z.TextOut(l.u.rahmen.RandX + 8, y, zeile);
        y += l.z.TextHeight(zeile) + 2;
    }
    lw.schrift = vorher;
}

} // namespace

ZeichenWerte ZeichneUhr(Sonnenuhr& uhr, Leinwand& lw, const Ziel& ziel, Bild fehlerBild,
                        Bild schirmBild) {
    const bool schirm = ziel.modus == Modus::Schirm;
    ZeichenLauf l(uhr, lw, schirm);
    Rahmen& r = uhr.rahmen;
    const auto& p = uhr.p;
    int B = std::max(ziel.Breite, 0), H = std::max(ziel.Hoehe, 0);
    std::int64_t panX, panY;
    if (schirm) {
        B = SchmaleBreite(B, H);
        r.RandX = r.RandY = 0;
        r.SchirmBildBreite = B;
        r.SchirmBildHoehe = H;
        panX = uhr.ansicht.DeltaX;
        panY = uhr.ansicht.DeltaY;
    } else {
        r.RandX = ziel.RandX;
        r.RandY = ziel.RandY;
        const double bw = ziel.SchirmBreite > 0 ? ziel.SchirmBreite : B;
        panX = bw > 0 ? Naechste(B * double(uhr.ansicht.DeltaX) / bw) : 0;
        panY = bw > 0 ? Naechste(B * double(uhr.ansicht.DeltaY) / bw) : 0;
        l.V = std::max(0, (ziel.SeiteHoehe - H - 200) / 2);
    }
    r.BildBreite = B;
    r.BildHoehe = H;
    r.HalbBreite = B / 2;
    r.HalbHoehe = H / 2;
    r.PlotCentreX = static_cast<std::int32_t>(r.HalbBreite + r.RandX + panX);
    r.PlotCentreY = static_cast<std::int32_t>(Naechste(1.1 * r.HalbHoehe) + r.RandY + panY);
    uhr.SinGI = SinGIGeklemmt(p.GnomWinkel, p.Incl);
    l.w.m = MassstabBerechnen(p.Halb, p.GnomWinkel, p.Breit, uhr.SinGI, uhr.Klein, r.HalbBreite,
                              r.HalbHoehe);
    l.w.m.Massstab *= uhr.ansicht.Zoom;
    r.Massstab = l.w.m.Massstab;

    if (uhr.anz.BildGeloescht) {
        // A refused calculation: an empty picture with the start of its message.
        l.w.verweigert = true;
        if (schirm) {
            lw.StiftFarbe(farben::Weiss);
            lw.PinselFarbe(farben::Weiss);
            lw.PinselStil(PinselArt::Voll);
            lw.SchriftName("Arial");
            lw.SchriftHoehe(16);
            lw.SchriftFett(false);
            lw.SchriftFarbe(farben::Schwarz);
            l.z.Rectangle(0, 0, B, H);
            l.z.TextOut(20, 20, uhr.anz.BildMeldung);
        }
        return l.w;
    }
    if (MussVerweigern(uhr)) {
        l.w.verweigert = true;
        if (schirm)
            Verweigern(uhr, &lw, B, H);
        else
            Verweigern(uhr, schirmBild.lw, schirmBild.Breite, schirmBild.Hoehe);
        return l.w;
    }

    Zeichner& z = l.z;
    l.split = uhr.opt.SplitModus;
    if (l.split) {
        const std::int64_t d = Naechste(p.Halb / 10 * l.M());
        l.LeftX = r.PlotCentreX - d;
        l.RightX = r.PlotCentreX + d;
        r.PlotLeftCentreX = static_cast<std::int32_t>(l.LeftX);
        r.PlotRightCentreX = static_cast<std::int32_t>(l.RightX);
    }
    lw.SchriftName("Arial");
    lw.SchriftFarbe(farben::Schwarz);
    lw.SchriftFett(false);
    lw.SchriftHoehe(schirm ? 16 : 30);
    lw.StiftBreite(1);
    lw.StiftStil(StiftArt::Voll);
    lw.StiftFarbe(farben::Schwarz);
    lw.PinselFarbe(farben::Weiss);
    lw.PinselStil(PinselArt::Voll);
    z.Rectangle(r.RandX, r.RandY, r.RandX + B - 1, r.RandY + H - 1);
    // On paper the legend band covers the lowest V units of the dial area.
    if (!schirm) z.TextRahmen(r.RandX + 3, r.RandY + 3, r.RandX + B - 3, r.RandY + H - l.V - 3);

    if (std::abs(l.w.m.DatumMax) > std::abs(0.96 * uhr.Klein)) {
        l.w.gewarnt = true;
        if (!ziel.GrafikSichtbar)
            uhr.Melde(lang::TextTabelle1(l.sprache(), 25), lang::Titel::Warnung, Symbol::Warnung);
        lw.SchriftFett(true);
        lw.SchriftFarbe(farben::Rot);
        const std::string t = lang::TextTabelle2(l.sprache(), 27);
        // On paper it stands above the legend band and a line above the signature.
        const std::int64_t y = schirm ? H - 20 : r.RandY + H - l.V - 20 - z.TextHeight(t);
        z.TextOut(r.RandX + B - 20 - z.TextWidth(t), y, t);
        lw.SchriftFarbe(farben::Schwarz);
    }

    if (schirm) ReichweiteWarnen(l);

    if (l.split) {
        AchsenZeichnen(l, true, l.LeftX, r.PlotCentreY);
        AchsenZeichnen(l, false, l.RightX, r.PlotCentreY);
    } else {
        AchsenZeichnen(l, true, r.PlotCentreX, r.PlotCentreY);
    }
    lw.SchriftFett(true);
    AufUntergangsMarken(l);
    switch (p.Arten) {
    case 0:
        DatumsskalaZeichnen(l);
        break;
    case 1:
        AnalemmaZeichnen(l);
        break;
    case 2:
        DoppelanalemmaZeichnen(l);
        break;
    default:
        break;
    }
    lw.StiftFarbe(farben::Navy);
    StundenEllipse(l);
    StundenPunkteZeichnen(l);
    lw.StiftFarbe(farben::Maroon);
    lw.SchriftFarbe(farben::Maroon);
    if (uhr.opt.ZeigeSchatten) SchattenwegZeichnen(l);
    GnomonUndKonstruktion(l);

    if (schirm) {
        lw.StiftFarbe(farben::Weiss);
        z.MoveTo(B - 1, 0);
        z.LineTo(B - 1, H - 1);
        z.LineTo(0, H - 1);
    } else if (ziel.SeitenAbschluss) {
        ziel.SeitenAbschluss(lw, r);
    }
    if (fehlerBild.lw) FehlerGrafik(uhr, *fehlerBild.lw, fehlerBild.Breite, fehlerBild.Hoehe);
    return l.w;
}

} // namespace skiora::draw
