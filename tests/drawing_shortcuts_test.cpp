// What lets a window repaint the wheel quickly, against what it must give:
// the shortcuts (layers that leave alone what a later disc covers, large
// numbers drawn from stamps) the same pixels as Qt's own operations, give or
// take a few steps of a colour channel on a glyph's blended edge (dark type
// over a light background blends a little differently through a stamp); and the
// wheel's box holding everything that is not background, with or without the
// hole numbers.
#include "drawing_wheel_fixture.h"
#include "support/image_difference.h"

#include <gtest/gtest.h>

namespace rimora {
namespace {

using test::Render;

struct Case {
    const char* what;
    QSize size;
    void (*change)(test::Drawing&);
    double pixelRatio = 1.0;
};
const Case kCases[] = {
    {"design size", {482, 354}, [](test::Drawing&) {}},
    {"full HD", {1920, 1080}, [](test::Drawing&) {}},
    {"4K", {3840, 2160}, [](test::Drawing&) {}},
    {"4K, hub numbers, left side, turned rim", {3840, 2160},
     [](test::Drawing& in) {
         in.wheel.style.hubNumbers = true;
         in.wheel.style.sideIndex = LeftSideOnly;
         in.wheel.angleDifference = 4.5;
     }},
    // The rim hole circle outside the bead seat: a later disc is larger
    // than the one before it.
    {"4K, ERD past the bead seat", {3840, 2160}, [](test::Drawing& in) { in.wheel.erd = 700; }},
    {"tall box, thick spokes", {900, 2000}, [](test::Drawing& in) { in.wheel.style.spokeWidth = 5; }},
    {"hub larger than the rim", {2000, 1600},
     [](test::Drawing& in) {
         in.wheel.leftFlange = 400;
         in.wheel.rightFlange = 400;
     }},
    // The hub numbers outermost, in a face other than the application's: only their
    // ring keeps them inside the box.
    {"hub numbers past the rim, in a wide face", {1600, 1200},
     [](test::Drawing& in) {
         in.wheel.leftFlange = in.wheel.rightFlange = 640;
         in.frame.textFont = QFont(QStringLiteral("URW Bookman"), 12, QFont::Black);
     }},
    // Negative numbers read: their circles are drawn about the centre all the same.
    {"negative ERD", {1600, 1200}, [](test::Drawing& in) { in.wheel.erd = -700; }},
    {"negative flange", {1600, 1200}, [](test::Drawing& in) { in.wheel.leftFlange = -900; }},
    {"dense screen", {1000, 700}, [](test::Drawing&) {}, 1.5},
};

test::Drawing InputsOf(const Case& c)
{
    test::Drawing in = test::Wheel3636();
    in.frame.width = c.size.width();
    in.frame.height = c.size.height();
    c.change(in);
    return in;
}

TEST(DrawingShortcutsTest, SamePixelsAsQtsOwnOperationsAtEverySize)
{
    GridModel table;
    test::FillThreeCross36(table);
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        const test::Drawing in = InputsOf(c);
        const test::Rendered fast = Render(in, table, c.pixelRatio, Canvas::Shortcuts::On);
        const test::Rendered plain = Render(in, table, c.pixelRatio, Canvas::Shortcuts::Off);
        ASSERT_EQ(fast.error, plain.error);
        const test::ImageDifference d = test::CompareImages(fast.image, plain.image);
        EXPECT_LE(d.largest, 3);
        // Only blended glyph edges may differ: a stamp out of place or a
        // layer left unpainted would differ over thousands of pixels.
        EXPECT_LT(d.pixels, in.frame.width * in.frame.height / 1000) << d.pixels << " pixels differ";
        // The design size has no text large enough to stamp.
        if (in.frame.width < 1000) {
            EXPECT_EQ(d.pixels, 0);
        }
    }
}

int NotBackgroundOutsideTheBox(const test::Rendered& drawn, QRgb background)
{
    const QRect box = drawn.result.wheelBox;
    int outside = 0;
    for (int y = 0; y < drawn.image.height(); ++y)
        for (int x = 0; x < drawn.image.width(); ++x)
            if (!box.contains(x, y) && drawn.image.pixel(x, y) != background) ++outside;
    return outside;
}

TEST(DrawingShortcutsTest, NothingButBackgroundOutsideTheWheelsBox)
{
    GridModel table;
    test::FillThreeCross36(table);
    for (const Case& c : kCases) {
        if (c.pixelRatio != 1.0) continue;
        for (const bool hubNumbers : {false, true}) {
            SCOPED_TRACE(std::string(c.what) + (hubNumbers ? ", hub numbers" : ""));
            test::Drawing in = InputsOf(c);
            in.wheel.style.hubNumbers = hubNumbers;
            const test::Rendered drawn = Render(in, table);
            ASSERT_FALSE(drawn.result.wheelBox.isEmpty());
            EXPECT_EQ(NotBackgroundOutsideTheBox(drawn, ToQColor(in.wheel.style.background).rgb()), 0);
            // The box holds the rim numbers whether they are drawn or not.
            in.wheel.style.numbers = false;
            EXPECT_EQ(Render(in, table).result.wheelBox, drawn.result.wheelBox);
        }
    }
}

}  // namespace
}  // namespace rimora
