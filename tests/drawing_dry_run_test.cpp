// A drawing run on a device that keeps nothing works out what the real
// drawing does: the same scale, radii, label size and credits, and the same
// error at the same step. The window relies on it to place the labels that
// stand on the wheel before the wheel is painted.
#include "drawing_wheel_fixture.h"

#include "platform/null_paint_device.h"

#include <QImage>
#include <gtest/gtest.h>

namespace rimora::test {
namespace {

Rendered DryRun(const WheelDrawingInputs& in, const GridModel& table)
{
    Rendered r;
    NullPaintDevice device(in.width, in.height);
    DrawInto(device, in, table, r);
    return r;
}

void ExpectSameResult(const Rendered& dry, const Rendered& real)
{
    EXPECT_EQ(dry.error, real.error);
    EXPECT_EQ(dry.convertError, real.convertError);
    EXPECT_EQ(dry.wheelInputError, real.wheelInputError);
    ASSERT_EQ(dry.result.scale.has_value(), real.result.scale.has_value());
    if (real.result.scale) {
        EXPECT_EQ(dry.result.scale->scale, real.result.scale->scale);
        EXPECT_EQ(dry.result.scale->centre, real.result.scale->centre);
        EXPECT_EQ(dry.result.scale->beadRadius, real.result.scale->beadRadius);
    }
    EXPECT_EQ(dry.result.scaleCaption, real.result.scaleCaption);
    ASSERT_EQ(dry.result.radii.has_value(), real.result.radii.has_value());
    if (real.result.radii) {
        EXPECT_EQ(dry.result.radii->rimHole, real.result.radii->rimHole);
        EXPECT_EQ(dry.result.radii->hub, real.result.radii->hub);
    }
    EXPECT_EQ(dry.result.labelFontSize, real.result.labelFontSize);
    const CreditsOverlay& a = dry.result.credits;
    const CreditsOverlay& b = real.result.credits;
    EXPECT_EQ(a.action, b.action);
    EXPECT_EQ(a.titleFontSize, b.titleFontSize);
    EXPECT_EQ(a.titleRect, b.titleRect);
    EXPECT_EQ(a.titleColor, b.titleColor);
    EXPECT_EQ(a.imageRect, b.imageRect);
}

struct Case {
    const char* what;
    void (*change)(WheelDrawingInputs&, GridModel&);
};

const Case kCases[] = {
    {"the design wheel", [](WheelDrawingInputs&, GridModel&) {}},
    {"a 4K box", [](WheelDrawingInputs& in, GridModel&) { in.width = 3840, in.height = 2160; }},
    {"a tall box", [](WheelDrawingInputs& in, GridModel&) { in.width = 300, in.height = 900; }},
    {"a box of one pixel", [](WheelDrawingInputs& in, GridModel&) { in.width = 1, in.height = 1; }},
    {"ERD 500", [](WheelDrawingInputs& in, GridModel&) { in.erdText = QStringLiteral("500"); }},
    {"ERD not a number", [](WheelDrawingInputs& in, GridModel&) { in.erdText = QStringLiteral("five"); }},
    {"ERD above the bead seat", [](WheelDrawingInputs& in, GridModel&) { in.erdText = QStringLiteral("700"); }},
    {"no hub count", [](WheelDrawingInputs& in, GridModel&) { in.hubCountText.clear(); }},
    {"no counts", [](WheelDrawingInputs& in, GridModel&) { in.hubCountText.clear(), in.rimCountText.clear(); }},
    {"a fractional angle", [](WheelDrawingInputs& in, GridModel&) { in.angleDiffText = QStringLiteral("5.625"); }},
    {"a bad hub cell", [](WheelDrawingInputs&, GridModel& t) { t.SetCells(0, 7, QStringLiteral("x7")); }},
    {"without credits", [](WheelDrawingInputs& in, GridModel&) { in.credits = false; }},
    {"hub numbers, light rim", [](WheelDrawingInputs& in, GridModel&) {
         in.hubNumbers = true;
         in.rimInner = colors::Yellow;
     }},
    {"no rim type", [](WheelDrawingInputs& in, GridModel&) { in.beadSeat = 0; }},
};

TEST(WheelDryRunTest, GivesWhatTheRealDrawingGives)
{
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        WheelDrawingInputs in = Wheel3636();
        in.credits = true;
        GridModel table;
        FillThreeCross36(table);
        c.change(in, table);
        const Rendered real = Render(in, table);
        const Rendered dry = DryRun(in, table);
        ExpectSameResult(dry, real);
    }
}

// The device reports the size it was given and a 96 dpi surface, so that
// text measured on it is measured as on the window.
TEST(WheelDryRunTest, MeasuresTextAsAPlainSurfaceOfItsSize)
{
    for (const QSize size : {QSize(482, 354), QSize(3840, 2160), QSize(1, 1)}) {
        NullPaintDevice device(size.width(), size.height());
        EXPECT_EQ(device.width(), size.width());
        EXPECT_EQ(device.height(), size.height());
        QImage image(size, QImage::Format_RGB32);
        EXPECT_EQ(device.logicalDpiX(), image.logicalDpiX());
        QPainter onDevice(&device);
        QPainter onImage(&image);
        Canvas a(onDevice);
        Canvas b(onImage);
        for (const int points : {6, 11, 40}) {
            a.SetFontSize(points);
            b.SetFontSize(points);
            EXPECT_EQ(a.TextWidth(QStringLiteral("36")), b.TextWidth(QStringLiteral("36"))) << points;
            EXPECT_EQ(a.TextHeight(QStringLiteral("36")), b.TextHeight(QStringLiteral("36"))) << points;
        }
    }
}

}  // namespace
}  // namespace rimora::test
