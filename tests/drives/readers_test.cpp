// Tests of the readers of tracks and Timeline exports: each format, bad input, cancelling.
#include "drives/drivefile.h"
#include "drives/drivereading.h"
#include "drives/tracks.h"
#include "support/testfiles.h"

#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace bw::drives {
namespace {

const Track kDrives = track({{600, 5, 15.0}, {400, 10, 0.0}, {300, 5, 10.0}});

const char kTakeout[] = R"({"timelineObjects": [
 {"placeVisit": {"location": {"latitudeE7": 480000000, "longitudeE7": 110000000, "placeId": "a",
   "address": "Main St 1\n80331 Town", "name": "Office"},
   "duration": {"startTimestamp": "2022-03-03T08:00:00Z", "endTimestamp": "2022-03-03T12:22:24Z"}}},
 {"activitySegment": {"startLocation": {"latitudeE7": 480000000, "longitudeE7": 110000000},
   "endLocation": {"latitudeE7": 481000000, "longitudeE7": 110000000},
   "duration": {"startTimestamp": "2022-03-03T12:22:24Z", "endTimestamp": "2022-03-03T12:43:34Z"},
   "distance": 12640, "activityType": "IN_PASSENGER_VEHICLE", "confidence": "HIGH",
   "activities": [{"activityType": "IN_PASSENGER_VEHICLE", "probability": 85.6}],
   "waypointPath": {"waypoints": [{"latE7": 480000000, "lngE7": 110000000}], "travelMode": "DRIVE"}}},
 {"placeVisit": {"location": {"latitudeE7": 481000000, "longitudeE7": 110000000,
   "address": "Harbour Rd 5\nTown"}, "otherCandidateLocations": [{"name": "Not this"}]}},
 {"activitySegment": {"startLocation": {"latitudeE7": 481000000, "longitudeE7": 110000000},
   "endLocation": {"latitudeE7": 480500000, "longitudeE7": 110000000},
   "duration": {"startTimestampMs": "1646313000000", "endTimestampMs": "1646314200000"},
   "activities": [{"activityType": "WALKING", "probability": 10.5},
                  {"activityType": "IN_PASSENGER_VEHICLE", "probability": 80.1}]}},
 {"activitySegment": {"startLocation": {"latitudeE7": 480500000, "longitudeE7": 110000000},
   "endLocation": {"latitudeE7": 480400000, "longitudeE7": 110000000},
   "duration": {"startTimestamp": "2022-03-03T13:10:00Z", "endTimestamp": "2022-03-03T13:30:00Z"},
   "distance": 1200, "activityType": "WALKING"}}
]})";

const char kAndroid[] = R"({"semanticSegments": [
 {"startTime": "2024-04-03T07:00:00.000+02:00", "endTime": "2024-04-03T08:00:00.000+02:00",
  "startTimeTimezoneUtcOffsetMinutes": 120, "endTimeTimezoneUtcOffsetMinutes": 120,
  "visit": {"hierarchyLevel": 0, "probability": 0.9, "topCandidate": {"placeId": "ChIJa",
   "semanticType": "HOME", "probability": 0.8, "placeLocation": {"latLng": "48.0000000°, 11.0000000°"}}}},
 {"startTime": "2024-04-03T07:00:00.000+02:00", "endTime": "2024-04-03T08:00:00.000+02:00",
  "visit": {"hierarchyLevel": 1, "topCandidate": {"placeId": "ChIJz", "semanticType": "UNKNOWN",
   "placeLocation": {"latLng": "48.0001000°, 11.0000000°"}}}},
 {"startTime": "2024-04-03T08:00:00.000+02:00", "endTime": "2024-04-03T08:25:00.000+02:00",
  "activity": {"start": {"latLng": "48.0000000°, 11.0000000°"}, "end": {"latLng": "48.1000000°, 11.0000000°"},
   "distanceMeters": 14211.5, "probability": 0.9,
   "topCandidate": {"type": "IN_PASSENGER_VEHICLE", "probability": 0.95},
   "parking": {"location": {"latLng": "48.1°, 11.0°"}, "startTime": "2024-04-03T08:25:00.000+02:00"}}},
 {"startTime": "2024-04-03T08:00:00.000+02:00", "endTime": "2024-04-03T10:00:00.000+02:00",
  "timelinePath": [{"point": "48.05°, 11.0°", "time": "2024-04-03T08:10:00.000+02:00"}]},
 {"startTime": "2024-04-03T08:25:00.000+02:00", "endTime": "2024-04-03T17:00:00.000+02:00",
  "visit": {"hierarchyLevel": 0, "topCandidate": {"placeId": "ChIJb", "semanticType": "WORK",
   "placeLocation": {"latLng": "48.1°, 11.0°"}}}},
 {"startTime": "2024-04-03T17:00:00.000+02:00", "endTime": "2024-04-03T17:20:00.000+02:00",
  "activity": {"start": {"latLng": "48.1°, 11.0°"}, "end": {"latLng": "48.0°, 11.0°"},
   "distanceMeters": 15000, "topCandidate": {"type": "IN_BUS", "probability": 0.7}}}],
 "rawSignals": [{"position": {"LatLng": "48.0°, 11.0°", "accuracyMeters": 13,
   "timestamp": "2024-04-03T07:30:00.000+02:00"}}, {"wifiScan": {"devicesRecords": [{"mac": 7, "rawRssi": -50}]}}],
 "userLocationProfile": {"frequentPlaces": [{"placeId": "ChIJa", "placeLocation": "48.0°, 11.0°", "label": "HOME"}]}})";

const char kIos[] = R"([
 {"endTime": "2024-04-03T08:00:00.000+02:00", "startTime": "2024-04-03T07:00:00.000+02:00",
  "visit": {"hierarchyLevel": "0", "topCandidate": {"probability": "0.9", "semanticType": "Home",
   "placeID": "ChIJa", "placeLocation": "geo:48.000000,11.000000"}, "probability": "0.8"}},
 {"endTime": "2024-04-03T08:25:00.000+02:00", "startTime": "2024-04-03T08:00:00.000+02:00",
  "activity": {"probability": "0.98", "end": "geo:48.100000,11.000000", "distanceMeters": "14211.500000",
   "topCandidate": {"type": "in passenger vehicle", "probability": "0.92"}, "start": "geo:48.000000,11.000000"}},
 {"endTime": "2024-04-03T10:00:00.000+02:00", "startTime": "2024-04-03T08:00:00.000+02:00",
  "timelinePath": [{"point": "geo:48.05,11.0", "durationMinutesOffsetFromStartTime": "20"}]},
 {"endTime": "2024-04-03T17:00:00.000+02:00", "startTime": "2024-04-03T08:25:00.000+02:00",
  "visit": {"hierarchyLevel": "0", "topCandidate": {"semanticType": "Searched Address",
   "placeID": "ChIJc", "placeLocation": "geo:48.100000,11.000000"}}}])";

class DriveFiles : public ::testing::Test {
protected:
    QString write(const char* name, const QByteArray& bytes)
    {
        const QString path = dir_.filePath(QString::fromLatin1(name));
        test::writeFile(path, bytes);
        return path;
    }
    QTemporaryDir dir_;
};

TEST_F(DriveFiles, EachFormatGivesItsDrives)
{
    const qint64 androidStart =
        QDateTime::fromString(QStringLiteral("2024-04-03T06:00:00Z"), Qt::ISODate)
            .toMSecsSinceEpoch();
    const struct {
        const char* file;
        QByteArray bytes;
        std::vector<std::tuple<qint64, double, const char*, const char*>>
            drives; // start, metres, from, to
    } cases[] = {
        {"track11.gpx", gpx(kDrives), {{kT0, 9000, "", ""}, {kT0 + 1000000, 3000, "", ""}}},
        {"track10.gpx", gpx(kDrives, "1.0"), {{kT0, 9000, "", ""}, {kT0 + 1000000, 3000, "", ""}}},
        {"2022_MARCH.json",
         kTakeout,
         {{1646310144000, 12640, "Office", "Harbour Rd 5, Town"},
          {1646313000000, geodesicMetres({48.1, 11.0}, {48.05, 11.0}), "Harbour Rd 5, Town", ""}}},
        {"Timeline.json", kAndroid, {{androidStart, 14211.5, "Home", "Work"}}},
        {"location-history.json", kIos, {{androidStart, 14211.5, "Home", ""}}},
    };
    for (const auto& c : cases) {
        const DriveRead read = readDriveFile(write(c.file, c.bytes), DriveRules());
        ASSERT_TRUE(read.ok()) << c.file << ": " << read.error.toStdString();
        ASSERT_EQ(read.drives.size(), c.drives.size()) << c.file;
        for (std::size_t i = 0; i < c.drives.size(); ++i) {
            const auto& [start, metres, from, to] = c.drives[i];
            EXPECT_EQ(read.drives[i].startMs, start) << c.file << " " << i;
            EXPECT_NEAR(read.drives[i].metres, metres, metres * 2e-3) << c.file << " " << i;
            EXPECT_EQ(read.drives[i].from.exportName, QString::fromUtf8(from))
                << c.file << " " << i;
            EXPECT_EQ(read.drives[i].to.exportName, QString::fromUtf8(to)) << c.file << " " << i;
        }
    }
}

TEST_F(DriveFiles, BadInputIsNamedWithTheFileAndWhatIsWrong)
{
    Track backwards = kDrives;
    std::swap(backwards.points[40].first, backwards.points[41].first);
    const QByteArray gpxText = gpx(kDrives);
    const QByteArray cutGpx = gpxText.left(gpxText.size() / 2);
    const QByteArray cutJson = QByteArray(kAndroid).left(900);
    // The line the cut falls on.
    const auto lastLine = [](const QByteArray& bytes) {
        return "line " + QByteArray::number(bytes.count('\n') + 1) + ": the file ends before its ";
    };
    const QByteArray noTime =
        QByteArray(gpxText).replace("<time>" + iso(kT0 + 5000) + "</time>", "");
    const struct {
        const char* file;
        QByteArray bytes;
        QByteArray says;
    } cases[] = {
        {"notes.txt", "hello, world", "neither a GPX track nor a Timeline export"},
        {"empty.gpx", " \n", "the file is empty"},
        {"places.kml", "<kml xmlns=\"http://www.opengis.net/kml/2.2\"><Document/></kml>",
         "its root element is <kml>"},
        {"cut.gpx", cutGpx, lastLine(cutGpx) + "XML does"},
        {"cut.json", cutJson, lastLine(cutJson) + "JSON does"},
        {"bad.gpx", "<gpx><trk><trkseg></trk></gpx>", "line 1: this is not well-formed XML"},
        {"bad.json", "{\"semanticSegments\": [}", "line 1: this is not well-formed JSON"},
        {"backwards.gpx", gpx(backwards),
         "line 47: the time 2024-05-01T08:03:20Z comes before 2024-05-01T08:03:25Z"},
        {"notime.gpx", noTime, "line 7: a track point has no time"},
        {"waypoints.gpx",
         "<gpx version=\"1.1\"><wpt lat=\"1\" lon=\"2\"/><trk><trkseg/></trk></gpx>",
         "no track points"},
        {"pole.gpx",
         gpx(kDrives, "1.1",
             "<trkpt lat=\"91.5\" lon=\"11\"><time>2024-05-01T09:00:00Z</time></trkpt>"),
         "the position 91.5, 11 lies outside"},
        {"e7.json", QByteArray(kTakeout).replace("481000000", "1810000000"),
         "line 6: the position 181, 11 lies outside"},
        {"Records.json",
         R"({"locations": [{"latitudeE7": 1, "longitudeE7": 2, "timestamp": "2022-01-12T17:18:24.190Z"}]})",
         "raw location records"},
        {"geo.json",
         QByteArray(kIos).replace("geo:48.100000,11.000000\", \"distance",
                                  "geo:north\", \"distance"),
         "line 6: \"geo:north\" is no position"},
        {"reversed.json",
         QByteArray(kAndroid).replace("\"endTime\": \"2024-04-03T08:25",
                                      "\"endTime\": \"2024-04-03T07:25"),
         "a drive ends before it starts"},
        {"deep.json", QByteArray(300, '[') + QByteArray(300, ']'), "nests deeper"},
        {"other.json", R"({"type": "FeatureCollection", "features": []})",
         "neither a Timeline export nor"},
        {"long.json", "{\"semanticSegments\": [{\"startTime\": \"" + QByteArray(65 << 20, 'a'),
         "longer than 64 MiB"},
    };
    for (const auto& c : cases) {
        const QString path = write(c.file, c.bytes);
        const DriveRead read = readDriveFile(path, DriveRules());
        EXPECT_TRUE(read.drives.empty()) << c.file;
        EXPECT_TRUE(read.error.startsWith(path)) << read.error.toStdString();
        EXPECT_TRUE(read.error.contains(QString::fromUtf8(c.says))) << read.error.toStdString();
    }
    EXPECT_TRUE(readDriveFile(dir_.path(), DriveRules()).error.contains(QStringLiteral("folder")));
}

TEST_F(DriveFiles, ATwoGigabyteFileIsReadAsAStream)
{
    // Sparse files: 2 GiB on the file system's word, hardly any on its disk.
    for (const QByteArray& head : {gpx(kDrives).left(300), QByteArray(kAndroid).left(600)}) {
        const QString path = write("huge", head);
        QFile file(path);
        ASSERT_TRUE(file.resize((qint64(2) << 30) + 1));
        qint64 furthest = 0;
        const DriveRead read = readDriveFile(path, DriveRules(), [&](qint64 done, qint64 total) {
            furthest = done;
            return total == file.size();
        });
        EXPECT_TRUE(read.error.contains(QStringLiteral("not well-formed")))
            << read.error.toStdString();
        EXPECT_LT(furthest, qint64(1) << 20); // the error is found without reading on
    }
}

TEST_F(DriveFiles, SeveralFilesGiveOneListAndCancellingGivesNothing)
{
    const QStringList paths = {write("Timeline.json", kAndroid), write("day.gpx", gpx(kDrives))};
    std::vector<qint64> seen;
    const DriveRead all = readDriveFiles(paths, DriveRules(), [&](qint64 done, qint64 total) {
        seen.push_back(done);
        return done <= total;
    });
    ASSERT_TRUE(all.ok()) << all.error.toStdString();
    ASSERT_EQ(all.drives.size(), 3u);
    EXPECT_TRUE(
        std::is_sorted(all.drives.begin(), all.drives.end(),
                       [](const Drive& a, const Drive& b) { return a.startMs < b.startMs; }));
    EXPECT_EQ(seen.back(), QFileInfo(paths[0]).size() + QFileInfo(paths[1]).size());
    for (const QString& path : paths) {
        const DriveRead cancelled =
            readDriveFile(path, DriveRules(), [](qint64, qint64) { return false; });
        EXPECT_TRUE(cancelled.cancelled && cancelled.drives.empty() && cancelled.error.isEmpty());
    }
    const DriveRead failed = readDriveFiles({paths[0], write("x.txt", "x")}, DriveRules());
    EXPECT_TRUE(failed.drives.empty() && failed.error.contains(QStringLiteral("x.txt")));
}

// Read on a thread of its own: the same drives as read here; a cancel leaves none.
TEST(DriveReadingTest, ReadsOnItsOwnThreadAndACancelLeavesNoDrives)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("day.gpx"));
    test::writeFile(path, gpx(track({{20000, 1, 15.0}, {600, 10, 0.0}, {9000, 1, 10.0}})));
    const DriveRead here = readDriveFiles({path}, DriveRules{});
    ASSERT_EQ(here.drives.size(), 2u) << here.error.toStdString();
    for (const bool cancel : {false, true}) {
        DriveReading reading({path}, DriveRules{});
        QSignalSpy finished(&reading, &DriveReading::finished);
        reading.start();
        if (cancel) reading.cancel();
        ASSERT_TRUE(finished.wait(60000)) << cancel;
        const DriveRead read = reading.take();
        EXPECT_EQ(read.cancelled, cancel);
        EXPECT_EQ(read.drives.size(), cancel ? 0u : here.drives.size());
        if (!cancel) {
            EXPECT_EQ(reading.progress(), 1000);
        }
    }
}

} // namespace
} // namespace bw::drives
