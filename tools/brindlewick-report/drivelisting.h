// --list-drives: the drives of GPX tracks and Timeline exports as CSV for the trip import.
#pragma once

#include "drives/places.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class QTextStream;

namespace bw::reporttool {

struct DriveListing {
    QStringList files;
    // "km" or "mi" in place of the log's distance unit; empty for the log's own.
    QString unit;
    // A stop or a gap this many minutes long ends a drive; nothing for the default.
    std::optional<int> minStopMinutes;
};

// The trips as CSV that "Import Trips from CSV..." reads: the eight captions in English,
// UTF-8 without a byte order mark, dates as YYYY-MM-DD, Mileage with one decimal, the
// odometer readings and the Reimbursement empty.
QByteArray drivesCsv(const std::vector<drives::DriveTrip>& trips);

// Reads every file and prints its drives as drivesCsv to `out`, their ends named after
// the log's saved places or the exports' names, in the log's unit (or listing.unit),
// dated in the local time zone. The log is only read. A file that cannot be read is named
// on `err` with its reason, and nothing is printed (status 1).
int listDrives(const DriveListing& listing, QTextStream& out, QTextStream& err);

} // namespace bw::reporttool
