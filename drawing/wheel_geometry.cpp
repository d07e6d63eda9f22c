#include "drawing/wheel_geometry.h"

#include "drawing/pixel_rounding.h"
#include "platform/errors.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace rimora {

namespace {

// The largest box a widget can have. With the box and every radius bounded,
// centre plus or minus radius can never leave the int range.
constexpr int kMaxBoxSide = 16777215;
constexpr int kMaxRadius = 1 << 28;

// A radius in whole pixels, halves to even; NaN fails the test too.
int Radius(double pixels, const QString& what)
{
    if (!(std::abs(pixels) <= kMaxRadius))
        throw EWheelInputError(QCoreApplication::translate("Drawing", "The %1 is too large to draw.").arg(what));
    return RoundHalfEven(pixels);
}

}  // namespace

WheelScale ScaleWheel(int width, int height, int beadSeat)
{
    if (width < 0 || height < 0 || width > kMaxBoxSide || height > kMaxBoxSide)
        throw EWheelInputError(
            QCoreApplication::translate("Drawing", "The drawing area of %1 x %2 pixels cannot be drawn on.")
                .arg(width)
                .arg(height));
    if (beadSeat <= 0)
        throw EWheelInputError(
            QCoreApplication::translate(
                "Drawing", "The rim type gives a bead seat diameter of %1 mm; choose a rim type on the \"Data\" tab.")
                .arg(beadSeat));
    WheelScale s;
    s.centre = QPoint(width / 2, height / 2);
    s.beadRadius = std::min(width, height) / 2;
    s.scale = (2.0 * s.beadRadius) / beadSeat;
    return s;
}

WheelRadii MeasureWheel(const Wheel& wheel, const WheelScale& s)
{
    const WheelStyle& style = wheel.style;
    WheelRadii r;
    const double erd = wheel.erd;
    r.rimHole = Radius((erd / 2 - style.rimInnerMm) * s.scale, QStringLiteral("ERD"));

    // The band's height is truncated on its own before it is taken off.
    r.innerBand = Radius(s.beadRadius - std::trunc(style.rimBandMm * s.scale),
                         QCoreApplication::translate("Drawing", "rim band height"));

    // Every flange circle is scaled from its exact diameter and rounded to
    // pixels once: a 41 mm flange is a 20.5 mm circle, not a 20 mm one. The
    // hub disc reaches the margin beyond the larger flange's circle; on a tie
    // either side gives the same.
    const double right = wheel.rightFlange;
    const double left = wheel.leftFlange;
    const QString flange = QCoreApplication::translate("Drawing", "flange diameter");
    r.flangeMm = (right > left ? right : left) / 2;
    if (!(std::abs(r.flangeMm) <= kMaxRadius)) throw EWheelInputError(QCoreApplication::translate("Drawing", "The %1 is too large to draw.").arg(flange));
    r.hub = Radius((static_cast<double>(style.hubMarginMm) + r.flangeMm) * s.scale, QCoreApplication::translate("Drawing", "hub"));
    r.hubHole = Radius(r.flangeMm * s.scale, flange);
    r.leftHubHole = Radius(left / 2 * s.scale, QCoreApplication::translate("Drawing", "left flange diameter"));
    r.rightHubHole = Radius(right / 2 * s.scale, QCoreApplication::translate("Drawing", "right flange diameter"));
    return r;
}

}  // namespace rimora
