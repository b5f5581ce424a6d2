// The five methods' hour lists, status 21, the input table and the progress.
#include "Hilfe.h"

#include <gtest/gtest.h>

#include <cmath>
#include <thread>

namespace skiora::test {
namespace {

TEST(Methode0, StundenAusDerTabelle) {
    SplitUhr s(true);
    s.uhr.Methode0(); // empty table
    EXPECT_EQ(s.uhr.Status, 0);
    EXPECT_EQ(s.Spalte(1), (Liste{"  9.00", " 11.00"}));
    EXPECT_EQ(s.Spalte(3), (Liste{" 13.00", " 17.50"}));
    EXPECT_EQ(s.uhr.tab.StrGridEin.Zelle(1, 0), "Zeit");

    s.Eingabe(1, {"11", "8"}); // swapped
    s.Eingabe(3, {"14", ""});  // one empty cell: the afternoon defaults
    s.uhr.Methode0();
    EXPECT_EQ(s.Spalte(1), (Liste{"  8.00", " 11.00"}));
    EXPECT_EQ(s.Spalte(3), (Liste{" 13.00", " 17.50"}));
    EXPECT_EQ(s.uhr.erg.StundenVor[1], 8);

    s.Eingabe(1, {"3", "14"}); // clamped to 5 and 12
    s.uhr.Methode0();
    EXPECT_EQ(s.Spalte(1), (Liste{"  5.00", " 12.00"}));
}

TEST(Methode0, GleicheStundenGebenStatus21UeberDenTreiber) {
    SplitUhr s;
    s.uhr.p.Mittelwert = 0;
    s.uhr.btGoClick();
    ASSERT_EQ(s.uhr.Status, 0);
    ASSERT_FALSE(s.uhr.tab.StrGridDat.Zelle(0, 1).empty());
    s.uhr.opt.DefaultWerte = false;
    s.Eingabe(1, {"10", "10"});
    s.uhr.btGoClick();
    EXPECT_EQ(s.uhr.Status, 21);
    EXPECT_TRUE(s.MeldungEnthaelt("Die Stundeneingaben in der Tabelle sind falsch!"));
    EXPECT_TRUE(s.uhr.anz.BildGeloescht);
    EXPECT_EQ(s.uhr.tab.StrGridDat.Zelle(0, 1), "");
    EXPECT_EQ(s.uhr.tab.StrGrid8.Zelle(0, 1), "");
    EXPECT_EQ(s.uhr.tab.StrGrid8b.Zelle(5, 0), "");
    EXPECT_EQ(s.uhr.tab.StrMittel.Zelle(1, 1), "");
    // The captions of the summary stay; the hours actually read are shown.
    EXPECT_FALSE(s.uhr.tab.StrMittel.Zelle(0, 1).empty());
    EXPECT_EQ(s.Spalte(1), (Liste{" 10.00", " 10.00"}));
}

TEST(Methode1, ZweiGrenzenMitDiff) {
    SplitUhr s(true);
    s.Eingabe(1, {"11", "8"});
    s.Eingabe(2, {"", "-0.5"});
    s.uhr.Methode1();
    EXPECT_EQ(s.uhr.Status, 0);
    EXPECT_EQ(s.Spalte(1),
              (Liste{"  8.00", "  8.50", "  9.00", "  9.50", " 10.00", " 10.50", " 11.00"}));
    EXPECT_EQ(s.Spalte(2), (Liste{"  0.50"}));
    EXPECT_EQ(s.uhr.tab.StrGridEin.Zelle(2, 2), "  0.50");
    // The empty afternoon falls back to 13 .. 17.
    EXPECT_EQ(s.Spalte(3), (Liste{" 13.00", " 14.00", " 15.00", " 16.00", " 17.00"}));
    // A second run reads its own rewrite and gives the same.
    const auto dat = s.uhr.tab.StrGridDat;
    s.uhr.Methode1();
    EXPECT_EQ(s.uhr.tab.StrGridDat, dat);
}

TEST(Methode1, GleicheStundenZuWenigeUndZuViele) {
    SplitUhr s(true);
    s.Eingabe(1, {"9", "9", "10"});
    s.uhr.Methode1();
    EXPECT_EQ(s.uhr.Status, 21);
    EXPECT_TRUE(s.MeldungEnthaelt("Tabelle fehlerhaft"));
    EXPECT_EQ(s.melder.eintraege.back().symbol, Symbol::Fehler);

    s.uhr.tab.StrGridEin.Leeren();
    s.Eingabe(1, {"11", "10"});
    s.Eingabe(2, {"", "2"}); // expansion gives only 10
    s.uhr.Methode1();
    EXPECT_EQ(s.uhr.Status, 21);

    s.uhr.tab.StrGridEin.Leeren();
    s.uhr.Status = 0; // as the driver sets it before each run
    s.Eingabe(1, {"4", "12"});
    s.Eingabe(2, {"", "0.1"}); // 81 hours: cut to 30
    s.uhr.Methode1();
    EXPECT_EQ(s.uhr.Status, 0);
    EXPECT_EQ(s.uhr.erg.StundenVor[0], 30);
    EXPECT_TRUE(s.MeldungEnthaelt("Es werden nur die ersten 30 Stunden"));
}

TEST(Methode234, StundenListenUndKuerzung) {
    SplitUhr s(true);
    s.uhr.p.Mittelwert = 2;
    s.uhr.p.Anzahl = 1;
    s.Eingabe(1, {"7", "11.5", "13"});
    s.Eingabe(2, {"-2", "", "1"});
    s.Eingabe(3, {"15"}); // a single afternoon hour: the default list
    s.uhr.Methode234();
    EXPECT_EQ(s.Spalte(1), (Liste{"  7.00", " 11.50", " 12.00"}));
    EXPECT_EQ(s.Spalte(2), (Liste{"  2.00", "  1.00", "  1.00"}));
    EXPECT_EQ(s.Spalte(3), (Liste{" 13.00", " 14.00", " 15.00", " 16.00", " 17.00"}));
    EXPECT_EQ(s.uhr.tab.StrGridEin.Zelle(2, 0), "Gewicht");

    s.uhr.p.Mittelwert = 4; // no weights shown; more than 20 hours are cut
    Liste v;
    for (int k = 0; k < 25; ++k)
        v.push_back(std::to_string(4 + 0.25 * k));
    s.Eingabe(1, v);
    s.uhr.Methode234();
    EXPECT_TRUE(s.Spalte(2).empty());
    EXPECT_EQ(s.uhr.erg.StundenVor[0], 20);
    EXPECT_EQ(s.Spalte(1).size(), 20u);
    EXPECT_TRUE(s.MeldungEnthaelt("Es werden nur die ersten 20 Stunden"));
}

TEST(Methode234, FortschrittInReihenfolgeAufDemAufrufer) {
    SplitUhr s;
    s.uhr.p.Mittelwert = 3;
    s.uhr.p.Anzahl = 2;
    std::vector<int> schritte;
    bool fremd = false;
    const auto ich = std::this_thread::get_id();
    s.uhr.fortschritt = [&](int k) {
        schritte.push_back(k);
        fremd = fremd || std::this_thread::get_id() != ich;
    };
    s.uhr.Methode234();
    ASSERT_EQ(schritte.size(), 24u);
    for (int i = 0; i < 24; ++i)
        EXPECT_EQ(schritte[i], 5 * (i + 1));
    EXPECT_FALSE(fremd);
}

TEST(Eingabe, NichtZahlenAbgewiesenUndHoppla) {
    SplitUhr s;
    s.uhr.Methode0();
    EXPECT_TRUE(s.uhr.EingabeZelleSetzen(1, 1, "8,5"));
    EXPECT_EQ(s.uhr.tab.StrGridEin.Zelle(1, 1), "8.5");
    EXPECT_FALSE(s.uhr.EingabeZelleSetzen(1, 2, "9x"));
    EXPECT_EQ(s.uhr.tab.StrGridEin.Zelle(1, 2), "");
    ASSERT_EQ(s.melder.eintraege.size(), 1u);
    EXPECT_EQ(s.melder.eintraege[0].text, "Fehlerhafte Eingabe !");
    EXPECT_TRUE(s.uhr.EingabeZelleSetzen(2, 1, ""));
    EXPECT_FALSE(s.uhr.EingabeZelleSetzen(0, 1, "5")); // the label column

    // Editing the table empties the results and selects the table's hours.
    s.uhr.hoppla();
    EXPECT_FALSE(s.uhr.opt.DefaultWerte);
    EXPECT_EQ(s.uhr.tab.StrGridDat.Zelle(0, 1), "");
    EXPECT_EQ(s.uhr.tab.StrGrid8b.Zelle(0, 1), "");
    EXPECT_FALSE(s.uhr.tab.StrMittel.Zelle(1, 1).empty());
}

// Shadow of a vertical gnomon on a horizontal dial, from the Sun vector in
// the horizon frame (x east, y north, z up).
TEST(Geometrie, SchattenlinieTrifftBeideStundenpunkte) {
    for (double breit : {47.25, -33.9, 60.0}) {
        SplitUhr s;
        s.uhr.p.Breit = breit;
        s.uhr.Abgeleitet();
        for (int N : {15, 100, 172, 250, 355}) {
            tSkioraPoint rec;
            ZweiStundenPunkt(s.uhr, N, rec, 8, 11);
            const double f = breit * Rad, d = rec.decl * Rad;
            for (double T : {8.0, 11.0}) {
                const double H = (15 * (T - 12) + rec.eot) * Rad; // true hour angle
                const double ost = -std::cos(d) * std::sin(H);
                const double nord =
                    std::cos(f) * std::sin(d) - std::sin(f) * std::cos(d) * std::cos(H);
                const double w = 15 * (T - 12) * Rad;
                const double px = s.uhr.p.Halb * std::sin(w) - rec.x;
                const double py = s.uhr.Klein * std::cos(w) - rec.y;
                // The shadow points away from the Sun: along (-ost, -nord).
                const double kreuz = px * -nord - py * -ost;
                const double laenge = std::hypot(px, py) * std::hypot(ost, nord);
                EXPECT_NEAR(kreuz / laenge, 0, 1e-9) << breit << " " << N << " " << T;
                EXPECT_GT(px * -ost + py * -nord, 0) << breit << " " << N << " " << T;
            }
        }
    }
}

} // namespace
} // namespace skiora::test
