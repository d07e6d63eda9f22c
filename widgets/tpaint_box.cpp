#include "widgets/tpaint_box.h"

#include "platform/guard.h"

#include <QBackingStore>
#include <QPaintEngine>
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
    QPainter painter(this);
    // A paint into a picture (grab, render) shows nothing on screen.
    QBackingStore* store = window()->backingStore();
    const bool onScreen = store && painter.paintEngine() && painter.paintEngine()->paintDevice() == store->paintDevice();
    paintRegion_ = onScreen ? event->region() : QRegion();
    Canvas canvas(painter);
    if (!OnPaint) return;
    const bool ok = RunGuarded([&] { OnPaint(canvas); },
                               [this](const QString& message) {
                                   if (OnPaintError) OnPaintError(message);
                               });
    if (ok && OnPaintError) OnPaintError(QString());
}

}  // namespace rimora
