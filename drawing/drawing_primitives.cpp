#include "drawing/drawing_primitives.h"

#include "drawing/pixel_rounding.h"

#include <cmath>
#include <cstdint>
#include <numbers>

namespace rimora {

TColor ContrastTextColor(TColor color)
{
    const auto rgb = static_cast<std::uint32_t>(ColorToRGB(color));
    const std::int64_t red = rgb & 0xFF;
    const std::int64_t green = (rgb >> 8) & 0xFF;
    const std::int64_t blue = (rgb >> 16) & 0xFF;
    // Brightness in percent of 256, not 255, so white gives 99. Weights in
    // thousandths keep the sum exact: no grey sits on the wrong side of 50
    // because of a binary fraction.
    const std::int64_t brightness = (red * 299 + green * 587 + blue * 114) * 100 / 256000;
    return brightness > 50 ? colors::Black : colors::White;
}

namespace {

// In doubles, so that a centre shifted near the end of the int range cannot
// overflow before the result is checked.
QPoint PolarPointOf(double x, double y, double r, double angle)
{
    // 270 degrees turns the mathematical zero (3 o'clock) to 12 o'clock; with y
    // pointing down the mathematical direction of rotation is clockwise.
    const double a = (angle + 270.0) * std::numbers::pi / 180.0;
    return QPoint(RoundHalfEven(std::cos(a) * r + x), RoundHalfEven(std::sin(a) * r + y));
}

}  // namespace

QPoint PolarPoint(int x, int y, int r, double angle)
{
    return PolarPointOf(x, y, r, angle);
}

void DrawCircleLabels(Canvas& canvas, int x, int y, int r, const QString& text, unsigned cellFactor, double turn,
                      int direction, const std::vector<double>* angles)
{
    canvas.SetBrushStyle(BrushStyle::Clear);
    if (cellFactor == 0) return;

    const qsizetype count = text.size() / 2 / cellFactor;
    if (count <= 0) return;

    // A two-digit label is about as wide as one full-width ideograph, which is
    // one em, the font's pixel size: that measures the square cell a label
    // occupies. (Measuring an ideograph itself would map a CJK face into the
    // program just for that one width.)
    const int em = canvas.Font().pixelSize();
    const std::int64_t cell = std::int64_t{em > 0 ? em : canvas.TextWidth(QString(QChar(0x7532)))} * cellFactor;
    // Anchors are top-left corners: shifting the circle up and left by half a
    // cell puts the cells' middles on a ring just inside radius r. Wider cells
    // are lifted by a quarter only, as their text does not fill them.
    const auto shift = static_cast<double>(cellFactor == 1 ? cell / 2 : cell / 4);
    const double step = 360.0 / static_cast<double>(count);

    for (qsizetype i = 1; i <= count; ++i) {
        const QString label = text.mid(2 * i - 2, 2);
        const auto at = static_cast<std::size_t>(i - 1);
        const double angle = angles && at < angles->size() ? (*angles)[at] : step * static_cast<double>(i);
        const QPoint anchor = PolarPointOf(x - shift, y - shift, r - shift, direction * (angle + turn));
        canvas.SetBrushStyle(BrushStyle::Clear);
        canvas.TextOut(anchor.x(), anchor.y(), label);
    }
}

}  // namespace rimora
