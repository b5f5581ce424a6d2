// The document's handlers: field validation, derived values, the extra
// date and the calculation driver's refusals. The window tests in tests/app
// type the same messages through the real fields.
#include "core/Sonnenuhr.h"
#include "core/Zahlen.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace skiora;

namespace {

using Texte = std::vector<std::string>;

class Dokument : public ::testing::Test {
  protected:
    void SetUp() override {
        uhr.setzeMelder(&melder);
        uhr.neuZeichnen = [this] { ++bilder; };
    }
    // The messages shown since the last call.
    Texte texte() {
        Texte t;
        for (const auto& e : melder.eintraege)
            t.push_back(e.text);
        melder.eintraege.clear();
        return t;
    }
    // The text the field shows after a refusal; "" when the value is taken.
    std::string Abgewiesen(Feld feld, const std::string& text) {
        const FeldErgebnis r = uhr.eBreitExit(feld, text);
        return r.gueltig ? "" : r.text;
    }
    Sonnenuhr uhr;
    SammelMelder melder;
    int bilder = 0;
};

} // namespace

TEST_F(Dokument, FieldsRefuseWriteBackAndNudge) {
    EXPECT_EQ(Abgewiesen(Feld::eBreit, "90.5"), "  47.25"); // the old value, kept
    // The window's key filter makes this 12.5.
    EXPECT_EQ(Abgewiesen(Feld::eHalb, "12,5"), "   2.75");
    EXPECT_EQ(texte(), (Texte{"Fehlerhafte Eingabe !", "Das ist keine reelle Zahl.",
                              "Fehlerhafte Eingabe !"}));
    EXPECT_EQ(Abgewiesen(Feld::eHoehe, "0.05"), "   1.70");    // must exceed 0.05
    EXPECT_EQ(Abgewiesen(Feld::eHoehe, "1000001"), "   1.70"); // beyond GroessteLaenge
    EXPECT_EQ(Abgewiesen(Feld::eRiseSet, "23.46"), "  20.20");
    EXPECT_EQ(Abgewiesen(Feld::EddxfAchs, "2"), ""); // the panel offers [2,...,20]
    EXPECT_EQ(Abgewiesen(Feld::EddxfAchs, "20.01"), "2.00");
    texte();
    // An emptied field keeps its value and shows it again; nothing is recalculated.
    const DialParams vorher = uhr.p;
    const int bilderVorher = bilder;
    EXPECT_EQ(uhr.eBreitExit(Feld::eBreit, " ").text, "  47.25");
    EXPECT_EQ(uhr.eBreitExit(Feld::eGnomInc, "").text, "   0.00");
    EXPECT_EQ(uhr.eBreitExit(Feld::EddxfAchs, "").text, "   2.00");
    EXPECT_TRUE(uhr.p == vorher);
    EXPECT_EQ(bilder, bilderVorher);
    // The equator and the poles are nudged, whichever field is checked.
    uhr.eBreitExit(Feld::eBreit, "0");
    EXPECT_EQ(uhr.p.Breit, 0.005);
    uhr.eBreitExit(Feld::eLang, "90");
    EXPECT_EQ(uhr.p.Lang, 89.9999999);
    EXPECT_TRUE(melder.eintraege.empty());
    EXPECT_EQ(Abgewiesen(Feld::eGnomInc, "-150"), "");
    EXPECT_EQ(uhr.p.GnomWinkel, -60);
}

TEST_F(Dokument, ImpossibleGnomonStopsTheDriverAndKeepsTheTables) {
    uhr.btGoClick();
    ASSERT_EQ(uhr.Status, 0);
    Tabellen vorher = uhr.tab;
    uhr.eBreitExit(Feld::eGnomInc, "-86"); // abs(4 - 0) < 5
    EXPECT_EQ(uhr.Status, 11);
    EXPECT_TRUE(uhr.anz.BildGeloescht);
    EXPECT_EQ(uhr.anz.BildMeldung, "Zeiger  gegenüber  Uhrenebene zu flach!");
    EXPECT_EQ(uhr.tab.StrGridStd, vorher.StrGridStd);
    EXPECT_EQ(uhr.tab.StrGridShad, vorher.StrGridShad);

    uhr.eBreitExit(Feld::eGnomInc, "0");
    uhr.eBreitExit(Feld::eIncl, "-20");
    ASSERT_EQ(uhr.Status, 0);
    EXPECT_FALSE(uhr.anz.BildGeloescht);
    vorher = uhr.tab;
    uhr.eBreitExit(Feld::eGnomInc, "100"); // abs(100 + 20) > 90
    EXPECT_EQ(uhr.Status, 12);
    EXPECT_EQ(uhr.tab.StrGridShad, vorher.StrGridShad);
}

TEST_F(Dokument, YearLeapDayAndExtraDate) {
    EXPECT_EQ(Abgewiesen(Feld::ejahr, "1650"), "2002");
    // A year is whole.
    EXPECT_EQ(Abgewiesen(Feld::ejahr, "2003.5"), "2002");

    // 29 February follows the full Gregorian rule.
    uhr.eBreitExit(Feld::ejahr, "2004");
    EXPECT_TRUE(uhr.MaskEdit1Exit("29/02").gueltig);
    uhr.eBreitExit(Feld::ejahr, "2000"); // divisible by 400: stays
    EXPECT_EQ(uhr.opt.ExtraTag, 29);
    uhr.eBreitExit(Feld::ejahr, "2100"); // a century year that is not a leap year turns it
    EXPECT_EQ(uhr.opt.ExtraTag, 28);
    EXPECT_EQ(uhr.opt.ExtraDatumText, "28/02");
    EXPECT_FALSE(uhr.MaskEdit1Exit("29/02").gueltig);
    // Refused dates leave the field empty and the last valid date in force.
    for (const char* falsch : {"31/04", "00/05", "01/13", "30/02", "ab/cd", "3105"}) {
        const FeldErgebnis r = uhr.MaskEdit1Exit(falsch);
        EXPECT_FALSE(r.gueltig) << falsch;
        EXPECT_EQ(r.text, "  /  ");
    }
    EXPECT_EQ(texte().back(), "Fehlerhaftes Datum !");
    EXPECT_EQ(uhr.opt.ExtraMonat, 2);
    EXPECT_EQ(uhr.MaskEdit1Exit("  /  ").text, "  /  "); // left alone
    EXPECT_EQ(uhr.MaskEdit1Exit(" 7/ 3").text, "07/03");
    EXPECT_EQ(uhr.opt.ExtraDatumName, "07. Mar");
    EXPECT_TRUE(melder.eintraege.empty());
}

TEST_F(Dokument, HourRangesBeyondTheArraysAreRefused) {
    // Set behind the input checks' back, (23 - 2) * 6 + 1 = 127 points: the
    // driver does not overrun the arrays and keeps the old tables.
    uhr.btGoClick();
    const Tabellen vorher = uhr.tab;
    uhr.opt.StdVon = 2;
    uhr.opt.StdBis = 23;
    uhr.p.Lph = 6;
    uhr.btGoClick();
    EXPECT_NE(texte().at(0).find("127"), std::string::npos);
    EXPECT_EQ(uhr.tab.StrGridStd, vorher.StrGridStd);

    // A range that ends before it begins would lose every hour mark.
    EXPECT_FALSE(uhr.StundenBereichPruefen(20, 5, 2));
    EXPECT_EQ(texte(),
              Texte{"Die erste Stunde der Stundenmarken (20) liegt nach der letzten (5)!"});
    EXPECT_TRUE(uhr.StundenBereichPruefen(12, 12, 2));
}

TEST_F(Dokument, OptionHandlersAndRepaints) {
    // Sunrise/sunset marks for the plot only when ticked and enabled.
    uhr.anz.ChBRiseSetHaken = true;
    uhr.lStartClick();
    EXPECT_TRUE(uhr.opt.MarkRiseSet);
    uhr.eBreitExit(Feld::eIncl, "5");
    EXPECT_FALSE(uhr.anz.ChBRiseSetAktiv);
    uhr.lStartClick();
    EXPECT_FALSE(uhr.opt.MarkRiseSet);
    uhr.rgAnzahlClick(3);
    uhr.rgAnzahlClick(7); // no such item
    EXPECT_EQ(uhr.p.Anzahl, 6);

    // The coordinate switch and the second button recompute without a repaint.
    bilder = 0;
    uhr.rgKoordAusgClick(1);
    uhr.btGoClick(Absender::btGo2);
    EXPECT_EQ(bilder, 0);
    EXPECT_EQ(uhr.tab.StrGridStd.Zelle(2, 0), "  d1   ");
    uhr.eBreitExit(Feld::eZone, "-15");
    EXPECT_EQ(bilder, 1);
}
