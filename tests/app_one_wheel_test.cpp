// One wheel everywhere: the table, the lengths, the bill and the drawing
// speak of the same spokes at the same angles; and what the window says when
// a wheel cannot be laced as asked, or holds no spoke at all.
#include "app_window_fixture.h"
#include "drawing_wheel_fixture.h"
#include "lacing/lacing_generation.h"
#include "lacing/lacing_table.h"
#include "spokes/spoke_bill.h"
#include "spokes/spoke_length.h"
#include "spokes_lacing_tables.h"

#include <QAbstractItemView>
#include <QContextMenuEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <cmath>
#include <numbers>

namespace rimora::test {
namespace {

constexpr double kRimRadius = 295.0;   // ERD 590
constexpr double kHubRadius = 20.5;    // flanges of 41 mm
constexpr double kSpokeHole = 2.5;

// The length of a spoke whose rim end stands `degrees` from its hub end.
double LengthAt(double degrees, double offset)
{
    const double a = degrees * std::numbers::pi / 180.0;
    return std::sqrt(kRimRadius * kRimRadius + kHubRadius * kHubRadius - 2 * kRimRadius * kHubRadius * std::cos(a)
                     + offset * offset)
           - kSpokeHole / 2;
}

void Lace(GridModel& t, int hub, int rim, int cross)
{
    WriteHeadings(t);
    LaceTable(t, hub, rim, cross, cross);
}

Drawing BigDrawing(int hub, int rim, double angle)
{
    Drawing d;
    d.frame.width = d.frame.height = 1600;
    d.wheel.hubHoles = hub;
    d.wheel.rimHoles = rim;
    d.wheel.angleDifference = angle;
    d.wheel.style.numbers = false;
    d.frame.credits = false;
    return d;
}

// The spoke of the row's rim hole is painted in its side's colour from its
// hub hole, on its own flange circle, to its rim hole turned by `angle`; near
// the rim, where the spokes of one side stand apart.
void ExpectSpokeDrawn(const Rendered& r, const Drawing& d, int hub, int hubCount, int rim, int rimCount,
                      double angle)
{
    const QPoint c = r.result.scale->centre;
    const bool left = hub % 2 != 0;
    const int hubRadius = left ? r.result.radii->leftHubHole : r.result.radii->rightHubHole;
    const QPoint from = PolarPoint(c.x(), c.y(), hubRadius, hub * 360.0 / hubCount);
    const QPoint to = PolarPoint(c.x(), c.y(), r.result.radii->rimHole, rim * 360.0 / rimCount + angle);
    for (const QPoint& p : PointsAlong(from, to, 0.75, 0.97))
        EXPECT_EQ(r.At(p), left ? d.wheel.style.leftSpoke : d.wheel.style.rightSpoke)
            << "hub " << hub << " rim " << rim << " at " << p.x() << "," << p.y();
}

}  // namespace

TEST(OneWheel, AngleDifferenceTurnsTheRimAlikeInLengthsAndDrawing)
{
    ScopedLocale scoped(PointRegion());
    GridModel t(kLacingColCount, kLacingInitialRowCount);
    Lace(t, 32, 36, 3);
    Wheel wheel = DefaultWheel(32, 36);
    wheel.angleDifference = 5.625;
    CalcSpokeLengths(t, wheel);
    EXPECT_EQ(t.Cells(kLengthCol, 1), "286.4");
    EXPECT_EQ(t.Cells(kLengthCol, 2), "288.2");
    RebuildHubLinks(t, 32);

    for (int rim : {1, 2}) {
        const int hub = t.Cells(kToHubCol, rim).toInt();
        Drawing d = BigDrawing(32, 36, 5.625);
        d.wheel.style.sideIndex = hub % 2 != 0 ? LeftSideOnly : RightSideOnly;
        const Rendered r = Render(d, t);
        ASSERT_TRUE(r.error.isEmpty()) << r.error.toStdString();
        ExpectSpokeDrawn(r, d, hub, 32, rim, 36, 5.625);
        // The angle painted between the two ends gives the length the table shows.
        const double painted = rim * 10.0 + 5.625 - hub * 11.25;
        EXPECT_EQ(FormatLength(LengthAt(painted, hub % 2 != 0 ? 27.5 : 18.1)), t.Cells(kLengthCol, rim)) << rim;
    }
}

TEST(OneWheel, EighteenHolesThreeCrossBillOneLengthPerSideAndEverySpokeDrawn)
{
    ScopedLocale scoped(PointRegion());
    GridModel t(kLacingColCount, kLacingInitialRowCount);
    Lace(t, 18, 18, 3);
    CalcSpokeLengths(t, DefaultWheel(18, 18));
    QStringList lines;
    BuildSpokeSummary(t, lines);
    // Every spoke spans 120 degrees; each left one is exactly 305.75 mm, a half
    // that rounds away from zero, whatever the noise of its hole's place.
    const QString right = FormatLength(LengthAt(120.0, 18.1));
    EXPECT_EQ(lines.value(0), right + "mm * 9 pcs");
    EXPECT_TRUE(lines.value(1).startsWith("305.8mm * 9 pcs +")) << lines.value(1).toStdString();
    EXPECT_EQ(lines.value(2), QString());

    RebuildHubLinks(t, 18);
    const Drawing d = BigDrawing(18, 18, 0);
    const Rendered r = Render(d, t);
    ASSERT_TRUE(r.error.isEmpty()) << r.error.toStdString();
    for (int rim = 1; rim <= 18; ++rim) ExpectSpokeDrawn(r, d, t.Cells(kToHubCol, rim).toInt(), 18, rim, 18, 0);
}

class OneWheelWindowTest : public AppWindowTest {};

TEST_F(OneWheelWindowTest, StatusBarNotesSummaryWithoutSpokesAndThePopupOnTheCurrentCell)
{
    Start();
    LaceWheel(*mainF, "18", "18");
    // The drawing that follows the lacing keeps its note; a sound wheel clears it.
    EXPECT_TRUE(mainF->statusBar->SimpleText().contains("cannot all alternate"));
    Choose(mainF->hubHolesList, "36");
    Choose(mainF->rimHolesList, "36");
    EXPECT_EQ(mainF->statusBar->SimpleText(), QString());

    // Every link cleared by hand: the summary says so, and how to lace again.
    for (int r = 1; r <= 36; ++r) mainF->lacingGrid->SetCells(kToHubCol, r, r % 2 ? "-" : "");
    Click(mainF->summaryButton);
    ASSERT_EQ(desktop.errors.size(), 1);
    EXPECT_TRUE(desktop.errors[0].contains("no laced spoke")) << desktop.errors[0].toStdString();
    EXPECT_TRUE(desktop.errors[0].contains("\"Data\" tab")) << desktop.errors[0].toStdString();

    // The right button on the current ->H cell, where the editor stands, opens the table's popup.
    EXPECT_EQ(QString(mainF->insertGapItem->text()).replace("&&", "&"), "Insert & No.Down");
    EXPECT_TRUE(QKeySequence::mnemonic(mainF->insertGapItem->text()).isEmpty());
    mainF->tabs->setCurrentIndex(1);
    mainF->lacingGrid->setCurrentIndex(mainF->lacingGrid->model()->index(5, kToHubCol));
    Settle();
    auto* editor = mainF->lacingGrid->viewport()->findChild<QLineEdit*>();
    ASSERT_TRUE(editor && editor->isVisible());
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(2, 2), editor->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(editor, &rightClick);
    EXPECT_TRUE(mainF->tableMenu->isVisible());
    mainF->tableMenu->hide();
}

}  // namespace rimora::test
