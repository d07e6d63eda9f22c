#pragma once
// A wheel with its lacing table and the file it came from. The command line
// reads it from a profile file without any window; the window makes it from
// its own wheel and table. Both then prepare it and hand it to the sheet and
// the exports.
#include "platform/grid_model.h"
#include "wheel/wheel_reading.h"

#include <QString>
#include <memory>

namespace rimora {

struct LacedWheel {
    LacedWheel();
    LacedWheel(LacedWheel&&) noexcept = default;
    LacedWheel& operator=(LacedWheel&&) noexcept = default;

    QString fileName = QStringLiteral("Profile.prl");  // shown on the sheet, without its folder
    // The wheel, with the texts of the file that did not read.
    WheelReading reading;
    // HUB, ->R, RIM, ->H, Length with the headings in row 0.
    std::unique_ptr<GridModel> table;

    const Wheel& wheel() const { return reading.wheel; }
};

// True when no data cell of the table holds anything: the wheel was saved
// before it was laced, or its table was cleared.
bool TableIsEmpty(const GridModel& table);

// Reads a profile file as the window's "Open" would (ReadWheelRecords), the
// table sized from the hole counts. Throws EInOutError naming the file when
// it does not exist, cannot be read or holds no [MainF] section.
LacedWheel ReadLacedWheel(const QString& path);

// Makes the wheel ready for the sheet, the lengths and the drawing: a table
// without any entry is laced from the hole counts and cross numbers as the
// window laces it, one edited by hand is kept as it stands; the ->R column is
// rebuilt from ->H and every length computed with the rim offset applied, as
// "Calc!" computes them. A text of the file that did not read, or a wheel that
// cannot be built, stops it first with the file, the field by its caption on
// the window and the text: "bad.prl: ERD: '59O' is not a number ...".
void PrepareWheel(LacedWheel& wheel);

}  // namespace rimora
