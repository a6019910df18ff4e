// The summary window over a year of the longest log (65,527 trips, a third of them in 200
// claims, half of those paid): opening it until its table and chart are painted, which
// must stay within 200 ms, and the reading and summing beneath it.
#include "benchmain.h"
#include "benchplatform.h"
#include "logstore/claimstore.h"
#include "logstore/logdatabase.h"
#include "shell/summarywindow.h"
#include "summary/yearsummary.h"

#include <QApplication>
#include <QTableWidget>
#include <QTimeZone>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kTrips = 65527;
constexpr int kClaims = 200;
constexpr int kClaimed = 110; // trips a claim

bw::StoredTrip tripOf(qint64 id)
{
    const QDate day = QDate(2025, 4, 6).addDays(id % 365);
    const double miles = 5.0 + double(id % 37);
    return {id, double(id),
            bw::Trip::fromValues({day.toString(QStringLiteral("M/d/yyyy")),
                                  QStringLiteral("Depot %1").arg(id % 40),
                                  QStringLiteral("Client %1").arg(id % 250),
                                  QStringLiteral("Samples"),
                                  {},
                                  {},
                                  miles,
                                  miles * 0.45})};
}

struct Log {
    Log() : where(QStringLiteral("Brindlewick.ini"))
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        db = std::make_unique<bw::LogDatabase>(bw::LogDatabase::defaultPath(),
                                               bw::LogDatabase::Access::ReadWrite);
        bw::TripChanges all;
        for (qint64 id = 1; id <= kTrips; ++id) all.upserts.push_back(tripOf(id));
        all.replaceAll = true;
        db->apply(all);
        db->setTaxYearStart({4, 6});
        bw::ClaimStore claims(*db);
        const QDateTime at(QDate(2026, 4, 6), QTime(9, 0), QTimeZone::utc());
        for (int n = 0; n < kClaims; ++n) {
            bw::ClaimRecord record;
            record.savedAt = at;
            record.locale = QStringLiteral("en_US");
            for (int i = 0; i < kClaimed; ++i) {
                const bw::StoredTrip trip = tripOf(qint64(n) * kClaimed + i + 1);
                record.trips.push_back({trip.id, trip.trip});
            }
            const qint64 number =
                claims.recordClaim(record, {QString(), QStringLiteral("print"), {}, at});
            if (n % 2 == 0) claims.markPaid(number, at);
        }
    }
    bw::bench::PrivatePlatform where;
    std::unique_ptr<bw::LogDatabase> db;
};

Log& log()
{
    static Log l;
    return l;
}

bw::SummaryWindow::Source sourceOf(bw::LogDatabase& db)
{
    bw::SummaryWindow::Source source;
    source.trips = [&db] { return bw::summary::summaryTripsOf(db); };
    source.taxYearStart = [&db] { return db.taxYearStart(); };
    return source;
}

void BM_OpenSummary(benchmark::State& state)
{
    Log& l = log();
    for (auto _ : state) {
        bw::SummaryWindow window(sourceOf(*l.db), QDate(2026, 1, 10));
        window.show();
        window.repaint();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(window.summary().total.trips);
    }
    state.counters["trips"] = kTrips;
}
BENCHMARK(BM_OpenSummary)->Unit(benchmark::kMillisecond);

// The part of the opening that reads the trips and the claims from the log.
void BM_ReadSummaryTrips(benchmark::State& state)
{
    Log& l = log();
    for (auto _ : state) benchmark::DoNotOptimize(bw::summary::summaryTripsOf(*l.db));
}
BENCHMARK(BM_ReadSummaryTrips)->Unit(benchmark::kMillisecond);

// The sums of a year over trips already read.
void BM_SummarizeYear(benchmark::State& state)
{
    const std::vector<bw::summary::SummaryTrip> trips = bw::summary::summaryTripsOf(*log().db);
    for (auto _ : state)
        benchmark::DoNotOptimize(bw::summary::summarize(trips, {4, 6}, 2025).total.trips);
}
BENCHMARK(BM_SummarizeYear)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) { return bw::bench::runBenchmarks<QApplication>(argc, argv); }
