// Building the report sheet through the object model, for logs of different lengths.
#include "benchinputs.h"
#include "benchmain.h"
#include "logtable/logtable.h"
#include "logtable/reportinputs.h"
#include "report/mileagelog.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

namespace {

using namespace bw;

using bench::BenchInputs;

void buildSheet(benchmark::State& state)
{
    const BenchInputs inputs(static_cast<int>(state.range(0)));
    ss::automation::ApplicationSettings settings;
    settings.locale = QLocale(QLocale::English, QLocale::UnitedStates);
    for (auto _ : state) {
        state.PauseTiming();
        MileageLog::mExcelApp = ss::automation::Application(settings);
        MileageLog::mExcelApp.Workbooks().Add();
        state.ResumeTiming();
        MileageLog::BuildSheet(inputs);
    }
    MileageLog::mExcelApp = ss::automation::Application();
}
BENCHMARK(buildSheet)->Arg(30)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) { return bw::bench::runBenchmarks<QCoreApplication>(argc, argv); }
