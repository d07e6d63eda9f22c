#pragma once
// Each side of the wheel on one line, for the build sheet and the command
// line: the per-length figures of CalcWheelSides gathered per side, so a side
// whose spokes differ in length (unequal hole counts, a table edited by hand)
// shows its shortest and longest figures and one tension.
#include "platform/grid_model.h"
#include "spokes/side_figures.h"
#include "spokes/wheel_checks.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace rimora {

struct SideSpan {
    int spokes = 0;    // spokes of the side with a length
    int crosses = 0;   // the side's cross number
    CrossingSpan crossings;  // what its laced spokes really cross
    int lengths = 0;   // distinct lengths among them; 0 when none is measured
    double shortest = 0;  // mm, calculated
    double longest = 0;
    double shortestOrder = 0;  // mm, the lengths to order
    double longestOrder = 0;
    double flattest = 0;  // bracing angles, degrees
    double steepest = 0;
    double tension = 0;   // kgf, the same for every spoke of the side
    double flangeOffset = 0;  // mm from the rim's holes to the flange, rim offset applied
    // With heads both ways and one length each way: the two lengths, mm.
    std::optional<double> headsOut;
    std::optional<double> headsIn;
    // Where the holes do not lie evenly: the span in crossings of an evenly drilled wheel.
    std::optional<double> equivalentCross;
    bool Measured() const { return lengths > 0; }
    bool HeadsBothWays() const { return headsOut && headsIn; }
};

struct WheelSpans {
    SideSpan left;
    SideSpan right;
    // Where the rim's holes sit and that the tensions are weighed by unequal
    // counts, each only when it applies, in the summary's wording.
    QStringList notes;
};

// The sides of a measured table with the wheel's numbers (ReadWheelNumbers).
// A table without any length yet gives sides without spokes rather than an
// error, so an unlaced wheel still gets its sheet and its lines. A Length
// text that does not read back throws EConvertError, as CalcWheelSides does.
WheelSpans SpansOfTable(const GridModel& table, const Wheel& n);

// The same from figures already worked out.
WheelSpans SpansOf(const WheelSides& sides, const Wheel& n);

// The side's cross number, or what its spokes really cross when that differs.
QString CrossesText(const SideSpan& side);

// "285.4" when both ends read the same, else "284.9 - 285.7".
QString SpanText(const QString& low, const QString& high);

}  // namespace rimora
