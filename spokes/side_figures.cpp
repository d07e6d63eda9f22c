#include "spokes/side_figures.h"

#include "lacing/hole_layout.h"
#include "lacing/lacing_pattern.h"
#include "lacing/lacing_table.h"
#include "platform/errors.h"
#include "platform/number_text.h"
#include "spokes/spoke_length.h"
#include "spokes/wheel_notes.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace rimora {

namespace {

double Degrees(double radians)
{
    return radians * 180.0 / std::numbers::pi;
}

struct SideSpokes {
    std::vector<SideFigures> lengths;  // one per distinct length text
    double pull = 0;                   // Σ sin α over the side's spokes
    int spokes = 0;
};

void AddSpoke(SideSpokes& side, SpokeSide which, int crosses, const LacingCell& length, double effectiveOffset,
              double spokeHole, SpokeHead head)
{
    const QString& text = length.Spelling();
    auto same = std::find_if(side.lengths.begin(), side.lengths.end(),
                             [&](const SideFigures& f) { return f.lengthText == text && f.head == head; });
    if (same == side.lengths.end()) {
        SideFigures f;
        f.side = which;
        f.head = head;
        f.crosses = crosses;
        f.lengthText = text;
        f.length = length.RequireMillimetres();
        f.bracingDegrees = BracingDegrees(effectiveOffset, f.length, spokeHole);
        side.lengths.push_back(f);
        same = side.lengths.end() - 1;
    }
    ++same->spokes;
    ++side.spokes;
    side.pull += effectiveOffset / (same->length + spokeHole / 2.0);
}

// A figure of a spoke that is 0, below it, infinite or no number comes from
// a wheel that cannot be; it is refused rather than printed.
void RequirePositive(double value, const SideFigures& f, const QString& figure)
{
    if (!(std::isfinite(value) && value > 0))
        throw EWheelInputError(QCoreApplication::translate(
                                   "Spokes", "The spokes of %1 mm have no %2: the wheel's dimensions are out of range.")
                                   .arg(f.lengthText, figure));
}

void FinishSide(SideSpokes& side, double tension, const Wheel& n, std::vector<SideFigures>& out)
{
    std::sort(side.lengths.begin(), side.lengths.end(),
              [](const SideFigures& a, const SideFigures& b) { return a.length < b.length; });
    for (SideFigures& f : side.lengths) {
        f.tension = tension;
        f.stretch = SpokeStretch(tension, f.length, n.spokeDiameter);
        f.orderLength = OrderLength(f.length, f.stretch, n.orderStep);
        RequirePositive(f.length, f, QCoreApplication::translate("Spokes", "length"));
        RequirePositive(f.orderLength, f, QCoreApplication::translate("Spokes", "order length"));
        RequirePositive(f.bracingDegrees, f, QCoreApplication::translate("Spokes", "bracing angle"));
        RequirePositive(f.tension, f, QCoreApplication::translate("Spokes", "tension"));
        out.push_back(f);
    }
}

QString Count(int value)
{
    return QString::number(value);
}

// The length as the table shows it (it may have been typed there), in the
// line's marks.
QString Ungrouped(const QString& lengthText)
{
    return QString(lengthText).remove(QLocale().groupSeparator());
}

constexpr Marks kLine = Marks::RegionUngrouped;

}  // namespace

double BracingDegrees(double effectiveOffset, double length, double spokeHole)
{
    return Degrees(std::asin(std::clamp(effectiveOffset / (length + spokeHole / 2.0), -1.0, 1.0)));
}

double SpokeStretch(double tensionKgf, double length, double spokeDiameter)
{
    const double area = std::numbers::pi * spokeDiameter * spokeDiameter / 4.0;
    return tensionKgf * kStandardGravity * length / (area * kStainlessModulus);
}

double OrderLength(double length, double stretch, int step)
{
    const double steps = (length - stretch) / step;
    // Nearest size; a length exactly between two sizes takes the shorter one,
    // which leaves the spoke short of the nipple's top rather than bottoming out.
    return std::ceil(steps - 0.5) * step;
}

WheelSides CalcWheelSides(const GridModel& grid, const Wheel& n)
{
    WheelSides result;
    result.offsets = ApplyRimOffset(n.leftOffset, n.rightOffset, n.rimOffset);
    Wheel moved = n;
    moved.leftOffset = result.offsets.left;
    moved.rightOffset = result.offsets.right;
    SideSpokes left;
    SideSpokes right;
    const HoleLayout layout = LayoutOf(n);
    double spanSums[2] = {0, 0};  // |θ| of the left, the right side
    int spanCounts[2] = {0, 0};
    int inOtherSideHoles = 0;
    for (int row = 1; row < grid.RowCount(); ++row) {
        const LacingCell& length = grid.Cell(kLengthCol, row);
        const LacingCell& hub = grid.Cell(kToHubCol, row);
        if (length.IsEmpty() || hub.IsEmptyOrGap()) continue;
        const int hubHole = hub.RequireWholeNumber();
        const bool onLeft = layout.HubLeft(hubHole);
        SpokeLine line;
        line.offset = onLeft ? result.offsets.left : result.offsets.right;
        const std::optional<int> rimHole = grid.Cell(kRimCol, row).WholeNumber();
        if (rimHole && n.hubHoles > 0 && n.rimHoles > 0) {
            // The head moves the spoke's bend off the flange's middle, and with it the spoke's lean.
            const SpokeLine laced =
                LineOfSpoke(moved, onLeft, layout.Span(hubHole, *rimHole) + RimTurnInUse(n));
            if (HeadsModelled(n, onLeft)) line = laced;
            spanSums[onLeft ? 0 : 1] += std::fabs(FoldedSpan(laced.span));
            ++spanCounts[onLeft ? 0 : 1];
            const int drilled = layout.RimSide(*rimHole);
            if (drilled != 0 && (drilled > 0) != onLeft) ++inOtherSideHoles;
            std::optional<double>& entry = onLeft ? result.leftEntry : result.rightEntry;
            entry = std::min(entry.value_or(90.0), laced.entryDegrees);
        }
        if (onLeft)
            AddSpoke(left, SpokeSide::Left, n.leftCross, length, line.offset, n.spokeHole, line.head);
        else
            AddSpoke(right, SpokeSide::Right, n.rightCross, length, line.offset, n.spokeHole, line.head);
    }
    if (left.spokes + right.spokes == 0)
        throw EWheelInputError(QCoreApplication::translate(
            "Spokes", "There are no spoke lengths yet. Choose the hub and rim hole counts on the \"Data\" tab first."));

    // Both sides pull the rim sideways by Σ T · sin α; they balance when the
    // flatter side runs at the steeper side's tension times the ratio of pulls.
    double leftTension = n.tension;
    double rightTension = n.tension;
    if (left.spokes > 0 && right.spokes > 0) {
        if (left.pull >= right.pull)
            leftTension = n.tension * right.pull / left.pull;
        else
            rightTension = n.tension * left.pull / right.pull;
    }
    FinishSide(left, leftTension, n, result.lines);
    FinishSide(right, rightTension, n, result.lines);
    result.leftSpokes = left.spokes;
    result.rightSpokes = right.spokes;
    result.weightedByCounts = left.spokes > 0 && right.spokes > 0 && left.spokes != right.spokes;
    result.crossings = CrossingsOfTable(grid, n);
    if (!EvenlySpacedHoles(n)) {
        const auto equivalent = [&](int side) -> std::optional<double> {
            if (spanCounts[side] == 0) return std::nullopt;
            return spanSums[side] / spanCounts[side] / (360.0 / spanCounts[side]);
        };
        result.leftEquivalentCross = equivalent(0);
        result.rightEquivalentCross = equivalent(1);
        if (layout.TwoToOne() && layout.drilling == AlternateDrilling) result.inOtherSideHoles = inOtherSideHoles;
    }
    return result;
}

QString EntryAngleNote(const WheelSides& sides)
{
    const double smallest = std::min(sides.leftEntry.value_or(90.0), sides.rightEntry.value_or(90.0));
    if (smallest >= kEntryNoteDegrees) return {};
    const QString angle = AngleText(smallest, kLine);
    return smallest < kEntryWarningDegrees
               ? QCoreApplication::translate("Spokes",
                                             "Warning: a spoke meets its nipple at %1° to the rim, beyond what most "
                                             "rims and nipples take; the nipple bends or the spoke breaks at its "
                                             "thread.")
                     .arg(angle)
               : QCoreApplication::translate("Spokes", "A spoke meets its nipple at %1° to the rim: check the nipple "
                                                       "seats.")
                     .arg(angle);
}

QStringList SideSummaryLines(const WheelSides& sides, const Wheel& n)
{
    QStringList lines;
    for (const SideFigures& f : sides.lines) {
        const QString line =
            f.side == SpokeSide::Left
                ? QCoreApplication::translate(
                      "Spokes", "Left : %1 pcs %2 cross  length %3mm  order %4mm  bracing %5°  tension %6kgf")
                : QCoreApplication::translate(
                      "Spokes", "Right: %1 pcs %2 cross  length %3mm  order %4mm  bracing %5°  tension %6kgf");
        const CrossingSpan& crossings = f.side == SpokeSide::Left ? sides.crossings.left : sides.crossings.right;
        QString text = line.arg(Count(f.spokes), CrossesText(f.crosses, crossings), Ungrouped(f.lengthText),
                                OrderLengthText(f.orderLength, kLine), AngleText(f.bracingDegrees, kLine),
                                TensionText(f.tension, kLine));
        if (f.head != SpokeHead::Unmodelled)
            text += QStringLiteral("  ") + (f.head == SpokeHead::In ? QCoreApplication::translate("Spokes", "heads in")
                                                                    : QCoreApplication::translate("Spokes", "heads out"));
        lines << text;
    }
    const bool plainHub = n.hubKind != StraightPullHub && !HeadsModelled(n, true) && !HeadsModelled(n, false);
    if (!plainHub || !EntryAngleNote(sides).isEmpty()) {
        const auto side = [](const std::optional<double>& a) { return a ? AngleText(*a, kLine) + QStringLiteral("°") : QStringLiteral("-"); };
        lines << QCoreApplication::translate("Spokes", "Nipple entry, smallest: left %1  right %2")
                     .arg(side(sides.leftEntry), side(sides.rightEntry));
    }
    if (n.rimOffset > 0)
        lines << (sides.offsets.holesTowardLeft
                      ? QCoreApplication::translate("Spokes", "Rim holes %1mm to the left: WL' %2mm  WR' %3mm")
                      : QCoreApplication::translate("Spokes", "Rim holes %1mm to the right: WL' %2mm  WR' %3mm"))
                     .arg(LengthText(n.rimOffset, kLine), LengthText(sides.offsets.left, kLine),
                          LengthText(sides.offsets.right, kLine));
    if (sides.leftEquivalentCross || sides.rightEquivalentCross) {
        const auto cross = [](const std::optional<double>& x) { return x ? DecimalText(*x, 3, kLine) : QStringLiteral("-"); };
        lines << QCoreApplication::translate("Spokes", "Equivalent cross: left %1  right %2")
                     .arg(cross(sides.leftEquivalentCross), cross(sides.rightEquivalentCross));
    }
    if (sides.inOtherSideHoles)
        lines << QCoreApplication::translate("Spokes", "Spokes in rim holes drilled for the other flange: %1")
                     .arg(*sides.inOtherSideHoles);
    if (sides.weightedByCounts)
        lines << QCoreApplication::translate("Spokes", "Tensions weighed by spoke counts: %1 left, %2 right")
                     .arg(sides.leftSpokes)
                     .arg(sides.rightSpokes);
    return lines;
}

}  // namespace rimora
