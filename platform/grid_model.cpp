#include "platform/grid_model.h"

#include "platform/errors.h"

#include <QCoreApplication>
#include <utility>

namespace rimora {

GridModel::GridModel(int colCount, int rowCount, QObject* parent)
    : QAbstractTableModel(parent), cols_(colCount), rows_(rowCount),
      cells_(static_cast<size_t>(colCount) * static_cast<size_t>(rowCount))
{
}

const LacingCell& GridModel::Cell(int col, int row) const
{
    static const LacingCell outside;
    if (col < 0 || row < 0 || col >= cols_ || row >= rows_) return outside;
    return cells_[static_cast<size_t>(row) * cols_ + col];
}

void GridModel::SetCells(int col, int row, const QString& text)
{
    // An unchanged text is not read again: the store writes every cell back.
    if (col >= 0 && row >= 0 && col < cols_ && row < rows_ && Cells(col, row) == text) return;
    SetCell(col, row, LacingCell::FromText(text));
}

void GridModel::SetCell(int col, int row, LacingCell value)
{
    if (col < 0 || col >= cols_)
        throw EListError(QCoreApplication::translate("Errors", "Grid index out of range (column %1)").arg(col));
    if (row < 0 || row >= rows_)
        throw EListError(QCoreApplication::translate("Errors", "Grid index out of range (row %1)").arg(row));
    LacingCell& cell = cells_[static_cast<size_t>(row) * cols_ + col];
    if (cell == value) return;
    cell = std::move(value);
    const QModelIndex at = index(row, col);
    Q_EMIT dataChanged(at, at, {Qt::DisplayRole, Qt::EditRole});
}

void GridModel::SetRowCount(int rows)
{
    if (rows < 0) rows = 0;
    if (rows == rows_) return;
    if (rows > rows_) {
        beginInsertRows(QModelIndex(), rows_, rows - 1);
        rows_ = rows;
        cells_.resize(static_cast<size_t>(rows_) * cols_);
        endInsertRows();
    } else {
        beginRemoveRows(QModelIndex(), rows, rows_ - 1);
        rows_ = rows;
        cells_.resize(static_cast<size_t>(rows_) * cols_);
        endRemoveRows();
    }
    if (row_ >= rows_) SetCurrent(col_, rows_ > 0 ? rows_ - 1 : 0);
}

void GridModel::SetColCount(int cols)
{
    if (cols < 0) cols = 0;
    if (cols == cols_) return;
    beginResetModel();
    std::vector<LacingCell> next(static_cast<size_t>(rows_) * cols);
    for (int r = 0; r < rows_; ++r)
        for (int c = 0; c < std::min(cols, cols_); ++c) next[static_cast<size_t>(r) * cols + c] = Cell(c, r);
    cells_.swap(next);
    cols_ = cols;
    endResetModel();
    if (col_ >= cols_) SetCurrent(cols_ > 0 ? cols_ - 1 : 0, row_);
}

void GridModel::SetCurrent(int col, int row)
{
    if (col == col_ && row == row_) return;
    col_ = col;
    row_ = row;
    Q_EMIT currentChanged(col, row);
}

void GridModel::SetRowFromCommaText(int row, const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    for (int c = 0; c < cols_; ++c) SetCells(c, row, c < parts.size() ? parts[c] : QString());
}

int GridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows_;
}

int GridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : cols_;
}

QVariant GridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid()) return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole) return Cells(index.column(), index.row());
    if (role == Qt::ToolTipRole && toolTip_) {
        const QString tip = toolTip_(index.column(), index.row());
        if (!tip.isEmpty()) return tip;
    }
    return {};
}

bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole) return false;
    SetCells(index.column(), index.row(), value.toString());
    return true;
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const
{
    if (!index.isValid()) return Qt::NoItemFlags;
    // Fixed cells can be neither selected nor made current by click or key.
    if (index.row() < fixedRows_ || index.column() < fixedCols_) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

}  // namespace rimora
