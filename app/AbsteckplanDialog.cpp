#include "app/AbsteckplanDialog.h"

#include "app/Drucken.h"
#include "app/Einstellungen.h"
#include "core/Sonnenuhr.h"
#include "lang/AbsteckTexte.h"
#include "report/Absteckplan.h"
#include "report/SeitenDatei.h"
#include "report/qt/SeitenPdf.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace skiora::app {

namespace {

namespace t = lang::abstecken;

} // namespace

AbsteckplanDialog::AbsteckplanDialog(Sonnenuhr& uhr, QWidget* eltern) : QDialog(eltern), uhr_(uhr) {
    setObjectName("AbsteckplanDialog");
    const int s = uhr.sprache.Sprache;
    const auto T = [s](const lang::Zweisprachig& z) {
        return QString::fromStdString(lang::Text(s, z));
    };
    setWindowTitle(T(t::DialogTitel));

    auto* layout = new QVBoxLayout(this);
    auto* zeile = new QHBoxLayout;
    zeile->addWidget(new QLabel(T(t::DialogEinheit), this));
    meter_ = new QRadioButton(T(t::DialogMeter), this);
    meter_->setObjectName("rbMeter");
    fuss_ = new QRadioButton(T(t::DialogFuss), this);
    fuss_->setObjectName("rbFuss");
    meter_->setChecked(true);
    auto* gruppe = new QButtonGroup(this);
    gruppe->addButton(meter_);
    gruppe->addButton(fuss_);
    zeile->addWidget(meter_);
    zeile->addWidget(fuss_);
    zeile->addStretch();
    layout->addLayout(zeile);

    hinweis_ = new QLabel(this);
    hinweis_->setObjectName("lAbsteckSeiten");
    const int seiten = report::AbsteckplanSeiten(uhr, report::Einheit::Meter).seiten;
    hinweis_->setText(QString::fromStdString(
        lang::Einsetzen(lang::Text(s, t::DialogSeiten), {std::to_string(seiten)})));
    layout->addWidget(hinweis_);

    auto* knoepfe = new QDialogButtonBox(this);
    auto* pdf = knoepfe->addButton(T(t::DialogPdf), QDialogButtonBox::ActionRole);
    pdf->setObjectName("btAbsteckPdf");
    auto* drucken = knoepfe->addButton(T(t::DialogDrucken), QDialogButtonBox::ActionRole);
    drucken->setObjectName("btAbsteckDrucken");
    auto* zu = knoepfe->addButton(T(t::DialogSchliessen), QDialogButtonBox::RejectRole);
    connect(zu, &QPushButton::clicked, this, &QDialog::reject);
    connect(pdf, &QPushButton::clicked, this, [this] { Speichern(); });
    connect(drucken, &QPushButton::clicked, this, [this] { Drucken(); });
    pdf->setEnabled(seiten > 0);
    drucken->setEnabled(seiten > 0);
    layout->addWidget(knoepfe);
}

report::Einheit AbsteckplanDialog::einheit() const {
    return fuss_->isChecked() ? report::Einheit::FussZoll : report::Einheit::Meter;
}

void AbsteckplanDialog::waehleEinheit(report::Einheit e) {
    (e == report::Einheit::FussZoll ? fuss_ : meter_)->setChecked(true);
}

bool AbsteckplanDialog::SpeichernNach(const QString& datei) {
    return report::SeitenSchreiben(uhr_, report::AbsteckplanSeiten(uhr_, einheit()),
                                   report::AbsteckTitel(uhr_), datei.toStdString(),
                                   report::SeitenAlsPdf);
}

void AbsteckplanDialog::Speichern() {
    const int s = uhr_.sprache.Sprache;
    // The folder last used for PDFs, never the program's own.
    Einstellungen einstellungen;
    const QString datei =
        QFileDialog::getSaveFileName(this, QString::fromStdString(lang::Text(s, t::DialogPdf)),
                                     QDir(einstellungen.ordner(Einstellungen::Pdf))
                                         .filePath(s == 2 ? QStringLiteral("layout-sheet.pdf")
                                                          : QStringLiteral("absteckplan.pdf")),
                                     QString::fromStdString(lang::Text(s, t::DateiFilter)));
    if (datei.isEmpty()) return;
    einstellungen.ordnerMerken(Einstellungen::Pdf, datei);
    SpeichernNach(datei);
}

void AbsteckplanDialog::Drucken() {
    QPrinter& drucker = ProgrammDrucker();
    QPrintDialog dialog(&drucker, this);
    if (dialog.exec() != QDialog::Accepted) return;
    if (!report::SeitenDrucken(drucker, report::AbsteckplanSeiten(uhr_, einheit()),
                               report::AbsteckTitel(uhr_)))
        uhr_.Melde(lang::Text(uhr_.sprache.Sprache, t::DruckFehler), lang::Titel::Fehler,
                   Symbol::Warnung);
}

} // namespace skiora::app
