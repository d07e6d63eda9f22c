#pragma once
// Saving the current wheel to a profile file and opening one, as the
// profile bar's two buttons do. Both return the profile label's new caption
// (the file's name without its folder), or nothing when the user cancelled,
// in which case nothing has changed. Errors are thrown for the window's
// error report; the label keeps its caption then.
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace rimora {

class ProfileFile;
class TIniSave;

// The profile label's caption at every start.
inline const QString kDefaultProfileName = QStringLiteral("Profile.prl");
inline const QString kProfileFilter = QStringLiteral("prl|*.prl|*.*|*.*");
inline const QString kProfileExtension = QStringLiteral("prl");

// Asks for a file (preset with `profileName`, the label's caption), asks
// before replacing an existing file, and writes every control value of the
// store's window into it. The store stays pointed at the file.
std::optional<QString> SaveProfile(TIniSave& store, const QString& profileName);
// The same to a file already chosen (the profile's own file), without a
// dialog and without asking: returns the file's name without its folder.
QString SaveProfileTo(TIniSave& store, const QString& path);

// Asks for a file and reads every control value of the store's window from
// it; the table's heading row is kept. A file that does not exist or holds
// none of the window's records raises EInOutError and changes nothing. The
// caller redraws the wheel afterwards. `beforeRead`, when given, runs with the
// file once it is known to be a profile, just before its values are read: a
// window puts back the defaults of the inputs the file lacks
// (ResetAbsentRecords) and notes which they were.
using BeforeProfileRead = std::function<void(const ProfileFile& file)>;
std::optional<QString> OpenProfile(TIniSave& store, const BeforeProfileRead& beforeRead = {});
// The same without the dialog, for a path already chosen (the recent list);
// returns the file's name without its folder.
QString OpenProfileFile(TIniSave& store, const QString& chosen, const BeforeProfileRead& beforeRead = {});

// Whether the file holds the record of the store's control `name`; for a
// grid, whether it holds any of its rows below the headings.
bool HoldsRecord(const TIniSave& store, const ProfileFile& file, const QString& name, bool grid = false);

// Gives the controls whose records the file lacks the values of `design`
// (ProfileRecords of the window as it was created) and leaves every other
// control as it is; grid rows are left alone, as a read empties those the
// file lacks. Runs inside `beforeRead`.
void ResetAbsentRecords(TIniSave& store, const ProfileFile& file, const QStringList& design);

// The records a profile save would write now, in file order, as "key=value"
// lines (the store's settings-only controls left out); no file is touched.
// The wheel has changed since it was saved or opened exactly when these
// differ from what they were then.
QStringList ProfileRecords(TIniSave& store);

// The folder the profile dialogs start in, one the user can write to: that
// of the profile last saved or opened, else the user's documents folder
// (made when it does not exist yet), else the home folder; empty when none
// of them can be written.
QString ProfileFolder(const TIniSave& store);

// The first of the candidates that is a folder the user can write to, or
// can be made as one (only `makeable` is made); empty when none is.
QString FirstWritableFolder(const QStringList& candidates, const QString& makeable);

}  // namespace rimora
