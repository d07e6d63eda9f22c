#pragma once
// Length of every laced spoke, written into the Length column of the lacing
// table ("Calc!").
#include "platform/grid_model.h"

#include <QString>
#include <functional>

namespace rimora {

// The wheel as the Data tab's controls hold it, texts exactly as typed. Each is
// converted only when the calculation needs it, so a bad text is reported at
// the point where it is used.
struct SpokeLengthInputs {
    QString erd;                // ErdE, effective rim diameter, mm
    QString rightFlange;        // dRE, right flange hole-circle diameter, mm
    QString leftFlange;         // dLE, left flange hole-circle diameter, mm
    QString hubHoles;           // HubCB
    QString rimHoles;           // RimCB
    QString angleDifference;    // AdE, degrees the rim holes are turned by
    QString leftOffset;         // WLE, centre plane to left flange, mm
    QString rightOffset;        // WRE, centre plane to right flange, mm
    QString spokeHole;          // ShE, spoke hole diameter, mm
};

// Rewrites the Length column (column 4) from the RIM (2) and ->H (3) columns,
// rows 1 and down, each length "#,##0.0" in the current region.
//
// Conversions happen in this order: ERD, dR, dL, hub count, rim count, angle
// difference; then per row the rim hole, the hub hole, the flange offset of the
// spoke's side and the spoke hole diameter. The first text that does not convert
// throws EConvertError: rows already done keep their new lengths, the row in
// progress is left empty and rows below keep their old texts.
//
// With equal hole counts an angle difference makes no sense (every rim hole has a
// hub hole straight opposite), so setAngleDifference("0") is called before the
// first row and the calculation uses 0. The caller writes that text into its
// angle-difference control.
//
// A gap mark "-" in RIM skips the row; an empty RIM ends the calculation there
// (the table has no more rim holes). A row whose ->H is empty or "-" has no spoke
// and keeps an empty Length.
void CalcSpokeLengths(GridModel& grid, const SpokeLengthInputs& inputs,
                      const std::function<void(const QString&)>& setAngleDifference);

}  // namespace rimora
