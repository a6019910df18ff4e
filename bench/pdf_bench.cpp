// The report as PDF: the saved report workbook reopened with the engine and printed to a
// PDF file, as saving a PDF from the preview does. `--write-workbooks=FOLDER` writes the
// 30- and 1,000-trip workbooks (trips30.xls, trips1000.xls) and ends, so that a peer can
// be timed on the very same files.
#include "benchinputs.h"
#include "report/mileagelog.h"
#include "spreadsheet/automation/objectmodel.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/render/pages.h"
#include "spreadsheet/xls/xls.h"

#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <exception>

namespace {

using namespace bw;
namespace ax = ss::automation;

void writeReportWorkbook(int trips, const QString& path)
{
    ax::ApplicationSettings settings;
    settings.locale = QLocale(QLocale::English, QLocale::UnitedStates);
    ax::Application app(settings);
    ax::Workbook book = app.Workbooks().Add();
    MileageLog::mExcelApp = app;
    const bench::BenchInputs inputs(trips);
    MileageLog::BuildSheet(inputs);
    book.SaveAs(path, 56);
    MileageLog::mExcelApp = ax::Application();
}

QString workbookName(int trips) { return QStringLiteral("trips%1.xls").arg(trips); }

// The workbook of the benchmark's number of trips, in a folder of its own.
struct BenchWorkbook {
    explicit BenchWorkbook(const benchmark::State& state)
        : path(folder.filePath(workbookName(static_cast<int>(state.range(0)))))
    {
        writeReportWorkbook(static_cast<int>(state.range(0)), path);
    }
    QTemporaryDir folder;
    QString path;
};

void pdfOfWorkbook(benchmark::State& state)
{
    const BenchWorkbook workbook(state);
    const QString& xls = workbook.path;
    const QString pdf = workbook.folder.filePath(QStringLiteral("report.pdf"));
    for (auto _ : state) {
        const auto book = ss::xls::loadWorkbook(xls);
        ss::render::savePdf(book->activeSheet(), pdf);
    }
}
BENCHMARK(pdfOfWorkbook)->Arg(30)->Arg(1000)->Unit(benchmark::kMillisecond);

// The two halves of the above: reopening the workbook, and printing the open sheet (also
// for the 10,000 trips the program is sized for).
void reopenWorkbook(benchmark::State& state)
{
    const BenchWorkbook workbook(state);
    for (auto _ : state) benchmark::DoNotOptimize(ss::xls::loadWorkbook(workbook.path));
}
BENCHMARK(reopenWorkbook)->Arg(30)->Arg(1000)->Unit(benchmark::kMillisecond);

void pdfOfSheet(benchmark::State& state)
{
    const auto book = ss::xls::loadWorkbook(BenchWorkbook(state).path);
    QByteArray pdf;
    for (auto _ : state) {
        pdf.clear();
        QBuffer out(&pdf);
        out.open(QIODevice::WriteOnly);
        ss::render::writePdf(book->activeSheet(), out);
    }
    state.counters["bytes"] = static_cast<double>(pdf.size());
}
BENCHMARK(pdfOfSheet)->Arg(30)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

int writeWorkbooks(const QString& folder)
{
    try {
        for (const int trips : {30, 1000})
            writeReportWorkbook(trips, QDir(folder).filePath(workbookName(trips)));
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "%s\n", failure.what());
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    constexpr char kWrite[] = "--write-workbooks=";
    if (argc == 2 && std::strncmp(argv[1], kWrite, std::strlen(kWrite)) == 0) {
        return writeWorkbooks(QString::fromLocal8Bit(argv[1] + std::strlen(kWrite)));
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
