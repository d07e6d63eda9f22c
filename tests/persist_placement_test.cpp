// The window placement record and the label font record.
#include "persist/ini_save.h"
#include "persist_test_files.h"
#include "support/fake_form.h"

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
        FakeForm form(QStringLiteral("SumF"), row.window.width(), row.window.height());
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
    FakeForm mainForm(QStringLiteral("MainF"), 800, 480);
    mainForm.SetLeft(120);
    mainForm.SetTop(80);
    FakeForm sumForm(QStringLiteral("SumF"), 400, 300);
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

TEST_F(PlacementTest, FontRecordOfTheTargetLabel)
{
    FakeForm form(QStringLiteral("MainF"));
    FakeLabel label(QStringLiteral("TitleL"));
    label.size = 8;
    label.style = 1 | 4;
    label.face = QStringLiteral("Tahoma");
    label.color = colors::Navy;
    TIniSave store(form);
    store.SetFileName(QStringLiteral("font.ini"));
    store.SetTargetLabel(&label);
    store.WriteFont();
    const QString path = PathOf(QStringLiteral("font.ini"));
    EXPECT_EQ(ReadBytes(path), QByteArray("[TitleL]\nSize=8\nStyle=5\nName=Tahoma\nColor=8388608\n"));

    struct Row {
        const char* keys;
        int size;
        int style;
        const char* face;
        TColor color;
        const char* caption;
    };
    const Row rows[] = {
        {"Size=8\nStyle=5\nName=Tahoma\nColor=8388608\n", 8, 5, "Tahoma", colors::Navy, "Tahoma8point"},
        {"Style=3\n", 12, 3, "Arial", colors::Red, "Arial12point"},
        {"Style=259\nSize=14\n", 14, 3, "Arial", colors::Red, "Arial14point"},
        {"Name=\"MS Gothic\"\nColor=-16777201\n", 12, 0, "MS Gothic", colors::ButtonFace, "MS Gothic12point"},
        {"Size=big\nStyle=x\n", 12, 0, "Arial", colors::Red, "Arial12point"},
    };
    for (const Row& row : rows) {
        WriteBytes(path, QByteArray("[TitleL]\n") + row.keys);
        FakeLabel target(QStringLiteral("TitleL"));
        target.size = 12;
        target.style = 2;  // a missing Style means none, not the current one
        target.face = QStringLiteral("Arial");
        target.color = colors::Red;
        store.SetTargetLabel(&target);
        store.ReadFont();
        EXPECT_EQ(target.size, row.size) << row.keys;
        EXPECT_EQ(target.style, row.style) << row.keys;
        EXPECT_EQ(target.face, QString::fromUtf8(row.face)) << row.keys;
        EXPECT_EQ(target.color, row.color) << row.keys;
        EXPECT_EQ(target.caption, QString::fromUtf8(row.caption)) << row.keys;
    }
}

TEST_F(PlacementTest, NoTargetLabelTouchesNoFile)
{
    FakeForm form(QStringLiteral("MainF"));
    TIniSave store(form);
    store.SetFileName(QStringLiteral("font.ini"));
    ASSERT_EQ(store.TargetLabel(), nullptr);
    store.WriteFont();
    store.ReadFont();
    EXPECT_FALSE(QFileInfo::exists(PathOf(QStringLiteral("font.ini"))));

    // Nor does a refused path matter then.
    store.SetFileName(PathOf(QStringLiteral("missing/font.ini")));
    EXPECT_NO_THROW(store.WriteFont());
}
