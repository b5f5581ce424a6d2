// Not a test: writes screenshots of every page in both languages, for a person
// to look at, and of the help at some topics. Run under xvfb-run:
// bildschirmfotos OUTDIR WIDTH HEIGHT
#include "app/AbsteckplanDialog.h"
#include "app/FertigungDialog.h"
#include "app/Hauptfenster.h"
#include "app/Hilfe.h"
#include "app/KachelDialog.h"
#include "app/MittagDialog.h"
#include "app/Optionsgruppe.h"
#include "app/ReichweiteDialog.h"
#include "app/SpeichernFrage.h"
#include "help/HilfeFenster.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <cstdio>

using namespace skiora::app;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true); // the recent list is not the user's
    if (argc < 4) {
        std::fprintf(stderr, "usage: bildschirmfotos OUTDIR WIDTH HEIGHT\n");
        return 2;
    }
    const QString ordner = argv[1];
    QDir().mkpath(ordner);
    const int w = QString(argv[2]).toInt(), h = QString(argv[3]).toInt();
    Startwahl wahl;
    wahl.startKonfigLesen = false;
    wahl.deutsch = true;
    wahl.progVerz = SKIORA_BINARY_DIR "/";
    skiora::SammelMelder melder;
    wahl.melder = &melder;
    Hauptfenster f(wahl);
    f.setGeometry(0, 0, w, h);
    f.show();
    QTest::qWait(200);
    f.Aktivieren();
    auto foto = [&](const QString& name) {
        QTest::qWait(50);
        f.grab().save(ordner + "/" + name + ".png");
    };
    for (bool deutsch : {true, false}) {
        f.PgCtrl->setCurrentIndex(0);
        f.Deutsch1Click(deutsch);
        const QString s = deutsch ? "de" : "en";
        // Straight after the switch, before any other calculation.
        foto(QString("%1-%2x%3-umgeschaltet").arg(s).arg(w).arg(h));
        for (int arten : {1, 2}) {
            f.findChild<Optionsgruppe*>("rgArten")->knopf(arten)->click();
            for (int i = 0; i < f.PgCtrl->count(); ++i) {
                if (!f.PgCtrl->isTabVisible(i)) continue;
                if (arten == 2 && i < 3) continue;
                f.PgCtrl->setCurrentIndex(i);
                foto(QString("%1-%2x%3-arten%4-seite%5").arg(s).arg(w).arg(h).arg(arten).arg(i));
            }
        }
        f.findChild<Optionsgruppe*>("rgArten")->knopf(1)->click();
        f.PgCtrl->setCurrentIndex(0);
        f.Change1Click();
        foto(QString("%1-%2x%3-panel2").arg(s).arg(w).arg(h));
        f.Change1Click();
        f.panResize->show(); // the notice after a change of the window's size
        foto(QString("%1-%2x%3-resize").arg(s).arg(w).arg(h));
        f.panResize->hide();
        f.findChild<QAction*>("About1")->trigger();
        foto(QString("%1-%2x%3-about").arg(s).arg(w).arg(h));
        f.findChild<QWidget*>("pAbout")->hide();
        if (auto* d = f.findChild<FertigungDialog*>()) {
            d->show();
            QTest::qWait(50);
            d->grab().save(ordner + "/" + s + "-fertigung.png");
            d->hide();
        }
        {
            AbsteckplanDialog d(f.uhr, &f);
            d.show();
            QTest::qWait(100);
            d.grab().save(ordner + "/" + s + "-absteckplan.png");
        }
        {
            KachelDialog d(f.uhr, &f);
            d.massstab->setValue(5);
            d.show();
            QTest::qWait(100);
            d.grab().save(ordner + "/" + s + "-kacheln.png");
        }

        // The title as the window system gets it, drawn above the window (an
        // offscreen window has no frame), and the question before closing.
        QTemporaryDir ablage;
        f.KonfigurationSpeichern(ablage.filePath("schulhof.ini"));
        f.uhr.eBreitExit(skiora::Feld::eBreit, "50");
        f.ParameterAnzeigen();
        QTest::qWait(50);
        const QPixmap fenster = f.grab();
        QPixmap mitTitel(fenster.width(), fenster.height() + 32);
        mitTitel.fill(QColor(0x2b, 0x2b, 0x2b));
        {
            QPainter p(&mitTitel);
            QFont schrift = p.font();
            schrift.setBold(true);
            p.setFont(schrift);
            p.setPen(Qt::white);
            p.drawText(QRect(0, 0, fenster.width(), 32), Qt::AlignCenter,
                       f.windowHandle()->title());
            p.drawPixmap(0, 32, fenster);
        }
        mitTitel.save(ordner + "/" + QString("%1-%2x%3-titel.png").arg(s).arg(w).arg(h));
        SpeichernFrage frage(f.uhr.sprache.Sprache, "schulhof.ini", &f);
        frage.show();
        QTest::qWait(100);
        frage.grab().save(ordner + "/frage-" + s + ".png");
        frage.hide();
        f.uhr.eBreitExit(skiora::Feld::eBreit, "47.25");
        f.ParameterAnzeigen();
        f.KonfigurationSpeichern(ablage.filePath("schulhof.ini"));

        // The help as F1 brings it: on fields, then the chapters by number.
        auto hilfeFoto = [&](const QString& name) {
            QTest::qWait(100);
            const auto offen = f.hilfe().System().OffeneFenster();
            if (offen.size() == 1)
                offen.front()->grab().save(ordner + "/hilfe-" + s + "-" + name + ".png");
            else
                std::fprintf(stderr, "%zu help windows open\n", offen.size());
            f.activateWindow();
            (void)QTest::qWaitForWindowActive(&f, 2000);
        };
        f.activateWindow();
        (void)QTest::qWaitForWindowActive(&f, 2000);
        for (const char* feld : {"eLang", "eZone", "eGnomInc", "rgAnzahl", "StrGridEin"}) {
            auto* w = f.findChild<QWidget*>(feld);
            if (feld == std::string("StrGridEin"))
                f.findChild<Optionsgruppe*>("rgArten")->knopf(2)->click(),
                    f.PgCtrl->setCurrentIndex(4);
            w->setFocus();
            QTest::keyClick(w, Qt::Key_F1);
            hilfeFoto(feld);
        }
        f.findChild<Optionsgruppe*>("rgArten")->knopf(1)->click();
        f.findChild<QAction*>("Hilfe2")->trigger();
        hilfeFoto("menue");
        for (int thema : {2, 3, 4, 5, 6, 7, 8, 9, 10, 11}) {
            f.hilfe().Zeigen(thema);
            hilfeFoto(QString("thema%1").arg(thema));
        }
    }
    // Berlin with summer time: the noon table and the shadow reach, and the
    // picture's warning.
    f.uhr.ort.Name = "Berlin";
    f.uhr.ort.Zeitzone = "Europe/Berlin";
    f.uhr.ort.HatSommerzeit = true;
    f.uhr.ort.SzBeginnTag = 31, f.uhr.ort.SzBeginnMonat = 3;
    f.uhr.ort.SzEndeTag = 27, f.uhr.ort.SzEndeMonat = 10;
    f.uhr.p.Breit = 52.52, f.uhr.p.Lang = -13.41;
    f.ParameterAnzeigen();
    f.findChild<QPushButton*>("BitBtn1")->click();
    for (bool deutsch : {true, false}) {
        f.Deutsch1Click(deutsch);
        f.findChild<QPushButton*>("BitBtn1")->click(); // the picture in the new language
        const QString s = deutsch ? "de" : "en";
        f.PgCtrl->setCurrentIndex(0);
        foto(QString("%1-%2x%3-reichweite-bild").arg(s).arg(w).arg(h));
        for (const char* eintrag : {"Mittagstabelle1", "Schattenreichweite1"}) {
            f.findChild<QAction*>(eintrag)->trigger();
            QTest::qWait(100);
            QDialog* d = f.findChild<MittagDialog*>();
            if (eintrag != std::string("Mittagstabelle1")) d = f.findChild<ReichweiteDialog*>();
            d->grab().save(QString("%1/%2-%3.png").arg(ordner, s, eintrag));
            d->hide();
        }
    }
    for (const char* n : {"Mitte", "PgCtrl", "Panel1", "Panel2", "pAbout", "pGeduld", "panResize",
                          "TSGrafik", "TsDat", "tsShade", "TSAnaDat", "tsSlope"})
        if (auto* w = f.findChild<QWidget*>(n))
            std::fprintf(stderr, "%s minimum %d x %d\n", n, w->minimumSizeHint().width(),
                         w->minimumSizeHint().height());
    for (const auto& m : melder.eintraege)
        std::fprintf(stderr, "%s: %s\n", m.titel.c_str(), m.text.c_str());
    return 0;
}
