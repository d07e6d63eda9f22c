#include "platform/errors.h"
#include "spokes/summary_text.h"
#include "spokes_lacing_tables.h"
#include "support/scoped_locale.h"

#include <gtest/gtest.h>

using namespace rimora;
using namespace rimora::test;

namespace {

WheelDescriptionTexts DefaultDescription()
{
    return {"Profile.prl", "700c:622", "36",      "36",     "590", Dec("27.5"),
            Dec("18.1"),   "41",       "41",      Dec("2.5"), "3",  "3"};
}

}  // namespace

TEST(WheelDescription, ShowsTheTextsAsTypedAndEndsEveryLineWithCrLf)
{
    WheelDescriptionTexts texts = {"wheel.prl", "26\":559", "32", "36", "544", "27.50",
                                   "18,1",      "38",       "45", "2.6", "2", "0"};
    EXPECT_EQ(WheelDescriptionLines(texts),
              QStringList({"wheel.prl", "26\":559", "HUB:32 hole", "RIM:36 hole", "ERD:544 mm",
                           "WL:27.50 mm  WR:18,1 mm", "dL:38 mm  dR:45 mm", "S:2.6 mm", "CL:2 cross  CR:0 cross",
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
        SpokeLengthInputs inputs = DefaultWheel();
        inputs.angleDifference = "3";  // turned earlier: equal counts put it back to 0
        QString angle = "3";
        const QString text = ComposeSummary(grid, inputs, DefaultDescription(), [&](const QString& t) { angle = t; });
        EXPECT_EQ(text.toStdString(), expected.toStdString());
        EXPECT_EQ(angle, "0");
        EXPECT_EQ(grid.Cells(4, 36), Dec("284.6"));
    }
}

TEST(Summary, ErrorsComeBeforeAnyText)
{
    ScopedLocale scoped(PointRegion());
    {
        // Hole counts not chosen yet: the table has no rim holes.
        GridModel grid;
        SpokeLengthInputs inputs = DefaultWheel();
        EXPECT_THROW(ComposeSummary(grid, inputs, DefaultDescription(), {}), EWheelInputError);
    }
    {
        // The right offset fails at row 2: row 1 keeps its fresh length.
        GridModel grid;
        FillLacingTable(grid, 36, 36);
        SpokeLengthInputs inputs = DefaultWheel();
        inputs.rightOffset = "18.1mm";
        EXPECT_THROW(ComposeSummary(grid, inputs, DefaultDescription(), {}), EConvertError);
        EXPECT_EQ(grid.Cells(4, 1), "285.4");
        EXPECT_EQ(grid.Cells(4, 2), "");
    }
}
