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

QString SpokeMark(SpokeLay lay, SpokeHead head)
{
    QString mark = lay == SpokeLay::Leading    ? QCoreApplication::translate("Lacing", "L", "a leading spoke")
                   : lay == SpokeLay::Trailing ? QCoreApplication::translate("Lacing", "T", "a trailing spoke")
                                               : QCoreApplication::translate("Lacing", "R", "a radial spoke");
    if (head != SpokeHead::Unmodelled)
        mark += QLatin1Char(' ') + (head == SpokeHead::In ? QCoreApplication::translate("Lacing", "in", "head")
                                                          : QCoreApplication::translate("Lacing", "out", "head"));
    return mark;
}

void PaintLacingCell(Canvas& canvas, const GridModel& table, int col, int row, const QRect& rect,
                     TColor leftSpokeColor, TColor rightSpokeColor, bool staleLength,
                     const std::function<bool(int)>& onLeft, const QString& mark)
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
        color = (onLeft ? onLeft(number) : number % 2 != 0) ? leftSpokeColor : rightSpokeColor;
    else if (col == kLengthCol && staleLength) {
        color = kStaleLengthColor;
        canvas.SetFontStyle(false, true);
    }
    canvas.SetFontColor(color);
    // Centred across; without single-line mode the text keeps to the top.
    canvas.DrawText(rect, DT_Center | DT_VCenter,
                    headings ? QCoreApplication::translate("Lacing", text.toUtf8().constData()) : text);
    if (!headings && col == kLengthCol && !mark.isEmpty()) {
        // Small and grey, apart from the length it stands beside.
        canvas.SetFontStyle(false, false);
        canvas.SetFontColor(kSpokeMarkColor);
        canvas.DrawText(rect.adjusted(0, 0, -4, 0), DT_Right | DT_VCenter | DT_SingleLine, mark);
    }
}

}  // namespace rimora
