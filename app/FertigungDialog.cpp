#include "app/FertigungDialog.h"

#include "app/Einstellungen.h"
#include "app/Optionsgruppe.h"
#include "core/Sonnenuhr.h"
#include "lang/FertigungTexte.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace skiora::app {

namespace {

namespace t = lang::fertigung;

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

// Millimetres with one decimal up to a metre, or inches with three up to 40.
void Bereich(QDoubleSpinBox* sb, bool zoll) {
    const auto [min, max] =
        export_::GroessenBereich(zoll ? export_::Einheit::Zoll : export_::Einheit::Millimeter);
    sb->setDecimals(zoll ? 3 : 1);
    sb->setRange(min, max);
    sb->setSuffix(zoll ? " in" : " mm");
}

} // namespace

FertigungDialog::FertigungDialog(Sonnenuhr& uhr, QWidget* eltern) : QDialog(eltern), uhr_(uhr) {
    setObjectName("FertigungDialog");
    auto* spalte = new QVBoxLayout(this);
    rgFormat = new Optionsgruppe("rgFormat", this);
    rgEinheit = new Optionsgruppe("rgEinheit", this);
    spalte->addWidget(rgFormat);
    spalte->addWidget(rgEinheit);
    auto* felder = new QFormLayout;
    lPunkt = new QLabel(this);
    lSchrift = new QLabel(this);
    sbPunkt = new QDoubleSpinBox(this);
    sbPunkt->setObjectName("sbPunkt");
    sbSchrift = new QDoubleSpinBox(this);
    sbSchrift->setObjectName("sbSchrift");
    for (auto* sb : {sbPunkt, sbSchrift}) {
        Bereich(sb, false);
        sb->setValue(20);
    }
    felder->addRow(lPunkt, sbPunkt);
    felder->addRow(lSchrift, sbSchrift);
    spalte->addLayout(felder);
    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    spalte->addWidget(knoepfe);
    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    TexteSetzen();
    rgFormat->setzeItemIndex(0);
    rgEinheit->setzeItemIndex(0);
    connect(rgEinheit, &Optionsgruppe::gewaehlt, this, &FertigungDialog::EinheitGewaehlt);
    dateiWaehlen = [](FertigungDialog& d) { return d.SpeicherDialog(); };
    optionenBestaetigen = [](FertigungDialog& d) { return d.exec() == QDialog::Accepted; };
}

void FertigungDialog::TexteSetzen() {
    const int s = uhr_.sprache.Sprache;
    setWindowTitle("SKIORA.EXE - " + Q(lang::Text(s, t::Titel)));
    rgFormat->setTitle(Q(lang::Text(s, t::Format)));
    rgFormat->setzeEintraege({Q(lang::Text(s, t::Svg)), Q(lang::Text(s, t::Dxf))});
    rgEinheit->setTitle(Q(lang::Text(s, t::Einheit)));
    rgEinheit->setzeEintraege({Q(lang::Text(s, t::Millimeter)), Q(lang::Text(s, t::Zoll))});
    lPunkt->setText(Q(lang::Text(s, t::Punkt)));
    lSchrift->setText(Q(lang::Text(s, t::Schrift)));
    if (auto* k = qobject_cast<QToolButton*>(parent())) {
        k->setText(Q(lang::Text(s, t::Knopf)));
        k->setToolTip(Q(lang::Text(s, t::Hinweis)));
    }
}

void FertigungDialog::EinheitGewaehlt(int index) {
    if (index == einheit_ || index < 0) return;
    // The sizes keep their length in the new unit.
    const double faktor = index == 1 ? 1 / 25.4 : 25.4;
    for (auto* sb : {sbPunkt, sbSchrift}) {
        const double v = sb->value() * faktor;
        Bereich(sb, index == 1);
        sb->setValue(v);
    }
    einheit_ = index;
}

export_::Format FertigungDialog::format() const {
    return rgFormat->itemIndex() == 1 ? export_::Format::Dxf : export_::Format::Svg;
}

export_::Einheit FertigungDialog::einheit() const {
    return einheit_ == 1 ? export_::Einheit::Zoll : export_::Einheit::Millimeter;
}

modell::Vorgaben FertigungDialog::vorgaben() const {
    const double f = export_::ProMeter(einheit());
    return {sbPunkt->value() / f, sbSchrift->value() / f};
}

std::string FertigungDialog::SpeicherDialog() {
    const int s = uhr_.sprache.Sprache;
    const bool svg = format() == export_::Format::Svg;
    // The folder last used for plots and drawings, never the program's own.
    Einstellungen einstellungen;
    const QString ordner = einstellungen.ordner(Einstellungen::Plot);
    QFileDialog dlg(window(), windowTitle());
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setFileMode(QFileDialog::AnyFile);
    dlg.setDirectory(ordner);
    dlg.setNameFilter(Q(lang::Text(s, svg ? t::SvgFilter : t::DxfFilter)));
    dlg.setDefaultSuffix(svg ? "svg" : "dxf");
    dlg.selectFile(QDir(ordner).filePath("MyDial"));
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return {};
    einstellungen.ordnerMerken(Einstellungen::Plot, dlg.selectedFiles().first());
    return dlg.selectedFiles().first().toStdString();
}

bool FertigungDialog::Schreiben(const std::string& datei) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ok = export_::FertigungSpeichern(uhr_, datei, format(), einheit(), vorgaben());
    QGuiApplication::restoreOverrideCursor();
    return ok;
}

bool FertigungDialog::Ausfuehren() {
    if (!optionenBestaetigen(*this)) return false;
    const std::string datei = dateiWaehlen(*this);
    return !datei.empty() && Schreiben(datei);
}

QToolButton* ErstelleFertigungsKnopf(Sonnenuhr& uhr, QWidget* eltern) {
    auto* k = new QToolButton(eltern);
    k->setObjectName("tbMass");
    k->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    auto* dialog = new FertigungDialog(uhr, k);
    QObject::connect(k, &QToolButton::clicked, dialog, [dialog] { dialog->Ausfuehren(); });
    return k;
}

void FertigungTexteSetzen(QWidget* fenster) {
    for (auto* d : fenster->findChildren<FertigungDialog*>())
        d->TexteSetzen();
}

} // namespace skiora::app
