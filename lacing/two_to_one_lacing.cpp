#include "lacing/two_to_one_lacing.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace rimora {

namespace {

constexpr double kTiny = 1e-9;

struct Pattern {
    std::vector<PlannedSpoke> spokes;
    double span = 0;  // balanced: the mean of the leading and the trailing spans
    double turn = 0;  // the rim turn that balances them
    double worst = 0; // radial flanges: the largest span
};

// Every pattern of one flange: each offset, each phase of leading and trailing.
std::vector<Pattern> FlangePatterns(const HoleLayout& layout, bool left, int cross)
{
    std::vector<int> hub;
    std::vector<int> rim;
    for (int h = 1; h <= layout.hubCount; ++h)
        if (layout.HubLeft(h) == left) hub.push_back(h);
    // The rim's groups match the hub's: the same places in each group of three.
    rim = hub;
    const int k = static_cast<int>(hub.size());
    std::vector<Pattern> out;
    if (k == 0) return out;
    for (int phase = 0; phase < 2; ++phase) {
        for (int offset = 0; offset < k; ++offset) {
            Pattern p;
            double leading = 0;
            double trailing = 0;
            int leads = 0;
            int trails = 0;
            bool sound = true;
            for (int j = 0; j < k; ++j) {
                // An odd flange cannot alternate: every spoke heads one way.
                const bool takesAhead = k % 2 == 0 ? (j + phase) % 2 == 0 : phase == 0;
                const int direction = takesAhead ? 1 : -1;
                const int i = ((j + offset + direction * cross) % k + k) % k;
                const double span = layout.Span(hub[static_cast<size_t>(i)], rim[static_cast<size_t>(j)]);
                p.spokes.push_back({hub[static_cast<size_t>(i)], rim[static_cast<size_t>(j)]});
                p.worst = std::max(p.worst, std::fabs(span));
                if (cross == 0) continue;
                // The hub hole ahead of its rim hole makes a trailing spoke.
                if (takesAhead ? span >= 0 : span <= 0) sound = false;
                (takesAhead ? trailing : leading) += span;
                (takesAhead ? trails : leads) += 1;
            }
            if (!sound) continue;
            const double lead = leads > 0 ? leading / leads : 0;
            const double trail = trails > 0 ? -trailing / trails : 0;
            if (leads > 0 && trails > 0) {
                p.span = (lead + trail) / 2.0;
                p.turn = (trail - lead) / 2.0;
            } else {
                p.span = std::max(lead, trail);
            }
            // The same spokes from another phase and offset count once.
            std::sort(p.spokes.begin(), p.spokes.end(),
                      [](const PlannedSpoke& a, const PlannedSpoke& b) { return a.rim < b.rim; });
            const bool seen = std::any_of(out.begin(), out.end(), [&](const Pattern& q) {
                return std::equal(q.spokes.begin(), q.spokes.end(), p.spokes.begin(), p.spokes.end(),
                                  [](const PlannedSpoke& a, const PlannedSpoke& b) { return a.hub == b.hub; });
            });
            if (!seen) out.push_back(std::move(p));
        }
    }
    return out;
}

std::optional<Pattern> ChoosePattern(const HoleLayout& layout, bool left, int cross, int pattern)
{
    const std::vector<Pattern> all = FlangePatterns(layout, left, cross);
    if (all.empty()) return std::nullopt;
    if (cross == 0) {
        return *std::min_element(all.begin(), all.end(),
                                 [](const Pattern& a, const Pattern& b) { return a.worst < b.worst - kTiny; });
    }
    const int k = layout.FlangeHoles(left);
    const double pitch = 360.0 / k;
    const double asked = cross * pitch;
    // Within half a crossing of the cross number, then the least turn.
    std::vector<Pattern> near;
    for (const Pattern& p : all)
        if (std::fabs(p.span - asked) < pitch / 2.0 - kTiny) near.push_back(p);
    if (near.empty()) near = all;
    double least = 360;
    for (const Pattern& p : near) least = std::min(least, std::fabs(p.turn));
    std::erase_if(near, [&](const Pattern& p) { return std::fabs(p.turn) > least + kTiny; });
    const auto shorter = [&](const Pattern& a, const Pattern& b) { return a.span < b.span - kTiny; };
    std::optional<Pattern> below;
    std::optional<Pattern> above;
    for (const Pattern& p : near) {
        if (p.span <= asked + kTiny && (!below || shorter(*below, p))) below = p;
        if (p.span >= asked - kTiny && (!above || shorter(p, *above))) above = p;
    }
    if (pattern < 0)
        return *std::min_element(near.begin(), near.end(), [&](const Pattern& a, const Pattern& b) {
            return std::fabs(a.span - asked) < std::fabs(b.span - asked) - kTiny;
        });
    if (pattern == LongerSpan) return above ? above : below;
    return below ? below : above;
}

}  // namespace

LacingPlan PlanTwoToOne(const HoleLayout& layout, int leftCross, int rightCross, int pattern)
{
    LacingPlan plan;
    if (!layout.TwoToOne() || layout.hubCount < 3 || layout.hubCount % 3 != 0 || layout.rimCount != layout.hubCount)
        return plan;
    for (const bool left : {true, false}) {
        const bool more = left != layout.FewerOnLeft();
        // The flange with fewer holes is laced nearest its cross number. A
        // cross number the flange's holes cannot give (spokes that would lead
        // and trail past half the circle) is laced as the largest one they can,
        // as with evenly drilled hubs, never left bare.
        std::optional<Pattern> p;
        for (int cross = std::max(left ? leftCross : rightCross, 0); !p && cross >= 0; --cross)
            p = ChoosePattern(layout, left, cross, more ? pattern : -1);
        if (p) plan.spokes.insert(plan.spokes.end(), p->spokes.begin(), p->spokes.end());
    }
    std::sort(plan.spokes.begin(), plan.spokes.end(),
              [](const PlannedSpoke& a, const PlannedSpoke& b) { return a.rim < b.rim; });
    return plan;
}

double TwoToOneSpan(const HoleLayout& layout, bool left, int cross, int pattern)
{
    if (!layout.TwoToOne() || layout.hubCount % 3 != 0 || layout.rimCount != layout.hubCount) return 0;
    const std::optional<Pattern> p = ChoosePattern(layout, left, std::max(cross, 0), pattern);
    return p ? p->span : 0;
}

}  // namespace rimora
