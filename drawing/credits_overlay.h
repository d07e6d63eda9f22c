#pragma once
// Where the title label and the logo go over the wheel. They are widgets of
// the window, not paint, so the drawing only says where they belong: each in a
// corner of the paint box, clear of everything the wheel draws there, and as
// large as the corner allows up to the size the wheel's scale gives them.
#include "platform/color.h"

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

namespace rimora {

enum class CreditsAction {
    Unchanged,  // the drawing stopped before it got to the overlay
    Show,       // place the title and the logo as below, then give the window the focus
    Hide,       // hide both; nothing shows them again in this run
};

struct CreditsOverlay {
    CreditsAction action = CreditsAction::Unchanged;
    int titleFontSize = 0;  // points, as the label takes them (96 pixels to the inch)
    // The title label at the size its text takes in that font; empty where no
    // corner has room for it even in small type: the label is then hidden.
    QRect titleRect;
    TColor titleColor = colors::Black;
    QRect imageRect;  // the logo, stretched to this box; empty: hidden like the title
};

// What the overlay is placed around: the paint box, the wheel's centre and the
// radius within which the wheel draws anything (rim, hub, spokes, numbers).
struct CreditsRoom {
    QSize box;
    QPoint centre;
    int wheelReach = 0;
};

// The title label's text and face; its size is the placement's to choose.
struct CreditsTitle {
    QString text;
    QFont font;
};

// The title takes up to cx / 17 points (cx the centre's x), the logo up to a
// sixth of the rim hole radius in height at three times that in width; each
// shrinks until it stands in a corner clear of the wheel, the title preferring
// the bottom right, the logo the top left, down to a small but readable size
// (below which it is hidden). The title's colour contrasts with the background
// it stands on.
CreditsOverlay PlaceCredits(const CreditsRoom& room, int rimHoleRadius, TColor background, const CreditsTitle& title);

// The size a label without frame or margins takes for `text` in `font`.
QSize LabelTextSize(const QFont& font, const QString& text);

}  // namespace rimora
