#include "drawing/pixel_rounding.h"

#include "platform/errors.h"

#include <QCoreApplication>
#include <cfenv>
#include <cmath>
#include <limits>

namespace rimora {

int RoundHalfEven(double value)
{
    // nearbyint follows the current rounding mode: nearest-even by default, but
    // a library may have changed it, and the layout must not change with it.
    const int previous = std::fegetround();
    if (previous != FE_TONEAREST) std::fesetround(FE_TONEAREST);
    const double whole = std::nearbyint(value);
    if (previous != FE_TONEAREST) std::fesetround(previous);
    // Both bounds are exact in a double, so the comparison is exact too.
    constexpr double lowest = std::numeric_limits<int>::min();
    constexpr double highest = std::numeric_limits<int>::max();
    if (!(whole >= lowest && whole <= highest))
        throw EWheelInputError(
            QCoreApplication::translate("Drawing", "A measurement of the wheel is too large to draw."));
    return static_cast<int>(whole);
}

}  // namespace rimora
