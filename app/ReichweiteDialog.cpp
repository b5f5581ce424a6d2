#include "app/ReichweiteDialog.h"

#include "core/Reichweite.h"
#include "core/Sonnenuhr.h"
#include "core/Zahlen.h"
#include "lang/ReichweiteTexte.h"
#include "report/Sonnentabellen.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace skiora::app {

namespace {
QString Q(const std::string& s) {
    return QString::fromStdString(s);
}
} // namespace

ReichweiteDialog::ReichweiteDialog(Sonnenuhr& uhr, QWidget* eltern)
    : TabellenDialog(uhr, "ReichweiteDialog", eltern) {
    erklaerung_ = new QLabel(this);
    erklaerung_->setWordWrap(true);
    kopf()->addWidget(erklaerung_);
    auto* zeile = new QHBoxLayout;
    hoehenLabel_ = new QLabel(this);
    zeile->addWidget(hoehenLabel_);
    for (std::size_t i = 0; i < felder.size(); ++i) {
        auto* f = new QLineEdit(this);
        f->setObjectName(QString("eLeser%1").arg(i + 1));
        f->setMaximumWidth(fontMetrics().horizontalAdvance("00.000"));
        connect(f, &QLineEdit::editingFinished, this, [this] { HoehenGeaendert(); });
        zeile->addWidget(f);
        felder[i] = f;
    }
    zeile->addStretch(1);
    kopf()->addLayout(zeile);
    warnung_ = new QLabel(this);
    warnung_->setObjectName("lWarnung");
    warnung_->setWordWrap(true);
    warnung_->setStyleSheet("color: #c00000; font-weight: bold");
    kopf()->addWidget(warnung_);
    vorschlag_ = new QLabel(this);
    vorschlag_->setObjectName("lVorschlag");
    vorschlag_->setWordWrap(true);
    kopf()->addWidget(vorschlag_);
    FelderZeigen();
}

void ReichweiteDialog::FelderZeigen() {
    const auto& h = uhr_.reichweite.Hoehen;
    for (std::size_t i = 0; i < felder.size(); ++i)
        felder[i]->setText(i < h.size() ? Q(ZahlText(2, 2, h[i])) : QString());
}

void ReichweiteDialog::HoehenGeaendert() {
    // The message box takes the focus and so finishes the field once more.
    if (imPruefen_) return;
    imPruefen_ = true;
    std::vector<std::string> texte;
    for (QLineEdit* f : felder)
        texte.push_back(f->text().toStdString());
    const auto neu = LeserhoehenLesen(texte);
    if (!neu || *neu != uhr_.reichweite.Hoehen) {
        // Refused input: the heights in force are back before the message.
        if (!neu) FelderZeigen();
        if (LeserhoehenSetzen(uhr_, texte) && uhr_.neuZeichnen) uhr_.neuZeichnen();
    }
    FelderZeigen();
    Aktualisieren();
    imPruefen_ = false;
}

Gitter ReichweiteDialog::Berechnen() {
    return ReichweiteGitter(uhr_.reichweite, uhr_.sprache.Sprache);
}

void ReichweiteDialog::TexteSetzen() {
    const int s = uhr_.sprache.Sprache;
    setWindowTitle(Q(lang::Text(s, lang::ReichweiteTitel)));
    erklaerung_->setText(Q(lang::Text(s, lang::ReichweiteErklaerung)));
    hoehenLabel_->setText(Q(lang::Text(s, lang::ReichweiteHoehenLabel)));
    const std::string warnung = ReichweiteWarnText(uhr_.reichweite, s);
    warnung_->setText(Q(warnung));
    warnung_->setVisible(!warnung.empty());
    vorschlag_->setText(Q(ReichweiteVorschlagText(uhr_.reichweite, s)));
}

bool ReichweiteDialog::Schreiben(const std::string& pfad, std::string& fehler) {
    return report::ReichweiteTabelleSpeichern(uhr_, pfad, fehler);
}

} // namespace skiora::app
