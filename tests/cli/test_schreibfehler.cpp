// Every output of the command line against what goes wrong on real disks:
// a full file system, a read-only folder or mount, a pipe, a folder, a link,
// and files named like the temporaries of earlier versions. A failed output
// leaves the old file byte for byte and nothing beside it, says which file
// and why, and the run ends with status 1.
#include "Lauf.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Option and file name of each output, all written in one run.
const std::vector<std::pair<std::string, std::string>> Ausgaben = {
    {"--table hours", "t.csv"}, {"--png", "u.png"},        {"--svg", "u.svg"},
    {"--error-png", "e.png"},   {"--print-pdf", "d.pdf"},  {"--lists-pdf", "l.pdf"},
    {"--hpgl", "p.plt"},        {"--dxf", "p.dxf"},        {"--save-config", "c.ini"},
    {"--svg-mm", "m.svg"},      {"--dxf-mm", "m.dxf"},     {"--noon-table", "n.csv"},
    {"--reach-table", "r.csv"}, {"--layout-pdf", "a.pdf"}, {"--tiles-pdf", "k.pdf"}};

using skiora::test::Lies;

void Lege(const fs::path& p, const std::string& s) {
    std::ofstream(p, std::ios::binary) << s;
}

class Schreibfehler : public ::testing::Test {
  protected:
    void SetUp() override {
        ordner = fs::path(SKIORA_BINARY_DIR) / "tests" / "cli" /
                 ("schreibfehler-" +
                  std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        Leeren();
    }
    void TearDown() override {
        if (eingehaengt) ::umount2(ordner.c_str(), MNT_DETACH);
        fs::permissions(ordner, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(ordner);
    }
    void Leeren() {
        fs::remove_all(ordner);
        fs::create_directories(ordner);
    }
    // A small file system of its own, where the tests may mount one.
    bool Einhaengen(const char* optionen) {
        eingehaengt = ::mount("skiora-test", ordner.c_str(), "tmpfs", 0, optionen) == 0;
        return eingehaengt;
    }
    // The program with every output aimed into the folder; `vor` goes in
    // front of it (limits, another user). Standard error is kept.
    int Starte(const std::string& vor = "", const std::string& dxf = "p.dxf") {
        std::string befehl = vor + " '" SKIORA_BINARY_DIR "/skiora' --lang de";
        for (const auto& [option, datei] : Ausgaben)
            befehl +=
                " " + option + " '" + (ordner / (option == "--dxf" ? dxf : datei)).string() + "'";
        meldungen.clear();
        FILE* f = ::popen((befehl + " 2>&1 >/dev/null").c_str(), "r");
        char puffer[4096];
        for (size_t n; (n = std::fread(puffer, 1, sizeof puffer, f)) > 0;)
            meldungen.append(puffer, n);
        const int status = ::pclose(f);
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128;
    }
    void AlteDateien() {
        for (const auto& [option, datei] : Ausgaben)
            Lege(ordner / datei, "alt " + datei);
    }
    std::set<std::string> Namen() const {
        std::set<std::string> n;
        for (const auto& e : fs::directory_iterator(ordner))
            n.insert(e.path().filename().string());
        return n;
    }
    // What every failed output must show: status 1, the old file, nothing
    // beside it, the file and the reason named (after message 42 for a print).
    void AlleGescheitert(int status, const std::string& grund, std::set<std::string> namen = {}) {
        EXPECT_EQ(status, 1) << meldungen;
        for (const auto& [option, datei] : Ausgaben) {
            namen.insert(datei);
            if (fs::is_regular_file(ordner / datei)) {
                EXPECT_EQ(Lies(ordner / datei), "alt " + datei);
            }
            const std::string text = "Die Datei " + (ordner / datei).string() +
                                     " kann nicht geschrieben werden: " + grund + ".\n";
            const auto stelle = meldungen.find(text);
            EXPECT_NE(stelle, std::string::npos) << option << "\n" << meldungen;
            const bool druck = option == "--print-pdf" || option == "--lists-pdf";
            if (druck && stelle != std::string::npos) {
                EXPECT_EQ(meldungen.rfind("Fehler - Drucken abgebrochen!\n", stelle) + 30, stelle);
            }
        }
        EXPECT_EQ(Namen(), namen);
    }

    fs::path ordner;
    bool eingehaengt = false;
    std::string meldungen;
};

TEST_F(Schreibfehler, AFullDisk) {
    // Every write stops after 100 bytes, half-way through each file.
    AlteDateien();
    AlleGescheitert(Starte("trap '' XFSZ; prlimit --fsize=100"), "die Datei wird zu groß");

    if (!Einhaengen("size=64k")) GTEST_SKIP() << "no tmpfs can be mounted here";
    AlteDateien();
    Lege(ordner / "voll", std::string(1 << 20, 'v')); // takes every page left
    AlleGescheitert(Starte(), "kein Platz mehr auf dem Datenträger", {"voll"});
}

TEST_F(Schreibfehler, ReadOnlyFolderAndMount) {
    // An ordinary user, since root writes into any folder.
    AlteDateien();
    fs::permissions(ordner, static_cast<fs::perms>(0555));
    AlleGescheitert(
        Starte(::geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups" : ""),
        "keine Schreibberechtigung");

    if (!Einhaengen("size=1m")) GTEST_SKIP() << "no tmpfs can be mounted here";
    AlteDateien();
    ASSERT_EQ(::mount(nullptr, ordner.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0);
    AlleGescheitert(Starte(), "der Datenträger ist schreibgeschützt");
}

TEST_F(Schreibfehler, PipesAndFoldersAreNeverReplaced) {
    // Nobody reads from the pipes: an error at once, and the pipes stay.
    for (const auto& [option, datei] : Ausgaben)
        ASSERT_EQ(::mkfifo((ordner / datei).c_str(), 0644), 0);
    AlleGescheitert(Starte(), "niemand liest aus der Pipe");
    for (const auto& [option, datei] : Ausgaben)
        EXPECT_TRUE(fs::is_fifo(ordner / datei)) << datei;

    Leeren();
    for (const auto& [option, datei] : Ausgaben) {
        fs::create_directory(ordner / datei);
        Lege(ordner / datei / "drin", "bleibt");
    }
    AlleGescheitert(Starte(), "das ist ein Ordner");
    for (const auto& [option, datei] : Ausgaben)
        EXPECT_EQ(Lies(ordner / datei / "drin"), "bleibt") << datei;
}

TEST_F(Schreibfehler, LinksAreKeptAndOldTemporaryNamesLeftAlone) {
    // Every output through a link into another folder; beside each, files and
    // links (to a victim) with the names earlier versions gave temporaries.
    fs::create_directory(ordner / "echt");
    Lege(ordner / "opfer.txt", "unberührt");
    Lege(ordner / "skiora.$$$", "meins");
    std::set<std::string> namen = {"echt", "opfer.txt", "skiora.$$$"};
    for (const auto& [option, datei] : Ausgaben) {
        Lege(ordner / "echt" / datei, "alt");
        fs::create_symlink(fs::path("echt") / datei, ordner / datei);
        Lege(ordner / (datei + ".tmp"), "meins");
        Lege(ordner / (datei + ".skiora-tmp"), "meins");
        fs::create_symlink("opfer.txt", ordner / (datei + ".part"));
        namen.insert({datei, datei + ".tmp", datei + ".skiora-tmp", datei + ".part"});
    }
    EXPECT_EQ(Starte(), 0) << meldungen;
    for (const auto& [option, datei] : Ausgaben) {
        EXPECT_TRUE(fs::is_symlink(ordner / datei)) << datei;
        EXPECT_GT(fs::file_size(ordner / "echt" / datei), 3u) << datei;
        EXPECT_EQ(Lies(ordner / (datei + ".tmp")) + Lies(ordner / (datei + ".skiora-tmp")),
                  "meinsmeins");
    }
    EXPECT_EQ(Lies(ordner / "opfer.txt"), "unberührt");
    EXPECT_EQ(Lies(ordner / "skiora.$$$"), "meins");
    EXPECT_EQ(Namen(), namen);

    // A link into a missing folder fails and stays a link.
    Leeren();
    for (const auto& [option, datei] : Ausgaben)
        fs::create_symlink(fs::path("fehlt") / datei, ordner / datei);
    AlleGescheitert(Starte(), "den Ordner gibt es nicht");
    EXPECT_FALSE(fs::exists(ordner / "fehlt"));

    // A drawing named like the old intermediate file is written like any other.
    Leeren();
    EXPECT_EQ(Starte("", "skiora.$$$"), 0) << meldungen;
    EXPECT_EQ(Lies(ordner / "skiora.$$$").substr(0, 9), "0\r\nSECTIO");
}

} // namespace
