#pragma once
// The tension page the sheet may end with: the spokes round the wheel from
// rim hole 1, each with its side, and each side's target and band. With a
// round it lists each reading, its kgf and whether it lies outside the band,
// and per side the mean and the spread; without one it is a blank form with
// a box per spoke to write the readings in at the stand.
#include "platform/color.h"
#include "sheet/tension_report.h"

#include <QPainter>
#include <QSizeF>
#include <QString>

namespace rimora {

// On a page of `page` logical units that the painter has already scaled to
// and cleared (as the sheet's pages are), in the region's marks.
void PaintTensionPage(QPainter& p, const QSizeF& page, const TensionReport& report, const QString& title,
                      TColor leftColour, TColor rightColour);

}  // namespace rimora
