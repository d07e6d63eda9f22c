// A spoke's line: published lengths of a straight-pull hub, the nipple's
// entry angle, and heads on either face of a J-bend flange, through the
// lengths and each side's figures.
#include "spokes/side_figures.h"
#include "spokes/spoke_length.h"
#include "spokes/spoke_line.h"
#include "spokes/wheel_checks.h"
#include "platform/errors.h"
#include "spokes_lacing_tables.h"
#include "support/scoped_locale.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace rimora;
using namespace rimora::test;

namespace {

// A 28-spoke wheel on a 50 mm circle, 35 mm each side of the centre plane.
Wheel Example(int kind, double tangent)
{
    Wheel w = DefaultWheel(28, 28);
    w.erd = 600, w.spokeHole = 2.6, w.hubKind = kind;
    w.leftFlange = w.rightFlange = 50, w.leftOffset = w.rightOffset = 35, w.leftCross = w.rightCross = 2;
    w.leftTangent = w.rightTangent = tangent;
    return w;
}

}  // namespace

TEST(SpokeLine, PublishedVectors)
{
    const struct {
        const char* name;
        int kind;
        double tangent, span;  // mm, degrees
        double length, entry;  // mm, degrees; 0: not published
    } cases[] = {
        {"J-bend, 2 cross", JBendHub, 0, 720.0 * 2 / 28, 285.9240, 0},
        {"straight-pull on the seat's centre", StraightPullHub, 0, 720.0 * 2 / 28, 285.9240, 0},
        {"line ahead of the seat", StraightPullHub, 0.8, 720.0 * 2 / 28, 285.2711, 0},
        {"line behind the seat", StraightPullHub, -0.8, 720.0 * 2 / 28, 286.5777, 0},
        {"trailing spoke, line ahead", StraightPullHub, 0.8, -720.0 * 2 / 28, 285.2711, 0},
        {"32 holes, 3 cross", JBendHub, 0, 720.0 * 3 / 32, 0, 85.4531},
        {"radial", JBendHub, 0, 0, 275.9183, 90.0},
    };
    for (const auto& c : cases) {
        const SpokeLine line = LineOfSpoke(Example(c.kind, c.tangent), false, c.span);
        if (c.length > 0) {
            EXPECT_NEAR(line.length, c.length, 5e-5) << c.name;
        }
        if (c.entry > 0) {
            EXPECT_NEAR(line.entryDegrees, c.entry, 5e-5) << c.name;
        }
        // The entry angle follows from the line's own ends, whatever the hub: asin(h / R), h the line off the axle.
        const double a = c.span * M_PI / 180, d = std::hypot(300 * std::sin(a) - line.hubX, 300 * std::cos(a) - line.hubY);
        const double h = std::fabs(300 * std::sin(a) * line.hubY - 300 * std::cos(a) * line.hubX) / d;
        EXPECT_NEAR(line.entryDegrees, 90 - std::asin(h / 300) * 180 / M_PI, 1e-9) << c.name;
        EXPECT_EQ((line.torque > 0) - (line.torque < 0), (c.span > 0) - (c.span < 0)) << c.name;
    }
}

// A 3 mm flange and a 2 mm spoke move each bend 2.5 mm off the flange's middle.
TEST(SpokeLine, HeadsThroughTheSideFigures)
{
    ScopedLocale scoped(PointRegion());
    // The right side's heads and flange, its lines, shortest length, that line's head and largest bracing.
    const struct { const char* name; int rightHeads; double thickness; int rightLines; const char* shortest;
                   SpokeHead shortestHead; double steepestBracing; } cases[] = {
        {"no thickness: heads left out", TrailingOut, 0, 1, "285.8", SpokeHead::Unmodelled, 6.4006},
        {"trailing out: two lengths", TrailingOut, 3, 2, "285.6", SpokeHead::Out, 6.8957},
        {"leading out: the same two", LeadingOut, 3, 2, "285.6", SpokeHead::Out, 6.8957},
        {"all in", AllIn, 3, 1, "286.1", SpokeHead::In, 6.8957},
        {"all out", AllOut, 3, 1, "285.6", SpokeHead::Out, 5.9028},
    };
    for (const auto& c : cases) {
        Wheel w = DefaultWheel();
        w.leftOffset = w.rightOffset = 32;
        w.rightHeads = c.rightHeads;
        w.rightFlangeThickness = c.thickness;
        GridModel grid;
        FillLacingTable(grid, 36, 36);
        CalcSpokeLengths(grid, w);
        const WheelSides sides = CalcWheelSides(grid, w);
        std::vector<SideFigures> right;
        for (const SideFigures& f : sides.lines)
            if (f.side == SpokeSide::Right) right.push_back(f);
        ASSERT_EQ(static_cast<int>(right.size()), c.rightLines) << c.name;
        EXPECT_EQ(right.front().lengthText, QString(c.shortest)) << c.name;
        EXPECT_EQ(right.front().head, c.shortestHead) << c.name;
        EXPECT_NEAR(right.back().bracingDegrees, c.steepestBracing, 5e-5) << c.name;
        EXPECT_EQ(right.front().spokes + right.back().spokes, c.rightLines == 2 ? 18 : 36) << c.name;
    }
}

// The hub's inputs are refused beyond what a hub can be, by caption, only where its kind uses them.
TEST(SpokeLine, HubInputsOutOfRangeNameTheirInput)
{
    ScopedLocale scoped(PointRegion());
    const struct { int kind; double tangent, thickness; const char* named; } cases[] = {
        {StraightPullHub, 10, 40, ""}, {StraightPullHub, -10.5, 0, "tL, left spoke line ahead of its seat"},
        {JBendHub, 50, 10, ""},        {JBendHub, 0, -1, "Left flange thickness"}};
    for (const auto& c : cases) {
        Wheel w = Example(c.kind, 0);
        w.leftTangent = c.tangent;
        w.leftFlangeThickness = c.thickness;
        QString message;
        try { CheckWheel(w); } catch (const RimoraError& e) { message = e.Message(); }
        EXPECT_EQ(message.section(QLatin1Char(':'), 0, 0), QString::fromLatin1(c.named)) << c.kind << " " << c.tangent;
    }
}
