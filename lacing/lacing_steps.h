#pragma once
// The order a builder laces the wheel in, read from the lacing table as it
// stands (the table is never laced again for it): the valve hole and the
// rim's drilling, the key spoke, then one group of spokes at a time. On a
// wheel whose flanges both cross: the right flange's trailing spokes, the
// left flange's trailing spokes, then, after the hub is turned, the right
// and left leading spokes, each woven over all but the last spoke it crosses
// and under the last. A radial side is laced after the crossed side, whose
// spokes it never meets. A wheel this order does not fit gets the valve
// step and a plain note of why, from StepsCoverage alone.
//
// The wheel is seen as the drawing shows it: from the right (drive) side,
// hole numbers running clockwise, the rim turned as for the lengths; a step
// of the left flange is seen from the left, as the builder then holds it.
#include "platform/grid_model.h"
#include "wheel/wheel.h"

#include <QString>
#include <vector>

namespace rimora {

enum class StepLay { Trailing, Leading, Radial };
// A straight-pull hub's spokes sit in their seats: no head in or out.
enum class StepHead { None, In, Out };

struct StepSpoke {
    int hub = 0;
    int rim = 0;
    bool left = false;  // odd hub holes
    StepHead head = StepHead::None;
    StepLay lay = StepLay::Radial;
};

enum class StepKind { Valve, KeySpoke, Group };

struct LacingStep {
    StepKind kind = StepKind::Valve;
    QString title;  // one line: "Right flange, trailing spokes"
    QString text;   // what to do, translated
    std::vector<StepSpoke> spokes;  // the key spoke first in the group that holds it
    bool left = false;              // the flange the step laces
    bool turnHubFirst = false;      // the hub is turned before this group
    // The wheel turned over to lace the left flange: seen from the left, its
    // hole numbers run anticlockwise.
    bool seenFromLeft = false;
    int Count() const { return static_cast<int>(spokes.size()); }
};

struct LacingSteps {
    std::vector<LacingStep> steps;
    QString note;  // what the order does not cover; empty when it covers the wheel
};

// Why the order cannot be followed on this wheel, in one translated line, or
// an empty text when it can: nothing laced, a crossed flange whose spokes do
// not take leading and trailing in turn, flanges holding different numbers
// of spokes.
QString StepsCoverage(const GridModel& table, const Wheel& wheel);

LacingSteps StepsOf(const GridModel& table, const Wheel& wheel);

// The rim hole the valve follows, within 1 .. rim holes; the rim's last hole
// for 0 (the valve between the last hole and the first).
int ValveAfterHole(const Wheel& wheel);

// Where each spoke of the step goes, as the builder reads it off the hub:
// "hub 6 → rim 32;  hub 10 → rim 4".
QString StepSpokeList(const LacingStep& step);

// The spokes in place before step `index`, the key spoke's step counted.
std::vector<StepSpoke> SpokesBefore(const LacingSteps& steps, int index);

// English names for files and the command line: "trailing", "out", "valve".
QString StepLayName(StepLay lay);
QString StepHeadName(StepHead head);
QString StepKindName(StepKind kind);

}  // namespace rimora
