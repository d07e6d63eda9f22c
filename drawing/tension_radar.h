#pragma once
// A round of tension readings over the wheel drawing: per side a line through
// every read spoke at its rim hole's angle, its distance from the centre the
// spoke's tension against its side's target, so both sides share one ring
// for the target and one shaded band of ±20 % round it, whatever their
// targets. A spoke outside the band gets a ring of its own.
#include "drawing/wheel_layout.h"
#include "platform/color.h"

#include <QPainter>
#include <optional>
#include <vector>

namespace rimora {

struct RadarSpoke {
    int rim = 0;
    bool left = false;
    std::optional<double> share;  // kgf over the side's target; nothing when not read or off the chart
    bool outside = false;         // outside the band, or off the chart
    bool low = false;             // outside below it
};

// Where a share of the target lies from the centre, as a fraction of the rim
// hole circle's radius: the target at 0.6, a share of 1.6 or more just
// inside the rim.
double RadarRadius(double share);

// Paints over a drawing of `wheel` laid out as `layout` (LayOutWheel), in
// the wheel's side colours; nothing when the layout has no wheel.
void PaintTensionRadar(QPainter& p, const WheelLayout& layout, const Wheel& wheel, const std::vector<RadarSpoke>& spokes,
                       double band);

}  // namespace rimora
