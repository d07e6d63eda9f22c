#pragma once
// What a builder needs for each side of the wheel: how many spokes of which
// length, how steeply they brace the rim, the tension each side runs at, how
// far the spokes stretch under it and the length to order.
#include "lacing/spoke_crossings.h"
#include "platform/grid_model.h"
#include "spokes/rim_offset.h"
#include "spokes/spoke_line.h"
#include "spokes/wheel_checks.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace rimora {

// Young's modulus of cold-drawn stainless spring wire (types 302, 304, 316) in
// tension: 28,000,000 psi, in N/mm².
inline constexpr double kStainlessModulus = 28.0e6 * 0.0068947572932;
// Standard gravity, N per kgf.
inline constexpr double kStandardGravity = 9.80665;

enum class SpokeSide { Left, Right };

struct SideFigures {
    SpokeSide side = SpokeSide::Left;
    int spokes = 0;            // spokes of this side with this length
    int crosses = 0;
    SpokeHead head = SpokeHead::Unmodelled;  // a side with heads both ways has a line for each
    QString lengthText;        // the calculated length as the table shows it
    double length = 0;         // the same, mm
    double orderLength = 0;    // the length to order, a whole multiple of the order step, mm
    double bracingDegrees = 0;
    double tension = 0;        // kgf
    double stretch = 0;        // elastic stretch at that tension, mm
};

struct WheelSides {
    std::vector<SideFigures> lines;  // left before right, each side's lengths ascending
    int leftSpokes = 0;
    int rightSpokes = 0;
    EffectiveOffsets offsets;
    // The sides hold different numbers of spokes, so the balance weighs each
    // side's pull by its count.
    bool weightedByCounts = false;
    // What each side's laced spokes really cross; the lines name it when it
    // is not the cross number.
    WheelCrossings crossings;
    // Each side's smallest angle between a spoke and the rim's tangent at its
    // nipple, degrees; nothing for a side without spokes.
    std::optional<double> leftEntry;
    std::optional<double> rightEntry;
    // Where the holes do not lie evenly (a 2:1 hub, paired holes), each
    // side's span as the crossings of an evenly drilled wheel count it: the
    // mean |θ| with the rim turned, over the flange's pitch 360° / its spokes.
    std::optional<double> leftEquivalentCross;
    std::optional<double> rightEquivalentCross;
    // A 2:1 wheel on an alternately drilled rim: its spokes in holes drilled
    // toward the other flange.
    std::optional<int> inOtherSideHoles;
};

// Below these the nipple meets its seat at a slant: a note to check the
// seats, and beyond most rims and nipples a warning.
inline constexpr double kEntryNoteDegrees = 80.0;
inline constexpr double kEntryWarningDegrees = 75.0;

// The note on the wheel's smallest entry angle, empty at kEntryNoteDegrees or
// more.
QString EntryAngleNote(const WheelSides& sides);

// sin α = W' / (L + S/2): the angle between the spoke and the wheel's plane,
// with L + S/2 the distance from the flange hole's centre to the rim hole.
double BracingDegrees(double effectiveOffset, double length, double spokeHole);

// ΔL = T · g · L / (A · E), A = π · d² / 4: Hooke's law for a wire.
double SpokeStretch(double tensionKgf, double length, double spokeDiameter);

// The spoke that reaches L once tensioned is ΔL shorter unloaded; of the sizes
// sold in `step` mm, the nearest to L - ΔL, the shorter one when it lies
// exactly halfway.
double OrderLength(double length, double stretch, int step);

// Reads the Length (4) and ->H (3) columns the length calculation filled and
// works out every side's figures. The lateral pulls balance: n_L · T_L · sin α_L
// = n_R · T_R · sin α_R (summed over the spokes when a side holds more than one
// length), and the side that needs the higher tension runs at `n.tension`.
// Rows without a length or a hub hole are left out.
//
// Throws EWheelInputError when no row holds a length, EConvertError when a
// Length text does not read back, both before anything is returned.
WheelSides CalcWheelSides(const GridModel& grid, const Wheel& n);

// The lines that follow the spoke bill, one per side and length, each figure
// named and every decimal in the region's mark without grouping:
//   "Left : 18 pcs 3 cross  length 285.4mm  order 286mm  bracing 5.5°  tension 79.2kgf"
// (the crossings the side's spokes really make when they are not the cross
// number: "0 cross", "2-3 cross")
// ("heads in" or "heads out" after a line when the flange's heads are
// modelled), then, when the hub is not a plain J-bend one or an angle is
// below kEntryNoteDegrees, each side's smallest nipple entry angle
// ("Nipple entry, smallest: left 85.5°  right 85.7°"), then, only when it
// applies, where the rim's holes sit ("Rim holes 2.0mm to
// the left: WL' 25.5mm  WR' 20.1mm") and that the tensions are weighed by
// unequal spoke counts.
QStringList SideSummaryLines(const WheelSides& sides, const Wheel& n);

}  // namespace rimora
