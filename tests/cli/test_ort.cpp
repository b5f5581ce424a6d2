// --place, --tz and --summer-time as a user runs them. Reference values as in
// tests/site/OrteTest.cpp: positions from the cities' Wikipedia articles
// (2024, to 0.05 degrees), zone meridians from the legal standard times.
#include "Lauf.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>

namespace fs = std::filesystem;

namespace {

using skiora::test::Lauf;
using skiora::test::Lies;

fs::path Ordner() {
    static const fs::path d = skiora::test::LaufOrdner("orte");
    return d;
}

Lauf Starte(const std::string& argumente) {
    return skiora::test::Starte(Ordner(), argumente);
}

std::vector<std::string> Zeilen(const std::string& text) {
    std::vector<std::string> z;
    std::istringstream ein(text);
    for (std::string zeile; std::getline(ein, zeile);) {
        if (!zeile.empty() && zeile.back() == '\r') zeile.pop_back();
        z.push_back(zeile);
    }
    return z;
}

struct Fall {
    const char* ort;
    double breite, lang, zone; // the program's convention: west positive
    bool sommerzeit;           // in 2002, the configuration's year
};

TEST(Orte, EachPlaceFillsTheSiteAndItsSummerTime) {
    const Fall faelle[] = {
        {"Berlin", 52.520, -13.405, -15, true},
        {"Sydney", -33.868, -151.210, -150, true},
        {"Adelaide", -34.929, -138.601, -142.5, true},
        {"Kathmandu", 27.710, -85.300, -86.25, false},
        {"Reykjavík", 64.133, 21.933, 0, false},
        {"Auckland", -36.848, -174.740, -180, true},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.ort);
        const fs::path ini = Ordner() / "ort.ini", csv = Ordner() / "ort.csv";
        fs::remove(ini);
        fs::remove(csv);
        const Lauf l = Starte(std::string("--place '") + f.ort + "' --summer-time --save-config '" +
                              ini.string() + "' --table hours '" + csv.string() + "'");
        // A zone without summer time in the year: said, and the run fails,
        // but the files are written as the window would show the dial.
        EXPECT_EQ(l.status, f.sommerzeit ? 0 : 1) << l.fehler;
        EXPECT_EQ(l.fehler.find("keine Sommerzeit") != std::string::npos, !f.sommerzeit)
            << l.fehler;
        const auto z = Zeilen(Lies(ini));
        ASSERT_GE(z.size(), 4u);
        EXPECT_NEAR(std::stod(z[1]), f.breite, 0.05);
        EXPECT_NEAR(std::stod(z[2]), f.lang, 0.05);
        EXPECT_DOUBLE_EQ(std::stod(z[3]), f.zone);
        const std::string tabelle = Lies(csv);
        EXPECT_EQ(tabelle.find("\"Sommerzeit\";") != std::string::npos, f.sommerzeit);
    }
}

TEST(Orte, WrongPlacesAndZonesAreUsageErrorsThatWriteNothing) {
    const fs::path csv = Ordner() / "nichts.csv";
    const std::string tabelle = " --table hours '" + csv.string() + "'";
    Lauf l = Starte("--place Berlinn" + tabelle);
    EXPECT_EQ(l.status, 2);
    EXPECT_NE(l.fehler.find("Kein Ort heißt „Berlinn“. Ähnliche Namen: Berlin, Deutschland"),
              std::string::npos)
        << l.fehler;
    l = Starte("--lang en --place ''" + tabelle);
    EXPECT_EQ(l.status, 2);
    EXPECT_NE(l.fehler.find("Please give the name of a place."), std::string::npos) << l.fehler;
    l = Starte("--tz Mars/Olympus" + tabelle);
    EXPECT_EQ(l.status, 2);
    EXPECT_NE(l.fehler.find("„Mars/Olympus“"), std::string::npos) << l.fehler;
    l = Starte("--summer-time" + tabelle);
    EXPECT_EQ(l.status, 2);
    EXPECT_NE(l.fehler.find("--place oder --tz"), std::string::npos) << l.fehler;
    EXPECT_FALSE(fs::exists(csv));
    EXPECT_EQ(Starte("--tz").status, 2); // no zone named
}

TEST(Orte, TheConfigurationKeepsPlaceZoneAndSummerTime) {
    const fs::path ini = Ordner() / "berlin.ini", csv = Ordner() / "berlin.csv";
    Lauf l = Starte("--place Berlin --summer-time --save-config '" + ini.string() + "'");
    ASSERT_EQ(l.status, 0) << l.fehler;
    const auto z = Zeilen(Lies(ini));
    ASSERT_EQ(z.size(), 29u);
    EXPECT_EQ(z[26], "Ort=Berlin, Deutschland");
    EXPECT_EQ(z[27], "Zeitzone=Europe/Berlin");
    EXPECT_EQ(z[28], "Sommerzeit=j");
    // Loaded again, without the options: the summer-time column is back.
    l = Starte("'" + ini.string() + "' --table hours '" + csv.string() + "'");
    EXPECT_EQ(l.status, 0) << l.fehler;
    EXPECT_NE(Lies(csv).find("\"Sommerzeit\";"), std::string::npos);
}

TEST(Orte, AZoneAloneSetsTheMeridianAndKeepsTheTypedSite) {
    const fs::path ini = Ordner() / "zone.ini";
    const Lauf l = Starte("--tz Asia/Kathmandu --save-config '" + ini.string() + "'");
    EXPECT_EQ(l.status, 0) << l.fehler;
    const auto z = Zeilen(Lies(ini));
    ASSERT_GE(z.size(), 4u);
    EXPECT_EQ(z[1], "47.250000"); // the built-in site
    EXPECT_EQ(z[2], "-9.590000");
    EXPECT_EQ(z[3], "-86.250000");
    ASSERT_EQ(z.size(), 27u); // the zone, and no name
    EXPECT_EQ(z[26], "Zeitzone=Asia/Kathmandu");
}

} // namespace
