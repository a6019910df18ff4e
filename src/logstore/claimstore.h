// Claims remembered: what each handed-in report held, the files it was saved as, whether
// it was paid, and a trail of later changes to the trips it held, all in one hash chain.
#pragma once

#include "core/claim.h"
#include "core/trip.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <optional>
#include <unordered_map>
#include <vector>

namespace bw {

class LogDatabase;

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

} // namespace bw
