#include "lacing/lacing_table.h"
#include "lacing/table_editing.h"
#include "platform/convert.h"
#include "platform/errors.h"
#include "support/scoped_locale.h"

#include <gtest/gtest.h>

using namespace rimora;
using rimora::test::ScopedLocale;

namespace {

QStringList AllCells(const GridModel& t)
{
    QStringList out;
    for (int r = 0; r < t.RowCount(); ++r)
        for (int c = 0; c < t.ColCount(); ++c) out << t.Cells(c, r);
    return out;
}

}  // namespace

TEST(InsertGap, NumbersEachRowBelowByItsOwnIndex)
{
    GridModel t(kLacingColCount, 37);
    WriteHeadings(t);
    for (int r = 1; r < 37; ++r) t.SetCells(kRimCol, r, QString::asprintf("%.2d", r));
    t.SetCells(kToHubCol, 5, QStringLiteral("05"));
    t.SetCurrent(kToHubCol, 5);
    InsertGapAndNumberDown(t);
    EXPECT_EQ(t.Cells(kToHubCol, 5), kGapMark);
    for (int r = 6; r < 37; ++r) EXPECT_EQ(t.Cells(kToHubCol, r), QString::number(5 + r)) << r;
    EXPECT_EQ(t.Cells(kToHubCol, 4), QString());

    RebuildHubLinks(t, 36);
    EXPECT_EQ(t.Cells(kToHubCol, 31), QStringLiteral("36"));
    for (int r = 32; r < 37; ++r) EXPECT_EQ(t.Cells(kToHubCol, r), QString()) << r;

    t.SetCurrent(kLengthCol, 3);  // an empty cell counts from 0
    InsertGapAndNumberDown(t);
    EXPECT_EQ(t.Cells(kLengthCol, 3), kGapMark);
    EXPECT_EQ(t.Cells(kLengthCol, 4), QStringLiteral("4"));
    EXPECT_EQ(t.Cells(kLengthCol, 36), QStringLiteral("36"));

    t.SetCurrent(kToHubCol, 36);
    t.SetCells(kToHubCol, 36, QStringLiteral("12"));
    const QStringList before = AllCells(t);
    InsertGapAndNumberDown(t);
    QStringList expected = before;
    expected[36 * kLacingColCount + kToHubCol] = kGapMark;
    EXPECT_EQ(AllCells(t), expected);
}

TEST(InsertGap, CellWithoutAWholeNumberChangesNothing)
{
    GridModel t(kLacingColCount, 37);
    WriteHeadings(t);
    t.SetCells(kToHubCol, 5, kGapMark);
    t.SetCells(kLengthCol, 6, QStringLiteral("285.4"));
    const QStringList before = AllCells(t);
    const std::pair<int, int> cells[] = {{kToHubCol, 5}, {kLengthCol, 6}, {kHubCol, 0}};
    for (auto [col, row] : cells) {
        t.SetCurrent(col, row);
        EXPECT_THROW(InsertGapAndNumberDown(t), EConvertError) << col << "," << row;
        EXPECT_EQ(AllCells(t), before);
    }
    t.SetCells(kToHubCol, 0, QStringLiteral("3"));  // the headings row is never renumbered
    t.SetCurrent(kToHubCol, 0);
    EXPECT_THROW(InsertGapAndNumberDown(t), EListError);
    EXPECT_EQ(t.Cells(kToHubCol, 1), QString());

    // The hole-number columns are never renumbered, even if one became current.
    t.SetFixedCols(kLacingFixedCols);
    t.SetCells(kRimCol, 5, QStringLiteral("05"));
    const QStringList numbered = AllCells(t);
    t.SetCurrent(kRimCol, 5);
    EXPECT_THROW(InsertGapAndNumberDown(t), EListError);
    EXPECT_EQ(AllCells(t), numbered);
}

TEST(HalfPitchAngle, HalfThePitchOfTheCircleWithFewerHoles)
{
    struct Row {
        int hub;
        int rim;
        double angle;
    };
    const Row rows[] = {
        {32, 36, 5.625},
        {18, 36, 10},
        {36, 28, 45.0 / 7.0},
        {36, 36, 0},
    };
    for (const Row& row : rows) EXPECT_DOUBLE_EQ(HalfPitchAngle(row.hub, row.rim), row.angle) << row.hub;
    EXPECT_THROW(HalfPitchAngle(0, 36), EWheelInputError);
    EXPECT_THROW(HalfPitchAngle(36, 1000), EWheelInputError);
}
