#pragma once
// Where every hole of the wheel lies and which flange or side it serves: the
// lacing, the lengths, the torque balance, the side figures, the bill, the
// crossings, the drawing and the sheet all ask here, so that a hub with more
// holes on one flange, or holes set in pairs, is placed the same way by each.
//
// Angles are degrees clockwise from straight up. On an ordinary hub hole i of
// n lies at i * 360 / n, the odd holes on the left flange. A 2:1 hub's holes
// are numbered 1 .. n in angular order over both flanges, in groups of three:
// the first hole of each group on the flange with fewer holes, the other two
// on the flange with more. The flange with more holes has its holes at j * P
// (P its pitch), the other flange's holes `offset` degrees behind the next of
// them, half a pitch unless the builder says otherwise.
//
// A paired hub keeps each flange's holes two by two, φ apart, the pairs
// evenly spaced; the hole ahead in each pair takes a leading spoke, so the two
// spokes of a pair leave away from each other. A paired rim sets holes 2q−1
// and 2q a pair angle apart about the place their middle had.
#include "wheel/wheel.h"

#include <QString>

namespace rimora {

struct HoleLayout {
    int hubCount = 0;
    int rimCount = 0;
    int split = EqualFlanges;       // HubSplit
    int drilling = AlternateDrilling;  // RimDrilling
    double flangeOffset = kUsualFlangeOffset;  // degrees; kUsualFlangeOffset: half the pitch
    double hubPair = 0;   // φ, degrees between the holes of a hub pair; 0: no pairs
    double rimPair = 0;   // degrees between the holes of a rim pair; 0: no pairs
    int leftCross = 0;    // the sides' cross numbers settle which hole of a pair leads
    int rightCross = 0;

    // Today's hub and rim: equal flanges, evenly spaced, the usual offset.
    bool Plain() const;
    bool TwoToOne() const { return split == MoreRight || split == MoreLeft; }
    // Holes of the hub on the left or right flange.
    int FlangeHoles(bool left) const;
    bool HubLeft(int hole) const;
    double HubAngle(int hole) const;
    double RimAngle(int hole) const;
    // The side a rim hole is drilled toward: +1 left, −1 right, 0 centred.
    int RimSide(int hole) const;
    // From hub hole to rim hole, folded into (−180, 180]; on a plain layout
    // exactly as the hole numbers have always given it.
    double Span(int hub, int rim) const;
    // The flange with fewer holes of a 2:1 hub.
    bool FewerOnLeft() const { return split == MoreRight; }
};

HoleLayout LayoutOf(const Wheel& wheel);
// The hub's split as the layout reads it: a value it does not know is equal
// flanges.
int KnownHubSplit(int hubSplit);

// The hub's angle between flanges that the builder has not given: half the
// pitch of the flange with more holes.
double UsualFlangeOffset(const HoleLayout& layout);

// What keeps the layout from being laced, in words naming the inputs; empty
// when it can be.
QString LayoutProblem(const HoleLayout& layout);

}  // namespace rimora
