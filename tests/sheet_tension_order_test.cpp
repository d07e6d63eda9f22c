// The order round the wheel starts after the valve, and every reading stays
// with its rim hole wherever the valve is put afterwards.
#include "sheet/tension_report.h"

#include <gtest/gtest.h>

using namespace rimora;

TEST(TensionOrder, StartsAfterTheValveAndKeepsEachReadingWithItsRimHole)
{
    // Rim holes 1 .. 6 laced, hole 3 bare; a reading per laced hole, kept in
    // rim hole order: 1 -> 11, 2 -> 12, 4 -> 14, 5 -> 15, 6 -> 16.
    std::vector<LacedSpoke> laced;
    for (const int rim : {6, 1, 4, 2, 5}) {
        LacedSpoke spoke;
        spoke.hub = spoke.rim = rim;
        spoke.left = rim % 2 != 0;
        laced.push_back(spoke);
    }
    const TensionRound round{QString(), QDateTime(), QString(), QString(), {11, 12, 14, 15, 16}};
    const struct {
        int valveAfter;
        std::vector<int> rims;
    } rows[] = {
        {0, {1, 2, 4, 5, 6}},
        {2, {4, 5, 6, 1, 2}},  // the bare hole 3 is passed over
        {3, {4, 5, 6, 1, 2}},
        {6, {1, 2, 4, 5, 6}},
    };
    for (const auto& row : rows) {
        const std::vector<RoundSpoke> order = SpokesRoundTheWheel(laced, row.valveAfter);
        std::vector<int> rims;
        for (const RoundSpoke& spoke : order) {
            rims.push_back(spoke.rim);
            EXPECT_EQ(ReadingOf(round, spoke), 10.0 + spoke.rim) << row.valveAfter << " rim " << spoke.rim;
            EXPECT_EQ(spoke.left, spoke.rim % 2 != 0);
        }
        EXPECT_EQ(rims, row.rims) << row.valveAfter;
    }
}
