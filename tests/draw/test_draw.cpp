// The frame of the dial picture: mapping, scale and axes,
// refusal and warning, hour marks, clipping, and the reading-error chart.
#include "Hilfe.h"
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

TEST(Stundenpunkte, FolgenZoomUndVerschiebungVolleRotTeilstundenGruen) {
    auto u = Uhr([](Sonnenuhr& s) { s.p.Lph = 3; });
    const auto m = MassstabBerechnen(2.75, 90, 47.25, 1, u->Klein, 500, 303);
    // Image1 1000 x 606: origin at (500, nearest(1.1 * 303)) plus the pan.
    for (double zoom : {1.0, 2.0, 0.5, 1.2 * 1.2 * 1.2}) {
        for (auto [dx, dy] : {std::pair{0, 0}, {37, -12}, {-250, 90}}) {
            u->ansicht = {zoom, dx, dy};
            AufzeichnungsLeinwand lw;
            Zeichne(*u, lw);
            EXPECT_EQ(u->rahmen.PlotCentreX, 500 + dx);
            EXPECT_EQ(u->rahmen.PlotCentreY, 333 + dy);
            for (int k = 1; k <= (21 - 5) * 3 + 1; ++k) {
                const auto& e = u->erg.StundenPunkte[static_cast<std::size_t>(k)];
                const int X = 500 + dx + Naechste(e.x * m.Massstab * zoom);
                const int Y = 333 + dy - Naechste(e.y * m.Massstab * zoom);
                const bool voll = k % 3 == 1;
                EXPECT_TRUE(lw.HatKreis(X, Y, voll ? 3 : 2, voll ? farben::Rot : farben::Gruen))
                    << "k " << k << " zoom " << zoom;
            }
            // Only even hours carry a number, each once.
            for (int h = 4; h <= 21; ++h)
                EXPECT_EQ(Zaehle(lw, std::to_string(h)), h % 2 == 0 && h >= 6 && h <= 20 ? 1 : 0);
            EXPECT_EQ(lw.FindeText("6")->schrift.farbe, farben::Rot);
        }
    }
}

TEST(Massstab, SchrittTeilungUndBeschriftungJeHalbachse) {
    struct Fall {
        double halb, schritt;
        int teilung;
        double massstab;      // with room enough in height: HalbBreite / c * Norm
        const char* nummer;   // a numbered tick
        const char* unnummer; // a tick that carries no number
    };
    for (const Fall& f : {Fall{0.5, 0.02, 5, 500 / 6.4 * 10, " 0.10", " 0.02"},
                          Fall{2.75, 0.1, 5, 500 / 3.3, " 0.50", " 0.10"},
                          Fall{8, 0.25, 4, 500 / 9.9, " 1.00", " 0.25"}}) {
        const double klein = f.halb * std::sin(47.25 * Rad);
        const auto m = MassstabBerechnen(f.halb, 90, 47.25, 1, klein, 500, 1000);
        EXPECT_DOUBLE_EQ(m.Schritt, f.schritt) << f.halb;
        EXPECT_EQ(m.Teilung, f.teilung) << f.halb;
        EXPECT_DOUBLE_EQ(m.Massstab, f.massstab) << f.halb;
        auto u = Uhr([&](Sonnenuhr& s) { s.p.Halb = f.halb; });
        AufzeichnungsLeinwand lw;
        Zeichne(*u, lw);
        // Both sides of the horizontal axis, and on the vertical axis.
        EXPECT_GE(Zaehle(lw, f.nummer), 3) << f.halb;
        EXPECT_EQ(Zaehle(lw, f.unnummer), 0) << f.halb;
    }
    // A flat picture, where 96 % of the half height limits the scale.
    const double klein = 2.75 * std::sin(47.25 * Rad);
    EXPECT_NEAR(MassstabBerechnen(2.75, 90, 47.25, 1, klein, 500, 100).Massstab, 96 / klein, 1e-9);
}

TEST(Verweigerung, GnomonZuFlachOderSplitGnomonNaheDerBreite) {
    auto u = Uhr();
    u->p.Incl = 10;
    u->p.GnomWinkel = 15; // 5 degrees above the plane
    AufzeichnungsLeinwand lw;
    EXPECT_TRUE(Zeichne(*u, lw).verweigert);
    const std::string bitte = lang::TextTabelle2(1, 30);
    const Operation* t = lw.FindeText(bitte);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->schrift.farbe, farben::Rot);
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
    z.SeitenAbschluss = [](Leinwand& lw, const Rahmen&) { lw.TextOut(0, 0, "Abschluss"); };
    ZeichneUhr(*u, seite, z, {&fehler, 400, 290}, {&schirm, 1000, 606});
    EXPECT_TRUE(seite.ops.empty());
    EXPECT_TRUE(fehler.ops.empty());
    EXPECT_NE(schirm.FindeText(bitte), nullptr);

    // A split dial with its gnomon within 25 degrees of 47.25: the error tables go too.
    auto s = Uhr();
    s->p.Arten = 2;
    s->opt.SplitModus = true;
    s->p.GnomInc = 30;
    s->tab.StrGrid8.Setze(1, 1, "x");
    s->tab.StrGrid8b.Setze(1, 1, "x");
    EXPECT_TRUE(Zeichne(*s, lw).verweigert);
    EXPECT_EQ(s->tab.StrGrid8.Zelle(1, 1), "");
    EXPECT_EQ(s->tab.StrGrid8b.Zelle(1, 1), "");
}

TEST(Warnung, DatumsskalaUeberDieKleineHalbachse) {
    auto u = Uhr([](Sonnenuhr& s) { s.p.Breit = 10; }); // Klein 0.48, the solstice at 1.17
    SammelMelder m;
    u->setzeMelder(&m);
    AufzeichnungsLeinwand lw;
    EXPECT_TRUE(Zeichne(*u, lw).gewarnt);
    const Operation* t = lw.FindeText(lang::TextTabelle2(1, 27));
    ASSERT_NE(t, nullptr);
    EXPECT_TRUE(t->schrift.fett);
    EXPECT_EQ(t->schrift.farbe, farben::Rot);
    EXPECT_EQ(t->y1, 606 - 20);
    EXPECT_GE(lw.Kreise().size(), 33u); // the dial is drawn all the same
    // The message box only when the graphic page is not in front.
    EXPECT_TRUE(m.eintraege.empty());
    Ziel z;
    z.Breite = 1000;
    z.Hoehe = 606;
    z.GrafikSichtbar = false;
    ZeichneUhr(*u, lw, z);
    ASSERT_EQ(m.eintraege.size(), 1u);
    EXPECT_EQ(m.eintraege[0].text, lang::TextTabelle1(1, 25));
}

TEST(Achsen, OstbuchstabeFolgtDerSprache) {
    for (bool deutsch : {true, false}) {
        auto u = Uhr();
        u->sprache.Waehle(deutsch);
        AufzeichnungsLeinwand lw;
        Zeichne(*u, lw);
        const Operation* ost = lw.FindeText(deutsch ? "O" : "E");
        ASSERT_NE(ost, nullptr);
        EXPECT_GT(ost->x1, 900); // the right end of the axis, below it
        EXPECT_GT(ost->y1, 333);
        EXPECT_EQ(ost->schrift.farbe, farben::Rot);
        EXPECT_EQ(lw.FindeText(deutsch ? "E" : "O"), nullptr);
        EXPECT_TRUE(lw.FindeText("W") && lw.FindeText("N"));
    }
}

TEST(Begrenzung, RiesigerZoomBleibtImZeichenbereichWinzigerEndet) {
    auto u = Uhr();
    u->ansicht.Zoom = 1e9;
    u->ansicht.DeltaX = 2000000000;
    AufzeichnungsLeinwand lw;
    Zeichne(*u, lw);
    for (const auto& o : lw.ops)
        for (int v : {o.x1, o.y1, o.x2, o.y2})
            ASSERT_LE(std::abs(v), Zeichner::Grenze);
    // A tiny zoom and an empty picture must end the axis tick loop.
    u->ansicht = {1e-12, 0, 0};
    AufzeichnungsLeinwand klein;
    Zeichne(*u, klein);
    EXPECT_FALSE(klein.ops.empty());
    u->ansicht.Zoom = 1;
    Zeichne(*u, klein, 0, 0);
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

TEST(Fehlergrafik, KurveUndGroessterFehlerAmAequatorLeereBox) {
    auto u = Uhr();
    AufzeichnungsLeinwand lw;
    auto s = FehlerGrafik(*u, lw, 400, 290);
    ASSERT_TRUE(s.skaliert);
    // The largest magnitude, the solstice declination included.
    double groesster = std::abs(Ablesefehler(47.25, 20.2, 23.44));
    for (int d = 1; d <= 23; ++d)
        groesster = std::max(groesster, std::abs(Ablesefehler(47.25, 20.2, d)));
    EXPECT_EQ(u->anz.lmaxErrAbs, ZahlText(5, 2, groesster));
    // The red curve: 24 segments from the origin of the chart.
    std::vector<const Operation*> rot;
    for (const auto* l : lw.Linien())
        if (l->stift.farbe == farben::Rot) rot.push_back(l);
    ASSERT_EQ(rot.size(), 24u);
    EXPECT_EQ(rot[0]->x1, 400 / 20);
    EXPECT_EQ(rot[0]->y1, s.base);
    EXPECT_EQ(rot[23]->x2, 20 + Naechste(23.44 * 0.87 * 400 / 24));
    EXPECT_EQ(rot[23]->y2, s.base + Naechste(Ablesefehler(47.25, 20.2, 23.44) * s.ys));
    EXPECT_TRUE(lw.FindeText("20") && !lw.FindeText("25")); // the last line is 23.44

    // At the equator the range is below 0.01 degrees: no scale to divide by.
    u->p.Breit = 0;
    AufzeichnungsLeinwand leer;
    EXPECT_FALSE(FehlerGrafik(*u, leer, 400, 290).skaliert);
    EXPECT_EQ(u->anz.lmaxErrAbs, " 0.00");
    ASSERT_EQ(leer.ops.size(), 1u);
    EXPECT_EQ(leer.ops[0].art, OpArt::Rechteck);
}
