// The help hook and its viewer calls: which file and topic are shown, which
// commands go back to the caller, the messages and the diagnostic log.
#include "HilfeTestUmgebung.h"

#include "help/HilfeDatei.h"
#include "help/HilfeFenster.h"
#include "help/HilfeHaken.h"
#include "help/HilfeThemen.h"

#include <QDir>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace skiora;
using namespace skiora::help;

namespace {

const std::string Inhalt = std::string(SKIORA_SOURCE_DIR) + "/help/content/";

// A program directory of its own for each test, so logs do not mix.
struct HilfeTest : ::testing::Test {
    QTemporaryDir verz;
    SammelMelder melder;
    QByteArray altPfad = qgetenv("PATH");
    void SetUp() override { TestAnwendung(); }
    void TearDown() override { qputenv("PATH", altPfad); }
    HilfeSystem::Start Start(QStringList args = {}) const {
        return {verz.filePath("skiora"), args};
    }
    QStringList LogZeilen(const QString& datei) const {
        QFile f(datei);
        if (!f.open(QIODevice::ReadOnly)) return {};
        return QString::fromLatin1(f.readAll()).split("\r\n", Qt::SkipEmptyParts);
    }
};

TEST_F(HilfeTest, Command1OpensTheLanguagesFileAtTheTopicAndReleaseClosesIt) {
    HilfeSystem system(melder, Start());
    ASSERT_TRUE(system.HtmlHilfeDa());
    {
        HilfeHaken haken(system, Inhalt);
        haken.SetzeHilfeDatei(HilfeDateiPfad(Inhalt, false));
        haken.ZeigeThema(ThemaExport);
        auto offen = system.OffeneFenster();
        ASSERT_EQ(offen.size(), 1u);
        EXPECT_EQ(offen[0]->Datei().toStdString(), Inhalt + "skiora_e.html");
        EXPECT_EQ(offen[0]->source().fragment(), "topic-7");
        EXPECT_GT(offen[0]->verticalScrollBar()->value(), 0) << "not scrolled to the topic";
        // A second topic reuses the window of the same file.
        haken.ZeigeThema(HilfeThemaVon("eLang"));
        ASSERT_EQ(system.OffeneFenster().size(), 1u);
        EXPECT_EQ(offen[0]->source().fragment(), "topic-21");
        EXPECT_TRUE(offen[0]->toPlainText().contains("west"));
    }
    // The language switch releases the hook: its windows are gone.
    EXPECT_TRUE(system.OffeneFenster().empty());
    HilfeHaken deutsch(system, HilfeDateiPfad(Inhalt, true));
    deutsch.ZeigeThema(ThemaUebersicht);
    auto offen = system.OffeneFenster();
    ASSERT_EQ(offen.size(), 1u);
    EXPECT_EQ(offen[0]->Datei().toStdString(), Inhalt + "skiora_d.html");
    EXPECT_TRUE(melder.eintraege.empty());
    system.CloseAll();
    EXPECT_TRUE(system.OffeneFenster().empty());
}

TEST_F(HilfeTest, MissingFileStillOpensAViewerThatSaysSo) {
    HilfeSystem system(melder, Start());
    HilfeHaken haken(system, verz.filePath("skiora_e.html").toStdString());
    haken.ZeigeThema(1);
    auto offen = system.OffeneFenster();
    ASSERT_EQ(offen.size(), 1u);
    EXPECT_TRUE(offen[0]->toPlainText().contains("not found!"));
}

TEST_F(HilfeTest, OnlyTopicPopupAndPositionStayWithTheHook) {
    HilfeSystem system(melder, Start());
    HilfeHaken haken(system, HilfeDateiPfad(Inhalt, true));
    int gezeigt = 0;
    QPoint beiPopup;
    haken.themenHandler = [&](int t) { gezeigt = t; };
    for (int befehl : {2, 3, 4, 5, 9, 10, 11, 12, 257, 258, 261, 513, 515, 77}) {
        bool weiter = false;
        EXPECT_TRUE(haken.HelpHook(befehl, 5, weiter));
        EXPECT_TRUE(weiter) << befehl;
    }
    EXPECT_EQ(gezeigt, 0);
    bool weiter = false;
    haken.HelpHook(HELP_CONTEXT, 33, weiter);
    EXPECT_EQ(gezeigt, 33);
    // Packed point: x = -3 in the low word, y = 200 in the high word.
    haken.HelpHook(HELP_SETPOPUP_POS, (200 << 16) | 0xFFFD, weiter);
    EXPECT_EQ(haken.PopupPosition(), QPoint(-3, 200));
    haken.HelpHook(HELP_CONTEXTPOPUP, 41, weiter);
    EXPECT_EQ(gezeigt, 41) << "without a popup handler a popup is a topic";
    haken.popupHandler = [&](int t, QPoint p) {
        gezeigt = t;
        beiPopup = p;
    };
    haken.HelpHook(HELP_CONTEXTPOPUP, 42, weiter);
    EXPECT_EQ(gezeigt, 42);
    EXPECT_EQ(beiPopup, QPoint(-3, 200));
    EXPECT_FALSE(weiter);
}

TEST(HilfePfad, BlanksWindowDefinitionAndPrefix) {
    EXPECT_EQ(HilfeSystem::HilfePfad("  /opt/My%20Dials/skiora_e.html ", "", 0),
              "/opt/My Dials/skiora_e.html");
    EXPECT_EQ(HilfeSystem::HilfePfad("a.html", " %20Main%20 ", 0), "a.html>Main");
    EXPECT_EQ(HilfeSystem::HilfePfad("a.html", "   ", 1), "a.html");
    EXPECT_EQ(HilfeSystem::HilfePfad("%20a b.html%20", "w 1", 2), "mk:@MSITStore:a b.html>w 1");
}

TEST_F(HilfeTest, CodesGiveTheirMessages) {
    HilfeSystem system(melder, Start());
    for (int code : {0, 1, 2, 3, 9})
        system.ShowError(code);
    ASSERT_EQ(melder.eintraege.size(), 4u);
    EXPECT_EQ(melder.eintraege[0].text, "MS Html Help is not installed on this PC.");
    EXPECT_EQ(melder.eintraege[1].text,
              "System file KeyHH.EXE was not found in the Windows folder.");
    EXPECT_EQ(melder.eintraege[2].text, "System file HH.EXE was not found in the Windows folder.");
    EXPECT_EQ(melder.eintraege[3].text, "Unknown error returned by HHHelpContext");
    for (const auto& e : melder.eintraege) {
        EXPECT_EQ(e.titel, "Skiora ");
        EXPECT_EQ(e.symbol, Symbol::Warnung);
    }
    // Without the external viewers on the PATH the hook reports 2 and 3.
    melder.eintraege.clear();
    qputenv("PATH", verz.path().toLocal8Bit());
    HilfeHaken key(system, "x.html", "", ModusKeyHH);
    key.ZeigeThema(20);
    HilfeHaken hh(system, "x.html", "", ModusHH);
    hh.ZeigeThema(20);
    ASSERT_EQ(melder.eintraege.size(), 2u);
    EXPECT_NE(melder.eintraege[0].text.find("KeyHH.EXE"), std::string::npos);
    EXPECT_NE(melder.eintraege[1].text.find("HH.EXE was"), std::string::npos);
    EXPECT_TRUE(system.OffeneFenster().empty());
}

TEST_F(HilfeTest, ExternalViewerIsStartedWithTopicAndPath) {
    const QString aus = verz.filePath("args.txt");
    QFile skript(verz.filePath("hh.exe")); // found whatever the case
    ASSERT_TRUE(skript.open(QIODevice::WriteOnly));
    skript.write(("#!/bin/sh\necho \"$@\" > '" + aus + "'\n").toLocal8Bit());
    skript.close();
    skript.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile kaputt(verz.filePath("KEYHH.Exe")); // there, but not executable
    ASSERT_TRUE(kaputt.open(QIODevice::WriteOnly));
    kaputt.close();
    kaputt.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    qputenv("PATH", verz.path().toLocal8Bit());

    HilfeSystem system(melder, Start());
    EXPECT_EQ(system.ShowTopic("/help%20dir/skiora_e.html", 25, "", ModusHH), 0);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(aus), 5000);
    QFile f(aus);
    QTRY_VERIFY_WITH_TIMEOUT(f.size() > 0, 5000);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll().trimmed(), "-mapid 25 mk:@MSITStore:/help dir/skiora_e.html");

    EXPECT_EQ(system.ShowTopic("a.html", 3, "", ModusKeyHH), 0);
    ASSERT_EQ(melder.eintraege.size(), 1u);
    EXPECT_EQ(melder.eintraege[0].text, "Function ShellExecute(" +
                                            verz.filePath("KEYHH.Exe").toStdString() +
                                            ", -win -#mapid 3 a.html)\rReturned: Access Denied");
}

TEST_F(HilfeTest, LogStartsWithItsHeaderAndRecordsTheCallsInOrder) {
    QFile(verz.filePath("debug.debug")).open(QIODevice::WriteOnly);
    const std::string datei = HilfeDateiPfad(Inhalt, false);
    {
        HilfeSystem system(melder, Start());
        ASSERT_EQ(system.Log().Datei(), verz.filePath("HHDebug.txt"));
        HilfeHaken haken(system, verz.path().toStdString());
        haken.SetzeHilfeDatei(datei);
        bool weiter = false;
        haken.HelpHook(HELP_CONTEXT, 24, weiter);
        haken.HelpHook(300, 0, weiter);
        HilfeHaken hh(system, "f.html", "", ModusHH);
        qputenv("PATH", "");
        hh.ZeigeThema(2);
    }
    const QStringList z = LogZeilen(verz.filePath("HHDebug.txt"));
    const QStringList etiketten{
        "!Log File:             ",  "!Date:                 ",  "!Operating System:      ",
        "!SysLocale.DefaultLCID: ", "!SysLocale.PriLangID:   ", "!SysLocale.SubLangID:   ",
        "!DecimalSeparator:      ", "!EXE Path =          ",    "!EXE Version =       ",
        "!Cmdline Param(s) =  ",    "!Actual CmdLine =  ",      "!_RunDir =           ",
        "!_ModuleName =       ",    "!_ModuleDir =        ",    "!_ModulePath =        ",
        "!Module Version =       ", "!_hhInstalled =      ",    "!_hhVerStr =         ",
        "!_hhFriendlyVerStr = ",    "!_ieInstalled =      ",    "!_ieVerStr =         ",
        "!_ieFriendlyVerStr = "};
    ASSERT_GE(z.size(), etiketten.size());
    for (int i = 0; i < etiketten.size(); ++i)
        EXPECT_TRUE(z[i].startsWith(etiketten[i])) << i;
    EXPECT_TRUE(z[0].endsWith("HHDebug.txt"));
    EXPECT_EQ(z[16], "!_hhInstalled =      True");
    const QString d = QString::fromStdString(datei);
    const QStringList erwartet{
        "THookHelpSystem.Create(\"" + verz.path() + "\",\"\", 0)",
        "THookHelpSystem.HelpHook(HELP_CONTEXT (1), 24)",
        "HHHelpContext(\"" + d + "\", 24, \"\", 0)",
        "ShowContext(\"" + d + "\", 24)",
        "  returned - 0",
        "THookHelpSystem.HelpHook(?? (300), 0)",
        "THookHelpSystem.Create(\"f.html\",\"\", 2)",
        "THookHelpSystem.HelpHook(HELP_CONTEXT (1), 2)",
        "HHHelpContext(\"f.html\", 2, \"\", 2)",
        "ShowContext(\"mk:@MSITStore:f.html\", 2)",
        "  returned - 3",
        "HHShowError(3), \"System file HH.EXE was not found in the Windows folder.\"",
        "THookHelpSystem.Destroy",
        "THookHelpSystem.Destroy"};
    EXPECT_EQ(z.mid(etiketten.size()), erwartet);
}

TEST_F(HilfeTest, LogSwitchAndPlace) {
    QTemporaryDir temp;
    const QByteArray altTemp = qgetenv("TMPDIR");
    qputenv("TMPDIR", temp.path().toLocal8Bit());
    {
        HilfeSystem aus(melder, Start({"debug", "--debug"}));
        EXPECT_FALSE(aus.Log().An());
        HilfeSystem an(melder, Start({"x", "-DeBuG"}));
        EXPECT_EQ(an.Log().Datei(), verz.filePath("HHDebug.txt"));
        // A program directory without room for a file: the log goes to temp.
        HilfeSystem temporaer(melder, {"/nonexistent/dir/skiora", {"/DEBUG"}});
        EXPECT_EQ(temporaer.Log().Datei(), QDir(temp.path()).filePath("HHDebug.txt"));
        EXPECT_FALSE(LogZeilen(temporaer.Log().Datei()).isEmpty());
    }
    qputenv("TMPDIR", altTemp);
    EXPECT_FALSE(QFile::exists(verz.filePath("$_Temp_$.$$$")));
}

} // namespace
