#include "drawing/wheel_on_screen.h"

namespace rimora {

namespace {

bool Covers(const QRegion& region, const QRect& rect)
{
    return (QRegion(rect) - region).isEmpty();
}

}  // namespace

void WheelOnScreen::Painted(const QRegion& painted, QSize size, TColor background, const WheelLayout& layout)
{
    // Nothing on screen changed (a paint into a picture).
    if (painted.isEmpty()) return;
    // A note in place of the wheel, or a paint stopped before its background.
    if (layout.wheelBox.isEmpty()) {
        known_ = false;
        return;
    }
    if (Covers(painted, QRect(QPoint(0, 0), size))) {
        known_ = true;
        box_ = layout.wheelBox;
        size_ = size;
        background_ = background;
        return;
    }
    // Outside the paint the old picture stays: still known only if it was,
    // over the same background, and then within both boxes unless the paint
    // covered all of the old one.
    if (!known_ || size != size_ || background != background_) {
        known_ = false;
        return;
    }
    box_ = Covers(painted, box_) ? layout.wheelBox : (box_ | layout.wheelBox);
}

QRegion WheelOnScreen::RepaintArea(QSize size, TColor background, const WheelLayout& next) const
{
    const QRect whole(QPoint(0, 0), size);
    if (!known_ || size != size_ || background != background_ || next.wheelBox.isEmpty()) return QRegion(whole);
    return (QRegion(box_) | next.wheelBox) & whole;
}

}  // namespace rimora
