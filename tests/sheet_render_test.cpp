// The build sheet painted into an image and onto a device that records its
// texts, its layout on both page sizes, and the files the exports write.
#include "drawing/drawing_primitives.h"
#include "drawing/wheel_geometry.h"
#include "platform/color.h"
#include "platform/errors.h"
#include "sheet/build_sheet.h"
#include "sheet/laced_wheel.h"
#include "sheet/sheet_export.h"
#include "sheet/sheet_type.h"
#include "sheet_test_support.h"
#include "support/scoped_locale.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QRegularExpression>

namespace rimora::test {
namespace {

constexpr TColor kLeft = RGBColor(255, 128, 0);
constexpr TColor kRight = RGBColor(255, 0, 255);

// The default 36/36 wheel, laced, in spoke colours found nowhere else on the page.
LacedWheel DefaultWheel(const ProfileFolder& folder)
{
    const QByteArray colours = "CL5=" + QByteArray::number(kRight) + "\nCL6=" + QByteArray::number(kLeft) + "\n";
    LacedWheel w = ReadLacedWheel(folder.Write("default.prl", DefaultWheelRecords() + "AdE=0\n" + colours));
    PrepareWheel(w);
    return w;
}

QImage PageImage(const BuildSheet& sheet, const QPageSize& size = QPageSize(QPageSize::A4))
{
    QImage image(size.sizePixels(96), QImage::Format_RGB32);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    image.fill(Qt::black);
    QPainter painter(&image);
    PaintSheet(painter, sheet);
    return image;
}

bool Near(QRgb pixel, TColor colour, int tolerance = 40)
{
    const QColor want = ToQColor(colour);
    return std::abs(qRed(pixel) - want.red()) <= tolerance && std::abs(qGreen(pixel) - want.green()) <= tolerance
           && std::abs(qBlue(pixel) - want.blue()) <= tolerance;
}

// Along each spoke, halfway between its hub and its rim hole, the page shows
// the spoke's side colour.
TEST(SheetPage, ShowsEachSpokeInItsSideColourWhereItRuns)
{
    ScopedLocale region(PointRegion());
    ProfileFolder folder;
    const LacedWheel w = DefaultWheel(folder);
    const BuildSheet sheet = ComposeSheet(w, QDate(2026, 3, 14));
    const QImage page = PageImage(sheet);
    const SheetLayout layout = LayOutSheet(LogicalPageSize(page), OrderRows(sheet), static_cast<int>(sheet.spokes.size()));
    const QRect box = layout.drawing.toAlignedRect();
    const WheelScale scale = ScaleWheel(box.width(), box.height(), BeadSeat(sheet.drawing.wheel));
    const WheelRadii radii = MeasureWheel(sheet.drawing.wheel, scale);

    int checked = 0;
    for (const LacedSpoke& s : sheet.spokes) {
        const QPoint hub = PolarPoint(scale.centre.x(), scale.centre.y(), radii.hubHole, s.hub * 10.0);
        const QPoint rim = PolarPoint(scale.centre.x(), scale.centre.y(), radii.rimHole, s.rim * 10.0);
        // Three quarters of the way out, where the spokes no longer cross each other much.
        const QPointF at = box.topLeft() + hub + (rim - hub) * 0.75;
        const TColor want = s.left ? kLeft : kRight;
        bool found = false;
        for (int dx = -1; dx <= 1 && !found; ++dx)
            for (int dy = -1; dy <= 1 && !found; ++dy)
                found = Near(page.pixel(at.toPoint() + QPoint(dx, dy)), want);
        EXPECT_TRUE(found) << "hub " << s.hub << " rim " << s.rim;
        ++checked;
    }
    EXPECT_EQ(checked, 36);
    // Outside the drawing neither spoke colour is painted except as the small
    // side marks of the tables, so a colour found in the drawing is the drawing's.
    EXPECT_FALSE(Near(page.pixel(layout.header.center().toPoint()), kLeft));
    // Paper, not the drawing's background, round the wheel.
    EXPECT_EQ(page.pixel(box.topLeft() + QPoint(3, 3)), qRgb(255, 255, 255));
}

// Every spoke's length is written inside the table area; the per-side
// figures (length, order length, bracing, tension and where the rim's holes
// sit) inside their block, and the new inputs in the inputs, every number in
// the region's format. The wheel is the worked one with a rim offset of 2 mm.
TEST(SheetPage, WritesEveryLengthInTheTableAreaAndEachSidesFigures)
{
    for (const QLocale& locale : {PointRegion(), CommaRegion()}) {
        ScopedLocale region(locale);
        SCOPED_TRACE(locale.name().toStdString());
        ProfileFolder folder;
        LacedWheel w = ReadLacedWheel(folder.Write("default.prl", DefaultWheelRecords() + DrawingRecords() + "RimOffE=2\n"));
        PrepareWheel(w);
        const BuildSheet sheet = ComposeSheet(w, QDate(2026, 3, 14));
        TextRecordingDevice device;
        {
            QPainter painter(&device);
            PaintSheet(painter, sheet);
        }
        const SheetLayout layout =
            LayOutSheet(LogicalPageSize(device), OrderRows(sheet), static_cast<int>(sheet.spokes.size()),
                        static_cast<int>(sheet.sides.notes.size()));
        int inTable = 0;
        QStringList sideTexts;
        QStringList inputTexts;
        // Every decimal in the region's mark, the inputs the profile wrote with a point too.
        const QRegularExpression other(locale.decimalPoint() == "." ? QStringLiteral("\\d,\\d") : QStringLiteral("\\d\\.\\d"));
        for (const auto& t : device.Texts()) {
            EXPECT_FALSE(t.text.contains(other)) << t.text.toStdString();
            if (layout.table.contains(t.at) && t.text == locale.toString(*sheet.spokes.front().length, 'f', 1))
                ++inTable;
            if (layout.table.contains(t.at) && t.text == locale.toString(*sheet.spokes.back().length, 'f', 1))
                ++inTable;
            if (layout.sides.contains(t.at)) sideTexts << t.text;
            if (layout.inputs.contains(t.at)) inputTexts << t.text;
        }
        // Both lengths, each on its 18 rows.
        EXPECT_EQ(inTable, 36);
        const QString tenth = QStringLiteral("%1") + locale.decimalPoint() + QStringLiteral("%2");
        for (const QString& want : {tenth.arg(285).arg(2), tenth.arg(284).arg(8), QStringLiteral("284"),
                                    tenth.arg(5).arg(1) + QStringLiteral("°"), tenth.arg(4).arg(0) + QStringLiteral("°"),
                                    tenth.arg(94).arg(7), tenth.arg(120).arg(0)})
            EXPECT_TRUE(sideTexts.contains(want)) << want.toStdString() << " in " << sideTexts.join('|').toStdString();
        ASSERT_EQ(sheet.sides.notes.size(), 1);
        EXPECT_TRUE(sideTexts.contains(sheet.sides.notes.front())) << sideTexts.join('|').toStdString();
        for (const QString& want : {QStringLiteral("Rim offset"), QStringLiteral("2 mm"),
                                    QStringLiteral("Tension, tighter side"), QStringLiteral("120 kgf"),
                                    QStringLiteral("Order step")})
            EXPECT_TRUE(inputTexts.contains(want)) << want.toStdString() << " in " << inputTexts.join('|').toStdString();
    }
}

// For every number of spokes and every length of bill and notes, the parts
// of the first page stay on it and apart, the table's rows keep the body's
// height, and the pages after it hold every spoke the first page had no room for.
TEST(SheetLayoutSweep, PartsStayOnThePageAndApartAndTheTableGoesOnOverPages)
{
    for (const QPageSize::PageSizeId id : {QPageSize::A4, QPageSize::Letter}) {
        const QSizeF page = QPageSize(id).sizePixels(96);
        for (int spokes = 0; spokes <= 72; spokes += 3) {
            for (int bill = 3; bill <= 14; ++bill) {
                for (int notes : {0, 2, 8}) {
                    const SheetLayout l = LayOutSheet(page, bill, spokes, notes % 3, notes);
                    const QRectF parts[] = {l.header, l.inputs, l.sides, l.bill, l.drawing, l.notes,
                                            l.tablePages.front().area};
                    for (const QRectF& p : parts) ASSERT_TRUE(p.isEmpty() || l.page.contains(p)) << spokes << " " << bill;
                    for (std::size_t i = 0; i < std::size(parts); ++i)
                        for (std::size_t j = i + 1; j < std::size(parts); ++j)
                            ASSERT_FALSE(parts[i].intersects(parts[j])) << i << " " << j << " " << spokes << " " << bill;
                    ASSERT_DOUBLE_EQ(l.rowHeight, kSheetRow);
                    int placed = 0;
                    for (std::size_t n = 0; n < l.tablePages.size(); ++n) {
                        const TablePage& t = l.tablePages[n];
                        ASSERT_EQ(t.first, placed);
                        ASSERT_LE(t.count, t.rowsPerColumn * l.tableColumns);
                        ASSERT_TRUE(t.count == 0 || t.area.top() + 22 + (t.rowsPerColumn + 1) * kSheetRow
                                                         <= t.area.bottom() + 0.01);
                        ASSERT_TRUE(l.page.contains(t.area) && (n == 0 || (t.count > 0 && !t.area.intersects(l.header))));
                        placed += t.count;
                    }
                    ASSERT_EQ(placed, spokes);
                    ASSERT_DOUBLE_EQ(l.drawing.width(), l.drawing.height());
                }
            }
        }
    }
}

// The lacing table at the body's size on either paper: every spoke's row
// once, with its lay, over as many pages as the sheet needs; a page after
// the first repeats the title.
TEST(SheetTable, StaysAtTheBodySizeAndGoesOnToASecondPage)
{
    const struct {
        const char* name;
        QPageSize::PageSizeId paper;
        const char* holes;  // hub and rim hole count lists' index
        int addedNotes;
        int pages;
    } rows[] = {
        {"28/32 3x on Letter", QPageSize::Letter, "HubCB=2\nRimCB=1\n", 0, 1},
        {"28/32 3x on A4", QPageSize::A4, "HubCB=2\nRimCB=1\n", 0, 1},
        {"36/36 3x with many notes on Letter", QPageSize::Letter, "HubCB=0\nRimCB=0\n", 14, 2},
        {"36/36 3x with a page of notes on A4", QPageSize::A4, "HubCB=0\nRimCB=0\n", 20, 2},
    };
    ScopedLocale region(PointRegion());
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ProfileFolder folder;
        QByteArray records = DefaultWheelRecords();
        records.replace("HubCB=0\nRimCB=0\n", row.holes);
        LacedWheel w = ReadLacedWheel(folder.Write("w.prl", records));
        PrepareWheel(w);
        BuildSheet sheet = ComposeSheet(w, QDate(2026, 3, 14));
        for (int n = 0; n < row.addedNotes; ++n) sheet.notes << QStringLiteral("A note of the wheel, number %1.").arg(n);
        const QSize size = QPageSize(row.paper).sizePixels(96);
        ASSERT_EQ(SheetPageCount(sheet, size), row.pages);
        int lays = 0;
        for (int page = 0; page < row.pages; ++page) {
            TextRecordingDevice device(size.width(), size.height());
            {
                QPainter painter(&device);
                PaintSheetPage(painter, sheet, page);
            }
            bool titled = false;
            for (const auto& t : device.Texts()) {
                titled = titled || t.text == QStringLiteral("Build sheet: w.prl");
                if (t.text == QStringLiteral("leading") || t.text == QStringLiteral("trailing")) {
                    ++lays;
                    EXPECT_GE(t.pixels, std::lround(kSheetBodyPx)) << "page " << page;
                }
            }
            EXPECT_TRUE(titled) << "page " << page;
        }
        EXPECT_EQ(lays, static_cast<int>(sheet.spokes.size()));
    }
}

TEST(SheetPageSize, LetterWhereTheRegionUsesItElseA4)
{
    const struct {
        QLocale::Language language;
        QLocale::Territory territory;
        QPageSize::PageSizeId size;
    } cases[] = {{QLocale::English, QLocale::UnitedStates, QPageSize::Letter},
                 {QLocale::French, QLocale::Canada, QPageSize::Letter},
                 {QLocale::Spanish, QLocale::Mexico, QPageSize::Letter},
                 {QLocale::English, QLocale::UnitedKingdom, QPageSize::A4},
                 {QLocale::German, QLocale::Germany, QPageSize::A4},
                 {QLocale::Japanese, QLocale::Japan, QPageSize::A4}};
    for (const auto& c : cases) EXPECT_EQ(RegionPageSize(QLocale(c.language, c.territory)).id(), c.size);
}

TEST(SheetExport, PdfIsWrittenWholeAndARefusedTargetLeavesNothing)
{
    ScopedLocale region(PointRegion());
    ProfileFolder folder;
    const LacedWheel w = DefaultWheel(folder);
    const BuildSheet sheet = ComposeSheet(w, QDate(2026, 3, 14));
    const QString pdf = folder.Path("sheet.pdf");
    WriteSheetPdf(pdf, sheet, QPageSize(QPageSize::A4));
    const QByteArray bytes = ReadBytes(pdf);
    EXPECT_TRUE(bytes.startsWith("%PDF-"));
    EXPECT_TRUE(bytes.trimmed().endsWith("%%EOF"));

    const QString refused = folder.Path("no such folder/sheet.pdf");
    QString message;
    try {
        WriteSheetPdf(refused, sheet, QPageSize(QPageSize::A4));
    } catch (const EInOutError& e) {
        message = e.Message();
    }
    EXPECT_TRUE(message.contains(QDir::toNativeSeparators(refused))) << message.toStdString();
    EXPECT_FALSE(QFile::exists(refused));
    EXPECT_EQ(QDir(folder.Path("")).entryList(QDir::Files), (QStringList{"default.prl", "sheet.pdf"}));
}

TEST(SheetExport, DrawingIsWrittenByItsExtensionAtTheAskedSize)
{
    ScopedLocale region(PointRegion());
    ProfileFolder folder;
    const LacedWheel w = DefaultWheel(folder);
    const QSize sizes[] = {{640, 480}, {301, 777}, {1000, 1000}};
    for (const QSize& size : sizes) {
        const DrawnWheel in = DrawingInputsOf(w, size.width(), size.height());
        const QString png = folder.Path("wheel.PNG");
        WriteDrawing(png, in, *w.table);
        QImageReader reader(png);
        EXPECT_EQ(QString::fromLatin1(reader.format()), "png");
        EXPECT_EQ(reader.size(), size);

        const QString svg = folder.Path("wheel.svg");
        WriteDrawing(svg, in, *w.table);
        const QString text = QString::fromUtf8(ReadBytes(svg));
        EXPECT_TRUE(text.contains(QStringLiteral("width=\"%1").arg(size.width()))) << size.width();
        // One line per spoke: 18 in each side's colour.
        for (const TColor colour : {kLeft, kRight}) {
            const QString stroke = QStringLiteral("stroke=\"%1\"").arg(ToQColor(colour).name());
            int lines = 0;
            for (const QString& group : text.split(QStringLiteral("<g "))) {
                if (group.left(group.indexOf('>')).contains(stroke)) lines += group.count(QStringLiteral("<polyline"));
            }
            EXPECT_EQ(lines, 18) << stroke.toStdString();
        }
    }
}

TEST(SheetExport, AnUnknownExtensionOrAWheelThatCannotBeDrawnWritesNothing)
{
    ScopedLocale region(PointRegion());
    ProfileFolder folder;
    const LacedWheel w = DefaultWheel(folder);
    const QString jpg = folder.Path("wheel.jpg");
    EXPECT_THROW(WriteDrawing(jpg, DrawingInputsOf(w, 100, 100), *w.table), EInOutError);
    EXPECT_FALSE(QFile::exists(jpg));

    DrawnWheel noCounts = DrawingInputsOf(w, 100, 100);
    noCounts.wheel.hubHoles = 0;
    const QString png = folder.Path("wheel.png");
    EXPECT_THROW(WriteDrawing(png, noCounts, *w.table), EWheelInputError);
    EXPECT_FALSE(QFile::exists(png));
    EXPECT_EQ(QDir(folder.Path("")).entryList(QDir::Files), QStringList{"default.prl"});
}

// Parts and remarks never leave the page: a word wider than a line breaks
// inside, and what the head has no room for ends in an ellipsis.
TEST(SheetPage, PartsAndRemarksStayOnThePageAndSayWhereTheyAreCut)
{
    ScopedLocale region(PointRegion());
    QByteArray remarks = "RemarksM=first";
    for (int i = 1; i < 20; ++i) remarks += "\\nline " + QByteArray::number(i);
    const struct {
        QByteArray records;
        bool cut;
    } cases[] = {{"HubNameE=Shimano-" + QByteArray(300, 'X') + "\n", false}, {remarks + "\n", true}};
    for (const auto& c : cases) {
        ProfileFolder folder;
        LacedWheel w = ReadLacedWheel(folder.Write("w.prl", DefaultWheelRecords() + c.records));
        PrepareWheel(w);
        TextRecordingDevice device;
        {
            QPainter painter(&device);
            PaintSheet(painter, ComposeSheet(w, QDate(2026, 3, 14)));
        }
        QStringList head;
        for (const auto& t : device.Texts()) {
            QFont font(QStringLiteral("DejaVu Sans"));
            font.setPixelSize(t.pixels);
            EXPECT_LE(t.at.x() + QFontMetricsF(font).horizontalAdvance(t.text), device.width()) << t.text.toStdString();
            if (t.text.contains(QLatin1String("line ")) || t.text.contains(QLatin1Char('X'))) head << t.text;
        }
        ASSERT_FALSE(head.isEmpty());
        EXPECT_EQ(head.last().endsWith(QStringLiteral("…")), c.cut) << head.join('|').toStdString();
        EXPECT_FALSE(head.join('|').contains(QLatin1String("line 19")));
    }
}

}  // namespace
}  // namespace rimora::test
