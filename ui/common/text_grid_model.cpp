#include "ui/common/text_grid_model.h"

#include <algorithm>

namespace tavexo {

TextGridModel::TextGridModel(const TextGrid& grid, QObject* parent)
    : QAbstractTableModel(parent), grid_(grid), shownRows_(GridDataRows()) {}

int TextGridModel::GridDataRows() const {
    return std::max(0, grid_.RowCount() - 1);
}

int TextGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shownRows_;
}

int TextGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : grid_.ColumnCount();
}

QVariant TextGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const int gridRow = GridRow(index.row());
    const std::string& text = grid_.Cell(index.column(), gridRow);
    if (role == Qt::DisplayRole || (role == Qt::ToolTipRole && !text.empty()))
        return DisplayText(index.column(), gridRow, text);
    return CellStyle(index.column(), gridRow, text, role);
}

QVariant TextGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
        // The titles carry leading blanks that centre them in the core's own
        // measure; the header centres them itself.
        return QString::fromStdString(grid_.Cell(section, 0)).trimmed();
    }
    if (orientation == Qt::Vertical && role == Qt::DisplayRole) return GridRow(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

void TextGridModel::Refresh() {
    const int rows = GridDataRows();
    if (rows > shownRows_) {
        beginInsertRows(QModelIndex(), shownRows_, rows - 1);
        shownRows_ = rows;
        endInsertRows();
    } else if (rows < shownRows_) {
        beginRemoveRows(QModelIndex(), rows, shownRows_ - 1);
        shownRows_ = rows;
        endRemoveRows();
    }
    if (shownRows_ > 0 && grid_.ColumnCount() > 0)
        emit dataChanged(index(0, 0), index(shownRows_ - 1, grid_.ColumnCount() - 1));
    if (grid_.ColumnCount() > 0) emit headerDataChanged(Qt::Horizontal, 0, grid_.ColumnCount() - 1);
}

QString TextGridModel::DisplayText(int, int, const std::string& text) const {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QVariant TextGridModel::CellStyle(int, int, const std::string&, int) const {
    return {};
}

}  // namespace tavexo
