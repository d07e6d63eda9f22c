#pragma once
#include "platform/canvas.h"
#include "platform/component.h"

#include <QRegion>
#include <QWidget>
#include <functional>

namespace rimora {

// A surface the program paints itself. Painting happens only inside
// paintEvent; "draw now" is repaint(). An error while painting stops the
// painting and goes to OnPaintError (the status bar), never to a modal box.
class TPaintBox : public QWidget, public Component {
    Q_OBJECT
public:
    TPaintBox(QWidget* parent, const QString& name);
    QString Name() const override { return objectName(); }

    std::function<void(Canvas&)> OnPaint;
    std::function<void(const QString&)> OnPaintError;
    int PaintCount() const { return paintCount_; }
    // The part of the box the latest paint covered on screen; empty for a
    // paint into a picture (grab, render).
    const QRegion& PaintRegion() const { return paintRegion_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int paintCount_ = 0;
    QRegion paintRegion_;
};

}  // namespace rimora
