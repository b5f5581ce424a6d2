#include "lang/Texte.h"

#include <gtest/gtest.h>

#include <functional>

using namespace skiora::lang;

namespace {

constexpr int Deutsch = 1;
constexpr int Englisch = 2;

// Non-empty entries in nr = erster..letzter.
int ZaehleGefuellte(const std::function<std::string(int)>& text, int erster, int letzter) {
    int n = 0;
    for (int nr = erster; nr <= letzter; ++nr)
        n += text(nr).empty() ? 0 : 1;
    return n;
}

} // namespace

TEST(Texte, BlanksAndEscapesAreKeptExactly) {
    EXPECT_EQ(Meldung(Deutsch, 11),
              "Zeiger  gegenüber  Uhrenebene zu flach!\rBerechnung abgebrochen");
    EXPECT_EQ(Meldung(Englisch, 11),
              "Gnomon lies (nearly) in the dial plane!\n\rCalculation aborted !");
    EXPECT_EQ(Meldung(Englisch, 32), " ");
    EXPECT_EQ(Meldung(Deutsch, 33),
              " fehlt. (Weitere Information im Menü \r\"Hilfe / Hilfe Index\" "
              "unter dem Stichwort INI-Datei!");
    EXPECT_EQ(TextTabelle1(Englisch, 19),
              "Cannot print table!\n\rNo table but graphic is displayed!");
    EXPECT_EQ(TextTabelle2(Deutsch, 14),
              " am 1/6/11/16/21/26\""); // the stray quote is the program's
    EXPECT_EQ(TextTabelle2(Deutsch, 57), "  x-re. ");
    EXPECT_EQ(TitelText(Deutsch, Titel::Warnung), "SKIORA.EXE  -  Warnung!");
    EXPECT_EQ(TitelText(Englisch, Titel::Warnung), "SKIORA.EXE - Warning!");
    EXPECT_STREQ(MonatsNamen[1], "Jan");
    EXPECT_STREQ(MonatsNamen[12], "Dez");
}

// Counts of the non-empty entries of every table, so that a lost line shows;
// the first entries and the ends catch an index shifted by one.
TEST(Texte, TablesAreCompleteAndEndWhereTheyShould) {
    for (int s : {Deutsch, Englisch}) {
        EXPECT_EQ(ZaehleGefuellte([s](int n) { return Meldung(s, n); }, 0, 56), 47);
        EXPECT_EQ(ZaehleGefuellte([s](int n) { return TextTabelle1(s, n); }, 1, 30), 30);
        EXPECT_EQ(ZaehleGefuellte([s](int n) { return TextTabelle2(s, n); }, 0, 118), 108);
    }
    EXPECT_EQ(ZaehleGefuellte([](int id) { return LadeText(id); }, 0, 999), 72);
    EXPECT_EQ(ZaehleGefuellte([](int id) { return LadeText(id); }, 2000, 2999), 72);
    EXPECT_EQ(TextTabelle1(Deutsch, 1), " Tabelle der Zeitgleichung");
    EXPECT_EQ(TextTabelle2(Deutsch, 0), " N&ord");
    for (const std::string& t :
         {Meldung(Deutsch, -1), Meldung(Deutsch, 57), TextTabelle1(Deutsch, 0),
          TextTabelle1(Deutsch, 31), TextTabelle2(Englisch, -1), TextTabelle2(Englisch, 119),
          Meldung(0, 2), TextTabelle2(3, 0)})
        EXPECT_EQ(t, "");
}

TEST(Texte, LadeTextFollowsTheLanguageAndDropsAmpersands) {
    Sprachzustand s;
    EXPECT_EQ(LadeText(s, 103), "geogr. Breite");
    EXPECT_EQ(LadeText(s, 2), "&Speichern...");
    EXPECT_EQ(LadeTextOhneKuerzel(s, 2), "Speichern...");
    s.Waehle(false);
    EXPECT_EQ(s.Sprache, 2);
    EXPECT_EQ(LadeText(s, 103), "Latitude");
    EXPECT_EQ(LadeTextOhneKuerzel(s, 7), "  Close");
    for (int id = 1; id < 1000; ++id)
        EXPECT_EQ(LadeTextOhneKuerzel(s, id).find('&'), std::string::npos) << id;
    // Absent ids, and English ids without a German twin, give nothing.
    for (int id : {0, 11, 999, 1001, 2011, 3000, -5})
        EXPECT_EQ(LadeText(id), "") << id;
    EXPECT_EQ(LadeText(s, 40 + 2000), "");
}

TEST(Texte, TexteListeAndMenuTexte) {
    EXPECT_EQ(TexteListe(Englisch, 11, 14),
              (std::vector<std::string>{" 1 per month", " 2 per month (1/15)",
                                        " 3 per month (1/11/21)", " on 1/6/11/16/21/26"}));
    EXPECT_EQ(TexteListe(Deutsch, 68, 73).at(3), ""); // empty items keep their place
    EXPECT_EQ(TexteListe(Deutsch, 5, 4).size(), 0u);
    // A range past either end is cut to the table.
    EXPECT_EQ(TexteListe(Deutsch, 117, 130).size(), 2u);
    EXPECT_EQ(TexteListe(Deutsch, -3, 0), (std::vector<std::string>{" N&ord"}));

    const auto& de = MenuTexte(true);
    const auto& en = MenuTexte(false);
    EXPECT_EQ(de[0], "  &Datei  ");
    EXPECT_EQ(en[0], "  &Files  ");
    EXPECT_EQ(de[17], " &About   ");
    EXPECT_EQ(en[17], "  &About  ");
    EXPECT_EQ(ZaehleGefuellte([&](int i) { return de[i]; }, 0, 18), 18);
    EXPECT_EQ(ZaehleGefuellte([&](int i) { return en[i]; }, 0, 18), 18);
}
