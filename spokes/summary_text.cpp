#include "spokes/summary_text.h"

#include "platform/errors.h"
#include "spokes/spoke_bill.h"

namespace rimora {

QString ComposeSummary(GridModel& grid, const SpokeLengthInputs& lengthInputs,
                       const WheelDescriptionTexts& description,
                       const std::function<void(const QString&)>& setAngleDifference)
{
    // Until both hole counts are chosen no spoke has a length; the empty list
    // text would otherwise be reported as a number that does not convert.
    if (lengthInputs.hubHoles.isEmpty() || lengthInputs.rimHoles.isEmpty())
        throw EWheelInputError(QStringLiteral("There are no spoke lengths to list yet. Choose the hub and rim hole "
                                              "counts on the \"Data\" tab, then press \"Summary!\" again."));
    CalcSpokeLengths(grid, lengthInputs, setAngleDifference);
    QStringList lines = WheelDescriptionLines(description);
    BuildSpokeSummary(grid, lines);
    return JoinSummaryText(lines);
}

}  // namespace rimora
