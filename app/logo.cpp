#include "app/logo.h"

#include "app/fonts.h"

#include <QIcon>
#include <QPainter>
#include <QtMath>

namespace rimora {

namespace {

void PaintWheel(QPainter& p, QPointF centre, qreal radius)
{
    p.setPen(QPen(QColor(64, 64, 64), radius * 0.06));
    p.setBrush(QColor(192, 192, 192));
    p.drawEllipse(centre, radius, radius);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(128, 128, 128));
    p.drawEllipse(centre, radius * 0.84, radius * 0.84);
    p.setBrush(QColor(166, 202, 240));
    p.drawEllipse(centre, radius * 0.76, radius * 0.76);
    // Tangential spokes, left flange green and right flange blue.
    const int spokes = 12;
    for (int i = 0; i < spokes; ++i) {
        const qreal hubAngle = qDegreesToRadians(360.0 * i / spokes);
        const qreal rimAngle = hubAngle + qDegreesToRadians((i % 2 ? -1 : 1) * 60.0);
        p.setPen(QPen(i % 2 ? QColor(0, 0, 255) : QColor(0, 170, 0), radius * 0.05));
        p.drawLine(centre + QPointF(qCos(hubAngle), qSin(hubAngle)) * radius * 0.16,
                   centre + QPointF(qCos(rimAngle), qSin(rimAngle)) * radius * 0.76);
    }
    p.setPen(QPen(QColor(64, 64, 64), radius * 0.03));
    p.setBrush(QColor(160, 160, 164));
    p.drawEllipse(centre, radius * 0.22, radius * 0.22);
}

}  // namespace

QPixmap RimoraLogo(qreal devicePixelRatio)
{
    const QSize size(160, 53);
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 210));
    p.drawRoundedRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), 8, 8);
    PaintWheel(p, QPointF(27, 26.5), 22);
    QFont font = FaceFont({QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")}, 25, true, true);
    p.setFont(font);
    p.setPen(QColor(40, 60, 110));
    p.drawText(QRectF(54, 0, 104, 53), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Rimora"));
    return pixmap;
}

QIcon RimoraIcon()
{
    // Painted once: the program and each of its windows share it.
    static const QIcon icon = [] {
        QIcon sizes;
        for (int side : {16, 32, 48, 64, 128}) {
            QPixmap pixmap(side, side);
            pixmap.fill(Qt::transparent);
            QPainter p(&pixmap);
            p.setRenderHint(QPainter::Antialiasing);
            PaintWheel(p, QPointF(side / 2.0, side / 2.0), side / 2.0 - side / 32.0);
            sizes.addPixmap(pixmap);
        }
        return sizes;
    }();
    return icon;
}

}  // namespace rimora
