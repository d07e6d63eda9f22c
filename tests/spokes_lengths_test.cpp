#include "platform/errors.h"
#include "spokes/spoke_length.h"
#include "spokes_lacing_tables.h"
#include "support/scoped_locale.h"

#include <gtest/gtest.h>

#include <functional>

using namespace rimora;
using namespace rimora::test;

namespace {

const QLocale kRegions[] = {PointRegion(), CommaRegion()};

QStringList LengthColumn(const GridModel& grid, int rows)
{
    QStringList column;
    for (int row = 1; row <= rows; ++row) column << grid.Cells(4, row);
    return column;
}

QStringList InRegion(QStringList texts)
{
    for (QString& t : texts) t.replace(QLatin1Char('.'), QLocale().decimalPoint());
    return texts;
}

}  // namespace

TEST(SpokeLengths, DefaultWheelAlternatesBetweenTheTwoFlangesDownToTheLastRow)
{
    for (const QLocale& region : kRegions) {
        ScopedLocale scoped(region);
        GridModel grid;
        FillLacingTable(grid, 36, 36);
        ASSERT_EQ(QStringList({"07", "32", "33", "10", "11", "36", "01", "14"}),
                  QStringList({grid.Cells(3, 1), grid.Cells(3, 2), grid.Cells(3, 3), grid.Cells(3, 4),
                               grid.Cells(3, 5), grid.Cells(3, 6), grid.Cells(3, 7), grid.Cells(3, 8)}));
        CalcSpokeLengths(grid, DefaultWheel());
        for (int row = 1; row <= 36; ++row)
            EXPECT_EQ(grid.Cells(4, row), Dec(row % 2 ? "285.4" : "284.6")) << region.name().toStdString() << row;
    }
}

TEST(SpokeLengths, WheelVariants)
{
    struct Case {
        const char* name;
        int hub, rim, cross;
        std::function<void(Wheel&)> change;
        QStringList rows;  // Length of rows 1.., point notation
    };
    const Case cases[] = {
        {"own flange circle per side", 36, 36, 3, [](auto& w) { w.rightFlange = 45; },
         {"285.4", "283.7", "285.4", "283.7"}},
        {"larger left flange", 36, 36, 3, [](auto& w) { w.leftFlange = 45; }, {"284.5", "284.6", "284.5", "284.6"}},
        {"decimal ERD", 36, 36, 3, [](auto& w) { w.erd = 590.5; }, {"285.6", "284.9"}},
        {"radial", 36, 36, 0, [](auto&) {}, {"274.6", "273.8", "274.6", "273.8"}},
        {"equal counts ignore an angle", 36, 36, 3, [](auto& w) { w.angleDifference = 3; }, {"285.4", "284.6"}},
        {"32 on 36", 32, 36, 3, [](auto&) {},
         {"288.3", "286.3", "286.6", "288.8", "290.0", "284.6", "285.0", "290.6", "", "288.3"}},
        {"32 on 36 turned", 32, 36, 3, [](auto& w) { w.angleDifference = 5.625; },
         {"286.4", "288.2", "288.5", "286.9", "288.1", "286.5", "286.8", "288.6", "", "286.4"}},
    };
    for (const QLocale& region : kRegions) {
        ScopedLocale scoped(region);
        for (const Case& c : cases) {
            GridModel grid;
            FillLacingTable(grid, c.hub, c.rim, c.cross, c.cross);
            Wheel wheel = DefaultWheel(c.hub, c.rim);
            c.change(wheel);
            CalcSpokeLengths(grid, wheel);
            EXPECT_EQ(LengthColumn(grid, c.rows.size()), InRegion(c.rows)) << c.name << region.name().toStdString();
            EXPECT_EQ(AngleDifferenceApplies(wheel), c.hub != c.rim) << c.name;
        }
    }
}

TEST(SpokeLengths, GapMarksAndTheEndOfTheRimHoles)
{
    ScopedLocale scoped(PointRegion());
    // 36 hub holes on a 32-hole rim: rows 33..36 have no rim hole, so the
    // calculation ends at row 33 and leaves what stands below.
    GridModel grid;
    FillLacingTable(grid, 36, 36);
    for (int row = 1; row <= 36; ++row) grid.SetCells(4, row, "old");
    for (int row = 33; row <= 36; ++row) grid.SetCells(2, row, "");
    grid.SetCells(2, 5, "-");  // a rim hole left out: skipped, the rows after it go on
    grid.SetCells(3, 6, "-");  // a rim hole without spoke
    CalcSpokeLengths(grid, DefaultWheel(36, 32));
    const QStringList column = LengthColumn(grid, 36);
    EXPECT_EQ(column.mid(0, 8), QStringList({"285.0", "285.4", "286.6", "283.1", "", "", "288.3", "281.6"}));
    EXPECT_EQ(column[31], "275.2");
    EXPECT_EQ(column.mid(32), QStringList({"", "old", "old", "old"}));
}

TEST(SpokeLengths, RoundingAndLargeOrNegativeLengths)
{
    // Hole 36 on hub and rim: spoke straight down from the top, L = R - r - S/2 exactly.
    struct Case { double erd; double hole; const char* point; const char* comma; };
    const Case cases[] = {
        {610, 0.5, "284.3", "284,3"},  // 284.25 exactly: halves round up
        {2510, 0, "1,234.5", "1.234,5"},
        {610, 600, nullptr, nullptr},  // a hole wider than the wheel: no length, not -15.5
    };
    for (const QLocale& region : kRegions) {
        ScopedLocale scoped(region);
        for (const Case& c : cases) {
            GridModel grid(5, 2);
            grid.SetRowFromCommaText(1, "36,,36,36,");
            Wheel wheel = DefaultWheel();
            wheel.erd = c.erd;
            wheel.leftOffset = wheel.rightOffset = 0;
            wheel.spokeHole = c.hole;
            if (!c.point) {
                EXPECT_THROW(CalcSpokeLengths(grid, wheel), EWheelInputError) << c.hole;
                continue;
            }
            CalcSpokeLengths(grid, wheel);
            EXPECT_EQ(grid.Cells(4, 1), region == PointRegion() ? c.point : c.comma) << c.erd << " " << c.hole;
        }
    }
}

TEST(SpokeLengths, ABadCellOrCountStopsAndKeepsTheRowsDone)
{
    struct Case {
        const char* name;
        std::function<void(Wheel&, GridModel&)> spoil;
        QStringList rows;  // rows 1..4 afterwards
    };
    const QStringList untouched{"old", "old", "old", "old"};
    const Case cases[] = {
        {"hub count not chosen", [](auto& w, auto&) { w.hubHoles = 0; }, untouched},
        {"rim count beyond any rim", [](auto& w, auto&) { w.rimHoles = 1000; }, untouched},
        {"rim hole", [](auto&, auto& g) { g.SetCells(2, 3, "3a"); }, {"285.4", "284.6", "", "old"}},
        {"hub hole", [](auto&, auto& g) { g.SetCells(3, 2, "7.0"); }, {"285.4", "", "old", "old"}},
        // A length too large for a number is refused, not written as 0.0.
        {"out of range", [](auto& w, auto&) { w.erd = 1e308; }, {"", "old", "old", "old"}},
    };
    ScopedLocale scoped(PointRegion());
    for (const Case& c : cases) {
        GridModel grid;
        FillLacingTable(grid, 36, 36);
        for (int row = 1; row <= 36; ++row) grid.SetCells(4, row, "old");
        Wheel wheel = DefaultWheel();
        c.spoil(wheel, grid);
        EXPECT_THROW(CalcSpokeLengths(grid, wheel), RimoraError) << c.name;
        EXPECT_EQ(LengthColumn(grid, 4), c.rows) << c.name;
    }
}
