#include "drawing/tension_radar.h"

#include "lacing/hole_layout.h"

#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace rimora {

namespace {

constexpr double kTargetRadius = 0.6;
constexpr double kFullShare = 1.6;

QPointF Polar(QPointF centre, double r, double degrees)
{
    // Clockwise from 12 o'clock, as the drawing numbers its rim holes.
    const double a = (degrees + 270.0) * std::numbers::pi / 180.0;
    return centre + QPointF(std::cos(a) * r, std::sin(a) * r);
}

void Ring(QPainterPath& path, QPointF centre, double r)
{
    path.addEllipse(centre, r, r);
}

}  // namespace

double RadarRadius(double share)
{
    return kTargetRadius * std::clamp(share, 0.0, kFullShare);
}

void PaintTensionRadar(QPainter& p, const WheelLayout& layout, const Wheel& wheel, const std::vector<RadarSpoke>& spokes,
                       double band)
{
    if (!layout.scale || !layout.radii || layout.rimHoles < 1) return;
    const WheelStyle& style = wheel.style;
    const QPointF centre = layout.scale->centre;
    const double rim = layout.radii->rimHole;
    // Each point at its own rim hole, where the drawing has it (a paired rim's two by two).
    const HoleLayout holes = LayoutOf(wheel);
    const auto angleOf = [&](int rimHole) { return holes.RimAngle(rimHole) + wheel.angleDifference; };
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // A wash over the spokes so the radar reads over them.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 170));
    p.drawEllipse(centre, rim, rim);
    QPainterPath bandPath;
    Ring(bandPath, centre, rim * RadarRadius(1 + band));
    Ring(bandPath, centre, rim * RadarRadius(1 - band));
    p.setBrush(QColor(0, 160, 0, 45));
    p.drawPath(bandPath);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 110, 0), 1.5, Qt::DashLine));
    p.drawEllipse(centre, rim * RadarRadius(1), rim * RadarRadius(1));

    for (const bool left : {true, false}) {
        const QColor colour = ToQColor(left ? style.leftSpoke : style.rightSpoke);
        QPolygonF line;
        for (const RadarSpoke& spoke : spokes)
            if (spoke.left == left && spoke.share)
                line << Polar(centre, rim * RadarRadius(*spoke.share), angleOf(spoke.rim));
        p.setPen(QPen(colour.darker(130), 2.5, left && style.greyProof ? Qt::DashLine : Qt::SolidLine));
        if (line.size() > 2) p.drawPolygon(line);
        else p.drawPolyline(line);
        p.setBrush(colour);
        for (const QPointF& at : line) p.drawEllipse(at, 3, 3);
        p.setBrush(Qt::NoBrush);
    }
    // Spokes to tighten (red) or to loosen (orange), at the rim where no kgf is known.
    for (const RadarSpoke& spoke : spokes) {
        if (!spoke.outside) continue;
        const double r = spoke.share ? rim * RadarRadius(*spoke.share) : rim * (spoke.low ? 0.08 : 0.98);
        p.setPen(QPen(spoke.low ? QColor(220, 0, 0) : QColor(230, 120, 0), 2.5));
        p.drawEllipse(Polar(centre, r, angleOf(spoke.rim)), 7, 7);
    }
    p.restore();
}

}  // namespace rimora
