#pragma once
// Makes the program's whole-file writes fail the way a disk does: at one
// step (making the temporary file, writing, syncing, closing, renaming) with
// one errno, a write first taking `acceptedBytes` as a nearly full disk does.
// Everything before that step happens for real, so a test sees what a real
// failure leaves behind.
#include "platform/atomic_file.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstddef>
#include <sys/mount.h>

namespace rimora::test {

class ScopedFailingDisk {
public:
    enum class Step { Open, Write, Sync, Close, Rename };

    ScopedFailingDisk(Step step, int error, size_t acceptedBytes = 0)
    {
        state_ = {step, error, acceptedBytes};
        SetFileSystemCalls(&kCalls);
    }
    ~ScopedFailingDisk() { SetFileSystemCalls(nullptr); }
    ScopedFailingDisk(const ScopedFailingDisk&) = delete;
    ScopedFailingDisk& operator=(const ScopedFailingDisk&) = delete;

private:
    struct State {
        Step step;
        int error;
        size_t accepted;
    };
    static inline State state_{};

    static int Refuse()
    {
        errno = state_.error;
        return -1;
    }
    static int Open(const char* path, int flags, mode_t mode)
    {
        return state_.step == Step::Open ? Refuse() : RealFileSystemCalls().open(path, flags, mode);
    }
    static ssize_t Write(int fd, const void* data, size_t size)
    {
        if (state_.step != Step::Write) return RealFileSystemCalls().write(fd, data, size);
        if (state_.accepted == 0) return Refuse();
        const size_t taken = size < state_.accepted ? size : state_.accepted;
        state_.accepted -= taken;
        return RealFileSystemCalls().write(fd, data, taken);
    }
    static int Sync(int fd) { return state_.step == Step::Sync ? Refuse() : RealFileSystemCalls().fsync(fd); }
    static int Close(int fd)
    {
        const int closed = RealFileSystemCalls().close(fd);
        return state_.step == Step::Close ? Refuse() : closed;
    }
    static int Rename(const char* from, const char* to)
    {
        return state_.step == Step::Rename ? Refuse() : RealFileSystemCalls().rename(from, to);
    }
    static inline const FileSystemCalls kCalls{Open, Write, Sync, Close, Rename};
};

// A real, small file system mounted at `folder` for the length of a test, for
// the disk that is full for real. Mounting needs root; where it is refused,
// Mounted() is false and the test says it skipped.
class ScopedSmallFileSystem {
public:
    explicit ScopedSmallFileSystem(const QString& folder) : at_(QFile::encodeName(folder))
    {
        QDir().mkpath(folder);
        mounted_ = ::mount("tmpfs", at_.constData(), "tmpfs", 0, "size=64k") == 0;
    }
    ~ScopedSmallFileSystem()
    {
        if (mounted_) ::umount(at_.constData());
    }
    ScopedSmallFileSystem(const ScopedSmallFileSystem&) = delete;
    ScopedSmallFileSystem& operator=(const ScopedSmallFileSystem&) = delete;

    bool Mounted() const { return mounted_; }
    // Takes what room is left, so that the next file's bytes find none.
    void Fill() const
    {
        QFile filler(QFile::decodeName(at_) + QStringLiteral("/filler"));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Append)) return;
        while (filler.write(QByteArray(1024, 'x')) == 1024 && filler.flush()) {}
    }

private:
    QByteArray at_;
    bool mounted_ = false;
};

}  // namespace rimora::test
