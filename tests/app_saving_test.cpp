// Saving from the window: "no" to replacing a file goes back to the file
// dialog at the refused name, and the file written is named in the status bar.
#include "app_window_fixture.h"

namespace rimora::test {
namespace {

using SavingTest = AppWindowTest;

TEST_F(SavingTest, NoToReplacingAsksForAnotherNameAndTheWrittenFileIsNamed)
{
    const struct {
        const char* file;
        void (*save)(TMainF& f);
        const char* starts;  // the written file's first bytes
    } saves[] = {
        {"wheel.prl", [](TMainF& f) { Click(f.saveButton); }, "[MainF]"},
        {"wheel.pdf", [](TMainF& f) { f.sheetPdfItem->trigger(); }, "%PDF-"},
        {"wheel.svg", [](TMainF& f) { f.saveDrawingItem->trigger(); }, "<?xml"},
        {"wheel.png", [](TMainF& f) { f.saveDrawingItem->trigger(); }, "\x89PNG"},
    };
    Start();
    LaceWheel(*mainF, "32", "32");
    QDir().mkpath(Path("taken"));
    for (const auto& s : saves) {
        const QString taken = Path(QStringLiteral("taken/") + s.file), other = Path(QStringLiteral("other ") + s.file);
        WriteBytes(taken, "old");
        desktop.saveRequests.clear();
        desktop.saveAnswers = {taken, other};
        desktop.confirmAnswers = {false};
        desktop.sizeAnswers = {QSize(300, 200)};
        s.save(*mainF);
        ASSERT_EQ(desktop.saveRequests.size(), 2u) << s.file << Errors().toStdString();
        EXPECT_EQ(desktop.saveRequests[1].folder + '/' + desktop.saveRequests[1].fileName, taken);
        EXPECT_EQ(Bytes(taken), "old");
        EXPECT_TRUE(Bytes(other).startsWith(s.starts)) << s.file;
        EXPECT_EQ(mainF->statusBar->DoneText(), "Saved " + QDir::toNativeSeparators(other));
    }
    // The open profile is never replaced by an export, even when the user agrees.
    const QString profile = Path(QStringLiteral("other wheel.prl"));
    desktop.saveAnswers = {profile};
    desktop.confirmAnswers = {true};
    mainF->sheetPdfItem->trigger();
    EXPECT_TRUE(Bytes(profile).startsWith("[MainF]"));
    EXPECT_TRUE(Errors().contains("holds the wheel itself")) << Errors().toStdString();
}

}  // namespace
}  // namespace rimora::test
