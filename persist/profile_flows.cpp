#include "persist/profile_flows.h"

#include "persist/fixed_rows.h"
#include "persist/grid_row_text.h"
#include "persist/ini_save.h"
#include "persist/profile_file.h"
#include "platform/convert.h"
#include "platform/desktop.h"
#include "platform/errors.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace rimora {

namespace {

FileDialogRequest ProfileRequest(const TIniSave& store, const QString& fileName)
{
    FileDialogRequest request;
    request.filter = kProfileFilter;
    request.defaultExtension = kProfileExtension;
    request.fileName = fileName;
    request.folder = ProfileFolder(store);
    return request;
}

QString Shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// While a profile is written or read, the controls that belong to this
// computer (the recent list) are left out with the store's own exclusions:
// a profile handed to another builder carries none of them, and one that
// holds them anyway changes none of them.
class ProfileExclusions {
public:
    explicit ProfileExclusions(TIniSave& store) : store_(store), saved_(store.NotSaveName())
    {
        const QString settingsOnly = store.SettingsOnlyNames();
        if (settingsOnly.isEmpty()) return;
        store.SetNotSaveName(saved_.isEmpty() ? settingsOnly : saved_ + QLatin1Char(',') + settingsOnly);
    }
    ~ProfileExclusions() { store_.SetNotSaveName(saved_); }
    ProfileExclusions(const ProfileExclusions&) = delete;
    ProfileExclusions& operator=(const ProfileExclusions&) = delete;

private:
    TIniSave& store_;
    QString saved_;
};

}  // namespace

QString FirstWritableFolder(const QStringList& candidates, const QString& makeable)
{
    for (const QString& folder : candidates) {
        if (folder.isEmpty()) continue;
        if (folder == makeable && !QFileInfo::exists(folder)) QDir().mkpath(folder);
        const QFileInfo info(folder);
        if (info.isDir() && info.isWritable()) return QDir::cleanPath(info.absoluteFilePath());
    }
    return {};
}

QString ProfileFolder(const TIniSave& store)
{
    Desktop& desktop = CurrentDesktop();
    QStringList candidates;
    // The store names a full path only while it points at a profile.
    if (QDir::isAbsolutePath(store.FileName())) candidates << QFileInfo(store.FileName()).absolutePath();
    const QString documents = desktop.DocumentsFolder();
    candidates << documents << desktop.HomeFolder();
    return FirstWritableFolder(candidates, documents);
}

std::optional<QString> SaveProfile(TIniSave& store, const QString& profileName)
{
    const QString path =
        ChooseFileToWrite(ProfileRequest(store, profileName), QCoreApplication::translate("Profiles", "Save profile"));
    if (path.isEmpty()) return std::nullopt;
    return SaveProfileTo(store, path);
}

QString SaveProfileTo(TIniSave& store, const QString& path)
{
    const QString previous = store.FileName();
    store.SetFileName(path);
    try {
        const ProfileExclusions leaveOut(store);
        store.WriteInfo();
    } catch (...) {
        store.SetFileName(previous);
        throw;
    }
    return QFileInfo(path).fileName();
}

std::optional<QString> OpenProfile(TIniSave& store, const BeforeProfileRead& beforeRead)
{
    const QString chosen = CurrentDesktop().OpenFileName(ProfileRequest(store, QString()));
    if (chosen.isEmpty()) return std::nullopt;
    return OpenProfileFile(store, chosen, beforeRead);
}

QString OpenProfileFile(TIniSave& store, const QString& chosen, const BeforeProfileRead& beforeRead)
{
    const QFileInfo source(chosen);
    const QString path = source.absoluteFilePath();
    // Reading a file without the window's records would empty the whole
    // lacing table, so such a file is refused before anything is touched.
    if (!source.isFile())
        throw EInOutError(
            QCoreApplication::translate("Profiles", "Cannot open %1: the file does not exist.").arg(Shown(path)));
    const ProfileFile file(path);
    if (file.Unreadable())
        throw EInOutError(QCoreApplication::translate(
                              "Profiles", "Cannot open %1: it is too large to be a profile, or cannot be read.")
                              .arg(Shown(path)));
    const ProfileExclusions leaveOut(store);
    if (!store.HoldsInfo(file))
        throw EInOutError(QCoreApplication::translate("Profiles", "Cannot open %1: the file holds no Rimora wheel.")
                              .arg(Shown(path)));

    store.SetFileName(path);
    const FixedRowsSnapshot headings(store.Owner());
    if (beforeRead) beforeRead(file);
    store.ReadInfo();
    headings.Restore();
    return source.fileName();
}

bool HoldsRecord(const TIniSave& store, const ProfileFile& file, const QString& name, bool grid)
{
    // A row below the headings: a row number that is not all zeros.
    const auto bodyRow = [&](const QString& key) {
        const QStringView number = QStringView(key).sliced(name.size() + QStringLiteral("-Row").size());
        return std::any_of(number.begin(), number.end(), [](QChar c) { return c != QLatin1Char('0'); });
    };
    for (const QString& key : file.Keys(store.Owner().Name()))
        if (grid ? IsRowKeyOf(key, name) && bodyRow(key) : key.compare(name, Qt::CaseInsensitive) == 0) return true;
    return false;
}

void ResetAbsentRecords(TIniSave& store, const ProfileFile& file, const QStringList& design)
{
    const QString section = store.Owner().Name();
    const QStringList held = file.Keys(section);
    QStringList reset;
    for (const QString& record : design) {
        const QString key = record.section(QLatin1Char('='), 0, 0);
        if (key.contains(QStringLiteral("-Row")) || held.contains(key, Qt::CaseInsensitive)) continue;
        reset << record;
    }
    if (reset.isEmpty()) return;
    // A read leaves a control whose key is absent as it is, but for a colour,
    // which takes its default, and a grid, whose rows are emptied (the
    // profile's own read fills them next). So the colours read back what
    // they hold now, which changes nothing and tells no handler.
    ProfileFile values{QString()};
    int ignored = 0;
    for (const QString& record : store.InfoRecords()) {
        const qsizetype at = record.indexOf(QLatin1Char('='));
        if (!record.left(at).contains(QStringLiteral("-Row")) && TryStrToInt(record.mid(at + 1), ignored))
            values.WriteString(section, record.left(at), record.mid(at + 1));
    }
    for (const QString& record : reset) {
        const qsizetype at = record.indexOf(QLatin1Char('='));
        values.WriteString(section, record.left(at), record.mid(at + 1));
    }
    store.ReadInfo(values);
}

QStringList ProfileRecords(TIniSave& store)
{
    const ProfileExclusions leaveOut(store);
    return store.InfoRecords();
}

}  // namespace rimora
