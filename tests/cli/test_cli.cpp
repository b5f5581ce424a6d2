// The command line as a user runs it: tables in both languages, the
// distances option, usage errors and an output that cannot be written.
#include "Lauf.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

using skiora::test::Lauf;
using skiora::test::Lies;

fs::path Verzeichnis() {
    static const fs::path d = skiora::test::LaufOrdner("laeufe");
    return d;
}

Lauf Starte(const std::string& argumente) {
    return skiora::test::Starte(Verzeichnis(), argumente);
}

void Schreibe(const fs::path& p, const std::string& inhalt) {
    std::ofstream(p, std::ios::binary) << inhalt;
}

// Runs the program itself (no shell between) and tells its peak memory in KiB.
long SpitzenSpeicher(const std::vector<std::string>& argumente, int& status) {
    std::vector<std::string> alle = {std::string(SKIORA_BINARY_DIR) + "/skiora"};
    alle.insert(alle.end(), argumente.begin(), argumente.end());
    std::vector<char*> argv;
    for (auto& a : alle)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    const pid_t kind = ::fork();
    if (kind == 0) {
        const int leer = ::open("/dev/null", O_WRONLY);
        ::dup2(leer, 1);
        ::dup2(leer, 2);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    int r = 0;
    struct rusage verbrauch {};
    ::wait4(kind, &r, 0, &verbrauch);
    status = WIFEXITED(r) ? WEXITSTATUS(r) : -1;
    return verbrauch.ru_maxrss;
}

std::string Golden(const std::string& name) {
    return Lies(fs::path(SKIORA_SOURCE_DIR) / "tests" / "report" / "golden" / name);
}

std::string ErsteZeile(const std::string& s) {
    return s.substr(0, s.find("\r\n"));
}

} // namespace

TEST(Befehlszeile, WritesTheThreeTablesInBothLanguages) {
    for (const std::string sprache : {"de", "en"}) {
        const fs::path d = Verzeichnis() / sprache;
        fs::create_directories(d);
        Lauf l = Starte("--lang " + sprache + " --table hours '" + (d / "h.csv").string() +
                        "' --table shadow '" + (d / "s.csv").string() + "' --table dates '" +
                        (d / "d.csv").string() + "'");
        EXPECT_EQ(l.status, 0) << l.fehler;
        EXPECT_EQ(l.fehler.find("SKIORA.EXE"), std::string::npos) << l.fehler; // no message
        // The same bytes as the reviewed export of the default dial.
        EXPECT_EQ(Lies(d / "h.csv"), Golden("hours_" + sprache + ".csv"));
        EXPECT_EQ(Lies(d / "s.csv"), Golden("shadow_" + sprache + ".csv"));
        EXPECT_EQ(Lies(d / "d.csv"), Golden("dates_" + sprache + ".csv"));
        EXPECT_EQ(std::distance(fs::directory_iterator(d), fs::directory_iterator()), 3);
    }
}

TEST(Befehlszeile, DistancesChangeTheHourTable) {
    const fs::path datei = Verzeichnis() / "abstand.csv";
    Lauf l = Starte("--distances --table hours '" + datei.string() + "'");
    ASSERT_EQ(l.status, 0) << l.fehler;
    const std::string inhalt = Lies(datei);
    EXPECT_EQ(ErsteZeile(inhalt),
              "\"Stundenmarkierung - Koordinaten  (Abstand zu den Endpunkten der kl. Achse)\";");
    EXPECT_NE(inhalt.find("\"  d1   \";\"  d2   \""), std::string::npos);
    EXPECT_EQ(inhalt.find("\"   x   \""), std::string::npos);
}

TEST(Befehlszeile, UsageErrorsAndHelp) {
    // Every value is checked before anything is written; the message names
    // the option.
    const std::string x = "'" + (Verzeichnis() / "x.csv").string() + "'";
    const std::string b = "'" + (Verzeichnis() / "b.plt").string() + "'";
    for (const std::string& falsch : std::vector<std::string>{
             "--table bogus " + x, "--lang fr --table hours " + x, "--table hours",
             "--table hours ''", "--frobnicate", "--view 0,1,1 --table hours " + x,
             "--view 1,x,2 --table hours " + x, "--hpgl " + b + " --view 1,1e308,0",
             "--hpgl " + b + " --scaled 1e308", "--table hours " + x + " --scaled 20.5"}) {
        Lauf l = Starte(falsch);
        EXPECT_EQ(l.status, 2) << falsch;
        EXPECT_NE(l.fehler.find("usage: skiora"), std::string::npos) << falsch;
        const auto option = falsch.find("--scaled") != std::string::npos ? "--scaled"
                            : falsch.find("--view") != std::string::npos ? "--view"
                                                                         : "";
        EXPECT_EQ(l.fehler.rfind(std::string("skiora: ") + option, 0), 0u) << l.fehler;
    }
    EXPECT_FALSE(fs::exists(Verzeichnis() / "x.csv"));
    EXPECT_FALSE(fs::exists(Verzeichnis() / "b.plt"));
    Lauf l = Starte("--help");
    EXPECT_EQ(l.status, 0);
    EXPECT_NE(l.aus.find("usage: skiora"), std::string::npos);
}

TEST(Befehlszeile, UnwritableOutputFailsAndLeavesNothing) {
    const fs::path d = Verzeichnis() / "teilweise";
    fs::create_directories(d);
    const fs::path fehlt = d / "fehlt" / "h.csv";
    Lauf l = Starte("--table hours '" + fehlt.string() + "' --table dates '" +
                    (d / "d.csv").string() + "'");
    EXPECT_EQ(l.status, 1);
    EXPECT_NE(l.fehler.find("SKIORA.EXE  -  Fehler!: Die Datei " + fehlt.string() +
                            " kann nicht geschrieben werden: den Ordner gibt es nicht.\n"),
              std::string::npos)
        << l.fehler;
    EXPECT_FALSE(fs::exists(d / "fehlt"));
    // The other output is still written, and nothing else is left behind.
    EXPECT_EQ(Lies(d / "d.csv"), Golden("dates_de.csv"));
    EXPECT_EQ(std::distance(fs::directory_iterator(d), fs::directory_iterator()), 1);
}

// A configuration the program cannot take whole gives no output at all: a
// table of another dial under the requested name is worse than none.
TEST(Befehlszeile, AConfigurationNotReadWholeWritesNothing) {
    const fs::path d = Verzeichnis() / "unvollstaendig";
    fs::create_directories(d);
    ASSERT_EQ(Starte("--save-config '" + (d / "gut.ini").string() + "'").status, 0);
    std::string komma = Lies(d / "gut.ini");
    komma.replace(komma.find("47.250000"), 9, "52,5");
    Schreibe(d / "c.ini", komma);
    Schreibe(d / "gross.ini", Lies(d / "gut.ini") + std::string(100 * 1024, 'x'));
    // A faulty line, and a file refused before reading (the reasons of the
    // others are tested in tests/config).
    const std::pair<std::string, std::string> faelle[] = {
        {(d / "c.ini").string(), "Error during File Input!\nZeile 2: 52,5\n"},
        {(d / "gross.ini").string(), "64 KiB"}};
    for (const auto& [konfig, text] : faelle) {
        SCOPED_TRACE(konfig);
        // Saving over the faulty file itself must not put defaults there.
        Lauf l = Starte("'" + konfig + "' --save-config '" + (d / "c.ini").string() +
                        "' --table hours '" + (d / "h.csv").string() + "' --png '" +
                        (d / "p.png").string() + "'");
        EXPECT_EQ(l.status, 1);
        EXPECT_NE(l.fehler.find(text), std::string::npos) << l.fehler;
        EXPECT_EQ(Lies(d / "c.ini"), komma);
        EXPECT_FALSE(fs::exists(d / "h.csv") || fs::exists(d / "p.png"));
        EXPECT_EQ(std::distance(fs::directory_iterator(d), fs::directory_iterator()), 3);
    }
}

// Reading is bounded: an endless input costs no more memory than a valid one.
TEST(Befehlszeile, AnEndlessConfigurationIsRefusedWithinBoundedMemory) {
    const fs::path h = Verzeichnis() / "speicher.csv";
    int status = -1;
    const long normal = SpitzenSpeicher({"--table", "hours", h.string()}, status);
    ASSERT_EQ(status, 0);
    const long endlos = SpitzenSpeicher({"/dev/zero", "--table", "hours", h.string()}, status);
    EXPECT_EQ(status, 1);
    EXPECT_LT(endlos - normal, 20 * 1024) << normal << " KiB, then " << endlos << " KiB";
}

TEST(Befehlszeile, NoonTableReachTableAndTheReadersHeights) {
    const fs::path d = Verzeichnis() / "sonne";
    fs::create_directories(d);
    Lauf l = Starte("--lang en --noon-table '" + (d / "noon.csv").string() + "' --reach-table '" +
                    (d / "reach.csv").string() + "' --heights 1.5,2");
    ASSERT_EQ(l.status, 0) << l.fehler;
    const std::string mittag = Lies(d / "noon.csv");
    EXPECT_EQ(ErsteZeile(mittag), "\"True solar noon 2002\";");
    EXPECT_NE(mittag.find("\r\n\"Date\";\"Equation of time\";\"True noon (zone time)\";\r\n"
                          "\"01.Jan\";\" -3:32\";\"12:25:10\";\r\n"),
              std::string::npos);
    EXPECT_EQ(std::count(mittag.begin(), mittag.end(), '\n'), 8 + 366);
    const std::string reichweite = Lies(d / "reach.csv");
    EXPECT_EQ(ErsteZeile(reichweite), "\"Shadow reach (1.50 m, 2.00 m)\";");
    EXPECT_NE(reichweite.find("\r\n\"Height (m)\";\"Marks in daylight\";\"too short\";\"Share\";"
                              "\"largest semi-major axis (m)\";\r\n\"1.50\";"),
              std::string::npos);

    const std::string x = " --reach-table '" + (d / "x.csv").string() + "'";
    for (const std::string& falsch :
         {"--heights 3" + x, "--heights 1.2,,1.8" + x, "--heights abc" + x,
          "--heights 1,1,1,1,1" + x, x + " --heights", x + " --noon-table",
          x + " --noon-table ''"}) {
        Lauf f = Starte(falsch);
        EXPECT_EQ(f.status, 2) << falsch;
        EXPECT_NE(f.fehler.find("usage: skiora"), std::string::npos) << falsch;
    }
    EXPECT_FALSE(fs::exists(d / "x.csv"));

    const fs::path fehlt = d / "fehlt" / "noon.csv";
    Lauf f = Starte("--noon-table '" + fehlt.string() + "'");
    EXPECT_EQ(f.status, 1);
    EXPECT_NE(f.fehler.find(fehlt.string()), std::string::npos) << f.fehler;
}
