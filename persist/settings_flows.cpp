#include "persist/settings_flows.h"

#include "persist/fixed_rows.h"
#include "persist/ini_save.h"
#include "persist/profile_file.h"

#include <QFileInfo>

namespace rimora {

SettingsFound ReadMainSettings(TIniSave& store)
{
    store.SetFileName(kSettingsFileName);
    store.ReadPlace();
    const QString path = store.FilePath();
    if (!QFileInfo::exists(path)) return SettingsFound::Nothing;
    const ProfileFile file(path);
    if (file.TooLarge()) return SettingsFound::TooLarge;
    if (file.Unreadable()) return SettingsFound::Unreadable;
    if (!store.HoldsInfo(file)) return SettingsFound::NoWheel;
    const FixedRowsSnapshot headings(store.Owner());
    store.ReadInfo();
    headings.Restore();
    return SettingsFound::Wheel;
}

void WriteMainSettings(TIniSave& store)
{
    store.SetFileName(kSettingsFileName);
    store.WritePlace();
    store.WriteInfo();
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
