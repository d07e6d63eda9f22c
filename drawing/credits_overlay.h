#pragma once
// Where the title label and the logo go over the wheel. They are widgets of
// the window, not paint, so the drawing only says where they belong.
#include "drawing/wheel_geometry.h"
#include "platform/color.h"

#include <QPoint>
#include <QRect>

namespace rimora {

enum class CreditsAction {
    Unchanged,  // the drawing stopped before it got to the overlay
    Show,       // place the title and the logo as below, then give the window the focus
    Hide,       // hide both; nothing shows them again in this run
};

struct CreditsOverlay {
    CreditsAction action = CreditsAction::Unchanged;
    int titleFontSize = 0;  // points
    QPoint titlePos;        // left, top of the title label
    TColor titleColor = colors::Black;
    QRect imageRect;        // the logo, stretched to this box
};

// The title sits just above the bottom of the wheel's square, the logo at the
// top left inside the rim; both scale with the wheel.
CreditsOverlay PlaceCredits(const WheelScale& scale, int rimHoleRadius, TColor rimInnerColor);

}  // namespace rimora
