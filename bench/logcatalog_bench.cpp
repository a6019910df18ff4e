// The list of known logs as the Logs window and `--logs` read it: 100 logs in the logs
// folder, each read as found (its trips counted, its latest date and vehicle found), at a
// few hundred trips a log and at the most trips one log holds.
#include "benchlogs.h"
#include "benchmain.h"
#include "benchplatform.h"
#include "logstore/logcatalog.h"
#include "logstore/logdatabase.h"
#include "logtable/logtable.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

namespace {

constexpr int kLogs = 100;

// `logs` logs of `trips` dated trips each, with their vehicle.
struct Logs {
    Logs(int logs, int trips) : where(QStringLiteral("Varnholt/Brindlewick.ini"))
    {
        bw::LogCatalog catalog;
        for (int n = 0; n < logs; ++n)
            bw::bench::fillLog(catalog.create(QStringLiteral("Log %1").arg(n)), trips);
    }
    bw::bench::PrivatePlatform where;
};

void BM_ListLogs(benchmark::State& state)
{
    const Logs logs(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        const std::vector<bw::LogListing> listed = bw::LogCatalog().list();
        benchmark::DoNotOptimize(listed.size());
    }
}
BENCHMARK(BM_ListLogs)
    ->Args({kLogs, 300})
    ->Args({1, bw::kMaxTrips})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

} // namespace

int main(int argc, char** argv) { return bw::bench::runBenchmarks<QCoreApplication>(argc, argv); }
