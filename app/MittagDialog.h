#pragma once
// The noon table of the calculation year: when the Sun stands due south, so
// that a plumb line's shadow shows the north-south line.
#include "app/TabellenDialog.h"

class QLabel;

namespace skiora::app {

class MittagDialog : public TabellenDialog {
    Q_OBJECT
  public:
    MittagDialog(Sonnenuhr& uhr, QWidget* eltern);

  protected:
    Gitter Berechnen() override;
    void TexteSetzen() override;
    bool Schreiben(const std::string& pfad, std::string& fehler) override;

  private:
    QLabel* ort_ = nullptr;
    QLabel* hinweis_ = nullptr;
};

} // namespace skiora::app
