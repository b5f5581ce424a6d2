// The five methods' hour lists, status 21, the input table and the progress;
// the exact two-hour position and the error tables. Every cell against
// AblesFehler is in test_vergleich.cpp.
#include "core/Sonne.h"
#include "core/Split.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <thread>
#include <vector>

namespace skiora {
namespace {

using Liste = std::vector<std::string>;

// A split dial at the default site, recording its messages; with `ausTabelle`
// the hours come from the input table instead of the defaults.
struct SplitUhr {
    SammelMelder melder;
    Sonnenuhr uhr;
    explicit SplitUhr(bool ausTabelle = false) {
        uhr.setzeMelder(&melder);
        uhr.p.Arten = 2;
        uhr.Modusumschaltung();
        uhr.opt.DefaultWerte = !ausTabelle;
    }
    void Eingabe(int spalte, const Liste& zellen) {
        for (std::size_t z = 0; z < zellen.size(); ++z)
            uhr.tab.StrGridEin.Setze(spalte, static_cast<int>(z) + 1, zellen[z]);
    }
    // The non-empty cells of a column of the input table.
    Liste Spalte(int spalte) const {
        Liste v;
        for (int z = 1; z < uhr.tab.StrGridEin.Zeilen(); ++z)
            if (!uhr.tab.StrGridEin.Zelle(spalte, z).empty())
                v.push_back(uhr.tab.StrGridEin.Zelle(spalte, z));
        return v;
    }
    std::string Zuletzt() const { // the last message shown
        return melder.eintraege.empty() ? "" : melder.eintraege.back().text;
    }
};

TEST(Methode0, EingabeTabelleStundenUndStatus21UeberDenTreiber) {
    SplitUhr s(true);
    s.uhr.Methode0(); // empty table
    EXPECT_EQ(s.Spalte(1), (Liste{"  9.00", " 11.00"}));
    s.Eingabe(1, {"11", "8"}); // swapped
    s.Eingabe(3, {"14", ""});  // one empty cell: the afternoon defaults
    s.uhr.p.Mittelwert = 0;
    s.uhr.btGoClick();
    EXPECT_EQ(s.Spalte(1), (Liste{"  8.00", " 11.00"}));
    EXPECT_EQ(s.Spalte(3), (Liste{" 13.00", " 17.50"}));
    ASSERT_FALSE(s.uhr.tab.StrGridDat.Zelle(0, 1).empty());

    s.Eingabe(1, {"10", "10"}); // equal
    s.uhr.btGoClick();
    EXPECT_EQ(s.uhr.Status, 21);
    EXPECT_EQ(s.Zuletzt(), "Die Stundeneingaben in der Tabelle sind falsch!");
    EXPECT_TRUE(s.uhr.anz.BildGeloescht);
    EXPECT_EQ(s.uhr.tab.StrGridDat.Zelle(0, 1), "");
    EXPECT_EQ(s.Spalte(1), (Liste{" 10.00", " 10.00"})); // the hours actually read

    // Editing a cell: a comma is a point, no number is refused.
    EXPECT_TRUE(s.uhr.EingabeZelleSetzen(1, 1, "8,5"));
    EXPECT_EQ(s.uhr.tab.StrGridEin.Zelle(1, 1), "8.5");
    EXPECT_FALSE(s.uhr.EingabeZelleSetzen(1, 2, "9x"));
    EXPECT_EQ(s.uhr.tab.StrGridEin.Zelle(1, 2), "");
    EXPECT_EQ(s.Zuletzt(), "Fehlerhafte Eingabe !");
    EXPECT_FALSE(s.uhr.EingabeZelleSetzen(0, 1, "5")); // the label column
}

// Parameters set directly (as a script or a loaded file does) reach the
// split tables: the driver does not work with the previous minor axis.
TEST(Treiber, DirektGesetzteParameterGeltenAuchFuerDieSplitTabellen) {
    SplitUhr alt, neu;
    alt.uhr.btGoClick();
    alt.uhr.p.Halb = neu.uhr.p.Halb = 5;
    alt.uhr.btGoClick();
    neu.uhr.Abgeleitet();
    neu.uhr.btGoClick();
    for (const Gitter Tabellen::*g :
         {&Tabellen::StrGrid8, &Tabellen::StrGrid8b, &Tabellen::StrGridDat})
        for (int z = 0; z < (alt.uhr.tab.*g).Zeilen(); ++z)
            for (int sp = 0; sp < (alt.uhr.tab.*g).Spalten(); ++sp)
                ASSERT_EQ((alt.uhr.tab.*g).Zelle(sp, z), (neu.uhr.tab.*g).Zelle(sp, z))
                    << sp << "/" << z;
}

TEST(Methode1, ZweiGrenzenMitDiffGleicheUndZuVieleStunden) {
    SplitUhr s(true);
    s.Eingabe(1, {"11", "8"});
    s.Eingabe(2, {"", "-0.5"});
    s.uhr.Methode1();
    EXPECT_EQ(s.uhr.Status, 0);
    EXPECT_EQ(s.Spalte(1),
              (Liste{"  8.00", "  8.50", "  9.00", "  9.50", " 10.00", " 10.50", " 11.00"}));
    EXPECT_EQ(s.Spalte(2), (Liste{"  0.50"}));
    EXPECT_EQ(s.Spalte(3).size(), 5u); // the empty afternoon falls back to 13 .. 17
    // A second run reads its own rewrite and gives the same.
    const auto dat = s.uhr.tab.StrGridDat;
    s.uhr.Methode1();
    EXPECT_EQ(s.uhr.tab.StrGridDat, dat);

    s.uhr.tab.StrGridEin.Leeren();
    s.Eingabe(1, {"9", "9", "10"});
    s.uhr.Methode1();
    EXPECT_EQ(s.uhr.Status, 21);
    EXPECT_EQ(s.Zuletzt(), "Tabelle fehlerhaft");

    s.uhr.tab.StrGridEin.Leeren();
    s.uhr.Status = 0; // as the driver sets it before each run
    s.Eingabe(1, {"4", "12"});
    s.Eingabe(2, {"", "0.1"}); // 81 hours: cut to 30
    s.uhr.Methode1();
    EXPECT_EQ(s.uhr.erg.StundenVor[0], 30);
    EXPECT_NE(s.Zuletzt().find("Es werden nur die ersten 30 Stunden"), std::string::npos);
}

TEST(Methode234, StundenListenKuerzungUndFortschritt) {
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

    s.uhr.p.Mittelwert = 4; // no weights shown; more than 20 hours are cut
    for (int k = 0; k < 25; ++k)
        s.uhr.tab.StrGridEin.Setze(1, k + 1, std::to_string(4 + 0.25 * k));
    // Progress in month order, on the calling thread only (-1 from elsewhere).
    std::vector<int> schritte, soll;
    const auto ich = std::this_thread::get_id();
    s.uhr.fortschritt = [&](int k) {
        schritte.push_back(std::this_thread::get_id() == ich ? k : -1);
    };
    s.uhr.Methode234();
    EXPECT_TRUE(s.Spalte(2).empty());
    EXPECT_EQ(s.uhr.erg.StundenVor[0], 20);
    EXPECT_NE(s.Zuletzt().find("Es werden nur die ersten 20 Stunden"), std::string::npos);
    for (int i = 1; i <= 24; ++i)
        soll.push_back(5 * i);
    EXPECT_EQ(schritte, soll);
}

// The exact two-hour position against the sky: the shadow of a vertical
// gnomon on a horizontal dial, from the Sun vector in the horizon frame,
// passes through both hour points.
TEST(ZweiStundenPunkt, SchattenlinieTrifftBeideStundenpunkteUndLiestSieExakt) {
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
                SCOPED_TRACE(testing::Message() << breit << " " << N << " " << T);
                EXPECT_NEAR((px * nord - py * ost) / std::hypot(px, py) / std::hypot(ost, nord), 0,
                            1e-9);
                EXPECT_LT(px * ost + py * nord, 0);
            }
        }
    }
    // Default site, 1 May 2003: the position fitted to 8:00 and 11:00 reads
    // those hours without error and is off by about 0.3 minutes at 9:00.
    SplitUhr s;
    s.uhr.p.Jahr = 2003;
    tSkioraPoint rec;
    ZweiStundenPunkt(s.uhr, TagNr(2003, 5, 1), rec, 8, 11);
    EXPECT_TRUE(rec.usable);
    for (double T : {8.0, 11.0, 9.0}) {
        const auto r = AblesFehler(s.uhr, T, rec.y, rec.x, rec.eot, rec.decl);
        ASSERT_FALSE(r.fehlgeschlagen);
        EXPECT_NEAR(std::abs(r.fehler) * 4, T == 9 ? 0.3 : 0, T == 9 ? 0.1 : 1e-9) << T;
    }
}

// A date array of usable records at the mean-time noon point.
DatumsFeld EinDatum(const Sonnenuhr& uhr, double decl, double eot) {
    DatumsFeld f;
    SplitDaten(f, 1);
    for (int r = 1; r <= 12; ++r) {
        f[r].decl = decl, f[r].eot = eot, f[r].usable = true;
        f[r].x = -eot * Rad * uhr.p.Halb;
        f[r].y = uhr.p.Halb * std::tan(decl * Rad) * std::cos(uhr.p.Breit * Rad);
    }
    return f;
}

TEST(FehlerTabelle, KoepfeUnbrauchbarKeineLoesungZuKurzUndOhneGueltigeZelle) {
    SplitUhr s;
    DatumsFeld f = EinDatum(s.uhr, 15, 1);
    f[2].usable = false;
    // Row 3: the gnomon on the 13:00 hour point, where every shadow line passes.
    f[3].x = s.uhr.p.Halb * std::sin(15 * Rad);
    f[3].y = s.uhr.Klein * std::cos(15 * Rad);
    Gitter g(19, 73);
    g.Setze(0, 2, "01.Feb ");
    const FehlerSumme sum = FehlerTabelle(g, 12, 19, f, 73, 1, s.uhr);
    for (const auto& [c, kopf] : {std::pair{5, "Fehler "}, {6, "12:30"}, {7, " 13:00"}})
        EXPECT_EQ(g.Zelle(c, 0), kopf);
    // An unusable date: its row is emptied, "***" in the error column.
    EXPECT_EQ(g.Zelle(0, 2), "");
    EXPECT_EQ(g.Zelle(5, 2), "***");
    // The cell without a solution says so and does not count.
    EXPECT_EQ(g.Zelle(7, 3), " error");
    EXPECT_NE(g.Zelle(5, 3), "???");
    EXPECT_EQ(sum.n, 11 * 8 - 1);
    EXPECT_TRUE(std::isfinite(sum.streuung));

    s.uhr.sprache.Waehle(false);
    Gitter m(19, 73);
    FehlerTabelle(m, 8, 12, f, 73, 1, s.uhr);
    for (const auto& [c, kopf] : {std::pair{5, "Error"}, {6, " 8:00"}, {7, "  9:00"}})
        EXPECT_EQ(m.Zelle(c, 0), kopf);
    EXPECT_TRUE(s.melder.eintraege.empty());
    // 11 to 12: the table is still filled, after the information message.
    FehlerTabelle(m, 11, 12, f, 73, 1, s.uhr);
    EXPECT_EQ(s.Zuletzt(), "Not eneough data for average calculation!");
    EXPECT_EQ(m.Zelle(7, 1), MinSekText(AblesFehler(s.uhr, 12, f[1].y, f[1].x, 1, 15).fehler));

    // Polar night: every hour cell stays empty, the row and the summary show "???".
    s.uhr.p.Breit = 70;
    s.uhr.p.Anzahl = 1;
    s.uhr.Abgeleitet();
    f = EinDatum(s.uhr, -23, 0);
    SplitTabellen(s.uhr, f, f);
    // The afternoon table heads its positions as the date table's right block.
    EXPECT_EQ(s.uhr.tab.StrGrid8.Zelle(1, 0) + s.uhr.tab.StrGrid8.Zelle(2, 0), " x_right y_right");
    EXPECT_EQ(s.uhr.tab.StrGrid8b.Zelle(5, 1), "???");
    EXPECT_EQ(s.uhr.tab.StrGrid8b.Zelle(6, 1), "");
    EXPECT_EQ(s.uhr.tab.StrMittel.Zelle(1, 2), "???");
    EXPECT_EQ(s.uhr.tab.StrMittel.Zelle(2, 3), "???");
    EXPECT_EQ(s.uhr.erg.Streuung[0], 0);
}

} // namespace
} // namespace skiora
