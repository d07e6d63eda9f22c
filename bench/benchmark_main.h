#pragma once
// The benchmarks' shared start: the kind of Qt application the measured code
// needs, on the given platform unless QT_QPA_PLATFORM says otherwise, then
// Google Benchmark with its own command-line options.
#include <QByteArray>
#include <QtGlobal>
#include <benchmark/benchmark.h>

template <typename Application>
int RunBenchmarks(int argc, char** argv, const QByteArray& platform = QByteArray())
{
    if (!platform.isEmpty() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", platform);
    Application app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
