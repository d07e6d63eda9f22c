// Which desktop answers, and what a program without windows can answer
// itself: its folders and its screens.
#include "platform/desktop.h"

#include "platform/unattended_report.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>

namespace rimora {

namespace {

Desktop* g_installed = nullptr;
Desktop* g_window = nullptr;
QString g_title;

}  // namespace

void SystemDesktop::ShowError(const QString& message)
{
    WriteLine(stderr, {message});
}

QString SystemDesktop::ExecutableFolder()
{
    return QCoreApplication::applicationDirPath();
}

QString SystemDesktop::DocumentsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QString SystemDesktop::HomeFolder()
{
    return QDir::homePath();
}

QSize SystemDesktop::ScreenSize()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(1024, 768);
}

QList<QRect> SystemDesktop::ScreenGeometries()
{
    QList<QRect> out;
    for (const QScreen* screen : QGuiApplication::screens()) out << screen->availableGeometry();
    return out.isEmpty() ? Desktop::ScreenGeometries() : out;
}

Desktop& CurrentDesktop()
{
    static SystemDesktop systemDesktop;
    if (g_installed) return *g_installed;
    return g_window ? *g_window : systemDesktop;
}

void SetWindowDesktop(Desktop* desktop)
{
    g_window = desktop;
}

void SetApplicationTitle(const QString& title)
{
    g_title = title;
}

QString ApplicationTitle()
{
    return g_title.isEmpty() ? QCoreApplication::applicationName() : g_title;
}

void SetDesktop(Desktop* desktop)
{
    g_installed = desktop;
}

Desktop* InstalledDesktop()
{
    return g_installed;
}

QString ChooseFileToWrite(const FileDialogRequest& request, const QString& title)
{
    Desktop& desktop = CurrentDesktop();
    FileDialogRequest ask = request;
    for (;;) {
        const QString chosen = desktop.SaveFileName(ask);
        if (chosen.isEmpty()) return {};
        const QFileInfo target(chosen);
        const QString path = target.absoluteFilePath();
        if (!target.exists()
            || desktop.Confirm(title, QCoreApplication::translate("Desktop", "%1 already exists.\nDo you want to replace it?")
                                          .arg(QDir::toNativeSeparators(path))))
            return path;
        // "No" keeps the user choosing, where the refused name was, so that
        // another name is a small change away.
        ask.folder = target.absolutePath();
        ask.fileName = target.fileName();
    }
}

QStringList QtNameFilters(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString pattern = parts[i + 1];
        // "*.*" means every file, also those without a dot.
        pattern.replace(QStringLiteral("*.*"), QStringLiteral("*"));
        out << QStringLiteral("%1 (%2)").arg(parts[i], pattern.replace(QLatin1Char(';'), QLatin1Char(' ')));
    }
    return out;
}

}  // namespace rimora
