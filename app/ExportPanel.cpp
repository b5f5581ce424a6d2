#include "app/ExportPanel.h"

#include "app/Einstellungen.h"
#include "app/Optionsgruppe.h"
#include "core/Sonnenuhr.h"
#include "core/Zahlen.h"
#include "export/Plot.h"
#include "export/PlotDatei.h"

#include <QAbstractButton>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <sstream>

namespace skiora::app {

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

QString QtFilter(const std::string& filter) {
    const QStringList teile = Q(filter).split('|');
    QStringList filter_;
    for (int i = 0; i + 1 < teile.size(); i += 2) {
        const QString name = teile[i].trimmed();
        QString muster = teile[i + 1].trimmed();
        muster.replace(';', ' ');
        // Qt reads the patterns from the last parentheses of the name.
        filter_ << (name.endsWith("(" + muster + ")") ? name : name + " (" + muster + ")");
    }
    return filter_.join(";;");
}

bool ExportSchreiben(Sonnenuhr& uhr, const std::string& datei, bool hpgl, bool alsSchirm) {
    std::ostringstream plot;
    plot.imbue(std::locale::classic());
    const Ansicht& v = uhr.ansicht;
    if (alsSchirm)
        export_::PlotAsScreen(uhr, plot, v.DeltaX, v.DeltaY, v.Zoom);
    else
        export_::PlotScaled(uhr, plot, v.DeltaX, v.DeltaY, uhr.opt.DxfAchse);

    return export_::PlotDateiSchreiben(uhr, plot.str(), datei, hpgl);
}

ExportPanel::ExportPanel(Sonnenuhr& uhr, QWidget* eltern) : QFrame(eltern), uhr_(uhr) {
    setObjectName("PanSave");
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);

    // The Tags let the window's language switch re-text the panel too.
    Label18 = new QLabel(this);
    Label18->setObjectName("Label18");
    Label18->setProperty("Tag", 41);
    QFont f = Label18->font();
    f.setBold(true);
    Label18->setFont(f);
    rgDxf = new Optionsgruppe("rgDxf", this);
    rgDxf->setProperty("Tag", 80);
    Label16 = new QLabel(this);
    Label16->setObjectName("Label16");
    Label16->setProperty("Tag", 40);
    EddxfAchs = new QLineEdit(this);
    EddxfAchs->setObjectName("EddxfAchs");
    EddxfAchs->setMaximumWidth(60);
    EddxfAchs->installEventFilter(this);
    Button3 = new QPushButton("OK", this);
    Button3->setObjectName("Button3");
    Button4 = new QPushButton(this);
    Button4->setObjectName("Button4");
    Button4->setProperty("Tag", 8);

    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(Label18);
    spalte->addWidget(rgDxf);
    spalte->addWidget(Label16);
    spalte->addWidget(EddxfAchs);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(Button3);
    knoepfe->addWidget(Button4);
    spalte->addLayout(knoepfe);

    connect(rgDxf, &Optionsgruppe::gewaehlt, this, &ExportPanel::rgDxfClick);
    connect(Button3, &QPushButton::clicked, this, &ExportPanel::Bestaetigen);
    connect(Button4, &QPushButton::clicked, this, &ExportPanel::Abbrechen);
    dateiWaehlen = [](ExportPanel& p) { return p.SpeicherDialog(); };
    TexteSetzen();
    hide();
}

void ExportPanel::TexteSetzen() {
    const auto& s = uhr_.sprache;
    Label18->setText(Q(lang::LadeText(s, Label18->property("Tag").toInt())));
    Label16->setText(Q(lang::LadeText(s, 40)));
    Button4->setText(Q(lang::LadeText(s, 8)));
    rgDxf->setTitle(QString());
    rgDxf->setzeEintraege(
        {Q(lang::TextTabelle2(s.Sprache, 107)), Q(lang::TextTabelle2(s.Sprache, 108))});
}

void ExportPanel::AchsfeldFaerben() {
    const bool an = !PlotAsShown;
    EddxfAchs->setEnabled(an);
    QPalette pal = EddxfAchs->palette();
    const QPalette& basis = palette();
    pal.setColor(QPalette::Base,
                 an ? basis.color(QPalette::ToolTipBase) : basis.color(QPalette::Button));
    EddxfAchs->setPalette(pal);
}

void ExportPanel::Oeffnen(bool dxf) {
    auto* seite = parentWidget();
    // Opening it again while it is open keeps the state it first found.
    if (isHidden()) {
        vorher_ = StandMerken(uhr_);
        gesetzteAchse_.reset();
    }
    uhr_.opt.DxfAchse = export_::AngeboteneAchse(uhr_.p.Halb);
    EddxfAchs->setText(Q(ZahlText(4, 2, uhr_.opt.DxfAchse)));
    EddxfAchs->setModified(false);
    rgDxf->setzeItemIndex(PlotAsShown ? 0 : 1);
    AchsfeldFaerben();
    PlotIsHpgl = !dxf;
    Label18->setProperty("Tag", dxf ? 42 : 41);
    TexteSetzen();
    adjustSize();
    if (seite) move(std::max(0, (seite->width() - width()) / 2), 40);
    show();
    raise();
    if (!PlotAsShown) EddxfAchs->setFocus();
}

void ExportPanel::rgDxfClick(int index) {
    PlotAsShown = index == 0;
    AchsfeldFaerben();
}

void ExportPanel::Gespiegelt() {
    // eHalb shows the new half axis unless the user is typing into it.
    if (auto* eHalb = window()->findChild<QLineEdit*>("eHalb");
        eHalb && !(eHalb->hasFocus() && eHalb->isModified())) {
        eHalb->setText(Q(ZahlText(4, 2, uhr_.p.Halb)));
        eHalb->setModified(false);
    }
    if (nachRechnung) nachRechnung();
}

void ExportPanel::EddxfAchsExit() {
    if (imExit_ || !EddxfAchs->isModified()) return;
    imExit_ = true;
    const FeldErgebnis r = uhr_.eBreitExit(Feld::EddxfAchs, EddxfAchs->text().toStdString());
    EddxfAchs->setText(Q(r.text));
    EddxfAchs->setModified(false);
    if (r.gueltig) AchseGesetzt();
    Gespiegelt();
    if (!r.gueltig) QTimer::singleShot(0, EddxfAchs, [this] { EddxfAchs->setFocus(); });
    imExit_ = false;
}

void ExportPanel::AchseGesetzt() {
    gesetzteAchse_ = uhr_.p.Halb;
}

void ExportPanel::Zuruecknehmen() {
    if (vorher_ && gesetzteAchse_) {
        AchseZuruecknehmen(uhr_, *vorher_, *gesetzteAchse_);
        Gespiegelt();
    }
    vorher_.reset();
    gesetzteAchse_.reset();
}

void ExportPanel::Abbrechen() {
    hide();
    Zuruecknehmen();
}

bool ExportPanel::AchseUebernehmen() {
    bool angenommen = true;
    if (EddxfAchs->isModified()) {
        const FeldErgebnis r = uhr_.eBreitExit(Feld::EddxfAchs, EddxfAchs->text().toStdString());
        EddxfAchs->setText(Q(r.text));
        EddxfAchs->setModified(false);
        // An accepted axis has already become Halb and been calculated with.
        if (r.gueltig) {
            AchseGesetzt();
            Gespiegelt();
            return true;
        }
        angenommen = false;
    }
    uhr_.p.Halb = uhr_.opt.DxfAchse;
    uhr_.btGoClick(Absender::Sonstige);
    AchseGesetzt();
    Gespiegelt();
    return angenommen;
}

void ExportPanel::Bestaetigen() {
    // A refused axis keeps the previous one and the export goes on with it.
    AchseUebernehmen();
    hide();
    tbHpgClick();
}

std::string ExportPanel::SpeicherDialog() {
    const auto& s = uhr_.sprache;
    // The folder last used for plots, never the program's own (an installed
    // program's folder cannot be written).
    Einstellungen einstellungen;
    const QString ordner = einstellungen.ordner(Einstellungen::Plot);
    QFileDialog dlg(window(),
                    "SKIORA.EXE - " + Q(lang::LadeTextOhneKuerzel(s, PlotIsHpgl ? 41 : 42)));
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setFileMode(QFileDialog::AnyFile);
    dlg.setDirectory(ordner);
    const QStringList filter = QtFilter(lang::TextTabelle1(s.Sprache, 30)).split(";;");
    dlg.setNameFilters(filter);
    const int index = PlotIsHpgl ? 0 : 1;
    if (index < filter.size()) dlg.selectNameFilter(filter[index]);
    dlg.setDefaultSuffix(PlotIsHpgl ? "plt" : "dxf");
    dlg.selectFile(QDir(ordner).filePath("MyDial"));
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return {};
    einstellungen.ordnerMerken(Einstellungen::Plot, dlg.selectedFiles().first());
    return dlg.selectedFiles().first().toStdString();
}

void ExportPanel::tbHpgClick() {
    const std::string datei = dateiWaehlen ? dateiWaehlen(*this) : std::string();
    if (datei.empty()) {
        Zuruecknehmen();
        return;
    }
    // The dial stays as it was exported.
    vorher_.reset();
    gesetzteAchse_.reset();
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    ExportSchreiben(uhr_, datei, PlotIsHpgl, PlotAsShown);
    QGuiApplication::restoreOverrideCursor();
}

bool ExportPanel::eventFilter(QObject* o, QEvent* e) {
    if (o != EddxfAchs) return QFrame::eventFilter(o, e);
    if (e->type() == QEvent::FocusOut) {
        EddxfAchsExit();
    } else if (e->type() == QEvent::KeyPress) {
        // The keys every numeric field takes: digits, ".", "-", editing keys;
        // a comma becomes a point and Enter moves on.
        auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
            focusNextChild();
            return true;
        }
        if (k->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
        const QString t = k->text();
        if (t.isEmpty() || !t[0].isPrint()) return false;
        if (t == ",") {
            EddxfAchs->insert(".");
            return true;
        }
        for (QChar c : t)
            if (!c.isDigit() && c != '.' && c != '-') return true;
    }
    return QFrame::eventFilter(o, e);
}

QWidget* ErstellePanSave(Sonnenuhr& uhr, QWidget* seite) {
    return new ExportPanel(uhr, seite);
}

void AchseWaehlen(Sonnenuhr&, QWidget* panSave, bool dxf) {
    if (auto* p = qobject_cast<ExportPanel*>(panSave)) p->Oeffnen(dxf);
}

void PanSaveNachRechnung(QWidget* panSave, std::function<void()> spiegeln) {
    if (auto* p = qobject_cast<ExportPanel*>(panSave)) p->nachRechnung = std::move(spiegeln);
}

} // namespace skiora::app
