#pragma once
// A wheel with everything the main window would hold for it: the Data tab's
// texts, the drawing settings and the lacing table. The command line fills
// it from a profile file without any window; the window fills it from its
// controls. Both then prepare it and hand it to the sheet and the exports.
#include "platform/color.h"
#include "platform/convert.h"
#include "platform/grid_model.h"
#include "spokes/wheel_numbers.h"

#include <QString>
#include <memory>

namespace rimora {

struct SavedWheel {
    SavedWheel();
    SavedWheel(SavedWheel&&) noexcept = default;
    SavedWheel& operator=(SavedWheel&&) noexcept = default;

    QString fileName = QStringLiteral("Profile.prl");  // shown on the sheet, without its folder

    // The Data tab, texts as the controls show them ("" for a list with no
    // item chosen). The defaults are the window's design values.
    QString rimType = QStringLiteral("700c:622");  // TyCB
    QString hubHoles;                              // HubCB
    QString rimHoles;                              // RimCB
    QString rightFlange = QStringLiteral("41");    // dRE
    QString leftFlange = QStringLiteral("41");     // dLE
    int leftCross = 3;                             // CLE, 0 .. 4
    QString leftOffset = QStringLiteral("27.5");   // WLE
    QString rightOffset = QStringLiteral("18.1");  // WRE
    QString spokeHole = QStringLiteral("2.5");     // ShE
    QString erd = QStringLiteral("590");           // ErdE
    int rightCross = 3;                            // CRE, 0 .. 4
    QString angleDifference = QStringLiteral("0");  // AdE

    // The Draw tab.
    TColor background = colors::SkyBlue;  // CL1
    TColor rimOuter = colors::Silver;     // CL2
    TColor rimInner = colors::Gray;       // CL3
    TColor hub = colors::MedGray;         // CL4
    TColor rightSpoke = colors::Blue;     // CL5
    TColor leftSpoke = colors::Lime;      // CL6
    int rimBandMm = 8;                    // RIMBK, 0 .. 9
    int rimInnerMm = 1;                   // RIMID, 0 .. 9
    int hubMarginMm = 6;                  // HUBOD, 0 .. 9
    int spokeWidth = 2;                   // SpkD, 1 .. 10
    bool numbers = true;                  // RNCB
    bool hubNumbers = false;              // HNCB
    int sideIndex = 0;                    // Ssd

    // The Data tab's rim offset, tension and ordering, saved after everything
    // above; a profile without them gets the window's defaults.
    QString rimOffset = FloatToStr(kDefaultRimOffset);          // RimOffE, mm
    QString tension = FloatToStr(kDefaultTension);              // TensionE, kgf
    QString spokeDiameter = FloatToStr(kDefaultSpokeDiameter);  // SpokeDiaE, mm
    QString orderStep = QString::number(kDefaultOrderStep);     // OrderStepCB, mm

    // Every number of the Data tab, set by PrepareWheel.
    WheelNumbers inputNumbers;

    // HUB, ->R, RIM, ->H, Length with the headings in row 0.
    std::unique_ptr<GridModel> table;
};

// True when no data cell of the table holds anything: the wheel was saved
// before it was laced, or its table was cleared.
bool TableIsEmpty(const GridModel& table);

// The length calculation's inputs as the wheel holds them, before the rim
// offset is applied.
SpokeLengthInputs LengthInputsOf(const SavedWheel& wheel);

// Reads a profile file as the window's "Open" would: item indices through
// the window's lists, spin values pulled into their ranges, the table sized
// from the hole counts. Throws EInOutError naming the file when it does not
// exist, cannot be read or holds no [MainF] section.
SavedWheel ReadSavedWheel(const QString& path);

// Makes the wheel ready for the sheet, the lengths and the drawing: a table
// without any entry is laced from the hole counts and cross numbers as the
// window laces it, one edited by hand is kept as it stands; the ->R column is
// rebuilt from ->H and every length computed with the rim offset applied, as
// "Calc!" computes them. Every number text is read first (ReadWheelNumbers,
// then the angle difference), so that an error names the file, the field by
// its caption on the window and the text: "bad.prl: ERD: '59O' is not a
// number ...".
void PrepareWheel(SavedWheel& wheel);

}  // namespace rimora
