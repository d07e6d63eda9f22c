// "Calc!" on a freshly chosen wheel: the lacing table generated from the two
// hole counts, then every spoke's length, for every pair of hole counts the
// lists offer (3 crossings each side, the design wheel's dimensions).
#include "benchmark_main.h"
#include "lacing/lacing_generation.h"
#include "platform/errors.h"
#include "spokes/spoke_length.h"

#include <QCoreApplication>
#include <QString>

#include <benchmark/benchmark.h>

namespace {

using namespace rimora;

const int kHoleCounts[] = {36, 32, 28, 24, 20, 18, 16};

void BM_LaceAndCalc(benchmark::State& state)
{
    const QString hub = QString::number(state.range(0));
    const QString rim = QString::number(state.range(1));
    SpokeLengthInputs in;
    in.erd = QStringLiteral("590");
    in.rightFlange = QStringLiteral("41");
    in.leftFlange = QStringLiteral("41");
    in.hubHoles = hub;
    in.rimHoles = rim;
    in.angleDifference = QStringLiteral("0");
    in.leftOffset = QStringLiteral("27.5");
    in.rightOffset = QStringLiteral("18.1");
    in.spokeHole = QStringLiteral("2.5");
    GridModel table(5, 40);
    QString angle;

    for (auto _ : state) {
        try {
            ClearLacingTable(table);
            LaceTable(table, hub, rim, 3, 3);
            CalcSpokeLengths(table, in, [&](const QString& text) { angle = text; });
        } catch (const RimoraError& e) {
            state.SkipWithError(e.what());
            break;
        }
        benchmark::DoNotOptimize(table.Cells(4, 1));
    }
    state.SetLabel((hub + QLatin1Char('/') + rim).toStdString());
}

void EveryPair(benchmark::internal::Benchmark* b)
{
    for (int hub : kHoleCounts)
        for (int rim : kHoleCounts) b->Args({hub, rim});
}

BENCHMARK(BM_LaceAndCalc)->Apply(EveryPair)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    return RunBenchmarks<QCoreApplication>(argc, argv);  // the region comes from QLocale
}
