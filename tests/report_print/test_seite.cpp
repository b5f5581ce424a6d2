// The page geometry of the printed dial and the finish of its page.
#include "core/Zahlen.h"
#include "draw/AufzeichnungsLeinwand.h"
#include "draw/Zeichnung.h"
#include "report/Seite.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace skiora::report {
namespace {

using draw::AufzeichnungsLeinwand;
using draw::OpArt;

// A landscape A4 printer with 5 mm unprintable margins, 254 pixels per inch.
DruckerMasse FuenfMillimeter() {
    return {287, 200, 2870, 2000, 50, 50, false};
}

TEST(Seitenrand, FuenfMillimeterRaenderZentrierenDasBild) {
    Seitengeometrie g = SeitenRand(FuenfMillimeter());
    EXPECT_EQ(g.SeiteBreite, 2820); // 2968 - 100, limited
    EXPECT_EQ(g.SeiteHoehe, 1998);
    EXPECT_EQ(g.SeiteLinks, 25);
    EXPECT_EQ(g.SeiteOben, 1);
    g.SeiteUhrHoehe = UhrHoehe(g.SeiteBreite);
    EXPECT_EQ(g.SeiteUhrHoehe, 1709);
    const Legendenlage l = LegendenLage(g);
    EXPECT_EQ(l.V, 44);
    EXPECT_EQ(l.n, 5);

    // The same printer in portrait is worked out on the landscape sheet, at
    // another resolution the millimetres decide.
    const Seitengeometrie h = SeitenRand({200, 287, 4000, 5740, 100, 100, true});
    EXPECT_EQ(h.SeiteBreite, 2820);
    EXPECT_EQ(h.SeiteHoehe, 1998);
    EXPECT_EQ(h.SeiteLinks, 25);
    EXPECT_EQ(h.SeiteOben, 1);

    // Unequal margins: the wider one decides, the picture stays centred.
    const Seitengeometrie u = SeitenRand({277, 190, 2770, 1900, 150, 100, false});
    EXPECT_EQ(u.SeiteBreite, 2970 - 2 * 150 - 2);
    EXPECT_EQ(u.SeiteHoehe, 2100 - 2 * 100 - 2);
    EXPECT_EQ(u.SeiteLinks, 1); // (2970 - 2668) div 2 - 150
    // A legend band too small for the offset gives V = 0 and n = 4.
    g.SeiteHoehe = 1800;
    EXPECT_EQ(LegendenLage(g).V, 0);
    EXPECT_EQ(LegendenLage(g).n, 4);
    // A printer that reports nothing does not divide by zero.
    const Seitengeometrie n = SeitenRand({});
    EXPECT_EQ(n.SeiteBreite, 2820);
    EXPECT_EQ(n.SeiteHoehe, 2000);
    EXPECT_EQ(n.SeiteLinks, 75);
}

// The default dial printed on the 5 mm page.
struct Papier {
    Sonnenuhr uhr;
    Seitengeometrie g = SeitenRand(FuenfMillimeter());
    AufzeichnungsLeinwand lw;
    Papier() {
        uhr.Modusumschaltung();
        uhr.Abgeleitet();
        uhr.btGoClick();
        g.SeiteUhrHoehe = UhrHoehe(g.SeiteBreite);
    }
    void Drucke() {
        lw.Leeren();
        draw::ZeichneUhr(uhr, lw, PapierZiel(uhr, g, 1000));
    }
};

TEST(Seitenrand, SchirmverschiebungWirdAnteiligGedruckt) {
    Papier p;
    p.Drucke();
    const int x0 = p.uhr.rahmen.PlotCentreX, y0 = p.uhr.rahmen.PlotCentreY;
    EXPECT_EQ(x0, p.g.SeiteLinks + p.g.SeiteBreite / 2);
    EXPECT_EQ(y0, p.g.SeiteOben + Naechste(1.1 * (1709 / 2)));
    p.uhr.ansicht.DeltaX = 100; // a tenth of a 1000 pixel picture
    p.uhr.ansicht.DeltaY = -50;
    p.Drucke();
    EXPECT_EQ(p.uhr.rahmen.PlotCentreX - x0, p.g.SeiteBreite / 10);
    EXPECT_EQ(p.uhr.rahmen.PlotCentreY - y0, -p.g.SeiteBreite / 20);

    // A refused dial leaves the page empty, without frame or legend.
    p.uhr.p.GnomWinkel = 5; // 5 degrees from the plane
    p.uhr.Abgeleitet();
    p.Drucke();
    EXPECT_TRUE(p.lw.ops.empty());
}

TEST(Seitenabschluss, RahmenTitelUndLegendeNachDemBild) {
    Papier p;
    p.Drucke();
    const auto& ops = p.lw.ops;
    const int links = 25, oben = 1, B = 1709, V = 44, u = 20;
    const auto* titel = p.lw.FindeText("Analemmatische Sonnenuhr");
    ASSERT_NE(titel, nullptr);
    EXPECT_EQ(titel->x1, links + 50);
    EXPECT_EQ(titel->y1, 1998 + oben - V - 2 * 5 * u);
    EXPECT_EQ(titel->schrift.hoehe, 60);
    EXPECT_TRUE(titel->schrift.fett);
    const auto* breite = p.lw.FindeText("geogr. Breite= 47.25;");
    ASSERT_NE(breite, nullptr);
    EXPECT_EQ(breite->x1, links + 190);
    EXPECT_EQ(breite->y1, 1998 + oben - V - 5 * u);
    const auto* achsen =
        p.lw.FindeText("Halbachsen a||b = 2.75 ||" + ZahlText(5, 2, p.uhr.Klein) + ";");
    ASSERT_NE(achsen, nullptr);
    EXPECT_EQ(achsen->y1, 1998 + oben - V - 2 * u);
    EXPECT_NE(p.lw.FindeText("Berechnung fuer Jahr= 2002"), nullptr);
    EXPECT_EQ(p.lw.FindeText("Gnomon Neigung=  0.00")->x1, links + 1990);
    // Paper sizes of the dial: radius 7 for full hours, the signature above the legend band.
    const auto& e = p.uhr.erg.StundenPunkte[1];
    const auto q = draw::Abbilden(p.uhr.rahmen.PlotCentreX, p.uhr.rahmen.PlotCentreY,
                                  p.uhr.rahmen.Massstab, e.x, e.y);
    EXPECT_TRUE(p.lw.HatKreis(static_cast<int>(q.x), static_cast<int>(q.y), 7, draw::farben::Rot));
    const auto* sig = p.lw.FindeText("tavi");
    ASSERT_NE(sig, nullptr);
    EXPECT_EQ(sig->y1, oben + B - V - sig->schrift.hoehe - 3);

    // The frame is black and hollow; the separator lies V above the dial's foot.
    const auto rahmen = std::find_if(ops.begin(), ops.end(), [&](const draw::Operation& o) {
        return o.art == OpArt::Rechteck && o.x1 == links && o.y1 == oben &&
               o.x2 == 2820 + links - 1 && o.y2 == 1998 + oben;
    });
    ASSERT_NE(rahmen, ops.end());
    EXPECT_EQ(rahmen->stift.farbe, draw::farben::Schwarz);
    EXPECT_EQ(rahmen->pinsel.art, draw::PinselArt::Leer);
    const auto trenner = std::find_if(ops.begin(), ops.end(), [&](const draw::Operation& o) {
        return o.art == OpArt::Linie && o.y1 == oben + B - V && o.y2 == o.y1 && o.x1 == links;
    });
    ASSERT_NE(trenner, ops.end());
    EXPECT_EQ(trenner->x2, links + 2820);

    // The blanking comes after every figure of the dial: white rectangles,
    // the first of them covering the left margin.
    const auto erstesWeiss = std::find_if(ops.begin(), ops.end(), [](const draw::Operation& o) {
        return o.art == OpArt::Rechteck && o.x1 == 0 && o.y1 == 0 &&
               o.stift.farbe == draw::farben::Weiss;
    });
    ASSERT_NE(erstesWeiss, ops.end());
    EXPECT_EQ(erstesWeiss->x2, links);
    EXPECT_EQ(erstesWeiss->y2, oben + B);
    for (auto it = erstesWeiss; it != ops.end(); ++it)
        EXPECT_NE(it->art, OpArt::Ellipse) << "a dial figure drawn after the page finish";
}

} // namespace
} // namespace skiora::report
