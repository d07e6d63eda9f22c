#pragma once
// Hand editing of the lacing table and the angle-difference quick setting.
#include "platform/grid_model.h"

#include <QString>

namespace rimora {

// "Insert & No.Down" on the table's current cell: the cell becomes the gap
// mark and every cell below it in the same column becomes the cell's former
// number plus that row's own index (an empty cell counts as 0), written
// without a leading zero. A cell that holds no whole number (a gap mark, a
// length, a heading) throws EConvertError and nothing changes; the headings
// row is never written (EListError).
void InsertGapAndNumberDown(GridModel& table);

// "Slide 1/2 angle": half the hole pitch, in degrees, of the circle with fewer
// holes (0 when the counts are equal). A count not chosen or out of range
// throws EWheelInputError.
double HalfPitchAngle(int hubCount, int rimCount);

}  // namespace rimora
