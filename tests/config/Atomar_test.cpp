// Loading is all or nothing: a faulty line leaves the dial as it was and is
// named; files are read within a bound; what the fields accept loads again.
// (The command line's side is in tests/cli, the window's in tests/app.)
#include "config/Konfiguration.h"
#include "core/Sonnenuhr.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

using namespace skiora;
using namespace skiora::config;
namespace fs = std::filesystem;

namespace {

constexpr auto Laden = LeseAbsender::Datenladen1;

std::vector<std::string> Zeilen(std::initializer_list<std::pair<int, const char*>> neu) {
    Sonnenuhr uhr;
    auto z = KonfigurationSchreiben(uhr);
    for (auto [nr, text] : neu)
        z[nr - 1] = text;
    return z;
}

std::string AlsDatei(const std::vector<std::string>& zeilen) {
    std::string s;
    for (const auto& z : zeilen)
        s += z + "\r\n";
    return s;
}

const std::vector<SammelMelder::Eintrag>& Meldungen(Sonnenuhr& uhr) {
    return dynamic_cast<SammelMelder&>(uhr.melder()).eintraege;
}
std::string LetzteMeldung(Sonnenuhr& uhr) {
    return Meldungen(uhr).empty() ? "" : Meldungen(uhr).back().text;
}

// Another dial than the built-in one, with its tables computed.
void AndererDial(Sonnenuhr& uhr) {
    uhr.p.Breit = 52.5;
    uhr.p.Zone = -30;
    uhr.p.Incl = 10;
    uhr.p.GnomWinkel = 100;
    uhr.p.GnomInc = 10;
    uhr.opt.StdVon = 7;
    uhr.tab.StrGridEin.Setze(1, 1, "9");
    uhr.tab.StrGridEin.Setze(2, 1, "1");
    uhr.btGoClick();
}

std::vector<Gitter> AlleTabellen(const Tabellen& t) {
    return {t.StrGridStd, t.StrGridShad, t.StrGridDat, t.StrGrid8,
            t.StrGrid8b,  t.StrMittel,   t.StrGridEin};
}

struct Abbild {
    std::vector<std::string> zeilen;
    std::vector<Gitter> tab;
    double SinGI, Klein, GnomInc;
    bool operator==(const Abbild&) const = default;
};
Abbild Aufnahme(const Sonnenuhr& uhr) {
    return {KonfigurationSchreiben(uhr), AlleTabellen(uhr.tab), uhr.SinGI, uhr.Klein,
            uhr.p.GnomInc};
}

class Verzeichnis : public ::testing::Test {
  protected:
    void SetUp() override { fs::create_directories(verz); }
    void TearDown() override { fs::remove_all(verz); }
    std::string Schreibe(const std::string& name, const std::string& inhalt) const {
        const std::string pfad = (verz / name).string();
        std::ofstream(pfad, std::ios::binary) << inhalt;
        return pfad;
    }
    const fs::path verz =
        fs::temp_directory_path() / ("skiora_atomar_" + std::to_string(std::random_device{}()));
};

} // namespace

TEST(AtomaresLesen, AFaultyLineLeavesTheDialAsItWasAndIsNamedInTheMessage) {
    struct Fall {
        int sprache;
        std::vector<std::string> zeilen;
        const char* zweiteZeile;
    };
    // Line 23 is late: before, 22 lines of the file were applied, mixing two dials.
    const Fall faelle[] = {{1, Zeilen({{2, "47,25"}}), "Zeile 2: 47,25"},
                           {2, Zeilen({{2, "47,25"}}), "Line 2: 47,25"},
                           {1, Zeilen({{1, "2010"}, {2, "10"}, {23, "7/8"}}), "Zeile 23: 7/8"},
                           {2, Zeilen({{22, ""}}), "Line 22: "},
                           // The seven lines of a stopped read that set the gnomon angle but not
                           // its inclination.
                           {1, {"2002", "47", "0", "0", "0", "120", "x"}, "Zeile 7: x"}};
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.zweiteZeile);
        Sonnenuhr uhr;
        AndererDial(uhr);
        uhr.sprache.Waehle(f.sprache == 1);
        const Abbild vorher = Aufnahme(uhr);
        const auto e = KonfigurationLesen(uhr, Laden, f.zeilen);
        EXPECT_EQ(e.status, LeseStatus::Gestoppt);
        EXPECT_EQ(LetzteMeldung(uhr), std::string("Error during File Input!\n") + f.zweiteZeile);
        EXPECT_TRUE(Aufnahme(uhr) == vorher);
        EXPECT_DOUBLE_EQ(uhr.p.GnomWinkel - 90, uhr.p.GnomInc);
    }
}

TEST(AtomaresLesen, TheFaultyLineIsShownShortAndPrintable) {
    Sonnenuhr uhr;
    std::string lang(300, 'x');
    lang[3] = '\x1b'; // an escape sequence must not reach a terminal
    KonfigurationLesen(uhr, Laden, Zeilen({{8, lang.c_str()}}));
    const std::string m = LetzteMeldung(uhr);
    const std::string zweite = m.substr(m.find('\n') + 1);
    EXPECT_EQ(zweite.rfind("Zeile 8: xxx?xxx", 0), 0u) << zweite;
    EXPECT_LT(zweite.size(), 80u);
    EXPECT_EQ(zweite.find('\x1b'), std::string::npos);
}

// The entry point for fuzzing: bytes in, state or faulty line out, and the
// starting document neither changed nor spoken through.
TEST(AtomaresLesen, TextEntryPointGivesStateOrFaultyLineAndLeavesTheDocument) {
    Sonnenuhr uhr;
    const Abbild vorher = Aufnahme(uhr);
    auto e = KonfigurationAusText("\xEF\xBB\xBF"
                                  "2010\n52.5\r\nx\n",
                                  uhr);
    EXPECT_EQ(e.status, LeseStatus::Gestoppt);
    EXPECT_EQ(e.zeile, 3);
    EXPECT_EQ(e.zeilenText, "x");
    // A byte-order mark before the year is skipped, not read as junk.
    e = KonfigurationAusText(
        "\xEF\xBB\xBF" + AlsDatei(Zeilen({{1, "2010"}, {2, "52.5"}, {19, "x"}})), uhr);
    ASSERT_EQ(e.status, LeseStatus::Gelesen);
    EXPECT_TRUE(e.konfig.p.Jahr == 2010 && e.konfig.p.Breit == 52.5 && e.datumUnlesbar);
    EXPECT_EQ(KonfigurationAusText("", uhr).status, LeseStatus::Leer);
    EXPECT_TRUE(Aufnahme(uhr) == vorher);
    EXPECT_TRUE(Meldungen(uhr).empty());
    // Applied, the unreadable date speaks.
    Uebernehmen(uhr, e);
    EXPECT_EQ(uhr.p.Jahr, 2010);
    EXPECT_EQ(LetzteMeldung(uhr), "Fehlerhaftes Datum !");
}

TEST_F(Verzeichnis, EmptyMissingAndOversizedFilesAreRefusedByName) {
    const std::string leer = Schreibe("leer.ini", "");
    const std::string gross =
        Schreibe("gross.ini", AlsDatei(Zeilen({})) + std::string(70 * 1024, '\n'));
    const std::string fehlt = (verz / "fehlt.ini").string();
    struct Fall {
        std::string pfad;
        const char *de, *en;
    };
    const Fall faelle[] = {{leer, "ist leer", "is empty"},
                           {gross, "64 KiB", "64 KiB"},
                           {fehlt, "gibt es nicht", "no such file"},
                           {verz.string(), "Ordner", "folder"},
                           {"/dev/zero", "64 KiB", "64 KiB"}};
    for (const Fall& f : faelle) {
        for (bool deutsch : {true, false}) {
            SCOPED_TRACE(f.pfad);
            Sonnenuhr uhr;
            AndererDial(uhr);
            uhr.sprache.Waehle(deutsch);
            const Abbild vorher = Aufnahme(uhr);
            EXPECT_FALSE(KonfigurationLaden(uhr, f.pfad));
            const std::string m = LetzteMeldung(uhr);
            EXPECT_EQ(
                m.rfind(deutsch ? "Fehler beim Lesen der Datei!\n" : "Error in reading the file!\n",
                        0),
                0u)
                << m;
            EXPECT_NE(m.find(f.pfad), std::string::npos) << m;
            EXPECT_NE(m.find(deutsch ? f.de : f.en), std::string::npos) << m;
            EXPECT_EQ(m.find("not found"), std::string::npos) << m;
            EXPECT_TRUE(Aufnahme(uhr) == vorher);
        }
    }
}

// The window's fields take a value only as the file will hold it, so every
// accepted value loads again to the same value.
TEST(FeldUndDatei, EveryValueAFieldAcceptsLoadsBackUnchanged) {
    const std::pair<Feld, const char*> faelle[] = {
        {Feld::eHalb, "0.0500001"},       {Feld::eHoehe, "0.0500004"},
        {Feld::eHalb, "2.7500004"},       {Feld::eBreit, "47.2500001"},
        {Feld::eBreit, "89.9999999"},     {Feld::eBreit, "0.0049"},
        {Feld::eGnomInc, "0.0000004"},    {Feld::eGnomInc, "90"},
        {Feld::eGnomInc, "-89.99999999"}, {Feld::eIncl, "-90"},
        {Feld::eLang, "-9.5900004"},      {Feld::eHalb, "999999.9999999"},
        {Feld::eRiseSet, "23.4500004"},   {Feld::EddxfAchs, "2.0000001"}};
    for (const auto& [feld, text] : faelle) {
        SCOPED_TRACE(text);
        Sonnenuhr uhr, geladen;
        uhr.eBreitExit(feld, text);
        auto e = KonfigurationLesen(geladen, Laden, KonfigurationSchreiben(uhr));
        ASSERT_EQ(e.status, LeseStatus::Gelesen) << "line " << e.zeile;
        const DialParams &a = uhr.p, &b = geladen.p;
        EXPECT_EQ((std::vector<double>{a.Breit, a.Lang, a.Zone, a.Incl, a.GnomWinkel, a.GnomInc,
                                       a.Hoehe, a.Halb, a.RiseSet}),
                  (std::vector<double>{b.Breit, b.Lang, b.Zone, b.Incl, b.GnomWinkel, b.GnomInc,
                                       b.Hoehe, b.Halb, b.RiseSet}));
    }
}

// Property: states reached through the fields, saved and loaded, give the
// same tables.
TEST(FeldUndDatei, RandomAcceptedStatesSavedAndLoadedGiveIdenticalTables) {
    std::mt19937 zufall(4711);
    auto gleich = [&](double a, double b) {
        return std::uniform_real_distribution<double>(a, b)(zufall);
    };
    auto ganz = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(zufall); };
    // A typed number: up to 9 decimals, sometimes just outside a range's edge.
    auto text = [&](double v) {
        char s[64];
        std::snprintf(s, sizeof s, "%.*f", ganz(0, 9), v);
        return std::string(s);
    };
    const struct {
        Feld feld;
        double min, max;
    } felder[] = {{Feld::eBreit, -90.0001, 90.0001}, {Feld::eLang, -195, 195},
                  {Feld::eZone, -195, 195},          {Feld::eIncl, -90.0001, 90.0001},
                  {Feld::eGnomInc, -150.0001, 150},  {Feld::eHoehe, 0.0499, 30},
                  {Feld::eHalb, 0.0499, 30},         {Feld::eRiseSet, -23.4501, 23.4501}};
    for (int fall = 0; fall < 60; ++fall) {
        SCOPED_TRACE("case " + std::to_string(fall));
        Sonnenuhr uhr, geladen;
        uhr.p.Arten = static_cast<std::uint8_t>(ganz(0, 2));
        uhr.p.Mittelwert = static_cast<std::uint8_t>(ganz(0, 1)); // the quick methods
        for (const auto& f : felder) {
            // Near the edges half of the time.
            const double v = ganz(0, 1) ? gleich(f.min, f.max)
                                        : (ganz(0, 1) ? f.min : f.max) + gleich(-1e-6, 1e-6);
            uhr.eBreitExit(f.feld, text(v));
        }
        uhr.tab = Sonnenuhr().tab; // no tables of the values typed before
        uhr.btGoClick();
        auto e = KonfigurationLesen(geladen, Laden, KonfigurationSchreiben(uhr));
        ASSERT_EQ(e.status, LeseStatus::Gelesen) << "line " << e.zeile;
        geladen.btGoClick();
        EXPECT_EQ(geladen.Status, uhr.Status);
        EXPECT_TRUE(AlleTabellen(geladen.tab) == AlleTabellen(uhr.tab));
    }
}
