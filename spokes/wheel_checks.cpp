#include "spokes/wheel_checks.h"

#include "platform/convert.h"
#include "platform/errors.h"
#include "platform/number_text.h"
#include "lacing/hole_layout.h"
#include "spokes/rim_offset.h"
#include "spokes/spoke_length.h"
#include "wheel/wheel_records.h"
#include "wheel/wheel_fields.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>
#include <cmath>
#include <vector>

namespace rimora {

namespace {

[[noreturn]] void Impossible(WheelField field, const QString& why)
{
    throw EFieldInputError(field, FieldMessage(field, why));
}

// Each field's value within what real parts span (the record table's range).
void CheckRanges(const Wheel& n, const std::vector<WheelField>& fields)
{
    for (const WheelField field : fields) {
        const WheelRecord& record = RecordOf(field);
        const QString problem = RangeProblem(record, ValueOf(n, record));
        if (!problem.isEmpty()) throw EFieldInputError(field, problem);
    }
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

}  // namespace

void CheckRimOffset(double offset)
{
    if (!(offset >= 0))
        Impossible(WheelField::RimOffset,
                   QCoreApplication::translate("Spokes", "the offset is a distance, 0 or more; the holes are always moved toward the "
                                  "flange farther from the centre plane."));
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

void CheckLengthInputs(const Wheel& n)
{
    if (n.hubHoles <= 0) Impossible(WheelField::HubHoles, QCoreApplication::translate("Spokes", "choose the hub's hole count."));
    if (n.rimHoles <= 0) Impossible(WheelField::RimHoles, QCoreApplication::translate("Spokes", "choose the rim's hole count."));
    if (const QString problem = LayoutProblem(LayoutOf(n)); !problem.isEmpty()) throw EWheelInputError(problem);
    CheckRimOffset(n.rimOffset);
    CheckFlangeOffsets(n.leftOffset, n.rightOffset, n.rimOffset);
    if (!(n.spokeHole >= 0))
        Impossible(WheelField::SpokeHole, QCoreApplication::translate("Spokes", "the spoke hole's diameter must be 0 mm or more."));
    std::vector<WheelField> fields{WheelField::Erd,        WheelField::LeftOffset,  WheelField::RightOffset,
                                   WheelField::LeftFlange, WheelField::RightFlange, WheelField::SpokeHole,
                                   WheelField::RimOffset};
    if (AngleDifferenceApplies(n)) fields.push_back(WheelField::AngleDifference);
    fields.insert(fields.end(), {WheelField::FlangeOffset, WheelField::HubPairAngle, WheelField::RimPairAngle});
    // The hub's own inputs, where its kind uses them.
    if (n.hubKind == StraightPullHub)
        fields.insert(fields.end(), {WheelField::LeftTangent, WheelField::RightTangent});
    else
        fields.insert(fields.end(), {WheelField::LeftFlangeThickness, WheelField::RightFlangeThickness});
    CheckRanges(n, fields);
    // The spokes run from the flanges out to the rim: a rim inside a flange
    // gives no spoke, and one barely outside gives a spoke of a few millimetres.
    const bool leftLarger = n.leftFlange > n.rightFlange;
    const double flange = std::max(n.leftFlange, n.rightFlange);
    if (!(n.erd > flange))
        Impossible(WheelField::Erd,
                   QCoreApplication::translate("Spokes", "%1 is not larger than the %2 flange's %3: the rim must lie outside "
                                                         "the hub's flanges.")
                       .arg(Millimetres(n.erd),
                            leftLarger ? QCoreApplication::translate("Spokes", "left")
                                       : QCoreApplication::translate("Spokes", "right"),
                            Millimetres(flange)));
    // A flange as far out as the rim's radius leaves the spoke no pull inward.
    for (const auto& [field, offset] :
         {std::pair{WheelField::LeftOffset, n.leftOffset}, {WheelField::RightOffset, n.rightOffset}})
        if (!(offset < n.erd / 2))
            Impossible(field, QCoreApplication::translate("Spokes", "%1 must be less than half the ERD, %2.")
                                  .arg(Millimetres(offset), Millimetres(n.erd / 2)));
}

void CheckWheel(const Wheel& n)
{
    CheckLengthInputs(n);
    CheckTension(n.tension);
    CheckSpokeDiameter(n.spokeDiameter);
    CheckRanges(n, {WheelField::Tension, WheelField::SpokeDiameter});
    CheckOrderStep(n.orderStep);
}

}  // namespace rimora
