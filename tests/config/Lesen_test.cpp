// Reading and writing configuration lines: the rules line by line.
#include "Hilfen.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <sstream>

using namespace skiora;
using config::KonfigurationLesen;
using config::KonfigurationSchreiben;
using config::LeseStatus;
using test::LetzteMeldung;
using test::Zeilen;

namespace {
constexpr auto Laden = config::LeseAbsender::Datenladen1;
const char* const StoppText = "Error during File Input!";
} // namespace

TEST(KonfigSchreiben, DefaultsRoundingAndTheDateInForce) {
    const std::vector<std::string> erwartet = {
        "2002",     "47.250000", "-9.590000", "-15.000000", "0.000000", "90.000000", "1.700000",
        "2.750000", "20.200000", "3",         "2",          "1",        "0",         "5",
        "21",       "8",         "19",        "1",          "01/05",    "0",         "Deutsch",
        "nn",       "",          "",          "",           ""};
    Sonnenuhr uhr;
    std::ostringstream aus;
    aus.imbue(std::locale("C"));
    KonfigurationSchreiben(uhr, aus);
    EXPECT_EQ(aus.str(), test::AlsDatei(erwartet, "\r\n"));

    uhr.p.Breit = 47.123456789;   // 10 significant digits 47.12345679 -> 47.123457
    uhr.p.Lang = -0.00000049;     // rounds to a negative zero
    uhr.p.Halb = 123456.78901234; // 123456.7890 -> 123456.789000
    uhr.p.Incl = 89.9999999;      // the window's right angle writes as 90
    // A refused date leaves the field blank; the date in force is written.
    uhr.opt.ExtraTag = 15;
    uhr.opt.ExtraMonat = 6;
    uhr.opt.ExtraDatumText = "  /  ";
    auto z = KonfigurationSchreiben(uhr);
    EXPECT_EQ(z[1], "47.123457");
    EXPECT_EQ(z[2], "-0.000000");
    EXPECT_EQ(z[7], "123456.789000");
    EXPECT_EQ(z[4], "90.000000");
    EXPECT_EQ(z[18], "15/06");
}

TEST(KonfigLesen, ShortLongAndEmptyFiles) {
    Sonnenuhr uhr;
    uhr.anz.ChBRiseSetHaken = uhr.opt.Genau = true;
    uhr.tab.StrGridEin.Setze(1, 1, "9");
    auto z = Zeilen({{1, "2010"}, {21, "English"}});
    z.resize(21);
    EXPECT_EQ(KonfigurationLesen(uhr, Laden, z).status, LeseStatus::Gelesen);
    EXPECT_EQ(uhr.p.Jahr, 2010);
    EXPECT_FALSE(uhr.sprache.SpracheDeutsch);
    EXPECT_TRUE(uhr.anz.ChBRiseSetHaken && uhr.opt.Genau); // lines 22.. absent: kept
    EXPECT_EQ(uhr.tab.StrGridEin.Zelle(1, 1), "9");

    // Lines after 26 are not read, however faulty.
    z = Zeilen({{22, "jj"}});
    z.insert(z.end(), {"x", "47,25", "", "7/8"});
    Sonnenuhr uhr2;
    EXPECT_EQ(KonfigurationLesen(uhr2, Laden, z).status, LeseStatus::Gelesen);
    EXPECT_TRUE(uhr2.anz.ChBRiseSetHaken && uhr2.opt.Genau);

    EXPECT_EQ(KonfigurationLesen(uhr2, Laden, {}).status, LeseStatus::Leer);
    EXPECT_EQ(LetzteMeldung(uhr2), "File  nicht gefunden!");
    uhr.sprache.Waehle(false); // the language line alone switches nothing yet
    KonfigurationLesen(uhr, Laden, {});
    EXPECT_EQ(LetzteMeldung(uhr), "File  not found!");
}

TEST(KonfigLesen, CommaOnLine2StopsWithLine1Applied) {
    Sonnenuhr uhr;
    uhr.p.GnomWinkel = 100; // not yet turned into GnomInc
    uhr.SinGI = 0.5;
    auto e = KonfigurationLesen(uhr, Laden, {"2010", "47,25", "8.5"});
    EXPECT_EQ(e.status, LeseStatus::Gestoppt);
    EXPECT_EQ(e.zeile, 2);
    EXPECT_EQ(LetzteMeldung(uhr), StoppText);
    EXPECT_EQ(uhr.p.Jahr, 2010);
    EXPECT_DOUBLE_EQ(uhr.p.Breit, 47.25);
    EXPECT_DOUBLE_EQ(uhr.p.Lang, -9.59);
    EXPECT_DOUBLE_EQ(uhr.p.GnomInc, 0);
    EXPECT_DOUBLE_EQ(uhr.SinGI, 0.5);
}

TEST(KonfigLesen, IntegerDefaultsFoldedChoicesLanguageAndSwitchLine) {
    Sonnenuhr uhr;
    uhr.p.Anzahl = 6;
    uhr.p.Zonenzeit = 0;
    // Year 2002, Anzahl 3 and Zonenzeit 1 by default; Mittelwert above 4 is
    // method 0, rgDefault above 1 "aus Tabelle"; only "Deutsch" is German.
    auto z = Zeilen(
        {{1, "zwei"}, {10, "x"}, {13, ""}, {18, "7"}, {20, "5"}, {21, "deutsch"}, {22, "jx"}});
    ASSERT_EQ(KonfigurationLesen(uhr, Laden, z).status, LeseStatus::Gelesen);
    EXPECT_EQ(uhr.p.Jahr, 2002);
    EXPECT_EQ(uhr.p.Anzahl, 3);
    EXPECT_EQ(uhr.p.Zonenzeit, 1);
    EXPECT_EQ(uhr.p.Mittelwert, 0);
    EXPECT_FALSE(uhr.opt.DefaultWerte);
    EXPECT_FALSE(uhr.sprache.SpracheDeutsch);
    EXPECT_TRUE(uhr.anz.ChBRiseSetHaken);
    EXPECT_FALSE(uhr.opt.Genau);
    KonfigurationLesen(uhr, Laden, Zeilen({{22, "nj"}}));
    EXPECT_TRUE(uhr.sprache.SpracheDeutsch);
    EXPECT_FALSE(uhr.anz.ChBRiseSetHaken);
    EXPECT_TRUE(uhr.opt.Genau);
    EXPECT_EQ(KonfigurationLesen(uhr, Laden, Zeilen({{22, ""}})).zeile, 22);
    EXPECT_EQ(LetzteMeldung(uhr), StoppText);
    EXPECT_EQ(KonfigurationLesen(uhr, Laden, Zeilen({{18, "256"}})).zeile, 18); // not a byte
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
        EXPECT_EQ(KonfigurationLesen(uhr, Laden, Zeilen({{1, jahr}, {19, text}})).status,
                  LeseStatus::Gelesen);
        EXPECT_EQ(uhr.opt.ExtraDatumText, normal);
        EXPECT_EQ(uhr.opt.ExtraDatumName, name);
        EXPECT_EQ(uhr.opt.ExtraTag, std::stoi(normal));
        EXPECT_EQ(uhr.opt.ExtraMonat, std::stoi(normal + 3));
        EXPECT_TRUE(test::Meldungen(uhr).empty());
    }
    // An unreadable date is reported and keeps the date in force; only at
    // start-up does it fall back to 01/08.
    for (const char* leer : {"", "  /  "}) {
        Sonnenuhr uhr, start;
        KonfigurationLesen(uhr, Laden, Zeilen({{19, leer}}));
        EXPECT_EQ(LetzteMeldung(uhr), "Fehlerhaftes Datum !");
        EXPECT_EQ(uhr.opt.ExtraDatumText + uhr.opt.ExtraDatumName, "01/0501. Mai");
        EXPECT_EQ(uhr.opt.ExtraMonat, 5);
        start.sprache.Waehle(false);
        KonfigurationLesen(start, config::LeseAbsender::Hauptfenster, Zeilen({{19, leer}}));
        EXPECT_EQ(LetzteMeldung(start), "Error in Date !");
        EXPECT_EQ(start.opt.ExtraDatumText + start.opt.ExtraDatumName, "01/0801. Aug");
        EXPECT_EQ(start.opt.ExtraMonat, 8);
    }
    // A year without a leap day moves the extra date, as the year field does.
    Sonnenuhr uhr;
    uhr.p.Jahr = 2004;
    uhr.opt.ExtraTag = 29;
    uhr.opt.ExtraMonat = 2;
    uhr.opt.ExtraDatumText = "29/02";
    KonfigurationLesen(uhr, Laden, {"2003"});
    EXPECT_EQ(uhr.opt.ExtraTag, 28);
    EXPECT_EQ(uhr.opt.ExtraDatumText, "28/02");
    EXPECT_EQ(uhr.opt.ExtraDatumName, "28. Feb");
}

TEST(Stundenlisten, ReadEndsWithAnEmptyCellStopsOnAMissingSlashAndWritesPairs) {
    Sonnenuhr uhr;
    Gitter& g = uhr.tab.StrGridEin;
    for (int zeile = 1; zeile <= 5; ++zeile)
        for (int spalte = 1; spalte <= 4; ++spalte)
            g.Setze(spalte, zeile, "1");
    auto z = Zeilen({{23, "7/8.5/17/"}, {24, "12//"}});
    EXPECT_EQ(KonfigurationLesen(uhr, Laden, z).status, LeseStatus::Gelesen);
    const std::vector<std::string> spalte1 = {"7", "8.5", "17", "", "1"}; // "1": below the end
    for (int r = 1; r <= 5; ++r)
        EXPECT_EQ(g.Zelle(1, r), spalte1[r - 1]) << r;
    EXPECT_EQ(g.Zelle(2, 1) + "|" + g.Zelle(2, 2) + "|" + g.Zelle(2, 3), "12||");
    EXPECT_EQ(g.Zelle(3, 1), "1"); // empty line: column unchanged
    // Written back: the second column follows the hour column, empty cells
    // included, and nothing below the hours (column 2, rows 4 and 5).
    EXPECT_EQ(config::StundenlistenSchreiben(uhr),
              (std::vector<std::string>{"7/8.5/17/", "12///", "1/1/1/1/1/", "1/1/1/1/1/"}));

    EXPECT_EQ(KonfigurationLesen(uhr, Laden, Zeilen({{23, "7/8"}, {24, "5/"}})).zeile, 23);
    EXPECT_EQ(g.Zelle(1, 1), "7");
    EXPECT_EQ(g.Zelle(1, 2), "8.5"); // "8" never reached the table
    EXPECT_EQ(g.Zelle(2, 1), "12");  // line 24 not read

    // Only numbers, and no more rows than the table has.
    EXPECT_FALSE(config::StundenlisteLesen(uhr, 1, "7/acht/"));
    std::string lang;
    for (int i = 0; i < 31; ++i)
        lang += "9/";
    EXPECT_FALSE(config::StundenlisteLesen(uhr, 3, lang));
    EXPECT_TRUE(config::StundenlisteLesen(uhr, 3, lang.substr(4)));
}

// Values the window's own input checks refuse stop the reading like an
// unreadable line: earlier lines stay, nothing out of range gets in.
TEST(KonfigLesen, ValuesTheWindowRefusesStopTheReading) {
    const std::pair<int, const char*> faelle[] = {
        {1, "1650"},  {2, "120"},    {3, "-195.5"}, {5, "91"},  {6, "241"}, {6, "-61"},
        {7, "0.05"},  {8, "-2"},     {9, "23.5"},   {10, "5"},  {10, "0"},  {11, "0"},
        {11, "7"},    {12, "3"},     {13, "2"},     {14, "1"},  {15, "24"}, {16, "12"},
        {17, "22"},   {2, "1e999"},  {2, "nan"},    {8, "inf"}, {18, "-1"}, {20, "300"},
        {8, "1e308"}, {7, "1000001"}}; // beyond these the tables overflow
    for (const auto& [zeile, text] : faelle) {
        SCOPED_TRACE(std::to_string(zeile) + ": " + text);
        Sonnenuhr uhr, frisch;
        auto e = KonfigurationLesen(uhr, Laden, Zeilen({{1, "2001"}, {zeile, text}}));
        EXPECT_EQ(e.status, LeseStatus::Gestoppt);
        EXPECT_EQ(e.zeile, zeile);
        EXPECT_EQ(LetzteMeldung(uhr), StoppText);
        EXPECT_EQ(uhr.p.Jahr, zeile > 1 ? 2001 : frisch.p.Jahr);
        // The faulty line changed nothing: the document writes as before.
        uhr.p.Jahr = frisch.p.Jahr;
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
    EXPECT_EQ(uhr.p.Lph, 6);

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
    auto z = Zeilen({{2, "90"}, {5, "-90.0000000"}, {6, "180"}}); // GnomInc 90
    ASSERT_EQ(KonfigurationLesen(uhr, Laden, z).status, LeseStatus::Gelesen);
    EXPECT_DOUBLE_EQ(uhr.p.Breit, 89.9999999);
    EXPECT_DOUBLE_EQ(uhr.p.Incl, -89.9999999);
    EXPECT_DOUBLE_EQ(uhr.p.GnomInc, 90.000001);
    KonfigurationLesen(uhr, Laden, Zeilen({{2, "-0.001"}}));
    EXPECT_DOUBLE_EQ(uhr.p.Breit, 0.005);
    EXPECT_GT(std::fabs(uhr.SinGI), 0);
}
