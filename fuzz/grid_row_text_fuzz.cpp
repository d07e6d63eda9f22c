// One row of the lacing table as a single stored value, read from any text.
//
// Input: one byte (cells = byte % 8), then the row text as UTF-8.
//
// Promises checked: a row text always gives exactly the cells asked for; the
// cells read, written back as a row and read again, are the same cells, so a
// table saved and opened again keeps every cell in its column.
#include "fuzz/fuzz_check.h"
#include "persist/grid_row_text.h"

#include <cstddef>
#include <cstdint>

using rimora::fuzz::Check;
using rimora::fuzz::Shown;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    const int count = data[0] % 8;
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));

    const QStringList cells = rimora::SplitRowCells(text, count);
    Check(cells.size() == count, QStringLiteral("%1 cells asked, %2 read from %3").arg(count).arg(cells.size()).arg(Shown(text)));

    const QString row = rimora::JoinRowCells(cells);
    Check(row.count(QLatin1Char(',')) >= count, QStringLiteral("row %1 has fewer commas than cells").arg(Shown(row)));
    const QStringList again = rimora::SplitRowCells(row, count);
    for (int c = 0; c < count; ++c) {
        Check(again[c] == cells[c], QStringLiteral("cell %1 of %2: %3 written as %4, read back as %5")
                                        .arg(c)
                                        .arg(Shown(text), Shown(cells[c]), Shown(row), Shown(again[c])));
    }
    return 0;
}
