// The program's side of start_bench: what app/main.cpp does, with a settings
// file in the folder it is given, printing on stdout when it reaches its
// first frame and when it closes its window. A program of its own, so that
// the start, exit and memory start_bench measures are those of the program's
// code and libraries, not of the benchmark library.
//
//   start_child start <folder>            start, first frame, close
//   start_child key <folder> W H N        and in between, N keys typed into
//                                         ERD at W x H, each timed to its
//                                         settled frame
//
// It prints, as start_floor does:
//   frame <ns>        CLOCK_MONOTONIC at the first frame the server has taken
//   size <w> <h>      the window's size, for the floor's window
//   keys <ms> ...     each key's time from the key to the settled frame
//   close <ns>        just before the window is closed
#include "app/logo.h"
#include "app/main_form.h"
#include "app/summary_form.h"
#include "app/translation.h"
#include "platform/desktop.h"
#include "platform/recording_desktop.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>

#include <cstdio>
#include <ctime>
#include <memory>

namespace {

using namespace rimora;

long long MonotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// Delivers what is pending and lets the window system take the frame, again
// until a round paints the wheel no more.
void Settle(const TMainF& mainF)
{
    int before = 0;
    do {
        before = mainF.wheelPaintBox->PaintCount();
        QGuiApplication::sync();
    } while (mainF.wheelPaintBox->PaintCount() != before);
}

// Backspace and a digit in turn at the end of "590": every key leaves an ERD
// the wheel is drawn with.
void TypeKey(QWidget* edit, int i)
{
    const bool back = i % 2 == 0;
    const QString digit = QString::number(1 + i / 2 % 9);
    const int key = back ? int(Qt::Key_Backspace) : int(Qt::Key_0) + digit.toInt();
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, back ? QString() : digit);
    QApplication::sendEvent(edit, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, back ? QString() : digit);
    QApplication::sendEvent(edit, &release);
}

// args: start <folder> | key <folder> W H N
int RunChild(int argc, char** argv, const QStringList& args)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("rimora"));
    InstallTranslations(QLocale::system());
    QApplication::setWindowIcon(RimoraIcon());
    SetApplicationTitle(TMainF::ApplicationTitle);
    ScopedRecordingDesktop desktop;  // settings in the temporary folder, never beside this program
    desktop.executableFolder = args[1];

    auto* mainF = new TMainF();
    std::unique_ptr<TSumF> sumF;
    mainF->SetSummaryWindowMaker([&sumF] {
        sumF = std::make_unique<TSumF>();
        return sumF.get();
    });
    mainF->show();
    while (mainF->wheelPaintBox->PaintCount() == 0) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QGuiApplication::sync();
    std::printf("frame %lld\nsize %d %d\n", MonotonicNanoseconds(), mainF->width(), mainF->height());

    if (args[0] == QLatin1String("key")) {
        mainF->resize(args[2].toInt(), args[3].toInt());
        mainF->tabs->setCurrentIndex(0);
        mainF->erdEdit->setFocus();
        mainF->erdEdit->end(false);
        Settle(*mainF);
        std::printf("keys");
        for (int i = 0; i < args[4].toInt(); ++i) {
            const long long start = MonotonicNanoseconds();
            TypeKey(mainF->erdEdit, i);
            Settle(*mainF);
            std::printf(" %.3f", (MonotonicNanoseconds() - start) / 1e6);
        }
        std::printf("\n");
    }
    QTimer::singleShot(0, mainF, [mainF] {
        std::printf("close %lld\n", MonotonicNanoseconds());
        std::fflush(stdout);
        mainF->close();
    });
    // From here as app/main.cpp ends.
    const int result = QApplication::exec();
    mainF->SetSummaryWindow(nullptr);
    sumF.reset();
    mainF->FormDestroy();
    return result;
}

}  // namespace

int main(int argc, char** argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    const bool start = args.size() == 2 && args[0] == QLatin1String("start");
    const bool key = args.size() == 5 && args[0] == QLatin1String("key");
    if (!start && !key) {
        std::fprintf(stderr, "usage: start_child start <folder> | key <folder> W H N\n");
        return 2;
    }
    int childArgc = 1;
    return RunChild(childArgc, argv, args);
}
