#include "spokes/spoke_bill.h"

#include "lacing/crossing_rule.h"
#include "lacing/lacing_table.h"
#include "lacing/spoke_rows.h"
#include "platform/errors.h"
#include "platform/number_text.h"

#include <QCoreApplication>
#include <algorithm>
#include <vector>

namespace rimora {

namespace {

struct LengthEntry {
    LacingCell cell;  // the first of its spelling
    QString text;     // as the table shows it
    double millimetres = 0;
    int count = 0;
};

std::vector<LengthEntry> CollectLengths(const GridModel& grid)
{
    std::vector<LengthEntry> entries;
    for (int row = 1; row < grid.RowCount(); ++row) {
        const LacingCell& cell = grid.Cell(kLengthCol, row);
        const QString& text = cell.Spelling();
        if (text.isEmpty()) continue;
        const auto same = std::find_if(entries.begin(), entries.end(), [&](const LengthEntry& e) {
            return QString::compare(e.text, text, Qt::CaseInsensitive) == 0;
        });
        if (same != entries.end())
            ++same->count;
        else
            entries.push_back({cell, text, 0, 1});
    }
    return entries;
}

struct SideCounts {
    int left = 0;
    int right = 0;
};

// Every ->H text must read as a hole, but only the rows that are spokes count:
// a hub or rim hole laced twice counts once, as the lengths and the drawing
// count it.
SideCounts CountSides(const GridModel& grid, int hubCount, int rimCount, const HoleLayout& layout)
{
    for (int row = 1; row < grid.RowCount(); ++row)
        if (const LacingCell& hub = grid.Cell(kToHubCol, row); !hub.IsEmptyOrGap()) hub.RequireWholeNumber();
    SideCounts sides;
    for (const SpokeRow& spoke : LacedSpokeRows(grid, hubCount > 0 ? hubCount : kMaxHoleCount,
                                                rimCount > 0 ? rimCount : kMaxHoleCount).spokes) {
        if (layout.HubLeft(spoke.hubHole))
            ++sides.left;
        else
            ++sides.right;
    }
    return sides;
}

bool AnyHubLink(const GridModel& grid)
{
    for (int row = 1; row < grid.RowCount(); ++row)
        if (!grid.Cell(kToHubCol, row).IsEmptyOrGap()) return true;
    return false;
}

}  // namespace

void BuildSpokeSummary(const GridModel& grid, QStringList& lines, int hubCount, int rimCount, const HoleLayout& layout)
{
    std::vector<LengthEntry> entries = CollectLengths(grid);
    if (entries.empty() && !AnyHubLink(grid))
        throw EWheelInputError(QCoreApplication::translate(
            "Spokes",
            "The lacing table has no laced spoke: every ->H cell is empty or \"-\". Lace the wheel again by "
            "choosing a hole count or cross number on the \"Data\" tab, or type hub hole numbers into ->H, "
            "then press \"Summary!\" again."));
    if (entries.empty())
        throw EWheelInputError(QCoreApplication::translate(
            "Spokes",
            "There are no spoke lengths to list. Press \"Calc!\" to work them out, then press \"Summary!\" again."));
    for (LengthEntry& entry : entries) entry.millimetres = entry.cell.RequireMillimetres();
    const SideCounts sides = CountSides(grid, hubCount, rimCount, layout);

    // By value, so that 99.5 comes before 100.0 and no step is negative.
    std::stable_sort(entries.begin(), entries.end(),
                     [](const LengthEntry& a, const LengthEntry& b) { return a.millimetres < b.millimetres; });

    QStringList bill;
    double sum = 0;
    for (size_t i = 0; i < entries.size(); ++i) {
        const LengthEntry& entry = entries[i];
        QString line = entry.text + QStringLiteral("mm * ") + QString::number(entry.count) + QStringLiteral(" pcs");
        if (i > 0)
            line += QStringLiteral(" +") + LengthText(entry.millimetres - entries[i - 1].millimetres)
                    + QStringLiteral("mm");
        bill << line;
        sum += entry.millimetres;
    }
    const double spread = entries.back().millimetres - entries.front().millimetres;
    bill << QString();
    bill << QStringLiteral("difference: ") + LengthText(spread) + QStringLiteral("mm");
    bill << QStringLiteral("Average: ") + LengthText(sum / static_cast<double>(entries.size()))
                + QStringLiteral("mm");
    bill << QString();
    bill << QStringLiteral(" Left Side:%1 pcs").arg(sides.left);
    bill << QStringLiteral("Right Side:%1 pcs").arg(sides.right);
    bill << QStringLiteral("     Total:%1 pcs").arg(sides.left + sides.right);

    lines << bill;
}

}  // namespace rimora
