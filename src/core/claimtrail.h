// The pieces of the claim history that the log's database itself runs: the trail written
// with every change of trips, the hash chain's links, and the claim tables kept through a
// restore. Rooms above use ClaimStore (core/claimstore.h).
#pragma once

#include "core/claimstore.h"
#include "core/sqlite.h"

#include <QByteArray>
#include <QVariant>

#include <array>
#include <map>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

namespace bw {

struct TripChanges;

namespace claims {

// Times as the tables keep them: ISO 8601 in UTC with milliseconds.
QString timeText(const QDateTime& at);
QDateTime timeOf(const QString& text);

// A trip field's text as the trail and the chain keep it: null stays null, a number is
// its shortest exact decimal form ("12.5"), a text is itself.
QVariant fieldText(const QVariant& value);
// A value read back from a text column: fields 6 and 7 (Mileage, Reimbursement) as
// numbers where the text is one.
QVariant fieldValue(const QVariant& text, int field);

// Length-prefixed UTF-8 fields, so no two different lists of fields give the same bytes.
class Canonical {
public:
    explicit Canonical(const QString& kind) { add(kind); }
    Canonical& add(const QVariant& value);
    Canonical& add(qint64 value) { return add(QVariant(value)); }
    // Every column of the row `row` stands on from column `first`, as SQLite gives its text.
    Canonical& addColumns(const sql::Statement& row, int first = 0);
    QByteArray hash() const; // lower-case hex SHA-256
private:
    QByteArray bytes_;
};

// The condition on a row of claim_trips that claims a trip of the log: one with a trip id
// whose snapshot is not blank. A blank row of a report holds its place but claims nothing;
// claims recorded before blank rows were told apart kept an id for them, which stays (the
// chain covers it) but claims nothing either, so typing into such a row is a new trip.
inline constexpr char kClaimsTrip[] =
    "trip_id IS NOT NULL AND NOT blank_trip(date, starting_location, destination, description,"
    " odometer_start, odometer_end, mileage, reimbursement)";

using Row = std::vector<QVariant>;
// The rows of `sql` (parameter 1 bound to `key` when given), every column as stored.
std::vector<Row> readRows(sql::Database& db, const QByteArray& sql, std::optional<qint64> key = {});

// What each kind of link covers, read from its tables as stored: the chain is checked
// from the same rows it was made from. A link's ref is its row's key: a claim's number, a
// file's or a paid or unpaid mark's id, a trail entry's number. (Paid marks were keyed by
// their claim before a claim could be paid again; those rows kept it as their id.)
enum class LinkKind { Claim, File, Paid, Trail, Unpaid };
inline constexpr int kLinkKinds = 5;
inline constexpr char kClaimColumns[] =
    "number, saved_at, employee_name, employee_id, vehicle_description, authorized_by,"
    " rate_per_mile, period_from, period_to, locale, rates, total_miles, total_amount,"
    " distance_unit, currency, currency_placement";
inline constexpr char kClaimTripColumns[] =
    "claim, position, trip_id, date, starting_location, destination, description,"
    " odometer_start, odometer_end, mileage, reimbursement";
inline constexpr char kFileColumns[] = "id, claim, path, format, sha256, at";
// The content of a paid or unpaid mark: its claim and time, not its id.
inline constexpr char kPaidColumns[] = "claim, at";
inline constexpr char kTrailColumns[] =
    "number, at, trip_id, claim, change, field, old_text, new_text";
// The content hash of the row `ref` of `kind` as stored now (a claim: its row, its trips'
// count and its trips in position order); nothing when the row is not there.
std::optional<QByteArray> storedContentHash(sql::Database& db, LinkKind kind, qint64 ref);
// The content hashes of every row of every kind, by kind and key, as storedContentHash
// gives them one at a time.
std::array<std::map<qint64, QByteArray>, kLinkKinds> allContentHashes(sql::Database& db);
QString kindName(LinkKind kind);
// Appends a link for the row `ref` of `kind`, hashing its stored content; in the caller's
// transaction.
void appendLink(sql::Database& db, LinkKind kind, qint64 ref);
// The hash of a link from its parts.
QByteArray linkHash(const QString& kind, qint64 ref, const QString& content,
                    const QString& previous);
// Writes the entries (numbers given by the table) and their links, in the caller's
// transaction.
void appendTrail(sql::Database& db, const std::vector<TrailEntry>& entries);

// The trail of one claimed trip between two states (nothing: not in the log).
void diffTrip(qint64 tripId, qint64 claim, const std::optional<Trip>& before,
              const std::optional<Trip>& after, const std::optional<Trip>& snapshot,
              TrailEntry::Change removal, const QDateTime& at, std::vector<TrailEntry>& out);

// The trail entries a change of trips makes, worked out from the stored rows before it
// is written. Prepared once per connection; cheap when no claim exists.
class TripTrail {
public:
    explicit TripTrail(sql::Database& db);
    ~TripTrail();
    std::vector<TrailEntry> entriesFor(const TripChanges& changes);
    // The trip as the log holds it now; nothing when it is not there.
    std::optional<Trip> storedTrip(qint64 id);
    // The trip as claim `claim` held it.
    std::optional<Trip> snapshotOf(qint64 claim, qint64 id);

private:
    struct Statements;
    sql::Database& db_;
    std::unique_ptr<Statements> s_;
};

// The claim tables and the claimed trips as they are now, to be put back over a restored
// log's; the differences of the claimed trips are then trailed.
class KeptClaims {
public:
    explicit KeptClaims(sql::Database& db);
    // In one transaction; throws sql::SqlError.
    void putBack(sql::Database& db) const;

private:
    struct Table {
        const char* name;
        int columns = 0;
        std::vector<std::vector<QVariant>> rows;
    };
    std::vector<Table> tables_;
    std::unordered_map<qint64, Trip> trips_;
};

} // namespace claims
} // namespace bw
