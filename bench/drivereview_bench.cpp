// The review of recorded drives at the size of a full log: 65,527 drives against a log of
// 65,527 trips and 50 saved places. Listing them (naming every end, telling the ones the
// log holds), naming one open end (every end named again) and taking the checked ones as
// trips. Aim: each under a second, so the window never stalls on a year of recordings.
#include "benchmain.h"
#include "logtable/drivereview.h"

#include <QCoreApplication>
#include <QDateTime>

#include <benchmark/benchmark.h>

#include <vector>

namespace {

constexpr int kDrives = 65527;
constexpr qint64 kStart = 1704096000000; // 2024-01-01T08:00:00Z

bw::drives::LatLng spot(int i) { return {48.0 + (i % 400) * 0.001, 11.0 + (i % 97) * 0.001}; }

std::vector<bw::drives::Drive> drives()
{
    std::vector<bw::drives::Drive> all;
    all.reserve(kDrives);
    for (int i = 0; i < kDrives; ++i) {
        const qint64 start = kStart + qint64{i} * 3 * 3600 * 1000;
        all.push_back(
            {start, start + 1800000, {spot(i), {}, {}}, {spot(i + 1), {}, {}}, 1000.0 + i % 20000});
    }
    return all;
}

bw::DriveReviewModel::Setup setup()
{
    bw::DriveReviewModel::Setup s;
    s.unit = bw::drives::Unit::Kilometres;
    for (int i = 0; i < 50; ++i)
        s.places.push_back({QStringLiteral("Place %1").arg(i), spot(i * 8)});
    for (int i = 0; i < kDrives; ++i) {
        const QDate day =
            QDateTime::fromMSecsSinceEpoch(kStart + qint64{i} * 3 * 3600 * 1000).date();
        s.logged.push_back({day, QStringLiteral("Place %1").arg(i % 50), QString(), 5.0});
    }
    return s;
}

void BM_ListDrives(benchmark::State& state)
{
    const auto all = drives();
    bw::DriveReviewModel model(setup());
    for (auto _ : state) model.setDrives(all);
    state.counters["drives"] = model.rowCount();
}
BENCHMARK(BM_ListDrives)->Unit(benchmark::kMillisecond);

void BM_NameAnEnd(benchmark::State& state)
{
    bw::DriveReviewModel model(setup());
    model.setDrives(drives());
    int n = 0;
    for (auto _ : state) {
        ++n;
        model.nameEnd(n % 400, bw::drives::End::From, QStringLiteral("Named %1").arg(n));
    }
}
BENCHMARK(BM_NameAnEnd)->Unit(benchmark::kMillisecond);

void BM_TripsToAdd(benchmark::State& state)
{
    bw::DriveReviewModel model(setup());
    model.setDrives(drives());
    model.checkAll(true);
    for (auto _ : state) benchmark::DoNotOptimize(model.tripsToAdd());
}
BENCHMARK(BM_TripsToAdd)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) { return bw::bench::runBenchmarks<QCoreApplication>(argc, argv); }
