#include "app/SpeichernFrage.h"

#include "lang/KomfortTexte.h"

#include <QPushButton>

namespace skiora::app {

namespace {
QString Q(const std::string& s) {
    return QString::fromStdString(s);
}
} // namespace

SpeichernFrage::SpeichernFrage(int sprache, const QString& name, QWidget* eltern)
    : QMessageBox(eltern) {
    namespace k = lang::komfort;
    setObjectName("SpeichernFrage");
    setIcon(QMessageBox::Warning);
    setWindowTitle(k::ProgrammTitel);
    setText(Q(k::Mit(sprache, k::FrageGeaendert, name.toStdString())));
    setInformativeText(Q(lang::Text(sprache, k::FrageSpeichern)));
    // The button texts are ours, so they follow the program's language and
    // not whichever Qt translation happens to be installed.
    speichern_ = addButton(Q(lang::Text(sprache, k::KnopfSpeichern)), QMessageBox::AcceptRole);
    verwerfen_ = addButton(Q(lang::Text(sprache, k::KnopfVerwerfen)), QMessageBox::DestructiveRole);
    auto* abbrechen = addButton(Q(lang::Text(sprache, k::KnopfAbbrechen)), QMessageBox::RejectRole);
    speichern_->setObjectName("Speichern");
    verwerfen_->setObjectName("Verwerfen");
    abbrechen->setObjectName("Abbrechen");
    setDefaultButton(qobject_cast<QPushButton*>(speichern_));
    setEscapeButton(abbrechen);
}

SpeichernFrage::Antwort SpeichernFrage::antwort() const {
    if (clickedButton() == speichern_) return Antwort::Speichern;
    if (clickedButton() == verwerfen_) return Antwort::Verwerfen;
    return Antwort::Abbrechen;
}

SpeichernFrage::Antwort SpeichernFrage::Stellen(QWidget* eltern, int sprache, const QString& name) {
    SpeichernFrage frage(sprache, name, eltern);
    frage.exec();
    return frage.antwort();
}

} // namespace skiora::app
