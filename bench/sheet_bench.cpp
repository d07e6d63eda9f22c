// The build sheet of the default 36/36 wheel: preparing a wheel from a saved
// profile (read, laced, measured), painting the page into an image at 96 and
// 300 dots per inch, and writing it as a PDF file.
#include "benchmark_main.h"
#include "sheet/build_sheet.h"
#include "sheet/laced_wheel.h"
#include "sheet/sheet_export.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace rimora;

const QByteArray kProfile = "[MainF]\nTyCB=0\nHubCB=0\nRimCB=0\ndRE=41\ndLE=41\nCLE=3\nWLE=27.5\nWRE=18.1\n"
                            "ShE=2.5\nErdE=590\nCRE=3\nAdE=0\n";

QString WriteProfile(const QTemporaryDir& dir)
{
    const QString path = dir.filePath(QStringLiteral("default.prl"));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(kProfile);
    return path;
}

void BM_PrepareProfileWheel(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = WriteProfile(dir);
    for (auto _ : state) {
        LacedWheel wheel = ReadLacedWheel(path);
        PrepareWheel(wheel);
        benchmark::DoNotOptimize(wheel.table.get());
    }
}
BENCHMARK(BM_PrepareProfileWheel)->Unit(benchmark::kMicrosecond);

void BM_PaintSheet(benchmark::State& state)
{
    QTemporaryDir dir;
    LacedWheel wheel = ReadLacedWheel(WriteProfile(dir));
    PrepareWheel(wheel);
    const BuildSheet sheet = ComposeSheet(wheel, QDate(2026, 1, 1));
    const int dpi = static_cast<int>(state.range(0));
    QImage page(QPageSize(QPageSize::A4).sizePixels(dpi), QImage::Format_RGB32);
    page.setDotsPerMeterX(qRound(dpi / 0.0254));
    page.setDotsPerMeterY(qRound(dpi / 0.0254));
    for (auto _ : state) {
        QPainter painter(&page);
        PaintSheet(painter, sheet);
        painter.end();
        benchmark::DoNotOptimize(page.constBits());
    }
    state.SetLabel(std::to_string(dpi) + " dpi");
}
BENCHMARK(BM_PaintSheet)->Arg(96)->Arg(300)->Unit(benchmark::kMillisecond);

void BM_WriteSheetPdf(benchmark::State& state)
{
    QTemporaryDir dir;
    LacedWheel wheel = ReadLacedWheel(WriteProfile(dir));
    PrepareWheel(wheel);
    const BuildSheet sheet = ComposeSheet(wheel, QDate(2026, 1, 1));
    const QString pdf = dir.filePath(QStringLiteral("sheet.pdf"));
    for (auto _ : state) WriteSheetPdf(pdf, sheet, QPageSize(QPageSize::A4));
}
BENCHMARK(BM_WriteSheetPdf)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    // Fonts and painting need a GUI application; no display is needed.
    return RunBenchmarks<QGuiApplication>(argc, argv, "offscreen");
}
