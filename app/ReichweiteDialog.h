#pragma once
// Shadow reach: the readers' heights, whether their shadows reach every hour
// point, where they do not, and the half axis to build for.
#include "app/TabellenDialog.h"

#include <array>

class QLabel;
class QLineEdit;

namespace skiora::app {

class ReichweiteDialog : public TabellenDialog {
    Q_OBJECT
  public:
    ReichweiteDialog(Sonnenuhr& uhr, QWidget* eltern);
    std::array<QLineEdit*, 4> felder{}; // eLeser1 .. eLeser4

    // A height field was left or confirmed: take the four fields, or say why
    // not and show the heights in force again.
    void HoehenGeaendert();

  protected:
    Gitter Berechnen() override;
    void TexteSetzen() override;
    bool Schreiben(const std::string& pfad, std::string& fehler) override;

  private:
    void FelderZeigen();

    QLabel* erklaerung_ = nullptr;
    QLabel* hoehenLabel_ = nullptr;
    QLabel* warnung_ = nullptr;
    QLabel* vorschlag_ = nullptr;
    bool imPruefen_ = false;
};

} // namespace skiora::app
