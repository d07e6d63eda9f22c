#include "lacing/lacing_table.h"
#include "platform/errors.h"

#include <gtest/gtest.h>

#include <memory>

using namespace rimora;

namespace {

// A 37-row table whose RIM column is numbered and whose ->R holds stale text.
std::unique_ptr<GridModel> NumberedTable(int rows = 37)
{
    auto table = std::make_unique<GridModel>(kLacingColCount, rows);
    GridModel& t = *table;
    WriteHeadings(t);
    for (int r = 1; r < rows; ++r) {
        t.SetCells(kRimCol, r, QString::asprintf("%.2d", r));
        t.SetCells(kToRimCol, r, QStringLiteral("stale"));
    }
    return table;
}

}  // namespace

TEST(RebuildHubLinks, KeepsWholeNumbersInRangeAndClearsTheRest)
{
    struct Row { const char* text; const char* after; bool links7; };
    const Row rows[] = {
        {"07", "07", true}, {" 7", " 7", true}, {"+7", "+7", true}, {"$7", "$7", true}, {"7", "7", true},
        {"abc", "", false}, {"7 ", "", false}, {"7.0", "", false}, {"37", "", false}, {"0", "", false},
        {"-3", "", false},  {"-", "-", false},  {"", "", false},
    };
    for (const Row& row : rows) {
        const auto table = NumberedTable();
    GridModel& t = *table;
        t.SetCells(kToHubCol, 1, QString::fromLatin1(row.text));
        RebuildHubLinks(t, 36);
        EXPECT_EQ(t.Cells(kToHubCol, 1), QString::fromLatin1(row.after)) << row.text;
        EXPECT_EQ(t.Cells(kToRimCol, 7), row.links7 ? QStringLiteral("01") : QString()) << row.text;
        for (int r = 1; r < 37; ++r)
            if (r != 7 || !row.links7) {
                EXPECT_EQ(t.Cells(kToRimCol, r), QString()) << row.text << " row " << r;
            }
        EXPECT_EQ(t.Cells(kToRimCol, 0), QStringLiteral("->R"));
        EXPECT_EQ(t.Cells(kToHubCol, 0), QStringLiteral("->H"));
    }
}

TEST(RebuildHubLinks, LastRowNamingAHubHoleWinsAndRimTextIsCopied)
{
    const auto table = NumberedTable();
    GridModel& t = *table;
    t.SetCells(kToHubCol, 1, QStringLiteral("07"));
    t.SetCells(kToHubCol, 5, QStringLiteral("7"));
    t.SetCells(kRimCol, 6, QStringLiteral("6"));
    t.SetCells(kToHubCol, 6, QStringLiteral("36"));
    RebuildHubLinks(t, 36);
    EXPECT_EQ(t.Cells(kToRimCol, 7), QStringLiteral("05"));
    EXPECT_EQ(t.Cells(kToRimCol, 36), QStringLiteral("6"));
    EXPECT_EQ(t.Cells(kToHubCol, 1), QStringLiteral("07"));
}

TEST(RebuildHubLinks, DropsLinksToRowsTheTableDoesNotHave)
{
    // Restored from a 36-hole wheel into a 21-row table.
    const auto table = NumberedTable(21);
    GridModel& t = *table;
    t.SetCells(kToHubCol, 1, QStringLiteral("20"));
    t.SetCells(kToHubCol, 2, QStringLiteral("21"));
    t.SetCells(kToHubCol, 3, QStringLiteral("30"));
    RebuildHubLinks(t, 36);
    EXPECT_EQ(t.Cells(kToRimCol, 20), QStringLiteral("01"));
    EXPECT_EQ(t.Cells(kToHubCol, 2), QString());
    EXPECT_EQ(t.Cells(kToHubCol, 3), QString());
}

TEST(RebuildHubLinks, HubCountIsNeededOnlyForAValidLookingLink)
{
    const auto table = NumberedTable();
    GridModel& t = *table;
    t.SetCells(kToHubCol, 1, QStringLiteral("abc"));
    t.SetCells(kToHubCol, 2, QStringLiteral("-"));
    EXPECT_NO_THROW(RebuildHubLinks(t, 0));

    // A link and no count chosen: the links are kept, not cleared as out of range.
    t.SetCells(kToHubCol, 3, QStringLiteral("07"));
    EXPECT_THROW(RebuildHubLinks(t, 0), EWheelInputError);
    EXPECT_EQ(t.Cells(kToHubCol, 3), QStringLiteral("07"));
}
