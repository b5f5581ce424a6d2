#include "app/TabellenDialog.h"

#include "app/Einstellungen.h"
#include "app/Gittermodell.h"
#include "core/Sonnenuhr.h"
#include "lang/MittagTexte.h"
#include "report/Csv.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFileDialog>
#include <QHeaderView>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace skiora::app {

TabellenDialog::TabellenDialog(Sonnenuhr& uhr, const char* name, QWidget* eltern)
    : QDialog(eltern), uhr_(uhr) {
    setObjectName(name);
    auto* spalte = new QVBoxLayout(this);
    kopf_ = new QVBoxLayout;
    spalte->addLayout(kopf_);
    tabelle_ = new QTableView(this);
    tabelle_->setObjectName("Tabelle");
    modell_ = new Gittermodell(gitter_, tabelle_);
    tabelle_->setModel(modell_);
    tabelle_->horizontalHeader()->hide();
    tabelle_->verticalHeader()->hide();
    tabelle_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    tabelle_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabelle_->setWordWrap(false);
    spalte->addWidget(tabelle_, 1);
    knoepfe_ = new QDialogButtonBox(QDialogButtonBox::Close, this);
    speichern_ = knoepfe_->addButton(QString(), QDialogButtonBox::ActionRole);
    speichern_->setObjectName("Speichern");
    speichern_->setAutoDefault(false);
    spalte->addWidget(knoepfe_);
    connect(knoepfe_, &QDialogButtonBox::rejected, this, &QDialog::hide);
    connect(speichern_, &QPushButton::clicked, this, [this] { Speichern(); });

    // A view of the dial's results: redrawn with the dial.
    QPointer<TabellenDialog> ich(this);
    uhr_.neuZeichnen = [vorher = uhr_.neuZeichnen, ich] {
        if (vorher) vorher();
        if (ich && ich->isVisible()) ich->Aktualisieren();
    };
    resize(620, 640);
}

void TabellenDialog::Aktualisieren() {
    gitter_ = Berechnen();
    modell_->aktualisieren();
    tabelle_->resizeColumnsToContents();
    speichern_->setText(QString::fromStdString(lang::LadeText(uhr_.sprache, 17)));
    knoepfe_->button(QDialogButtonBox::Close)
        ->setText(QString::fromStdString(lang::Text(uhr_.sprache.Sprache, lang::SchliessenKnopf)));
    TexteSetzen();
}

void TabellenDialog::showEvent(QShowEvent* e) {
    Aktualisieren();
    QDialog::showEvent(e);
}

void TabellenDialog::changeEvent(QEvent* e) {
    // Back in front after the dial or the language changed in the main window.
    if (e->type() == QEvent::ActivationChange && isActiveWindow()) Aktualisieren();
    QDialog::changeEvent(e);
}

TabellenWahl TabelleWaehlen(QWidget* eltern, Einstellungen& einstellungen, int sprache) {
    QFileDialog dialog(eltern,
                       QString::fromStdString(lang::TitelText(sprache, lang::Titel::Tabelle)),
                       einstellungen.ordner(Einstellungen::Tabelle));
    dialog.setObjectName("SaveDialog1");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({"Excel-Datei (*.CSV *.csv)", "Textdatei (*.TXT *.txt)"});
    dialog.setDefaultSuffix("csv");
    dialog.selectFile("Tabelle");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const QString datei = dialog.selectedFiles().first();
    einstellungen.ordnerMerken(Einstellungen::Tabelle, datei);
    const int filter = dialog.nameFilters().indexOf(dialog.selectedNameFilter());
    return {datei, filter < 0 ? 0 : filter};
}

void TabellenDialog::Speichern() {
    // Tables go where the window's tables went last.
    Einstellungen einstellungen;
    const TabellenWahl wahl = TabelleWaehlen(this, einstellungen, uhr_.sprache.Sprache);
    if (!wahl.datei.isEmpty()) SpeichernNach(wahl.datei, wahl.filter);
}

bool TabellenDialog::SpeichernNach(const QString& datei, int filterIndex) {
    const std::string name = report::TabellenDateiname(datei.toStdString(), filterIndex + 1);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::string fehler;
    const bool ok = Schreiben(name, fehler);
    QApplication::restoreOverrideCursor();
    if (!ok) uhr_.Melde(fehler, lang::Titel::Fehler, Symbol::Fehler);
    return ok;
}

} // namespace skiora::app
