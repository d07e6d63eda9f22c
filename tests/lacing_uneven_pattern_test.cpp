// Named wheels of the lacing: a hub with more holes than the rim, the pairs
// that once laced nothing, an 18-hole wheel whose flanges have an odd number
// of spokes, and cross numbers beyond the tangent.
#include "lacing/lacing_generation.h"
#include "lacing/lacing_table.h"
#include "platform/convert.h"

#include <gtest/gtest.h>

#include <memory>

using namespace rimora;

namespace {

std::unique_ptr<GridModel> Laced(int hub, int rim, int cl, int cr, QString* note = nullptr,
                                 FlangeReach reach = {41.0 / 590.0, 41.0 / 590.0})
{
    auto table = std::make_unique<GridModel>(kLacingColCount, kLacingInitialRowCount);
    const QString text = LaceTable(*table, QString::number(hub), QString::number(rim), cl, cr, reach);
    if (note) *note = text;
    return table;
}

}  // namespace

TEST(UnevenPattern, MoreHubHolesLeaveNeighbouringPairsBareAndTheRimAlternates)
{
    const auto t = Laced(36, 32, 3, 3);
    // Every rim hole is laced, odd ones from the left flange, even ones from the right.
    for (int r = 1; r <= 32; ++r) {
        int hub = 0;
        ASSERT_TRUE(TryStrToInt(t->Cells(kToHubCol, r), hub)) << "rim hole " << r;
        EXPECT_EQ(hub % 2, r % 2) << "rim hole " << r;
        EXPECT_EQ(t->Cells(kToRimCol, hub), t->Cells(kRimCol, r));
    }
    // Four bare hub holes, as two pairs of neighbours half a turn apart, so
    // each flange keeps 16 of its 18 holes.
    std::vector<int> bare;
    for (int h = 1; h <= 36; ++h)
        if (t->Cells(kToRimCol, h).isEmpty()) bare.push_back(h);
    ASSERT_EQ(bare.size(), 4u);
    EXPECT_EQ(bare[1], bare[0] + 1);
    EXPECT_EQ(bare[2], bare[0] + 18);
    EXPECT_EQ(bare[3], bare[0] + 19);
    EXPECT_EQ(t->Cells(kToHubCol, 33), QString());
}

TEST(UnevenPattern, SixteenAndThirtySixLaceSixteenSpokesAndEighteenHolesSayWhatCannotAlternate)
{
    struct Row {
        int hub, rim, cl, cr;
        int spokes;
        const char* noteHas;  // nullptr: no note
    };
    const Row rows[] = {
        {16, 36, 1, 1, 16, nullptr},
        {36, 16, 1, 1, 16, nullptr},
        {36, 36, 3, 3, 36, nullptr},
        // 9 spokes a flange: three pairs of neighbours per flange head the same way at 3 cross ...
        {18, 18, 2, 0, 18, "Flanges of 9 spokes cannot all alternate leading/trailing; same way: left (2x) all run"},
        {18, 36, 0, 1, 18, "same way: right (1x) all run"},
        // ... and at 3 cross three pairs, named by their hub holes.
        {18, 18, 3, 0, 18, "same way: left (3x) 05/07, 11/13, 17/01."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.hub << "/" << row.rim << " CL " << row.cl << " CR " << row.cr);
        QString note;
        const auto t = Laced(row.hub, row.rim, row.cl, row.cr, &note);
        int spokes = 0;
        for (int r = 1; r < t->RowCount(); ++r) spokes += !t->Cells(kToHubCol, r).isEmpty();
        EXPECT_EQ(spokes, row.spokes);
        if (row.noteHas)
            EXPECT_TRUE(note.contains(QLatin1String(row.noteHas))) << note.toStdString();
        else
            EXPECT_FALSE(note.contains(QStringLiteral("alternate"))) << note.toStdString();
    }
}

TEST(UnevenPattern, BeyondTheTangentIsLacedAsAskedWithAWarningNamingTheSoundCross)
{
    struct Row {
        int holes, cl, cr;
        double reach;
        const char* warning;  // nullptr: within the tangent
    };
    const Row rows[] = {
        {16, 2, 1, 41.0 / 590.0, "beyond the tangent, across the flange: left 2x"},
        {16, 2, 1, 41.0 / 590.0, "left 2x (1x at most)."},
        {20, 1, 3, 41.0 / 590.0, "beyond the tangent, across the flange: right 3x"},
        {20, 1, 3, 41.0 / 590.0, "right 3x (2x at most)"},
        {32, 4, 4, 41.0 / 590.0, "left 4x (3x at most), right 4x (3x at most)"},
        {36, 4, 4, 41.0 / 590.0, nullptr},
        // A wide flange in a small rim reaches the tangent sooner.
        {36, 4, 3, 0.2, "tangent, across the flange: left 4x (3x at most)."},
        {36, 3, 3, 0.2, nullptr},
        {24, 2, 2, 41.0 / 590.0, nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.holes << " CL " << row.cl << " CR " << row.cr);
        QString note;
        const auto t = Laced(row.holes, row.holes, row.cl, row.cr, &note, {row.reach, row.reach});
        // Laced as asked all the same.
        EXPECT_EQ(t->Cells(kToHubCol, 1).isEmpty(), false);
        if (row.warning)
            EXPECT_TRUE(note.contains(QLatin1String(row.warning))) << note.toStdString();
        else
            EXPECT_FALSE(note.contains(QStringLiteral("tangent"))) << note.toStdString();
    }
    // The reach from the Data tab's texts; a text that is no number counts as no reach.
    const FlangeReach reach = FlangeReachFromTexts(QStringLiteral("590"), QStringLiteral("41"), QStringLiteral("x"));
    EXPECT_DOUBLE_EQ(reach.left, 41.0 / 590.0);
    EXPECT_EQ(reach.right, 0.0);
    EXPECT_EQ(FlangeReachFromTexts(QStringLiteral(""), QStringLiteral("41"), QStringLiteral("41")).left, 0.0);
}
