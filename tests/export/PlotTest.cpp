// The HPGL plot: primitives, headers, layout and figures; real readers (hp2xx
// renders our plots, ezdxf reads our drawings); the command-line step.
#include "export/Plot.h"
#include "cli/Schritte.h"
#include "core/Sonnenuhr.h"
#include "export/HpglToDxf.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace skiora::export_ {
namespace {

namespace fs = std::filesystem;
using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

// arten: 0 date scale, 1 analemma (the default), 2 split analemma.
void Berechne(Sonnenuhr& uhr, int arten = 1) {
    uhr.Modusumschaltung();
    uhr.Abgeleitet();
    uhr.opt.Bereit = true;
    uhr.btGoClick();
    if (arten != 1) uhr.rgArtenClick(arten);
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

// The plot taken apart into its commands; for LB the text without ETX.
struct Befehl {
    std::string name, par;
};
std::vector<Befehl> Befehle(const std::string& plot) {
    std::vector<Befehl> b;
    for (size_t i = 0; i < plot.size();) {
        if (plot[i] == ';') {
            ++i;
            continue;
        }
        Befehl x{plot.substr(i, 2), ""};
        const bool lb = x.name == "LB";
        const size_t e = std::min(plot.find(lb ? '\x03' : ';', i + 2), plot.size());
        x.par = plot.substr(i + 2, e - i - 2);
        i = e + (lb ? 1 : 0);
        b.push_back(x);
    }
    return b;
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

TEST(PlotGenerator, HeadersOfTheDefaultDialAndTheView) {
    Sonnenuhr uhr;
    Berechne(uhr);
    // Never drawn on a screen: the pan cannot be converted and counts as none.
    EXPECT_THAT(AlsSchirm(uhr, 100, 50),
                StartsWith("IN;VS 1;PA;IW 0 0 16157 11038;PU 0 0;EA 0 0 16157 11038;;SP 4;PU 0 0;"
                           ";SI 0.16 0.24;SP 1;PU       60     5166;PD    16340     5166;PU     "
                           "8200    11420"));
    EXPECT_THAT(Skaliert(uhr, 2.75),
                StartsWith("IN;VS 1;PA;SP 4;PU 0 0;EA 0 0  16072  11250;;SP 4;PU 0 0;"
                           ";SI  0.035 0.053;SP 1;PU     7012     5166;PD     9388     5166"));
    uhr.rahmen.SchirmBildBreite = 1000;
    EXPECT_THAT(AlsSchirm(uhr, 100, 50),
                HasSubstr(";PU       60     4346;PD    16340     4346;PU     9840    11420"));
    uhr.rahmen.SchirmBildBreite = 0;

    // Zoom scales lengths: the apex of the gnomon triangle, right after the last pen 9.
    auto hoehe = [&](double zoom) {
        const std::string p = AlsSchirm(uhr, 0, 0, zoom);
        const size_t i = p.rfind(";SP 9;PU ") + 9;
        EXPECT_EQ(p.substr(i, 8), "    8200");
        return std::stol(p.substr(i + 8, 9)) - 5166;
    };
    EXPECT_GT(hoehe(1), 100);
    EXPECT_NEAR(hoehe(2), 2 * hoehe(1), 1);
}

TEST(PlotGenerator, OneLineEndingInTheLegendsLastLabel) {
    for (int arten : {0, 1, 2}) {
        for (bool en : {false, true}) {
            Sonnenuhr uhr;
            Berechne(uhr, arten);
            uhr.sprache.Waehle(!en);
            for (const std::string& plot : {AlsSchirm(uhr), Skaliert(uhr, 2.75)}) {
                EXPECT_EQ(plot.find_first_of("\r\n"), std::string::npos) << arten;
                // The other labels of the legend end in ";", the last one does not.
                EXPECT_THAT(plot, EndsWith(en ? "Gnomon inclination =   0.00\x03"
                                              : "Gnomon Neigung =   0.00\x03"));
                EXPECT_THAT(plot, HasSubstr(en ? "LBZone meridian = -15.00;\x03"
                                               : "LBZonenmeridian = -15.00;\x03"));
                EXPECT_THAT(plot, HasSubstr(en ? "LBCalculations for year = 2002\x03"
                                               : "LBBerechnung fuer Jahr = 2002\x03"));
            }
        }
    }
}

TEST(PlotGenerator, ScaledPlotEnlargesTheSheetForAWideDial) {
    Sonnenuhr uhr;
    Berechne(uhr);
    const double halb = uhr.p.Halb, klein = uhr.Klein;
    // 400 * 20 exceeds 0.96 of the half sheet: W = 2 * 20 * 400 * 1.08 = 17280.
    const std::string breit = Skaliert(uhr, 20);
    EXPECT_THAT(breit, StartsWith("IN;VS 1;PA;SP 4;PU 0 0;EA 0 0  16934 "));
    EXPECT_THAT(breit, HasSubstr("LBgrosse Halbachse = 20.00;\x03"));
    // 400 * 19 still fits the width; the minor axis (13.95) needs more height.
    EXPECT_THAT(Skaliert(uhr, 19), StartsWith("IN;VS 1;PA;SP 4;PU 0 0;EA 0 0  16072  11814;"));
    // The document keeps its own dial.
    EXPECT_EQ(uhr.p.Halb, halb);
    EXPECT_EQ(uhr.Klein, klein);
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
    EXPECT_THAT(s, HasSubstr(";LB01.Jan \x03"));
    const auto liste = Befehle(s);
    for (size_t i = 1; i < liste.size(); ++i) {
        if (liste[i].name != "LB" || liste[i].par.rfind("01.", 0) != 0) continue;
        const bool spaet =
            std::string("JulAugSepOktNovDez").find(liste[i].par.substr(3, 3)) != std::string::npos;
        EXPECT_EQ(std::stol(liste[i - 1].par), spaet ? 8200 + 270 : 8200 - 270 - 576)
            << liste[i].par;
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
    EXPECT_EQ(std::stol(b[i + 3].par) - std::stol(b[i + 2].par), 288);
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
            EXPECT_THAT(p, Not(HasSubstr("nan")));
            EXPECT_THAT(p, Not(HasSubstr("inf")));
        }
    }
    // The offered axis: Halb brought into [2, 20]; zero never loops forever.
    const std::pair<double, double> achsen[] = {{0.5, 5}, {20, 20}, {25, 2.5}, {0.2, 2}, {0, 2}};
    for (const auto& [halb, achse] : achsen)
        EXPECT_DOUBLE_EQ(AngeboteneAchse(halb), achse) << halb;
}

// What a DXF of the plot must hold: polylines from the EA frame and the
// visible parts of the pen-down runs (clipped by an IW window), circles, texts.
std::vector<int> Erwartet(const std::string& plot) {
    int polylinien = 0, kreise = 0, texte = 0;
    bool fenster = false, offen = false;
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0, px = 0, py = 0, nx, ny;
    auto drin = [&](double x, double y) {
        return !fenster || (x >= x0 && x <= x1 && y >= y0 && y <= y1);
    };
    for (const auto& b : Befehle(plot)) {
        std::istringstream s(b.par);
        if (b.name == "IW") {
            s >> x0 >> y0 >> x1 >> y1;
            fenster = true;
        } else if (b.name == "PD") {
            s >> nx >> ny;
            const bool a1 = drin(px, py), a2 = drin(nx, ny);
            polylinien += (a1 || a2) && !offen;
            offen = (a1 || a2) && a2;
            px = nx, py = ny;
        } else {
            offen = false;
            if (b.name == "PU") s >> px >> py;
            polylinien += b.name == "EA";
            kreise += b.name == "CI";
            texte += b.name == "LB";
        }
    }
    return {polylinien, kreise, texte};
}

class Leser : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("skiora_leser_" + std::to_string(::getpid()) +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    static void Schreibe(const fs::path& p, const std::string& s) {
        std::ofstream(p, std::ios::binary) << s;
    }
    static std::string Lies(const fs::path& p) {
        std::ifstream f(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(f), {}};
    }
    static bool Hat(const std::string& befehl) {
        return std::system((befehl + " >/dev/null 2>&1").c_str()) == 0;
    }
    fs::path dir;
};

// The four dials in both layouts: hp2xx renders every plot, and ezdxf reads
// its DXF with the polylines, circles and texts the plot draws.
TEST_F(Leser, Hp2xxAndEzdxfReadEveryPlot) {
    const bool hp2xx = Hat("command -v hp2xx"), ezdxf = Hat("/usr/bin/python3 -c 'import ezdxf'");
    if (!hp2xx && !ezdxf) GTEST_SKIP() << "neither hp2xx nor python3-ezdxf is installed";
    const fs::path skript = dir / "zaehle.py";
    Schreibe(skript, "import sys, ezdxf\n"
                     "m = ezdxf.readfile(sys.argv[1]).modelspace()\n"
                     "print(len(m.query('POLYLINE')), len(m.query('CIRCLE')), "
                     "len(m.query('TEXT')))\n");
    for (int arten : {1, 0, 2}) {
        Sonnenuhr uhr;
        Berechne(uhr, arten);
        if (arten == 1) {
            uhr.anz.ChBRiseSetHaken = true; // with the sunrise construction
            uhr.lStartClick();
        }
        const std::string schirm = AlsSchirm(uhr);
        ASSERT_TRUE(uhr.eBreitExit(Feld::EddxfAchs, "5").gueltig);
        for (const std::string& plot : {schirm, Skaliert(uhr, 5)}) {
            const std::string name =
                std::to_string(arten) + (plot == schirm ? "schirm" : "skaliert");
            const fs::path plt = dir / (name + ".plt"), png = dir / (name + ".png"),
                           dxf = dir / (name + ".dxf"), aus = dir / (name + ".txt");
            Schreibe(plt, plot);
            if (hp2xx) {
                // hp2xx exits 0 even when it fails: its picture is the evidence.
                Hat("hp2xx -q -m png -f '" + png.string() + "' '" + plt.string() + "'");
                ASSERT_TRUE(fs::exists(png)) << name;
                EXPECT_GT(fs::file_size(png), 1000u) << name;
                EXPECT_THAT(Lies(png), StartsWith("\x89PNG")) << name;
            }
            if (!ezdxf) continue;
            SammelMelder m;
            HpglToDxfWandler w;
            ASSERT_EQ(HpglToDxf(plt.string(), dxf.string(), 1, 40, m, 1, w),
                      DxfStatus::Gespeichert);
            EXPECT_TRUE(w.ConversionLog.empty()) << name << ": " << w.ConversionLog.front();
            const std::string lauf = "/usr/bin/python3 '" + skript.string() + "' '" + dxf.string() +
                                     "' > '" + aus.string() + "' 2>&1";
            ASSERT_EQ(std::system(lauf.c_str()), 0) << name << ": " << Lies(aus);
            std::istringstream s(Lies(aus));
            std::vector<int> gelesen(3, -1);
            s >> gelesen[0] >> gelesen[1] >> gelesen[2];
            EXPECT_EQ(gelesen, Erwartet(plot)) << name << " (polylines, circles, texts)";
            EXPECT_GT(gelesen[2], 10) << name;
        }
    }
}

TEST_F(Leser, CommandLineWritesBothFilesThroughTemporaries) {
    Sonnenuhr uhr;
    Berechne(uhr);
    cli::Befehlszeile bz;
    bz.hpgl = (dir / "uhr.plt").string();
    bz.dxf = (dir / "uhr.dxf").string();
    Schreibe(*bz.dxf, "alt");

    SammelMelder melder;
    uhr.setzeMelder(&melder);
    bz.scaled = 25; // outside [2, 20]: refused, nothing written
    EXPECT_FALSE(cli::SchrittPlot(uhr, bz));
    ASSERT_EQ(melder.eintraege.size(), 1u);
    EXPECT_EQ(melder.eintraege[0].text, "Fehlerhafte Eingabe !");
    EXPECT_EQ(Lies(*bz.dxf), "alt");
    EXPECT_FALSE(fs::exists(*bz.hpgl));

    bz.scaled = 2; // the lower end of the prompt's range is accepted
    EXPECT_TRUE(cli::SchrittPlot(uhr, bz));
    EXPECT_EQ(uhr.p.Halb, 2);
    EXPECT_EQ(uhr.opt.DxfAchse, 2);
    EXPECT_THAT(Lies(*bz.hpgl), HasSubstr("LBgrosse Halbachse =  2.00;\x03"));
    EXPECT_THAT(Lies(*bz.dxf), StartsWith("0\r\nSECTION\r\n"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 2); // no "skiora.$$$" left

    // As on the screen: the offered axis for Halb = 0.5 is 5.
    bz.scaled.reset();
    ASSERT_TRUE(uhr.eBreitExit(Feld::eHalb, "0.5").gueltig);
    EXPECT_TRUE(cli::SchrittPlot(uhr, bz));
    EXPECT_EQ(uhr.p.Halb, 5);
    EXPECT_THAT(Lies(*bz.hpgl), StartsWith("IN;VS 1;PA;IW "));

    bz.dxf = (dir / "fehlt" / "uhr.dxf").string();
    EXPECT_FALSE(cli::SchrittPlot(uhr, bz));
    EXPECT_FALSE(fs::exists(dir / "fehlt"));
    EXPECT_EQ(melder.eintraege.back().text,
              *bz.dxf + " :  Datei kann nicht gespeichert werden! Schreibgeschützt?");
}

} // namespace
} // namespace skiora::export_
