// The trail written with every change of trips, and the claim tables kept through a
// restore.
#include "core/claimtrail.h"

#include "core/logdatabase.h"
#include "platform/clock.h"
#include "platform/platform.h"

#include <unordered_set>

namespace bw::claims {

namespace {

QDateTime nowUtc()
{
    const QDateTime now = platform().clock ? platform().clock->now() : QDateTime::currentDateTime();
    return now.toUTC();
}

std::optional<Trip> tripFrom(sql::Statement& row, int first, bool textNumbers)
{
    Trip trip;
    for (int k = 0; k < Trip::kFieldCount; ++k) {
        const QVariant value = row.valueAt(first + k);
        trip.field(k) = textNumbers      ? fieldValue(value, k)
                        : value.isNull() ? QVariant()
                        : k >= 6         ? QVariant(value.toDouble())
                                         : QVariant(value.toString());
    }
    return trip;
}

constexpr char kTripColumns[] = "date, starting_location, destination, description,"
                                " odometer_start, odometer_end, mileage, reimbursement";

} // namespace

struct TripTrail::Statements {
    explicit Statements(sql::Database& db)
        : any(db, "SELECT EXISTS (SELECT 1 FROM claim_trips)"),
          latest(db, (QByteArray("SELECT max(claim) FROM claim_trips WHERE trip_id = ?1 AND ")
                      + kClaimsTrip)
                         .constData()),
          row(db, (QByteArray("SELECT ") + kTripColumns + " FROM trips WHERE id = ?1").constData()),
          snapshot(db, (QByteArray("SELECT ") + kTripColumns
                        + " FROM claim_trips WHERE claim = ?1 AND trip_id = ?2 LIMIT 1")
                           .constData()),
          claimedInLog(db, (QByteArray("SELECT DISTINCT trip_id FROM claim_trips WHERE ")
                            + kClaimsTrip + " AND trip_id IN (SELECT id FROM trips)")
                               .constData())
    {}
    sql::Statement any, latest, row, snapshot, claimedInLog;
};

TripTrail::TripTrail(sql::Database& db) : db_(db), s_(std::make_unique<Statements>(db)) {}
TripTrail::~TripTrail() = default;

std::optional<Trip> TripTrail::storedTrip(qint64 id)
{
    s_->row.bindInt(1, id);
    std::optional<Trip> trip;
    if (s_->row.step()) trip = tripFrom(s_->row, 0, false);
    s_->row.reset();
    return trip;
}

std::optional<Trip> TripTrail::snapshotOf(qint64 claim, qint64 id)
{
    s_->snapshot.bindInt(1, claim);
    s_->snapshot.bindInt(2, id);
    std::optional<Trip> trip;
    if (s_->snapshot.step()) trip = tripFrom(s_->snapshot, 0, true);
    s_->snapshot.reset();
    return trip;
}

std::vector<TrailEntry> TripTrail::entriesFor(const TripChanges& changes)
{
    s_->any.step();
    const bool any = s_->any.intAt(0) != 0;
    s_->any.reset();
    if (!any) return {};

    const QDateTime at = nowUtc();
    const auto latestClaim = [&](qint64 id) {
        s_->latest.bindInt(1, id);
        qint64 claim = 0;
        if (s_->latest.step() && !s_->latest.isNull(0)) claim = s_->latest.intAt(0);
        s_->latest.reset();
        return claim;
    };
    std::unordered_set<qint64> upserted;
    for (const StoredTrip& stored : changes.upserts) upserted.insert(stored.id);
    std::vector<qint64> removed;
    for (const qint64 id : changes.removed) {
        if (!upserted.count(id)) removed.push_back(id);
    }
    if (changes.replaceAll) {
        // Every claimed trip of the log that the new table leaves out goes with it.
        while (s_->claimedInLog.step()) {
            const qint64 id = s_->claimedInLog.intAt(0);
            if (!upserted.count(id)) removed.push_back(id);
        }
        s_->claimedInLog.reset();
    }
    const TrailEntry::Change removal =
        changes.movingToHistory ? TrailEntry::Change::MovedToHistory : TrailEntry::Change::Deleted;
    std::vector<TrailEntry> entries;
    std::unordered_set<qint64> done;
    for (const qint64 id : removed) {
        const qint64 claim = latestClaim(id);
        if (claim == 0 || !done.insert(id).second) continue;
        diffTrip(id, claim, storedTrip(id), std::nullopt, std::nullopt, removal, at, entries);
    }
    for (const StoredTrip& change : changes.upserts) {
        const qint64 claim = latestClaim(change.id);
        if (claim == 0) continue;
        const std::optional<Trip> before = storedTrip(change.id);
        const std::optional<Trip> snapshot = before ? std::nullopt : snapshotOf(claim, change.id);
        diffTrip(change.id, claim, before, change.trip, snapshot, removal, at, entries);
    }
    return entries;
}

// ---- kept through a restore ----

namespace {

// Parents before children: the order to insert in, and the reverse to delete in.
constexpr const char* kKeptTables[] = {"claims",       "claim_trips", "claim_files", "claim_paid",
                                       "claim_unpaid", "trail",       "chain"};

} // namespace

KeptClaims::KeptClaims(sql::Database& db)
{
    for (const char* name : kKeptTables) {
        Table table{name, 0, {}};
        sql::Statement rows(db, (QByteArray("SELECT * FROM ") + name).constData());
        table.columns = rows.columnCount();
        while (rows.step()) {
            std::vector<QVariant> row;
            for (int c = 0; c < table.columns; ++c) row.push_back(rows.valueAt(c));
            table.rows.push_back(std::move(row));
        }
        tables_.push_back(std::move(table));
    }
    sql::Statement trips(db, (QByteArray("SELECT id, ") + kTripColumns
                              + " FROM trips WHERE id IN (SELECT trip_id FROM claim_trips WHERE "
                              + kClaimsTrip + ")")
                                 .constData());
    while (trips.step()) trips_.emplace(trips.intAt(0), *tripFrom(trips, 1, false));
}

void KeptClaims::putBack(sql::Database& db) const
{
    sql::Transaction transaction(db);
    for (auto table = tables_.rbegin(); table != tables_.rend(); ++table) {
        db.exec((QByteArray("DELETE FROM ") + table->name).constData());
    }
    for (const Table& table : tables_) {
        QByteArray sql = QByteArray("INSERT INTO ") + table.name + " VALUES (";
        for (int c = 0; c < table.columns; ++c) sql += c == 0 ? "?" : ", ?";
        sql += ")";
        sql::Statement insert(db, sql.constData());
        for (const std::vector<QVariant>& row : table.rows) {
            for (int c = 0; c < table.columns; ++c)
                insert.bind(c + 1, row[static_cast<std::size_t>(c)]);
            insert.run();
        }
    }
    // The restored trips differ from the kept ones: that is a change of claimed trips too.
    const QDateTime at = nowUtc();
    std::vector<TrailEntry> entries;
    sql::Statement claimed(db, (QByteArray("SELECT trip_id, max(claim) FROM claim_trips WHERE ")
                                + kClaimsTrip + " GROUP BY trip_id ORDER BY trip_id")
                                   .constData());
    TripTrail trail(db);
    while (claimed.step()) {
        const qint64 id = claimed.intAt(0);
        const auto before = trips_.find(id);
        const std::optional<Trip> kept =
            before == trips_.end() ? std::nullopt : std::optional<Trip>(before->second);
        const std::optional<Trip> now = trail.storedTrip(id);
        std::optional<Trip> snapshot;
        if (!kept && now) snapshot = trail.snapshotOf(claimed.intAt(1), id);
        diffTrip(id, claimed.intAt(1), kept, now, snapshot, TrailEntry::Change::Deleted, at,
                 entries);
    }
    appendTrail(db, entries);
    transaction.commit();
}

} // namespace bw::claims
