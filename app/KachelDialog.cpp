#include "app/KachelDialog.h"

#include "app/Drucken.h"
#include "app/Einstellungen.h"
#include "core/Sonnenuhr.h"
#include "draw/qt/QtLeinwand.h"
#include "lang/KachelTexte.h"
#include "report/SeitenDatei.h"
#include "report/qt/SeitenPdf.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace skiora::app {

namespace t = lang::kacheln;

// The assembly map of the current choices, as the first page shows it.
class KachelVorschau : public QWidget {
  public:
    explicit KachelVorschau(QWidget* eltern) : QWidget(eltern) {
        setObjectName("KachelVorschau");
        setMinimumSize(360, 300);
    }
    const modell::Modell* modell = nullptr;
    const draw::Kachelplan* plan = nullptr;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        if (!modell || !plan || plan->zuViele) return;
        draw::QtLeinwand lw(painter);
        draw::Uebersicht(lw, *modell, *plan, {8, 8, width() - 8.0, height() - 8.0}, 12);
    }
};

KachelDialog::KachelDialog(Sonnenuhr& uhr, QWidget* eltern) : QDialog(eltern), uhr_(uhr) {
    setObjectName("KachelDialog");
    const int s = uhr.sprache.Sprache;
    const auto T = [s](const lang::Zweisprachig& z) {
        return QString::fromStdString(lang::Text(s, z));
    };
    setWindowTitle(T(t::DialogTitel));
    modelle_[0] = report::KachelModell(uhr, false);
    modelle_[1] = report::KachelModell(uhr, true);

    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    massstab = new QSpinBox(this);
    massstab->setObjectName("sbMassstab");
    massstab->setRange(static_cast<int>(draw::KleinsterMassstab),
                       static_cast<int>(draw::GroessterMassstab));
    massstab->setValue(1);
    form->addRow(T(t::DialogMassstab), massstab);
    papier = new QComboBox(this);
    papier->setObjectName("cbPapier");
    papier->addItems({"A4", "A3", "Letter"});
    form->addRow(T(t::DialogPapier), papier);
    teil = new QComboBox(this);
    teil->setObjectName("cbTeil");
    teil->addItems({T(t::TeilUhr), T(t::TeilDatum)});
    form->addRow(T(t::DialogTeil), teil);
    layout->addLayout(form);

    vorschau_ = new KachelVorschau(this);
    layout->addWidget(vorschau_, 1);
    angaben_ = new QLabel(this);
    angaben_->setObjectName("lKachelAngaben");
    angaben_->setWordWrap(true);
    layout->addWidget(angaben_);

    auto* knoepfe = new QDialogButtonBox(this);
    pdf_ = knoepfe->addButton(T(t::DialogPdf), QDialogButtonBox::ActionRole);
    pdf_->setObjectName("btKachelPdf");
    drucken_ = knoepfe->addButton(T(t::DialogDrucken), QDialogButtonBox::ActionRole);
    drucken_->setObjectName("btKachelDrucken");
    auto* zu = knoepfe->addButton(T(t::DialogSchliessen), QDialogButtonBox::RejectRole);
    connect(zu, &QPushButton::clicked, this, &QDialog::reject);
    connect(pdf_, &QPushButton::clicked, this, [this] { Speichern(); });
    connect(drucken_, &QPushButton::clicked, this, [this] { Drucken(); });
    layout->addWidget(knoepfe);

    connect(massstab, &QSpinBox::valueChanged, this, [this] { Neu(); });
    connect(papier, &QComboBox::currentIndexChanged, this, [this] { Neu(); });
    connect(teil, &QComboBox::currentIndexChanged, this, [this] { Neu(); });
    resize(520, 560);
    Neu();
}

KachelDialog::~KachelDialog() = default;

draw::KachelWahl KachelDialog::wahl() const {
    draw::KachelWahl w;
    w.massstab = massstab->value();
    w.papier = draw::PapierNamens(papier->currentText().toStdString()).value_or(draw::A4());
    w.nurDatum = teil->currentIndex() == 1;
    return w;
}

void KachelDialog::Neu() {
    const draw::KachelWahl w = wahl();
    const modell::Modell& m = modelle_[w.nurDatum ? 1 : 0];
    plan_ = draw::KachelnPlanen(m, w);
    vorschau_->modell = &m;
    vorschau_->plan = &plan_;
    const int s = uhr_.sprache.Sprache;
    std::string text;
    if (m.verweigert || m.elemente.empty())
        text = lang::Text(s, t::DialogLeer);
    else if (plan_.zuViele)
        text = lang::Einsetzen(lang::Text(s, t::DialogZuViele),
                               {std::to_string(draw::HoechsteSeitenzahl)});
    else
        text = lang::Einsetzen(lang::Text(s, t::DialogSeiten),
                               {std::to_string(plan_.kacheln.size()), std::to_string(plan_.spalten),
                                std::to_string(plan_.zeilen),
                                std::to_string(plan_.kacheln.size() + 1)});
    angaben_->setText(QString::fromStdString(text));
    const bool geht = !plan_.zuViele && !plan_.kacheln.empty();
    pdf_->setEnabled(geht);
    drucken_->setEnabled(geht);
    vorschau_->update();
}

bool KachelDialog::SpeichernNach(const QString& datei) {
    const draw::KachelWahl w = wahl();
    if (plan_.zuViele) {
        report::ZuVieleSeitenMelden(uhr_);
        return false;
    }
    const std::string titel = report::KachelTitel(uhr_, w.nurDatum);
    return report::SeitenSchreiben(
        uhr_, draw::KachelSeiten(modelle_[w.nurDatum ? 1 : 0], plan_, uhr_.sprache.Sprache, titel),
        titel, datei.toStdString(), report::SeitenAlsPdf);
}

void KachelDialog::Speichern() {
    const int s = uhr_.sprache.Sprache;
    // The folder last used for PDFs, never the program's own.
    Einstellungen einstellungen;
    const QString datei = QFileDialog::getSaveFileName(
        this, QString::fromStdString(lang::Text(s, t::DialogPdf)),
        QDir(einstellungen.ordner(Einstellungen::Pdf))
            .filePath(s == 2 ? QStringLiteral("tiles.pdf") : QStringLiteral("kacheln.pdf")),
        QStringLiteral("PDF (*.pdf)"));
    if (datei.isEmpty()) return;
    einstellungen.ordnerMerken(Einstellungen::Pdf, datei);
    SpeichernNach(datei);
}

void KachelDialog::Drucken() {
    if (plan_.zuViele || plan_.kacheln.empty()) return;
    const draw::KachelWahl w = wahl();
    QPrinter& drucker = ProgrammDrucker();
    QPrintDialog dialog(&drucker, this);
    if (dialog.exec() != QDialog::Accepted) return;
    const std::string titel = report::KachelTitel(uhr_, w.nurDatum);
    if (!report::SeitenDrucken(
            drucker,
            draw::KachelSeiten(modelle_[w.nurDatum ? 1 : 0], plan_, uhr_.sprache.Sprache, titel),
            titel))
        uhr_.Melde(lang::Text(uhr_.sprache.Sprache, t::DruckFehler), lang::Titel::Fehler,
                   Symbol::Warnung);
}

} // namespace skiora::app
