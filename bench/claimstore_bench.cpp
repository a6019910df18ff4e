// The claim history of a long-used log: 1,000 claims of 30 trips each. Loading every
// claim whole (what the history window lists), the claim marks of the grid, the check of
// the whole chain, and a committed edit of a claimed trip, which appends a trail entry
// and its link; and what the look for claims adds to every commit of a log without any.
// Also a log at the 65,527-trip limit claimed whole and moved out by a new period.
#include "benchmain.h"
#include "benchplatform.h"
#include "logstore/claimstore.h"
#include "logstore/claimtrail.h"
#include "logstore/logdatabase.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kClaims = 1000;
constexpr int kTripsPerClaim = 30;

bw::Trip tripNumber(int n)
{
    return bw::Trip::fromValues(
        {QStringLiteral("5/%1/2016").arg(n % 28 + 1), QStringLiteral("Head office"),
         QStringLiteral("Client %1").arg(n), QStringLiteral("Delivery of the monthly samples"),
         QString::number(10000 + n * 20), QString::number(10020 + n * 20), 20.0, 11.7});
}

struct History {
    History() : where(QStringLiteral("Varnholt/Brindlewick.ini"))
    {
        db = std::make_unique<bw::LogDatabase>(bw::LogDatabase::defaultPath(),
                                               bw::LogDatabase::Access::ReadWrite);
        bw::TripChanges trips;
        for (int n = 1; n <= kClaims * kTripsPerClaim; ++n)
            trips.upserts.push_back({n, static_cast<double>(n), tripNumber(n)});
        db->apply(trips);
        bw::ClaimStore store(*db);
        for (int c = 0; c < kClaims; ++c) {
            bw::ClaimRecord record;
            record.savedAt = QDateTime(QDate(2020, 1, 1), QTime(9, 0), Qt::UTC).addDays(c);
            record.employeeName = QStringLiteral("Ada Quill");
            record.ratePerMile = QStringLiteral("0.585");
            record.periodFrom = QDate(2020, 1, 1).addDays(c);
            record.periodTo = record.periodFrom.addDays(27);
            record.locale = QStringLiteral("en_US");
            record.totalMiles = QStringLiteral("600");
            record.totalAmount = QStringLiteral("$351.00");
            for (int t = 1; t <= kTripsPerClaim; ++t) {
                const int n = c * kTripsPerClaim + t;
                record.trips.push_back({n, tripNumber(n)});
            }
            store.recordClaim(record, {QStringLiteral("/home/ada/claims/claim%1.xls").arg(c),
                                       QStringLiteral("xls"), QString(64, QLatin1Char('a')),
                                       record.savedAt});
        }
    }
    bw::bench::PrivatePlatform where;
    std::unique_ptr<bw::LogDatabase> db;
};

History& history()
{
    static History kept;
    return kept;
}

void BM_LoadAllClaims(benchmark::State& state)
{
    bw::ClaimStore store(*history().db);
    for (auto _ : state) benchmark::DoNotOptimize(store.claims().size());
}
BENCHMARK(BM_LoadAllClaims)->Unit(benchmark::kMillisecond);

void BM_ClaimedTrips(benchmark::State& state)
{
    bw::ClaimStore store(*history().db);
    for (auto _ : state) benchmark::DoNotOptimize(store.claimedTrips().size());
}
BENCHMARK(BM_ClaimedTrips)->Unit(benchmark::kMillisecond);

void BM_CheckChain(benchmark::State& state)
{
    bw::ClaimStore store(*history().db);
    for (auto _ : state) benchmark::DoNotOptimize(store.checkChain().holds);
}
BENCHMARK(BM_CheckChain)->Unit(benchmark::kMillisecond);

// One field of a claimed trip edited and committed: the row, its trail entry and link.
void BM_TrailedEdit(benchmark::State& state)
{
    bw::LogDatabase& db = *history().db;
    bw::StoredTrip edited{15, 15, tripNumber(15)};
    int n = 0;
    for (auto _ : state) {
        edited.trip.description = QStringLiteral("edit %1").arg(++n);
        db.apply(bw::TripChanges{{edited}, {}, false, {}});
    }
}
BENCHMARK(BM_TrailedEdit)->Unit(benchmark::kMicrosecond);

// What a commit of a log without claims pays for the trail: the look for a claim.
void BM_TrailCheckWithoutClaims(benchmark::State& state)
{
    QTemporaryDir folder;
    bw::LogDatabase db(QDir(folder.path()).filePath(QStringLiteral("plain.sqlite")),
                       bw::LogDatabase::Access::ReadWrite);
    const bw::TripChanges edit{{{1, 1, tripNumber(1)}}, {}, false, {}};
    db.apply(edit);
    bw::claims::TripTrail trail(db.database());
    for (auto _ : state) benchmark::DoNotOptimize(trail.entriesFor(edit).size());
}
BENCHMARK(BM_TrailCheckWithoutClaims)->Unit(benchmark::kMicrosecond);

// A log at the limit claimed whole, then moved out by a new period: the claim's record
// with its 65,527 snapshot trips, and the commit that removes them all, with an entry and
// a link each.
void BM_LongClaimAndNewPeriod(benchmark::State& state)
{
    constexpr int kLimit = 65527;
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir folder;
        bw::LogDatabase db(QDir(folder.path()).filePath(QStringLiteral("long.sqlite")),
                           bw::LogDatabase::Access::ReadWrite);
        bw::TripChanges trips;
        bw::TripChanges moved;
        moved.movingToHistory = true;
        bw::ClaimRecord record;
        record.savedAt = QDateTime(QDate(2026, 12, 1), QTime(9, 0), Qt::UTC);
        record.locale = QStringLiteral("en_US");
        for (int n = 1; n <= kLimit; ++n) {
            trips.upserts.push_back({n, static_cast<double>(n), tripNumber(n)});
            record.trips.push_back({n, tripNumber(n)});
            moved.removed.push_back(n);
        }
        db.apply(trips);
        bw::ClaimStore store(db);
        state.ResumeTiming();
        QElapsedTimer clock;
        clock.start();
        store.recordClaim(record,
                          {QStringLiteral("/home/ada/claims/all.xls"), QStringLiteral("xls"),
                           QString(64, QLatin1Char('a')), record.savedAt});
        state.counters["record_ms"] = static_cast<double>(clock.restart());
        benchmark::DoNotOptimize(store.claimedTrips().size());
        state.counters["marks_ms"] = static_cast<double>(clock.restart());
        db.apply(moved);
        state.counters["new_period_ms"] = static_cast<double>(clock.elapsed());
    }
}
BENCHMARK(BM_LongClaimAndNewPeriod)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv) { return bw::bench::runBenchmarks<QCoreApplication>(argc, argv); }
