// Program start. With a command-line task (--lengths, --sheet, --draw, --help,
// --version) no window is made: the task runs on a plain GUI application,
// headless when there is no display, and the settings file is never touched.
// An option nobody knows, or no display for the window, ends the program
// with one line on stderr before Qt is started. Otherwise: the main window,
// with the profile named on the command line opened in it, then the event loop; the summary window is
// built the first time it is asked for. At the end the summary window goes
// first, then the main window writes the settings file.
#include "app/logo.h"
#include "app/main_form.h"
#include "app/summary_form.h"
#include "app/termination_signal.h"
#include "app/translation.h"
#include "platform/desktop.h"
#include "platform/unattended_report.h"
#include "platform/version.h"
#include "sheet/command_line.h"
#include "widgets/qt_desktop.h"

#include <QApplication>
#include <QGuiApplication>

#include <cstdio>
#include <memory>

namespace {

// The command line's stderr carries its own messages only; Qt's notes about
// the headless environment (no runtime folder, no session bus) would bury them.
void KeepSeriousMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(message));
}

int RunCommandLine(int argc, char** argv)
{
    rimora::ChooseHeadlessPlatform(argc, argv);
    qInstallMessageHandler(KeepSeriousMessages);
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("rimora"));
    QGuiApplication::setApplicationVersion(rimora::ProgramVersion());
    return rimora::RunCommandLine(QGuiApplication::arguments());
}

}  // namespace

// The main window, left to the process's end: a global keeps it reachable,
// so that a leak checker does not count it.
rimora::TMainF* gMainWindow = nullptr;

int main(int argc, char** argv)
{
    rimora::KeepStandardStreamsTaken();
    if (rimora::IsCommandLineRun(argc, argv)) return RunCommandLine(argc, argv);
    if (const rimora::WindowRefusal refusal = rimora::RefuseWindow(argc, argv); refusal.status != 0) {
        std::fprintf(stderr, "%s\n", refusal.message.toLocal8Bit().constData());
        return refusal.status;
    }

    // Named before the window makes its own folder the current one.
    const QString profile = rimora::WindowProfile(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("rimora"));
    rimora::UseWindowDialogs();
    rimora::InstallTranslations(QLocale::system());
    QApplication::setWindowIcon(rimora::RimoraIcon());
    rimora::SetApplicationTitle(rimora::TMainF::ApplicationTitle);

    auto* mainF = new rimora::TMainF();
    std::unique_ptr<rimora::TSumF> sumF;
    mainF->SetSummaryWindowMaker([&sumF] {
        sumF = std::make_unique<rimora::TSumF>();
        return sumF.get();
    });
    rimora::CloseWindowOnTerminationSignal(mainF);
    if (!profile.isEmpty()) mainF->OpenStartProfile(profile);

    mainF->show();
    const int result = QApplication::exec();

    // Told to end by a signal: errors of the last writes go to stderr, no
    // message box waits for a person, and a failure gives a non-zero status.
    const rimora::UnattendedReport unattended(rimora::TerminationSignalReceived());
    mainF->SetSummaryWindow(nullptr);
    sumF.reset();
    // Settings that cannot be written are said on stderr too, for a desktop
    // session's log, and end the process with a failure status.
    const bool settingsWritten = mainF->FormDestroy([&unattended](const QString& message) {
        if (!unattended.Active()) rimora::WriteLine(stderr, {message});
        rimora::CurrentDesktop().ShowError(message);
    });
    // The main window is not deleted: its settings are written and its lock
    // released, the application's end closes its native window, and the
    // process's end frees its memory in one go. Freeing its hundred controls
    // one by one would be most of the exit's work, for memory the process's
    // end gives back anyway.
    gMainWindow = mainF;
    return unattended.Failed() || !settingsWritten ? 1 : result;
}
