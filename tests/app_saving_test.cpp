// Saving from the window: "no" to replacing a file goes back to the file
// dialog, and a file written is named in the status bar.
#include "app_window_fixture.h"

#include <QFileInfo>

namespace rimora::test {
namespace {

struct SavedFile {
    const char* name;
    const char* file;
    void (*save)(TMainF& f);
    const char* starts;  // what the written file starts with
};

class SavingTest : public AppWindowTest, public ::testing::WithParamInterface<SavedFile> {};

const SavedFile kSavedFiles[] = {
    {"Profile", "wheel.prl", [](TMainF& f) { Click(f.saveButton); }, "[MainF]"},
    {"SheetPdf", "wheel.pdf", [](TMainF& f) { f.sheetPdfItem->trigger(); }, "%PDF-"},
    {"DrawingSvg", "wheel.svg", [](TMainF& f) { f.saveDrawingItem->trigger(); }, "<?xml"},
    {"DrawingPng", "wheel.png", [](TMainF& f) { f.saveDrawingItem->trigger(); }, "\x89PNG"},
};

TEST_P(SavingTest, NoToReplacingAsksForAnotherNameAndTheWrittenFileIsNamed)
{
    const SavedFile& row = GetParam();
    Start();
    LaceWheel(*mainF, "32", "32");
    const QString taken = Path(QStringLiteral("taken/") + row.file);
    QDir().mkpath(QFileInfo(taken).path());
    WriteBytes(taken, "old");
    const QString other = Path(QStringLiteral("other ") + row.file);
    desktop.saveAnswers = {taken, other};
    desktop.confirmAnswers = {false};
    desktop.sizeAnswers = {QSize(300, 200)};
    row.save(*mainF);

    EXPECT_TRUE(desktop.errors.isEmpty()) << Errors().toStdString();
    ASSERT_EQ(desktop.saveRequests.size(), 2u);
    EXPECT_EQ(desktop.saveRequests[1].folder, QFileInfo(taken).absolutePath());
    EXPECT_EQ(desktop.saveRequests[1].fileName, row.file);
    EXPECT_EQ(desktop.saveRequests[1].filter, desktop.saveRequests[0].filter);
    EXPECT_EQ(Bytes(taken), "old");
    EXPECT_TRUE(Bytes(other).startsWith(row.starts));
    EXPECT_EQ(mainF->statusBar->DoneText(), "Saved " + QDir::toNativeSeparators(other));
}

INSTANTIATE_TEST_SUITE_P(Files, SavingTest, ::testing::ValuesIn(kSavedFiles),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace rimora::test
