#include "lacing/table_editing.h"

#include "lacing/crossing_rule.h"
#include "lacing/lacing_table.h"
#include "platform/convert.h"
#include "platform/errors.h"

#include <QCoreApplication>

namespace rimora {

void InsertGapAndNumberDown(GridModel& table)
{
    const int col = table.Col();
    const int row = table.Row();
    const QString text = table.Cells(col, row);
    const int base = text.isEmpty() ? 0 : StrToInt(text);
    if (row < table.FixedRows())
        throw EListError(QCoreApplication::translate("Lacing", "The headings row cannot be renumbered"));
    // HUB, ->R and RIM number the holes themselves; only ->H and Length are edited.
    if (col < table.FixedCols())
        throw EListError(QCoreApplication::translate("Lacing", "Only the ->H and Length columns can be renumbered"));

    table.SetCells(col, row, kGapMark);
    // 64 bits, so a base near the integer limit still gives the plain sum.
    for (int r = row + 1; r < table.RowCount(); ++r)
        table.SetCells(col, r, QString::number(static_cast<qint64>(base) + r));
}

double HalfPitchAngle(int hubCount, int rimCount)
{
    const int hub = CheckHoleCount(hubCount);
    const int rim = CheckHoleCount(rimCount);
    if (hub == rim) return 0;
    const double hubPitch = 360.0 / hub;
    const double rimPitch = 360.0 / rim;
    return (hubPitch > rimPitch ? hubPitch : rimPitch) / 2.0;
}

}  // namespace rimora
