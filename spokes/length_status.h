#pragma once
// What the window says about the Length column between two "Calc!": which
// lengths no longer belong to the wheel's inputs, and each side's lengths
// once they are worked out.
#include "lacing/hole_layout.h"
#include "platform/grid_model.h"
#include "wheel/wheel.h"

#include <QString>
#include <vector>

namespace rimora {

// One flag per table row: true where the row shows a length that "Calc!"
// would not write now for this wheel (rim offset applied as "Calc!" applies
// it). While the inputs give no lengths at all (`inputsRead` false: a text
// that does not read; or an impossible wheel) every length shown is stale. Empty Length cells
// and the heading row are never stale. The table is not touched.
std::vector<bool> StaleLengthRows(const GridModel& table, const Wheel& wheel, bool inputsRead);

// Each side's lengths as the table shows them, for the status bar:
// "Left 285.4 mm, right 284.6 mm", a side whose spokes differ as its
// shortest and longest ("Left 284.9 – 285.7 mm"), a side without a length as
// such; empty when no row holds a length. Odd hub holes are the left flange's.
QString SideLengthsText(const GridModel& table, const HoleLayout& layout = {});

}  // namespace rimora
