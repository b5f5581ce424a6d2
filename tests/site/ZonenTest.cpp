// Time zones in a calendar year. References: the summer-time laws of the
// year (Germany: no summer time 1950-1979, 1980 from 6 April to 28
// September; EU Directive 2000/84/EC since 2002: last Sundays of March and
// October; Ireland keeps the EU dates, its winter clock is GMT; Lord Howe
// Island moves its clock by half an hour, first Sundays of October and
// April; Newfoundland keeps the North American dates since 2007, second Sunday
// of March to first Sunday of November); the legal standard times (Line Islands UTC+14, Chatham
// Islands UTC+12:45, Newfoundland UTC-3:30).
#include "core/Sonnenuhr.h"
#include "site/Standort.h"
#include "site/Zeitzone.h"

#include <gtest/gtest.h>

#include <cmath>

namespace skiora::site {
namespace {

struct Jahr {
    const char* zone;
    int jahr;
    double standard, versatz;
    int bT, bM, eT, eM; // 0: no summer time
};

TEST(Zonen, StandardTimeAndSummerTimeOfAYear) {
    const Jahr faelle[] = {
        {"Europe/Berlin", 1960, 1, 1, 0, 0, 0, 0},
        {"Europe/Berlin", 1980, 1, 1, 6, 4, 28, 9},
        {"Europe/Berlin", 2002, 1, 1, 31, 3, 27, 10},
        // The database's negative summer time in winter reads as GMT plus summer time.
        {"Europe/Dublin", 2024, 0, 1, 31, 3, 27, 10},
        {"Australia/Lord_Howe", 2024, 10.5, 0.5, 6, 10, 7, 4},
        {"Asia/Kathmandu", 2024, 5.75, 1, 0, 0, 0, 0},
        {"America/St_Johns", 2024, -3.5, 1, 10, 3, 3, 11},
    };
    for (const Jahr& f : faelle) {
        SCOPED_TRACE(std::string(f.zone) + " " + std::to_string(f.jahr));
        const Zoneninfo z = ZoneImJahr(f.zone, f.jahr);
        ASSERT_TRUE(z.gueltig);
        EXPECT_DOUBLE_EQ(z.standardStunden, f.standard);
        EXPECT_EQ(z.hatSommerzeit, f.bT != 0);
        if (!z.hatSommerzeit) continue;
        EXPECT_DOUBLE_EQ(z.versatz, f.versatz);
        EXPECT_EQ(z.beginnTag, f.bT);
        EXPECT_EQ(z.beginnMonat, f.bM);
        EXPECT_EQ(z.endeTag, f.eT);
        EXPECT_EQ(z.endeMonat, f.eM);
    }
    EXPECT_FALSE(ZoneImJahr("Bogus/Zone", 2024).gueltig);
    EXPECT_FALSE(ZoneBekannt(""));
}

TEST(Zonen, MeridiansStayInTheFieldsRange) {
    EXPECT_DOUBLE_EQ(ZonenMeridian(1), -15);
    EXPECT_DOUBLE_EQ(ZonenMeridian(-3.5), 52.5);
    EXPECT_DOUBLE_EQ(ZonenMeridian(12.75), -191.25);
    // UTC+14 shows the same clock hour as UTC-10, a day apart.
    EXPECT_DOUBLE_EQ(ZonenMeridian(ZoneImJahr("Pacific/Kiritimati", 2024).standardStunden), 150);
    EXPECT_FALSE(std::signbit(ZonenMeridian(0)));
}

TEST(Zonen, TheSummerTimeFollowsTheYearFieldAndAZoneGivenAlone) {
    Sonnenuhr uhr;
    Anschliessen(uhr);
    const double lang = uhr.p.Lang;
    ASSERT_TRUE(ZeitzoneSetzen(uhr, "Europe/Berlin"));
    EXPECT_DOUBLE_EQ(uhr.p.Zone, -15);
    EXPECT_DOUBLE_EQ(uhr.p.Lang, lang); // a zone alone leaves the site as typed
    EXPECT_TRUE(uhr.ort.HatSommerzeit); // 2002
    EXPECT_TRUE(uhr.eBreitExit(Feld::ejahr, "1960").gueltig);
    EXPECT_FALSE(uhr.ort.HatSommerzeit);
    EXPECT_TRUE(uhr.eBreitExit(Feld::ejahr, "1980").gueltig);
    EXPECT_EQ(uhr.ort.SzBeginnTag, 6);
    EXPECT_EQ(uhr.ort.SzEndeMonat, 9);
    // A refused year changes nothing.
    EXPECT_FALSE(uhr.eBreitExit(Feld::ejahr, "1650").gueltig);
    EXPECT_EQ(uhr.ort.SzBeginnTag, 6);

    EXPECT_FALSE(ZeitzoneSetzen(uhr, "Mars/Olympus"));
    EXPECT_EQ(uhr.ort.Zeitzone, "Europe/Berlin");
    EXPECT_DOUBLE_EQ(uhr.p.Zone, -15);
}

} // namespace
} // namespace skiora::site
