// The one write path: what stays on disk when a write succeeds or fails,
// and the bounded reading of input files.
#include "core/Datei.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace skiora;

namespace {

std::string Inhalt(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

void Lege(const fs::path& p, const std::string& s) {
    std::ofstream(p, std::ios::binary) << s;
}

class Datei : public ::testing::Test {
  protected:
    void SetUp() override {
        ordner = fs::temp_directory_path() /
                 ("skiora-datei-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(ordner);
        fs::create_directories(ordner);
    }
    void TearDown() override {
        fs::permissions(ordner, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(ordner);
    }
    // The names in the folder, so a test sees every file left behind.
    std::vector<std::string> Namen() const {
        std::vector<std::string> n;
        for (const auto& e : fs::directory_iterator(ordner))
            n.push_back(e.path().filename().string());
        std::sort(n.begin(), n.end());
        return n;
    }
    fs::path ordner;
};

TEST_F(Datei, ReplacesAWholeFileAndKeepsItsMode) {
    const fs::path ziel = ordner / "t.csv";
    auto r = datei::SicherSchreiben(ziel, "neu", 1);
    ASSERT_TRUE(r) << r.meldung;
    EXPECT_EQ(Inhalt(ziel), "neu");
    // A new file gets the usual mode (0666 less the umask), not the 0600 of
    // the temporary.
    const mode_t maske = ::umask(022);
    ::umask(maske);
    EXPECT_EQ(fs::status(ziel).permissions(), static_cast<fs::perms>(0666 & ~maske));

    fs::permissions(ziel, static_cast<fs::perms>(0640));
    ASSERT_TRUE(datei::SicherSchreiben(ziel, "zwei", 2));
    EXPECT_EQ(Inhalt(ziel), "zwei");
    EXPECT_EQ(fs::status(ziel).permissions(), static_cast<fs::perms>(0640));
    EXPECT_EQ(Namen(), std::vector<std::string>{"t.csv"});
}

TEST_F(Datei, LeavesFilesNamedLikeTemporariesAlone) {
    // Names earlier versions used for their temporaries, one of them a link
    // to a file that must not be overwritten.
    const fs::path opfer = ordner / "opfer.txt";
    Lege(opfer, "unberührt");
    for (const char* n : {"skiora.$$$", "X.dxf.tmp", "X.dxf.skiora-tmp", "X.dxf.part"})
        Lege(ordner / n, n);
    fs::create_symlink(opfer, ordner / "X.dxf.~1");
    ASSERT_TRUE(datei::SicherSchreiben(ordner / "X.dxf", "dxf", 1));
    for (const char* n : {"skiora.$$$", "X.dxf.tmp", "X.dxf.skiora-tmp", "X.dxf.part"})
        EXPECT_EQ(Inhalt(ordner / n), n);
    EXPECT_EQ(Inhalt(opfer), "unberührt");
    EXPECT_EQ(Namen().size(), 7u);
}

TEST_F(Datei, WritesThroughALinkAndKeepsIt) {
    const fs::path echt = ordner / "echt.png", link = ordner / "link.png";
    Lege(echt, "alt");
    fs::create_symlink("echt.png", link); // relative, as users make them
    ASSERT_TRUE(datei::SicherSchreiben(link, "neu", 1));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Inhalt(echt), "neu");

    // A dangling link: the file it names is created, the link stays.
    const fs::path lose = ordner / "lose.svg";
    fs::create_symlink(ordner / "neu.svg", lose);
    ASSERT_TRUE(datei::SicherSchreiben(lose, "svg", 1));
    EXPECT_TRUE(fs::is_symlink(lose));
    EXPECT_EQ(Inhalt(ordner / "neu.svg"), "svg");

    fs::create_symlink("schleife", ordner / "schleife");
    auto r = datei::SicherSchreiben(ordner / "schleife", "x", 2);
    EXPECT_FALSE(r);
    EXPECT_NE(r.meldung.find("too many symbolic links"), std::string::npos) << r.meldung;
}

TEST_F(Datei, DevicesAndPipesAreWrittenNotReplaced) {
    ASSERT_TRUE(datei::SicherSchreiben("/dev/null", "weg", 1));
    EXPECT_TRUE(fs::is_character_file("/dev/null"));

    auto voll = datei::SicherSchreiben("/dev/full", "x", 1);
    EXPECT_FALSE(voll);
    EXPECT_EQ(voll.meldung,
              "Die Datei /dev/full kann nicht geschrieben werden: kein Platz mehr auf dem "
              "Datenträger.");
    EXPECT_TRUE(fs::is_character_file("/dev/full"));

    const fs::path fifo = ordner / "rohr";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    // Nobody reads: an error at once instead of a program that hangs.
    auto ohne = datei::SicherSchreiben(fifo, "x", 2);
    EXPECT_FALSE(ohne);
    EXPECT_NE(ohne.meldung.find("nobody reads from the pipe"), std::string::npos);
    std::string empfangen;
    std::thread leser([&] { empfangen = Inhalt(fifo); });
    // The reader opens the pipe in its own time; until then the write fails.
    datei::Ergebnis r;
    for (int i = 0; i < 500 && !(r = datei::SicherSchreiben(fifo, "durch", 1)); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    leser.join();
    EXPECT_TRUE(r) << r.meldung;
    EXPECT_EQ(empfangen, "durch");
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_EQ(Namen(), std::vector<std::string>{"rohr"});
}

TEST_F(Datei, RefusesFoldersAndMissingFolders) {
    fs::create_directory(ordner / "sub");
    auto r = datei::SicherSchreiben(ordner / "sub", "x", 2);
    EXPECT_FALSE(r);
    EXPECT_NE(r.meldung.find("this is a folder"), std::string::npos);
    EXPECT_TRUE(fs::is_directory(ordner / "sub"));
    r = datei::SicherSchreiben(ordner / "fehlt" / "a.csv", "x", 1);
    EXPECT_FALSE(r);
    EXPECT_NE(r.meldung.find("den Ordner gibt es nicht"), std::string::npos);
    EXPECT_FALSE(datei::SicherSchreiben("", "x", 1));
    EXPECT_EQ(Namen(), std::vector<std::string>{"sub"});
}

// Runs `pruefe` in a child process as an ordinary user (nobody, when the
// tests run as root, who may write anywhere); true when it returned true.
bool AlsBenutzer(const std::function<bool()>& pruefe) {
    const pid_t kind = ::fork();
    if (kind == 0) {
        if (::geteuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(2);
        ::_exit(pruefe() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(kind, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST_F(Datei, WriteProtectionIsHonoured) {
    // A read-only folder: nothing can be created or renamed there.
    const fs::path ziel = ordner / "c.ini";
    Lege(ziel, "alt");
    fs::permissions(ordner, static_cast<fs::perms>(0555));
    EXPECT_TRUE(AlsBenutzer([&] {
        auto r = datei::SicherSchreiben(ziel, "neu", 2);
        return !r && r.meldung.find("no permission to write") != std::string::npos;
    }));
    EXPECT_EQ(Inhalt(ziel), "alt");

    // A write-protected file in a folder open to all is not replaced by a
    // rename behind its back.
    fs::permissions(ordner, static_cast<fs::perms>(0777));
    fs::permissions(ziel, static_cast<fs::perms>(0444));
    EXPECT_TRUE(AlsBenutzer([&] {
        auto r = datei::SicherSchreiben(ziel, "neu", 1);
        return !r && r.fehlerNr == EACCES;
    }));
    EXPECT_EQ(Inhalt(ziel), "alt");
    EXPECT_EQ(Namen(), std::vector<std::string>{"c.ini"});
}

TEST_F(Datei, AReplacedFileKeepsItsOwner) {
    if (::geteuid() != 0) GTEST_SKIP() << "only root can give a file away";
    const fs::path ziel = ordner / "geteilt.csv";
    Lege(ziel, "alt");
    ASSERT_EQ(::chown(ziel.c_str(), 4321, 4322), 0);
    ASSERT_TRUE(datei::SicherSchreiben(ziel, "neu", 1));
    struct stat st {};
    ASSERT_EQ(::stat(ziel.c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, 4321u);
    EXPECT_EQ(st.st_gid, 4322u);
}

// A disk that fills up half-way through the write, made with the file-size
// limit in a child process: the old file must stay byte for byte, and no
// temporary may be left behind.
TEST_F(Datei, FullDiskKeepsTheOldFileWhole) {
    const fs::path ziel = ordner / "gross.pdf";
    const std::string alt(3000, 'a');
    Lege(ziel, alt);
    const pid_t kind = ::fork();
    ASSERT_GE(kind, 0);
    if (kind == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit grenze{8192, 8192};
        ::setrlimit(RLIMIT_FSIZE, &grenze);
        auto r = datei::SicherSchreiben(ziel, std::string(100000, 'n'), 2);
        const bool richtig = !r && r.fehlerNr == EFBIG &&
                             r.meldung == "Cannot write the file " + ziel.string() +
                                              ": the file would be too large.";
        ::_exit(richtig ? 0 : 1);
    }
    int status = 0;
    ::waitpid(kind, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(Inhalt(ziel), alt);
    EXPECT_EQ(Namen(), std::vector<std::string>{"gross.pdf"});
}

TEST_F(Datei, ReadingStopsAtTheBound) {
    const fs::path klein = ordner / "k.ini";
    Lege(klein, "2002\r\n47.25\r\n");
    auto g = datei::BegrenztLesen(klein, 64, 1);
    ASSERT_TRUE(g.ergebnis);
    EXPECT_EQ(g.inhalt, "2002\r\n47.25\r\n");
    EXPECT_FALSE(g.zuGross);

    // Exactly the bound is still whole; one byte more is too large.
    Lege(klein, std::string(64, 'x'));
    EXPECT_FALSE(datei::BegrenztLesen(klein, 64, 1).zuGross);
    Lege(klein, std::string(65, 'x'));
    g = datei::BegrenztLesen(klein, 64, 1);
    EXPECT_TRUE(g.zuGross);
    EXPECT_EQ(g.inhalt.size(), 64u);

    // An endless source ends at the bound too.
    g = datei::BegrenztLesen("/dev/zero", 1 << 16, 1);
    EXPECT_TRUE(g.ergebnis);
    EXPECT_TRUE(g.zuGross);

    // A pipe nobody writes into reads as empty instead of blocking.
    const fs::path fifo = ordner / "rohr.ini";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    g = datei::BegrenztLesen(fifo, 64, 1);
    EXPECT_TRUE(g.ergebnis);
    EXPECT_EQ(g.inhalt, "");

    g = datei::BegrenztLesen((ordner / "fehlt.ini").string(), 64, 2);
    EXPECT_FALSE(g.ergebnis);
    EXPECT_NE(g.ergebnis.meldung.find("no such file"), std::string::npos);
    g = datei::BegrenztLesen(ordner.string(), 64, 1);
    EXPECT_FALSE(g.ergebnis);
    EXPECT_NE(g.ergebnis.meldung.find("das ist ein Ordner"), std::string::npos);
}

} // namespace
