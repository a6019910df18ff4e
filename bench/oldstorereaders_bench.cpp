// Reading the trip rows of the earlier stores at the most trips a log holds: the trips
// file (read at every start today) and a first version INI file (read once, at the
// upgrade). Every row has all eight fields stored.
#include "logstore/oldstorereaders.h"
#include "logtable/logtable.h"

#include <QByteArray>
#include <QString>

#include <benchmark/benchmark.h>

namespace {

const char* const kFields[] = {"5/%1/2016", "Head office", "Client %1", "Daily\\tdelivery",
                               "%2",        "%3",          "20",        "25"};

// Field k of trip i: %1 is a day, %2 and %3 the odometer readings.
QString fieldText(int k, int i)
{
    return QString::fromLatin1(kFields[k])
        .replace(QLatin1StringView("%1"), QString::number(i % 28 + 1))
        .replace(QLatin1StringView("%2"), QString::number(10000 + i * 20))
        .replace(QLatin1StringView("%3"), QString::number(10020 + i * 20));
}

QByteArray tripsFile(int trips)
{
    QString text = QStringLiteral("Brindlewick trips 1\nRowCount\t%1\n").arg(trips);
    for (int i = 1; i <= trips; ++i) {
        text += QString::number(i);
        for (int k = 0; k < 8; ++k) text += u'\t' + fieldText(k, i);
        text += u'\n';
    }
    return text.toUtf8();
}

QByteArray firstVersionIni(int trips)
{
    QByteArray text =
        "[General]\nEmployeeName=Michael Jr.\nRowCount=" + QByteArray::number(trips) + '\n';
    for (int i = 1; i <= trips; ++i) {
        for (int k = 0; k < 8; ++k) {
            text += "RowSource" + QByteArray::number(k + 1) + "%20" + QByteArray::number(i) + '='
                    + fieldText(k, i).toUtf8() + '\n';
        }
    }
    return text;
}

void BM_ReadTripsFile(benchmark::State& state)
{
    const QByteArray bytes = tripsFile(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(bw::readTripsFile(bytes).rows.size());
    state.SetLabel(std::to_string(bytes.size() / 1024) + " KiB");
}
BENCHMARK(BM_ReadTripsFile)->Arg(bw::kMaxTrips)->Unit(benchmark::kMillisecond);

void BM_ReadIniTripKeys(benchmark::State& state)
{
    const QByteArray bytes = firstVersionIni(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(bw::readIniTripKeys(bytes).rows.size());
    state.SetLabel(std::to_string(bytes.size() / 1024) + " KiB");
}
BENCHMARK(BM_ReadIniTripKeys)->Arg(bw::kMaxTrips)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
