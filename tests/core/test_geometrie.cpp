// The result tables: hour points, shadow path and date marks, and the
// sunrise/sunset mark. The default tables are pinned by the golden CSVs in
// tests/report; where the points lie is checked against the sky in
// test_schatten.cpp.
#include "core/Sonnenuhr.h"
#include "core/Zahlen.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace skiora;

namespace {

// One expected cell: column, row, text.
struct Z {
    int spalte, zeile;
    const char* text;
};

void Pruefe(const Gitter& g, std::initializer_list<Z> zellen) {
    for (const Z& z : zellen)
        EXPECT_EQ(g.Zelle(z.spalte, z.zeile), z.text) << z.spalte << "," << z.zeile;
}

} // namespace

TEST(Stunden, FourAndSixLinesPerHourAndTheShadowPath) {
    Sonnenuhr uhr;
    EXPECT_NEAR(uhr.Klein, 2.0194, 5e-5);
    uhr.p.Lph = 4;
    uhr.StundenTabelle();
    // One row per hour; the last hour shows its full-hour mark only.
    Pruefe(uhr.tab.StrGridStd,
           {Z{5, 1, "  5:15"}, Z{13, 1, "  5:45"}, Z{1, 17, " 21:00"}, Z{5, 17, ""}, Z{1, 18, ""}});
    EXPECT_EQ(uhr.erg.StundenPunkte[65].zeit, 21);
    EXPECT_EQ(uhr.erg.StundenPunkte[66].zeit, 0);

    // Six lines take two rows, also for the distances to the axis ends.
    uhr.p.Lph = 6;
    uhr.opt.KoordXY = false;
    uhr.StundenTabelle();
    Pruefe(uhr.tab.StrGridStd, {Z{2, 0, "  d1   "}, Z{13, 1, "  5:30"}, Z{1, 2, ""},
                                Z{9, 2, "  5:40"}, Z{1, 15, " 12:00"}, Z{2, 15, "  0.000"}});
    EXPECT_EQ(uhr.tab.StrGridStd.Zelle(3, 15), ZahlText(7, 3, 2 * uhr.Klein));
    uhr.Schattenweg(2002, 1, 5);
    Pruefe(uhr.tab.StrGridShad, {Z{5, 15, " 12:10"}, Z{1, 16, ""}, Z{13, 16, " 12:50"}});
    EXPECT_EQ(uhr.erg.SchattenPunkte[97].x, KeinSchatten); // 21:00 is night
    EXPECT_EQ(uhr.erg.SchattenPunkte[98].zeit, -1);
}

TEST(Stunden, WidestRangeZoneTimeAndNoSunriseMark) {
    Sonnenuhr uhr;
    uhr.opt.StdVon = 2;
    uhr.opt.StdBis = 23;
    uhr.p.Lph = 6; // 127 points: more than the array holds
    uhr.StundenTabelle();
    EXPECT_EQ(uhr.tab.StrGridStd.Zelle(1, 43), " 23:00");
    EXPECT_EQ(uhr.erg.StundenPunkte[126].zeit, 22 + 50 / 60.0);

    // Zone meridian -15 east of the site at -9.59: 12:00 comes 5.41 degrees early.
    uhr.p.Zonenzeit = 1;
    uhr.StundenTabelle();
    const PunktZeit& mittag = uhr.erg.StundenPunkte[(12 - 2) * 6 + 1];
    EXPECT_NEAR(mittag.x, 2.75 * std::sin(-5.41 * Rad), 1e-12);

    EXPECT_TRUE(uhr.erg.AufUntergangVorhanden);
    uhr.p.Breit = 75; // sin 75 > cos 20.2: the Sun never rises at that declination
    uhr.Abgeleitet();
    uhr.StundenTabelle();
    EXPECT_FALSE(uhr.erg.AufUntergangVorhanden);
    EXPECT_EQ(uhr.anz.lKoordAufUnter, "");
}

TEST(Datum, MarksPerMonthLeaveNoStaleRowsAndMinorAxisMode) {
    Sonnenuhr uhr;
    const Gitter& g = uhr.tab.StrGridDat;
    struct Fall {
        int anzahl, zeilen, zeile;
        const char *text, *letzte;
    };
    // The June solstice joins the marks of 1 and 2 a month; the last run
    // follows a longer table.
    for (const Fall& f :
         {Fall{2, 26, 14, "21.Jun ", "15.Dez "}, Fall{6, 72, 2, "26.Dez ", "16.Dez "},
          Fall{1, 14, 8, "21.Jun ", "01.Dez "}}) {
        uhr.p.Anzahl = static_cast<std::uint8_t>(f.anzahl);
        uhr.DatumsTabelle();
        EXPECT_EQ(g.Zelle(0, f.zeile), f.text) << f.anzahl;
        EXPECT_EQ(g.Zelle(0, f.zeilen), f.letzte) << f.anzahl;
        EXPECT_EQ(g.Zelle(0, f.zeilen + 1), "") << f.anzahl;
    }
    EXPECT_EQ(uhr.erg.DatumsPunkte[15].name, "");

    // Marks on the minor axis: x = 0 in the data rows only, the header stays.
    uhr.p.Arten = 0;
    uhr.DatumsTabelle();
    EXPECT_EQ(g.Zelle(1, 0), " x-li. ");
    EXPECT_EQ(g.Zelle(1, 1), "  0.000");
    EXPECT_EQ(g.Zelle(1, 15), "");
    EXPECT_NE(uhr.erg.DatumsPunkte[2].x, 0);
}
