#include "app/Start.h"

#include "app/Anwendung.h"
#include "app/Bildflaeche.h"
#include "app/Hauptfenster.h"
#include "config/Konfiguration.h"
#include "core/Verzeichnisse.h"
#include "draw/qt/Bilder.h"
#include "report/qt/Druck.h"
#include "report/qt/SeitenPdf.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QIcon>
#include <QLocale>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

namespace skiora::app {

cli::QtAusgaben QtAusgabenFuerBefehlszeile() {
    cli::QtAusgaben qt;
    qt.bilder = [](Sonnenuhr& uhr, const cli::Befehlszeile& bz, std::string& fehler) {
        return draw::SchreibeBilder(uhr, bz, fehler);
    };
    qt.drucke = [](Sonnenuhr& uhr, const cli::Befehlszeile& bz, std::string& fehler) {
        return report::SchreibeDrucke(uhr, bz, fehler);
    };
    qt.pdfSeiten = report::SeitenAlsPdf;
    return qt;
}

static std::string ProgrammVerzeichnis() {
    return config::ProgVerz(QCoreApplication::applicationFilePath().toStdString());
}

int StarteFenster(int argc, char** argv, const cli::Befehlszeile& bz) {
    QElapsedTimer uhrzeit;
    uhrzeit.start();
    Anwendung app(argc, argv);
    QApplication::setApplicationName("Skiora ");
    QApplication::setApplicationVersion("1.6c"); // the help's diagnostic log names it
    // The desktop shows the window with the installed entry's name and icon;
    // the title names the program already, so the platform adds nothing.
    QGuiApplication::setApplicationDisplayName("Skiora");
    QGuiApplication::setDesktopFileName("org.skiora.Skiora");
    QApplication::setWindowIcon(QIcon(":/skiora/org.skiora.Skiora.svg"));
    // Numbers are read and written with "." whatever the desktop's settings.
    QLocale::setDefault(QLocale::c());

    Startwahl wahl;
    wahl.progVerz = ProgrammVerzeichnis();
    wahl.konfigVerz = verz::StartKonfigVerz(wahl.progVerz);
    wahl.konfig = bz.konfig;
    if (bz.sprache) wahl.deutsch = *bz.sprache == "de";
    Hauptfenster fenster(wahl);
    if (bz.hoehen) fenster.uhr.reichweite.Hoehen = *bz.hoehen; // before the first calculation
    // SKIORA_STARTZEIT=1 prints the time to the first picture of the
    // calculated dial on screen, and ends.
    if (std::getenv("SKIORA_STARTZEIT")) {
        QObject::connect(fenster.bild(), &Bildflaeche::gemalt, &app, [&] {
            if (!fenster.aktiviert() || fenster.bildZeichnungen() == 0) return;
            std::printf("first picture after %lld ms\n", static_cast<long long>(uhrzeit.elapsed()));
            QTimer::singleShot(0, &app, &QApplication::quit);
        });
    }
    fenster.showMaximized();
    return app.exec();
}

} // namespace skiora::app
