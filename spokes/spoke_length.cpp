#include "spokes/spoke_length.h"

#include "lacing/crossing_rule.h"
#include "lacing/lacing_table.h"
#include "platform/convert.h"
#include "platform/errors.h"

#include <cmath>
#include <numbers>

namespace rimora {

namespace {

double Radians(double degrees)
{
    return degrees * std::numbers::pi / 180.0;
}

// Hole i of n lies i * 360 / n degrees clockwise from straight up; the +270
// turns the mathematical zero (pointing right) to the top in screen
// coordinates. Points are placed around the wheel's centre (R, R) as in the
// drawing; only their difference matters here.
struct Point {
    double x;
    double y;
};

Point HolePoint(double radius, double centre, double degreesFromRight)
{
    const double theta = Radians(degreesFromRight);
    return {radius * std::cos(theta) + centre, radius * std::sin(theta) + centre};
}

// A text that is the same for every row, converted when the first row that
// needs it comes, and only once.
class RowDecimal {
public:
    explicit RowDecimal(const QString& text) : text_(text) {}
    double Value()
    {
        if (!converted_) {
            value_ = StrToFloat(text_);
            converted_ = true;
        }
        return value_;
    }

private:
    const QString& text_;
    double value_ = 0;
    bool converted_ = false;
};

}  // namespace

void CalcSpokeLengths(GridModel& grid, const SpokeLengthInputs& inputs,
                      const std::function<void(const QString&)>& setAngleDifference)
{
    // The drawing reads the ERD as a decimal number too, so a rim measured to
    // half a millimetre gives lengths rather than an error.
    const double rimRadius = StrToFloat(inputs.erd) / 2.0;
    // Each flange has its own hole circle: a spoke on the smaller flange is
    // longer than one on the larger flange at the same offset.
    const double rightRadius = StrToFloat(inputs.rightFlange) / 2.0;
    const double leftRadius = StrToFloat(inputs.leftFlange) / 2.0;
    const int hubCount = HoleCountFromText(inputs.hubHoles);
    const int rimCount = HoleCountFromText(inputs.rimHoles);
    const double hubStep = 360.0 / hubCount;
    const double rimStep = 360.0 / rimCount;

    QString angleText = inputs.angleDifference;
    if (hubCount == rimCount) {
        angleText = QStringLiteral("0");
        if (setAngleDifference) setAngleDifference(angleText);
    }
    const double angleDifference = StrToFloat(angleText);

    RowDecimal leftOffset(inputs.leftOffset);
    RowDecimal rightOffset(inputs.rightOffset);
    RowDecimal spokeHole(inputs.spokeHole);
    for (int row = 1; row < grid.RowCount(); ++row) {
        grid.SetCells(kLengthCol, row, QString());

        const QString rimText = grid.Cells(kRimCol, row);
        if (rimText == kGapMark) continue;
        if (rimText.isEmpty()) break;
        const int rimHole = StrToInt(rimText);
        const Point rimPoint = HolePoint(rimRadius, rimRadius, rimHole * rimStep + 270.0 + angleDifference);

        const QString hubText = grid.Cells(kToHubCol, row);
        if (IsEmptyOrGap(hubText)) continue;
        const int hubHole = StrToInt(hubText);
        const bool left = hubHole % 2 != 0;
        const Point hubPoint = HolePoint(left ? leftRadius : rightRadius, rimRadius, hubHole * hubStep + 270.0);

        const double dx = std::fabs(hubPoint.x - rimPoint.x);
        const double dy = std::fabs(hubPoint.y - rimPoint.y);
        const double offset = left ? leftOffset.Value() : rightOffset.Value();
        // The spoke bends round the edge of its flange hole, not its centre, so
        // half the hole's diameter comes off the centre-to-centre distance.
        const double length = std::sqrt(dx * dx + dy * dy + offset * offset) - spokeHole.Value() / 2.0;
        if (!std::isfinite(length))
            throw EWheelInputError(
                QStringLiteral("The spoke at rim hole %1 has no length: the wheel's dimensions are out of range.")
                    .arg(rimText));
        grid.SetCells(kLengthCol, row, FormatLength(length));
    }
}

}  // namespace rimora
