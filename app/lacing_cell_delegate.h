#pragma once
// The lacing table's cell painter for the grid view: every cell, headings
// included, is painted by PaintLacingCell. The side colours are asked for at
// every paint, so a new choice shows at the next repaint.
#include "platform/color.h"

#include <QString>
#include <QStyledItemDelegate>
#include <functional>
#include <utility>

namespace rimora {

class LacingCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using ColorGetter = std::function<TColor()>;
    using ErrorReport = std::function<void(const QString&)>;
    using StaleGetter = std::function<bool(int row)>;

    // An error while painting stops that cell and goes to `reportError` (the
    // status bar), never to the event loop.
    LacingCellDelegate(ColorGetter leftSpokeColor, ColorGetter rightSpokeColor, ErrorReport reportError = {},
                       QObject* parent = nullptr);

    // Which rows' lengths no longer match the inputs, asked at every paint.
    void SetStaleLength(StaleGetter staleLength) { staleLength_ = std::move(staleLength); }
    // Which flange a hub hole is on, and each row's spoke mark, asked at every paint.
    void SetHubSide(std::function<bool(int hole)> onLeft) { onLeft_ = std::move(onLeft); }
    void SetSpokeMark(std::function<QString(int row)> mark) { mark_ = std::move(mark); }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    // The in-place editor leaves the right button to the table, so its popup
    // ("Insert & No.Down") opens on the current cell as on any other.
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;

private:
    ColorGetter leftSpokeColor_;
    ColorGetter rightSpokeColor_;
    ErrorReport reportError_;
    StaleGetter staleLength_;
    std::function<bool(int)> onLeft_;
    std::function<QString(int)> mark_;
};

}  // namespace rimora
