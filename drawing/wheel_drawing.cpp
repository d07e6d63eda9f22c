#include "drawing/wheel_drawing.h"

#include "drawing/disc_interior.h"
#include "drawing/drawing_primitives.h"
#include "lacing/hole_layout.h"
#include "lacing/lacing_pattern.h"
#include "lacing/lacing_table.h"
#include "platform/convert.h"
#include "wheel/wheel_fields.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <exception>
#include <optional>

namespace rimora {

namespace {

// A cell that holds no hole: nothing, the gap mark or a blank.
bool IsNoHole(const LacingCell& cell)
{
    return cell.IsEmptyOrGap() || cell.Spelling() == QLatin1String(" ");
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
void DrawBackgroundAndDiscs(Canvas& canvas, const WheelStyle& in, QSize box, const WheelScale& s, const WheelRadii& r)
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
    canvas.FillRect(QRect(QPoint(0, 0), box));
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
    // A straight-pull spoke's line off its seat along the flange, pixels.
    double leftTangent = 0;
    double rightTangent = 0;
    HoleLayout holes;  // plain: every hole one step on from the last
    int direction = 1;  // -1: seen from the left, every angle the other way round

    double HubAngle(int h) const { return holes.Plain() ? h * hubStep : holes.HubAngle(h); }
    double RimAngle(int r) const { return holes.Plain() ? r * rimStep : holes.RimAngle(r); }
};

// The line of a row, read as it is drawn: a bad cell stops the drawing at its
// row with the spokes before it on the canvas.
std::optional<DrawnSpoke> SpokeAt(const GridModel& table, int row)
{
    const LacingCell& hubCell = table.Cell(kHubCol, row);
    if (IsNoHole(hubCell)) return std::nullopt;
    const int h = hubCell.RequireWholeNumber();
    const LacingCell& rimCell = table.Cell(kToRimCol, row);
    if (IsNoHole(rimCell)) return std::nullopt;
    return DrawnSpoke{h, rimCell.RequireWholeNumber()};
}

// A quarter of the colour over the background: a spoke already laced, seen
// but out of the way.
TColor Faded(TColor colour, TColor background)
{
    const QColor c = ToQColor(ColorToRGB(colour));
    const QColor b = ToQColor(ColorToRGB(background));
    const auto mix = [](int a, int z) { return (a + 3 * z) / 4; };
    return RGBColor(mix(c.red(), b.red()), mix(c.green(), b.green()), mix(c.blue(), b.blue()));
}

bool Holds(const std::vector<int>& holes, int hole)
{
    return std::find(holes.begin(), holes.end(), hole) != holes.end();
}

// One line per laced hub hole, from its hub hole, on its own flange's circle,
// to its rim hole. The angle difference turns the rim holes against the hub,
// clockwise, as the lengths turn them.
void DrawSpokes(Canvas& canvas, const WheelStyle& in, const GridModel& table, const SpokeLayout& l,
                const SpokeShading* shading)
{
    for (int row = 1; row < table.RowCount(); ++row) {
        const std::optional<DrawnSpoke> read = SpokeAt(table, row);
        if (!read) continue;
        const DrawnSpoke& spoke = *read;
        const int h = spoke.hubHole;
        const bool even = !l.holes.HubLeft(h);  // a right flange hole
        if (in.sideIndex == LeftSideOnly && even) continue;
        if (in.sideIndex == RightSideOnly && !even) continue;
        const bool faint = shading && !Holds(shading->full, h);
        if (faint && !Holds(shading->faint, h)) continue;
        const TColor colour = even ? in.rightSpoke : in.leftSpoke;
        canvas.SetPenColor(faint ? Faded(colour, in.background) : colour);
        if (in.greyProof) canvas.SetPenStyle(even ? PenStyle::Solid : PenStyle::Dash);

        const int hubRadius = even ? l.rightHubHoleRadius : l.leftHubHoleRadius;
        QPoint hubEnd = PolarPoint(l.centre.x(), l.centre.y(), hubRadius, l.direction * l.HubAngle(h));
        if (const double tangent = even ? l.rightTangent : l.leftTangent; tangent != 0) {
            // Ahead of the seat along the flange, in the way the spoke runs to
            // the rim: clockwise on screen for a spoke whose rim end lies clockwise.
            const double span = FoldedSpan(l.RimAngle(spoke.rimHole) + l.angleDiff - l.HubAngle(h));
            const double ahead = (span < 0 ? -tangent : tangent) * l.direction;
            const double a = l.direction * l.HubAngle(h) * std::numbers::pi / 180.0;
            hubEnd += QPoint(static_cast<int>(std::lround(ahead * std::cos(a))),
                             static_cast<int>(std::lround(ahead * std::sin(a))));
        }
        canvas.MoveTo(hubEnd.x(), hubEnd.y());
        const QPoint rimEnd =
            PolarPoint(l.centre.x(), l.centre.y(), l.rimHoleRadius, l.direction * (l.RimAngle(spoke.rimHole) + l.angleDiff));
        canvas.LineTo(rimEnd.x(), rimEnd.y());
    }
}

// Every hub hole's number on the ray through the hole, just beyond its
// flange's hole circle, in its side's spoke colour on a patch of the
// background (grey-proof: in black or white on a patch of the side's
// colour), so the drawing can be read against the HUB column. Where the
// numbers would not fit round so small a circle, they stand on the ring where
// they just do. Rows whose HUB cell holds no hole are skipped, as for the spokes.
// The cells are measured on the canvas's own device, as they are painted there.
void DrawHubHoleNumbers(Canvas& canvas, const WheelStyle& in, const GridModel& table, const WheelScale& s,
                        const WheelRadii& r, int hubHoles, const HoleLayout& holes)
{
    const double hubStep = 360.0 / hubHoles;
    canvas.SetFontSize(HubNumberFontSize(s));
    const auto [width, height, fitting] = HubNumberCellsOf(
        QSize(canvas.TextWidth(QStringLiteral("00")), canvas.TextHeight(QStringLiteral("00"))), hubHoles);
    for (int row = 1; row < table.RowCount(); ++row) {
        const LacingCell& hubCell = table.Cell(kHubCol, row);
        if (IsNoHole(hubCell)) continue;
        const int h = hubCell.RequireWholeNumber();
        const bool even = !holes.HubLeft(h);
        if (in.sideIndex == LeftSideOnly && even) continue;
        if (in.sideIndex == RightSideOnly && !even) continue;
        const QString label = FormatHoleNumber(h);
        const int radius = std::max((even ? r.rightHubHole : r.leftHubHole) + height, fitting);
        const QPoint middle = PolarPoint(s.centre.x(), s.centre.y(), radius,
                                         (in.seenFromLeft ? -1 : 1) * (holes.Plain() ? h * hubStep : holes.HubAngle(h)));
        const QRect box(middle.x() - width / 2 - 1, middle.y() - height / 2, width + 2, height);
        const TColor side = even ? in.rightSpoke : in.leftSpoke;
        canvas.SetBrushStyle(BrushStyle::Solid);
        canvas.SetBrushColor(in.greyProof ? side : in.background);
        canvas.FillRect(box);
        canvas.SetBrushStyle(BrushStyle::Clear);
        canvas.SetFontColor(in.greyProof ? ContrastTextColor(side) : side);
        canvas.TextOut(box.left() + 1, box.top(), label);
    }
}

// In place of a wheel that cannot be measured: the background and, in its
// middle, which input to put right.
void DrawUnreadableNote(Canvas& canvas, const WheelStyle& in, const DrawingFrame& frame, WheelField field)
{
    const QRect box(0, 0, frame.width, frame.height);
    canvas.SetBrushStyle(BrushStyle::Solid);
    canvas.SetBrushColor(in.background);
    canvas.FillRect(box);
    canvas.SetBrushStyle(BrushStyle::Clear);
    canvas.SetFontColor(ContrastTextColor(in.background));
    canvas.SetFontSize(std::clamp(frame.width / 45, 8, 14));
    const QString note = TakesWholeNumber(field)
                             ? QCoreApplication::translate("WheelDrawing", "No drawing: %1 is not a whole number")
                             : QCoreApplication::translate("WheelDrawing", "No drawing: %1 is not a number");
    canvas.DrawText(box, DT_Center | DT_VCenter | DT_SingleLine, note.arg(FieldCaption(field)));
}

// The valve hole: a dot on the rim's band between the two holes it stands
// between, turned with the rim, in black or white as reads on the band.
void DrawValve(Canvas& canvas, const Wheel& wheel, const WheelScale& s, const WheelRadii& r, int rimHoles)
{
    if (rimHoles <= 0) return;
    const int valveAfter = ((wheel.valveAfter % rimHoles) + rimHoles) % rimHoles;
    const double angle = (wheel.style.seenFromLeft ? -1 : 1) * ((valveAfter + 0.5) * 360.0 / rimHoles + wheel.angleDifference);
    const int band = std::max(2, s.beadRadius - r.rimHole);
    const int radius = std::max(2, band / 3);
    const QPoint at = PolarPoint(s.centre.x(), s.centre.y(), r.rimHole + band / 2, angle);
    canvas.SetBrushStyle(BrushStyle::Solid);
    canvas.SetBrushColor(ContrastTextColor(wheel.style.rimOuter));
    canvas.SetPenWidth(1);
    canvas.SetPenColor(ContrastTextColor(wheel.style.rimOuter));
    canvas.Ellipse(at.x() - radius, at.y() - radius, at.x() + radius, at.y() + radius);
    canvas.SetPenWidth(wheel.style.spokeWidth);
}

QString RimHoleLabels(int rimCount)
{
    QString text;
    text.reserve(rimCount * 2);
    for (int i = 1; i <= rimCount; ++i) text += FormatHoleNumber(i);
    return text;
}

}  // namespace

void DrawWheel(Canvas& canvas, const Wheel& wheel, const GridModel& table, const DrawingFrame& frame,
               WheelLayout& layout, const SpokeShading* shading)
{
    layout = LayOutWheel(wheel, frame);
    const WheelStyle& in = wheel.style;
    // A text that did not read is known before anything is measured, so it
    // never leaves half a wheel behind.
    if (layout.unreadableField) {
        DrawUnreadableNote(canvas, in, frame, *layout.unreadableField);
        std::rethrow_exception(layout.stop);
    }
    if (!layout.radii) std::rethrow_exception(layout.stop);
    const WheelScale& s = *layout.scale;
    const WheelRadii& r = *layout.radii;

    canvas.SetBrushStyle(BrushStyle::Solid);
    canvas.SetPenColor(colors::Black);
    canvas.SetPenStyle(PenStyle::Solid);
    canvas.SetPenWidth(1);
    DrawBackgroundAndDiscs(canvas, in, QSize(frame.width, frame.height), s, r);
    if (layout.stop) std::rethrow_exception(layout.stop);

    canvas.SetPenWidth(in.spokeWidth);
    const double hubStep = 360.0 / layout.hubHoles;
    const double rimStep = 360.0 / layout.rimHoles;
    const double angleDiff = wheel.angleDifference;
    SpokeLayout spokes{s.centre, r.leftHubHole, r.rightHubHole, r.rimHole, hubStep, rimStep, angleDiff, 0, 0,
                       LayoutOf(wheel)};
    spokes.direction = in.seenFromLeft ? -1 : 1;
    if (wheel.hubKind == StraightPullHub) {
        spokes.leftTangent = wheel.leftTangent * s.scale;
        spokes.rightTangent = wheel.rightTangent * s.scale;
    }
    // The valve belongs to the rim: there before the spokes, so that a table
    // that stops the spokes leaves it standing.
    DrawValve(canvas, wheel, s, r, layout.rimHoles);
    // The faint spokes first, so that the step's own lie on top of them.
    if (shading) {
        const SpokeShading faintOnly{{}, shading->faint};
        DrawSpokes(canvas, in, table, spokes, &faintOnly);
        const SpokeShading fullOnly{shading->full, {}};
        DrawSpokes(canvas, in, table, spokes, &fullOnly);
    } else {
        DrawSpokes(canvas, in, table, spokes, nullptr);
    }
    canvas.SetPenStyle(PenStyle::Solid);

    const QString labels = RimHoleLabels(layout.rimHoles);
    canvas.SetBrushStyle(BrushStyle::Clear);
    // The numbers stand inside the rim hole circle, on the background.
    canvas.SetFontColor(ContrastTextColor(in.background));
    canvas.SetFontSize(layout.labelFontSize);
    // The numbers belong to the rim holes and turn with them.
    // A paired rim's numbers stand at its holes, two by two.
    std::vector<double> rimAngles;
    if (spokes.holes.rimPair != 0)
        for (int hole = 1; hole <= layout.rimHoles; ++hole) rimAngles.push_back(spokes.holes.RimAngle(hole));
    if (in.numbers)
        DrawCircleLabels(canvas, s.centre.x(), s.centre.y(), r.rimHole, labels, 1, angleDiff, spokes.direction,
                         rimAngles.empty() ? nullptr : &rimAngles);
    if (in.hubNumbers) DrawHubHoleNumbers(canvas, in, table, s, r, layout.hubHoles, spokes.holes);
}

std::vector<DrawnSpoke> SpokesToDraw(const GridModel& table)
{
    std::vector<DrawnSpoke> spokes;
    for (int row = 1; row < table.RowCount(); ++row)
        if (const std::optional<DrawnSpoke> spoke = SpokeAt(table, row)) spokes.push_back(*spoke);
    return spokes;
}

}  // namespace rimora
