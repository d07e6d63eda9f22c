#pragma once
// Generation of the lacing table from the two hole counts and the two cross
// numbers. It is split in two so that the window can reset the angle
// difference between them, as the change of that field has its own handling:
//   ClearLacingTable(table);  AdE->SetText("0");  LaceTable(table, ...);  TyCBChange();
#include "lacing/hole_layout.h"
#include "lacing/lacing_notes.h"
#include "platform/grid_model.h"

#include <QString>

namespace rimora {

// What to choose before the wheel can be laced, or an empty text when both
// hole counts are there.
QString MissingHoleCountHint(int hubCount, int rimCount);

// Empties every data cell (rows 1 .. row count - 1, all columns). The headings
// and the row count stay.
void ClearLacingTable(GridModel& table);

// Sizes the table to the larger hole count plus one, numbers the hub and rim
// holes and laces them (see lacing_pattern.h): no hole twice, as many spokes
// as the smaller circle has holes, the bare holes of the larger circle spread
// evenly, ->H and ->R each other's inverse. Cross numbers are limited to 0 .. 4.
// The table is cleared again first, so no earlier cell survives even without
// ClearLacingTable. A count not chosen (0) or out of range throws
// EWheelInputError before the table is touched, so the cleared table keeps
// its row count.
//
// Returns what the builder should know about the pattern, for the status bar:
// flanges whose spokes cannot all alternate, sides laced beyond the tangent
// (judged with `reach`); empty when the wheel is laced as asked.
QString LaceTable(GridModel& table, int hubCount, int rimCount, int leftCross,
                  int rightCross, const FlangeReach& reach = {});
// The same for the wheel's holes as they lie: a 2:1 hub laced in groups of
// three with the crossed side's `pattern` (CrossedPattern); paired holes
// laced as evenly spaced ones. A layout that cannot be laced throws
// EWheelInputError naming its inputs, before the table is touched.
QString LaceTable(GridModel& table, const HoleLayout& layout, int leftCross, int rightCross, int pattern,
                  const FlangeReach& reach = {});

}  // namespace rimora
