// Where the wheel goes in the paint box: scale, radii, label size and the
// credits overlay, in both regions, and how the drawing stops on bad input.
#include "drawing_wheel_fixture.h"

#include "wheel/wheel_choices.h"
#include "support/scoped_locale.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace rimora {
namespace {

using test::Render;
using test::Rendered;
using test::ScopedLocale;

// The rim type whose bead seat is `beadSeat` mm.
int RimTypeOf(int beadSeat)
{
    for (int i = 0; i < static_cast<int>(std::size(kRimSizes)); ++i)
        if (kRimSizes[i].beadSeat == beadSeat) return i;
    return -1;
}

struct LayoutCase {
    const char* name;
    int width;
    int height;
    int beadSeat;
    double erd;
    double right;
    double left;
    QPoint centre;
    int beadRadius;
    int rimHole;
    int innerBand;
    double flangeMm;
    int hub;
    int hubHole;
    int labelFont;
};

// Failures name the row instead of dumping its bytes.
void PrintTo(const LayoutCase& c, std::ostream* os) { *os << c.name; }

class WheelLayoutTest : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(WheelLayoutTest, RadiiLabelsAndOverlay)
{
    ScopedLocale region(test::PointRegion());
    const LayoutCase& c = GetParam();
    test::Drawing in = test::Wheel3636();
    in.frame.width = c.width;
    in.frame.height = c.height;
    in.wheel.rimType = RimTypeOf(c.beadSeat);
    in.wheel.erd = c.erd;
    in.wheel.rightFlange = c.right;
    in.wheel.leftFlange = c.left;
    const Rendered r = Render(in);
    ASSERT_TRUE(r.error.isEmpty()) << r.error.toStdString();
    ASSERT_TRUE(r.result.scale && r.result.radii);

    const WheelScale& s = *r.result.scale;
    EXPECT_EQ(s.centre, c.centre);
    EXPECT_EQ(s.beadRadius, c.beadRadius);
    EXPECT_DOUBLE_EQ(s.scale, 2.0 * c.beadRadius / c.beadSeat);
    const WheelRadii& radii = *r.result.radii;
    EXPECT_EQ(radii.rimHole, c.rimHole);
    EXPECT_EQ(radii.innerBand, c.innerBand);
    EXPECT_DOUBLE_EQ(radii.flangeMm, c.flangeMm);
    EXPECT_EQ(radii.hub, c.hub);
    EXPECT_EQ(radii.hubHole, c.hubHole);
    EXPECT_EQ(r.result.labelFontSize, c.labelFont);

    EXPECT_EQ(r.result.credits.action, CreditsAction::Show);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, WheelLayoutTest,
    ::testing::Values(
        // The design-size box with the default inputs: 622 mm across 354 pixels is
        // 0.5691 px/mm; the flange circle of 20.5 mm is 11.67 -> 12 pixels, the hub
        // disc 6 mm beyond it 26.5 mm -> 15.08 -> 15.
        LayoutCase{"Design", 482, 354, 622, 590, 41, 41, {241, 177}, 177, 167, 173, 20.5, 15, 12, 11},
        // A smaller bead seat fills the same box: 0.6333 px/mm, 20.5 mm -> 12.98 -> 13,
        // 26.5 mm -> 16.78 -> 17.
        LayoutCase{"Mtb559", 482, 354, 559, 541, 41, 41, {241, 177}, 177, 171, 172, 20.5, 17, 13, 11},
        // The larger flange, either side, sets the disc: 21.5 mm -> 12.24 -> 12, 27.5 mm -> 15.65 -> 16.
        LayoutCase{"RightFlangeLarger", 482, 354, 622, 590, 43, 41, {241, 177}, 177, 167, 173, 21.5, 16, 12, 11},
        LayoutCase{"LeftFlangeLarger", 482, 354, 622, 590, 42.9, 43, {241, 177}, 177, 167, 173, 21.5, 16, 12, 11},
        // A tenth of a millimetre counts: 20.55 mm -> 11.70 -> 12, 26.55 mm -> 15.11 -> 15.
        LayoutCase{"RightBarelyLarger", 482, 354, 622, 590, 41.1, 41, {241, 177}, 177, 167, 173, 20.55, 15, 12, 11},
        LayoutCase{"Tall", 354, 800, 622, 590, 41, 41, {177, 400}, 177, 167, 173, 20.5, 15, 12, 8},
        LayoutCase{"Wide", 800, 354, 622, 590, 41, 41, {400, 177}, 177, 167, 173, 20.5, 15, 12, 18},
        // Label sizes of 10.5 and 11.5 points go to the even neighbour.
        LayoutCase{"LabelHalfDown", 462, 354, 622, 590, 41, 41, {231, 177}, 177, 167, 173, 20.5, 15, 12, 10},
        LayoutCase{"LabelHalfUp", 506, 354, 622, 590, 41, 41, {253, 177}, 177, 167, 173, 20.5, 15, 12, 12},
        // 0.0804 px/mm: 20.5 mm -> 1.65 -> 2, 26.5 mm -> 2.13 -> 2.
        LayoutCase{"Tiny", 50, 50, 622, 590, 41, 41, {25, 25}, 25, 24, 25, 20.5, 2, 2, 1},
        LayoutCase{"ErdAboveBeadSeat", 482, 354, 622, 640, 41, 41, {241, 177}, 177, 182, 173, 20.5, 15, 12, 11}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WheelLayoutTest, OverlayHidesWhenCreditsAreOff)
{
    ScopedLocale region(test::PointRegion());
    test::Drawing in = test::Wheel3636();
    in.frame.credits = false;
    const Rendered hidden = Render(in);
    EXPECT_TRUE(hidden.error.isEmpty());
    EXPECT_EQ(hidden.result.credits.action, CreditsAction::Hide);
    // The overlay is widgets, not paint: switching it off changes no pixel.
    in.frame.credits = true;
    EXPECT_EQ(hidden.image, Render(in).image);
}

// The scale's caption is written in the region's notation; the picture is
// the same in every region.
TEST(WheelLayoutTest, ScaleCaptionFollowsTheRegion)
{
    struct Case {
        QLocale region;
        const char* caption;
    };
    const Case cases[] = {
        {test::PointRegion(), "0.569131832797428"},
        {test::CommaRegion(), "0,569131832797428"},
    };
    QImage previous;
    for (const Case& c : cases) {
        ScopedLocale region(c.region);
        test::Drawing in = test::Wheel3636();
        in.wheel.erd = 594.5;
        in.wheel.angleDifference = 5.625;
        const Rendered r = Render(in);
        ASSERT_TRUE(r.error.isEmpty()) << r.error.toStdString();
        EXPECT_EQ(r.result.scaleCaption, QString::fromLatin1(c.caption));
        EXPECT_EQ(r.result.radii->rimHole, 169);  // (297.25 - 1) mm at 0.5691 px/mm
        if (!previous.isNull()) {
            EXPECT_EQ(r.image, previous);
        }
        previous = r.image;
    }
}

// A text that did not read is known before anything is measured: the
// picture is the background with a note in its middle, never part of a wheel,
// and the message names the input by its caption. A wheel that converts but
// cannot be drawn stops at the step that finds it: nothing painted when the
// measurements fail, background, rim and hub when the counts fail.
enum class Reached { Note, Nothing, Scale, Discs };

struct StopCase {
    const char* name;
    std::function<void(test::Drawing&)> change;
    const char* message;
    Reached reached;
    std::optional<WheelField> field = std::nullopt;  // the input named when its text does not convert
};

// Failures name the row instead of dumping its bytes.
void PrintTo(const StopCase& c, std::ostream* os) { *os << c.name; }

class WheelDrawingStopsTest : public ::testing::TestWithParam<StopCase> {};

TEST_P(WheelDrawingStopsTest, AtTheStepThatFails)
{
    ScopedLocale region(test::PointRegion());
    const StopCase& c = GetParam();
    test::Drawing in = test::Wheel3636();
    c.change(in);
    const Rendered r = Render(in);

    const bool note = c.reached == Reached::Note;
    EXPECT_EQ(r.convertError, note);
    EXPECT_EQ(r.wheelInputError, !note);
    EXPECT_TRUE(r.error.contains(QString::fromUtf8(c.message))) << r.error.toStdString();
    EXPECT_EQ(r.result.unreadableField, c.field);
    EXPECT_EQ(r.result.scale.has_value(), c.reached == Reached::Scale || c.reached == Reached::Discs);
    EXPECT_EQ(r.result.radii.has_value(), c.reached == Reached::Discs);
    // Once the wheel's size is known the credits have their corners.
    EXPECT_EQ(r.result.credits.action, note ? CreditsAction::Hide
                                            : (c.reached == Reached::Discs ? CreditsAction::Show : CreditsAction::Unchanged));
    EXPECT_EQ(r.result.labelFontSize, 0);
    // No spoke was drawn in any case.
    EXPECT_EQ(r.Count(in.wheel.style.leftSpoke), 0);
    EXPECT_EQ(r.Count(in.wheel.style.rightSpoke), 0);
    if (note) {
        // All of the box is painted, none of it as rim or hub; the note's
        // letters sit on the middle line, the corners are background.
        EXPECT_EQ(r.Count(test::kUntouched), 0);
        EXPECT_EQ(r.Count(in.wheel.style.rimOuter), 0);
        EXPECT_EQ(r.Count(in.wheel.style.rimInner), 0);
        EXPECT_EQ(r.Count(in.wheel.style.hub), 0);
        for (const QPoint corner : {QPoint(0, 0), QPoint(in.frame.width - 1, 0), QPoint(0, in.frame.height - 1),
                                    QPoint(in.frame.width - 1, in.frame.height - 1)})
            EXPECT_EQ(r.At(corner), in.wheel.style.background);
        int letters = 0;
        for (int y = in.frame.height / 2 - 8; y <= in.frame.height / 2 + 8; ++y)
            for (int x = 0; x < in.frame.width; ++x) letters += r.At(x, y) != in.wheel.style.background;
        EXPECT_GT(letters, 50);
        return;
    }
    EXPECT_EQ(r.Count(colors::White), 0);
    if (c.reached == Reached::Discs) {
        EXPECT_EQ(r.At(0, 0), in.wheel.style.background);
        EXPECT_EQ(r.At(241, 2), in.wheel.style.rimOuter);
        EXPECT_EQ(r.At(241, 7), in.wheel.style.rimInner);
        EXPECT_EQ(r.At(241, 100), in.wheel.style.background);
        EXPECT_EQ(r.At(241, 177), in.wheel.style.hub);
    } else {
        EXPECT_EQ(r.Count(test::kUntouched), in.frame.width * in.frame.height);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, WheelDrawingStopsTest,
    ::testing::Values(
        StopCase{"ErdNotANumber", [](auto& in) { test::Unreadable(in, WheelField::Erd, "590mm"); },
                 "ERD: '590mm' is not a number (decimal mark '.')", Reached::Note, WheelField::Erd},
        StopCase{"RightFlangeEmpty", [](auto& in) { test::Unreadable(in, WheelField::RightFlange, ""); },
                 "dR, right flange diameter: '' is not a number", Reached::Note, WheelField::RightFlange},
        StopCase{"LeftFlangeNotANumber", [](auto& in) { test::Unreadable(in, WheelField::LeftFlange, "4l"); },
                 "dL, left flange diameter: '4l' is not a number", Reached::Note, WheelField::LeftFlange},
                StopCase{"ErdTooLarge", [](auto& in) { in.wheel.erd = 1e300; }, "ERD is too large", Reached::Scale},
        StopCase{"NoBeadSeat", [](auto& in) { in.wheel.rimType = -1; }, "bead seat diameter of 0 mm", Reached::Nothing},
        StopCase{"NoCountChosen", [](auto& in) { in.wheel.hubHoles = in.wheel.rimHoles = 0; },
                 "Choose the hub and rim hole counts on the \"Data\" tab", Reached::Discs},
        StopCase{"NoHubCountChosen", [](auto& in) { in.wheel.hubHoles = 0; },
                 "Choose the hub hole count on the \"Data\" tab", Reached::Discs},
        StopCase{"NoRimCountChosen", [](auto& in) { in.wheel.rimHoles = 0; },
                 "Choose the rim hole count on the \"Data\" tab", Reached::Discs},
        StopCase{"HubCountNotANumber", [](auto& in) { test::Unreadable(in, WheelField::HubHoles, "36 "); },
                 "HUB: '36 ' is not a whole number", Reached::Note, WheelField::HubHoles},
        StopCase{"RimCountNegative", [](auto& in) { in.wheel.rimHoles = -1; }, "rim hole count must be between 1",
                 Reached::Discs},
        StopCase{"HubCountNegative", [](auto& in) { in.wheel.hubHoles = -36; }, "hub hole count must be between 1",
                 Reached::Discs},
        StopCase{"AngleNotANumber", [](auto& in) { test::Unreadable(in, WheelField::AngleDifference, "5.6.2"); },
                 "angle difference: '5.6.2' is not a number", Reached::Note, WheelField::AngleDifference},
        StopCase{"AngleEmpty", [](auto& in) { test::Unreadable(in, WheelField::AngleDifference, ""); },
                 "angle difference: ''", Reached::Note,
                 WheelField::AngleDifference}),
    [](const auto& info) { return std::string(info.param.name); });

// Values far outside any wheel either draw or stop with a message; none of
// them may crash or hang the drawing.
TEST(WheelDrawingStopsTest, ExtremeValuesDrawOrStopCleanly)
{
    ScopedLocale region(test::PointRegion());
    struct Case {
        const char* name;
        std::function<void(test::Drawing&)> change;
        const char* error;  // empty: draws
    };
    const Case cases[] = {
        {"huge ERD", [](auto& in) { in.wheel.erd = 100000000; }, ""},
        {"negative ERD", [](auto& in) { in.wheel.erd = -590; }, ""},
        {"wide spokes", [](auto& in) { in.wheel.style.spokeWidth = 100000; }, ""},
        {"one pixel box", [](auto& in) { in.frame.width = in.frame.height = 1; }, ""},
        {"many holes", [](auto& in) { in.wheel.rimHoles = 999; }, ""},
        {"too many holes", [](auto& in) { in.wheel.rimHoles = 1000; }, "between 1 and 999"},
        {"huge rim band", [](auto& in) { in.wheel.style.rimBandMm = 2000000000; }, "rim band height is too large"},
        {"huge flange", [](auto& in) { in.wheel.leftFlange = 1e12; }, "flange diameter is too large"},
        {"huge margin", [](auto& in) { in.wheel.style.hubMarginMm = 2000000000; }, "hub is too large"},
    };
    for (const Case& c : cases) {
        test::Drawing in = test::Wheel3636();
        c.change(in);
        const Rendered r = Render(in);
        EXPECT_EQ(r.error.isEmpty(), *c.error == 0) << c.name << ": " << r.error.toStdString();
        EXPECT_TRUE(r.error.contains(QString::fromLatin1(c.error))) << c.name << ": " << r.error.toStdString();
    }
    // No widget is that large or has a negative size (no image either, so ask the layout alone).
    EXPECT_THROW(ScaleWheel(20000000, 354, 622), EWheelInputError);
    EXPECT_THROW(ScaleWheel(482, -1, 622), EWheelInputError);
}

// A bad table cell stops the spokes at its row: the picture is the one of a
// table that ends just before it (and, as the drawing stopped, has no labels).
TEST(WheelDrawingStopsTest, AtTheTableRowThatFails)
{
    ScopedLocale region(test::PointRegion());
    struct Case {
        int column;
        int row;
        const char* cell;
    };
    for (const Case& c : {Case{0, 5, "ab"}, Case{1, 3, "zz"}, Case{0, 30, "3 5"}}) {
        test::Drawing in = test::Wheel3636();
        GridModel table;
        test::FillThreeCross36(table);
        table.SetCells(c.column, c.row, QString::fromLatin1(c.cell));
        const Rendered stopped = Render(in, table);
        EXPECT_TRUE(stopped.convertError) << c.cell;
        EXPECT_TRUE(stopped.error.contains(QString::fromLatin1(c.cell))) << stopped.error.toStdString();

        GridModel shorter;
        test::FillThreeCross36(shorter);
        for (int row = c.row; row <= 36; ++row) shorter.SetCells(0, row, QString());
        in.wheel.style.numbers = false;
        const Rendered expected = Render(in, shorter);
        ASSERT_TRUE(expected.error.isEmpty());
        EXPECT_EQ(stopped.image, expected.image) << c.cell;
        EXPECT_GT(expected.Count(in.wheel.style.leftSpoke), 0);
    }
}

}  // namespace
}  // namespace rimora
