// Program start: the main window, then the hidden summary window, then the
// event loop. At the end the summary window goes first, then the main window,
// whose destruction writes the settings file.
#include "app/logo.h"
#include "app/main_form.h"
#include "app/summary_form.h"
#include "app/termination_signal.h"
#include "platform/desktop.h"
#include "platform/unattended_report.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("rimora"));
    QApplication::setWindowIcon(rimora::RimoraIcon());
    rimora::SetApplicationTitle(rimora::TMainF::ApplicationTitle);

    auto* mainF = new rimora::TMainF();
    auto* sumF = new rimora::TSumF();
    mainF->SetSummaryWindow(sumF);
    rimora::CloseWindowOnTerminationSignal(mainF);

    mainF->show();
    const int result = QApplication::exec();

    // Told to end by a signal: errors of the last writes go to stderr, no
    // message box waits for a person, and a failure gives a non-zero status.
    const rimora::UnattendedReport unattended(rimora::TerminationSignalReceived());
    delete sumF;
    mainF->FormDestroy();
    delete mainF;
    return unattended.Failed() ? 1 : result;
}
