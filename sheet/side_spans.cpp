#include "sheet/side_spans.h"

#include "lacing/lacing_table.h"
#include "spokes/wheel_notes.h"

#include <algorithm>

namespace rimora {

namespace {

// The rows CalcWheelSides reads: a length and a hub hole.
bool HoldsALength(const GridModel& table)
{
    for (int row = 1; row < table.RowCount(); ++row)
        if (!table.Cell(kLengthCol, row).IsEmpty() && !table.Cell(kToHubCol, row).IsEmptyOrGap()) return true;
    return false;
}

void Widen(SideSpan& span, const SideFigures& f)
{
    if (span.lengths == 0) {
        span.shortest = span.longest = f.length;
        span.shortestOrder = span.longestOrder = f.orderLength;
        span.flattest = span.steepest = f.bracingDegrees;
    } else {
        span.shortest = std::min(span.shortest, f.length);
        span.longest = std::max(span.longest, f.length);
        span.shortestOrder = std::min(span.shortestOrder, f.orderLength);
        span.longestOrder = std::max(span.longestOrder, f.orderLength);
        span.flattest = std::min(span.flattest, f.bracingDegrees);
        span.steepest = std::max(span.steepest, f.bracingDegrees);
    }
    ++span.lengths;
    span.spokes += f.spokes;
    span.tension = f.tension;
}

}  // namespace

WheelSpans SpansOf(const WheelSides& sides, const Wheel& n)
{
    WheelSpans spans;
    spans.left.crosses = n.leftCross;
    spans.right.crosses = n.rightCross;
    spans.left.crossings = sides.crossings.left;
    spans.right.crossings = sides.crossings.right;
    spans.left.equivalentCross = sides.leftEquivalentCross;
    spans.right.equivalentCross = sides.rightEquivalentCross;
    spans.left.flangeOffset = sides.offsets.left;
    spans.right.flangeOffset = sides.offsets.right;
    for (const SideFigures& f : sides.lines) Widen(f.side == SpokeSide::Left ? spans.left : spans.right, f);
    // A side with heads both ways has a length each way, not a range.
    for (SideSpan* span : {&spans.left, &spans.right}) {
        const SpokeSide which = span == &spans.left ? SpokeSide::Left : SpokeSide::Right;
        int in = 0;
        int out = 0;
        for (const SideFigures& f : sides.lines) {
            if (f.side != which) continue;
            if (f.head == SpokeHead::In && in++ == 0) span->headsIn = f.length;
            if (f.head == SpokeHead::Out && out++ == 0) span->headsOut = f.length;
        }
        if (in != 1 || out != 1 || span->lengths != 2) span->headsIn = span->headsOut = std::nullopt;
    }
    // The summary's lines are one per side and length, then the notes.
    spans.notes = SideSummaryLines(sides, n).mid(static_cast<qsizetype>(sides.lines.size()));
    return spans;
}

WheelSpans SpansOfTable(const GridModel& table, const Wheel& n)
{
    if (HoldsALength(table)) return SpansOf(CalcWheelSides(table, n), n);
    WheelSides none;
    none.offsets = ApplyRimOffset(n.leftOffset, n.rightOffset, n.rimOffset);
    none.crossings = CrossingsOfTable(table, n);
    return SpansOf(none, n);
}

QString CrossesText(const SideSpan& side)
{
    return CrossesText(side.crosses, side.crossings);
}

QString SpanText(const QString& low, const QString& high)
{
    return low == high ? low : low + QStringLiteral(" - ") + high;
}

}  // namespace rimora
