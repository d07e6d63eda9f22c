#include "drawing/credits_overlay.h"

#include "drawing/drawing_primitives.h"
#include "drawing/pixel_rounding.h"

namespace rimora {

CreditsOverlay PlaceCredits(const WheelScale& s, int rimHoleRadius, TColor rimInnerColor)
{
    const int cx = s.centre.x();
    const int cy = s.centre.y();
    CreditsOverlay o;
    o.action = CreditsAction::Show;
    o.titleFontSize = RoundHalfEven(cx / 17.0);
    o.titlePos = QPoint((cx / 3) * 2, cy + s.beadRadius - RoundHalfEven(o.titleFontSize * 1.4));
    o.titleColor = ContrastTextColor(rimInnerColor);
    o.imageRect = QRect(cx - RoundHalfEven(s.beadRadius * 0.98), cy - rimHoleRadius, rimHoleRadius / 2,
                        rimHoleRadius / 6);
    return o;
}

}  // namespace rimora
