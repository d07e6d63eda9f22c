#include "persist/screen_placement.h"

#include "platform/component.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace rimora {

namespace {

// Squared distance from a point to a rectangle; 0 inside it.
qint64 DistanceSquared(const QPoint& p, const QRect& r)
{
    const qint64 dx = p.x() < r.left() ? r.left() - p.x() : p.x() > r.right() ? p.x() - r.right() : 0;
    const qint64 dy = p.y() < r.top() ? r.top() - p.y() : p.y() > r.bottom() ? p.y() - r.bottom() : 0;
    return dx * dx + dy * dy;
}

qint64 Area(const QRect& r)
{
    return r.isEmpty() ? 0 : qint64(r.width()) * r.height();
}

// A screen smaller than the low end leaves the window at the screen's start.
int Clamp(int value, int low, int high)
{
    return high < low ? low : std::clamp(value, low, high);
}

// As long as the screen allows, but a window's minimum stands even on a
// smaller screen (and a window already below it is not made larger).
int Fitted(int length, int room, int minimum)
{
    return std::min(length, std::max(room, std::min(length, minimum)));
}

// One axis of the second copy's window: moved on by the offset and cut to
// what the screen has left; one held at its minimum against the screen's end
// moves back by the offset instead, and never off the screen's start.
std::pair<int, int> BesideOnAxis(int start, int length, int screenStart, int screenLength, int minimum)
{
    const int screenEnd = screenStart + screenLength;
    int moved = start + kNextCopyOffset;
    const int fitted = Fitted(length, screenEnd - moved, minimum);
    if (moved + fitted > screenEnd) moved = start - kNextCopyOffset;
    return {Clamp(moved, screenStart, screenEnd - fitted), fitted};
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

QRect ScreenOf(const QRect& window, const QList<QRect>& screens)
{
    QRect best;
    qint64 bestShown = 0;
    for (const QRect& screen : screens) {
        const qint64 shown = Area(window.intersected(screen));
        if (shown > bestShown) {
            bestShown = shown;
            best = screen;
        }
    }
    if (bestShown > 0) return best;
    qint64 nearest = std::numeric_limits<qint64>::max();
    for (const QRect& screen : screens) {
        const qint64 d = DistanceSquared(window.center(), screen);
        if (d < nearest) {
            nearest = d;
            best = screen;
        }
    }
    return best;
}

QRect OntoNearestScreen(const QRect& window, const QList<QRect>& screens, const QSize& minimum)
{
    if (screens.isEmpty()) return window;
    const QRect screen = ScreenOf(window, screens);
    const int width = Fitted(window.width(), screen.width(), minimum.width());
    const int height = Fitted(window.height(), screen.height(), minimum.height());
    if (width == window.width() && height == window.height() && IsReachable(window, screens)) return window;
    const int left = Clamp(window.left(), screen.left(), screen.left() + screen.width() - width);
    const int top = Clamp(window.top(), screen.top(), screen.top() + screen.height() - height);
    return QRect(left, top, width, height);
}

QRect BesideAnotherCopy(const QRect& window, const QList<QRect>& screens, const QSize& minimum)
{
    const QRect moved = window.translated(kNextCopyOffset, kNextCopyOffset);
    if (screens.isEmpty()) return moved;
    const QRect screen = ScreenOf(window, screens);
    const auto [left, width] = BesideOnAxis(window.left(), window.width(), screen.left(), screen.width(), minimum.width());
    const auto [top, height] = BesideOnAxis(window.top(), window.height(), screen.top(), screen.height(), minimum.height());
    return QRect(left, top, width, height);
}

QRect OuterRect(const IForm& form)
{
    return QRect(form.Left(), form.Top(), form.Width(), form.Height());
}

void SetOuterRect(IForm& form, const QRect& rect)
{
    if (rect.width() != form.Width()) form.SetWidth(rect.width());
    if (rect.height() != form.Height()) form.SetHeight(rect.height());
    form.SetLeft(rect.left());
    form.SetTop(rect.top());
}

}  // namespace rimora
