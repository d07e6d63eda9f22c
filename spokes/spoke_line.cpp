#include "spokes/spoke_line.h"

#include "lacing/hole_layout.h"
#include "spokes/spoke_length.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace rimora {

namespace {

double Radians(double degrees)
{
    return degrees * std::numbers::pi / 180.0;
}

double Degrees(double radians)
{
    return radians * 180.0 / std::numbers::pi;
}

}  // namespace

QString HeadsPatternName(int pattern)
{
    switch (pattern) {
    case LeadingOut: return QStringLiteral("leading out");
    case AllIn: return QStringLiteral("all in");
    case AllOut: return QStringLiteral("all out");
    default: return QStringLiteral("trailing out");
    }
}

double RimTurnInUse(const Wheel& wheel)
{
    return AngleDifferenceApplies(wheel) ? wheel.angleDifference : 0.0;
}

double TurnedSpan(const Wheel& wheel, int hubHole, int rimHole)
{
    if (EvenlySpacedHoles(wheel))
        return FoldedSpan(rimHole * 360.0 / wheel.rimHoles + RimTurnInUse(wheel) - hubHole * 360.0 / wheel.hubHoles);
    const HoleLayout layout = LayoutOf(wheel);
    return FoldedSpan(layout.RimAngle(rimHole) + RimTurnInUse(wheel) - layout.HubAngle(hubHole));
}

bool HeadsModelled(const Wheel& wheel, bool left)
{
    const double thickness = left ? wheel.leftFlangeThickness : wheel.rightFlangeThickness;
    return wheel.hubKind != StraightPullHub && thickness > 0;
}

SpokeHead HeadOf(const Wheel& wheel, bool left, double span)
{
    if (!HeadsModelled(wheel, left)) return SpokeHead::Unmodelled;
    // A side laced radially has no lay to go by: its spokes sit heads out
    // unless every head goes in.
    const double folded = (left ? wheel.leftCross : wheel.rightCross) == 0 ? 0.0 : FoldedSpan(span);
    const bool leading = folded > 0;
    const bool trailing = folded < 0;
    switch (left ? wheel.leftHeads : wheel.rightHeads) {
    case LeadingOut: return trailing ? SpokeHead::In : SpokeHead::Out;
    case AllIn: return SpokeHead::In;
    case AllOut: return SpokeHead::Out;
    default: return leading ? SpokeHead::In : SpokeHead::Out;
    }
}

SpokeLine LineOfSpoke(const Wheel& wheel, bool left, double spanDegrees)
{
    SpokeLine line;
    line.span = spanDegrees;
    const double big = wheel.erd / 2.0;
    const double r = (left ? wheel.leftFlange : wheel.rightFlange) / 2.0;
    line.offset = left ? wheel.leftOffset : wheel.rightOffset;
    line.head = HeadOf(wheel, left, spanDegrees);
    if (line.head != SpokeHead::Unmodelled) {
        // A head inside the flange sends the spoke out through the outer face;
        // one outside leaves from the inner face. Either way the bend sits half
        // the flange and half the spoke off the flange's middle.
        const double thickness = left ? wheel.leftFlangeThickness : wheel.rightFlangeThickness;
        const double shift = (thickness + wheel.spokeDiameter) / 2.0;
        line.offset += line.head == SpokeHead::In ? shift : -shift;
    }
    const double theta = Radians(spanDegrees);
    const double tangent = wheel.hubKind == StraightPullHub ? (left ? wheel.leftTangent : wheel.rightTangent) : 0.0;
    double cross = 0;  // hub end × rim hole, mm²
    double sine = 0;   // sin |θ|
    if (tangent == 0) {
        // The law of cosines, as a J-bend spoke has always been reckoned.
        line.planar = std::sqrt(big * big + r * r - 2.0 * big * r * std::cos(theta));
        line.centreLength = std::sqrt(big * big + r * r - 2.0 * big * r * std::cos(theta) + line.offset * line.offset);
        line.torque = r * big * std::sin(theta) / line.centreLength;
        cross = r * big * std::sin(theta);
        sine = std::fabs(std::sin(theta));
        line.hubY = r;
    } else {
        // In the spoke's own turning sense: the hub end at (r, t), the rim hole
        // at R (cos |θ|, sin |θ|); the torque keeps the sense of θ.
        const double folded = Radians(FoldedSpan(spanDegrees));
        const double sense = folded < 0 ? -1.0 : 1.0;
        const double a = std::fabs(folded);
        const double dx = big * std::cos(a) - r;
        const double dy = big * std::sin(a) - tangent;
        line.planar = std::sqrt(dx * dx + dy * dy);
        line.centreLength = std::sqrt(dx * dx + dy * dy + line.offset * line.offset);
        cross = sense * (r * big * std::sin(a) - tangent * big * std::cos(a));
        line.torque = cross / line.centreLength;
        sine = std::fabs(cross) / (r * big);
        line.hubX = sense * tangent;
        line.hubY = r;
    }
    line.length = line.centreLength - wheel.spokeHole / 2.0;
    // The line passes |cross| / d from the axle, so it meets the rim's radius
    // at asin(|cross| / (d R)) — r sin |θ| / d for a spoke from its hole's centre.
    const double ratio = line.planar > 0 ? std::clamp(r * sine / line.planar, 0.0, 1.0) : 0.0;
    line.entryDegrees = 90.0 - Degrees(std::asin(ratio));
    return line;
}

}  // namespace rimora
