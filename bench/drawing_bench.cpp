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
    WheelDrawingInputs in;
    in.width = static_cast<int>(state.range(0));
    in.height = static_cast<int>(state.range(1));
    in.hubCountText = QStringLiteral("36");
    in.rimCountText = QStringLiteral("36");
    // The window's title, which the credits measure to find it a corner.
    in.creditsTitle.text = QStringLiteral("Created by Rimora ");
    in.creditsTitle.font.setFamilies({QStringLiteral("IPAPGothic"), QStringLiteral("DejaVu Sans")});
    in.creditsTitle.font.setBold(true);
    in.creditsTitle.font.setItalic(true);
    GridModel table;
    FillThreeCross36(table);
    QImage image(in.width, in.height, QImage::Format_ARGB32_Premultiplied);

    for (auto _ : state) {
        QPainter painter(&image);
        Canvas canvas(painter);
        WheelDrawingResult result;
        DrawWheel(canvas, in, table, result);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetLabel(std::to_string(in.width) + "x" + std::to_string(in.height));
}

BENCHMARK(BM_DrawWheel)->Args({482, 354})->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    // Fonts and painting need a GUI application; no display is needed.
    return RunBenchmarks<QGuiApplication>(argc, argv, "offscreen");
}
