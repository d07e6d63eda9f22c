#pragma once
// The wheel's layout in the paint box: the bead seat circle just fits the
// shorter side, and every other circle is drawn at the same scale.
#include "wheel/wheel.h"

#include <QPoint>

namespace rimora {

struct WheelScale {
    QPoint centre;        // the box's middle, truncated
    int beadRadius = 0;   // half the shorter side, truncated
    double scale = 0;     // pixels per mm
};

// Radii in pixels about the centre, except flangeMm.
struct WheelRadii {
    int rimHole = 0;    // the ERD circle less the rim's inner offset
    int innerBand = 0;  // inner edge of the outer band
    double flangeMm = 0;  // the larger flange's hole circle radius, exact mm
    int hub = 0;        // hub disc
    int hubHole = 0;    // the larger flange's hole circle
    int leftHubHole = 0;   // where the left spokes start: the left flange's hole circle
    int rightHubHole = 0;  // where the right spokes start
};

// Throws EWheelInputError for a box no widget can have or a bead seat
// diameter that is not positive.
WheelScale ScaleWheel(int width, int height, int beadSeat);

// From ERD, the rim's band and inner offset, the flange diameters and the hub
// margin; a circle too large to draw throws EWheelInputError.
WheelRadii MeasureWheel(const Wheel& wheel, const WheelScale& scale);

}  // namespace rimora
