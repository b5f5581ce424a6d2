#pragma once
// A thin table model over one of the document's result tables. Row 0 and
// column 0 are the fixed header cells of the table and are shown shaded.
#include "core/Gitter.h"

#include <QAbstractTableModel>
#include <QColor>
#include <functional>

namespace skiora::app {

class Gittermodell : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit Gittermodell(Gitter& gitter, QObject* eltern = nullptr);

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& wert, int rolle = Qt::EditRole) override;

    // Call after the document rewrote the table: a changed size resets the
    // model, otherwise every cell is reported as changed.
    void aktualisieren();

    // Editable tables hand a typed cell to the document, which may refuse it.
    std::function<bool(int spalte, int zeile, const std::string& text)> zelleSetzen;
    bool bearbeitbar = false;
    // Shows " 1", " 2", ... in the empty first column of rows 1 and below (a
    // view aid only: exports read the table itself).
    bool zeilenNummern = false;
    QColor festeFarbe{0xe8, 0xe8, 0xe8};

    Gitter& gitter() { return gitter_; }

  private:
    Gitter& gitter_;
    int zeilen_ = 0;
    int spalten_ = 0;
};

} // namespace skiora::app
