// Real readers: hp2xx renders our plots, ezdxf reads our drawings; and the
// command-line step that writes both.
#include "PlotHilfe.h"
#include "cli/Schritte.h"
#include "export/HpglToDxf.h"
#include "export/Plot.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace skiora::export_ {
namespace {

namespace fs = std::filesystem;

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
    static bool Hat(const char* befehl) {
        return std::system((std::string(befehl) + " >/dev/null 2>&1").c_str()) == 0;
    }
    // The four dials that every reader must handle, in both layouts.
    std::vector<std::pair<std::string, std::string>> Plots() {
        std::vector<std::pair<std::string, std::string>> r;
        for (int arten : {1, 0, 2}) {
            Sonnenuhr uhr;
            test::Berechne(uhr, arten);
            if (arten == 1) {
                uhr.anz.ChBRiseSetHaken = true; // with the sunrise construction
                uhr.lStartClick();
            }
            std::ostringstream schirm, skaliert;
            PlotAsScreen(uhr, schirm, 0, 0, 1);
            EXPECT_TRUE(uhr.eBreitExit(Feld::EddxfAchs, "5").gueltig);
            PlotScaled(uhr, skaliert, 0, 0, 5);
            const std::string name = arten == 1 ? "analemma" : arten == 0 ? "skala" : "split";
            r.emplace_back(name + "_schirm", schirm.str());
            r.emplace_back(name + "_skaliert", skaliert.str());
        }
        return r;
    }
    fs::path dir;
};

TEST_F(Leser, Hp2xxRendersEveryPlot) {
    if (!Hat("command -v hp2xx")) GTEST_SKIP() << "hp2xx is not installed";
    for (const auto& [name, plot] : Plots()) {
        const fs::path plt = dir / (name + ".plt"), png = dir / (name + ".png");
        Schreibe(plt, plot);
        // hp2xx exits 0 even when it fails: its picture is the evidence.
        const std::string befehl =
            "hp2xx -q -m png -f '" + png.string() + "' '" + plt.string() + "' >/dev/null 2>&1";
        EXPECT_EQ(std::system(befehl.c_str()), 0) << name;
        ASSERT_TRUE(fs::exists(png)) << name;
        EXPECT_GT(fs::file_size(png), 1000u) << name;
        EXPECT_EQ(Lies(png).substr(1, 3), "PNG") << name;
    }
}

TEST_F(Leser, EzdxfReadsEveryDrawingWithTheEntitiesOfItsPlot) {
    if (!Hat("/usr/bin/python3 -c 'import ezdxf'")) GTEST_SKIP() << "python3-ezdxf is missing";
    const fs::path skript = dir / "zaehle.py";
    Schreibe(skript,
             "import sys, ezdxf\n"
             "doc = ezdxf.readfile(sys.argv[1])\n"
             "m = doc.modelspace()\n"
             "print(len(m.query('POLYLINE')), len(m.query('CIRCLE')), len(m.query('TEXT')))\n");
    for (const auto& [name, plot] : Plots()) {
        const fs::path plt = dir / (name + ".plt"), dxf = dir / (name + ".dxf"),
                       aus = dir / (name + ".txt");
        Schreibe(plt, plot);
        SammelMelder m;
        HpglToDxfWandler w;
        ASSERT_EQ(HpglToDxf(plt.string(), dxf.string(), 1, 40, m, 1, w), DxfStatus::Gespeichert);
        EXPECT_TRUE(w.ConversionLog.empty()) << name << ": " << w.ConversionLog.front();
        const std::string befehl = "/usr/bin/python3 '" + skript.string() + "' '" + dxf.string() +
                                   "' > '" + aus.string() + "' 2>&1";
        ASSERT_EQ(std::system(befehl.c_str()), 0) << name << ": " << Lies(aus);
        std::istringstream s(Lies(aus));
        int p = -1, k = -1, t = -1;
        s >> p >> k >> t;
        const auto e = test::Erwartet(plot);
        EXPECT_EQ(p, e.polylinien) << name;
        EXPECT_EQ(k, e.kreise) << name;
        EXPECT_EQ(t, e.texte) << name;
        EXPECT_GT(e.texte, 10) << name;
    }
}

TEST_F(Leser, CommandLineWritesBothFilesThroughTemporaries) {
    Sonnenuhr uhr;
    test::Berechne(uhr);
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
    EXPECT_NE(Lies(*bz.hpgl).find("LBgrosse Halbachse =  2.00;\x03"), std::string::npos);
    EXPECT_EQ(Lies(*bz.dxf).substr(0, 12), "0\r\nSECTION\r\n");
    EXPECT_FALSE(fs::exists(dir / "skiora.$$$"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 2);

    // As on the screen: the offered axis for Halb = 0.5 is 5.
    bz.scaled.reset();
    ASSERT_TRUE(uhr.eBreitExit(Feld::eHalb, "0.5").gueltig);
    EXPECT_TRUE(cli::SchrittPlot(uhr, bz));
    EXPECT_EQ(uhr.p.Halb, 5);
    EXPECT_EQ(Lies(*bz.hpgl).substr(0, 14), "IN;VS 1;PA;IW ");

    bz.dxf = (dir / "fehlt" / "uhr.dxf").string();
    EXPECT_FALSE(cli::SchrittPlot(uhr, bz));
    EXPECT_FALSE(fs::exists(dir / "fehlt"));
    EXPECT_EQ(melder.eintraege.back().text,
              *bz.dxf + " :  Datei kann nicht gespeichert werden! Schreibgeschützt?");
}

TEST(AngeboteneAchse, BringsTheAxisIntoTheRangeOfThePrompt) {
    EXPECT_DOUBLE_EQ(AngeboteneAchse(0.5), 5);
    EXPECT_DOUBLE_EQ(AngeboteneAchse(20), 20);
    EXPECT_DOUBLE_EQ(AngeboteneAchse(25), 2.5);
    EXPECT_DOUBLE_EQ(AngeboteneAchse(0.2), 2);
    EXPECT_DOUBLE_EQ(AngeboteneAchse(0), 2); // never loops forever
}

} // namespace
} // namespace skiora::export_
