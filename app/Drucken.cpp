#include "app/Drucken.h"

#include "core/Sonnenuhr.h"
#include "report/Listen.h"
#include "report/qt/Druck.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QTabWidget>
#include <QWidget>

#include <functional>

namespace skiora::app {

namespace {

// The pages of PgCtrl in their order.
report::Anzeige AngezeigteSeite(QWidget* fenster) {
    const auto* pg = fenster ? fenster->findChild<QTabWidget*>("PgCtrl") : nullptr;
    switch (pg ? pg->currentIndex() : 0) {
    case 1:
        return report::Anzeige::Stunden;
    case 2:
        return report::Anzeige::Schatten;
    case 3:
        return report::Anzeige::Datum;
    case 4:
        return report::Anzeige::Split;
    default:
        return report::Anzeige::Grafik;
    }
}

// Prints on the chosen printer. The dialog's "print to file" makes a PDF,
// which is painted in memory and written as every file of the program is.
void Drucke(Sonnenuhr& uhr, QPrinter& drucker,
            const std::function<bool(QPagedPaintDevice&)>& druck) {
    const QString datei = drucker.outputFileName();
    if (drucker.outputFormat() != QPrinter::PdfFormat || datei.isEmpty()) {
        if (!druck(drucker)) uhr.MeldeNr(42, lang::Titel::Fehler, Symbol::Warnung);
        return;
    }
    std::string fehler;
    if (!report::PdfSchreiben(uhr, datei.toStdString(), drucker.pageLayout(), drucker.resolution(),
                              druck, fehler))
        uhr.Melde(fehler, lang::Titel::Fehler, Symbol::Warnung);
}

} // namespace

QPrinter& ProgrammDrucker() {
    static QPrinter drucker(QPrinter::HighResolution);
    return drucker;
}

void Grafikdrucken1Click(Sonnenuhr& uhr, QWidget* fenster) {
    QPrinter& drucker = ProgrammDrucker();
    report::Querformat quer(drucker);
    QPrintDialog dialog(&drucker, fenster);
    if (dialog.exec() != QDialog::Accepted) return;
    Drucke(uhr, drucker, [&](QPagedPaintDevice& d) {
        return report::UhrDrucken(uhr, d, uhr.rahmen.SchirmBildBreite);
    });
}

void Listedrucken1Click(Sonnenuhr& uhr, QWidget* fenster, bool alleListen) {
    const report::Anzeige anzeige = AngezeigteSeite(fenster);
    if (report::DruckAbgelehnt(uhr, anzeige, alleListen)) return;
    // A method line that cannot be built stops the command before any dialog.
    std::string fehler;
    const auto kopf = report::ListenKopfBauen(uhr, fehler);
    if (!kopf) {
        uhr.Melde(fehler, lang::Titel::Fehler, Symbol::Fehler);
        return;
    }
    QPrinter& drucker = ProgrammDrucker();
    QPrintDialog dialog(&drucker, fenster);
    if (dialog.exec() != QDialog::Accepted) return;
    const auto abschnitte = report::Abschnitte(uhr, anzeige, alleListen);
    Drucke(uhr, drucker, [&](QPagedPaintDevice& d) {
        return report::ListenDruckenAuf(uhr, d, abschnitte, *kopf);
    });
}

void Druckereinrichten1Click(Sonnenuhr&, QWidget* fenster) {
    QPageSetupDialog dialog(&ProgrammDrucker(), fenster);
    dialog.exec();
}

} // namespace skiora::app
