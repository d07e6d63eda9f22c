#include "spokes/spoke_length.h"

#include "lacing/crossing_rule.h"
#include "lacing/hole_layout.h"
#include "lacing/lacing_table.h"
#include "lacing/spoke_rows.h"
#include "platform/errors.h"
#include "wheel/wheel_fields.h"
#include "platform/number_text.h"
#include "spokes/spoke_line.h"

#include <QCoreApplication>
#include <cmath>
#include <numbers>
#include <vector>

namespace rimora {

namespace {

// Hole i of n lies i * 360 / n degrees clockwise from straight up. The angle
// from a hub hole to a rim hole is taken from the whole hole numbers, over the
// common turn of hub count x rim count steps, so two spokes that span the same
// holes get the very same angle, and so the very same length, wherever they
// stand on the wheel.
double HubToRimDegrees(int rimHole, int rimCount, int hubHole, int hubCount)
{
    const long long turn = static_cast<long long>(hubCount) * rimCount;
    long long steps = (static_cast<long long>(rimHole) * hubCount - static_cast<long long>(hubHole) * rimCount) % turn;
    if (steps < 0) steps += turn;
    return static_cast<double>(steps) * 360.0 / static_cast<double>(turn);
}


}  // namespace

bool AngleDifferenceApplies(const Wheel& wheel)
{
    return wheel.hubHoles != wheel.rimHoles || !EvenlySpacedHoles(wheel);
}

void CalcSpokeLengths(GridModel& grid, const Wheel& wheel)
{
    for (const auto& [field, count] : {std::pair{WheelField::HubHoles, wheel.hubHoles}, {WheelField::RimHoles, wheel.rimHoles}})
        if (count < 1 || count > kMaxHoleCount) throw EWheelInputError(UnreadableText(field, QString()));
    const int hubCount = wheel.hubHoles;
    const int rimCount = wheel.rimHoles;
    const HoleLayout layout = LayoutOf(wheel);
    if (const QString problem = LayoutProblem(layout); !problem.isEmpty()) throw EWheelInputError(problem);
    const double angleDifference = RimTurnInUse(wheel);
    std::vector<bool> spoke(static_cast<size_t>(grid.RowCount()), false);
    for (const SpokeRow& s : LacedSpokeRows(grid, hubCount, rimCount).spokes) spoke[static_cast<size_t>(s.row)] = true;

    for (int row = 1; row < grid.RowCount(); ++row) {
        grid.SetCell(kLengthCol, row, LacingCell());

        const LacingCell& rim = grid.Cell(kRimCol, row);
        if (rim.IsGap()) continue;
        if (rim.IsEmpty()) break;
        const int rimHole = rim.RequireWholeNumber();

        const LacingCell& hub = grid.Cell(kToHubCol, row);
        if (hub.IsEmptyOrGap()) continue;
        const int hubHole = hub.RequireWholeNumber();
        // A hole that holds another row's spoke, or that the wheel lacks, gets no length.
        if (!spoke[static_cast<size_t>(row)]) continue;
        const bool left = layout.HubLeft(hubHole);
        // The rim holes are turned by the angle difference against the hub.
        // The spoke bends round the edge of its flange hole, not its centre, so
        // half the hole's diameter comes off the centre-to-centre distance.
        const double length =
            LineOfSpoke(wheel, left,
                        (layout.Plain() ? HubToRimDegrees(rimHole, rimCount, hubHole, hubCount)
                                        : layout.Span(hubHole, rimHole)) +
                            angleDifference)
                .length;
        // Zero, below it or beyond every number is no spoke to order.
        if (!(std::isfinite(length) && length > 0))
            throw EWheelInputError(
                QCoreApplication::translate(
                    "Spokes", "The spoke at rim hole %1 has no length: the wheel's dimensions are out of range.")
                    .arg(rim.Spelling()));
        grid.SetCell(kLengthCol, row, LacingCell::Length(SpokeLengthTenths(length), SpokeLengthText(length)));
    }
}

}  // namespace rimora
