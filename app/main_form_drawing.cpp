// The wheel drawing of the main window: the paint handler reads the controls,
// rebuilds the table's links and lets the drawing code paint; then the scale
// and the credits overlay are applied to the window's own label and image.
#include "app/input_mark.h"
#include "app/main_form.h"
#include "drawing/wheel_drawing.h"
#include "lacing/lacing_table.h"
#include "platform/null_paint_device.h"
#include "sheet/build_sheet.h"

namespace rimora {

namespace {

// The inputs a saved wheel's drawing takes, read from the controls, with the
// credits the window shows.
WheelDrawingInputs DrawingInputs(const TMainF& f)
{
    WheelDrawingInputs in = DrawingInputsOf(f.WheelOfControls(), f.PB1->width(), f.PB1->height());
    // A text that does not read goes to the drawing as typed, for its note.
    const WheelReading& reading = f.CurrentWheel();
    for (const auto& [field, text] : {std::pair{WheelField::Erd, &in.erdText}, {WheelField::RightFlange, &in.rightFlangeText},
                                      {WheelField::LeftFlange, &in.leftFlangeText}, {WheelField::AngleDifference, &in.angleDiffText}})
        if (!reading.Problem(field).isEmpty()) *text = static_cast<TEdit*>(f.FieldControl(field))->Text();
    in.credits = TMainF::ShowCredits != 0;
    in.creditsTitle = {f.TitleL->Caption(), f.TitleL->font()};
    return in;
}

// Where the credits stand on the drawing, the hidden ones left out.
QRegion CreditsArea(const TMainF& f)
{
    QRegion area;
    if (f.TitleL->isVisibleTo(f.PB1)) area |= f.TitleL->geometry();
    if (f.Image1->isVisibleTo(f.PB1)) area |= f.Image1->geometry();
    return area;
}

}  // namespace

void TMainF::PB1Paint(Canvas& canvas)
{
    WheelDrawingInputs inputs = DrawingInputs(*this);
    RebuildHubLinks(SG1->Model(), CurrentWheel().wheel.hubHoles);
    WheelDrawingResult result;
    try {
        DrawWheel(canvas, inputs, SG1->Model(), result);
    } catch (...) {
        wheelOnScreen_.Painted(PB1->PaintRegion(), PB1->size(), inputs.background, result);
        ApplyDrawingResult(result);
        throw;
    }
    wheelOnScreen_.Painted(PB1->PaintRegion(), PB1->size(), inputs.background, result);
    ApplyDrawingResult(result);
}

// The scale and the credits that stand on the drawing are placed before it is
// painted: moved while it paints, their old and new places would be painted a
// second time. The drawing runs on a device that keeps nothing, so it works out
// exactly what the paint will (an error stops both at the same step) and the
// paint's own placing then changes nothing.
WheelDrawingResult TMainF::PlaceWheelOverlay()
{
    WheelDrawingResult result;
    try {
        WheelDrawingInputs inputs = DrawingInputs(*this);
        // The rim numbers come after every conversion, place nothing that
        // stands on the drawing and leave the wheel's box as it is; drawing
        // their texts would only cost. The hub numbers stay: their ring can
        // widen the box.
        inputs.numbers = false;
        RebuildHubLinks(SG1->Model(), CurrentWheel().wheel.hubHoles);
        NullPaintDevice device(inputs.width, inputs.height);
        QPainter painter(&device);
        Canvas canvas(painter);
        DrawWheel(canvas, inputs, SG1->Model(), result);
    } catch (...) {
        // The paint that follows meets the same error and reports it.
    }
    ApplyDrawingResult(result);
    return result;
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
    const WheelDrawingResult next = PlaceWheelOverlay();
    const QRegion creditsAfter = CreditsArea(*this);
    QRegion area = wheelOnScreen_.RepaintArea(PB1->size(), CL1->Selected(), next);
    if (creditsBefore != creditsAfter) area |= creditsBefore | creditsAfter;
    for (const QRect& credit : creditsAfter)
        if (area.intersects(credit)) area |= credit;
    PB1->repaint(area);
}

void TMainF::ApplyDrawingResult(const WheelDrawingResult& result)
{
    if (result.unreadableField) SetInputMarked(FieldControl(*result.unreadableField), true);
    if (result.scale) {
        scl = result.scale->scale;
        sclL->SetCaption(result.scaleCaption);
    }
    switch (result.credits.action) {
    case CreditsAction::Unchanged:
        break;
    case CreditsAction::Show:
        // A credit with no room clear of the wheel is hidden until there is.
        if (!result.credits.titleRect.isEmpty()) {
            TitleL->SetFontSize(result.credits.titleFontSize);
            TitleL->SetFontColor(result.credits.titleColor);
            TitleL->setGeometry(result.credits.titleRect);
        }
        TitleL->setVisible(!result.credits.titleRect.isEmpty());
        if (!result.credits.imageRect.isEmpty()) Image1->setGeometry(result.credits.imageRect);
        Image1->setVisible(!result.credits.imageRect.isEmpty());
        break;
    case CreditsAction::Hide:
        TitleL->hide();
        Image1->hide();
        break;
    }
}

}  // namespace rimora
