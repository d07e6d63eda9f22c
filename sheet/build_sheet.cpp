#include "sheet/build_sheet.h"

#include "drawing/wheel_drawing.h"
#include "lacing/hole_layout.h"
#include "platform/canvas.h"
#include "platform/convert.h"
#include "platform/errors.h"
#include "platform/number_text.h"
#include "sheet/sheet_type.h"
#include "sheet/tension_page.h"
#include "sheet/step_pages.h"
#include "spokes/spoke_bill.h"
#include "spokes/wheel_notes.h"
#include "wheel/wheel_choices.h"
#include "wheel/wheel_records.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPaintDevice>

#include <algorithm>
#include <cmath>

namespace rimora {

namespace {

constexpr double kDpi = 96.0;
constexpr double kMargin = 40;
constexpr double kGap = 14;
constexpr double kHeading = 22;
constexpr double kRow = kSheetRow;
constexpr double kNoteRow = 14;
constexpr double kNotePad = 5;  // inside the notes' frame
constexpr double kDrawingSide = 360;
constexpr int kInputRows = 14;  // the lines of InputsOf and the profile
constexpr double kPartRow = 15;
constexpr int kMaxPartRows = 8;  // the head's share of the page for parts and remarks

QString SidePair(const QString& left, const QString& right, const QString& unit)
{
    return left + QStringLiteral(" / ") + right + unit;
}

void Heading(QPainter& p, const QRectF& area, const QString& text)
{
    p.setFont(SheetFont(13, true));
    p.setPen(Qt::black);
    p.drawText(QRectF(area.left(), area.top(), area.width(), kHeading), Qt::AlignLeft | Qt::AlignVCenter, text);
    p.setPen(QPen(Qt::gray, 0.75));
    p.drawLine(QPointF(area.left(), area.top() + kHeading - 2), QPointF(area.right(), area.top() + kHeading - 2));
}

void PaintHeader(QPainter& p, const SheetLayout& l, const BuildSheet& s)
{
    p.setPen(Qt::black);
    const QString date = QLocale().toString(s.date, QLocale::LongFormat);
    p.setFont(SheetFont(12));
    const double dateWidth = QFontMetricsF(p.font(), p.device()).horizontalAdvance(date);
    p.drawText(l.header, Qt::AlignRight | Qt::AlignVCenter, date);
    // A long profile name is shortened in the middle rather than run into the date.
    p.setFont(SheetFont(20, true));
    const QString title = QFontMetricsF(p.font(), p.device())
                              .elidedText(QCoreApplication::translate("Sheet", "Build sheet: %1").arg(s.title),
                                          Qt::ElideMiddle, l.header.width() - dateWidth - kGap);
    p.drawText(l.header, Qt::AlignLeft | Qt::AlignVCenter, title);
    p.setPen(QPen(Qt::black, 1.2));
    p.drawLine(l.header.bottomLeft(), l.header.bottomRight());
}

void PaintInputs(QPainter& p, const SheetLayout& l, const BuildSheet& s)
{
    Heading(p, l.inputs, QCoreApplication::translate("Sheet", "Wheel"));
    double y = l.inputs.top() + kHeading;
    const double labelWidth = l.inputs.width() * 0.55;
    p.setPen(Qt::black);
    for (const SheetInput& in : s.inputs) {
        p.setFont(SheetFont(kSheetBodyPx));
        p.drawText(QRectF(l.inputs.left(), y, labelWidth, kRow), Qt::AlignLeft | Qt::AlignVCenter, in.label);
        p.setFont(SheetFont(kSheetBodyPx, true));
        p.drawText(QRectF(l.inputs.left() + labelWidth, y, l.inputs.width() - labelWidth, kRow),
                   Qt::AlignLeft | Qt::AlignVCenter, in.value);
        y += kRow;
    }
}

// The side's figures in the region's format, each a single value or the
// side's shortest and longest.
QStringList SideCells(const SideSpan& side)
{
    QStringList cells{QString::number(side.spokes), CrossesText(side)};
    if (!side.Measured()) return cells << QCoreApplication::translate("Sheet", "no length");
    // Heads both ways: a length each way, not a range.
    const QString lengths = side.HeadsBothWays()
                                ? QCoreApplication::translate("Sheet", "%1 out / %2 in")
                                      .arg(LengthText(*side.headsOut), LengthText(*side.headsIn))
                                : SpanText(LengthText(side.shortest), LengthText(side.longest));
    return cells << lengths
                 << SpanText(OrderLengthText(side.shortestOrder), OrderLengthText(side.longestOrder))
                 << SpanText(AngleText(side.flattest), AngleText(side.steepest)) + QStringLiteral("°")
                 << TensionText(side.tension);
}

void PaintSides(QPainter& p, const SheetLayout& l, const BuildSheet& s)
{
    Heading(p, l.sides, QCoreApplication::translate("Sheet", "Per side"));
    // Shares of the width: side, spokes, crosses, length, order, bracing, tension.
    const double shares[] = {0.12, 0.1, 0.1, 0.2, 0.16, 0.17, 0.15};
    double x[7];
    double widths[7];
    double at = l.sides.left();
    for (int c = 0; c < 7; ++c) {
        x[c] = at;
        widths[c] = l.sides.width() * shares[c];
        at += widths[c];
    }
    double y = l.sides.top() + kHeading;
    p.setPen(Qt::black);
    p.setFont(SheetFont(10.5, true));
    const QString heads[] = {
        QCoreApplication::translate("Sheet", "Side"),        QCoreApplication::translate("Sheet", "Spokes"),
        QCoreApplication::translate("Sheet", "Crosses"),     QCoreApplication::translate("Sheet", "Length, mm"),
        QCoreApplication::translate("Sheet", "Order, mm"),   QCoreApplication::translate("Sheet", "Bracing"),
        QCoreApplication::translate("Sheet", "Tension, kgf")};
    for (int c = 0; c < 7; ++c) p.drawText(QRectF(x[c], y, widths[c], kRow), Qt::AlignLeft | Qt::AlignVCenter, heads[c]);
    y += kRow;
    const struct {
        QString name;
        const SideSpan& figures;
        TColor colour;
        bool left;
    } rows[] = {{QCoreApplication::translate("Sheet", "left"), s.sides.left, s.leftColour, true},
                {QCoreApplication::translate("Sheet", "right"), s.sides.right, s.rightColour, false}};
    p.setFont(SheetFont(kSheetBodyPx));
    for (const auto& row : rows) {
        const double mark = PaintSideMark(p, QRectF(x[0], y, widths[0], kRow), row.colour, row.left);
        p.setPen(Qt::black);
        p.drawText(QRectF(x[0] + mark, y, widths[0] - mark, kRow), Qt::AlignLeft | Qt::AlignVCenter, row.name);
        const QStringList cells = SideCells(row.figures);
        for (int c = 0; c < cells.size(); ++c)
            p.drawText(QRectF(x[c + 1], y, widths[c + 1], kRow), Qt::AlignLeft | Qt::AlignVCenter, cells[c]);
        y += kRow;
    }
    p.setFont(SheetFont(10.5));
    for (const QString& note : s.sides.notes) {
        p.drawText(QRectF(l.sides.left(), y, l.sides.width(), kRow), Qt::AlignLeft | Qt::AlignVCenter, note);
        y += kRow;
    }
}

QFont NoteFont()
{
    return SheetFont(10.5, true);
}

QFont PartFont()
{
    return SheetFont(kSheetBodyPx);
}

// The lines `text` takes across `width` in `font`, wrapped at its words.
int WrappedRows(const QFont& font, const QString& text, double width)
{
    const QFontMetricsF metrics(font);
    const QRectF needed = metrics.boundingRect(QRectF(0, 0, width, 1e6), Qt::TextWordWrap, text);
    return std::max(1, static_cast<int>(std::ceil(needed.height() / metrics.lineSpacing() - 0.01)));
}

// A word wider than the line (a part number, a web address) may break
// anywhere: wrapping at words alone would run it off the page.
QString Breakable(const QString& text, const QFont& font, double width)
{
    const QFontMetricsF metrics(font);
    QStringList words = text.split(QLatin1Char(' '));
    for (QString& word : words) {
        if (metrics.horizontalAdvance(word) <= width) continue;
        QString open;
        for (const QChar c : word) {
            open += c;
            if (!c.isHighSurrogate()) open += QChar(0x200B);  // a break of no width
        }
        word = open;
    }
    return words.join(QLatin1Char(' '));
}

// Each part line wrapped; parts and remarks of more lines than the head can
// spare stop at kMaxPartRows, the last line shown ending in an ellipsis.
int PartRows(const QStringList& parts, const QSizeF& page)
{
    const double width = page.width() - 2 * kMargin;
    int rows = 0;
    for (const QString& line : parts) rows += WrappedRows(PartFont(), Breakable(line, PartFont(), width), width);
    return std::min(rows, kMaxPartRows);
}

void PaintParts(QPainter& p, const SheetLayout& l, const BuildSheet& s)
{
    if (s.parts.isEmpty()) return;
    const QFont font = PartFont();
    const double width = l.parts.width();
    const auto rowsOf = [&](const QString& text) { return WrappedRows(font, text, width); };
    p.setPen(Qt::black);
    p.setFont(font);
    double y = l.parts.top();
    for (qsizetype i = 0; i < s.parts.size(); ++i) {
        const double left = l.parts.bottom() - y;
        if (left < kPartRow - 0.5) break;
        QString shown = Breakable(s.parts[i], font, width);
        const double needed = rowsOf(shown) * kPartRow;
        // Cut where the line does not fit, or fills the head while more follow.
        const bool more = i + 1 < s.parts.size();
        const bool cut = needed > left + 0.5 || (more && left - needed < kPartRow - 0.5);
        if (cut) {
            const QString ellipsis = QStringLiteral(" …");
            while (shown.size() > 1 && rowsOf(shown + ellipsis) * kPartRow > left + 0.5) {
                const qsizetype at = std::max(shown.lastIndexOf(QLatin1Char(' '), -2),
                                              shown.lastIndexOf(QChar(0x200B), -2));
                shown.truncate(at > 0 ? at : shown.size() - 1);
            }
            shown += ellipsis;
        }
        const double height = std::min(rowsOf(shown) * kPartRow, left);
        p.drawText(QRectF(l.parts.left(), y, width, height), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, shown);
        y += height;
        if (cut) break;
    }
}

// The lines a note takes across `width`, wrapped at its words.
int NoteRows(const QString& note, double width)
{
    return WrappedRows(NoteFont(), note, width);
}

double NoteWidth(const QSizeF& page)
{
    return page.width() - 2 * kMargin - 2 * kNotePad;
}

int NoteRows(const QStringList& notes, const QSizeF& page)
{
    int rows = 0;
    for (const QString& note : notes) rows += NoteRows(note, NoteWidth(page));
    return rows;
}

// The notes one under the other inside one frame, each wrapped at its words
// rather than cut at the page's edge.
void PaintNotes(QPainter& p, const SheetLayout& l, const BuildSheet& s)
{
    if (s.notes.isEmpty()) return;
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(l.notes);
    const QRectF inside = l.notes.adjusted(kNotePad, kNotePad, -kNotePad, -kNotePad);
    p.setFont(NoteFont());
    double y = inside.top();
    for (const QString& note : s.notes) {
        const double height = NoteRows(note, inside.width()) * kNoteRow;
        p.drawText(QRectF(inside.left(), y, inside.width(), height), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
                   note);
        y += height;
    }
}

// The order list as a small table: each size with its spokes per side, and
// the total, which is every spoke with a length.
void PaintOrder(QPainter& p, const SheetLayout& l, const BuildSheet& s)
{
    Heading(p, l.bill, QCoreApplication::translate("Sheet", "To order"));
    p.setPen(Qt::black);
    double y = l.bill.top() + kHeading;
    if (s.order.empty()) {
        p.setFont(SheetFont(kSheetBodyPx));
        p.drawText(QRectF(l.bill.left(), y, l.bill.width(), l.bill.bottom() - y),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, s.bill.join(QLatin1Char(' ')));
        return;
    }
    const double w = l.bill.width() / 4;
    const auto row = [&](const QStringList& cells) {
        for (int c = 0; c < cells.size(); ++c)
            p.drawText(QRectF(l.bill.left() + c * w, y, w, kRow), Qt::AlignLeft | Qt::AlignVCenter, cells[c]);
        y += kRow;
    };
    p.setFont(SheetFont(kSheetBodyPx, true));
    row({QCoreApplication::translate("Sheet", "Order, mm"), QCoreApplication::translate("Sheet", "left"),
         QCoreApplication::translate("Sheet", "right"), QCoreApplication::translate("Sheet", "Spokes")});
    p.setFont(SheetFont(kSheetBodyPx));
    int left = 0;
    int right = 0;
    for (const OrderLine& line : s.order) {
        row({OrderLengthText(line.length), QString::number(line.left), QString::number(line.right),
             QString::number(line.Total())});
        left += line.left;
        right += line.right;
    }
    p.setFont(SheetFont(kSheetBodyPx, true));
    row({QCoreApplication::translate("Sheet", "Total"), QString::number(left), QString::number(right),
         QString::number(left + right)});
}

void PaintDrawing(QPainter& p, const SheetLayout& l, const BuildSheet& s)
{
    if (!s.table) return;
    const QRect box = l.drawing.toAlignedRect();
    DrawingFrame frame = s.drawing.frame;
    frame.width = box.width();
    frame.height = box.height();
    p.save();
    p.setClipRect(box);
    p.translate(box.topLeft());
    Canvas canvas(p);
    WheelLayout layout;
    try {
        DrawWheel(canvas, s.drawing.wheel, *s.table, frame, layout);
    } catch (const RimoraError& e) {
        p.setPen(Qt::black);
        p.setFont(SheetFont(11));
        p.drawText(QRectF(0, 0, box.width(), box.height()), Qt::AlignCenter | Qt::TextWordWrap, e.Message());
    }
    p.restore();
    p.setPen(QPen(Qt::black, 0.75));
    p.setBrush(Qt::NoBrush);
    p.drawRect(box);
}

std::vector<SheetInput> InputsOf(const Wheel& w)
{
    const QString mm = QStringLiteral(" mm");
    const auto n = [](double value) { return FloatToStr(value); };
    std::vector<SheetInput> inputs{
        {QCoreApplication::translate("Sheet", "Rim size"), RimTypeName(w)},
        {QStringLiteral("ERD"), n(w.erd) + mm},
        {QCoreApplication::translate("Sheet", "Hub holes"), QString::number(w.hubHoles)},
        {QCoreApplication::translate("Sheet", "Rim holes"), QString::number(w.rimHoles)},
        {QCoreApplication::translate("Sheet", "Flange diameter L / R"), SidePair(n(w.leftFlange), n(w.rightFlange), mm)},
        {QCoreApplication::translate("Sheet", "Centre to flange L / R"), SidePair(n(w.leftOffset), n(w.rightOffset), mm)},
        {QCoreApplication::translate("Sheet", "Spoke hole"), n(w.spokeHole) + mm},
        {QCoreApplication::translate("Sheet", "Crosses L / R"),
         SidePair(QString::number(w.leftCross), QString::number(w.rightCross), {})},
        {QCoreApplication::translate("Sheet", "Angle difference"),
         n(w.angleDifference) + QCoreApplication::translate("Sheet", " degree")},
        {QCoreApplication::translate("Sheet", "Rim offset"), n(w.rimOffset) + mm},
        {QCoreApplication::translate("Sheet", "Tension, tighter side"), n(w.tension) + QStringLiteral(" kgf")},
        {QCoreApplication::translate("Sheet", "Spoke Ø, thinnest"), n(w.spokeDiameter) + mm},
        {QCoreApplication::translate("Sheet", "Order step"), QString::number(w.orderStep) + mm},
    };
    // The hub's own inputs only where the hub uses them.
    if (w.hubKind == StraightPullHub) {
        inputs.push_back({QCoreApplication::translate("Sheet", "Hub"), QCoreApplication::translate("Sheet", "straight-pull")});
        inputs.push_back({QCoreApplication::translate("Sheet", "Line ahead of seat L / R"),
                          SidePair(n(w.leftTangent), n(w.rightTangent), mm)});
    } else if (w.leftFlangeThickness > 0 || w.rightFlangeThickness > 0) {
        const QStringList heads{QCoreApplication::translate("Sheet", "trailing out"),
                                QCoreApplication::translate("Sheet", "leading out"),
                                QCoreApplication::translate("Sheet", "all in"),
                                QCoreApplication::translate("Sheet", "all out")};
        const auto pattern = [&](int i) { return i >= 0 && i < heads.size() ? heads[i] : heads[0]; };
        inputs.push_back({QCoreApplication::translate("Sheet", "Flange thickness L / R"),
                          SidePair(n(w.leftFlangeThickness), n(w.rightFlangeThickness), mm)});
        inputs.push_back({QCoreApplication::translate("Sheet", "Heads L / R"),
                          SidePair(pattern(w.leftHeads), pattern(w.rightHeads), {})});
    }
    // Where the holes lie, for a wheel whose holes do not lie evenly.
    if (!EvenlySpacedHoles(w)) {
        const HoleLayout layout = LayoutOf(w);
        const QString degree = QCoreApplication::translate("Sheet", " degree");
        inputs.push_back({QCoreApplication::translate("Sheet", "Hub holes L / R"),
                          SidePair(QString::number(layout.FlangeHoles(true)),
                                   QString::number(layout.FlangeHoles(false)), {})});
        if (layout.TwoToOne()) {
            const QStringList drilling = RimDrillingItems();
            inputs.push_back({QCoreApplication::translate("Sheet", "Rim drilling"),
                              drilling.value(w.rimDrilling, drilling.value(0))});
            inputs.push_back({QCoreApplication::translate("Sheet", "Crossed side"),
                              CrossedPatternItems().value(w.crossedPattern == LongerSpan ? 1 : 0)});
            inputs.push_back({QCoreApplication::translate("Sheet", "Flange offset"),
                              n(layout.flangeOffset == kUsualFlangeOffset ? UsualFlangeOffset(layout)
                                                                          : layout.flangeOffset) + degree});
        }
        if (layout.hubPair > 0 || layout.rimPair > 0)
            inputs.push_back({QCoreApplication::translate("Sheet", "Pair angle hub / rim"),
                              SidePair(n(layout.hubPair), n(layout.rimPair), degree)});
    }
    return inputs;
}

}  // namespace

DrawnWheel DrawingInputsOf(const LacedWheel& laced, int width, int height)
{
    return DrawingOf(laced.reading, width, height);
}

DrawnWheel DrawingOf(const WheelReading& reading, int width, int height)
{
    DrawnWheel drawn;
    drawn.wheel = reading.wheel;
    // The hole counts come from lists: none chosen is the drawing's own message.
    using F = WheelField;
    drawn.frame.unreadable = reading.FirstUnreadable(
        std::initializer_list<WheelField>{F::Erd, F::LeftFlange, F::RightFlange, F::AngleDifference});
    drawn.frame.width = width;
    drawn.frame.height = height;
    drawn.frame.credits = false;
    return drawn;
}

BuildSheet ComposeSheet(const LacedWheel& wheel, const QDate& date)
{
    BuildSheet s;
    s.title = wheel.fileName;
    s.date = date;
    s.inputs = InputsOf(wheel.wheel());
    s.inputs.insert(s.inputs.begin(), {QCoreApplication::translate("Sheet", "Profile"), wheel.fileName});
    s.sides = SpansOfTable(*wheel.table, wheel.wheel());
    s.spokes = LacedSpokes(*wheel.table, wheel.wheel(), s.sides);
    s.order = OrderListOf(s.spokes);
    s.notes = WheelNotes(*wheel.table, wheel.wheel());
    s.parts = PartLines(wheel.wheel());
    // A wheel is laced hub hole by hub hole, so the sheet lists them that way.
    std::stable_sort(s.spokes.begin(), s.spokes.end(),
                     [](const LacedSpoke& a, const LacedSpoke& b) { return a.hub < b.hub; });
    // The bill's own checks say why a wheel has nothing to order.
    try {
        QStringList bill;
        BuildSpokeSummary(*wheel.table, bill, wheel.wheel().hubHoles, wheel.wheel().rimHoles,
                          LayoutOf(wheel.wheel()));
    } catch (const RimoraError& e) {
        s.bill = QStringList{e.Message()};
    }
    s.drawing = DrawingInputsOf(wheel, 0, 0);
    // The sheet's drawing is matched against its table: both hole numbers.
    s.drawing.wheel.style.numbers = true;
    s.drawing.wheel.style.hubNumbers = true;
    // On paper: no background to flood the page, and sides that read in grey.
    s.drawing.wheel.style.background = colors::White;
    s.drawing.wheel.style.greyProof = true;
    s.table = wheel.table.get();
    s.leftColour = wheel.wheel().style.leftSpoke;
    s.rightColour = wheel.wheel().style.rightSpoke;
    return s;
}

QStringList PartLines(const Wheel& wheel)
{
    QStringList names;
    QStringList remarks;
    for (const WheelRecord& record : WheelRecords()) {
        const QString text = TextValue(wheel, record).trimmed();
        if (text.isEmpty()) continue;
        const auto captioned = [&record](const QString& value) {
            return QCoreApplication::translate("Sheet", "%1: %2").arg(RecordCaption(record), value);
        };
        if (record.kind == RecordKind::Name) {
            names << captioned(text.simplified());
        } else if (record.kind == RecordKind::Remarks) {
            remarks = text.split(QLatin1Char('\n'));
            remarks.front() = captioned(remarks.front());
        }
    }
    // The four names share a line while they fit; the remarks keep their lines.
    QStringList lines;
    if (!names.isEmpty()) lines << names.join(QStringLiteral("   "));
    return lines + remarks;
}

SheetLayout LayOutSheet(const QSizeF& page, int billLines, int spokeCount, int sideNotes, int wheelNotes, int partRows,
                        int hubRows)
{
    SheetLayout l;
    l.page = QRectF(QPointF(0, 0), page);
    const QRectF body = l.page.adjusted(kMargin, kMargin, -kMargin, -kMargin);
    l.header = QRectF(body.left(), body.top(), body.width(), 34);
    if (partRows > 0) l.parts = QRectF(body.left(), l.header.bottom() + kNotePad, body.width(), partRows * kPartRow);
    const double top = (partRows > 0 ? l.parts.bottom() : l.header.bottom()) + kGap;

    const double side = std::min(kDrawingSide, body.width() * 0.5);
    l.drawing = QRectF(body.right() - side, top, side, side);
    const double leftWidth = body.width() - side - 2 * kGap;
    l.inputs = QRectF(body.left(), top, leftWidth, kHeading + (kInputRows + hubRows) * kRow);
    l.bill = QRectF(body.left(), l.inputs.bottom() + kGap, leftWidth, kHeading + std::max(1, billLines) * kRow);
    double sidesTop = std::max(l.bill.bottom(), l.drawing.bottom()) + kGap;
    if (wheelNotes > 0) {
        l.notes = QRectF(body.left(), sidesTop, body.width(), wheelNotes * kNoteRow + 2 * kNotePad);
        sidesTop = l.notes.bottom() + kGap;
    }
    l.sides = QRectF(body.left(), sidesTop, body.width(), kHeading + (3 + std::max(0, sideNotes)) * kRow);

    const double tableTop = l.sides.bottom() + kGap;
    l.table = QRectF(body.left(), tableTop, body.width(), std::max(0.0, body.bottom() - tableTop));
    // Later pages: the title again, then the table down to the margin.
    const double nextTop = l.header.bottom() + kGap;
    const QRectF next(body.left(), nextTop, body.width(), body.bottom() - nextTop);
    l.tableColumns = TableColumnsFor(body.width());
    l.rowHeight = kRow;
    l.tablePages = PageTable(spokeCount, l.tableColumns, l.table, next);
    l.rowsPerColumn = l.tablePages.front().rowsPerColumn;
    return l;
}

QSizeF LogicalPageSize(const QPaintDevice& device)
{
    return QSizeF(device.width() * kDpi / device.logicalDpiX(), device.height() * kDpi / device.logicalDpiY());
}

int OrderRows(const BuildSheet& s)
{
    return s.order.empty() ? 3 : static_cast<int>(s.order.size()) + 2;
}

namespace {

SheetLayout LayOutPages(const QSizeF& page, const BuildSheet& s)
{
    return LayOutSheet(page, OrderRows(s), static_cast<int>(s.spokes.size()), static_cast<int>(s.sides.notes.size()),
                       NoteRows(s.notes, page), PartRows(s.parts, page),
                       std::max(0, static_cast<int>(s.inputs.size()) - kInputRows));
}

}  // namespace

int SheetPageCount(const BuildSheet& s, const QSizeF& page)
{
    return LayOutPages(page, s).PageCount() + static_cast<int>(s.steps.steps.size()) + (s.tension ? 1 : 0);
}

void PaintSheetPage(QPainter& p, const BuildSheet& s, int index)
{
    QPaintDevice* device = p.device();
    const QSizeF page = LogicalPageSize(*device);
    p.save();
    p.scale(device->logicalDpiX() / kDpi, device->logicalDpiY() / kDpi);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.fillRect(QRectF(QPointF(0, 0), page), Qt::white);
    const SheetLayout l = LayOutPages(page, s);
    // After the sheet's own pages: a page per lacing step, then the tension page.
    const int steps = static_cast<int>(s.steps.steps.size());
    if (const int after = index - l.PageCount(); after >= 0 && (after < steps || (after == steps && s.tension))) {
        if (after < steps) PaintStepPage(p, l.page, {s.title, &s.steps, after, s.drawing.wheel, s.drawing.frame, s.table});
        else PaintTensionPage(p, page, *s.tension, s.title, s.leftColour, s.rightColour);
        p.restore();
        return;
    }
    const int at = std::clamp(index, 0, l.PageCount() - 1);
    PaintHeader(p, l, s);
    if (at == 0) {
        PaintParts(p, l, s);
        PaintInputs(p, l, s);
        PaintNotes(p, l, s);
        PaintSides(p, l, s);
        PaintOrder(p, l, s);
        PaintDrawing(p, l, s);
    }
    // Continued only where a part of it stood on an earlier page.
    const bool continued = at > 0 && l.tablePages.front().count > 0;
    PaintLacingTable(p, l.tablePages[static_cast<std::size_t>(at)], l.tableColumns, s.spokes, s.leftColour,
                     s.rightColour, continued);
    p.restore();
}

void PaintSheet(QPainter& p, const BuildSheet& s)
{
    auto* paged = dynamic_cast<QPagedPaintDevice*>(p.device());
    const int pages = paged ? SheetPageCount(s, LogicalPageSize(*p.device())) : 1;
    for (int page = 0; page < pages; ++page) {
        if (page > 0) paged->newPage();
        PaintSheetPage(p, s, page);
    }
}

QPageSize RegionPageSize(const QLocale& locale)
{
    switch (locale.territory()) {
    case QLocale::UnitedStates:
    case QLocale::Canada:
    case QLocale::Mexico:
    case QLocale::Philippines:
    case QLocale::Chile:
    case QLocale::Colombia:
    case QLocale::Venezuela:
    case QLocale::PuertoRico:
    case QLocale::CostaRica:
    case QLocale::Guatemala:
    case QLocale::Panama:
    case QLocale::DominicanRepublic:
    case QLocale::ElSalvador:
    case QLocale::Nicaragua:
        return QPageSize(QPageSize::Letter);
    default:
        return QPageSize(QPageSize::A4);
    }
}

}  // namespace rimora
