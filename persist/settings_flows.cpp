#include "persist/settings_flows.h"

#include "persist/fixed_rows.h"
#include "persist/ini_save.h"

namespace rimora {

void ReadMainSettings(TIniSave& store)
{
    store.SetFileName(kSettingsFileName);
    store.ReadPlace();
    const FixedRowsSnapshot headings(store.Owner());
    store.ReadInfo();
    headings.Restore();
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
