#include "app/cell_painting.h"

#include "lacing/lacing_table.h"

#include <QCoreApplication>

namespace rimora {

namespace {

// The files keep the English headings in the table's first row; they are
// shown in the user's language. "->R" and "->H" are signs, not words.
[[maybe_unused]] const char* const kShownHeadings[] = {QT_TRANSLATE_NOOP("Lacing", "HUB"),
                                                       QT_TRANSLATE_NOOP("Lacing", "RIM"),
                                                       QT_TRANSLATE_NOOP("Lacing", "Length")};

}  // namespace

void PaintLacingCell(Canvas& canvas, const GridModel& table, int col, int row, const QRect& rect,
                     TColor leftSpokeColor, TColor rightSpokeColor, bool staleLength)
{
    canvas.SetBrushColor(row % 2 == 0 ? colors::InactiveBorder : colors::WindowBackground);
    canvas.FillRect(rect);

    const LacingCell& cell = table.Cell(col, row);
    const QString& text = cell.Spelling();
    const bool headings = row < 1;
    const int number = cell.WholeNumber().value_or(0);
    if (!headings && col <= kToHubCol && !cell.WholeNumber()) return;

    TColor color = colors::Black;
    if (headings)
        color = kLacingHeadingColor;
    else if (col == kHubCol || col == kToHubCol)
        color = (number % 2 != 0) ? leftSpokeColor : rightSpokeColor;
    else if (col == kLengthCol && staleLength) {
        color = kStaleLengthColor;
        canvas.SetFontStyle(false, true);
    }
    canvas.SetFontColor(color);
    // Centred across; without single-line mode the text keeps to the top.
    canvas.DrawText(rect, DT_Center | DT_VCenter,
                    headings ? QCoreApplication::translate("Lacing", text.toUtf8().constData()) : text);
}

}  // namespace rimora
