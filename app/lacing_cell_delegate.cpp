#include "app/lacing_cell_delegate.h"

#include "app/cell_painting.h"
#include "lacing/lacing_table.h"
#include "platform/canvas.h"
#include "platform/errors.h"
#include "platform/grid_model.h"

#include <QPainter>
#include <exception>
#include <utility>

namespace rimora {

LacingCellDelegate::LacingCellDelegate(ColorGetter leftSpokeColor, ColorGetter rightSpokeColor,
                                       ErrorReport reportError, QObject* parent)
    : QStyledItemDelegate(parent), leftSpokeColor_(std::move(leftSpokeColor)),
      rightSpokeColor_(std::move(rightSpokeColor)), reportError_(std::move(reportError))
{
}

void LacingCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const auto* table = qobject_cast<const GridModel*>(index.model());
    if (painter == nullptr || table == nullptr) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    painter->save();
    QString failure;
    try {
        const TColor left = leftSpokeColor_ ? leftSpokeColor_() : colors::Black;
        const TColor right = rightSpokeColor_ ? rightSpokeColor_() : colors::Black;
        painter->setFont(option.font);
        Canvas canvas(*painter);
        const bool stale = index.column() == kLengthCol && staleLength_ && staleLength_(index.row());
        const QString mark = index.column() == kLengthCol && mark_ ? mark_(index.row()) : QString();
        PaintLacingCell(canvas, *table, index.column(), index.row(), option.rect, left, right, stale, onLeft_, mark);
    } catch (const RimoraError& e) {
        failure = e.Message();
    } catch (const std::exception& e) {
        failure = QString::fromLocal8Bit(e.what());
    }
    painter->restore();
    if (!failure.isEmpty() && reportError_) reportError_(failure);
}

QWidget* LacingCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                          const QModelIndex& index) const
{
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (editor) editor->setContextMenuPolicy(Qt::NoContextMenu);
    return editor;
}

}  // namespace rimora
