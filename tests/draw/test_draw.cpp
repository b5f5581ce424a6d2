// The frame of the dial picture: mapping and view commands, scale and axes,
// refusal and warning, hour marks, clipping, and the reading-error chart.
#include "Hilfe.h"
#include "draw/Ansicht.h"
#include "draw/FehlerGrafik.h"
#include "draw/Zeichner.h"
#include "lang/Texte.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace skiora;
using namespace skiora::draw;
using namespace skiora::draw::test;

namespace {
int Zaehle(const AufzeichnungsLeinwand& lw, const std::string& text) {
    int n = 0;
    for (const auto* o : lw.Texte())
        n += o->text == text;
    return n;
}
} // namespace

TEST(Abbildung, StundenpunkteFolgenZoomUndVerschiebung) {
    auto u = Uhr();
    // Image1 1000 x 606: origin at (500, nearest(1.1 * 303)) plus the pan.
    for (double zoom : {1.0, 2.0, 0.5, 1.2 * 1.2 * 1.2}) {
        for (auto [dx, dy] : {std::pair{0, 0}, {37, -12}, {-250, 90}}) {
            u->ansicht = {zoom, dx, dy};
            AufzeichnungsLeinwand lw;
            Zeichne(*u, lw);
            EXPECT_EQ(u->rahmen.PlotCentreX, 500 + dx);
            EXPECT_EQ(u->rahmen.PlotCentreY, 333 + dy);
            const auto m = MassstabBerechnen(2.75, 90, 47.25, 1, u->Klein, 500, 303);
            EXPECT_DOUBLE_EQ(u->rahmen.Massstab, m.Massstab * zoom);
            for (int k = 1; k <= 33; k += 2) { // the full hours with Lph 2
                const auto& e = u->erg.StundenPunkte[static_cast<std::size_t>(k)];
                const int X = 500 + dx + Naechste(e.x * m.Massstab * zoom);
                const int Y = 333 + dy - Naechste(e.y * m.Massstab * zoom);
                EXPECT_TRUE(lw.HatKreis(X, Y, 3, farben::Rot)) << "k " << k << " zoom " << zoom;
            }
        }
    }
}

TEST(Abbildung, ZiehenVerschiebtUmGenauDiePixel) {
    auto u = Uhr();
    int gezeichnet = 0;
    u->neuZeichnen = [&] { ++gezeichnet; };
    AufzeichnungsLeinwand vorher, nachher;
    Zeichne(*u, vorher);
    Ziehen(*u, 23, -41);
    EXPECT_EQ(gezeichnet, 1);
    Zeichne(*u, nachher);
    for (int k = 1; k <= 33; ++k) {
        const Pos a = StundenPos(*u, k);
        const int r = k % 2 == 1 ? 3 : 2;
        const Farbe f = k % 2 == 1 ? farben::Rot : farben::Gruen;
        EXPECT_TRUE(vorher.HatKreis(static_cast<int>(a.x) - 23, static_cast<int>(a.y) + 41, r, f));
        EXPECT_TRUE(nachher.HatKreis(static_cast<int>(a.x), static_cast<int>(a.y), r, f));
    }
}

TEST(Ansicht, ZoomTasten) {
    auto u = Uhr(false);
    for (int i = 0; i < 22; ++i)
        btZoomClick(*u, ZoomKnopf::Plus);
    EXPECT_NEAR(u->ansicht.Zoom, std::pow(1.2, 22), 1e-9);
    btZoomClick(*u, ZoomKnopf::Plus); // 55.2 is above 50: no change
    EXPECT_NEAR(u->ansicht.Zoom, std::pow(1.2, 22), 1e-9);
    for (int i = 0; i < 60; ++i)
        btZoomClick(*u, ZoomKnopf::Minus);
    EXPECT_NEAR(u->ansicht.Zoom, std::pow(1.2, -38), 1e-15); // no lower limit
    u->rahmen.SchirmBildBreite = 1000;
    u->rahmen.SchirmBildHoehe = 606;
    btTranslation(*u, Richtung::Rechts);
    btTranslation(*u, Richtung::Rechts);
    btTranslation(*u, Richtung::Hoch);
    EXPECT_EQ(u->ansicht.DeltaX, 50);
    EXPECT_EQ(u->ansicht.DeltaY, -15);
    btZoomClick(*u, ZoomKnopf::Reset);
    EXPECT_EQ(u->ansicht.Zoom, 1.0);
    EXPECT_EQ(u->ansicht.DeltaX, 0);
    EXPECT_EQ(u->ansicht.DeltaY, 0);
}

TEST(Massstab, SchrittUndTeilung) {
    // Halb 0.5: Norm 10, v = 5, c = 6.4, step 0.2 / 10.
    auto m = MassstabBerechnen(0.5, 90, 47.25, 1, 0.5 * std::sin(47.25 * Rad), 500, 1000);
    EXPECT_EQ(m.Norm, 10);
    EXPECT_DOUBLE_EQ(m.Schritt, 0.02);
    EXPECT_EQ(m.Teilung, 5);
    EXPECT_DOUBLE_EQ(m.Massstab, 500 / 6.4 * 10);
    // Halb 2.75 with room enough in height: c = 3.3.
    m = MassstabBerechnen(2.75, 90, 47.25, 1, 2.75 * std::sin(47.25 * Rad), 500, 1000);
    EXPECT_EQ(m.Norm, 1);
    EXPECT_DOUBLE_EQ(m.Schritt, 0.1);
    EXPECT_DOUBLE_EQ(m.Massstab, 500 / 3.3);
    // ...and a flat picture, where 96 % of the half height limits the scale.
    m = MassstabBerechnen(2.75, 90, 47.25, 1, 2.75 * std::sin(47.25 * Rad), 500, 100);
    EXPECT_NEAR(m.Massstab, 96 / (2.75 * std::sin(47.25 * Rad)), 1e-9);
    m = MassstabBerechnen(8, 90, 47.25, 1, 8 * std::sin(47.25 * Rad), 500, 1000);
    EXPECT_DOUBLE_EQ(m.Schritt, 0.25);
    EXPECT_EQ(m.Teilung, 4);
}

TEST(Massstab, AchsenbeschriftungJeNachHalbachse) {
    struct Fall {
        double halb;
        const char* nummer;   // a numbered tick
        const char* unnummer; // a tick that carries no number
    };
    for (const Fall& f :
         {Fall{0.5, " 0.10", " 0.02"}, Fall{2.75, " 0.50", " 0.10"}, Fall{8, " 1.00", " 0.25"}}) {
        auto u = Uhr(false);
        u->p.Halb = f.halb;
        u->Abgeleitet();
        u->btGoClick();
        AufzeichnungsLeinwand lw;
        Zeichne(*u, lw);
        // Both sides of the horizontal axis, and on the vertical axis.
        EXPECT_GE(Zaehle(lw, f.nummer), 3) << f.halb;
        EXPECT_EQ(Zaehle(lw, f.unnummer), 0) << f.halb;
    }
}

TEST(Verweigerung, GnomonZuFlach) {
    auto u = Uhr();
    u->p.Incl = 10;
    u->p.GnomWinkel = 15; // 5 degrees above the plane
    AufzeichnungsLeinwand lw;
    auto w = Zeichne(*u, lw);
    EXPECT_TRUE(w.verweigert);
    const std::string bitte = lang::TextTabelle2(1, 30);
    const Operation* t = lw.FindeText(bitte);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->schrift.farbe, farben::Rot);
    EXPECT_EQ(t->schrift.hoehe, 18);
    EXPECT_EQ(t->y1, 303);
    EXPECT_TRUE(lw.Kreise().empty());
    EXPECT_EQ(lw.Texte().size(), 1u);

    // On paper the page stays empty and the request goes to the screen picture.
    AufzeichnungsLeinwand seite, schirm, fehler;
    Ziel z;
    z.modus = Modus::Papier;
    z.Breite = 2820;
    z.Hoehe = 1709;
    z.SchirmBreite = 1000;
    ZeichneUhr(*u, seite, z, {&fehler, 400, 290}, {&schirm, 1000, 606});
    EXPECT_TRUE(seite.ops.empty());
    EXPECT_TRUE(fehler.ops.empty());
    EXPECT_NE(schirm.FindeText(bitte), nullptr);
}

TEST(Verweigerung, SplitGnomonNaheBreiteLeertFehlertabellen) {
    auto u = Uhr();
    u->p.Arten = 2;
    u->opt.SplitModus = true;
    u->p.GnomInc = 30; // within 25 degrees of 47.25
    u->tab.StrGrid8.Setze(1, 1, "x");
    u->tab.StrGrid8b.Setze(1, 1, "x");
    AufzeichnungsLeinwand lw;
    EXPECT_TRUE(Zeichne(*u, lw).verweigert);
    EXPECT_EQ(u->tab.StrGrid8.Zelle(1, 1), "");
    EXPECT_EQ(u->tab.StrGrid8b.Zelle(1, 1), "");
}

TEST(Warnung, DatumsskalaUeberDieKleineHalbachse) {
    auto u = Uhr(false);
    u->p.Breit = 10; // Klein 0.48, the summer solstice at 1.17
    u->Abgeleitet();
    u->btGoClick();
    AufzeichnungsLeinwand lw;
    auto w = Zeichne(*u, lw);
    EXPECT_TRUE(w.gewarnt);
    const Operation* t = lw.FindeText(lang::TextTabelle2(1, 27));
    ASSERT_NE(t, nullptr);
    EXPECT_TRUE(t->schrift.fett);
    EXPECT_EQ(t->schrift.farbe, farben::Rot);
    EXPECT_EQ(t->y1, 606 - 20);
    EXPECT_EQ(lw.Kreise().size() >= 33u, true); // the dial is drawn all the same
}

TEST(Stundenmarken, VolleStundenRotTeilstundenGruen) {
    auto u = Uhr(false);
    u->p.Lph = 3;
    u->btGoClick();
    AufzeichnungsLeinwand lw;
    Zeichne(*u, lw);
    const int n = (21 - 5) * 3 + 1;
    for (int k = 1; k <= n; ++k) {
        const Pos q = StundenPos(*u, k);
        const bool voll = k % 3 == 1;
        EXPECT_TRUE(lw.HatKreis(static_cast<int>(q.x), static_cast<int>(q.y), voll ? 3 : 2,
                                voll ? farben::Rot : farben::Gruen))
            << k;
    }
    // Only even hours carry a number, each once.
    for (int h = 4; h <= 21; ++h) {
        const int erwartet = (h % 2 == 0 && h >= 6 && h <= 20) ? 1 : 0;
        EXPECT_EQ(Zaehle(lw, std::to_string(h)), erwartet) << h;
    }
    const Operation* sechs = lw.FindeText("6");
    ASSERT_NE(sechs, nullptr);
    EXPECT_EQ(sechs->schrift.farbe, farben::Rot);
}

TEST(Achsen, OstbuchstabeFolgtDerSprache) {
    for (bool deutsch : {true, false}) {
        auto u = Uhr();
        u->sprache.Waehle(deutsch);
        AufzeichnungsLeinwand lw;
        auto w = Zeichne(*u, lw);
        const Operation* ost = lw.FindeText(deutsch ? "O" : "E");
        ASSERT_NE(ost, nullptr);
        EXPECT_EQ(ost->x1, 1000 - 3 * w.Strich);
        EXPECT_EQ(ost->y1, 333 + w.Strich);
        EXPECT_EQ(ost->schrift.farbe, farben::Rot);
        EXPECT_EQ(lw.FindeText(deutsch ? "E" : "O"), nullptr);
        EXPECT_NE(lw.FindeText("W"), nullptr);
        EXPECT_NE(lw.FindeText("N"), nullptr);
        EXPECT_EQ(lw.FindeText("S"), nullptr);
    }
}

TEST(Begrenzung, RiesigerZoomBleibtImZeichenbereich) {
    auto u = Uhr();
    u->ansicht.Zoom = 1e9;
    u->ansicht.DeltaX = 2000000000;
    AufzeichnungsLeinwand lw;
    Zeichne(*u, lw);
    for (const auto& o : lw.ops)
        for (int v : {o.x1, o.y1, o.x2, o.y2})
            ASSERT_LE(std::abs(v), Zeichner::Grenze);
}

TEST(Begrenzung, GeschnitteneLinieBleibtAufIhrerGeraden) {
    AufzeichnungsLeinwand lw;
    Zeichner z(lw);
    z.MoveTo(-4000000000LL, -2000000000LL);
    z.LineTo(4000000000LL, 2000000000LL + 2000); // y = x / 2 + 1000
    ASSERT_EQ(lw.Linien().size(), 1u);
    const Operation& l = *lw.Linien()[0];
    EXPECT_EQ(l.x1, -Zeichner::Grenze);
    EXPECT_EQ(l.x2, Zeichner::Grenze);
    EXPECT_NEAR(l.y1, -Zeichner::Grenze / 2 + 1000, 1);
    EXPECT_NEAR(l.y2, Zeichner::Grenze / 2 + 1000, 1);
    z.MoveTo(200000, 0); // wholly outside: nothing
    z.LineTo(300000, 5);
    EXPECT_EQ(lw.Linien().size(), 1u);
}

TEST(Fehlergrafik, KurveSkalaUndGroessterFehler) {
    auto u = Uhr();
    AufzeichnungsLeinwand lw;
    auto s = FehlerGrafik(*u, lw, 400, 290);
    ASSERT_TRUE(s.skaliert);
    double groesster = 0;
    for (int d = 1; d <= 23; ++d)
        groesster = std::max(groesster, std::abs(Ablesefehler(47.25, 20.2, d)));
    groesster = std::max(groesster, std::abs(Ablesefehler(47.25, 20.2, 23.44)));
    EXPECT_EQ(u->anz.lmaxErrAbs, ZahlText(5, 2, groesster));
    // The red curve: 24 segments from the origin of the chart.
    std::vector<const Operation*> rot;
    for (const auto* l : lw.Linien())
        if (l->stift.farbe == farben::Rot) rot.push_back(l);
    ASSERT_EQ(rot.size(), 24u);
    EXPECT_EQ(rot[0]->x1, 400 / 20);
    EXPECT_EQ(rot[0]->y1, s.base);
    const double xs = 0.87 * 400 / 24;
    EXPECT_EQ(rot[23]->x2, 20 + Naechste(23.44 * xs));
    EXPECT_EQ(rot[23]->y2, s.base + Naechste(Ablesefehler(47.25, 20.2, 23.44) * s.ys));
    for (const char* zahl : {"5", "10", "15", "20"})
        EXPECT_NE(lw.FindeText(zahl), nullptr);
    EXPECT_EQ(lw.FindeText("25"), nullptr);
}

TEST(Fehlergrafik, AequatorGibtLeereBox) {
    auto u = Uhr(false);
    u->p.Breit = 0;
    u->anz.lmaxErrAbs = "alt";
    AufzeichnungsLeinwand lw;
    auto s = FehlerGrafik(*u, lw, 400, 290);
    EXPECT_FALSE(s.skaliert);
    EXPECT_EQ(u->anz.lmaxErrAbs, " 0.00");
    ASSERT_EQ(lw.ops.size(), 1u);
    EXPECT_EQ(lw.ops[0].art, OpArt::Rechteck);
}

TEST(Papier, VerschiebungAlsAnteilDerBildbreiteUndSeitenabschluss) {
    auto u = Uhr();
    u->ansicht.DeltaX = 100; // a tenth of the screen picture
    u->ansicht.DeltaY = -50;
    AufzeichnungsLeinwand seite, fehler;
    int abschluss = 0;
    Ziel z;
    z.modus = Modus::Papier;
    z.Breite = 2820;
    z.Hoehe = 1709;
    z.RandX = 25;
    z.RandY = 1;
    z.SeiteHoehe = 1998;
    z.SchirmBreite = 1000;
    z.SeitenAbschluss = [&](Leinwand&, const Rahmen& r) {
        ++abschluss;
        EXPECT_EQ(r.BildHoehe, 1709);
    };
    ZeichneUhr(*u, seite, z, {&fehler, 400, 290});
    EXPECT_EQ(u->rahmen.PlotCentreX, 1410 + 25 + 282);
    EXPECT_EQ(u->rahmen.PlotCentreY, Naechste(1.1 * 854) + 1 - 141);
    EXPECT_EQ(abschluss, 1);
    EXPECT_FALSE(fehler.ops.empty()); // the chart goes to the screen in both modes
    // Paper sizes: radius 7 for full hours, the signature above the legend band.
    const Pos q = StundenPos(*u, 1);
    EXPECT_TRUE(seite.HatKreis(static_cast<int>(q.x), static_cast<int>(q.y), 7, farben::Rot));
    const Operation* sig = seite.FindeText("tavi");
    ASSERT_NE(sig, nullptr);
    EXPECT_EQ(sig->y1, 1 + 1709 - 44 - seite.TextHeight("h") - 3);
}

TEST(Warnung, MeldungNurWennDieGrafikVerdecktIst) {
    auto u = Uhr(false);
    u->p.Breit = 10;
    u->Abgeleitet();
    u->btGoClick();
    SammelMelder m;
    u->setzeMelder(&m);
    AufzeichnungsLeinwand lw;
    Zeichne(*u, lw);
    EXPECT_TRUE(m.eintraege.empty());
    Ziel z;
    z.Breite = 1000;
    z.Hoehe = 606;
    z.GrafikSichtbar = false;
    ZeichneUhr(*u, lw, z);
    ASSERT_EQ(m.eintraege.size(), 1u);
    EXPECT_EQ(m.eintraege[0].text, lang::TextTabelle1(1, 25));
}

TEST(Begrenzung, WinzigerZoomUndLeeresBildEndenOhneFehler) {
    auto u = Uhr();
    u->ansicht.Zoom = 1e-12;
    AufzeichnungsLeinwand lw;
    Zeichne(*u, lw);
    EXPECT_FALSE(lw.ops.empty());
    AufzeichnungsLeinwand leer;
    u->ansicht.Zoom = 1;
    Zeichne(*u, leer, 0, 0);
    SUCCEED();
}
