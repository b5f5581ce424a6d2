// The table export: the file layout line by line, the split-analemma header,
// the save dialog's file-name rule and writing through a temporary file.
#include "core/Sonnenuhr.h"
#include "report/Csv.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

using namespace skiora;
using report::Seite;
namespace fs = std::filesystem;

namespace {

std::string Csv(const Sonnenuhr& uhr, Seite seite) {
    auto kopf = report::KopfBauen(uhr, seite);
    EXPECT_TRUE(kopf.has_value());
    std::ostringstream aus;
    if (kopf) report::CsvSchreiben(*kopf, report::TabelleVon(uhr, seite), aus);
    return aus.str();
}

std::string Lies(const fs::path& p) {
    std::ifstream ein(p, std::ios::binary);
    std::stringstream s;
    s << ein.rdbuf();
    return s.str();
}

Sonnenuhr Standarduhr(bool deutsch) {
    Sonnenuhr uhr;
    uhr.sprache.Waehle(deutsch);
    uhr.btGoClick();
    return uhr;
}

} // namespace

// Golden files of the default dial, read by a person when they were made.
// SKIORA_UPDATE_GOLDEN=1 rewrites them; a mismatch leaves <name>.actual beside.
TEST(CsvExport, DefaultDialMatchesTheGoldenFiles) {
    const fs::path golden = fs::path(SKIORA_SOURCE_DIR) / "tests" / "report" / "golden";
    const char* neu = std::getenv("SKIORA_UPDATE_GOLDEN");
    const bool erneuern = neu && std::string(neu) == "1";
    const std::pair<const char*, Seite> seiten[] = {
        {"hours", Seite::Stunden}, {"shadow", Seite::Schatten}, {"dates", Seite::Datum}};
    for (bool deutsch : {true, false}) {
        const Sonnenuhr uhr = Standarduhr(deutsch);
        for (const auto& [name, seite] : seiten) {
            const std::string datei = std::string(name) + (deutsch ? "_de" : "_en") + ".csv";
            const std::string ist = Csv(uhr, seite);
            if (erneuern) {
                std::ofstream(golden / datei, std::ios::binary) << ist;
                continue;
            }
            const std::string soll = Lies(golden / datei);
            ASSERT_FALSE(soll.empty()) << "missing golden file " << datei;
            // Byte for byte: CR LF line ends and the Windows code page included.
            EXPECT_EQ(ist, soll) << datei;
            if (ist != soll) std::ofstream(golden / (datei + ".actual"), std::ios::binary) << ist;
        }
    }
}

TEST(CsvExport, CellsAreWrittenUnchangedInTheWindowsCodePage) {
    Gitter g(2, 2);
    g.Setze(0, 0, "a\"b");
    g.Setze(1, 1, "Größe");
    std::ostringstream aus;
    report::TabelleSchreiben(g, aus);
    EXPECT_EQ(aus.str(), "\"a\"b\";\"\";\r\n\"\";\"Gr\xF6\xDF"
                         "e\";\r\n");
}

TEST(CsvExport, SplitAnalemmaHeaderLinesAndUnreadableCells) {
    Sonnenuhr uhr;
    uhr.p.Arten = 2;
    auto& ein = uhr.tab.StrGridEin;
    auto kopf = [&](Seite seite = Seite::Vormittag) {
        std::string fehler;
        auto k = report::KopfBauen(uhr, seite, &fehler);
        EXPECT_TRUE(k.has_value()) << fehler;
        return k.value_or(report::Kopf{});
    };

    uhr.p.Mittelwert = 0;
    ein.Setze(1, 1, "  8.00");
    ein.Setze(1, 2, " 11.00");
    ein.Setze(3, 1, " 13.50");
    ein.Setze(3, 2, " 17.50");
    auto k = kopf();
    EXPECT_EQ(k.titel, "Fehlertabelle bei Ablesung mittlerer Zeit  (Vormittag)");
    EXPECT_EQ(k.h3, "\"Gnomon Hoehe= 1.70,   Gnomon Neigung=  0.00\";");
    EXPECT_EQ(k.h4, "\"zweigeteilte Sonnenuhr: exakt für 2 ausgewählte Stunden (  8:00 Uhr,  "
                    "11:00 Uhr )\";");
    EXPECT_EQ(k.h5, "\"Nachmittag für  13:30 Uhr,  17:30 Uhr\";");
    // A cell the line needs that is not a number, or empty, stops the export.
    ein.Setze(1, 1, "abc");
    std::string fehler;
    EXPECT_FALSE(report::KopfBauen(uhr, Seite::Mittel, &fehler));
    EXPECT_NE(fehler.find("Fehlerhafte Eingabe !"), std::string::npos);
    ein.Setze(1, 1, "");
    EXPECT_FALSE(report::KopfBauen(uhr, Seite::Mittel));

    // Method 1: the list runs to its last hour, not to the second row.
    uhr.p.Mittelwert = 1;
    ein.Leeren();
    for (int r = 1; r <= 9; ++r)
        ein.Setze(3, r, std::to_string(12.5 + 0.5 * r));
    ein.Setze(4, 2, "  0.50");
    EXPECT_EQ(kopf().h5, "\"Nachmittag für : 13:00 - 17:00 im Intervall  0:30\";");

    // Methods 2 to 4: every hour down to the first empty cell.
    uhr.p.Mittelwert = 2;
    ein.Leeren();
    ein.Setze(3, 1, "8");
    ein.Setze(3, 2, "10");
    k = kopf();
    EXPECT_EQ(k.h4, "\"zweigeteilte Sonnenuhr: kleinster mittlerer Absolutfehler\";");
    EXPECT_EQ(k.h5, "\"Nachmittag für   8:00 10:00\";");

    uhr.sprache.Waehle(false);
    k = kopf(Seite::Nachmittag);
    EXPECT_EQ(k.titel, "Reading Mean Time - Error Table  (afternoon)");
    std::ostringstream aus;
    report::CsvSchreiben(k, uhr.tab.StrGrid8, aus);
    EXPECT_NE(aus.str().find("\r\n\"Afternoon for   8:00 10:00\";\r\n\" \";\r\n"),
              std::string::npos);
}

TEST(CsvExport, FileNameOfTheSaveDialog) {
    EXPECT_EQ(report::TabellenDateiname("table.txt", 1), "table.csv");
    EXPECT_EQ(report::TabellenDateiname("table", 2), "table.txt");
    EXPECT_EQ(report::TabellenDateiname("my.data.csv", 1), "my.data.csv");
    EXPECT_EQ(report::TabellenDateiname("/home/a.b/table", 1), "/home/a.b/table.csv");
    EXPECT_EQ(report::TabellenDateiname("C:\\x.y\\Tabelle", 2), "C:\\x.y\\Tabelle.txt");
}

TEST(CsvExport, WritingThroughATemporaryFile) {
    const fs::path d = fs::path(SKIORA_BINARY_DIR) / "tests" / "report" / "schreiben";
    fs::remove_all(d);
    fs::create_directories(d);
    Sonnenuhr uhr = Standarduhr(true);
    auto anzahl = [&] {
        return std::distance(fs::directory_iterator(d), fs::directory_iterator());
    };
    std::string fehler;

    const fs::path fehlt = d / "gibt-es-nicht" / "t.csv";
    EXPECT_FALSE(report::TabelleSpeichern(uhr, Seite::Stunden, fehlt.string(), fehler));
    EXPECT_EQ(fehler, "Die Datei " + fehlt.string() +
                          " kann nicht geschrieben werden: den Ordner gibt es nicht.");
    EXPECT_EQ(anzahl(), 0);

    // Replacing a file leaves the new content and no temporary file.
    const fs::path ziel = d / "t.csv";
    std::ofstream(ziel) << "alt";
    ASSERT_TRUE(report::TabelleSpeichern(uhr, Seite::Stunden, ziel.string(), fehler)) << fehler;
    EXPECT_EQ(Lies(ziel), Csv(uhr, Seite::Stunden));
    EXPECT_EQ(anzahl(), 1);

    // A target that cannot be replaced (a directory) keeps what was there.
    fs::create_directory(d / "ordner.csv");
    EXPECT_FALSE(
        report::TabelleSpeichern(uhr, Seite::Stunden, (d / "ordner.csv").string(), fehler));
    EXPECT_TRUE(fs::is_directory(d / "ordner.csv"));
    EXPECT_EQ(anzahl(), 2);

    // A header that cannot be built writes nothing.
    uhr.p.Arten = 2;
    uhr.p.Mittelwert = 0;
    uhr.tab.StrGridEin.Setze(1, 1, "abc");
    fehler.clear();
    EXPECT_FALSE(report::TabelleSpeichern(uhr, Seite::Mittel, (d / "m.csv").string(), fehler));
    EXPECT_FALSE(fehler.empty());
    EXPECT_EQ(anzahl(), 2);
}
