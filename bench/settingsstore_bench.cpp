// The settings store with a long log: the main window's start-up restore, one keystroke
// in an employee field, and the close that writes every trip row, at 10,000 trips and at
// the most trips a log holds. Every trip has all eight fields stored.
#include "benchmain.h"
#include "benchplatform.h"
#include "logstore/settingsstore.h"
#include "logtable/logsession.h"
#include "logtable/logtable.h"
#include "shell/form1.h"

#include <QApplication>
#include <QLineEdit>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// A private store holding `trips` full trip rows and the employee entries.
struct Store {
    explicit Store(int trips) : where(QStringLiteral("Varnholt/Brindlewick.ini"))
    {
        bw::SettingsStore store;
        bw::SettingsStore::Batch batch(store);
        store.SaveSetting(QStringLiteral("EmployeeName"), QStringLiteral("Michael Jr."));
        store.SaveSetting(QStringLiteral("RowCount"), QString::number(trips));
        for (int i = 1; i <= trips; ++i) {
            store.SaveTripField(1, i, QStringLiteral("5/%1/2016").arg(i % 28 + 1));
            store.SaveTripField(2, i, QStringLiteral("Head office"));
            store.SaveTripField(3, i, QStringLiteral("Client %1").arg(i));
            store.SaveTripField(4, i, QStringLiteral("Delivery of the monthly samples"));
            store.SaveTripField(5, i, QString::number(10000 + i * 20));
            store.SaveTripField(6, i, QString::number(10020 + i * 20));
            store.SaveTripField(7, i, QStringLiteral("20"));
            store.SaveTripField(8, i, QStringLiteral("25"));
        }
        batch.commit();
    }
    std::unique_ptr<bw::Form1> openWindow() const
    {
        auto form = std::make_unique<bw::Form1>();
        form->load();
        return form;
    }

    bw::bench::PrivatePlatform where;
};

const auto kSizes = [](benchmark::internal::Benchmark* b) {
    b->Arg(10000)->Arg(bw::kMaxTrips)->Unit(benchmark::kMillisecond);
};

// Form1 created and loaded: store read, entries restored, rows restored and bound.
void BM_StartUpRestore(benchmark::State& state)
{
    const Store store(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        auto form = store.openWindow();
        benchmark::DoNotOptimize(form->session().logTable().RecordCount());
        state.PauseTiming();
        form.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpRestore)->Apply(kSizes);

// One typed character in the employee name: the change handler writes the setting.
void BM_FieldWrite(benchmark::State& state)
{
    const Store store(static_cast<int>(state.range(0)));
    auto form = store.openWindow();
    QLineEdit* box = form->txtEmployeeName;
    int n = 0;
    for (auto _ : state) {
        box->setText(QStringLiteral("Michael Jr. %1").arg(++n));
    }
    state.SetLabel(std::to_string(form->session().logTable().RecordCount()) + " trips");
}
BENCHMARK(BM_FieldWrite)->Apply([](benchmark::internal::Benchmark* b) {
    b->Arg(10000)->Arg(bw::kMaxTrips)->Unit(benchmark::kMicrosecond);
});

// The close's steps (every row written, one write to disk) after one field was edited.
void BM_Close(benchmark::State& state)
{
    const Store store(static_cast<int>(state.range(0)));
    auto form = store.openWindow();
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        form->session().logTable().setValueAt(0, 3, QStringLiteral("edit %1").arg(++n));
        state.ResumeTiming();
        form->Form_QueryUnload();
    }
}
BENCHMARK(BM_Close)->Apply(kSizes);

} // namespace

int main(int argc, char** argv) { return bw::bench::runBenchmarks<QApplication>(argc, argv); }
