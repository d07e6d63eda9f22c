// Whole-file writes: every way a disk refuses leaves the old file byte for
// byte, no temporary file, and a message with the system's reason.
#include "platform/atomic_file.h"
#include "platform/errors.h"
#include "support/failing_disk.h"
#include "support/file_bytes.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace rimora;
using namespace rimora::test;

namespace {

QStringList Entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

}  // namespace

TEST(AtomicFile, EveryRefusedStepKeepsTheOldFileAndGivesTheSystemsReason)
{
    using Step = ScopedFailingDisk::Step;
    const struct {
        Step step;
        int error;
        size_t accepted;
        const char* reason;
    } rows[] = {
        {Step::Open, ENOSPC, 0, "No space left on device"},  {Step::Open, EROFS, 0, "Read-only file system"},
        {Step::Write, ENOSPC, 0, "No space left on device"}, {Step::Write, ENOSPC, 3, "No space left on device"},
        {Step::Sync, EDQUOT, 0, "Disk quota exceeded"},      {Step::Close, EIO, 0, "Input/output error"},
        {Step::Rename, EPERM, 0, "Operation not permitted"},
    };
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("wheel.prl"));
    WriteBytes(path, "[MainF]\nErdE=590\n");
    for (const auto& row : rows) {
        SCOPED_TRACE(row.reason);
        try {
            const ScopedFailingDisk disk(row.step, row.error, row.accepted);
            WriteFileAtomically(path, QByteArray("[MainF]\nErdE=600\n"));
            ADD_FAILURE() << "the write was reported as done";
        } catch (const EFileWriteError& e) {
            EXPECT_EQ(e.Message(), QStringLiteral("Cannot write %1: %2").arg(path, QLatin1String(row.reason)));
        }
        EXPECT_EQ(ReadBytes(path), QByteArray("[MainF]\nErdE=590\n"));
        EXPECT_EQ(Entries(dir.path()), QStringList{QStringLiteral("wheel.prl")});
    }
}

// A good write replaces the file through links to it and keeps its
// permissions; a real full file system refuses and keeps the old file.
TEST(AtomicFile, ReplacesThroughALinkKeepsPermissionsAndSurvivesAFullDisk)
{
    QTemporaryDir dir;
    const QString real = dir.filePath(QStringLiteral("real.prl"));
    const QString link = dir.filePath(QStringLiteral("link.prl"));
    WriteBytes(real, "old");
    ASSERT_TRUE(QFile::setPermissions(real, QFile::ReadOwner | QFile::WriteOwner));
    const QString chain = dir.filePath(QStringLiteral("chain.prl"));
    ASSERT_TRUE(QFile::link(real, link));
    ASSERT_TRUE(QFile::link(link, chain));
    WriteFileAtomically(chain, QByteArray("new"));
    EXPECT_EQ(ReadBytes(real), QByteArray("new"));
    EXPECT_TRUE(QFileInfo(link).isSymLink() && QFileInfo(chain).isSymLink());
    EXPECT_EQ(QFile::permissions(real) & QFile::Permissions(0x7077), QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(Entries(dir.path()),
              QStringList({QStringLiteral("chain.prl"), QStringLiteral("link.prl"), QStringLiteral("real.prl")}));
    EXPECT_EQ(FolderRefusesFiles(dir.filePath(QStringLiteral("gone"))), QStringLiteral("No such file or directory"));

    const QString full = dir.filePath(QStringLiteral("full"));
    const ScopedSmallFileSystem disk(full);
    if (!disk.Mounted()) GTEST_SKIP() << "cannot mount a small file system here";
    const QString path = full + QStringLiteral("/wheel.prl");
    WriteBytes(path, "[MainF]\nErdE=590\n");
    EXPECT_TRUE(FolderRefusesFiles(full).isEmpty());
    disk.Fill();
    EXPECT_THROW(WriteFileAtomically(path, QByteArray(8192, 'y')), EFileWriteError);
    EXPECT_EQ(ReadBytes(path), QByteArray("[MainF]\nErdE=590\n"));
    EXPECT_EQ(Entries(full), QStringList({QStringLiteral("filler"), QStringLiteral("wheel.prl")}));
    EXPECT_EQ(FolderRefusesFiles(full), QStringLiteral("No space left on device"));
}
