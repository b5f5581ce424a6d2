// Configuration files and table export: the dialogs and what follows them.
#include "app/Bildflaeche.h"
#include "app/Hauptfenster.h"
#include "app/TabellenDialog.h"
#include "app/Zeichnung.h"
#include "config/Konfiguration.h"
#include "report/Csv.h"

#include <QApplication>
#include <QFileDialog>
#include <QFrame>
#include <QTabWidget>
#include <filesystem>

namespace skiora::app {

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

// "Text (*.ini)|*.ini|..." as the file dialog wants it: one entry per pair.
QStringList Filter(const std::string& liste) {
    const QStringList teile = Q(liste).split('|');
    QStringList f;
    for (int i = 0; i + 1 < teile.size(); i += 2) {
        const QString& text = teile[i];
        f << (text.contains('(') ? text : text + " (" + teile[i + 1] + ")");
    }
    return f;
}

} // namespace

void Hauptfenster::Datenspeichern1Click(bool startKonfig) {
    if (startKonfig) {
        StartkonfigurationSpeichern();
        return;
    }
    Speichern();
}

// The save dialog, in `ordner` with the name `vorschlag`; empty when cancelled.
QString Hauptfenster::SpeicherDialog(const QString& ordner, const QString& vorschlag) {
    const int s = uhr.sprache.Sprache;
    QFileDialog dialog(this, Q(lang::TitelText(s, lang::Titel::GrafikDatei)), ordner);
    dialog.setObjectName("SaveDialog1");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(Filter(lang::TextTabelle1(s, 29)));
    dialog.setDefaultSuffix("ini");
    dialog.selectFile(vorschlag);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

bool Hauptfenster::KonfigurationSpeichern(const QString& datei) {
    const bool ok = config::KonfigurationSpeichern(uhr, datei.toStdString());
    if (ok) Gemerkt(datei);
    return ok;
}

void Hauptfenster::StartkonfigurationSpeichern() {
    // Installed, the start configuration lives in a folder that may not
    // exist yet; a failure to make it shows as the save's own message.
    std::error_code ec;
    std::filesystem::create_directories(konfigVerz(), ec);
    config::StartKonfigurationSpeichern(uhr, konfigVerz());
}

void Hauptfenster::Datenladen1Click() {
    if (!AenderungenKlaeren()) return;
    const int s = uhr.sprache.Sprache;
    QFileDialog dialog(this, Q(lang::TitelText(s, lang::Titel::Laden)),
                       einstellungen_.ordner(Einstellungen::Konfiguration));
    dialog.setObjectName("OpenDialog1");
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(Filter(lang::TextTabelle1(s, 29)));
    dialog.setDefaultSuffix("ini");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    KonfigurationLaden(dialog.selectedFiles().first());
}

// The load command after its dialog: read, fill the controls, reset the view,
// recompute the tables directly and redraw. A file that cannot be read whole
// leaves the dial, its view and its tables as they were.
bool Hauptfenster::KonfigurationLaden(const QString& datei) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ok =
        config::KonfigurationLaden(uhr, datei.toStdString(), config::LeseAbsender::Datenladen1);
    if (!ok) {
        QApplication::restoreOverrideCursor();
        return false;
    }
    ParameterAnzeigen();
    uhr.ansicht = Ansicht{};
    panResize->hide();
    config::NachLadenRechnen(uhr); // redraws
    Spiegeln();
    QApplication::restoreOverrideCursor();
    Gemerkt(datei);
    return true;
}

void Hauptfenster::Tabellespeichern1Click() {
    QWidget* seite = PgCtrl->currentWidget();
    if (seite != TSAnaDat && seite != TsDat && seite != tsShade) return;
    const int s = uhr.sprache.Sprache;
    // The header is built before the dialog: a faulty input table stops here.
    std::string fehler;
    const auto art = seite == TSAnaDat ? report::Seite::Datum
                     : seite == TsDat  ? report::Seite::Stunden
                                       : report::Seite::Schatten;
    if (!report::KopfBauen(uhr, art, &fehler)) {
        uhr.Melde(fehler, lang::Titel::Fehler, Symbol::Fehler);
        return;
    }
    const TabellenWahl wahl = TabelleWaehlen(this, einstellungen_, s);
    if (!wahl.datei.isEmpty()) TabelleSpeichernNach(seite, wahl.datei, wahl.filter);
}

bool Hauptfenster::TabelleSpeichernNach(QWidget* seite, const QString& datei, int filterIndex) {
    const auto art = seite == TSAnaDat ? report::Seite::Datum
                     : seite == TsDat  ? report::Seite::Stunden
                                       : report::Seite::Schatten;
    const std::string name = report::TabellenDateiname(datei.toStdString(), filterIndex + 1);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::string fehler;
    const bool ok = report::TabelleSpeichern(uhr, art, name, fehler);
    QApplication::restoreOverrideCursor();
    if (!ok) uhr.Melde(fehler, lang::Titel::Fehler, Symbol::Fehler);
    return ok;
}

} // namespace skiora::app
