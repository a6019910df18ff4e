// Backups of the log's database at the most trips a log holds: the backup made at once
// (before Delete All, Load Sample, an import or a restore; the window waits for all of
// it), the daily backup stepped from the event loop (the longest stall a 1 ms timer sees
// while it runs), and listing the kept backups for the restore window.
#include "benchmain.h"
#include "logstore/logbackup.h"
#include "logstore/sqlite.h"
#include "logtable/logtable.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

// A WAL log of `trips` full trips in a private folder, open as the program keeps it.
class Log {
public:
    explicit Log(int trips)
        : made_(QDir().mkpath(dir_.filePath(QStringLiteral("Varnholt")))),
          db_(path(), bw::sql::Database::Open::ReadWrite)
    {
        db_.exec("PRAGMA journal_mode=WAL; PRAGMA synchronous=FULL;"
                 "CREATE TABLE trips(id INTEGER PRIMARY KEY, position REAL NOT NULL, date TEXT,"
                 " starting_location TEXT, destination TEXT, description TEXT, odometer_start"
                 " TEXT, odometer_end TEXT, mileage REAL, reimbursement REAL); BEGIN");
        bw::sql::Statement insert(db_, "INSERT INTO trips VALUES(NULL, ?1, ?2, 'Head office', ?3,"
                                       " 'Delivery of the monthly samples', ?4, ?5, 20, 11.5)");
        for (int i = 1; i <= trips; ++i) {
            insert.bindInt(1, i);
            insert.bind(2, QStringLiteral("5/%1/2016").arg(i % 28 + 1));
            insert.bind(3, QStringLiteral("Client %1").arg(i));
            insert.bindInt(4, 10000 + i * 20);
            insert.bindInt(5, 10020 + i * 20);
            insert.run();
        }
        db_.exec("COMMIT; PRAGMA wal_checkpoint(TRUNCATE)");
    }

    bw::sql::Database& connection() { return db_; }
    QString path() const { return dir_.filePath(QStringLiteral("Varnholt/Brindlewick.sqlite")); }

private:
    QTemporaryDir dir_;
    bool made_;
    bw::sql::Database db_;
};

// Each iteration a new backup a minute after the last, pruning included.
void BM_BackUpNow(benchmark::State& state)
{
    Log log(bw::kMaxTrips);
    QDateTime when(QDate(2026, 12, 9), QTime(8, 0));
    for (auto _ : state) {
        when = when.addSecs(60);
        const bw::BackupResult result = bw::backUpNow(log.connection(), when);
        if (!result.ok) state.SkipWithError(result.error.toStdString().c_str());
    }
    state.SetLabel(std::to_string(QFileInfo(log.path()).size() / 1024) + " KiB log");
}
BENCHMARK(BM_BackUpNow)->Unit(benchmark::kMillisecond)->UseRealTime();

// The stepped backup from start to its report; the counter is the longest gap between
// ticks of a 1 ms timer while it ran, in milliseconds.
void BM_SteppedBackupStall(benchmark::State& state)
{
    Log log(bw::kMaxTrips);
    QDateTime when(QDate(2026, 12, 9), QTime(8, 0));
    double longest = 0;
    for (auto _ : state) {
        when = when.addSecs(60);
        bw::SteppedBackup stepped;
        QEventLoop loop;
        QElapsedTimer sinceTick;
        qint64 stall = 0;
        QTimer ticker;
        ticker.setTimerType(Qt::PreciseTimer);
        ticker.setInterval(1);
        QObject::connect(&ticker, &QTimer::timeout, [&] {
            stall = std::max(stall, sinceTick.nsecsElapsed());
            sinceTick.restart();
        });
        bool ok = false;
        QObject::connect(&stepped, &bw::SteppedBackup::finished, [&](const bw::BackupResult& r) {
            ok = r.ok;
            loop.quit();
        });
        sinceTick.start();
        ticker.start();
        stepped.start(log.connection(), when, static_cast<int>(state.range(0)));
        loop.exec();
        if (!ok) state.SkipWithError("the stepped backup failed");
        longest = std::max(longest, static_cast<double>(stall) / 1e6);
    }
    state.counters["longest_stall_ms"] = longest;
}
BENCHMARK(BM_SteppedBackupStall)->Arg(256)->Unit(benchmark::kMillisecond)->UseRealTime();

// The restore window's list: the 14 kept backups of a full log read.
void BM_ListBackups(benchmark::State& state)
{
    Log log(bw::kMaxTrips);
    QDateTime when(QDate(2026, 12, 9), QTime(8, 0));
    for (int i = 0; i < 14; ++i) bw::backUpNow(log.connection(), when.addSecs(60 * i));
    const bw::BackupLocation where = bw::BackupLocation::of(log.path());
    for (auto _ : state) {
        benchmark::DoNotOptimize(bw::listBackups(where).size());
    }
}
BENCHMARK(BM_ListBackups)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) { return bw::bench::runBenchmarks<QCoreApplication>(argc, argv); }
