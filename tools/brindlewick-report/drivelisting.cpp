// The drives of recorded tracks and Timeline exports as trips for the CSV import.
#include "brindlewick-report/drivelisting.h"

#include "brindlewick-report/reporttool.h"
#include "core/logunits.h"
#include "drives/drivefile.h"
#include "logstore/placestore.h"
#include "logstore/settingsstore.h"
#include "logtable/tripcsv.h"
#include "logtable/triplog.h"

#include <QCoreApplication>
#include <QTextStream>

namespace bw::reporttool {

namespace {

// What the log knows that the listing uses: its unit (miles for a log that has kept none)
// and its saved places. Read-only, as every reading of the tool.
struct LogKnowledge {
    DistanceUnit unit = DistanceUnit::Miles;
    std::vector<drives::SavedPlace> places;
};

LogKnowledge readLog()
{
    SettingsStore store;
    const TripLog log(store, TripLog::Access::Reader);
    if (!log.database()) return {};
    return {log.database()->units().distance, PlaceStore(*log.database()).places()};
}

} // namespace

QByteArray drivesCsv(const std::vector<drives::DriveTrip>& trips)
{
    // The import finds its columns by these captions in English, whatever the language.
    QString out = QStringLiteral("Date,Starting Location,Destination,Description/Notes,"
                                 "Odometer Start,Odometer End,Mileage,Reimbursement\n");
    for (const drives::DriveTrip& trip : trips) {
        out += trip.date.toString(Qt::ISODate) + u',' + csvField(trip.from) + u','
               + csvField(trip.to) + QStringLiteral(",,,,") + QString::number(trip.mileage, 'f', 1)
               + QStringLiteral(",\n");
    }
    return out.toUtf8();
}

int listDrives(const DriveListing& listing, QTextStream& out, QTextStream& err)
{
    LogKnowledge log;
    try {
        log = readLog();
    } catch (const std::exception& failure) {
        return say(err,
                   QCoreApplication::translate("ReportTool",
                                               "the log's unit and places could not be read: %1")
                       .arg(QString::fromUtf8(failure.what())),
                   kExitFailed);
    }
    const DistanceUnit unit =
        listing.unit.isEmpty() ? log.unit : unitFromCode(listing.unit).value_or(log.unit);
    drives::DriveRules rules;
    if (listing.minStopMinutes) rules.stopSeconds = *listing.minStopMinutes * 60;
    drives::DriveRead read = drives::readDriveFiles(listing.files, rules);
    if (!read.ok()) return say(err, read.error, kExitFailed);
    drives::namePlaces(read.drives, log.places);
    std::vector<drives::DriveTrip> trips;
    trips.reserve(read.drives.size());
    const drives::Unit in =
        unit == DistanceUnit::Kilometres ? drives::Unit::Kilometres : drives::Unit::Miles;
    for (const drives::Drive& drive : read.drives) trips.push_back(drives::tripOf(drive, in));
    out << QString::fromUtf8(drivesCsv(trips));
    out.flush();
    return kExitDone;
}

} // namespace bw::reporttool
