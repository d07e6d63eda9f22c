#pragma once
// What the builder buys: spokes come in whole sizes, so the order is a count
// of each size per side rather than a count of each calculated length. Every
// spoke is ordered at its own length, stretched by its side's tension.
#include "platform/grid_model.h"
#include "platform/number_text.h"
#include "spokes/side_figures.h"
#include "wheel/wheel.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace rimora {

// The size to order for a spoke of `length` mm on a side pulled at `tension`
// kgf, with the wheel's spoke diameter and order step.
double SpokeOrderLength(double length, double tension, const Wheel& n);

struct OrderLine {
    double length = 0;  // mm, a whole size
    int left = 0;
    int right = 0;
    int Total() const { return left + right; }
};
using OrderList = std::vector<OrderLine>;

// Counts one spoke of `orderLength` mm in; the list stays shortest first.
void AddToOrder(OrderList& list, double orderLength, bool left);

int OrderedSpokes(const OrderList& list);

// The laced spokes of the table (LacedSpokeRows) that have a length, each at
// the tension of its side in `sides` (CalcWheelSides of the same table).
OrderList OrderListOf(const GridModel& table, const Wheel& n, const WheelSides& sides);

// "284 mm × 18 right; 286 mm × 9 left + 9 right", with the given marks; the
// command line's words, not translated.
QString OrderListText(const OrderList& list, Marks marks);

// One line per size for the summary, in the region's marks:
//   "Order 284mm * 18 pcs: left 0, right 18"
QStringList OrderSummaryLines(const OrderList& list);

}  // namespace rimora
