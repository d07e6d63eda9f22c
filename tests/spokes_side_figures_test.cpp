// Each side's figures: which input an impossible wheel is blamed on, the rim
// offset, the lateral balance of the two sides, the stretch and the rounding
// to the sizes sold.
#include "platform/convert.h"
#include "platform/errors.h"
#include "spokes/locknut_offsets.h"
#include "spokes/rim_offset.h"
#include "spokes/side_figures.h"
#include "spokes/spoke_length.h"
#include "spokes/wheel_checks.h"
#include "spokes_lacing_tables.h"
#include "support/scoped_locale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

using namespace rimora;
using namespace rimora::test;

// Numbers that describe no wheel: the input to change is named (the window's
// own test goes through the rest with "Summary!").
TEST(Wheel, ImpossibleWheelNamesTheInput)
{
    ScopedLocale scoped(PointRegion());
    const struct {
        const char* name;
        std::function<void(Wheel&)> set;
        const char* named;
    } cases[] = {
        {"offset as large as WR, the larger", [](Wheel& w) {
             w.leftOffset = 18.1;
             w.rightOffset = 27.5;
             w.rimOffset = 27.5;
         }, "Rim offset"},
        {"offset below 0", [](Wheel& w) { w.rimOffset = -0.5; }, "Rim offset"},
        {"left flange on the centre plane", [](Wheel& w) { w.leftOffset = 0; }, "WL, width from center to left flange"},
        {"right flange across the centre plane", [](Wheel& w) { w.rightOffset = -3; },
         "WR, width from center to right flange"},
        {"spoke hole below 0", [](Wheel& w) { w.spokeHole = -1; }, "S, spoke hole diameter"},
        {"tension 0", [](Wheel& w) { w.tension = 0; }, "Tension"},
        {"spoke diameter 0", [](Wheel& w) { w.spokeDiameter = 0; }, "Spoke Ø"},
        {"order step 3", [](Wheel& w) { w.orderStep = 3; }, "Order step"},
        {"order step 0", [](Wheel& w) { w.orderStep = 0; }, "Order step"},
        {"ERD too large to be a number", [](Wheel& w) { w.erd = HUGE_VAL; }, "ERD"},
        {"no hub count", [](Wheel& w) { w.hubHoles = 0; }, "HUB"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Wheel w = DefaultWheel();
        c.set(w);
        QString message = QStringLiteral("(nothing thrown)");
        try {
            CheckWheel(w);
        } catch (const EWheelInputError& e) {
            message = e.Message();
        }
        EXPECT_TRUE(message.startsWith(QString::fromUtf8(c.named) + ":")) << message.toStdString();
    }
    // Just inside the limit is a wheel.
    Wheel w = DefaultWheel();
    w.rimOffset = 27.4;
    EXPECT_NO_THROW(CheckWheel(w));
}

// The holes go toward the flange farther from the centre, by exactly the offset.
TEST(RimOffset, MovesTheFartherFlangeInByExactlyTheOffset)
{
    const EffectiveOffsets left = ApplyRimOffset(27.5, 18.1, 2);
    EXPECT_EQ(left.left, 27.5 - 2);
    EXPECT_EQ(left.right, 18.1 + 2);
    EXPECT_TRUE(left.holesTowardLeft);
    const EffectiveOffsets right = ApplyRimOffset(18.1, 27.5, 2);
    EXPECT_EQ(right.left, 18.1 + 2);
    EXPECT_EQ(right.right, 27.5 - 2);
    EXPECT_FALSE(right.holesTowardLeft);
    const EffectiveOffsets even = ApplyRimOffset(20, 20, 1.5);  // equal flanges: toward the left
    EXPECT_EQ(even.left, 18.5);
    EXPECT_EQ(even.right, 21.5);

    Wheel wheel = DefaultWheel();
    for (int tenths = 0; tenths < 275; ++tenths) {
        wheel.rimOffset = tenths / 10.0;
        const Wheel moved = WithRimOffset(wheel);
        EXPECT_EQ(moved.leftOffset, 27.5 - wheel.rimOffset) << tenths;
        EXPECT_EQ(moved.rightOffset, 18.1 + wheel.rimOffset) << tenths;
        EXPECT_EQ(moved.erd, wheel.erd);
    }
    wheel.rimOffset = 27.5;
    EXPECT_THROW(WithRimOffset(wheel), EWheelInputError);
    wheel.rimOffset = -1;
    EXPECT_THROW(WithRimOffset(wheel), EWheelInputError);
}

// Hooke's law for the wire, against what builders see: a butted spoke of
// 1.8 mm at 130 kgf stretches most, still under a millimetre; a plain 2.0 mm
// spoke at 80 kgf only a few tenths. Doubling the tension or the length doubles
// the stretch; doubling the diameter quarters it.
TEST(Stretch, FollowsHookesLawAtTheSizesOfRealSpokes)
{
    const double thin = SpokeStretch(130, 300, 1.8);
    const double plain = SpokeStretch(80, 260, 2.0);
    EXPECT_GT(thin, 0.7);
    EXPECT_LT(thin, 1.0);
    EXPECT_GT(plain, 0.25);
    EXPECT_LT(plain, 0.4);
    for (const double t : {60.0, 100.0, 140.0}) {
        for (const double l : {180.0, 260.0, 310.0}) {
            for (const double d : {1.5, 1.8, 2.0, 2.3}) {
                const double s = SpokeStretch(t, l, d);
                EXPECT_NEAR(SpokeStretch(2 * t, l, d), 2 * s, 1e-12);
                EXPECT_NEAR(SpokeStretch(t, 2 * l, d), 2 * s, 1e-12);
                EXPECT_NEAR(SpokeStretch(t, l, 2 * d), s / 4, 1e-12);
            }
        }
    }
    // 28,000,000 psi is 193 GPa.
    EXPECT_NEAR(kStainlessModulus, 193053, 1);
}

// The nearest size to the unloaded length L - ΔL; halfway goes to the shorter.
TEST(OrderLength, NearestSoldSizeBelowTheStretchedLengthHalfwayShort)
{
    const struct {
        double length;
        double stretch;
        int step;
        double order;
    } cases[] = {
        {285.4, 0.3, 2, 286}, {285.4, 0.4, 2, 284}, {285.4, 0.4, 1, 285}, {284.6, 0.6, 2, 284}, {284.6, 0.55, 1, 284},
        {285.0, 0.0, 2, 284}, {286.0, 0.5, 1, 285}, {286.5, 0.0, 1, 286}, {287.0, 0.1, 2, 286},
        {287.2, 0.1, 2, 288}, {259.1, 0.3, 2, 258}, {257.6, 0.5, 2, 258}, {300.0, 0.0, 2, 300},
        {299.9, 0.0, 1, 300}, {1001.2, 0.2, 2, 1000},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(OrderLength(c.length, c.stretch, c.step), c.order) << c.length << " - " << c.stretch << " / " << c.step;
    }
}

// A hand-made table with more spokes on the left than on the right: the
// tension of each side satisfies n_L · T_L · sin α_L = n_R · T_R · sin α_R; the
// three steep left spokes need less tension than the two flat right ones to
// hold the rim, so the right runs at the set tension, and the summary says the
// counts weigh.
TEST(WheelSides, UnequalCountsAreWeightedAndTheSidesBalance)
{
    ScopedLocale scoped(PointRegion());
    GridModel grid;
    grid.SetRowCount(8);
    const char* rows[][2] = {{"01", "290.0"}, {"02", "289.0"}, {"03", "290.0"}, {"04", "289.0"},
                             {"05", "290.0"}, {"-", "1.0"},    {"07", ""}};
    for (int r = 0; r < 7; ++r) {
        grid.SetCells(3, r + 1, rows[r][0]);
        grid.SetCells(4, r + 1, rows[r][1]);
    }
    Wheel n = DefaultWheel();
    const WheelSides sides = CalcWheelSides(grid, n);
    ASSERT_EQ(sides.lines.size(), 2u);
    EXPECT_EQ(sides.leftSpokes, 3);
    EXPECT_EQ(sides.rightSpokes, 2);
    EXPECT_TRUE(sides.weightedByCounts);
    const SideFigures& l = sides.lines[0];
    const SideFigures& r = sides.lines[1];
    const double sinL = std::sin(l.bracingDegrees * M_PI / 180);
    const double sinR = std::sin(r.bracingDegrees * M_PI / 180);
    EXPECT_NEAR(sinL, 27.5 / (290.0 + 1.25), 1e-12);
    EXPECT_NEAR(3 * l.tension * sinL, 2 * r.tension * sinR, 1e-9);
    EXPECT_EQ(r.tension, 120.0);
    EXPECT_LT(l.tension, 120.0);
    const QStringList lines = SideSummaryLines(sides, n);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[2], "Tensions weighed by spoke counts: 3 left, 2 right");
}

// A lacing with a gap: each side's lengths get a line of their own, the
// side's tension is the same on all of them, and the pulls balance.
TEST(WheelSides, EverySideLengthHasItsLineAndTheSidesBalance)
{
    for (const QLocale& region : {PointRegion(), CommaRegion()}) {
        ScopedLocale scoped(region);
        GridModel grid;
        FillLacingTable(grid, 32, 36);
        Wheel n = DefaultWheel(32, 36);
        n.rimOffset = 1.5;
        CalcSpokeLengths(grid, WithRimOffset(n));
        const WheelSides sides = CalcWheelSides(grid, n);

        double pull[2] = {0, 0};
        int counted = 0;
        double lastLength[2] = {0, 0};
        for (const SideFigures& f : sides.lines) {
            const int s = f.side == SpokeSide::Left ? 0 : 1;
            EXPECT_GT(f.length, lastLength[s]);  // ascending, one line per length
            lastLength[s] = f.length;
            EXPECT_EQ(f.tension, sides.lines[s == 0 ? 0 : sides.lines.size() - 1].tension);
            EXPECT_EQ(f.stretch, SpokeStretch(f.tension, f.length, 2.0));
            pull[s] += f.spokes * std::sin(f.bracingDegrees * M_PI / 180);
            counted += f.spokes;
        }
        EXPECT_EQ(counted, 32);
        EXPECT_GT(sides.lines.size(), 2u);
        EXPECT_NEAR(pull[0] * sides.lines.front().tension, pull[1] * sides.lines.back().tension, 1e-9);
        EXPECT_EQ(std::max(sides.lines.front().tension, sides.lines.back().tension), 120.0);
        EXPECT_FALSE(sides.weightedByCounts);

        const QStringList lines = SideSummaryLines(sides, n);
        ASSERT_EQ(lines.size(), static_cast<qsizetype>(sides.lines.size()) + 1);
        EXPECT_EQ(lines.last(), "Rim holes " + Dec("1.5") + "mm to the left: WL' " + Dec("26.0")
                                    + "mm  WR' " + Dec("19.6") + "mm");
    }
}

// Each side's line names its figures, and in every region one decimal mark
// stands on it: no thousands sign, which in many regions is the other mark.
TEST(WheelSides, EachSideLineNamesItsFiguresInOneDecimalMark)
{
    const struct { bool comma; const char* length; const char* line; } cases[] = {
        {false, "1,234.5", "Left : 3 pcs 3 cross  length 1234.5mm  order 1210mm  bracing 1.3°  tension 1205.0kgf"},
        {true, "1.234,5", "Left : 3 pcs 3 cross  length 1234,5mm  order 1210mm  bracing 1,3°  tension 1205,0kgf"},
    };
    for (const auto& c : cases) {
        ScopedLocale scoped(c.comma ? CommaRegion() : PointRegion());
        GridModel grid;
        grid.SetRowCount(4);
        for (int row = 1; row <= 3; ++row) {  // the left flange only: it runs at the full tension
            grid.SetCells(3, row, Hole(2 * row - 1));
            grid.SetCells(4, row, QString::fromUtf8(c.length));
        }
        Wheel n = DefaultWheel();
        n.tension = 1205;
        EXPECT_EQ(SideSummaryLines(CalcWheelSides(grid, n), n), QStringList{QString::fromUtf8(c.line)});
    }
}

TEST(WheelSides, NoLengthIsAnError)
{
    GridModel grid;
    FillLacingTable(grid, 36, 36);
    EXPECT_THROW(CalcWheelSides(grid, DefaultWheel()), EWheelInputError);
}

TEST(LocknutOffsets, HalfTheWidthLessEachDistanceAndNamedErrors)
{
    for (const QLocale& region : {PointRegion(), CommaRegion()}) {
        ScopedLocale scoped(region);
        const FlangeOffsets rear = FlangeOffsetsFromLocknuts("130", "28", "47");
        EXPECT_EQ(rear.left, 37);
        EXPECT_EQ(rear.right, 18);
        const FlangeOffsets boost = FlangeOffsetsFromLocknuts("148", Dec("35.5"), Dec("54.7"));
        EXPECT_EQ(boost.left, 74 - 35.5);
        EXPECT_EQ(boost.right, 74 - 54.7);

        const struct {
            const char* old;
            const char* left;
            const char* right;
            const char* named;
        } bad[] = {
            {"", "28", "47", "OLD, over-locknut width"},       {"130", "x", "47", "Left locknut to flange"},
            {"130", "28", "", "Right locknut to flange"},      {"0", "28", "47", "OLD, over-locknut width"},
            {"130", "-1", "47", "Left locknut to flange"},     {"130", "65", "47", "Left locknut to flange"},
            {"130", "28", "66", "Right locknut to flange"},
        };
        for (const auto& b : bad) {
            QString message;
            try {
                FlangeOffsetsFromLocknuts(b.old, b.left, b.right);
            } catch (const RimoraError& e) {
                message = e.Message();
            }
            EXPECT_TRUE(message.startsWith(QString(b.named) + ":")) << message.toStdString();
        }
    }
}
