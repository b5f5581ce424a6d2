// The true-size files from the command line: the options, and refusals.
#include "Lauf.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>

namespace fs = std::filesystem;

namespace {

using skiora::test::Lauf;
using skiora::test::Lies;

fs::path Verzeichnis() {
    static const fs::path d = skiora::test::LaufOrdner("fertigung");
    return d;
}

Lauf Starte(const std::string& argumente) {
    return skiora::test::Starte(Verzeichnis(), argumente);
}

} // namespace

TEST(Befehlszeile, TrueSizeFilesTheirOptionsAndRefusals) {
    const fs::path d = Verzeichnis();
    const std::string svg = (d / "uhr.svg").string(), dxf = (d / "uhr.dxf").string();
    // The plot's axis (--scaled) must not reach the true-size files.
    Lauf l = Starte("--svg-mm '" + svg + "' --dxf-mm '" + dxf + "' --hpgl '" +
                    (d / "p.plt").string() + "' --scaled 5");
    ASSERT_EQ(l.status, 0) << l.fehler;
    EXPECT_NE(Lies(svg).find("width=\"5740mm\""), std::string::npos);
    EXPECT_NE(Lies(dxf).find("$INSUNITS\r\n 70\r\n4\r\n"), std::string::npos);

    l = Starte("--svg-mm '" + svg + "' --dxf-mm '" + dxf +
               "' --units imperial --point-diameter 1 --font-size 0.5");
    ASSERT_EQ(l.status, 0) << l.fehler;
    EXPECT_NE(Lies(svg).find("in\" viewBox="), std::string::npos);
    EXPECT_NE(Lies(svg).find("r=\"0.5\""), std::string::npos); // 1 inch across
    EXPECT_NE(Lies(dxf).find("$INSUNITS\r\n 70\r\n1\r\n"), std::string::npos);

    for (const char* falsch :
         {"--point-diameter 0", "--point-diameter -2", "--font-size abc", "--font-size nan",
          "--units furlong", "--units", "--point-diameter 1e308", "--font-size 1001",
          "--font-size 39 --units imperial --point-diameter 41"}) {
        l = Starte(std::string(falsch) + " --svg-mm '" + (d / "nie.svg").string() + "'");
        EXPECT_EQ(l.status, 2) << falsch;
        EXPECT_NE(l.fehler.find("usage: skiora"), std::string::npos) << falsch;
    }
    EXPECT_FALSE(fs::exists(d / "nie.svg"));

    const fs::path fehlt = d / "fehlt" / "uhr.dxf";
    l = Starte("--lang en --dxf-mm '" + fehlt.string() + "'");
    EXPECT_EQ(l.status, 1);
    EXPECT_NE(l.fehler.find(fehlt.string()), std::string::npos) << l.fehler;
    EXPECT_FALSE(fs::exists(d / "fehlt"));
}
