#pragma once
// The laced spokes of a lacing table, one per row that joins a rim hole to a
// hub hole: the sheet's lacing list and the command line's JSON read them.
#include "lacing/hole_layout.h"
#include "platform/grid_model.h"
#include "sheet/side_spans.h"
#include "spokes/order_list.h"
#include "spokes/spoke_line.h"
#include "wheel/wheel.h"

#include <QString>
#include <optional>
#include <vector>

namespace rimora {

// How a spoke leaves its hub hole. The wheel is read as the drawing shows it,
// seen from the drive side, turning clockwise as a rear wheel does under the
// chain. A spoke whose rim end lies clockwise of its hub end (rim turn
// applied) leads: it points ahead in the turn. One whose rim end lies
// anticlockwise trails: it is the one the hub pulls on when the rider pedals.
// A side of cross number 0 is radial.
enum class SpokeLay { Radial, Leading, Trailing };

// One laced spoke: a rim hole row whose ->H names a hub hole.
struct LacedSpoke {
    int hub = 0;
    int rim = 0;
    bool left = false;              // odd hub holes are on the left flange
    QString lengthText;             // the Length cell as the table shows it
    std::optional<double> length;   // mm, when the cell holds a length
    std::optional<double> orderLength;  // mm, the size to buy, when it has a length
    SpokeLay lay = SpokeLay::Radial;
    SpokeHead head = SpokeHead::Unmodelled;  // on a J-bend flange with a thickness
    std::optional<double> entryAngle;        // degrees between the spoke and the rim's tangent
};

// The laced spokes from the top of the table down. Rows whose RIM or ->H is
// empty, the gap mark or no whole number carry no spoke; a length is the one
// its cell was read as, in the region, grouping allowed ("1,002.5").
std::vector<LacedSpoke> LacedSpokes(const GridModel& table, int hubCount, int rimCount,
                                    const HoleLayout& layout);

// The same with each spoke's lay, head and entry angle and, at its side's
// tension in `sides`, its order length.
std::vector<LacedSpoke> LacedSpokes(const GridModel& table, const Wheel& n, const WheelSpans& sides);

// The lay of a spoke from its span, degrees in (-180, 180], positive when the
// rim end lies clockwise of the hub end.
SpokeLay LayOfSpan(double span, int crosses);

// What the builder buys for these spokes: those with an order length.
OrderList OrderListOf(const std::vector<LacedSpoke>& spokes);

}  // namespace rimora
