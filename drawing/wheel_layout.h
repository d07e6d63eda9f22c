#pragma once
// Where everything of the wheel drawing goes, worked out from the wheel's
// numbers and the paint box alone, without painting: the scale, the radii,
// the box the wheel draws within and where the credits stand. The paint
// draws by it, and the window places its labels and finds the area a change
// repaints by it before anything is painted, so each change paints once.
#include "drawing/credits_overlay.h"
#include "drawing/wheel_geometry.h"
#include "wheel/wheel.h"
#include "wheel/wheel_fields.h"

#include <QFont>
#include <QRect>
#include <QString>

#include <exception>
#include <optional>

namespace rimora {

// What the drawing needs besides the wheel.
struct DrawingFrame {
    int width = 482;  // paint box, logical pixels
    int height = 354;
    bool credits = true;         // the window's title and logo stand on the drawing
    CreditsTitle creditsTitle;   // the title label's text and face, to find it room
    QFont textFont;              // the paint device's font: the hub numbers' face
    // The first of the drawing's inputs whose text did not read: the drawing
    // is then the background with a note naming it.
    std::optional<FieldProblem> unreadable;
};

struct WheelLayout {
    std::optional<WheelScale> scale;  // the window keeps scale->scale as its scl
    QString scaleCaption;             // scale in general format, for the hidden scale label
    std::optional<WheelRadii> radii;
    int labelFontSize = 0;            // points; 0 until the hole counts are known
    CreditsOverlay credits;           // Unchanged when the layout stopped before the wheel's size
    // The input whose text did not read; the credits are then hidden.
    std::optional<WheelField> unreadableField;
    // Everything the drawing puts over the background lies inside this box
    // (the rim, the hub, the spokes, the rim numbers drawn or not, the hub
    // numbers when shown); empty when a note stands in for the wheel or the
    // layout stopped before the wheel's size.
    QRect wheelBox;
    // Hole counts, once both are known and in range.
    int hubHoles = 0;
    int rimHoles = 0;
    // Why the layout stopped short of a wheel with spokes (a text that did
    // not read, a wheel that cannot be drawn yet or at all); null when it
    // did not. The paint stops at the same step with this error.
    std::exception_ptr stop;
};

// Never throws: an error ends the layout at its step and is kept in `stop`.
WheelLayout LayOutWheel(const Wheel& wheel, const DrawingFrame& frame);

// The hub numbers: their size in points at the wheel's scale, and from the
// size of one number's cell the cell with the smallest ring round the centre
// that holds one for each of `hubHoles`.
struct HubNumberCells {
    int width = 0;
    int height = 0;
    int fittingRadius = 0;
};
int HubNumberFontSize(const WheelScale& scale);
HubNumberCells HubNumberCellsOf(QSize cell, int hubHoles);

// The pixel size a canvas gives a font of `points`.
int FontPixels(int points);

}  // namespace rimora
