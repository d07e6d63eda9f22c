#include "spokes/rim_offset.h"

#include "spokes/wheel_checks.h"

namespace rimora {

EffectiveOffsets ApplyRimOffset(double leftOffset, double rightOffset, double rimOffset)
{
    if (leftOffset >= rightOffset) return {leftOffset - rimOffset, rightOffset + rimOffset, true};
    return {leftOffset + rimOffset, rightOffset - rimOffset, false};
}

Wheel WithRimOffset(const Wheel& wheel)
{
    CheckRimOffset(wheel.rimOffset);
    if (wheel.rimOffset == 0) return wheel;
    CheckFlangeOffsets(wheel.leftOffset, wheel.rightOffset, wheel.rimOffset);
    const EffectiveOffsets w = ApplyRimOffset(wheel.leftOffset, wheel.rightOffset, wheel.rimOffset);
    Wheel moved = wheel;
    moved.leftOffset = w.left;
    moved.rightOffset = w.right;
    return moved;
}

}  // namespace rimora
