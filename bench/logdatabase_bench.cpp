// The log's database with a long log: a finished cell edit committed (at synchronous
// NORMAL, the level the program uses, and at FULL for comparison), the start-up load of
// every trip, the close, and PRAGMA quick_check, at 10,000 trips and at the most trips
// a log holds. The files lie in a private folder on the disk of the temporary folder.
#include "benchmain.h"
#include "benchplatform.h"
#include "core/errorlocation.h"
#include "core/steptrap.h"
#include "logstore/logdatabase.h"
#include "logstore/settingsstore.h"
#include "logtable/logtable.h"
#include "logtable/triplog.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

std::shared_ptr<bw::LogTable> fullTable(int trips)
{
    auto table = std::make_shared<bw::LogTable>();
    table->openWithTripFields();
    for (int i = 1; i <= trips; ++i) {
        table->AddNew();
        table->setValue(0, QStringLiteral("5/%1/2016").arg(i % 28 + 1));
        table->setValue(1, QStringLiteral("Head office"));
        table->setValue(2, QStringLiteral("Client %1").arg(i));
        table->setValue(3, QStringLiteral("Delivery of the monthly samples"));
        table->setValue(4, QString::number(10000 + i * 20));
        table->setValue(5, QString::number(10020 + i * 20));
        table->setValue(6, 20.0);
        table->setValue(7, 25.0);
    }
    return table;
}

// A private store whose database holds `trips` full trips, opened as the program does.
struct Log {
    explicit Log(int trips) : where(QStringLiteral("Varnholt/Brindlewick.ini"))
    {
        open();
        table = fullTable(trips);
        log->commit(*table);
        log->close(*table);
    }
    void open()
    {
        log.reset();
        store = std::make_unique<bw::SettingsStore>();
        log = std::make_unique<bw::TripLog>(*store, bw::TripLog::Access::Program);
    }
    std::shared_ptr<bw::LogTable> restore()
    {
        auto fresh = std::make_shared<bw::LogTable>();
        fresh->openWithTripFields();
        bw::StepTrap trap(QString::fromLatin1(bw::ErrorLocation::Form1_Form_Load));
        log->restoreInto(*fresh, trap);
        return fresh;
    }

    bw::bench::PrivatePlatform where;
    std::unique_ptr<bw::SettingsStore> store;
    std::unique_ptr<bw::TripLog> log;
    std::shared_ptr<bw::LogTable> table;
};

// One cell typed in the middle of the log and committed as the grid's finished change.
void BM_CellEditCommit(benchmark::State& state)
{
    Log log(static_cast<int>(state.range(0)));
    log.table = log.restore();
    const bool full = state.range(1) == 1;
    log.log->database()->database().exec(full ? "PRAGMA synchronous = FULL"
                                              : "PRAGMA synchronous = NORMAL");
    const int row = log.table->RecordCount() / 2;
    int n = 0;
    for (auto _ : state) {
        log.table->setValueAt(row, 3, QStringLiteral("edit %1").arg(++n));
        log.log->commit(*log.table);
    }
    state.SetLabel(full ? "synchronous FULL" : "synchronous NORMAL");
}
BENCHMARK(BM_CellEditCommit)
    ->ArgsProduct({{10000, bw::kMaxTrips}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->MinTime(1.0);

// The start: the database opened, checked and every trip loaded into the table.
void BM_StartUpLoad(benchmark::State& state)
{
    Log log(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        log.log.reset(); // the last close's checkpoint is the close's cost, not the start's
        state.ResumeTiming();
        log.open();
        auto table = log.restore();
        benchmark::DoNotOptimize(table->RecordCount());
    }
}
BENCHMARK(BM_StartUpLoad)->Arg(10000)->Arg(bw::kMaxTrips)->Unit(benchmark::kMillisecond);

// The close after one edit: the last change, the row count of the close, a checkpoint.
void BM_Close(benchmark::State& state)
{
    Log log(static_cast<int>(state.range(0)));
    log.table = log.restore();
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        log.table->setValueAt(0, 3, QStringLiteral("edit %1").arg(++n));
        state.ResumeTiming();
        log.log->close(*log.table);
    }
}
BENCHMARK(BM_Close)->Arg(bw::kMaxTrips)->Unit(benchmark::kMillisecond);

void BM_QuickCheck(benchmark::State& state)
{
    Log log(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(log.log->database()->check(true));
}
BENCHMARK(BM_QuickCheck)->Arg(bw::kMaxTrips)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) { return bw::bench::runBenchmarks<QCoreApplication>(argc, argv); }
