// Where the holes lie: each kind's hole places and flanges, and an even hub
// placed to the bit as the hole numbers have always placed it.
#include "lacing/hole_layout.h"
#include "lacing/lacing_pattern.h"

#include <gtest/gtest.h>

namespace rimora {
namespace {

TEST(HoleLayout, HolesLieWhereTheirKindPutsThem)
{
    const struct {
        const char* name;
        HoleLayout layout;
        int hole;
        double hubAngle;
        bool left;
        int rimHole;
        double rimAngle;
    } cases[] = {
        // 16/8 on 24: groups of three, the lone left hole half a pitch (11.25°) behind.
        {"2:1 right, first of a group", {24, 24, MoreRight}, 1, 11.25, true, 1, 15},
        {"2:1 right, second", {24, 24, MoreRight}, 2, 22.5, false, 2, 30},
        {"2:1 right, third", {24, 24, MoreRight}, 3, 45, false, 3, 45},
        {"2:1 right, last", {24, 24, MoreRight}, 24, 360, false, 24, 360},
        {"2:1 left mirrors the flanges", {24, 24, MoreLeft}, 4, 56.25, false, 4, 60},
        {"2:1, an offset of 5°", {24, 24, MoreRight, AlternateDrilling, 5}, 4, 62.5, true, 4, 60},
        // 24 holes paired at 15° on 2 cross: Δ = 30°, each hole 7.5° toward its partner.
        {"paired hub, trailing hole", {24, 24, EqualFlanges, AlternateDrilling, 0, 15, 0, 2, 2}, 1, 22.5, true, 1, 15},
        {"paired hub, leading hole", {24, 24, EqualFlanges, AlternateDrilling, 0, 15, 0, 2, 2}, 3, 37.5, true, 3, 45},
        {"paired rim, first of a pair", {24, 24, EqualFlanges, AlternateDrilling, 0, 0, 6}, 2, 30, false, 1, 19.5},
        {"paired rim, second of a pair", {24, 24, EqualFlanges, AlternateDrilling, 0, 0, 6}, 2, 30, false, 2, 25.5},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(c.layout.HubAngle(c.hole), c.hubAngle) << c.name;
        EXPECT_EQ(c.layout.HubLeft(c.hole), c.left) << c.name;
        EXPECT_DOUBLE_EQ(c.layout.RimAngle(c.rimHole), c.rimAngle) << c.name;
    }
}

TEST(HoleLayout, EvenHubsKeepTheirSpansToTheBit)
{
    for (const int hub : {36, 32, 28, 24, 20, 18, 16})
        for (const int rim : {36, 32, 28, 24, 20, 18, 16}) {
            const HoleLayout layout{hub, rim};
            for (int h = 1; h <= hub; ++h) {
                EXPECT_EQ(layout.HubLeft(h), h % 2 != 0);
                for (int r = 1; r <= rim; r += 5) EXPECT_EQ(layout.Span(h, r), SpokeSpan(h, hub, r, rim)) << hub << "/" << rim;
            }
        }
}

}  // namespace
}  // namespace rimora
