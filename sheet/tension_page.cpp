#include "sheet/tension_page.h"

#include "platform/number_text.h"
#include "sheet/sheet_type.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>

namespace rimora {

namespace {

constexpr double kMargin = 40;
// Rim, side, reading, kgf, mark: a column block's cells.
constexpr double kCells[] = {44, 44, 70, 70, 84};
constexpr double kBlockGap = 16;

double BlockWidth()
{
    double width = 0;
    for (const double cell : kCells) width += cell;
    return width;
}

QString MarkText(SpokeMark mark)
{
    switch (mark) {
    case SpokeMark::Low: return QCoreApplication::translate("TensionSheet", "tighten");
    case SpokeMark::High: return QCoreApplication::translate("TensionSheet", "loosen");
    case SpokeMark::BelowTable: return QCoreApplication::translate("TensionSheet", "below chart");
    case SpokeMark::AboveTable: return QCoreApplication::translate("TensionSheet", "above chart");
    default: return QString();
    }
}

QString SideLine(const QString& name, const SideRound& side, bool withRound, const TensionReport& r)
{
    if (side.target <= 0) return QCoreApplication::translate("TensionSheet", "%1: no target (no length)").arg(name);
    QString line = QCoreApplication::translate("TensionSheet", "%1: target %2 kgf, band %3 – %4 kgf")
                       .arg(name, TensionText(side.target), TensionText(side.low), TensionText(side.high));
    if (!withRound || side.read == 0) return line;
    QStringList rims;
    for (const int i : side.outside) rims << QString::number(r.spokes[static_cast<std::size_t>(i)].rim);
    line += QCoreApplication::translate("TensionSheet", ";  mean %1 kgf, spread %2 kgf").arg(TensionText(side.mean), TensionText(side.spread));
    line += rims.isEmpty() ? QCoreApplication::translate("TensionSheet", ";  all within the band") : QCoreApplication::translate("TensionSheet", ";  outside: rim %1").arg(rims.join(QStringLiteral(", ")));
    return line;
}

}  // namespace

void PaintTensionPage(QPainter& p, const QSizeF& page, const TensionReport& r, const QString& title, TColor leftColour,
                      TColor rightColour)
{
    p.save();
    p.setPen(Qt::black);
    const double width = page.width() - 2 * kMargin;
    double y = kMargin;

    p.setFont(SheetFont(20, true));
    p.drawText(QRectF(kMargin, y, width, 30), Qt::AlignLeft | Qt::AlignVCenter,
               (r.round ? QCoreApplication::translate("TensionSheet", "Tension round: %1") : QCoreApplication::translate("TensionSheet", "Tension form: %1")).arg(title));
    y += 36;
    p.setFont(SheetFont(kSheetBodyPx));
    QString about;
    if (r.round) {
        about = QCoreApplication::translate("TensionSheet", "%1, %2, %3, %4")
                    .arg(r.round->label.isEmpty() ? QCoreApplication::translate("TensionSheet", "(no label)") : r.round->label,
                         QLocale().toString(r.round->time.toLocalTime(), QLocale::ShortFormat), r.round->meter,
                         r.round->kind);
        if (!r.chartFound) about += QCoreApplication::translate("TensionSheet", "  (no chart for this meter and spoke kind: readings only)");
    } else {
        about = QCoreApplication::translate("TensionSheet", "Meter: ________________   Spoke kind: ________________   Date: ____________   "
                   "Round: ____________");
    }
    p.drawText(QRectF(kMargin, y, width, kSheetRow), Qt::AlignLeft | Qt::AlignVCenter, about);
    y += kSheetRow + 4;
    const SideRound* sides[] = {&r.figures.left, &r.figures.right};
    for (int s = 0; s < 2; ++s) {
        const double mark = PaintSideMark(p, QRectF(kMargin, y, kSideMarkWidth, kSheetRow), s == 0 ? leftColour : rightColour, s == 0);
        p.setPen(Qt::black);
        p.drawText(QRectF(kMargin + mark + 4, y, width - mark, kSheetRow), Qt::AlignLeft | Qt::AlignVCenter,
                   SideLine(s == 0 ? QCoreApplication::translate("TensionSheet", "Left") : QCoreApplication::translate("TensionSheet", "Right"), *sides[s], r.round.has_value(), r));
        y += kSheetRow;
    }
    y += 10;

    // The spokes in blocks of columns, as many as the page's width holds.
    const int count = static_cast<int>(r.spokes.size());
    const double rowHeight = r.round ? kSheetRow : kSheetRow + 6;  // room to write in
    const int perBlock = std::max(1, static_cast<int>((page.height() - kMargin - y - rowHeight) / rowHeight));
    const int blocks = std::max(1, (count + perBlock - 1) / perBlock);
    const int rows = std::min(count, (count + blocks - 1) / blocks);
    const QString heads[] = {QCoreApplication::translate("TensionSheet", "Rim"), QCoreApplication::translate("TensionSheet", "Side"), QCoreApplication::translate("TensionSheet", "Reading"), QCoreApplication::translate("TensionSheet", "kgf"), r.round ? QCoreApplication::translate("TensionSheet", "Outside") : QString()};
    for (int b = 0; b < blocks; ++b) {
        const double x0 = kMargin + b * (BlockWidth() + kBlockGap);
        if (x0 + BlockWidth() > page.width() - kMargin / 2) break;
        double x = x0;
        p.setFont(SheetFont(kSheetBodyPx, true));
        for (std::size_t c = 0; c < std::size(kCells); ++c) {
            p.drawText(QRectF(x + 3, y, kCells[c] - 6, rowHeight), Qt::AlignLeft | Qt::AlignVCenter, heads[c]);
            x += kCells[c];
        }
        p.setFont(SheetFont(kSheetBodyPx));
        for (int i = b * rows; i < std::min(count, (b + 1) * rows); ++i) {
            const auto at = static_cast<std::size_t>(i);
            const RoundSpoke& spoke = r.spokes[at];
            const double top = y + rowHeight * (i - b * rows + 1);
            p.setPen(QColor(0xc0, 0xc0, 0xc0));
            p.drawLine(QPointF(x0, top + rowHeight), QPointF(x0 + BlockWidth(), top + rowHeight));
            p.setPen(Qt::black);
            x = x0;
            p.drawText(QRectF(x, top, kCells[0] - 8, rowHeight), Qt::AlignRight | Qt::AlignVCenter,
                       QString::number(spoke.rim));
            x += kCells[0];
            const double mark = PaintSideMark(p, QRectF(x, top, kCells[1], rowHeight),
                                              spoke.left ? leftColour : rightColour, spoke.left);
            p.setPen(Qt::black);
            p.drawText(QRectF(x + mark + 2, top, kCells[1] - mark - 2, rowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                       SideLetter(spoke.left));
            x += kCells[1];
            if (!r.round) {
                p.drawRect(QRectF(x + 4, top + 3, kCells[2] - 12, rowHeight - 6));
                continue;
            }
            const std::optional<double> reading = ReadingOf(*r.round, spoke);
            if (reading)
                p.drawText(QRectF(x, top, kCells[2] - 10, rowHeight), Qt::AlignRight | Qt::AlignVCenter,
                           QLocale().toString(*reading, 'g', 6));
            x += kCells[2];
            p.drawText(QRectF(x, top, kCells[3] - 10, rowHeight), Qt::AlignRight | Qt::AlignVCenter,
                       KgfText(r.figures, at, Marks::Region));
            x += kCells[3];
            const QString outside = MarkText(r.figures.marks[at]);
            if (!outside.isEmpty()) {
                p.setFont(SheetFont(kSheetBodyPx, true));
                p.drawText(QRectF(x + 3, top, kCells[4] - 6, rowHeight), Qt::AlignLeft | Qt::AlignVCenter, outside);
                p.setFont(SheetFont(kSheetBodyPx));
            }
        }
    }
    p.restore();
}

}  // namespace rimora
