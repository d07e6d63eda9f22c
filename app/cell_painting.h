#pragma once
// Painting of one lacing-table cell. Rows are striped; the number columns show
// only whole numbers, so gap marks and stray text look like empty holes; hub
// hole numbers take the colour of their flange (odd left, even right), the
// same colours the wheel drawing uses for the spokes. Length always shows; a
// stale one (the inputs have changed since it was worked out) in grey italics,
// so it still reads but no longer looks like the wheel's.
#include "platform/canvas.h"
#include "platform/color.h"
#include "platform/grid_model.h"

#include "sheet/laced_spokes.h"
#include "spokes/spoke_line.h"

#include <QRect>
#include <QString>
#include <functional>

namespace rimora {

// Colour of the headings, which name no hole.
constexpr TColor kLacingHeadingColor = colors::Black;
// Colour of a length that no longer matches the inputs.
constexpr TColor kStaleLengthColor = colors::Gray;
// Colour of the lay and head beside a length.
constexpr TColor kSpokeMarkColor = colors::Gray;

// `onLeft` says which flange a hub hole is on (odd holes left without it);
// `mark` is the row's spoke as SpokeMark gives it, set in the Length cell's
// right-hand end, where the number leaves room.
void PaintLacingCell(Canvas& canvas, const GridModel& table, int col, int row, const QRect& rect,
                     TColor leftSpokeColor, TColor rightSpokeColor, bool staleLength = false,
                     const std::function<bool(int)>& onLeft = {}, const QString& mark = {});

// A spoke's lay and head in a few letters for the table ("L o": leading,
// head out); empty for a row without a spoke.
QString SpokeMark(SpokeLay lay, SpokeHead head);

}  // namespace rimora
