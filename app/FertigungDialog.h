#pragma once
// "Save 1:1...": the dial at true size as SVG or DXF. A tool button beside
// the plot exports opens a small dialog (format, units, point diameter, text
// height); after OK the save dialog asks for the file.
#include "export/Fertigung.h"

#include <QDialog>
#include <functional>
#include <string>

class QDoubleSpinBox;
class QLabel;
class QToolButton;

namespace skiora {
class Sonnenuhr;
}

namespace skiora::app {

class Optionsgruppe;

class FertigungDialog : public QDialog {
    Q_OBJECT
  public:
    FertigungDialog(Sonnenuhr& uhr, QWidget* eltern);

    // The options, then the file, then the file written. False when cancelled
    // or not written (the reason went to the document's Melder).
    bool Ausfuehren();
    // Writes the chosen format and options into `datei`.
    bool Schreiben(const std::string& datei);
    void TexteSetzen();

    export_::Format format() const;
    export_::Einheit einheit() const;
    // In metres, as the model takes them.
    modell::Vorgaben vorgaben() const;

    // The save dialog; returns the chosen file or "" when cancelled. Tests
    // replace it, and `optionenBestaetigen` (which shows this dialog).
    std::function<std::string(FertigungDialog&)> dateiWaehlen;
    std::function<bool(FertigungDialog&)> optionenBestaetigen;

    Optionsgruppe* rgFormat;
    Optionsgruppe* rgEinheit;
    QLabel* lPunkt;
    QLabel* lSchrift;
    QDoubleSpinBox* sbPunkt;
    QDoubleSpinBox* sbSchrift;

  private:
    void EinheitGewaehlt(int index);
    std::string SpeicherDialog();

    Sonnenuhr& uhr_;
    int einheit_ = 0; // the unit the spin boxes count in
};

// The tool button "tbMass" with its dialog, for the graphic page's tool bar.
QToolButton* ErstelleFertigungsKnopf(Sonnenuhr& uhr, QWidget* eltern);
// The button's and the dialog's texts in the current language, for the
// window's language switch (`fenster` holds the button).
void FertigungTexteSetzen(QWidget* fenster);

} // namespace skiora::app
