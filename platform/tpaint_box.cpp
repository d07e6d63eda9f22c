#include "platform/tpaint_box.h"

#include "platform/guard.h"

#include <QPaintEvent>
#include <QPainter>

namespace rimora {

TPaintBox::TPaintBox(QWidget* parent, const QString& name) : QWidget(parent)
{
    setObjectName(name);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPaintBox::paintEvent(QPaintEvent* event)
{
    ++paintCount_;
    paintRegion_ = event->region();
    QPainter painter(this);
    Canvas canvas(painter);
    if (!OnPaint) return;
    const bool ok = RunGuarded([&] { OnPaint(canvas); },
                               [this](const QString& message) {
                                   if (OnPaintError) OnPaintError(message);
                               });
    if (ok && OnPaintError) OnPaintError(QString());
}

}  // namespace rimora
