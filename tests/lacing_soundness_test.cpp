// Every generated table must be a wheel a builder can lace: every pair of the
// offered hole counts with every pair of cross numbers 0 .. 4, judged from the
// table alone. Crossings come from the hole angles, not from the rule that
// wrote the table.
#include "lacing/lacing_generation.h"
#include "lacing/lacing_table.h"
#include "platform/convert.h"

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
        std::vector<bool> bare(static_cast<size_t>(c.rim));
        for (int r = 1; r <= c.rim; ++r) bare[static_cast<size_t>(r - 1)] = !hubOfRim.count(r);
        if (!EvenlySpread(bare)) v.Fault("rim gaps not evenly spread");
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
        for (const Spoke& s : flange) {
            const double span = Span(s.hub, c.hub, s.rim, c.rim);
            spans.push_back(span);
            if (std::cos(span * M_PI / 180.0) < kReach) v.beyondTangent = true;
            const double crossings = std::fabs(span) / unit;
            if (c.hub == c.rim ? std::fabs(crossings - cross) > 1e-6 : std::lround(crossings) != cross)
                v.Fault("spoke does not cross as asked");
        }
        // Radial spokes, and spokes meant to pass the axle (half a turn), head neither way.
        if (k < 2 || (2 * cross) % k == 0) continue;
        for (int i = 0; i < k; ++i)
            v.sameWayNeighbours += (spans[static_cast<size_t>(i)] > 0) == (spans[static_cast<size_t>((i + 1) % k)] > 0);
        if (k % 2 == 0 && v.sameWayNeighbours > 0) v.Fault("leading and trailing do not alternate");
    }
    return v;
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
