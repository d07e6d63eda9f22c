#pragma once
// The sheet's lacing table: one row per spoke (hub hole, rim hole, side, lay,
// length, order length) at the body's size, in as many columns as the page's
// width holds. A wheel whose rows do not fit under the rest of the first page
// goes on over further pages; the type never shrinks to make them fit.
#include "platform/color.h"
#include "sheet/laced_spokes.h"

#include <QPainter>
#include <QRectF>
#include <vector>

namespace rimora {

// One page's share of the table: its area (heading included) and the spokes
// first .. first + count - 1, down each column in turn.
struct TablePage {
    QRectF area;
    int first = 0;
    int count = 0;
    int rowsPerColumn = 0;
};

// The columns of table rows that `width` holds side by side (1 to 4).
int TableColumnsFor(double width);

// The rows one column takes in `area` under the heading and the column heads.
int TableRowsIn(const QRectF& area);

// `spokes` rows over `first` and then as many `next` areas as they need; a
// first area too small for a row takes none. Each page's rows are spread
// evenly over its columns.
std::vector<TablePage> PageTable(int spokes, int columns, const QRectF& first, const QRectF& next);

// The table's part on one page; `continued` marks the heading of a part
// after the first.
void PaintLacingTable(QPainter& p, const TablePage& page, int columns, const std::vector<LacedSpoke>& spokes,
                      TColor leftColour, TColor rightColour, bool continued);

// How a spoke lies ("leading", "trailing", "radial"), with its head where
// heads are modelled ("leading, in").
QString LayText(SpokeLay lay);
QString LayAndHead(SpokeLay lay, SpokeHead head);
// The same with the angle it meets its nipple at, for the window's table:
// "trailing, out; meets its nipple at 86.0°".
QString SpokeDescription(const LacedSpoke& spoke);

}  // namespace rimora
