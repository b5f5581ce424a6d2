// Reading errors: the exact two-hour position, the error formula and the
// error tables. Every cell against AblesFehler is in test_vergleich.cpp.
#include "Hilfe.h"

#include <gtest/gtest.h>

#include <cmath>

namespace skiora::test {
namespace {

TEST(AblesFehler, ZweiStundenPunktIstFuerSeineStundenExakt) {
    // Default site, 1 May 2003: the position fitted to 8:00 and 11:00 reads
    // those hours without error and is off by a fraction of a minute between.
    SplitUhr s;
    s.uhr.p.Jahr = 2003;
    tSkioraPoint rec;
    ZweiStundenPunkt(s.uhr, TagNr(2003, 5, 1), rec, 8, 11);
    EXPECT_TRUE(rec.usable);
    for (double T : {8.0, 11.0}) {
        const auto r = AblesFehler(s.uhr, T, rec.y, rec.x, rec.eot, rec.decl);
        ASSERT_FALSE(r.fehlgeschlagen);
        EXPECT_NEAR(r.fehler, 0, 1e-9) << T;
    }
    const auto neun = AblesFehler(s.uhr, 9, rec.y, rec.x, rec.eot, rec.decl);
    ASSERT_FALSE(neun.fehlgeschlagen);
    EXPECT_GT(std::abs(neun.fehler) * 4, 0.2);
    EXPECT_LT(std::abs(neun.fehler) * 4, 0.4);
}

// A date array with one usable record at the mean-time noon point.
DatumsFeld EinDatum(const Sonnenuhr& uhr, double decl, double eot) {
    DatumsFeld f;
    SplitDaten(f, 1);
    for (int r = 1; r <= 12; ++r) {
        f[r].decl = decl;
        f[r].eot = eot;
        f[r].x = -eot * Rad * uhr.p.Halb;
        f[r].y = uhr.p.Halb * std::tan(decl * Rad) * std::cos(uhr.p.Breit * Rad);
        f[r].usable = true;
    }
    return f;
}

TEST(FehlerTabelle, KoepfeUnbrauchbareZeileUndKeineLoesung) {
    SplitUhr s;
    DatumsFeld f = EinDatum(s.uhr, 15, 1);
    f[2].usable = false;
    // Row 3: the gnomon on the 13:00 hour point, where every shadow line passes.
    const double w = (13 - 12) * 15 * Rad;
    f[3].x = s.uhr.p.Halb * std::sin(w);
    f[3].y = s.uhr.Klein * std::cos(w);
    Gitter g(19, 73);
    g.Setze(0, 2, "01.Feb ");
    const FehlerSumme sum = FehlerTabelle(g, 12, 19, f, 73, 1, s.uhr);
    EXPECT_TRUE(s.melder.eintraege.empty());
    const Liste koepfe{"Fehler ", "12:30", " 13:00", " 14:00"};
    for (int c = 5; c <= 8; ++c)
        EXPECT_EQ(g.Zelle(c, 0), koepfe[c - 5]);
    EXPECT_EQ(g.Zelle(13, 0), " 19:00");
    // An unusable date: its row is emptied, "***" in the error column.
    EXPECT_EQ(g.Zelle(0, 2), "");
    EXPECT_EQ(g.Zelle(5, 2), "***");
    // The cell without a solution says so and does not count.
    EXPECT_EQ(g.Zelle(7, 3), " error");
    EXPECT_NE(g.Zelle(5, 3), "???");
    EXPECT_EQ(sum.n, 11 * 8 - 1);
    EXPECT_GE(sum.maxAbs, sum.mittel);
    EXPECT_TRUE(std::isfinite(sum.streuung));
}

TEST(FehlerTabelle, MorgenKoepfeUndZuKurzerBereich) {
    SplitUhr s;
    s.uhr.sprache.Waehle(false);
    DatumsFeld f = EinDatum(s.uhr, 0, 0);
    Gitter g(19, 73);
    FehlerTabelle(g, 8, 12, f, 73, 1, s.uhr);
    const Liste koepfe{"Error", " 8:00", "  9:00", " 10:00", " 11:00", " 12:00"};
    for (int c = 5; c <= 10; ++c)
        EXPECT_EQ(g.Zelle(c, 0), koepfe[c - 5]);
    EXPECT_TRUE(s.melder.eintraege.empty());

    // 11 to 12: the table is still filled, after the information message.
    Gitter k(19, 73);
    FehlerTabelle(k, 11, 12, f, 73, 1, s.uhr);
    ASSERT_EQ(s.melder.eintraege.size(), 1u);
    EXPECT_EQ(s.melder.eintraege[0].text, "Not eneough data for average calculation!");
    EXPECT_EQ(s.melder.eintraege[0].titel, "SKIORA.EXE  -  Information!");
    EXPECT_EQ(s.melder.eintraege[0].symbol, Symbol::Frage);
    EXPECT_FALSE(k.Zelle(6, 1).empty());
    EXPECT_FALSE(k.Zelle(7, 1).empty());
}

TEST(FehlerTabelle, OhneGueltigeZelleKeineDivision) {
    SplitUhr s;
    s.uhr.p.Breit = 70;
    s.uhr.Abgeleitet();
    // Polar night: every hour cell stays empty, the row shows "???".
    DatumsFeld f = EinDatum(s.uhr, -23, 0);
    Gitter g(19, 73);
    const FehlerSumme sum = FehlerTabelle(g, 8, 12, f, 73, 1, s.uhr);
    EXPECT_EQ(sum.n, 0);
    EXPECT_EQ(sum.mittel, 0);
    EXPECT_EQ(sum.streuung, 0);
    EXPECT_EQ(g.Zelle(5, 1), "???");
    EXPECT_EQ(g.Zelle(6, 1), "");

    // The split tables then show "???" in the summary.
    s.uhr.p.Anzahl = 1;
    SplitTabellen(s.uhr, f, f);
    EXPECT_EQ(s.uhr.tab.StrMittel.Zelle(1, 2), "???");
    EXPECT_EQ(s.uhr.tab.StrMittel.Zelle(2, 3), "???");
}

} // namespace
} // namespace skiora::test
