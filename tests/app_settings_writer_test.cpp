// The real main window and files that must neither lose the wheel on screen
// nor block: a profile without any of the window's records, a real profile
// whose lines end in a bare CR, a settings file without records or one that
// cannot be read, and a second copy of the program beside the first, which
// reads the settings file but leaves it to the first.
#include "app_window_fixture.h"
#include "persist/settings_session.h"
#include "support/failing_disk.h"

#include <QFileInfo>
#include <QLockFile>

#include <sys/wait.h>
#include <unistd.h>

namespace rimora::test {
namespace {

class SettingsWriterTest : public AppWindowTest {
protected:
    QString LockPath() const { return SettingsSession::LockPath(SettingsPath()); }

    // A 32-hole wheel crossed three times, with colours of its own.
    static void SetAWheel(TMainF& f)
    {
        LaceWheel(f, "32", "32");
        f.erdEdit->SetText(QStringLiteral("610"));
        ChooseColor(f.backgroundColourBox, colors::Yellow);
        ChooseColor(f.hubColourBox, colors::Purple);
        Click(f.calcButton);
    }
};

TEST_F(SettingsWriterTest, ProfileWithoutRecordsIsRefusedAndTheWheelStays)
{
    struct Row {
        const char* what;
        QByteArray bytes;
    };
    const Row rows[] = {
        {"the window's section and placement only", "[MainF]\nLeft=10\nTop=10\nHeight=400\nWidth=700\n"},
        {"the window's section with unknown keys", "[MainF]\r\nColour=red\r\nSpokes=32\r\n"},
        {"records of another window", "[SumF]\nErdE=500\nSG1-Row1=01,01,01,01,,\n"},
    };
    Start();
    SetAWheel(*mainF);
    const QStringList before = Snapshot(*mainF);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const QString path = Path(QStringLiteral("other.prl"));
        WriteBytes(path, row.bytes);
        Open(path);
        ASSERT_EQ(desktop.errors.size(), 1);
        EXPECT_EQ(desktop.errors[0],
                  QStringLiteral("Cannot open %1: the file holds no Rimora wheel.").arg(QDir::toNativeSeparators(path)));
        desktop.errors.clear();
        // Every table row, every colour and the profile label as they were.
        EXPECT_EQ(Snapshot(*mainF), before);
        EXPECT_EQ(mainF->backgroundColourBox->Selected(), colors::Yellow);
        EXPECT_EQ(mainF->hubColourBox->Selected(), colors::Purple);
        EXPECT_EQ(Bytes(path), row.bytes) << "a refused file is not touched";
    }
    // The settings file at the end holds the wheel that stayed on screen.
    Stop();
    Start();
    QStringList restarted = Snapshot(*mainF);
    EXPECT_EQ(restarted.mid(0, restarted.size() - 1), before.mid(0, before.size() - 1));
}

TEST_F(SettingsWriterTest, RealProfileWithBareCrLineEndsOpensAndStaysCrOnly)
{
    Start();
    SetAWheel(*mainF);
    const QString saved = Path(QStringLiteral("wheel.prl"));
    Save(saved);
    const QStringList wheel = Snapshot(*mainF);
    const QString oldMac = Path(QStringLiteral("oldmac.prl"));
    QByteArray crOnly = Bytes(saved);
    crOnly.replace('\n', '\r');
    WriteBytes(oldMac, crOnly);

    // Another wheel on screen, then the CR-only copy brings the first back.
    LaceWheel(*mainF, "36", "36");
    mainF->erdEdit->SetText(QStringLiteral("590"));
    ChooseColor(mainF->backgroundColourBox, colors::White);
    ChooseColor(mainF->hubColourBox, colors::Gray);
    Open(oldMac);
    ASSERT_TRUE(desktop.errors.isEmpty()) << Errors().toStdString();
    QStringList opened = Snapshot(*mainF);
    EXPECT_EQ(opened.takeLast(), QStringLiteral("ProfL=oldmac.prl"));
    EXPECT_EQ(opened, wheel.mid(0, wheel.size() - 1));

    // Saved over, it keeps its bare CRs: one line end kind, never a mix.
    mainF->erdEdit->SetText(QStringLiteral("612"));
    Save(oldMac);
    const QByteArray written = Bytes(oldMac);
    EXPECT_FALSE(written.contains('\n'));
    EXPECT_EQ(written, QByteArray(crOnly).replace("ErdE=610", "ErdE=612"));
}

TEST_F(SettingsWriterTest, SettingsFileWithoutRecordsKeepsTheDefaultsAndSaysSo)
{
    Start();
    const QStringList defaults = Snapshot(*mainF);
    EXPECT_TRUE(mainF->statusBar->Note().isEmpty()) << "a first start has nothing to say";
    Stop();
    QFile::remove(SettingsPath());

    const QByteArray noWheel = "[MainF]\nLeft=30\nTop=20\nForeign=1\n[SumF]\nLeft=5\n";
    WriteBytes(SettingsPath(), noWheel);
    Start();
    EXPECT_EQ(Snapshot(*mainF), defaults);
    EXPECT_EQ(mainF->statusBar->Note(), QStringLiteral("KELD.ini holds no Rimora wheel: started with the defaults."));
    // The note stays beside the drawing's own hints.
    mainF->wheelPaintBox->repaint();
    EXPECT_FALSE(mainF->statusBar->Note().isEmpty());
    EXPECT_TRUE(desktop.errors.isEmpty()) << Errors().toStdString();
    Stop();
    // The end of the run writes the wheel into it; what was there stays.
    Start();
    EXPECT_TRUE(mainF->statusBar->Note().isEmpty());
    EXPECT_TRUE(Bytes(SettingsPath()).contains("Foreign=1\n"));
}

TEST_F(SettingsWriterTest, SettingsPathThatIsAFolderIsSaidOnceAndNoBoxAtTheEnd)
{
    ASSERT_TRUE(QDir().mkpath(SettingsPath()));
    Start();
    EXPECT_EQ(mainF->statusBar->Note(),
              QStringLiteral("KELD.ini cannot be read: started with the defaults, kept as it is."));
    mainF->erdEdit->SetText(QStringLiteral("600"));
    sumF->ShowSummary(QStringLiteral("x"));
    sumF->close();
    Stop();
    EXPECT_TRUE(desktop.errors.isEmpty()) << Errors().toStdString();
    EXPECT_TRUE(QFileInfo(SettingsPath()).isDir());
}

TEST_F(SettingsWriterTest, SecondCopyReadsTheSettingsButLeavesThemToTheFirst)
{
    // The first copy's wheel is in the settings file.
    Start();
    SetAWheel(*mainF);
    Stop();
    const QByteArray kept = Bytes(SettingsPath());

    // Another copy holds the lock while this window runs.
    QLockFile other(LockPath());
    ASSERT_TRUE(other.tryLock(0));
    Start();
    EXPECT_EQ(mainF->erdEdit->Text(), "610") << "the second copy shows the kept wheel";
    EXPECT_EQ(mainF->statusBar->Note(), QStringLiteral("Settings will not be kept: another Rimora is open."));
    mainF->erdEdit->SetText(QStringLiteral("590"));
    mainF->move(mainF->pos() + QPoint(40, 40));
    sumF->ShowSummary(QStringLiteral("summary"));
    sumF->move(3, 3);
    sumF->close();  // a user's close, which writes the summary's placement
    Stop();
    EXPECT_TRUE(desktop.errors.isEmpty()) << Errors().toStdString();
    EXPECT_EQ(Bytes(SettingsPath()), kept);
    EXPECT_TRUE(QFileInfo::exists(LockPath())) << "the other copy's lock is not taken away";

    // Once the other copy has ended, the next start keeps its settings again.
    other.unlock();
    Start();
    EXPECT_TRUE(mainF->statusBar->Note().isEmpty());
    mainF->erdEdit->SetText(QStringLiteral("590"));
    Stop();
    EXPECT_TRUE(Bytes(SettingsPath()).contains("\nErdE=590\n"));
    EXPECT_FALSE(QFileInfo::exists(LockPath())) << "the lock goes with the window";
}

TEST_F(SettingsWriterTest, TwoWindowsInEitherOrderOfClosingKeepTheFirstsValues)
{
    for (const bool firstClosesFirst : {true, false}) {
        SCOPED_TRACE(firstClosesFirst ? "first closes first" : "second closes first");
        QFile::remove(SettingsPath());
        Start();
        auto second = std::make_unique<TMainF>();
        second->show();
        Settle();
        EXPECT_TRUE(mainF->statusBar->Note().isEmpty());
        EXPECT_FALSE(second->statusBar->Note().isEmpty());
        mainF->erdEdit->SetText(QStringLiteral("610"));
        second->erdEdit->SetText(QStringLiteral("600"));
        if (firstClosesFirst) {
            Stop();
            second.reset();
        } else {
            second.reset();
            Stop();
        }
        const QByteArray written = Bytes(SettingsPath());
        EXPECT_TRUE(written.contains("\nErdE=610\n")) << written.toStdString();
        EXPECT_FALSE(written.contains("ErdE=600"));
    }
}

// A disk that fills while the program runs: the last write fails, the
// settings file keeps every byte, and the end says so and fails. A disk
// already full at the start: no lock can be made, the start says why, and
// nothing is written at the end.
TEST_F(SettingsWriterTest, AFullDiskKeepsTheSettingsFileWhole)
{
    Start();
    SetAWheel(*mainF);
    Stop();
    const QByteArray kept = Bytes(SettingsPath());

    Start();
    mainF->erdEdit->SetText(QStringLiteral("590"));
    QString reported;
    {
        const ScopedFailingDisk full(ScopedFailingDisk::Step::Write, ENOSPC, 100);
        EXPECT_FALSE(mainF->FormDestroy([&](const QString& message) { reported = message; }));
    }
    EXPECT_EQ(reported, QStringLiteral("Cannot write %1: No space left on device").arg(SettingsPath()));
    EXPECT_EQ(Bytes(SettingsPath()), kept);
    EXPECT_EQ(FolderEntries(), QStringList{"KELD.ini"}) << "no temporary file left";
    Stop();

    // The folder's file system is full from the start (a real one where this
    // build may mount one).
    const QString full = Path(QStringLiteral("full"));
    const ScopedSmallFileSystem disk(full);
    if (!disk.Mounted()) GTEST_SKIP() << "cannot mount a small file system here";
    WriteBytes(full + QStringLiteral("/KELD.ini"), kept);
    disk.Fill();
    desktop.executableFolder = full;
    Start();
    EXPECT_EQ(mainF->erdEdit->Text(), "610");
    EXPECT_EQ(mainF->statusBar->Note(),
              QStringLiteral("Settings will not be kept: KELD.ini.lock cannot be made (No space left on device)."));
    mainF->erdEdit->SetText(QStringLiteral("590"));
    EXPECT_TRUE(mainF->FormDestroy());
    Stop();
    EXPECT_TRUE(desktop.errors.isEmpty()) << Errors().toStdString();
    EXPECT_EQ(Bytes(full + QStringLiteral("/KELD.ini")), kept);
}

TEST_F(SettingsWriterTest, LockOfACrashedCopyIsTakenOver)
{
    // A child process takes the lock and ends without giving it back, as a
    // crashed copy does.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        QLockFile crashed(LockPath());
        _exit(crashed.tryLock(0) ? 0 : 1);
    }
    int status = -1;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_TRUE(QFileInfo::exists(LockPath()));

    Start();
    EXPECT_TRUE(mainF->statusBar->Note().isEmpty()) << mainF->statusBar->Note().toStdString();
    mainF->erdEdit->SetText(QStringLiteral("605"));
    Stop();
    EXPECT_TRUE(Bytes(SettingsPath()).contains("\nErdE=605\n"));
}

}  // namespace
}  // namespace rimora::test
