#include "platform/atomic_file.h"

#include "platform/errors.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <clocale>
#include <cstring>
#include <locale.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rimora {

namespace {

int RealOpen(const char* path, int flags, mode_t mode)
{
    return ::open(path, flags, mode);
}

const FileSystemCalls kRealCalls{RealOpen, ::write, ::fsync, ::close, ::rename};
const FileSystemCalls* gCalls = &kRealCalls;

QString Shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

[[noreturn]] void Fail(const QString& path, int error)
{
    throw EFileWriteError(Shown(path), SystemReason(error));
}

// The file a link points at, through any chain of links, is the one to
// replace; the links stay links. A link to a file not made yet makes it.
QString TargetOf(const QString& path)
{
    QFileInfo info(path);
    for (int hops = 0; info.isSymLink() && hops < 40; ++hops) {
        const QString canonical = info.canonicalFilePath();
        if (!canonical.isEmpty()) return canonical;
        info = QFileInfo(info.symLinkTarget());
    }
    return info.absoluteFilePath();
}

// A file system that cannot sync a file (some shared-folder and FUSE mounts)
// says so with these; the bytes were all taken, so the file is put in place.
bool SyncNotSupported(int error)
{
    return error == EINVAL || error == EOPNOTSUPP;
}

// A replaced file keeps its permissions; a new one gets what the user's
// umask leaves of rw-rw-rw-, as any file the user makes.
void KeepPermissions(int fd, const QByteArray& target)
{
    struct stat existing {};
    if (::stat(target.constData(), &existing) == 0) ::fchmod(fd, existing.st_mode & 07777);
}

// Opens a new temporary file beside the target: "<name>.<random>.tmp", in
// plain sight, so that one a crash leaves behind is seen and can be removed.
int OpenTemporary(const QString& target, QByteArray& temporary)
{
    const QFileInfo info(target);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString name = QStringLiteral("%1.%2.tmp")
                                 .arg(info.fileName())
                                 .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        temporary = QFile::encodeName(info.absolutePath() + QLatin1Char('/') + name);
        const int fd = gCalls->open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

bool WriteAll(int fd, const QByteArray& bytes)
{
    const char* data = bytes.constData();
    size_t left = static_cast<size_t>(bytes.size());
    while (left > 0) {
        const ssize_t written = gCalls->write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (written == 0) {
            // A device that takes nothing and says nothing is full.
            errno = ENOSPC;
            return false;
        }
        data += written;
        left -= static_cast<size_t>(written);
    }
    return true;
}

// Writes every byte, syncs and closes `fd` (closed whatever happens): 0 when
// all of it went through, else the errno of the first step that failed. A
// network file system may report a failed write only at the close.
int WriteSyncAndClose(int fd, const QByteArray& bytes)
{
    int error = 0;
    if (!WriteAll(fd, bytes) || (gCalls->fsync(fd) != 0 && !SyncNotSupported(errno))) error = errno;
    if (gCalls->close(fd) != 0 && error == 0) error = errno;
    return error;
}

// Makes the rename itself durable. The new file is already in place when
// this runs, so a folder that cannot be synced (some file systems refuse)
// is not reported as a failed write.
void SyncFolder(const QString& folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

QString SystemReason(int error)
{
    // The reasons a write meets most, in the window's language; any other in
    // the system's own English words, whatever language the C library speaks.
    static const struct {
        int error;
        const char* reason;
    } kKnown[] = {
        {ENOSPC, QT_TRANSLATE_NOOP("SystemReasons", "No space left on device")},
        {EROFS, QT_TRANSLATE_NOOP("SystemReasons", "Read-only file system")},
        {EPERM, QT_TRANSLATE_NOOP("SystemReasons", "Operation not permitted")},
        {EACCES, QT_TRANSLATE_NOOP("SystemReasons", "Permission denied")},
        {EDQUOT, QT_TRANSLATE_NOOP("SystemReasons", "Disk quota exceeded")},
        {EIO, QT_TRANSLATE_NOOP("SystemReasons", "Input/output error")},
        {ENOENT, QT_TRANSLATE_NOOP("SystemReasons", "No such file or directory")},
        {EISDIR, QT_TRANSLATE_NOOP("SystemReasons", "Is a directory")},
        {ENOTDIR, QT_TRANSLATE_NOOP("SystemReasons", "Not a directory")},
    };
    for (const auto& known : kKnown)
        if (known.error == error) return QCoreApplication::translate("SystemReasons", known.reason);
    const locale_t c = ::newlocale(LC_MESSAGES_MASK, "C", locale_t(0));
    const QString reason = QString::fromLocal8Bit(c ? ::strerror_l(error, c) : std::strerror(error));
    if (c) ::freelocale(c);
    return reason;
}

bool SameFile(const QString& a, const QString& b)
{
    struct stat first {};
    struct stat second {};
    return !a.isEmpty() && !b.isEmpty() && ::stat(QFile::encodeName(a).constData(), &first) == 0
           && ::stat(QFile::encodeName(b).constData(), &second) == 0 && first.st_dev == second.st_dev
           && first.st_ino == second.st_ino;
}

bool IsStreamTarget(const QString& path)
{
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 && !S_ISREG(status.st_mode)
           && !S_ISDIR(status.st_mode);
}

void WriteToDescriptor(int fd, const QString& shown, const QByteArray& bytes)
{
    if (!WriteAll(fd, bytes)) throw EFileWriteError(shown, SystemReason(errno));
}

void WriteFileAtomically(const QString& path, const QByteArray& bytes)
{
    if (IsStreamTarget(path)) {
        // No temporary file, no sync: a pipe or a device takes the bytes as
        // they come, and only the writes and the close can fail.
        const int fd = gCalls->open(QFile::encodeName(path).constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC, 0);
        if (fd < 0) Fail(path, errno);
        int error = WriteAll(fd, bytes) ? 0 : errno;
        if (gCalls->close(fd) != 0 && error == 0) error = errno;
        if (error != 0) Fail(path, error);
        return;
    }
    const QString target = TargetOf(path);
    const QByteArray targetName = QFile::encodeName(target);
    if (QFileInfo(target).isDir()) Fail(path, EISDIR);

    QByteArray temporary;
    const int fd = OpenTemporary(target, temporary);
    if (fd < 0) Fail(path, errno);
    KeepPermissions(fd, targetName);

    const auto discard = [&](int error) {
        ::unlink(temporary.constData());
        Fail(path, error);
    };
    if (const int error = WriteSyncAndClose(fd, bytes)) discard(error);
    if (gCalls->rename(temporary.constData(), targetName.constData()) != 0) discard(errno);
    SyncFolder(QFileInfo(target).absolutePath());
}

QString FolderRefusesFiles(const QString& folder)
{
    const QString probe = QDir(folder).filePath(QStringLiteral("rimora-probe"));
    QByteArray temporary;
    const int fd = OpenTemporary(probe, temporary);
    if (fd < 0) return SystemReason(errno);
    // As much as a lock file holds: a process id, a program and a host name.
    const int error = WriteSyncAndClose(fd, QByteArray(256, ' '));
    ::unlink(temporary.constData());
    return error != 0 ? SystemReason(error) : QString();
}

void SetFileSystemCalls(const FileSystemCalls* calls)
{
    gCalls = calls ? calls : &kRealCalls;
}

const FileSystemCalls& RealFileSystemCalls()
{
    return kRealCalls;
}

}  // namespace rimora
