#pragma once
// Disks that refuse: a seam that makes one step of the program's whole-file
// writes fail with one errno (a write first taking `acceptedBytes`, as a
// nearly full disk does), and a real small file system to fill.
#include "platform/atomic_file.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <algorithm>
#include <cerrno>
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

private:
    static inline struct {
        Step step;
        int error;
        size_t accepted;
    } state_{};
    static int Refuse(Step step, int result)
    {
        if (state_.step != step) return result;
        errno = state_.error;
        return -1;
    }
    static ssize_t Write(int fd, const void* data, size_t size)
    {
        if (state_.step != Step::Write) return RealFileSystemCalls().write(fd, data, size);
        if (state_.accepted == 0) return Refuse(Step::Write, 0);
        const size_t taken = std::min(size, state_.accepted);
        state_.accepted -= taken;
        return RealFileSystemCalls().write(fd, data, taken);
    }
    static inline const FileSystemCalls kCalls{
        [](const char* path, int flags, mode_t mode) {
            return state_.step == Step::Open ? Refuse(Step::Open, 0) : RealFileSystemCalls().open(path, flags, mode);
        },
        Write,
        [](int fd) { return state_.step == Step::Sync ? Refuse(Step::Sync, 0) : RealFileSystemCalls().fsync(fd); },
        [](int fd) { return Refuse(Step::Close, RealFileSystemCalls().close(fd)); },
        [](const char* from, const char* to) {
            return state_.step == Step::Rename ? Refuse(Step::Rename, 0) : RealFileSystemCalls().rename(from, to);
        }};
};

// A 64 KiB file system mounted at `folder` for the length of a test (where
// the build may mount: as root), and filled on request.
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
    bool Mounted() const { return mounted_; }
    void Fill() const
    {
        QFile filler(QFile::decodeName(at_) + QStringLiteral("/filler"));
        if (filler.open(QIODevice::WriteOnly | QIODevice::Append))
            while (filler.write(QByteArray(1024, 'x')) == 1024 && filler.flush()) {}
    }

private:
    QByteArray at_;
    bool mounted_ = false;
};

}  // namespace rimora::test
