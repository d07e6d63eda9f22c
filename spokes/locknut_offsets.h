#pragma once
// Flange offsets from what a hub's drawing gives: the over-locknut width and
// each flange's distance from its locknut face.
#include <QString>

namespace rimora {

struct FlangeOffsets {
    double left = 0;   // WL, centre plane to left flange, mm
    double right = 0;  // WR
};

// WL = OLD / 2 - left distance, WR = OLD / 2 - right distance, from the texts
// as typed in the current region. EConvertError naming the first text that is
// not a number; EWheelInputError naming the input when the over-locknut width
// is not above 0, a distance is below 0 or a flange would lie on or beyond the
// centre plane.
FlangeOffsets FlangeOffsetsFromLocknuts(const QString& overLocknut, const QString& leftDistance,
                                        const QString& rightDistance);

}  // namespace rimora
