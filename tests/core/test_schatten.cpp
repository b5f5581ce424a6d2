// The geometry against the sky: Sun position, shadow path, hour and date
// points; and finite tables everywhere.
#include "core/Sonne.h"
#include "core/Sonnenuhr.h"
#include "core/Zahlen.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

using namespace skiora;

namespace {

using V3 = std::array<double, 3>; // east, north, zenith

V3 operator+(V3 a, V3 b) {
    return {a[0] + b[0], a[1] + b[1], a[2] + b[2]};
}
V3 operator*(double s, V3 a) {
    return {s * a[0], s * a[1], s * a[2]};
}
V3 operator-(V3 a, V3 b) {
    return a + -1 * b;
}
double Skalar(V3 a, V3 b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

// Unit vector towards the Sun at hour angle t (west positive), declination
// delta, latitude phi.
V3 Sonnenrichtung(double t, double delta, double phi) {
    const double ct = std::cos(t * Rad), st = std::sin(t * Rad);
    const double cd = std::cos(delta * Rad), sd = std::sin(delta * Rad);
    const double cp = std::cos(phi * Rad), sp = std::sin(phi * Rad);
    return {-cd * st, sd * cp - cd * ct * sp, sd * sp + cd * ct * cp};
}

// The dial as the window sets it: the gnomon stands at GnomInc + 90.
void Stelle(Sonnenuhr& uhr, double phi, double incl = 0, double gnomInc = 0) {
    uhr.p.Breit = phi;
    uhr.p.Incl = incl;
    uhr.p.GnomInc = gnomInc;
    uhr.p.GnomWinkel = gnomInc + 90;
    uhr.Abgeleitet();
}

// Calls f for every sample of the shadow path that has a shadow; returns their number.
template <class F> int JederSchatten(const Sonnenuhr& uhr, F f) {
    int n = 0;
    for (const PunktZeit& q : uhr.erg.SchattenPunkte)
        if (q.zeit >= 0 && q.x != KeinSchatten) f(q), ++n;
    return n;
}

bool HatNanOderInf(const Gitter& g) {
    for (int r = 0; r < g.Zeilen(); ++r)
        for (int c = 0; c < g.Spalten(); ++c) {
            const std::string& z = g.Zelle(c, r);
            if (z.find("nan") != std::string::npos || z.find("inf") != std::string::npos)
                return true;
        }
    return false;
}

} // namespace

TEST(HorizontKoord, MatchesTheSky) {
    for (double phi : {-60.0, -20.0, 10.0, 47.25, 70.0})
        for (double delta : {-23.0, -5.0, 8.0, 23.0})
            for (double t = -170; t <= 170; t += 17) {
                // Azimuth from the south, west positive.
                const V3 s = Sonnenrichtung(t, delta, phi);
                const HorizontOrt k = HorizontKoord(t, delta, phi);
                EXPECT_NEAR(k.hoehe, std::asin(s[2]) / Rad, 1e-6);
                EXPECT_NEAR(k.azimut, std::atan2(-s[0], -s[1]) / Rad, 1e-6)
                    << phi << " " << delta << " " << t;
            }
    // Hour angles beyond a half turn wrap around; noon on both sides of the zenith.
    EXPECT_NEAR(HorizontKoord(370, 10, 47).azimut, HorizontKoord(10, 10, 47).azimut, 1e-9);
    EXPECT_EQ(HorizontKoord(0, 23, 10).azimut, 180); // tropical noon: Sun to the north
    EXPECT_EQ(HorizontKoord(0, 10, 47).azimut, 0);
    const HorizontOrt zenit = HorizontKoord(0, 20, 20);
    EXPECT_TRUE(std::isfinite(zenit.hoehe) && std::isfinite(zenit.azimut));
}

TEST(Schatten, EquinoxPathIsStraight) {
    Sonnenuhr uhr;
    // Find an equinox day whose declination the computation sets to 0.
    int N = 75;
    while (SonnenStand(2002, N, false, uhr.p.Lang, uhr.p.Lang, 47.25, 12).dekl != 0)
        ++N;
    uhr.Schattenweg(2002, N - 59, 3);
    // Equinox line: y = h * tan(phi) (noon altitude 90 - phi), foot at 0.
    const int punkte = JederSchatten(uhr, [](const PunktZeit& q) {
        EXPECT_NEAR(q.y, 1.7 * std::tan(47.25 * Rad), 1e-9) << q.zeit;
    });
    EXPECT_GT(punkte, 30);
}

TEST(Schatten, TipAwayFromTheSunAtHeightOverTanAltitude) {
    Sonnenuhr uhr;
    for (double phi : {47.25, -33.9}) {
        Stelle(uhr, phi);
        for (int monat : {2, 6, 11}) {
            uhr.Schattenweg(2002, 9, monat);
            const int N = TagNr(2002, monat, 9);
            const int punkte = JederSchatten(uhr, [&](const PunktZeit& q) {
                // Universal time of the sample: local mean time + west longitude.
                double delta = SonnenDaten(2002, N + (q.zeit + uhr.p.Lang / 15 - 12) / 24).dekl;
                if (std::fabs(delta) < 0.3) delta = 0;
                const V3 s = Sonnenrichtung(15 * (q.zeit - 12), delta, phi);
                const double fussY = 2.75 * std::tan(delta * Rad) * std::cos(phi * Rad);
                const double dx = q.x, dy = q.y - fussY;
                // Length height / tan(altitude), direction opposite the Sun.
                EXPECT_NEAR(std::hypot(dx, dy), 1.7 * std::hypot(s[0], s[1]) / s[2], 1e-9);
                EXPECT_NEAR(dx * s[1] - dy * s[0], 0, 1e-9);
                EXPECT_LT(dx * s[0] + dy * s[1], 0);
            });
            EXPECT_GT(punkte, 10);
        }
    }
}

// The dial in space: plane normal tilted towards the south by Incl, gnomon
// in the meridian plane at GnomWinkel above the northern horizon, standing on
// the date point. With the Sun at the hour angle of an hour point, the
// gnomon's shadow must run through that point.
TEST(Himmel, ShadowOfTheGnomonHitsTheHourPoint) {
    const double uhren[][3] = {{47.25, 0, 0},   {47.25, 20, 0}, {-33.9, 0, 0}, {50, 0, 30},
                               {-40, -15, -20}, {30, 30, 10},   {60, -10, 25}, {-55, 25, -35},
                               {10, 0, 0},      {-15, 5, 12}};
    for (const auto& u : uhren) {
        Sonnenuhr uhr;
        Stelle(uhr, u[0], u[1], u[2]);
        uhr.p.Lph = 4;
        uhr.StundenTabelle();
        const double ci = std::cos(u[1] * Rad), si = std::sin(u[1] * Rad);
        const V3 ex{1, 0, 0}, ey{0, ci, si}, normale{0, -si, ci};
        const double gw = uhr.p.GnomWinkel * Rad;
        const V3 gnomon{0, std::cos(gw), std::sin(gw)};
        int geprueft = 0;
        for (int monat = 1; monat <= 12; monat += 2) {
            uhr.DatumsPunkt(1, 2002, monat, 5);
            const tSkioraPoint& datum = uhr.erg.DatumsPunkte[1];
            const V3 fuss = datum.y * ey;
            const V3 spitze = fuss + 1.3 * gnomon;
            for (int i = 1; i <= 65; ++i) {
                const PunktZeit& h = uhr.erg.StundenPunkte[i];
                const V3 sonne = Sonnenrichtung(15 * (h.zeit - 12), datum.decl, u[0]);
                if (sonne[2] < 0.05 || Skalar(sonne, normale) < 0.05) continue;
                // Shadow of the tip: along -sonne down to the plane.
                const V3 a =
                    spitze - (Skalar(spitze, normale) / Skalar(sonne, normale)) * sonne - fuss;
                const V3 b = (h.x * ex + h.y * ey) - fuss;
                const double ax = Skalar(a, ex), ay = Skalar(a, ey);
                const double bx = Skalar(b, ex), by = Skalar(b, ey);
                const double la = std::hypot(ax, ay), lb = std::hypot(bx, by);
                ASSERT_GT(la * lb, 1e-9);
                EXPECT_NEAR((ax * by - ay * bx) / (la * lb), 0, 1e-12)
                    << u[0] << " " << u[1] << " " << u[2] << " " << monat << " " << h.zeit;
                EXPECT_GT(ax * bx + ay * by, 0);
                ++geprueft;
            }
        }
        EXPECT_GT(geprueft, 50) << u[0];
    }
}

TEST(Tabellen, NeverNanOrInfinity) {
    Sonnenuhr uhr;
    uhr.p.Lph = 6;
    uhr.opt.StdVon = 3;
    uhr.opt.StdBis = 23;
    for (double phi : {-90.0, -89.9999999, -66.6, -45.0, -0.005, 0.005, 23.44, 47.25, 66.6, 80.0,
                       89.9999999, 90.0})
        for (double incl : {-90.0, -30.0, 0.0, 45.0, 90.0})
            for (double gnomInc : {-150.0, -90.0, 0.0, 30.0, 150.0}) {
                Stelle(uhr, phi, incl, gnomInc);
                uhr.p.RiseSet = phi > 0 ? 23.45 : -23.45;
                for (int jahr : {1700, 2002, 2100}) {
                    uhr.p.Jahr = jahr;
                    // The largest lengths the input takes must not overflow.
                    uhr.p.Halb = uhr.p.Hoehe = jahr == 2100 ? GroessteLaenge : 2.75;
                    uhr.Abgeleitet();
                    uhr.p.Anzahl = jahr == 2002 ? 6 : 1;
                    uhr.p.Zonenzeit = jahr == 2100;
                    uhr.DatumsTabelle();
                    uhr.StundenTabelle();
                    for (int monat : {6, 12}) {
                        uhr.Schattenweg(jahr, 21, monat);
                        ASSERT_FALSE(HatNanOderInf(uhr.tab.StrGridShad))
                            << phi << " " << incl << " " << gnomInc << " " << jahr;
                    }
                    ASSERT_FALSE(HatNanOderInf(uhr.tab.StrGridStd)) << phi << " " << incl;
                    ASSERT_FALSE(HatNanOderInf(uhr.tab.StrGridDat)) << phi << " " << incl;
                    ASSERT_EQ(uhr.anz.lKoordAufUnter.find("nan"), std::string::npos);
                    ASSERT_TRUE(std::isfinite(uhr.erg.AufUntergangX));
                }
            }
}
