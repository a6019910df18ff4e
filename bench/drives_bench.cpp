// Reading recorded drives: a 100 MB Timeline export and a GPX track of 1,000,000 points,
// each made here in a temporary folder. Aim: each read in 3 s or less, the Timeline export
// adding at most 150 MiB to the peak memory (counter "peak_added_MiB", measured by the
// process's high-water mark around the first read).
#include "benchmain.h"
#include "drives/drivefile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>

#include <cmath>
#include <fstream>
#include <string>
#include <utility>

namespace {

constexpr qint64 kTimelineBytes = 100LL * 1000 * 1000;
constexpr int kGpxPoints = 1000000;
constexpr qint64 kT0 = 1704096000000; // 2024-01-01T08:00:00Z

QString isoText(qint64 ms)
{
    return QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC).toString(Qt::ISODateWithMs);
}

QByteArray latLng(double lat, double lon)
{
    return QByteArray::number(lat, 'f', 7) + "\xC2\xB0, " + QByteArray::number(lon, 'f', 7)
           + "\xC2\xB0";
}

// One day of an Android export: home, a drive, work, a drive back, with the paths and raw
// signals that make up most of a real file's bytes.
QByteArray timelineDay(int day)
{
    const qint64 t = kT0 + day * 86400000LL;
    const auto visit = [&](qint64 from, qint64 to, double lat, const char* type) {
        return "{\"startTime\":\"" + isoText(from).toLatin1() + "\",\"endTime\":\""
               + isoText(to).toLatin1()
               + "\",\"startTimeTimezoneUtcOffsetMinutes\":60,\"visit\":{\"hierarchyLevel\":0,"
                 "\"probability\":0.9,\"topCandidate\":{\"placeId\":\"ChIJ0123456789abcdef\","
                 "\"semanticType\":\""
               + type + "\",\"probability\":0.8,\"placeLocation\":{\"latLng\":\""
               + latLng(lat, 11.5) + "\"}}}},\n";
    };
    const auto drive = [&](qint64 from, double lat1, double lat2) {
        QByteArray out =
            "{\"startTime\":\"" + isoText(from).toLatin1() + "\",\"endTime\":\""
            + isoText(from + 1800000).toLatin1() + "\",\"activity\":{\"start\":{\"latLng\":\""
            + latLng(lat1, 11.5) + "\"},\"end\":{\"latLng\":\"" + latLng(lat2, 11.5)
            + "\"},\"distanceMeters\":12345.6,\"probability\":0.97,\"topCandidate\":{\"type\":"
              "\"IN_PASSENGER_VEHICLE\",\"probability\":0.93}}},\n{\"startTime\":\""
            + isoText(from).toLatin1() + "\",\"endTime\":\"" + isoText(from + 7200000).toLatin1()
            + "\",\"timelinePath\":[";
        for (int i = 0; i < 60; ++i)
            out += QByteArray(i ? "," : "") + "{\"point\":\"" + latLng(lat1 + i * 0.0015, 11.5)
                   + "\",\"time\":\"" + isoText(from + i * 30000).toLatin1() + "\"}";
        return out + "]},\n";
    };
    return visit(t - 36000000, t, 48.0, "HOME") + drive(t, 48.0, 48.1)
           + visit(t + 1800000, t + 32400000, 48.1, "WORK") + drive(t + 32400000, 48.1, 48.0);
}

QByteArray rawSignal(int i)
{
    return ",\n{\"position\":{\"LatLng\":\"" + latLng(48.0 + (i % 1000) * 1e-4, 11.5)
           + "\",\"accuracyMeters\":13,"
             "\"altitudeMeters\":520.5,\"source\":\"WIFI\",\"timestamp\":\""
           + isoText(kT0 + i * 60000LL).toLatin1() + "\",\"speedMetersPerSecond\":0.07}}";
}

// Written a day at a time, so that making the file does not raise the peak it measures.
QString makeTimeline(const QString& folder)
{
    const QString path = folder + QStringLiteral("/Timeline.json");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return {};
    file.write("{\"semanticSegments\":[\n");
    int day = 0;
    while (file.size() < kTimelineBytes * 7 / 10) file.write(timelineDay(day++));
    file.write(timelineDay(day++).chopped(2) + "],\n\"rawSignals\":[{}");
    for (int i = 0; file.size() < kTimelineBytes - 100; ++i) file.write(rawSignal(i));
    file.write("],\"userLocationProfile\":{\"persona\":{\"travelModeAffinities\":[]}}}\n");
    return path;
}

QString makeGpx(const QString& folder)
{
    const QString path = folder + QStringLiteral("/track.gpx");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return {};
    file.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<gpx version=\"1.1\" creator=\"bench\" "
               "xmlns=\"http://www.topografix.com/GPX/1/1\">\n<trk><name>Year</name><trkseg>\n");
    QByteArray chunk;
    for (int i = 0; i < kGpxPoints; ++i) {
        // Drives of 20 minutes at 54 km/h, one point a second, with ten-minute stops.
        const int inCycle = i % 1800;
        const double metres = (i / 1800) * 18000.0 + std::min(inCycle, 1200) * 15.0;
        chunk += "<trkpt lat=\""
                 + QByteArray::number(48.0 + std::fmod(metres, 500000.0) / 111200.0, 'f', 7)
                 + "\" lon=\"11.5000000\"><ele>520.0</ele><time>"
                 + isoText(kT0 + i * 1000LL).toLatin1() + "</time></trkpt>\n";
        if (chunk.size() > (1 << 20)) file.write(std::exchange(chunk, QByteArray()));
    }
    file.write(chunk + "</trkseg></trk></gpx>\n");
    return path;
}

qint64 peakKiB()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) return std::stoll(line.substr(6));
    return 0;
}

void readFile(benchmark::State& state, const QString& path)
{
    static double added = -1.0;
    std::size_t drives = 0;
    for (auto _ : state) {
        const qint64 before = peakKiB();
        const bw::drives::DriveRead read =
            bw::drives::readDriveFile(path, bw::drives::DriveRules());
        if (added < 0) added = double(peakKiB() - before) / 1024.0;
        if (!read.ok()) state.SkipWithError(read.error.toStdString().c_str());
        drives = read.drives.size();
    }
    state.counters["drives"] = double(drives);
    state.counters["MB"] = double(QFile(path).size()) / 1e6;
    state.counters["peak_added_MiB"] = added;
    added = -1.0;
}

void BM_ReadTimeline100MB(benchmark::State& state)
{
    QTemporaryDir folder;
    readFile(state, makeTimeline(folder.path()));
}
BENCHMARK(BM_ReadTimeline100MB)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_ReadGpxMillionPoints(benchmark::State& state)
{
    QTemporaryDir folder;
    readFile(state, makeGpx(folder.path()));
}
BENCHMARK(BM_ReadGpxMillionPoints)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv) { return bw::bench::runBenchmarks<QCoreApplication>(argc, argv); }
