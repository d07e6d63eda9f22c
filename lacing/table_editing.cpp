#include "lacing/table_editing.h"

#include "lacing/crossing_rule.h"
#include "lacing/lacing_table.h"
#include "platform/errors.h"

#include <QCoreApplication>
#include <limits>

namespace rimora {

void InsertGapAndNumberDown(GridModel& table)
{
    const int col = table.Col();
    const int row = table.Row();
    const LacingCell& cell = table.Cell(col, row);
    const int base = cell.IsEmpty() ? 0 : cell.RequireWholeNumber();
    if (row < table.FixedRows())
        throw EListError(QCoreApplication::translate("Lacing", "The headings row cannot be renumbered"));
    // HUB, ->R and RIM number the holes themselves; only ->H and Length are edited.
    if (col < table.FixedCols())
        throw EListError(QCoreApplication::translate("Lacing", "Only the ->H and Length columns can be renumbered"));

    table.SetCell(col, row, LacingCell::Gap());
    // 64 bits, so a base near the integer limit still gives the plain sum;
    // a sum past it is text like any other, and read as such.
    for (int r = row + 1; r < table.RowCount(); ++r) {
        const qint64 number = static_cast<qint64>(base) + r;
        const QString spelling = QString::number(number);
        table.SetCell(col, r,
                      number <= std::numeric_limits<int>::max()
                          ? LacingCell::Hole(static_cast<int>(number), spelling)
                          : LacingCell::FromText(spelling));
    }
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
