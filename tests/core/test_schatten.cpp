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

// Azimuth and altitude against the sky: the tip of a vertical gnomon's shadow
// (noon samples on both sides of the zenith included).
TEST(Schatten, TipAwayFromTheSunAtHeightOverTanAltitude) {
    EXPECT_NEAR(HorizontKoord(370, 10, 47).azimut, HorizontKoord(10, 10, 47).azimut, 1e-9);
    EXPECT_TRUE(std::isfinite(HorizontKoord(0, 20, 20).azimut)); // Sun in the zenith
    for (double t : {HUGE_VAL, std::nan(""), 1e300}) // no endless reduction of the hour angle
        EXPECT_TRUE(std::isfinite(HorizontKoord(t, 10, 47).azimut)) << t;
    Sonnenuhr uhr;
    for (double phi : {47.25, -33.9}) {
        Stelle(uhr, phi);
        for (int monat : {2, 6, 11}) {
            uhr.Schattenweg(2002, 9, monat);
            const int N = TagNr(2002, monat, 9);
            int punkte = 0;
            for (const PunktZeit& q : uhr.erg.SchattenPunkte) {
                if (q.zeit < 0 || q.x == KeinSchatten) continue;
                ++punkte;
                // Universal time of the sample: local mean time + west longitude.
                const double delta =
                    SonnenDaten(2002, N + (q.zeit + uhr.p.Lang / 15 - 12) / 24).dekl;
                const V3 s = Sonnenrichtung(15 * (q.zeit - 12), delta, phi);
                const double dx = q.x,
                             dy = q.y - 2.75 * std::tan(delta * Rad) * std::cos(phi * Rad);
                // Length height / tan(altitude), direction opposite the Sun.
                EXPECT_NEAR(std::hypot(dx, dy), 1.7 * std::hypot(s[0], s[1]) / s[2], 1e-9);
                EXPECT_NEAR(dx * s[1] - dy * s[0], 0, 1e-9);
                EXPECT_LT(dx * s[0] + dy * s[1], 0);
            }
            EXPECT_GT(punkte, 10);
        }
    }
}

// The dial in space: plane normal tilted towards the south by Incl, gnomon
// in the meridian plane at GnomWinkel above the northern horizon, standing on
// the date point. With the Sun at the hour angle of an hour point, the
// gnomon's shadow must run through that point.
TEST(Himmel, ShadowOfTheGnomonHitsTheHourPoint) {
    const double uhren[][3] = {{47.25, 0, 0}, {47.25, 20, 0},  {-33.9, 0, 0},
                               {50, 0, 30},   {-40, -15, -20}, {-55, 25, -35}};
    for (const auto& u : uhren) {
        Sonnenuhr uhr;
        Stelle(uhr, u[0], u[1], u[2]);
        uhr.p.Lph = 4;
        uhr.StundenTabelle();
        const double ci = std::cos(u[1] * Rad), si = std::sin(u[1] * Rad);
        const V3 ey{0, ci, si}, normale{0, -si, ci};
        const double gw = uhr.p.GnomWinkel * Rad;
        const V3 spitze{0, 1.3 * std::cos(gw), 1.3 * std::sin(gw)}; // from the foot
        int geprueft = 0;
        for (int monat = 1; monat <= 12; monat += 3) {
            uhr.DatumsPunkt(1, 2002, monat, 5);
            const tSkioraPoint& datum = uhr.erg.DatumsPunkte[1];
            for (int i = 1; i <= 65; ++i) {
                const PunktZeit& h = uhr.erg.StundenPunkte[i];
                const V3 sonne = Sonnenrichtung(15 * (h.zeit - 12), datum.decl, u[0]);
                if (sonne[2] < 0.05 || Skalar(sonne, normale) < 0.05) continue;
                // Shadow of the tip along -sonne down to the plane, in plane
                // coordinates from the foot; b is the hour point from the foot.
                const double k = Skalar(spitze, normale) / Skalar(sonne, normale);
                const double ax = -k * sonne[0], ay = Skalar(spitze, ey) - k * Skalar(sonne, ey);
                const double bx = h.x, by = h.y - datum.y;
                const double la = std::hypot(ax, ay), lb = std::hypot(bx, by);
                ASSERT_GT(la * lb, 1e-9);
                EXPECT_NEAR((ax * by - ay * bx) / (la * lb), 0, 1e-12)
                    << u[0] << " " << u[1] << " " << u[2] << " " << monat << " " << h.zeit;
                EXPECT_GT(ax * bx + ay * by, 0);
                ++geprueft;
            }
        }
        EXPECT_GT(geprueft, 30) << u[0];
    }
}

TEST(Tabellen, NeverNanOrInfinity) {
    Sonnenuhr uhr;
    uhr.p.Lph = 6;
    uhr.opt.StdVon = 3;
    uhr.opt.StdBis = 23;
    for (double phi :
         {-90.0, -89.9999999, -66.6, -0.005, 0.005, 23.44, 47.25, 80.0, 89.9999999, 90.0})
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
                    ASSERT_FALSE(HatNanOderInf(uhr.tab.StrGridStd) ||
                                 HatNanOderInf(uhr.tab.StrGridDat))
                        << phi << " " << incl << " " << gnomInc << " " << jahr;
                    ASSERT_EQ(uhr.anz.lKoordAufUnter.find("nan"), std::string::npos);
                    ASSERT_TRUE(std::isfinite(uhr.erg.AufUntergangX));
                }
            }
}
