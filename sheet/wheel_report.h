#pragma once
// The command line's answer for a wheel: per side the spokes, crosses and
// length, as lines of text or as one JSON object with the inputs and every
// laced spoke. Numbers are written with a decimal point whatever the region,
// so that scripts can read them.
#include "sheet/saved_wheel.h"
#include "sheet/side_figures.h"

#include <QString>
#include <utility>
#include <vector>

namespace rimora {

struct WheelReport {
    QString fileName;
    std::vector<std::pair<QString, QString>> inputs;  // name, text as read
    WheelSides sides;
    std::vector<LacedSpoke> spokes;
};

// From a prepared wheel (PrepareWheel).
WheelReport ReportOf(const SavedWheel& wheel);

// One line per side:
//   left: 18 spokes, 3 crosses, 285.4 mm
//   right: 18 spokes, 3 crosses, 284.6 mm
// A side whose spokes differ in length gives "284.9 - 285.7 mm", one without
// any length "no length".
QString ReportLines(const WheelReport& report);

// {"profile": ..., "inputs": {...}, "sides": {"left": {...}, "right": {...}},
//  "spokes": [{"hub": 1, "rim": 7, "side": "left", "length": 285.4}, ...]}
QString ReportJson(const WheelReport& report);

}  // namespace rimora
