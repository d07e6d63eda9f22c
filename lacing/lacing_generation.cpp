#include "lacing/lacing_generation.h"

#include "lacing/crossing_rule.h"
#include "lacing/lacing_pattern.h"
#include "lacing/lacing_table.h"
#include "lacing/two_to_one_lacing.h"
#include "platform/convert.h"
#include "platform/errors.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>

namespace rimora {

namespace {

LacingCell HoleCell(int number)
{
    return LacingCell::Hole(number, FormatHoleNumber(number));
}

}  // namespace

QString MissingHoleCountHint(int hubCount, int rimCount)
{
    if (hubCount > 0 && rimCount > 0) return QString();
    if (hubCount <= 0 && rimCount <= 0)
        return QCoreApplication::translate("Lacing",
                                           "Choose the hub and rim hole counts on the \"Data\" tab to lace the wheel.");
    return hubCount <= 0
               ? QCoreApplication::translate("Lacing",
                                             "Choose the hub hole count (HUB) on the \"Data\" tab to lace the wheel.")
               : QCoreApplication::translate("Lacing",
                                             "Choose the rim hole count (RIM) on the \"Data\" tab to lace the wheel.");
}

void ClearLacingTable(GridModel& table)
{
    for (int r = 1; r < table.RowCount(); ++r)
        for (int c = 0; c < table.ColCount(); ++c) table.SetCell(c, r, LacingCell());
}

namespace {

// The plan into a cleared table: a row per hole of the larger circle, ->H
// carrying the lacing and ->R written as its inverse at once.
void WritePlan(GridModel& table, int hub, int rim, const LacingPlan& plan)
{
    // Nothing of an earlier pattern may survive, whoever called us.
    ClearLacingTable(table);
    table.SetRowCount(std::max(hub, rim) + 1);
    for (int r = 1; r <= hub; ++r) table.SetCell(kHubCol, r, HoleCell(r));
    for (int r = 1; r <= rim; ++r) table.SetCell(kRimCol, r, HoleCell(r));
    for (const PlannedSpoke& spoke : plan.spokes) {
        table.SetCell(kToHubCol, spoke.rim, HoleCell(spoke.hub));
        table.SetCell(kToRimCol, spoke.hub, HoleCell(spoke.rim));
    }
}

}  // namespace

QString LaceTable(GridModel& table, int hubCount, int rimCount, int leftCross,
                  int rightCross, const FlangeReach& reach)
{
    // Say what is missing instead of a bare conversion message about an empty text.
    if (const QString missing = MissingHoleCountHint(hubCount, rimCount); !missing.isEmpty())
        throw EWheelInputError(missing);
    const int hub = CheckHoleCount(hubCount);
    const int rim = CheckHoleCount(rimCount);
    const int left = LimitCrossNumber(leftCross);
    const int right = LimitCrossNumber(rightCross);

    const LacingPlan plan = PlanLacing(hub, rim, left, right);
    WritePlan(table, hub, rim, plan);
    QStringList notes;
    notes << AlternationNote(plan, hub, rim, left, right)
          << BeyondTangentNote(plan, hub, rim, left, right, reach);
    notes.removeAll(QString());
    return notes.join(QLatin1Char(' '));
}

QString LaceTable(GridModel& table, const HoleLayout& layout, int leftCross, int rightCross, int pattern,
                  const FlangeReach& reach)
{
    if (!layout.TwoToOne() || layout.hubCount < 1 || layout.rimCount < 1) {
        if (const QString problem = LayoutProblem(layout); !problem.isEmpty()) throw EWheelInputError(problem);
        return LaceTable(table, layout.hubCount, layout.rimCount, leftCross, rightCross, reach);
    }
    if (const QString missing = MissingHoleCountHint(layout.hubCount, layout.rimCount); !missing.isEmpty())
        throw EWheelInputError(missing);
    const int hub = CheckHoleCount(layout.hubCount);
    CheckHoleCount(layout.rimCount);
    if (const QString problem = LayoutProblem(layout); !problem.isEmpty()) throw EWheelInputError(problem);
    const int left = LimitCrossNumber(leftCross);
    const int right = LimitCrossNumber(rightCross);
    // A 2:1 hub laces a rim of its own count: one row per hole of both.
    WritePlan(table, hub, hub, PlanTwoToOne(layout, left, right, pattern));
    return {};
}

}  // namespace rimora
