// The wheel drawing of the main window: the paint handler reads the controls,
// rebuilds the table's links and lets the drawing code paint; then the scale
// and the credits overlay are applied to the window's own label and image.
#include "app/input_mark.h"
#include "app/lace_steps_page.h"
#include "app/main_form.h"
#include "app/true_window.h"
#include "drawing/wheel_drawing.h"
#include "lacing/lacing_steps.h"
#include "lacing/lacing_table.h"
#include "sheet/build_sheet.h"

namespace rimora {

namespace {

// The wheel the drawing takes, read from the controls, and the paint box's
// frame with the credits the window shows.
DrawnWheel DrawingOfControls(const TMainF& f)
{
    DrawnWheel drawn = DrawingOf(f.CurrentWheel(), f.wheelPaintBox->width(), f.wheelPaintBox->height());
    drawn.frame.credits = TMainF::ShowCredits != 0;
    drawn.frame.creditsTitle = {f.titleLabel->Caption(), f.titleLabel->font()};
    drawn.frame.textFont = f.wheelPaintBox->font();
    return drawn;
}

// Where the credits stand on the drawing, the hidden ones left out.
QRegion CreditsArea(const TMainF& f)
{
    QRegion area;
    if (f.titleLabel->isVisibleTo(f.wheelPaintBox)) area |= f.titleLabel->geometry();
    if (f.logoImage->isVisibleTo(f.wheelPaintBox)) area |= f.logoImage->geometry();
    return area;
}

}  // namespace

void TMainF::PaintWheel(Canvas& canvas)
{
    const DrawnWheel drawn = DrawingOfControls(*this);
    RebuildHubLinks(lacingGrid->Model(), CurrentWheel().wheel.hubHoles, CurrentWheel().wheel.rimHoles);
    WheelLayout layout;
    // The "Lace" tab: the step's spokes over the wheel, both hole numbers to lace by.
    const bool lacing = tabs->currentWidget() == lacePage;
    std::optional<SpokeShading> shading;
    DrawnWheel shown = drawn;
    if (lacing) {
        lacePage->SetSteps(StepsOf(lacingGrid->Model(), drawn.wheel));
        shading = lacePage->Shading();
        shown.wheel.style.numbers = true;
        shown.wheel.style.hubNumbers = true;
        shown.wheel.style.sideIndex = BothSides;
        shown.wheel.style.seenFromLeft = lacePage->SeenFromLeft();
    }
    try {
        DrawWheel(canvas, shown.wheel, lacingGrid->Model(), shown.frame, layout, shading ? &*shading : nullptr);
    } catch (...) {
        wheelOnScreen_.Painted(wheelPaintBox->PaintRegion(), wheelPaintBox->size(), drawn.wheel.style.background, layout);
        ApplyDrawingResult(layout);
        throw;
    }
    wheelOnScreen_.Painted(wheelPaintBox->PaintRegion(), wheelPaintBox->size(), drawn.wheel.style.background, layout);
    ApplyDrawingResult(layout);
}

// The scale and the credits that stand on the drawing are placed before it is
// painted: moved while it paints, their old and new places would be painted a
// second time. The layout is the paint's own, so the paint's placing then
// changes nothing.
WheelLayout TMainF::PlaceWheelOverlay()
{
    const DrawnWheel drawn = DrawingOfControls(*this);
    const WheelLayout layout = LayOutWheel(drawn.wheel, drawn.frame);
    ApplyDrawingResult(layout);
    return layout;
}

// Only the wheel's old and new boxes when the rest of the box is known to be
// the same background; what moved on top of the drawing is repainted too.
// The credits stand in the corners of the wheel's box or outside it: when
// they move or change size their old and new places join the same paint, and
// one that the area meets is painted whole, as the stretched logo painted in
// part comes out a shade different from the logo painted whole.
void TMainF::RepaintWheel()
{
    const QRegion creditsBefore = CreditsArea(*this);
    const WheelLayout next = PlaceWheelOverlay();
    const QRegion creditsAfter = CreditsArea(*this);
    QRegion area = wheelOnScreen_.RepaintArea(wheelPaintBox->size(), backgroundColourBox->Selected(), next);
    if (creditsBefore != creditsAfter) area |= creditsBefore | creditsAfter;
    for (const QRect& credit : creditsAfter)
        if (area.intersects(credit)) area |= credit;
    wheelPaintBox->repaint(area);
    if (trueWindow && trueWindow->isVisible()) trueWindow->WheelChanged();
}

void TMainF::ApplyDrawingResult(const WheelLayout& result)
{
    if (result.unreadableField) SetInputMarked(FieldControl(*result.unreadableField), true);
    if (result.scale) {
        pixelsPerMm = result.scale->scale;
        scaleLabel->SetCaption(result.scaleCaption);
    }
    switch (result.credits.action) {
    case CreditsAction::Unchanged:
        break;
    case CreditsAction::Show:
        // A credit with no room clear of the wheel is hidden until there is.
        if (!result.credits.titleRect.isEmpty()) {
            titleLabel->SetFontSize(result.credits.titleFontSize);
            titleLabel->SetFontColor(result.credits.titleColor);
            titleLabel->setGeometry(result.credits.titleRect);
        }
        titleLabel->setVisible(!result.credits.titleRect.isEmpty());
        if (!result.credits.imageRect.isEmpty()) logoImage->setGeometry(result.credits.imageRect);
        logoImage->setVisible(!result.credits.imageRect.isEmpty());
        break;
    case CreditsAction::Hide:
        titleLabel->hide();
        logoImage->hide();
        break;
    }
}

}  // namespace rimora
