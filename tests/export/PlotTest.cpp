#include "export/Plot.h"
#include "PlotHilfe.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

namespace skiora::export_ {
namespace {

using test::Befehle;
using test::Berechne;

bool Beginnt(const std::string& s, const std::string& anfang) {
    return s.rfind(anfang, 0) == 0;
}

std::string AlsSchirm(Sonnenuhr& uhr, int dx = 0, int dy = 0, double zoom = 1) {
    std::ostringstream o;
    PlotAsScreen(uhr, o, dx, dy, zoom);
    return o.str();
}

std::string Skaliert(Sonnenuhr& uhr, double achse) {
    std::ostringstream o;
    PlotScaled(uhr, o, 0, 0, achse);
    return o.str();
}

TEST(PlotPrimitive, FieldsOfEightAndGuardWindows) {
    std::string s;
    PlotAusgabe schirm(s, PlotArt::Schirm);
    schirm.PlotMove(8200, 6314);
    EXPECT_EQ(s, ";PU     8200     6314");
    s.clear();
    schirm.PlotLine(-2499, 14499);
    schirm.PlotLabel(123456789, 0, "x"); // skipped
    schirm.PlotLine(-2500, 0);           // skipped: abs(x - 8500) = 11000
    schirm.PlotMove(0, -2500);           // skipped: abs(y - 6000) = 8500
    schirm.PlotLabel(19499, -2499, "1.Jan");
    schirm.PlotCircle(100, 200, 201, 300); // centre 150.5 / 250, radius 50.5: halves to even
    schirm.PlotCircle(19500, 0, 19502, 2); // skipped
    schirm.PlotRaw("");
    EXPECT_EQ(s, ";PD    -2499    14499;PU    19499    -2499;LB1.Jan\x03"
                 ";PU      150      250;CI       50, 1");

    s.clear();
    PlotAusgabe skaliert(s, PlotArt::Skaliert);
    skaliert.PlotMove(23499, -3999);         // inside the larger window
    skaliert.PlotLine(23500, 0);             // skipped
    skaliert.PlotCircle(0, 15000, 2, 15002); // circle keeps 8500 for y: skipped
    skaliert.PlotCircle(0, 14000, 2, 14002);
    EXPECT_EQ(s, ";PU    23499    -3999;PU        1    14001;CI        1, 1");
}

TEST(PlotGenerator, HeadersOfTheDefaultDial) {
    Sonnenuhr uhr;
    Berechne(uhr);
    EXPECT_PRED2(
        Beginnt, AlsSchirm(uhr),
        "IN;VS 1;PA;IW 0 0 16157 11038;PU 0 0;EA 0 0 16157 11038;;SP 4;PU 0 0;"
        ";SI 0.16 0.24;SP 1;PU       60     5166;PD    16340     5166;PU     8200    11420");
    EXPECT_PRED2(Beginnt, Skaliert(uhr, 2.75),
                 "IN;VS 1;PA;SP 4;PU 0 0;EA 0 0  16072  11250;;SP 4;PU 0 0;"
                 ";SI  0.035 0.053;SP 1;PU     7012     5166;PD     9388     5166");
}

TEST(PlotGenerator, OneLineAndTheLegendAsTheRowsEnd) {
    for (int arten : {0, 1, 2}) {
        for (bool englisch : {false, true}) {
            Sonnenuhr uhr;
            Berechne(uhr, arten);
            uhr.sprache.Waehle(!englisch);
            for (const std::string& plot : {AlsSchirm(uhr), Skaliert(uhr, 2.75)}) {
                EXPECT_EQ(plot.find_first_of("\r\n"), std::string::npos) << arten;
                const std::string ende =
                    englisch ? "Gnomon inclination =   0.00\x03" : "Gnomon Neigung =   0.00\x03";
                EXPECT_EQ(plot.substr(plot.size() - ende.size()), ende);
                EXPECT_NE(plot.find(englisch ? "LBCalculations for year = 2002\x03"
                                             : "LBBerechnung fuer Jahr = 2002\x03"),
                          std::string::npos);
                EXPECT_NE(plot.find(englisch ? "LBZone meridian = -15.00;\x03"
                                             : "LBZonenmeridian = -15.00;\x03"),
                          std::string::npos);
                EXPECT_NE(plot.find(";PU    15600      100;LBtavi\x03"), std::string::npos);
            }
        }
    }
}

TEST(PlotGenerator, ScaledPlotEnlargesTheSheetForAWideDial) {
    Sonnenuhr uhr;
    Berechne(uhr);
    const DialParams vorher = uhr.p;
    const double klein = uhr.Klein;
    // 400 * 20 exceeds 0.96 of the half sheet: W = 2 * 20 * 400 * 1.08 = 17280.
    const std::string breit = Skaliert(uhr, 20);
    EXPECT_PRED2(Beginnt, breit, "IN;VS 1;PA;SP 4;PU 0 0;EA 0 0  16934 ");
    EXPECT_NE(breit.find("LBgrosse Halbachse = 20.00;\x03"), std::string::npos);
    // 400 * 19 still fits the width; the minor axis (13.95) needs more height.
    EXPECT_PRED2(Beginnt, Skaliert(uhr, 19), "IN;VS 1;PA;SP 4;PU 0 0;EA 0 0  16072  11814;");
    // The document keeps its own dial.
    EXPECT_EQ(uhr.p.Halb, vorher.Halb);
    EXPECT_EQ(uhr.Klein, klein);
}

TEST(PlotGenerator, PanFollowsTheScreenPictureAndZoomScalesLengths) {
    Sonnenuhr uhr;
    Berechne(uhr);
    // Never drawn on a screen: the pan cannot be converted and counts as none.
    EXPECT_NE(AlsSchirm(uhr, 100, 50)
                  .find(";PU       60     5166;PD    16340     5166;PU     8200    11420"),
              std::string::npos);
    uhr.rahmen.SchirmBildBreite = 1000;
    const std::string plot = AlsSchirm(uhr, 100, 50);
    EXPECT_NE(plot.find(";PU       60     4346;PD    16340     4346;PU     9840    11420"),
              std::string::npos);

    uhr.rahmen.SchirmBildBreite = 0;
    // The apex of the gnomon triangle, right after the last pen 9.
    auto gnomon = [](const std::string& p) {
        const size_t i = p.rfind(";SP 9;PU ");
        std::istringstream s(p.substr(i + 9, 17));
        long x, y;
        s >> x >> y;
        return std::pair<long, long>(x - 8200, y - 5166);
    };
    const auto a = gnomon(AlsSchirm(uhr, 0, 0, 1)), b = gnomon(AlsSchirm(uhr, 0, 0, 2));
    EXPECT_EQ(a.first, 0);
    EXPECT_EQ(b.first, 0);
    EXPECT_NEAR(b.second, 2 * a.second, 1);
    EXPECT_GT(a.second, 100);
}

TEST(PlotGenerator, FiguresFollowTheDial) {
    Sonnenuhr uhr;
    Berechne(uhr);
    auto zaehle = [](const std::string& p, const std::string& w) {
        int n = 0;
        for (size_t i = p.find(w); i != std::string::npos; i = p.find(w, i + 1))
            ++n;
        return n;
    };
    uhr.opt.MarkRiseSet = false;
    EXPECT_EQ(zaehle(AlsSchirm(uhr), ";SP 4"), 2);
    uhr.opt.MarkRiseSet = true;
    EXPECT_EQ(zaehle(AlsSchirm(uhr), ";SP 4"), 3);
    EXPECT_EQ(zaehle(AlsSchirm(uhr), "LBAufgangspunkt ( -"), 1);

    // Date scale: labels left of the axis until the solstice, right of it after.
    Sonnenuhr skala;
    Berechne(skala, 0);
    const std::string s = AlsSchirm(skala);
    EXPECT_NE(s.find(";LB01.Jan \x03"), std::string::npos);
    const auto liste = Befehle(s);
    for (size_t i = 1; i < liste.size(); ++i) {
        if (liste[i].name != "LB" || liste[i].par.rfind("01.", 0) != 0) continue;
        const long x = std::stol(liste[i - 1].par);
        const std::string monat = liste[i].par.substr(3, 3);
        const bool spaet = monat == "Jul" || monat == "Aug" || monat == "Sep" || monat == "Okt" ||
                           monat == "Nov" || monat == "Dez";
        EXPECT_EQ(x, spaet ? 8200 + 270 : 8200 - 270 - 576) << liste[i].par;
    }

    // Split dial: the morning x axis leaves a gap of 3 * 96 right of its centre.
    Sonnenuhr split;
    Berechne(split, 2);
    ASSERT_TRUE(split.opt.SplitModus);
    const auto b = Befehle(AlsSchirm(split));
    size_t i = 0;
    while (b[i].name != "SP" || b[i].par != " 1")
        ++i;
    EXPECT_EQ(b[i + 1].par, "       60     5166");
    const long luecke = std::stol(b[i + 3].par) - std::stol(b[i + 2].par);
    EXPECT_EQ(luecke, 288);
}

TEST(PlotGenerator, AbsurdViewsAndDialsStayBounded) {
    for (double zoom : {1e-9, 1e-3, 1e3, 1e12}) {
        for (double halb : {1e-6, 0.06, 1e4}) {
            Sonnenuhr uhr;
            Berechne(uhr);
            uhr.p.Halb = halb;
            uhr.p.GnomWinkel = uhr.p.Incl; // the gnomon in the dial plane
            const std::string p = AlsSchirm(uhr, 0, 0, zoom) + Skaliert(uhr, 20);
            EXPECT_LT(p.size(), 2'000'000u);
            EXPECT_EQ(p.find("nan"), std::string::npos);
            EXPECT_EQ(p.find("inf"), std::string::npos);
        }
    }
}

} // namespace
} // namespace skiora::export_
