#pragma once
// While the program ends because it was told to (a signal from the session
// or a service manager), nobody is there to answer a message box: errors go
// to a stream instead (stderr), every question is answered "no", every
// dialog is cancelled, and the caller learns whether anything failed so the
// process can end with a non-zero status.
#include "platform/desktop.h"

#include <QStringList>

#include <cstdio>

namespace rimora {

// One line on the stream, whatever line breaks the parts hold:
// "rimora: <part>: <part> ...". Every message the program gives on stderr
// starts the same way, whatever the window's title.
void WriteLine(std::FILE* out, QStringList parts);

class UnattendedReport : public DesktopWithoutDialogs {
public:
    // Installed as the current desktop only when `active`; the desktop in
    // use before comes back when this object ends.
    explicit UnattendedReport(bool active, std::FILE* out = stderr);
    ~UnattendedReport() override;
    UnattendedReport(const UnattendedReport&) = delete;
    UnattendedReport& operator=(const UnattendedReport&) = delete;

    // An error was reported while installed.
    bool Failed() const { return failed_; }
    bool Active() const { return active_; }

    void ShowError(const QString& message) override;
    bool Confirm(const QString& title, const QString& question) override;
    // Nobody can choose: nothing is saved and nothing is replaced.
    SaveChangesAnswer AskSaveChanges(const QString& title, const QString& text) override;
    QString ExecutableFolder() override { return previous_.ExecutableFolder(); }
    QString DocumentsFolder() override { return previous_.DocumentsFolder(); }
    QString HomeFolder() override { return previous_.HomeFolder(); }
    QSize ScreenSize() override { return previous_.ScreenSize(); }
    QList<QRect> ScreenGeometries() override { return previous_.ScreenGeometries(); }

private:
    Desktop& previous_;
    Desktop* previousInstalled_;
    std::FILE* out_;
    bool active_;
    bool failed_ = false;
};

}  // namespace rimora
