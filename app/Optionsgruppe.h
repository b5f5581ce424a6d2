#pragma once
// An option group: a framed caption over a column of radio buttons, with an
// item index like the option groups the program was designed around.
#include <QAbstractButton>
#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QVBoxLayout;

namespace skiora::app {

class Optionsgruppe : public QGroupBox {
    Q_OBJECT
  public:
    explicit Optionsgruppe(const QString& name, QWidget* eltern = nullptr);

    // Replaces the items and keeps the selected index where it still exists.
    void setzeEintraege(const QStringList& eintraege);
    QStringList eintraege() const;
    int itemIndex() const;
    // Selects without emitting `gewaehlt` (used when the program fills the controls).
    void setzeItemIndex(int index);
    QAbstractButton* knopf(int index) const;

  signals:
    // The user (or a test) clicked item `index`.
    void gewaehlt(int index);

  private:
    QButtonGroup* gruppe_;
    QVBoxLayout* spalte_;
};

} // namespace skiora::app
