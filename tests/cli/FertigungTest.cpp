// The true-size files from the command line: the options, and refusals.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>

namespace fs = std::filesystem;

namespace {

struct Lauf {
    int status = -1;
    std::string fehler;
};

fs::path Verzeichnis() {
    static const fs::path d = [] {
        fs::path p = fs::path(SKIORA_BINARY_DIR) / "tests" / "cli" / "fertigung";
        fs::remove_all(p);
        fs::create_directories(p);
        return p;
    }();
    return d;
}

std::string Lies(const fs::path& p) {
    std::ifstream ein(p, std::ios::binary);
    std::stringstream s;
    s << ein.rdbuf();
    return s.str();
}

Lauf Starte(const std::string& argumente) {
    const fs::path fehler = Verzeichnis() / "stderr.txt";
    const std::string befehl = "'" + std::string(SKIORA_BINARY_DIR) + "/skiora' " + argumente +
                               " >/dev/null 2>'" + fehler.string() + "'";
    const int r = std::system(befehl.c_str());
    return {WIFEXITED(r) ? WEXITSTATUS(r) : -1, Lies(fehler)};
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
