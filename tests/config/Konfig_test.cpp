// Configuration files: the rules line by line, files on disk, the start
// configuration and the command line.
#include "config/Konfiguration.h"
#include "core/Sonnenuhr.h"
#include "core/Zahlen.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>

using namespace skiora;
using namespace skiora::config;
namespace fs = std::filesystem;

namespace {

constexpr auto Laden = LeseAbsender::Datenladen1;
const std::string StoppText = "Error during File Input!";

// The default file with some lines (numbered from 1) replaced.
std::vector<std::string> Zeilen(std::initializer_list<std::pair<int, const char*>> neu) {
    Sonnenuhr uhr;
    auto z = KonfigurationSchreiben(uhr);
    for (auto [nr, text] : neu)
        z[nr - 1] = text;
    return z;
}

std::string LetzteMeldung(Sonnenuhr& uhr) {
    const auto& e = dynamic_cast<SammelMelder&>(uhr.melder()).eintraege;
    return e.empty() ? "" : e.back().text;
}

std::string AlsDatei(const std::vector<std::string>& zeilen, const char* ende) {
    std::string s;
    for (const auto& z : zeilen)
        s += z + ende;
    return s;
}

class KonfigDatei : public ::testing::Test {
  protected:
    void SetUp() override { fs::create_directories(verz); }
    void TearDown() override { fs::remove_all(verz); }
    std::string Pfad(const std::string& name) const { return (verz / name).string(); }
    void Schreibe(const std::string& name, const std::string& inhalt) const {
        std::ofstream(Pfad(name), std::ios::binary) << inhalt;
    }
    std::string Lies(const std::string& name) const {
        std::ifstream ein(Pfad(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>()};
    }
    const fs::path verz =
        fs::temp_directory_path() / ("skiora_config_" + std::to_string(std::random_device{}()));
};

} // namespace

TEST(KonfigSchreiben, DefaultsAndTenSignificantDigits) {
    const std::vector<std::string> erwartet = {
        "2002",     "47.250000", "-9.590000", "-15.000000", "0.000000", "90.000000", "1.700000",
        "2.750000", "20.200000", "3",         "2",          "1",        "0",         "5",
        "21",       "8",         "19",        "1",          "01/05",    "0",         "Deutsch",
        "nn",       "",          "",          "",           ""};
    Sonnenuhr uhr;
    std::ostringstream aus;
    KonfigurationSchreiben(uhr, aus);
    EXPECT_EQ(aus.str(), AlsDatei(erwartet, "\r\n"));
    uhr.p.Halb = 123456.78901234; // 123456.7890, then 6 decimals
    EXPECT_EQ(KonfigurationSchreiben(uhr)[7], "123456.789000");
}

TEST(KonfigLesen, ShortLongAndEmptyFiles) {
    Sonnenuhr uhr;
    uhr.anz.ChBRiseSetHaken = uhr.opt.Genau = true;
    auto z = Zeilen({{1, "2010"}, {21, "English"}});
    z.resize(21);
    EXPECT_EQ(KonfigurationLesen(uhr, Laden, z).status, LeseStatus::Gelesen);
    EXPECT_TRUE(uhr.p.Jahr == 2010 && !uhr.sprache.SpracheDeutsch);
    EXPECT_TRUE(uhr.anz.ChBRiseSetHaken && uhr.opt.Genau); // lines 22.. absent: kept
    // Lines after 26 are not read, however faulty.
    z = Zeilen({{22, "jj"}});
    z.insert(z.end(), {"x", "47,25", "", "7/8"});
    EXPECT_EQ(KonfigurationLesen(uhr, Laden, z).status, LeseStatus::Gelesen);
    Sonnenuhr leer;
    EXPECT_EQ(KonfigurationLesen(leer, Laden, {}).status, LeseStatus::Leer);
    EXPECT_EQ(LetzteMeldung(leer), "File  nicht gefunden!");
}

TEST(KonfigLesen, IntegerDefaultsFoldedChoicesLanguageAndSwitchLine) {
    Sonnenuhr uhr;
    uhr.p.Jahr = 2050;
    uhr.p.Anzahl = 6;
    uhr.p.Zonenzeit = 0;
    // Year 2002, Anzahl 3 and Zonenzeit 1 by default; Mittelwert above 4 is
    // method 0, rgDefault above 1 "aus Tabelle"; only "Deutsch" is German.
    auto z = Zeilen(
        {{1, "zwei"}, {10, "x"}, {13, ""}, {18, "7"}, {20, "5"}, {21, "deutsch"}, {22, "jx"}});
    ASSERT_EQ(KonfigurationLesen(uhr, Laden, z).status, LeseStatus::Gelesen);
    // clang-format off
    EXPECT_EQ((std::vector<int>{uhr.p.Jahr, uhr.p.Anzahl, uhr.p.Zonenzeit, uhr.p.Mittelwert,
                                uhr.opt.DefaultWerte, uhr.sprache.SpracheDeutsch,
                                uhr.anz.ChBRiseSetHaken, uhr.opt.Genau}),
              (std::vector<int>{2002, 3, 1, 0, 0, 0, 1, 0}));
    // clang-format on
}

TEST(DatumLesen, NormalizesChecksLeapYearsAndKeepsTheDateInForce) {
    // Line 19 read after the year on line 1; a refused date keeps 01/05 silently.
    // clang-format off
    const std::array<const char*, 4> faelle[] = {
        {"1/5", "2002", "01/05", "01. Mai"},   {"24/12", "2002", "24/12", "24. Dez"},
        {"29/02", "2004", "29/02", "29. Feb"}, {"29/02", "2000", "29/02", "29. Feb"},
        {"29/02", "1900", "01/05", "01. Mai"}, {"29/02", "2003", "01/05", "01. Mai"},
        {"31/04", "2002", "01/05", "01. Mai"}, {"00/05", "2002", "01/05", "01. Mai"},
        {"12/13", "2002", "01/05", "01. Mai"}};
    // clang-format on
    for (const auto& [text, jahr, normal, name] : faelle) {
        SCOPED_TRACE(std::string(text) + " in " + jahr);
        Sonnenuhr uhr;
        KonfigurationLesen(uhr, Laden, Zeilen({{1, jahr}, {19, text}}));
        EXPECT_EQ(uhr.opt.ExtraDatumText + " " + uhr.opt.ExtraDatumName,
                  std::string(normal) + " " + name);
        EXPECT_EQ(uhr.opt.ExtraTag * 100 + uhr.opt.ExtraMonat,
                  std::stoi(normal) * 100 + std::stoi(normal + 3));
        EXPECT_EQ(LetzteMeldung(uhr), "");
    }
    // An unreadable date is reported and keeps the date in force; only at
    // start-up does it fall back to 01/08.
    for (const char* leer : {"", "  /  "}) {
        Sonnenuhr uhr, start;
        KonfigurationLesen(uhr, Laden, Zeilen({{19, leer}}));
        KonfigurationLesen(start, LeseAbsender::Hauptfenster, Zeilen({{19, leer}}));
        EXPECT_EQ(LetzteMeldung(uhr), "Fehlerhaftes Datum !");
        EXPECT_EQ(uhr.opt.ExtraDatumText + uhr.opt.ExtraDatumName, "01/0501. Mai");
        EXPECT_EQ(start.opt.ExtraDatumText + start.opt.ExtraDatumName, "01/0801. Aug");
        EXPECT_EQ(start.opt.ExtraTag * 100 + start.opt.ExtraMonat, 108);
    }
    // A year without a leap day moves the extra date, as the year field does.
    Sonnenuhr uhr;
    uhr.opt.ExtraTag = 29;
    uhr.opt.ExtraMonat = 2;
    KonfigurationLesen(uhr, Laden, {"2003"});
    EXPECT_EQ(std::to_string(uhr.opt.ExtraTag) + uhr.opt.ExtraDatumText + uhr.opt.ExtraDatumName,
              "2828/0228. Feb");
}

TEST(Stundenlisten, ReadEndsWithAnEmptyCellStopsOnAMissingSlashAndWritesPairs) {
    Sonnenuhr uhr;
    Gitter& g = uhr.tab.StrGridEin;
    for (int zeile = 1; zeile <= 5; ++zeile)
        for (int spalte = 1; spalte <= 4; ++spalte)
            g.Setze(spalte, zeile, "1");
    auto z = Zeilen({{23, "7/8.5/17/"}, {24, "12//"}});
    EXPECT_EQ(KonfigurationLesen(uhr, Laden, z).status, LeseStatus::Gelesen);
    // Written back: an empty cell ends a list, the second column follows the
    // hour column, empty cells included; an empty line left column 3 alone.
    EXPECT_EQ(StundenlistenSchreiben(uhr),
              (std::vector<std::string>{"7/8.5/17/", "12///", "1/1/1/1/1/", "1/1/1/1/1/"}));
    // "7/8": "8" never reaches the table, line 24 is not read.
    EXPECT_EQ(KonfigurationLesen(uhr, Laden, Zeilen({{23, "7/8"}, {24, "5/"}})).zeile, 23);
    EXPECT_EQ(g.Zelle(1, 1) + "|" + g.Zelle(1, 2) + "|" + g.Zelle(2, 1), "7|8.5|12");
    // Only numbers, and no more rows than the table has.
    EXPECT_FALSE(StundenlisteLesen(uhr, 1, "7/acht/"));
    EXPECT_FALSE(StundenlisteLesen(uhr, 3, std::string(31, '/')));
    EXPECT_TRUE(StundenlisteLesen(uhr, 3, std::string(30, '/')));
}

// Values the window's own input checks refuse stop the reading like an
// unreadable line: nothing of the file is applied.
TEST(KonfigLesen, ValuesTheWindowRefusesStopTheReading) {
    const std::pair<int, const char*> faelle[] = {
        {1, "1650"},  {2, "120"},     {3, "-195.5"}, {5, "91"},  {6, "241"}, {6, "-61"},
        {7, "0.05"},  {8, "-2"},      {9, "23.5"},   {10, "5"},  {10, "0"},  {11, "0"},
        {11, "7"},    {12, "3"},      {13, "2"},     {14, "1"},  {15, "24"}, {16, "12"},
        {17, "22"},   {2, "1e999"},   {2, "nan"},    {8, "inf"}, {18, "-1"}, {20, "300"},
        {8, "1e308"}, {7, "1000001"}, // beyond these the tables overflow
        {2, "47,25"}, {22, ""}};
    for (const auto& [zeile, text] : faelle) {
        SCOPED_TRACE(std::to_string(zeile) + ": " + text);
        Sonnenuhr uhr, frisch;
        // Line 22 "jj" shows whether the reading went on past the stop.
        auto e = KonfigurationLesen(uhr, Laden, Zeilen({{1, "2001"}, {22, "jj"}, {zeile, text}}));
        EXPECT_EQ(e.status, LeseStatus::Gestoppt);
        EXPECT_EQ(e.zeile, zeile);
        EXPECT_EQ(LetzteMeldung(uhr),
                  StoppText + ("\nZeile " + std::to_string(zeile) + ": " + text));
        // The document writes as before: not even line 1 was applied.
        EXPECT_EQ(KonfigurationSchreiben(uhr), KonfigurationSchreiben(frisch));
    }
}

TEST(KonfigLesen, HourRangeBeyondTheArraysIsRefusedAsAWhole) {
    // Lph 6 from 2 to 23: 21 hours of 6 lines do not fit 126 points.
    Sonnenuhr uhr;
    EXPECT_EQ(KonfigurationLesen(uhr, Laden, Zeilen({{11, "6"}, {14, "2"}, {15, "23"}})).zeile, 15);
    EXPECT_TRUE(uhr.StundenBereichErlaubt(uhr.opt.StdVon, uhr.opt.StdBis, uhr.p.Lph));
    auto z = Zeilen({{11, "6"}, {14, "3"}, {15, "23"}}); // one hour shorter fits
    EXPECT_EQ(KonfigurationLesen(uhr, Laden, z).status, LeseStatus::Gelesen);
    // A file ending before line 15 may not leave a combination that does not fit.
    Sonnenuhr breit;
    breit.opt.StdVon = 2;
    breit.opt.StdBis = 23;
    z.resize(12);
    EXPECT_EQ(KonfigurationLesen(breit, Laden, z).status, LeseStatus::Gestoppt);
    EXPECT_EQ(breit.p.Lph, 2);
}

TEST(KonfigLesen, RightAnglesAndTheEquatorAreStoredAsTheWindowDoes) {
    Sonnenuhr uhr;
    auto z = Zeilen({{2, "-0.001"}, {5, "-90.0000000"}, {6, "180"}}); // GnomInc 90
    ASSERT_EQ(KonfigurationLesen(uhr, Laden, z).status, LeseStatus::Gelesen);
    EXPECT_DOUBLE_EQ(uhr.p.Breit, 0.005);
    EXPECT_DOUBLE_EQ(uhr.p.Incl, -89.9999999);
    EXPECT_DOUBLE_EQ(uhr.p.GnomInc, 90.000001);
}

TEST_F(KonfigDatei, FilesAreCrLfInTheCodePageAndAFailedSaveKeepsTheOldFile) {
    Sonnenuhr uhr;
    uhr.tab.StrGridEin.Setze(1, 1, "\xC3\xA4"); // not a number, but shows the encoding
    ASSERT_TRUE(KonfigurationSpeichern(uhr, Pfad("a.ini")));
    const std::string s = Lies("a.ini");
    EXPECT_EQ(s.substr(0, 17), "2002\r\n47.250000\r\n");
    EXPECT_NE(s.find("\r\n\xE4/\r\n"), std::string::npos);
    EXPECT_EQ(ZeilenLaden(Pfad("a.ini")), KonfigurationSchreiben(uhr));
    Schreibe("lf.ini", "2010\n47.5\nend");
    EXPECT_EQ(ZeilenLaden(Pfad("lf.ini")), (std::vector<std::string>{"2010", "47.5", "end"}));
    EXPECT_FALSE(ZeilenLaden(Pfad("fehlt.ini")));
    EXPECT_FALSE(ZeilenLaden(verz.string()));

    // A failed save reports message 18 and leaves what was there.
    fs::create_directory(Pfad("ordner.ini"));
    EXPECT_FALSE(KonfigurationSpeichern(uhr, Pfad("ordner.ini")));
    EXPECT_EQ(LetzteMeldung(uhr), Pfad("ordner.ini") +
                                      " :  Datei kann nicht gespeichert werden! Schreibgeschützt?\n"
                                      "Die Datei " +
                                      Pfad("ordner.ini") +
                                      " kann nicht geschrieben werden: das ist ein Ordner.");
    EXPECT_TRUE(fs::is_directory(Pfad("ordner.ini")));
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(verz), fs::directory_iterator()), 3);
}

TEST_F(KonfigDatei, LoadingAppliesTheFileAndItsPanelsAndASplitDialIsCalculated) {
    Sonnenuhr uhr, frisch;
    uhr.btGoClick(); // the tables of the default dial
    // Incl 20: no error graph; a split analemma.
    Schreibe("a.ini", AlsDatei(Zeilen({{5, "20.000000"}, {12, "2"}}), "\r\n"));
    EXPECT_TRUE(KonfigurationLaden(uhr, Pfad("a.ini")));
    EXPECT_TRUE(uhr.opt.SplitModus && uhr.anz.pSplitSichtbar);
    EXPECT_FALSE(uhr.anz.pErrGraphSichtbar);
    EXPECT_NEAR(uhr.SinGI, std::sin(70 * Rad), 1e-12);
    NachLadenRechnen(uhr);
    KonfigurationLaden(frisch, Pfad("a.ini"));
    frisch.btGoClick();
    EXPECT_EQ(uhr.tab.StrGrid8, frisch.tab.StrGrid8); // not the previous dial's dates
}

TEST_F(KonfigDatei, StartUpTakesSkioraIniThenStartAdtThenTheBuiltInDial) {
    const std::string verzeichnis = ProgVerz(Pfad("skiora"));
    EXPECT_EQ(verzeichnis, verz.string() + "/");
    Sonnenuhr keine, adt, ini, quelle;
    EXPECT_EQ(StartKonfigurationLesen(keine, verzeichnis).quelle, StartQuelle::Keine);
    EXPECT_EQ(keine.opt.ExtraDatumText + keine.opt.ExtraDatumName, "01/0501. Mai");
    Schreibe("start.adt", "1999\n"); // an older, shorter file
    EXPECT_EQ(StartKonfigurationLesen(adt, verzeichnis).quelle, StartQuelle::StartAdt);
    EXPECT_EQ(adt.p.Jahr, 1999);
    quelle.p.Jahr = 2050;
    ASSERT_TRUE(StartKonfigurationSpeichern(quelle, verzeichnis));
    // A success is information, not an error.
    EXPECT_EQ(dynamic_cast<SammelMelder&>(quelle.melder()).eintraege.back().symbol, Symbol::Info);
    auto e = StartKonfigurationLesen(ini, verzeichnis);
    EXPECT_EQ(e.quelle, StartQuelle::SkioraIni);
    EXPECT_TRUE(e.ok && ini.p.Jahr == 2050);
    // A failed save reports message 18, not the confirmation.
    EXPECT_FALSE(StartKonfigurationSpeichern(quelle, verz.string() + "/fehlt/"));
    EXPECT_NE(LetzteMeldung(quelle).find("gespeichert werden!"), std::string::npos);
}

// A file saved by the program loads after a restart with identical tables.
TEST_F(KonfigDatei, CommandLineRoundTripGivesIdenticalTables) {
    const std::string programm = SKIORA_BINARY_DIR "/skiora";
    if (!fs::exists(programm)) GTEST_SKIP() << "skiora not built";
    auto z = Zeilen({{1, "2004"}, {2, "-33.87"}, {5, "10"}, {19, "29/02"}, {21, "English"}});
    Schreibe("ein.ini", AlsDatei(z, "\n"));
    z[1] = "120"; // refused
    Schreibe("falsch.ini", AlsDatei(z, "\r\n"));
    const char* const tabellen[] = {"hours", "shadow", "dates"};
    auto lauf = [&](const std::string& konfig, const std::string& n) {
        std::string befehl = programm + " " + Pfad(konfig) + " --save-config " + Pfad("aus" + n);
        for (const char* t : tabellen)
            befehl += std::string(" --table ") + t + " " + Pfad(t + n);
        return std::system((befehl + " 2>" + Pfad("fehler" + n)).c_str());
    };
    ASSERT_EQ(lauf("ein.ini", "1"), 0) << Lies("fehler1");
    ASSERT_EQ(lauf("aus1", "2"), 0) << Lies("fehler2");
    EXPECT_EQ(Lies("aus1"), Lies("aus2"));
    EXPECT_NE(Lies("aus1").find("-33.870000\r\n"), std::string::npos);
    for (const char* t : tabellen)
        EXPECT_EQ(Lies(t + std::string("1")), Lies(t + std::string("2"))) << t;
    // The language line speaks: English captions.
    EXPECT_EQ(Lies("hours1").rfind("\" Hour Marks", 0), 0u);

    // A missing file and a file stopped at a faulty line fail the run; the
    // messages speak German, as no language line was read, and the file's
    // English after it was.
    EXPECT_NE(lauf("fehlt.ini", "3"), 0);
    EXPECT_NE(Lies("fehler3").find("Fehler beim Lesen der Datei!"), std::string::npos);
    EXPECT_NE(lauf("falsch.ini", "4"), 0);
    EXPECT_NE(Lies("fehler4").find("Error during File Input!\nLine 2: 120"), std::string::npos);
    // ... and no output shows another dial under the requested names.
    EXPECT_FALSE(fs::exists(Pfad("aus4")) || fs::exists(Pfad("hours4")));
}
