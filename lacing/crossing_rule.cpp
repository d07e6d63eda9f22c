#include "lacing/crossing_rule.h"

#include "platform/convert.h"
#include "platform/errors.h"

#include <QCoreApplication>
#include <algorithm>

namespace rimora {

int LimitCrossNumber(int cross)
{
    return std::clamp(cross, 0, kMaxCrossNumber);
}

int CheckHoleCount(int count)
{
    if (count < 1)
        throw EWheelInputError(QCoreApplication::translate("Lacing", "Choose the hole counts on the \"Data\" tab."));
    if (count > kMaxHoleCount)
        throw EWheelInputError(
            QCoreApplication::translate("Lacing", "'%1' is no hole count: choose a number of holes from 1 to %2")
                .arg(count)
                .arg(kMaxHoleCount));
    return count;
}

}  // namespace rimora
