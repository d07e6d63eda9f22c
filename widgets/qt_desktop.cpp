#include "widgets/qt_desktop.h"

#include "platform/image_size.h"
#include "platform/output_module.h"

#include <QApplication>
#include <QColorDialog>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QMessageBox>
#include <QSpinBox>
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

// The dialogs of a program with windows, over the system's folders and screens.
class QtDesktop : public SystemDesktop {
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
    void PrintPreview(const QString& title, const QString& documentName, const QPageSize& pageSize,
                      const std::function<void(QPaintDevice&)>& paintPage) override
    {
        RequireOutputModule(QCoreApplication::translate("Desktop", "Printing"))
            .printPreview(title, documentName, pageSize, paintPage);
    }
    bool ChooseImageSize(QSize& size) override
    {
        QDialog dialog(QApplication::activeWindow());
        dialog.setWindowTitle(ApplicationTitle());
        auto* layout = new QFormLayout(&dialog);
        auto* width = new QSpinBox(&dialog);
        auto* height = new QSpinBox(&dialog);
        for (QSpinBox* box : {width, height}) {
            box->setRange(16, kLargestImageSide);
            box->setSuffix(QStringLiteral(" px"));
        }
        width->setValue(size.width());
        height->setValue(size.height());
        layout->addRow(QCoreApplication::translate("Desktop", "Image width:"), width);
        layout->addRow(QCoreApplication::translate("Desktop", "Image height:"), height);
        // Said while the sizes are typed, not after seconds of drawing.
        auto* tooLarge = new QLabel(&dialog);
        layout->addRow(tooLarge);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
        layout->addRow(buttons);
        const auto judge = [=, &dialog] {
            const QSize asked(width->value(), height->value());
            const bool fits = ImageFitsInMemory(asked);
            tooLarge->setText(fits ? QString()
                                   : QCoreApplication::translate("Desktop", "This image would take %1 MB; at most %2 MB.")
                                         .arg(QLocale().toString(ImageBytes(asked) >> 20))
                                         .arg(QLocale().toString(kLargestImageBytes >> 20)));
            tooLarge->setVisible(!fits);
            buttons->button(QDialogButtonBox::Ok)->setEnabled(fits);
            dialog.adjustSize();
        };
        QObject::connect(width, &QSpinBox::valueChanged, &dialog, judge);
        QObject::connect(height, &QSpinBox::valueChanged, &dialog, judge);
        judge();
        QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
        QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
        if (dialog.exec() != QDialog::Accepted) return false;
        size = QSize(width->value(), height->value());
        return true;
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

}  // namespace

void UseWindowDialogs()
{
    static QtDesktop qtDesktop;
    SetWindowDesktop(&qtDesktop);
}

}  // namespace rimora
