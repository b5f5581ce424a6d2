#include "FehlerGrafik.h"

#include "Zeichner.h"
#include "core/Zahlen.h"
#include "lang/Texte.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace skiora::draw {

namespace {

constexpr double Grad = 1 / Rad;

// 1 .. 23 degrees and the solstice declination in place of 24.
std::array<double, 24> Deklinationen() {
    std::array<double, 24> d{};
    for (int i = 0; i < 23; ++i)
        d[static_cast<std::size_t>(i)] = i + 1;
    d[23] = 23.44;
    return d;
}

struct FehlerRahmen {
    int X0, Y0, W, H;
    bool papier;
};

FehlerSkalaWerte FehlerSkala(Sonnenuhr& uhr, Zeichner& z, const FehlerRahmen& f, int ax) {
    Leinwand& lw = z.lw();
    FehlerSkalaWerte s;
    for (double d : Deklinationen()) {
        const double e = Ablesefehler(uhr.p.Breit, uhr.p.RiseSet, d);
        s.max = std::max(s.max, e);
        s.min = std::min(s.min, e);
    }
    uhr.anz.lmaxErrAbs = ZahlText(5, 2, -s.min < s.max ? s.max : -s.min);
    if (std::abs(s.max - s.min) < 0.01) {
        z.Rectangle(0, 0, f.W - 2, f.H - 1);
        return s;
    }
    s.skaliert = true;
    uhr.anz.pErrGraphSichtbar = true;
    s.ys = 0.85 * f.H / (s.max - s.min);
    s.base = f.Y0 + Naechste(0.1 * f.H - s.min * s.ys);
    const double r = s.max - s.min;
    if (r > 2.5) {
        s.step = 0.25;
        s.N = 4;
    } else if (r < 0.2) {
        s.step = 0.01;
        s.N = 4;
    } else if (r < 1.01) {
        s.step = 0.05;
        s.N = 4;
    } else {
        s.step = 0.1;
        s.N = 5;
    }
    z.Rectangle(f.X0, f.Y0, f.X0 + f.W - 2, f.Y0 + f.H - 1);
    const std::int64_t gitterEnde = ax + Naechste(0.9 * f.W);
    for (int k = 1; k <= 30; ++k) {
        const std::int64_t d = Naechste(k * s.step * s.ys);
        for (int seite : {1, -1}) { // above the zero line, then below
            const std::int64_t y = s.base - seite * d;
            z.MoveTo(ax - 8, y);
            if (seite == 1 ? y <= f.Y0 : y >= f.Y0 + f.H) continue;
            if (k % s.N == 0) {
                lw.StiftFarbe(farben::Silber);
                z.LineTo(gitterEnde, y);
                lw.StiftFarbe(farben::Schwarz);
                z.TextOut(f.X0 + 3, y - 7, ZahlText(3, 1, seite * k * s.step));
            } else {
                z.LineTo(ax, y);
            }
        }
    }
    const int sp = uhr.sprache.Sprache;
    const int w = z.TextWidth("Deklin.");
    z.TextOut(f.X0 + f.W - w - 2, s.base - z.TextHeight("f"), lang::TextTabelle2(sp, 19));
    z.TextOut(f.X0 + f.W - w - 2, s.base, lang::TextTabelle2(sp, 20));
    z.TextOut(f.X0 + 3, f.Y0 + 3, lang::TextTabelle2(sp, 21));
    return s;
}

FehlerSkalaWerte Zeichne(Sonnenuhr& uhr, Leinwand& lw, const FehlerRahmen& f,
                         const FehlerTexte* t) {
    Zeichner z(lw);
    lw.SchriftName(f.papier ? "MS Serif" : "Arial");
    lw.SchriftHoehe(f.papier ? 30 : 14);
    lw.SchriftFett(false);
    lw.SchriftFarbe(farben::Schwarz);
    lw.PinselFarbe(farben::Weiss);
    lw.PinselStil(PinselArt::Voll);
    lw.StiftFarbe(farben::Schwarz);
    lw.StiftBreite(1);
    lw.StiftStil(StiftArt::Voll);
    const int ax = f.W / 20 + f.X0;
    const FehlerSkalaWerte s = FehlerSkala(uhr, z, f, ax);
    // Below 0.01 degrees there is no scale to draw the axes and the curve on.
    if (!s.skaliert) return s;
    z.MoveTo(f.W / 40 + f.X0, s.base);
    z.LineTo(f.X0 + f.W - 10, s.base);
    z.MoveTo(ax, f.Y0 + 15);
    z.LineTo(ax, f.Y0 + f.H - 15);
    const double xs = 0.87 * f.W / 24;
    for (int k = 1; k <= 25; ++k) {
        std::int64_t X = ax + Naechste(k * xs);
        if (k % 5 == 0) {
            lw.StiftFarbe(farben::Silber);
            if (k == 25) X = ax + Naechste(23.44 * xs);
            z.MoveTo(X, f.H / 20 + f.Y0);
            z.LineTo(X, 19 * f.H / 20 + f.Y0);
            if (k < 25) z.TextOut(X, s.base + 5, std::to_string(k));
            lw.StiftFarbe(farben::Schwarz);
        } else {
            z.MoveTo(X, s.base);
            z.LineTo(X, s.base - f.H / 40);
        }
    }
    z.MoveTo(ax, s.base);
    lw.StiftFarbe(farben::Rot);
    for (double d : Deklinationen())
        z.LineTo(ax + Naechste(d * xs),
                 s.base + Naechste(Ablesefehler(uhr.p.Breit, uhr.p.RiseSet, d) * s.ys));
    lw.StiftFarbe(farben::Schwarz);
    if (t) {
        lw.SchriftFett(true);
        z.TextOut(f.X0, f.Y0 - z.TextHeight("f") - 3, t->Label14 + " " + t->lKoordAufUnter);
        lw.SchriftFett(false);
        z.TextOut(f.X0, f.Y0 + f.H + 3, t->Label13 + " " + t->lDek0 + " " + t->Label20);
    }
    return s;
}

} // namespace

double Ablesefehler(double phi, double deltaR, double delta) {
    const double a = std::sin(phi * Rad) / std::cos(deltaR * Rad);
    const double t1 = std::atan(std::sqrt(std::max(0.0, 1 - a * a)) / std::tan(delta * Rad));
    const double b = std::cos(phi * Rad) / std::sin(delta * Rad);
    const double t2 = std::atan(Sign(delta) * std::sqrt(std::max(0.0, b * b - 1)));
    return (t1 - t2) * Grad;
}

FehlerSkalaWerte FehlerGrafik(Sonnenuhr& uhr, Leinwand& lw, int W, int H) {
    return Zeichne(uhr, lw, {0, 0, W, H, false}, nullptr);
}

FehlerSkalaWerte FehlerGrafikPapier(Sonnenuhr& uhr, Leinwand& lw, int Y0,
                                    const FehlerTexte& texte) {
    return Zeichne(uhr, lw, {500, Y0, 1200, 600, true}, &texte);
}

} // namespace skiora::draw
