#pragma once
// A round of tension readings on a laced wheel: each reading with its spoke
// (rim hole, side) and kgf, and per side the target, the band, the mean, the
// spread and the spokes outside the band. The command line prints it, the
// sheet prints it or a blank form to fill in by hand.
#include "sheet/laced_wheel.h"
#include "sheet/laced_spokes.h"
#include "spokes/tension_round.h"

#include <QString>
#include <optional>
#include <vector>

namespace rimora {

// The wheel's spokes in the order the builder reads them round the wheel:
// from the first rim hole after the valve (which follows rim hole
// `valveAfter`, 0: between the last and the first) on, one per rim hole that
// holds a spoke.
std::vector<RoundSpoke> SpokesRoundTheWheel(const std::vector<LacedSpoke>& spokes, int valveAfter);

struct TensionReport {
    QString fileName;
    std::vector<RoundSpoke> spokes;  // round the wheel
    double leftTarget = 0;           // kgf, the side figures' tension
    double rightTarget = 0;
    std::optional<TensionRound> round;  // the last round; none for a blank form
    bool chartFound = false;  // the round's meter and spoke kind are known here
    RoundFigures figures;
};

// The wheel's spokes and targets, with its last round converted by the
// chart it names among `meters`. A prepared wheel (PrepareWheel).
TensionReport TensionReportOf(const LacedWheel& wheel, const std::vector<TensionMeter>& meters);

// What the sheet's tension page shows: with `blankForm` the spokes and targets
// with no round (no meter file is read); otherwise the last round, or nothing
// when the wheel has none.
std::optional<TensionReport> TensionPageOf(const LacedWheel& wheel, bool blankForm);

// The round as lines:
//   round: after truing, 2026-12-07 21:05 UTC, Park Tool TM-1, 2.0 mm round steel
//   rim 1 left: 22.5 -> 91.0 kgf
//   rim 2 right: 29 -> above 28, high
//   left: target 79.2 kgf, band 63.4 - 95.0 kgf, 16 read, mean 80.1 kgf, spread 2.3 kgf, outside: rim 5, rim 9
QString TensionLines(const TensionReport& report);
// {"profile": ..., "round": {"label", "time", "meter", "kind", "chartFound"},
//  "spokes": [{"rim": 1, "side": "left", "reading": 22.5, "kgf": 91.0, "mark": "within"}, ...],
//  "sides": {"left": {"target", "low", "high", "read", "mean", "spread", "outside": [rim holes]}, "right": ...}}
// A mark is "within", "low", "high", "below table", "above table" or "not read".
QString TensionJson(const TensionReport& report);

}  // namespace rimora
