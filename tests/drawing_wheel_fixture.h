#pragma once
// Shared by the wheel drawing tests: a laced 36/36 table built cell by cell,
// a renderer into a QImage, and pixel helpers in logical coordinates.
#include "drawing/drawing_primitives.h"
#include "drawing/wheel_drawing.h"
#include "platform/color.h"
#include "platform/convert.h"
#include "platform/errors.h"
#include "platform/grid_model.h"

#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QString>

#include <cmath>
#include <vector>

namespace rimora::test {

// A colour the drawing never uses, to see what it left untouched.
constexpr TColor kUntouched = RGBColor(255, 0, 255);

// Rim hole of hub hole h in a 36/36 three-cross wheel: the pattern repeats
// every four holes, two spokes leading six holes clockwise, two trailing.
inline int ThreeCrossRimHole(int h)
{
    const int offset = (h % 4 == 1 || h % 4 == 0) ? 6 : 30;
    return (h - 1 + offset) % 36 + 1;
}

// HUB "01".."36", RIM "01".."36", ->H the rim's hub hole and ->R its inverse,
// as the table holds them after the links are rebuilt.
inline void FillThreeCross36(GridModel& table, bool linkRimHoles = true)
{
    table.SetRowCount(37);
    table.SetRowFromCommaText(0, QStringLiteral("HUB,->R,RIM,->H,Length"));
    for (int h = 1; h <= 36; ++h) {
        const int k = ThreeCrossRimHole(h);
        table.SetCells(0, h, FormatHoleNumber(h));
        table.SetCells(1, h, linkRimHoles ? FormatHoleNumber(k) : QStringLiteral("-"));
        table.SetCells(2, h, FormatHoleNumber(h));
        table.SetCells(3, k, FormatHoleNumber(h));
    }
}

// A wheel and the frame it is drawn in; the defaults are the window's design
// values at the paint box's design size.
struct Drawing {
    Wheel wheel;
    DrawingFrame frame;
};

inline Drawing Wheel3636()
{
    Drawing in;
    in.wheel.hubHoles = 36;
    in.wheel.rimHoles = 36;
    // The window's title label: its text in its bold italic Gothic face.
    in.frame.creditsTitle.text = QStringLiteral("Created by Rimora ");
    in.frame.creditsTitle.font.setFamilies({QStringLiteral("MS UI Gothic"), QStringLiteral("IPAPGothic"),
                                            QStringLiteral("IPAGothic"), QStringLiteral("DejaVu Sans")});
    in.frame.creditsTitle.font.setBold(true);
    in.frame.creditsTitle.font.setItalic(true);
    return in;
}

// The note the window's reading of a text gives the drawing when `text` does
// not read for `field`.
inline void Unreadable(Drawing& in, WheelField field, const char* text)
{
    in.frame.unreadable = FieldProblem{field, UnreadableText(field, QString::fromUtf8(text))};
}

struct Rendered {
    QImage image;
    WheelLayout result;
    QString error;
    bool convertError = false;
    bool wheelInputError = false;

    // The colour at a logical pixel, whatever the image's pixel ratio.
    TColor At(int x, int y) const
    {
        const double dpr = image.devicePixelRatio();
        return FromQColor(image.pixelColor(static_cast<int>(x * dpr), static_cast<int>(y * dpr)));
    }
    TColor At(QPoint p) const { return At(p.x(), p.y()); }

    int Count(TColor color) const
    {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (FromQColor(image.pixelColor(x, y)) == color) ++n;
        return n;
    }
};

// Draws the wheel onto `device`, keeping the result and the error, if any, in `r`.
inline void DrawInto(QPaintDevice& device, const Drawing& in, const GridModel& table, Rendered& r,
                     Canvas::Shortcuts shortcuts = Canvas::Shortcuts::On)
{
    QPainter painter(&device);
    painter.setFont(in.frame.textFont);
    Canvas canvas(painter, shortcuts);
    try {
        DrawWheel(canvas, in.wheel, table, in.frame, r.result);
    } catch (const EConvertError& e) {
        r.error = e.Message();
        r.convertError = true;
    } catch (const EWheelInputError& e) {
        r.error = e.Message();
        r.wheelInputError = true;
    }
}

inline Rendered Render(const Drawing& in, const GridModel& table, double dpr = 1.0,
                       Canvas::Shortcuts shortcuts = Canvas::Shortcuts::On)
{
    Rendered r;
    r.image = QImage(static_cast<int>(in.frame.width * dpr), static_cast<int>(in.frame.height * dpr),
                     QImage::Format_RGB32);
    r.image.setDevicePixelRatio(dpr);
    r.image.fill(ToQColor(kUntouched));
    DrawInto(r.image, in, table, r, shortcuts);
    return r;
}

inline Rendered Render(const Drawing& in)
{
    GridModel table;
    FillThreeCross36(table);
    return Render(in, table);
}

// Pixels along the straight line from a to b, from fraction `from` to `to`.
// A pixel's middle lies half a pixel right of and below its coordinates, so
// the pixel whose middle is nearest to a point of the line is the one the
// point falls in: within 0.71 pixels of the line, inside any line 2 wide.
inline std::vector<QPoint> PointsAlong(QPoint a, QPoint b, double from, double to, int count = 9)
{
    std::vector<QPoint> points;
    for (int i = 0; i < count; ++i) {
        const double t = from + (to - from) * i / (count - 1);
        points.emplace_back(static_cast<int>(std::floor(a.x() + (b.x() - a.x()) * t)),
                            static_cast<int>(std::floor(a.y() + (b.y() - a.y()) * t)));
    }
    return points;
}

// Where the spoke of hub hole h lies in the design-size 36/36 drawing: from the
// hub hole circle (20.5 mm x 0.5691 px/mm = 11.67 -> radius 12 for 41 mm flanges) to the rim hole circle (167)
// about (241, 177).
struct SpokeEnds {
    QPoint hub;
    QPoint rim;
};

// The angle difference turns the rim end; a side's flange circle can differ.
inline SpokeEnds DesignSpoke(int h, double angleDiff = 0, int hubHoleRadius = 12)
{
    return {PolarPoint(241, 177, hubHoleRadius, h * 10.0),
            PolarPoint(241, 177, 167, ThreeCrossRimHole(h) * 10.0 + angleDiff)};
}

}  // namespace rimora::test
