// Reading and writing configuration lines: the rules line by line.
#include "Hilfen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>

using namespace skiora;
using config::KonfigurationLesen;
using config::LeseAbsender;
using config::LeseStatus;
using test::LetzteMeldung;
using test::Standardzeilen;

namespace {
constexpr auto Laden = LeseAbsender::Datenladen1;
const char* const StoppText = "Error during File Input!";
} // namespace

TEST(KonfigSchreiben, DefaultsGiveTheKnownLines) {
    const std::vector<std::string> erwartet = {
        "2002",     "47.250000", "-9.590000", "-15.000000", "0.000000", "90.000000", "1.700000",
        "2.750000", "20.200000", "3",         "2",          "1",        "0",         "5",
        "21",       "8",         "19",        "1",          "01/05",    "0",         "Deutsch",
        "nn",       "",          "",          "",           ""};
    EXPECT_EQ(Standardzeilen(), erwartet);

    Sonnenuhr uhr;
    std::ostringstream aus;
    aus.imbue(std::locale("C"));
    config::KonfigurationSchreiben(uhr, aus);
    const std::string s = aus.str();
    EXPECT_EQ(s.substr(0, 17), "2002\r\n47.250000\r\n");
    EXPECT_EQ(std::count(s.begin(), s.end(), '\n'), 26);
    EXPECT_EQ(std::count(s.begin(), s.end(), '\r'), 26);
}

TEST(KonfigSchreiben, TenSignificantDigitsThenSixDecimals) {
    Sonnenuhr uhr;
    uhr.p.Breit = 47.123456789;   // 47.12345679 -> 47.123457
    uhr.p.Lang = -0.00000049;     // rounds to a negative zero
    uhr.p.Halb = 123456.78901234; // 123456.7890 -> 123456.789000
    uhr.p.Incl = 89.9999999;      // the window's right angle writes as 90
    auto z = config::KonfigurationSchreiben(uhr);
    EXPECT_EQ(z[1], "47.123457");
    EXPECT_EQ(z[2], "-0.000000");
    EXPECT_EQ(z[7], "123456.789000");
    EXPECT_EQ(z[4], "90.000000");
}

TEST(KonfigLesen, ShortFilesSetOnlyTheirLinesAndLongOnesStopAt26) {
    Sonnenuhr uhr;
    uhr.anz.ChBRiseSetHaken = true;
    uhr.opt.Genau = true;
    uhr.tab.StrGridEin.Setze(1, 1, "9");
    auto z = Standardzeilen();
    z[0] = "2010";
    z[20] = "English";
    z.resize(21);
    auto e = KonfigurationLesen(uhr, Laden, z);
    EXPECT_EQ(e.status, LeseStatus::Gelesen);
    EXPECT_EQ(uhr.p.Jahr, 2010);
    EXPECT_FALSE(uhr.sprache.SpracheDeutsch);
    EXPECT_TRUE(uhr.anz.ChBRiseSetHaken);
    EXPECT_TRUE(uhr.opt.Genau);
    EXPECT_EQ(uhr.tab.StrGridEin.Zelle(1, 1), "9");

    auto lang = Standardzeilen();
    lang[21] = "jj";
    lang.insert(lang.end(), {"x", "47,25", "", "7/8"});
    Sonnenuhr uhr2;
    EXPECT_EQ(KonfigurationLesen(uhr2, Laden, lang).status, LeseStatus::Gelesen);
    EXPECT_TRUE(uhr2.anz.ChBRiseSetHaken);
    EXPECT_TRUE(uhr2.opt.Genau);
}

TEST(KonfigLesen, EmptyFileSaysFileNotFoundWithTwoBlanks) {
    Sonnenuhr uhr;
    EXPECT_EQ(KonfigurationLesen(uhr, Laden, {}).status, LeseStatus::Leer);
    EXPECT_EQ(LetzteMeldung(uhr), "File  nicht gefunden!");
    uhr.sprache.Waehle(false);
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

TEST(KonfigLesen, IntegerLinesTakeDefaultsAndFoldLargeChoices) {
    Sonnenuhr uhr;
    uhr.p.Anzahl = 6;
    uhr.p.Zonenzeit = 0;
    auto z = Standardzeilen();
    z[0] = "zwei"; // year default 2002
    z[9] = "x";    // Anzahl 3
    z[12] = "";    // Zonenzeit 1
    z[17] = "7";   // Mittelwert above 4: method 0
    z[19] = "5";   // rgDefault above 1: "aus Tabelle"
    ASSERT_EQ(KonfigurationLesen(uhr, Laden, z).status, LeseStatus::Gelesen);
    EXPECT_EQ(uhr.p.Jahr, 2002);
    EXPECT_EQ(uhr.p.Anzahl, 3);
    EXPECT_EQ(uhr.p.Zonenzeit, 1);
    EXPECT_EQ(uhr.p.Mittelwert, 0);
    EXPECT_FALSE(uhr.opt.DefaultWerte);
    z[17] = "256"; // outside a byte: stops
    EXPECT_EQ(KonfigurationLesen(uhr, Laden, z).zeile, 18);
}

TEST(KonfigLesen, LanguageLineAndSwitchLine) {
    Sonnenuhr uhr;
    auto z = Standardzeilen();
    z[20] = "deutsch";
    z[21] = "jx";
    KonfigurationLesen(uhr, Laden, z);
    EXPECT_FALSE(uhr.sprache.SpracheDeutsch);
    EXPECT_TRUE(uhr.anz.ChBRiseSetHaken);
    EXPECT_FALSE(uhr.opt.Genau);
    z[20] = "Deutsch";
    z[21] = "nj";
    KonfigurationLesen(uhr, Laden, z);
    EXPECT_TRUE(uhr.sprache.SpracheDeutsch);
    EXPECT_FALSE(uhr.anz.ChBRiseSetHaken);
    EXPECT_TRUE(uhr.opt.Genau);
    z[21] = "";
    auto e = KonfigurationLesen(uhr, Laden, z);
    EXPECT_EQ(e.zeile, 22);
    EXPECT_EQ(LetzteMeldung(uhr), StoppText);
}

TEST(DatumLesen, NormalizesChecksLeapYearsAndFallsBackAtStartUp) {
    struct Fall {
        const char* text;
        int jahr;
        bool fehler;
        const char* normal;
        const char* name;
    };
    const Fall faelle[] = {
        {"1/5", 2002, false, "01/05", "01. Mai"},
        {"24/12", 2002, false, "24/12", "24. Dez"},
        {"31/04", 2002, true, "", ""},
        {"29/02", 2004, false, "29/02", "29. Feb"},
        {"29/02", 2000, false, "29/02", "29. Feb"},
        {"29/02", 1900, true, "", ""},
        {"29/02", 2003, true, "", ""},
        {"00/05", 2002, true, "", ""},
        {"12/13", 2002, true, "", ""},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(std::string(f.text) + " in " + std::to_string(f.jahr));
        Sonnenuhr uhr;
        uhr.p.Jahr = f.jahr;
        auto d = config::DatumLesen(uhr, Laden, f.text);
        EXPECT_EQ(d.fehler, f.fehler);
        EXPECT_EQ(d.text, f.normal);
        EXPECT_EQ(d.name, f.name);
        if (f.fehler) { // the date in force is kept
            EXPECT_EQ(uhr.opt.ExtraTag, 1);
            EXPECT_EQ(uhr.opt.ExtraMonat, 5);
        }
    }
    for (const char* leer : {"", "  /  "}) {
        Sonnenuhr uhr;
        auto z = Standardzeilen();
        z[18] = leer;
        KonfigurationLesen(uhr, Laden, z);
        EXPECT_EQ(LetzteMeldung(uhr), "Fehlerhaftes Datum !");
        EXPECT_EQ(uhr.opt.ExtraDatumText, "01/05");
        Sonnenuhr start;
        start.sprache.Waehle(false);
        KonfigurationLesen(start, LeseAbsender::Hauptfenster, z);
        EXPECT_EQ(LetzteMeldung(start), "Error in Date !");
        EXPECT_EQ(start.opt.ExtraDatumText, "01/08");
        EXPECT_EQ(start.opt.ExtraDatumName, "01. Aug");
        EXPECT_EQ(start.opt.ExtraMonat, 8);
    }
}

TEST(DatumLesen, TheFileLineKeepsTheFieldOnARefusedDate) {
    Sonnenuhr uhr;
    auto z = Standardzeilen();
    z[18] = "31/04";
    EXPECT_EQ(KonfigurationLesen(uhr, Laden, z).status, LeseStatus::Gelesen);
    EXPECT_EQ(uhr.opt.ExtraDatumText, "01/05");
    EXPECT_EQ(uhr.opt.ExtraDatumName, "01. Mai");
    EXPECT_EQ(uhr.opt.ExtraMonat, 5);
}

TEST(Stundenlisten, FillColumnsEndWithAnEmptyCellAndStopOnAMissingSlash) {
    Sonnenuhr uhr;
    Gitter& g = uhr.tab.StrGridEin;
    for (int zeile = 1; zeile <= 5; ++zeile)
        for (int spalte = 1; spalte <= 4; ++spalte)
            g.Setze(spalte, zeile, "1");
    auto z = Standardzeilen();
    z[22] = "7/8.5/17/";
    z[23] = "12//";
    EXPECT_EQ(KonfigurationLesen(uhr, Laden, z).status, LeseStatus::Gelesen);
    EXPECT_EQ(g.Zelle(1, 1), "7");
    EXPECT_EQ(g.Zelle(1, 2), "8.5");
    EXPECT_EQ(g.Zelle(1, 3), "17");
    EXPECT_EQ(g.Zelle(1, 4), "");
    EXPECT_EQ(g.Zelle(1, 5), "1"); // below the end marker: untouched
    EXPECT_EQ(g.Zelle(2, 1), "12");
    EXPECT_EQ(g.Zelle(2, 2), "");
    EXPECT_EQ(g.Zelle(2, 3), "");
    EXPECT_EQ(g.Zelle(3, 1), "1"); // empty line: column unchanged

    z[22] = "7/8";
    z[23] = "5/";
    auto e = KonfigurationLesen(uhr, Laden, z);
    EXPECT_EQ(e.zeile, 23);
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

TEST(Stundenlisten, WrittenPairsFollowTheHourColumn) {
    Sonnenuhr uhr;
    Gitter& g = uhr.tab.StrGridEin;
    g.Setze(1, 1, "  8.00");
    g.Setze(1, 2, " 11.00");
    g.Setze(2, 2, "0.5");
    g.Setze(2, 4, "orphan"); // below the hours: not written
    g.Setze(4, 1, "2");      // its hour cell is empty: not written
    auto l = config::StundenlistenSchreiben(uhr);
    EXPECT_EQ(l, (std::vector<std::string>{"  8.00/ 11.00/", "/0.5/", "", ""}));
}

// Values the window's own input checks refuse stop the reading like an
// unreadable line: earlier lines stay, nothing out of range gets in.
TEST(KonfigLesen, ValuesTheWindowRefusesStopTheReading) {
    struct Fall {
        int zeile;
        const char* text;
    };
    const Fall faelle[] = {{1, "1650"}, {2, "120"},  {3, "-195.5"}, {5, "91"},   {6, "241"},
                           {6, "-61"},  {7, "0.05"}, {8, "-2"},     {9, "23.5"}, {10, "5"},
                           {10, "0"},   {11, "0"},   {11, "7"},     {12, "3"},   {13, "2"},
                           {14, "1"},   {15, "24"},  {16, "12"},    {17, "22"},  {2, "1e999"},
                           {2, "nan"},  {8, "inf"},  {18, "-1"},    {20, "300"}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(std::to_string(f.zeile) + ": " + f.text);
        Sonnenuhr uhr, frisch;
        auto z = Standardzeilen();
        z[0] = "2001";
        z[f.zeile - 1] = f.text;
        auto e = KonfigurationLesen(uhr, Laden, z);
        EXPECT_EQ(e.status, LeseStatus::Gestoppt);
        EXPECT_EQ(e.zeile, f.zeile);
        EXPECT_EQ(LetzteMeldung(uhr), StoppText);
        if (f.zeile > 1) {
            EXPECT_EQ(uhr.p.Jahr, 2001);
        }
        // The faulty line changed nothing: the document writes as before.
        uhr.p.Jahr = frisch.p.Jahr;
        EXPECT_EQ(config::KonfigurationSchreiben(uhr), config::KonfigurationSchreiben(frisch));
    }
}

TEST(KonfigLesen, HourRangeBeyondTheArraysIsRefusedAsAWhole) {
    Sonnenuhr uhr;
    auto z = Standardzeilen();
    z[10] = "6";  // Lph
    z[13] = "2";  // StdVon
    z[14] = "23"; // StdBis: 21 hours of 6 lines do not fit 126 points
    auto e = KonfigurationLesen(uhr, Laden, z);
    EXPECT_EQ(e.zeile, 15);
    EXPECT_TRUE(uhr.StundenBereichErlaubt(uhr.opt.StdVon, uhr.opt.StdBis, uhr.p.Lph));

    // The same three values are fine one hour shorter.
    z[13] = "3";
    EXPECT_EQ(KonfigurationLesen(uhr, Laden, z).status, LeseStatus::Gelesen);
    EXPECT_EQ(uhr.p.Lph, 6);

    // A file ending before line 15 may not leave a combination that does not fit.
    Sonnenuhr breit;
    breit.opt.StdVon = 2;
    breit.opt.StdBis = 23;
    auto kurz = Standardzeilen();
    kurz[10] = "6";
    kurz.resize(12);
    EXPECT_EQ(KonfigurationLesen(breit, Laden, kurz).status, LeseStatus::Gestoppt);
    EXPECT_EQ(breit.p.Lph, 2);
}

TEST(KonfigLesen, RightAnglesAndTheEquatorAreStoredAsTheWindowDoes) {
    Sonnenuhr uhr;
    auto z = Standardzeilen();
    z[1] = "90";
    z[4] = "-90.0000000";
    z[5] = "180"; // GnomInc 90
    ASSERT_EQ(KonfigurationLesen(uhr, Laden, z).status, LeseStatus::Gelesen);
    EXPECT_DOUBLE_EQ(uhr.p.Breit, 89.9999999);
    EXPECT_DOUBLE_EQ(uhr.p.Incl, -89.9999999);
    EXPECT_DOUBLE_EQ(uhr.p.GnomInc, 90.000001);
    z[1] = "-0.001";
    KonfigurationLesen(uhr, Laden, z);
    EXPECT_DOUBLE_EQ(uhr.p.Breit, 0.005);
    EXPECT_GT(std::fabs(uhr.SinGI), 0);
}

TEST(KonfigLesen, YearWithoutLeapDayMovesTheExtraDate) {
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

TEST(KonfigSchreiben, ABlankDateFieldWritesTheDateInForce) {
    Sonnenuhr uhr;
    uhr.opt.ExtraTag = 15;
    uhr.opt.ExtraMonat = 6;
    uhr.opt.ExtraDatumText = "  /  ";
    EXPECT_EQ(config::KonfigurationSchreiben(uhr)[18], "15/06");
}
