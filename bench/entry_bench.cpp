// Typing trips quickly on a full log (65,527 trips, 5,000 distinct places): the inline
// completion of one keystroke in a place cell, and reading places and routes at start-up.
#include "benchmain.h"
#include "logtable/logtable.h"
#include "logtable/logtablemodel.h"
#include "logtable/tripbook.h"
#include "shell/entryeditor.h"

#include <QApplication>
#include <QKeyEvent>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>

namespace {

constexpr int kPlaces = 5000;

QString placeName(int i)
{
    // Names share their first letters as real place names do.
    static const char* const kStarts[] = {"Mini mall", "Main St", "Office", "Home", "Client"};
    return QStringLiteral("%1 %2").arg(QLatin1String(kStarts[i % 5])).arg(i);
}

std::shared_ptr<bw::LogTable> fullLog()
{
    auto table = std::make_shared<bw::LogTable>();
    table->openWithTripFields();
    for (int i = 0; i < bw::kMaxTrips; ++i) {
        std::vector<QVariant> values(bw::LogTable::kFieldCount);
        values[0] = QStringLiteral("2026-03-%1").arg(i % 28 + 1);
        values[1] = placeName(i % kPlaces);
        values[2] = placeName((i * 7 + 3) % kPlaces);
        values[3] = QStringLiteral("visit %1").arg(i % 300);
        values[6] = static_cast<double>(i % 40 + 1);
        table->insertRow(i, values);
    }
    return table;
}

// One typed character in a Starting Location editor, completed from the book. The prefixes
// range from one letter (a thousand matches to rank) to a whole name.
void BM_CompletionKeystroke(benchmark::State& state)
{
    const auto table = fullLog();
    bw::TripBook book;
    book.rebuild(*table);
    bw::CompletingEdit edit([&book](const QString& p) { return book.places(p); }, {}, nullptr);
    const QStringList typed = {"M", "Mi", "Min", "Mini mall 1", "O", "Off", "Client 4", "X"};
    double worst = 0.0;
    int n = 0;
    for (auto _ : state) {
        const QString& text = typed[n++ % typed.size()];
        edit.setText(text.left(text.size() - 1));
        QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, text.right(1));
        const auto start = std::chrono::steady_clock::now();
        QApplication::sendEvent(&edit, &key);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(took.count());
        worst = std::max(worst, took.count() * 1e3);
    }
    state.counters["worst_ms"] = worst;
    state.counters["places"] = book.placeCount();
}
BENCHMARK(BM_CompletionKeystroke)->UseManualTime()->Unit(benchmark::kMillisecond);

// What the book adds to the start itself: binding the full log schedules its read for the
// first idle moment, after the window has shown.
void BM_BookAtStartup(benchmark::State& state)
{
    const auto table = fullLog();
    bw::LogTableModel model;
    for (auto _ : state) {
        bw::TripBook book;
        book.follow(model);
        model.bind(table);
        state.PauseTiming();
        model.bind(nullptr);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_BookAtStartup)->Unit(benchmark::kMillisecond);

// That read: every trip of the full log, once.
void BM_BookRead(benchmark::State& state)
{
    const auto table = fullLog();
    for (auto _ : state) {
        bw::TripBook book;
        book.rebuild(*table);
        benchmark::DoNotOptimize(book.placeCount());
    }
}
BENCHMARK(BM_BookRead)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) { return bw::bench::runBenchmarks<QApplication>(argc, argv); }
