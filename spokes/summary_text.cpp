#include "spokes/summary_text.h"

#include "lacing/spoke_rows.h"
#include "platform/errors.h"
#include "spokes/order_list.h"
#include "spokes/rim_offset.h"
#include "spokes/side_figures.h"
#include "spokes/spoke_bill.h"
#include "spokes/spoke_length.h"
#include "spokes/wheel_checks.h"
#include "spokes/wheel_description.h"
#include "spokes/wheel_notes.h"

#include <QCoreApplication>

namespace rimora {

QString ComposeSummary(GridModel& grid, const Wheel& wheel, const QString& profileName)
{
    // Until both hole counts are chosen no spoke has a length.
    if (wheel.hubHoles <= 0 || wheel.rimHoles <= 0)
        throw EWheelInputError(
            QCoreApplication::translate("Spokes",
                                        "There are no spoke lengths to list yet. Choose the hub and rim hole "
                                        "counts on the \"Data\" tab, then press \"Summary!\" again."));
    CheckWheel(wheel);
    CalcSpokeLengths(grid, WithRimOffset(wheel));
    QStringList lines = WheelDescriptionLines(wheel, profileName);
    BuildSpokeSummary(grid, lines, wheel.hubHoles, wheel.rimHoles, LayoutOf(wheel));
    // The rows the bill leaves out, so a hand-edited table's count is explained.
    const QStringList faults = LacedSpokeRows(grid, wheel.hubHoles, wheel.rimHoles).faults;
    if (!faults.isEmpty()) lines << QString() << faults;
    // What the lacing cannot give as asked, read before the figures it affects.
    if (const QStringList notes = WheelNotes(grid, wheel); !notes.isEmpty()) lines << QString() << notes;
    lines << QString();
    const WheelSides sides = CalcWheelSides(grid, wheel);
    lines << SideSummaryLines(sides, wheel);
    // What to buy: the sizes each spoke is ordered at, per side.
    lines << QString() << OrderSummaryLines(OrderListOf(grid, wheel, sides));
    return JoinSummaryText(lines);
}

}  // namespace rimora
