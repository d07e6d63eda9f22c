#pragma once
// How many spokes of its own flange each laced spoke really crosses, seen
// along the axle. A cross number is what the builder asks for; the holes can
// give something else (a flange of an odd number of spokes cannot alternate,
// so neighbours that head the same way never meet), and a hand-edited table
// can lace anything.
#include "lacing/hole_layout.h"
#include "lacing/spoke_rows.h"

#include <QString>
#include <vector>

namespace rimora {

// The fewest and most crossings among the spokes of one flange. `spokes` is
// 0 when nothing was counted: no spoke, or a flange or rim without a size.
struct CrossingSpan {
    int spokes = 0;
    int fewest = 0;
    int most = 0;
    bool Counted() const { return spokes > 0; }
};

struct WheelCrossings {
    CrossingSpan left;   // odd hub holes
    CrossingSpan right;  // even hub holes
};

// Where the holes are, mm and degrees: hub hole i of the hub count on a circle
// of the flange's diameter at i * 360 / hub count, rim hole j on the ERD at
// j * 360 / rim count + rimTurn.
struct CrossingGeometry {
    int hubCount = 0;
    int rimCount = 0;
    double erd = 0;
    double leftFlange = 0;
    double rightFlange = 0;
    double rimTurn = 0;
    HoleLayout holes;  // plain: the even spacing above
};

// Each spoke a straight segment from its hub hole to its rim hole; a spoke
// crosses every spoke of the same flange whose segment its own cuts.
WheelCrossings CountCrossings(const std::vector<SpokeRow>& spokes, const CrossingGeometry& geometry);

// A side's cross number as the builder reads it: the number asked when every
// spoke crosses that many (or nothing was counted), else what they do cross,
// "0" or "2-3".
QString CrossesText(int asked, const CrossingSpan& span);

}  // namespace rimora
