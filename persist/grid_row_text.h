#pragma once
// One row of a string grid as a single value: every cell followed by a comma
// ("01,->03,05,->07,285.4,"). A cell that holds a comma, or starts with a
// double quote, is written in double quotes with its inner quotes doubled, so
// that a length such as "1,234.6" or "285,4" keeps its place in the row; rows
// without such cells read exactly as plain comma-separated text always has.
#include <QString>
#include <QStringList>

namespace rimora {

QString JoinRowCells(const QStringList& cells);

// Exactly `count` cells from a row text. A row with fewer cells leaves the
// rest empty; text after the last cell is ignored.
QStringList SplitRowCells(const QString& rowText, int count);

// Whether `key` holds a row of the grid `gridName`: "SG1-Row12" for "SG1",
// the name, "-Row" and a row number (row 0 the headings).
bool IsRowKeyOf(const QString& key, const QString& gridName);

}  // namespace rimora
