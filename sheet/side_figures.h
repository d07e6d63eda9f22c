#pragma once
// What a builder needs per side of the wheel, read from a laced and measured
// lacing table: how many spokes, how many crossings, how long. The sheet,
// the command line's lines and its JSON all take their figures from here.
#include "platform/grid_model.h"

#include <QLocale>
#include <QString>
#include <optional>
#include <vector>

namespace rimora {

// One laced spoke: a rim hole row whose ->H names a hub hole.
struct LacedSpoke {
    int hub = 0;
    int rim = 0;
    bool left = false;              // odd hub holes are on the left flange
    QString lengthText;             // the Length cell as the table shows it
    std::optional<double> length;   // mm, when the cell holds a length
};

struct SideFigures {
    int spokes = 0;    // laced spokes of the side
    int crosses = 0;   // the side's cross number
    int measured = 0;  // of those, the ones with a length
    double shortest = 0;  // mm, of the measured ones; 0 when none is measured
    double longest = 0;
    bool SingleLength() const { return measured > 0 && shortest == longest; }
};

struct WheelSides {
    SideFigures left;
    SideFigures right;
};

// The laced spokes from the top of the table down. Rows whose RIM or ->H is
// empty, the gap mark or no whole number carry no spoke; a Length text is
// read in the current region, grouping allowed ("1,002.5").
std::vector<LacedSpoke> LacedSpokes(const GridModel& table);

WheelSides SideFiguresOf(const std::vector<LacedSpoke>& spokes, int leftCross, int rightCross);

// The side's length in mm with one decimal: "285.4", or "284.9 - 285.7" when
// its spokes differ (hole counts that differ, a table edited by hand), or ""
// when none is measured.
QString SideLengthText(const SideFigures& side, const QLocale& locale = QLocale());

}  // namespace rimora
