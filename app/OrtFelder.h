#pragma once
// The site's controls on the dial-data panel: the button "Ort ..." beside the
// latitude (its tool tip names the place chosen), the longitude and the zone
// meridian read the usual way beside their fields (following every key
// press), and the option "Sommerzeit". The document decides; these mirror it.
#include <QObject>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace skiora {
class Sonnenuhr;
}
namespace skiora::site {
struct Ort;
}

namespace skiora::app {

class OrtFelder : public QObject {
    Q_OBJECT
  public:
    OrtFelder(Sonnenuhr& uhr, QWidget* panel, QLineEdit* eLang, QLineEdit* eZone);

    QPushButton* knopf;    // btOrt
    QLabel* langLesbar;    // lLangLesbar: "= 13.41° O"
    QLabel* zoneLesbar;    // lZoneLesbar: "= UTC+1"
    QCheckBox* sommerzeit; // chBSommerzeit

    void TexteSetzen();
    // The place in the button's tool tip, the summer-time option and whether
    // it can be chosen, from the document.
    void Spiegeln();
    // A place from the search applied to the document (the window then shows
    // and recalculates it: ortGewaehlt).
    void OrtAnwenden(const site::Ort& ort);

  signals:
    void ortGewaehlt();
    void sommerzeitGeaendert();

  private:
    void OrtWaehlen();
    void LesbarSetzen();

    Sonnenuhr& uhr_;
    QLineEdit* eLang_;
    QLineEdit* eZone_;
};

} // namespace skiora::app
