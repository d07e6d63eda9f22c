#include "spokes/rim_offset.h"

#include "wheel/wheel_fields.h"
#include "spokes/wheel_numbers.h"

#include <QLocale>

namespace rimora {

namespace {

// The shortest text that converts back to exactly `value`, in the current
// region and without grouping, for the length calculation to read.
QString ExactText(double value)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'f', QLocale::FloatingPointShortest);
}

}  // namespace

EffectiveOffsets ApplyRimOffset(double leftOffset, double rightOffset, double rimOffset)
{
    if (leftOffset >= rightOffset) return {leftOffset - rimOffset, rightOffset + rimOffset, true};
    return {leftOffset + rimOffset, rightOffset - rimOffset, false};
}

SpokeLengthInputs WithRimOffset(const SpokeLengthInputs& inputs, const QString& rimOffsetText)
{
    const double rimOffset = ReadRimOffset(rimOffsetText);
    if (rimOffset == 0) return inputs;

    const double left = ReadDecimalField(WheelField::LeftOffset, inputs.leftOffset);
    const double right = ReadDecimalField(WheelField::RightOffset, inputs.rightOffset);
    CheckFlangeOffsets(left, right, rimOffset);
    const EffectiveOffsets w = ApplyRimOffset(left, right, rimOffset);
    SpokeLengthInputs moved = inputs;
    moved.leftOffset = ExactText(w.left);
    moved.rightOffset = ExactText(w.right);
    return moved;
}

}  // namespace rimora
