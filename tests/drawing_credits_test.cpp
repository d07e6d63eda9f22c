// The title and the logo over the drawing stand on bare background at every
// size of the paint box, and the texts on the background read against it.
#include "drawing_wheel_fixture.h"

#include "drawing/pixel_rounding.h"
#include "support/scoped_locale.h"

#include <gtest/gtest.h>

namespace rimora {
namespace {

using test::Render;
using test::Rendered;
using test::ScopedLocale;

// Paint boxes from the narrowest window to a 4K one: tall, square and wide.
const int kWidths[] = {182, 240, 320, 380, 482, 560, 700, 900, 1200, 1648, 3568};
const int kHeights[] = {370, 480, 600, 800, 1000, 2048};

struct WheelVariant {
    const char* name;
    void (*change)(WheelDrawingInputs&);
    // Within the bead seat circle the wheel always leaves a corner for the
    // title; spokes past it can fill a square box.
    bool titleAlwaysShown = true;
};

const WheelVariant kVariants[] = {
    {"default wheel", [](WheelDrawingInputs&) {}},
    {"hub numbers", [](WheelDrawingInputs& in) { in.hubNumbers = true; }},
    {"ERD past the bead seat", [](WheelDrawingInputs& in) { in.erdText = QStringLiteral("660"); }, false},
    {"light background", [](WheelDrawingInputs& in) { in.background = colors::White; }},
    // The first start: the drawing stops after the rim and hub.
    {"no hole counts yet", [](WheelDrawingInputs& in) { in.hubCountText = in.rimCountText = QString(); }},
};

// Every pixel under the box is background: nothing of the wheel (rim band,
// numbers, spokes) is drawn where the credit stands.
bool OnBareBackground(const Rendered& r, const QRect& box, TColor background, QPoint& at)
{
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            if (r.At(x, y) != background) {
                at = QPoint(x, y);
                return false;
            }
    return true;
}

TEST(CreditsPlacementTest, TitleAndLogoStandClearOfTheWheelAtEverySize)
{
    ScopedLocale region(test::PointRegion());
    for (const WheelVariant& v : kVariants) {
        for (const int width : kWidths) {
            for (const int height : kHeights) {
                SCOPED_TRACE(std::string(v.name) + " " + std::to_string(width) + " x " + std::to_string(height));
                WheelDrawingInputs in = test::Wheel3636();
                in.width = width;
                in.height = height;
                v.change(in);
                const Rendered r = Render(in);
                const CreditsOverlay& o = r.result.credits;
                ASSERT_EQ(o.action, CreditsAction::Show);
                const QRect box(0, 0, width, height);
                EXPECT_TRUE(o.titleRect.isEmpty() == (o.titleFontSize == 0));
                if (v.titleAlwaysShown) {
                    ASSERT_FALSE(o.titleRect.isEmpty());
                }
                QPoint at;
                if (!o.titleRect.isEmpty()) {
                    EXPECT_TRUE(box.contains(o.titleRect)) << o.titleRect.x() << "," << o.titleRect.y();
                    EXPECT_TRUE(OnBareBackground(r, o.titleRect, in.background, at))
                        << "title over the wheel at " << at.x() << "," << at.y();
                }
                if (!o.imageRect.isEmpty()) {
                    EXPECT_TRUE(box.contains(o.imageRect));
                    EXPECT_TRUE(OnBareBackground(r, o.imageRect, in.background, at))
                        << "logo over the wheel at " << at.x() << "," << at.y();
                    EXPECT_FALSE(o.imageRect.intersects(o.titleRect));
                }
            }
        }
    }
}

// Where the corner has room the credits keep the size the wheel's scale
// gives them; a box too small for readable type hides them.
TEST(CreditsPlacementTest, FullSizeWhereThereIsRoomHiddenWhereThereIsNone)
{
    ScopedLocale region(test::PointRegion());
    WheelDrawingInputs in = test::Wheel3636();
    in.width = 482;
    in.height = 1400;  // room enough above and below the wheel
    const Rendered tall = Render(in);
    EXPECT_EQ(tall.result.credits.titleFontSize, RoundHalfEven(241 / 17.0));
    EXPECT_EQ(tall.result.credits.imageRect.height(), tall.result.radii->rimHole / 6);
    EXPECT_EQ(tall.result.credits.imageRect.width(), 3 * (tall.result.radii->rimHole / 6));

    in.width = in.height = 60;
    const Rendered tiny = Render(in);
    EXPECT_EQ(tiny.result.credits.action, CreditsAction::Show);
    EXPECT_TRUE(tiny.result.credits.titleRect.isEmpty());
    EXPECT_TRUE(tiny.result.credits.imageRect.isEmpty());
}

// The rim numbers stand on the background inside the rim, and so does the
// title: both take black or white by the background, whatever the rim's colour.
struct InkCase {
    const char* name;
    TColor background;
    TColor rimInner;
    TColor ink;
};

class TextOnBackgroundTest : public ::testing::TestWithParam<InkCase> {};

TEST_P(TextOnBackgroundTest, NumbersAndTitleContrastWithTheBackground)
{
    ScopedLocale region(test::PointRegion());
    const InkCase& c = GetParam();
    const TColor other = c.ink == colors::White ? colors::Black : colors::White;
    WheelDrawingInputs in = test::Wheel3636();
    in.background = c.background;
    in.rimInner = c.rimInner;
    const Rendered on = Render(in);
    in.numbers = false;
    const Rendered off = Render(in);
    EXPECT_GT(on.Count(c.ink), off.Count(c.ink) + 100);
    EXPECT_LE(on.Count(other), off.Count(other));
    EXPECT_EQ(on.result.credits.titleColor, c.ink);
}

INSTANTIATE_TEST_SUITE_P(
    Backgrounds, TextOnBackgroundTest,
    ::testing::Values(InkCase{"DefaultSkyBlue", colors::SkyBlue, colors::Gray, colors::Black},
                      InkCase{"WhiteWithDarkRim", colors::White, colors::Gray, colors::Black},
                      InkCase{"YellowWithNavyRim", colors::Yellow, colors::Navy, colors::Black},
                      InkCase{"NavyWithSilverRim", colors::Navy, colors::Silver, colors::White},
                      InkCase{"BlackWithWhiteRim", colors::Black, colors::White, colors::White}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace rimora
