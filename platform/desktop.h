#pragma once
// Everything the program asks of the desktop around it: message boxes, the
// about box, a web link, the file dialogs, the executable's folder and the
// screen. The window program uses the Qt dialogs (widgets/qt_desktop.h);
// tests install a recorder so that no flow opens a real dialog or writes
// beside the test executable.
#include <QColor>
#include <QList>
#include <QRect>
#include <QPageSize>
#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>

class QPaintDevice;

namespace rimora {

struct FileDialogRequest {
    QString filter;            // "prl|*.prl|*.*|*.*": description|pattern pairs
    QString defaultExtension;  // added to a name typed without one
    QString fileName;          // preset name, may be empty
    QString folder;            // starting folder
};

// The answer to "save the changes first?".
enum class SaveChangesAnswer { Save, Discard, Cancel };

class Desktop {
public:
    virtual ~Desktop() = default;
    // The application's error report.
    virtual void ShowError(const QString& message) = 0;
    // A yes/no question; true for yes.
    virtual bool Confirm(const QString& title, const QString& question) = 0;
    // Whether to save changes before they would be replaced: Save, Discard
    // or Cancel.
    virtual SaveChangesAnswer AskSaveChanges(const QString& title, const QString& text) = 0;
    virtual void ShowAbout(const QString& title, const QString& text) = 0;
    virtual void OpenUrl(const QString& url) = 0;
    // Empty when the user cancels.
    virtual QString OpenFileName(const FileDialogRequest& request) = 0;
    virtual QString SaveFileName(const FileDialogRequest& request) = 0;
    // The colour dialog, starting from the given colour; false when cancelled.
    virtual bool ChooseColor(QColor& color) = 0;
    // The print dialog with its preview, for pages of the given size; the
    // preview and the printer get their page from paintPage. `documentName`
    // names the print job, and the file a print to a file suggests. Returns
    // when the user has printed or closed it.
    virtual void PrintPreview(const QString& title, const QString& documentName, const QPageSize& pageSize,
                              const std::function<void(QPaintDevice&)>& paintPage) = 0;
    // The size of an image to write, starting from `size`; false when cancelled.
    virtual bool ChooseImageSize(QSize& size) = 0;
    // Folder of the running executable, without a trailing separator.
    virtual QString ExecutableFolder() = 0;
    // The user's documents folder (it may not exist yet) and home folder.
    virtual QString DocumentsFolder() = 0;
    virtual QString HomeFolder() = 0;
    virtual QSize ScreenSize() = 0;
    // Where windows can be shown, one rectangle per screen in virtual
    // desktop pixels; by default the primary screen alone.
    virtual QList<QRect> ScreenGeometries() { return {QRect(QPoint(0, 0), ScreenSize())}; }
};

// Where nobody is there to answer: every dialog is cancelled, nothing is
// shown and nothing is saved or replaced.
class DesktopWithoutDialogs : public Desktop {
public:
    SaveChangesAnswer AskSaveChanges(const QString&, const QString&) override { return SaveChangesAnswer::Cancel; }
    void ShowAbout(const QString&, const QString&) override {}
    void OpenUrl(const QString&) override {}
    QString OpenFileName(const FileDialogRequest&) override { return {}; }
    QString SaveFileName(const FileDialogRequest&) override { return {}; }
    bool ChooseColor(QColor&) override { return false; }
    void PrintPreview(const QString&, const QString&, const QPageSize&,
                      const std::function<void(QPaintDevice&)>&) override {}
    bool ChooseImageSize(QSize&) override { return false; }
};

// The system's folders and screens, for a program without windows: an error
// goes to stderr and every question is answered "no". The window program's
// dialogs build on it.
class SystemDesktop : public DesktopWithoutDialogs {
public:
    void ShowError(const QString& message) override;
    bool Confirm(const QString&, const QString&) override { return false; }
    QString ExecutableFolder() override;
    QString DocumentsFolder() override;
    QString HomeFolder() override;
    QSize ScreenSize() override;
    QList<QRect> ScreenGeometries() override;
};

// The caption of the program's message boxes (the application title).
void SetApplicationTitle(const QString& title);
QString ApplicationTitle();

// The desktop in use: the one installed by SetDesktop, else the window
// program's dialogs (SetWindowDesktop), else the system's.
Desktop& CurrentDesktop();
// Installs a desktop (not owned); nullptr goes back to the window's or the
// system's.
void SetDesktop(Desktop* desktop);
// The desktop installed by SetDesktop, nullptr while none is.
Desktop* InstalledDesktop();
// The dialogs of the window program (not owned), in use whenever no desktop
// is installed. The core never shows a window, so it cannot make them itself.
void SetWindowDesktop(Desktop* desktop);

// The save dialog, then, for a file that exists already, the question
// whether to replace it (captioned `title`); "no" opens the dialog again at
// the refused name. The absolute path to write, or empty when the user
// cancels the dialog.
QString ChooseFileToWrite(const FileDialogRequest& request, const QString& title);

// "prl|*.prl|*.*|*.*" as Qt name filters: "prl (*.prl)", "*.* (*)".
QStringList QtNameFilters(const QString& filter);

}  // namespace rimora
