#pragma once
// The place search: a line to type into and the matching places as you type
// (name, region, country, position, time zone), the largest first. The list
// of places is read on a thread of its own; until it is there the dialog says
// so and searches as soon as it arrives.
#include <QDialog>

#include <vector>

class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QTableView;
class QTimer;

namespace skiora::site {
struct Ort;
}

namespace skiora::app {

class OrtTrefferModell;

class OrtSucheDialog : public QDialog {
    Q_OBJECT
  public:
    explicit OrtSucheDialog(int sprache, QWidget* eltern = nullptr);
    ~OrtSucheDialog() override;

    // The place selected in the list (the one taken on OK), or null.
    const site::Ort* gewaehlt() const;
    // The places listed now, best first.
    const std::vector<const site::Ort*>& treffer() const;
    QLineEdit* eingabe() const { return eingabe_; }
    QTableView* liste() const { return liste_; }

  protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

  private:
    void suchen();
    void auswahlGeaendert();

    int sprache_;
    QLineEdit* eingabe_;
    QTableView* liste_;
    QLabel* status_;
    QDialogButtonBox* knoepfe_;
    OrtTrefferModell* modell_;
    QTimer* warten_;
};

} // namespace skiora::app
