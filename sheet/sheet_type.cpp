#include "sheet/sheet_type.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace rimora {

namespace {

// Qt leaves out the ligatures of text set with any letter spacing; a
// sixty-fourth of a pixel, the least it keeps, moves no letter visibly.
constexpr double kUnligatedSpacing = 1.0 / 64;

// The sheet is set for paper, where hinting (snapping outlines to a screen's
// pixels) has no place. Unhinted, its fonts are also fonts of their own: the
// font engine cache keys a font by its pixel size, not by the device, so a
// 12 px sheet font on a 600 dpi page would otherwise share the window's 12 px
// engine, and the PDF writer's work on it leaves the window's menus drawn
// with glyphs a pixel high.
QFont Unligated(QFont font, double pixels)
{
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
    font.setLetterSpacing(QFont::AbsoluteSpacing, kUnligatedSpacing);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

}  // namespace

QFont SheetFont(double pixels, bool bold)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(bold);
    return Unligated(font, pixels);
}

QString SideLetter(bool left)
{
    return left ? QCoreApplication::translate("Sheet", "L") : QCoreApplication::translate("Sheet", "R");
}

double PaintSideMark(QPainter& p, const QRectF& cell, TColor colour, bool left)
{
    p.save();
    QPen pen(ToQColor(colour), 3, left ? Qt::CustomDashLine : Qt::SolidLine, Qt::FlatCap);
    if (left) pen.setDashPattern({1.5, 1});
    p.setPen(pen);
    const double y = cell.center().y();
    p.drawLine(QPointF(cell.left() + 1, y), QPointF(cell.left() + kSideMarkWidth - 4, y));
    p.restore();
    return kSideMarkWidth;
}

}  // namespace rimora
