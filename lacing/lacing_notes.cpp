#include "lacing/lacing_notes.h"

#include "platform/convert.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace rimora {

namespace {

QString SideName(int side)
{
    return side == 1 ? QCoreApplication::translate("Lacing", "left") : QCoreApplication::translate("Lacing", "right");
}

std::vector<SpannedSpoke> FlangeSpokes(const std::vector<SpannedSpoke>& spokes, int side)
{
    std::vector<SpannedSpoke> out;
    for (const SpannedSpoke& s : spokes)
        if ((s.side >= 0 ? s.side : s.hub % 2) == side) out.push_back(s);
    std::sort(out.begin(), out.end(), [](const SpannedSpoke& a, const SpannedSpoke& b) { return a.hub < b.hub; });
    return out;
}

double Cos(double degrees) { return std::cos(degrees * std::numbers::pi / 180.0); }

double Reach(double flangeDiameter, double erd)
{
    if (!(erd > 0) || !(flangeDiameter > 0)) return 0;
    const double reach = flangeDiameter / erd;
    return std::isfinite(reach) ? reach : 0;
}

}  // namespace

FlangeReach FlangeReachOf(double erd, double leftFlange, double rightFlange)
{
    return {Reach(leftFlange, erd), Reach(rightFlange, erd)};
}

std::vector<SpannedSpoke> SpannedSpokesOf(const LacingPlan& plan, int hubCount, int rimCount)
{
    std::vector<SpannedSpoke> out;
    out.reserve(plan.spokes.size());
    for (const PlannedSpoke& s : plan.spokes) out.push_back({s.hub, SpokeSpan(s.hub, hubCount, s.rim, rimCount)});
    return out;
}

QString AlternationNote(const LacingPlan& plan, int hubCount, int rimCount, int leftCross, int rightCross)
{
    return AlternationNote(SpannedSpokesOf(plan, hubCount, rimCount), leftCross, rightCross);
}

QString BeyondTangentNote(const LacingPlan& plan, int hubCount, int rimCount, int leftCross, int rightCross,
                          const FlangeReach& reach)
{
    return BeyondTangentNote(SpannedSpokesOf(plan, hubCount, rimCount), leftCross, rightCross, reach);
}

QString AlternationNote(const std::vector<SpannedSpoke>& spokes, int leftCross, int rightCross)
{
    QStringList sides;
    int spokesOnFlange = 0;
    for (int side = 1; side >= 0; --side) {
        const int cross = side == 1 ? leftCross : rightCross;
        const std::vector<SpannedSpoke> flange = FlangeSpokes(spokes, side);
        const int k = static_cast<int>(flange.size());
        // Radial spokes, and spokes meant to pass the axle (half a turn), head neither way.
        if (k < 2 || (2 * cross) % k == 0) continue;
        QStringList pairs;
        int clockwise = 0;
        for (int i = 0; i < k; ++i) {
            const SpannedSpoke& a = flange[static_cast<size_t>(i)];
            const SpannedSpoke& b = flange[static_cast<size_t>((i + 1) % k)];
            const double spanA = a.span;
            const double spanB = b.span;
            clockwise += spanA > 0;
            if ((spanA > 0) == (spanB > 0)) pairs << FormatHoleNumber(a.hub) + QLatin1Char('/') + FormatHoleNumber(b.hub);
        }
        if (pairs.isEmpty()) continue;
        if (spokesOnFlange == 0) spokesOnFlange = k;
        const QString which = pairs.size() >= k
                                  ? (clockwise > 0 ? QCoreApplication::translate("Lacing", "all run clockwise")
                                                   : QCoreApplication::translate("Lacing", "all run anticlockwise"))
                                  : pairs.join(QStringLiteral(", "));
        sides << QStringLiteral("%1 (%2x) %3").arg(SideName(side)).arg(cross).arg(which);
    }
    if (sides.isEmpty()) return {};
    return QCoreApplication::translate("Lacing",
                                       "Flanges of %1 spokes cannot all alternate leading/trailing; same way: %2.")
        .arg(spokesOnFlange)
        .arg(sides.join(QStringLiteral("; ")));
}

QString BeyondTangentNote(const std::vector<SpannedSpoke>& spokes, int leftCross, int rightCross,
                          const FlangeReach& reach)
{
    QStringList sides;
    for (int side = 1; side >= 0; --side) {
        const int cross = side == 1 ? leftCross : rightCross;
        const double flangeReach = side == 1 ? reach.left : reach.right;
        const std::vector<SpannedSpoke> flange = FlangeSpokes(spokes, side);
        const int k = static_cast<int>(flange.size());
        if (cross <= 0 || k == 0) continue;
        double widest = 0;
        for (const SpannedSpoke& s : flange) widest = std::max(widest, std::fabs(s.span));
        if (!(Cos(widest) < flangeReach)) continue;
        // The largest cross number whose crossing angle, 360 / k per cross, stays within the tangent.
        int sound = 0;
        for (int c = cross - 1; c > 0; --c)
            if (Cos(c * 360.0 / k) >= flangeReach) {
                sound = c;
                break;
            }
        sides
            << QCoreApplication::translate("Lacing", "%1 %2x (%3x at most)").arg(SideName(side)).arg(cross).arg(sound);
    }
    if (sides.isEmpty()) return {};
    return QCoreApplication::translate("Lacing", "Spokes leave the hub beyond the tangent, across the flange: %1.")
        .arg(sides.join(QStringLiteral(", ")));
}

}  // namespace rimora
