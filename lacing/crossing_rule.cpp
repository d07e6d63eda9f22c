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

int HoleCountFromText(const QString& text)
{
    const int count = StrToInt(text);
    if (count < 1 || count > kMaxHoleCount)
        throw EWheelInputError(
            QCoreApplication::translate("Lacing", "'%1' is no hole count: choose a number of holes from 1 to %2")
                .arg(text)
                .arg(kMaxHoleCount));
    return count;
}

}  // namespace rimora
