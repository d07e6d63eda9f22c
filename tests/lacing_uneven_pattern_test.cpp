// More hub holes than rim holes: the pattern must name only existing holes,
// use no rim hole twice, keep ->R and ->H each other's inverse and leave
// empty exactly the hub holes the skip rule chooses.
#include "lacing/lacing_generation.h"
#include "lacing/lacing_table.h"
#include "platform/convert.h"

#include <gtest/gtest.h>

#include <memory>

#include <set>

using namespace rimora;

namespace {

std::unique_ptr<GridModel> Laced(int hub, int rim, int cl, int cr)
{
    auto table = std::make_unique<GridModel>(kLacingColCount, kLacingInitialRowCount);
    GridModel& t = *table;
    LaceTable(t, QString::number(hub), QString::number(rim), cl, cr);
    return table;
}

}  // namespace

TEST(UnevenPattern, EveryCountPairAndCrossGivesAValidInverseLacing)
{
    const int counts[] = {36, 32, 28, 24, 20, 18, 16};
    for (int hub : counts) {
        for (int rim : counts) {
            if (hub <= rim) continue;
            const int q = hub / (hub - rim);
            for (int cl = 0; cl <= 4; ++cl) {
                for (int cr = 0; cr <= 4; ++cr) {
                    SCOPED_TRACE(testing::Message() << hub << "/" << rim << " CL " << cl << " CR " << cr);
                    const auto t = Laced(hub, rim, cl, cr);
                    std::set<int> rimHoles;
                    for (int i = 1; i <= hub; ++i) {
                        const QString link = t->Cells(kToRimCol, i);
                        ASSERT_EQ(link.isEmpty(), i % q == 0) << "hub row " << i;
                        if (link.isEmpty()) continue;
                        const int r = StrToInt(link);
                        ASSERT_TRUE(r >= 1 && r <= rim) << link.toStdString();
                        ASSERT_TRUE(rimHoles.insert(r).second) << "rim hole " << r << " twice";
                        ASSERT_EQ(t->Cells(kToHubCol, r), t->Cells(kHubCol, i));
                    }
                    ASSERT_EQ(static_cast<int>(rimHoles.size()), hub - hub / q);
                    // ->H names no hole that ->R does not lead back from.
                    int links = 0;
                    for (int r = 1; r < t->RowCount(); ++r) links += !t->Cells(kToHubCol, r).isEmpty();
                    ASSERT_EQ(links, static_cast<int>(rimHoles.size()));
                    // The rebuild before drawing finds nothing to change.
                    QStringList before;
                    for (int i = 1; i < t->RowCount(); ++i) before << t->Cells(kToRimCol, i) + t->Cells(kToHubCol, i);
                    RebuildHubLinks(*t, QString::number(hub));
                    for (int i = 1; i < t->RowCount(); ++i)
                        ASSERT_EQ(t->Cells(kToRimCol, i) + t->Cells(kToHubCol, i), before[i - 1]) << "row " << i;
                }
            }
        }
    }
}

TEST(UnevenPattern, CrossingIsTakenOverTheRimCount)
{
    const auto t = Laced(36, 32, 3, 3);
    const char* expected[] = {"07", "28", "29", "10", "11", "32", "01", "14", "", "15", "04", "05"};
    for (int i = 1; i <= 12; ++i) EXPECT_EQ(t->Cells(kToRimCol, i), QString::fromLatin1(expected[i - 1])) << i;
    EXPECT_EQ(t->Cells(kToHubCol, 7), QStringLiteral("01"));
    EXPECT_EQ(t->Cells(kToHubCol, 15), QStringLiteral("10"));
    EXPECT_EQ(t->RowCount(), 37);

    // 27 spokes for 28 rim holes: the one rim hole without a spoke is 6.
    const auto t28 = Laced(36, 28, 3, 3);
    for (int r = 1; r <= 28; ++r) EXPECT_EQ(t28->Cells(kToHubCol, r).isEmpty(), r == 6) << r;
    EXPECT_EQ(t28->Cells(kToHubCol, 29), QString());

    // Without crossings the k-th spoke goes to rim hole k, as the rule over the hub count gives.
    const auto radial = Laced(36, 32, 0, 0);
    EXPECT_EQ(radial->Cells(kToRimCol, 10), QStringLiteral("09"));
    EXPECT_EQ(radial->Cells(kToHubCol, 9), QStringLiteral("10"));
    EXPECT_EQ(radial->Cells(kToHubCol, 32), QStringLiteral("35"));
}
