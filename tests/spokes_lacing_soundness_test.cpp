// Every generated table must be a wheel a builder can lace and that holds
// under tension: every pair of the offered hole counts with every pair of
// cross numbers 0 .. 4, judged from the table alone. Crossings come from the
// hole angles and the rim turn from the spokes' pulls, not from the rules that
// wrote the table and found the turn.
#include "lacing/hole_layout.h"
#include "lacing/lacing_generation.h"
#include "lacing/spoke_rows.h"
#include "spokes/spoke_line.h"
#include "lacing/lacing_table.h"
#include "platform/convert.h"
#include "spokes/rim_offset.h"
#include "spokes/rim_turn_balance.h"
#include "spokes/spoke_length.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

using namespace rimora;

namespace {

const int kOfferedCounts[] = {36, 32, 28, 24, 20, 18, 16};

struct Spoke {
    int hub = 0;
    int rim = 0;
};

// Angle from the hub hole to the rim hole in degrees, in (-180, 180]:
// positive when the rim end lies clockwise of the hub end.
double Span(int hub, int hubCount, int rim, int rimCount)
{
    const double d = std::fmod(rim * 360.0 / rimCount - hub * 360.0 / hubCount + 540.0, 360.0) - 180.0;
    return d == -180.0 ? 180.0 : d;
}

// Bare holes spread evenly: in every run of w consecutive holes they number
// w * bare / holes, give or take less than one.
bool EvenlySpread(const std::vector<bool>& bare)
{
    const int n = static_cast<int>(bare.size());
    const int total = static_cast<int>(std::count(bare.begin(), bare.end(), true));
    for (int w = 1; w <= n; ++w) {
        const double ideal = static_cast<double>(w) * total / n;
        for (int s = 0; s < n; ++s) {
            int count = 0;
            for (int i = 0; i < w; ++i) count += bare[static_cast<size_t>((s + i) % n)];
            if (std::fabs(count - ideal) >= 1.0 - 1e-9) return false;
        }
    }
    return true;
}

// The design wheel: flanges of 41 mm in a rim of 590 mm ERD.
const double kReach = 41.0 / 590.0;

struct Point {
    double x, y;
};

Point OnCircle(double radius, int hole, int holes, double turnDegrees = 0)
{
    const double a = (hole * 360.0 / holes + turnDegrees) * M_PI / 180.0;
    return {radius * std::sin(a), radius * std::cos(a)};
}

double Side(Point a, Point b, Point c) { return (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x); }

// Whether two spokes, seen along the axle, cross: each one's ends lie on
// either side of the other's line.
bool SpokesCross(Point a1, Point a2, Point b1, Point b2)
{
    return Side(a1, a2, b1) * Side(a1, a2, b2) < 0 && Side(b1, b2, a1) * Side(b1, b2, a2) < 0;
}

struct Case {
    int hub, rim, cl, cr;
};

// What the table says about the wheel, and every way it falls short.
struct Verdict {
    std::vector<std::string> faults;
    int sameWayNeighbours = 0;  // neighbouring spokes of one flange heading the same way
    bool beyondTangent = false; // a spoke leaves its hub hole across the flange
    void Fault(const std::string& what) { faults.push_back(what); }
};

// The design wheel's torque about the axle with the rim turned by `turn`
// degrees: every spoke pulls from its flange hole to its rim hole (3-D) with
// its side's tension, the sides' tensions in the ratio that evens out their
// sideways pulls.
double Torque(const std::vector<Spoke>& spokes, const Case& c, double turn)
{
    const double offset[2] = {18.1, 27.5};  // right, left
    struct Pull {
        double torque = 0, sideways = 0;
    } side[2];
    for (const Spoke& s : spokes) {
        const Point hub = OnCircle(20.5, s.hub, c.hub);
        const Point rim = OnCircle(295, s.rim, c.rim, turn);
        const double w = offset[s.hub % 2];
        const double length = std::hypot(rim.x - hub.x, rim.y - hub.y, w);
        side[s.hub % 2].torque += (hub.y * (rim.x - hub.x) - hub.x * (rim.y - hub.y)) / length;
        side[s.hub % 2].sideways += w / length;
    }
    const double tighter = std::max(side[0].sideways, side[1].sideways);
    return side[0].torque * side[1].sideways / tighter + side[1].torque * side[0].sideways / tighter;
}

Verdict Judge(const GridModel& t, const Case& c)
{
    Verdict v;
    const int spokesWanted = std::min(c.hub, c.rim);
    if (t.RowCount() != std::max(c.hub, c.rim) + 1) v.Fault("row count");

    // Links: each hole once, ->R and ->H each other's inverse.
    std::vector<Spoke> spokes;
    std::map<int, int> hubOfRim, rimOfHub;
    for (int r = 1; r < t.RowCount(); ++r) {
        const QString h = t.Cells(kToHubCol, r);
        if (IsEmptyOrGap(h)) continue;
        int hub = 0;
        if (!TryStrToInt(h, hub) || hub < 1 || hub > c.hub || r > c.rim) {
            v.Fault("->H names no hub hole");
            continue;
        }
        if (rimOfHub.count(hub)) v.Fault("hub hole used twice");
        rimOfHub[hub] = r;
        hubOfRim[r] = hub;
        spokes.push_back({hub, r});
    }
    for (int h = 1; h < t.RowCount(); ++h) {
        const QString r = t.Cells(kToRimCol, h);
        const auto it = rimOfHub.find(h);
        const QString expected = it == rimOfHub.end() ? QString() : t.Cells(kRimCol, it->second);
        if (IsEmptyOrGap(r) ? !expected.isEmpty() : r != expected) v.Fault("->R is not the inverse of ->H");
    }
    if (static_cast<int>(spokes.size()) != spokesWanted) v.Fault("spoke count");

    // Gaps of the larger circle: spread over the rim, or over each flange of the hub.
    if (c.rim > c.hub) {
        // In adjacent pairs, the pairs spread evenly.
        std::vector<bool> pairStarts(static_cast<size_t>(c.rim), false);
        for (int r = 1; r <= c.rim; ++r) {
            const auto bare = [&](int hole) { return !hubOfRim.count((hole - 1 + c.rim) % c.rim + 1); };
            if (!bare(r) || bare(r - 1)) continue;
            int run = 1;
            while (run < c.rim && bare(r + run)) ++run;
            if (run % 2 != 0) v.Fault("a bare rim hole not in a pair");
            for (int p = 0; p < run; p += 2) pairStarts[static_cast<size_t>((r - 1 + p) % c.rim)] = true;
        }
        if (!EvenlySpread(pairStarts)) v.Fault("rim gaps not evenly spread");
    } else if (c.hub > c.rim) {
        for (int side = 1; side >= 0; --side) {
            std::vector<bool> bare;
            for (int h = 1; h <= c.hub; ++h)
                if (h % 2 == side) bare.push_back(!rimOfHub.count(h));
            if (!EvenlySpread(bare)) v.Fault("hub gaps not evenly spread on a flange");
        }
    }

    // Rim: neighbouring laced holes belong to different flanges.
    std::vector<int> laced;
    for (int r = 1; r <= c.rim; ++r)
        if (hubOfRim.count(r)) laced.push_back(r);
    for (size_t i = 0; i < laced.size() && laced.size() > 1; ++i)
        if (hubOfRim[laced[i]] % 2 == hubOfRim[laced[(i + 1) % laced.size()]] % 2)
            v.Fault("neighbouring rim holes on one flange");

    // Rim holes are drilled toward the left and the right flange in turn, odd ones left.
    for (const Spoke& s : spokes)
        if (s.rim % 2 != s.hub % 2) v.Fault("a spoke in a rim hole drilled for the other flange");

    // Each flange: the crossing from the angles, and leading / trailing in turn.
    for (int side = 1; side >= 0; --side) {
        const int cross = side == 1 ? c.cl : c.cr;
        std::vector<Spoke> flange;
        for (const Spoke& s : spokes)
            if (s.hub % 2 == side) flange.push_back(s);
        std::sort(flange.begin(), flange.end(), [](const Spoke& a, const Spoke& b) { return a.hub < b.hub; });
        const int k = static_cast<int>(flange.size());
        if (k == 0) continue;
        const double unit = 360.0 / k;  // one crossing: the angle between two spokes of the flange
        std::vector<double> spans;
        bool flangeBeyond = false;
        for (const Spoke& s : flange) {
            const double span = Span(s.hub, c.hub, s.rim, c.rim);
            spans.push_back(span);
            flangeBeyond |= std::cos(span * M_PI / 180.0) < kReach;
            if (c.hub == c.rim && std::fabs(std::fabs(span) / unit - cross) > 1e-6)
                v.Fault("spoke does not span its crossings");
        }
        v.beyondTangent |= flangeBeyond;
        // Inside the tangent, with spokes to alternate, each spoke crosses its
        // cross number of the flange's spokes, counted on the drawing.
        if (!flangeBeyond && k % 2 == 0)
            for (const Spoke& a : flange) {
                int crossed = 0;
                for (const Spoke& b : flange)
                    crossed += SpokesCross(OnCircle(20.5, a.hub, c.hub), OnCircle(295, a.rim, c.rim),
                                           OnCircle(20.5, b.hub, c.hub), OnCircle(295, b.rim, c.rim));
                if (crossed != cross) v.Fault("a spoke crosses " + std::to_string(crossed) + " spokes");
            }
        // Radial spokes, and spokes meant to pass the axle (half a turn), head neither way.
        if (k < 2 || (2 * cross) % k == 0) continue;
        for (int i = 0; i < k; ++i)
            v.sameWayNeighbours += (spans[static_cast<size_t>(i)] > 0) == (spans[static_cast<size_t>((i + 1) % k)] > 0);
        if (k % 2 == 0 && v.sameWayNeighbours > 0) v.Fault("leading and trailing do not alternate");
    }

    // The rim turn: where the torques change sign, and none nearer 0.
    if (!v.beyondTangent && (std::min(c.hub, c.rim) / 2) % 2 == 0) {
        Wheel w;
        w.hubHoles = c.hub;
        w.rimHoles = c.rim;
        w.leftCross = c.cl;
        w.rightCross = c.cr;
        const double turn = BalancedRimTurn(t, w).value_or(999);
        const double below = std::fabs(turn) - 0.5;
        if (std::fabs(turn) > 180 || (Torque(spokes, c, turn - 0.5) < 0) == (Torque(spokes, c, turn + 0.5) < 0))
            v.Fault("the hub's torques do not cancel at the rim turn");
        for (double d = 0; d < below; d += 0.1)
            if ((Torque(spokes, c, std::copysign(d, turn)) < 0) != (Torque(spokes, c, std::copysign(d + 0.1, turn)) < 0)
                || (Torque(spokes, c, -d) < 0) != (Torque(spokes, c, -d - 0.1) < 0))
                v.Fault("the torques cancel nearer 0 than the rim turn");
    }
    return v;
}

// A straight-pull hub of the same wheel, each spoke's line 0.8 mm ahead of
// its seat: every length from the spoke's own line, |θ| in its own direction.
void JudgeStraightPull(const Case& c, Verdict& v)
{
    Wheel w;
    w.hubHoles = c.hub;
    w.rimHoles = c.rim;
    w.leftCross = c.cl;
    w.rightCross = c.cr;
    w.hubKind = StraightPullHub;
    w.leftTangent = w.rightTangent = 0.8;
    GridModel t(kLacingColCount, kLacingInitialRowCount);
    LaceTable(t, c.hub, c.rim, c.cl, c.cr, FlangeReach{kReach, kReach});
    CalcSpokeLengths(t, WithRimOffset(w));
    for (int r = 1; r <= c.rim; ++r) {
        const std::optional<int> hub = HoleAt(t, kToHubCol, r);
        if (!hub) continue;
        const double theta = std::fabs(Span(*hub, c.hub, r, c.rim)) * M_PI / 180.0;
        const double offset = *hub % 2 != 0 ? 27.5 : 18.1;
        const double expected = std::hypot(295 * std::cos(theta) - 20.5, 295 * std::sin(theta) - 0.8, offset) - 1.25;
        if (std::fabs(LengthAt(t, r).value_or(0) - expected) > 0.05 + 1e-9) v.Fault("a straight-pull length off its line");
    }
}

}  // namespace

TEST(LacingSoundness, EveryOfferedPairAndCrossNumbersGiveALaceableWheel)
{
    int cases = 0;
    std::vector<std::string> failures;
    for (int hub : kOfferedCounts)
        for (int rim : kOfferedCounts)
            for (int cl = 0; cl <= 4; ++cl)
                for (int cr = 0; cr <= 4; ++cr) {
                    const Case c{hub, rim, cl, cr};
                    ++cases;
                    GridModel t(kLacingColCount, kLacingInitialRowCount);
                    const QString note = LaceTable(t, hub, rim, cl, cr,
                                                   FlangeReach{kReach, kReach});
                    Verdict v = Judge(t, c);
                    JudgeStraightPull(c, v);
                    // Where the holes cannot give what was asked, the builder is told.
                    if (v.sameWayNeighbours > 0 && !note.contains(QStringLiteral("cannot all alternate")))
                        v.Fault("same-way spokes without a note");
                    if (v.sameWayNeighbours == 0 && note.contains(QStringLiteral("alternate")))
                        v.Fault("a note about alternation that does not apply");
                    if (v.beyondTangent != note.contains(QStringLiteral("beyond the tangent")))
                        v.Fault("beyond-tangent note missing or wrong");
                    if (!v.faults.empty())
                        failures.push_back(std::to_string(hub) + "/" + std::to_string(rim) + " CL " + std::to_string(cl)
                                           + " CR " + std::to_string(cr) + ": " + v.faults.front());
                }
    EXPECT_EQ(cases, 1225);
    std::string list;
    for (size_t i = 0; i < failures.size() && i < 40; ++i) list += failures[i] + "\n";
    EXPECT_TRUE(failures.empty()) << failures.size() << " of " << cases << " tables cannot be laced, e.g.\n" << list;
}

namespace {

// 2:1 hubs and paired hubs, judged from the table and the hole places alone.
// A 2:1 hub of n holes: the flange with more holes at j * P (P = 360 / its
// holes), each hole of the other P / 2 behind the first of a group of three,
// holes numbered round the hub. A paired flange of k holes, Δ = 360 / k: its
// holes Δ − φ closer in each pair than evenly spaced, the leading spoke from
// the hole ahead. The rules:
// - every hub hole and every rim hole holds one spoke;
// - 2:1: a spoke of the flange with fewer holes in the first rim hole of each
//   group of three, those of the other flange in the other two;
// - each crossed flange of an even count alternates leading and trailing;
// - the balanced rim turn leaves each crossed side's mean span within half a
//   crossing of its cross number, the shorter 2:1 pattern at or below it and
//   the longer at or above; a paired side spans X + (Δ − φ) / (2Δ) exactly;
// - the hub's torques change sign across the balanced turn.
struct KindCase {
    int holes, split, pattern;
    double pair;
    int cl, cr;
};

double HubPlace(const KindCase& c, int h, bool* left)
{
    if (c.split != EqualFlanges) {
        const double p = 360.0 / (c.holes * 2 / 3);
        const int g = (h - 1) / 3, at = (h - 1) % 3;
        *left = (at == 0) == (c.split == MoreRight);
        return at == 0 ? (2 * g + 0.5) * p : (2 * g + at) * p;
    }
    *left = h % 2 != 0;
    return h * 360.0 / c.holes;
}

std::string JudgeKind(const KindCase& c)
{
    Wheel w;
    w.hubHoles = w.rimHoles = c.holes;
    w.leftCross = c.cl;
    w.rightCross = c.cr;
    w.hubSplit = c.split;
    w.crossedPattern = c.pattern;
    w.hubPairAngle = c.pair;
    GridModel t(kLacingColCount, kLacingInitialRowCount);
    LaceTable(t, LayoutOf(w), c.cl, c.cr, c.pattern);
    w.angleDifference = BalancedRimTurn(t, w).value_or(999);
    std::vector<int> hubUsed(static_cast<size_t>(c.holes) + 1, 0);
    std::map<bool, std::vector<std::pair<double, double>>> sides;  // hub place, span
    for (int r = 1; r <= c.holes; ++r) {
        const std::optional<int> h = HoleAt(t, kToHubCol, r);
        if (!h || *h < 1 || *h > c.holes || hubUsed[static_cast<size_t>(*h)]++) return "a hole without one spoke";
        bool left = false;
        const double place = HubPlace(c, *h, &left);
        if (c.split != EqualFlanges && ((r - 1) % 3 == 0) != (left == (c.split == MoreRight)))
            return "a spoke outside its rim group";
        sides[left].push_back({place, 0});
    }
    for (const bool left : {true, false}) {
        const int k = static_cast<int>(sides[left].size());
        const int cross = left ? c.cl : c.cr;
        const double delta = 360.0 / k;
        std::vector<std::pair<double, double>> spokes;
        double sum = 0;
        for (int r = 1; r <= c.holes; ++r) {
            bool onLeft = false;
            const int h = *HoleAt(t, kToHubCol, r);
            double place = HubPlace(c, h, &onLeft);
            if (onLeft != left) continue;
            const double even = FoldedSpan(r * 360.0 / c.holes + w.angleDifference - place);
            // The pair closes toward its middle: the leading hole moves back.
            if (c.pair > 0 && cross > 0) place += (even > 0 ? -1 : 1) * (delta - c.pair) / 2;
            const double span = FoldedSpan(r * 360.0 / c.holes + w.angleDifference - place);
            spokes.push_back({place, span});
            sum += std::fabs(span);
        }
        if (cross == 0) continue;
        std::sort(spokes.begin(), spokes.end());
        for (int i = 0; k % 2 == 0 && i < k; ++i)
            if ((spokes[static_cast<size_t>(i)].second > 0) == (spokes[static_cast<size_t>((i + 1) % k)].second > 0))
                return "leading and trailing do not alternate";
        const double mean = sum / k / delta;
        if (std::fabs(mean - cross) >= 0.5) return "a side's span half a crossing off";
        if (c.pair > 0 && std::fabs(mean - (cross + (delta - c.pair) / (2 * delta))) > 1e-6)
            return "a paired side off X + (Δ − φ) / 2Δ";
        const bool more = c.split != EqualFlanges && left == (c.split == MoreLeft);
        if (more && (c.pattern == LongerSpan ? mean < cross - 1e-9 : mean > cross + 1e-9))
            return "the pattern on the wrong side of the cross number";
    }
    if (std::fabs(w.angleDifference) > 90 ||
        (HubTorque(LacedSpokeRows(t, c.holes, c.holes).spokes, w, w.angleDifference - 0.5) < 0) ==
            (HubTorque(LacedSpokeRows(t, c.holes, c.holes).spokes, w, w.angleDifference + 0.5) < 0))
        return "the hub's torques do not cancel at the rim turn";
    return {};
}

}  // namespace

TEST(LacingSoundness, TwoToOneAndPairedHubsGiveALaceableWheel)
{
    std::vector<KindCase> cases;
    for (const int holes : {36, 24, 18})
        for (const int split : {MoreRight, MoreLeft})
            for (const int pattern : {ShorterSpan, LongerSpan})
                for (int cl = 0; cl <= 4; ++cl)
                    for (int cr = 0; cr <= 4; ++cr) cases.push_back({holes, split, pattern, 0, cl, cr});
    for (const int holes : {36, 32, 28, 24, 20, 16})
        for (const double pair : {10.0, 15.0})
            for (int cross = 1; cross <= 4; ++cross) cases.push_back({holes, EqualFlanges, 0, pair, cross, cross});
    int judged = 0;
    std::vector<std::string> failures;
    for (const KindCase& c : cases) {
        // Only crossings that stay short of half a turn on the sparser flange.
        const int fewest = c.split != EqualFlanges ? c.holes / 3 : c.holes / 2;
        if (std::max(c.cl, c.cr) * 360.0 / fewest >= 150 || (c.pair > 0 && c.pair >= 720.0 / c.holes)) continue;
        ++judged;
        const std::string fault = JudgeKind(c);
        if (!fault.empty())
            failures.push_back(std::to_string(c.holes) + " split " + std::to_string(c.split) + " pattern " +
                               std::to_string(c.pattern) + " pair " + std::to_string(c.pair) + " CL " +
                               std::to_string(c.cl) + " CR " + std::to_string(c.cr) + ": " + fault);
    }
    EXPECT_EQ(judged, 246);
    std::string list;
    for (size_t i = 0; i < failures.size() && i < 40; ++i) list += failures[i] + "\n";
    EXPECT_TRUE(failures.empty()) << failures.size() << " of " << judged << " wheels, e.g.\n" << list;
}
