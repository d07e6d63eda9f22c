#include "sheet/sheet_table.h"

#include "platform/number_text.h"
#include "sheet/sheet_type.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <algorithm>
#include <array>
#include <cmath>

namespace rimora {

namespace {

constexpr double kHeading = 22;
constexpr double kColumnGap = 12;
constexpr double kFieldPad = 8;
constexpr int kFields = 6;  // hub, rim, side, lay, length, order

QString Heads(int field)
{
    switch (field) {
    case 0: return QCoreApplication::translate("Sheet", "Hub");
    case 1: return QCoreApplication::translate("Sheet", "Rim");
    case 2: return QCoreApplication::translate("Sheet", "Side");
    case 3: return QCoreApplication::translate("Sheet", "Lay");
    case 4: return QCoreApplication::translate("Sheet", "Length");
    default: return QCoreApplication::translate("Sheet", "Order");
    }
}

// The widest text each field holds, heads included, at the body's size.
std::array<double, kFields> FieldWidths()
{
    const QFontMetricsF plain(SheetFont(kSheetBodyPx));
    const QFontMetricsF bold(SheetFont(kSheetBodyPx, true));
    const QString widest[kFields] = {QStringLiteral("00"), QStringLiteral("00"),
                                     SideLetter(true) + SideLetter(false),
                                     // Room for a head beside the lay on any wheel, so
                                     // that a wheel's sheet keeps its columns as its hub changes.
                                     std::max({LayAndHead(SpokeLay::Leading, SpokeHead::Out),
                                               LayAndHead(SpokeLay::Trailing, SpokeHead::Out),
                                               LayAndHead(SpokeLay::Radial, SpokeHead::Out)},
                                              [&](const QString& a, const QString& b) {
                                                  return plain.horizontalAdvance(a) < plain.horizontalAdvance(b);
                                              }),
                                     SpokeLengthText(888.8), OrderLengthText(888)};
    std::array<double, kFields> widths{};
    for (int f = 0; f < kFields; ++f)
        widths[f] = std::max(plain.horizontalAdvance(widest[f]), bold.horizontalAdvance(Heads(f))) + kFieldPad;
    // The side's mark stands before its letter.
    widths[2] += kSideMarkWidth;
    return widths;
}

double ColumnWidthNeeded()
{
    const std::array<double, kFields> widths = FieldWidths();
    double sum = 0;
    for (double w : widths) sum += w;
    return sum;
}

// Where each field starts in a column of `width`, the room over what the
// texts need shared out among the fields.
std::array<double, kFields + 1> FieldStarts(double width)
{
    const std::array<double, kFields> widths = FieldWidths();
    const double stretch = std::max(1.0, width / ColumnWidthNeeded());
    std::array<double, kFields + 1> starts{};
    for (int f = 0; f < kFields; ++f) starts[f + 1] = starts[f] + widths[f] * stretch;
    return starts;
}

}  // namespace

QString LayText(SpokeLay lay)
{
    switch (lay) {
    case SpokeLay::Leading: return QCoreApplication::translate("Sheet", "leading");
    case SpokeLay::Trailing: return QCoreApplication::translate("Sheet", "trailing");
    case SpokeLay::Radial: break;
    }
    return QCoreApplication::translate("Sheet", "radial");
}

// The lay with the head where heads are modelled: "leading, in".
QString LayAndHead(SpokeLay lay, SpokeHead head)
{
    if (head == SpokeHead::Unmodelled) return LayText(lay);
    return QCoreApplication::translate("Sheet", "%1, %2")
        .arg(LayText(lay), head == SpokeHead::In ? QCoreApplication::translate("Sheet", "in")
                                                 : QCoreApplication::translate("Sheet", "out"));
}

QString SpokeDescription(const LacedSpoke& spoke)
{
    const QString lay = LayAndHead(spoke.lay, spoke.head);
    if (!spoke.entryAngle) return lay;
    return QCoreApplication::translate("Sheet", "%1; meets its nipple at %2°")
        .arg(lay, AngleText(*spoke.entryAngle, Marks::RegionUngrouped));
}


int TableColumnsFor(double width)
{
    const int columns = static_cast<int>(std::floor((width + kColumnGap) / (ColumnWidthNeeded() + kColumnGap)));
    return std::clamp(columns, 1, 4);
}

int TableRowsIn(const QRectF& area)
{
    return std::max(0, static_cast<int>(std::floor((area.height() - kHeading) / kSheetRow + 1e-9)) - 1);
}

std::vector<TablePage> PageTable(int spokes, int columns, const QRectF& first, const QRectF& next)
{
    std::vector<TablePage> pages;
    int placed = 0;
    QRectF area = first;
    // A page that holds no row at all would never hold the rest.
    const int nextRows = std::max(1, TableRowsIn(next));
    do {
        const int rows = pages.empty() ? TableRowsIn(area) : nextRows;
        const int count = std::min(spokes - placed, rows * columns);
        TablePage page;
        page.area = area;
        page.first = placed;
        page.count = count;
        page.rowsPerColumn = (count + columns - 1) / columns;
        pages.push_back(page);
        placed += count;
        area = next;
    } while (placed < spokes);
    return pages;
}

void PaintLacingTable(QPainter& p, const TablePage& page, int columns, const std::vector<LacedSpoke>& spokes,
                      TColor leftColour, TColor rightColour, bool continued)
{
    if (page.count == 0) return;
    const QRectF& area = page.area;
    p.setFont(SheetFont(13, true));
    p.setPen(Qt::black);
    p.drawText(QRectF(area.left(), area.top(), area.width(), kHeading), Qt::AlignLeft | Qt::AlignVCenter,
               continued ? QCoreApplication::translate("Sheet", "Lacing (continued)")
                         : QCoreApplication::translate("Sheet", "Lacing"));
    p.setPen(QPen(Qt::gray, 0.75));
    p.drawLine(QPointF(area.left(), area.top() + kHeading - 2), QPointF(area.right(), area.top() + kHeading - 2));

    const double colWidth = (area.width() + kColumnGap) / columns;
    const double inner = colWidth - kColumnGap;
    const std::array<double, kFields + 1> x = FieldStarts(inner);
    const double top = area.top() + kHeading;
    const int usedColumns = (page.count + page.rowsPerColumn - 1) / std::max(1, page.rowsPerColumn);
    for (int c = 0; c < usedColumns; ++c) {
        const double x0 = area.left() + c * colWidth;
        p.setPen(Qt::black);
        p.setFont(SheetFont(kSheetBodyPx, true));
        for (int f = 0; f < kFields; ++f)
            p.drawText(QRectF(x0 + x[f], top, x[f + 1] - x[f], kSheetRow), Qt::AlignLeft | Qt::AlignVCenter, Heads(f));
        if (c > 0) {
            p.setPen(QPen(Qt::lightGray, 0.75));
            p.drawLine(QPointF(x0 - kColumnGap / 2, top),
                       QPointF(x0 - kColumnGap / 2, top + (page.rowsPerColumn + 1) * kSheetRow));
        }
    }
    p.setFont(SheetFont(kSheetBodyPx));
    for (int i = 0; i < page.count; ++i) {
        const LacedSpoke& spoke = spokes[static_cast<std::size_t>(page.first + i)];
        const int c = i / page.rowsPerColumn;
        const int r = i % page.rowsPerColumn;
        const double x0 = area.left() + c * colWidth;
        const double y = top + (r + 1) * kSheetRow;
        if (r % 2 == 1) p.fillRect(QRectF(x0, y, inner, kSheetRow), QColor(238, 238, 238));
        auto cell = [&](int f) { return QRectF(x0 + x[f], y, x[f + 1] - x[f], kSheetRow); };
        p.setPen(Qt::black);
        p.drawText(cell(0), Qt::AlignLeft | Qt::AlignVCenter, QString::number(spoke.hub));
        p.drawText(cell(1), Qt::AlignLeft | Qt::AlignVCenter, QString::number(spoke.rim));
        const QRectF side = cell(2);
        const double mark = PaintSideMark(p, side, spoke.left ? leftColour : rightColour, spoke.left);
        p.setPen(Qt::black);
        p.drawText(side.adjusted(mark, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, SideLetter(spoke.left));
        p.drawText(cell(3), Qt::AlignLeft | Qt::AlignVCenter, LayAndHead(spoke.lay, spoke.head));
        // From the numbers, so that every length on the sheet has the region's mark.
        p.drawText(cell(4), Qt::AlignLeft | Qt::AlignVCenter,
                   spoke.length ? SpokeLengthText(*spoke.length) : spoke.lengthText);
        if (spoke.orderLength)
            p.drawText(cell(5), Qt::AlignLeft | Qt::AlignVCenter, OrderLengthText(*spoke.orderLength));
    }
}

}  // namespace rimora
