// Configuration files on disk, the start configuration and the command line.
#include "Hilfen.h"

#include <gtest/gtest.h>

#include "core/Zahlen.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

using namespace skiora;
namespace fs = std::filesystem;

namespace {

class KonfigDatei : public ::testing::Test {
  protected:
    void SetUp() override {
        verz = fs::temp_directory_path() /
               ("skiora_config_" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(verz);
        fs::create_directories(verz);
    }
    void TearDown() override { fs::remove_all(verz); }

    std::string Pfad(const std::string& name) const { return (verz / name).string(); }
    void Schreibe(const std::string& name, const std::string& inhalt) const {
        std::ofstream(Pfad(name), std::ios::binary) << inhalt;
    }
    std::string Lies(const std::string& name) const {
        std::ifstream ein(Pfad(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>()};
    }

    fs::path verz;
};

} // namespace

TEST_F(KonfigDatei, FilesAreCrLfInTheCodePageAndAFailedSaveKeepsTheOldFile) {
    Sonnenuhr uhr;
    uhr.tab.StrGridEin.Setze(1, 1, "\xC3\xA4"); // not a number, but shows the encoding
    ASSERT_TRUE(config::KonfigurationSpeichern(uhr, Pfad("a.ini")));
    const std::string s = Lies("a.ini");
    EXPECT_EQ(s.substr(0, 17), "2002\r\n47.250000\r\n");
    EXPECT_NE(s.find("\r\n\xE4/\r\n"), std::string::npos);
    EXPECT_EQ(config::ZeilenLaden(Pfad("a.ini")), config::KonfigurationSchreiben(uhr));
    Schreibe("lf.ini", "2010\n47.5\nend");
    EXPECT_EQ(config::ZeilenLaden(Pfad("lf.ini")),
              (std::vector<std::string>{"2010", "47.5", "end"}));
    Schreibe("leer.ini", "");
    EXPECT_TRUE(config::ZeilenLaden(Pfad("leer.ini"))->empty());
    EXPECT_FALSE(config::ZeilenLaden(Pfad("fehlt.ini")));
    EXPECT_FALSE(config::ZeilenLaden(verz.string()));

    const std::string ziel = Pfad("fehlt/b.ini");
    EXPECT_FALSE(config::KonfigurationSpeichern(uhr, ziel));
    EXPECT_EQ(test::LetzteMeldung(uhr),
              ziel + " :  Datei kann nicht gespeichert werden! Schreibgeschützt?");
    fs::create_directory(Pfad("ordner.ini"));
    EXPECT_FALSE(config::KonfigurationSpeichern(uhr, Pfad("ordner.ini")));
    EXPECT_TRUE(fs::is_directory(Pfad("ordner.ini")));
    // No temporary file is left behind.
    int dateien = 0;
    for (auto& e : fs::directory_iterator(verz))
        dateien += e.is_regular_file();
    EXPECT_EQ(dateien, 3);
}

TEST_F(KonfigDatei, LoadingAppliesTheFileAndItsPanels) {
    Sonnenuhr uhr;
    uhr.ansicht.Zoom = 3;
    // Incl 20: no error graph; a split analemma.
    Schreibe("a.ini", test::AlsDatei(test::Zeilen({{5, "20.000000"}, {12, "2"}}), "\r\n"));
    EXPECT_TRUE(config::KonfigurationLaden(uhr, Pfad("a.ini")));
    EXPECT_TRUE(uhr.opt.SplitModus && uhr.anz.pSplitSichtbar);
    EXPECT_FALSE(uhr.anz.pErrGraphSichtbar);
    EXPECT_NEAR(uhr.SinGI, std::sin(70 * Rad), 1e-12);
    EXPECT_EQ(uhr.ansicht.Zoom, 1);
}

TEST_F(KonfigDatei, StartUpTakesSkioraIniThenStartAdtThenTheBuiltInDial) {
    const std::string verzeichnis = config::ProgVerz(Pfad("skiora"));
    EXPECT_EQ(verzeichnis, verz.string() + "/");
    Sonnenuhr keine, adt, ini, quelle;
    EXPECT_EQ(config::StartKonfigurationLesen(keine, verzeichnis).quelle,
              config::StartQuelle::Keine);
    EXPECT_EQ(keine.opt.ExtraDatumText + keine.opt.ExtraDatumName, "01/0501. Mai");
    Schreibe("start.adt", "1999\n"); // an older, shorter file
    EXPECT_EQ(config::StartKonfigurationLesen(adt, verzeichnis).quelle,
              config::StartQuelle::StartAdt);
    EXPECT_EQ(adt.p.Jahr, 1999);
    quelle.p.Jahr = 2050;
    quelle.sprache.Waehle(false);
    ASSERT_TRUE(config::StartKonfigurationSpeichern(quelle, verzeichnis));
    EXPECT_EQ(test::LetzteMeldung(quelle), "\"skiora.ini\" : File saved !");
    auto e = config::StartKonfigurationLesen(ini, verzeichnis);
    EXPECT_EQ(e.quelle, config::StartQuelle::SkioraIni);
    EXPECT_TRUE(e.ok);
    EXPECT_EQ(ini.p.Jahr, 2050);
    EXPECT_FALSE(ini.sprache.SpracheDeutsch);
    Sonnenuhr uhr;
    const size_t vorher = test::Meldungen(uhr).size();
    EXPECT_FALSE(config::StartKonfigurationSpeichern(uhr, verz.string() + "/fehlt/"));
    EXPECT_EQ(test::Meldungen(uhr).size(), vorher + 1); // the failure, no confirmation
}

// A file saved by the program loads after a restart with identical tables.
TEST_F(KonfigDatei, CommandLineRoundTripGivesIdenticalTables) {
    const std::string programm = SKIORA_BINARY_DIR "/skiora";
    if (!fs::exists(programm)) GTEST_SKIP() << "skiora not built";
    auto z = test::Zeilen({{1, "2004"},
                           {2, "-33.870000"},
                           {5, "10.000000"},
                           {11, "4"},
                           {19, "29/02"},
                           {21, "English"}});
    Schreibe("ein.ini", test::AlsDatei(z, "\n"));
    auto lauf = [&](const std::string& konfig, const std::string& endung) {
        std::string befehl =
            programm + " " + Pfad(konfig) + " --save-config " + Pfad("aus" + endung + ".ini");
        for (const char* t : {"hours", "shadow", "dates"})
            befehl += std::string(" --table ") + t + " " + Pfad(t + endung + ".csv");
        return std::system((befehl + " 2>" + Pfad("fehler" + endung + ".txt")).c_str());
    };
    ASSERT_EQ(lauf("ein.ini", "1"), 0) << Lies("fehler1.txt");
    ASSERT_EQ(lauf("aus1.ini", "2"), 0) << Lies("fehler2.txt");
    EXPECT_EQ(Lies("aus1.ini"), Lies("aus2.ini"));
    EXPECT_NE(Lies("aus1.ini").find("-33.870000\r\n"), std::string::npos);
    for (const char* t : {"hours", "shadow", "dates"}) {
        EXPECT_FALSE(Lies(std::string(t) + "1.csv").empty());
        EXPECT_EQ(Lies(std::string(t) + "1.csv"), Lies(std::string(t) + "2.csv")) << t;
    }
    // The language line speaks: English captions.
    EXPECT_EQ(Lies("hours1.csv").find("Stunden"), std::string::npos);

    // A missing file and a file stopped at a faulty line fail the run; the
    // messages speak German, as no language line was read.
    EXPECT_NE(lauf("fehlt.ini", "3"), 0);
    EXPECT_NE(Lies("fehler3.txt").find("Fehler beim Lesen der Datei!"), std::string::npos);
    z[1] = "120";
    Schreibe("falsch.ini", test::AlsDatei(z, "\r\n"));
    EXPECT_NE(lauf("falsch.ini", "4"), 0);
    EXPECT_NE(Lies("fehler4.txt").find("Error during File Input!"), std::string::npos);
    // ... and the outputs still show what was applied: line 1 (the year) yes,
    // the refused latitude no.
    EXPECT_NE(Lies("aus4.ini").find("2004\r\n47.250000\r\n"), std::string::npos);
    EXPECT_FALSE(Lies("hours4.csv").empty());
}
