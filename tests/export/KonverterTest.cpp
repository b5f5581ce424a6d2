// HPGL to DXF: the drawing's layout, the commands our plots use, clipping,
// bad input, and the file form that replaces a drawing only by a complete one.
#include "export/HpglToDxf.h"
#include "fuzz/DxfPruefung.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <regex>
#include <sstream>
#include <unistd.h>

namespace skiora::export_ {
namespace {

using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::StartsWith;

struct Ergebnis {
    DxfStatus status;
    std::string dxf;
    std::vector<std::string> log;
    // The groups `codes` of every entity `name` of the ENTITIES section: values
    // joined by " ", entities by "|". Without a name: the names of all entities.
    std::string werte(const std::string& name = "", std::vector<std::string> codes = {}) const {
        std::istringstream ein(dxf);
        std::vector<std::string> z; // without the CR of CR LF
        for (std::string zeile; std::getline(ein, zeile);)
            z.push_back(zeile.substr(0, zeile.size() - 1));
        std::string r;
        size_t i = static_cast<size_t>(std::find(z.begin(), z.end(), "ENTITIES") - z.begin()) + 2;
        while (i < z.size() && z[i] != "ENDSEC") {
            const std::string n = z[i++];
            std::map<std::string, std::string> g;
            for (; i + 1 < z.size() && z[i] != "0" && z[i] != "  0"; i += 2)
                g[z[i]] = z[i + 1];
            ++i;
            if (!name.empty() && n != name) continue;
            r += r.empty() ? "" : name.empty() ? " " : "|";
            for (size_t k = 0; k < codes.size(); ++k)
                r += (k ? " " : "") + (g.count(codes[k]) ? g[codes[k]] : "?");
            if (name.empty()) r += n;
        }
        return r;
    }
};

Ergebnis Wandle(const std::string& hpgl, double faktor = 1) {
    HpglToDxfWandler w;
    std::istringstream ein(hpgl);
    std::ostringstream aus;
    return {w.Konvertiere(ein, aus, faktor, 40), aus.str(), w.ConversionLog}; // in this order
}

// DXF lines from "|"-separated text, each ended by CR LF.
std::string Dxf(const std::string& zeilen) {
    return std::regex_replace(zeilen + "|", std::regex("\\|"), "\r\n");
}

TEST(HpglToDxf, OpeningOfAScaledPlotInTheByteExactLayout) {
    const auto e = Wandle("IN;VS 1;PA;SP 4;PU 0 0;EA 0 0  16072  11250;;SP 4;PU 0 0;");
    ASSERT_EQ(e.status, DxfStatus::Gespeichert);
    EXPECT_THAT(
        e.dxf,
        StartsWith(Dxf("0|SECTION|  2|HEADER|  9|$ACADVER|  1|AC1006|  9|$EXTMIN| 10|0.000| 20|"
                       "0|  9|$EXTMAX| 10|  411.00| 20|  287.50|  9|$LTSCALE| 40|0.0005|  0|"
                       "ENDSEC|  0|SECTION|  2|TABLES|  0|TABLE|  2|LTYPE| 70|     4|  0|LTYPE|"
                       "  2|CONTINUOUS| 70|64|  3|Solid line| 72|65| 73|0| 40|0.0|  0|LTYPE|  2|"
                       "DASHED| 70|64|  3|- - - - - - | 72|65| 73|2| 40|0.000001| 49|0.000001|"
                       " 49|-0.000000|  0")));
    // The layer table announces nine layers and lists ten.
    EXPECT_THAT(e.dxf, HasSubstr(Dxf("LAYER| 70|     9|  0|LAYER| 70|64|  2|L_1| 62|1|  6|"
                                     "CONTINUOUS|  0")));
    EXPECT_THAT(e.dxf, HasSubstr(Dxf("L_10| 62|10")));
    EXPECT_THAT(e.dxf, HasSubstr(Dxf("STYLE|  2|STYLE1| 70|0| 40|0.0| 41|1.0| 50|0.0| 71|0| 42|2.0|"
                                     "  3|txt|  4| |  0|ENDTAB|  0|ENDSEC|  0|SECTION|  2|BLOCKS|"
                                     "  0|ENDSEC|0|SECTION|2|ENTITIES|0|POLYLINE")));
    EXPECT_THAT(e.dxf, EndsWith(Dxf("SEQEND|  8|L_4|  0|ENDSEC|  0|EOF")));
    const std::string ohneCrLf = std::regex_replace(e.dxf, std::regex("\r\n"), "");
    EXPECT_EQ(ohneCrLf.find_first_of("\r\n"), std::string::npos); // no lone CR or LF

    // The frame of a scaled plot: a rectangle at the origin; group 40 without blank.
    EXPECT_EQ(e.werte(), "POLYLINE VERTEX VERTEX VERTEX VERTEX VERTEX SEQEND");
    EXPECT_EQ(e.werte("POLYLINE", {"  8", " 40", " 41 "}), "L_4 0.0E+00 0.0E+00");
    EXPECT_EQ(e.werte("VERTEX", {" 10", " 20"}),
              "0.0000 0.0000|0.0000 0.0000|0.0000 0.0000|0.0000 0.0000|0.0000 0.0000");
}

TEST(HpglToDxf, TheCommandsOurPlotsUse) {
    // Labels trimmed and kept on one line (a CR becomes a blank).
    auto e = Wandle("IN;SP 1;PU 100 200;LB 1.Jan\x03;PU 0 0;LBzwei\rZeilen\x03;LB^\x03;SA;LBx\x03");
    EXPECT_EQ(e.werte("TEXT", {"  1"}), "1.Jan|zwei Zeilen|^ |x");
    EXPECT_EQ(e.werte("TEXT", {"  7"}), "STANDARD|STANDARD|STANDARD|STYLE1");
    EXPECT_THAT(e.werte("TEXT", {" 10", " 20", " 40"}), StartsWith("2.5000 5.0000     2.7000|"));

    // Line types compare the text as read.
    EXPECT_EQ(Wandle("IN;SP 1;LT 1.0;PU 0 0;PD 40 0;LT 1;PU 0 0;PD 40 0;LT;PU 0 0;PD 40 0;")
                  .werte("POLYLINE", {"  6"}),
              "CONTINUOUS|DOT|CONTINUOUS");

    // 300 pairs are read in portions, yet make one polyline.
    std::string hpgl = "IN;SP 2;PU 0 0;PD ", punkte = "0.0000 0.0000";
    for (int i = 1; i <= 300; ++i) {
        hpgl += std::to_string(i * 40) + "," + std::to_string((i % 7) * 40) + (i < 300 ? "," : "");
        punkte += "|" + std::to_string(i) + ".0000 " + std::to_string(i % 7) + ".0000";
    }
    e = Wandle(hpgl + ";PU 0 0;");
    EXPECT_EQ(e.werte("POLYLINE", {"  8"}), "L_2");
    EXPECT_EQ(e.werte("VERTEX", {" 10", " 20"}), punkte);
    EXPECT_TRUE(e.log.empty());

    // Text direction as the converter reads it: DI 0,1 gives 0.0.
    e = Wandle("IN;SP 1;DI 0,1;LBa\x03;DI 1,1;LBb\x03;DI x,1;LBc\x03");
    EXPECT_THAT(e.werte("TEXT", {" 50"}), StartsWith("  0.0| 45.0|"));
    EXPECT_EQ(e.log.size(), 2u); // the bad DI: number error and direction error

    // The pen width factor 1 gives zero width, not empty groups.
    e = Wandle("IN;SP 1;PW 0.5;PU 0 0;PD 40 0;");
    EXPECT_EQ(e.werte("POLYLINE", {" 40 ", " 41 "}), "0.0E+00 0.0E+00");
    EXPECT_EQ(e.log, std::vector<std::string>{"Command PW (=Penwidth) only supported by HPGL2."});
    e = Wandle("IN;SP 1;PU a,b;PD 40 40;XX 1;");
    EXPECT_EQ(e.log, (std::vector<std::string>{"Error in HPGL-command:PU a,b;",
                                               "Command: XX; not supported!"}));

    // After the arc the pen is at its end, where the circle goes.
    e = Wandle("IN;SP 1;PU 400 0;AA 0 0 90;CI 40;");
    EXPECT_EQ(e.werte(), "ARC CIRCLE");
    EXPECT_EQ(e.werte("ARC", {" 40 ", " 50", " 51"}), "   10.0000  360.00  450.00");
    EXPECT_EQ(e.werte("CIRCLE", {" 10", " 20", " 40"}), "    0.00000    10.00000 1.0000");
}

TEST(HpglToDxf, ClipsAgainstTheWindowOfAScreenPlot) {
    // Leaves on the right: ends on the border (y = 125 + 50 * 203.925 / 300).
    auto e = Wandle("IN;IW 0 0 16157 11038;SP 1;PU 8000 5000;PD 20000 7000;PD 20000 8000;");
    EXPECT_EQ(e.werte(), "POLYLINE VERTEX VERTEX SEQEND");
    EXPECT_EQ(e.werte("VERTEX", {" 10", " 20"}), "200.0000 125.0000|403.9250    158.9875");
    // Comes back in through the bottom: a new polyline from the border.
    e = Wandle("IN;IW 0 0 16157 11038;SP 1;PU 4000 -4000;PD 4000 4000;");
    EXPECT_EQ(e.werte("VERTEX", {" 10", " 20"}), "   100.0000 0.0000|100.0000 100.0000");
    // Both ends outside: dropped although the segment crosses the window.
    EXPECT_EQ(Wandle("IN;IW 0 0 16157 11038;SP 1;PU -100 5000;PD 17000 5000;").werte(), "");
}

TEST(HpglToDxf, GarbageGivesAWellFormedDrawing) {
    std::mt19937 zufall(20260612);
    const std::vector<std::string> stuecke = {
        "PD", "PU",   "PA",  "PR",   "EA",           "ER", "CI", "AA", "AR", "SI", "DI", "SL", "LB",
        "IW", "LT",   "PW",  "SP",   "IN",           ";",  ",",  " ",  "-",  ".",  "\r", "\n", "0",
        "^",  "\x03", "1e5", "-0.5", "9999999999999"};
    for (int runde = 0; runde < 200; ++runde) {
        std::string s;
        for (int i = 0, n = static_cast<int>(zufall() % 400); i < n; ++i)
            s += zufall() % 3 == 0 ? std::string(1, static_cast<char>(zufall() % 256))
                                   : stuecke[zufall() % stuecke.size()];
        if (runde % 3 == 0) {
            // Long coordinate runs take the portion path while they are read.
            s += runde % 2 ? "PD" : "PA";
            for (int i = 0; i < 1200; ++i)
                s += "0123456789 ,-.+x"[zufall() % 16];
        }
        const auto e = Wandle(s, 1 + runde % 2);
        if (e.status == DxfStatus::Gespeichert) {
            ASSERT_EQ(pruefung::DxfFehler(e.dxf), "") << runde;
        }
    }
}

TEST(HpglToDxf, PenNumbersBecomeLayersOnlyWhenAColourCanHoldThem) {
    // Pen 4, then what no DXF colour holds, or no pen number at all: the
    // entities stay on pen 4. A bare SP puts the pen away (layer 0).
    const auto e = Wandle("IN;SP 4;CI 40;SP-;CI 40;SP99999;CI 40;SP 2.5;CI 40;SP 255;CI 40;"
                          "SP 07;CI 40;SP;CI 40;");
    EXPECT_EQ(e.werte("CIRCLE", {"  8", " 62"}), "L_4 4|L_4 4|L_4 4|L_4 4|L_255 255|L_7 7|L_0 0");
    EXPECT_EQ(
        std::count_if(e.log.begin(), e.log.end(),
                      [](const std::string& z) { return z.find("Stift 4 bleibt") != z.npos; }),
        3);
    EXPECT_EQ(pruefung::DxfFehler(e.dxf), "");
}

// Every long run that used to restart the reading of the rest at each
// character: a megabyte of each now takes a moment, not minutes (the
// benchmark bench_konverter measures it). The drawing stays well-formed.
TEST(HpglToDxf, LongCommandsAreReadInOnePass) {
    const size_t mb = 1u << 20;
    for (const std::string& rest :
         {std::string(mb, ' '), std::string(mb, ','), std::string(mb, '7'),
          "x" + std::string(mb, ' '), std::string(mb, 'Q')}) {
        for (const char* anfang : {"IN;PD", "IN;PU", "IN;PA", "IN;CI", "IN;LB"}) {
            // A pen-up PA draws nothing, so it converts nothing.
            const auto e = Wandle(anfang + rest);
            ASSERT_EQ(e.status, std::string(anfang) == "IN;PA" ? DxfStatus::NichtsKonvertiert
                                                               : DxfStatus::Gespeichert)
                << anfang;
            if (e.status == DxfStatus::Gespeichert) {
                ASSERT_EQ(pruefung::DxfFehler(e.dxf), "") << anfang;
            }
        }
    }
}

TEST(HpglToDxf, ReplacesThePreviousFileOnlyWithACompleteDrawing) {
    namespace fs = std::filesystem;
    const fs::path dir =
        fs::temp_directory_path() / ("skiora_konverter_" + std::to_string(getpid()));
    fs::create_directories(dir);
    const auto dxf = dir / "a.dxf";
    auto lies = [&] {
        return std::string(std::istreambuf_iterator<char>(std::ifstream(dxf).rdbuf()), {});
    };
    std::ofstream(dxf, std::ios::binary) << "alt";
    SammelMelder m;
    HpglToDxfWandler w;
    auto wandle = [&](const char* hpgl, int sprache, const fs::path& ziel) {
        return HpglToDxf(hpgl, ziel.string(), 1, 40, m, sprache, w);
    };

    EXPECT_EQ(wandle("0123 ,;;\x03 \r\n 456", 1, dxf), DxfStatus::KeinHpgl); // no letter
    EXPECT_EQ(lies(), "alt");
    EXPECT_EQ(m.eintraege.at(0).text,
              "   File a.dxf nicht konvertiert!\n\rHPGL-File ist eventuell defekt.");

    EXPECT_EQ(wandle("IN;VS 1;", 2, dxf), DxfStatus::NichtsKonvertiert);
    EXPECT_EQ(lies(), "alt");
    EXPECT_EQ(m.eintraege.back().text,
              "File a.dxf not converted!\n\rHPGL-file is probably corrupted.");

    // A drawing that cannot be written says where and why, in the language asked.
    const fs::path fehlt = dir / "fehlt" / "b.dxf";
    EXPECT_EQ(wandle("IN;SP 1;PU 0 0;PD 40 40;", 2, fehlt), DxfStatus::SchreibFehler);
    EXPECT_EQ(m.eintraege.back().text,
              "Cannot write the file " + fehlt.string() + ": the folder does not exist.");

    EXPECT_EQ(wandle("IN;SP 1;PU 0 0;PD 40 40;", 1, dxf), DxfStatus::Gespeichert);
    EXPECT_THAT(lies(), StartsWith("0\r\nSECTION\r\n"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 1); // nothing beside it
    fs::remove_all(dir);
}

} // namespace
} // namespace skiora::export_
