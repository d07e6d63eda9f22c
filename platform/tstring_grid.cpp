#include "platform/tstring_grid.h"

#include <QHeaderView>

namespace rimora {

TStringGrid::TStringGrid(QWidget* parent, const QString& name, int colCount, int rowCount, int fixedCols,
                         int fixedRows)
    : QTableView(parent), model_(colCount, rowCount)
{
    setObjectName(name);
    model_.setParent(this);
    model_.SetFixedCols(fixedCols);
    model_.SetFixedRows(fixedRows);
    setModel(&model_);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::AnyKeyPressed
                    | QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked);
    setTabKeyNavigation(true);
    setFrameShape(QFrame::NoFrame);
    setWordWrap(false);
    // The program may move the current cell too (the heading corner after start).
    connect(&model_, &GridModel::currentChanged, this, [this](int col, int row) {
        const QModelIndex at = model_.index(row, col);
        if (at != currentIndex()) selectionModel()->setCurrentIndex(at, QItemSelectionModel::NoUpdate);
    });
}

void TStringGrid::SetColWidths(const QList<int>& widths)
{
    for (int c = 0; c < widths.size(); ++c) setColumnWidth(c, widths[c]);
}

void TStringGrid::SetRowHeight(int height)
{
    verticalHeader()->setMinimumSectionSize(height);
    verticalHeader()->setDefaultSectionSize(height);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
}

void TStringGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableView::currentChanged(current, previous);
    if (current.isValid()) model_.SetCurrent(current.column(), current.row());
}

}  // namespace rimora
