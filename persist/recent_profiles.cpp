#include "persist/recent_profiles.h"

#include "persist/profile_file.h"

#include <QDir>

namespace rimora {

namespace {

// Two spellings of one file ("a/../b.prl", "b.prl" beside it) are one entry.
QString Normal(const QString& path)
{
    return QDir::cleanPath(QDir(path).absolutePath());
}

bool Keepable(const QString& path)
{
    return !path.trimmed().isEmpty() && !path.contains(kRecentProfileSeparator);
}

}  // namespace

QStringList ParseRecentProfiles(const QString& text)
{
    QStringList paths;
    for (const QString& item : text.split(kRecentProfileSeparator, Qt::SkipEmptyParts)) {
        if (paths.size() == kRecentProfileLimit) break;
        if (!Keepable(item)) continue;
        const QString path = Normal(item);
        if (!paths.contains(path)) paths << path;
    }
    return paths;
}

QString RecentProfilesText(const QStringList& paths)
{
    QStringList kept = paths.mid(0, kRecentProfileLimit);
    QString text = kept.join(kRecentProfileSeparator);
    while (text.size() > ProfileFile::kMaxValueLength && !kept.isEmpty()) {
        kept.removeLast();
        text = kept.join(kRecentProfileSeparator);
    }
    return text;
}

QStringList WithRecentProfile(const QStringList& paths, const QString& path)
{
    if (!Keepable(path)) return paths;
    QStringList list = WithoutRecentProfile(paths, path);
    list.prepend(Normal(path));
    while (list.size() > kRecentProfileLimit) list.removeLast();
    return list;
}

QStringList WithoutRecentProfile(const QStringList& paths, const QString& path)
{
    const QString normal = Normal(path);
    QStringList list;
    for (const QString& p : paths)
        if (Normal(p) != normal) list << p;
    return list;
}

}  // namespace rimora
