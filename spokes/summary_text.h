#pragma once
// The whole summary as "Summary!" shows it: the lengths recomputed, the wheel
// described, the spoke bill appended, then each side's own lines.
#include "platform/grid_model.h"
#include "wheel/wheel.h"

#include <QString>

namespace rimora {

// Checks the wheel (CheckWheel) before the table changes, so a wheel that
// cannot be built is reported without a length computed; then rewrites the
// lengths with the rim offset applied, and returns the description lines, the
// bill, the notes on the lacing (WheelNotes) after a blank line when there
// are any, a blank line, each side's lines (SideSummaryLines), a blank line
// and the order list (OrderSummaryLines), joined with
// CR LF. On any error this throws before returning any text, so the summary
// window keeps what it showed; lengths already written to the table stay, as
// after "Calc!".
QString ComposeSummary(GridModel& grid, const Wheel& wheel, const QString& profileName);

}  // namespace rimora
