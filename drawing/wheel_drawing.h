#pragma once
// The laced wheel seen along the axle, to scale, on a canvas: background, the
// rim as two bands, the hub disc, one line per laced spoke, the rim hole
// numbers, and where the credits overlay goes.
//
// The window's paint handler rebuilds the table's ->R column from ->H, then
// draws, then applies the layout (scale, its caption, the overlay) also when
// DrawWheel threw, and shows the error's message in the status bar.
#include "drawing/wheel_layout.h"
#include "platform/canvas.h"
#include "platform/grid_model.h"
#include "wheel/wheel.h"

#include <vector>

namespace rimora {

// Draws in logical pixels by LayOutWheel(wheel, frame), which it leaves in
// `layout`: a canvas on a dense device gets the same layout, only sharper.
// Reads the table's HUB and ->R columns from row 1 on. With frame.unreadable
// the canvas gets the background with a note naming the input, and
// EConvertError with its message is thrown. EWheelInputError for a wheel that
// cannot be drawn yet (no hole count chosen) or at all; what was painted
// before stays.
// Which spokes a lacing step shows: those of its group in their side's
// colour, those laced before it faint, the rest not at all. By hub hole.
struct SpokeShading {
    std::vector<int> full;
    std::vector<int> faint;
};

void DrawWheel(Canvas& canvas, const Wheel& wheel, const GridModel& table, const DrawingFrame& frame,
               WheelLayout& layout, const SpokeShading* shading = nullptr);

struct DrawnSpoke {
    int hubHole = 0;
    int rimHole = 0;
};

// The lines DrawWheel draws, in HUB order: each hub hole to the rim hole in
// its ->R cell, which RebuildHubLinks fills from the rows the lengths count.
std::vector<DrawnSpoke> SpokesToDraw(const GridModel& table);

}  // namespace rimora
