#pragma once
// What a paint box shows outside the wheel's box: only the background, once a
// paint has covered the whole box. A change to the wheel then needs only its
// old box and its new one repainted, so a large window neither paints nor
// hands to the window system the background around the wheel again.
#include "drawing/wheel_layout.h"
#include "platform/color.h"

#include <QRect>
#include <QRegion>
#include <QSize>

namespace rimora {

class WheelOnScreen {
public:
    // After a paint of `painted`, a region of a paint box of `size`, that drew
    // `layout` over `background`.
    void Painted(const QRegion& painted, QSize size, TColor background, const WheelLayout& layout);
    // What to repaint for the wheel laid out as `next`: the old box
    // and the new one, or the whole paint box when what is outside the old
    // box is not known to be the same background.
    QRegion RepaintArea(QSize size, TColor background, const WheelLayout& next) const;

private:
    bool known_ = false;
    QRect box_;
    QSize size_;
    TColor background_ = colors::White;
};

}  // namespace rimora
