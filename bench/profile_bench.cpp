// A profile saved and opened again by the real main window's store: every
// control value and a laced 36/36 table with its lengths, written to a file
// and read back into the window.
#include "benchmark_main.h"
#include "app/main_form.h"
#include "persist/ini_save.h"
#include "platform/recording_desktop.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace rimora;

// The window of a user who has chosen a 36/36 wheel and pressed "Calc!".
struct LacedWindow {
    LacedWindow()
    {
        desktop.executableFolder = folder.path();
        window = std::make_unique<TMainF>();
        window->rimHolesList->SetItemIndex(0);
        window->hubHolesList->SetItemIndex(0);
        window->HoleCountChosen();
        window->CalculateLengths();
        path = folder.filePath(QStringLiteral("wheel.prl"));
    }
    QTemporaryDir folder;
    ScopedRecordingDesktop desktop;
    std::unique_ptr<TMainF> window;
    QString path;
};

void BM_ProfileSave(benchmark::State& state)
{
    LacedWindow w;
    TIniSave& store = w.window->IniSave();
    store.SetFileName(w.path);
    for (auto _ : state) {
        QFile::remove(w.path);
        store.WriteInfo();
    }
    if (w.window->lacingGrid->Cells(4, 1).isEmpty()) state.SkipWithError("the wheel has no lengths");
}

void BM_ProfileOpen(benchmark::State& state)
{
    LacedWindow w;
    TIniSave& store = w.window->IniSave();
    store.SetFileName(w.path);
    store.WriteInfo();
    for (auto _ : state) store.ReadInfo();
    if (w.window->lacingGrid->Cells(4, 1).isEmpty()) state.SkipWithError("the table was not read back");
}

BENCHMARK(BM_ProfileSave)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ProfileOpen)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    return RunBenchmarks<QApplication>(argc, argv, "offscreen");
}
