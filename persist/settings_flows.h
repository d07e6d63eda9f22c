#pragma once
// When the two windows keep their state in the settings file.
#include <QString>

namespace rimora {

class TIniSave;

// The settings file of both windows.
inline const QString kSettingsFileName = QStringLiteral("KELD.ini");

// What a start found in the settings file.
enum class SettingsFound {
    Wheel,      // the main window's records, all read
    Nothing,    // no settings file: a first start
    NoWheel,    // a file without any of the main window's records
    TooLarge,   // larger than a settings file can be; not read
    Unreadable  // there, but not a file that can be read (a folder, no access)
};

// The main window, while it is created: its placement, then every control
// value, the lacing table included, when the file holds any of the window's
// records; without them the controls keep their values, since reading would
// only empty the table. The table's heading row is kept as it was: headings
// never come from a file.
SettingsFound ReadMainSettings(TIniSave& store);
// The main window, when it is destroyed: back to the settings file (a
// profile save or open may have pointed the store elsewhere), then its
// placement and every control value.
void WriteMainSettings(TIniSave& store);

// The summary window's store keeps that window's placement only.
void ConfigureSummaryStore(TIniSave& store);
// At the summary window's creation and at each of its closes.
void ReadSummaryPlacement(TIniSave& store);
void WriteSummaryPlacement(TIniSave& store);

}  // namespace rimora
