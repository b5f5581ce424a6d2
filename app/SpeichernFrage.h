#pragma once
// The question before unsaved changes would be lost (closing the window,
// loading another configuration, starting a new dial): Save, Discard or
// Cancel, in the program's language.
#include <QMessageBox>

namespace skiora::app {

class SpeichernFrage : public QMessageBox {
    Q_OBJECT
  public:
    enum class Antwort { Speichern, Verwerfen, Abbrechen };

    // name: the dial's file name, or "unbenannt" / "untitled".
    SpeichernFrage(int sprache, const QString& name, QWidget* eltern = nullptr);
    Antwort antwort() const;

    // Shows the question modally and returns the choice; Escape or closing
    // the box is Cancel.
    static Antwort Stellen(QWidget* eltern, int sprache, const QString& name);

  private:
    QAbstractButton* speichern_ = nullptr;
    QAbstractButton* verwerfen_ = nullptr;
};

} // namespace skiora::app
