// What the lacing says for the status bar when the holes cannot give what was
// asked: an 18-hole flange of 9 spokes cannot alternate all the way round, and
// a cross number beyond the tangent is laced as asked with a warning.
#include "lacing/lacing_generation.h"
#include "lacing/lacing_table.h"
#include "lacing/spoke_crossings.h"

#include <gtest/gtest.h>
#include <tuple>

using namespace rimora;

TEST(LacingNotes, OddFlangesAndCrossNumbersBeyondTheTangent)
{
    constexpr double kDesign = 41.0 / 590.0;  // flange radius over rim radius
    struct Row {
        int holes, cl, cr;
        double reach;
        const char* says;  // "" when the wheel is laced as asked
    };
    const Row rows[] = {
        {18, 3, 0, kDesign, "Flanges of 9 spokes cannot all alternate leading/trailing; same way: left (3x) 05/07, 11/13, 17/01."},
        {18, 0, 2, kDesign, "same way: right (2x) all run"},
        {16, 2, 1, kDesign, "beyond the tangent, across the flange: left 2x (1x at most)."},
        {20, 1, 3, kDesign, "beyond the tangent, across the flange: right 3x (2x at most)."},
        {32, 4, 4, kDesign, "left 4x (3x at most), right 4x (3x at most)."},
        {36, 4, 4, kDesign, ""},
        // A wide flange in a small rim reaches the tangent sooner.
        {36, 4, 3, 0.2, "beyond the tangent, across the flange: left 4x (3x at most)."},
        {24, 2, 2, kDesign, ""},
    };
    for (const Row& row : rows) {
        GridModel t(kLacingColCount, kLacingInitialRowCount);
        const QString note = LaceTable(t, row.holes, row.holes, row.cl, row.cr, {row.reach, row.reach});
        const QString says = QString::fromLatin1(row.says);
        EXPECT_TRUE(says.isEmpty() ? note.isEmpty() : note.contains(says)) << row.holes << ": " << note.toStdString();
        EXPECT_FALSE(t.Cells(kToHubCol, 1).isEmpty()) << row.holes;  // laced all the same
    }
    // A diameter that gives no reach counts as none.
    const FlangeReach reach = FlangeReachOf(590, 41, 0);
    EXPECT_DOUBLE_EQ(reach.left, 41.0 / 590.0);
    EXPECT_EQ(reach.right, 0.0);
}

// What the laced spokes really cross, seen along the axle: a nine-spoke
// flange whose spokes all head one way crosses nothing at 1x.
TEST(SpokeCrossings, CountedFromWhereTheHolesAre)
{
    struct Row {
        int holes, cross;
        double erd, turn;
        int spokes, fewest, most;  // on the left flange; no spokes when nothing is counted
        const char* text;
    };
    const Row rows[] = {
        {36, 3, 590, 0, 18, 3, 3, "3"},
        {36, 0, 590, 0, 18, 0, 0, "0"},
        {18, 1, 590, 0, 9, 0, 0, "0"},
        {18, 3, 590, 0, 9, 3, 4, "3-4"},     // beyond the tangent the spokes reach across more
        {36, 3, 590, 60, 18, 1, 3, "1-3"},   // the rim turned against the hub
        {36, 3, 0, 0, 0, 0, 0, "3"},         // no rim size: the cross number stands
    };
    for (const Row& row : rows) {
        GridModel t(kLacingColCount, kLacingInitialRowCount);
        LaceTable(t, row.holes, row.holes, row.cross, row.cross);
        const CrossingGeometry g{row.holes, row.holes, row.erd, 41, 41, row.turn, {}};
        const CrossingSpan left = CountCrossings(LacedSpokeRows(t, row.holes, row.holes).spokes, g).left;
        EXPECT_EQ(std::tuple(left.spokes, left.fewest, left.most), std::tuple(row.spokes, row.fewest, row.most))
            << row.holes << " " << row.cross << " " << row.turn;
        EXPECT_EQ(CrossesText(row.cross, left), row.text) << row.holes << " " << row.cross;
    }
}
