#pragma once
// Where a store's bare file names ("KELD.ini") live: beside the executable,
// as the program has always kept them, unless that folder cannot be written
// (an installed program), in which case the user's configuration folder takes
// its place. Reading and writing decide alike, so what is written is what the
// next start reads.
#include <QString>

namespace rimora {

// The executable's folder from the desktop, or the user's configuration
// folder when the executable's folder is not a writable folder.
QString SettingsFolder();

// A full path is used as given, in any folder; any other name is taken
// inside SettingsFolder().
QString ResolveSettingsPath(const QString& fileName);

// Creates the folder of `path` when it is the configuration folder and does
// not exist yet; a folder the user chose is never created.
void PrepareSettingsFolder(const QString& path);

}  // namespace rimora
