// Writing the report as an .xlsx workbook for logs of different lengths, with the .xls of
// the same sheet beside it for scale. The sheet is built once through the report builder
// and recalculated; only the writing is timed. Run with --benchmark_repetitions=5
// --benchmark_report_aggregates_only=true for medians.
#include "benchinputs.h"
#include "benchmain.h"
#include "report/mileagelog.h"
#include "spreadsheet/formula/formula.h"
#include "spreadsheet/xls/xls.h"
#include "spreadsheet/xlsx/xlsx.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

namespace {

using namespace bw;

template <QByteArray (*write)(const ss::Workbook&)>
void writeReport(benchmark::State& state)
{
    const bench::BenchInputs inputs(static_cast<int>(state.range(0)));
    ss::automation::ApplicationSettings settings;
    settings.locale = QLocale(QLocale::English, QLocale::UnitedStates);
    MileageLog::mExcelApp = ss::automation::Application(settings);
    ss::Workbook& book = MileageLog::mExcelApp.Workbooks().Add().model();
    MileageLog::BuildSheet(inputs);
    ss::formula::recalculate(book);
    for (auto _ : state) {
        const QByteArray bytes = write(book);
        benchmark::DoNotOptimize(bytes.constData());
        state.counters["bytes"] = static_cast<double>(bytes.size());
    }
    MileageLog::mExcelApp = ss::automation::Application();
}
BENCHMARK(writeReport<ss::xlsx::writeWorkbook>)
    ->Name("writeXlsx")
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(writeReport<ss::xls::writeWorkbook>)
    ->Name("writeXls")
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) { return bw::bench::runBenchmarks<QCoreApplication>(argc, argv); }
