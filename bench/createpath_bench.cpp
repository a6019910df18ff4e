// The whole create path as the create command runs it: build the sheet, save the
// workbook, reopen it in a second instance, record the sheet's picture and hand it over
// through its file, with windows that only keep what they are handed. peak_MiB is the
// process's peak resident memory after the size's runs (sizes run smallest first).
// bench/createpath_peer.sh times the same path as whole processes of the report tool,
// beside LibreOffice converting the same workbooks.
#include "benchinputs.h"
#include "benchmain.h"
#include "brindlewick-report/consoledialogs.h"
#include "logtable/logtable.h"
#include "logtable/reportinputs.h"
#include "platform/platform.h"
#include "report/headlessreport.h"
#include "report/mileagelog.h"

#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace {

using namespace bw;

using bench::BenchInputs;

// One create path; false (with the messages on standard error) when anything failed.
bool generate(const ReportInputs& inputs, CapturedPreview& preview)
{
    QTextStream err(stderr);
    ConsoleDialogs dialogs(err);
    Platform seams = platform();
    seams.dialogs = &dialogs;
    const PlatformOverride use(seams);
    HeadlessMainWindow window;
    MileageLog::GenerateReport0(inputs, window, preview);
    return dialogs.failures() == 0 && !preview.excelFile().isEmpty() && !preview.picture().isNull();
}

void createPath(benchmark::State& state)
{
    const BenchInputs inputs(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        CapturedPreview preview;
        const bool made = generate(inputs, preview);
        state.PauseTiming();
        QFile::remove(preview.excelFile());
        if (!made) state.SkipWithError("the report failed");
        state.ResumeTiming();
    }
    MileageLog::mWorkbook = ss::automation::Workbook();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_MiB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}
BENCHMARK(createPath)->Arg(30)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) { return bw::bench::runBenchmarks<QGuiApplication>(argc, argv); }
