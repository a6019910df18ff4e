// A claim as a value: what a handed-in report held, the files it was saved as and whether
// it was paid, and what a check of the claims' hash chain found. The store keeps them; the
// windows show them without reaching the store.
#pragma once

#include "core/logunits.h"
#include "core/rateschedule.h"
#include "core/trip.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <optional>
#include <vector>

namespace bw {

struct ClaimFile {
    QString path;   // absolute path as saved
    QString format; // "xls", "xlsx", "pdf", or "print" (no path, no hash)
    QString sha256; // lower-case hex of the file's bytes as written; empty for "print"
    QDateTime at;   // UTC
};

struct ClaimedTrip {
    qint64 tripId = 0; // the trip's lasting id in the log (StoredTrip::id); 0 for a blank row
    Trip trip;         // its eight fields as text, as the report held them
};

// What a report held when it was first saved or printed.
struct ClaimRecord {
    QDateTime savedAt; // UTC
    QString employeeName, employeeID, vehicleDescription, authorizedBy, ratePerMile;
    QDate periodFrom, periodTo;
    QString locale; // QLocale::name() the report was made in, e.g. "en_US"
    std::vector<RateChange> rates;
    std::vector<ClaimedTrip> trips;
    QString totalMiles, totalAmount; // as the report's totals row shows them
    LogUnits units;                  // the distance unit and currency the report named
};

struct Claim : ClaimRecord {
    qint64 number = 0;               // 1, 2, 3 ... in the order recorded
    std::vector<ClaimFile> files;    // in the order saved
    std::optional<QDateTime> paidAt; // while it stands paid: when it was marked so
};

struct ChainCheck {
    bool holds = true;
    qint64 claims = 0, entries = 0; // entries = length of the whole chain
    QString head;                   // hex SHA-256 of the last link ("" when empty)
    QString firstFailure;           // names the first link that fails, e.g. "trail entry 7"
    // A head kept from an earlier check is still a link of the chain. No chain kept in the
    // file can notice its own end being cut off (its last claims and their links deleted,
    // or all of it): a head kept elsewhere can.
    bool holdsHead = false;
};

// The trips a claim holds: its report's rows that are not blank (a report writes its
// blank rows too, and claims recorded before they were told apart gave them an id).
int tripCount(const ClaimRecord& claim);

// Lower-case hex SHA-256 of a file's bytes; empty when it cannot be read.
QString fileSha256(const QString& path);

} // namespace bw
