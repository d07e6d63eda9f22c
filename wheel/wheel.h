#pragma once
// The wheel as the program works with it: every input as a number, a count
// or a choice, read once from the window's controls or from a profile file.
// Lacing, lengths, the bill, the summary, the drawing, the sheet and the
// command line take it as it is; none of them reads a text.
//
// A default-made wheel holds the window's design values, taken from the
// record table (wheel/wheel_records.h), the one place they are written.
#include "platform/color.h"

#include <QString>
#include <array>

namespace rimora {

// Which spokes the drawing shows, as the radio group's item index.
enum SpokeSideIndex : int { BothSides = 0, LeftSideOnly = 1, RightSideOnly = 2 };

// How the wheel is drawn: the "Draw" tab.
struct WheelStyle {
    TColor background = 0;  // also the inside of the rim
    TColor rimOuter = 0;    // outer band
    TColor rimInner = 0;    // inner band; the rim numbers contrast with it
    TColor hub = 0;
    TColor rightSpoke = 0;  // even hub holes
    TColor leftSpoke = 0;   // odd hub holes
    int rimBandMm = 0;      // radial height of the outer band
    int rimInnerMm = 0;     // rim's inner edge inside the ERD radius
    int hubMarginMm = 0;    // hub disc beyond the flange hole circle
    int spokeWidth = 0;     // pixels
    bool numbers = false;     // rim hole numbers
    bool hubNumbers = false;  // hub hole numbers, in the side colours
    int sideIndex = BothSides;  // -1 (nothing chosen) draws both sides
    // For a print that may come out grey: the left spokes dashed, and each hub
    // number on a patch of its side's colour in black or white, whichever reads.
    bool greyProof = false;
    // The wheel seen from its left side: every hole number runs anticlockwise.
    bool seenFromLeft = false;
};

// What the wheel is built from, in the builder's words, and anything else
// to remember of it; every text may be empty.
struct WheelParts {
    QString hub;
    QString rim;
    QString spokes;
    QString nipples;
    QString remarks;  // may hold line breaks
};

// The tension log kept with the wheel, each as its record's text: the meter
// and spoke kind last chosen, then the rounds of readings, the oldest first
// (spokes/tension_round.h reads them).
enum TensionLogSlot : int { LogMeter = 0, LogKind = 1, LogFirstRound = 2 };
inline constexpr int kLogSlots = LogFirstRound + 8;

// Where a text of the tension log lives in the wheel.
struct LogText {
    int slot = 0;
};

enum HubKind : int { JBendHub = 0, StraightPullHub = 1 };
// Which spokes of a side have their heads outside the flange.
enum HeadsPattern : int { TrailingOut = 0, LeadingOut = 1, AllIn = 2, AllOut = 3 };
// How the hub's holes are shared by its flanges; hubHoles stays the total.
enum HubSplit : int { EqualFlanges = 0, MoreRight = 1, MoreLeft = 2 };
// Which flange each rim hole is drilled toward: left and right in turn, in
// the groups of three a 2:1 wheel laces, or straight on the centre line.
enum RimDrilling : int { AlternateDrilling = 0, GroupDrilling = 1, CentredDrilling = 2 };
// The crossed side of a 2:1 wheel: its hub pitch and rim groups do not nest,
// so a cross number gives one of two spans, the shorter or the longer.
enum CrossedPattern : int { ShorterSpan = 0, LongerSpan = 1 };
// A flange offset of 0 stands for the usual one: half the pitch of the flange
// with more holes.
inline constexpr double kUsualFlangeOffset = 0;

struct Wheel {
    Wheel();  // the design values

    int rimType = 0;        // index into RimSizes(); -1 when none is chosen
    int hubHoles = 0;       // 0 until a count is chosen
    int rimHoles = 0;
    double erd = 0;         // effective rim diameter, mm
    double leftOffset = 0;  // WL, centre plane to left flange as typed, mm
    double rightOffset = 0; // WR
    double leftFlange = 0;  // dL, hole-circle diameter, mm
    double rightFlange = 0; // dR
    double spokeHole = 0;   // S, mm
    int leftCross = 0;
    int rightCross = 0;
    double angleDifference = 0;  // degrees the rim holes are turned against the hub
    double rimOffset = 0;        // rim's spoke holes off its centre plane, mm
    double tension = 0;          // kgf of the tighter side
    double spokeDiameter = 0;    // thinnest diameter of the spoke, mm
    int orderStep = 0;           // mm steps in which spokes are sold

    // The hub's build (HubKind); any other value is read as a J-bend hub.
    int hubKind = 0;
    // Straight-pull: the spoke's line off the centre of its seat, along the
    // flange's circle, mm; positive ahead of the seat in the way the spoke runs
    // to the rim, which shortens it.
    double leftTangent = 0;
    double rightTangent = 0;
    // J-bend: the flange's thickness, mm; 0 leaves the heads out of the
    // lengths, as a spoke through the flange's middle plane.
    double leftFlangeThickness = 0;
    double rightFlangeThickness = 0;
    // J-bend: which spokes sit heads out (HeadsPattern).
    int leftHeads = 0;
    int rightHeads = 0;
    // The rim hole the valve hole follows, clockwise; 0 puts it between the
    // last hole and the first.
    int valveAfter = 0;

    // The hub's split between its flanges (HubSplit), the rim's drilling
    // (RimDrilling) and the crossed side's pattern of a 2:1 wheel (CrossedPattern).
    int hubSplit = 0;
    int rimDrilling = 0;
    int crossedPattern = 0;
    // Degrees from a hole of the flange with fewer holes (the left one when
    // they are equal) on to the next hole of the other; kUsualFlangeOffset
    // for half that flange's pitch.
    double flangeOffset = 0;
    // Degrees between the two holes of a pair on the hub's flanges and on the
    // rim; 0 where the holes are evenly spaced.
    double hubPairAngle = 0;
    double rimPairAngle = 0;

    WheelStyle style;
    WheelParts parts;
    std::array<QString, kLogSlots> log;
};

// Whether every hole lies as hole i of n at i * 360 / n: equal flanges, no
// pairs, the usual offset between the flanges.
inline bool EvenlySpacedHoles(const Wheel& wheel)
{
    // Read as the hole layout reads them: a split it does not know is equal
    // flanges, and an angle of 0 or below none.
    return wheel.hubSplit != MoreRight && wheel.hubSplit != MoreLeft && !(wheel.flangeOffset > kUsualFlangeOffset) &&
           !(wheel.hubPairAngle > 0) && !(wheel.rimPairAngle > 0);
}

// The bead seat diameter of the wheel's rim size in mm; 0 when none is chosen.
int BeadSeat(const Wheel& wheel);
// The rim size as the list shows it ("700c:622"); empty when none is chosen.
QString RimTypeName(const Wheel& wheel);

}  // namespace rimora
