#include "spokes/wheel_notes.h"

#include "lacing/lacing_notes.h"
#include "spokes/rim_turn_balance.h"
#include "lacing/spoke_rows.h"
#include "spokes/spoke_length.h"
#include "spokes/spoke_line.h"
#include "spokes/side_figures.h"
#include "platform/errors.h"

#include <cmath>

namespace rimora {

namespace {

bool Counted(const Wheel& wheel)
{
    return wheel.hubHoles > 0 && wheel.rimHoles > 0;
}

// The nipples' note from the table's own lengths; none while it has none.
QString EntryNote(const GridModel& table, const Wheel& wheel)
{
    try {
        return EntryAngleNote(CalcWheelSides(table, wheel));
    } catch (const RimoraError&) {
        return {};
    }
}

}  // namespace

QStringList WheelNotes(const GridModel& table, const Wheel& wheel)
{
    if (!Counted(wheel)) return {};
    std::vector<SpannedSpoke> spokes;
    const HoleLayout layout = LayoutOf(wheel);
    for (const SpokeRow& s : LacedSpokeRows(table, wheel.hubHoles, wheel.rimHoles).spokes)
        spokes.push_back({s.hubHole, TurnedSpan(wheel, s.hubHole, s.rimHole), layout.HubLeft(s.hubHole) ? 1 : 0});
    const FlangeReach reach = FlangeReachOf(wheel.erd, wheel.leftFlange, wheel.rightFlange);
    QStringList notes{
        AlternationNote(spokes, wheel.leftCross, wheel.rightCross),
        BeyondTangentNote(spokes, wheel.leftCross, wheel.rightCross, reach),
        RimTurnNote(table, wheel),
        EntryNote(table, wheel),
    };
    notes.removeAll(QString());
    return notes;
}

WheelCrossings CrossingsOfTable(const GridModel& table, const Wheel& wheel)
{
    if (!Counted(wheel)) return {};
    const CrossingGeometry geometry{wheel.hubHoles,   wheel.rimHoles,     wheel.erd,
                                    wheel.leftFlange, wheel.rightFlange, RimTurnInUse(wheel), LayoutOf(wheel)};
    return CountCrossings(LacedSpokeRows(table, wheel.hubHoles, wheel.rimHoles).spokes, geometry);
}

}  // namespace rimora
