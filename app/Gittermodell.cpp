#include "app/Gittermodell.h"

#include <QBrush>

namespace skiora::app {

Gittermodell::Gittermodell(Gitter& gitter, QObject* eltern)
    : QAbstractTableModel(eltern), gitter_(gitter), zeilen_(gitter.Zeilen()),
      spalten_(gitter.Spalten()) {}

int Gittermodell::rowCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : zeilen_;
}

int Gittermodell::columnCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : spalten_;
}

QVariant Gittermodell::data(const QModelIndex& index, int rolle) const {
    if (!index.isValid() || index.row() >= zeilen_ || index.column() >= spalten_) return {};
    const bool fest = index.row() == 0 || index.column() == 0;
    switch (rolle) {
    case Qt::DisplayRole:
    case Qt::EditRole: {
        const std::string& text = gitter_.Zelle(index.column(), index.row());
        if (zeilenNummern && rolle == Qt::DisplayRole && index.column() == 0 && index.row() > 0 &&
            text.empty())
            return QStringLiteral(" %1").arg(index.row());
        return QString::fromStdString(text);
    }
    case Qt::BackgroundRole:
        if (fest) return QBrush(festeFarbe);
        return {};
    default:
        return {};
    }
}

Qt::ItemFlags Gittermodell::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (bearbeitbar && index.row() > 0 && index.column() > 0) f |= Qt::ItemIsEditable;
    return f;
}

bool Gittermodell::setData(const QModelIndex& index, const QVariant& wert, int rolle) {
    if (rolle != Qt::EditRole || !index.isValid() || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const std::string text = wert.toString().toStdString();
    bool ok = true;
    if (zelleSetzen)
        ok = zelleSetzen(index.column(), index.row(), text);
    else
        gitter_.Setze(index.column(), index.row(), text);
    // A refused text may still have changed the cell (the document empties it).
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return ok;
}

void Gittermodell::aktualisieren() {
    if (gitter_.Zeilen() != zeilen_ || gitter_.Spalten() != spalten_) {
        beginResetModel();
        zeilen_ = gitter_.Zeilen();
        spalten_ = gitter_.Spalten();
        endResetModel();
    } else if (zeilen_ > 0 && spalten_ > 0) {
        emit dataChanged(index(0, 0), index(zeilen_ - 1, spalten_ - 1));
    }
}

} // namespace skiora::app
