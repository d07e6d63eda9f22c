#pragma once
// One spoke's line, from where it leaves the hub to its rim hole: the lengths,
// the torque balance, the side figures and the entry angles all take a spoke
// from here, so that a straight-pull hub or heads on either face of a flange
// is reckoned the same way by each.
//
// In the wheel's plane the spoke runs from its hub end to the rim hole across
// an angle θ about the axle, positive when the rim hole lies ahead of the hub
// hole clockwise (a leading spoke). A J-bend spoke leaves from the centre of
// its flange hole, r from the axle. A straight-pull spoke leaves from its
// seat's circle r, its line t off the seat's centre along the circle, ahead
// in the way the spoke runs.
#include "lacing/lacing_pattern.h"
#include "wheel/wheel.h"

#include <QString>

namespace rimora {

enum class SpokeHead { Unmodelled, In, Out };

struct SpokeLine {
    double span = 0;          // θ, degrees, as given
    SpokeHead head = SpokeHead::Unmodelled;
    double offset = 0;        // W of this spoke: its flange's, moved by the head, mm
    double planar = 0;        // hub end to rim hole in the wheel's plane, mm
    double centreLength = 0;  // the same in space, before the spoke hole's correction, mm
    double length = 0;        // centreLength − S/2: the spoke to order from, mm
    double torque = 0;        // turning moment about the axle per unit tension, mm, + clockwise
    double entryDegrees = 0;  // between the spoke and the rim's tangent at the nipple, 90 radial
    // The hub end in the wheel's plane with the hub hole straight up on the
    // y axis and θ turning toward +x, mm.
    double hubX = 0;
    double hubY = 0;
};

// The side's head for a spoke of `span` degrees (positive leading; a side of
// 0 cross is radial): heads are modelled only on a J-bend hub whose flange
// has a thickness.
SpokeHead HeadOf(const Wheel& wheel, bool left, double span);
bool HeadsModelled(const Wheel& wheel, bool left);

// The line of a spoke of the left or right flange across `spanDegrees`, for
// the wheel as given (the caller applies the rim offset). The angle is taken
// as the caller reckons it, so each caller's figures stay its own to the bit.
SpokeLine LineOfSpoke(const Wheel& wheel, bool left, double spanDegrees);

// A side's heads pattern as the summary and the JSON name it ("trailing
// out", "leading out", "all in", "all out"), in any language.
QString HeadsPatternName(int pattern);


// The rim's turn against the hub as the lengths take it: the angle
// difference where the hole counts differ, 0 where they are equal.
double RimTurnInUse(const Wheel& wheel);
// From hub hole to rim hole with the rim so turned, folded into (−180, 180].
double TurnedSpan(const Wheel& wheel, int hubHole, int rimHole);

}  // namespace rimora
