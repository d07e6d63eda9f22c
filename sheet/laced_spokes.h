#pragma once
// The laced spokes of a lacing table, one per row that joins a rim hole to a
// hub hole: the sheet's lacing list and the command line's JSON read them.
#include "platform/grid_model.h"

#include <QString>
#include <optional>
#include <vector>

namespace rimora {

// One laced spoke: a rim hole row whose ->H names a hub hole.
struct LacedSpoke {
    int hub = 0;
    int rim = 0;
    bool left = false;              // odd hub holes are on the left flange
    QString lengthText;             // the Length cell as the table shows it
    std::optional<double> length;   // mm, when the cell holds a length
};

// The laced spokes from the top of the table down. Rows whose RIM or ->H is
// empty, the gap mark or no whole number carry no spoke; a length is the one
// its cell was read as, in the region, grouping allowed ("1,002.5").
std::vector<LacedSpoke> LacedSpokes(const GridModel& table, int hubCount, int rimCount);

}  // namespace rimora
