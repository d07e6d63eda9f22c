#include "platform/errors.h"
#include "spokes/summary_text.h"
#include "spokes/wheel_description.h"
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
