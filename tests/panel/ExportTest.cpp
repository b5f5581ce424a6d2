// Writing the export file: the temporary plot beside the target, its removal,
// and the user's previous file when something fails.
#include "app/ExportPanel.h"
#include "core/Sonnenuhr.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <unistd.h>

namespace skiora::app {
namespace {

namespace fs = std::filesystem;

std::string Lies(const fs::path& p) {
    std::ifstream ein(p, std::ios::binary);
    std::ostringstream s;
    s << ein.rdbuf();
    return s.str();
}

void Schreibe(const fs::path& p, const std::string& inhalt) {
    std::ofstream(p, std::ios::binary) << inhalt;
}

class ExportTest : public ::testing::Test {
  protected:
    void SetUp() override {
        uhr.setzeMelder(&melder);
        uhr.opt.DxfAchse = 2.75;
        uhr.btGoClick();
        verz = fs::temp_directory_path() / ("skiora_export_" + std::to_string(getpid()));
        fs::create_directories(verz);
    }
    void TearDown() override { fs::remove_all(verz); }
    bool Meldung18(const fs::path& datei) const {
        for (const auto& e : melder.eintraege)
            if (e.text == datei.string() + lang::Meldung(1, 18)) return true;
        return false;
    }

    SammelMelder melder;
    Sonnenuhr uhr;
    fs::path verz;
};

TEST_F(ExportTest, BothFormatsReplaceThePreviousFileAndLeaveNoTemporary) {
    Schreibe(verz / "a.plt", "old");
    Schreibe(verz / "a.dxf", "old");
    EXPECT_TRUE(ExportSchreiben(uhr, (verz / "a.plt").string(), true, false));
    EXPECT_TRUE(ExportSchreiben(uhr, (verz / "a.dxf").string(), false, true));
    EXPECT_EQ(Lies(verz / "a.plt").rfind("IN;", 0), 0u);
    EXPECT_EQ(Lies(verz / "a.dxf").rfind("0\r\nSECTION\r\n", 0), 0u);
    EXPECT_FALSE(fs::exists(verz / "skiora.$$$"));
    EXPECT_FALSE(Meldung18(verz / "a.plt") || Meldung18(verz / "a.dxf"));
}

TEST_F(ExportTest, FailedConversionReportsAndRemovesTheTemporary) {
    // A directory where the drawing should go: the conversion cannot put it there.
    fs::create_directory(verz / "b.dxf");
    Schreibe(verz / "b.dxf" / "keep", "x");
    EXPECT_FALSE(ExportSchreiben(uhr, (verz / "b.dxf").string(), false, false));
    EXPECT_TRUE(Meldung18(verz / "b.dxf"));
    EXPECT_FALSE(fs::exists(verz / "skiora.$$$"));
    EXPECT_EQ(Lies(verz / "b.dxf" / "keep"), "x");
}

TEST_F(ExportTest, WriteFailuresKeepThePreviousFile) {
    for (const char* name : {"c.plt", "c.dxf"}) {
        SCOPED_TRACE(name);
        melder.eintraege.clear();
        const fs::path ziel = verz / name;
        Schreibe(ziel, "previous");
        // The temporary cannot be created: something else has its name.
        fs::create_directory(verz / "skiora.$$$");
        EXPECT_FALSE(ExportSchreiben(uhr, ziel.string(), ziel.extension() == ".plt", false));
        EXPECT_TRUE(Meldung18(ziel));
        EXPECT_EQ(Lies(ziel), "previous");
        // What is not ours is not removed.
        EXPECT_TRUE(fs::is_directory(verz / "skiora.$$$"));
        fs::remove(verz / "skiora.$$$");
    }
    const fs::path fehlt = verz / "missing" / "d.plt";
    EXPECT_FALSE(ExportSchreiben(uhr, fehlt.string(), true, true));
    EXPECT_TRUE(Meldung18(fehlt));
}

TEST_F(ExportTest, AFileNamedLikeTheTemporarySurvives) {
    const fs::path ziel = verz / "skiora.$$$";
    EXPECT_TRUE(ExportSchreiben(uhr, ziel.string(), true, false));
    EXPECT_EQ(Lies(ziel).rfind("IN;", 0), 0u);
    EXPECT_TRUE(ExportSchreiben(uhr, ziel.string(), false, false));
    EXPECT_EQ(Lies(ziel).rfind("0\r\nSECTION", 0), 0u);
}

TEST(QtFilterTest, WindowsFilterListBecomesQtSyntax) {
    EXPECT_EQ(QtFilter(lang::TextTabelle1(1, 30)).toStdString(),
              "HPGL-Datei (*.plt);;dxf-Datei (*.dxf);;Anderes Format (*.*)");
    EXPECT_EQ(QtFilter("Tables|*.csv;*.txt|odd").toStdString(), "Tables (*.csv *.txt)");
}

} // namespace
} // namespace skiora::app
