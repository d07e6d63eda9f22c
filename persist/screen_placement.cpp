#include "persist/screen_placement.h"

#include <algorithm>
#include <limits>

namespace rimora {

namespace {

// Squared distance from a point to a rectangle; 0 inside it.
qint64 DistanceSquared(const QPoint& p, const QRect& r)
{
    const qint64 dx = p.x() < r.left() ? r.left() - p.x() : p.x() > r.right() ? p.x() - r.right() : 0;
    const qint64 dy = p.y() < r.top() ? r.top() - p.y() : p.y() > r.bottom() ? p.y() - r.bottom() : 0;
    return dx * dx + dy * dy;
}

int Clamp(int value, int low, int high)
{
    return high < low ? low : std::clamp(value, low, high);
}

}  // namespace

bool IsReachable(const QRect& window, const QList<QRect>& screens)
{
    const int wantWidth = std::min(window.width(), kReachableWidth);
    const int stripHeight = std::min(window.height(), kReachableHeight);
    const QRect strip(window.left(), window.top(), window.width(), stripHeight);
    for (const QRect& screen : screens) {
        const QRect shown = strip.intersected(screen);
        if (shown.width() >= wantWidth && shown.height() >= stripHeight) return true;
    }
    return false;
}

QRect OntoNearestScreen(const QRect& window, const QList<QRect>& screens)
{
    if (screens.isEmpty() || IsReachable(window, screens)) return window;
    const QRect* nearest = nullptr;
    qint64 best = std::numeric_limits<qint64>::max();
    for (const QRect& screen : screens) {
        const qint64 d = DistanceSquared(window.center(), screen);
        if (d < best) {
            best = d;
            nearest = &screen;
        }
    }
    const int width = std::min(window.width(), nearest->width());
    const int height = std::min(window.height(), nearest->height());
    const int left = Clamp(window.left(), nearest->left(), nearest->left() + nearest->width() - width);
    const int top = Clamp(window.top(), nearest->top(), nearest->top() + nearest->height() - height);
    return QRect(left, top, width, height);
}

}  // namespace rimora
