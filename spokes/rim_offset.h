#pragma once
// An asymmetric rim: its spoke holes sit a few millimetres off its centre
// plane. Mounted with the holes toward the flange that lies farther from the
// centre plane (the way that reduces dish), that flange's spokes lean less and
// the other flange's spokes lean more.
#include "spokes/spoke_length.h"

#include <QString>

namespace rimora {

struct EffectiveOffsets {
    double left = 0;   // WL', centre of the rim's spoke holes to the left flange, mm
    double right = 0;  // WR'
    bool holesTowardLeft = true;  // the side the holes are moved toward
};

// With WL >= WR: WL' = WL - offset, WR' = WR + offset, holes toward the left;
// the mirror otherwise. An offset of 0 gives WL and WR unchanged.
EffectiveOffsets ApplyRimOffset(double leftOffset, double rightOffset, double rimOffset);

// The inputs of the length calculation with WL and WR replaced by WL' and WR'.
// An offset of 0 returns the inputs untouched, texts included, so the lengths
// are today's to the last bit and a bad WL text is still reported by the
// calculation where it always was. Otherwise WL and WR are converted here
// (EConvertError naming them) and the rim offset is checked against them
// (EWheelInputError naming "Rim offset"). A rim offset text that is no number
// throws EConvertError naming "Rim offset".
SpokeLengthInputs WithRimOffset(const SpokeLengthInputs& inputs, const QString& rimOffsetText);

}  // namespace rimora
