// The whole create path as the create command runs it: build the sheet, save the
// workbook, reopen it in a second instance and take the sheet's picture, with windows
// that only keep what they are handed. `--write-workbook=PATH` writes the 30-trip report
// and ends, so that a peer can be timed on the very same file.
#include "brindlewick-report/consoledialogs.h"
#include "brindlewick-report/headlesswindows.h"
#include "logtable/logtable.h"
#include "platform/platform.h"
#include "platform/filecopy.h"
#include "report/mileagelog.h"
#include "report/reportinputs.h"

#include "benchinputs.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>
#include <cstring>

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
}
BENCHMARK(createPath)->Arg(30)->Arg(1000)->Unit(benchmark::kMillisecond);

int writeWorkbook(const QString& path)
{
    const BenchInputs inputs(30);
    CapturedPreview preview;
    const bool made = generate(inputs, preview);
    bool copied = false;
    if (made) {
        try {
            copyFileReplacing(preview.excelFile(), path);
            copied = true;
        } catch (const std::exception& failure) {
            std::fprintf(stderr, "%s\n", failure.what());
        }
    }
    QFile::remove(preview.excelFile());
    MileageLog::mWorkbook = ss::automation::Workbook();
    return copied ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    constexpr char kWrite[] = "--write-workbook=";
    if (argc == 2 && std::strncmp(argv[1], kWrite, std::strlen(kWrite)) == 0) {
        return writeWorkbook(QString::fromLocal8Bit(argv[1] + std::strlen(kWrite)));
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
