#include "lacing/lacing_table.h"

#include "lacing/crossing_rule.h"
#include "platform/convert.h"

#include <optional>

namespace rimora {

void WriteHeadings(GridModel& table)
{
    table.SetRowFromCommaText(0, kLacingHeadings);
}

void RebuildHubLinks(GridModel& table, int hubCount)
{
    const int rows = table.RowCount();
    for (int r = 1; r < rows; ++r) table.SetCells(kToRimCol, r, QString());

    bool countChecked = false;
    for (int r = 1; r < rows; ++r) {
        const QString text = table.Cells(kToHubCol, r);
        if (IsEmptyOrGap(text)) continue;
        int hub = 0;
        if (!TryStrToInt(text, hub)) {
            table.SetCells(kToHubCol, r, QString());
            continue;
        }
        if (!countChecked) {
            CheckHoleCount(hubCount);
            countChecked = true;
        }
        if (hub < 1 || hub > hubCount || hub >= rows) {
            table.SetCells(kToHubCol, r, QString());
            continue;
        }
        // Copied as it stands, so a restored table keeps its own spelling.
        table.SetCells(kToRimCol, hub, table.Cells(kRimCol, r));
    }
}

}  // namespace rimora
