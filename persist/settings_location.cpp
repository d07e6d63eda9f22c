#include "persist/settings_location.h"

#include "platform/desktop.h"
#include "platform/output_module.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace rimora {

namespace {

QString ConfigFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
}

}  // namespace

QString SettingsFolder()
{
    const QString executableFolder = CurrentDesktop().ExecutableFolder();
    const QFileInfo info(executableFolder);
    // Run as root, an installed program would otherwise write into /usr/bin.
    if (executableFolder.isEmpty() || QFileInfo::exists(InstalledModulePath(executableFolder))) return ConfigFolder();
    if (info.isDir() && info.isWritable()) return executableFolder;
    return ConfigFolder();
}

QString ResolveSettingsPath(const QString& fileName)
{
    if (QDir::isAbsolutePath(fileName)) return QDir::cleanPath(fileName);
    return QDir::cleanPath(QDir(SettingsFolder()).filePath(fileName));
}

void PrepareSettingsFolder(const QString& path)
{
    const QString folder = QFileInfo(path).absolutePath();
    const QString config = ConfigFolder();
    if (config.isEmpty() || QDir::cleanPath(folder) != QDir::cleanPath(config)) return;
    QDir().mkpath(folder);
}

}  // namespace rimora
