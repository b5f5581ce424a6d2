#include "app/Drucken.h"

#include "core/Sonnenuhr.h"
#include "report/Listen.h"
#include "report/qt/Druck.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QTabWidget>
#include <QWidget>

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

void Abgebrochen(Sonnenuhr& uhr) {
    uhr.MeldeNr(42, lang::Titel::Fehler, Symbol::Warnung);
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
    if (!report::UhrDrucken(uhr, drucker, uhr.rahmen.SchirmBildBreite)) Abgebrochen(uhr);
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
    if (!report::ListenDruckenAuf(uhr, drucker, report::Abschnitte(uhr, anzeige, alleListen),
                                  *kopf))
        Abgebrochen(uhr);
}

void Druckereinrichten1Click(Sonnenuhr&, QWidget* fenster) {
    QPageSetupDialog dialog(&ProgrammDrucker(), fenster);
    dialog.exec();
}

} // namespace skiora::app
