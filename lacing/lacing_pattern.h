#pragma once
// Which hub hole is laced to which rim hole, worked out on plain numbers.
//
// The circle with more holes leaves some bare, spread evenly: on the rim in
// adjacent pairs over the whole circle, on the hub over each flange, so both
// flanges keep the same number of spokes. The rim holes that carry spokes take
// the left and the right flange in turn, each the flange it is drilled toward. Each flange is then laced on its own: its k hub holes
// and its k rim holes in angular order, rim hole j to hub hole j + o +- c
// (flange positions, modulo k). One crossing is one flange spoke pitch,
// 360 / k degrees, so with equal hole counts every spoke crosses exactly c.
// The offset o (0 for equal counts) makes each span as close to c pitches as
// the holes allow when the counts differ.
//
// Leading and trailing spokes alternate round the flange wherever a one-to-one
// lacing permits it: that needs the set of leading spokes to be unchanged by a
// turn of 2c positions. With an even number of spokes on the flange every other
// spoke leads. With an odd number (18 holes: 9 per flange) the best that can be
// had is a pattern repeating every gcd(2c, k) positions, each repeat holding one
// pair of neighbours that head the same way; when that gcd is 1, every spoke of
// the flange heads the same way (the left ones lead, the right ones trail).
#include <vector>

namespace rimora {

struct PlannedSpoke {
    int hub = 0;  // hub hole, 1 .. hub count; odd holes are on the left flange
    int rim = 0;  // rim hole, 1 .. rim count
};

struct LacingPlan {
    std::vector<PlannedSpoke> spokes;  // ordered by rim hole
};

// Hole counts of at least 1; cross numbers are taken as given (0 or more).
LacingPlan PlanLacing(int hubCount, int rimCount, int leftCross, int rightCross);

// An angle between two holes folded into (-180, 180], degrees.
double FoldedSpan(double degrees);

// Angle from hub hole `hub` to rim hole `rim`, in degrees in (-180, 180]:
// positive when the rim end lies clockwise of the hub end (hole i of n at
// i * 360 / n clockwise from the top).
double SpokeSpan(int hub, int hubCount, int rim, int rimCount);

}  // namespace rimora
