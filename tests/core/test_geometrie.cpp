// Hour points, date marks and the sunrise/sunset mark of the document.
#include "core/Sonne.h"
#include "core/Sonnenuhr.h"
#include "core/Zahlen.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace skiora;

namespace {

int DatenZeilen(const Gitter& g) {
    int r = 1;
    while (!g.Zelle(0, r).empty())
        ++r;
    return r - 1;
}

} // namespace

TEST(Stunden, DefaultEllipseAndNoonPoint) {
    Sonnenuhr uhr;
    EXPECT_NEAR(uhr.Klein, 2.0194, 5e-5);
    EXPECT_NEAR(uhr.Klein, 2.75 * std::sin(47.25 * Rad), 1e-12);
    uhr.StundenTabelle();
    const PunktZeit mittag = uhr.erg.StundenPunkte[(12 - 5) * 2 + 1];
    EXPECT_EQ(mittag.zeit, 12);
    EXPECT_NEAR(mittag.x, 0, 1e-15);
    EXPECT_EQ(mittag.y, uhr.Klein);
    // Every point lies on the ellipse, afternoon to the east.
    for (int i = 1; i <= 33; ++i) {
        const PunktZeit& q = uhr.erg.StundenPunkte[i];
        EXPECT_NEAR(std::pow(q.x / 2.75, 2) + std::pow(q.y / uhr.Klein, 2), 1, 1e-12);
        EXPECT_EQ(q.x > 1e-9, q.zeit > 12) << q.zeit;
    }
    EXPECT_EQ(uhr.erg.StundenPunkte[34].zeit, 0); // beyond 21:00 nothing
}

TEST(Stunden, FourLinesPerHourInOneRow) {
    Sonnenuhr uhr;
    uhr.p.Lph = 4;
    uhr.StundenTabelle();
    const Gitter& g = uhr.tab.StrGridStd;
    EXPECT_EQ(g.Zelle(0, 0), " Nr. ");
    EXPECT_EQ(g.Zelle(5, 0), "Zeit");
    EXPECT_EQ(g.Zelle(2, 0), "   x   ");
    EXPECT_EQ(g.Zelle(15, 0), "   y   ");
    EXPECT_EQ(g.Zelle(1, 1), "  5:00");
    EXPECT_EQ(g.Zelle(5, 1), "  5:15");
    EXPECT_EQ(g.Zelle(9, 1), "  5:30");
    EXPECT_EQ(g.Zelle(13, 1), "  5:45");
    EXPECT_EQ(g.Zelle(1, 8), " 12:00");
    EXPECT_EQ(g.Zelle(2, 8), "  0.000");
    EXPECT_EQ(g.Zelle(3, 8), "  2.019");
    // The last hour shows its full-hour mark only.
    EXPECT_EQ(g.Zelle(1, 17), " 21:00");
    EXPECT_EQ(g.Zelle(5, 17), "");
    EXPECT_EQ(g.Zelle(1, 18), "");
    EXPECT_EQ(uhr.erg.StundenPunkte[65].zeit, 21);
    EXPECT_EQ(uhr.erg.StundenPunkte[2].zeit, 5.25);
}

TEST(Stunden, SixLinesUseTwoRowsAlsoForDistances) {
    Sonnenuhr uhr;
    uhr.p.Lph = 6;
    uhr.opt.KoordXY = false;
    uhr.sprache.Waehle(false);
    uhr.StundenTabelle();
    const Gitter& g = uhr.tab.StrGridStd;
    EXPECT_EQ(g.Zelle(1, 0), "Time");
    EXPECT_EQ(g.Zelle(2, 0), "  d1   ");
    EXPECT_EQ(g.Zelle(3, 0), "  d2   ");
    EXPECT_EQ(g.Zelle(13, 1), "  5:30");
    EXPECT_EQ(g.Zelle(1, 2), "");
    EXPECT_EQ(g.Zelle(9, 2), "  5:40");
    EXPECT_EQ(g.Zelle(13, 2), "  5:50");
    EXPECT_FALSE(g.Zelle(14, 2).empty());
    // 12:00 is the hour point at the northern end of the minor axis.
    EXPECT_EQ(g.Zelle(1, 15), " 12:00");
    EXPECT_EQ(g.Zelle(2, 15), "  0.000");
    EXPECT_EQ(g.Zelle(3, 15), ZahlText(7, 3, 2 * uhr.Klein));
    EXPECT_EQ(g.Zelle(1, 33), " 21:00");
}

TEST(Stunden, WidestRangeGrowsTheTable) {
    Sonnenuhr uhr;
    uhr.opt.StdVon = 2;
    uhr.opt.StdBis = 23;
    uhr.p.Lph = 6; // 127 points: more than the array holds
    uhr.StundenTabelle();
    EXPECT_EQ(uhr.tab.StrGridStd.Zeilen(), 45);
    EXPECT_EQ(uhr.tab.StrGridStd.Zelle(1, 43), " 23:00");
    EXPECT_EQ(uhr.erg.StundenPunkte[126].zeit, 22 + 50 / 60.0);
}

TEST(Stunden, ZoneTimeTurnsByTheLongitudeDifference) {
    Sonnenuhr uhr;
    uhr.p.Zonenzeit = 1;
    uhr.StundenTabelle();
    for (int i = 1; i <= 33; ++i) {
        const PunktZeit& q = uhr.erg.StundenPunkte[i];
        const double t = 15 * (q.zeit - 12) - 5.41; // zone meridian east of the site
        EXPECT_NEAR(q.x, 2.75 * std::sin(t * Rad), 1e-12);
        EXPECT_NEAR(q.y, uhr.Klein * std::cos(t * Rad), 1e-12);
    }
}

TEST(Stunden, SunriseMarkAndWhereItDoesNotExist) {
    Sonnenuhr uhr;
    uhr.StundenTabelle();
    const double q = std::sin(47.25 * Rad) / std::cos(20.2 * Rad);
    const double x = std::sqrt(1 - q * q) * std::sin(42.75 * Rad) * 2.75;
    EXPECT_TRUE(uhr.erg.AufUntergangVorhanden);
    EXPECT_NEAR(uhr.erg.AufUntergangX, x, 1e-12);
    EXPECT_NEAR(uhr.erg.AufUntergangY, std::sin(42.75 * Rad) * 2.75 * std::tan(20.2 * Rad), 1e-12);
    EXPECT_EQ(uhr.anz.lKoordAufUnter, "(±" + ZahlText(6, 3, x) + "/0.00)");

    uhr.p.Breit = 75; // sin 75 > cos 20.2: the Sun never rises at that declination
    uhr.Abgeleitet();
    uhr.StundenTabelle();
    EXPECT_FALSE(uhr.erg.AufUntergangVorhanden);
    EXPECT_EQ(uhr.anz.lKoordAufUnter, "");
    EXPECT_TRUE(std::isfinite(uhr.erg.AufUntergangX));

    uhr.p.RiseSet = 0;
    uhr.StundenTabelle();
    EXPECT_EQ(uhr.p.RiseSet, 1e-9);
}

TEST(Datum, MarksPerMonth) {
    Sonnenuhr uhr;
    uhr.DatumsTabelle();
    const Gitter& g = uhr.tab.StrGridDat;
    EXPECT_EQ(DatenZeilen(g), 36);
    EXPECT_EQ(g.Zelle(0, 1), "21.Dez ");
    EXPECT_EQ(g.Zelle(0, 2), "01.Jan ");
    EXPECT_EQ(g.Zelle(0, 3), "11.Jan ");
    EXPECT_EQ(g.Zelle(0, 4), "21.Jan ");
    EXPECT_EQ(g.Zelle(0, 36), "11.Dez ");

    uhr.p.Anzahl = 1;
    uhr.DatumsTabelle();
    EXPECT_EQ(DatenZeilen(g), 14);
    EXPECT_EQ(g.Zelle(0, 7), "01.Jun ");
    EXPECT_EQ(g.Zelle(0, 8), "21.Jun ");
    uhr.p.Anzahl = 2;
    uhr.DatumsTabelle();
    EXPECT_EQ(DatenZeilen(g), 26);
    EXPECT_EQ(g.Zelle(0, 14), "21.Jun ");
    EXPECT_EQ(g.Zelle(0, 26), "15.Dez ");
    uhr.p.Anzahl = 6;
    uhr.DatumsTabelle();
    EXPECT_EQ(DatenZeilen(g), 72);
    EXPECT_EQ(g.Zelle(0, 2), "26.Dez ");
    EXPECT_EQ(g.Zelle(0, 72), "16.Dez ");
    // A smaller count afterwards leaves no stale rows behind.
    uhr.p.Anzahl = 1;
    uhr.DatumsTabelle();
    EXPECT_EQ(DatenZeilen(g), 14);
    EXPECT_EQ(uhr.erg.DatumsPunkte[15].name, "");
}

TEST(Datum, PointsHeaderAndMinorAxisMode) {
    Sonnenuhr uhr;
    uhr.DatumsTabelle();
    const Gitter& g = uhr.tab.StrGridDat;
    EXPECT_EQ(g.Zelle(0, 0), "Datum  ");
    EXPECT_EQ(g.Zelle(1, 0), " x-li. ");
    EXPECT_EQ(g.Zelle(4, 0), " Dekl.  ");
    EXPECT_EQ(g.Zelle(5, 0), "  EoT  ");
    int nullen = 0;
    for (int i = 1; i <= 36; ++i) {
        const tSkioraPoint& q = uhr.erg.DatumsPunkte[i];
        EXPECT_NEAR(q.x, -q.eot * Rad * 2.75, 1e-15);
        EXPECT_NEAR(q.y, 2.75 * std::tan(q.decl * Rad) * std::cos(47.25 * Rad), 1e-12);
        EXPECT_EQ(g.Zelle(1, i), ZahlText(8, 4, q.x));
        EXPECT_EQ(g.Zelle(5, i), MinSekText(q.eot));
        if (q.decl == 0) {
            ++nullen; // equinox: the point sits on the major axis exactly
            EXPECT_EQ(g.Zelle(2, i), "  0.0000");
        }
    }
    EXPECT_GE(nullen, 1);

    uhr.p.Arten = 0;
    uhr.sprache.Waehle(false);
    uhr.DatumsTabelle();
    EXPECT_EQ(g.Zelle(0, 0), " Date  ");
    EXPECT_EQ(g.Zelle(1, 0), " x_left ");
    for (int i = 1; i <= 36; ++i)
        EXPECT_EQ(g.Zelle(1, i), "  0.000");
    EXPECT_EQ(g.Zelle(1, 37), "");
    EXPECT_NE(uhr.erg.DatumsPunkte[2].x, 0);
}

TEST(Datum, RightBlockOfOtherGrids) {
    Sonnenuhr uhr;
    uhr.DatumsTabelle();
    Gitter g(9, 73);
    DatumsGitter(g, uhr.erg.DatumsPunkte, 73, false, false, 1);
    EXPECT_EQ(g.Zelle(7, 0), "  x-re. ");
    EXPECT_EQ(g.Zelle(8, 0), " y-re. ");
    EXPECT_EQ(g.Zelle(7, 1), ZahlText(7, 3, uhr.erg.DatumsPunkte[1].x));
    EXPECT_EQ(g.Zelle(0, 1), "");
    GitterLeeren(g);
    EXPECT_EQ(g.Zelle(7, 0), "");
}
