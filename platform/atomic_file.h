#pragma once
// Whole-file writes that either put the new bytes in place or leave the old
// file exactly as it was. The bytes go to a temporary file beside the target;
// every write, the sync and the close are checked, and only a temporary file
// that holds all of them is renamed over the target. On any failure the
// temporary file is removed and the error carries the system's own reason
// ("No space left on device", "Read-only file system", ...).
//
// Qt's QSaveFile is not used: it buffers the bytes and, when the buffer's
// flush fails at commit (a full disk), still syncs and renames the short
// file over the target.
#include <QByteArray>
#include <QString>

#include <sys/types.h>

namespace rimora {

// Writes `bytes` to `path`. Throws EFileWriteError naming the path and the
// system's reason. A link is followed: the file it points at is replaced.
// An existing file keeps its permissions. A target that exists and is no
// regular file (a pipe, a terminal, /dev/null) is written in place as a
// stream: renaming a file over it would take the device or the pipe away
// from whatever else uses it.
void WriteFileAtomically(const QString& path, const QByteArray& bytes);

// Whether two names are one file (the same device and inode), whatever the
// spelling, a link or a hard link: an output must never replace its input.
bool SameFile(const QString& a, const QString& b);

// True when `path` names something that exists and is neither a regular
// file nor a folder, so that WriteFileAtomically writes it as a stream.
bool IsStreamTarget(const QString& path);

// Writes every byte of `bytes` to the open descriptor `fd`, which stays
// open. Throws EFileWriteError naming `shown` and the system's reason.
void WriteToDescriptor(int fd, const QString& shown, const QByteArray& bytes);

// The system's reason for an errno value, as the system says it.
QString SystemReason(int error);

// Why a small new file cannot be written and synced in `folder` (the
// system's reason), or an empty text when it can. The probe file is removed.
QString FolderRefusesFiles(const QString& folder);

// The calls the writer makes, for tests that make them fail the way a full
// or read-only disk does. Each has the POSIX call's signature and sets errno.
struct FileSystemCalls {
    int (*open)(const char* path, int flags, mode_t mode);
    ssize_t (*write)(int fd, const void* data, size_t size);
    int (*fsync)(int fd);
    int (*close)(int fd);
    int (*rename)(const char* from, const char* to);
};

// Installs `calls` (nullptr: the real ones again). Tests only.
void SetFileSystemCalls(const FileSystemCalls* calls);
const FileSystemCalls& RealFileSystemCalls();

}  // namespace rimora
