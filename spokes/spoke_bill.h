#pragma once
// The bill of spokes: how many spokes of which length, read from the Length
// and ->H columns of the lacing table.
#include "lacing/hole_layout.h"
#include "platform/grid_model.h"

#include <QStringList>

namespace rimora {

// Appends the bill to lines (which already hold the wheel description):
//
//   284.6mm * 18 pcs
//   285.4mm * 18 pcs +0.8mm
//
//   difference: 0.8mm
//   Average: 285.0mm
//
//    Left Side:18 pcs
//   Right Side:18 pcs
//        Total:36 pcs
//
// Lengths are grouped by their text as shown (to one decimal) and listed from
// the shortest up, each after the first with its step from the one before. The
// average is that of the distinct lengths, each counted once. The side counts
// come from ->H (odd hub hole left, even right), so a laced row without a length
// still counts there; of the rows that lace a hole twice or name a hole beyond
// the counts, only those LacedSpokeRows keeps count (0: not bounded).
//
// Throws, appending nothing: EWheelInputError when no row has a length (saying
// whether the table laces no spoke at all, or only lacks its lengths); EConvertError when a Length text is not a
// length in the current region or an ->H text is not a hole number.
void BuildSpokeSummary(const GridModel& grid, QStringList& lines, int hubCount = 0, int rimCount = 0,
                       const HoleLayout& layout = {});

}  // namespace rimora
