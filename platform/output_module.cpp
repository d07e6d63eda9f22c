#include "platform/output_module.h"

#include "platform/errors.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QStringList>

namespace rimora {

namespace {

// Where to look, in order: beside the executable (the build folder and a
// copied program), the installation's library folder relative to it, and,
// for a program inside the build folder (the tests and benchmarks live in
// folders of their own), that build folder. An installed program never
// reaches into a build folder, which may hold a module of another build.
QStringList ModuleFolders()
{
    const QString executableFolder = QCoreApplication::applicationDirPath();
    QStringList folders{executableFolder, QFileInfo(InstalledModulePath(executableFolder)).path()};
    const QString buildFolder = QDir(QStringLiteral(RIMORA_BUILD_DIR)).canonicalPath();
    if (!buildFolder.isEmpty() && executableFolder.startsWith(buildFolder + QLatin1Char('/'))) folders << buildFolder;
    return folders;
}

}  // namespace

OutputModuleLoad LoadOutputModule(const QStringList& folders)
{
    using Entry = const OutputModule* (*)();
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(OutputModuleFileName());
        if (!QFileInfo::exists(path)) continue;
        QLibrary library(path);
        // Kept loaded to the end of the process: the table points into it.
        library.setLoadHints(QLibrary::PreventUnloadHint);
        const auto entry = reinterpret_cast<Entry>(library.resolve("rimora_output_module"));
        if (!entry) return {nullptr, library.errorString()};
        const OutputModule* module = entry();
        if (!module || module->version != OutputModule::kVersion)
            return {nullptr, QCoreApplication::translate("OutputModule", "%1 belongs to another version of Rimora")
                                 .arg(QDir::toNativeSeparators(path))};
        return {module, QString()};
    }
    QStringList shown;
    for (const QString& folder : folders) shown << QDir::toNativeSeparators(folder);
    return {nullptr, QCoreApplication::translate("OutputModule", "%1 was found in none of: %2")
                         .arg(OutputModuleFileName(), shown.join(QStringLiteral(", ")))};
}

QString OutputModuleFileName()
{
    return QStringLiteral(RIMORA_OUTPUT_MODULE_NAME);
}

QString InstalledModulePath(const QString& executableFolder)
{
    return QDir::cleanPath(executableFolder + QStringLiteral("/" RIMORA_MODULE_RELATIVE_DIR "/") + OutputModuleFileName());
}

const OutputModule& RequireOutputModule(const QString& what)
{
    static const OutputModuleLoad loaded = LoadOutputModule(ModuleFolders());
    if (!loaded.module)
        throw EInOutError(QCoreApplication::translate("OutputModule", "%1 is not possible: %2").arg(what, loaded.problem));
    return *loaded.module;
}

}  // namespace rimora
