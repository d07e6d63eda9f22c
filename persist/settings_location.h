#pragma once
// Where a store's bare file names ("KELD.ini") live: in the user's
// configuration folder for an installed program (its printing module in the
// installation's library folder beside it), whoever runs it and whether or
// not its folder could be written; otherwise beside the executable, as a
// program run from its build folder or copied alone keeps them, unless that
// folder cannot be written. Reading and writing decide alike, so what is
// written is what the next start reads.
#include <QString>

namespace rimora {

// The user's configuration folder for an installed program or one whose
// folder cannot be written, else the executable's folder from the desktop.
QString SettingsFolder();

// A full path is used as given, in any folder; any other name is taken
// inside SettingsFolder().
QString ResolveSettingsPath(const QString& fileName);

// Creates the folder of `path` when it is the configuration folder and does
// not exist yet; a folder the user chose is never created.
void PrepareSettingsFolder(const QString& path);

}  // namespace rimora
