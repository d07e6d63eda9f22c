#pragma once
// Whether the wheel can be built: the checks on the numbers that every figure
// after the lacing needs (lengths, bracing, tension, stretch, order lengths).
// Each failure names the input by its caption and says what it takes.
#include "wheel/wheel.h"

namespace rimora {

// The rim offset must be 0 or more: EWheelInputError naming it.
void CheckRimOffset(double rimOffset);

// The flange offsets WL and WR with the rim offset taken off one of them must
// both stay above 0: EWheelInputError naming WL, WR or the rim offset.
void CheckFlangeOffsets(double leftOffset, double rightOffset, double rimOffset);

// EFieldInputError naming the first input the spoke lengths read that gives
// no wheel: a hole count not chosen, the flange offsets, rim offset or spoke
// hole as CheckWheel says, a value outside its range in the record table, an
// ERD not larger than both flanges, WL or WR not below half the ERD.
void CheckLengthInputs(const Wheel& wheel);

// EFieldInputError naming the input when the wheel cannot be built: a hole
// count not chosen, a rim offset below zero or as large as the flange offset
// it shrinks (that side's spokes would lie in the rim's plane or beyond), a
// flange offset of zero or less, a tension or spoke diameter of zero or less,
// an order step other than 1 or 2 mm, or any value outside its range in the
// record table (CheckLengthInputs, then tension and spoke diameter).
void CheckWheel(const Wheel& wheel);

}  // namespace rimora
