// The document's handlers: field validation, derived values, the extra
// date and the calculation driver's refusals.
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

TEST_F(Dokument, LatitudeAtThePolesAndTheEquatorIsNudged) {
    // An emptied field counts as 0 and shows it.
    const FeldErgebnis r = uhr.eBreitExit(Feld::eBreit, "");
    EXPECT_TRUE(r.gueltig);
    EXPECT_EQ(r.text, "   0.00");
    EXPECT_EQ(uhr.p.Breit, 0.005);
    for (const auto& [text, breit] :
         {std::pair{"90", 89.9999999}, {"-90", -89.9999999}, {"-0.001", 0.005}}) {
        uhr.eBreitExit(Feld::eBreit, text);
        EXPECT_EQ(uhr.p.Breit, breit) << text;
    }
    // The pole rule holds for whichever field is checked.
    uhr.eBreitExit(Feld::eLang, "90");
    EXPECT_EQ(uhr.p.Lang, 89.9999999);
    EXPECT_TRUE(melder.eintraege.empty());
}

TEST_F(Dokument, RefusedValuesKeepTheOldOneAndWriteItBack) {
    EXPECT_EQ(Abgewiesen(Feld::eBreit, "90.5"), "  47.25");
    EXPECT_EQ(uhr.p.Breit, 47.25);
    EXPECT_EQ(melder.eintraege.at(0).titel, "SKIORA.EXE  -  Problem!");
    EXPECT_EQ(texte(), Texte{"Fehlerhafte Eingabe !"});
    // The window's key filter makes this 12.5.
    EXPECT_EQ(Abgewiesen(Feld::eHalb, "12,5"), "   2.75");
    EXPECT_EQ(texte(), (Texte{"Das ist keine reelle Zahl.", "Fehlerhafte Eingabe !"}));
    EXPECT_EQ(Abgewiesen(Feld::eHoehe, "0.05"), "   1.70");    // must exceed 0.05
    EXPECT_EQ(Abgewiesen(Feld::eHoehe, "1000001"), "   1.70"); // beyond GroessteLaenge
    EXPECT_EQ(Abgewiesen(Feld::eRiseSet, "23.46"), "  20.20");

    EXPECT_EQ(Abgewiesen(Feld::eHalb, "12.5"), "");
    EXPECT_EQ(uhr.p.Halb, 12.5);
    EXPECT_EQ(Abgewiesen(Feld::eGnomInc, "-150"), "");
    EXPECT_EQ(uhr.p.GnomWinkel, -60);
    // The export panel's prompt offers [2,...,20]: 2 itself is valid.
    EXPECT_EQ(Abgewiesen(Feld::EddxfAchs, "2"), "");
    EXPECT_EQ(uhr.opt.DxfAchse, 2);
    EXPECT_EQ(Abgewiesen(Feld::EddxfAchs, "20.01"), "2.00");
    EXPECT_EQ(uhr.p.Halb, 2);
}

TEST_F(Dokument, GnomonInThePlaneKeepsSinGIOffZero) {
    EXPECT_EQ(uhr.anz.lKlein, " =   2.02");
    // Kept off zero with its sign; at 180 the sine is a tiny positive residue.
    for (const auto& [winkel, sinGI] :
         {std::pair{0.0, 0.5e-9}, {180.0, 1.5e-9}, {-180.0, -0.5e-9}}) {
        uhr.p.GnomWinkel = winkel;
        uhr.Abgeleitet();
        EXPECT_DOUBLE_EQ(uhr.SinGI, sinGI) << winkel;
        EXPECT_TRUE(std::isfinite(uhr.Klein));
    }
}

TEST_F(Dokument, ImpossibleGnomonStopsTheDriverAndKeepsTheTables) {
    uhr.btGoClick();
    ASSERT_EQ(uhr.Status, 0);
    Tabellen vorher = uhr.tab;
    const auto punkte = uhr.erg.StundenPunkte;

    uhr.eBreitExit(Feld::eGnomInc, "-86"); // abs(4 - 0) < 5
    EXPECT_EQ(uhr.Status, 11);
    EXPECT_TRUE(uhr.anz.BildGeloescht);
    EXPECT_EQ(uhr.anz.BildMeldung, "Zeiger  gegenüber  Uhrenebene zu flach!");
    EXPECT_EQ(texte(), Texte{"Zeiger  gegenüber  Uhrenebene zu flach!\rBerechnung abgebrochen"});
    EXPECT_EQ(uhr.tab.StrGridStd, vorher.StrGridStd);
    EXPECT_EQ(uhr.tab.StrGridShad, vorher.StrGridShad);
    EXPECT_EQ(uhr.erg.StundenPunkte[5].x, punkte[5].x);

    uhr.eBreitExit(Feld::eGnomInc, "0");
    uhr.eBreitExit(Feld::eIncl, "-20");
    ASSERT_EQ(uhr.Status, 0);
    EXPECT_FALSE(uhr.anz.BildGeloescht);
    vorher = uhr.tab;
    uhr.sprache.Waehle(false);
    uhr.eBreitExit(Feld::eGnomInc, "100"); // abs(100 + 20) > 90
    EXPECT_EQ(uhr.Status, 12);
    EXPECT_EQ(uhr.anz.BildMeldung, "Gnomon has no shadow - angle is wrong !");
    EXPECT_EQ(uhr.tab.StrGridStd, vorher.StrGridStd);
    EXPECT_EQ(uhr.tab.StrGridShad, vorher.StrGridShad);
}

TEST_F(Dokument, YearOutOfRangeInBothLanguages) {
    EXPECT_EQ(Abgewiesen(Feld::ejahr, "1650"), "2002");
    EXPECT_EQ(uhr.p.Jahr, 2002);
    EXPECT_EQ(texte(), Texte{"Jahresangabe =1650: Zulässiger Wertebereich ist [1700..2100] !"});
    uhr.sprache.Waehle(false);
    uhr.eBreitExit(Feld::ejahr, "1650");
    EXPECT_EQ(texte(), Texte{"year =1650: Value has to be in Interval [1700..2100] !"});
    // A year is whole; an emptied field keeps it.
    EXPECT_EQ(Abgewiesen(Feld::ejahr, "2003.5"), "2002");
    const FeldErgebnis r = uhr.eBreitExit(Feld::ejahr, "");
    EXPECT_TRUE(r.gueltig);
    EXPECT_EQ(r.text, "2002");
    EXPECT_EQ(uhr.p.Jahr, 2002);
}

TEST_F(Dokument, LeapDayFollowsTheYear) {
    uhr.eBreitExit(Feld::ejahr, "2004");
    EXPECT_TRUE(uhr.MaskEdit1Exit("29/02").gueltig);
    EXPECT_EQ(uhr.opt.ExtraDatumName, "29. Feb");
    uhr.eBreitExit(Feld::ejahr, "2000"); // divisible by 400: stays
    EXPECT_EQ(uhr.opt.ExtraTag, 29);
    // A century year that is not a leap year turns it too.
    uhr.eBreitExit(Feld::ejahr, "2100");
    EXPECT_EQ(uhr.opt.ExtraTag, 28);
    EXPECT_EQ(uhr.opt.ExtraDatumText, "28/02");
    EXPECT_EQ(uhr.opt.ExtraDatumName, "28. Feb");
    EXPECT_TRUE(melder.eintraege.empty());
}

TEST_F(Dokument, ExtraDateValidation) {
    uhr.eBreitExit(Feld::ejahr, "1900");
    const FeldErgebnis r = uhr.MaskEdit1Exit("29/02");
    EXPECT_FALSE(r.gueltig);
    EXPECT_EQ(r.text, "  /  ");
    ASSERT_EQ(melder.eintraege.size(), 1u);
    EXPECT_EQ(melder.eintraege[0].titel, "SKIORA.EXE  -  Fehler!");
    EXPECT_EQ(melder.eintraege[0].symbol, Symbol::Fehler);
    EXPECT_EQ(texte(), Texte{"Fehlerhaftes Datum !"});
    // The last valid date stays in force.
    EXPECT_EQ(uhr.opt.ExtraTag, 1);
    EXPECT_EQ(uhr.opt.ExtraMonat, 5);
    for (const char* falsch : {"31/04", "00/05", "01/13", "30/02", "ab/cd", "3105"})
        EXPECT_FALSE(uhr.MaskEdit1Exit(falsch).gueltig) << falsch;
    texte();
    EXPECT_EQ(uhr.MaskEdit1Exit("  /  ").text, "  /  "); // left alone
    EXPECT_EQ(uhr.MaskEdit1Exit(" 7/ 3").text, "07/03");
    EXPECT_EQ(uhr.opt.ExtraDatumName, "07. Mar");
    EXPECT_EQ(uhr.opt.ExtraMonat, 3);
    EXPECT_TRUE(melder.eintraege.empty());
}

TEST_F(Dokument, HourRangesBeyondTheArraysAreRefused) {
    // (bis - von) * L + 1 points, L = 4 below 3 lines per hour, else the lines.
    EXPECT_FALSE(uhr.StundenBereichErlaubt(2, 23, 6)); // 127
    EXPECT_TRUE(uhr.StundenBereichErlaubt(3, 23, 6));  // 121
    EXPECT_TRUE(uhr.StundenBereichErlaubt(2, 23, 1));  // 85: the shadow path counts
    EXPECT_FALSE(uhr.StundenBereichErlaubt(5, 21, 0));
    EXPECT_FALSE(uhr.StundenBereichErlaubt(5, 21, 7));

    // Set behind the check's back, the driver still does not overrun.
    uhr.btGoClick();
    const Tabellen vorher = uhr.tab;
    uhr.opt.StdVon = 2;
    uhr.opt.StdBis = 23;
    uhr.p.Lph = 6;
    uhr.btGoClick();
    ASSERT_EQ(melder.eintraege.size(), 1u);
    EXPECT_NE(melder.eintraege[0].text.find("127"), std::string::npos);
    EXPECT_EQ(uhr.tab.StrGridStd, vorher.StrGridStd);
}

TEST_F(Dokument, ModeSwitchOptionHandlersAndRepaints) {
    uhr.rgArtenClick(2); // not Bereit: no calculation yet
    EXPECT_EQ(bilder, 0);
    EXPECT_EQ(uhr.tab.StrGridDat.Spalten(), 9);
    EXPECT_EQ(uhr.tab.StrMittel.Zelle(0, 1), " max. Fehler");
    EXPECT_FALSE(uhr.anz.ChBRiseSetAktiv);
    EXPECT_TRUE(uhr.anz.pSplitSichtbar);
    EXPECT_FALSE(uhr.anz.pErrGraphSichtbar);
    uhr.rgArtenClick(0);
    EXPECT_EQ(uhr.tab.StrGridDat.Spalten(), 7);
    EXPECT_EQ(uhr.tab.StrMittel.Zelle(0, 1), "");
    EXPECT_TRUE(uhr.anz.ChBRiseSetAktiv);
    EXPECT_TRUE(uhr.anz.pErrGraphSichtbar);

    // Sunrise/sunset marks for the plot only when ticked and enabled.
    uhr.anz.ChBRiseSetHaken = true;
    uhr.lStartClick();
    EXPECT_TRUE(uhr.opt.MarkRiseSet);
    uhr.anz.ChBRiseSetHaken = false;
    uhr.lStartClick();
    EXPECT_FALSE(uhr.opt.MarkRiseSet);
    uhr.anz.ChBRiseSetHaken = true;
    uhr.eBreitExit(Feld::eIncl, "5");
    EXPECT_FALSE(uhr.anz.ChBRiseSetAktiv);
    uhr.lStartClick();
    EXPECT_FALSE(uhr.opt.MarkRiseSet);
    uhr.rgAnzahlClick(3);
    EXPECT_EQ(uhr.p.Anzahl, 6);
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
