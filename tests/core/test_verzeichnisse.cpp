// Where the program finds its help and keeps the start configuration: beside
// itself in a build tree, in share/skiora and the user's folder when installed.
#include "core/Verzeichnisse.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace skiora;

namespace {

struct Umgebung {
    const char* name;
    std::string alt;
    bool hatte;
    explicit Umgebung(const char* n) : name(n), hatte(std::getenv(n) != nullptr) {
        if (hatte) alt = std::getenv(n);
    }
    ~Umgebung() {
        if (hatte)
            setenv(name, alt.c_str(), 1);
        else
            unsetenv(name);
    }
};

} // namespace

TEST(Verzeichnisse, BauBaumUndInstallation) {
    const fs::path wurzel = fs::temp_directory_path() / ("skiora-verz-" + std::to_string(getpid()));
    fs::remove_all(wurzel);
    fs::create_directories(wurzel / "build");
    fs::create_directories(wurzel / "usr/bin");
    fs::create_directories(wurzel / "usr/share/skiora");
    std::ofstream(wurzel / "build/skiora_d.html") << "<html/>";
    std::ofstream(wurzel / "usr/share/skiora/skiora_d.html") << "<html/>";
    const std::string bau = (wurzel / "build").string() + "/";
    const std::string bin = (wurzel / "usr/bin").string() + "/";

    Umgebung xdg("XDG_CONFIG_HOME"), heim("HOME");
    setenv("XDG_CONFIG_HOME", "/xdg/config", 1);
    setenv("HOME", "/home/gnomon", 1);

    EXPECT_FALSE(verz::Installiert(bau));
    EXPECT_EQ(verz::DatenVerz(bau), bau);
    EXPECT_EQ(verz::StartKonfigVerz(bau), bau);

    EXPECT_TRUE(verz::Installiert(bin));
    EXPECT_EQ(verz::DatenVerz(bin), (wurzel / "usr/share/skiora").string() + "/");
    EXPECT_EQ(verz::StartKonfigVerz(bin), "/xdg/config/skiora/");
    // A relative XDG_CONFIG_HOME does not count; without HOME there is no
    // user's folder, and the program's own is all there is.
    setenv("XDG_CONFIG_HOME", "relativ", 1);
    EXPECT_EQ(verz::StartKonfigVerz(bin), "/home/gnomon/.config/skiora/");
    unsetenv("XDG_CONFIG_HOME");
    unsetenv("HOME");
    EXPECT_EQ(verz::StartKonfigVerz(bin), bin);

    // A program folder without help and without share/skiora: nothing moves.
    const std::string leer = (wurzel / "usr").string() + "/";
    EXPECT_FALSE(verz::Installiert(leer));
    EXPECT_EQ(verz::DatenVerz(leer), leer);
    fs::remove_all(wurzel);
}
