#pragma once
// The sheet's type and the marks that tell the sides apart. Every text on the
// sheet is set without ligatures, so a PDF reader finds "offset" and "flange"
// as they are spelt; and each side has a letter and a line of its own (the
// left one dashed, as in the sheet's drawing) that read on a grey-scale print.
#include "platform/color.h"

#include <QFont>
#include <QPainter>
#include <QRectF>
#include <QString>

namespace rimora {

// The body's type and the height of one of its rows, in logical pixels.
inline constexpr double kSheetBodyPx = 11.5;
inline constexpr double kSheetRow = 17;
// The side's mark before its letter.
inline constexpr double kSideMarkWidth = 16;

QFont SheetFont(double pixels, bool bold = false);

// "L" or "R", translated.
QString SideLetter(bool left);

// A short stroke of the side's colour at the left of `cell`, dashed for the
// left side; returns its width, kSideMarkWidth.
double PaintSideMark(QPainter& p, const QRectF& cell, TColor colour, bool left);

}  // namespace rimora
