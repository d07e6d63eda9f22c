#include "persist/settings_session.h"

#include "persist/ini_save.h"
#include "persist/profile_file.h"
#include "persist/screen_placement.h"
#include "persist/settings_location.h"
#include "platform/atomic_file.h"
#include "platform/desktop.h"
#include "platform/errors.h"
#include "platform/unattended_report.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QLockFile>

#include <cerrno>

namespace rimora {

namespace {

QString Shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

QString DataSize(qint64 bytes)
{
    return QLocale().formattedDataSize(bytes, 1, QLocale::DataSizeTraditionalFormat);
}

// Both copies read the same places: the second one's windows would cover
// the first one's exactly.
void MoveBesideAnotherCopy(IForm& window)
{
    const QSize minimum(window.MinimumOuterWidth(), window.MinimumOuterHeight());
    SetOuterRect(window, BesideAnotherCopy(OuterRect(window), CurrentDesktop().ScreenGeometries(), minimum));
}

}  // namespace

SettingsSession::SettingsSession(TIniSave& mainStore) : store_(mainStore) {}

SettingsSession::~SettingsSession() = default;

QString SettingsSession::LockPath(const QString& settingsPath)
{
    return settingsPath + QStringLiteral(".lock");
}

void SettingsSession::TakeLock(const QString& settingsPath)
{
    PrepareSettingsFolder(settingsPath);
    lock_ = std::make_unique<QLockFile>(LockPath(settingsPath));
    // Never stale by age: a copy left open for days still holds it. A lock
    // whose process no longer runs is stale and is taken over.
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0)) return;
    keeps_ = false;
    if (lock_->error() == QLockFile::LockFailedError) {
        anotherCopy_ = true;
        return;
    }
    // No lock can be made (a full disk, a read-only folder): a write at the
    // end would most likely fail too, and a copy without the lock cannot
    // know that it is the only one, so this run keeps nothing.
    const QString folder = QFileInfo(settingsPath).absolutePath();
    lockProblem_ = FolderRefusesFiles(folder);
    if (lockProblem_.isEmpty())
        lockProblem_ = lock_->error() == QLockFile::PermissionError ? SystemReason(EACCES) : SystemReason(EIO);
}

QString SettingsSession::Restore()
{
    store_.SetFileName(kSettingsFileName);
    const QString path = store_.FilePath();
    TakeLock(path);
    found_ = ReadMainSettings(store_);
    if (anotherCopy_) MoveBesideAnotherCopy(store_.Owner());
    if (found_ == SettingsFound::TooLarge || found_ == SettingsFound::Unreadable) keeps_ = false;
    note_ = NoteFor(path);
    if (!note_.isEmpty()) WriteLine(stderr, {note_ + QStringLiteral(" (") + Shown(path) + QLatin1Char(')')});
    return note_;
}

QString SettingsSession::FilePath() const
{
    return Shown(store_.FilePath());
}

// Short enough to sit beside the drawing's own hints in the status bar.
QString SettingsSession::NoteFor(const QString& settingsPath) const
{
    const QString name = QFileInfo(settingsPath).fileName();
    if (anotherCopy_)
        return QCoreApplication::translate("Settings", "Settings will not be kept: another Rimora is open.");
    if (!lockProblem_.isEmpty())
        return QCoreApplication::translate("Settings", "Settings will not be kept: %1 cannot be made (%2).")
            .arg(QFileInfo(LockPath(settingsPath)).fileName(), lockProblem_);
    switch (found_) {
    case SettingsFound::Wheel:
    case SettingsFound::Nothing:
        return {};
    case SettingsFound::NoWheel:
        return QCoreApplication::translate("Settings", "%1 holds no Rimora wheel: started with the defaults.")
            .arg(name);
    case SettingsFound::TooLarge: {
        const qint64 bytes = QFileInfo(settingsPath).size();
        QString size = DataSize(bytes);
        QString limit = DataSize(ProfileFile::kMaxFileSize);
        // Just over the limit both round alike: then in bytes.
        if (size == limit) {
            size = QCoreApplication::translate("Settings", "%1 bytes").arg(QLocale().toString(bytes));
            limit =
                QCoreApplication::translate("Settings", "%1 bytes").arg(QLocale().toString(ProfileFile::kMaxFileSize));
        }
        return QCoreApplication::translate("Settings", "%1 is %2, over the %3 limit: not read, kept as it is.")
            .arg(name, size, limit);
    }
    case SettingsFound::Unreadable:
        return QCoreApplication::translate("Settings", "%1 cannot be read: started with the defaults, kept as it is.")
            .arg(name);
    }
    return {};
}

void SettingsSession::Save()
{
    if (!keeps_) return;
    WriteMainSettings(store_);
}

void SettingsSession::ShareWith(TIniSave& otherStore) const
{
    otherStore.SetReadOnly(!keeps_);
    if (anotherCopy_) {
        MoveBesideAnotherCopy(otherStore.Owner());
        return;
    }
    if (!otherStore.PlaceCorrected()) return;
    // The window's own close writes its place again, and says so if that
    // fails too; opening the window is not held up for it.
    try {
        otherStore.WritePlace();
    } catch (const EFileWriteError&) {
    }
}

}  // namespace rimora
