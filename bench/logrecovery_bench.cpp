// A start that finds its log damaged, at 20,003 trips: the file cut to half its length,
// and 4 KiB of garbage a third of the way in. Each run opens the log as the program
// does: the files kept aside as found, every trip that can be read recovered into a new
// log that then takes the log's place. The counters give the trips kept and how many
// the log held.
#include "benchmain.h"
#include "benchplatform.h"
#include "core/logdatabase.h"
#include "core/settingsstore.h"
#include "logtable/triplog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <benchmark/benchmark.h>

#include <functional>

namespace {

constexpr int kTrips = 20003;

void writeLog(const QString& path)
{
    bw::LogDatabase db(path, bw::LogDatabase::Access::ReadWrite);
    bw::TripChanges changes;
    changes.replaceAll = true;
    for (int i = 1; i <= kTrips; ++i) {
        changes.upserts.push_back(
            {i, double(i),
             bw::Trip::fromValues(
                 {QStringLiteral("5/%1/2016").arg(i % 28 + 1), QStringLiteral("Head office"),
                  QStringLiteral("Client %1").arg(i),
                  QStringLiteral("Delivery of the monthly samples"),
                  QString::number(10000 + i * 20), QString::number(10020 + i * 20), 20.0, 11.5})});
    }
    changes.meta = {
        {QString::fromLatin1(bw::LogDatabase::kImportPending), QString()},
        {QString::fromLatin1(bw::LogDatabase::kRowCountAtClose), QString::number(kTrips)}};
    db.apply(changes);
    db.database().exec("PRAGMA wal_checkpoint(TRUNCATE)");
}

void recover(benchmark::State& state, const std::function<void(const QString&)>& damage)
{
    const bw::bench::PrivatePlatform place(QStringLiteral("Brindlewick.ini"));
    const QString path = bw::LogDatabase::defaultPath();
    const QString folder = QFileInfo(path).absolutePath();
    const QString damaged = folder + QStringLiteral("/damaged.copy");
    writeLog(path);
    damage(path);
    QFile::rename(path, damaged);
    qint64 kept = 0;
    qint64 held = 0;
    for (auto _ : state) {
        state.PauseTiming();
        for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden)) {
            if (name != QFileInfo(damaged).fileName()) QFile::remove(QDir(folder).filePath(name));
        }
        QFile::copy(damaged, path);
        bw::SettingsStore store;
        state.ResumeTiming();
        bw::TripLog log(store, bw::TripLog::Access::Program);
        state.PauseTiming();
        static const QRegularExpression counts(QStringLiteral("new log: (\\d+) of (\\d+)"));
        const auto found = counts.match(log.notices().value(0));
        kept = found.captured(1).toLongLong();
        held = found.captured(2).toLongLong();
        state.ResumeTiming();
    }
    state.counters["kept"] = double(kept);
    state.counters["held"] = double(held);
}

void cutToHalf(benchmark::State& state)
{
    recover(state, [](const QString& path) { QFile(path).resize(QFileInfo(path).size() / 2); });
}

void garbageInside(benchmark::State& state)
{
    recover(state, [](const QString& path) {
        QFile file(path);
        file.open(QIODevice::ReadWrite);
        file.seek(file.size() / 3 / 4096 * 4096);
        QByteArray garbage(4096, '\0');
        for (int i = 0; i < garbage.size(); ++i) garbage[i] = char((i * 7919 + 13) & 0xFF);
        file.write(garbage);
    });
}

} // namespace

BENCHMARK(cutToHalf)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(garbageInside)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) { return bw::bench::runBenchmarks<QCoreApplication>(argc, argv); }
