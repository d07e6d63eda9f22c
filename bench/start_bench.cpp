// Program start to the first painted frame, against a minimal Qt window that
// paints once, as a ratio.
//
// Each measurement is a new process: this benchmark program starts itself
// again with --child=main or --child=minimal, and the child reports how long
// after the parent started it its first frame was painted. Both children are the
// same executable, linked and built alike, so process start, loading the Qt
// libraries, the application object and the platform plugin weigh the same
// on both sides; what differs is only the window. The main child does what
// app/main.cpp does (the main window reading its settings file, the hidden
// summary window, showing) with a settings file of a laced 36/36 wheel in a
// temporary folder, so its first frame draws the whole wheel; it is done when
// the wheel's paint box has painted. The minimal child shows a plain widget
// that fills itself once. Both run on the offscreen platform unless
// QT_QPA_PLATFORM says otherwise; the two kinds alternate, and the medians
// are reported as counters.
#include "app/logo.h"
#include "app/main_form.h"
#include "app/summary_form.h"
#include "platform/recording_desktop.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

using namespace rimora;

std::int64_t MonotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t{now.tv_sec} * 1000000000 + now.tv_nsec;
}

class OnePaintWindow : public QWidget {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(166, 202, 240));
        painter.drawText(rect(), Qt::AlignCenter, windowTitle());
        ++paints;
    }
};

// A settings file of a 36/36 wheel laced with three crossings.
QByteArray LacedSettings()
{
    QByteArray text = "[MainF]\nHubCB=0\nRimCB=0\nSG1-Row0=HUB,->R,RIM,->H,Length,\n";
    for (int h = 1; h <= 36; ++h) {
        const int k = (h - 1 + ((h % 4 == 1 || h % 4 == 0) ? 6 : 30)) % 36 + 1;
        text += "SG1-Row" + QByteArray::number(h) + "=" + QByteArray::number(h).rightJustified(2, '0') + ",,"
                + QByteArray::number(h).rightJustified(2, '0') + "," + QByteArray::number(k).rightJustified(2, '0')
                + ",,\n";
    }
    return text;
}

template <typename Done>
void WaitForFrame(Done done)
{
    while (!done()) QApplication::processEvents(QEventLoop::AllEvents, 5);
}

// The child: runs one start and prints the nanoseconds from `forkedAt`.
int RunChild(int argc, char** argv, const QByteArray& kind, std::int64_t forkedAt, const QString& folder)
{
    QApplication app(argc, argv);
    if (kind == "main") {
        QApplication::setApplicationName(QStringLiteral("rimora"));
        QApplication::setOrganizationName(QStringLiteral("rimora"));
        QApplication::setWindowIcon(RimoraIcon());
        ScopedRecordingDesktop desktop;  // settings in the temporary folder, never beside this program
        desktop.executableFolder = folder;
        auto* mainF = new TMainF();
        auto* sumF = new TSumF();
        mainF->SetSummaryWindow(sumF);
        mainF->show();
        WaitForFrame([&] { return mainF->PB1->PaintCount() > 0; });
        std::printf("%lld\n", static_cast<long long>(MonotonicNanoseconds() - forkedAt));
        delete sumF;
        delete mainF;
    } else {
        OnePaintWindow window;
        window.setWindowTitle(QStringLiteral("Rimora Ver0.02"));
        window.resize(758, 450);
        window.show();
        WaitForFrame([&] { return window.paints > 0; });
        std::printf("%lld\n", static_cast<long long>(MonotonicNanoseconds() - forkedAt));
    }
    return 0;
}

double StartOnce(const QString& kind, const QString& folder)
{
    QProcess child;
    const std::int64_t start = MonotonicNanoseconds();
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--child=") + kind, QString::number(start), folder});
    if (!child.waitForFinished(60000) || child.exitCode() != 0) return -1;
    bool ok = false;
    const double ns = QString::fromLatin1(child.readAllStandardOutput()).trimmed().toDouble(&ok);
    return ok ? ns / 1e6 : -1;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void BM_StartToFirstPaint(benchmark::State& state)
{
    QTemporaryDir folder;
    {
        QFile settings(folder.filePath(QStringLiteral("KELD.ini")));
        if (!settings.open(QIODevice::WriteOnly)) state.SkipWithError("cannot write the settings file");
        settings.write(LacedSettings());
    }
    // One untimed start of each, so that both find the libraries and fonts
    // in the system's file cache.
    StartOnce(QStringLiteral("main"), folder.path());
    StartOnce(QStringLiteral("minimal"), folder.path());

    std::vector<double> mainMs;
    std::vector<double> minimalMs;
    bool mainFirst = true;
    for (auto _ : state) {
        const QString order[2] = {mainFirst ? QStringLiteral("main") : QStringLiteral("minimal"),
                                  mainFirst ? QStringLiteral("minimal") : QStringLiteral("main")};
        for (const QString& kind : order) {
            const double ms = StartOnce(kind, folder.path());
            if (ms < 0) {
                state.SkipWithError(("the " + kind.toStdString() + " child failed").c_str());
                return;
            }
            (kind == QStringLiteral("main") ? mainMs : minimalMs).push_back(ms);
        }
        mainFirst = !mainFirst;
    }
    const double main = Median(mainMs);
    const double minimal = Median(minimalMs);
    state.counters["main_ms"] = main;
    state.counters["minimal_ms"] = minimal;
    state.counters["ratio"] = main / minimal;
}

BENCHMARK(BM_StartToFirstPaint)->Iterations(15)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 4 && QByteArray(argv[1]).startsWith("--child=")) {
        int childArgc = 1;
        return RunChild(childArgc, argv, QByteArray(argv[1]).mid(8), QByteArray(argv[2]).toLongLong(),
                        QString::fromLocal8Bit(argv[3]));
    }
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
