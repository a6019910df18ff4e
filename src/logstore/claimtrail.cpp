// The trail written with every change of trips, and the claim tables kept through a
// restore.
#include "logstore/claimtrail.h"

#include "logstore/blanktripsql.h"
#include "logstore/logdatabase.h"
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
        trip.field(k) = textNumbers         ? fieldValue(value, k)
                        : value.isNull()    ? QVariant()
                        : isNumericField(k) ? QVariant(value.toDouble())
                                            : QVariant(value.toString());
    }
    return trip;
}

} // namespace

const QByteArray& claimsTrip()
{
    static const QByteArray condition = "trip_id IS NOT NULL AND NOT " + blankTripCall();
    return condition;
}

const QByteArray& claimTripColumns()
{
    static const QByteArray columns = "claim, position, trip_id, " + tripColumns();
    return columns;
}

struct TripTrail::Statements {
    explicit Statements(sql::Database& db)
        : any(db, "SELECT EXISTS (SELECT 1 FROM claim_trips)"),
          latest(db, (QByteArray("SELECT max(claim) FROM claim_trips WHERE trip_id = ?1 AND ")
                      + claimsTrip())
                         .constData()),
          row(db, ("SELECT " + tripColumns() + " FROM trips WHERE id = ?1").constData()),
          snapshot(db, ("SELECT " + tripColumns()
                        + " FROM claim_trips WHERE claim = ?1 AND trip_id = ?2 LIMIT 1")
                           .constData()),
          claimedInLog(db, (QByteArray("SELECT DISTINCT trip_id FROM claim_trips WHERE ")
                            + claimsTrip() + " AND trip_id IN (SELECT id FROM trips)")
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
    sql::Statement trips(db, ("SELECT id, " + tripColumns()
                              + " FROM trips WHERE id IN (SELECT trip_id FROM claim_trips WHERE "
                              + claimsTrip() + ")")
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
                                + claimsTrip() + " GROUP BY trip_id ORDER BY trip_id")
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

ChainWalk walkChain(const std::vector<StoredLink>& links,
                    std::array<std::map<qint64, QByteArray>, kLinkKinds> hashes,
                    const QString& kept)
{
    ChainWalk walk;
    const auto fail = [&](const ChainBreak& broken) {
        if (!walk.broken) walk.broken = broken;
    };
    QString previous;
    for (const StoredLink& link : links) {
        ++walk.entries;
        walk.head = link.hash;
        if (!kept.isEmpty() && link.hash.compare(kept, Qt::CaseInsensitive) == 0)
            walk.holdsHead = true;
        int kind = 0;
        while (kind < kLinkKinds && kindName(static_cast<LinkKind>(kind)) != link.kind) ++kind;
        if (kind == kLinkKinds) {
            fail({ChainBreak::What::UnknownLink, walk.entries, LinkKind::Claim, 0});
            previous = link.hash;
            continue;
        }
        auto& ofKind = hashes[static_cast<std::size_t>(kind)];
        const auto found = ofKind.find(link.ref);
        const QString hash = found == ofKind.end() ? QString() : QString::fromLatin1(found->second);
        const QString expected = QString::fromLatin1(linkHash(link.kind, link.ref, hash, previous));
        if (found == ofKind.end() || hash != link.content || link.previous != previous
            || link.hash != expected) {
            fail({ChainBreak::What::Link, walk.entries, static_cast<LinkKind>(kind), link.ref});
        }
        if (found != ofKind.end()) ofKind.erase(found);
        previous = expected;
    }
    // A row no link covers was put in beside the program.
    for (int kind = 0; kind < kLinkKinds; ++kind) {
        const auto& left = hashes[static_cast<std::size_t>(kind)];
        if (!left.empty()) {
            fail(
                {ChainBreak::What::Uncovered, 0, static_cast<LinkKind>(kind), left.begin()->first});
        }
    }
    return walk;
}

} // namespace bw::claims
