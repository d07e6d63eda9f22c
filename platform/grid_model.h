#pragma once
// The cells of a string grid. The lacing table lives here and nowhere else:
// each cell holds its value as read once (LacingCell) with the text it was
// written with; the lacing, the lengths and the drawing take the values
// (Cell/SetCell), the view and the files the texts (Cells/SetCells), and the
// grid widget only shows it. Row 0 is an ordinary data row that holds the
// headings.
#include "platform/lacing_cell.h"

#include <QAbstractTableModel>
#include <QString>
#include <functional>
#include <vector>

namespace rimora {

class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit GridModel(int colCount = 5, int rowCount = 40, QObject* parent = nullptr);

    // What a cell's tooltip says, worked out when the pointer rests on it.
    void SetToolTips(std::function<QString(int col, int row)> toolTip) { toolTip_ = std::move(toolTip); }

    // Reading outside the grid gives an empty text; writing there is a
    // list-index error, so a caller can never grow the grid by accident.
    QString Cells(int col, int row) const { return Cell(col, row).Spelling(); }
    void SetCells(int col, int row, const QString& text);
    const LacingCell& Cell(int col, int row) const;
    void SetCell(int col, int row, LacingCell cell);

    int RowCount() const { return rows_; }
    void SetRowCount(int rows);
    int ColCount() const { return cols_; }
    void SetColCount(int cols);

    int FixedRows() const { return fixedRows_; }
    void SetFixedRows(int rows) { fixedRows_ = rows; }
    int FixedCols() const { return fixedCols_; }
    void SetFixedCols(int cols) { fixedCols_ = cols; }

    // The current cell: the one the in-place editor sits on.
    int Col() const { return col_; }
    int Row() const { return row_; }
    void SetCurrent(int col, int row);

    // Every cell of a row from a comma-separated text ("HUB,->R,RIM,->H,Length").
    void SetRowFromCommaText(int row, const QString& text);

    // QAbstractTableModel, for the view.
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

Q_SIGNALS:
    void currentChanged(int col, int row);

private:
    int cols_;
    int rows_;
    std::function<QString(int col, int row)> toolTip_;
    int fixedRows_ = 1;
    int fixedCols_ = 0;
    int col_ = 0;
    int row_ = 0;
    std::vector<LacingCell> cells_;  // row-major, rows_ * cols_
};

}  // namespace rimora
