#pragma once
// Files / "Full-size tiles ...": the dial or its date scale at a chosen scale
// on overlapping sheets, with a preview of the page grid; saved as a PDF file
// or printed.
#include "draw/Kacheln.h"

#include <QDialog>

#include <memory>

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace skiora {
class Sonnenuhr;
}

namespace skiora::app {

class KachelVorschau;

class KachelDialog : public QDialog {
    Q_OBJECT
  public:
    KachelDialog(Sonnenuhr& uhr, QWidget* eltern);
    ~KachelDialog() override;

    // The choices, as the controls show them (tests set them through the controls).
    draw::KachelWahl wahl() const;
    const draw::Kachelplan& plan() const { return plan_; }
    // The PDF written to `datei` (the file dialog's part left out, for tests).
    bool SpeichernNach(const QString& datei);

    QSpinBox* massstab = nullptr;
    QComboBox* papier = nullptr;
    QComboBox* teil = nullptr;

  private:
    void Neu();
    void Speichern();
    void Drucken();

    Sonnenuhr& uhr_;
    modell::Modell modelle_[2]; // the whole dial, the date scale
    draw::Kachelplan plan_;
    KachelVorschau* vorschau_ = nullptr;
    QLabel* angaben_ = nullptr;
    QPushButton* pdf_ = nullptr;
    QPushButton* drucken_ = nullptr;
};

} // namespace skiora::app
