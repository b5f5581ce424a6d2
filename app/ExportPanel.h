#pragma once
// The export panel PanSave on the graphic page: the choice between the plot as
// on the screen and the scaled construction (rgDxf), the axis of the scaled
// construction (EddxfAchs), OK and cancel; and the export it starts.
#include "core/Zuruecknehmen.h"

#include <QFrame>
#include <QString>
#include <functional>
#include <optional>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace skiora {
class Sonnenuhr;
}

namespace skiora::app {

class Optionsgruppe;

// Creates the hidden panel as a child of `seite`.
QWidget* ErstellePanSave(Sonnenuhr& uhr, QWidget* seite);
// tbHpg (dxf = false) and tbDXF (dxf = true): opens the panel.
void AchseWaehlen(Sonnenuhr& uhr, QWidget* panSave, bool dxf);
// The window passes what it does after the document changed (mirror the
// parameters and tables); the panel calls it after every accepted axis and
// every recalculation it starts.
void PanSaveNachRechnung(QWidget* panSave, std::function<void()> spiegeln);

// The export without its dialog: the plot of the current dial (as on the
// screen, or scaled with DxfAchse) into `datei`, as HPGL or converted to DXF.
// The plot and the drawing are made in memory, with no intermediate file;
// the previous file is replaced only by a complete one. A write failure is
// reported with the file and the reason. True when the file is complete.
bool ExportSchreiben(Sonnenuhr& uhr, const std::string& datei, bool hpgl, bool alsSchirm);

// A filter list "name|pattern|name|pattern" as Qt's "name (pattern);;...".
QString QtFilter(const std::string& filter);

class ExportPanel : public QFrame {
    Q_OBJECT
  public:
    ExportPanel(Sonnenuhr& uhr, QWidget* eltern);

    // AchseWaehlen with tbHpg / tbDXF.
    void Oeffnen(bool dxf);
    void rgDxfClick(int index);
    // Button3: check the axis, recalculate with it, hide, export.
    void Bestaetigen();
    // Button3's first two steps: the axis becomes Halb and the dial is
    // recalculated. False when a typed axis was refused (the old one is used).
    bool AchseUebernehmen();
    // Leaving EddxfAchs.
    void EddxfAchsExit();
    // Asks for the file name and writes the export; a cancelled dialog
    // takes the axis back.
    void tbHpgClick();
    // Button4: hides the panel and takes back what it did to the dial.
    void Abbrechen();
    void TexteSetzen();

    bool PlotIsHpgl = true;
    bool PlotAsShown = true;
    std::function<void()> nachRechnung;
    // The save dialog; returns the chosen file or "" when cancelled. Tests
    // replace it.
    std::function<std::string(ExportPanel&)> dateiWaehlen;

    QLabel* Label18;
    Optionsgruppe* rgDxf;
    QLabel* Label16;
    QLineEdit* EddxfAchs;
    QPushButton* Button3;
    QPushButton* Button4;

  protected:
    bool eventFilter(QObject* o, QEvent* e) override;

  private:
    void AchsfeldFaerben();
    void Gespiegelt();
    std::string SpeicherDialog();
    void AchseGesetzt();
    void Zuruecknehmen();

    Sonnenuhr& uhr_;
    bool imExit_ = false;
    // The dial as it was when the panel opened, and the half axis the panel
    // set last (none yet when unset).
    std::optional<Stand> vorher_;
    std::optional<double> gesetzteAchse_;
};

} // namespace skiora::app
