#pragma once
// Three small routines the wheel drawing rests on. They keep no state and know
// nothing of wheels: plain numbers, a colour, a string and a canvas.
//
// Angles are clock angles in degrees: 0 is straight up (12 o'clock) and they
// grow clockwise on a surface whose y axis points down.
#include "platform/canvas.h"
#include "platform/color.h"

#include <QPoint>
#include <QString>
#include <vector>

namespace rimora {

// Black or white, whichever reads better on the given colour (system colours
// are resolved to the current palette first).
TColor ContrastTextColor(TColor color);

// The point at distance r and clock angle `angle` from (x, y), each coordinate
// rounded to the nearest pixel with halves to the even neighbour.
QPoint PolarPoint(int x, int y, int r, double angle);

// Draws the labels packed two characters each in `text` evenly around the
// inside of the circle of radius r about (x, y), in the canvas's current font,
// size and colour and without a background box. The last label stands straight
// up and the first one step clockwise from it. A trailing odd character is
// ignored. One label cell is as wide as one full-width character times
// `cellFactor`; a factor of 0 draws nothing. `turn` (degrees, clockwise) turns
// every label about the centre. A `direction` of -1 runs them anticlockwise,
// as a wheel seen from its other side. `angles`, when given, places label i
// at angles[i - 1] degrees (before the turn) in place of even steps, for holes
// that do not lie evenly. Leaves the brush clear.
void DrawCircleLabels(Canvas& canvas, int x, int y, int r, const QString& text, unsigned cellFactor = 1,
                      double turn = 0, int direction = 1, const std::vector<double>* angles = nullptr);

}  // namespace rimora
