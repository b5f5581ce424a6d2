// What the window remembers between runs: the recent list and the folders,
// and what a damaged settings file leaves of them.
#include "app/Einstellungen.h"
#include "Fenster.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace skiora::app::test {

namespace {

void Schreibe(const QString& pfad, const QByteArray& inhalt) {
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(inhalt);
}

} // namespace

TEST(Einreihen, NeuesteZuerstJedeEinmalHoechstensAcht) {
    QStringList l;
    for (int i = 1; i <= 10; ++i)
        l = Einreihen(l, QString("/d/%1.ini").arg(i), 8);
    ASSERT_EQ(l.size(), 8);
    EXPECT_EQ(l.first(), "/d/10.ini");
    EXPECT_EQ(l.last(), "/d/3.ini");
    l = Einreihen(l, "/d/5.ini", 8);
    EXPECT_EQ(l.size(), 8);
    EXPECT_EQ(l.mid(0, 3), (QStringList{"/d/5.ini", "/d/10.ini", "/d/9.ini"}));
}

TEST(Einstellungen, ZuletztUeberstehtEinenNeuenStart) {
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath("neu/skiora.conf"); // the folder comes when needed
    {
        Einstellungen e(pfad);
        for (int i = 1; i <= 9; ++i)
            e.zuletztMerken(ordner.filePath(QString("%1.ini").arg(i)));
        e.zuletztMerken(ordner.filePath("sub/../4.ini")); // the same file, written otherwise
        e.zuletztVergessen(ordner.filePath("9.ini"));
    }
    const QStringList l = Einstellungen(pfad).zuletzt();
    EXPECT_EQ(l, (QStringList{ordner.filePath("4.ini"), ordner.filePath("8.ini"),
                              ordner.filePath("7.ini"), ordner.filePath("6.ini"),
                              ordner.filePath("5.ini"), ordner.filePath("3.ini"),
                              ordner.filePath("2.ini")}));
}

// A damaged file gives the defaults and never the program's end; a folder
// or a huge file where the settings belong is not written over.
TEST(Einstellungen, BeschaedigteEinstellungenGebenDieVorgaben) {
    QTemporaryDir ordner;
    const QString kaputt = ordner.filePath("kaputt.conf");
    QByteArray muell("[zuletzt]\ndateien=relative.ini, /ok.ini, \"\\x00\\xff\n[ordner\nplot=");
    for (int i = 0; i < 256; ++i)
        muell.append(char(i));
    Schreibe(kaputt, muell);
    Einstellungen e(kaputt);
    for (const QString& d : e.zuletzt())
        EXPECT_TRUE(QDir::isAbsolutePath(d)) << d.toStdString();
    EXPECT_TRUE(QFileInfo(e.ordner(Einstellungen::Plot)).isDir());
    e.zuletztMerken(ordner.filePath("a.ini"));
    EXPECT_EQ(e.zuletzt().first(), ordner.filePath("a.ini"));

    const QString verzeichnis = ordner.filePath("ein-ordner.conf");
    QDir().mkpath(verzeichnis);
    Einstellungen v(verzeichnis);
    v.zuletztMerken(ordner.filePath("a.ini"));
    EXPECT_TRUE(v.zuletzt().isEmpty());
    EXPECT_TRUE(QFileInfo(verzeichnis).isDir());

    const QString riesig = ordner.filePath("riesig.conf");
    const QByteArray gross = "[zuletzt]\ndateien=/x.ini\n" + QByteArray(1 << 20, '#');
    Schreibe(riesig, gross);
    Einstellungen r(riesig);
    r.zuletztMerken(ordner.filePath("a.ini"));
    EXPECT_TRUE(r.zuletzt().isEmpty());
    EXPECT_EQ(QFileInfo(riesig).size(), gross.size());
}

TEST(Einstellungen, OrdnerJeArtUndRueckfallWennErVerschwand) {
    QtStarten();
    QTemporaryDir ordner;
    Einstellungen e(ordner.filePath("skiora.conf"));
    const QString erster = e.ordner(Einstellungen::Tabelle);
    EXPECT_TRUE(QFileInfo(erster).isDir());
    // Never the program's own folder, which an installation cannot write.
    EXPECT_NE(erster, QCoreApplication::applicationDirPath());

    QDir(ordner.path()).mkpath("tabellen");
    e.ordnerMerken(Einstellungen::Tabelle, ordner.filePath("tabellen/stunden.csv"));
    EXPECT_EQ(e.ordner(Einstellungen::Tabelle), ordner.filePath("tabellen"));
    EXPECT_EQ(e.ordner(Einstellungen::Plot), erster); // each kind its own
    QDir(ordner.filePath("tabellen")).removeRecursively();
    EXPECT_EQ(e.ordner(Einstellungen::Tabelle), erster);
}

} // namespace skiora::app::test
