#pragma once
// The lacing steps on paper: one page per step, under the sheet's title, with
// the wheel drawn small (the step's group in its side's colour, the groups
// laced before it faint, the rest left out) beside what to do and the list of
// its spokes, so that each page laces its group without the table.
#include "drawing/wheel_drawing.h"
#include "lacing/lacing_steps.h"

#include <QPainter>
#include <QRectF>
#include <QString>

namespace rimora {

// The drawing's shading for step `index`: its spokes full, earlier ones faint.
SpokeShading ShadingOfStep(const LacingSteps& steps, int index);

// The line under a step's title: how many spokes and from which side the
// drawing is seen.
QString StepCountLine(const LacingStep& step);

struct StepPage {
    QString title;  // the sheet's title (the profile's name)
    const LacingSteps* steps = nullptr;
    int index = 0;
    Wheel wheel;  // as the sheet draws it: white paper, both hole numbers
    DrawingFrame frame;
    const GridModel* table = nullptr;
};

// Paints the step's page over `page` (logical pixels, margins inside).
void PaintStepPage(QPainter& p, const QRectF& page, const StepPage& step);

}  // namespace rimora
