#include "spokes/order_list.h"

#include "lacing/hole_layout.h"
#include "lacing/lacing_table.h"
#include "lacing/spoke_rows.h"

#include <QCoreApplication>
#include <algorithm>

namespace rimora {

namespace {

// The tension a side runs at; every length of a side shares it.
double SideTension(const WheelSides& sides, SpokeSide side)
{
    for (const SideFigures& f : sides.lines)
        if (f.side == side) return f.tension;
    return 0;
}

}  // namespace

double SpokeOrderLength(double length, double tension, const Wheel& n)
{
    return OrderLength(length, SpokeStretch(tension, length, n.spokeDiameter), n.orderStep);
}

void AddToOrder(OrderList& list, double orderLength, bool left)
{
    auto at = std::lower_bound(list.begin(), list.end(), orderLength,
                               [](const OrderLine& line, double length) { return line.length < length; });
    if (at == list.end() || at->length != orderLength) at = list.insert(at, OrderLine{orderLength, 0, 0});
    ++(left ? at->left : at->right);
}

int OrderedSpokes(const OrderList& list)
{
    int spokes = 0;
    for (const OrderLine& line : list) spokes += line.Total();
    return spokes;
}

OrderList OrderListOf(const GridModel& table, const Wheel& n, const WheelSides& sides)
{
    const double tensions[] = {SideTension(sides, SpokeSide::Left), SideTension(sides, SpokeSide::Right)};
    OrderList list;
    const HoleLayout layout = LayoutOf(n);
    for (const SpokeRow& spoke : LacedSpokeRows(table, n.hubHoles, n.rimHoles).spokes) {
        const LacingCell& cell = table.Cell(kLengthCol, spoke.row);
        if (cell.IsEmpty()) continue;
        const bool left = layout.HubLeft(spoke.hubHole);
        AddToOrder(list, SpokeOrderLength(cell.RequireMillimetres(), tensions[left ? 0 : 1], n), left);
    }
    return list;
}

QString OrderListText(const OrderList& list, Marks marks)
{
    QStringList parts;
    for (const OrderLine& line : list) {
        QStringList sides;
        if (line.left > 0) sides << QStringLiteral("%1 left").arg(line.left);
        if (line.right > 0) sides << QStringLiteral("%1 right").arg(line.right);
        parts << QStringLiteral("%1 mm × %2").arg(OrderLengthText(line.length, marks), sides.join(QStringLiteral(" + ")));
    }
    return parts.join(QStringLiteral("; "));
}

QStringList OrderSummaryLines(const OrderList& list)
{
    QStringList lines;
    for (const OrderLine& line : list)
        lines << QCoreApplication::translate("Spokes", "Order %1mm * %2 pcs: left %3, right %4")
                     .arg(OrderLengthText(line.length, Marks::RegionUngrouped))
                     .arg(line.Total())
                     .arg(line.left)
                     .arg(line.right);
    return lines;
}

}  // namespace rimora
