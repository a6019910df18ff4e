// The main function the benchmark programs share: a headless Qt application of the kind
// the code under test needs, then Google Benchmark with the command line's options.
#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <benchmark/benchmark.h>

namespace bw::bench {

template <typename Application>
int runBenchmarks(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace bw::bench
