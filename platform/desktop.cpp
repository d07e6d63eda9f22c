#include "platform/desktop.h"

#include "platform/output_module.h"

#include <QApplication>
#include <QColorDialog>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QMessageBox>
#include <QSpinBox>
#include <QScreen>
#include <QStandardPaths>
#include <QUrl>

namespace rimora {

namespace {

// Appends the default extension when the chosen name has none, as the
// profile dialogs promise.
QString WithDefaultExtension(const QString& path, const QString& extension)
{
    if (path.isEmpty() || extension.isEmpty()) return path;
    if (!QFileInfo(path).suffix().isEmpty()) return path;
    return path + QLatin1Char('.') + extension;
}

QString StartPath(const FileDialogRequest& request)
{
    if (request.fileName.isEmpty()) return request.folder;
    if (request.folder.isEmpty()) return request.fileName;
    return request.folder + QLatin1Char('/') + request.fileName;
}

class QtDesktop : public Desktop {
public:
    void ShowError(const QString& message) override
    {
        QMessageBox box(QMessageBox::Critical, ApplicationTitle(), message, QMessageBox::Ok,
                        QApplication::activeWindow());
        box.exec();
    }
    bool Confirm(const QString& title, const QString& question) override
    {
        return QMessageBox::question(QApplication::activeWindow(), title, question, QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::No)
               == QMessageBox::Yes;
    }
    SaveChangesAnswer AskSaveChanges(const QString& title, const QString& text) override
    {
        QMessageBox box(QMessageBox::Warning, title, text,
                        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QApplication::activeWindow());
        box.setDefaultButton(QMessageBox::Save);
        box.setEscapeButton(QMessageBox::Cancel);
        switch (box.exec()) {
        case QMessageBox::Save:
            return SaveChangesAnswer::Save;
        case QMessageBox::Discard:
            return SaveChangesAnswer::Discard;
        default:
            return SaveChangesAnswer::Cancel;
        }
    }
    void ShowAbout(const QString& title, const QString& text) override
    {
        QMessageBox::about(nullptr, title, text);
    }
    void OpenUrl(const QString& url) override { QDesktopServices::openUrl(QUrl(url)); }
    QString OpenFileName(const FileDialogRequest& request) override
    {
        QFileDialog dialog(QApplication::activeWindow());
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::AnyFile);
        return Run(dialog, request);
    }
    QString SaveFileName(const FileDialogRequest& request) override
    {
        QFileDialog dialog(QApplication::activeWindow());
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        // The program asks before overwriting a profile itself, after the dialog.
        dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
        return Run(dialog, request);
    }
    bool ChooseColor(QColor& color) override
    {
        const QColor chosen = QColorDialog::getColor(color, QApplication::activeWindow());
        if (!chosen.isValid()) return false;
        color = chosen;
        return true;
    }
    void PrintPreview(const QString& title, const QPageSize& pageSize,
                      const std::function<void(QPaintDevice&)>& paintPage) override
    {
        RequireOutputModule(QCoreApplication::translate("Desktop", "Printing"))
            .printPreview(title, pageSize, paintPage);
    }
    bool ChooseImageSize(QSize& size) override
    {
        QDialog dialog(QApplication::activeWindow());
        dialog.setWindowTitle(ApplicationTitle());
        auto* layout = new QFormLayout(&dialog);
        auto* width = new QSpinBox(&dialog);
        auto* height = new QSpinBox(&dialog);
        for (QSpinBox* box : {width, height}) {
            box->setRange(16, 16000);
            box->setSuffix(QStringLiteral(" px"));
        }
        width->setValue(size.width());
        height->setValue(size.height());
        layout->addRow(QCoreApplication::translate("Desktop", "Image width:"), width);
        layout->addRow(QCoreApplication::translate("Desktop", "Image height:"), height);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
        layout->addRow(buttons);
        QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
        QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
        if (dialog.exec() != QDialog::Accepted) return false;
        size = QSize(width->value(), height->value());
        return true;
    }
    QString ExecutableFolder() override { return QCoreApplication::applicationDirPath(); }
    QString DocumentsFolder() override { return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation); }
    QString HomeFolder() override { return QDir::homePath(); }
    QSize ScreenSize() override
    {
        const QScreen* screen = QGuiApplication::primaryScreen();
        return screen ? screen->geometry().size() : QSize(1024, 768);
    }
    QList<QRect> ScreenGeometries() override
    {
        QList<QRect> out;
        for (const QScreen* screen : QGuiApplication::screens()) out << screen->availableGeometry();
        return out.isEmpty() ? Desktop::ScreenGeometries() : out;
    }

private:
    static QString Run(QFileDialog& dialog, const FileDialogRequest& request)
    {
        dialog.setNameFilters(QtNameFilters(request.filter));
        dialog.setDefaultSuffix(request.defaultExtension);
        const QString start = StartPath(request);
        if (!start.isEmpty()) {
            const QFileInfo info(start);
            if (!request.folder.isEmpty()) dialog.setDirectory(request.folder);
            if (!request.fileName.isEmpty()) dialog.selectFile(info.fileName());
        }
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
        return WithDefaultExtension(dialog.selectedFiles().constFirst(), request.defaultExtension);
    }
};

Desktop* g_installed = nullptr;
QString g_title;

}  // namespace

Desktop& CurrentDesktop()
{
    static QtDesktop qtDesktop;
    return g_installed ? *g_installed : qtDesktop;
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
    const QString chosen = desktop.SaveFileName(request);
    if (chosen.isEmpty()) return {};
    const QFileInfo target(chosen);
    const QString path = target.absoluteFilePath();
    if (target.exists()
        && !desktop.Confirm(title, QCoreApplication::translate("Desktop", "%1 already exists.\nDo you want to replace it?")
                                       .arg(QDir::toNativeSeparators(path))))
        return {};
    return path;
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
