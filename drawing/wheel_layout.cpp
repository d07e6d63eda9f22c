#include "drawing/wheel_layout.h"

#include "drawing/pixel_rounding.h"
#include "lacing/crossing_rule.h"
#include "platform/convert.h"
#include "platform/errors.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace rimora {

namespace {

// Until a count is chosen it is 0: say what to choose. The hub count is
// asked for first, so its message names the rim count too when both are
// missing.
void RequireHubCountChosen(const Wheel& wheel)
{
    if (wheel.hubHoles != 0) return;
    throw EWheelInputError(
        wheel.rimHoles == 0
            ? QCoreApplication::translate("Drawing",
                                          "Choose the hub and rim hole counts on the \"Data\" tab to draw the spokes.")
            : QCoreApplication::translate("Drawing",
                                          "Choose the hub hole count on the \"Data\" tab to draw the spokes."));
}

void RequireRimCountChosen(const Wheel& wheel)
{
    if (wheel.rimHoles == 0)
        throw EWheelInputError(QCoreApplication::translate(
            "Drawing", "Choose the rim hole count on the \"Data\" tab to draw the spokes."));
}

int HoleCount(int count, const QString& which)
{
    if (count < 1 || count > kMaxHoleCount)
        throw EWheelInputError(QCoreApplication::translate("Drawing", "The %1 hole count must be between 1 and %2.")
                                   .arg(which)
                                   .arg(kMaxHoleCount));
    return count;
}

// The square about the centre that holds a circle of `reach` and a pixel more.
QRect SquareAbout(QPoint centre, int reach)
{
    return QRect(centre.x() - reach - 2, centre.y() - reach - 2, 2 * reach + 5, 2 * reach + 5);
}

// Fills `layout` step by step, so that after an error it holds what was reached.
void LayOut(const Wheel& wheel, const DrawingFrame& frame, WheelLayout& layout)
{
    const WheelStyle& style = wheel.style;
    const WheelScale s = ScaleWheel(frame.width, frame.height, BeadSeat(wheel));
    layout.scale = s;
    layout.scaleCaption = FloatToStr(s.scale);

    const WheelRadii r = MeasureWheel(wheel, s);
    layout.radii = r;

    // Radii may be negative (a negative ERD or flange is a number all the
    // same): such a circle is drawn about the centre, so the box takes every
    // radius by its size.
    const int discReach =
        std::max({std::abs(s.beadRadius), std::abs(r.innerBand), std::abs(r.rimHole), std::abs(r.hub)});
    layout.wheelBox = SquareAbout(s.centre, discReach);

    // The spokes' ends and caps, the rim numbers (an em at most past the rim
    // hole circle, drawn or not) and the hub numbers' ring when they are shown.
    // A negative rim radius turns the numbers' cells outwards: three ems then.
    const int labelFontSize = RoundHalfEven(s.centre.x() / 22.0);
    const int em = FontPixels(labelFontSize);
    const int rimNumbersReach = r.rimHole >= 0 ? r.rimHole + em : -r.rimHole + 3 * em;
    const int spokeEnds = std::max({std::abs(r.rimHole), std::abs(r.leftHubHole), std::abs(r.rightHubHole)});
    int reach = std::max(spokeEnds + style.spokeWidth, rimNumbersReach);

    // The credits find their corners as soon as the wheel's size is known, so
    // that a wheel without hole counts yet does not leave them over its rim;
    // the hub numbers' ring, known only with the counts, can move them again.
    const auto placeCredits = [&] {
        layout.credits =
            PlaceCredits(CreditsRoom{QSize(frame.width, frame.height), s.centre, std::max(discReach, reach)},
                         r.rimHole, style.background, frame.creditsTitle);
    };
    if (frame.credits) {
        placeCredits();
    } else {
        layout.credits = CreditsOverlay{};
        layout.credits.action = CreditsAction::Hide;
    }

    RequireHubCountChosen(wheel);
    const int hubHoles = HoleCount(wheel.hubHoles, QCoreApplication::translate("Drawing", "hub"));
    RequireRimCountChosen(wheel);
    const int rimHoles = HoleCount(wheel.rimHoles, QCoreApplication::translate("Drawing", "rim"));

    if (style.hubNumbers) {
        QFont font = frame.textFont;
        font.setPixelSize(FontPixels(HubNumberFontSize(s)));
        const QFontMetrics metrics(font);
        const HubNumberCells cells = HubNumberCellsOf(
            QSize(metrics.horizontalAdvance(QStringLiteral("00")), metrics.height()), hubHoles);
        const int ring = std::max(std::max(std::abs(r.leftHubHole), std::abs(r.rightHubHole)) + cells.height,
                                  cells.fittingRadius);
        const int withHubNumbers = std::max(reach, ring + std::max(cells.width, cells.height));
        if (withHubNumbers != reach) {
            reach = withHubNumbers;
            if (frame.credits) placeCredits();
        }
    }
    layout.wheelBox |= SquareAbout(s.centre, reach);
    layout.hubHoles = hubHoles;
    layout.rimHoles = rimHoles;
    layout.labelFontSize = labelFontSize;
}

}  // namespace

WheelLayout LayOutWheel(const Wheel& wheel, const DrawingFrame& frame)
{
    WheelLayout layout;
    if (frame.unreadable) {
        layout.unreadableField = frame.unreadable->field;
        layout.credits.action = CreditsAction::Hide;
        layout.stop = std::make_exception_ptr(EConvertError(frame.unreadable->message));
        return layout;
    }
    try {
        LayOut(wheel, frame, layout);
    } catch (...) {
        layout.stop = std::current_exception();
    }
    return layout;
}

int HubNumberFontSize(const WheelScale& scale)
{
    return std::max(1, RoundHalfEven(scale.centre.x() / 30.0));
}

HubNumberCells HubNumberCellsOf(QSize cell, int hubHoles)
{
    const double hubStep = 360.0 / hubHoles;
    const double perLabel = std::max(cell.width(), cell.height()) + 2;
    return {cell.width(), cell.height(),
            static_cast<int>(std::ceil(perLabel * 360.0 / hubStep / (2 * std::numbers::pi)))};
}

int FontPixels(int points)
{
    // Points at 96 pixels per inch, as the canvas sets them.
    return std::max(1, static_cast<int>(std::lround(points * 96.0 / 72.0)));
}

}  // namespace rimora
