#include "drawing/wheel_drawing.h"

#include "drawing/drawing_primitives.h"
#include "drawing/pixel_rounding.h"
#include "lacing/lacing_table.h"
#include "platform/convert.h"
#include "platform/errors.h"

namespace rimora {

namespace {

// More holes than any hub or rim has; keeps the label text and the work bounded.
constexpr int kMaxHoleCount = 9999;

const QString kDataTab = QStringLiteral("on the \"Data\" tab to draw the spokes.");

// A cell that holds no hole: nothing, the gap mark or a blank.
bool IsNoHole(const QString& cell)
{
    return IsEmptyOrGap(cell) || cell == QLatin1String(" ");
}

int HoleCount(const QString& text, const QString& which)
{
    const int count = StrToInt(text);
    if (count < 1 || count > kMaxHoleCount)
        throw EWheelInputError(
            QStringLiteral("The %1 hole count must be between 1 and %2.").arg(which).arg(kMaxHoleCount));
    return count;
}

// Until a count is chosen its list is empty: say what to choose instead of
// reporting an empty text as a bad number. The hub count is read first, so its
// message names the rim count too when both are missing.
void RequireHubCountChosen(const WheelDrawingInputs& in)
{
    if (!in.hubCountText.isEmpty()) return;
    throw EWheelInputError(in.rimCountText.isEmpty() ? QStringLiteral("Choose the hub and rim hole counts ") + kDataTab
                                                     : QStringLiteral("Choose the hub hole count ") + kDataTab);
}

void RequireRimCountChosen(const WheelDrawingInputs& in)
{
    if (in.rimCountText.isEmpty()) throw EWheelInputError(QStringLiteral("Choose the rim hole count ") + kDataTab);
}

void DrawDisc(Canvas& canvas, QPoint centre, int radius, TColor color)
{
    canvas.SetBrushColor(color);
    canvas.Ellipse(centre.x() - radius, centre.y() - radius, centre.x() + radius, centre.y() + radius);
}

struct SpokeLayout {
    QPoint centre;
    int hubHoleRadius;
    int rimHoleRadius;
    double hubStep;
    double rimStep;
    double angleDiff;
};

// One line per laced hub hole, from its hub hole to its rim hole. The angle
// difference turns the hub ends only: the rim holes stay where the rim puts them.
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

        const QPoint hubEnd = PolarPoint(l.centre.x(), l.centre.y(), l.hubHoleRadius, h * l.hubStep + l.angleDiff);
        canvas.MoveTo(hubEnd.x(), hubEnd.y());
        const QString rimCell = table.Cells(kToRimCol, row);
        if (IsNoHole(rimCell)) continue;
        const int k = StrToInt(rimCell);
        const QPoint rimEnd = PolarPoint(l.centre.x(), l.centre.y(), l.rimHoleRadius, k * l.rimStep);
        canvas.LineTo(rimEnd.x(), rimEnd.y());
    }
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
    const WheelScale s = ScaleWheel(in.width, in.height, in.beadSeat);
    result.scale = s;
    result.scaleCaption = FloatToStr(s.scale);

    const WheelRadii r = MeasureWheel(in, s);
    result.radii = r;

    canvas.SetBrushStyle(BrushStyle::Solid);
    canvas.SetPenColor(colors::Black);
    canvas.SetPenStyle(PenStyle::Solid);
    canvas.SetPenWidth(1);

    canvas.SetBrushColor(in.background);
    canvas.FillRect(QRect(0, 0, in.width, in.height));

    // Each over the previous: outer band, inner band, then the background again
    // for the inside of the rim, then the hub.
    DrawDisc(canvas, s.centre, s.beadRadius, in.rimOuter);
    DrawDisc(canvas, s.centre, r.innerBand, in.rimInner);
    DrawDisc(canvas, s.centre, r.rimHole, in.background);
    DrawDisc(canvas, s.centre, r.hub, in.hub);

    canvas.SetPenWidth(in.spokeWidth);
    RequireHubCountChosen(in);
    const double hubStep = 360.0 / HoleCount(in.hubCountText, QStringLiteral("hub"));
    RequireRimCountChosen(in);
    const int rimCount = HoleCount(in.rimCountText, QStringLiteral("rim"));
    const double rimStep = 360.0 / rimCount;
    const double angleDiff = StrToFloat(in.angleDiffText);

    DrawSpokes(canvas, in, table, SpokeLayout{s.centre, r.hubHole, r.rimHole, hubStep, rimStep, angleDiff});

    const QString labels = RimHoleLabels(rimCount);
    canvas.SetBrushStyle(BrushStyle::Clear);
    canvas.SetFontColor(ContrastTextColor(in.rimInner));
    result.labelFontSize = RoundHalfEven(s.centre.x() / 22.0);
    canvas.SetFontSize(result.labelFontSize);
    if (in.numbers) DrawCircleLabels(canvas, s.centre.x(), s.centre.y(), r.rimHole, labels, 1);

    if (in.credits) {
        result.credits = PlaceCredits(s, r.rimHole, in.rimInner);
    } else {
        result.credits = CreditsOverlay{};
        result.credits.action = CreditsAction::Hide;
    }
}

}  // namespace rimora
