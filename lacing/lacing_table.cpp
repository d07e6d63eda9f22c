#include "lacing/lacing_table.h"

#include "lacing/crossing_rule.h"
#include "lacing/spoke_rows.h"

#include <optional>

namespace rimora {

void WriteHeadings(GridModel& table)
{
    table.SetRowFromCommaText(0, kLacingHeadings);
}

void RebuildHubLinks(GridModel& table, int hubCount, int rimCount)
{
    const int rows = table.RowCount();
    for (int r = 1; r < rows; ++r) table.SetCell(kToRimCol, r, LacingCell());

    bool countChecked = false;
    for (int r = 1; r < rows; ++r) {
        const LacingCell& link = table.Cell(kToHubCol, r);
        if (link.IsEmptyOrGap()) continue;
        if (!link.WholeNumber()) {
            table.SetCell(kToHubCol, r, LacingCell());
            continue;
        }
        const int hub = *link.WholeNumber();
        if (!countChecked) {
            CheckHoleCount(hubCount);
            countChecked = true;
        }
        if (hub < 1 || hub > hubCount || hub >= rows) table.SetCell(kToHubCol, r, LacingCell());
    }
    if (!countChecked) return;
    for (const SpokeRow& spoke : LacedSpokeRows(table, hubCount, rimCount > 0 ? rimCount : kMaxHoleCount).spokes)
        // Copied as it stands, so a restored table keeps its own spelling.
        table.SetCell(kToRimCol, spoke.hubHole, table.Cell(kRimCol, spoke.row));
}

}  // namespace rimora
