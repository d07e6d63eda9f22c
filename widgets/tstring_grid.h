#pragma once
#include "platform/component.h"
#include "platform/grid_model.h"

#include <QTableView>

namespace rimora {

// A string grid: a table view over one GridModel that holds every cell.
// Fixed rows and columns can be neither selected nor edited; the in-place
// editor opens on the current cell as soon as it becomes current.
class TStringGrid : public QTableView, public Component, public IGridControl {
    Q_OBJECT
public:
    TStringGrid(QWidget* parent, const QString& name, int colCount, int rowCount, int fixedCols, int fixedRows);
    QString Name() const override { return objectName(); }
    GridModel& Model() override { return model_; }
    const GridModel& Model() const { return model_; }

    QString Cells(int col, int row) const { return model_.Cells(col, row); }
    void SetCells(int col, int row, const QString& text) { model_.SetCells(col, row, text); }
    int RowCount() const { return model_.RowCount(); }
    void SetRowCount(int rows) { model_.SetRowCount(rows); }
    int ColCount() const { return model_.ColCount(); }
    int Col() const { return model_.Col(); }
    int Row() const { return model_.Row(); }

    void SetColWidths(const QList<int>& widths);
    void SetRowHeight(int height);

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    // The table reached with Tab shows a focus frame round what it shows: its
    // current cell may be a heading, whose painting marks nothing.
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    GridModel model_;
};

}  // namespace rimora
