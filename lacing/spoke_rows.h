#pragma once
// Which rows of the lacing table are spokes. A hand-edited table can name a
// hub hole from two rim holes, a rim hole twice, or a hole the wheel does not
// have; a hole holds one spoke, so the lengths, the bill, the side figures and
// the drawing all count the rows this says and nothing else.
#include "platform/grid_model.h"

#include <QStringList>
#include <vector>

namespace rimora {

struct SpokeRow {
    int row = 0;      // the rim hole's row
    int rimHole = 0;
    int hubHole = 0;
};

struct SpokeRows {
    std::vector<SpokeRow> spokes;  // in table order
    QStringList faults;            // one translated line for each row left out
};

// A row is a spoke when RIM and ->H hold hole numbers within the counts and
// no later row names the same hub hole or the same rim hole: the last row
// wins, as ->R keeps the last rim hole that names its hub hole. Rows are read
// as the lengths read them, stopping at the first empty RIM cell; a cell that
// holds no number is left to the reader that needs it.
SpokeRows LacedSpokeRows(const GridModel& table, int hubCount, int rimCount);

}  // namespace rimora
