#include "lacing/lacing_steps.h"

#include "lacing/hole_layout.h"
#include "lacing/lacing_pattern.h"
#include "lacing/spoke_crossings.h"
#include "lacing/spoke_rows.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <optional>

namespace rimora {

namespace {

// From hub hole to rim hole, degrees in (−180, 180], the rim turned as the
// lengths turn it: the turn applies only where the hole counts differ.
double SpanOf(const Wheel& wheel, const HoleLayout& holes, int hub, int rim)
{
    const bool turned = wheel.hubHoles != wheel.rimHoles || !EvenlySpacedHoles(wheel);
    return FoldedSpan(holes.RimAngle(rim) + (turned ? wheel.angleDifference : 0.0) - holes.HubAngle(hub));
}

int CrossOf(const Wheel& wheel, bool left)
{
    return left ? wheel.leftCross : wheel.rightCross;
}

StepHead HeadFor(const Wheel& wheel, bool left, StepLay lay)
{
    if (wheel.hubKind == StraightPullHub) return StepHead::None;
    switch (left ? wheel.leftHeads : wheel.rightHeads) {
    case AllIn: return StepHead::In;
    case AllOut: return StepHead::Out;
    case LeadingOut: return lay == StepLay::Trailing ? StepHead::In : StepHead::Out;
    default: return lay == StepLay::Leading ? StepHead::In : StepHead::Out;
    }
}

std::vector<StepSpoke> SpokesOf(const GridModel& table, const Wheel& wheel)
{
    std::vector<StepSpoke> spokes;
    if (wheel.hubHoles <= 0 || wheel.rimHoles <= 0) return spokes;
    const HoleLayout holes = LayoutOf(wheel);
    for (const SpokeRow& row : LacedSpokeRows(table, wheel.hubHoles, wheel.rimHoles).spokes) {
        StepSpoke s;
        s.hub = row.hubHole;
        s.rim = row.rimHole;
        s.left = holes.HubLeft(s.hub);
        const double span = SpanOf(wheel, holes, s.hub, s.rim);
        s.lay = CrossOf(wheel, s.left) == 0 || span == 0 ? StepLay::Radial
                : span > 0                               ? StepLay::Leading
                                                         : StepLay::Trailing;
        s.head = HeadFor(wheel, s.left, s.lay);
        spokes.push_back(s);
    }
    std::sort(spokes.begin(), spokes.end(), [](const StepSpoke& a, const StepSpoke& b) { return a.hub < b.hub; });
    return spokes;
}

// The spokes of one flange, and of those the ones of one lay, in hub order.
std::vector<StepSpoke> Flange(const std::vector<StepSpoke>& spokes, bool left, std::optional<StepLay> lay = std::nullopt)
{
    std::vector<StepSpoke> flange;
    for (const StepSpoke& s : spokes)
        if (s.left == left && (!lay || s.lay == *lay)) flange.push_back(s);
    return flange;
}

QString FlangeName(bool left)
{
    return left ? QCoreApplication::translate("LacingSteps", "left")
                : QCoreApplication::translate("LacingSteps", "right");
}

// Round the hub a crossed flange must go leading, trailing, leading…: two
// neighbours that head the same way never cross, and the weave of the
// leading group has nothing to go over. Returns the first such pair.
std::optional<std::pair<int, int>> SameWayNeighbours(const std::vector<StepSpoke>& flange)
{
    const std::size_t n = flange.size();
    for (std::size_t i = 0; i < n; ++i) {
        const StepSpoke& a = flange[i];
        const StepSpoke& b = flange[(i + 1) % n];
        if (a.lay == StepLay::Radial || (n > 1 && a.lay == b.lay)) return std::pair{a.hub, b.hub};
    }
    return std::nullopt;
}

QString Holes(const QList<int>& holes)
{
    QStringList texts;
    for (int h : holes) texts << QString::number(h);
    return texts.join(QStringLiteral(", "));
}

// Half-hole steps from the valve to rim hole `rim`, and whether it lies on the
// side before the valve (anticlockwise), which wins a tie as the hole to the
// left of the valve when it stands at the top.
struct FromValve {
    int halfSteps = 0;
    bool before = false;
    int clockwise = 0;  // holes on from the first hole after the valve
    bool operator<(const FromValve& o) const
    {
        return halfSteps != o.halfSteps ? halfSteps < o.halfSteps : before > o.before;
    }
};

FromValve DistanceFromValve(const Wheel& wheel, int rim)
{
    const int n = wheel.rimHoles;
    const int o = ((rim - ValveAfterHole(wheel) - 1) % n + n) % n;
    const int after = 2 * o + 1;
    const int before = 2 * (n - 1 - o) + 1;
    return {std::min(after, before), before < after, o};
}

QString HeadWords(StepHead head)
{
    switch (head) {
    case StepHead::In: return QCoreApplication::translate("LacingSteps", "heads in");
    case StepHead::Out: return QCoreApplication::translate("LacingSteps", "heads out");
    case StepHead::None: break;
    }
    return QString();
}

QString LayWords(StepLay lay)
{
    switch (lay) {
    case StepLay::Trailing: return QCoreApplication::translate("LacingSteps", "trailing spokes");
    case StepLay::Leading: return QCoreApplication::translate("LacingSteps", "leading spokes");
    case StepLay::Radial: break;
    }
    return QCoreApplication::translate("LacingSteps", "radial spokes");
}

QString GroupTitle(bool left, StepLay lay, StepHead head)
{
    const QString flange = left ? QCoreApplication::translate("LacingSteps", "Left flange")
                                : QCoreApplication::translate("LacingSteps", "Right flange");
    if (head == StepHead::None) return QCoreApplication::translate("LacingSteps", "%1, %2").arg(flange, LayWords(lay));
    return QCoreApplication::translate("LacingSteps", "%1, %2, %3").arg(flange, LayWords(lay), HeadWords(head));
}

// How a spoke goes through its hub hole: one (the key spoke) or each of a group.
QString HowTheHeadGoes(StepHead head, bool each)
{
    switch (head) {
    case StepHead::Out:
        return each ? QCoreApplication::translate("LacingSteps", "from the outside inward, so each head sits outside")
                    : QCoreApplication::translate("LacingSteps", "from the outside inward, so its head sits outside");
    case StepHead::In:
        return each ? QCoreApplication::translate("LacingSteps", "from the inside outward, so each head sits inside")
                    : QCoreApplication::translate("LacingSteps", "from the inside outward, so its head sits inside");
    case StepHead::None: break;
    }
    return each ? QCoreApplication::translate("LacingSteps", "each head seated in its hole")
                : QCoreApplication::translate("LacingSteps", "its head seated in its hole");
}

QString WeaveWords(const CrossingSpan& span, int asked)
{
    if (span.Counted() && span.fewest != span.most)
        return QCoreApplication::translate(
                   "LacingSteps",
                   "Each crosses %1 to %2 trailing spokes of its flange: over all but the last, under the last.")
            .arg(span.fewest)
            .arg(span.most);
    const int crosses = span.Counted() ? span.most : asked;
    if (crosses <= 1)
        return QCoreApplication::translate("LacingSteps",
                                           "Each goes under the one trailing spoke of its flange it crosses.");
    if (crosses == 2)
        return QCoreApplication::translate(
            "LacingSteps", "Each goes over the first trailing spoke of its flange it crosses and under the second.");
    return QCoreApplication::translate(
               "LacingSteps",
               "Each goes over the first %1 trailing spokes of its flange it crosses and under the last.")
        .arg(crosses - 1);
}

LacingStep ValveStep(const Wheel& wheel, const std::vector<StepSpoke>& spokes)
{
    LacingStep step;
    step.kind = StepKind::Valve;
    step.title = QCoreApplication::translate("LacingSteps", "The valve hole and the rim's drilling");
    const int after = ValveAfterHole(wheel);
    const int next = after % wheel.rimHoles + 1;
    QStringList text;
    text << QCoreApplication::translate(
                "LacingSteps",
                "Hold the rim with the valve hole at the top, seen from the right (drive side); the hole numbers "
                "run clockwise. The valve hole lies between rim holes %1 and %2.")
                .arg(after)
                .arg(next);
    // Only an alternately drilled rim has the odd holes toward the left.
    if (wheel.rimDrilling == AlternateDrilling)
        text << QCoreApplication::translate(
            "LacingSteps",
            "The spoke holes are drilled toward each flange in turn: odd holes toward the left flange, even holes "
            "toward the right.");
    else if (wheel.rimDrilling == CentredDrilling)
        text << QCoreApplication::translate("LacingSteps", "The spoke holes are drilled on the rim's centre line.");
    QList<int> bareRim;
    QList<int> bareHub;
    for (int h = 1; h <= wheel.rimHoles; ++h)
        if (std::none_of(spokes.begin(), spokes.end(), [h](const StepSpoke& s) { return s.rim == h; })) bareRim << h;
    for (int h = 1; h <= wheel.hubHoles; ++h)
        if (std::none_of(spokes.begin(), spokes.end(), [h](const StepSpoke& s) { return s.hub == h; })) bareHub << h;
    if (!bareRim.isEmpty())
        text << QCoreApplication::translate("LacingSteps", "Rim holes %1 stay bare.").arg(Holes(bareRim));
    if (!bareHub.isEmpty())
        text << QCoreApplication::translate("LacingSteps", "Hub holes %1 stay bare.").arg(Holes(bareHub));
    step.text = text.join(QLatin1Char(' '));
    return step;
}

// The builder turns the wheel over between the flanges; the drawing follows.
QString TurnOverText(bool toLeft)
{
    return toLeft ? QCoreApplication::translate("LacingSteps",
                                                "Turn the wheel over to work on the left flange: the "
                                                "drawing shows it seen from the left, its hole numbers "
                                                "running anticlockwise.")
                  : QCoreApplication::translate("LacingSteps",
                                                "Turn the wheel back over to work on the right flange: "
                                                "the drawing shows it seen from the right again.");
}

LacingStep KeyStep(const Wheel& wheel, const StepSpoke& key)
{
    LacingStep step;
    step.kind = StepKind::KeySpoke;
    step.left = key.left;
    step.seenFromLeft = key.left;
    step.spokes = {key};
    step.title = QCoreApplication::translate("LacingSteps", "The key spoke");
    const FromValve from = DistanceFromValve(wheel, key.rim);
    const QString where = from.halfSteps == 1
                              ? QCoreApplication::translate("LacingSteps", "beside the valve hole")
                              : QCoreApplication::translate("LacingSteps", "%1 holes along from the valve hole")
                                    .arg((from.halfSteps + 1) / 2);
    QString lay;
    switch (key.lay) {
    // Seen from the left, the wheel's clockwise is anticlockwise.
    case StepLay::Trailing:
        lay = key.left ? QCoreApplication::translate("LacingSteps",
                                                     "It trails: seen from this side its rim hole lies "
                                                     "clockwise of its hub hole, behind it as the wheel turns.")
                       : QCoreApplication::translate("LacingSteps",
                                                     "It trails: its rim hole lies anticlockwise of its "
                                                     "hub hole, behind it as the wheel turns.");
        break;
    case StepLay::Leading:
        lay = key.left ? QCoreApplication::translate("LacingSteps",
                                                     "It leads: seen from this side its rim hole lies "
                                                     "anticlockwise of its hub hole.")
                       : QCoreApplication::translate("LacingSteps",
                                                     "It leads: its rim hole lies clockwise of its hub hole.");
        break;
    case StepLay::Radial: lay = QCoreApplication::translate("LacingSteps", "It runs straight out from the hub."); break;
    }
    step.text = QCoreApplication::translate(
                    "LacingSteps",
                    "Put a spoke through hole %1 of the %2 flange, %3, and into rim hole %4, %5. %6 Every other spoke "
                    "is placed from this one.")
                    .arg(key.hub)
                    .arg(FlangeName(key.left), HowTheHeadGoes(key.head, false))
                    .arg(key.rim)
                    .arg(where, lay);
    if (key.left) step.text = TurnOverText(true) + QLatin1Char(' ') + step.text;
    return step;
}

LacingStep GroupStep(const Wheel& wheel, std::vector<StepSpoke> group, const CrossingSpan& span, bool withKey,
                     bool turnHub, bool fromLeftBefore)
{
    LacingStep step;
    step.kind = StepKind::Group;
    const StepSpoke& first = group.front();
    step.left = first.left;
    step.seenFromLeft = first.left;
    step.turnHubFirst = turnHub;
    step.title = GroupTitle(first.left, first.lay, first.head);
    // Clockwise round the rim from the key spoke, or from the valve.
    const int start = withKey ? group.front().rim : ValveAfterHole(wheel) + 1;
    const int n = wheel.rimHoles;
    std::sort(group.begin(), group.end(), [&](const StepSpoke& a, const StepSpoke& b) {
        return ((a.rim - start) % n + n) % n < ((b.rim - start) % n + n) % n;
    });
    QStringList text;
    if (step.seenFromLeft != fromLeftBefore) text << TurnOverText(step.seenFromLeft);
    // The hub turns forward, the way the wheel turns, which the left side sees the other way round.
    if (turnHub)
        text << (step.seenFromLeft ? QCoreApplication::translate("LacingSteps",
                                                                 "Turn the hub anticlockwise, seen from the left, "
                                                                 "until the trailing spokes lie at their angle, "
                                                                 "leaning back from the way the wheel turns.")
                                   : QCoreApplication::translate("LacingSteps",
                                                                 "Turn the hub clockwise, seen from the right, until "
                                                                 "the trailing spokes lie at their angle, leaning back "
                                                                 "from the way the wheel turns."));
    const QString head = HowTheHeadGoes(first.head, true);
    const QString flange = FlangeName(first.left);
    const int count = static_cast<int>(group.size());
    if (first.lay == StepLay::Radial)
        text << QCoreApplication::translate("LacingSteps", "%1 spokes, one in each laced hole of the %2 flange, %3.")
                    .arg(count)
                    .arg(flange, head);
    else if (withKey)
        text << QCoreApplication::translate(
                    "LacingSteps", "%1 spokes, the key spoke among them: one in every other hole of the %2 flange, %3.")
                    .arg(count)
                    .arg(flange, head);
    else
        text << QCoreApplication::translate("LacingSteps", "%1 spokes, one in every other hole of the %2 flange, %3.")
                    .arg(count)
                    .arg(flange, head);
    switch (first.lay) {
    case StepLay::Trailing: text << QCoreApplication::translate("LacingSteps", "They cross nothing yet."); break;
    case StepLay::Leading: text << WeaveWords(span, CrossOf(wheel, first.left)); break;
    case StepLay::Radial:
        text << QCoreApplication::translate("LacingSteps",
                                            "Each runs straight out to its rim hole and crosses nothing.");
        break;
    }
    step.text = text.join(QLatin1Char(' '));
    step.spokes = std::move(group);
    return step;
}

}  // namespace

int ValveAfterHole(const Wheel& wheel)
{
    if (wheel.rimHoles <= 0) return 0;
    const int after = ((wheel.valveAfter % wheel.rimHoles) + wheel.rimHoles) % wheel.rimHoles;
    return after == 0 ? wheel.rimHoles : after;
}

namespace {

// What the steps do not cover of a wheel laced as `spokes`; empty when they cover it.
QString CoverageOf(const Wheel& wheel, const std::vector<StepSpoke>& spokes)
{
    if (spokes.empty())
        return QCoreApplication::translate("LacingSteps",
                                           "Nothing is laced yet: choose the hole counts and lace the table first.");
    if (wheel.hubPairAngle != 0 || wheel.rimPairAngle != 0)
        return QCoreApplication::translate("LacingSteps",
                                           "The hub's or the rim's holes sit in pairs: these steps cover evenly spaced "
                                           "holes; lace this wheel from the table.");
    const std::vector<StepSpoke> left = Flange(spokes, true);
    const std::vector<StepSpoke> right = Flange(spokes, false);
    if (left.size() != right.size())
        return QCoreApplication::translate(
                   "LacingSteps",
                   "The flanges hold %1 (left) and %2 (right) spokes: these steps cover flanges of equal counts; "
                   "lace this wheel from the table.")
            .arg(left.size())
            .arg(right.size());
    for (const bool isLeft : {false, true}) {
        if (CrossOf(wheel, isLeft) == 0) continue;
        if (const auto pair = SameWayNeighbours(isLeft ? left : right))
            return QCoreApplication::translate(
                       "LacingSteps",
                       "On the %1 flange the spokes of hub holes %2 and %3 head the same way: these steps cover "
                       "flanges whose spokes lead and trail in turn; lace this side from the table.")
                .arg(FlangeName(isLeft))
                .arg(pair->first)
                .arg(pair->second);
    }
    return QString();
}

}  // namespace

QString StepsCoverage(const GridModel& table, const Wheel& wheel)
{
    return CoverageOf(wheel, SpokesOf(table, wheel));
}

LacingSteps StepsOf(const GridModel& table, const Wheel& wheel)
{
    LacingSteps result;
    const std::vector<StepSpoke> spokes = SpokesOf(table, wheel);
    if (wheel.hubHoles <= 0 || wheel.rimHoles <= 0) {
        result.note = CoverageOf(wheel, spokes);
        return result;
    }
    result.steps.push_back(ValveStep(wheel, spokes));
    result.note = CoverageOf(wheel, spokes);
    if (!result.note.isEmpty()) return result;

    std::vector<SpokeRow> rows;
    for (const StepSpoke& s : spokes) rows.push_back({0, s.rim, s.hub});
    const WheelCrossings crossings =
        CountCrossings(rows, {wheel.hubHoles, wheel.rimHoles, wheel.erd, wheel.leftFlange, wheel.rightFlange,
                              wheel.hubHoles != wheel.rimHoles || !EvenlySpacedHoles(wheel) ? wheel.angleDifference : 0.0,
                              LayoutOf(wheel)});

    // The crossed sides first, the right before the left; a radial side last,
    // as its spokes would stop the hub from turning.
    std::vector<bool> crossed;
    std::vector<bool> radial;
    for (const bool isLeft : {false, true}) (CrossOf(wheel, isLeft) > 0 ? crossed : radial).push_back(isLeft);

    struct Group {
        std::vector<StepSpoke> spokes;
        bool turnHub = false;
    };
    std::vector<Group> groups;
    for (const bool isLeft : crossed) groups.push_back({Flange(spokes, isLeft, StepLay::Trailing), false});
    for (std::size_t i = 0; i < crossed.size(); ++i)
        groups.push_back({Flange(spokes, crossed[i], StepLay::Leading), i == 0});
    for (const bool isLeft : radial) groups.push_back({Flange(spokes, isLeft), false});
    std::erase_if(groups, [](const Group& g) { return g.spokes.empty(); });
    if (groups.empty()) return result;

    // The key spoke: of the first group, the one whose rim hole is nearest the valve.
    const std::vector<StepSpoke>& first = groups.front().spokes;
    const StepSpoke key = *std::min_element(first.begin(), first.end(), [&](const StepSpoke& a, const StepSpoke& b) {
        return DistanceFromValve(wheel, a.rim) < DistanceFromValve(wheel, b.rim);
    });
    result.steps.push_back(KeyStep(wheel, key));
    bool fromLeft = key.left;
    for (std::size_t i = 0; i < groups.size(); ++i) {
        std::vector<StepSpoke> group = groups[i].spokes;
        if (i == 0) {
            std::stable_partition(group.begin(), group.end(),
                                  [&](const StepSpoke& s) { return s.hub == key.hub && s.rim == key.rim; });
        }
        const CrossingSpan& span = group.front().left ? crossings.left : crossings.right;
        result.steps.push_back(GroupStep(wheel, std::move(group), span, i == 0, groups[i].turnHub, fromLeft));
        fromLeft = result.steps.back().seenFromLeft;
    }
    return result;
}

QString StepSpokeList(const LacingStep& step)
{
    QStringList pairs;
    for (const StepSpoke& s : step.spokes)
        pairs << QCoreApplication::translate("LacingSteps", "hub %1 → rim %2").arg(s.hub).arg(s.rim);
    return pairs.join(QStringLiteral(";  "));
}

std::vector<StepSpoke> SpokesBefore(const LacingSteps& steps, int index)
{
    std::vector<StepSpoke> before;
    for (int i = 0; i < index && i < static_cast<int>(steps.steps.size()); ++i)
        for (const StepSpoke& s : steps.steps[static_cast<std::size_t>(i)].spokes)
            if (std::none_of(before.begin(), before.end(), [&](const StepSpoke& b) { return b.hub == s.hub; }))
                before.push_back(s);
    return before;
}

QString StepLayName(StepLay lay)
{
    switch (lay) {
    case StepLay::Trailing: return QStringLiteral("trailing");
    case StepLay::Leading: return QStringLiteral("leading");
    case StepLay::Radial: break;
    }
    return QStringLiteral("radial");
}

QString StepHeadName(StepHead head)
{
    switch (head) {
    case StepHead::In: return QStringLiteral("in");
    case StepHead::Out: return QStringLiteral("out");
    case StepHead::None: break;
    }
    return QString();
}

QString StepKindName(StepKind kind)
{
    switch (kind) {
    case StepKind::Valve: return QStringLiteral("valve");
    case StepKind::KeySpoke: return QStringLiteral("key spoke");
    case StepKind::Group: break;
    }
    return QStringLiteral("group");
}

}  // namespace rimora
