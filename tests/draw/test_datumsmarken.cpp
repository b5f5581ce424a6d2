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

std::vector<const Operation*> Linien(const AufzeichnungsLeinwand& lw, Farbe f) {
    std::vector<const Operation*> r;
    for (const auto* l : lw.Linien())
        if (l->stift.farbe == f) r.push_back(l);
    return r;
}
} // namespace

TEST(Datumsskala, WechseltAm21JuniDieSeite) {
    auto u = Uhr(false);
    u->p.Arten = 0;
    u->btGoClick();
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
            ++rechts;
        } else {
            EXPECT_LT(t->x1 + lw.TextWidth(e.name), cx) << e.name;
            EXPECT_EQ(t->schrift.farbe, farben::Gruen) << e.name;
            ++links;
        }
    }
    EXPECT_EQ(links, 6);  // January to June
    EXPECT_EQ(rechts, 6); // July to December
    // The ticks: green ones to the left of the axis, red ones to the right.
    for (const auto* l : Linien(lw, farben::Gruen))
        EXPECT_EQ(l->x2, cx - 15);
    EXPECT_FALSE(Linien(lw, farben::Rot).empty());
    for (const auto* l : Linien(lw, farben::Rot))
        EXPECT_EQ(l->x2, cx + 15);
}

TEST(Analemma, NurSechsMonatsanfaengeBenannt) {
    auto u = Uhr(); // the default dial draws the analemma
    ASSERT_EQ(u->p.Arten, 1);
    AufzeichnungsLeinwand lw;
    Zeichne(*u, lw);
    int benannt = 0;
    for (const auto* t : lw.Texte())
        benannt += IstMonat(t->text);
    EXPECT_EQ(benannt, 6);
    int monatsPunkte = 0, punkte = 0;
    for (int k = 1; k <= 36; ++k) {
        const auto& e = u->erg.DatumsPunkte[static_cast<std::size_t>(k)];
        const Pos q =
            Abbilden(u->rahmen.PlotCentreX, u->rahmen.PlotCentreY, u->rahmen.Massstab, e.x, e.y);
        const bool monat = IstMonat(e.name);
        monatsPunkte += monat;
        punkte += lw.HatKreis(static_cast<int>(q.x), static_cast<int>(q.y), monat ? 3 : 2,
                              monat ? farben::Rot : farben::Weiss);
    }
    EXPECT_EQ(monatsPunkte, 12);
    EXPECT_EQ(punkte, 36);
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
        // Segments into and out of April and May are grey, the others green.
        for (int k = 2; k <= 12; ++k) {
            const Pos a = pos(k - 1), b = pos(k);
            const Operation* seg = nullptr;
            for (const auto* l : lw.Linien())
                if (l->x1 == a.x && l->y1 == a.y && l->x2 == b.x && l->y2 == b.y) seg = l;
            ASSERT_NE(seg, nullptr) << k;
            const bool grau = k >= 4 && k <= 6;
            EXPECT_EQ(seg->stift.farbe, grau ? farben::Bildhintergrund : farben::Gruen) << k;
        }
        // Month dots: red when usable, hollow and grey when not.
        for (int k = 1; k <= 12; ++k) {
            const Pos q = pos(k);
            const bool gut = k != 4 && k != 5;
            EXPECT_TRUE(lw.HatKreis(static_cast<int>(q.x), static_cast<int>(q.y), 3,
                                    gut ? farben::Rot : farben::Weiss))
                << k;
        }
    }
}

TEST(Schattenweg, SpringtBeiXNullZurNachmittagshaelfte) {
    auto u = SplitUhr();
    u->opt.StdVon = 11;
    u->opt.StdBis = 13; // Lph 2: nine entries, a quarter hour apart
    u->erg.SchattenPunkte = PunktFeld{};
    for (int k = 1; k <= 9; ++k) {
        auto& e = u->erg.SchattenPunkte[static_cast<std::size_t>(k)];
        e.x = -1.1 + 0.3 * (k - 1);
        e.y = 0.8 - 0.2 * e.x;
        e.zeit = 11 + 0.25 * (k - 1);
    }
    // The first two entries have no shadow: the pen only moves there.
    u->erg.SchattenPunkte[1].x = u->erg.SchattenPunkte[1].y = KeinSchatten;
    AufzeichnungsLeinwand lw;
    Zeichne(*u, lw);
    const auto weg = Linien(lw, farben::Maroon);
    // Entries 2..9 have a shadow: 7 segments, one of them split in two.
    ASSERT_EQ(weg.size(), 8u);
    const auto& S = u->erg.SchattenPunkte;
    // Entry 4 (x = -0.2) is the last morning point, entry 5 (x = 0.1) the first afternoon one.
    const double y0 = S[4].y + (S[5].y - S[4].y) / (S[5].x - S[4].x) * (0 - S[4].x);
    const int ys = u->rahmen.PlotCentreY - Naechste(y0 * u->rahmen.Massstab);
    const int L = u->rahmen.PlotLeftCentreX, R = u->rahmen.PlotRightCentreX;
    EXPECT_EQ(weg[2]->x2, L);
    EXPECT_EQ(weg[2]->y2, ys);
    EXPECT_EQ(weg[3]->x1, R);
    EXPECT_EQ(weg[3]->y1, ys);
    for (int i = 0; i < 3; ++i)
        EXPECT_LE(weg[static_cast<std::size_t>(i)]->x2, L);
    for (std::size_t i = 3; i < weg.size(); ++i)
        EXPECT_GE(weg[i]->x1, R);
    // Hour dots at 11 and 12 o'clock (11 has no shadow), each on its own half.
    const Pos zwoelf = Abbilden(R, u->rahmen.PlotCentreY, u->rahmen.Massstab, S[5].x, S[5].y);
    EXPECT_TRUE(
        lw.HatKreis(static_cast<int>(zwoelf.x), static_cast<int>(zwoelf.y), 2, farben::Weiss));
}

namespace {
std::unique_ptr<Sonnenuhr> KonstruktionsUhr(int tag, int monat) {
    auto u = Uhr(false);
    u->anz.ChBRiseSetHaken = true;
    u->anz.ChBRiseSetAktiv = true;
    u->opt.ExtraTag = static_cast<std::int16_t>(tag);
    u->opt.ExtraMonat = static_cast<std::int16_t>(monat);
    u->btGoClick();
    return u;
}

bool HatLimeEllipse(const AufzeichnungsLeinwand& lw) {
    for (const auto& o : lw.ops)
        if (o.art == OpArt::Ellipse && o.stift.farbe == farben::Lime) return true;
    return false;
}
} // namespace

TEST(Aufgangskonstruktion, KreisUndErsatzlinieNaheDerTagundnachtgleiche) {
    // 1 May: an ordinary circle through the gnomon position.
    auto u = KonstruktionsUhr(1, 5);
    AufzeichnungsLeinwand lw;
    Zeichne(*u, lw);
    EXPECT_TRUE(HatLimeEllipse(lw));
    EXPECT_NE(lw.FindeText(lang::TextTabelle2(1, 36) + u->opt.ExtraDatumName), nullptr);

    // Around the equinox the circle grows beyond the coordinate range and a
    // horizontal line through the gnomon position replaces it.
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

TEST(Aufgangskonstruktion, OhneAufgangOderBeiNullDeklinationWeggelassen) {
    auto u = Uhr();
    Kreisdaten k;
    EXPECT_FALSE(AufgangsKreis(*u, 90, 47.25, 0, k));
    EXPECT_FALSE(AufgangsKreis(*u, 90, 80, 20, k)); // midnight sun: no sunrise
    EXPECT_TRUE(AufgangsKreis(*u, 90, 47.25, 15, k));
    EXPECT_GT(k.R, 0);
    // A horizontal dial: the two radii agree, nothing is reported.
    EXPECT_NEAR(k.R, k.R2, 1e-6);
}

TEST(Aufgangskonstruktion, AbgeschaltetesKaestchenZeigtNichts) {
    auto u = KonstruktionsUhr(1, 5);
    u->anz.ChBRiseSetAktiv = false;
    AufzeichnungsLeinwand lw;
    Zeichne(*u, lw);
    EXPECT_FALSE(HatLimeEllipse(lw));
    EXPECT_EQ(lw.FindeText(lang::TextTabelle2(1, 36) + u->opt.ExtraDatumName), nullptr);
    EXPECT_NE(lw.FindeText("tavi"), nullptr);
}

TEST(Aufgangskonstruktion, RadienMeldungNurEinmalJeUhr) {
    auto u = KonstruktionsUhr(1, 5);
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

TEST(Gnomon, DreieckAufDerMittagslinie) {
    auto u = Uhr();
    AufzeichnungsLeinwand lw;
    Zeichne(*u, lw);
    const int cx = u->rahmen.PlotCentreX;
    int spitzen = 0;
    for (const auto* l : Linien(lw, farben::Schwarz))
        spitzen += l->x1 == cx && l->x2 == cx + 7 && l->y2 == l->y1 - 7;
    EXPECT_EQ(spitzen, 1);
}
