#include "spokes/wheel_numbers.h"

#include "platform/convert.h"
#include "platform/errors.h"
#include "platform/number_text.h"
#include "spokes/rim_offset.h"
#include "spokes/wheel_fields.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>
#include <cmath>

namespace rimora {

namespace {

double Decimal(WheelField field, const QString& text)
{
    return ReadDecimalField(field, text);
}

int Whole(WheelField field, const QString& text)
{
    return ReadWholeField(field, text);
}

[[noreturn]] void Impossible(WheelField field, const QString& why)
{
    throw EWheelInputError(FieldMessage(field, why));
}

QString Millimetres(double value)
{
    return LengthText(value) + QStringLiteral(" mm");
}

void CheckTension(double tension)
{
    if (!(tension > 0)) Impossible(WheelField::Tension, QCoreApplication::translate("Spokes", "the tension must be more than 0 kgf."));
}

void CheckSpokeDiameter(double diameter)
{
    if (!(diameter > 0))
        Impossible(WheelField::SpokeDiameter, QCoreApplication::translate("Spokes", "the spoke's diameter must be more than 0 mm."));
}

void CheckOrderStep(int step)
{
    if (step != 1 && step != 2)
        Impossible(WheelField::OrderStep, QCoreApplication::translate("Spokes", "spokes are sold in steps of 1 or 2 mm."));
}

void CheckRimOffset(double offset)
{
    if (!(offset >= 0))
        Impossible(WheelField::RimOffset,
                   QCoreApplication::translate("Spokes", "the offset is a distance, 0 or more; the holes are always moved toward the "
                                  "flange farther from the centre plane."));
}

}  // namespace

double ReadDecimalInput(const QString& caption, const QString& text)
{
    double value = 0;
    if (!TryStrToFloat(text, value)) throw EConvertError(UnreadableDecimal(caption, text));
    return value;
}

double ReadRimOffset(const QString& text)
{
    const double offset = Decimal(WheelField::RimOffset, text);
    CheckRimOffset(offset);
    return offset;
}

void CheckFlangeOffsets(double leftOffset, double rightOffset, double rimOffset)
{
    // Spokes need a flange on each side of the rim's plane to brace it.
    if (!(leftOffset > 0))
        Impossible(WheelField::LeftOffset,
                   QCoreApplication::translate("Spokes", "the left flange must lie left of the centre plane, more than 0 mm."));
    if (!(rightOffset > 0))
        Impossible(WheelField::RightOffset,
                   QCoreApplication::translate("Spokes", "the right flange must lie right of the centre plane, more than 0 mm."));
    const EffectiveOffsets w = ApplyRimOffset(leftOffset, rightOffset, rimOffset);
    if (!(w.left > 0 && w.right > 0))
        Impossible(WheelField::RimOffset,
                   QCoreApplication::translate("Spokes", "%1 reaches the %2 flange's offset of %3: the rim's holes would sit in that "
                                  "flange's plane or beyond it. It must be less than %3.")
                       .arg(Millimetres(rimOffset),
                            w.holesTowardLeft ? QCoreApplication::translate("Spokes", "left") : QCoreApplication::translate("Spokes", "right"),
                            Millimetres(std::max(leftOffset, rightOffset))));
}

void ReadSideInputs(const WheelTexts& t, WheelNumbers& n)
{
    n.rimOffset = ReadRimOffset(t.rimOffset);
    n.tension = Decimal(WheelField::Tension, t.tension);
    CheckTension(n.tension);
    n.spokeDiameter = Decimal(WheelField::SpokeDiameter, t.spokeDiameter);
    CheckSpokeDiameter(n.spokeDiameter);
    n.orderStep = Whole(WheelField::OrderStep, t.orderStep);
    CheckOrderStep(n.orderStep);
}

WheelNumbers ReadWheelNumbers(const WheelTexts& t)
{
    WheelNumbers n;
    n.hubHoles = Whole(WheelField::HubHoles, t.lengths.hubHoles);
    n.rimHoles = Whole(WheelField::RimHoles, t.lengths.rimHoles);
    n.erd = Decimal(WheelField::Erd, t.lengths.erd);
    n.leftOffset = Decimal(WheelField::LeftOffset, t.lengths.leftOffset);
    n.rightOffset = Decimal(WheelField::RightOffset, t.lengths.rightOffset);
    n.leftFlange = Decimal(WheelField::LeftFlange, t.lengths.leftFlange);
    n.rightFlange = Decimal(WheelField::RightFlange, t.lengths.rightFlange);
    n.spokeHole = Decimal(WheelField::SpokeHole, t.lengths.spokeHole);
    n.leftCross = Whole(WheelField::LeftCross, t.leftCross);
    n.rightCross = Whole(WheelField::RightCross, t.rightCross);
    ReadSideInputs(t, n);
    CheckWheelNumbers(n);
    return n;
}

void CheckWheelNumbers(const WheelNumbers& n)
{
    for (const auto& [field, value] : {std::pair{WheelField::Erd, n.erd},
                                       {WheelField::LeftFlange, n.leftFlange},
                                       {WheelField::RightFlange, n.rightFlange},
                                       {WheelField::SpokeHole, n.spokeHole}}) {
        if (!std::isfinite(value)) Impossible(field, QCoreApplication::translate("Spokes", "the number is out of range."));
    }
    if (n.hubHoles <= 0) Impossible(WheelField::HubHoles, QCoreApplication::translate("Spokes", "choose the hub's hole count."));
    if (n.rimHoles <= 0) Impossible(WheelField::RimHoles, QCoreApplication::translate("Spokes", "choose the rim's hole count."));
    CheckRimOffset(n.rimOffset);
    CheckFlangeOffsets(n.leftOffset, n.rightOffset, n.rimOffset);
    if (!(n.spokeHole >= 0))
        Impossible(WheelField::SpokeHole, QCoreApplication::translate("Spokes", "the spoke hole's diameter must be 0 mm or more."));
    CheckTension(n.tension);
    CheckSpokeDiameter(n.spokeDiameter);
    CheckOrderStep(n.orderStep);
}

namespace {

bool EqualHoleCounts(const SpokeLengthInputs& in)
{
    int hub = 0;
    int rim = 0;
    return TryStrToInt(in.hubHoles, hub) && TryStrToInt(in.rimHoles, rim) && hub == rim;
}

}  // namespace

std::vector<FieldText> LengthFieldTexts(const SpokeLengthInputs& in, const QString& rimOffsetText)
{
    std::vector<FieldText> texts{{WheelField::HubHoles, in.hubHoles},       {WheelField::RimHoles, in.rimHoles},
                                 {WheelField::Erd, in.erd},                 {WheelField::LeftOffset, in.leftOffset},
                                 {WheelField::RightOffset, in.rightOffset}, {WheelField::LeftFlange, in.leftFlange},
                                 {WheelField::RightFlange, in.rightFlange}, {WheelField::SpokeHole, in.spokeHole},
                                 {WheelField::RimOffset, rimOffsetText}};
    if (!EqualHoleCounts(in)) texts.push_back({WheelField::AngleDifference, in.angleDifference});
    return texts;
}

std::vector<FieldText> WheelFieldTexts(const WheelTexts& t)
{
    std::vector<FieldText> texts = LengthFieldTexts(t.lengths, t.rimOffset);
    // CL and CR come after S, Tension, Spoke Ø and Order step after the rim offset.
    const auto afterField = [&texts](WheelField field) {
        return std::find_if(texts.begin(), texts.end(), [field](const FieldText& f) { return f.field == field; }) + 1;
    };
    texts.insert(afterField(WheelField::SpokeHole),
                 {{WheelField::LeftCross, t.leftCross}, {WheelField::RightCross, t.rightCross}});
    texts.insert(afterField(WheelField::RimOffset), {{WheelField::Tension, t.tension},
                                                     {WheelField::SpokeDiameter, t.spokeDiameter},
                                                     {WheelField::OrderStep, t.orderStep}});
    std::erase_if(texts, [](const FieldText& f) {
        return (f.field == WheelField::HubHoles || f.field == WheelField::RimHoles) && f.text.isEmpty();
    });
    return texts;
}

}  // namespace rimora
