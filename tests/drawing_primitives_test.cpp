// The three drawing primitives: contrast text colour, clock-angle points and
// the ring of two-character labels, painted into images and compared.
#include "drawing/drawing_primitives.h"
#include "drawing/pixel_rounding.h"
#include "platform/canvas.h"
#include "platform/errors.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <functional>
#include <limits>

namespace rimora {
namespace {

struct ContrastCase {
    const char* name;
    TColor color;
    TColor expected;
};

class ContrastTextColorTest : public ::testing::TestWithParam<ContrastCase> {};

TEST_P(ContrastTextColorTest, PicksTheReadableOne)
{
    EXPECT_EQ(ContrastTextColor(GetParam().color), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Colours, ContrastTextColorTest,
    ::testing::Values(ContrastCase{"Grey128", RGBColor(128, 128, 128), colors::White},
                      ContrastCase{"Grey130", RGBColor(130, 130, 130), colors::White},
                      ContrastCase{"Grey131", RGBColor(131, 131, 131), colors::Black},
                      ContrastCase{"White", colors::White, colors::Black},
                      ContrastCase{"Black", colors::Black, colors::White},
                      ContrastCase{"Blue", colors::Blue, colors::White},
                      ContrastCase{"Red", colors::Red, colors::White},
                      ContrastCase{"Lime", colors::Lime, colors::Black},
                      ContrastCase{"Silver", colors::Silver, colors::Black},
                      ContrastCase{"SkyBlue", RGBColor(166, 202, 240), colors::Black},
                      // Brightness exactly 51 %: a sum in binary fractions lands just below.
                      ContrastCase{"ExactlyFiftyOne", RGBColor(17, 199, 76), colors::Black}),
    [](const auto& info) { return std::string(info.param.name); });

// A system colour is the palette's colour, not its raw value (whose low byte
// would read as a dark red).
TEST(ContrastTextColorTest, SystemColourFollowsThePalette)
{
    const QPalette saved = QGuiApplication::palette();
    QPalette palette = saved;
    palette.setColor(QPalette::Active, QPalette::Button, QColor(250, 250, 250));
    QGuiApplication::setPalette(palette);
    EXPECT_EQ(ContrastTextColor(colors::ButtonFace), colors::Black);
    palette.setColor(QPalette::Active, QPalette::Button, QColor(20, 20, 20));
    QGuiApplication::setPalette(palette);
    EXPECT_EQ(ContrastTextColor(colors::ButtonFace), colors::White);
    QGuiApplication::setPalette(saved);
}

TEST(PolarPointTest, ClockAnglesAroundACentre)
{
    struct Case {
        double angle;
        QPoint expected;
    };
    const Case cases[] = {
        {0, {100, 50}},   {90, {150, 100}},  {180, {100, 150}}, {270, {50, 100}},  {45, {135, 65}},
        {360, {100, 50}}, {450, {150, 100}}, {-90, {50, 100}},  {135, {135, 135}}, {10, {109, 51}},
    };
    for (const Case& c : cases) EXPECT_EQ(PolarPoint(100, 100, 50, c.angle), c.expected) << "angle " << c.angle;
    // A negative radius points the other way; a zero radius is the centre.
    EXPECT_EQ(PolarPoint(100, 100, -50, 0), QPoint(100, 150));
    EXPECT_EQ(PolarPoint(7, -3, 0, 123.4), QPoint(7, -3));
}

TEST(PolarPointTest, PointOutsideTheCoordinateRangeIsAnError)
{
    EXPECT_THROW(PolarPoint(INT_MAX, 0, INT_MAX, 90), EWheelInputError);
    EXPECT_THROW(PolarPoint(0, INT_MIN, INT_MAX, 0), EWheelInputError);
    EXPECT_EQ(PolarPoint(INT_MAX - 10, 0, 10, 270), QPoint(INT_MAX - 20, 0));
}

TEST(PixelRoundingTest, HalvesGoToTheEvenNeighbour)
{
    struct Case {
        double value;
        int rounded;
    };
    const Case cases[] = {
        {0.5, 0},   {1.5, 2},   {2.5, 2},     {-0.5, 0},      {-1.5, -2},  {-2.7, -3},
        {20.5, 20}, {21.5, 22}, {2.4999, 2},  {167.32, 167}, {2147483647.0, INT_MAX}, {-2147483648.0, INT_MIN},
    };
    for (const Case& c : cases) EXPECT_EQ(RoundHalfEven(c.value), c.rounded) << c.value;
    for (double bad : {2147483648.0, -2147483649.0, std::numeric_limits<double>::quiet_NaN(),
                       std::numeric_limits<double>::infinity()})
        EXPECT_THROW(RoundHalfEven(bad), EWheelInputError) << bad;
}

// Labels are compared with the same texts put by hand where the ring should
// put them, so a wrong order, angle, anchor or cell size shows as a difference.
class CircleLabelsTest : public ::testing::Test {
protected:
    static constexpr int X = 120;
    static constexpr int Y = 110;

    void SetUp() override
    {
        // Labels at 120 and 240 degrees sit half the anchor radius below the
        // shifted centre; an even anchor radius keeps that off a half pixel,
        // where the hand-placed copy could not know which way it rounds.
        h_ = CellWidth() / 2;
        R = 90 + (90 - h_) % 2;
    }

    QImage Paint(const std::function<void(Canvas&)>& draw) const
    {
        QImage image(240, 220, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        Canvas canvas(painter);
        canvas.SetFontSize(11);
        canvas.SetFontColor(colors::Black);
        canvas.SetBrushColor(colors::Red);  // solid: labels must not fill behind themselves
        draw(canvas);
        return image;
    }

    static int DifferingPixels(const QImage& a, const QImage& b)
    {
        int n = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x) n += a.pixel(x, y) != b.pixel(x, y);
        return n;
    }

    int CellWidth() const
    {
        int width = 0;
        Paint([&](Canvas& c) { width = c.Font().pixelSize(); });  // one em, a full-width character
        return width;
    }

    // Top-left corner of a label cell of size `cell` whose anchor circle is
    // lifted by `shift`, at clock angle `degrees`.
    QPoint Anchor(int shift, double degrees) const
    {
        const double rad = degrees * M_PI / 180.0;
        return QPoint(static_cast<int>(std::lround(X - shift + (R - shift) * std::sin(rad))),
                      static_cast<int>(std::lround(Y - shift - (R - shift) * std::cos(rad))));
    }

    QImage ByHand(const std::vector<std::pair<QString, QPoint>>& labels) const
    {
        return Paint([&](Canvas& c) {
            c.SetBrushStyle(BrushStyle::Clear);
            for (const auto& [text, at] : labels) c.TextOut(at.x(), at.y(), text);
        });
    }

    int h_ = 0;
    int R = 90;
};

TEST_F(CircleLabelsTest, ThreeLabelsGoClockwiseWithTheLastOnTop)
{
    const int h = h_;
    ASSERT_GT(h, 0);
    // The cell is the width of a full-width character, not of the label itself.
    int labelWidth = 0;
    Paint([&](Canvas& c) { labelWidth = c.TextWidth(QStringLiteral("01")); });
    ASSERT_NE(labelWidth / 2, h);

    const QImage expected = ByHand({{QStringLiteral("01"), Anchor(h, 120)},
                                    {QStringLiteral("02"), Anchor(h, 240)},
                                    {QStringLiteral("03"), Anchor(h, 360)}});
    const QImage drawn = Paint([&](Canvas& c) { DrawCircleLabels(c, X, Y, R, QStringLiteral("010203")); });
    EXPECT_EQ(DifferingPixels(drawn, expected), 0);
    EXPECT_GT(DifferingPixels(drawn, Paint([&](Canvas& c) { DrawCircleLabels(c, X, Y, R, QStringLiteral("030201")); })), 0);
    // The last character of an odd text is no label.
    EXPECT_EQ(DifferingPixels(Paint([&](Canvas& c) { DrawCircleLabels(c, X, Y, R, QStringLiteral("0102039")); }), expected), 0);
    // Labels at holes that do not lie evenly stand at each hole's own angle.
    const std::vector<double> paired{100, 140, 360};
    EXPECT_EQ(DifferingPixels(Paint([&](Canvas& c) { DrawCircleLabels(c, X, Y, R, QStringLiteral("010203"), 1, 0, 1, &paired); }),
                              ByHand({{QStringLiteral("01"), Anchor(h, 100)},
                                      {QStringLiteral("02"), Anchor(h, 140)},
                                      {QStringLiteral("03"), Anchor(h, 360)}})),
              0);
    // Nothing is filled behind the text although the brush was solid red.
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x) ASSERT_NE(drawn.pixelColor(x, y), QColor(Qt::red)) << x << "," << y;
}

TEST_F(CircleLabelsTest, NoLabelsDrawNothingAndLeaveTheBrushClear)
{
    QImage blank(240, 220, QImage::Format_RGB32);
    blank.fill(Qt::white);
    for (const QString& text : {QString(), QStringLiteral("7")}) {
        // A fill after the labels shows whether the brush was left solid.
        const QImage drawn = Paint([&](Canvas& c) {
            DrawCircleLabels(c, X, Y, R, text);
            c.FillRect(QRect(0, 0, 10, 10));
        });
        EXPECT_EQ(DifferingPixels(drawn, blank), 0) << text.toStdString();
    }
    EXPECT_EQ(DifferingPixels(Paint([&](Canvas& c) { DrawCircleLabels(c, X, Y, R, QStringLiteral("0102"), 0); }), blank), 0);
}

TEST_F(CircleLabelsTest, WiderCellsHoldFewerLabelsLiftedByAQuarterCell)
{
    // Two cells wide: four labels' worth of text gives two labels, "01" and "02".
    const int quarter = CellWidth() * 2 / 4;
    const QImage expected = ByHand({{QStringLiteral("01"), Anchor(quarter, 180)}, {QStringLiteral("02"), Anchor(quarter, 360)}});
    EXPECT_EQ(DifferingPixels(Paint([&](Canvas& c) { DrawCircleLabels(c, X, Y, R, QStringLiteral("01020304"), 2); }), expected), 0);
}

// The cell is one em because a full-width ideograph is one em wide: where
// the system has a face for one, its advance is the em at every size, on a
// screen-like and on a print-like surface alike.
TEST(FullWidthCellTest, AnIdeographIsOneEmWideWhereAFaceHasIt)
{
    if (QFontDatabase::families(QFontDatabase::Japanese).isEmpty()) GTEST_SKIP() << "no face for Japanese text";
    QImage screen(8, 8, QImage::Format_RGB32);
    QImage print(8, 8, QImage::Format_RGB32);
    print.setDotsPerMeterX(11811);  // 300 dpi
    print.setDotsPerMeterY(11811);
    for (QImage* device : {&screen, &print}) {
        QPainter painter(device);
        Canvas canvas(painter);
        for (int points = 1; points <= 60; ++points) {
            canvas.SetFontSize(points);
            EXPECT_EQ(canvas.TextWidth(QString(QChar(0x7532))), canvas.Font().pixelSize())
                << points << " pt at " << device->logicalDpiX() << " dpi";
        }
    }
}

}  // namespace
}  // namespace rimora
