#pragma once
// The rim turn a tensioned wheel settles at. With different hub and rim hole
// counts the spans are lopsided at a turn of 0, and a wheel under tension does
// not stay there: the hub turns against the rim until the spokes' torques about
// the axle cancel. Each spoke pulls along its own line, from its flange hole
// to its rim hole, with its side's tension; the two sides' tensions stand in
// the ratio that balances their sideways pulls, as the side figures reckon them.
#include "lacing/spoke_rows.h"
#include "platform/grid_model.h"
#include "wheel/wheel.h"

#include <QString>
#include <optional>
#include <vector>

namespace rimora {

// The largest distance, degrees, between a wheel's angle difference and its
// balance before the builder is told.
inline constexpr double kRimTurnTolerance = 0.5;

// Torque of the spokes about the axle with the rim turned by `turnDegrees`
// (the angle difference), per kgf of the tighter side, kgf·mm: positive when
// the spokes turn the hub clockwise. The wheel as given, rim offset applied.
double HubTorque(const std::vector<SpokeRow>& spokes, const Wheel& wheel, double turnDegrees);

// The angle difference nearest 0, degrees, at which the hub's torques cancel:
// 0 with equal hole counts; nothing for a wheel whose inputs cannot be
// (CheckLengthInputs), without spokes, or whose torques cancel at no turn.
std::optional<double> BalancedRimTurn(const std::vector<SpokeRow>& spokes, const Wheel& wheel);
std::optional<double> BalancedRimTurn(const GridModel& table, const Wheel& wheel);

// The balanced turn as the angle difference box and a profile hold it:
// to hundredths of a degree; as text in the region's decimal mark.
double RoundedRimTurn(double degrees);
QString RimTurnText(double degrees);

// A line for the builder when the wheel's angle difference lies more than
// kRimTurnTolerance off the balance; empty otherwise.
QString RimTurnNote(const GridModel& table, const Wheel& wheel);

}  // namespace rimora
