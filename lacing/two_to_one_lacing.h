#pragma once
// Lacing a 2:1 hub: its holes in groups of three, one on the flange with
// fewer holes and two on the other, to a rim of as many holes in the same
// groups. Each flange is laced on its own, rim hole position j to hub hole
// position j + o ± c, leading and trailing in turn (an odd flange all one
// way), over the real angles of the holes (hole_layout.h).
//
// On the flange with more holes the hub's pitch and the rim's groups do not
// nest, so the leading and the trailing spokes span different angles; the
// rim turn that balances the torques makes them equal, at the mean of the
// two. The patterns within half a crossing of the cross number that need the
// least turn come in two: one a little shorter than c pitches, one a little
// longer (16 spokes on 24 holes at 3 cross: 63.75° and 71.25° against 67.5°).
// The builder picks one (CrossedPattern). The other flange takes the pattern
// nearest its cross number.
#include "lacing/hole_layout.h"
#include "lacing/lacing_pattern.h"

namespace rimora {

LacingPlan PlanTwoToOne(const HoleLayout& layout, int leftCross, int rightCross, int pattern);

// The balanced span of the crossed pattern `pattern` of a flange, degrees;
// 0 when the layout is no 2:1 hub or the flange cannot be laced.
double TwoToOneSpan(const HoleLayout& layout, bool left, int cross, int pattern);

}  // namespace rimora
