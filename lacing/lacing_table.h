#pragma once
// The lacing table: five columns in one grid, the only record of which hub
// hole is laced to which rim hole. Row r speaks of hub hole r in HUB and ->R
// and of rim hole r in RIM, ->H and Length; row 0 holds the headings.
// ->H is the authoritative link; ->R is derived from it before every drawing.
#include "platform/grid_model.h"

#include <QString>
#include <optional>

namespace rimora {

constexpr int kHubCol = 0;     // "HUB": hub hole number of the row
constexpr int kToRimCol = 1;   // "->R": rim hole laced to this row's hub hole
constexpr int kRimCol = 2;     // "RIM": rim hole number of the row
constexpr int kToHubCol = 3;   // "->H": hub hole laced to this row's rim hole
constexpr int kLengthCol = 4;  // "Length": spoke length at this row's rim hole

constexpr int kLacingColCount = 5;
constexpr int kLacingInitialRowCount = 40;
// HUB, ->R and RIM are written by the program only; the user edits ->H and Length.
constexpr int kLacingFixedCols = 3;
constexpr int kLacingFixedRows = 1;

inline const QString kLacingHeadings = QStringLiteral("HUB,->R,RIM,->H,Length");
// A hole that is meant to stay without a spoke. Readers skip it like an empty cell.
inline const QString kGapMark = LacingCell::Gap().Spelling();

inline bool IsEmptyOrGap(const QString& text) { return text.isEmpty() || text == kGapMark; }

// The table's values by column. A cell that holds no such value (empty, the
// gap mark, text) gives nothing.
inline std::optional<int> HoleAt(const GridModel& table, int col, int row)
{
    return table.Cell(col, row).WholeNumber();
}
inline std::optional<double> LengthAt(const GridModel& table, int row)
{
    return table.Cell(kLengthCol, row).Millimetres();
}

void WriteHeadings(GridModel& table);

// Makes ->R the inverse of ->H again and clears every ->H entry that cannot
// name a hub hole: not a whole number, outside 1 .. hub count, or a row the
// table does not have (a table restored from a wheel of another size). Gap
// marks and empty cells stay as they are. A table without links never fails;
// one with links and no hub count chosen (0) throws EWheelInputError and
// keeps its links. ->R names only the rows LacedSpokeRows keeps as spokes, so
// a rim hole beyond `rimCount` or laced twice draws no line the lengths do not
// count; with no rim count chosen (0) the rim holes are not bounded.
void RebuildHubLinks(GridModel& table, int hubCount, int rimCount = 0);

}  // namespace rimora
