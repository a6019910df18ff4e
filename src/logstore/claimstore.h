// Claims remembered: what each handed-in report held, the files it was saved as, whether
// it was paid, and a trail of later changes to the trips it held, all in one hash chain.
#pragma once

#include "core/logunits.h"
#include "core/rateschedule.h"
#include "core/trip.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <optional>
#include <unordered_map>
#include <vector>

namespace bw {

class LogDatabase;

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

// What the grid shows for a claimed trip: its latest claim.
struct ClaimMark {
    qint64 claimNumber = 0;
    QString fileName;  // the claim's first file's name ("claim.xls"), or empty when printed
    QDateTime savedAt; // UTC
};

struct TrailEntry {
    qint64 number = 0;
    QDateTime at; // UTC
    qint64 tripId = 0;
    qint64 claimNumber = 0; // the latest claim that held the trip
    enum class Change { Edited, Deleted, MovedToHistory, Returned } change;
    QString field; // Trip field key for Edited ("date", "from", ...), else empty
    QString oldText, newText;
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

class ClaimStore {
public:
    explicit ClaimStore(LogDatabase& database);
    // One transaction each; throw sql::SqlError and change nothing on failure.
    qint64 recordClaim(const ClaimRecord& record, const ClaimFile& firstFile);
    void addFile(qint64 claimNumber, const ClaimFile& file);
    // A paid mark, and an unpaid one that takes it back: each appended with its link, never
    // deleted. A mark that would not change whether the claim is paid is not made.
    void markPaid(qint64 claimNumber, const QDateTime& at);
    void markUnpaid(qint64 claimNumber, const QDateTime& at);
    std::vector<Claim> claims(); // number order, whole
    std::optional<Claim> claim(qint64 number);
    std::unordered_map<qint64, ClaimMark> claimedTrips(); // trip id -> latest claim
    // The claimed trips the log no longer holds (moved out by a new period), each as its
    // latest claim held it, with that claim's locale (QLocale::name()) for its texts.
    std::vector<std::pair<Trip, QString>> tripsOutsideLog();
    std::vector<TrailEntry> trailFor(qint64 tripId); // oldest first
    // `kept`: a head to look for among the links (holdsHead).
    ChainCheck checkChain(const QString& kept = QString());

private:
    bool hasTables();
    bool claimExists(qint64 number);
    bool isPaid(qint64 claimNumber);
    void setPaid(qint64 claimNumber, bool paid, const QDateTime& at);
    std::vector<Claim> readClaims(std::optional<qint64> number);

    LogDatabase& db_;
};

// The key of Trip field `field` (grid column order) in trail entries: "date", "from",
// "to", "description", "odometerStart", "odometerEnd", "mileage", "reimbursement".
QString tripFieldKey(int field);

// The trips a claim holds: its report's rows that are not blank (a report writes its
// blank rows too, and claims recorded before they were told apart gave them an id).
int tripCount(const ClaimRecord& claim);

// Lower-case hex SHA-256 of a file's bytes; empty when it cannot be read.
QString fileSha256(const QString& path);

} // namespace bw
