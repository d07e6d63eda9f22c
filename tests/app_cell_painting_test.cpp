#include "app/cell_painting.h"
#include "app/lacing_cell_delegate.h"
#include "lacing/lacing_table.h"
#include "platform/errors.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QStandardItemModel>
#include <QStyleOptionViewItem>
#include <gtest/gtest.h>

#include <functional>

using namespace rimora;

namespace {

constexpr int kW = 40, kH = 20;
const QColor kWindowColor(250, 250, 250);
const QColor kBorderColor(200, 210, 220);
constexpr TColor kLeft = colors::Red;
constexpr TColor kRight = colors::Blue;

// Distinct stripe colours and unsmoothed text, so a pixel tells what was painted.
class LacingPainting : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved_ = QGuiApplication::palette();
        QPalette palette = saved_;
        palette.setColor(QPalette::Active, QPalette::Base, kWindowColor);
        palette.setColor(QPalette::Active, QPalette::AlternateBase, kBorderColor);
        QGuiApplication::setPalette(palette);
        font_.setPointSize(10);
        font_.setStyleStrategy(QFont::NoAntialias);
        WriteHeadings(table_);
    }
    void TearDown() override { QGuiApplication::setPalette(saved_); }

    // Paints cell (col, row) alone into an image of one cell.
    QImage Paint(int col, int row, bool stale = false)
    {
        QImage image(kW, kH, QImage::Format_RGB32);
        image.fill(Qt::magenta);
        QPainter painter(&image);
        painter.setFont(font_);
        Canvas canvas(painter);
        PaintLacingCell(canvas, table_, col, row, QRect(0, 0, kW, kH), kLeft, kRight, stale);
        return image;
    }

    static int Count(const QImage& image, const QColor& color)
    {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) n += image.pixelColor(x, y) == color;
        return n;
    }

    GridModel table_{kLacingColCount, 37};
    QFont font_;
    QPalette saved_;
};

}  // namespace

TEST_F(LacingPainting, RowsAreStripedFromTheHeadingsDown)
{
    for (int row : {0, 1, 2, 3}) {
        const QImage image = Paint(kLengthCol, row);
        const QColor expected = row % 2 == 0 ? kBorderColor : kWindowColor;
        EXPECT_EQ(image.pixelColor(0, kH - 1), expected) << row;
        EXPECT_EQ(image.pixelColor(kW - 1, 0), expected) << row;
    }
}

TEST_F(LacingPainting, HubNumbersTakeTheirSidesColourOthersBlack)
{
    struct Row { int col; const char* text; QColor ink; };
    const Row rows[] = {
        {kToHubCol, "07", ToQColor(kLeft)},  {kToHubCol, "32", ToQColor(kRight)}, {kHubCol, " 7", ToQColor(kLeft)},
        {kHubCol, "32", ToQColor(kRight)},   {kToRimCol, "07", Qt::black},        {kRimCol, "07", Qt::black},
        {kLengthCol, "285.4", Qt::black},    {kLengthCol, "abc", Qt::black},      {kLengthCol, "-", Qt::black},
    };
    const QColor others[] = {ToQColor(kLeft), ToQColor(kRight), Qt::black};
    for (const Row& row : rows) {
        table_.SetCells(row.col, 1, QString::fromLatin1(row.text));
        const QImage image = Paint(row.col, 1);
        EXPECT_GT(Count(image, row.ink), 0) << row.col << " " << row.text;
        for (const QColor& other : others)
            if (other != row.ink) {
                EXPECT_EQ(Count(image, other), 0) << row.col << " " << row.text;
            }
        // Text starts at the top: the lowest line of the cell stays background.
        for (int x = 0; x < kW; ++x) ASSERT_EQ(image.pixelColor(x, kH - 1), kWindowColor);
    }
}

// A stale length still reads, in grey; the flag means nothing in other columns.
TEST_F(LacingPainting, StaleLengthIsGreyOnlyInTheLengthColumn)
{
    const QColor grey = ToQColor(kStaleLengthColor);
    const std::tuple<int, bool, QColor, QColor> rows[] = {  // column, stale, ink, colour never seen
        {kLengthCol, true, grey, Qt::black}, {kLengthCol, false, Qt::black, grey}, {kRimCol, true, Qt::black, grey}};
    for (const auto& [col, stale, ink, absent] : rows) {
        table_.SetCells(col, 1, QStringLiteral("17"));
        const QImage image = Paint(col, 1, stale);
        EXPECT_GT(Count(image, ink), 0) << col << " " << stale;
        EXPECT_EQ(Count(image, absent), 0) << col << " " << stale;
    }
}

TEST_F(LacingPainting, NumberColumnsShowOnlyWholeNumbers)
{
    for (int col : {kHubCol, kToRimCol, kRimCol, kToHubCol}) {
        for (const char* text : {"7 ", "-", "", "7.0", "abc"}) {
            table_.SetCells(col, 2, QString::fromLatin1(text));
            EXPECT_EQ(Count(Paint(col, 2), kBorderColor), kW * kH) << col << " '" << text << "'";
        }
    }
    for (int col = 0; col < kLacingColCount; ++col)
        EXPECT_GT(Count(Paint(col, 0), Qt::black), 5) << "heading " << col;
}

TEST_F(LacingPainting, DelegateReadsTheSideColoursAtEveryPaint)
{
    TColor left = colors::Red;
    QStringList errors;
    LacingCellDelegate delegate([&] { return left; }, [] { return colors::Blue; },
                                [&](const QString& m) { errors << m; });
    table_.SetCells(kToHubCol, 1, QStringLiteral("07"));
    QStyleOptionViewItem option;
    option.rect = QRect(0, 0, kW, kH);
    option.font = font_;
    auto paint = [&](const QModelIndex& index) {
        QImage image(kW, kH, QImage::Format_RGB32);
        image.fill(Qt::magenta);
        QPainter painter(&image);
        delegate.paint(&painter, option, index);
        return image;
    };
    EXPECT_GT(Count(paint(table_.index(1, kToHubCol)), Qt::red), 5);
    left = colors::Green;
    const QImage green = paint(table_.index(1, kToHubCol));
    EXPECT_GT(Count(green, ToQColor(colors::Green)), 5);
    EXPECT_EQ(Count(green, Qt::red), 0);
    EXPECT_EQ(green.pixelColor(kW - 1, kH - 1), kWindowColor);

    // A failing colour source stops the cell and is reported, not thrown.
    LacingCellDelegate failing([]() -> TColor { throw EConvertError(QStringLiteral("bad colour")); },
                               [] { return colors::Blue; }, [&](const QString& m) { errors << m; });
    QImage image(kW, kH, QImage::Format_RGB32);
    QPainter painter(&image);
    EXPECT_NO_THROW(failing.paint(&painter, option, table_.index(1, kToHubCol)));
    EXPECT_EQ(errors, QStringList{QStringLiteral("bad colour")});
}
