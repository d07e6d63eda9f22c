#include "lacing/lacing_generation.h"
#include "lacing/lacing_table.h"
#include "platform/errors.h"

#include <gtest/gtest.h>

#include <memory>

using namespace rimora;

namespace {

QStringList Column(const GridModel& t, int col, int from, int to)
{
    QStringList out;
    for (int r = from; r <= to; ++r) out << t.Cells(col, r);
    return out;
}

std::unique_ptr<GridModel> Laced(int hub, int rim, int cl, int cr)
{
    auto t = std::make_unique<GridModel>(kLacingColCount, kLacingInitialRowCount);
    WriteHeadings(*t);
    ClearLacingTable(*t);
    LaceTable(*t, hub, rim, cl, cr);
    return t;
}

}  // namespace

// Cross numbers typed out of range lace as the nearest of 0 .. 4.
TEST(Generation, OutOfRangeCrossNumbersLaceAsTheNearestInRange)
{
    struct Row { int cl, cr, asLeft, asRight; };
    const Row rows[] = {{9, 9, 4, 4}, {-5, -5, 0, 0}, {99, 0, 4, 0}, {1, -2, 1, 0}};
    for (const Row& r : rows)
        EXPECT_EQ(Column(*Laced(36, 36, r.cl, r.cr), kToRimCol, 1, 36),
                  Column(*Laced(36, 36, r.asLeft, r.asRight), kToRimCol, 1, 36))
            << r.cl << "," << r.cr;
}

TEST(Generation, EqualCountsLaceBothColumnsByTheRule)
{
    const auto t = Laced(36, 36, 3, 3);
    EXPECT_EQ(t->RowCount(), 37);
    const QStringList first8{"07", "32", "33", "10", "11", "36", "01", "14"};
    EXPECT_EQ(Column(*t, kToRimCol, 1, 8), first8);
    EXPECT_EQ(Column(*t, kToHubCol, 1, 8), first8);
    for (int r = 1; r <= 36; ++r) {
        EXPECT_EQ(t->Cells(kHubCol, r), QString::asprintf("%.2d", r));
        EXPECT_EQ(t->Cells(kRimCol, r), QString::asprintf("%.2d", r));
    }
    EXPECT_EQ(t->Cells(kHubCol, 0), "HUB");

    const auto straight = Laced(36, 36, 0, 0);
    EXPECT_EQ(Column(*straight, kToHubCol, 1, 36), Column(*straight, kRimCol, 1, 36));
    EXPECT_EQ(Column(*Laced(36, 36, 3, 1), kToRimCol, 1, 4), (QStringList{"07", "36", "33", "06"}));

    // An even cross is not its own inverse: ->R is written as the inverse of
    // ->H at once, so the rebuild before drawing finds nothing to change.
    const auto even = Laced(32, 32, 2, 2);
    EXPECT_EQ(Column(*even, kToHubCol, 1, 4), (QStringList{"05", "30", "31", "08"}));
    EXPECT_EQ(Column(*even, kToRimCol, 1, 4), (QStringList{"29", "06", "07", "32"}));
    RebuildHubLinks(*even, 32);
    EXPECT_EQ(Column(*even, kToRimCol, 1, 4), (QStringList{"29", "06", "07", "32"}));
}

// Bare rim holes come in adjacent pairs, so every spoke keeps a hole drilled
// toward its own flange (odd holes left).
TEST(Generation, MoreRimHolesLeaveAdjacentPairsBareAndEveryPairLacesTheSmallerCount)
{
    const auto t = Laced(32, 36, 3, 3);
    EXPECT_EQ(t->RowCount(), 37);
    EXPECT_EQ(Column(*t, kToHubCol, 1, 12),
              (QStringList{"07", "28", "29", "10", "11", "32", "01", "", "", "14", "15", "04"}));
    EXPECT_EQ(Column(*t, kHubCol, 32, 36), (QStringList{"32", "", "", "", ""}));

    struct Row { int hub, rim, cross; std::vector<int> bareRim; };
    const Row rows[] = {
        {32, 36, 0, {8, 9, 26, 27}},
        {18, 36, 0, {1, 2, 5, 6, 9, 10, 13, 14, 17, 18, 21, 22, 25, 26, 29, 30, 33, 34}},
        {28, 36, 3, {4, 5, 13, 14, 22, 23, 31, 32}},
        {36, 32, 3, {}}, {36, 28, 3, {}}, {16, 36, 3, {}}, {36, 16, 3, {}},
    };
    for (const Row& row : rows) {
        const auto t = Laced(row.hub, row.rim, row.cross, row.cross);
        int spokes = 0;
        for (int r = 1; r <= row.rim; ++r) {
            const bool laced = !t->Cells(kToHubCol, r).isEmpty();
            spokes += laced;
            if (!row.bareRim.empty()) {
                EXPECT_EQ(laced, std::find(row.bareRim.begin(), row.bareRim.end(), r) == row.bareRim.end())
                    << row.hub << "/" << row.rim << " rim hole " << r;
            }
        }
        EXPECT_EQ(spokes, std::min(row.hub, row.rim)) << row.hub << "/" << row.rim;
    }
    // 18/36 radial: hub hole k in rim hole 2k + 1 or 2k + 2, each on its flange's side.
    EXPECT_EQ(Column(*Laced(18, 36, 0, 0), kToHubCol, 3, 8), (QStringList{"01", "02", "", "", "03", "04"}));
}

TEST(Generation, ReplacesTheEarlierTableOrStopsCleared)
{
    auto t = Laced(36, 36, 3, 3);
    t->SetCells(kLengthCol, 1, "285.4");
    t->SetCells(kToHubCol, 36, "-");
    LaceTable(*t, 36, 36, 1, 1);
    EXPECT_EQ(t->Cells(kLengthCol, 1), QString());
    EXPECT_EQ(t->Cells(kToHubCol, 36), "02");

    LaceTable(*t, 20, 20, 9, -3);  // typed before the spin boxes pull them in
    EXPECT_EQ(t->RowCount(), 21);
    EXPECT_EQ(Column(*t, kToHubCol, 1, 2), (QStringList{"09", "02"}));

    ClearLacingTable(*t);
    // The first count chosen: a message that says which count is missing.
    try {
        LaceTable(*t, 36, 0, 3, 3);
        ADD_FAILURE() << "an empty rim count laced a table";
    } catch (const EWheelInputError& e) {
        EXPECT_TRUE(e.Message().contains("rim hole count")) << e.Message().toStdString();
    }
    EXPECT_THROW(LaceTable(*t, 0, 36, 3, 3), EWheelInputError);
    EXPECT_THROW(LaceTable(*t, 36, 1000, 3, 3), EWheelInputError);
    EXPECT_EQ(t->RowCount(), 21);
    for (int c = 0; c < kLacingColCount; ++c) EXPECT_EQ(Column(*t, c, 1, 20), QStringList(20, QString())) << c;
    EXPECT_EQ(t->Cells(kLengthCol, 0), "Length");
}
