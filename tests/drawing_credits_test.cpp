// The title and the logo over the drawing stand on bare background at every
// size of the paint box, and the texts on the background read against it.
#include "drawing_wheel_fixture.h"

#include "support/scoped_locale.h"

#include <gtest/gtest.h>

#include <tuple>

namespace rimora {
namespace {

using test::Render;
using test::Rendered;

// Paint boxes from the narrowest window to a 4K one, tall, square and wide:
// nothing of the wheel (rim band, numbers, spokes) under either credit.
// Spokes past the bead seat can fill a square box; the title then hides.
TEST(CreditsPlacementTest, TitleAndLogoStandClearOfTheWheelAtEverySize)
{
    test::ScopedLocale region(test::PointRegion());
    for (const char* variant : {"default", "hub numbers", "no hole counts yet", "ERD past the bead seat"})
        for (const int width : {182, 240, 380, 482, 700, 1200, 3568})
            for (const int height : {370, 480, 800, 1000, 2048}) {
                SCOPED_TRACE(std::string(variant) + " " + std::to_string(width) + " x " + std::to_string(height));
                test::Drawing in = test::Wheel3636();
                in.frame.width = width, in.frame.height = height;
                in.wheel.style.hubNumbers = variant == std::string("hub numbers");
                if (variant == std::string("no hole counts yet")) in.wheel.hubHoles = in.wheel.rimHoles = 0;
                if (variant == std::string("ERD past the bead seat")) in.wheel.erd = 660;
                const Rendered r = Render(in);
                const CreditsOverlay& o = r.result.credits;
                ASSERT_TRUE(in.wheel.erd != 590 || !o.titleRect.isEmpty());
                for (const QRect& box : {o.titleRect, o.imageRect})
                    for (int y = box.top(); y <= box.bottom(); ++y)
                        for (int x = box.left(); x <= box.right(); ++x)
                            ASSERT_EQ(r.At(x, y), in.wheel.style.background) << x << "," << y;
                EXPECT_FALSE(o.imageRect.intersects(o.titleRect));
            }
    test::Drawing tall = test::Wheel3636();
    tall.frame.height = 1400;  // room above and below: the size the scale gives
    EXPECT_EQ(Render(tall).result.credits.titleFontSize, 14);
    tall.frame.width = tall.frame.height = 60;  // no room for readable type
    EXPECT_TRUE(Render(tall).result.credits.titleRect.isEmpty());
}

// The rim numbers and the title stand on the background: black or white by
// the background, whatever the rim's colour.
TEST(CreditsPlacementTest, NumbersAndTitleContrastWithTheBackground)
{
    test::ScopedLocale region(test::PointRegion());
    for (const auto& [background, rimInner, ink] : {std::tuple{colors::SkyBlue, colors::Gray, colors::Black},
                                                    std::tuple{colors::Yellow, colors::Navy, colors::Black},
                                                    std::tuple{colors::Navy, colors::Silver, colors::White}}) {
        test::Drawing in = test::Wheel3636();
        in.wheel.style.background = background, in.wheel.style.rimInner = rimInner;
        const Rendered on = Render(in);
        in.wheel.style.numbers = false;
        const Rendered off = Render(in);
        const TColor other = ink == colors::White ? colors::Black : colors::White;
        EXPECT_GT(on.Count(ink), off.Count(ink) + 100) << ColorName(background).toStdString();
        EXPECT_LE(on.Count(other), off.Count(other));
        EXPECT_EQ(on.result.credits.titleColor, ink);
    }
}

}  // namespace
}  // namespace rimora
