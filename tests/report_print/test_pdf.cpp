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

namespace {

namespace fs = std::filesystem;

std::string Ausgabe(const std::string& befehl, int* status = nullptr) {
    std::string text;
    FILE* f = popen(befehl.c_str(), "r");
    if (!f) return text;
    std::array<char, 4096> puffer{};
    std::size_t n;
    while ((n = fread(puffer.data(), 1, puffer.size(), f)) > 0)
        text.append(puffer.data(), n);
    const int rc = pclose(f);
    if (status) *status = rc;
    return text;
}

struct Verzeichnis {
    fs::path pfad;
    Verzeichnis() {
        pfad =
            fs::temp_directory_path() /
            ("skiora_druck_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(pfad);
        fs::create_directories(pfad);
    }
    ~Verzeichnis() { fs::remove_all(pfad); }
    std::string operator/(const std::string& n) const { return (pfad / n).string(); }
};

int Skiora(const std::string& argumente, std::string* meldungen = nullptr) {
    int status = 0;
    const std::string aus = Ausgabe(
        "QT_QPA_PLATFORM=offscreen " SKIORA_BINARY_DIR "/skiora " + argumente + " 2>&1", &status);
    if (meldungen) *meldungen = aus;
    return status;
}

// The default dial as a split dial (Arten 2) with six date marks a month.
void SplitKonfig(const std::string& pfad) {
    const std::string zeilen = "2002|47.250000|-9.590000|-15.000000|0.000000|90.000000|1.700000|"
                               "2.750000|20.200000|6|2|2|0|5|21|8|19|1|01/05|1|Deutsch|nn||||";
    std::ofstream f(pfad, std::ios::binary);
    std::stringstream ein(zeilen);
    for (std::string zeile; std::getline(ein, zeile, '|');)
        f << zeile << "\r\n";
    f << "\r\n";
}

// pdftotext spaces words by their position; compare with single blanks.
std::string Eng(const std::string& s) {
    std::string r;
    for (char c : s) {
        bool leer = c == ' ' || c == '\n' || c == '\t';
        if (leer && !r.empty() && r.back() == ' ') continue;
        r += leer ? ' ' : c;
    }
    return r;
}

std::vector<std::string> Seiten(const std::string& pdf) {
    std::vector<std::string> seiten;
    std::stringstream text(Ausgabe("pdftotext -layout '" + pdf + "' -"));
    std::string seite;
    while (std::getline(text, seite, '\f'))
        seiten.push_back(seite);
    if (!seiten.empty() && seiten.back().find_first_not_of(" \n") == std::string::npos)
        seiten.pop_back();
    return seiten;
}

TEST(PdfDruck, UhrAufEinerQuerformatseiteMitTitelUndLegende) {
    Verzeichnis v;
    ASSERT_EQ(Skiora("--lang en --print-pdf " + (v / "uhr.pdf")), 0);
    ASSERT_TRUE(fs::exists(v / "uhr.pdf"));
    EXPECT_FALSE(fs::exists(v / "uhr.pdf.part")) << "the temporary file is renamed into place";
    const std::string info = Ausgabe("pdfinfo '" + (v / "uhr.pdf") + "'");
    EXPECT_NE(info.find("842 x 595 pts (A4)"), std::string::npos) << info; // landscape
    const auto seiten = Seiten(v / "uhr.pdf");
    ASSERT_EQ(seiten.size(), 1u);
    EXPECT_NE(seiten[0].find("Analemmatic Sundial"), std::string::npos) << seiten[0];
    EXPECT_NE(seiten[0].find("Latitude= 47.25;"), std::string::npos);
    EXPECT_NE(seiten[0].find("Calculations for year= 2002"), std::string::npos);
    EXPECT_EQ(seiten[0].find("Analemmatische"), std::string::npos);

    // German, and an existing file is replaced.
    ASSERT_EQ(Skiora("--lang de --print-pdf " + (v / "uhr.pdf")), 0);
    const auto de = Seiten(v / "uhr.pdf");
    ASSERT_EQ(de.size(), 1u);
    EXPECT_NE(de[0].find("Analemmatische Sonnenuhr"), std::string::npos);
    EXPECT_NE(de[0].find("geogr. Breite= 47.25;"), std::string::npos);
}

TEST(PdfDruck, ListenEinerGeteiltenUhrMitFortsetzung) {
    Verzeichnis v;
    SplitKonfig(v / "split.ini");
    std::string meldungen;
    ASSERT_EQ(Skiora("'" + (v / "split.ini") + "' --lists-pdf " + (v / "listen.pdf"), &meldungen),
              0)
        << meldungen;
    const auto seiten = Seiten(v / "listen.pdf");
    // hour marks, shadow path, date marks on two pages, then morning and
    // afternoon, each of their 72 rows on two pages
    ASSERT_EQ(seiten.size(), 8u);
    EXPECT_NE(seiten[0].find("Stundenmarkierung - Koordinaten"), std::string::npos);
    EXPECT_NE(seiten[1].find("01. Mai"), std::string::npos);
    EXPECT_NE(seiten[2].find("Datumsmarkierung"), std::string::npos);
    EXPECT_NE(seiten[2].find("zweigeteilte Sonnenuhr: Mittelwert von Methode 1"),
              std::string::npos);
    // The table continues: the last rows of December and the header again.
    EXPECT_NE(seiten[3].find("26.Dez"), std::string::npos) << seiten[3];
    EXPECT_EQ(seiten[2].find("26.Dez"), std::string::npos);
    EXPECT_NE(seiten[3].find("Datum"), std::string::npos);
    EXPECT_NE(Eng(seiten[4]).find("Fehlertabelle bei Ablesung mittlerer Zeit (Vormittag)"),
              std::string::npos);
    EXPECT_NE(Eng(seiten[6]).find("Fehlertabelle bei Ablesung mittlerer Zeit (Nachmittag)"),
              std::string::npos);
}

TEST(PdfDruck, NichtSchreibbaresZielMeldetAbbruch) {
    Verzeichnis v;
    std::string meldungen;
    EXPECT_NE(Skiora("--lang en --print-pdf " + (v / "fehlt/uhr.pdf"), &meldungen), 0);
    EXPECT_NE(meldungen.find("Error - Printing cancelled !"), std::string::npos) << meldungen;
    EXPECT_FALSE(fs::exists(v / "fehlt"));
}

} // namespace
