#pragma once
// The whole summary as "Summary!" shows it: the lengths recomputed, the wheel
// described, the spoke bill appended, then each side's own lines.
#include "platform/grid_model.h"
#include "spokes/spoke_length.h"
#include "spokes/wheel_description.h"
#include "spokes/wheel_numbers.h"

#include <QString>
#include <functional>

namespace rimora {

// Runs CalcSpokeLengths on the table, then returns the description lines and
// the bill joined with CR LF. The description is taken as given; the caller
// reads it from its controls. On any error this throws before returning any
// text, so the summary window keeps what it showed; lengths already written to
// the table stay, as after "Calc!".
QString ComposeSummary(GridModel& grid, const SpokeLengthInputs& lengthInputs,
                       const WheelDescriptionTexts& description,
                       const std::function<void(const QString&)>& setAngleDifference);

// The same with the rim offset applied to the lengths and, after the bill, a
// blank line and each side's lines (SideSummaryLines). Every input is read and
// checked before the table changes (ReadWheelNumbers), so a wheel that cannot
// be built is reported without a length computed; with a rim offset of 0 the
// first nineteen lines and the table are those of the overload above.
QString ComposeSummary(GridModel& grid, const WheelTexts& wheel, const WheelDescriptionTexts& description,
                       const std::function<void(const QString&)>& setAngleDifference);

}  // namespace rimora
