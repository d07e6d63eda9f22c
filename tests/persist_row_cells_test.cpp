// A lacing table row read from a file into typed cells and written back: the
// text comes back byte for byte, and each cell holds the value it reads as in
// the region it was read in.
#include "persist/grid_row_text.h"
#include "platform/grid_model.h"
#include "platform/number_text.h"
#include "support/scoped_locale.h"

#include <gtest/gtest.h>

#include <optional>

using namespace rimora;
using namespace rimora::test;

namespace {

enum Region { Point, Comma };
using K = LacingCell::Kind;
constexpr std::nullopt_t no = std::nullopt;

QLocale RegionOf(Region r) { return r == Point ? PointRegion() : CommaRegion(); }

}  // namespace

TEST(RowCells, AFileRowComesBackByteForByteAndEachCellHoldsItsValue)
{
    struct Row { Region region; const char* text; int col; K kind; std::optional<int> whole; std::optional<double> mm; };
    const Row rows[] = {
        {Point, "01,->03,05,->07,285.4,", 4, K::Length, no, 285.4},
        {Point, "7,07,05,07,,", 0, K::Hole, 7, 7.0},
        {Point, "7,07,05,07,,", 1, K::Hole, 7, 7.0},
        {Point, "01,03,05,07,\"1,234.5\",", 4, K::Length, no, 1234.5},
        {Point, "01,03,05,07,1234.5,", 4, K::Length, no, 1234.5},
        {Point, "01,03,05,07,286,", 4, K::Hole, 286, 286.0},
        {Point, "01,03,05,07,285.4 ,", 4, K::Length, no, 285.4},
        {Point, "01,03,05,07,\"285,4\",", 4, K::Text, no, no},
        {Point, "01,03,05,07,\"1,23.4\",", 4, K::Text, no, no},
        {Comma, "01,03,05,07,\"285,4\",", 4, K::Length, no, 285.4},
        {Comma, "01,03,05,07,\"1.234,5\",", 4, K::Length, no, 1234.5},
        {Comma, "01,03,05,07,285.4,", 4, K::Text, no, no},
        {Point, "01,-,05,-,-,", 3, K::Gap, no, no},
        {Point, ",,,,,", 2, K::Empty, no, no},
        {Point, "HUB,->R,RIM,->H,Length,", 4, K::Text, no, no},
        {Point, "$1F, 7,05,07,,", 0, K::Hole, 31, no},
        {Point, "$1F, 7,05,07,,", 1, K::Hole, 7, 7.0},
        {Point, "\"\"\"x\",03,05,07,,", 0, K::Text, no, no},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        const ScopedLocale region(RegionOf(row.region));
        GridModel table(5, 2);
        const QStringList cells = SplitRowCells(QString::fromUtf8(row.text), table.ColCount());
        for (int c = 0; c < table.ColCount(); ++c) table.SetCells(c, 1, cells[c]);
        QStringList back;
        for (int c = 0; c < table.ColCount(); ++c) back << table.Cells(c, 1);
        EXPECT_EQ(JoinRowCells(back), QString::fromUtf8(row.text));
        const LacingCell& cell = table.Cell(row.col, 1);
        EXPECT_EQ(cell.kind(), row.kind);
        EXPECT_EQ(cell.WholeNumber(), row.whole);
        EXPECT_EQ(cell.Millimetres(), row.mm);
    }
}

// A length the program writes holds the very number its text reads back as,
// so a calculated length is never taken for one typed differently.
TEST(RowCells, AWrittenLengthHoldsTheNumberItsTextReadsAs)
{
    const struct { Region region; double mm; } rows[] = {
        {Point, 285.44}, {Point, 305.74999999999994}, {Point, 1234.56}, {Comma, 285.45}, {Comma, 1002.46},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.mm);
        const ScopedLocale region(RegionOf(row.region));
        const LacingCell written = LacingCell::Length(SpokeLengthTenths(row.mm), SpokeLengthText(row.mm));
        EXPECT_EQ(written.Millimetres(), LacingCell::FromText(written.Spelling()).Millimetres());
    }
}
