// Row commands on a large trip table: inserting a blank row below the selected one and
// deleting the selected row, on the grid model alone and through the main window's
// handlers (grid attached, questions answered by a scripted dialog seam); and the
// start-up restore of many rows.
#include "benchmain.h"
#include "benchplatform.h"
#include "logstore/settingsstore.h"
#include "logtable/logsession.h"
#include "logtable/logtable.h"
#include "logtable/logtablemodel.h"
#include "logtable/logtablestore.h"
#include "shell/form1.h"
#include "shell/gridview.h"

#include <QApplication>
#include <QTableView>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kRows = 10000;

std::shared_ptr<bw::LogTable> tableOf(int rows)
{
    auto table = std::make_shared<bw::LogTable>();
    table->openWithTripFields();
    for (int i = 0; i < rows; ++i) {
        table->AddNew();
        table->setValue(0, QStringLiteral("row %1").arg(i));
        table->setValue(6, 1.5);
    }
    return table;
}

void BM_ModelInsertBelowMiddle(benchmark::State& state)
{
    auto table = tableOf(static_cast<int>(state.range(0)));
    bw::LogTableModel model;
    QTableView view;
    bw::attachView(model, &view);
    model.bind(table);
    const int middle = table->RecordCount() / 2;
    for (auto _ : state) {
        model.insertRow(middle + 1, bw::blankRowValues());
        state.PauseTiming();
        model.deleteCurrentRow();
        table->setPosition(middle);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ModelInsertBelowMiddle)->Arg(kRows);

void BM_ModelDeleteMiddle(benchmark::State& state)
{
    auto table = tableOf(static_cast<int>(state.range(0)));
    bw::LogTableModel model;
    QTableView view;
    bw::attachView(model, &view);
    model.bind(table);
    const int middle = table->RecordCount() / 2;
    for (auto _ : state) {
        table->setPosition(middle);
        model.deleteCurrentRow();
        state.PauseTiming();
        model.insertRow(middle, bw::blankRowValues());
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ModelDeleteMiddle)->Arg(kRows);

// The main window restored with `rows` rows from a private settings file.
struct Window {
    explicit Window(int rows) : where(QStringLiteral("Brindlewick.ini"))
    {
        {
            bw::SettingsStore store;
            store.SaveSetting(QStringLiteral("RowCount"), QString::number(rows));
        }
        form = std::make_unique<bw::Form1>();
        form->load();
    }
    void select(int row) { form->DataGrid1->setCurrentIndex(form->gridModel().index(row, 0)); }

    bw::bench::PrivatePlatform where;
    std::unique_ptr<bw::Form1> form;
};

void BM_InsertBelowSelectedRow(benchmark::State& state)
{
    Window window(static_cast<int>(state.range(0)));
    const int middle = static_cast<int>(state.range(0)) / 2;
    for (auto _ : state) {
        window.select(middle);
        window.form->PushButton2_Click();
        state.PauseTiming();
        window.form->PushButton1_Click();
        state.ResumeTiming();
    }
    state.counters["rows"] = window.form->session().logTable().RecordCount();
}
BENCHMARK(BM_InsertBelowSelectedRow)->Arg(kRows);

void BM_DeleteSelectedRow(benchmark::State& state)
{
    Window window(static_cast<int>(state.range(0)));
    const int middle = static_cast<int>(state.range(0)) / 2;
    for (auto _ : state) {
        window.select(middle);
        window.form->PushButton1_Click();
        state.PauseTiming();
        window.select(middle - 1);
        window.form->PushButton2_Click();
        state.ResumeTiming();
    }
    state.counters["rows"] = window.form->session().logTable().RecordCount();
}
BENCHMARK(BM_DeleteSelectedRow)->Arg(kRows);

// Start-up with a stored row count of the given size and no row keys: a count above the
// trip limit restores the limit's rows.
void BM_StartUpRestoringRows(benchmark::State& state)
{
    for (auto _ : state) {
        Window window(static_cast<int>(state.range(0)));
        benchmark::DoNotOptimize(window.form->session().logTable().RecordCount());
    }
}
BENCHMARK(BM_StartUpRestoringRows)
    ->Arg(30)
    ->Arg(kRows)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

} // namespace

int main(int argc, char** argv) { return bw::bench::runBenchmarks<QApplication>(argc, argv); }
