#pragma once
// The inputs a user types or chooses for the wheel, each known by the caption
// the window shows for it. Every message about an input names it by this
// caption, quotes the text and says what the input takes, so the user finds
// the box at once.
#include "platform/errors.h"

#include <QString>

namespace rimora {

// In the order of the "Data" tab, then the angle difference of the "Spoke" tab.
enum class WheelField {
    HubHoles,
    RimHoles,
    Erd,
    LeftOffset,
    RightOffset,
    LeftFlange,
    RightFlange,
    SpokeHole,
    LeftCross,
    RightCross,
    RimOffset,
    Tension,
    SpokeDiameter,
    OrderStep,
    AngleDifference,
    // The hub's own figures, on a dialog of their own.
    LeftTangent,
    RightTangent,
    LeftFlangeThickness,
    RightFlangeThickness,
    // Where the hub's and the rim's holes lie.
    FlangeOffset,
    HubPairAngle,
    RimPairAngle,
};

inline constexpr WheelField kAllWheelFields[] = {
    WheelField::HubHoles,    WheelField::RimHoles,      WheelField::Erd,        WheelField::LeftOffset,
    WheelField::RightOffset, WheelField::LeftFlange,    WheelField::RightFlange, WheelField::SpokeHole,
    WheelField::LeftCross,   WheelField::RightCross,    WheelField::RimOffset,  WheelField::Tension,
    WheelField::SpokeDiameter, WheelField::OrderStep,   WheelField::AngleDifference};

// The caption as the window shows it, without the colon ("ERD",
// "WL, width from center to left flange", "angle difference"), translated.
QString FieldCaption(WheelField field);

// The short name before the caption's comma ("WL"); the whole caption when it
// has no comma.
QString FieldShortName(WheelField field);

// Hole counts, cross numbers and the order step take whole numbers; the rest
// take decimals in the region's notation.
bool TakesWholeNumber(WheelField field);

// Empty when the text converts for the field; otherwise the message that names
// the field, quotes the text and says what is expected, e.g.
// "ERD: '59o' is not a number (decimal mark '.')" (UnreadableDecimal). An
// empty hole count asks for the count to be chosen.
QString UnreadableText(WheelField field, const QString& text);

// Empty when the text reads as a decimal in the region; otherwise, for any
// decimal input, also one of a dialog, "<caption>: '<text>' is not a number
// (decimal mark '.')", or for a text that reads two ways
// "<caption>: '1,590' could be 1590 or 1.59: write 1590 or 1.59".
QString UnreadableDecimal(const QString& caption, const QString& text);

// One decimal input of a dialog: EConvertError naming `caption` and quoting
// the text when it is not a number in the current region.
double ReadDecimalInput(const QString& caption, const QString& text);

// A message about a value that converts but gives no wheel: "<caption>: <why>".
QString FieldMessage(WheelField field, const QString& why);

// A value that reads but gives no wheel, with the field it names, so that the
// window can frame the input.
class EFieldInputError : public EWheelInputError {
public:
    EFieldInputError(WheelField field, const QString& message) : EWheelInputError(message), field_(field) {}
    WheelField Field() const { return field_; }

private:
    WheelField field_;
};

struct FieldProblem {
    WheelField field;
    QString message;
};

}  // namespace rimora
