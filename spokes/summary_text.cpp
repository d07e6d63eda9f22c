#include "spokes/summary_text.h"

#include "platform/errors.h"
#include "spokes/rim_offset.h"
#include "spokes/side_figures.h"
#include "spokes/spoke_bill.h"

#include <QCoreApplication>

namespace rimora {

namespace {

void RequireHoleCounts(const SpokeLengthInputs& lengthInputs)
{
    // Until both hole counts are chosen no spoke has a length; the empty list
    // text would otherwise be reported as a number that does not convert.
    if (lengthInputs.hubHoles.isEmpty() || lengthInputs.rimHoles.isEmpty())
        throw EWheelInputError(
            QCoreApplication::translate("Spokes",
                                        "There are no spoke lengths to list yet. Choose the hub and rim hole "
                                        "counts on the \"Data\" tab, then press \"Summary!\" again."));
}

QStringList LengthsAndBill(GridModel& grid, const SpokeLengthInputs& lengthInputs,
                           const WheelDescriptionTexts& description,
                           const std::function<void(const QString&)>& setAngleDifference)
{
    CalcSpokeLengths(grid, lengthInputs, setAngleDifference);
    QStringList lines = WheelDescriptionLines(description);
    BuildSpokeSummary(grid, lines);
    return lines;
}

}  // namespace

QString ComposeSummary(GridModel& grid, const SpokeLengthInputs& lengthInputs,
                       const WheelDescriptionTexts& description,
                       const std::function<void(const QString&)>& setAngleDifference)
{
    RequireHoleCounts(lengthInputs);
    return JoinSummaryText(LengthsAndBill(grid, lengthInputs, description, setAngleDifference));
}

QString ComposeSummary(GridModel& grid, const WheelTexts& wheel, const WheelDescriptionTexts& description,
                       const std::function<void(const QString&)>& setAngleDifference)
{
    RequireHoleCounts(wheel.lengths);
    const WheelNumbers numbers = ReadWheelNumbers(wheel);
    QStringList lines =
        LengthsAndBill(grid, WithRimOffset(wheel.lengths, wheel.rimOffset), description, setAngleDifference);
    lines << QString();
    lines << SideSummaryLines(CalcWheelSides(grid, numbers), numbers);
    return JoinSummaryText(lines);
}

}  // namespace rimora
