// The PDF files of the command line, made by the program itself and read
// back with poppler-utils (pdfinfo, pdftotext).
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;

struct PdfDruck : ::testing::Test {
    const fs::path dir = fs::temp_directory_path() / ("skiora_druck_" + std::to_string(getpid()));
    std::string meldungen;
    int status = 0;

    // The output of a shell command (stderr too); its status in `status`.
    std::string Ausgabe(const std::string& befehl) {
        std::string text;
        FILE* f = popen((befehl + " 2>&1").c_str(), "r");
        if (!f) return text;
        std::array<char, 4096> puffer{};
        for (std::size_t n; (n = fread(puffer.data(), 1, puffer.size(), f)) > 0;)
            text.append(puffer.data(), n);
        status = pclose(f);
        return text;
    }
    void SetUp() override {
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string Pfad(const std::string& n) const { return (dir / n).string(); }
    int Skiora(const std::string& argumente) {
        meldungen = Ausgabe("QT_QPA_PLATFORM=offscreen " SKIORA_BINARY_DIR "/skiora " + argumente);
        return status;
    }
    // The text of each page, as pdftotext lays it out.
    std::vector<std::string> Seiten(const std::string& pdf) {
        std::vector<std::string> seiten;
        std::stringstream text(Ausgabe("pdftotext -layout '" + Pfad(pdf) + "' -"));
        for (std::string seite; std::getline(text, seite, '\f');)
            if (seite.find_first_not_of(" \n") != std::string::npos) seiten.push_back(seite);
        return seiten;
    }
};

TEST_F(PdfDruck, UhrAufEinerQuerformatseiteMitTitelUndLegendeFehlerBrichtAb) {
    ASSERT_EQ(Skiora("--lang en --print-pdf " + Pfad("uhr.pdf")), 0) << meldungen;
    const std::string info = Ausgabe("pdfinfo '" + Pfad("uhr.pdf") + "'");
    EXPECT_NE(info.find("842 x 595 pts (A4)"), std::string::npos) << info; // landscape
    const auto seiten = Seiten("uhr.pdf");
    ASSERT_EQ(seiten.size(), 1u);
    EXPECT_NE(seiten[0].find("Analemmatic Sundial"), std::string::npos) << seiten[0];
    EXPECT_NE(seiten[0].find("Latitude= 47.25;"), std::string::npos);
    EXPECT_EQ(seiten[0].find("Analemmatische"), std::string::npos);

    // German, and an existing file is replaced.
    ASSERT_EQ(Skiora("--lang de --print-pdf " + Pfad("uhr.pdf")), 0) << meldungen;
    EXPECT_NE(Seiten("uhr.pdf").at(0).find("geogr. Breite= 47.25;"), std::string::npos);

    // Mend: message 42 and the job aborted, no file left behind.
    EXPECT_NE(Skiora("--lang en --print-pdf " + Pfad("fehlt/uhr.pdf")), 0);
    EXPECT_NE(meldungen.find("Error - Printing cancelled !"), std::string::npos) << meldungen;
    EXPECT_FALSE(fs::exists(Pfad("fehlt")));
}

TEST_F(PdfDruck, ListenEinerGeteiltenUhrMitFortsetzung) {
    // The default dial as a split dial (Arten 2) with six date marks a month.
    {
        std::ofstream f(Pfad("split.ini"), std::ios::binary);
        for (char c : std::string("2002|47.250000|-9.590000|-15.000000|0.000000|90.000000|"
                                  "1.700000|2.750000|20.200000|6|2|2|0|5|21|8|19|1|01/05|1|"
                                  "Deutsch|nn|||||"))
            c == '|' ? f << "\r\n" : f << c;
    }
    ASSERT_EQ(Skiora(Pfad("split.ini") + " --lists-pdf " + Pfad("listen.pdf")), 0) << meldungen;
    const auto seiten = Seiten("listen.pdf");
    // hour marks, shadow path, date marks on two pages, then morning and
    // afternoon, each of their 72 rows on two pages
    ASSERT_EQ(seiten.size(), 8u);
    EXPECT_NE(seiten[0].find("Stundenmarkierung - Koordinaten"), std::string::npos);
    EXPECT_NE(seiten[2].find("zweigeteilte Sonnenuhr: Mittelwert von Methode 1"),
              std::string::npos);
    // The table continues with the last rows of December.
    EXPECT_NE(seiten[3].find("26.Dez"), std::string::npos) << seiten[3];
    EXPECT_NE(seiten[4].find("(Vormittag)"), std::string::npos);
    EXPECT_NE(seiten[6].find("(Nachmittag)"), std::string::npos);
}

} // namespace
