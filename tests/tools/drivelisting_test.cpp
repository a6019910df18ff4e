// Tests of --list-drives: CSV that the trip import reads, and files that cannot be read.
#include "brindlewick-report/drivelisting.h"
#include "logstore/logdatabase.h"
#include "logstore/placestore.h"
#include "logtable/tripcsv.h"
#include "platform/datetext.h"
#include "support/fakeplatform.h"
#include "support/testfiles.h"
#include "tools/inprocesstool.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

namespace bw {
namespace {

const char kTimeline[] = R"({"semanticSegments": [
 {"startTime": "2024-04-03T23:40:00.000+02:00", "endTime": "2024-04-04T00:05:00.000+02:00",
  "activity": {"start": {"latLng": "48.0°, 11.0°"}, "end": {"latLng": "48.1°, 11.0°"},
   "distanceMeters": 14211.5, "topCandidate": {"type": "IN_PASSENGER_VEHICLE"}}},
 {"startTime": "2024-04-04T00:05:00.000+02:00", "endTime": "2024-04-04T09:00:00.000+02:00",
  "visit": {"topCandidate": {"semanticType": "HOME", "placeLocation": {"latLng": "48.1°, 11.0°"}}}}]})";

class DriveListingTest : public test::InProcessToolTest {
protected:
    QString write(const char* name, const QByteArray& bytes)
    {
        const QString path = QDir(folder.path()).filePath(QString::fromLatin1(name));
        test::writeFile(path, bytes);
        return path;
    }

    test::TestPlatform platform;
    QTemporaryDir folder;
};

TEST_F(DriveListingTest, TheDrivesAreTripsTheImportReads)
{
    const QString timeline = write("Timeline.json", kTimeline);
    PlaceStore(
        *std::make_unique<LogDatabase>(LogDatabase::defaultPath(), LogDatabase::Access::ReadWrite))
        .addPlaces({{QStringLiteral("Office"), {48.0, 11.0}}});
    for (const auto& [unit, mileage] : {std::pair("mi", 8.8), std::pair("km", 14.2)}) {
        ASSERT_EQ(tool({QStringLiteral("--list-drives"), QStringLiteral("--unit"),
                        QString::fromLatin1(unit), timeline}),
                  reporttool::kExitDone)
            << err.toStdString();
        EXPECT_TRUE(out.startsWith(
            QStringLiteral("Date,Starting Location,Destination,Description/"
                           "Notes,Odometer Start,Odometer End,Mileage,Reimbursement\n")));
        const TripImport read = readTripsCsv(out.toUtf8(), QLocale(QLocale::German));
        ASSERT_TRUE(read.failure.isEmpty() && read.problems.empty()) << out.toStdString();
        ASSERT_EQ(read.trips.size(), 1u);
        EXPECT_EQ(read.trips[0].date, dateToText(QDate(2024, 4, 3), QLocale(QLocale::German)));
        EXPECT_EQ(read.trips[0].startingLocation, QStringLiteral("Office")) << "a saved place";
        EXPECT_EQ(read.trips[0].destination, QStringLiteral("Home"));
        EXPECT_EQ(read.trips[0].mileage.toDouble(), mileage);
        EXPECT_TRUE(read.trips[0].odometerStart.toString().isEmpty());
    }
    // Names that a spreadsheet would take for formulas, or that hold the separator, come back.
    const std::vector<drives::DriveTrip> trips = {{QDate(2024, 5, 1),
                                                   {},
                                                   {},
                                                   QStringLiteral("=Home, Inc"),
                                                   QStringLiteral("\"Depot\" 7"),
                                                   12.0}};
    const TripImport back = readTripsCsv(reporttool::drivesCsv(trips));
    ASSERT_EQ(back.trips.size(), 1u);
    EXPECT_EQ(back.trips[0].startingLocation, trips[0].from);
    EXPECT_EQ(back.trips[0].destination, trips[0].to);
    EXPECT_TRUE(reporttool::drivesCsv(trips).contains(",12.0,"));
}

TEST_F(DriveListingTest, AFileThatCannotBeReadPrintsNothing)
{
    const QString good = write("Timeline.json", kTimeline);
    const QString bad = write("cut.gpx", "<gpx><trk><trkseg><trkpt lat=\"1\" lon=\"2\">");
    EXPECT_EQ(tool({QStringLiteral("--list-drives"), good, bad}), reporttool::kExitFailed);
    EXPECT_TRUE(out.isEmpty());
    EXPECT_TRUE(err.contains(bad + QStringLiteral(", line 1: the file ends before its XML does")))
        << err.toStdString();
    const struct {
        QStringList arguments;
        const char* says;
    } usage[] = {
        {{"--list-drives"}, "--list-drives needs a file to read"},
        {{"--list-drives", "--sample", good}, "takes no options but"},
        {{"--list-drives", "--min-stop", "0", good}, "whole minutes from 1 to 1440, not 0"},
        {{"--min-stop=4", "a.xls"}, "--min-stop goes with --list-drives"},
    };
    for (const auto& c : usage) {
        EXPECT_EQ(tool(c.arguments), reporttool::kExitUsage);
        EXPECT_TRUE(err.contains(QString::fromLatin1(c.says))) << err.toStdString();
    }
}

} // namespace
} // namespace bw
