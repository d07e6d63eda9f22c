#include "lacing/lacing_generation.h"
#include "lacing/lacing_table.h"
#include "platform/errors.h"
#include "spokes/summary_text.h"
#include "spokes/wheel_description.h"
#include "spokes/wheel_notes.h"
#include "spokes_lacing_tables.h"
#include "support/scoped_locale.h"

#include <gtest/gtest.h>

using namespace rimora;
using namespace rimora::test;

TEST(WheelDescription, TheWheelsNumbersInTheRegionAndEveryLineEndedWithCrLf)
{
    ScopedLocale scoped(CommaRegion());
    Wheel w;
    w.rimType = 1;
    w.hubHoles = 32;
    w.rimHoles = 36;
    w.erd = 544;
    w.leftOffset = 27.5;
    w.leftFlange = 38;
    w.rightFlange = 45;
    w.spokeHole = 2.6;
    w.leftCross = 2;
    w.rightCross = 0;
    EXPECT_EQ(WheelDescriptionLines(w, "wheel.prl"),
              QStringList({"wheel.prl", "26MTB:559", "HUB:32 hole", "RIM:36 hole", "ERD:544 mm",
                           "WL:27,5 mm  WR:18,1 mm", "dL:38 mm  dR:45 mm", "S:2,6 mm", "CL:2 cross  CR:0 cross",
                           ""}));
    EXPECT_EQ(JoinSummaryText({"a", "", "b"}), "a\r\n\r\nb\r\n");
    EXPECT_EQ(JoinSummaryText({}), "");
}

TEST(Summary, DefaultWheelGivesTheNineteenLines)
{
    for (const QLocale& region : {PointRegion(), CommaRegion()}) {
        ScopedLocale scoped(region);
        // Only the numbers the program writes, and the dimensions as typed in
        // this region, carry the region's decimal separator.
        const QStringList lines = {
            "Profile.prl",       "700c:622",           "HUB:36 hole",            "RIM:36 hole",
            "ERD:590 mm",        Dec("WL:27.5 mm  WR:18.1 mm"), "dL:41 mm  dR:41 mm", Dec("S:2.5 mm"),
            "CL:3 cross  CR:3 cross", "",               Dec("284.6mm * 18 pcs"), Dec("285.4mm * 18 pcs +0.8mm"),
            "",                  Dec("difference: 0.8mm"), Dec("Average: 285.0mm"), "",
            " Left Side:18 pcs", "Right Side:18 pcs",  "     Total:36 pcs",
        };
        const QString expected = lines.join("\r\n") + "\r\n";

        GridModel grid;
        FillLacingTable(grid, 36, 36);
        Wheel wheel = DefaultWheel();
        wheel.angleDifference = 3;  // turned earlier: equal counts take no angle
        const QString text = ComposeSummary(grid, wheel, "Profile.prl");
        // Each side's own lines follow the nineteen.
        EXPECT_EQ(text.left(expected.size()).toStdString(), expected.toStdString());
        EXPECT_EQ(grid.Cells(4, 36), Dec("284.6"));
    }
}

TEST(Summary, ErrorsComeBeforeAnyText)
{
    ScopedLocale scoped(PointRegion());
    {
        // Hole counts not chosen yet: the table has no rim holes.
        GridModel grid;
        Wheel wheel = DefaultWheel(0, 0);
        EXPECT_THROW(ComposeSummary(grid, wheel, "Profile.prl"), EWheelInputError);
    }
    {
        // A wheel that cannot be built is refused before any length changes.
        GridModel grid;
        FillLacingTable(grid, 36, 36);
        grid.SetCells(4, 1, "old");
        Wheel wheel = DefaultWheel();
        wheel.tension = 0;
        EXPECT_THROW(ComposeSummary(grid, wheel, "Profile.prl"), EWheelInputError);
        EXPECT_EQ(grid.Cells(4, 1), "old");
    }
}

// The notes judge the table as it stands: laced here, saved and opened, or
// edited by hand, with the rim turned only where the lengths turn it.
TEST(WheelNotes, FollowTheTableAsItStands)
{
    ScopedLocale scoped(PointRegion());
    const struct {
        int hub, rim, cl, cr;
        double angle;
        int dropRow;       // a spoke taken out by hand (its ->H made "-"), 0 for none
        const char* says;  // the notes joined with " | "
    } rows[] = {
        {36, 36, 3, 3, 0, 0, ""},
        {18, 18, 1, 1, 0, 0, "Flanges of 9 spokes cannot all alternate leading/trailing; same way: left (1x) all run anticlockwise; right (1x) all run clockwise."},
        {32, 32, 4, 4, 0, 0, "Spokes leave the hub beyond the tangent, across the flange: left 4x (3x at most), right 4x (3x at most)."},
        {18, 18, 3, 0, 0, 0, "Flanges of 9 spokes cannot all alternate leading/trailing; same way: left (3x) 05/07, 11/13, 17/01. | Spokes leave the hub beyond the tangent, across the flange: left 3x (2x at most)."},
        {36, 36, 3, 3, 0, 5, "Flanges of 17 spokes cannot all alternate leading/trailing; same way: left (3x) 09/13."},
        {32, 32, 3, 3, 30, 0, ""},  // equal counts: the angle is not applied
        {32, 36, 3, 3, 30, 0, "Spokes leave the hub beyond the tangent, across the flange: left 3x (2x at most), right 3x (2x at most). | The rim is turned 30.00° against the hub; under tension it settles at -0.75° (\"Balance\" sets it)."},
        {32, 36, 3, 3, -0.75 + 0.4, 0, ""},  // within half a degree of the balance
        {32, 36, 3, 3, -0.75 - 0.6, 0, "The rim is turned -1.35° against the hub; under tension it settles at -0.75° (\"Balance\" sets it)."},
        {0, 36, 3, 3, 0, 0, ""},
    };
    for (const auto& r : rows) {
        GridModel table(kLacingColCount, kLacingInitialRowCount);
        LaceTable(table, r.hub > 0 ? r.hub : 18, r.rim, r.cl, r.cr);
        if (r.dropRow > 0) table.SetCells(kToHubCol, r.dropRow, "-");
        Wheel wheel = DefaultWheel(r.hub, r.rim);
        wheel.leftCross = r.cl;
        wheel.rightCross = r.cr;
        wheel.angleDifference = r.angle;
        EXPECT_EQ(WheelNotes(table, wheel).join(" | ").toStdString(), r.says) << r.hub << "/" << r.rim;
    }
}

// The summary names the notes before the side lines, and a side line says
// what its spokes really cross.
TEST(Summary, NotesBeforeTheSideLinesWhichSayTheRealCrossings)
{
    ScopedLocale scoped(PointRegion());
    const struct { int holes, cross; const char* tail; } rows[] = {  // the summary from the bill's end on
        {36, 3, "\r\n\r\nLeft : 18 pcs 3 cross "},
        {18, 1, "\r\n\r\nFlanges of 9 spokes cannot all alternate leading/trailing; same way: left (1x) all run "
                "anticlockwise; right (1x) all run clockwise.\r\n\r\nLeft : 9 pcs 0 cross "},
    };
    for (const auto& r : rows) {
        GridModel grid(kLacingColCount, kLacingInitialRowCount);
        LaceTable(grid, r.holes, r.holes, r.cross, r.cross);
        Wheel wheel = DefaultWheel(r.holes, r.holes);
        wheel.leftCross = wheel.rightCross = r.cross;
        const QString text = ComposeSummary(grid, wheel, "w.prl");
        EXPECT_TRUE(text.contains(QString::fromLatin1(r.tail).prepend("pcs"))) << text.toStdString();
    }
}
