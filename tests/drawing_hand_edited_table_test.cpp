// A hand-edited table that laces a hole twice or names a hole the wheel lacks:
// the bill, the side figures and the drawn spokes count the same rows, and the
// message names the rows left out.
#include "drawing/wheel_drawing.h"
#include "lacing/lacing_table.h"
#include "lacing/spoke_rows.h"
#include "spokes/side_figures.h"
#include "spokes/spoke_bill.h"
#include "spokes_lacing_tables.h"
#include "support/scoped_locale.h"
#include <gtest/gtest.h>
#include <functional>

namespace rimora {
namespace {
using namespace rimora::test;

// In the 36/36 three-cross table rim 03 -> hub 33, 04 -> 10, 05 -> 11,
// 07 -> 01, 09 -> 15, 12 -> 18; odd hub holes are on the left.
struct EditCase {
    const char* name;
    std::function<void(GridModel&)> edit;
    int left;
    int right;
    const char* message;
};
void PrintTo(const EditCase& c, std::ostream* os) { *os << c.name; }

class HandEditedTableTest : public ::testing::TestWithParam<EditCase> {};

TEST_P(HandEditedTableTest, EveryCountAgreesAndTheLeftOutRowsAreNamed)
{
    ScopedLocale region(PointRegion());
    const EditCase& c = GetParam();
    GridModel grid;
    FillLacingTable(grid, 36, 36);
    c.edit(grid);
    const Wheel wheel = DefaultWheel();
    CalcSpokeLengths(grid, wheel);
    EXPECT_EQ(LacedSpokeRows(grid, 36, 36).faults.join('\n').toStdString(), c.message);
    QStringList bill;
    BuildSpokeSummary(grid, bill, 36, 36);
    EXPECT_EQ(bill.mid(bill.size() - 3, 2), (QStringList{QStringLiteral(" Left Side:%1 pcs").arg(c.left),
                                                          QStringLiteral("Right Side:%1 pcs").arg(c.right)}));
    const WheelSides sides = CalcWheelSides(grid, wheel);
    EXPECT_EQ(std::pair(sides.leftSpokes, sides.rightSpokes), std::pair(c.left, c.right));
    RebuildHubLinks(grid, 36, 36);  // as the window does before every drawing
    std::pair drawn(0, 0);
    for (const DrawnSpoke& s : SpokesToDraw(grid)) ++(s.hubHole % 2 ? drawn.first : drawn.second);
    EXPECT_EQ(drawn, std::pair(c.left, c.right));
}

INSTANTIATE_TEST_SUITE_P(
    Edits, HandEditedTableTest,
    ::testing::Values(
        EditCase{"AsLaced", [](GridModel&) {}, 18, 18, ""},
        EditCase{"HubHoleTwice", [](GridModel& g) { g.SetCells(kToHubCol, 9, "33"); }, 17, 18,
                 "Hub hole 33 is laced from rim holes 03 and 09: only rim hole 09 is counted."},
        EditCase{"HubHoleThrice", [](GridModel& g) { g.SetCells(kToHubCol, 9, "33"); g.SetCells(kToHubCol, 12, "33"); },
                 17, 17, "Hub hole 33 is laced from rim holes 03, 09 and 12: only rim hole 12 is counted."},
        EditCase{"HubHoleBeyondCount", [](GridModel& g) { g.SetCells(kToHubCol, 5, "40"); }, 17, 18,
                 "Rim hole 05 is laced to hub hole 40, beyond the hub's 36 holes: it is not counted."},
        EditCase{"RimHoleTwice", [](GridModel& g) { g.SetCells(kRimCol, 12, "04"); }, 18, 17,
                 "Rim hole 04 is laced to hub holes 10 and 18: only hub hole 18 is counted."},
        EditCase{"RimHoleBeyondCount", [](GridModel& g) { g.SetCells(kRimCol, 7, "37"); }, 17, 18,
                 "Rim hole 37 is beyond the rim's 36 holes: it is not counted."}),
    [](const auto& info) { return std::string(info.param.name); });
}  // namespace
}  // namespace rimora
