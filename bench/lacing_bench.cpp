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
    Wheel wheel;  // the design wheel
    wheel.hubHoles = static_cast<int>(state.range(0));
    wheel.rimHoles = static_cast<int>(state.range(1));
    GridModel table(5, 40);

    for (auto _ : state) {
        try {
            ClearLacingTable(table);
            LaceTable(table, wheel.hubHoles, wheel.rimHoles, 3, 3);
            CalcSpokeLengths(table, wheel);
        } catch (const RimoraError& e) {
            state.SkipWithError(e.what());
            break;
        }
        benchmark::DoNotOptimize(table.Cells(4, 1));
    }
    state.SetLabel(std::to_string(wheel.hubHoles) + '/' + std::to_string(wheel.rimHoles));
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
