// The HPGL plot: primitives, headers, layout and figures; real readers (hp2xx
// renders our plots, ezdxf reads our drawings); the command-line step.
#include "export/Plot.h"
#include "cli/Lauf.h"
#include "cli/Schritte.h"
#include "core/Sonnenuhr.h"
#include "export/HpglToDxf.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace skiora::export_ {
namespace {

namespace fs = std::filesystem;
using ::testing::ContainsRegex;
using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

// arten: 0 date scale, 1 analemma (the default), 2 split analemma.
void Berechne(Sonnenuhr& uhr, int arten = 1) {
    uhr.btGoClick();
    if (arten != 1) uhr.rgArtenClick(arten);
}

// achse 0: as on the screen, with pan and zoom; else scaled with that axis.
std::string Plot(Sonnenuhr& uhr, double achse = 0, int dx = 0, int dy = 0, double zoom = 1) {
    std::ostringstream o;
    achse > 0 ? PlotScaled(uhr, o, 0, 0, achse) : PlotAsScreen(uhr, o, dx, dy, zoom);
    return o.str();
}

TEST(PlotPrimitive, FieldsOfEightAndGuardWindows) {
    std::string s;
    PlotAusgabe schirm(s, PlotArt::Schirm);
    schirm.PlotMove(8200, 6314);
    schirm.PlotLine(-2499, 14499);
    schirm.PlotLabel(123456789, 0, "x"); // skipped
    schirm.PlotLine(-2500, 0);           // skipped: abs(x - 8500) = 11000
    schirm.PlotMove(0, -2500);           // skipped: abs(y - 6000) = 8500
    schirm.PlotLabel(19499, -2499, "1.Jan");
    schirm.PlotCircle(100, 200, 201, 300); // centre 150.5 / 250, radius 50.5: halves to even
    schirm.PlotCircle(19500, 0, 19502, 2); // skipped
    EXPECT_EQ(s, ";PU     8200     6314;PD    -2499    14499;PU    19499    -2499;LB1.Jan\x03"
                 ";PU      150      250;CI       50, 1");

    s.clear();
    PlotAusgabe skaliert(s, PlotArt::Skaliert);
    skaliert.PlotMove(23499, -3999);         // inside the larger window
    skaliert.PlotLine(23500, 0);             // skipped
    skaliert.PlotCircle(0, 15000, 2, 15002); // circle keeps 8500 for y: skipped
    skaliert.PlotCircle(0, 14000, 2, 14002);
    EXPECT_EQ(s, ";PU    23499    -3999;PU        1    14001;CI        1, 1");
}

TEST(PlotGenerator, HeadersViewSheetAndFiguresOfTheDefaultDial) {
    Sonnenuhr uhr;
    Berechne(uhr);
    // Never drawn on a screen: the pan cannot be converted and counts as none.
    EXPECT_THAT(Plot(uhr, 0, 100, 50),
                StartsWith("IN;VS 1;PA;IW 0 0 16157 11038;PU 0 0;EA 0 0 16157 11038;;SP 4;PU 0 0;"
                           ";SI 0.16 0.24;SP 1;PU       60     5166;PD    16340     5166;PU     "
                           "8200    11420"));
    EXPECT_THAT(Plot(uhr, 2.75),
                StartsWith("IN;VS 1;PA;SP 4;PU 0 0;EA 0 0  16072  11250;;SP 4;PU 0 0;"
                           ";SI  0.035 0.053;SP 1;PU     7012     5166;PD     9388     5166"));
    // Zoom scales lengths: the apex of the gnomon triangle, after the last pen 9.
    auto hoehe = [&](double zoom) {
        const std::string p = Plot(uhr, 0, 0, 0, zoom);
        return std::stol(p.substr(p.rfind(";SP 9;PU ") + 17, 9)) - 5166;
    };
    EXPECT_GT(hoehe(1), 100);
    EXPECT_NEAR(hoehe(2), 2 * hoehe(1), 1);
    uhr.rahmen.SchirmBildBreite = 1000;
    EXPECT_THAT(Plot(uhr, 0, 100, 50),
                HasSubstr(";PU       60     4346;PD    16340     4346;PU     9840    11420"));
    uhr.sprache.Waehle(false); // the legend's last label, as in German below
    EXPECT_THAT(Plot(uhr, 2.75), EndsWith("LBGnomon inclination =   0.00\x03"));

    // 400 * 20 exceeds 0.96 of the half sheet: W = 2 * 20 * 400 * 1.08 = 17280.
    const std::string breit = Plot(uhr, 20);
    EXPECT_THAT(breit, StartsWith("IN;VS 1;PA;SP 4;PU 0 0;EA 0 0  16934 "));
    // 400 * 19 still fits the width; the minor axis (13.95) needs more height.
    EXPECT_THAT(Plot(uhr, 19), StartsWith("IN;VS 1;PA;SP 4;PU 0 0;EA 0 0  16072  11814;"));
    EXPECT_EQ(uhr.p.Halb, 2.75); // the document keeps its own dial

    // The sunrise construction (pen 4, after the gnomon's pen 9) only when MarkRiseSet.
    uhr.opt.MarkRiseSet = false;
    const std::string ohne = Plot(uhr);
    uhr.opt.MarkRiseSet = true;
    const std::string mit = Plot(uhr);
    EXPECT_LT(ohne.rfind(";SP 4"), ohne.rfind(";SP 9"));
    EXPECT_GT(mit.rfind(";SP 4"), mit.rfind(";SP 9"));
}

TEST(PlotGenerator, AbsurdViewsAndDialsStayBounded) {
    for (double halb : {1e-6, 0.06, 1e4}) {
        Sonnenuhr uhr;
        Berechne(uhr);
        uhr.p.Halb = halb;
        uhr.p.GnomWinkel = uhr.p.Incl; // the gnomon in the dial plane
        const std::string p = Plot(uhr, 0, 0, 0, 1e-9) + Plot(uhr, 0, 0, 0, 1e12) + Plot(uhr, 20);
        EXPECT_LT(p.size(), 2'000'000u);
        EXPECT_THAT(p, Not(ContainsRegex("nan|inf")));
    }
    // The offered axis: Halb brought into [2, 20]; zero never loops forever.
    const std::pair<double, double> achsen[] = {{0.5, 5}, {20, 20}, {25, 2.5}, {0.2, 2}, {0, 2}};
    for (const auto& [halb, achse] : achsen)
        EXPECT_DOUBLE_EQ(AngeboteneAchse(halb), achse) << halb;
}

// What a DXF of the plot must hold, "polylines circles texts": the EA frame and
// the visible parts of the pen-down runs (clipped by IW), circles, labels.
std::string Erwartet(const std::string& plot) {
    int polylinien = 0, kreise = 0, texte = 0;
    bool offen = false;
    double w[4] = {-1e300, -1e300, 1e300, 1e300}, px = 0, py = 0, nx, ny;
    auto drin = [&](double x, double y) {
        return x >= w[0] && x <= w[2] && y >= w[1] && y <= w[3];
    };
    // Command by command; a label's text runs to its ETX.
    for (size_t i = plot.find_first_not_of(';'), e; i < plot.size();
         i = plot.find_first_not_of(';', e + 1)) {
        const std::string name = plot.substr(i, 2);
        e = std::min(plot.find(name == "LB" ? '\x03' : ';', i + 2), plot.size());
        std::istringstream s(plot.substr(i + 2, e - i - 2));
        if (name == "PD") {
            s >> nx >> ny;
            const bool a1 = drin(px, py), a2 = drin(nx, ny);
            polylinien += (a1 || a2) && !offen;
            offen = (a1 || a2) && a2;
            px = nx, py = ny;
            continue;
        }
        offen = false;
        if (name == "IW") s >> w[0] >> w[1] >> w[2] >> w[3];
        if (name == "PU") s >> px >> py;
        polylinien += name == "EA";
        kreise += name == "CI";
        texte += name == "LB";
    }
    EXPECT_GT(texte, 10);
    return std::to_string(polylinien) + " " + std::to_string(kreise) + " " + std::to_string(texte);
}

std::string Lies(const fs::path& p) {
    return {std::istreambuf_iterator<char>(std::ifstream(p).rdbuf()), {}};
}
bool Hat(const std::string& befehl) {
    return std::system((befehl + " >/dev/null 2>&1").c_str()) == 0;
}

class Leser : public ::testing::Test {
  protected:
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }
    const fs::path dir = fs::temp_directory_path() / ("skiora_leser_" + std::to_string(getpid()));
};

// The three kinds of dial (the analemma with the sunrise construction) in both
// layouts: one line each, the legend's last label without ";"; hp2xx renders
// every plot, and ezdxf reads its DXF with the polylines, circles and texts
// the plot draws.
TEST_F(Leser, EveryPlotIsOneLineReadByHp2xxAndEzdxf) {
    const bool hp2xx = Hat("command -v hp2xx"), ezdxf = Hat("/usr/bin/python3 -c 'import ezdxf'");
    for (int arten : {1, 0, 2}) {
        Sonnenuhr uhr;
        Berechne(uhr, arten);
        uhr.anz.ChBRiseSetHaken = arten == 1;
        uhr.lStartClick();
        const std::string schirm = Plot(uhr);
        ASSERT_TRUE(uhr.eBreitExit(Feld::EddxfAchs, "5").gueltig);
        for (const std::string& plot : {schirm, Plot(uhr, 5)}) {
            const std::string name =
                (dir / (std::to_string(arten) + (plot == schirm ? "schirm" : "skaliert"))).string();
            EXPECT_EQ(plot.find_first_of("\r\n"), std::string::npos) << name;
            EXPECT_THAT(plot, EndsWith("LBGnomon Neigung =   0.00\x03"));
            // On the screen: date scale labels left of the axis until June, right of it
            // after; the split dial's morning x axis leaves a gap of 3 * 96.
            EXPECT_THAT(plot,
                        ContainsRegex(plot != schirm || arten == 1 ? "^IN;"
                                      : arten == 0 ? "PU +7354[^L]+LB01.Jun.*PU +8470[^L]+LB01.Jul"
                                                   : ";PD +7805 +5166;PU +8093"));
            std::ofstream(name + ".plt") << plot;
            if (hp2xx) {
                // hp2xx exits 0 even when it fails: its picture is the evidence.
                Hat("hp2xx -q -m png -f '" + name + ".png' '" + name + ".plt'");
                const std::string bild = Lies(name + ".png");
                EXPECT_GT(bild.size(), 1000u) << name;
                EXPECT_THAT(bild, StartsWith("\x89PNG")) << name;
            }
            if (!ezdxf) continue;
            SammelMelder m;
            HpglToDxfWandler w;
            ASSERT_EQ(HpglToDxf(plot, name + ".dxf", 1, 40, m, 1, w), DxfStatus::Gespeichert);
            EXPECT_TRUE(w.ConversionLog.empty()) << name << ": " << w.ConversionLog.front();
            // Its errors, if any, show in the comparison.
            std::system(("/usr/bin/python3 -c \"import sys, ezdxf; m = ezdxf.readfile(sys.argv[1])"
                         ".modelspace(); print(*(len(m.query(e)) for e in ('POLYLINE', 'CIRCLE', "
                         "'TEXT')))\" '" +
                         name + ".dxf' > '" + name + ".txt' 2>&1")
                            .c_str());
            EXPECT_EQ(Lies(name + ".txt"), Erwartet(plot) + "\n") << name;
        }
    }
    if (!hp2xx || !ezdxf) GTEST_SKIP() << "hp2xx or python3-ezdxf is not installed";
}

TEST_F(Leser, CommandLineWritesBothFilesThroughTemporaries) {
    Sonnenuhr uhr;
    Berechne(uhr);
    cli::Befehlszeile bz;
    bz.hpgl = (dir / "uhr.plt").string();
    bz.dxf = (dir / "uhr.dxf").string();
    std::ofstream(*bz.dxf) << "alt";
    bz.scaled = 25; // outside [2, 20]: refused, nothing written
    EXPECT_FALSE(cli::SchrittPlot(uhr, bz));
    EXPECT_EQ(Lies(*bz.dxf), "alt");

    bz.scaled = 2; // the lower end of the prompt's range is accepted
    EXPECT_TRUE(cli::SchrittPlot(uhr, bz));
    EXPECT_EQ(uhr.p.Halb, 2);
    EXPECT_THAT(Lies(*bz.hpgl), HasSubstr("LBgrosse Halbachse =  2.00;\x03"));

    // As on the screen: the offered axis for Halb = 0.5 is 5.
    bz.scaled.reset();
    ASSERT_TRUE(uhr.eBreitExit(Feld::eHalb, "0.5").gueltig);
    EXPECT_TRUE(cli::SchrittPlot(uhr, bz));
    EXPECT_EQ(uhr.p.Halb, 5);
    EXPECT_THAT(Lies(*bz.hpgl), StartsWith("IN;VS 1;PA;IW "));
    bz.dxf = (dir / "fehlt" / "uhr.dxf").string(); // a failed write is no success
    EXPECT_FALSE(cli::SchrittPlot(uhr, bz));
}

// --hpgl with --view plots what the window writes after the same zoom and pan:
// on the screen picture of --size (1000x606 by default; 2000x1000 narrows to 1650).
TEST_F(Leser, CommandLinePlotsTheViewOfItsScreenPicture) {
    for (const auto& [groesse, breite] :
         {std::pair{std::pair{1000, 606}, 1000}, {{2000, 1000}, 1650}}) {
        cli::Befehlszeile bz;
        bz.hpgl = (dir / "ansicht.plt").string();
        bz.ansicht = std::array{1.5, 30.0, -20.0};
        if (breite > 1000) bz.groesse = groesse;
        ASSERT_EQ(cli::Ausfuehren(bz, nullptr, (dir / "skiora").string()), 0);
        Sonnenuhr fenster;
        Berechne(fenster);
        fenster.rahmen.SchirmBildBreite = breite;
        EXPECT_EQ(Lies(*bz.hpgl), Plot(fenster, 0, 30, -20, 1.5)) << breite;
    }
}

} // namespace
} // namespace skiora::export_
