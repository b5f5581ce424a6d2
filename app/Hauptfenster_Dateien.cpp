// Configuration files and table export: the dialogs and what follows them.
#include "app/Bildflaeche.h"
#include "app/Hauptfenster.h"
#include "app/Zeichnung.h"
#ifdef HAVE_SKIORA_CONFIG
#include "config/Konfiguration.h"
#endif
#ifdef HAVE_SKIORA_REPORT
#include "report/Csv.h"
#endif

#include <QApplication>
#include <QFileDialog>
#include <QFrame>
#include <QTabWidget>

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
    const int s = uhr.sprache.Sprache;
    QFileDialog dialog(this, Q(lang::TitelText(s, lang::Titel::GrafikDatei)), Q(startVerz_));
    dialog.setObjectName("SaveDialog1");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(Filter(lang::TextTabelle1(s, 29)));
    dialog.setDefaultSuffix("ini");
    dialog.selectFile("myDial");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    KonfigurationSpeichern(dialog.selectedFiles().first());
}

bool Hauptfenster::KonfigurationSpeichern(const QString& datei) {
#ifdef HAVE_SKIORA_CONFIG
    return config::KonfigurationSpeichern(uhr, datei.toStdString());
#else
    (void)datei;
    return false;
#endif
}

void Hauptfenster::StartkonfigurationSpeichern() {
#ifdef HAVE_SKIORA_CONFIG
    config::StartKonfigurationSpeichern(uhr, wahl_.progVerz);
#endif
}

void Hauptfenster::Datenladen1Click() {
    const int s = uhr.sprache.Sprache;
    QFileDialog dialog(this, Q(lang::TitelText(s, lang::Titel::Laden)), Q(startVerz_));
    dialog.setObjectName("OpenDialog1");
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(Filter(lang::TextTabelle1(s, 29)));
    dialog.setDefaultSuffix("ini");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    KonfigurationLaden(dialog.selectedFiles().first());
}

// The load command after its dialog: read, fill the controls, reset the view,
// recompute the tables directly and redraw.
bool Hauptfenster::KonfigurationLaden(const QString& datei) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    bool ok = false;
#ifdef HAVE_SKIORA_CONFIG
    ok = config::KonfigurationLaden(uhr, datei.toStdString(), config::LeseAbsender::Datenladen1);
#else
    (void)datei;
#endif
    ParameterAnzeigen();
    uhr.ansicht = Ansicht{};
    panResize->hide();
#ifdef HAVE_SKIORA_CONFIG
    config::NachLadenRechnen(uhr); // redraws
#else
    uhr.btGoClick();
#endif
    Spiegeln();
    QApplication::restoreOverrideCursor();
    return ok;
}

void Hauptfenster::Tabellespeichern1Click() {
    QWidget* seite = PgCtrl->currentWidget();
    if (seite != TSAnaDat && seite != TsDat && seite != tsShade) return;
    const int s = uhr.sprache.Sprache;
#ifdef HAVE_SKIORA_REPORT
    // The header is built before the dialog: a faulty input table stops here.
    std::string fehler;
    const auto art = seite == TSAnaDat ? report::Seite::Datum
                     : seite == TsDat  ? report::Seite::Stunden
                                       : report::Seite::Schatten;
    if (!report::KopfBauen(uhr, art, &fehler)) {
        uhr.Melde(fehler, lang::Titel::Fehler, Symbol::Fehler);
        return;
    }
#endif
    static QString letzterOrdner;
    QFileDialog dialog(this, Q(lang::TitelText(s, lang::Titel::Tabelle)), letzterOrdner);
    dialog.setObjectName("SaveDialog1");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({"Excel-Datei (*.CSV *.csv)", "Textdatei (*.TXT *.txt)"});
    dialog.setDefaultSuffix("csv");
    dialog.selectFile("Tabelle");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    letzterOrdner = dialog.directory().absolutePath();
    const int filter = dialog.nameFilters().indexOf(dialog.selectedNameFilter());
    TabelleSpeichernNach(seite, dialog.selectedFiles().first(), filter < 0 ? 0 : filter);
}

bool Hauptfenster::TabelleSpeichernNach(QWidget* seite, const QString& datei, int filterIndex) {
#ifdef HAVE_SKIORA_REPORT
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
#else
    (void)seite;
    (void)datei;
    (void)filterIndex;
    return false;
#endif
}

} // namespace skiora::app
