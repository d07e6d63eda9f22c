// The window placement record.
#include "persist/ini_save.h"
#include "persist_test_files.h"
#include "support/small_form.h"

#include <gtest/gtest.h>
#include <optional>

using namespace rimora;
using namespace rimora::test;

namespace {

class PlacementTest : public PersistTest {};

}  // namespace

TEST_F(PlacementTest, ReadPlaceCentresMissingEdgesAndPullsBackNegativeOnes)
{
    struct Row {
        const char* what;
        QSize screen;
        QSize window;                  // before the read
        std::optional<QByteArray> keys;  // the section's lines; nothing: no file
        int left, top, width, height;  // after the read
    };
    const Row rows[] = {
        {"first start: centred at design size", {1920, 1080}, {800, 480}, std::nullopt, 560, 300, 800, 480},
        {"odd sizes truncate", {1023, 767}, {301, 201}, std::nullopt, 361, 283, 301, 201},
        {"stored placement used as stored", {1920, 1080}, {800, 480}, "Left=120\nTop=80\nHeight=500\nWidth=900\n",
         120, 80, 900, 500},
        {"Left -8: centred for the size before the stored size", {1920, 1080}, {800, 480},
         "Left=-8\nTop=5\nHeight=500\nWidth=1000\n", 560, 5, 1000, 500},
        {"Top -1 centred too", {1920, 1080}, {800, 480}, "Left=3\nTop=-1\n", 3, 300, 800, 480},
        {"beyond the screen: onto it", {1024, 768}, {400, 300}, "Left=3000\nTop=2000\n", 624, 468, 400, 300},
        {"partly beyond the right edge stays there", {1024, 768}, {400, 300}, "Left=900\nTop=400\n", 900, 400, 400, 300},
        {"values that are no integer give the defaults", {1000, 800}, {400, 300},
         "Left=abc\nTop=\nHeight=big\nWidth=1e3\n", 300, 250, 400, 300},
        {"hexadecimal accepted", {1000, 800}, {400, 300}, "Left=0x10\nTop=$20\n", 16, 32, 400, 300},
    };
    for (const Row& row : rows) {
        const QString path = PathOf(QStringLiteral("KELD.ini"));
        QFile::remove(path);
        if (row.keys) WriteBytes(path, "[SumF]\n" + *row.keys);
        desktop_.screen = row.screen;
        SmallForm form(QStringLiteral("SumF"), row.window.width(), row.window.height());
        form.SetLeft(7);
        form.SetTop(7);
        TIniSave store(form);
        store.SetFileName(QStringLiteral("KELD.ini"));
        store.ReadPlace();
        EXPECT_EQ(form.Left(), row.left) << row.what;
        EXPECT_EQ(form.Top(), row.top) << row.what;
        EXPECT_EQ(form.Width(), row.width) << row.what;
        EXPECT_EQ(form.Height(), row.height) << row.what;
    }
}

TEST_F(PlacementTest, BothWindowsShareTheSettingsFile)
{
    SmallForm mainForm(QStringLiteral("MainF"), 800, 480);
    mainForm.SetLeft(120);
    mainForm.SetTop(80);
    SmallForm sumForm(QStringLiteral("SumF"), 400, 300);
    sumForm.SetLeft(300);
    sumForm.SetTop(200);
    TIniSave mainStore(mainForm);
    TIniSave sumStore(sumForm);
    mainStore.SetFileName(QStringLiteral("KELD.ini"));
    sumStore.SetFileName(QStringLiteral("KELD.ini"));
    sumStore.SetPlaceOnly(true);
    mainStore.WritePlace();
    sumStore.WritePlace();
    const QByteArray expected = "[MainF]\nLeft=120\nTop=80\nHeight=480\nWidth=800\n"
                                "[SumF]\nLeft=300\nTop=200\nHeight=300\nWidth=400\n";
    EXPECT_EQ(ReadBytes(PathOf(QStringLiteral("KELD.ini"))), expected);

    // A later write moves nothing: the keys keep their places.
    sumForm.SetLeft(-20);
    mainForm.SetWidth(1000);
    sumStore.WritePlace();
    mainStore.WritePlace();
    EXPECT_EQ(ReadBytes(PathOf(QStringLiteral("KELD.ini"))),
              QByteArray(expected).replace("Width=800", "Width=1000").replace("Left=300", "Left=-20"));
}
