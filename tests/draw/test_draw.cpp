// The dial picture on a recording canvas: the frame of the picture, the
// error chart, and the calendar figures and the sunrise construction.
#include "core/Figuren.h"
#include "core/Zahlen.h"
#include "draw/AufzeichnungsLeinwand.h"
#include "draw/FehlerGrafik.h"
#include "draw/Zeichner.h"
#include "draw/Zeichnung.h"
#include "lang/Texte.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>

using namespace skiora;
using namespace skiora::draw;

namespace {
// A computed dial; `setzen` changes its inputs before the calculation.
std::unique_ptr<Sonnenuhr> Uhr(const std::function<void(Sonnenuhr&)>& setzen = nullptr) {
    auto u = std::make_unique<Sonnenuhr>();
    if (setzen) setzen(*u);
    u->Abgeleitet();
    u->btGoClick();
    return u;
}

ZeichenWerte Zeichne(Sonnenuhr& u, AufzeichnungsLeinwand& lw, int b = 1000, int h = 606,
                     bool grafikSichtbar = true) {
    Ziel z;
    z.Breite = b;
    z.Hoehe = h;
    z.GrafikSichtbar = grafikSichtbar;
    return ZeichneUhr(u, lw, z);
}

// Where the drawing puts a dial point around the centre cx.
Pos Lage(const Sonnenuhr& u, double x, double y, std::int64_t cx) {
    return Abbilden(cx, u.rahmen.PlotCentreY, u.rahmen.Massstab, x, y);
}

bool HatKreis(const AufzeichnungsLeinwand& lw, Pos q, int r, Farbe f) {
    return lw.HatKreis(static_cast<int>(q.x), static_cast<int>(q.y), r, f);
}

std::vector<const Operation*> Linien(const AufzeichnungsLeinwand& lw, Farbe f) {
    std::vector<const Operation*> r;
    for (const auto* l : lw.Linien())
        if (l->stift.farbe == f) r.push_back(l);
    return r;
}

int Zaehle(const AufzeichnungsLeinwand& lw, const std::string& text) {
    int n = 0;
    for (const auto* o : lw.Texte())
        n += o->text == text;
    return n;
}

bool IstMonat(const std::string& s) {
    return s.rfind("01.", 0) == 0;
}
} // namespace

TEST(Stundenpunkte, FolgenZoomUndVerschiebungVolleRotTeilstundenGruen) {
    auto u = Uhr([](Sonnenuhr& s) { s.p.Lph = 3; });
    const auto m = MassstabBerechnen(2.75, 90, 47.25, 1, u->Klein, 500, 303);
    // Image1 1000 x 606: origin at (500, nearest(1.1 * 303)) plus the pan.
    for (auto [zoom, dx, dy] : {std::tuple{1.0, 0, 0}, {2.0, 37, -12}, {1.728, -250, 90}}) {
        u->ansicht = {zoom, dx, dy};
        AufzeichnungsLeinwand lw;
        Zeichne(*u, lw);
        for (int k = 1; k <= (21 - 5) * 3 + 1; ++k) {
            const auto& e = u->erg.StundenPunkte[static_cast<std::size_t>(k)];
            const int X = 500 + dx + Naechste(e.x * m.Massstab * zoom);
            const int Y = 333 + dy - Naechste(e.y * m.Massstab * zoom);
            const bool voll = k % 3 == 1;
            EXPECT_TRUE(lw.HatKreis(X, Y, voll ? 3 : 2, voll ? farben::Rot : farben::Gruen))
                << "k " << k << " zoom " << zoom;
        }
        // Only even hours carry a number, each once.
        for (int h = 5; h <= 8; ++h)
            EXPECT_EQ(Zaehle(lw, std::to_string(h)), 1 - h % 2) << h;
    }
}

TEST(Massstab, SchrittTeilungUndBeschriftungJeHalbachse) {
    // Massstab with room enough in height: HalbBreite / c * Norm; a tick numbered
    // on both sides of the horizontal axis and on the vertical one, a tick without.
    for (auto [halb, schritt, teilung, massstab, nummer, ohne] :
         {std::tuple{0.5, 0.02, 5, 500 / 6.4 * 10, " 0.10", " 0.02"},
          {2.75, 0.1, 5, 500 / 3.3, " 0.50", " 0.10"},
          {8.0, 0.25, 4, 500 / 9.9, " 1.00", " 0.25"}}) {
        const auto m =
            MassstabBerechnen(halb, 90, 47.25, 1, halb * std::sin(47.25 * Rad), 500, 1000);
        EXPECT_DOUBLE_EQ(m.Schritt, schritt) << halb;
        EXPECT_EQ(m.Teilung, teilung) << halb;
        EXPECT_DOUBLE_EQ(m.Massstab, massstab) << halb;
        auto u = Uhr([h = halb](Sonnenuhr& s) { s.p.Halb = h; });
        AufzeichnungsLeinwand lw;
        Zeichne(*u, lw);
        EXPECT_GE(Zaehle(lw, nummer), 3) << halb;
        EXPECT_EQ(Zaehle(lw, ohne), 0) << halb;
    }
    // A flat picture, where 96 % of the half height limits the scale.
    const double klein = 2.75 * std::sin(47.25 * Rad);
    EXPECT_NEAR(MassstabBerechnen(2.75, 90, 47.25, 1, klein, 500, 100).Massstab, 96 / klein, 1e-9);
}

TEST(Verweigerung, GnomonZuFlachSplitGnomonNaheDerBreiteWarnungBeiGrosserDatumsskala) {
    auto u = Uhr([](Sonnenuhr& s) { s.p.Incl = 10, s.p.GnomWinkel = 15; }); // 5 degrees above
    AufzeichnungsLeinwand lw;
    EXPECT_TRUE(Zeichne(*u, lw).verweigert);
    ASSERT_NE(lw.FindeText(lang::TextTabelle2(1, 30)), nullptr);
    EXPECT_EQ(lw.ops.size(), 2u); // the box and the request

    // A split dial with its gnomon within 25 degrees of 47.25: the error tables go too.
    auto s = Uhr();
    s->p.Arten = 2;
    s->opt.SplitModus = true;
    s->p.GnomInc = 30;
    s->tab.StrGrid8.Setze(1, 1, "x");
    s->tab.StrGrid8b.Setze(1, 1, "x");
    EXPECT_TRUE(Zeichne(*s, lw).verweigert);
    EXPECT_EQ(s->tab.StrGrid8.Zelle(1, 1) + s->tab.StrGrid8b.Zelle(1, 1), "");

    // A date scale beyond the minor half axis (Klein 0.48, the solstice at
    // 1.17): a warning on the drawn dial, a message box only when the graphic
    // page is not in front.
    auto w = Uhr([](Sonnenuhr& s) { s.p.Breit = 10; });
    SammelMelder m;
    w->setzeMelder(&m);
    AufzeichnungsLeinwand b;
    EXPECT_TRUE(Zeichne(*w, b).gewarnt);
    EXPECT_NE(b.FindeText(lang::TextTabelle2(1, 27)), nullptr);
    EXPECT_GE(b.Kreise().size(), 33u);
    EXPECT_TRUE(m.eintraege.empty());
    Zeichne(*w, b, 1000, 606, false);
    ASSERT_EQ(m.eintraege.size(), 1u);
    EXPECT_EQ(m.eintraege[0].text, lang::TextTabelle1(1, 25));
}

TEST(Standarduhr, OstbuchstabeFolgtDerSpracheSechsMonatsnamen) {
    for (bool deutsch : {true, false}) {
        auto u = Uhr([&](Sonnenuhr& s) { s.sprache.Waehle(deutsch); });
        AufzeichnungsLeinwand lw;
        Zeichne(*u, lw);
        const Operation* ost = lw.FindeText(deutsch ? "O" : "E");
        EXPECT_TRUE(ost && ost->x1 > 900); // at the right end of the axis
        EXPECT_EQ(lw.FindeText(deutsch ? "E" : "O"), nullptr);
        // The analemma names only six month starts.
        int benannt = 0;
        for (const auto* t : lw.Texte())
            benannt += IstMonat(t->text);
        EXPECT_EQ(benannt, 6);
    }
}

// Mends: coordinates are clipped before the painter; the axis tick loop ends.
TEST(Begrenzung, RiesigerZoomGeschnittenWinzigerEndet) {
    auto u = Uhr();
    u->ansicht = {1e9, 2000000000, 0};
    AufzeichnungsLeinwand lw;
    Zeichne(*u, lw);
    for (const auto& o : lw.ops)
        for (int v : {o.x1, o.y1, o.x2, o.y2})
            ASSERT_LE(std::abs(v), Zeichner::Grenze);
    u->ansicht = {1e-12, 0, 0};
    Zeichne(*u, lw);
    Zeichne(*u, lw, 0, 0);

    // A clipped line stays on its straight line: y = x / 2 + 1000.
    AufzeichnungsLeinwand g;
    Zeichner z(g);
    z.MoveTo(-4000000000LL, -2000000000LL);
    z.LineTo(4000000000LL, 2000000000LL + 2000);
    z.MoveTo(200000, 0); // wholly outside: nothing
    z.LineTo(300000, 5);
    ASSERT_EQ(g.Linien().size(), 1u);
    const Operation& l = *g.Linien()[0];
    EXPECT_EQ(std::tuple(l.x1, l.x2), std::tuple(-Zeichner::Grenze, Zeichner::Grenze));
    EXPECT_NEAR(l.y1, -Zeichner::Grenze / 2 + 1000, 1);
    EXPECT_NEAR(l.y2, Zeichner::Grenze / 2 + 1000, 1);
}

TEST(Fehlergrafik, GroessterFehlerAmAequatorLeereBox) {
    auto u = Uhr();
    AufzeichnungsLeinwand lw;
    ASSERT_TRUE(FehlerGrafik(*u, lw, 400, 290).skaliert);
    // The largest magnitude lies at the solstice declination, the curve's last point.
    EXPECT_EQ(u->anz.lmaxErrAbs, ZahlText(5, 2, std::abs(Ablesefehler(47.25, 20.2, 23.44))));

    // At the equator the range is below 0.01 degrees: no scale to divide by.
    u->p.Breit = 0;
    AufzeichnungsLeinwand leer;
    EXPECT_FALSE(FehlerGrafik(*u, leer, 400, 290).skaliert);
    EXPECT_EQ(u->anz.lmaxErrAbs, " 0.00");
    EXPECT_EQ(leer.ops.size(), 1u);
}

TEST(Datumsskala, WechseltAm21JuniDieSeite) {
    auto u = Uhr([](Sonnenuhr& s) { s.p.Arten = 0; });
    AufzeichnungsLeinwand lw;
    Zeichne(*u, lw);
    const int cx = u->rahmen.PlotCentreX;
    bool rechts = false; // from the solstice on the other side, in red
    int n[2] = {0, 0};
    for (std::size_t k = 1; k <= 38; ++k) {
        const auto& e = u->erg.DatumsPunkte[k];
        rechts = rechts || e.name == "21.Jun ";
        if (!IstMonat(e.name)) continue;
        const Operation* t = lw.FindeText(e.name);
        ASSERT_NE(t, nullptr) << e.name;
        EXPECT_TRUE(rechts ? t->x1 > cx : t->x1 + lw.TextWidth(e.name) < cx) << e.name;
        EXPECT_EQ(t->schrift.farbe, rechts ? farben::Rot : farben::Gruen) << e.name;
        ++n[rechts];
    }
    EXPECT_EQ(std::pair(n[0], n[1]), std::pair(6, 6)); // January to June, July to December
}

namespace {
// A hand-made split dial: two small ellipses of twelve month starts each,
// April and May unusable.
std::unique_ptr<Sonnenuhr> SplitUhr() {
    auto u = Uhr();
    u->p.Arten = 2;
    u->opt.SplitModus = true;
    u->p.GnomInc = 0;
    for (auto* feld : {&u->erg.SplitVor1, &u->erg.SplitNach1}) {
        *feld = DatumsFeld{};
        for (std::size_t k = 1; k <= 12; ++k)
            (*feld)[k] = {
                "01." + std::to_string(k), 0, 0, 0.2 * std::sin(k / 2.0), 1.5 * std::cos(k / 2.0),
                k != 4 && k != 5};
    }
    return u;
}
} // namespace

TEST(Doppelanalemma, UnbrauchbareTeileImBildhintergrund) {
    auto u = SplitUhr();
    AufzeichnungsLeinwand lw;
    Zeichne(*u, lw);
    for (int cx : {u->rahmen.PlotLeftCentreX, u->rahmen.PlotRightCentreX}) {
        auto pos = [&](std::size_t k) {
            return Lage(*u, u->erg.SplitVor1[k].x, u->erg.SplitVor1[k].y, cx);
        };
        for (std::size_t k = 2; k <= 12; ++k) {
            // Dots red when usable, else hollow; segments touching April or May grey.
            const bool gut = k != 4 && k != 5;
            EXPECT_TRUE(HatKreis(lw, pos(k), 3, gut ? farben::Rot : farben::Weiss)) << k;
            const Pos a = pos(k - 1), b = pos(k);
            const Operation* seg = nullptr;
            for (const auto* l : lw.Linien())
                if (l->x1 == a.x && l->y1 == a.y && l->x2 == b.x && l->y2 == b.y) seg = l;
            ASSERT_NE(seg, nullptr) << k;
            EXPECT_EQ(seg->stift.farbe, k >= 4 && k <= 6 ? farben::Bildhintergrund : farben::Gruen);
        }
    }
}

TEST(Schattenweg, SpringtBeiXNullZurNachmittagshaelfte) {
    auto u = SplitUhr();
    u->opt.StdVon = 11;
    u->opt.StdBis = 13; // Lph 2: nine entries, a quarter hour apart
    auto& S = u->erg.SchattenPunkte;
    for (std::size_t k = 1; k <= 9; ++k) {
        const double x = -1.1 + 0.3 * static_cast<double>(k - 1);
        S[k] = {x, 0.8 - 0.2 * x, 11 + 0.25 * static_cast<double>(k - 1)};
    }
    S[1].x = S[1].y = KeinSchatten; // no shadow: the pen only moves there
    AufzeichnungsLeinwand lw;
    Zeichne(*u, lw);
    const auto weg = Linien(lw, farben::Maroon);
    // Entries 2..9 have a shadow: 7 segments, one of them split in two at
    // x = 0, between entry 4 (x = -0.2) and entry 5 (x = 0.1).
    ASSERT_EQ(weg.size(), 8u);
    const double y0 = S[4].y + (S[5].y - S[4].y) / (S[5].x - S[4].x) * (0 - S[4].x);
    const Pos links = Lage(*u, 0, y0, u->rahmen.PlotLeftCentreX);
    const Pos rechts = Lage(*u, 0, y0, u->rahmen.PlotRightCentreX);
    EXPECT_EQ((Pos{weg[2]->x2, weg[2]->y2}), links);
    EXPECT_EQ((Pos{weg[3]->x1, weg[3]->y1}), rechts);
    // The 12 o'clock dot on the afternoon half (11 has no shadow).
    EXPECT_TRUE(HatKreis(lw, Lage(*u, S[5].x, S[5].y, rechts.x), 2, farben::Weiss));
}

namespace {
std::unique_ptr<Sonnenuhr> KonstruktionsUhr(int tag, int monat) {
    return Uhr([&](Sonnenuhr& u) {
        u.anz.ChBRiseSetHaken = u.anz.ChBRiseSetAktiv = true;
        u.opt.ExtraTag = static_cast<std::int16_t>(tag);
        u.opt.ExtraMonat = static_cast<std::int16_t>(monat);
    });
}

int LimeEllipsen(const AufzeichnungsLeinwand& lw) {
    int n = 0;
    for (const auto& o : lw.ops)
        n += o.art == OpArt::Ellipse && o.stift.farbe == farben::Lime;
    return n;
}
} // namespace

TEST(Aufgangskonstruktion, KreisErsatzlinieAbgeschaltetesKaestchenRadienMeldungEinmal) {
    // 1 May: an ordinary circle through the gnomon position, with its caption;
    // a disabled box shows neither (the box follows MarkRiseSet).
    auto u = KonstruktionsUhr(1, 5);
    const std::string titel = lang::TextTabelle2(1, 36) + u->opt.ExtraDatumName;
    for (bool aktiv : {false, true}) {
        u->anz.ChBRiseSetAktiv = aktiv;
        AufzeichnungsLeinwand lw;
        Zeichne(*u, lw);
        EXPECT_EQ(LimeEllipsen(lw), aktiv ? 1 : 0);
        EXPECT_EQ(lw.FindeText(titel) != nullptr, aktiv);
    }
    // No construction at declination 0, nor without a sunrise (midnight sun).
    EXPECT_FALSE(::skiora::AufgangsKreis(u->p.Halb, u->Klein, u->SinGI, 90, 47.25, 0) ||
                 ::skiora::AufgangsKreis(u->p.Halb, u->Klein, u->SinGI, 90, 80, 20));

    // Around the equinox the circle grows beyond the coordinate range and a
    // horizontal line through the gnomon position replaces it, across the
    // picture's width (it was once drawn with the height).
    auto v = KonstruktionsUhr(20, 3);
    AufzeichnungsLeinwand b;
    Zeichne(*v, b);
    const auto lime = Linien(b, farben::Lime);
    ASSERT_EQ(lime.size(), 1u);
    EXPECT_EQ(LimeEllipsen(b), 0);
    EXPECT_EQ(lime[0]->y1, lime[0]->y2);
    EXPECT_EQ(lime[0]->x2 - lime[0]->x1, v->rahmen.BildBreite - 2);

    // An inclined plane makes the two radii disagree; the box is left enabled
    // (the window would disable it) so that the check runs, once per dial.
    u->p.Incl = 20;
    u->Abgeleitet();
    SammelMelder m;
    u->setzeMelder(&m);
    AufzeichnungsLeinwand a;
    Zeichne(*u, a);
    Zeichne(*u, a); // a repaint of the same dial
    ASSERT_EQ(m.eintraege.size(), 1u);
    EXPECT_EQ(m.eintraege[0].text.rfind("Radien verschieden: ", 0), 0u);
}

TEST(Schattenreichweite, WarnungObenLinksNurWennEinSchattenZuKurzIst) {
    auto u = Uhr(); // 2.75 m at 47.25 degrees: short summer noon shadows
    AufzeichnungsLeinwand lw;
    Zeichne(*u, lw);
    // A caption and one line per height, one under the other.
    const auto zeilen = ReichweiteWarnZeilen(u->reichweite, 1);
    ASSERT_EQ(zeilen.size(), 3u);
    int y = 0;
    for (const std::string& t : zeilen) {
        const Operation* w = lw.FindeText(t);
        ASSERT_NE(w, nullptr) << t;
        EXPECT_EQ(w->schrift.farbe, farben::Rot);
        EXPECT_LT(w->x1, 20);
        EXPECT_GT(w->y1, y);
        y = w->y1;
    }
    EXPECT_LT(y, 80);
    // A dial of 1 m reached by every reader: no warning.
    auto klein = Uhr([](Sonnenuhr& s) { s.p.Halb = 1.0; });
    ASSERT_FALSE(klein->reichweite.zuKurz());
    AufzeichnungsLeinwand lw2;
    Zeichne(*klein, lw2);
    for (const std::string& text : lw2.TextListe())
        EXPECT_EQ(text.find("zu kurz"), std::string::npos) << text;
}
