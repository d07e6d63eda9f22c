#include "drawing/wheel_drawing.h"

#include "drawing/disc_interior.h"
#include "drawing/drawing_primitives.h"
#include "drawing/pixel_rounding.h"
#include "lacing/crossing_rule.h"
#include "lacing/lacing_table.h"
#include "platform/convert.h"
#include "platform/errors.h"
#include "wheel/wheel_fields.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <vector>

namespace rimora {

namespace {

// A cell that holds no hole: nothing, the gap mark or a blank.
bool IsNoHole(const QString& cell)
{
    return IsEmptyOrGap(cell) || cell == QLatin1String(" ");
}

int HoleCount(const QString& text, WheelField field, const QString& which)
{
    const int count = ReadWholeField(field, text);
    if (count < 1 || count > kMaxHoleCount)
        throw EWheelInputError(QCoreApplication::translate("Drawing", "The %1 hole count must be between 1 and %2.")
                                   .arg(which)
                                   .arg(kMaxHoleCount));
    return count;
}

// Until a count is chosen its list is empty: say what to choose instead of
// reporting an empty text as a bad number. The hub count is read first, so its
// message names the rim count too when both are missing.
void RequireHubCountChosen(const WheelDrawingInputs& in)
{
    if (!in.hubCountText.isEmpty()) return;
    throw EWheelInputError(
        in.rimCountText.isEmpty()
            ? QCoreApplication::translate("Drawing",
                                          "Choose the hub and rim hole counts on the \"Data\" tab to draw the spokes.")
            : QCoreApplication::translate("Drawing",
                                          "Choose the hub hole count on the \"Data\" tab to draw the spokes."));
}

void RequireRimCountChosen(const WheelDrawingInputs& in)
{
    if (in.rimCountText.isEmpty())
        throw EWheelInputError(QCoreApplication::translate(
            "Drawing", "Choose the rim hole count on the \"Data\" tab to draw the spokes."));
}

void DrawDisc(Canvas& canvas, QPoint centre, int radius, TColor color)
{
    canvas.SetBrushColor(color);
    canvas.Ellipse(centre.x() - radius, centre.y() - radius, centre.x() + radius, centre.y() + radius);
}

// The background, then each disc over the previous: outer band, inner band,
// the background again for the inside of the rim, then the hub. Painted
// whole, most of each layer would be painted over by the next disc, and on a
// large window those fills outweigh the rest of the drawing; so each layer
// leaves alone what a later disc certainly covers, which gives the same pixels.
void DrawBackgroundAndDiscs(Canvas& canvas, const WheelDrawingInputs& in, const WheelScale& s, const WheelRadii& r)
{
    struct Disc {
        int radius;
        TColor color;
    };
    const std::array<Disc, 4> discs{{{s.beadRadius, in.rimOuter},
                                     {r.innerBand, in.rimInner},
                                     {r.rimHole, in.background},
                                     {r.hub, in.hub}}};
    // The discs share their centre, so the largest disc still to come covers
    // nearly all that any later one does; one stack of bands keeps the clip
    // simple.
    std::array<QRegion, discs.size()> coveredLater;
    int largestLater = 0;
    for (std::size_t i = discs.size(); i-- > 0;) {
        coveredLater[i] = DiscInterior(s.centre, largestLater);
        largestLater = std::max(largestLater, discs[i].radius);
    }
    canvas.LeaveAlone(DiscInterior(s.centre, largestLater));
    canvas.SetBrushColor(in.background);
    canvas.FillRect(QRect(0, 0, in.width, in.height));
    for (std::size_t i = 0; i < discs.size(); ++i) {
        canvas.LeaveAlone(coveredLater[i]);
        DrawDisc(canvas, s.centre, discs[i].radius, discs[i].color);
    }
    canvas.LeaveAlone(QRegion());
}

struct SpokeLayout {
    QPoint centre;
    int leftHubHoleRadius;
    int rightHubHoleRadius;
    int rimHoleRadius;
    double hubStep;
    double rimStep;
    double angleDiff;
};

// One line per laced hub hole, from its hub hole, on its own flange's circle,
// to its rim hole. The angle difference turns the rim holes against the hub,
// clockwise, as the lengths turn them.
void DrawSpokes(Canvas& canvas, const WheelDrawingInputs& in, const GridModel& table, const SpokeLayout& l)
{
    for (int row = 1; row < table.RowCount(); ++row) {
        const QString hubCell = table.Cells(kHubCol, row);
        if (IsNoHole(hubCell)) continue;
        const int h = StrToInt(hubCell);
        const bool even = h % 2 == 0;  // odd holes are on the left flange
        if (in.sideIndex == LeftSideOnly && even) continue;
        if (in.sideIndex == RightSideOnly && !even) continue;
        canvas.SetPenColor(even ? in.rightSpoke : in.leftSpoke);

        const int hubRadius = even ? l.rightHubHoleRadius : l.leftHubHoleRadius;
        const QPoint hubEnd = PolarPoint(l.centre.x(), l.centre.y(), hubRadius, h * l.hubStep);
        canvas.MoveTo(hubEnd.x(), hubEnd.y());
        const QString rimCell = table.Cells(kToRimCol, row);
        if (IsNoHole(rimCell)) continue;
        const int k = StrToInt(rimCell);
        const QPoint rimEnd = PolarPoint(l.centre.x(), l.centre.y(), l.rimHoleRadius, k * l.rimStep + l.angleDiff);
        canvas.LineTo(rimEnd.x(), rimEnd.y());
    }
}

// Every hub hole's number on the ray through the hole, just beyond its
// flange's hole circle, in its side's spoke colour on a patch of the
// background, so the drawing can be read against the HUB column. Where the
// numbers would not fit round so small a circle, they stand on the ring where
// they just do. Rows whose HUB cell holds no hole are skipped, as for the spokes.
struct HubNumberCells {
    int width = 0;
    int height = 0;
    int fittingRadius = 0;  // the smallest ring that holds every number
};

// Sets the canvas to the hub numbers' font and measures their cells.
HubNumberCells MeasureHubNumbers(Canvas& canvas, const WheelScale& s, double hubStep)
{
    canvas.SetFontSize(std::max(1, RoundHalfEven(s.centre.x() / 30.0)));
    HubNumberCells cells;
    cells.width = canvas.TextWidth(QStringLiteral("00"));
    cells.height = canvas.TextHeight(QStringLiteral("00"));
    const double perLabel = std::max(cells.width, cells.height) + 2;
    cells.fittingRadius = static_cast<int>(std::ceil(perLabel * 360.0 / hubStep / (2 * std::numbers::pi)));
    return cells;
}

// The square about the centre that holds a circle of `reach` and a pixel more.
QRect SquareAbout(QPoint centre, int reach)
{
    return QRect(centre.x() - reach - 2, centre.y() - reach - 2, 2 * reach + 5, 2 * reach + 5);
}

void DrawHubHoleNumbers(Canvas& canvas, const WheelDrawingInputs& in, const GridModel& table, const WheelScale& s,
                        const WheelRadii& r, double hubStep)
{
    const auto [width, height, fitting] = MeasureHubNumbers(canvas, s, hubStep);
    for (int row = 1; row < table.RowCount(); ++row) {
        const QString hubCell = table.Cells(kHubCol, row);
        if (IsNoHole(hubCell)) continue;
        const int h = StrToInt(hubCell);
        const bool even = h % 2 == 0;
        if (in.sideIndex == LeftSideOnly && even) continue;
        if (in.sideIndex == RightSideOnly && !even) continue;
        const QString label = FormatHoleNumber(h);
        const int radius = std::max((even ? r.rightHubHole : r.leftHubHole) + height, fitting);
        const QPoint middle = PolarPoint(s.centre.x(), s.centre.y(), radius, h * hubStep);
        const QRect box(middle.x() - width / 2 - 1, middle.y() - height / 2, width + 2, height);
        canvas.SetBrushStyle(BrushStyle::Solid);
        canvas.SetBrushColor(in.background);
        canvas.FillRect(box);
        canvas.SetBrushStyle(BrushStyle::Clear);
        canvas.SetFontColor(even ? in.rightSpoke : in.leftSpoke);
        canvas.TextOut(box.left() + 1, box.top(), label);
    }
}

// A hole count not chosen yet is no bad text: the drawing shows the wheel
// without spokes and says which count to choose.
std::vector<FieldText> DrawingFieldTexts(const WheelDrawingInputs& in)
{
    std::vector<FieldText> texts;
    if (!in.hubCountText.isEmpty()) texts.push_back({WheelField::HubHoles, in.hubCountText});
    if (!in.rimCountText.isEmpty()) texts.push_back({WheelField::RimHoles, in.rimCountText});
    texts.push_back({WheelField::Erd, in.erdText});
    texts.push_back({WheelField::LeftFlange, in.leftFlangeText});
    texts.push_back({WheelField::RightFlange, in.rightFlangeText});
    texts.push_back({WheelField::AngleDifference, in.angleDiffText});
    return texts;
}

// In place of a wheel that cannot be measured: the background and, in its
// middle, which input to put right.
void DrawUnreadableNote(Canvas& canvas, const WheelDrawingInputs& in, WheelField field)
{
    const QRect box(0, 0, in.width, in.height);
    canvas.SetBrushStyle(BrushStyle::Solid);
    canvas.SetBrushColor(in.background);
    canvas.FillRect(box);
    canvas.SetBrushStyle(BrushStyle::Clear);
    canvas.SetFontColor(ContrastTextColor(in.background));
    canvas.SetFontSize(std::clamp(in.width / 45, 8, 14));
    const QString note = TakesWholeNumber(field)
                             ? QCoreApplication::translate("WheelDrawing", "No drawing: %1 is not a whole number")
                             : QCoreApplication::translate("WheelDrawing", "No drawing: %1 is not a number");
    canvas.DrawText(box, DT_Center | DT_VCenter | DT_SingleLine, note.arg(FieldCaption(field)));
}

QString RimHoleLabels(int rimCount)
{
    QString text;
    text.reserve(rimCount * 2);
    for (int i = 1; i <= rimCount; ++i) text += FormatHoleNumber(i);
    return text;
}

}  // namespace

void DrawWheel(Canvas& canvas, const WheelDrawingInputs& in, const GridModel& table, WheelDrawingResult& result)
{
    // Every text is checked before anything is measured or painted, so a bad
    // one never leaves half a wheel behind.
    if (const std::optional<FieldProblem> problem = FirstUnreadable(DrawingFieldTexts(in))) {
        DrawUnreadableNote(canvas, in, problem->field);
        result.unreadableField = problem->field;
        result.credits.action = CreditsAction::Hide;
        throw EConvertError(problem->message);
    }

    const WheelScale s = ScaleWheel(in.width, in.height, in.beadSeat);
    result.scale = s;
    result.scaleCaption = FloatToStr(s.scale);

    const WheelRadii r = MeasureWheel(in, s);
    result.radii = r;

    canvas.SetBrushStyle(BrushStyle::Solid);
    canvas.SetPenColor(colors::Black);
    canvas.SetPenStyle(PenStyle::Solid);
    canvas.SetPenWidth(1);

    DrawBackgroundAndDiscs(canvas, in, s, r);
    // Radii may be negative (a negative ERD or flange reads as a number):
    // such a circle is drawn about the centre all the same, so the box takes
    // every radius by its size.
    const int discReach =
        std::max({std::abs(s.beadRadius), std::abs(r.innerBand), std::abs(r.rimHole), std::abs(r.hub)});
    result.wheelBox = SquareAbout(s.centre, discReach);

    // The spokes' ends and caps, the rim numbers (an em at most past the rim
    // hole circle, drawn or not: a window's dry run leaves them out) and the
    // hub numbers' ring when they are shown.
    // A negative rim radius turns the numbers' cells outwards: three ems then.
    const int labelFontSize = RoundHalfEven(s.centre.x() / 22.0);
    canvas.SetFontSize(labelFontSize);
    const int em = canvas.Font().pixelSize();
    const int rimNumbersReach = r.rimHole >= 0 ? r.rimHole + em : -r.rimHole + 3 * em;
    const int spokeEnds = std::max({std::abs(r.rimHole), std::abs(r.leftHubHole), std::abs(r.rightHubHole)});
    int reach = std::max(spokeEnds + in.spokeWidth, rimNumbersReach);

    // The credits find their corners as soon as the wheel's size is known, so
    // that a wheel without hole counts yet does not leave them over its rim;
    // the hub numbers' ring, known only with the counts, can move them again.
    const auto placeCredits = [&] {
        result.credits = PlaceCredits(CreditsRoom{QSize(in.width, in.height), s.centre, std::max(discReach, reach)},
                                      r.rimHole, in.background, in.creditsTitle);
    };
    if (in.credits) {
        placeCredits();
    } else {
        result.credits = CreditsOverlay{};
        result.credits.action = CreditsAction::Hide;
    }

    canvas.SetPenWidth(in.spokeWidth);
    RequireHubCountChosen(in);
    const double hubStep = 360.0 / HoleCount(in.hubCountText, WheelField::HubHoles, QCoreApplication::translate("Drawing", "hub"));
    RequireRimCountChosen(in);
    const int rimCount = HoleCount(in.rimCountText, WheelField::RimHoles, QCoreApplication::translate("Drawing", "rim"));
    const double rimStep = 360.0 / rimCount;
    const double angleDiff = ReadDecimalField(WheelField::AngleDifference, in.angleDiffText);

    if (in.hubNumbers) {
        const HubNumberCells cells = MeasureHubNumbers(canvas, s, hubStep);
        const int ring = std::max(std::max(std::abs(r.leftHubHole), std::abs(r.rightHubHole)) + cells.height,
                                  cells.fittingRadius);
        const int withHubNumbers = std::max(reach, ring + std::max(cells.width, cells.height));
        if (withHubNumbers != reach) {
            reach = withHubNumbers;
            if (in.credits) placeCredits();
        }
    }
    result.wheelBox |= SquareAbout(s.centre, reach);

    DrawSpokes(canvas, in, table,
               SpokeLayout{s.centre, r.leftHubHole, r.rightHubHole, r.rimHole, hubStep, rimStep, angleDiff});

    const QString labels = RimHoleLabels(rimCount);
    canvas.SetBrushStyle(BrushStyle::Clear);
    // The numbers stand inside the rim hole circle, on the background.
    canvas.SetFontColor(ContrastTextColor(in.background));
    result.labelFontSize = labelFontSize;
    canvas.SetFontSize(result.labelFontSize);
    // The numbers belong to the rim holes and turn with them.
    if (in.numbers) DrawCircleLabels(canvas, s.centre.x(), s.centre.y(), r.rimHole, labels, 1, angleDiff);
    if (in.hubNumbers) DrawHubHoleNumbers(canvas, in, table, s, r, hubStep);
}

}  // namespace rimora
