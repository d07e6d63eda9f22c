#include "drawing/credits_overlay.h"

#include "drawing/drawing_primitives.h"
#include "drawing/pixel_rounding.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <initializer_list>

namespace rimora {

namespace {

// Between a credit and the paint box's edge, and between a credit and the
// wheel: room for an italic letter's lean and a circle's anti-aliased rim.
constexpr int kEdgeGap = 4;
constexpr int kWheelGap = 4;
// A small wheel's credits still take these sizes; where even these have no
// room clear of the wheel, the credit is hidden.
constexpr int kSmallestTitlePoints = 7;
constexpr int kSmallestLogoHeight = 10;
// Far beyond what any screen's corner holds; keeps the font engine away from
// absurd sizes in absurdly large boxes.
constexpr int kLargestTitlePoints = 400;
// The logo's box is three times as wide as high.
constexpr int kLogoAspect = 3;

enum class Corner { TopLeft, TopRight, BottomRight, BottomLeft };

QRect InCorner(QSize box, QSize item, Corner c)
{
    const bool left = c == Corner::TopLeft || c == Corner::BottomLeft;
    const bool top = c == Corner::TopLeft || c == Corner::TopRight;
    return QRect(QPoint(left ? kEdgeGap : box.width() - kEdgeGap - item.width(),
                        top ? kEdgeGap : box.height() - kEdgeGap - item.height()),
                 item);
}

// No point of the box comes nearer the centre than the wheel's reach and a
// gap that grows with the credit, so that large type does not crowd the rim.
bool ClearOfWheel(const QRect& r, const CreditsRoom& room)
{
    const double cx = room.centre.x();
    const double cy = room.centre.y();
    const double dx = std::max({0.0, r.left() - cx, cx - (r.right() + 1.0)});
    const double dy = std::max({0.0, r.top() - cy, cy - (r.bottom() + 1.0)});
    const double clear = std::abs(static_cast<double>(room.wheelReach)) + kWheelGap + r.height() / 6.0;
    return dx * dx + dy * dy >= clear * clear;
}

// The first of `corners` where an item of `size` stands inside the box, clear
// of the wheel and of `taken`; an empty box where none has room.
QRect FindCorner(QSize size, const CreditsRoom& room, std::initializer_list<Corner> corners, const QRect& taken)
{
    if (size.isEmpty() || size.width() + 2 * kEdgeGap > room.box.width()
        || size.height() + 2 * kEdgeGap > room.box.height())
        return {};
    for (const Corner c : corners) {
        const QRect r = InCorner(room.box, size, c);
        if (ClearOfWheel(r, room) && !r.adjusted(-kEdgeGap, -kEdgeGap, kEdgeGap, kEdgeGap).intersects(taken))
            return r;
    }
    return {};
}

struct Fit {
    int size = 0;
    QRect rect;  // empty: not even the smallest size has room
};

// The largest size from `smallest` to `largest` that `place` finds room for.
// Room shrinks as the size grows, so halving the range finds it in a few
// measurements; every size returned was measured and placed.
template <class Place>
Fit LargestThatFits(int smallest, int largest, const Place& place)
{
    if (const QRect r = place(largest); !r.isEmpty()) return {largest, r};
    Fit fit{smallest, place(smallest)};
    if (fit.rect.isEmpty()) return {};
    int tooLarge = largest;
    while (tooLarge - fit.size > 1) {
        const int mid = fit.size + (tooLarge - fit.size) / 2;
        if (const QRect r = place(mid); !r.isEmpty())
            fit = {mid, r};
        else
            tooLarge = mid;
    }
    return fit;
}

// Points to pixels as the title label takes them: 96 pixels to the inch.
int LabelPixels(int points)
{
    return std::max(1, static_cast<int>(std::lround(points * 96.0 / 72.0)));
}

}  // namespace

QSize LabelTextSize(const QFont& font, const QString& text)
{
    // What a frameless label asks for its plain text: the text's bounding box
    // laid out from the left.
    return QFontMetrics(font).boundingRect(0, 0, 2000, 2000, Qt::AlignLeft, text).size();
}

CreditsOverlay PlaceCredits(const CreditsRoom& room, int rimHoleRadius, TColor background, const CreditsTitle& title)
{
    CreditsOverlay o;
    o.action = CreditsAction::Show;
    o.titleColor = ContrastTextColor(background);

    // Measuring the face at a size loads its glyphs at that size, a good part
    // of a start: the search scales one measurement (a little generously),
    // and only the size it settles on is measured again, as the label draws it.
    QFont font = title.font;
    const int titlePoints = std::clamp(RoundHalfEven(room.centre.x() / 17.0), kSmallestTitlePoints, kLargestTitlePoints);
    const auto measure = [&](int points) {
        font.setPixelSize(LabelPixels(points));
        return LabelTextSize(font, title.text);
    };
    const QSize atLargest = measure(titlePoints);
    const auto estimate = [&](int points) {
        if (points == titlePoints) return atLargest;
        const double k = static_cast<double>(LabelPixels(points)) / LabelPixels(titlePoints);
        return QSize(static_cast<int>(std::ceil(atLargest.width() * k)) + 2,
                     static_cast<int>(std::ceil(atLargest.height() * k)) + 2);
    };
    const auto place = [&](QSize size) {
        return FindCorner(size, room, {Corner::BottomRight, Corner::BottomLeft, Corner::TopRight, Corner::TopLeft},
                          QRect());
    };
    Fit titleFit = LargestThatFits(kSmallestTitlePoints, titlePoints, [&](int points) { return place(estimate(points)); });
    for (; titleFit.size >= kSmallestTitlePoints && titleFit.size != titlePoints; --titleFit.size) {
        titleFit.rect = place(measure(titleFit.size));
        if (!titleFit.rect.isEmpty()) break;
    }
    if (titleFit.rect.isEmpty()) titleFit = {};
    o.titleFontSize = titleFit.size;
    o.titleRect = titleFit.rect;

    const int logoHeight = std::max(kSmallestLogoHeight, std::abs(rimHoleRadius) / 6);
    const Fit logoFit = LargestThatFits(kSmallestLogoHeight, logoHeight, [&](int height) {
        return FindCorner(QSize(kLogoAspect * height, height), room,
                          {Corner::TopLeft, Corner::TopRight, Corner::BottomLeft, Corner::BottomRight}, o.titleRect);
    });
    o.imageRect = logoFit.rect;
    return o;
}

}  // namespace rimora
