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

int CrossedHoleNumber(int hole, int holeCount, int leftCross, int rightCross)
{
    if (holeCount < 1)
        throw EWheelInputError(
            QCoreApplication::translate("Lacing", "A wheel needs at least one hole (hole count %1)").arg(holeCount));
    // Work in 64 bits on remainders, so any hole number gives a hole of the circle.
    const long long n = holeCount;
    const long long a = hole;
    const long long c = LimitCrossNumber((a % 2 != 0) ? leftCross : rightCross);
    const long long quarter = ((a % 4) + 4) % 4;
    const long long step = quarter <= 1 ? 2 * c : -2 * c;
    long long p = ((a + step) % n + n) % n;
    if (p == 0) p = n;
    return static_cast<int>(p);
}

QString CrossedHole(const QString& holeText, int hubCount, int leftCross, int rightCross)
{
    return FormatHoleNumber(CrossedHoleNumber(StrToInt(holeText), hubCount, leftCross, rightCross));
}

}  // namespace rimora
