#pragma once
// One run's use of the settings file. Several copies of the program may run
// at once, but only one keeps its settings: the first takes a lock file
// beside the settings file and is the one writer until it ends; any copy
// started while it runs reads the settings as usual, says that its own will
// not be kept, and writes nothing to the settings file. A lock left behind by
// a copy that crashed is taken over. A copy that cannot make the lock at all
// (a full disk, a read-only folder) says why and keeps nothing either.
//
// A settings file that cannot be used (too large, not readable, or holding
// none of the main window's records) leaves the window at its defaults; the
// start says so once, and a file too large or not readable is kept as it is
// at the end instead of failing there without a reason.
#include "persist/settings_flows.h"

#include <QString>
#include <memory>

class QLockFile;

namespace rimora {

class TIniSave;

class SettingsSession {
public:
    explicit SettingsSession(TIniSave& mainStore);
    ~SettingsSession();
    SettingsSession(const SettingsSession&) = delete;
    SettingsSession& operator=(const SettingsSession&) = delete;

    // At the main window's creation: takes the lock, then reads placement
    // and values (ReadMainSettings). Returns a short note for the status
    // bar, empty when there is nothing to say; the note goes to stderr too,
    // with the settings file's full path.
    QString Restore();

    // At the end of the run: the placement and every control value, when
    // this run keeps the settings. A write that fails throws
    // EFileWriteError, as every settings write does.
    void Save();

    // Another window's store (the summary window's), once it has read its
    // placement, joins this run: made read-only when this run does not keep
    // the settings. When another copy keeps them, the window moves down and
    // right of where that copy shows it, as the main window did at Restore;
    // otherwise a place that had to be brought onto the screen is written
    // back at once.
    void ShareWith(TIniSave& otherStore) const;

    bool KeepsSettings() const { return keeps_; }
    bool AnotherCopyKeepsThem() const { return anotherCopy_; }
    SettingsFound Found() const { return found_; }
    const QString& Note() const { return note_; }
    // The settings file in use, once restored.
    QString FilePath() const;

    // The lock file that goes with a settings file.
    static QString LockPath(const QString& settingsPath);

private:
    void TakeLock(const QString& settingsPath);
    QString NoteFor(const QString& settingsPath) const;

    TIniSave& store_;
    std::unique_ptr<QLockFile> lock_;
    bool keeps_ = true;
    bool anotherCopy_ = false;
    QString lockProblem_;  // why no lock could be made, when none could
    SettingsFound found_ = SettingsFound::Nothing;
    QString note_;
};

}  // namespace rimora
