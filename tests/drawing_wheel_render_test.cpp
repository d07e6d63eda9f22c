// The painted wheel, read back pixel by pixel: the rim and hub circles along
// lines from the centre, the spokes along their own lines, side choices,
// numbers, box shapes and a dense screen.
#include "drawing_wheel_fixture.h"

#include "support/scoped_locale.h"

#include <gtest/gtest.h>

#include <cmath>

namespace rimora {
namespace {

using test::DesignSpoke;
using test::PointsAlong;
using test::Render;
using test::Rendered;
using test::ScopedLocale;

constexpr TColor kOutline = colors::Black;

// Distance from the centre (241, 177) and the colour expected there, along
// one of the four axes. A disc's outline is its outermost pixel: at distance
// r going left or up, r - 1 going right or down.
struct RayMark {
    int distance;
    TColor color;
};

void ExpectAlongRay(const Rendered& r, QPoint direction, const std::vector<RayMark>& marks)
{
    for (const RayMark& m : marks) {
        const QPoint p = QPoint(241, 177) + direction * m.distance;
        EXPECT_EQ(r.At(p), m.color) << "direction " << direction.x() << "," << direction.y() << " distance "
                                    << m.distance;
    }
}

TEST(WheelRenderTest, DesignWheelAlongLinesFromTheCentre)
{
    ScopedLocale region(test::PointRegion());
    test::Drawing in = test::Wheel3636();
    in.wheel.style.numbers = false;
    GridModel unlinked;  // every ->R cell "-": hub holes without a spoke
    test::FillThreeCross36(unlinked, false);
    const Rendered r = Render(in, unlinked);
    ASSERT_TRUE(r.error.isEmpty()) << r.error.toStdString();
    EXPECT_EQ(r.Count(in.wheel.style.leftSpoke) + r.Count(in.wheel.style.rightSpoke), 0);

    const WheelStyle& style = in.wheel.style;
    const TColor bg = style.background, outer = style.rimOuter, inner = style.rimInner, hub = style.hub;
    // Hub 15, rim hole circle 167, inner band 173, bead seat 177.
    const std::vector<RayMark> leftUp = {{0, hub},       {14, hub},    {15, kOutline}, {16, bg},        {166, bg},
                                         {167, kOutline}, {168, inner}, {172, inner},   {173, kOutline}, {174, outer},
                                         {176, outer},   {177, kOutline}};
    const std::vector<RayMark> rightDown = {{0, hub},      {13, hub},       {14, kOutline}, {15, bg},        {165, bg},
                                            {166, kOutline}, {167, inner},  {171, inner},   {172, kOutline}, {173, outer},
                                            {175, outer},  {176, kOutline}};
    ExpectAlongRay(r, {-1, 0}, leftUp);
    ExpectAlongRay(r, {0, -1}, leftUp);
    ExpectAlongRay(r, {1, 0}, rightDown);
    ExpectAlongRay(r, {0, 1}, rightDown);
    // Beyond the bead seat circle only the background, to the box's edges.
    ExpectAlongRay(r, {1, 0}, {{177, bg}, {240, bg}});
    ExpectAlongRay(r, {-1, 0}, {{178, bg}, {241, bg}});
    EXPECT_EQ(r.At(0, 0), bg);
    EXPECT_EQ(r.At(481, 353), bg);
    EXPECT_EQ(r.Count(test::kUntouched), 0);
}

TEST(WheelRenderTest, SpokesRunFromHubHoleToRimHoleInTheirSideColour)
{
    ScopedLocale region(test::PointRegion());
    GridModel table;
    test::FillThreeCross36(table);
    const char* firstRimHoles[] = {"07", "32", "33", "10", "11", "36", "01", "14"};
    for (int row = 1; row <= 8; ++row) ASSERT_EQ(table.Cells(1, row), QString::fromLatin1(firstRimHoles[row - 1]));

    test::Drawing in = test::Wheel3636();
    // Up to 80 % of the way out: clear of the numbers, over the hub disc.
    auto along = [](int h) { return PointsAlong(DesignSpoke(h).hub, DesignSpoke(h).rim, 0.0, 0.8); };

    in.wheel.style.sideIndex = LeftSideOnly;
    const Rendered left = Render(in, table);
    in.wheel.style.sideIndex = RightSideOnly;
    const Rendered right = Render(in, table);
    for (int h = 1; h <= 36; ++h) {
        const bool odd = h % 2 == 1;
        for (const QPoint& p : along(h)) {
            if (odd) {
                EXPECT_EQ(left.At(p), in.wheel.style.leftSpoke) << "hub hole " << h << " at " << p.x() << "," << p.y();
            } else {
                EXPECT_EQ(right.At(p), in.wheel.style.rightSpoke)
                    << "hub hole " << h << " at " << p.x() << "," << p.y();
            }
        }
    }
    EXPECT_EQ(left.Count(in.wheel.style.rightSpoke), 0);
    EXPECT_EQ(right.Count(in.wheel.style.leftSpoke), 0);

    // Both sides: every spoke line is mostly its own colour, the rest where
    // a spoke of the other side crosses it.
    in.wheel.style.sideIndex = BothSides;
    const Rendered both = Render(in, table);
    for (int h = 1; h <= 36; ++h) {
        const TColor own = h % 2 == 1 ? in.wheel.style.leftSpoke : in.wheel.style.rightSpoke;
        int ownCount = 0;
        const auto points = along(h);
        for (const QPoint& p : points) {
            const TColor c = both.At(p);
            ownCount += c == own;
            EXPECT_TRUE(c == in.wheel.style.leftSpoke || c == in.wheel.style.rightSpoke) << "hub hole " << h;
        }
        EXPECT_GE(ownCount * 3, static_cast<int>(points.size()) * 2) << "hub hole " << h;
    }
    // Nothing selected in the side choice draws both sides too.
    in.wheel.style.sideIndex = -1;
    EXPECT_EQ(Render(in, table).image, both.image);
}

TEST(WheelRenderTest, EmptyAndBlankHubCellsAreSkipped)
{
    ScopedLocale region(test::PointRegion());
    GridModel table;
    test::FillThreeCross36(table);
    // Rows past the hub's holes, as with a 32-hole hub in a 36-hole rim.
    for (int row = 33; row <= 36; ++row) table.SetCells(0, row, QString());
    table.SetCells(0, 5, QStringLiteral(" "));
    table.SetCells(0, 6, QStringLiteral("-"));
    table.SetCells(1, 7, QString());  // a hub hole with no rim hole
    test::Drawing in = test::Wheel3636();
    in.wheel.style.numbers = false;
    const Rendered r = Render(in, table);
    ASSERT_TRUE(r.error.isEmpty()) << r.error.toStdString();

    // The skipped spokes' middles are background now, the others still drawn.
    for (int h : {5, 6, 7, 33, 34, 35, 36}) {
        const QPoint middle = PointsAlong(DesignSpoke(h).hub, DesignSpoke(h).rim, 0.9, 0.9, 2).front();
        EXPECT_EQ(r.At(middle), in.wheel.style.background) << "hub hole " << h;
    }
    for (int h : {1, 2, 8, 32}) {
        const QPoint middle = PointsAlong(DesignSpoke(h).hub, DesignSpoke(h).rim, 0.9, 0.9, 2).front();
        EXPECT_EQ(r.At(middle), h % 2 ? in.wheel.style.leftSpoke : in.wheel.style.rightSpoke) << "hub hole " << h;
    }
}

TEST(WheelRenderTest, AngleDifferenceTurnsTheRimEndsAndEachSideStartsOnItsOwnFlange)
{
    ScopedLocale region(test::PointRegion());
    test::Drawing in = test::Wheel3636();
    in.wheel.style.numbers = false;
    const Rendered straight = Render(in);
    in.wheel.angleDifference = 5;
    in.wheel.rightFlange = 52;  // 26 mm x 0.5691 px/mm = 14.80 -> 15; the left 20.5 mm -> 11.67 -> 12
    const Rendered turned = Render(in);
    ASSERT_TRUE(turned.error.isEmpty());
    ASSERT_TRUE(turned.result.radii);
    EXPECT_EQ(turned.result.radii->leftHubHole, 12);
    EXPECT_EQ(turned.result.radii->rightHubHole, 15);

    for (int h = 1; h <= 36; ++h) {
        const bool left = h % 2 != 0;
        const test::SpokeEnds ends = DesignSpoke(h, 5.0, left ? 12 : 15);
        // Near the rim, where the spokes stand apart.
        for (const QPoint& p : PointsAlong(ends.hub, ends.rim, 0.6, 0.95))
            EXPECT_EQ(turned.At(p), left ? in.wheel.style.leftSpoke : in.wheel.style.rightSpoke)
                << "hub hole " << h << " at " << p.x() << "," << p.y();
    }
    EXPECT_NE(turned.image, straight.image);
}

// The rim hole numbers turn with their holes; hub hole numbers, when asked
// for, stand inside the rim in the side colours.
TEST(WheelRenderTest, HoleNumbersFollowTheirHoles)
{
    ScopedLocale region(test::PointRegion());
    test::Drawing in = test::Wheel3636();
    in.wheel.style.sideIndex = LeftSideOnly;
    in.frame.width = in.frame.height = 900;
    in.wheel.style.background = colors::Navy;  // the rim numbers white, unlike anything else
    const Rendered plain = Render(in);
    const int rim = plain.result.radii->rimHole;
    in.wheel.angleDifference = 5;
    const Rendered turned = Render(in);
    in.wheel.angleDifference = 0;
    in.wheel.style.hubNumbers = true;
    const Rendered numbered = Render(in);
    int white = 0, moved = 0, added = 0;
    for (int y = 0; y < in.frame.height; ++y)
        for (int x = 0; x < in.frame.width; ++x) {
            const bool number = plain.At(x, y) == colors::White;
            white += number;
            moved += number && turned.At(x, y) != colors::White;
            if (numbered.At(x, y) == plain.At(x, y)) continue;
            added += numbered.At(x, y) == in.wheel.style.leftSpoke;
            EXPECT_LT(std::hypot(x - 450, y - 450), rim) << x << "," << y;
        }
    EXPECT_GT(moved, white / 4);
    EXPECT_GT(added, 18 * 5);
}

// Turning the numbers off changes only pixels of the ring just inside the rim
// hole circle.
TEST(WheelRenderTest, RimHoleNumbersStandInARingInsideTheRim)
{
    ScopedLocale region(test::PointRegion());
    test::Drawing in = test::Wheel3636();
    const Rendered on = Render(in);
    in.wheel.style.numbers = false;
    const Rendered off = Render(in);
    ASSERT_TRUE(on.error.isEmpty() && off.error.isEmpty());

    int changed = 0;
    for (int y = 0; y < in.frame.height; ++y)
        for (int x = 0; x < in.frame.width; ++x) {
            if (on.At(x, y) == off.At(x, y)) continue;
            ++changed;
            const double d = std::hypot(x - 241, y - 177);
            // 11-point labels: cells of about 15 pixels centred half a cell
            // inside radius 167; only their corners reach past it.
            EXPECT_GT(d, 167 - 2 * 15) << x << "," << y;
            EXPECT_LT(d, 167 + 15 / 2) << x << "," << y;
        }
    EXPECT_GT(changed, 100);
}

// The bead seat circle fits the shorter side, centred on the longer one: the
// wheel's square is the design drawing moved, pixel for pixel. The centre
// moves by an even number of pixels, as a point that falls on a half pixel
// goes to the even neighbour and would otherwise land one pixel aside.
TEST(WheelRenderTest, WideAndTallBoxesScaleToTheShorterSide)
{
    ScopedLocale region(test::PointRegion());
    test::Drawing in = test::Wheel3636();
    in.wheel.style.numbers = false;  // their size follows the box's width
    const Rendered design = Render(in);

    struct Box {
        int width;
        int height;
        QPoint squareTopLeft;
    };
    for (const Box& box : {Box{802, 354, {224, 0}}, Box{354, 802, {0, 224}}}) {
        in.frame.width = box.width;
        in.frame.height = box.height;
        const Rendered r = Render(in);
        ASSERT_TRUE(r.error.isEmpty());
        EXPECT_DOUBLE_EQ(r.result.scale->scale, design.result.scale->scale);
        int differing = 0;
        for (int y = 0; y < 354; ++y)
            for (int x = 0; x < 354; ++x)
                differing += r.At(box.squareTopLeft + QPoint(x, y)) != design.At(64 + x, y);
        EXPECT_EQ(differing, 0) << box.width << " x " << box.height;
        EXPECT_EQ(r.At(box.width - 1, box.height - 1), in.wheel.style.background);
        EXPECT_EQ(r.Count(test::kUntouched), 0);
    }
}

// The background disc of the rim's inside covers both bands, and the spokes
// reach past the bead seat circle.
TEST(WheelRenderTest, ErdAboveTheBeadSeatHidesBothBands)
{
    ScopedLocale region(test::PointRegion());
    test::Drawing in = test::Wheel3636();
    in.wheel.erd = 640;  // rim hole circle 182 pixels
    in.wheel.style.numbers = false;
    const Rendered r = Render(in);
    ASSERT_TRUE(r.error.isEmpty());
    EXPECT_EQ(r.Count(in.wheel.style.rimOuter), 0);
    EXPECT_EQ(r.Count(in.wheel.style.rimInner), 0);
    int beyond = 0;
    for (int h = 1; h <= 36; ++h) {
        const QPoint hubEnd = PolarPoint(241, 177, 12, h * 10.0);
        const QPoint rimEnd = PolarPoint(241, 177, 182, test::ThreeCrossRimHole(h) * 10.0);
        const QPoint p = PointsAlong(hubEnd, rimEnd, 0.985, 0.985, 2).front();
        if (p.y() < 0 || p.y() >= in.frame.height) continue;
        ASSERT_GT(std::hypot(p.x() + 0.5 - 241, p.y() + 0.5 - 177), 178.0) << "hub hole " << h;
        EXPECT_EQ(r.At(p), h % 2 ? in.wheel.style.leftSpoke : in.wheel.style.rightSpoke) << "hub hole " << h;
        ++beyond;
    }
    EXPECT_GE(beyond, 20);
}

// At the first start no hole count is chosen: background, rim and hub are
// painted and the credits placed, then the drawing stops with a message that
// says what to choose.
TEST(WheelRenderTest, FirstDrawingWithoutHoleCountsStopsAfterTheHub)
{
    ScopedLocale region(test::PointRegion());
    const test::Drawing in;  // the design values, no counts
    const Rendered r = Render(in, GridModel());
    EXPECT_TRUE(r.wheelInputError);
    EXPECT_EQ(r.error, QStringLiteral("Choose the hub and rim hole counts on the \"Data\" tab to draw the spokes."));
    const WheelStyle& style = in.wheel.style;
    ExpectAlongRay(r, {0, -1}, {{0, style.hub}, {15, kOutline}, {100, style.background}, {170, style.rimInner},
                                {175, style.rimOuter}, {177, kOutline}});
    EXPECT_EQ(r.At(0, 0), style.background);
    EXPECT_EQ(r.Count(colors::White), 0);
    ASSERT_TRUE(r.result.scale.has_value());
    EXPECT_EQ(r.result.scaleCaption, QStringLiteral("0.569131832797428"));
    // The credits stand clear of the rim already.
    EXPECT_EQ(r.result.credits.action, CreditsAction::Show);
}

// On a device with two pixels per logical pixel the layout stays, drawn with
// the finer pixels: the image is no blown-up copy of the plain one.
TEST(WheelRenderTest, DenseScreenGivesTheSameLayoutSharper)
{
    ScopedLocale region(test::PointRegion());
    const test::Drawing in = test::Wheel3636();
    GridModel table;
    test::FillThreeCross36(table);
    const Rendered plain = Render(in, table, 1.0);
    const Rendered dense = Render(in, table, 2.0);
    ASSERT_TRUE(dense.error.isEmpty());
    ASSERT_EQ(dense.image.size(), QSize(964, 708));
    EXPECT_EQ(dense.result.radii->rimHole, plain.result.radii->rimHole);
    EXPECT_EQ(dense.result.labelFontSize, plain.result.labelFontSize);

    // The same colours at the same logical places: hub, both bands, background.
    for (const QPoint& p : {QPoint(241, 177), QPoint(241, 2), QPoint(241, 7), QPoint(5, 5), QPoint(476, 348)})
        EXPECT_EQ(dense.At(p), plain.At(p)) << p.x() << "," << p.y();
    for (int h = 1; h <= 36; ++h) {
        const QPoint mid = PointsAlong(DesignSpoke(h).hub, DesignSpoke(h).rim, 0.5, 0.5, 2).front();
        const TColor c = dense.At(mid);
        EXPECT_TRUE(c == in.wheel.style.leftSpoke || c == in.wheel.style.rightSpoke) << "hub hole " << h;
    }

    // Edges fall between logical pixels: some 2 x 2 blocks are not one colour.
    int mixed = 0;
    for (int y = 0; y + 1 < dense.image.height(); y += 2)
        for (int x = 0; x + 1 < dense.image.width(); x += 2) {
            const QRgb c = dense.image.pixel(x, y);
            mixed += dense.image.pixel(x + 1, y) != c || dense.image.pixel(x, y + 1) != c
                     || dense.image.pixel(x + 1, y + 1) != c;
        }
    EXPECT_GT(mixed, 500);
}

}  // namespace
}  // namespace rimora
