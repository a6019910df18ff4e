// The log's database: one SQLite file beside the settings holding the trips (and, later,
// every other kept table of the log), its schema and migrations, and typed access.
#pragma once

#include "core/rateschedule.h"
#include "core/taxyear.h"
#include "core/trip.h"
#include "logstore/sqlite.h"

#include <QDateTime>
#include <QString>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace bw {

struct BackupResult;
namespace claims {
class TripTrail;
}

// A trip as the database keeps it: its lasting id, the key that places it in the log's
// order (any increasing numbers; ties go by id) and its fields.
struct StoredTrip {
    qint64 id = 0;
    double order = 0;
    Trip trip;
    friend bool operator==(const StoredTrip&, const StoredTrip&) = default;
};

// One finished change: trips written whole (new or changed), ids removed, and with
// replaceAll every trip not among the upserts goes first (a new table, an import).
struct TripChanges {
    std::vector<StoredTrip> upserts;
    std::vector<qint64> removed;
    bool replaceAll = false;
    std::vector<std::pair<QString, QString>> meta; // key/value pairs written with it
    // The removals move claimed trips out to the history (a new period), not delete them.
    bool movingToHistory = false;
    bool empty() const { return upserts.empty() && removed.empty() && !replaceAll && meta.empty(); }
};

class LogDatabase {
public:
    // Version 1: trips and meta. Version 2: rate_changes. Version 3: claims, their trips,
    // files and paid marks, the trail of changes to claimed trips and the chain over them.
    // Version 4: paid marks by their own ids, and unpaid marks that take them back.
    // Version 5: the backups this program wrote, which alone it may delete.
    // Version 6: the places the log knows by position.
    // Version 7: rate changes by distance in the tax year as well as by date.
    // Version 8: the log's own fields (employee data, period, rate, their locale).
    static constexpr int kSchemaVersion = 8;
    // Snapshot reads the file's bytes as they are, making nothing beside them: a log
    // that must stay as found, or that lies in a folder nobody may write.
    enum class Access { ReadWrite, ReadOnly, Snapshot };

    // The database beside an INI file: "X.ini" -> "X.sqlite".
    static QString pathFor(const QString& settingsFile);
    // The log this process was pointed at (Platform::logFile), else the one beside the
    // settings.
    static QString defaultPath();
    // The log that has always been kept: beside the settings store's INI file, or
    // Varnholt/Brindlewick.sqlite in the user's configuration folder where the settings
    // live elsewhere (the registry).
    static QString besideSettings();

    // ReadWrite creates the file when missing (private, in a private folder), sets WAL and
    // the pragmas and migrates to kSchemaVersion; a database of a newer schema is opened
    // read-only instead and never changed. ReadOnly and Snapshot never write, and never
    // migrate. Throws sql::SqlError. A `damaged` file (opened read-only) is read as far as
    // it goes: one cut short claims more pages than it holds, and would read as nothing.
    LogDatabase(const QString& path, Access access, bool damaged = false);
    ~LogDatabase();
    LogDatabase(const LogDatabase&) = delete;
    LogDatabase& operator=(const LogDatabase&) = delete;

    bool readOnly() const { return db_->readOnly(); }
    // The schema version the file was found with, before any migration of this opening.
    int foundVersion() const { return foundVersion_; }
    bool newerSchema() const { return foundVersion_ > kSchemaVersion; }
    // True until the earlier stores' trips have been imported into this database.
    bool importPending();
    const QString& path() const { return db_->path(); }

    std::vector<StoredTrip> tripsInOrder();
    // The same, one trip at a time, without holding them all twice.
    void readTrips(const std::function<void(StoredTrip&&)>& take);
    // The same as each trip's id, order and fields by their kinds, for a reader that keeps
    // them so. A text repeated down the log (a date, a place, a description, the odometer
    // reading that ends one trip and starts the next) is read once and shared.
    void readTripCells(const std::function<void(qint64 id, double order, TripCells&&)>& take);
    // Why the database at `path` cannot be used as it is, read without changing a byte of
    // it or of the files beside it (`withWal`: a write-ahead file lies beside it and is
    // read too): what PRAGMA quick_check finds, a file that is no database, or a table or
    // column of its schema version missing. Empty when it is sound. Throws sql::SqlError
    // when it cannot be read at all for another reason (no permission to read it).
    static QString damageOf(const QString& path, bool withWal);
    // Applies `changes` in one transaction; throws sql::SqlError and changes nothing.
    void apply(const TripChanges& changes);
    // A new log's whole content, recovered from a damaged one, in one transaction: the
    // trips, rate changes and meta pairs of `changes` and `rates`, then the rows of the
    // other tables that `copyRows` puts in as they were (given the connection, with
    // foreign keys off: a kept row may have lost the row it refers to).
    void adoptRecovered(const TripChanges& changes, const std::vector<RateChange>& rates,
                        const std::function<void(sql::Database&)>& copyRows);
    std::optional<QString> meta(const QString& key);
    // The rate changes in date order; none from a file older than the table (read-only).
    // A row a foreign tool left without a date or number is skipped.
    std::vector<RateChange> rateChanges();
    // The whole list in place of the kept one, in one transaction; throws sql::SqlError
    // and keeps the earlier list.
    void replaceRateChanges(const std::vector<RateChange>& changes);
    // The day and month the log's tax years begin: 1 January unless it was changed.
    TaxYearStart taxYearStart();
    // Kept in one transaction; throws std::invalid_argument naming why for a start that is
    // no day of the year (nothing kept), sql::SqlError when it could not be kept.
    void setTaxYearStart(const TaxYearStart& start);

    // The log's own fields by the settings' key names ("EmployeeName"); none from a file
    // older than the table (read-only).
    std::map<QString, QString> logFields();
    // True once the log holds its fields itself: they were moved in from the settings
    // beside it, or it was made with them. False for a file older than the table.
    bool fieldsMovedIn();
    // Update replaces the values of the keys given; MoveIn puts them in where the log holds
    // none yet (a move repeated after a crash changes nothing) and marks the fields moved
    // in. One transaction; throws sql::SqlError and changes nothing.
    enum class FieldsWrite { Update, MoveIn };
    void keepLogFields(const std::vector<std::pair<QString, QString>>& fields,
                       FieldsWrite how = FieldsWrite::Update);

    // The rows the log keeps, blank ones included.
    int tripCount();
    // The log's unit and currency from the meta table: miles and "$" for a log that never
    // kept them (one started before they could be chosen).
    LogUnits units();
    // Kept in one transaction; throws sql::SqlError and keeps the earlier ones.
    void setUnits(const LogUnits& units);
    // The meta pairs that keep `units`, for writing with other changes.
    static std::vector<std::pair<QString, QString>> unitsMeta(const LogUnits& units);

    // "ok", or what PRAGMA quick_check (quick) or integrity_check found.
    QString check(bool quick);
    // Copies the write-ahead log into the database file and syncs it, so that a power cut
    // after this loses nothing committed before it.
    void checkpoint();
    sql::Database& database() { return *db_; }
    // After the file's content was replaced through this connection (a restore from a
    // backup of an earlier schema): brings it to this program's schema. Throws
    // sql::SqlError for content of a newer schema.
    void adoptRestoredContent();
    // Replaces the log with the backup `backupFile` (restoreBackup: the log as it was is
    // backed up first) brought to this schema, keeping the claims, the trail and the chain
    // as they are now; changes of claimed trips that the restore makes are trailed. The
    // backup's content and the kept claims are put together in a file beside the log
    // first, so the live log takes all of it in one transaction or none. Throws
    // sql::SqlError when the log is read-only or its claim tables cannot be read.
    BackupResult restoreFrom(const QString& backupFile, const QDateTime& when);

    static constexpr char kRowCountAtClose[] = "row_count_at_close";
    static constexpr char kImportPending[] = "import_pending";
    static constexpr char kDistanceUnit[] = "distance_unit";
    static constexpr char kCurrencySymbol[] = "currency_symbol";
    static constexpr char kCurrencyPlacement[] = "currency_placement";
    static constexpr char kTaxYearStart[] = "tax_year_start";
    // What a recovery found, kept in the recovered log until the window has said it.
    static constexpr char kRecoveredFrom[] = "recovered_from";
    static constexpr char kRecoveredWhy[] = "recovered_why";
    static constexpr char kRecoveredKept[] = "recovered_kept";
    static constexpr char kRecoveredHeld[] = "recovered_held";
    static constexpr char kRecoveredAgain[] = "recovered_again";
    // Set once the files this program made before they were made private are narrowed.
    static constexpr char kFilesPrivate[] = "files_private";
    // Set until the log's fields are moved in from the settings beside it.
    static constexpr char kFieldsPending[] = "fields_pending";

private:
    void setPragmas(Access access);
    void migrate();
    void prepare();
    // The writes of apply(), inside the caller's transaction.
    void write(const TripChanges& changes);
    void writeRateChanges(const std::vector<RateChange>& changes);

    std::unique_ptr<sql::Database> db_;
    int foundVersion_ = 0;
    std::unique_ptr<sql::Statement> upsert_;
    std::unique_ptr<sql::Statement> remove_;
    std::unique_ptr<sql::Statement> putMeta_;
    std::unique_ptr<claims::TripTrail> trail_;
};

// The rate changes kept in the log's database. `database` gives the log's database at
// the time of the call (none while the log could not be opened); a log opened read-only
// lends its list but refuses to keep a new one.
class DatabaseRateStore final : public RateStore {
public:
    explicit DatabaseRateStore(std::function<LogDatabase*()> database)
        : database_(std::move(database))
    {}
    RateSchedule loadRates() override;
    void saveRates(const RateSchedule& schedule) override;
    LogUnits loadUnits() override;
    void saveUnits(const LogUnits& units) override;

private:
    // The log's database to write to; throws when there is none or it is read-only.
    LogDatabase& writable();

    std::function<LogDatabase*()> database_;
};

// One writer at a time: an exclusive lock on "<database>.lock", held while the object
// lives and released by the system when the process ends, however it ends. The holder
// writes which program it is into the file, so that one that finds the lock taken can
// say who has the log.
class InstanceLock {
public:
    enum class Holder { Unknown, Program, ReportTool };
    InstanceLock(const QString& databasePath, Holder self);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;
    // False when another process holds the lock, or the lock file cannot be made.
    bool held() const { return fd_ >= 0; }
    // Why the lock file could not be made (errno), or 0.
    int error() const { return error_; }
    // Who holds the lock when this one could not take it.
    Holder holder() const { return holder_; }

private:
    int fd_ = -1;
    int error_ = 0;
    Holder holder_ = Holder::Unknown;
};

// The eight trip columns in field order (kTripFields), joined by ", ": for SQL that names
// them all.
const QByteArray& tripColumns();
// The trip whose eight fields stand on `row` from column `first` on, as the trips table
// keeps them: null as null, the numeric fields as doubles (a foreign tool may have written
// an integer or a numeric text), the others as text.
Trip tripAt(const sql::Statement& row, int first);

// A log built under a name of its own, and the write-ahead log and index SQLite may leave
// beside it: gone with the object (what was put in place by then is no longer there).
struct StagedLog {
    explicit StagedLog(QString name);
    ~StagedLog();
    StagedLog(const StagedLog&) = delete;
    StagedLog& operator=(const StagedLog&) = delete;
    void remove() const;
    QString path;
};

// A file kept aside: renamed to `path.damaged-YYYYMMDD-HHMMSS`, bytes unchanged. Returns
// the new name (empty when it could not be moved).
QString keepAsideFile(const QString& path);
// The name keepAsideFile would give `path` now (a copy may be kept under it instead).
QString keepAsideName(const QString& path);

} // namespace bw
