// Reading a damaged log as far as it can be read, and the new log made of what was read.
#include "logstore/logrecovery.h"

#include <QSet>

#include <algorithm>
#include <limits>
#include <map>
#include <memory>
#include <optional>

namespace bw {

namespace {

// The tables besides the trips whose rows a recovery keeps as they are: the claims with
// their trail and chain (whose hashes then still hold), the record of backups written, the
// saved places, the log's own fields.
constexpr const char* kKeptTables[] = {"claims",       "claim_trips", "claim_files", "claim_paid",
                                       "claim_unpaid", "trail",       "chain",       "backups",
                                       "saved_places", "log_fields"};

// A file cut short claims more pages than it has, and SQLite then refuses all of it;
// with the schema writable (on a connection that writes nothing) it reads what is there.
void readWhatIsThere(sql::Database& db)
{
    db.exec("PRAGMA busy_timeout = 5000");
    db.exec("PRAGMA writable_schema = ON");
}

std::unique_ptr<sql::Database> openFound(const QString& path, bool withWal)
{
    auto db = std::make_unique<sql::Database>(path, withWal ? sql::Database::Open::ReadOnly
                                                            : sql::Database::Open::Snapshot);
    readWhatIsThere(*db);
    return db;
}

QSet<QString> columnsOf(sql::Database& db, const char* table)
{
    sql::Statement columns(db, "SELECT name FROM pragma_table_info(?1)");
    columns.bind(1, QString::fromLatin1(table));
    QSet<QString> names;
    while (columns.step()) names.insert(columns.textAt(0));
    return names;
}

// The trips as the table keeps them, a column the table lost read as NULL.
QByteArray tripQuery(sql::Database& db, bool& withOrder)
{
    const QSet<QString> present = columnsOf(db, "trips");
    withOrder = present.contains(QStringLiteral("sort_key"));
    std::vector<const char*> columns = {"id", "sort_key"};
    for (const TripFieldInfo& field : kTripFields) columns.push_back(field.column);
    QByteArray select = "SELECT ";
    for (const char* column : columns) {
        if (select.size() > 7) select += ", ";
        select += present.contains(QLatin1String(column)) ? QByteArray(column) : "NULL";
    }
    return select + " FROM trips WHERE id >= ?1 ORDER BY id";
}

StoredTrip tripOf(const sql::Statement& row)
{
    return StoredTrip{row.intAt(0), row.doubleAt(1), tripAt(row, 2)};
}

// The table read by rowid from a point on: each read seeks through the table's interior
// pages, so a damaged leaf fails only the reads that reach it.
class RangeReader {
public:
    explicit RangeReader(sql::Database& db)
        : rows_(db, tripQuery(db, withOrder_).constData()),
          probe_(db, "SELECT id FROM trips WHERE id >= ?1 ORDER BY id LIMIT 1")
    {}

    // Every row that can be read, by id.
    std::map<qint64, StoredTrip> readAll()
    {
        std::map<qint64, StoredTrip> trips;
        std::optional<qint64> from = std::numeric_limits<qint64>::min();
        while (from) {
            const std::optional<qint64> failedAt = readFrom(*from, trips);
            if (!failedAt) break;
            damaged_ = true;
            // The program's ids are positive: a first page that fails is searched past from 1.
            from = nextReadable(std::max<qint64>(*failedAt, 0));
        }
        return trips;
    }
    bool damaged() const { return damaged_; }

private:
    // Reads on from `from` to the end; the first id not read when a page fails. A page cut
    // off by the file's end can still show its cells, read as zeros: a row out of the
    // ids' order, or without the order every trip has, is damage, not a trip.
    std::optional<qint64> readFrom(qint64 from, std::map<qint64, StoredTrip>& trips)
    {
        qint64 next = from;
        try {
            rows_.bindInt(1, from);
            while (rows_.step()) {
                const qint64 id = rows_.intAt(0);
                if (id < next) throw sql::SqlError::damaged();
                next = id == std::numeric_limits<qint64>::max() ? id : id + 1;
                if (withOrder_ && rows_.isNull(1)) continue;
                trips.emplace(id, tripOf(rows_));
            }
            rows_.reset();
            return std::nullopt;
        } catch (const sql::SqlError&) {
            rows_.reset();
            return next;
        }
    }

    bool seeks(qint64 id)
    {
        try {
            probe_.bindInt(1, id);
            probe_.step();
            probe_.reset();
            return true;
        } catch (const sql::SqlError&) {
            probe_.reset();
            return false;
        }
    }

    // The first id after `failed` from which a read gets past the damage: steps that
    // double until one reads, then halving back to the damage's end.
    std::optional<qint64> nextReadable(qint64 failed)
    {
        constexpr qint64 kLast = std::numeric_limits<qint64>::max();
        qint64 bad = failed;
        qint64 good = 0;
        for (qint64 step = 1;; step *= 2) {
            if (bad > kLast - step) return std::nullopt;
            if (seeks(bad + step)) {
                good = bad + step;
                break;
            }
            bad += step;
            if (step > kLast / 2) return std::nullopt;
        }
        while (good - bad > 1) {
            const qint64 middle = bad + (good - bad) / 2;
            (seeks(middle) ? good : bad) = middle;
        }
        return good;
    }

    bool withOrder_ = false;
    sql::Statement rows_;
    sql::Statement probe_;
    bool damaged_ = false;
};

// How many trips the log held as far as it can tell.
qint64 heldCount(sql::Database& db, qint64 read, bool damaged)
{
    if (!damaged) return read;
    try {
        return db.scalar("SELECT count(*) FROM trips INDEXED BY trips_in_order").toLongLong();
    } catch (const sql::SqlError&) {
    }
    try {
        bool number = false;
        const qint64 atClose = db.scalar("SELECT value FROM meta WHERE key = 'row_count_at_close'")
                                   .toString()
                                   .toLongLong(&number);
        if (number && atClose >= read) return atClose;
    } catch (const sql::SqlError&) {
    }
    return -1;
}

// The rows of `table` in `from` that can be read, in key order, into the same table of
// `to` (the columns both have); stops at the first that fails.
void copyReadableRows(sql::Database& from, sql::Database& to, const char* table)
{
    try {
        const QSet<QString> target = columnsOf(to, table);
        QStringList common;
        for (const QString& column : columnsOf(from, table)) {
            if (target.contains(column)) common << column;
        }
        if (common.isEmpty()) return;
        const QByteArray list = common.join(QStringLiteral(", ")).toUtf8();
        sql::Statement rows(from, "SELECT " + list + " FROM " + table);
        QByteArray values = "?";
        for (qsizetype i = 1; i < common.size(); ++i) values += ", ?";
        sql::Statement insert(to, "INSERT OR IGNORE INTO " + QByteArray(table) + " (" + list
                                      + ") VALUES (" + values + ")");
        while (rows.step()) {
            for (int c = 0; c < rows.columnCount(); ++c) insert.bind(c + 1, rows.valueAt(c));
            insert.run();
        }
    } catch (const sql::SqlError&) {
        // What was read before the damage is kept.
    }
}

} // namespace

Salvage salvageLog(const QString& path, bool withWal)
{
    Salvage salvage;
    try {
        const std::unique_ptr<sql::Database> db = openFound(path, withWal);
        RangeReader reader(*db);
        std::map<qint64, StoredTrip> trips = reader.readAll();
        salvage.trips.reserve(trips.size());
        for (auto& [id, trip] : trips) salvage.trips.push_back(std::move(trip));
        salvage.held = heldCount(*db, static_cast<qint64>(salvage.trips.size()), reader.damaged());
    } catch (const sql::SqlError&) {
        // Not even the table's first page reads: nothing of it can be recovered.
    }
    std::stable_sort(salvage.trips.begin(), salvage.trips.end(),
                     [](const StoredTrip& a, const StoredTrip& b) {
                         return a.order < b.order || (a.order == b.order && a.id < b.id);
                     });
    try {
        LogDatabase damaged(
            path, withWal ? LogDatabase::Access::ReadOnly : LogDatabase::Access::Snapshot, true);
        salvage.units = damaged.units();
        salvage.rates = damaged.rateChanges();
    } catch (const std::exception&) {
        // A file that cannot tell keeps miles and dollars, as a log that never chose.
    }
    return salvage;
}

void writeRecoveredLog(const QString& logPath, bool withWal, const Salvage& salvage,
                       const std::vector<std::pair<QString, QString>>& meta)
{
    std::unique_ptr<sql::Database> damaged;
    try {
        damaged = openFound(logPath, withWal);
    } catch (const sql::SqlError&) {
        // Its claims cannot be read either; the trips read before are kept.
    }
    LogDatabase fresh(recoveringPath(logPath), LogDatabase::Access::ReadWrite);
    TripChanges changes;
    changes.upserts = salvage.trips;
    changes.replaceAll = true;
    changes.meta = LogDatabase::unitsMeta(salvage.units);
    changes.meta.insert(changes.meta.end(), meta.begin(), meta.end());
    changes.meta.push_back({QString::fromLatin1(LogDatabase::kImportPending), QString()});
    fresh.adoptRecovered(changes, salvage.rates, [&](sql::Database& to) {
        if (!damaged) return;
        for (const char* table : kKeptTables) copyReadableRows(*damaged, to, table);
    });
    // Closed with nothing left in its write-ahead file, so that the file alone is the log.
    fresh.database().exec("PRAGMA wal_checkpoint(TRUNCATE)");
}

} // namespace bw
