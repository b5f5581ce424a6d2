// Configuration files and table export through the window's commands.
#include "Fenster.h"
#include "app/Optionsgruppe.h"
#include "cli/Befehlszeile.h"
#include "cli/Lauf.h"

#include <QDir>
#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>

namespace skiora::app::test {

namespace {

QByteArray Inhalt(const QString& pfad) {
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

} // namespace

using Dateien = FensterTest;

TEST_F(Dateien, LadenSetztDieAnsichtZurueckUndFuelltDieFelder) {
    QTemporaryDir ordner;
    const QString datei = ordner.filePath("dial.ini");
    tippe(finde<QLineEdit>("eBreit"), "-33.5");
    finde<Optionsgruppe>("rgArten")->knopf(0)->click();
    ASSERT_TRUE(fenster->KonfigurationSpeichern(datei));

    // Another dial on screen, zoomed, panned and split.
    tippe(finde<QLineEdit>("eBreit"), "50");
    finde<Optionsgruppe>("rgArten")->knopf(2)->click();
    finde<QToolButton>("tbPlus")->click();
    finde<QToolButton>("tbRight")->click();
    fenster->uhr.ansicht.DeltaY = 17;
    const int vorher = fenster->bildZeichnungen();

    EXPECT_TRUE(fenster->KonfigurationLaden(datei));
    EXPECT_DOUBLE_EQ(fenster->uhr.ansicht.Zoom, 1.0);
    EXPECT_EQ(fenster->uhr.ansicht.DeltaX, 0);
    EXPECT_EQ(fenster->uhr.ansicht.DeltaY, 0);
    EXPECT_GT(fenster->bildZeichnungen(), vorher);
    EXPECT_DOUBLE_EQ(fenster->uhr.p.Breit, -33.5);
    EXPECT_EQ(finde<QLineEdit>("eBreit")->text(), "-33.50");
    EXPECT_EQ(finde<Optionsgruppe>("rgArten")->itemIndex(), 0);
    auto* pg = finde<QTabWidget>("PgCtrl");
    EXPECT_FALSE(pg->isTabVisible(pg->indexOf(finde<QWidget>("tsSlope"))));
    EXPECT_TRUE(fenster->uhr.opt.Bereit);
}

TEST_F(Dateien, UnlesbareDateiMeldetUndBehaeltDenDial) {
    EXPECT_FALSE(fenster->KonfigurationLaden("/nonexistent/dir/x.ini"));
    EXPECT_EQ(letzteMeldung().rfind("Fehler beim Lesen der Datei!\n", 0), 0u) << letzteMeldung();
    EXPECT_NE(letzteMeldung().find("/nonexistent/dir/x.ini"), std::string::npos);
    EXPECT_DOUBLE_EQ(fenster->uhr.p.Breit, 47.25);
}

// A faulty line leaves the dial on screen exactly as it was: fields, view
// and tables; the message names the line.
TEST_F(Dateien, FehlerhafteZeileLaesstDenDialWieErWar) {
    QTemporaryDir ordner;
    const QString datei = ordner.filePath("komma.ini");
    ASSERT_TRUE(fenster->KonfigurationSpeichern(datei));
    QByteArray inhalt = Inhalt(datei);
    inhalt.replace("47.250000", "47,25");
    QFile f(datei);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(inhalt);
    f.close();

    tippe(finde<QLineEdit>("eZone"), "-30");
    finde<QToolButton>("tbPlus")->click();
    const Tabellen vorher = fenster->uhr.tab;
    const double zoom = fenster->uhr.ansicht.Zoom;
    EXPECT_FALSE(fenster->KonfigurationLaden(datei));
    EXPECT_EQ(letzteMeldung(), "Error during File Input!\nZeile 2: 47,25");
    EXPECT_EQ(finde<QLineEdit>("eZone")->text(), "-30");
    EXPECT_DOUBLE_EQ(fenster->uhr.p.Zone, -30);
    EXPECT_DOUBLE_EQ(fenster->uhr.ansicht.Zoom, zoom);
    EXPECT_EQ(fenster->uhr.tab.StrGridStd, vorher.StrGridStd);
    EXPECT_EQ(fenster->uhr.tab.StrGridDat, vorher.StrGridDat);
}

// The command line loads a file as the window's load command does: a gnomon
// below the dial plane (status 12) still gives the tables the window shows.
TEST_F(Dateien, BefehlszeileLaedtWieDasFenster) {
    QTemporaryDir ordner;
    const QString datei = ordner.filePath("status12.ini");
    fenster->uhr.p.Incl = -60;
    fenster->uhr.p.GnomWinkel = 130;
    fenster->uhr.p.GnomInc = 40;
    ASSERT_TRUE(fenster->KonfigurationSpeichern(datei));
    ASSERT_TRUE(fenster->KonfigurationLaden(datei));
    struct Fall {
        const char* seite;
        const char* name;
    };
    for (Fall f : {Fall{"TsDat", "hours"}, Fall{"tsShade", "shadow"}, Fall{"TSAnaDat", "dates"}}) {
        SCOPED_TRACE(f.name);
        const QString fensterDatei = ordner.filePath(QString(f.name) + ".csv");
        ASSERT_TRUE(fenster->TabelleSpeichernNach(finde<QWidget>(f.seite), fensterDatei, 0));
        const QString cliDatei = ordner.filePath(QString("cli-") + f.name + ".csv");
        auto pe = cli::Parse({datei.toStdString(), "--table", f.name, cliDatei.toStdString()});
        ASSERT_TRUE(pe.bz);
        cli::Ausfuehren(*pe.bz, nullptr, ordner.filePath("skiora").toStdString());
        EXPECT_EQ(Inhalt(cliDatei), Inhalt(fensterDatei));
    }
}

TEST_F(Dateien, TabelleGleichtDerVonDerBefehlszeile) {
    QTemporaryDir ordner;
    struct Fall {
        const char* seite;
        const char* name;
    };
    for (Fall f : {Fall{"TsDat", "hours"}, Fall{"tsShade", "shadow"}, Fall{"TSAnaDat", "dates"}}) {
        SCOPED_TRACE(f.name);
        // "table.txt" with the first file type becomes "table.csv".
        const QString gewaehlt = ordner.filePath(QString(f.name) + ".txt");
        ASSERT_TRUE(fenster->TabelleSpeichernNach(finde<QWidget>(f.seite), gewaehlt, 0));
        const QString fensterDatei = ordner.filePath(QString(f.name) + ".csv");
        ASSERT_TRUE(QFile::exists(fensterDatei));

        const QString cliDatei = ordner.filePath(QString("cli-") + f.name + ".csv");
        auto pe = cli::Parse({"--lang", "de", "--table", f.name, cliDatei.toStdString()});
        ASSERT_TRUE(pe.bz);
        // A program directory without a start configuration: the built-in dial.
        const std::string programm = ordner.filePath("skiora").toStdString();
        ASSERT_EQ(cli::Ausfuehren(*pe.bz, nullptr, programm), 0);
        const QByteArray erwartet = Inhalt(cliDatei);
        ASSERT_FALSE(erwartet.isEmpty());
        EXPECT_EQ(Inhalt(fensterDatei), erwartet);
    }
}

TEST_F(Dateien, TabelleInUnbeschreibbarenOrdnerWirdGemeldet) {
    EXPECT_FALSE(fenster->TabelleSpeichernNach(finde<QWidget>("TsDat"), "/nonexistent/dir/t", 1));
    EXPECT_NE(letzteMeldung().find("/nonexistent/dir/t.txt"), std::string::npos);
}

TEST(Startkonfiguration, WirdGespeichertBestaetigtUndBeimStartGelesen) {
    QtStarten();
    QTemporaryDir ordner;
    Startwahl wahl;
    wahl.progVerz = QDir(ordner.path()).absolutePath().toStdString() + "/";
    wahl.deutsch = true;
    SammelMelder melder;
    wahl.melder = &melder; // the folder has no help files: recorded, no box
    {
        Hauptfenster f(wahl);
        f.setzeMelder(&melder);
        f.Aktivieren();
        f.uhr.p.Jahr = 2010;
        f.StartkonfigurationSpeichern();
    }
    ASSERT_FALSE(melder.eintraege.empty());
    EXPECT_EQ(melder.eintraege.back().text, "\"skiora.ini\" : Datei wurde gespeichert!");
    EXPECT_TRUE(QFile::exists(ordner.filePath("skiora.ini")));

    Hauptfenster neu(wahl);
    neu.setzeMelder(&melder);
    neu.Aktivieren();
    EXPECT_EQ(neu.uhr.p.Jahr, 2010);
    EXPECT_EQ(neu.findChild<QLineEdit*>("ejahr")->text(), "2010");
}

} // namespace skiora::app::test
