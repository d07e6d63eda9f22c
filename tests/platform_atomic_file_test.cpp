// Whole-file writes: every way a disk refuses leaves the old file byte for
// byte, no temporary file, and a message with the system's reason.
#include "platform/atomic_file.h"
#include "platform/errors.h"
#include "support/failing_disk.h"
#include "support/file_bytes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>


using namespace rimora;
using namespace rimora::test;

namespace {

using Step = ScopedFailingDisk::Step;

QStringList Entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

}  // namespace

TEST(AtomicFile, EveryRefusedStepKeepsTheOldFileAndGivesTheSystemsReason)
{
    const struct {
        const char* what;
        Step step;
        int error;
        size_t accepted;
        const char* reason;
    } rows[] = {
        {"no room for the temporary file", Step::Open, ENOSPC, 0, "No space left on device"},
        {"read-only file system", Step::Open, EROFS, 0, "Read-only file system"},
        {"full at the first byte", Step::Write, ENOSPC, 0, "No space left on device"},
        {"full after a part", Step::Write, ENOSPC, 3, "No space left on device"},
        {"quota at the sync", Step::Sync, EDQUOT, 0, "Disk quota exceeded"},
        {"error at the close", Step::Close, EIO, 0, "Input/output error"},
        {"rename not permitted", Step::Rename, EPERM, 0, "Operation not permitted"},
    };
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("wheel.prl"));
    WriteBytes(path, "[MainF]\nErdE=590\n");
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
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

// A good write replaces the file, keeps its permissions and a link to it.
TEST(AtomicFile, ReplacesThroughALinkAndKeepsPermissions)
{
    QTemporaryDir dir;
    const QString real = dir.filePath(QStringLiteral("real.prl"));
    const QString link = dir.filePath(QStringLiteral("link.prl"));
    WriteBytes(real, "old");
    ASSERT_TRUE(QFile::setPermissions(real, QFile::ReadOwner | QFile::WriteOwner));
    ASSERT_TRUE(QFile::link(real, link));

    WriteFileAtomically(link, QByteArray("new"));
    EXPECT_EQ(ReadBytes(real), QByteArray("new"));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    const QFile::Permissions ownerGroupOther(0x7077);
    EXPECT_EQ(QFile::permissions(real) & ownerGroupOther, QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(Entries(dir.path()), QStringList({QStringLiteral("link.prl"), QStringLiteral("real.prl")}));
    EXPECT_TRUE(FolderRefusesFiles(dir.path()).isEmpty());
    EXPECT_EQ(FolderRefusesFiles(dir.filePath(QStringLiteral("missing"))), QStringLiteral("No such file or directory"));
}

// The real thing: a file system that is full. Needs the right to mount,
// which a root build has; elsewhere the refused steps above stand in.
TEST(AtomicFile, AFullFileSystemKeepsTheOldFile)
{
    QTemporaryDir dir;
    const QString mountPoint = dir.filePath(QStringLiteral("full"));
    const ScopedSmallFileSystem disk(mountPoint);
    if (!disk.Mounted()) GTEST_SKIP() << "cannot mount a small file system here";
    const QString path = mountPoint + QStringLiteral("/wheel.prl");
    WriteBytes(path, "[MainF]\nErdE=590\n");
    disk.Fill();
    EXPECT_THROW(WriteFileAtomically(path, QByteArray(8192, 'y')), EFileWriteError);
    EXPECT_EQ(ReadBytes(path), QByteArray("[MainF]\nErdE=590\n"));
    EXPECT_EQ(Entries(mountPoint), QStringList({QStringLiteral("filler"), QStringLiteral("wheel.prl")}));
    EXPECT_EQ(FolderRefusesFiles(mountPoint), QStringLiteral("No space left on device"));
}
