// The calendar figures: date scale, analemma, split analemma, shadow path,
// gnomon position and the sunrise construction.
#include "Hilfe.h"
#include "lang/Texte.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace skiora;
using namespace skiora::draw;
using namespace skiora::draw::test;

namespace {
bool IstMonat(const std::string& s) {
    return s.rfind("01.", 0) == 0;
}
} // namespace

TEST(Datumsskala, WechseltAm21JuniDieSeite) {
    auto u = Uhr([](Sonnenuhr& s) { s.p.Arten = 0; });
    AufzeichnungsLeinwand lw;
    Zeichne(*u, lw);
    const int cx = u->rahmen.PlotCentreX;
    bool nachSonnenwende = false;
    int links = 0, rechts = 0;
    for (int k = 1; k <= 38; ++k) {
        const auto& e = u->erg.DatumsPunkte[static_cast<std::size_t>(k)];
        if (e.name == "21.Jun ") nachSonnenwende = true;
        if (!IstMonat(e.name)) continue;
        const Operation* t = lw.FindeText(e.name);
        ASSERT_NE(t, nullptr) << e.name;
        if (nachSonnenwende) {
            EXPECT_GT(t->x1, cx) << e.name;
            EXPECT_EQ(t->schrift.farbe, farben::Rot) << e.name;
        } else {
            EXPECT_LT(t->x1 + lw.TextWidth(e.name), cx) << e.name;
            EXPECT_EQ(t->schrift.farbe, farben::Gruen) << e.name;
        }
        ++(nachSonnenwende ? rechts : links);
    }
    EXPECT_EQ(links, 6);  // January to June
    EXPECT_EQ(rechts, 6); // July to December
}

TEST(Analemma, NurSechsMonatsanfaengeBenanntGnomonAufDerMittagslinie) {
    auto u = Uhr(); // the default dial draws the analemma
    ASSERT_EQ(u->p.Arten, 1);
    AufzeichnungsLeinwand lw;
    Zeichne(*u, lw);
    int benannt = 0;
    for (const auto* t : lw.Texte())
        benannt += IstMonat(t->text);
    EXPECT_EQ(benannt, 6);
    int punkte = 0;
    for (int k = 1; k <= 36; ++k) {
        const auto& e = u->erg.DatumsPunkte[static_cast<std::size_t>(k)];
        const bool monat = IstMonat(e.name);
        punkte += HatKreis(
            lw,
            Abbilden(u->rahmen.PlotCentreX, u->rahmen.PlotCentreY, u->rahmen.Massstab, e.x, e.y),
            monat ? 3 : 2, monat ? farben::Rot : farben::Weiss);
    }
    EXPECT_EQ(punkte, 36);
    // One gnomon triangle, its tip on the noon line.
    const int cx = u->rahmen.PlotCentreX;
    int spitzen = 0;
    for (const auto* l : Linien(lw, farben::Schwarz))
        spitzen += l->x1 == cx && l->x2 == cx + 7 && l->y2 == l->y1 - 7;
    EXPECT_EQ(spitzen, 1);
}

namespace {
// A hand-made split dial: two small ellipses of twelve month starts each.
std::unique_ptr<Sonnenuhr> SplitUhr() {
    auto u = Uhr();
    u->p.Arten = 2;
    u->opt.SplitModus = true;
    u->p.GnomInc = 0;
    for (auto* feld : {&u->erg.SplitVor1, &u->erg.SplitNach1}) {
        *feld = DatumsFeld{};
        for (int k = 1; k <= 12; ++k) {
            auto& e = (*feld)[static_cast<std::size_t>(k)];
            e.name = std::string(k < 10 ? "01.0" : "01.") + std::to_string(k) + " ";
            e.x = 0.2 * std::sin(k * 0.5);
            e.y = 1.5 * std::cos(k * 0.5);
            e.usable = !(k == 4 || k == 5); // April and May unusable
        }
    }
    return u;
}
} // namespace

TEST(Doppelanalemma, UnbrauchbareTeileImBildhintergrund) {
    auto u = SplitUhr();
    AufzeichnungsLeinwand lw;
    ASSERT_FALSE(Zeichne(*u, lw).verweigert);
    const int L = u->rahmen.PlotLeftCentreX, R = u->rahmen.PlotRightCentreX;
    EXPECT_LT(L, R);
    for (int cx : {L, R}) {
        auto pos = [&](int k) {
            const auto& e = u->erg.SplitVor1[static_cast<std::size_t>(k)];
            return Abbilden(cx, u->rahmen.PlotCentreY, u->rahmen.Massstab, e.x, e.y);
        };
        for (int k = 1; k <= 12; ++k) {
            // Month dots: red when usable, hollow when not.
            const bool gut = k != 4 && k != 5;
            EXPECT_TRUE(HatKreis(lw, pos(k), 3, gut ? farben::Rot : farben::Weiss)) << k;
            if (k == 1) continue;
            // Segments into and out of April and May are grey, the others green.
            const Pos a = pos(k - 1), b = pos(k);
            const Operation* seg = nullptr;
            for (const auto* l : lw.Linien())
                if (l->x1 == a.x && l->y1 == a.y && l->x2 == b.x && l->y2 == b.y) seg = l;
            ASSERT_NE(seg, nullptr) << k;
            const bool grau = k >= 4 && k <= 6;
            EXPECT_EQ(seg->stift.farbe, grau ? farben::Bildhintergrund : farben::Gruen) << k;
        }
    }
}

TEST(Schattenweg, SpringtBeiXNullZurNachmittagshaelfte) {
    auto u = SplitUhr();
    u->opt.StdVon = 11;
    u->opt.StdBis = 13; // Lph 2: nine entries, a quarter hour apart
    auto& S = u->erg.SchattenPunkte;
    S = PunktFeld{};
    for (int k = 1; k <= 9; ++k) {
        auto& e = S[static_cast<std::size_t>(k)];
        e.x = -1.1 + 0.3 * (k - 1);
        e.y = 0.8 - 0.2 * e.x;
        e.zeit = 11 + 0.25 * (k - 1);
    }
    // The first entry has no shadow: the pen only moves there.
    S[1].x = S[1].y = KeinSchatten;
    AufzeichnungsLeinwand lw;
    Zeichne(*u, lw);
    const auto weg = Linien(lw, farben::Maroon);
    // Entries 2..9 have a shadow: 7 segments, one of them split in two.
    ASSERT_EQ(weg.size(), 8u);
    // Entry 4 (x = -0.2) is the last morning point, entry 5 (x = 0.1) the first afternoon one.
    const double y0 = S[4].y + (S[5].y - S[4].y) / (S[5].x - S[4].x) * (0 - S[4].x);
    const int ys = u->rahmen.PlotCentreY - Naechste(y0 * u->rahmen.Massstab);
    const int L = u->rahmen.PlotLeftCentreX, R = u->rahmen.PlotRightCentreX;
    EXPECT_EQ(weg[2]->x2, L);
    EXPECT_EQ(weg[2]->y2, ys);
    EXPECT_EQ(weg[3]->x1, R);
    EXPECT_EQ(weg[3]->y1, ys);
    for (std::size_t i = 0; i < weg.size(); ++i)
        EXPECT_TRUE(i < 3 ? weg[i]->x2 <= L : weg[i]->x1 >= R) << i;
    // The 12 o'clock dot on the afternoon half (11 has no shadow).
    EXPECT_TRUE(HatKreis(lw, Abbilden(R, u->rahmen.PlotCentreY, u->rahmen.Massstab, S[5].x, S[5].y),
                         2, farben::Weiss));
}

namespace {
std::unique_ptr<Sonnenuhr> KonstruktionsUhr(int tag, int monat) {
    return Uhr([&](Sonnenuhr& u) {
        u.anz.ChBRiseSetHaken = u.anz.ChBRiseSetAktiv = true;
        u.opt.ExtraTag = static_cast<std::int16_t>(tag);
        u.opt.ExtraMonat = static_cast<std::int16_t>(monat);
    });
}

bool HatLimeEllipse(const AufzeichnungsLeinwand& lw) {
    for (const auto& o : lw.ops)
        if (o.art == OpArt::Ellipse && o.stift.farbe == farben::Lime) return true;
    return false;
}
} // namespace

TEST(Aufgangskonstruktion, KreisErsatzlinieUndAbgeschaltetesKaestchen) {
    // 1 May: an ordinary circle through the gnomon position, with its caption.
    auto u = KonstruktionsUhr(1, 5);
    const std::string titel = lang::TextTabelle2(1, 36) + u->opt.ExtraDatumName;
    AufzeichnungsLeinwand lw;
    Zeichne(*u, lw);
    EXPECT_TRUE(HatLimeEllipse(lw));
    EXPECT_NE(lw.FindeText(titel), nullptr);
    // A disabled box shows neither (the box follows MarkRiseSet).
    u->anz.ChBRiseSetAktiv = false;
    AufzeichnungsLeinwand aus;
    Zeichne(*u, aus);
    EXPECT_FALSE(HatLimeEllipse(aus));
    EXPECT_EQ(aus.FindeText(titel), nullptr);
    EXPECT_NE(aus.FindeText("tavi"), nullptr);

    // Around the equinox the circle grows beyond the coordinate range and a
    // horizontal line through the gnomon position replaces it, across the
    // picture's width (it was once drawn with the height).
    int ersetzt = 0;
    for (int tag = 17; tag <= 24; ++tag) {
        auto v = KonstruktionsUhr(tag, 3);
        AufzeichnungsLeinwand b;
        Zeichne(*v, b);
        const auto lime = Linien(b, farben::Lime);
        if (lime.empty()) continue;
        ++ersetzt;
        EXPECT_FALSE(HatLimeEllipse(b));
        ASSERT_EQ(lime.size(), 1u);
        EXPECT_EQ(lime[0]->y1, lime[0]->y2);
        EXPECT_EQ(lime[0]->x1, 1);
        EXPECT_EQ(lime[0]->x2, v->rahmen.BildBreite - 1);
    }
    EXPECT_GE(ersetzt, 1);
}

TEST(Aufgangskonstruktion, OhneAufgangWeggelassenRadienMeldungNurEinmal) {
    auto u = KonstruktionsUhr(1, 5);
    Kreisdaten k;
    EXPECT_FALSE(AufgangsKreis(*u, 90, 47.25, 0, k));
    EXPECT_FALSE(AufgangsKreis(*u, 90, 80, 20, k)); // midnight sun: no sunrise
    EXPECT_TRUE(AufgangsKreis(*u, 90, 47.25, 15, k));
    EXPECT_GT(k.R, 0);
    EXPECT_NEAR(k.R, k.R2, 1e-6); // a horizontal dial: the two radii agree

    // An inclined plane makes the two radii disagree; the box is left enabled
    // (the window would disable it) so that the check runs.
    u->p.Incl = 20;
    u->Abgeleitet();
    SammelMelder m;
    u->setzeMelder(&m);
    AufzeichnungsLeinwand a, b;
    Zeichne(*u, a);
    Zeichne(*u, b); // a repaint of the same dial
    int radien = 0;
    for (const auto& e : m.eintraege)
        radien += e.text.rfind("Radien verschieden: ", 0) == 0;
    EXPECT_EQ(radien, 1);
}
