#pragma once
// An asymmetric rim: its spoke holes sit a few millimetres off its centre
// plane. Mounted with the holes toward the flange that lies farther from the
// centre plane (the way that reduces dish), that flange's spokes lean less and
// the other flange's spokes lean more.
#include "wheel/wheel.h"

namespace rimora {

struct EffectiveOffsets {
    double left = 0;   // WL', centre of the rim's spoke holes to the left flange, mm
    double right = 0;  // WR'
    bool holesTowardLeft = true;  // the side the holes are moved toward
};

// With WL >= WR: WL' = WL - offset, WR' = WR + offset, holes toward the left;
// the mirror otherwise. An offset of 0 gives WL and WR unchanged.
EffectiveOffsets ApplyRimOffset(double leftOffset, double rightOffset, double rimOffset);

// The wheel the spoke lengths are worked out for: WL and WR replaced by WL'
// and WR'. The rim offset is checked first (EWheelInputError naming it when
// below 0), and, unless it is 0, against WL and WR (CheckFlangeOffsets); an
// offset of 0 gives the wheel as it is.
Wheel WithRimOffset(const Wheel& wheel);

}  // namespace rimora
