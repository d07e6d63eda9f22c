#include "drawing/disc_interior.h"

#include <algorithm>
#include <cmath>

namespace rimora {

namespace {

// The outline's pixels end a pixel inside the box; one more keeps every
// rectangle's corners inside the filled part whatever the rounding.
constexpr int kClearOfOutline = 2;
// Sixteen bands each side of the centre leave a few per cent of the disc
// outside the stack. Qt's clip reserves room for every rectangle on every
// row, so more bands would cost more to clip than they save.
constexpr int kBandsPerSide = 16;

}  // namespace

QRegion DiscInterior(QPoint centre, int radius)
{
    const int inner = radius - kClearOfOutline;
    QRegion interior;
    if (inner < 2) return interior;
    const int band = std::max(1, inner / kBandsPerSide);
    const double inner2 = double(inner) * inner;
    // Bands from the top down, each as wide as its row farthest from the centre allows.
    for (int top = -inner; top < inner; top += band) {
        const int bottom = std::min(inner, top + band);
        const double far = std::max(std::abs(top), std::abs(bottom));
        const int half = static_cast<int>(std::floor(std::sqrt(std::max(0.0, inner2 - far * far))));
        if (half > 0) interior += QRect(centre.x() - half, centre.y() + top, 2 * half, bottom - top);
    }
    return interior;
}

}  // namespace rimora
