// The log's database: schema, numbered migrations, typed reads and one-transaction writes.
#include "logstore/logdatabase.h"

#include "logstore/blanktripsql.h"
#include "logstore/claimtrail.h"
#include "logstore/logbackup.h"
#include "platform/clock.h"
#include "platform/oserror.h"
#include "platform/platform.h"
#include "platform/privatefiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <stdexcept>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#endif

namespace bw {

namespace {

// Each step takes the schema from version i to i + 1, inside one transaction.
void migrateTo1(sql::Database& db)
{
    db.exec("CREATE TABLE trips ("
            " id INTEGER PRIMARY KEY,"
            " sort_key REAL NOT NULL,"
            " date TEXT, starting_location TEXT, destination TEXT, description TEXT,"
            " odometer_start TEXT, odometer_end TEXT, mileage REAL, reimbursement REAL);"
            "CREATE INDEX trips_in_order ON trips (sort_key, id);"
            "CREATE TABLE meta (key TEXT PRIMARY KEY, value TEXT) WITHOUT ROWID;"
            // A new database has yet to take in what the earlier stores kept.
            "INSERT INTO meta (key, value) VALUES ('import_pending', '1');");
}

// Rates as plain decimal text, so a rate is kept exactly as it was typed (0.585, never
// 0.58499999...); dates as ISO text, which sorts as the dates do.
void migrateTo2(sql::Database& db)
{
    db.exec("CREATE TABLE rate_changes (from_date TEXT PRIMARY KEY, rate TEXT NOT NULL);");
}

// Claims and their trail are only ever appended to; the chain table links every row of
// them in the order written (see core/claimtrail.h). Rates and totals are kept as the
// texts the report showed, so a claim reads back as it was whatever the locale is later;
// the unit and currency the report named, as the meta table keeps the log's, so a claim
// is made again the same after the log's have changed.
void migrateTo3(sql::Database& db)
{
    db.exec("CREATE TABLE claims ("
            " number INTEGER PRIMARY KEY, saved_at TEXT NOT NULL,"
            " employee_name TEXT, employee_id TEXT, vehicle_description TEXT,"
            " authorized_by TEXT, rate_per_mile TEXT, period_from TEXT, period_to TEXT,"
            " locale TEXT, rates TEXT, total_miles TEXT, total_amount TEXT,"
            " distance_unit TEXT, currency TEXT, currency_placement TEXT);"
            "CREATE TABLE claim_trips ("
            " claim INTEGER NOT NULL REFERENCES claims (number), position INTEGER NOT NULL,"
            " trip_id INTEGER, date TEXT, starting_location TEXT, destination TEXT,"
            " description TEXT, odometer_start TEXT, odometer_end TEXT, mileage TEXT,"
            " reimbursement TEXT, PRIMARY KEY (claim, position)) WITHOUT ROWID;"
            "CREATE INDEX claim_trips_by_trip ON claim_trips (trip_id, claim);"
            "CREATE TABLE claim_files ("
            " id INTEGER PRIMARY KEY, claim INTEGER NOT NULL REFERENCES claims (number),"
            " path TEXT, format TEXT NOT NULL, sha256 TEXT, at TEXT NOT NULL);"
            "CREATE INDEX claim_files_by_claim ON claim_files (claim, id);"
            "CREATE TABLE claim_paid ("
            " claim INTEGER PRIMARY KEY REFERENCES claims (number), at TEXT NOT NULL);"
            "CREATE TABLE trail ("
            " number INTEGER PRIMARY KEY, at TEXT NOT NULL, trip_id INTEGER NOT NULL,"
            " claim INTEGER NOT NULL, change TEXT NOT NULL, field TEXT,"
            " old_text TEXT, new_text TEXT);"
            "CREATE INDEX trail_by_trip ON trail (trip_id, number);"
            "CREATE TABLE chain ("
            " link INTEGER PRIMARY KEY, kind TEXT NOT NULL, ref INTEGER NOT NULL,"
            " content TEXT NOT NULL, previous TEXT NOT NULL, hash TEXT NOT NULL);");
}

// A claim can be marked paid again after a mark was taken back, so paid marks get ids of
// their own; each existing mark takes its claim's number as its id, which its link already
// names as its ref, so the chain holds as it was. A mark taken back is a row of its own,
// never a deleted one.
void migrateTo4(sql::Database& db)
{
    db.exec("CREATE TABLE paid_marks ("
            " id INTEGER PRIMARY KEY, claim INTEGER NOT NULL REFERENCES claims (number),"
            " at TEXT NOT NULL);"
            "INSERT INTO paid_marks (id, claim, at) SELECT claim, claim, at FROM claim_paid;"
            "DROP TABLE claim_paid;"
            "ALTER TABLE paid_marks RENAME TO claim_paid;"
            "CREATE INDEX claim_paid_by_claim ON claim_paid (claim, id);"
            "CREATE TABLE claim_unpaid ("
            " id INTEGER PRIMARY KEY, claim INTEGER NOT NULL REFERENCES claims (number),"
            " at TEXT NOT NULL);"
            "CREATE INDEX claim_unpaid_by_claim ON claim_unpaid (claim, id);");
}

// The backups this program wrote, by file name with the file's identity when it was
// written (device, inode, modification time in nanoseconds): pruning deletes no other
// file, nor one that was put in its place since.
// Backups an earlier version wrote into the folder are taken in once, as found.
void migrateTo5(sql::Database& db)
{
    db.exec("CREATE TABLE backups (name TEXT PRIMARY KEY, device INTEGER NOT NULL,"
            " inode INTEGER NOT NULL, modified INTEGER NOT NULL, written_at TEXT NOT NULL)"
            " WITHOUT ROWID;");
    adoptEarlierBackups(db);
}

// Places the log knows by position (core/placestore.h): degrees on WGS84 and a radius in
// metres. Only the positions of named places are kept, never a track.
void migrateTo6(sql::Database& db)
{
    db.exec("CREATE TABLE saved_places (id INTEGER PRIMARY KEY, name TEXT NOT NULL,"
            " latitude REAL NOT NULL, longitude REAL NOT NULL, radius REAL NOT NULL);");
}

// A rate may change with the distance driven in the tax year as well as with the date, so
// one date holds one change per distance: the two together are the key. An empty
// from_date stands for the start of every tax year, an empty from_distance for a change by
// date alone, which every earlier change is.
void migrateTo7(sql::Database& db)
{
    // The key's columns lead: SQLite 3.40's integrity check misreads a table without
    // rowid whose key columns come after others.
    db.exec("CREATE TABLE rates_by_distance (from_date TEXT NOT NULL,"
            " from_distance TEXT NOT NULL DEFAULT '', rate TEXT NOT NULL,"
            " PRIMARY KEY (from_date, from_distance)) WITHOUT ROWID;"
            "INSERT INTO rates_by_distance (from_date, rate)"
            " SELECT from_date, rate FROM rate_changes WHERE from_date IS NOT NULL;"
            "DROP TABLE rate_changes;"
            "ALTER TABLE rates_by_distance RENAME TO rate_changes;");
}

// The log's own fields (the employee data, the period, the rate per mile and the locale
// they were typed in) join its trips, so that the file alone holds the log: keyed by the
// names the settings kept them under. Until the program has moved them in from the
// settings beside the log, the log says so: an earlier log's fields are still there.
void migrateTo8(sql::Database& db)
{
    db.exec("CREATE TABLE log_fields (key TEXT PRIMARY KEY, value TEXT NOT NULL) WITHOUT ROWID;"
            "INSERT OR REPLACE INTO meta (key, value) VALUES ('fields_pending', '1');");
}

using Migration = void (*)(sql::Database&);
constexpr std::array<Migration, LogDatabase::kSchemaVersion> kMigrations = {
    migrateTo1, migrateTo2, migrateTo3, migrateTo4, migrateTo5, migrateTo6, migrateTo7, migrateTo8};

// A log of schema 3 opened read-only is not migrated; this connection reads its paid marks
// as schema 4 keeps them, through temporary views that shadow the stored table.
void readAsSchema4(sql::Database& db)
{
    db.exec("CREATE TEMP VIEW claim_paid AS SELECT claim AS id, claim, at FROM main.claim_paid;"
            "CREATE TEMP VIEW claim_unpaid AS"
            " SELECT NULL AS id, NULL AS claim, NULL AS at WHERE 0;");
}
constexpr int kRateChangesVersion = 2;
constexpr int kRatesByDistanceVersion = 7;
constexpr int kLogFieldsVersion = 8;

QString settingsPath()
{
    const QString file = platform().settingsFile;
    if (!file.isEmpty()) return file;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/Varnholt/Brindlewick.ini");
}

// The id, order and fields of every trip, the fields from column 2 on.
QByteArray scanTrips() { return "SELECT id, sort_key, " + tripColumns() + " FROM trips"; }

// The texts of the trips read so far, by what they are: a text met again is shared with
// the trip that had it, not decoded and allocated once more. Each kind of field has a few
// recent texts by their hash; an odometer reading shares with both odometer fields, a
// place with both place fields.
class RepeatedTexts {
public:
    // The text of `field` standing in `column` of `row` as Statement::textAt gives it, or
    // nothing for a null.
    std::optional<QString> at(const sql::Statement& row, int column, int field)
    {
        const QByteArrayView bytes = row.utf8At(column);
        if (bytes.data() == nullptr) {
            if (row.isNull(column)) return std::nullopt;
            return row.textAt(column);
        }
        static constexpr std::array<std::size_t, TripCells::kTextCount> kKinds = {0, 1, 1, 2, 3, 3};
        std::vector<Slot>& recent = kinds_[kKinds[static_cast<std::size_t>(field)]];
        if (recent.empty()) recent.resize(kSlots);
        const std::uint64_t hash = hashOf(bytes);
        Slot& slot = recent[hash % kSlots];
        if (slot.hash == hash && slot.bytes == bytes.size() && same(slot.text, bytes))
            return slot.text;
        slot.hash = hash;
        slot.bytes = bytes.size();
        slot.text = QString::fromUtf8(bytes);
        return slot.text;
    }

private:
    struct Slot {
        std::uint64_t hash = 0;
        qsizetype bytes = -1;
        QString text;
    };
    static constexpr std::size_t kSlots = 1024;

    // FNV-1a: the texts are short, and a hash worth a call costs more than they do.
    static std::uint64_t hashOf(QByteArrayView bytes)
    {
        std::uint64_t hash = 14695981039346656037ULL;
        for (const char c : bytes) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
        return hash;
    }
    // Whether `text` is what `bytes` decode to: ASCII compared as it stands.
    static bool same(const QString& text, QByteArrayView bytes)
    {
        if (text.size() != bytes.size()) return false;
        const QChar* chars = text.constData();
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            const auto byte = static_cast<unsigned char>(bytes[i]);
            if (byte >= 0x80)
                return QAnyStringView::equal(text, QUtf8StringView(bytes.data(), bytes.size()));
            if (chars[i].unicode() != byte) return false;
        }
        return true;
    }

    std::array<std::vector<Slot>, 4> kinds_;
};

// Inserts a trip as ?1 id, ?2 order and its fields from ?3 on, or updates the one there.
QByteArray upsertTrip()
{
    QByteArray parameters;
    QByteArray updates;
    for (int k = 0; k < Trip::kFieldCount; ++k) {
        const QByteArray parameter = "?" + QByteArray::number(k + 3);
        parameters += ", " + parameter;
        updates +=
            QByteArray(", ") + kTripFields[static_cast<std::size_t>(k)].column + " = " + parameter;
    }
    return "INSERT INTO trips (id, sort_key, " + tripColumns() + ") VALUES (?1, ?2" + parameters
           + ") ON CONFLICT (id) DO UPDATE SET sort_key = ?2" + updates;
}

} // namespace

QString LogDatabase::pathFor(const QString& settingsFile)
{
    const QFileInfo info(settingsFile);
    const QString base = info.suffix().compare(QLatin1String("ini"), Qt::CaseInsensitive) == 0
                             ? info.completeBaseName()
                             : info.fileName();
    return info.dir().filePath(base + QStringLiteral(".sqlite"));
}

QString LogDatabase::defaultPath()
{
    const QString chosen = platform().logFile;
    return chosen.isEmpty() ? besideSettings() : chosen;
}

QString LogDatabase::besideSettings() { return pathFor(settingsPath()); }

LogDatabase::LogDatabase(const QString& path, Access access, bool damaged)
{
    if (access == Access::ReadWrite) {
        // Made here first, so that the log and the files SQLite makes beside it (which take
        // its mode) are private whatever the umask.
        makePrivateFolder(QFileInfo(path).absolutePath());
        touchPrivateFile(path);
    }
    db_ = std::make_unique<sql::Database>(
        path, access == Access::ReadWrite  ? sql::Database::Open::ReadWrite
              : access == Access::Snapshot ? sql::Database::Open::Snapshot
                                           : sql::Database::Open::ReadOnly);
    db_->exec("PRAGMA busy_timeout = 5000");
    // Only read: the schema is never written through this connection.
    if (damaged && access != Access::ReadWrite) db_->exec("PRAGMA writable_schema = ON");
    foundVersion_ = static_cast<int>(db_->scalar("PRAGMA user_version").toLongLong());
    if (access == Access::ReadWrite && newerSchema()) {
        // A later version's layout: read what this version knows, change nothing.
        db_ = std::make_unique<sql::Database>(path, sql::Database::Open::ReadOnly);
        db_->exec("PRAGMA busy_timeout = 5000");
        access = Access::ReadOnly;
    }
    // The claims' queries tell blank rows from trips as the rest of the program does.
    addBlankTripFunction(*db_);
    setPragmas(access);
    if (access == Access::ReadWrite) migrate();
    if (access != Access::ReadWrite && foundVersion_ == 3) readAsSchema4(*db_);
    prepare();
}

LogDatabase::~LogDatabase() = default;

void LogDatabase::setPragmas(Access access)
{
    db_->exec("PRAGMA foreign_keys = ON");
    if (access != Access::ReadWrite) return;
    db_->exec("PRAGMA journal_mode = WAL");
    // NORMAL: a commit costs a write, not a sync (FULL measured about 5 ms a commit here,
    // bench/logdatabase_bench). WAL keeps the file whole through a power cut; what the cut
    // may lose is bounded by the checkpoint the trip log runs soon after each commit.
    db_->exec("PRAGMA synchronous = NORMAL");
}

void LogDatabase::adoptRestoredContent()
{
    foundVersion_ = static_cast<int>(db_->scalar("PRAGMA user_version").toLongLong());
    if (newerSchema()) {
        throw sql::SqlError(QCoreApplication::translate(
                                "LogDatabase", "The restored log was written by a newer version of "
                                               "the program."),
                            0, 0);
    }
    migrate();
}

StagedLog::StagedLog(QString name) : path(std::move(name)) { remove(); }

StagedLog::~StagedLog() { remove(); }

void StagedLog::remove() const
{
    for (const char* suffix : {"", "-wal", "-shm", "-journal"})
        QFile::remove(path + QLatin1String(suffix));
}

namespace {

QString restoreText(const char* text) { return QCoreApplication::translate("LogDatabase", text); }

} // namespace

BackupResult LogDatabase::restoreFrom(const QString& backupFile, const QDateTime& when)
{
    if (!upsert_) db_->failReadOnly();
    const auto refused = [](const QString& why) {
        return BackupResult{
            false, QString(),
            why + QLatin1Char(' ')
                + restoreText(QT_TRANSLATE_NOOP("LogDatabase", "The log is unchanged."))};
    };
    const QString damage = backupDamage(backupFile);
    if (!damage.isEmpty()) return refused(damage);
    // Claims and their trail are never rolled back. The backup's content is brought to this
    // schema with the live claims put back over its own apart from the live log, so the
    // copy into the live log stays one transaction, claims and all.
    const claims::KeptClaims kept(*db_);
    const StagedLog staged(path() + QStringLiteral(".restoring"));
    try {
        if (const int error = copyToPrivateFile(backupFile, staged.path)) {
            throw std::runtime_error(
                (restoreText(QT_TRANSLATE_NOOP("LogDatabase",
                                               "The backup could not be copied beside the log."))
                 + QLatin1Char(' ') + osErrorSentence(error, staged.path))
                    .toStdString());
        }
        LogDatabase merged(staged.path, Access::ReadWrite);
        if (merged.newerSchema()) {
            throw std::runtime_error(
                restoreText(
                    QT_TRANSLATE_NOOP("LogDatabase",
                                      "The backup was written by a newer version of the program."))
                    .toStdString());
        }
        kept.putBack(*merged.db_);
    } catch (const std::exception& failure) {
        return refused(
            restoreText(QT_TRANSLATE_NOOP("LogDatabase", "The backup could not be restored. %1"))
                .arg(QString::fromUtf8(failure.what())));
    }
    BackupResult result = restoreBackup(*db_, staged.path, when);
    if (!result.ok) return result;
    try {
        adoptRestoredContent();
    } catch (const std::exception& failure) {
        result.ok = false;
        result.error = QString::fromUtf8(failure.what());
    }
    return result;
}

void LogDatabase::migrate()
{
    for (int version = foundVersion_; version < kSchemaVersion; ++version) {
        sql::Transaction transaction(*db_);
        kMigrations[static_cast<std::size_t>(version)](*db_);
        const QByteArray set = "PRAGMA user_version = " + QByteArray::number(version + 1);
        db_->exec(set.constData());
        transaction.commit();
    }
}

void LogDatabase::prepare()
{
    if (readOnly() || foundVersion_ > kSchemaVersion) return;
    upsert_ = std::make_unique<sql::Statement>(*db_, upsertTrip().constData());
    remove_ = std::make_unique<sql::Statement>(*db_, "DELETE FROM trips WHERE id = ?1");
    trail_ = std::make_unique<claims::TripTrail>(*db_);
    putMeta_ =
        std::make_unique<sql::Statement>(*db_, "INSERT INTO meta (key, value) VALUES (?1, ?2)"
                                               " ON CONFLICT (key) DO UPDATE SET value = ?2");
}

bool LogDatabase::importPending() { return meta(QString::fromLatin1(kImportPending)).has_value(); }

std::vector<StoredTrip> LogDatabase::tripsInOrder()
{
    std::vector<StoredTrip> trips;
    readTrips([&](StoredTrip&& stored) { trips.push_back(std::move(stored)); });
    return trips;
}

void LogDatabase::readTrips(const std::function<void(StoredTrip&&)>& take)
{
    readTripCells([&](qint64 id, double order, TripCells&& cells) {
        StoredTrip stored{id, order, {}};
        for (int k = 0; k < Trip::kFieldCount; ++k) stored.trip.field(k) = cells.field(k);
        take(std::move(stored));
    });
}

void LogDatabase::readTripCells(
    const std::function<void(qint64 id, double order, TripCells&&)>& take)
{
    sql::Statement rows(*db_, (scanTrips() + " ORDER BY sort_key, id").constData());
    RepeatedTexts texts;
    constexpr int kFirst = 2;
    while (rows.step()) {
        TripCells cells;
        for (int k = 0; k < TripCells::kTextCount; ++k) {
            if (std::optional<QString> text = texts.at(rows, kFirst + k, k))
                cells.setText(k, *std::move(text));
        }
        // The numeric fields as doubles, whatever a foreign tool wrote there.
        for (int k = TripCells::kTextCount; k < Trip::kFieldCount; ++k) {
            if (!rows.isNull(kFirst + k)) cells.setNumber(k, rows.doubleAt(kFirst + k));
        }
        take(rows.intAt(0), rows.doubleAt(1), std::move(cells));
    }
}

void LogDatabase::apply(const TripChanges& changes)
{
    if (!upsert_) db_->failReadOnly();
    sql::Transaction transaction(*db_);
    write(changes);
    transaction.commit();
}

void LogDatabase::adoptRecovered(const TripChanges& changes, const std::vector<RateChange>& rates,
                                 const std::function<void(sql::Database&)>& copyRows)
{
    if (!upsert_) db_->failReadOnly();
    // Rows kept from a damaged file may have lost the rows they refer to.
    db_->exec("PRAGMA foreign_keys = OFF");
    {
        sql::Transaction transaction(*db_);
        // The trips first, while no claim is there to trail their arrival.
        write(changes);
        writeRateChanges(rates);
        copyRows(*db_);
        transaction.commit();
    }
    db_->exec("PRAGMA foreign_keys = ON");
}

void LogDatabase::write(const TripChanges& changes)
{
    // Worked out from the rows as they are before the change, written in its transaction.
    const std::vector<TrailEntry> trail = trail_->entriesFor(changes);
    if (changes.replaceAll) db_->exec("DELETE FROM trips");
    for (const qint64 id : changes.removed) {
        remove_->bindInt(1, id);
        remove_->run();
    }
    for (const StoredTrip& stored : changes.upserts) {
        upsert_->bindInt(1, stored.id);
        upsert_->bind(2, stored.order);
        for (int k = 0; k < Trip::kFieldCount; ++k) upsert_->bind(k + 3, stored.trip.field(k));
        upsert_->run();
    }
    for (const auto& [key, value] : changes.meta) {
        putMeta_->bind(1, key);
        if (value.isNull()) {
            // A null value removes the key.
            sql::Statement drop(*db_, "DELETE FROM meta WHERE key = ?1");
            drop.bind(1, key);
            drop.run();
        } else {
            putMeta_->bind(2, value);
            putMeta_->run();
        }
        putMeta_->reset();
    }
    claims::appendTrail(*db_, trail);
}

std::optional<QString> LogDatabase::meta(const QString& key)
{
    sql::Statement read(*db_, "SELECT value FROM meta WHERE key = ?1");
    read.bind(1, key);
    if (!read.step()) return std::nullopt;
    return read.isNull(0) ? QString() : read.textAt(0);
}

LogUnits LogDatabase::units()
{
    LogUnits units;
    const auto text = [&](const char* key) { return meta(QString::fromLatin1(key)); };
    if (const std::optional<QString> unit = text(kDistanceUnit))
        units.distance = unitFromCode(*unit).value_or(DistanceUnit::Miles);
    const std::optional<QString> symbol = text(kCurrencySymbol);
    if (symbol && !symbol->trimmed().isEmpty()) {
        units.currency.symbol = *symbol;
        units.currency =
            withPlacement(units.currency, text(kCurrencyPlacement).value_or(QString()));
    }
    return units;
}

std::vector<std::pair<QString, QString>> LogDatabase::unitsMeta(const LogUnits& units)
{
    return {{QString::fromLatin1(kDistanceUnit), unitCode(units.distance)},
            {QString::fromLatin1(kCurrencySymbol), units.currency.symbol},
            {QString::fromLatin1(kCurrencyPlacement), placementCode(units.currency)}};
}

void LogDatabase::setUnits(const LogUnits& units)
{
    TripChanges changes;
    changes.meta = unitsMeta(units);
    apply(changes);
}

TaxYearStart LogDatabase::taxYearStart()
{
    const std::optional<QString> kept = meta(QString::fromLatin1(kTaxYearStart));
    return (kept ? taxYearStartOf(*kept) : std::nullopt).value_or(TaxYearStart{});
}

void LogDatabase::setTaxYearStart(const TaxYearStart& start)
{
    const QString problem = taxYearStartProblem(start.month, start.day);
    if (!problem.isEmpty()) throw std::invalid_argument(problem.toStdString());
    TripChanges changes;
    changes.meta = {{QString::fromLatin1(kTaxYearStart), taxYearStartText(start)}};
    apply(changes);
}

std::map<QString, QString> LogDatabase::logFields()
{
    std::map<QString, QString> fields;
    if (foundVersion_ < kLogFieldsVersion && readOnly()) return fields;
    sql::Statement rows(*db_, "SELECT key, value FROM log_fields");
    while (rows.step()) fields[rows.textAt(0)] = rows.textAt(1);
    return fields;
}

bool LogDatabase::fieldsMovedIn()
{
    if (foundVersion_ < kLogFieldsVersion && readOnly()) return false;
    return !meta(QString::fromLatin1(kFieldsPending)).has_value();
}

void LogDatabase::keepLogFields(const std::vector<std::pair<QString, QString>>& fields,
                                FieldsWrite how)
{
    if (!upsert_) db_->failReadOnly();
    sql::Transaction transaction(*db_);
    sql::Statement put(*db_,
                       how == FieldsWrite::MoveIn
                           ? "INSERT OR IGNORE INTO log_fields (key, value) VALUES (?1, ?2)"
                           : "INSERT OR REPLACE INTO log_fields (key, value) VALUES (?1, ?2)");
    for (const auto& [key, value] : fields) {
        put.bind(1, key);
        put.bind(2, value.isNull() ? QStringLiteral("") : value);
        put.run();
    }
    if (how == FieldsWrite::MoveIn) {
        sql::Statement done(*db_, "DELETE FROM meta WHERE key = ?1");
        done.bind(1, QString::fromLatin1(kFieldsPending));
        done.run();
    }
    transaction.commit();
}

std::vector<RateChange> LogDatabase::rateChanges()
{
    // A file opened read-only is never migrated: before version 2 it has no list.
    if (foundVersion_ < kRateChangesVersion && readOnly()) return {};
    // An earlier file opened read-only is read as its schema keeps the list: by date alone.
    const bool byDistance = foundVersion_ >= kRatesByDistanceVersion || !readOnly();
    sql::Statement rows(*db_, byDistance ? "SELECT from_date, rate, from_distance FROM rate_changes"
                                         : "SELECT from_date, rate, '' FROM rate_changes");
    std::vector<RateChange> changes;
    while (rows.step()) {
        RateChange change{QDate::fromString(rows.textAt(0), Qt::ISODate), 0.0, std::nullopt};
        bool number = false;
        change.rate = rows.textAt(1).trimmed().toDouble(&number);
        const QString distance = rows.textAt(2).trimmed();
        bool distanceNumber = distance.isEmpty();
        if (!distance.isEmpty()) change.fromDistance = distance.toDouble(&distanceNumber);
        // Only an empty date stands for every tax year; other text is no date.
        const bool dated = change.from.isValid() || rows.textAt(0).isEmpty();
        if (dated && number && distanceNumber && rateChangeProblem(change).isEmpty())
            changes.push_back(change);
    }
    return RateSchedule(std::move(changes)).changes();
}

void LogDatabase::replaceRateChanges(const std::vector<RateChange>& changes)
{
    if (!upsert_) db_->failReadOnly();
    sql::Transaction transaction(*db_);
    writeRateChanges(changes);
    transaction.commit();
}

void LogDatabase::writeRateChanges(const std::vector<RateChange>& changes)
{
    db_->exec("DELETE FROM rate_changes");
    sql::Statement insert(*db_, "INSERT INTO rate_changes (from_date, rate, from_distance)"
                                " VALUES (?1, ?2, ?3)");
    for (const RateChange& change : changes) {
        insert.bind(1,
                    change.from.isValid() ? change.from.toString(Qt::ISODate) : QStringLiteral(""));
        insert.bind(2, QString::number(change.rate, 'f', rateDecimals(change.rate)));
        insert.bind(3, change.fromDistance ? plainDecimalText(*change.fromDistance)
                                           : QStringLiteral(""));
        insert.run();
    }
}

RateSchedule DatabaseRateStore::loadRates()
{
    LogDatabase* db = database_ ? database_() : nullptr;
    return db ? RateSchedule(db->rateChanges()) : RateSchedule();
}

LogDatabase& DatabaseRateStore::writable()
{
    LogDatabase* db = database_ ? database_() : nullptr;
    if (!db || db->readOnly()) {
        throw std::runtime_error(
            QCoreApplication::translate("bw::DatabaseRateStore",
                                        "The trip log is open read-only, so changes to it are "
                                        "not kept.")
                .toStdString());
    }
    return *db;
}

void DatabaseRateStore::saveRates(const RateSchedule& schedule)
{
    writable().replaceRateChanges(schedule.changes());
}

LogUnits DatabaseRateStore::loadUnits()
{
    LogDatabase* db = database_ ? database_() : nullptr;
    return db ? db->units() : LogUnits();
}

void DatabaseRateStore::saveUnits(const LogUnits& units) { writable().setUnits(units); }

int LogDatabase::tripCount()
{
    return static_cast<int>(db_->scalar("SELECT count(*) FROM trips").toLongLong());
}

namespace {

using Layout = std::map<QString, QStringList>; // table -> its columns

Layout layoutOf(sql::Database& db)
{
    Layout layout;
    sql::Statement tables(db, "SELECT name FROM sqlite_schema WHERE type = 'table'");
    while (tables.step()) {
        const QString table = tables.textAt(0);
        sql::Statement columns(db, "SELECT name FROM pragma_table_info(?1)");
        columns.bind(1, table);
        QStringList names;
        while (columns.step()) names << columns.textAt(0);
        layout[table] = names;
    }
    return layout;
}

// The tables and columns of schema `version`, as its migrations make them.
Layout layoutOfVersion(int version)
{
    sql::Database memory(QStringLiteral(":memory:"), sql::Database::Open::ReadWrite);
    for (int v = 0; v < version && v < LogDatabase::kSchemaVersion; ++v)
        kMigrations[static_cast<std::size_t>(v)](memory);
    return layoutOf(memory);
}

QString damageText(const char* text) { return QCoreApplication::translate("LogDatabase", text); }

// A table or column the schema's version has and the file lacks (a foreign tool dropped
// it): every write would fail on it, so the file cannot be kept as the log.
QString layoutDamage(sql::Database& db, int version)
{
    const Layout found = layoutOf(db);
    for (const auto& [table, columns] : layoutOfVersion(version)) {
        const auto there = found.find(table);
        if (there == found.end())
            return damageText(QT_TRANSLATE_NOOP("LogDatabase", "it has no table %1")).arg(table);
        for (const QString& column : columns) {
            if (!there->second.contains(column))
                return damageText(QT_TRANSLATE_NOOP("LogDatabase", "its table %1 has no column %2"))
                    .arg(table, column);
        }
    }
    return {};
}

} // namespace

QString LogDatabase::damageOf(const QString& path, bool withWal)
{
    // Without a write-ahead file the file's bytes are the whole log, read as they are;
    // with one, a read-only connection reads both and writes neither.
    std::unique_ptr<sql::Database> db;
    try {
        db = std::make_unique<sql::Database>(path, withWal ? sql::Database::Open::ReadOnly
                                                           : sql::Database::Open::Snapshot);
        db->exec("PRAGMA busy_timeout = 5000");
        const int version = static_cast<int>(db->scalar("PRAGMA user_version").toLongLong());
        sql::Statement rows(*db, "PRAGMA quick_check");
        QStringList found;
        while (rows.step()) found << rows.textAt(0);
        if (found.join(QLatin1Char('\n')) != QLatin1String("ok"))
            return found.join(QLatin1Char('\n'));
        return version > kSchemaVersion ? QString() : layoutDamage(*db, version);
    } catch (const sql::SqlError& failure) {
        if (failure.damage()) return QString::fromUtf8(failure.what());
        throw;
    }
}

QString LogDatabase::check(bool quick)
{
    sql::Statement rows(*db_, quick ? "PRAGMA quick_check" : "PRAGMA integrity_check");
    QStringList found;
    while (rows.step()) found << rows.textAt(0);
    return found.join(QLatin1Char('\n'));
}

void LogDatabase::checkpoint()
{
    if (!readOnly()) db_->exec("PRAGMA wal_checkpoint(PASSIVE)");
}

namespace {

#ifndef _WIN32
constexpr const char* kHolderNames[] = {"", "program", "report-tool"};

InstanceLock::Holder holderIn(int fd)
{
    char text[32] = {};
    const ssize_t n = ::pread(fd, text, sizeof text - 1, 0);
    const QByteArray name = QByteArray(text, n > 0 ? static_cast<int>(n) : 0).trimmed();
    for (int k = 1; k < 3; ++k) {
        if (name == kHolderNames[k]) return static_cast<InstanceLock::Holder>(k);
    }
    return InstanceLock::Holder::Unknown;
}
#endif

} // namespace

InstanceLock::InstanceLock(const QString& databasePath, Holder self)
{
#ifndef _WIN32
    const QString path = databasePath + QStringLiteral(".lock");
    const int made = touchPrivateFile(path);
    fd_ = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CLOEXEC);
    if (fd_ < 0) error_ = made != 0 ? made : errno;
    if (fd_ >= 0 && ::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        holder_ = holderIn(fd_);
        ::close(fd_);
        fd_ = -1;
        return;
    }
    if (fd_ >= 0) {
        const char* name = kHolderNames[static_cast<int>(self)];
        if (::ftruncate(fd_, 0) == 0 && ::pwrite(fd_, name, std::strlen(name), 0) < 0) {
            // Only the name of the holder is lost: the lock holds all the same.
        }
    }
#else
    Q_UNUSED(self);
    fd_ = 0;
#endif
}

InstanceLock::~InstanceLock()
{
#ifndef _WIN32
    if (fd_ >= 0) ::close(fd_);
#endif
}

QString keepAsideFile(const QString& path)
{
    const QString target = keepAsideName(path);
    return QFile::rename(path, target) ? target : QString();
}

QString keepAsideName(const QString& path)
{
    const QDateTime now = platform().clock ? platform().clock->now() : QDateTime::currentDateTime();
    const QString stamp = now.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target = path + QStringLiteral(".damaged-") + stamp;
    for (int n = 2; QFileInfo::exists(target); ++n) {
        target = path + QStringLiteral(".damaged-%1-%2").arg(stamp).arg(n);
    }
    return target;
}

const QByteArray& tripColumns()
{
    static const QByteArray columns = [] {
        QByteArray joined;
        for (const TripFieldInfo& field : kTripFields)
            joined += (joined.isEmpty() ? "" : ", ") + QByteArray(field.column);
        return joined;
    }();
    return columns;
}

Trip tripAt(const sql::Statement& row, int first)
{
    Trip trip;
    for (int k = 0; k < Trip::kFieldCount; ++k) {
        const int column = first + k;
        if (row.isNull(column)) continue;
        trip.field(k) =
            isNumericField(k) ? QVariant(row.doubleAt(column)) : QVariant(row.textAt(column));
    }
    return trip;
}

} // namespace bw
