#include "lacing/lacing_generation.h"

#include "lacing/crossing_rule.h"
#include "lacing/lacing_table.h"
#include "platform/convert.h"
#include "platform/errors.h"

#include <algorithm>
#include <vector>

namespace rimora {

namespace {

struct Crossing {
    int left;
    int right;
};

// Both link columns from the same rule; on a circle whose count is a multiple
// of 4 and an odd cross number the rule is its own inverse, so the two agree.
// For other counts ->R is not yet the inverse; the rebuild before drawing makes it so.
void LaceEqualCounts(GridModel& table, int holes, Crossing cross)
{
    for (int r = 1; r <= holes; ++r)
        table.SetCells(kToRimCol, r, CrossedHole(table.Cells(kHubCol, r), holes, cross.left, cross.right));
    for (int r = 1; r <= holes; ++r)
        table.SetCells(kToHubCol, r, CrossedHole(table.Cells(kHubCol, r), holes, cross.left, cross.right));
}

// The rim has more holes. Every q-th rim hole stays empty; the k-th rim hole
// that carries a spoke is laced as if the rim had as many holes as the hub,
// which gives hub holes 1 .. hub. ->R as written here is the crossing of the
// rim row's own number, not yet the inverse; the rebuild before drawing
// replaces it.
void LaceMoreRimHoles(GridModel& table, int hub, int rim, Crossing cross)
{
    const int q = rim / (rim - hub);
    int k = 1;
    for (int i = 1; i <= rim; ++i) {
        if (i % q == 0) {
            table.SetCells(kToHubCol, i, QString());
        } else {
            table.SetCells(kToHubCol, i, CrossedHole(FormatHoleNumber(k), hub, cross.left, cross.right));
            ++k;
        }
    }
    for (int i = 1; i <= rim; ++i) {
        const QString link = table.Cells(kToHubCol, i);
        if (link.isEmpty()) continue;
        const QString partner = CrossedHole(table.Cells(kRimCol, i), hub, cross.left, cross.right);
        table.SetCells(kToRimCol, StrToInt(link), partner);
    }
}

// The nearest rim hole after `start` in the spoke's direction that no spoke
// uses yet, of the same parity if there is one.
int NearestFreeRimHole(const std::vector<bool>& used, int start, int direction, int rim)
{
    for (int stride : {2, 1}) {
        for (int t = 1; t <= rim; ++t) {
            const int hole = ((start - 1 + direction * stride * t) % rim + rim) % rim + 1;
            if (!used[static_cast<size_t>(hole)]) return hole;
        }
    }
    return 0;
}

// The hub has more holes. Taking the crossing rule over the hub count here
// would name rim holes that do not exist (36 hub / 32 rim / 3 cross gives rim
// holes 33 .. 36). Instead this mirrors the case above: every q-th hub hole
// stays empty, and the k-th hub hole that carries a spoke is laced as if the
// hub had as many holes as the rim, so the partner is the crossing of k taken
// over the rim count. The cross number follows k's side, as it follows the
// hub hole's side above; after an odd number of empty hub holes that is the
// other flange's number, which matters only when the two cross numbers differ.
// On a rim whose count is a multiple of 4 this is a one-to-one map onto the
// rim holes. On other rims (18) two spokes can meet at one hole; the later one
// moves on to the nearest free hole of the same parity in its direction. ->H
// is written as the exact inverse: the hub hole's own number at its rim hole.
// With both cross numbers 0 this is the same lacing as the rim-side rule.
void LaceMoreHubHoles(GridModel& table, int hub, int rim, Crossing cross)
{
    const int q = hub / (rim - hub);  // negative; only its size matters
    std::vector<bool> used(static_cast<size_t>(rim) + 1, false);
    int k = 1;
    for (int i = 1; i <= hub; ++i) {
        if (i % q == 0) {
            table.SetCells(kToRimCol, i, QString());
            continue;
        }
        const int side = (k % 2 != 0) ? cross.left : cross.right;
        const int direction = ((k % 4) <= 1 || side == 0) ? 1 : -1;
        int hole = CrossedHoleNumber(k, rim, cross.left, cross.right);
        if (used[static_cast<size_t>(hole)]) hole = NearestFreeRimHole(used, hole, direction, rim);
        ++k;
        if (hole == 0) {  // cannot happen: never more spokes than rim holes
            table.SetCells(kToRimCol, i, QString());
            continue;
        }
        used[static_cast<size_t>(hole)] = true;
        table.SetCells(kToRimCol, i, FormatHoleNumber(hole));
        table.SetCells(kToHubCol, hole, table.Cells(kHubCol, i));
    }
}

}  // namespace

QString MissingHoleCountHint(const QString& hubCountText, const QString& rimCountText)
{
    if (!hubCountText.isEmpty() && !rimCountText.isEmpty()) return QString();
    return QStringLiteral("Choose the %1 on the \"Data\" tab to lace the wheel.")
        .arg(hubCountText.isEmpty() && rimCountText.isEmpty() ? QStringLiteral("hub and rim hole counts")
             : hubCountText.isEmpty()                         ? QStringLiteral("hub hole count (HUB)")
                                                              : QStringLiteral("rim hole count (RIM)"));
}

void ClearLacingTable(GridModel& table)
{
    for (int r = 1; r < table.RowCount(); ++r)
        for (int c = 0; c < table.ColCount(); ++c) table.SetCells(c, r, QString());
}

void LaceTable(GridModel& table, const QString& hubCountText, const QString& rimCountText, int leftCross,
               int rightCross)
{
    // Say what is missing instead of a bare conversion message about an empty text.
    if (const QString missing = MissingHoleCountHint(hubCountText, rimCountText); !missing.isEmpty())
        throw EWheelInputError(missing);
    const int hub = HoleCountFromText(hubCountText);
    const int rim = HoleCountFromText(rimCountText);
    const Crossing cross{LimitCrossNumber(leftCross), LimitCrossNumber(rightCross)};

    // Nothing of an earlier pattern may survive, whoever called us.
    ClearLacingTable(table);
    table.SetRowCount(std::max(hub, rim) + 1);
    for (int r = 1; r <= hub; ++r) table.SetCells(kHubCol, r, FormatHoleNumber(r));
    for (int r = 1; r <= rim; ++r) table.SetCells(kRimCol, r, FormatHoleNumber(r));

    if (rim == hub)
        LaceEqualCounts(table, hub, cross);
    else if (rim > hub)
        LaceMoreRimHoles(table, hub, rim, cross);
    else
        LaceMoreHubHoles(table, hub, rim, cross);
}

}  // namespace rimora
