#include "sheet/step_pages.h"

#include "platform/canvas.h"
#include "platform/errors.h"
#include "sheet/sheet_type.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QTextOption>

namespace rimora {

namespace {

constexpr double kMargin = 40;
constexpr double kGap = 14;

}  // namespace

SpokeShading ShadingOfStep(const LacingSteps& steps, int index)
{
    SpokeShading shading;
    if (index < 0 || index >= static_cast<int>(steps.steps.size())) return shading;
    for (const StepSpoke& s : steps.steps[static_cast<std::size_t>(index)].spokes) shading.full.push_back(s.hub);
    for (const StepSpoke& s : SpokesBefore(steps, index)) shading.faint.push_back(s.hub);
    return shading;
}

QString StepCountLine(const LacingStep& step)
{
    const QString seen =
        step.seenFromLeft
            ? QCoreApplication::translate("Sheet", "Seen from the left, holes numbered anticlockwise.")
            : QCoreApplication::translate("Sheet", "Seen from the right (drive side), holes numbered clockwise.");
    if (step.kind != StepKind::Group) return seen;
    return QCoreApplication::translate("Sheet", "%1 spokes in this step. %2").arg(step.Count()).arg(seen);
}

void PaintStepPage(QPainter& p, const QRectF& page, const StepPage& sp)
{
    const LacingStep& step = sp.steps->steps.at(static_cast<std::size_t>(sp.index));
    const QRectF body = page.adjusted(kMargin, kMargin, -kMargin, -kMargin);
    const QRectF header(body.left(), body.top(), body.width(), 34);
    p.setPen(Qt::black);
    p.setFont(SheetFont(20, true));
    p.drawText(header, Qt::AlignLeft | Qt::AlignVCenter,
               QFontMetricsF(p.font(), p.device())
                   .elidedText(QCoreApplication::translate("Sheet", "Build sheet: %1").arg(sp.title), Qt::ElideMiddle,
                               header.width()));
    p.setPen(QPen(Qt::black, 1.2));
    p.drawLine(header.bottomLeft(), header.bottomRight());

    double y = header.bottom() + kGap;
    p.setPen(Qt::black);
    p.setFont(SheetFont(15, true));
    const QString heading = QCoreApplication::translate("Sheet", "Lacing step %1 of %2: %3")
                                .arg(sp.index + 1)
                                .arg(sp.steps->steps.size())
                                .arg(step.title);
    const QRectF headingBox(body.left(), y, body.width(), 200);
    const QRectF headingUsed = p.boundingRect(headingBox, Qt::TextWordWrap, heading);
    p.drawText(headingBox, Qt::TextWordWrap, heading);
    y += headingUsed.height() + 4;
    p.setFont(SheetFont(kSheetBodyPx));
    p.drawText(QRectF(body.left(), y, body.width(), kSheetRow), Qt::AlignLeft | Qt::AlignVCenter, StepCountLine(step));
    y += kSheetRow + kGap;

    // The drawing across the page's width, no taller than half the page.
    const double side = std::min(body.width(), body.height() * 0.5);
    const QRect box = QRectF(body.left() + (body.width() - side) / 2, y, side, side).toAlignedRect();
    if (sp.table) {
        p.save();
        p.setClipRect(box);
        p.translate(box.topLeft());
        Canvas canvas(p);
        WheelLayout layout;
        DrawingFrame frame = sp.frame;
        frame.width = box.width();
        frame.height = box.height();
        const SpokeShading shading = ShadingOfStep(*sp.steps, sp.index);
        try {
            Wheel seen = sp.wheel;
            seen.style.seenFromLeft = step.seenFromLeft;
            DrawWheel(canvas, seen, *sp.table, frame, layout, &shading);
        } catch (const RimoraError& e) {
            p.setPen(Qt::black);
            p.drawText(QRectF(0, 0, box.width(), box.height()), Qt::AlignCenter | Qt::TextWordWrap, e.Message());
        }
        p.restore();
        p.setPen(QPen(Qt::black, 0.75));
        p.setBrush(Qt::NoBrush);
        p.drawRect(box);
    }
    y = box.bottom() + kGap;

    p.setPen(Qt::black);
    p.setFont(SheetFont(12.5));
    const QRectF textBox(body.left(), y, body.width(), std::max(0.0, body.bottom() - y));
    const QString list = StepSpokeList(step);
    p.drawText(textBox, Qt::TextWordWrap, list.isEmpty() ? step.text : step.text + QStringLiteral("\n\n") + list);
}

}  // namespace rimora
