#include "app/OrtFelder.h"

#include "app/OrtSucheDialog.h"
#include "core/Ortsanzeige.h"
#include "core/Sonnenuhr.h"
#include "core/Zahlen.h"
#include "lang/OrtTexte.h"
#include "site/Standort.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace skiora::app {

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

QLabel* Anzeige(const char* name, QWidget* eltern) {
    auto* l = new QLabel(eltern);
    l->setObjectName(name);
    return l;
}

} // namespace

OrtFelder::OrtFelder(Sonnenuhr& uhr, QWidget* panel, QLineEdit* eLang, QLineEdit* eZone)
    : QObject(panel), knopf(new QPushButton(panel)), langLesbar(Anzeige("lLangLesbar", panel)),
      zoneLesbar(Anzeige("lZoneLesbar", panel)), sommerzeit(new QCheckBox(panel)), uhr_(uhr),
      eLang_(eLang), eZone_(eZone) {
    knopf->setObjectName("btOrt");
    sommerzeit->setObjectName("chBSommerzeit");
    // Wide enough for the longest readout, so the panel does not jump while typing.
    const QFontMetrics fm = langLesbar->fontMetrics();
    langLesbar->setMinimumWidth(fm.horizontalAdvance("= 188.88° W"));
    zoneLesbar->setMinimumWidth(fm.horizontalAdvance("= UTC-12:45"));
    // The summer time of a place follows the year of the calculation.
    site::Anschliessen(uhr_);

    connect(knopf, &QPushButton::clicked, this, &OrtFelder::OrtWaehlen);
    connect(eLang_, &QLineEdit::textChanged, this, &OrtFelder::LesbarSetzen);
    connect(eZone_, &QLineEdit::textChanged, this, &OrtFelder::LesbarSetzen);
    connect(sommerzeit, &QCheckBox::toggled, this, [this](bool an) {
        uhr_.ort.Sommerzeit = an;
        emit sommerzeitGeaendert();
    });
}

void OrtFelder::TexteSetzen() {
    const int s = uhr_.sprache.Sprache;
    knopf->setText(Q(lang::Text(s, lang::OrtKnopf)));
    // As narrow as its text: the panel must fit a screen 1024 pixels wide.
    knopf->setMaximumWidth(knopf->fontMetrics().horizontalAdvance(knopf->text()) + 20);
    sommerzeit->setText(Q(lang::Text(s, lang::SommerzeitHaken)));
    sommerzeit->setToolTip(Q(lang::Text(s, lang::SommerzeitHinweis)));
    LesbarSetzen();
    Spiegeln();
}

void OrtFelder::Spiegeln() {
    const Ortsangaben& o = uhr_.ort;
    const int s = uhr_.sprache.Sprache;
    std::string hinweis = lang::Text(s, lang::OrtKnopfHinweis);
    if (!o.Name.empty() || !o.Zeitzone.empty()) {
        const std::string zone = o.Zeitzone.empty() ? lang::Text(s, lang::OrtOhneZone) : o.Zeitzone;
        hinweis += "\n" + lang::Einsetzen(lang::Text(s, lang::OrtAnzeige),
                                          {o.Name.empty() ? zone : o.Name + " (" + zone + ")"});
    }
    knopf->setToolTip(Q(hinweis));
    QSignalBlocker sperre(sommerzeit);
    sommerzeit->setChecked(o.Sommerzeit);
    sommerzeit->setEnabled(o.HatSommerzeit);
}

// Each readout follows its field as it is typed; a text that is no number
// shows nothing.
void OrtFelder::LesbarSetzen() {
    const int s = uhr_.sprache.Sprache;
    const auto lang = LiesZahl(eLang_->text().toStdString());
    langLesbar->setText(lang ? Q(LaengeLesbar(*lang, s)) : QString());
    const auto zone = LiesZahl(eZone_->text().toStdString());
    zoneLesbar->setText(zone ? Q(ZoneLesbar(*zone)) : QString());
}

void OrtFelder::OrtWaehlen() {
    OrtSucheDialog dialog(uhr_.sprache.Sprache, knopf->window());
    if (dialog.exec() != QDialog::Accepted || !dialog.gewaehlt()) return;
    OrtAnwenden(*dialog.gewaehlt());
}

void OrtFelder::OrtAnwenden(const site::Ort& ort) {
    site::OrtUebernehmen(uhr_, ort, uhr_.sprache.Sprache);
    Spiegeln();
    emit ortGewaehlt();
}

} // namespace skiora::app
