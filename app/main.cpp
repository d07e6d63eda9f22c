// Program start: the main window, then the hidden summary window, then the
// event loop. At the end the summary window goes first, then the main window,
// whose destruction writes the settings file.
#include "app/logo.h"
#include "app/main_form.h"
#include "app/summary_form.h"
#include "app/termination_signal.h"
#include "app/translation.h"
#include "platform/desktop.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("rimora"));
    rimora::InstallTranslations(QLocale::system());
    QApplication::setWindowIcon(rimora::RimoraIcon());
    rimora::SetApplicationTitle(rimora::TMainF::ApplicationTitle);

    auto* mainF = new rimora::TMainF();
    auto* sumF = new rimora::TSumF();
    mainF->SetSummaryWindow(sumF);
    rimora::CloseWindowOnTerminationSignal(mainF);

    mainF->show();
    const int result = QApplication::exec();

    delete sumF;
    mainF->FormDestroy();
    delete mainF;
    return result;
}
