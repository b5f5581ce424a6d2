// The place search over the real database, and the site a place gives the
// document. Reference values are independent of the database:
// - positions: the coordinates of the city articles of the English Wikipedia
//   (2024), to 0.05 degrees;
// - zone meridians: the legal standard times (CET UTC+1, AEST UTC+10, ACST
//   UTC+9:30, Nepal UTC+5:45, Iceland UTC, NZST UTC+12), 15 degrees an hour;
// - summer time 2024: EU Directive 2000/84/EC (last Sunday of March to last
//   Sunday of October: 31 March, 27 October); New South Wales and South
//   Australia, first Sunday of October to first Sunday of April (6 October,
//   7 April); New Zealand Daylight Time Order 2007, last Sunday of September
//   to first Sunday of April (29 September, 7 April); Iceland and Nepal keep
//   no summer time.
#include "core/Ortsanzeige.h"
#include "core/Sonnenuhr.h"
#include "core/Zahlen.h"
#include "site/Ortsverzeichnis.h"
#include "site/Standort.h"

#include <gtest/gtest.h>

#include <cmath>

namespace skiora::site {
namespace {

const Ortsverzeichnis& Db() {
    return Ortsverzeichnis::Datenbank();
}

struct Fall {
    const char* suche;
    const char* name; // as the database writes it
    const char* zeitzone;
    double breite, laengeOst, zone;
    int beginnTag, beginnMonat, endeTag, endeMonat; // 0: no summer time
    const char* legende;                            // its days as the dial names them
};

const Fall Faelle[] = {
    {"Berlin", "Berlin", "Europe/Berlin", 52.520, 13.405, -15, 31, 3, 27, 10,
     "(+1 h), 31. Mar to 26. Okt 2024"},
    {"sydney", "Sydney", "Australia/Sydney", -33.868, 151.210, -150, 6, 10, 7, 4,
     "(+1 h) until 06. Apr and from 06. Okt 2024"},
    {"Adelaide", "Adelaide", "Australia/Adelaide", -34.929, 138.601, -142.5, 6, 10, 7, 4,
     "(+1 h) until 06. Apr and from 06. Okt 2024"},
    {"Kathmandu", "Kathmandu", "Asia/Kathmandu", 27.710, 85.300, -86.25, 0, 0, 0, 0, ""},
    {"Reykjavík", "Reykjavik", "Atlantic/Reykjavik", 64.133, -21.933, 0, 0, 0, 0, 0, ""},
    {"Auckland", "Auckland", "Pacific/Auckland", -36.848, 174.740, -180, 29, 9, 7, 4,
     "(+1 h) until 06. Apr and from 29. Sep 2024"},
};

TEST(Orte, EachPlaceGivesItsFieldsZoneMeridianAndSummerTime) {
    for (const Fall& f : Faelle) {
        SCOPED_TRACE(f.suche);
        const Suchergebnis e = Db().Suchen(f.suche, 5);
        ASSERT_FALSE(e.orte.empty());
        const Ort& ort = *e.orte.front();
        EXPECT_EQ(ort.name, f.name);
        EXPECT_EQ(ort.zeitzone, f.zeitzone);

        Sonnenuhr uhr;
        uhr.p.Jahr = 2024;
        uhr.sprache.Waehle(false);
        OrtUebernehmen(uhr, ort, 2);
        // The program counts longitudes and meridians positive towards the west.
        EXPECT_NEAR(uhr.p.Breit, f.breite, 0.05);
        EXPECT_NEAR(uhr.p.Lang, -f.laengeOst, 0.05);
        EXPECT_DOUBLE_EQ(uhr.p.Zone, f.zone);
        EXPECT_EQ(uhr.ort.Zeitzone, f.zeitzone);
        EXPECT_EQ(uhr.ort.Name.rfind(f.name, 0), 0u) << uhr.ort.Name;
        EXPECT_EQ(uhr.ort.HatSommerzeit, f.beginnTag != 0);
        EXPECT_EQ(uhr.ort.SzBeginnTag, f.beginnTag);
        EXPECT_EQ(uhr.ort.SzBeginnMonat, f.beginnMonat);
        EXPECT_EQ(uhr.ort.SzEndeTag, f.endeTag);
        EXPECT_EQ(uhr.ort.SzEndeMonat, f.endeMonat);
        EXPECT_DOUBLE_EQ(uhr.ort.SzVersatz, 1);
        // The labels: an hour later, in the days of that year's law.
        uhr.ort.Sommerzeit = true;
        uhr.StundenTabelle();
        EXPECT_EQ(uhr.tab.StrGridStd.Zelle(StundenSommerzeitSpalte, 9),
                  f.beginnTag ? " 14:00" : ""); // the row of 13:00
        EXPECT_NE(SommerzeitLegende(uhr).find(f.legende), std::string::npos);
        // Klein follows the new latitude (flat dial: Halb * sin(latitude)).
        EXPECT_NEAR(uhr.Klein, uhr.p.Halb * std::sin(uhr.p.Breit * Rad), 1e-9);
    }
}

TEST(Orte, TheSearchFoldsAccentsKnowsGermanNamesAndRanksByNameThenSize) {
    // Accents and case do not matter, in the query or the database.
    EXPECT_EQ(Db().Suchen("REYKJAVÍK", 1).orte.at(0)->name, "Reykjavik");
    EXPECT_EQ(Db().Suchen("sao paulo", 1).orte.at(0)->name, "São Paulo");
    // German names, and the language decides which one is shown.
    const Ort& muenchen = *Db().Suchen("München", 1).orte.at(0);
    EXPECT_EQ(muenchen.zeitzone, "Europe/Berlin");
    EXPECT_EQ(muenchen.Name(1), "München");
    EXPECT_EQ(muenchen.Name(2), "Munich");
    EXPECT_EQ(Db().Suchen("koln", 1).orte.at(0)->Name(1), "Köln");
    EXPECT_EQ(Db().Suchen("Wien", 1).orte.at(0)->Name(2), "Vienna");
    // A name that begins with the query comes before a larger place that
    // only holds it as a word: York before New York.
    const auto york = Db().Suchen("York", 50);
    EXPECT_EQ(york.orte.at(0)->land, "United Kingdom");
    // Within the same rank the most populous first: Santiago de Chile.
    const auto santiago = Db().Suchen("Santiago", 50);
    EXPECT_EQ(santiago.orte.at(0)->zeitzone, "America/Santiago");
    for (std::size_t i = 1; i < santiago.orte.size(); ++i) {
        if (santiago.orte[i]->name.rfind("Santiago", 0) == 0) {
            EXPECT_LE(santiago.orte[i]->einwohner, santiago.orte[i - 1]->einwohner) << i;
        }
    }
    // Region, country and time zone words narrow the search.
    EXPECT_EQ(Db().Suchen("Sydney Nova Scotia", 5).orte.at(0)->zeitzone, "America/Glace_Bay");
    EXPECT_EQ(Db().Suchen("Asia/Kathmandu", 5).orte.at(0)->name, "Kathmandu");
    const auto nepal = Db().Suchen("Nepal", 500);
    EXPECT_GT(nepal.gesamt, 5u);
    EXPECT_EQ(nepal.orte.size(), nepal.gesamt);
    // At most as many as asked, the total still counted.
    const auto b = Db().Suchen("b", 10);
    EXPECT_EQ(b.orte.size(), 10u);
    EXPECT_GT(b.gesamt, 1000u);
    EXPECT_TRUE(Db().Suchen("  ,;  ", 10).orte.empty());
    EXPECT_TRUE(Db().Suchen("Xyzzyqq", 10).orte.empty());
}

TEST(Orte, CloseNamesForAQueryThatFindsNothing) {
    EXPECT_EQ(Db().Aehnliche("Berlinn", 5).at(0)->name, "Berlin");
    EXPECT_EQ(Db().Aehnliche("Sydnye", 5).at(0)->name, "Sydney");
    EXPECT_EQ(Db().Aehnliche("Katmandoo", 5).at(0)->name, "Kathmandu");
    EXPECT_EQ(Db().Aehnliche("Muenchen", 5).at(0)->Name(1), "München");
    const auto fuenf = Db().Aehnliche("Bern", 5);
    EXPECT_EQ(fuenf.size(), 5u);
    for (std::size_t i = 1; i < fuenf.size(); ++i)
        EXPECT_NE(fuenf[i]->name, fuenf[i - 1]->name); // one per name
    EXPECT_TRUE(Db().Aehnliche("Qqqqqqqqqqqq", 5).empty());
}

TEST(Orte, FoldingAndAListOfOurOwn) {
    EXPECT_EQ(Falten(" São-Paulo, Straße "), "sao paulo strasse");
    EXPECT_EQ(Falten("Xi'an ŁÓDŹ Ørsta"), "xian lodz orsta");
    Ortsverzeichnis v({{"Alpha", "", "", "", "", "", "Etc/UTC", 0, 0, 10},
                       {"Alphaville", "", "", "", "", "", "Etc/UTC", 0, 0, 20},
                       {"Big Alpha", "", "", "", "", "", "Etc/UTC", 0, 0, 99}});
    const auto e = v.Suchen("alpha", 10);
    ASSERT_EQ(e.orte.size(), 3u);
    EXPECT_EQ(e.orte[0]->name, "Alphaville");
    EXPECT_EQ(e.orte[1]->name, "Alpha");
    EXPECT_EQ(e.orte[2]->name, "Big Alpha");
}

} // namespace
} // namespace skiora::site
