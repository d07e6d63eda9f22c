#pragma once
// What the lacing table, as it stands, means for the builder beyond the
// lengths: the same laced spokes the lengths count, with the rim holes
// turned as the lengths turn them. A table laced here, opened from a file or
// edited by hand is judged alike.
#include "lacing/spoke_crossings.h"
#include "platform/grid_model.h"
#include "wheel/wheel.h"

#include <QStringList>

namespace rimora {

// The notes in a fixed order, each one sentence, none when the wheel is laced
// as asked or a hole count is not chosen:
//   a flange of an odd number of spokes that cannot alternate leading and
//   trailing; spokes that leave the hub beyond the tangent; a rim turned more
//   than half a degree off where the tensioned wheel settles; a spoke that
//   meets its nipple below kEntryNoteDegrees to the rim (from the table's
//   lengths: none before they are worked out).
QStringList WheelNotes(const GridModel& table, const Wheel& wheel);

// How many spokes of its flange each laced spoke crosses, per side.
WheelCrossings CrossingsOfTable(const GridModel& table, const Wheel& wheel);

}  // namespace rimora
