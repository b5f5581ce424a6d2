#pragma once
// Files / "Layout sheet ...": the stake-out pages of the dial as a PDF file
// or on the printer, in metres or in feet and inches.
#include "report/Laengen.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QRadioButton;

namespace skiora {
class Sonnenuhr;
}

namespace skiora::app {

class AbsteckplanDialog : public QDialog {
    Q_OBJECT
  public:
    AbsteckplanDialog(Sonnenuhr& uhr, QWidget* eltern);

    report::Einheit einheit() const;
    void waehleEinheit(report::Einheit e);
    // The PDF written to `datei` (the file dialog's part left out, for tests).
    bool SpeichernNach(const QString& datei);

  private:
    void Speichern();
    void Drucken();

    Sonnenuhr& uhr_;
    QRadioButton* meter_ = nullptr;
    QRadioButton* fuss_ = nullptr;
    QLabel* hinweis_ = nullptr;
};

} // namespace skiora::app
