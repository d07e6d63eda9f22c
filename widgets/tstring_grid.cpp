#include "widgets/tstring_grid.h"

#include <QHeaderView>
#include <QPainter>

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

void TStringGrid::paintEvent(QPaintEvent* event)
{
    QTableView::paintEvent(event);
    if (!hasFocus() || !window()->testAttribute(Qt::WA_KeyboardFocusChange)) return;
    // An outline in the selection colour: the style's focus rectangle would
    // tint the whole table.
    QPainter painter(viewport());
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(viewport()->rect()).adjusted(1, 1, -1, -1));
}

void TStringGrid::focusInEvent(QFocusEvent* event)
{
    QTableView::focusInEvent(event);
    viewport()->update();
}

void TStringGrid::focusOutEvent(QFocusEvent* event)
{
    QTableView::focusOutEvent(event);
    viewport()->update();
}

}  // namespace rimora
