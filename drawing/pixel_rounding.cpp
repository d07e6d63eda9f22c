#include "drawing/pixel_rounding.h"

#include "platform/errors.h"

#include <cfenv>
#include <cmath>
#include <limits>

namespace rimora {

namespace {

int ToInt(double whole)
{
    // Both bounds are exact in a double, so the comparison is exact too.
    constexpr double lowest = std::numeric_limits<int>::min();
    constexpr double highest = std::numeric_limits<int>::max();
    if (!(whole >= lowest && whole <= highest))
        throw EWheelInputError(QStringLiteral("A measurement of the wheel is too large to draw."));
    return static_cast<int>(whole);
}

}  // namespace

int RoundHalfEven(double value)
{
    // nearbyint follows the current rounding mode, which is round-to-nearest-even
    // unless someone changed it; say so explicitly for the rare case they did.
    const int previous = std::fegetround();
    if (previous != FE_TONEAREST) std::fesetround(FE_TONEAREST);
    const double whole = std::nearbyint(value);
    if (previous != FE_TONEAREST) std::fesetround(previous);
    return ToInt(whole);
}

int TruncTowardZero(double value)
{
    return ToInt(std::trunc(value));
}

}  // namespace rimora
