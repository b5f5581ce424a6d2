#include "app/MittagDialog.h"

#include "core/Mittag.h"
#include "core/Sonnenuhr.h"
#include "core/Zahlen.h"
#include "lang/MittagTexte.h"
#include "report/Sonnentabellen.h"

#include <QBoxLayout>
#include <QLabel>

namespace skiora::app {

namespace {
QString Q(const std::string& s) {
    return QString::fromStdString(s);
}
} // namespace

MittagDialog::MittagDialog(Sonnenuhr& uhr, QWidget* eltern)
    : TabellenDialog(uhr, "MittagDialog", eltern) {
    ort_ = new QLabel(this);
    ort_->setObjectName("lOrt");
    hinweis_ = new QLabel(this);
    hinweis_->setObjectName("lHinweis");
    hinweis_->setWordWrap(true);
    kopf()->addWidget(ort_);
    kopf()->addWidget(hinweis_);
}

Gitter MittagDialog::Berechnen() {
    return MittagsTabelle(uhr_);
}

void MittagDialog::TexteSetzen() {
    const int s = uhr_.sprache.Sprache;
    setWindowTitle(Q(lang::Text(s, lang::MittagTitel) + " " + std::to_string(uhr_.p.Jahr)));
    // The site as the numbers stand, so that a sign error shows here too.
    std::string ort = uhr_.ort.Name;
    if (!uhr_.ort.Zeitzone.empty())
        ort += (ort.empty() ? "" : " ") + ("(" + uhr_.ort.Zeitzone + ")");
    if (!ort.empty()) ort += ":  ";
    ort += lang::LadeTextOhneKuerzel(uhr_.sprache, 104) + " " + ZahlText(2, 2, uhr_.p.Lang) +
           ",  " + lang::LadeTextOhneKuerzel(uhr_.sprache, 105) + " " +
           ZahlText(2, 2, uhr_.p.Zone) + ".  " + SommerzeitText(uhr_.ort, s);
    ort_->setText(Q(ort));
    hinweis_->setText(Q(lang::Text(s, lang::MittagHinweis)));
}

bool MittagDialog::Schreiben(const std::string& pfad, std::string& fehler) {
    return report::MittagTabelleSpeichern(uhr_, pfad, fehler);
}

} // namespace skiora::app
