// Stored placements against the screens there are now: a window that no
// screen shows enough of comes back onto the nearest one.
#include "persist/ini_save.h"
#include "persist/screen_placement.h"
#include "persist/settings_flows.h"
#include "persist/settings_session.h"
#include "persist_test_files.h"
#include "support/small_form.h"

#include <gtest/gtest.h>

using namespace rimora;
using namespace rimora::test;

namespace {

class ScreenPlacementTest : public PersistTest {};

// One 1920 x 1080 screen, or that screen with a 1280 x 1024 one to its right.
const QList<QRect> kOne = {QRect(0, 0, 1920, 1080)};
const QList<QRect> kTwo = {QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
const QList<QRect> kSmall = {QRect(0, 0, 1280, 1024)};
const QSize kMainMinimum(460, 540);

// A window's outer rectangle before and after, on the screens there are.
struct Row {
    const char* what;
    QList<QRect> screens;
    QRect window;
    QRect expected;
};

}  // namespace

TEST_F(ScreenPlacementTest, WindowsNoScreenShowsComeBackOntoTheNearest)
{
    const Row rows[] = {
        {"inside the screen", kOne, {100, 80, 800, 480}, {100, 80, 800, 480}},
        {"partly beyond the right edge, title bar still grabbable", kOne, {1800, 80, 800, 480}, {1800, 80, 800, 480}},
        {"only 50 px of the title bar shown: too little", kOne, {1870, 80, 800, 480}, {1120, 80, 800, 480}},
        {"on a monitor since unplugged", kOne, {5000, 200, 800, 480}, {1120, 200, 800, 480}},
        {"far below", kOne, {300, 4000, 800, 480}, {300, 600, 800, 480}},
        {"only the bottom shown: the title bar is out of reach", kOne, {300, 1075, 800, 480}, {300, 600, 800, 480}},
        {"larger than the screen: cut to it", kOne, {5000, 5000, 2500, 1500}, {0, 0, 1920, 1080}},
        {"wider only: height kept", kOne, {3000, 10, 2500, 400}, {0, 10, 1920, 400}},
        {"on the second monitor", kTwo, {2500, 300, 800, 480}, {2500, 300, 800, 480}},
        {"beyond the second monitor: onto it", kTwo, {5000, 300, 800, 480}, {2400, 300, 800, 480}},
        {"below the shorter second monitor: onto it", kTwo, {2000, 1040, 800, 480}, {2000, 544, 800, 480}},
        {"a narrow window needs its own width shown", kOne, {1860, 10, 60, 40}, {1860, 10, 60, 40}},
        {"no screens known: left as it is", {}, {5000, 5000, 800, 480}, {5000, 5000, 800, 480}},
        {"5000 x 4000: cut to the screen", kSmall, {0, 0, 5000, 4000}, {0, 0, 1280, 1024}},
        {"into the area a top panel leaves", {QRect(0, 28, 1280, 996)}, {0, 0, 1920, 1200}, {0, 28, 1280, 996}},
        {"off to the bottom right", kSmall, {1500, 1100, 800, 480}, {480, 544, 800, 480}},
        {"the first monitor unplugged", {QRect(1920, 0, 1280, 1024)}, {0, 0, 1920, 1080}, {1920, 0, 1280, 1024}},
        {"over both monitors: cut to the one showing most", kTwo, {1000, 0, 2200, 900}, {1920, 0, 1280, 900}},
        {"a screen below the minimum: top left on it", {QRect(0, 0, 640, 480)}, {100, 100, 758, 540}, {0, 0, 640, 540}},
    };
    for (const Row& row : rows) {
        const QRect placed = OntoNearestScreen(row.window, row.screens, kMainMinimum);
        EXPECT_EQ(placed, row.expected) << row.what;
        EXPECT_TRUE(row.screens.isEmpty() || IsReachable(placed, row.screens)) << row.what;
    }
}

TEST_F(ScreenPlacementTest, ReadPlaceBringsAStoredPlaceOnScreen)
{
    struct Row {
        const char* what;
        QList<QRect> screens;
        QByteArray keys;
        QRect expected;
    };
    const Row rows[] = {
        {"Left=5000 of an unplugged monitor", kOne, "Left=5000\nTop=80\nHeight=600\nWidth=800\n", {1120, 80, 800, 600}},
        {"kept on the second monitor", kTwo, "Left=2000\nTop=80\nHeight=600\nWidth=800\n", {2000, 80, 800, 600}},
        {"a negative edge is centred first", kOne, "Left=-8\nTop=5\nHeight=600\nWidth=800\n", {560, 5, 800, 600}},
        {"too large for the screen", kOne, "Left=4000\nTop=3000\nHeight=2000\nWidth=3000\n", {0, 0, 1920, 1080}},
        {"1920 x 1200 on 1280 x 1024", kSmall, "Left=0\nTop=0\nHeight=1200\nWidth=1920\n", {0, 0, 1280, 1024}},
        {"the window's minimum stands", {QRect(0, 0, 640, 480)}, "Left=9\nTop=9\nHeight=600\nWidth=700\n", {0, 0, 640, 540}},
    };
    for (const Row& row : rows) {
        const QString path = PathOf(QStringLiteral("KELD.ini"));
        WriteBytes(path, "[MainF]\n" + row.keys);
        desktop_.screen = QSize(1920, 1080);
        desktop_.screens = row.screens;
        SmallForm form(QStringLiteral("MainF"), 800, 480);
        form.EnforceMinimumOuterSize(kMainMinimum.width(), kMainMinimum.height());
        TIniSave store(form);
        store.SetFileName(QStringLiteral("KELD.ini"));
        store.ReadPlace();
        EXPECT_EQ(QRect(form.Left(), form.Top(), form.Width(), form.Height()), row.expected) << row.what;
    }
}

TEST_F(ScreenPlacementTest, ASecondCopyOpensDownAndRightOnTheSameScreen)
{
    const Row rows[] = {
        {"in the middle", kOne, {100, 80, 800, 480}, {130, 110, 800, 480}},
        {"filling the screen: smaller by the offset", kOne, {0, 0, 1920, 1080}, {30, 30, 1890, 1050}},
        {"at the right edge: narrower", kOne, {1120, 80, 800, 480}, {1150, 110, 770, 480}},
        {"at its minimum in the bottom right corner: up and left instead", kSmall, {820, 484, 460, 540}, {790, 454, 460, 540}},
        {"on the second monitor", kTwo, {1920, 0, 1280, 1024}, {1950, 30, 1250, 994}},
    };
    for (const Row& row : rows) EXPECT_EQ(BesideAnotherCopy(row.window, row.screens, kMainMinimum), row.expected) << row.what;
}

// Each copy's summary window reads its place, then joins its copy's session.
TEST_F(ScreenPlacementTest, ACorrectedSummaryPlaceIsWrittenBackOnlyByTheCopyThatKeepsTheSettings)
{
    desktop_.screens = kSmall;
    const QByteArray tooLarge = "[SumF]\nLeft=0\nTop=0\nHeight=1200\nWidth=1920\n";
    WriteBytes(PathOf(kSettingsFileName), tooLarge + "[MainF]\nLeft=10\nTop=20\nHeight=600\nWidth=800\n");
    struct Copy {
        SmallForm main{QStringLiteral("MainF")}, summary{QStringLiteral("SumF")};
        TIniSave mainStore{main}, summaryStore{summary};
        SettingsSession session{mainStore};
        void OpenSummary() { ConfigureSummaryStore(summaryStore); ReadSummaryPlacement(summaryStore); session.ShareWith(summaryStore); }
    } first, second;
    first.session.Restore();
    second.session.Restore();
    EXPECT_EQ(OuterRect(second.main), QRect(40, 50, 800, 600));
    second.OpenSummary();
    EXPECT_EQ(OuterRect(second.summary), QRect(30, 30, 1250, 994));
    EXPECT_TRUE(ReadBytes(PathOf(kSettingsFileName)).startsWith(tooLarge)) << "the other copy writes nothing";
    first.OpenSummary();
    EXPECT_EQ(OuterRect(first.summary), QRect(0, 0, 1280, 1024));
    EXPECT_TRUE(ReadBytes(PathOf(kSettingsFileName)).startsWith("[SumF]\nLeft=0\nTop=0\nHeight=1024\nWidth=1280\n"));
}
