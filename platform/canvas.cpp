#include "platform/canvas.h"

#include "platform/text_stamp.h"

#include <QFontMetrics>
#include <QPaintEngine>

#include <cmath>

namespace rimora {

Canvas::Canvas(QPainter& painter, Shortcuts shortcuts)
    : painter_(painter), font_(painter.font()), shortcuts_(shortcuts == Shortcuts::On)
{
    SetFontSize(font_.pointSize() > 0 ? font_.pointSize() : 8);
    // On paper (PDF, printer, SVG) a font is unhinted, which also keeps it
    // from sharing a font engine with the window's font of the same pixel
    // size: what the PDF writer does to an engine would show in the menus.
    const QPaintEngine* engine = painter.paintEngine();
    if (engine && engine->type() != QPaintEngine::Raster) font_.setHintingPreference(QFont::PreferNoHinting);
    ApplyPen();
}

Canvas::~Canvas()
{
    LeaveAlone(QRegion());
}

bool Canvas::ClipsCheaply() const
{
    const QPaintEngine* engine = painter_.paintEngine();
    return shortcuts_ && engine && engine->type() == QPaintEngine::Raster
           && painter_.combinedTransform().type() <= QTransform::TxTranslate;
}

void Canvas::LeaveAlone(const QRegion& covered)
{
    if (leavingAlone_) {
        painter_.restore();
        leavingAlone_ = false;
    }
    if (covered.isEmpty() || !ClipsCheaply()) return;
    const QPaintDevice* device = painter_.device();
    const QRect everything =
        painter_.combinedTransform().inverted().mapRect(QRect(0, 0, device->width(), device->height()));
    painter_.save();
    painter_.setClipRegion(QRegion(everything) - covered, Qt::IntersectClip);
    leavingAlone_ = true;
}

void Canvas::SetBrushColor(TColor color)
{
    brushColor_ = color;
    brushStyle_ = BrushStyle::Solid;
}

void Canvas::SetPenColor(TColor color)
{
    penColor_ = color;
    ApplyPen();
}

void Canvas::SetPenStyle(PenStyle style)
{
    penStyle_ = style;
    ApplyPen();
}

void Canvas::SetPenWidth(int width)
{
    penWidth_ = width < 1 ? 1 : width;
    ApplyPen();
}

void Canvas::SetFontName(const QString& family)
{
    font_.setFamily(family);
}

void Canvas::SetFontSize(int points)
{
    // Points at 96 pixels per inch, the same on every device.
    font_.setPixelSize(std::max(1, static_cast<int>(std::lround(points * 96.0 / 72.0))));
}

void Canvas::SetFontStyle(bool bold, bool italic)
{
    font_.setBold(bold);
    font_.setItalic(italic);
}

void Canvas::ApplyPen()
{
    Qt::PenStyle style = Qt::SolidLine;
    switch (penStyle_) {
    case PenStyle::Solid: style = Qt::SolidLine; break;
    case PenStyle::Dash: style = Qt::DashLine; break;
    case PenStyle::Dot: style = Qt::DotLine; break;
    case PenStyle::Clear: style = Qt::NoPen; break;
    }
    QPen pen(ToQColor(penColor_), penWidth_, style, Qt::RoundCap, Qt::RoundJoin);
    painter_.setPen(pen);
}

void Canvas::FillRect(const QRect& rect)
{
    if (brushStyle_ == BrushStyle::Clear) return;
    painter_.fillRect(rect, ToQColor(brushColor_));
}

void Canvas::Ellipse(int x1, int y1, int x2, int y2)
{
    ApplyPen();
    painter_.setBrush(brushStyle_ == BrushStyle::Solid ? QBrush(ToQColor(brushColor_)) : QBrush(Qt::NoBrush));
    // The box excludes its right and bottom edges; with a pen of one pixel the
    // outline then covers exactly the pixels x1 .. x2 - 1 and y1 .. y2 - 1.
    const double inset = penWidth_ / 2.0;
    painter_.drawEllipse(QRectF(x1 + inset, y1 + inset, (x2 - x1) - 2 * inset, (y2 - y1) - 2 * inset));
}

void Canvas::LineTo(int x, int y)
{
    ApplyPen();
    if (penStyle_ != PenStyle::Clear) painter_.drawLine(pen_, QPoint(x, y));
    pen_ = QPoint(x, y);
}

void Canvas::TextOut(int x, int y, const QString& text)
{
    const QFontMetrics metrics(font_, painter_.device());
    if (brushStyle_ == BrushStyle::Solid)
        painter_.fillRect(QRect(x, y, metrics.horizontalAdvance(text), metrics.height()), ToQColor(brushColor_));
    const QPoint baseline(x, y + metrics.ascent());
    if (shortcuts_ && WorthStamping(painter_, font_)) {
        DrawTextStamp(painter_, baseline, font_, ToQColor(fontColor_), text);
        return;
    }
    painter_.save();
    painter_.setFont(font_);
    painter_.setPen(ToQColor(fontColor_));
    painter_.drawText(baseline, text);
    painter_.restore();
}

int Canvas::TextWidth(const QString& text) const
{
    return QFontMetrics(font_, painter_.device()).horizontalAdvance(text);
}

int Canvas::TextHeight(const QString& text) const
{
    Q_UNUSED(text);
    return QFontMetrics(font_, painter_.device()).height();
}

void Canvas::DrawText(const QRect& rect, unsigned flags, const QString& text)
{
    int align = Qt::AlignLeft;
    if (flags & DT_Center) align = Qt::AlignHCenter;
    if (flags & DT_Right) align = Qt::AlignRight;
    if ((flags & DT_VCenter) && (flags & DT_SingleLine))
        align |= Qt::AlignVCenter;
    else
        align |= Qt::AlignTop;
    painter_.save();
    painter_.setFont(font_);
    painter_.setPen(ToQColor(fontColor_));
    painter_.setClipRect(rect);
    painter_.drawText(rect, align | ((flags & DT_SingleLine) ? Qt::TextSingleLine : 0), text);
    painter_.restore();
}

}  // namespace rimora
