#include "spokes/summary_text.h"

#include "spokes/spoke_bill.h"

namespace rimora {

QString ComposeSummary(GridModel& grid, const SpokeLengthInputs& lengthInputs,
                       const WheelDescriptionTexts& description,
                       const std::function<void(const QString&)>& setAngleDifference)
{
    CalcSpokeLengths(grid, lengthInputs, setAngleDifference);
    QStringList lines = WheelDescriptionLines(description);
    BuildSpokeSummary(grid, lines);
    return JoinSummaryText(lines);
}

}  // namespace rimora
