#include "lacing/lacing_pattern.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace rimora {

namespace {

constexpr int kLeft = 0;
constexpr int kRight = 1;

struct Flange {
    std::vector<int> hub;  // laced hub holes of the flange, ascending
    std::vector<int> rim;  // rim holes the flange's spokes reach, ascending
};

// Bare rim holes, in adjacent pairs. Rims are drilled toward the left and the
// right flange in turn; a single bare hole would put every spoke after it in a
// hole drilled for the other flange, a pair keeps them all on their side. The
// pairs start at hole round(t * rim / pairs + shift / 2) for t = 1 .. pairs,
// halves up, shift in half holes: 32/36 leaves 17-18 and 35-36 bare. An odd
// difference (only a profile can hold one) leaves one single hole as well.
std::vector<bool> BareRimHoles(int rim, int bare, int shift)
{
    std::vector<bool> isBare(static_cast<size_t>(rim) + 1, false);
    const auto next = [rim](long long hole) { return hole % rim + 1; };
    const long long pairs = bare / 2;
    for (long long t = 1; t <= pairs; ++t) {
        long long hole = ((4 * t * rim + (shift + 1) * 2 * pairs) / (4 * pairs) - 1) % rim + 1;
        // The pair ends at the ideal place; never on a hole already bare.
        hole = (hole + rim - 2) % rim + 1;
        while (isBare[static_cast<size_t>(hole)] || isBare[static_cast<size_t>(next(hole))]) hole = next(hole);
        isBare[static_cast<size_t>(hole)] = true;
        isBare[static_cast<size_t>(next(hole))] = true;
    }
    if (bare % 2 != 0) {
        long long hole = (rim + 1) / 2;
        while (isBare[static_cast<size_t>(hole)]) hole = next(hole);
        isBare[static_cast<size_t>(hole)] = true;
    }
    return isBare;
}

// Bare hub holes: the ideal places t * hub / bare + shift / 2 go to the left
// and the right flange in turn, each to the nearest hole of its flange (halves
// up). Each flange so loses the same number of holes, spread evenly round it;
// without a shift 36/32 keeps holes 9, 18, 27 and 36 bare.
std::vector<bool> BareHubHoles(int hub, int bare, int shift)
{
    std::vector<bool> isBare(static_cast<size_t>(hub) + 1, false);
    const long long b = bare;
    for (long long t = 1; t <= b; ++t) {
        const long long side = (t % 2 != 0) ? kLeft : kRight;
        // flange position, 0 .., of the hole nearest t * hub / b + shift / 2
        const long long position = ((2 * t * hub + shift * b - 2 * side * b) / (4 * b)) % ((hub + 1 - side) / 2);
        long long hole = 2 * position + 1 + side;
        // Never twice the same hole, nor one past the circle.
        while (hole > hub || isBare[static_cast<size_t>(hole)]) {
            hole += 2;
            if (hole > hub) hole = 1 + side;
        }
        isBare[static_cast<size_t>(hole)] = true;
    }
    return isBare;
}

// Positions j of a flange of k spokes whose rim hole takes the hub hole ahead
// (clockwise) of it. The set must come back onto itself after a turn of 2c
// positions, so it is a union of remainder classes modulo g = gcd(2c mod k, k);
// taking every other class alternates as often as that allows. The right
// flange takes the opposite classes, so with equal counts divisible by four
// this is the familiar rule: rim holes 1, 4, 5, 8, ... take the hub hole 2c ahead.
bool TakesHubAhead(int j, int k, int cross, int side)
{
    const int turn = static_cast<int>((2LL * cross) % k);
    const int g = turn == 0 ? k : std::gcd(turn, k);
    return ((j % g) + side) % 2 == 0;
}

struct Fit {
    double worst = 0;
    double squares = 0;
};

bool Better(const Fit& a, const Fit& b)
{
    constexpr double kTiny = 1e-9;
    return a.worst < b.worst - kTiny || (a.worst < b.worst + kTiny && a.squares < b.squares - kTiny);
}

Fit FitOfOffset(const Flange& f, int hubCount, int rimCount, int cross, int side, int offset)
{
    const int k = static_cast<int>(f.rim.size());
    const double pitch = 360.0 / k;
    Fit fit;
    for (int j = 0; j < k; ++j) {
        const int direction = TakesHubAhead(j, k, cross, side) ? 1 : -1;
        const int i = static_cast<int>(((j + offset + static_cast<long long>(direction) * cross) % k + k) % k);
        const double span = SpokeSpan(f.hub[static_cast<size_t>(i)], hubCount, f.rim[static_cast<size_t>(j)], rimCount);
        // The hub hole ahead of the rim hole makes a span against the clock.
        const double error = std::fabs(FoldedSpan(span + direction * cross * pitch));
        fit.worst = std::max(fit.worst, error);
        fit.squares += error * error;
    }
    return fit;
}

Fit LaceFlange(const Flange& f, int hubCount, int rimCount, int cross, int side, std::vector<PlannedSpoke>& out)
{
    const int k = static_cast<int>(std::min(f.hub.size(), f.rim.size()));
    if (k == 0 || f.hub.size() != f.rim.size()) return {};
    // The offset that brings every span nearest its crossing; the untouched
    // alignment (offset 0) is kept unless another is really better.
    int best = 0;
    Fit bestFit = FitOfOffset(f, hubCount, rimCount, cross, side, 0);
    // An exact fit (equal hole counts) cannot be bettered.
    for (int step = 1; step < k && bestFit.worst > 1e-9; ++step) {
        const int offset = (step % 2 != 0) ? (step + 1) / 2 : k - step / 2;
        const Fit fit = FitOfOffset(f, hubCount, rimCount, cross, side, offset);
        if (Better(fit, bestFit)) {
            best = offset;
            bestFit = fit;
        }
    }
    for (int j = 0; j < k; ++j) {
        const int direction = TakesHubAhead(j, k, cross, side) ? 1 : -1;
        const int i = static_cast<int>(((j + best + static_cast<long long>(direction) * cross) % k + k) % k);
        out.push_back({f.hub[static_cast<size_t>(i)], f.rim[static_cast<size_t>(j)]});
    }
    // In crossings, so that flanges of different spoke counts compare.
    return {bestFit.worst / (360.0 / k), bestFit.squares / (360.0 / k) / (360.0 / k)};
}

struct Candidate {
    std::vector<PlannedSpoke> spokes;
    Fit fit;
};

// The rim holes that carry spokes take the flanges in turn: odd holes are
// drilled toward the left flange, so the first laced hole takes its side by
// its number. A hub of an odd count has one more left hole, which the left
// flange must then begin with.
void SplitRim(const std::vector<bool>& bareRim, int rimCount, int hubCount, Flange (&flanges)[2])
{
    int first = 1;
    while (first < rimCount && bareRim[static_cast<size_t>(first)]) ++first;
    int turn = (first % 2 != 0 || hubCount % 2 != 0) ? kLeft : kRight;
    for (int r = 1; r <= rimCount; ++r) {
        if (bareRim[static_cast<size_t>(r)]) continue;
        flanges[turn].rim.push_back(r);
        turn = 1 - turn;
    }
}

// One flange of a hub with more holes than the rim: its bare holes as the
// even spread puts them, or, when that leaves a spoke half a crossing or more
// off, turned round the flange by whole positions to the turn that fits best.
Fit LaceHubFlange(Flange f, const std::vector<bool>& bareHub, int hubCount, int rimCount, int cross, int side,
                  std::vector<PlannedSpoke>& out)
{
    std::vector<int> holes;
    std::vector<bool> bare;
    for (int h = 1 + side; h <= hubCount; h += 2) {
        holes.push_back(h);
        bare.push_back(bareHub[static_cast<size_t>(h)]);
    }
    const int m = static_cast<int>(holes.size());
    const int bareCount = static_cast<int>(std::count(bare.begin(), bare.end(), true));
    const auto laced = [&](int turn) {
        std::vector<int> hub;
        for (int p = 0; p < m; ++p)
            if (!bare[static_cast<size_t>((p - turn % m + m) % m)]) hub.push_back(holes[static_cast<size_t>(p)]);
        return hub;
    };
    f.hub = laced(0);
    std::vector<PlannedSpoke> best;
    Fit bestFit = LaceFlange(f, hubCount, rimCount, cross, side, best);
    if (bestFit.worst >= 0.5 - 1e-9 && bareCount > 0) {
        const int period = std::min((m + bareCount - 1) / bareCount, 64);
        for (int turn = 1; turn < period; ++turn) {
            f.hub = laced(turn);
            std::vector<PlannedSpoke> spokes;
            const Fit fit = LaceFlange(f, hubCount, rimCount, cross, side, spokes);
            if (Better(fit, bestFit)) {
                bestFit = fit;
                best = std::move(spokes);
            }
        }
    }
    out.insert(out.end(), best.begin(), best.end());
    return bestFit;
}

Candidate LaceMoreHubHoles(int hubCount, int rimCount, int leftCross, int rightCross)
{
    const std::vector<bool> bareHub = BareHubHoles(hubCount, hubCount - rimCount, 0);
    Flange flanges[2];
    SplitRim(std::vector<bool>(static_cast<size_t>(rimCount) + 1, false), rimCount, rimCount, flanges);
    Candidate c;
    const Fit left = LaceHubFlange(flanges[kLeft], bareHub, hubCount, rimCount, leftCross, kLeft, c.spokes);
    const Fit right = LaceHubFlange(flanges[kRight], bareHub, hubCount, rimCount, rightCross, kRight, c.spokes);
    c.fit = {std::max(left.worst, right.worst), left.squares + right.squares};
    return c;
}

// Equal counts, or a rim with more holes: the hub keeps every hole; the rim's
// bare holes, turned by `shift` half holes, are shared by both flanges.
Candidate LaceAllHubHoles(int hubCount, int rimCount, int leftCross, int rightCross, int shift)
{
    const std::vector<bool> bareRim = rimCount > hubCount ? BareRimHoles(rimCount, rimCount - hubCount, shift)
                                                          : std::vector<bool>(static_cast<size_t>(rimCount) + 1, false);
    Flange flanges[2];
    for (int h = 1; h <= hubCount; ++h) flanges[h % 2 != 0 ? kLeft : kRight].hub.push_back(h);
    SplitRim(bareRim, rimCount, hubCount, flanges);
    Candidate c;
    const Fit left = LaceFlange(flanges[kLeft], hubCount, rimCount, leftCross, kLeft, c.spokes);
    const Fit right = LaceFlange(flanges[kRight], hubCount, rimCount, rightCross, kRight, c.spokes);
    c.fit = {std::max(left.worst, right.worst), left.squares + right.squares};
    return c;
}

}  // namespace

double FoldedSpan(double degrees)
{
    double d = std::fmod(degrees, 360.0);
    if (d <= -180.0) d += 360.0;
    if (d > 180.0) d -= 360.0;
    return d;
}

double SpokeSpan(int hub, int hubCount, int rim, int rimCount)
{
    return FoldedSpan(rim * 360.0 / rimCount - hub * 360.0 / hubCount);
}

LacingPlan PlanLacing(int hubCount, int rimCount, int leftCross, int rightCross)
{
    LacingPlan plan;
    if (hubCount < 1 || rimCount < 1) return plan;
    leftCross = std::max(leftCross, 0);
    rightCross = std::max(rightCross, 0);

    Candidate best;
    if (hubCount > rimCount) {
        best = LaceMoreHubHoles(hubCount, rimCount, leftCross, rightCross);
    } else {
        best = LaceAllHubHoles(hubCount, rimCount, leftCross, rightCross, 0);
        // The even spread as it falls keeps every spoke within half a crossing
        // of its cross number in most wheels. Where it does not, the rim's gaps
        // are turned round the circle, over one period of their pattern, until
        // the spans fit best.
        if (rimCount > hubCount && best.fit.worst >= 0.5 - 1e-9) {
            // One period of the pairs' pattern, in half holes.
            const int pairs = std::max((rimCount - hubCount) / 2, 1);
            const int period = std::min(2 * rimCount / pairs + 1, 64);
            for (int shift = 1; shift < period; ++shift) {
                Candidate c = LaceAllHubHoles(hubCount, rimCount, leftCross, rightCross, shift);
                if (Better(c.fit, best.fit)) best = std::move(c);
            }
        }
    }
    plan.spokes = std::move(best.spokes);
    std::sort(plan.spokes.begin(), plan.spokes.end(),
              [](const PlannedSpoke& a, const PlannedSpoke& b) { return a.rim < b.rim; });
    return plan;
}

}  // namespace rimora
