#include "app/OrtSucheDialog.h"

#include "core/Ortsanzeige.h"
#include "lang/OrtTexte.h"
#include "site/Ortsverzeichnis.h"

#include <QAbstractTableModel>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace skiora::app {

namespace {

// More would only be scrolled past: the largest come first.
constexpr std::size_t HoechstensGezeigt = 200;

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

class OrtTrefferModell : public QAbstractTableModel {
  public:
    OrtTrefferModell(int sprache, QObject* eltern)
        : QAbstractTableModel(eltern), sprache_(sprache) {}

    void setzen(std::vector<const site::Ort*> orte) {
        beginResetModel();
        orte_ = std::move(orte);
        endResetModel();
    }
    const std::vector<const site::Ort*>& orte() const { return orte_; }

    int rowCount(const QModelIndex& eltern) const override {
        return eltern.isValid() ? 0 : static_cast<int>(orte_.size());
    }
    int columnCount(const QModelIndex& eltern) const override { return eltern.isValid() ? 0 : 5; }

    QVariant data(const QModelIndex& index, int rolle) const override {
        if (!index.isValid() || rolle != Qt::DisplayRole) return {};
        const site::Ort& o = *orte_[static_cast<std::size_t>(index.row())];
        switch (index.column()) {
        case 0:
            return Q(o.Name(sprache_));
        case 1:
            return Q(o.Region(sprache_));
        case 2:
            return Q(o.Land(sprache_));
        case 3:
            return Q(LageLesbar(o.breite, o.laenge, sprache_));
        default:
            return Q(o.zeitzone);
        }
    }

    QVariant headerData(int nr, Qt::Orientation richtung, int rolle) const override {
        if (richtung != Qt::Horizontal || rolle != Qt::DisplayRole) return {};
        static const lang::Zweisprachig* koepfe[] = {&lang::OrtSpalteName, &lang::OrtSpalteRegion,
                                                     &lang::OrtSpalteLand, &lang::OrtSpalteLage,
                                                     &lang::OrtSpalteZone};
        return nr >= 0 && nr < 5 ? Q(lang::Text(sprache_, *koepfe[nr])) : QVariant();
    }

  private:
    int sprache_;
    std::vector<const site::Ort*> orte_;
};

OrtSucheDialog::OrtSucheDialog(int sprache, QWidget* eltern)
    : QDialog(eltern), sprache_(sprache), eingabe_(new QLineEdit(this)),
      liste_(new QTableView(this)), status_(new QLabel(this)),
      knoepfe_(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this)),
      modell_(new OrtTrefferModell(sprache, this)), warten_(new QTimer(this)) {
    setObjectName("OrtSuche");
    setWindowTitle(Q(lang::Text(sprache, lang::OrtSuchTitel)));
    site::Ortsverzeichnis::Vorbereiten();

    eingabe_->setObjectName("eOrtSuche");
    eingabe_->setClearButtonEnabled(true);
    eingabe_->installEventFilter(this);
    liste_->setObjectName("StrGridOrte");
    liste_->setModel(modell_);
    liste_->setSelectionBehavior(QAbstractItemView::SelectRows);
    liste_->setSelectionMode(QAbstractItemView::SingleSelection);
    liste_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    liste_->verticalHeader()->hide();
    liste_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    liste_->horizontalHeader()->setStretchLastSection(true);
    // Columns wide enough for long but common texts; the time zone takes the rest.
    const QFontMetrics fm = liste_->fontMetrics();
    int breite = 0;
    for (auto [spalte, muster] : {std::pair{0, "Bergisch Gladbach"},
                                  {1, "Nordrhein-Westfalen"},
                                  {2, "Vereinigte Staaten"},
                                  {3, "88.88\u00B0 N, 188.88\u00B0 W"},
                                  {4, "America/Argentina/Cordoba"}}) {
        const int w = fm.horizontalAdvance(QString::fromUtf8(muster)) + 16;
        liste_->setColumnWidth(spalte, w);
        breite += w;
    }
    status_->setObjectName("lOrtStatus");

    auto* frage = new QLabel(Q(lang::Text(sprache, lang::OrtSuchFrage)), this);
    frage->setBuddy(eingabe_);
    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(frage);
    spalte->addWidget(eingabe_);
    spalte->addWidget(liste_, 1);
    spalte->addWidget(status_);
    spalte->addWidget(knoepfe_);
    resize(breite + 60, 30 * fontMetrics().height());

    connect(eingabe_, &QLineEdit::textChanged, this, &OrtSucheDialog::suchen);
    connect(liste_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &OrtSucheDialog::auswahlGeaendert);
    connect(liste_, &QTableView::doubleClicked, this, [this] {
        if (gewaehlt()) accept();
    });
    connect(knoepfe_, &QDialogButtonBox::accepted, this, [this] {
        if (gewaehlt()) accept();
    });
    connect(knoepfe_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Until the list of places is read, look again now and then.
    warten_->setInterval(25);
    connect(warten_, &QTimer::timeout, this, &OrtSucheDialog::suchen);
    suchen();
}

OrtSucheDialog::~OrtSucheDialog() = default;

const std::vector<const site::Ort*>& OrtSucheDialog::treffer() const {
    return modell_->orte();
}

const site::Ort* OrtSucheDialog::gewaehlt() const {
    const QModelIndex i = liste_->currentIndex();
    const auto& orte = modell_->orte();
    if (!i.isValid() || i.row() >= static_cast<int>(orte.size())) return nullptr;
    return orte[static_cast<std::size_t>(i.row())];
}

void OrtSucheDialog::suchen() {
    if (!site::Ortsverzeichnis::Bereit()) {
        status_->setText(Q(lang::Text(sprache_, lang::OrtLaedt)));
        warten_->start();
        auswahlGeaendert();
        return;
    }
    warten_->stop();
    const auto& verzeichnis = site::Ortsverzeichnis::Datenbank();
    const std::string anfrage = eingabe_->text().toStdString();
    site::Suchergebnis erg = verzeichnis.Suchen(anfrage, HoechstensGezeigt);
    const std::size_t gezeigt = erg.orte.size();
    modell_->setzen(std::move(erg.orte));
    if (verzeichnis.Anzahl() == 0)
        status_->setText(Q(lang::Text(sprache_, lang::OrtVerzeichnisFehlt)));
    else if (site::Falten(anfrage).empty())
        status_->clear();
    else if (erg.gesamt == 0)
        status_->setText(Q(lang::Text(sprache_, lang::OrtKeinTreffer)));
    else if (erg.gesamt > gezeigt)
        status_->setText(Q(lang::Einsetzen(lang::Text(sprache_, lang::OrtTrefferMehr),
                                           {std::to_string(gezeigt), std::to_string(erg.gesamt)})));
    else
        status_->setText(
            Q(lang::Einsetzen(lang::Text(sprache_, lang::OrtTreffer), {std::to_string(gezeigt)})));
    if (gezeigt > 0) liste_->setCurrentIndex(modell_->index(0, 0));
    auswahlGeaendert();
}

void OrtSucheDialog::auswahlGeaendert() {
    knoepfe_->button(QDialogButtonBox::Ok)->setEnabled(gewaehlt() != nullptr);
}

// Up and down move through the list while the typing goes on; Enter takes
// the selected place.
bool OrtSucheDialog::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt == eingabe_ && ereignis->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(ereignis);
        const int zeilen = modell_->rowCount({});
        const int jetzt = liste_->currentIndex().isValid() ? liste_->currentIndex().row() : -1;
        int neu = jetzt;
        switch (k->key()) {
        case Qt::Key_Down:
            neu = std::min(jetzt + 1, zeilen - 1);
            break;
        case Qt::Key_Up:
            neu = std::max(jetzt - 1, 0);
            break;
        case Qt::Key_PageDown:
            neu = std::min(jetzt + 10, zeilen - 1);
            break;
        case Qt::Key_PageUp:
            neu = std::max(jetzt - 10, 0);
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (gewaehlt()) accept();
            return true;
        default:
            return QDialog::eventFilter(objekt, ereignis);
        }
        if (zeilen > 0 && neu >= 0) liste_->setCurrentIndex(modell_->index(neu, 0));
        return true;
    }
    return QDialog::eventFilter(objekt, ereignis);
}

} // namespace skiora::app
