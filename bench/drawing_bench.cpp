// One full drawing of a laced 36/36 wheel with numbers, into an image of the
// design size, full HD and 4K: what a repaint of the paint box costs.
#include "benchmark_main.h"
#include "drawing/wheel_drawing.h"
#include "platform/convert.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

using namespace rimora;

void FillThreeCross36(GridModel& table)
{
    table.SetRowCount(37);
    for (int h = 1; h <= 36; ++h) {
        const int k = (h - 1 + ((h % 4 == 1 || h % 4 == 0) ? 6 : 30)) % 36 + 1;
        table.SetCells(0, h, FormatHoleNumber(h));
        table.SetCells(1, h, FormatHoleNumber(k));
    }
}

void BM_DrawWheel(benchmark::State& state)
{
    Wheel wheel;
    wheel.hubHoles = 36;
    wheel.rimHoles = 36;
    DrawingFrame frame;
    frame.width = static_cast<int>(state.range(0));
    frame.height = static_cast<int>(state.range(1));
    // The window's title, which the credits measure to find it a corner.
    frame.creditsTitle.text = QStringLiteral("Created by Rimora ");
    frame.creditsTitle.font.setFamilies({QStringLiteral("IPAPGothic"), QStringLiteral("DejaVu Sans")});
    frame.creditsTitle.font.setBold(true);
    frame.creditsTitle.font.setItalic(true);
    GridModel table;
    FillThreeCross36(table);
    QImage image(frame.width, frame.height, QImage::Format_ARGB32_Premultiplied);

    for (auto _ : state) {
        QPainter painter(&image);
        Canvas canvas(painter);
        WheelLayout layout;
        DrawWheel(canvas, wheel, table, frame, layout);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetLabel(std::to_string(frame.width) + "x" + std::to_string(frame.height));
}

BENCHMARK(BM_DrawWheel)->Args({482, 354})->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    // Fonts and painting need a GUI application; no display is needed.
    return RunBenchmarks<QGuiApplication>(argc, argv, "offscreen");
}
