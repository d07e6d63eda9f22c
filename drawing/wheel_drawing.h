#pragma once
// The laced wheel seen along the axle, to scale, on a canvas: background, the
// rim as two bands, the hub disc, one line per laced spoke, the rim hole
// numbers, and where the credits overlay goes.
//
// The window's paint handler runs, in this order:
//   1. inputs.beadSeat = BeadSeatDiameter(rim type text);
//   2. the rebuild of the table's ->R column from ->H;
//   3. DrawWheel(canvas, inputs, table, result), then applies `result` (scale,
//      its caption, the overlay) also when DrawWheel threw, and shows the
//      error's message in the status bar.
#include "drawing/bead_seat.h"
#include "drawing/credits_overlay.h"
#include "drawing/wheel_geometry.h"
#include "drawing/wheel_inputs.h"
#include "platform/canvas.h"
#include "platform/grid_model.h"
#include "wheel/wheel_fields.h"

#include <QString>
#include <QRect>

#include <optional>

namespace rimora {

// Filled as the drawing goes, so that after an error it holds what was reached;
// start each drawing with a fresh one.
struct WheelDrawingResult {
    std::optional<WheelScale> scale;   // the window keeps scale->scale as its scl
    QString scaleCaption;              // scale in general format, for the hidden scale label
    std::optional<WheelRadii> radii;
    int labelFontSize = 0;             // points; 0 until the text is prepared
    CreditsOverlay credits;            // Unchanged until the overlay step is reached
    // The input whose text did not convert; the drawing then shows only the
    // background with a note naming it, and the credits are hidden.
    std::optional<WheelField> unreadableField;
    // Everything the drawing puts over the background lies inside this box
    // (the rim, the hub, the spokes, the rim numbers drawn or not, the hub
    // numbers when shown); empty when that is not known, e.g. a note stands
    // in for the wheel.
    QRect wheelBox;
};

// Draws in logical pixels: a canvas on a dense device gets the same layout,
// only sharper. Reads the table's HUB and ->R columns from row 1 on. A text
// that does not convert (hole counts, ERD, dL, dR, angle difference) is found
// before anything is painted: the canvas gets the background with a note
// naming the input, and EConvertError with the full message is thrown.
// EWheelInputError for a wheel that cannot be drawn yet (no hole count
// chosen) or at all; what was painted before stays.
void DrawWheel(Canvas& canvas, const WheelDrawingInputs& inputs, const GridModel& table,
               WheelDrawingResult& result);

}  // namespace rimora
