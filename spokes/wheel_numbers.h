#pragma once
// The wheel as numbers: every input of the Data tab converted once, at one
// boundary, for the calculations that come after the spoke lengths (rim offset,
// bracing, tension, stretch, order lengths) and for anything else that works
// from a profile rather than from the window.
#include "spokes/spoke_length.h"
#include "wheel/wheel_fields.h"

#include <QString>
#include <vector>

namespace rimora {

// The texts of the Data tab's inputs, exactly as typed.
struct WheelTexts {
    SpokeLengthInputs lengths;  // ERD, flanges, hole counts, angle difference, WL, WR, S
    QString leftCross;          // CLE
    QString rightCross;         // CRE
    QString rimOffset;          // rim's spoke holes off its centre plane, mm
    QString tension;            // tension of the tighter side, kgf
    QString spokeDiameter;      // thinnest diameter of the spoke, mm
    QString orderStep;          // steps in which spokes are sold, mm
};

// Defaults of the inputs that came after the first program; a profile without
// them gives exactly the lengths it always gave.
inline constexpr double kDefaultRimOffset = 0.0;
inline constexpr double kDefaultTension = 120.0;
inline constexpr double kDefaultSpokeDiameter = 2.0;
inline constexpr int kDefaultOrderStep = 2;

struct WheelNumbers {
    int hubHoles = 0;
    int rimHoles = 0;
    double erd = 0;            // effective rim diameter, mm
    double leftOffset = 0;     // WL, centre plane to left flange as typed, mm
    double rightOffset = 0;    // WR
    double leftFlange = 0;     // dL, hole-circle diameter, mm
    double rightFlange = 0;    // dR
    double spokeHole = 0;      // S, mm
    int leftCross = 0;
    int rightCross = 0;
    double rimOffset = kDefaultRimOffset;
    double tension = kDefaultTension;             // kgf
    double spokeDiameter = kDefaultSpokeDiameter;  // mm
    int orderStep = kDefaultOrderStep;            // mm
};

// Converts every text in the order of the Data tab (HUB, RIM, ERD, WL, WR, dL,
// dR, S, CL, CR, Rim offset, Tension, Spoke Ø, Order step) and then checks that
// the wheel can be built (CheckWheelNumbers). The first text that is not a
// number throws EConvertError naming that input and quoting the text; the angle
// difference is not read here (the length calculation owns it).
WheelNumbers ReadWheelNumbers(const WheelTexts& texts);

// Only the four inputs that belong to the tension and ordering figures, in
// that order, each checked for its own range; the rest of `into` is untouched.
void ReadSideInputs(const WheelTexts& texts, WheelNumbers& into);

// One decimal input of a dialog: EConvertError naming `caption` and quoting
// the text when it is not a number in the current region.
double ReadDecimalInput(const QString& caption, const QString& text);

// The rim offset's text: a number of 0 or more, else an error naming it.
double ReadRimOffset(const QString& text);

// The flange offsets WL and WR with the rim offset taken off one of them must
// both stay above 0: EWheelInputError naming WL, WR or the rim offset.
void CheckFlangeOffsets(double leftOffset, double rightOffset, double rimOffset);

// EWheelInputError naming the input when the wheel cannot be built: a rim
// offset below zero or as large as the flange offset it shrinks (that side's
// spokes would lie in the rim's plane or beyond), a flange offset of zero or
// less, a tension or spoke diameter of zero or less, an order step other than
// 1 or 2 mm, or a number that is not finite.
void CheckWheelNumbers(const WheelNumbers& n);

// The texts the spoke lengths convert, each with its field, in the order of
// the "Data" tab: HUB, RIM, ERD, WL, WR, dL, dR, S, Rim offset, and then the
// angle difference unless the hole counts are equal (the calculation sets it
// to 0 then). Checked before the first length is written, so a bad text
// leaves the table as it was.
std::vector<FieldText> LengthFieldTexts(const SpokeLengthInputs& lengths, const QString& rimOffsetText);

// Every text of the summary: those of the lengths with CL, CR, Tension,
// Spoke Ø and Order step in their places. A hole count not chosen yet is left
// out: the summary asks for both counts in a message of its own.
std::vector<FieldText> WheelFieldTexts(const WheelTexts& texts);

}  // namespace rimora
