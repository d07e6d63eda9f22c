#include "lacing/spoke_crossings.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace rimora {

namespace {

struct Point {
    double x = 0;
    double y = 0;
};

struct Segment {
    Point hub;
    Point rim;
};

Point OnCircle(double diameter, double degrees)
{
    const double radians = degrees * std::numbers::pi / 180.0;
    return {diameter / 2.0 * std::sin(radians), diameter / 2.0 * std::cos(radians)};
}

double Turn(const Point& a, const Point& b, const Point& c)
{
    return (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
}

// Proper crossings only: two spokes never share a hole, and a spoke that
// merely touches another (within rounding) does not cross it.
bool Cross(const Segment& a, const Segment& b)
{
    const double scale = std::max({std::fabs(a.rim.x), std::fabs(a.rim.y), 1.0});
    const double tolerance = 1e-9 * scale * scale;
    const double d1 = Turn(a.hub, a.rim, b.hub);
    const double d2 = Turn(a.hub, a.rim, b.rim);
    const double d3 = Turn(b.hub, b.rim, a.hub);
    const double d4 = Turn(b.hub, b.rim, a.rim);
    return ((d1 > tolerance && d2 < -tolerance) || (d1 < -tolerance && d2 > tolerance))
           && ((d3 > tolerance && d4 < -tolerance) || (d3 < -tolerance && d4 > tolerance));
}

bool Usable(double diameter)
{
    return std::isfinite(diameter) && diameter > 0;
}

CrossingSpan CountFlange(const std::vector<Segment>& flange)
{
    CrossingSpan span;
    for (size_t i = 0; i < flange.size(); ++i) {
        int crossings = 0;
        for (size_t j = 0; j < flange.size(); ++j)
            if (i != j && Cross(flange[i], flange[j])) ++crossings;
        span.fewest = span.spokes == 0 ? crossings : std::min(span.fewest, crossings);
        span.most = std::max(span.most, crossings);
        ++span.spokes;
    }
    return span;
}

}  // namespace

WheelCrossings CountCrossings(const std::vector<SpokeRow>& spokes, const CrossingGeometry& g)
{
    WheelCrossings out;
    if (g.hubCount < 1 || g.rimCount < 1 || !Usable(g.erd) || !std::isfinite(g.rimTurn)) return out;
    std::vector<Segment> left;
    std::vector<Segment> right;
    for (const SpokeRow& s : spokes) {
        const bool onLeft = g.holes.HubLeft(s.hubHole);
        const double flange = onLeft ? g.leftFlange : g.rightFlange;
        if (!Usable(flange)) continue;
        const bool plain = g.holes.Plain();
        const Segment segment{
            OnCircle(flange, plain ? s.hubHole * 360.0 / g.hubCount : g.holes.HubAngle(s.hubHole)),
            OnCircle(g.erd, (plain ? s.rimHole * 360.0 / g.rimCount : g.holes.RimAngle(s.rimHole)) + g.rimTurn)};
        (onLeft ? left : right).push_back(segment);
    }
    out.left = CountFlange(left);
    out.right = CountFlange(right);
    return out;
}

QString CrossesText(int asked, const CrossingSpan& span)
{
    if (!span.Counted() || (span.fewest == asked && span.most == asked)) return QString::number(asked);
    if (span.fewest == span.most) return QString::number(span.fewest);
    return QStringLiteral("%1-%2").arg(span.fewest).arg(span.most);
}

}  // namespace rimora
