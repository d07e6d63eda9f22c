#include "spokes/rim_turn_balance.h"

#include "lacing/hole_layout.h"
#include "platform/errors.h"
#include "platform/number_text.h"
#include "spokes/rim_offset.h"
#include "spokes/spoke_length.h"
#include "spokes/spoke_line.h"
#include "spokes/wheel_checks.h"

#include <QCoreApplication>
#include <cmath>
#include <numbers>

namespace rimora {

namespace {

struct SpokePull {
    double torque;  // r · R · sin θ / L: torque per unit tension
    double pull;    // W / L: sideways pull per unit tension
};

SpokePull LineOf(const SpokeRow& s, const Wheel& w, double turnDegrees)
{
    // Pulled along its line from where it leaves the hub to the rim hole.
    const HoleLayout layout = LayoutOf(w);
    const rimora::SpokeLine line =
        LineOfSpoke(w, layout.HubLeft(s.hubHole), layout.Span(s.hubHole, s.rimHole) + turnDegrees);
    return {line.torque, line.offset / line.centreLength};
}

// Each side's tension per kgf of the tighter side, at a turn.
struct SideTensions {
    double left = 1;
    double right = 1;
};

SideTensions TensionsAt(const std::vector<SpokeRow>& spokes, const Wheel& w, double turnDegrees)
{
    double leftPull = 0;
    double rightPull = 0;
    const HoleLayout layout = LayoutOf(w);
    for (const SpokeRow& s : spokes) (layout.HubLeft(s.hubHole) ? leftPull : rightPull) += LineOf(s, w, turnDegrees).pull;
    SideTensions t;
    if (leftPull > 0 && rightPull > 0) {
        if (leftPull >= rightPull)
            t.left = rightPull / leftPull;
        else
            t.right = leftPull / rightPull;
    }
    return t;
}

double TorqueAt(const std::vector<SpokeRow>& spokes, const Wheel& w, const SideTensions& t, double turnDegrees)
{
    double sum = 0;
    const HoleLayout layout = LayoutOf(w);
    for (const SpokeRow& s : spokes)
        sum += (layout.HubLeft(s.hubHole) ? t.left : t.right) * LineOf(s, w, turnDegrees).torque;
    return sum;
}

// The root of the torque nearest 0 with the tensions held: outward from 0 in
// small steps to the first change of sign, then halved down to nothing.
std::optional<double> NearestRoot(const std::vector<SpokeRow>& spokes, const Wheel& w, const SideTensions& t)
{
    const auto f = [&](double turn) { return TorqueAt(spokes, w, t, turn); };
    const auto settle = [&](double a, double b) {
        double fa = f(a);
        // A step that lands on the root itself (a symmetric pattern) is the root.
        if (fa == 0) return a;
        if (f(b) == 0) return b;
        for (int i = 0; i < 60; ++i) {
            const double m = (a + b) / 2.0;
            const double fm = f(m);
            if ((fm <= 0) == (fa <= 0)) {
                a = m;
                fa = fm;
            } else {
                b = m;
            }
        }
        return (a + b) / 2.0;
    };
    const double at0 = f(0);
    if (at0 == 0) return 0.0;
    constexpr double kStep = 0.05;
    for (int i = 1; i * kStep <= 180.0; ++i) {
        // The nearer side first: a root on each side of one step is decided by where it settles.
        std::optional<double> found;
        for (const double dir : {1.0, -1.0}) {
            const double a = dir * (i - 1) * kStep;
            const double b = dir * i * kStep;
            if ((f(a) < 0) != (f(b) < 0)) {
                const double root = settle(a, b);
                if (!found || std::fabs(root) < std::fabs(*found)) found = root;
            }
        }
        if (found) return found;
    }
    return std::nullopt;
}

}  // namespace

double HubTorque(const std::vector<SpokeRow>& spokes, const Wheel& wheel, double turnDegrees)
{
    const Wheel w = WithRimOffset(wheel);
    return TorqueAt(spokes, w, TensionsAt(spokes, w, turnDegrees), turnDegrees);
}

std::optional<double> BalancedRimTurn(const std::vector<SpokeRow>& spokes, const Wheel& wheel)
{
    if (!AngleDifferenceApplies(wheel)) return 0.0;
    if (spokes.empty()) return std::nullopt;
    Wheel w;
    try {
        CheckLengthInputs(wheel);
        w = WithRimOffset(wheel);
    } catch (const RimoraError&) {
        return std::nullopt;
    }
    // The side tensions depend a little on the turn through the lengths, and
    // the turn on the tensions: a few rounds settle both.
    double turn = 0;
    for (int round = 0; round < 8; ++round) {
        const std::optional<double> next = NearestRoot(spokes, w, TensionsAt(spokes, w, turn));
        if (!next) return std::nullopt;
        const bool settled = std::fabs(*next - turn) < 1e-9;
        turn = *next;
        if (settled) break;
    }
    return turn;
}

std::optional<double> BalancedRimTurn(const GridModel& table, const Wheel& wheel)
{
    if (wheel.hubHoles < 1 || wheel.rimHoles < 1) return std::nullopt;
    return BalancedRimTurn(LacedSpokeRows(table, wheel.hubHoles, wheel.rimHoles).spokes, wheel);
}

double RoundedRimTurn(double degrees)
{
    const double hundredths = std::round(degrees * 100.0) / 100.0;
    // -0.00 is no turn a builder should read.
    return hundredths == 0 ? 0.0 : hundredths;
}

QString RimTurnText(double degrees)
{
    const double turn = RoundedRimTurn(degrees);
    return turn == 0 ? QStringLiteral("0") : DecimalText(turn, 2, Marks::RegionUngrouped);
}

QString RimTurnNote(const GridModel& table, const Wheel& wheel)
{
    if (!AngleDifferenceApplies(wheel)) return {};
    const std::optional<double> balance = BalancedRimTurn(table, wheel);
    if (!balance || std::fabs(wheel.angleDifference - *balance) <= kRimTurnTolerance) return {};
    return QCoreApplication::translate("Spokes",
                                       "The rim is turned %1° against the hub; under tension it settles at %2° "
                                       "(\"Balance\" sets it).")
        .arg(AngleText(wheel.angleDifference, Marks::RegionUngrouped, 2), AngleText(*balance, Marks::RegionUngrouped, 2));
}

}  // namespace rimora
