// The layout sheet and the full-size tiles from the command line: the files
// as poppler reads them, and every way the options can be refused.
#include "Lauf.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <sys/wait.h>

namespace fs = std::filesystem;

namespace {

using skiora::test::Lies;

const fs::path& Ordner() {
    static const fs::path d = skiora::test::LaufOrdner("seiten");
    return d;
}

// Runs a command; its status, and standard output and error together.
std::pair<int, std::string> Befehl(const std::string& befehl) {
    const fs::path aus = Ordner() / "ausgabe.txt";
    const int r = std::system((befehl + " >'" + aus.string() + "' 2>&1").c_str());
    return {WIFEXITED(r) ? WEXITSTATUS(r) : -1, Lies(aus)};
}

std::pair<int, std::string> Skiora(const std::string& argumente) {
    return Befehl("'" + std::string(SKIORA_BINARY_DIR) + "/skiora' " + argumente);
}

int Seiten(const fs::path& pdf) {
    const auto [status, text] = Befehl("pdfinfo '" + pdf.string() + "'");
    std::smatch m;
    if (status != 0 || !std::regex_search(text, m, std::regex(R"(Pages:\s+(\d+))"))) return -1;
    return std::stoi(m[1]);
}

std::string Text(const fs::path& pdf) {
    return Befehl("pdftotext -layout '" + pdf.string() + "' -").second;
}

bool Poppler() {
    return Befehl("pdfinfo -v").first == 0;
}

// The default dial with another half axis (line 8 of the configuration).
fs::path Konfig(const std::string& name, const std::string& halb) {
    const fs::path konfig = Ordner() / name;
    EXPECT_EQ(Skiora("--save-config '" + konfig.string() + "'").first, 0);
    std::string zeilen = Lies(konfig);
    size_t anfang = 0;
    for (int i = 1; i < 8; ++i)
        anfang = zeilen.find("\r\n", anfang) + 2;
    zeilen.replace(anfang, zeilen.find("\r\n", anfang) - anfang, halb);
    std::ofstream(konfig, std::ios::binary) << zeilen;
    return konfig;
}

} // namespace

TEST(SeitenBefehl, AbsteckplanUndKachelnInBeidenSprachen) {
    if (!Poppler()) GTEST_SKIP() << "pdfinfo is not installed";
    const fs::path plan = Ordner() / "plan.pdf", kacheln = Ordner() / "kacheln.pdf";
    auto [status, meldung] = Skiora("--layout-pdf '" + plan.string() + "' --tiles-pdf '" +
                                    kacheln.string() + "' --scale 10 --paper A3");
    ASSERT_EQ(status, 0) << meldung;
    EXPECT_GE(Seiten(plan), 3);
    const std::string text = Text(plan);
    for (const char* teil :
         {"Absteckplan", "Maßstab 1:", "F1", "Brennpunkte und Ellipse", "2.019 m", "12:00"})
        EXPECT_NE(text.find(teil), std::string::npos) << teil;
    EXPECT_NE(Befehl("pdfinfo '" + kacheln.string() + "'").second.find("A3"), std::string::npos);
    EXPECT_NE(Text(kacheln).find("Maßstab 1:10"), std::string::npos);

    const fs::path en = Ordner() / "sheet.pdf", zoll = Ordner() / "tiles.pdf";
    std::tie(status, meldung) = Skiora("--lang en --units imperial --layout-pdf '" + en.string() +
                                       "' --tiles-pdf '" + zoll.string() + "' --part dates");
    ASSERT_EQ(status, 0) << meldung;
    const std::string englisch = Text(en);
    EXPECT_NE(englisch.find("Layout sheet"), std::string::npos);
    EXPECT_NE(englisch.find("6' 7 1/2\""), std::string::npos); // b = 2.019 m
    EXPECT_EQ(englisch.find("Absteckplan"), std::string::npos);
    EXPECT_NE(Text(zoll).find("The date scale at full size"), std::string::npos);

    // The plot brings the half axis into 2..20 for its own sake; the sheet
    // written in the same run is still the dial of the configuration.
    const fs::path klein = Ordner() / "klein.pdf";
    std::tie(status, meldung) =
        Skiora("'" + Konfig("klein.ini", "1.5").string() + "' --hpgl '" +
               (Ordner() / "klein.plt").string() + "' --layout-pdf '" + klein.string() + "'");
    ASSERT_EQ(status, 0) << meldung;
    EXPECT_NE(Text(klein).find("a = 1.500 m"), std::string::npos);
}

TEST(SeitenBefehl, FalscheWahlIstEinGebrauchsfehler) {
    for (const char* falsch :
         {"--tiles-pdf x.pdf --scale 0.5", "--tiles-pdf x.pdf --scale 1001",
          "--tiles-pdf x.pdf --scale eins", "--tiles-pdf x.pdf --paper A5",
          "--tiles-pdf x.pdf --part hours", "--layout-pdf x.pdf --scale 5", "--tiles-pdf",
          "--tiles-pdf x.pdf --units yards", "--tiles-pdf ''", "--layout-pdf ''"}) {
        const auto [status, meldung] = Skiora(falsch);
        EXPECT_EQ(status, 2) << falsch;
        EXPECT_NE(meldung.find("usage: skiora"), std::string::npos) << falsch;
    }
    EXPECT_FALSE(fs::exists("x.pdf"));
}

TEST(SeitenBefehl, ZuVieleSeitenUndUnbeschreibbarerOrdner) {
    // A dial of 100 m at 1:1 would need more than 2000 sheets: refused
    // before any output of the run is written.
    const fs::path konfig = Konfig("gross.ini", "100");
    const fs::path gross = Ordner() / "gross.pdf", tabelle = Ordner() / "gross.csv";
    auto [status, meldung] = Skiora("'" + konfig.string() + "' --table hours '" + tabelle.string() +
                                    "' --tiles-pdf '" + gross.string() + "'");
    EXPECT_EQ(status, 2) << meldung;
    EXPECT_NE(meldung.find("mehr als 2000 Blätter"), std::string::npos) << meldung;
    EXPECT_FALSE(fs::exists(gross) || fs::exists(tabelle));
    // At 1:100 the same dial fits.
    std::tie(status, meldung) =
        Skiora("'" + konfig.string() + "' --tiles-pdf '" + gross.string() + "' --scale 100");
    EXPECT_EQ(status, 0) << meldung;

    const fs::path fehlt = Ordner() / "fehlt" / "plan.pdf";
    std::tie(status, meldung) = Skiora("--layout-pdf '" + fehlt.string() + "'");
    EXPECT_EQ(status, 1);
    EXPECT_NE(meldung.find(fehlt.string()), std::string::npos) << meldung;
    EXPECT_FALSE(fs::exists(fehlt.parent_path()));
}
