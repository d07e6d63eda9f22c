#pragma once
// Length of every laced spoke, written into the Length column of the lacing
// table ("Calc!").
#include "platform/grid_model.h"
#include "wheel/wheel.h"

namespace rimora {

// Whether the wheel's angle difference turns its rim holes: with equal hole
// counts every rim hole has a hub hole straight opposite, and the angle is 0
// whatever the input holds.
bool AngleDifferenceApplies(const Wheel& wheel);

// Rewrites the Length column (column 4) from the RIM (2) and ->H (3) columns,
// rows 1 and down, each length "#,##0.0" in the current region, for the wheel
// as given (the caller applies the rim offset: WithRimOffset). Both hole
// counts must be chosen: EWheelInputError naming the first that is not.
//
// A gap mark "-" in RIM skips the row; an empty RIM ends the calculation there
// (the table has no more rim holes). A row whose ->H is empty or "-" has no spoke
// and keeps an empty Length. A cell that is no hole number throws
// EConvertError: rows already done keep their new lengths, the row in
// progress is left empty and rows below keep their old texts.
void CalcSpokeLengths(GridModel& grid, const Wheel& wheel);

}  // namespace rimora
