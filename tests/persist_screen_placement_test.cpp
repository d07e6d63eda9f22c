// Stored placements against the screens there are now: a window that no
// screen shows enough of comes back onto the nearest one.
#include "persist/ini_save.h"
#include "persist/screen_placement.h"
#include "persist_test_files.h"
#include "support/fake_form.h"

#include <gtest/gtest.h>

using namespace rimora;
using namespace rimora::test;

namespace {

class ScreenPlacementTest : public PersistTest {};

// One 1920 x 1080 screen, or that screen with a 1280 x 1024 one to its right.
const QList<QRect> kOne = {QRect(0, 0, 1920, 1080)};
const QList<QRect> kTwo = {QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};

}  // namespace

TEST_F(ScreenPlacementTest, WindowsNoScreenShowsComeBackOntoTheNearest)
{
    struct Row {
        const char* what;
        QList<QRect> screens;
        QRect window;
        QRect expected;
    };
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
    };
    for (const Row& row : rows) {
        const QRect placed = OntoNearestScreen(row.window, row.screens);
        EXPECT_EQ(placed, row.expected) << row.what;
        if (row.screens.isEmpty()) continue;
        // Moved exactly when it was out of reach, and always within reach after.
        EXPECT_TRUE(IsReachable(placed, row.screens)) << row.what;
        EXPECT_EQ(IsReachable(row.window, row.screens), placed == row.window) << row.what;
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
        {"Left=5000 of an unplugged monitor", kOne, "Left=5000\nTop=80\nHeight=480\nWidth=800\n", {1120, 80, 800, 480}},
        {"kept on the second monitor", kTwo, "Left=2000\nTop=80\nHeight=480\nWidth=800\n", {2000, 80, 800, 480}},
        {"a negative edge is centred first", kOne, "Left=-8\nTop=5\nHeight=480\nWidth=800\n", {560, 5, 800, 480}},
        {"too large for the screen", kOne, "Left=4000\nTop=3000\nHeight=2000\nWidth=3000\n", {0, 0, 1920, 1080}},
    };
    for (const Row& row : rows) {
        const QString path = PathOf(QStringLiteral("KELD.ini"));
        WriteBytes(path, "[MainF]\n" + row.keys);
        desktop_.screen = QSize(1920, 1080);
        desktop_.screens = row.screens;
        FakeForm form(QStringLiteral("MainF"), 800, 480);
        TIniSave store(form);
        store.SetFileName(QStringLiteral("KELD.ini"));
        store.ReadPlace();
        EXPECT_EQ(QRect(form.Left(), form.Top(), form.Width(), form.Height()), row.expected) << row.what;
    }
}
