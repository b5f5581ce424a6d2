// The page geometry of the printed dial and the finish of its page.
#include "core/Zahlen.h"
#include "draw/AufzeichnungsLeinwand.h"
#include "draw/Zeichnung.h"
#include "report/Seite.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <tuple>

namespace skiora::report {
namespace {

using draw::OpArt;
using draw::Operation;

// A landscape A4 printer with 5 mm unprintable margins, 254 pixels per inch.
constexpr DruckerMasse FuenfMillimeter{287, 200, 2870, 2000, 50, 50, false};

// Width, height, left and top of the picture.
std::tuple<int, int, int, int> Geometrie(const DruckerMasse& m) {
    const Seitengeometrie g = SeitenRand(m);
    return {g.SeiteBreite, g.SeiteHoehe, g.SeiteLinks, g.SeiteOben};
}

TEST(Seitenrand, FuenfMillimeterRaenderZentrierenDasBild) {
    EXPECT_EQ(Geometrie(FuenfMillimeter), std::tuple(2820, 1998, 25, 1)); // 2968 - 100, limited
    Seitengeometrie g = SeitenRand(FuenfMillimeter);
    EXPECT_EQ(g.SeiteUhrHoehe = UhrHoehe(g.SeiteBreite), 1709);
    EXPECT_EQ(std::pair(LegendenLage(g).V, LegendenLage(g).n), std::pair(44, 5));
    // A legend band too small for the offset gives V = 0 and n = 4.
    g.SeiteHoehe = 1800;
    EXPECT_EQ(std::pair(LegendenLage(g).V, LegendenLage(g).n), std::pair(0, 4));

    // The same printer in portrait is worked out on the landscape sheet, at
    // another resolution the millimetres decide.
    EXPECT_EQ(Geometrie({200, 287, 4000, 5740, 100, 100, true}), std::tuple(2820, 1998, 25, 1));
    // Unequal margins: the wider one decides, the picture stays centred.
    EXPECT_EQ(Geometrie({277, 190, 2770, 1900, 50, 100, false}),
              std::tuple(2970 - 2 * 150 - 2, 2100 - 2 * 100 - 2, 101, 1));
    // A printer that reports nothing does not divide by zero.
    EXPECT_EQ(Geometrie({}), std::tuple(2820, 2000, 75, 50));
}

// The default dial printed on the 5 mm page.
struct Papier : ::testing::Test {
    Sonnenuhr uhr;
    Seitengeometrie g = SeitenRand(FuenfMillimeter);
    draw::AufzeichnungsLeinwand lw;
    void Drucke() {
        lw.Leeren();
        draw::ZeichneUhr(uhr, lw, PapierZiel(uhr, g, 1000));
    }
    void SetUp() override {
        uhr.Modusumschaltung();
        uhr.Abgeleitet();
        uhr.btGoClick();
        g.SeiteUhrHoehe = UhrHoehe(g.SeiteBreite);
        Drucke();
    }
    bool Hat(const std::function<bool(const Operation&)>& passt) const {
        return std::any_of(lw.ops.begin(), lw.ops.end(), passt);
    }
};

TEST_F(Papier, RahmenTitelUndLegendeNachDemBild) {
    // The title and the legend in the document's language (read back from the PDF too).
    const int links = 25, oben = 1, B = 1709, V = 44;
    const auto* titel = lw.FindeText("Analemmatische Sonnenuhr");
    ASSERT_TRUE(titel && lw.FindeText("geogr. Breite= 47.25;"));
    EXPECT_EQ(titel->y1, 1998 + oben - V - 2 * 5 * 20); // n = 5 lines of 20 above the band
    // The frame is black and hollow; the separator lies V above the dial's foot.
    EXPECT_TRUE(Hat([&](const Operation& o) {
        return o.art == OpArt::Rechteck && o.x1 == links && o.y1 == oben &&
               o.x2 == 2820 + links - 1 && o.y2 == 1998 + oben &&
               o.stift.farbe == draw::farben::Schwarz && o.pinsel.art == draw::PinselArt::Leer;
    }));
    EXPECT_TRUE(Hat([&](const Operation& o) {
        return o.art == OpArt::Linie && o.y1 == oben + B - V && o.y2 == o.y1 && o.x1 == links &&
               o.x2 == links + 2820;
    }));
    // The blanking comes after every figure of the dial: white rectangles,
    // the first of them covering the left margin.
    const auto weiss = std::find_if(lw.ops.begin(), lw.ops.end(), [](const Operation& o) {
        return o.art == OpArt::Rechteck && o.stift.farbe == draw::farben::Weiss && o.x1 == 0;
    });
    ASSERT_NE(weiss, lw.ops.end());
    EXPECT_EQ(std::tuple(weiss->y1, weiss->x2, weiss->y2), std::tuple(0, links, oben + B));
    EXPECT_TRUE(std::none_of(weiss, lw.ops.end(), [](const Operation& o) {
        return o.art == OpArt::Ellipse;
    })) << "a dial figure drawn after the page finish";
}

TEST_F(Papier, SchirmverschiebungWirdAnteiligGedrucktVerweigerteUhrLeer) {
    const int x0 = uhr.rahmen.PlotCentreX, y0 = uhr.rahmen.PlotCentreY;
    EXPECT_EQ(x0, 25 + 2820 / 2);
    EXPECT_EQ(y0, 1 + Naechste(1.1 * (1709 / 2)));
    uhr.ansicht.DeltaX = 100; // a tenth of a 1000 pixel picture
    uhr.ansicht.DeltaY = -50;
    Drucke();
    EXPECT_EQ(uhr.rahmen.PlotCentreX - x0, 282);
    EXPECT_EQ(uhr.rahmen.PlotCentreY - y0, -141);

    // A refused dial leaves the page empty, without frame or legend.
    uhr.p.GnomWinkel = 5; // 5 degrees from the plane
    uhr.Abgeleitet();
    Drucke();
    EXPECT_TRUE(lw.ops.empty());
}

// On paper every label stands whole inside the frame above the legend band:
// compass letters, axis numbers (3.5 has no tick inside), the warning.
TEST_F(Papier, JedeBeschriftungGanzImRahmen) {
    for (const char* fall : {"", "50", "20"}) {
        uhr.ansicht.DeltaX = *fall == '5' ? 300 : 0;
        if (*fall == '2') uhr.eBreitExit(Feld::eBreit, "20"); // with the warning
        Drucke();
        for (const Operation& o : lw.ops) {
            if (o.art == OpArt::Rechteck && o.stift.farbe == draw::farben::Weiss && o.x1 == 0)
                break; // the page finish
            const int h = o.schrift.hoehe, w = static_cast<int>(o.text.size()) * ((h + 1) / 2);
            if (o.art == OpArt::Text) {
                EXPECT_TRUE(o.x1 >= 25 && o.x1 + w <= 2845 && o.y1 >= 1 && o.y1 + h <= 1666)
                    << fall << " \"" << o.text << "\" " << o.x1 << "/" << o.y1;
            }
        }
        EXPECT_TRUE(lw.FindeText("W") && lw.FindeText("O") && lw.FindeText("N")) << fall;
    }
    EXPECT_TRUE(lw.FindeText("Dieser Uhrtyp ist zur ganzjährigen Zeitanzeige ungeeignet!"));
    uhr.eBreitExit(Feld::eBreit, "47.25");
    Drucke();
    const auto t = lw.TextListe();
    EXPECT_EQ(std::count(t.begin(), t.end(), " 3.00"), 2);
    EXPECT_EQ(std::count(t.begin(), t.end(), " 3.50"), 0);
}

} // namespace
} // namespace skiora::report
