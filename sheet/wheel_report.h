#pragma once
// The command line's answer for a wheel: per side the spokes, crosses,
// length, order length, bracing angle and tension, as lines of text or as
// one JSON object with the inputs and every laced spoke. Numbers are written
// with a decimal point whatever the region, so that scripts can read them.
#include "sheet/laced_spokes.h"
#include "sheet/laced_wheel.h"
#include "sheet/side_spans.h"

#include <QJsonValue>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace rimora {

struct WheelReport {
    QString fileName;
    // Name and the typed wheel's value: a number, or the rim type's name.
    std::vector<std::pair<QString, QJsonValue>> inputs;
    WheelSpans sides;
    std::vector<LacedSpoke> spokes;  // each with its order length
    OrderList order;                 // what those spokes are bought as
    QStringList notes;  // WheelNotes: what the builder should know of the lacing
    WheelParts parts;   // the builder's names of the parts, and remarks
};

// From a prepared wheel (PrepareWheel).
WheelReport ReportOf(const LacedWheel& wheel);

// One line per side:
//   left: 18 spokes, 3 crosses, 285.4 mm, order 286 mm, bracing 5.5°, 79.2 kgf
//   right: 18 spokes, 3 crosses, 284.6 mm, order 284 mm, bracing 3.6°, 120.0 kgf
// A side whose spokes differ in length gives each figure as its shortest and
// longest ("284.9 - 285.7 mm, order 284 - 286 mm, bracing 5.4 - 5.5°"), a
// side with heads both ways its two lengths ("285.6 (heads out) / 286.1
// (heads in) mm"), one
// without any length "no length" and nothing after it. A side whose spokes
// do not all cross the cross number says what they cross ("0 crosses",
// "2-3 crosses"). Then, when any spoke has a length, the order list
//   order: 284 mm × 18 right; 286 mm × 18 left
// and one line "note: ..." per note.
QString ReportLines(const WheelReport& report);

// {"profile": ..., "inputs": {...},
//  "sides": {"left": {"spokes": 18, "length": 285.4, "orderLength": 286,
//                     "bracing": 5.51, "tension": 79.2, "crosses": 3,
//                     "crossings": [3, 3], ...}, "right": {...}},
//  "notes": [...],
//  "order": [{"length": 284, "left": 0, "right": 18}, ...],
//  "spokes": [{"hub": 1, "rim": 7, "side": "left", "length": 285.4,
//              "orderLength": 286, "direction": "leading", "head": "in",
//              "entryAngle": 85.5}, ...]}
// The inputs are numbers; the rim type's name, the hub kind ("J-bend",
// "straight-pull") and each side's heads ("trailing out", "leading out",
// "all in", "all out") strings. A spoke's head is null where heads are not
// modelled (a straight-pull hub, a flange without a thickness).
// "crosses" is the cross number asked for; "crossings" the fewest and most
// spokes of the flange a spoke of the side crosses, null when not counted.
QString ReportJson(const WheelReport& report);

}  // namespace rimora
