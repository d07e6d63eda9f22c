#include "persist/settings_flows.h"

#include "persist/fixed_rows.h"
#include "persist/ini_save.h"
#include "persist/profile_file.h"
#include "persist/settings_location.h"

#include <QFileInfo>

namespace rimora {

SettingsFound ReadMainSettings(TIniSave& store)
{
    store.SetFileName(kSettingsFileName);
    const QString path = store.FilePath();
    // One reading of the file for the placement and the values.
    const ProfileFile file(path);
    store.ReadPlace(file);
    if (!QFileInfo::exists(path)) return SettingsFound::Nothing;
    if (file.TooLarge()) return SettingsFound::TooLarge;
    if (file.Unreadable()) return SettingsFound::Unreadable;
    if (!store.HoldsInfo(file)) return SettingsFound::NoWheel;
    const FixedRowsSnapshot headings(store.Owner());
    store.ReadInfo(file);
    headings.Restore();
    return SettingsFound::Wheel;
}

void WriteMainSettings(TIniSave& store)
{
    store.SetFileName(kSettingsFileName);
    if (store.ReadOnly()) return;
    // One writing of the file: the placement and the values together.
    const QString path = store.FilePath();
    PrepareSettingsFolder(path);
    ProfileFile file(path);
    store.WritePlace(file);
    store.WriteInfo(file);
    file.Save();
}

void ConfigureSummaryStore(TIniSave& store)
{
    store.SetFileName(kSettingsFileName);
    store.SetSaveStringGrid(false);
    store.SetPlaceOnly(true);
}

void ReadSummaryPlacement(TIniSave& store)
{
    store.ReadPlace();
}

void WriteSummaryPlacement(TIniSave& store)
{
    store.WritePlace();
}

}  // namespace rimora
