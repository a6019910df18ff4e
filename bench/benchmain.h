// The main function the benchmark programs share: the heap the programs start with, a
// headless Qt application of the kind the code under test needs, then Google Benchmark with the
// command line's options.
#pragma once

#include "platform/largeheap.h"

#include <QByteArray>
#include <QtGlobal>

#include <benchmark/benchmark.h>

namespace bw::bench {

template <typename Application>
int runBenchmarks(int argc, char** argv)
{
    bw::reserveLargeHeap();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace bw::bench
