#include "DxfLesen.h"
#include "export/HpglToDxf.h"
#include "lang/Texte.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace skiora::export_ {
namespace {

using test::Objekt;
using test::Objekte;

struct Ergebnis {
    DxfStatus status;
    std::string dxf;
    std::vector<std::string> log;
    std::vector<Objekt> objekte;
};

Ergebnis Wandle(const std::string& hpgl, double faktor = 1, Melder* melder = nullptr) {
    HpglToDxfWandler w;
    std::istringstream ein(hpgl);
    std::ostringstream aus;
    Ergebnis e;
    e.status = w.Konvertiere(ein, aus, faktor, 40, melder);
    e.dxf = aus.str();
    e.log = w.ConversionLog;
    e.objekte = Objekte(e.dxf);
    return e;
}

std::vector<Objekt> Nur(const std::vector<Objekt>& o, const std::string& name) {
    std::vector<Objekt> r;
    for (const auto& x : o)
        if (x.name == name) r.push_back(x);
    return r;
}

std::string Verbunden(std::initializer_list<const char*> zeilen) {
    std::string s;
    for (const char* z : zeilen)
        s += std::string(z) + "\r\n";
    return s;
}

TEST(HpglToDxf, LayoutIsByteExactAndEveryLineEndsInCrLf) {
    const auto e = Wandle("IN;SP 1;PU 0 0;PD 400 400;");
    ASSERT_EQ(e.status, DxfStatus::Gespeichert);
    const std::string kopf = Verbunden(
        {"0",   "SECTION",      "  2", "HEADER",     "  9", "$ACADVER", "  1", "AC1006",
         "  9", "$EXTMIN",      " 10", "0.000",      " 20", "0",        "  9", "$EXTMAX",
         " 10", "  411.00",     " 20", "  287.50",   "  9", "$LTSCALE", " 40", "0.0005",
         "  0", "ENDSEC",       "  0", "SECTION",    "  2", "TABLES",   "  0", "TABLE",
         "  2", "LTYPE",        " 70", "     4",     "  0", "LTYPE",    "  2", "CONTINUOUS",
         " 70", "64",           "  3", "Solid line", " 72", "65",       " 73", "0",
         " 40", "0.0",          "  0", "LTYPE",      "  2", "DASHED",   " 70", "64",
         "  3", "- - - - - - ", " 72", "65",         " 73", "2",        " 40", "0.000001",
         " 49", "0.000001",     " 49", "-0.000000",  "  0"});
    EXPECT_EQ(e.dxf.substr(0, kopf.size()), kopf);
    // The layer table announces nine layers and lists ten.
    EXPECT_NE(e.dxf.find(Verbunden({"LAYER", " 70", "     9", "  0", "LAYER", " 70", "64", "  2",
                                    "L_1", " 62", "1", "  6", "CONTINUOUS", "  0"})),
              std::string::npos);
    EXPECT_NE(e.dxf.find(Verbunden({"L_10", " 62", "10"})), std::string::npos);
    EXPECT_NE(e.dxf.find(
                  Verbunden({"STYLE",    "  2", "STYLE1",  " 70", "0",      " 40", "0.0",     " 41",
                             "1.0",      " 50", "0.0",     " 71", "0",      " 42", "2.0",     "  3",
                             "txt",      "  4", " ",       "  0", "ENDTAB", "  0", "ENDSEC",  "  0",
                             "SECTION",  "  2", "BLOCKS",  "  0", "ENDSEC", "0",   "SECTION", "2",
                             "ENTITIES", "0",   "POLYLINE"})),
              std::string::npos);
    const std::string schluss = "SEQEND\r\n  8\r\nL_1\r\n  0\r\nENDSEC\r\n  0\r\nEOF\r\n";
    EXPECT_EQ(e.dxf.substr(e.dxf.size() - schluss.size()), schluss);
    const auto paare = std::count(e.dxf.begin(), e.dxf.end(), '\n');
    EXPECT_EQ(std::count(e.dxf.begin(), e.dxf.end(), '\r'), paare);
    EXPECT_EQ(static_cast<long>(test::Zeilen(e.dxf).size()), paare); // no lone CR or LF
}

TEST(HpglToDxf, OpeningOfAScaledPlotGivesADegenerateRectangleOnPen4) {
    const auto e = Wandle("IN;VS 1;PA;SP 4;PU 0 0;EA 0 0  16072  11250;;SP 4;PU 0 0;");
    ASSERT_EQ(e.objekte.size(), 7u);
    EXPECT_EQ(e.objekte[0].name, "POLYLINE");
    EXPECT_EQ(e.objekte[0].Wert("  8"), "L_4");
    EXPECT_EQ(e.objekte[0].Wert(" 40"), "0.0E+00"); // the rectangle's group has no blank
    EXPECT_EQ(e.objekte[0].Wert(" 41 "), "0.0E+00");
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(e.objekte[i].name, "VERTEX");
        EXPECT_EQ(e.objekte[i].Wert(" 10"), "0.0000");
        EXPECT_EQ(e.objekte[i].Wert(" 20"), "0.0000");
    }
    EXPECT_EQ(e.objekte[6].name, "SEQEND");
}

TEST(HpglToDxf, LabelsAreTrimmedAndKeptOnOneLine) {
    const auto e = Wandle("IN;SP 1;PU 100 200;LB 1.Jan\x03;PU 0 0;LBgeogr. Breite =  47.25;\x03"
                          ";LBzwei\rZeilen\x03;LB^\x03;SA;LBx\x03");
    const auto t = Nur(e.objekte, "TEXT");
    ASSERT_EQ(t.size(), 5u);
    EXPECT_EQ(t[0].Wert("  1"), "1.Jan");
    EXPECT_EQ(t[0].Wert(" 10"), "2.5000");
    EXPECT_EQ(t[0].Wert(" 20"), "5.0000");
    EXPECT_EQ(t[0].Wert("  7"), "STANDARD");
    EXPECT_EQ(t[1].Wert("  1"), "geogr. Breite =  47.25");
    EXPECT_EQ(t[2].Wert("  1"), "zwei Zeilen");
    EXPECT_EQ(t[3].Wert("  1"), "^ ");
    EXPECT_EQ(t[4].Wert("  7"), "STYLE1");
    EXPECT_EQ(t[0].Wert(" 40"), "    2.7000");
}

TEST(HpglToDxf, LongPenDownIsReadInPortionsIntoOnePolyline) {
    std::string hpgl = "IN;SP 2;PU 0 0;PD ";
    for (int i = 1; i <= 300; ++i)
        hpgl += std::to_string(i * 40) + "," + std::to_string((i % 7) * 40) + (i < 300 ? "," : "");
    hpgl += ";PU 0 0;";
    SammelMelder m;
    const auto e = Wandle(hpgl, 1, &m);
    EXPECT_TRUE(m.eintraege.empty()) << m.eintraege.front().text;
    EXPECT_EQ(Nur(e.objekte, "POLYLINE").size(), 1u);
    const auto v = Nur(e.objekte, "VERTEX");
    ASSERT_EQ(v.size(), 301u);
    for (int i = 1; i <= 300; ++i) {
        ASSERT_EQ(v[i].Wert(" 10"), std::to_string(i) + ".0000") << i;
        ASSERT_EQ(v[i].Wert(" 20"), std::to_string(i % 7) + ".0000") << i;
    }
    EXPECT_TRUE(e.log.empty());
}

TEST(HpglToDxf, LineTypesCompareTheTextAsRead) {
    const auto e = Wandle("IN;SP 1;LT 1.0;PU 0 0;PD 40 0;LT 1;PU 0 0;PD 40 0;LT 4;PU 0 0;PD 40 0;"
                          "LT;PU 0 0;PD 40 0;");
    const auto p = Nur(e.objekte, "POLYLINE");
    ASSERT_EQ(p.size(), 4u);
    EXPECT_EQ(p[0].Wert("  6"), "CONTINUOUS");
    EXPECT_EQ(p[1].Wert("  6"), "DOT");
    EXPECT_EQ(p[2].Wert("  6"), "DASHDOT");
    EXPECT_EQ(p[3].Wert("  6"), "CONTINUOUS");
}

TEST(HpglToDxf, ClipsAgainstTheWindowOfAScreenPlot) {
    // Leaves on the right: ends on the border, polyline closed there.
    auto e = Wandle("IN;IW 0 0 16157 11038;SP 1;PU 8000 5000;PD 20000 7000;PD 20000 8000;");
    auto v = Nur(e.objekte, "VERTEX");
    ASSERT_EQ(v.size(), 2u);
    EXPECT_EQ(v[0].Wert(" 10"), "200.0000");
    EXPECT_EQ(v[1].Wert(" 10"), "403.9250");
    EXPECT_EQ(v[1].Wert(" 20"), "   158.9875"); // 125 + 50 * 203.925 / 300
    EXPECT_EQ(e.objekte.back().name, "SEQEND");
    EXPECT_EQ(e.objekte.size(), 4u);

    // Comes back in through the bottom: a new polyline from the border.
    e = Wandle("IN;IW 0 0 16157 11038;SP 1;PU 4000 -4000;PD 4000 4000;");
    v = Nur(e.objekte, "VERTEX");
    ASSERT_EQ(v.size(), 2u);
    EXPECT_EQ(v[0].Wert(" 10"), "   100.0000");
    EXPECT_EQ(v[0].Wert(" 20"), "0.0000");

    // Both ends outside: dropped although the segment crosses the window.
    e = Wandle("IN;IW 0 0 16157 11038;SP 1;PU -100 5000;PD 17000 5000;");
    EXPECT_TRUE(e.objekte.empty());
}

TEST(HpglToDxf, TextDirectionSizeAndArcs) {
    auto e = Wandle("IN;SP 1;DI 0,1;LBa\x03;DI 1,1;LBb\x03;DI x,1;LBc\x03;SI 0.16 0.24;LBd\x03");
    auto t = Nur(e.objekte, "TEXT");
    ASSERT_EQ(t.size(), 4u);
    EXPECT_EQ(t[0].Wert(" 50"), "  0.0");
    EXPECT_EQ(t[1].Wert(" 50"), " 45.0");
    EXPECT_EQ(e.log.size(), 2u); // the bad DI: number error and direction error
    EXPECT_EQ(t[3].Wert(" 40"), "  2.40");
    EXPECT_EQ(t[3].Wert(" 41"), "  0.93");

    e = Wandle("IN;SP 1;PU 400 0;AA 0 0 90;CI 40;");
    const auto a = Nur(e.objekte, "ARC");
    ASSERT_EQ(a.size(), 1u);
    EXPECT_EQ(a[0].Wert(" 40 "), "   10.0000");
    EXPECT_EQ(a[0].Wert(" 50"), " 360.00");
    EXPECT_EQ(a[0].Wert(" 51"), " 450.00");
    const auto k = Nur(e.objekte, "CIRCLE");
    ASSERT_EQ(k.size(), 1u);
    EXPECT_EQ(k[0].Wert(" 10"), "    0.00000"); // the pen is at the end of the arc
    EXPECT_EQ(k[0].Wert(" 20"), "   10.00000");
    EXPECT_EQ(k[0].Wert(" 40"), "1.0000");
}

TEST(HpglToDxf, PenWidthNeverLeavesTheGroupsEmpty) {
    auto e = Wandle("IN;SP 1;PW 0.5;PU 0 0;PD 40 0;");
    auto p = Nur(e.objekte, "POLYLINE");
    ASSERT_EQ(p.size(), 1u);
    EXPECT_EQ(p[0].Wert(" 40 "), "0.0E+00");
    EXPECT_EQ(e.log, std::vector<std::string>{"Command PW (=Penwidth) only supported by HPGL2."});
    e = Wandle("IN;SP 1;PW 0.5;PU 0 0;PD 40 0;", 2);
    EXPECT_EQ(Nur(e.objekte, "POLYLINE")[0].Wert(" 41 "), "1.5E-01");
}

TEST(HpglToDxf, BadInputIsLoggedOrRejected) {
    auto e = Wandle("IN;SP 1;PU a,b;PD 40 40;XX 1;");
    ASSERT_EQ(e.log.size(), 2u);
    EXPECT_EQ(e.log[0], "Error in HPGL-command:PU a,b;");
    EXPECT_EQ(e.log[1], "Command: XX; not supported!");

    e = Wandle("0123 ,;;\x03 \r\n 456");
    EXPECT_EQ(e.status, DxfStatus::KeinHpgl);
    EXPECT_TRUE(e.dxf.empty());

    e = Wandle("IN;VS 1;"); // nothing drawn: lines stay as first written
    EXPECT_EQ(e.status, DxfStatus::NichtsKonvertiert);
    EXPECT_EQ(e.dxf.find('\n'), std::string::npos);
}

TEST(HpglToDxf, ModesCarryOverToTheNextConversion) {
    HpglToDxfWandler w;
    std::istringstream a("IN;SP 1;PU 0 0;"), b("SP 1;PU 40 40;PD 40 0;");
    std::ostringstream x, y;
    w.Konvertiere(a, x, 1, 40);
    w.Konvertiere(b, y, 1, 40);
    const auto v = Nur(Objekte(y.str()), "VERTEX");
    ASSERT_EQ(v.size(), 2u);
    EXPECT_EQ(v[1].Wert(" 10"), "1.0000"); // absolute: IN of the first plot still holds
}

TEST(HpglToDxf, GarbageNeverCrashes) {
    std::mt19937 zufall(20260612);
    const std::vector<std::string> stuecke = {
        "PD",   "PU",  "PA",   "PR", "EA", "ER", "CI",
        "AA",   "AR",  "SI",   "DI", "SL", "LB", "IW",
        "LT",   "PW",  "SP",   "IN", ";",  ",",  " ",
        "-",    ".",   "\x03", "\r", "\n", "0",  "9999999999999",
        "-0.5", "1e5", "^"};
    for (int runde = 0; runde < 300; ++runde) {
        std::string s;
        const int n = static_cast<int>(zufall() % 400);
        for (int i = 0; i < n; ++i) {
            if (zufall() % 3 == 0)
                s += static_cast<char>(zufall() % 256);
            else
                s += stuecke[zufall() % stuecke.size()];
        }
        if (runde % 3 == 0) {
            // Long coordinate runs take the portion path while they are read.
            s += runde % 2 ? "PD" : "PA";
            for (int i = 0; i < 1200; ++i)
                s += "0123456789 ,-.+x"[zufall() % 16];
        }
        for (double faktor : {1.0, 2.0}) {
            const auto e = Wandle(s, faktor);
            if (e.status == DxfStatus::Gespeichert) {
                ASSERT_EQ(e.dxf.substr(e.dxf.size() - 5), "EOF\r\n");
            }
        }
    }
}

class HpglToDxfDatei : public ::testing::Test {
  protected:
    void SetUp() override {
        dir =
            std::filesystem::temp_directory_path() /
            ("skiora_export_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    void Schreibe(const std::filesystem::path& p, const std::string& s) {
        std::ofstream(p, std::ios::binary) << s;
    }
    std::string Lies(const std::filesystem::path& p) {
        std::ifstream f(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(f), {}};
    }
    std::filesystem::path dir;
};

TEST_F(HpglToDxfDatei, ReplacesThePreviousFileOnlyWithACompleteDrawing) {
    const auto plt = dir / "a.plt", dxf = dir / "a.dxf";
    Schreibe(dxf, "alt");
    SammelMelder m;
    HpglToDxfWandler w;

    Schreibe(plt, "12345");
    EXPECT_EQ(HpglToDxf(plt.string(), dxf.string(), 1, 40, m, 1, w), DxfStatus::KeinHpgl);
    EXPECT_EQ(Lies(dxf), "alt");
    ASSERT_EQ(m.eintraege.size(), 1u);
    EXPECT_EQ(m.eintraege[0].text,
              "   File a.plt nicht konvertiert!\n\rHPGL-File ist eventuell defekt.");
    EXPECT_EQ(m.eintraege[0].titel, "SKIORA.EXE  -  Warnung!");
    EXPECT_EQ(w.ConversionLog.back(), plt.string() + " ist kein HPGL-File!");

    Schreibe(plt, "IN;VS 1;");
    EXPECT_EQ(HpglToDxf(plt.string(), dxf.string(), 1, 40, m, 2, w), DxfStatus::NichtsKonvertiert);
    EXPECT_EQ(Lies(dxf), "alt");
    EXPECT_EQ(m.eintraege.back().text,
              "File a.plt not converted!\n\rHPGL-file is probably corrupted.");

    Schreibe(plt, "IN;SP 1;PU 0 0;PD 40 40;");
    EXPECT_EQ(HpglToDxf(plt.string(), dxf.string(), 1, 40, m, 1, w), DxfStatus::Gespeichert);
    EXPECT_EQ(Lies(dxf).substr(0, 12), "0\r\nSECTION\r\n");
    EXPECT_EQ(m.eintraege.back().text, "\r       File a.dxf gespeichert! ");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 2);

    EXPECT_EQ(HpglToDxf(plt.string(), (dir / "fehlt" / "b.dxf").string(), 1, 40, m, 1, w),
              DxfStatus::SchreibFehler);
}

} // namespace
} // namespace skiora::export_
