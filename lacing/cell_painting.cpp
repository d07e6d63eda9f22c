#include "lacing/cell_painting.h"

#include "lacing/lacing_table.h"
#include "platform/convert.h"

namespace rimora {

void PaintLacingCell(Canvas& canvas, const GridModel& table, int col, int row, const QRect& rect,
                     TColor leftSpokeColor, TColor rightSpokeColor)
{
    canvas.SetBrushColor(row % 2 == 0 ? colors::InactiveBorder : colors::WindowBackground);
    canvas.FillRect(rect);

    const QString text = table.Cells(col, row);
    const bool headings = row < 1;
    int number = 0;
    const bool isNumber = TryStrToInt(text, number);
    if (!headings && col <= kToHubCol && !isNumber) return;

    TColor color = colors::Black;
    if (headings)
        color = kLacingHeadingColor;
    else if (col == kHubCol || col == kToHubCol)
        color = (number % 2 != 0) ? leftSpokeColor : rightSpokeColor;
    canvas.SetFontColor(color);
    // Centred across; without single-line mode the text keeps to the top.
    canvas.DrawText(rect, DT_Center | DT_VCenter, text);
}

}  // namespace rimora
