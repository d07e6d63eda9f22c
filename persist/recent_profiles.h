#pragma once
// The profiles saved or opened last, most recent first, as the settings file
// keeps them: one line of full paths joined by '|', a character no Windows
// path can hold. A path that holds it anyway (possible on Linux) is not
// kept, since it would come back as two wrong paths.
#include <QString>
#include <QStringList>

namespace rimora {

inline constexpr int kRecentProfileLimit = 8;
inline constexpr QChar kRecentProfileSeparator = QLatin1Char('|');

// The list a settings line holds: empty items and repeats dropped, at most
// kRecentProfileLimit paths.
QStringList ParseRecentProfiles(const QString& text);

// The settings line for a list. Paths that do not fit in a settings value
// (ProfileFile::kMaxValueLength) are dropped from the end, the oldest first.
QString RecentProfilesText(const QStringList& paths);

// The list with `path` at the top: an earlier entry of the same file is
// dropped and the list is cut to kRecentProfileLimit. A path that cannot be
// kept leaves the list as it is.
QStringList WithRecentProfile(const QStringList& paths, const QString& path);

// The list without `path`.
QStringList WithoutRecentProfile(const QStringList& paths, const QString& path);

}  // namespace rimora
