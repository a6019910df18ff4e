// Undo and redo on a full log (65,527 trips): a cell edit, and Delete All, each recorded,
// undone and redone through the grid's model with a view attached.
#include "benchmain.h"
#include "logtable/loghistory.h"
#include "logtable/logtable.h"
#include "logtable/logtablemodel.h"
#include "logtable/logtablestore.h"
#include "shell/gridview.h"

#include <QApplication>
#include <QFile>
#include <QTableView>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

std::shared_ptr<bw::LogTable> fullLog(int rows)
{
    auto table = std::make_shared<bw::LogTable>();
    table->openWithTripFields();
    for (int i = 0; i < rows; ++i) {
        table->AddNew();
        table->setValue(0, QStringLiteral("2026-03-%1").arg(i % 28 + 1));
        table->setValue(3, QStringLiteral("trip %1").arg(i));
        table->setValue(4, QString::number(1000 + i));
        table->setValue(5, QString::number(1001 + i));
        table->setValue(6, 1.0);
        table->setValue(7, 0.5);
    }
    return table;
}

struct Grid {
    explicit Grid(int rows) : table(fullLog(rows))
    {
        bw::attachView(model, &view);
        model.bind(table);
    }
    std::shared_ptr<bw::LogTable> table;
    bw::LogTableModel model;
    QTableView view;
    bw::LogHistory history{model};
};

// A typed description in the middle row, then its undo and redo.
void BM_CellEditUndoRedo(benchmark::State& state)
{
    Grid grid(static_cast<int>(state.range(0)));
    const QModelIndex cell = grid.model.index(grid.table->RecordCount() / 2, 3);
    int n = 0;
    for (auto _ : state) {
        grid.model.setData(cell, QStringLiteral("typed %1").arg(++n));
        grid.history.stack().undo();
        grid.history.stack().redo();
    }
    state.counters["steps"] = grid.history.stack().count();
}
BENCHMARK(BM_CellEditUndoRedo)->Arg(bw::kMaxTrips)->Unit(benchmark::kMicrosecond);

// Delete All (the table replaced by 30 blank rows in one span), its undo and its redo.
void BM_DeleteAllUndoRedo(benchmark::State& state)
{
    Grid grid(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        {
            const bw::LogHistory::Name name(grid.history, QStringLiteral("Delete All"));
            const bw::LogTableModel::Rebuild rebuild(grid.model);
            auto blank = std::make_shared<bw::LogTable>();
            blank->openWithTripFields();
            for (int i = 0; i < 30; ++i) blank->insertRow(i, bw::blankRowValues());
            grid.model.bind(blank);
        }
        grid.history.stack().undo();
        grid.history.stack().redo();
        state.PauseTiming();
        grid.history.stack().undo();
        state.ResumeTiming();
    }
    state.counters["rows"] = grid.model.rowCount();
}
BENCHMARK(BM_DeleteAllUndoRedo)->Arg(bw::kMaxTrips)->Unit(benchmark::kMillisecond)->Iterations(5);

// Resident memory in MiB, from the kernel's account of this process.
double residentMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').front().toDouble() / 1024;
    }
    return 0;
}

// What the history holds for one Delete All of a full log once the old table is gone (the
// rows it brings back, texts included), beside what the table with its grid took.
void BM_DeleteAllHistoryMemory(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        const double start = residentMiB();
        auto grid = std::make_unique<Grid>(static_cast<int>(state.range(0)));
        state.counters["table_MiB"] = residentMiB() - start;
        state.ResumeTiming();
        {
            const bw::LogHistory::Name name(grid->history, QStringLiteral("Delete All"));
            const bw::LogTableModel::Rebuild rebuild(grid->model);
            auto blank = std::make_shared<bw::LogTable>();
            blank->openWithTripFields();
            grid->model.bind(blank);
        }
        grid->table.reset();
        // With the old table gone, what the process still holds beyond its start.
        state.counters["held_MiB"] = residentMiB() - start;
        state.PauseTiming();
        grid.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_DeleteAllHistoryMemory)
    ->Arg(bw::kMaxTrips)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

} // namespace

int main(int argc, char** argv) { return bw::bench::runBenchmarks<QApplication>(argc, argv); }
