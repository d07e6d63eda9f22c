// The drawing of one lacing step: the step's spokes in their colour, the
// earlier ones faint, the rest left out, and the wheel turned over for the
// left flange.
#include "drawing_wheel_fixture.h"

#include <gtest/gtest.h>

namespace rimora::test {
namespace {

struct StepDrawing {
    const char* name;
    bool seenFromLeft;
    std::vector<int> full;
    std::vector<int> faint;
    int rightOfCentre;  // pixels of the right spokes' own colour right of the centre: >0 some, 0 none
    int leftOfCentre;
};

class LaceStepDrawing : public testing::TestWithParam<StepDrawing> {};

// Hub hole 10 to rim hole 4 lies wholly right of the top-to-bottom line
// through the centre, seen from the right.
const StepDrawing kRows[] = {
    {"stepSpokeSeenFromTheRight", false, {10}, {}, 1, 0},
    {"stepSpokeSeenFromTheLeft", true, {10}, {}, 0, 1},
    {"earlierSpokeIsFaint", false, {}, {10}, 0, 0},
};

QImage Drawn(const Drawing& in, const GridModel& table, const SpokeShading& shading)
{
    QImage image(in.frame.width, in.frame.height, QImage::Format_RGB32);
    QPainter painter(&image);
    Canvas canvas(painter);
    WheelLayout layout;
    DrawWheel(canvas, in.wheel, table, in.frame, layout, &shading);
    return image;
}

TEST_P(LaceStepDrawing, ShowsOnlyWhatTheStepLaces)
{
    const StepDrawing& row = GetParam();
    Drawing in = Wheel3636();
    in.frame.width = in.frame.height = 401;
    in.wheel.style.numbers = false;
    in.wheel.style.seenFromLeft = row.seenFromLeft;
    GridModel table;
    FillThreeCross36(table);
    const QImage image = Drawn(in, table, {row.full, row.faint});
    const QColor right = ToQColor(in.wheel.style.rightSpoke);
    const QColor left = ToQColor(in.wheel.style.leftSpoke);
    int rightOf = 0;
    int leftOf = 0;
    int otherSide = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c == left) ++otherSide;
            if (c != right) continue;
            (x > 200 ? rightOf : leftOf) += 1;
        }
    EXPECT_EQ(rightOf > 0, row.rightOfCentre > 0) << rightOf;
    EXPECT_EQ(leftOf > 0, row.leftOfCentre > 0) << leftOf;
    EXPECT_EQ(otherSide, 0) << "spokes of no step drawn";
    // A faint spoke is there, only not in its full colour.
    EXPECT_NE(image, Drawn(in, table, {{}, {}}));
}

INSTANTIATE_TEST_SUITE_P(Steps, LaceStepDrawing, testing::ValuesIn(kRows),
                         [](const testing::TestParamInfo<StepDrawing>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace rimora::test
