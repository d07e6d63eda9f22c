#include "sheet/laced_spokes.h"

#include "lacing/lacing_table.h"
#include "lacing/spoke_rows.h"
#include "spokes/spoke_length.h"
#include "spokes/spoke_line.h"

#include <cmath>

namespace rimora {

namespace {

}  // namespace

std::vector<LacedSpoke> LacedSpokes(const GridModel& table, int hubCount, int rimCount, const HoleLayout& layout)
{
    std::vector<LacedSpoke> spokes;
    for (const SpokeRow& spoke : LacedSpokeRows(table, hubCount, rimCount).spokes) {
        const int row = spoke.row;
        LacedSpoke s;
        s.rim = spoke.rimHole;
        s.hub = spoke.hubHole;
        s.left = layout.HubLeft(s.hub);
        s.lengthText = table.Cells(kLengthCol, row);
        s.length = LengthAt(table, row);
        spokes.push_back(s);
    }
    return spokes;
}

std::vector<LacedSpoke> LacedSpokes(const GridModel& table, const Wheel& n, const WheelSpans& sides)
{
    std::vector<LacedSpoke> spokes = LacedSpokes(table, n.hubHoles, n.rimHoles, LayoutOf(n));
    if (n.hubHoles <= 0 || n.rimHoles <= 0) return spokes;
    for (LacedSpoke& s : spokes) {
        const SideSpan& side = s.left ? sides.left : sides.right;
        // The rim turned as the lengths and the drawing turn it.
        const double span = TurnedSpan(n, s.hub, s.rim);
        s.lay = LayOfSpan(span, s.left ? n.leftCross : n.rightCross);
        const SpokeLine line = LineOfSpoke(n, s.left, span);
        s.head = line.head;
        s.entryAngle = line.entryDegrees;
        if (s.length && side.Measured()) s.orderLength = SpokeOrderLength(*s.length, side.tension, n);
    }
    return spokes;
}

SpokeLay LayOfSpan(double span, int crosses)
{
    if (crosses == 0 || span == 0) return SpokeLay::Radial;
    return span > 0 ? SpokeLay::Leading : SpokeLay::Trailing;
}

OrderList OrderListOf(const std::vector<LacedSpoke>& spokes)
{
    OrderList list;
    for (const LacedSpoke& s : spokes)
        if (s.orderLength) AddToOrder(list, *s.orderLength, s.left);
    return list;
}

}  // namespace rimora
