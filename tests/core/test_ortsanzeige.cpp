// The site as the program shows it: readouts of longitude and zone meridian,
// the summer-time numbers, the legend line and the hour table's column. The
// document gets plain values here, as the site layer would fill them.
#include "core/Ortsanzeige.h"
#include "core/Sonnenuhr.h"

#include <gtest/gtest.h>

using namespace skiora;

namespace {

TEST(Ortsanzeige, LongitudeAndZoneMeridianReadTheUsualWay) {
    EXPECT_EQ(LaengeLesbar(-13.41, 1), "= 13.41° O");
    EXPECT_EQ(LaengeLesbar(-151.21, 2), "= 151.21° E");
    EXPECT_EQ(LaengeLesbar(74, 2), "= 74.00° W");
    EXPECT_EQ(LaengeLesbar(-0.001, 1), "= 0.00°");
    EXPECT_EQ(ZoneLesbar(-15), "= UTC+1");
    EXPECT_EQ(ZoneLesbar(75), "= UTC-5");
    EXPECT_EQ(ZoneLesbar(-142.5), "= UTC+9:30");
    EXPECT_EQ(ZoneLesbar(-86.25), "= UTC+5:45");
    EXPECT_EQ(ZoneLesbar(52.5), "= UTC-3:30");
    EXPECT_EQ(ZoneLesbar(0), "= UTC");
    // A meridian typed to the hundredth of a degree: to the second.
    EXPECT_EQ(ZoneLesbar(-13.41), "= UTC+0:53:38");
    EXPECT_EQ(ZoneLesbar(-15.01), "= UTC+1:00:02");
    EXPECT_EQ(LageLesbar(-33.87, 151.21, 2), "33.87° S, 151.21° E");
    EXPECT_EQ(LageLesbar(64.14, -21.9, 1), "64.14° N, 21.90° W");
}

TEST(Ortsanzeige, SummerTimeNumbersWrapAtMidnight) {
    EXPECT_EQ(SommerzeitZahl(13, 1), "14");
    EXPECT_EQ(SommerzeitZahl(23, 1), "0");
    EXPECT_EQ(SommerzeitZahl(8, 0.5), "8:30");
    EXPECT_EQ(SommerzeitZahl(23.75, 0.5), "0:15");
    EXPECT_EQ(SommerzeitUhrzeit(13, 1), " 14:00");
    EXPECT_EQ(SommerzeitUhrzeit(23.5, 1), "  0:30");
}

Sonnenuhr MitSommerzeit(int bT, int bM, int eT, int eM) {
    Sonnenuhr uhr;
    uhr.p.Jahr = 2024;
    uhr.ort.Zeitzone = "Test/Zone";
    uhr.ort.Sommerzeit = true;
    uhr.ort.HatSommerzeit = true;
    uhr.ort.SzBeginnTag = bT;
    uhr.ort.SzBeginnMonat = bM;
    uhr.ort.SzEndeTag = eT;
    uhr.ort.SzEndeMonat = eM;
    return uhr;
}

TEST(Ortsanzeige, TheLegendNamesTheLastDayOfSummerTime) {
    // The end is the first day back on standard time.
    EXPECT_EQ(SommerzeitLegende(MitSommerzeit(31, 3, 27, 10)),
              "Blaue Zahlen innen: Sommerzeit (+1 h), 31. Mar bis 26. Okt 2024");
    Sonnenuhr sued = MitSommerzeit(6, 10, 1, 4);
    sued.sprache.Waehle(false);
    EXPECT_EQ(SommerzeitLegende(sued),
              "Blue numbers inside: summer time (+1 h) until 31. Mar and from 06. Okt 2024");
    // Summer time to the end of the year ends on 1 January; 1 March follows a leap day.
    EXPECT_EQ(SommerzeitLegende(MitSommerzeit(6, 10, 1, 1)),
              "Blaue Zahlen innen: Sommerzeit (+1 h), 06. Okt bis 31. Dez 2024");
    Sonnenuhr halb = MitSommerzeit(1, 1, 1, 3);
    halb.ort.SzVersatz = 0.5;
    EXPECT_EQ(SommerzeitLegende(halb),
              "Blaue Zahlen innen: Sommerzeit (+0:30 h), 01. Jan bis 29. Feb 2024");
    // Nothing without the option, without summer time, or with dates that are no dates.
    Sonnenuhr aus = MitSommerzeit(31, 3, 27, 10);
    aus.ort.Sommerzeit = false;
    EXPECT_EQ(SommerzeitLegende(aus), "");
    aus.ort.Sommerzeit = true;
    aus.ort.HatSommerzeit = false;
    EXPECT_EQ(SommerzeitLegende(aus), "");
    EXPECT_EQ(SommerzeitLegende(MitSommerzeit(31, 2, 27, 10)), "");
}

TEST(Ortsanzeige, TheHourTableGetsItsColumnOnlyWithSummerTime) {
    Sonnenuhr uhr = MitSommerzeit(31, 3, 27, 10);
    uhr.Abgeleitet();
    uhr.StundenTabelle();
    const Gitter& g = uhr.tab.StrGridStd;
    ASSERT_EQ(g.Spalten(), 17);
    EXPECT_EQ(g.Zelle(StundenSommerzeitSpalte, 0), "Sommerzeit");
    // Row r holds hour StdVon + r - 1 (5:00 and 5:30 at Lph 2); the column
    // names the full hour's summer time once per row.
    EXPECT_EQ(g.Zelle(1, 1), "  5:00");
    EXPECT_EQ(g.Zelle(StundenSommerzeitSpalte, 1), "  6:00");
    EXPECT_EQ(g.Zelle(1, 17), " 21:00");
    EXPECT_EQ(g.Zelle(StundenSommerzeitSpalte, 17), " 22:00");
    EXPECT_EQ(g.Zelle(StundenSommerzeitSpalte, 18), "");

    uhr.ort.Sommerzeit = false;
    uhr.StundenTabelle();
    EXPECT_EQ(uhr.tab.StrGridStd.Spalten(), 16);
}

} // namespace
