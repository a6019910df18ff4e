// Several logs in the main window: switching between two logs of the most trips a log
// holds, to a grid that takes keys (the first visit opens the log; a later one finds its
// session kept), the memory a kept log takes, and the Logs window opening on 100 logs.
#include "benchlogs.h"
#include "benchmain.h"
#include "benchplatform.h"
#include "logstore/logcatalog.h"
#include "logstore/logdatabase.h"
#include "logtable/logsession.h"
#include "logtable/logtable.h"
#include "shell/form1.h"
#include "shell/logswindow.h"

#include <QApplication>
#include <QTableView>
#include <QTableWidget>

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <memory>
#include <stdexcept>

namespace {

// The heap this process has in use, in bytes.
double heapInUse() { return static_cast<double>(mallinfo2().uordblks); }

struct TwoLongLogs {
    TwoLongLogs() : where(QStringLiteral("Varnholt/Brindlewick.ini"))
    {
        bw::LogCatalog catalog;
        first = catalog.create(QStringLiteral("Car"));
        bw::bench::fillLog(first, bw::kMaxTrips);
        second = catalog.create(QStringLiteral("Van"));
        bw::bench::fillLog(second, bw::kMaxTrips);
        catalog.opened(first);
    }
    std::unique_ptr<bw::Form1> openWindow() const
    {
        auto form = std::make_unique<bw::Form1>();
        form->load();
        form->show();
        QApplication::processEvents();
        return form;
    }
    bw::bench::PrivatePlatform where;
    QString first;
    QString second;
};

// Until the grid shows the other log's first rows and takes keys.
void switchTo(bw::Form1& form, const QString& path)
{
    if (!form.openLog(path)) throw std::runtime_error("the log was not opened");
    QApplication::processEvents();
    if (form.DataGrid1->model()->rowCount() < bw::kMaxTrips)
        throw std::runtime_error("the grid does not show the log's trips");
}

// The first visit: a window on one log opens the other (a new session).
void BM_SwitchToANewLog(benchmark::State& state)
{
    const TwoLongLogs logs;
    double kept = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<bw::Form1> form = logs.openWindow();
        const QString other =
            form->session().databasePath() == logs.first ? logs.second : logs.first;
        const double before = heapInUse();
        state.ResumeTiming();
        switchTo(*form, other);
        state.PauseTiming();
        kept = heapInUse() - before;
        form->close();
        form.reset();
        state.ResumeTiming();
    }
    state.counters["kept_log_MB"] = kept / (1024.0 * 1024.0);
}
BENCHMARK(BM_SwitchToANewLog)->Unit(benchmark::kMillisecond)->Iterations(4);

// Back and forth between two logs both visited: each finds its session kept.
void BM_SwitchBetweenKeptLogs(benchmark::State& state)
{
    const TwoLongLogs logs;
    std::unique_ptr<bw::Form1> form = logs.openWindow();
    switchTo(*form, logs.second);
    bool second = true;
    for (auto _ : state) {
        second = !second;
        switchTo(*form, second ? logs.second : logs.first);
    }
    form->close();
}
BENCHMARK(BM_SwitchBetweenKeptLogs)->Unit(benchmark::kMillisecond)->Iterations(10);

// The Logs window on 100 logs of a few hundred trips, until it is shown.
void BM_OpenLogsWindow(benchmark::State& state)
{
    const bw::bench::PrivatePlatform where(QStringLiteral("Varnholt/Brindlewick.ini"));
    bw::LogCatalog catalog;
    for (int n = 0; n < 100; ++n)
        bw::bench::fillLog(catalog.create(QStringLiteral("Log %1").arg(n)), 300);
    for (auto _ : state) {
        bw::LogsWindow window(catalog.find(QStringLiteral("Log 0")), {});
        window.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.table()->rowCount());
    }
}
BENCHMARK(BM_OpenLogsWindow)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace

int main(int argc, char** argv) { return bw::bench::runBenchmarks<QApplication>(argc, argv); }
