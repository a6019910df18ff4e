// Trips in and out of CSV: exporting a log of 10,000 trips, and importing such a file into
// a table of 30 blank rows with the fills a typed row gets. Aim: under 50 ms each.
#include "logtable/logtable.h"
#include "logtable/tripcsv.h"
#include "logtable/tripfills.h"
#include "platform/datetext.h"

#include <QDate>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kTrips = 10000;

std::shared_ptr<bw::LogTable> blankTable(int rows)
{
    auto table = std::make_shared<bw::LogTable>();
    table->openWithTripFields();
    for (int i = 0; i < rows; ++i) {
        table->AddNew();
        for (int k = 0; k < bw::LogTable::kFieldCount; ++k) {
            table->setValue(k, k < 6 ? QVariant(QString()) : QVariant(0.0));
        }
    }
    return table;
}

std::shared_ptr<bw::LogTable> tripLog(int trips)
{
    auto table = blankTable(0);
    for (int i = 0; i < trips; ++i) {
        table->AddNew();
        table->setValue(0, bw::dateToText(QDate(2016, 1, 1).addDays(i / 4)));
        table->setValue(1, QStringLiteral("Store %1").arg(i % 17));
        table->setValue(2, QStringLiteral("Customer, \"site\" %1").arg(i % 23));
        table->setValue(3, i % 5 == 0 ? QStringLiteral("=delivery")
                                      : QStringLiteral("Daily delivery"));
        table->setValue(4, QString::number(58000 + 10 * i));
        table->setValue(5, QString::number(58007 + 10 * i));
        table->setValue(6, 7.0);
        table->setValue(7, 8.75);
    }
    return table;
}

void BM_ExportTrips(benchmark::State& state)
{
    const auto table = tripLog(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(bw::writeTripsCsv(*table));
    }
}
BENCHMARK(BM_ExportTrips)->Arg(kTrips)->Unit(benchmark::kMillisecond);

void BM_ImportTrips(benchmark::State& state)
{
    const QByteArray csv = bw::writeTripsCsv(*tripLog(static_cast<int>(state.range(0))));
    for (auto _ : state) {
        state.PauseTiming();
        auto table = blankTable(30);
        state.ResumeTiming();
        const bw::TripImport read = bw::readTripsCsv(csv);
        benchmark::DoNotOptimize(bw::placeTrips(*table, read.trips, QStringLiteral("1.25")));
    }
}
BENCHMARK(BM_ImportTrips)->Arg(kTrips)->Unit(benchmark::kMillisecond);

// The same with rates by distance, where each trip is paid by what the log drove before it.
void BM_ImportTripsByDistance(benchmark::State& state)
{
    const QByteArray csv = bw::writeTripsCsv(*tripLog(static_cast<int>(state.range(0))));
    bw::TripRates rates{QStringLiteral("1.25"),
                        bw::RateSchedule({{QDate(), 0.45, 0.0}, {QDate(), 0.25, 10000.0}})};
    for (auto _ : state) {
        state.PauseTiming();
        auto table = blankTable(30);
        state.ResumeTiming();
        const bw::TripImport read = bw::readTripsCsv(csv);
        benchmark::DoNotOptimize(bw::placeTrips(*table, read.trips, rates));
    }
}
BENCHMARK(BM_ImportTripsByDistance)->Arg(kTrips)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
