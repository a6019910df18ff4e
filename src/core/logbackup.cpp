// Backups through SQLite's online backup API: a consistent copy of a live database, made
// under a temporary name and renamed only when whole.
#include "core/logbackup.h"

#include "core/blanktrip.h"
#include "core/sqlite.h"
#include "platform/datetext.h"
#include "platform/oserror.h"
#include "platform/privatefiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QThread>
#include <QTimer>
#include <QUrl>

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <optional>
#include <set>

namespace bw {

namespace {

constexpr int kKeepNewest = 14;
constexpr int kKeepMonths = 12;
// A partial file this old belongs to a backup that was killed, not to one in progress.
constexpr int kStalePartialSeconds = 3600;
constexpr char kStampFormat[] = "yyyyMMdd-HHmmss";
constexpr char kPartialSuffix[] = ".part";

QString fromUtf8(const char* text) { return QString::fromUtf8(text ? text : ""); }

// The cause of a failed SQLite call on `db`, in the log database's own sentences.
QString sqliteCause(sqlite3* db, int rc, const QString& path)
{
    const int code = db ? sqlite3_extended_errcode(db) : SQLITE_OK;
    return sql::errorSentence(code == SQLITE_OK ? rc : code, db ? sqlite3_system_errno(db) : 0,
                              path);
}

BackupResult failure(const QString& text) { return {false, QString(), text}; }

// The side files go first: while the file itself is there, its name is taken, so a
// backup that claims the name next never has its own side files removed.
void removeDatabaseFiles(const QString& path)
{
    for (const char* suffix : {"-journal", "-wal", "-shm", ""}) {
        QFile::remove(path + QLatin1String(suffix));
    }
}

// After a rename, the folder's entry reaches the disk too.
void syncFolder(const QString& folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// Opens a finished file read-only; it never changes, so no locks or side files are needed.
int openReadOnly(const QString& path, sqlite3** db)
{
    const QByteArray uri =
        "file:" + QUrl::toPercentEncoding(QFileInfo(path).absoluteFilePath(), "/")
        + "?mode=ro&immutable=1";
    return sqlite3_open_v2(uri.constData(), db, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr);
}

// sqlite3_backup_step, waiting out another process's brief lock.
int stepWaiting(sqlite3_backup* backup, int pages)
{
    int rc = SQLITE_OK;
    for (int attempt = 0; attempt < 100; ++attempt) {
        rc = sqlite3_backup_step(backup, pages);
        if (rc != SQLITE_BUSY && rc != SQLITE_LOCKED) return rc;
        sqlite3_sleep(20);
    }
    return rc;
}

void removeStalePartials(const BackupLocation& where, const QDateTime& now)
{
    const QRegularExpression partial(
        QStringLiteral("^%1-\\d{8}-\\d{6}\\.sqlite\\.part(-journal|-wal|-shm)?$")
            .arg(QRegularExpression::escape(where.baseName)));
    const QDir dir(where.folder);
    for (const QFileInfo& info : dir.entryInfoList(QDir::Files | QDir::Hidden)) {
        if (partial.match(info.fileName()).hasMatch()
            && info.lastModified().secsTo(now) > kStalePartialSeconds) {
            QFile::remove(info.absoluteFilePath());
        }
    }
}

// ---- the backups this program wrote ----

// A file is the one written while its device, inode and modification time (in
// nanoseconds) are: a file put under its name later, even on the freed inode, differs.
struct Record {
    QString name;
    qint64 device = 0;
    qint64 inode = 0;
    qint64 modified = 0;
    QString at;
    bool sameFile(const Record& other) const
    {
        return device == other.device && inode == other.inode && modified == other.modified;
    }
};

// The backups the log records; none where it keeps no record (a log of an earlier schema).
std::vector<Record> recorded(sqlite3* db)
{
    std::vector<Record> records;
    sqlite3_stmt* rows = nullptr;
    if (sqlite3_prepare_v2(db, "SELECT name, device, inode, modified, written_at FROM backups", -1,
                           &rows, nullptr)
        == SQLITE_OK) {
        while (sqlite3_step(rows) == SQLITE_ROW) {
            records.push_back(
                {fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(rows, 0))),
                 sqlite3_column_int64(rows, 1), sqlite3_column_int64(rows, 2),
                 sqlite3_column_int64(rows, 3),
                 fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(rows, 4)))});
        }
    }
    sqlite3_finalize(rows);
    return records;
}

// Runs `sql` once per record with its fields bound (as many as it takes), in the
// caller's transaction; false when the log keeps no record or a write failed.
bool runForRecords(sqlite3* db, const char* sql, const std::vector<Record>& records)
{
    sqlite3_stmt* statement = nullptr;
    int rc = sqlite3_prepare_v2(db, sql, -1, &statement, nullptr);
    const int parameters = rc == SQLITE_OK ? sqlite3_bind_parameter_count(statement) : 0;
    for (std::size_t i = 0; rc == SQLITE_OK && i < records.size(); ++i) {
        const QByteArray name = records[i].name.toUtf8();
        const QByteArray at = records[i].at.toUtf8();
        sqlite3_bind_text(statement, 1, name.constData(), -1, SQLITE_TRANSIENT);
        if (parameters >= 5) {
            sqlite3_bind_int64(statement, 2, records[i].device);
            sqlite3_bind_int64(statement, 3, records[i].inode);
            sqlite3_bind_int64(statement, 4, records[i].modified);
            sqlite3_bind_text(statement, 5, at.constData(), -1, SQLITE_TRANSIENT);
        }
        rc = sqlite3_step(statement) == SQLITE_DONE ? SQLITE_OK : SQLITE_ERROR;
        sqlite3_reset(statement);
    }
    sqlite3_finalize(statement);
    return rc == SQLITE_OK;
}

// The same in a transaction of its own; the backups are then only not pruned when it fails.
bool forEachRecord(sqlite3* db, const char* sql, const std::vector<Record>& records)
{
    if (records.empty()) return true;
    if (sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK) return false;
    const bool done = runForRecords(db, sql, records);
    return sqlite3_exec(db, done ? "COMMIT" : "ROLLBACK", nullptr, nullptr, nullptr) == SQLITE_OK
           && done;
}

constexpr char kAddRecord[] =
    "INSERT OR REPLACE INTO backups (name, device, inode, modified, written_at)"
    " VALUES (?1, ?2, ?3, ?4, ?5)";

bool addRecords(sqlite3* db, const std::vector<Record>& records)
{
    return forEachRecord(db, kAddRecord, records);
}

// The file `name` in `folder` as it is now: a plain file of this user, never a link.
std::optional<Record> fileRecord(const QString& folder, const QString& name, const QDateTime& at)
{
    struct stat st {};
    const QByteArray path = QFile::encodeName(QDir(folder).filePath(name));
    if (::lstat(path.constData(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::getuid())
        return std::nullopt;
    return Record{name, static_cast<qint64>(st.st_dev), static_cast<qint64>(st.st_ino),
                  static_cast<qint64>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
                  at.toString(Qt::ISODate)};
}

// A folder the program may delete in: not a link (pruning would delete in its target,
// among files that are not ours).
bool realFolder(const QString& folder)
{
    struct stat st {};
    return ::lstat(QFile::encodeName(folder).constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

void recordBackup(sqlite3* db, const QString& path, const QDateTime& when)
{
    const QFileInfo file(path);
    if (const std::optional<Record> record = fileRecord(file.absolutePath(), file.fileName(), when))
        addRecords(db, {*record});
}

// Deletes the recorded backups the retention rule lets go: only a file still the one
// written (the same file, not a link or another file put under its name), and never
// through a folder that is a link.
void prune(sqlite3* db, const BackupLocation& where, const QDate& today)
{
    if (!realFolder(where.folder)) return;
    const std::vector<Record> records = recorded(db);
    QStringList names;
    for (const Record& record : records) names << record.name;
    const QStringList doomed = backupsToPrune(where, names, today);
    std::vector<Record> forgotten;
    for (const Record& record : records) {
        if (!doomed.contains(record.name)) continue;
        const std::optional<Record> now = fileRecord(where.folder, record.name, {});
        const bool same = now && now->sameFile(record);
        if (same && !QFile::remove(QDir(where.folder).filePath(record.name))) continue;
        forgotten.push_back(record);
    }
    forEachRecord(db, "DELETE FROM backups WHERE name = ?1", forgotten);
}

} // namespace

void adoptEarlierBackups(sqlite3* db)
{
    const QString file = fromUtf8(sqlite3_db_filename(db, "main"));
    if (file.isEmpty()) return; // a database in memory has no folder
    const BackupLocation where = BackupLocation::of(file);
    if (!realFolder(where.folder)) return;
    std::vector<Record> records;
    for (const QString& name : where.files()) {
        if (const std::optional<Record> record = fileRecord(where.folder, name, where.timeOf(name)))
            records.push_back(*record);
    }
    // Inside the migration's transaction.
    runForRecords(db, kAddRecord, records);
}

// ---- names and retention ----

BackupLocation BackupLocation::of(const QString& databasePath)
{
    const QFileInfo info(databasePath);
    return {info.absoluteDir().filePath(QStringLiteral("backups")), info.completeBaseName()};
}

QString BackupLocation::fileName(const QDateTime& when) const
{
    return baseName + QLatin1Char('-') + when.toString(QLatin1String(kStampFormat))
           + QStringLiteral(".sqlite");
}

QDateTime BackupLocation::timeOf(const QString& fileName) const
{
    const QString prefix = baseName + QLatin1Char('-');
    const QString suffix = QStringLiteral(".sqlite");
    const qsizetype stampLength = 15;
    if (fileName.size() != prefix.size() + stampLength + suffix.size()
        || !fileName.startsWith(prefix) || !fileName.endsWith(suffix)) {
        return {};
    }
    const QString stamp = fileName.mid(prefix.size(), stampLength);
    static const QRegularExpression digits(QStringLiteral("^\\d{8}-\\d{6}$"));
    if (!digits.match(stamp).hasMatch()) return {};
    return QDateTime::fromString(stamp, QLatin1String(kStampFormat));
}

QStringList BackupLocation::files() const
{
    QStringList ours;
    const QStringList names = QDir(folder).entryList(QDir::Files, QDir::Name);
    for (const QString& name : names) {
        if (timeOf(name).isValid()) ours << name;
    }
    // The stamp sorts as the time does.
    std::sort(ours.begin(), ours.end(), std::greater<>());
    return ours;
}

bool BackupLocation::hasBackupOn(const QDate& day) const
{
    const QStringList names = files();
    return std::any_of(names.begin(), names.end(),
                       [&](const QString& name) { return timeOf(name).date() == day; });
}

QStringList backupsToPrune(const BackupLocation& where, const QStringList& fileNames,
                           const QDate& today)
{
    QStringList ours;
    for (const QString& name : fileNames) {
        if (where.timeOf(name).isValid()) ours << name;
    }
    std::sort(ours.begin(), ours.end(), std::greater<>());
    ours.removeDuplicates();
    std::set<QString> keep(ours.begin(),
                           ours.begin() + std::min<qsizetype>(kKeepNewest, ours.size()));
    const QDate thisMonth(today.year(), today.month(), 1);
    for (int back = 0; back < kKeepMonths; ++back) {
        const QDate month = thisMonth.addMonths(-back);
        // Newest first, so the last one seen in the month is its earliest.
        QString earliest;
        for (const QString& name : ours) {
            const QDate day = where.timeOf(name).date();
            if (day.year() == month.year() && day.month() == month.month()) earliest = name;
        }
        if (!earliest.isEmpty()) keep.insert(earliest);
    }
    QStringList doomed;
    for (const QString& name : ours) {
        if (!keep.count(name)) doomed << name;
    }
    return doomed;
}

// ---- making a backup ----

// One backup in progress: the destination open under its temporary name.
struct BackupJob {
    sqlite3* source = nullptr;
    sqlite3* dest = nullptr;
    sqlite3_backup* backup = nullptr;
    BackupLocation where;
    QString partial;
    QString target;
    QDateTime when;

    ~BackupJob() { abandon(); }

    // Opens the destination and begins the copy; an error sentence when it cannot.
    QString begin(sqlite3* from, QDateTime at);
    // Takes the first free name from `when` on by creating its temporary file.
    QString claimName();
    // Ends a copy whose last step returned `rc`: closeCopy ends SQLite's part, publish
    // syncs the file and renames it into place; complete does both.
    QString closeCopy(int rc);
    BackupResult publish();
    BackupResult complete(int rc);
    void abandon();
};

QString BackupJob::begin(sqlite3* from, QDateTime at)
{
    source = from;
    const char* file = from ? sqlite3_db_filename(from, "main") : nullptr;
    if (!file || !*file)
        return QCoreApplication::translate(
            "LogBackup", "The log is not kept in a file, so it cannot be backed up.");
    if (!sqlite3_get_autocommit(from)) {
        return QCoreApplication::translate(
            "LogBackup", "The log cannot be backed up in the middle of a change.");
    }
    where = BackupLocation::of(fromUtf8(file));
    when = at;
    if (const int error = makePrivateFolder(where.folder))
        return folderErrorSentence(error, where.folder);
    removeStalePartials(where, at);
    const QString claimError = claimName();
    if (!claimError.isEmpty()) return claimError;
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
    int rc = sqlite3_open_v2(QFile::encodeName(partial).constData(), &dest, flags, nullptr);
    // Synced once, whole, by publish().
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(dest, "PRAGMA synchronous=OFF", nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK) {
        backup = sqlite3_backup_init(dest, "main", from, "main");
        if (!backup) rc = sqlite3_errcode(dest);
    }
    if (rc == SQLITE_OK) return {};
    const QString cause = sqliteCause(dest, rc, partial);
    abandon();
    return cause;
}

QString BackupJob::claimName()
{
    // Two backups within one second (two commands in a row, or the day's stepped backup
    // still running when a change asks for its own) both stay, each under its own name.
    // The temporary file is the claim: made exclusively, it is never another backup's,
    // and its target is checked only after it is held, so that a backup of the same second
    // published in between is seen and never replaced.
    for (;; when = when.addSecs(1)) {
        const QString name = QDir(where.folder).filePath(where.fileName(when));
        if (QFileInfo::exists(name)) continue;
        const QString temporary = name + QLatin1String(kPartialSuffix);
        // Created here first: SQLite retries a failed open read-only, and the errno it
        // keeps is then that of the retry, not the reason the file could not be made.
        const int fd = createPrivateFile(temporary);
        if (fd < 0 && errno == EEXIST) continue;
        if (fd < 0) return osErrorSentence(errno, temporary);
        ::close(fd);
        if (QFileInfo::exists(name)) {
            QFile::remove(temporary);
            continue;
        }
        target = name;
        partial = temporary;
        // Side files left by a killed backup of this name belong to no one now.
        for (const char* suffix : {"-journal", "-wal", "-shm"})
            QFile::remove(partial + QLatin1String(suffix));
        return {};
    }
}

QString BackupJob::closeCopy(int rc)
{
    const int finishRc = sqlite3_backup_finish(backup);
    backup = nullptr;
    if (rc == SQLITE_DONE) rc = finishRc;
    // A copy of a database in WAL mode is marked WAL too; a backup is one plain file.
    if (rc == SQLITE_OK) {
        rc = sqlite3_exec(dest, "PRAGMA journal_mode=DELETE", nullptr, nullptr, nullptr);
    }
    if (rc != SQLITE_OK) {
        const QString cause = sqliteCause(dest, rc, partial);
        abandon();
        return cause;
    }
    rc = sqlite3_close(dest);
    dest = nullptr;
    if (rc != SQLITE_OK) {
        abandon();
        return sqliteCause(nullptr, rc, partial);
    }
    return {};
}

BackupResult BackupJob::publish()
{
    // The copy was written without syncs; one fsync of the whole file before the rename
    // makes the named backup whole on disk, and costs the window one wait, not several.
    const QByteArray from = QFile::encodeName(partial);
    const int fd = ::open(from.constData(), O_RDWR);
    int error = fd < 0 ? errno : 0;
    if (fd >= 0) {
        if (::fsync(fd) != 0) error = errno;
        if (::close(fd) != 0 && error == 0) error = errno;
    }
    if (error == 0 && ::rename(from.constData(), QFile::encodeName(target).constData()) != 0) {
        error = errno;
    }
    if (error != 0) {
        const QString failed = partial;
        abandon();
        return failure(osErrorSentence(error, failed));
    }
    partial.clear();
    syncFolder(where.folder);
    return {true, target, QString()};
}

BackupResult BackupJob::complete(int rc)
{
    const QString cause = closeCopy(rc);
    return cause.isEmpty() ? publish() : failure(cause);
}

void BackupJob::abandon()
{
    if (backup) sqlite3_backup_finish(backup);
    backup = nullptr;
    if (dest) sqlite3_close(dest);
    dest = nullptr;
    if (!partial.isEmpty()) removeDatabaseFiles(partial);
    partial.clear();
}

namespace {

BackupResult backUpWithoutPruning(sqlite3* source, const QDateTime& when)
{
    BackupJob job;
    const QString error = job.begin(source, when);
    if (!error.isEmpty())
        return failure(
            QCoreApplication::translate("LogBackup", "The log could not be backed up. %1")
                .arg(error));
    BackupResult result = job.complete(stepWaiting(job.backup, -1));
    if (!result.ok)
        result.error =
            QCoreApplication::translate("LogBackup", "The log could not be backed up. %1")
                .arg(result.error);
    return result;
}

} // namespace

BackupResult backUpNow(sqlite3* source, const QDateTime& when)
{
    BackupResult result = backUpWithoutPruning(source, when);
    if (result.ok) {
        recordBackup(source, result.path, when);
        prune(source, BackupLocation::of(fromUtf8(sqlite3_db_filename(source, "main"))),
              when.date());
    }
    return result;
}

// ---- listing ----

BackupInfo readBackupInfo(const QString& path, const QDateTime& when)
{
    BackupInfo info;
    info.path = path;
    info.when = when;
    sqlite3* db = nullptr;
    sqlite3_stmt* dates = nullptr;
    int rc = openReadOnly(path, &db);
    // Mapped rather than read: the whole file is scanned once.
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(db, "PRAGMA mmap_size=1073741824", nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK && !addBlankTripFunction(db)) rc = sqlite3_errcode(db);
    // Blank rows are no trips: they are neither counted nor dated.
    if (rc == SQLITE_OK)
        rc = sqlite3_prepare_v2(db,
                                "SELECT date FROM trips WHERE NOT blank_trip(date,"
                                " starting_location, destination, description, odometer_start,"
                                " odometer_end, mileage, reimbursement)",
                                -1, &dates, nullptr);
    // One pass counts the trips and finds the latest date; dates repeat from trip to
    // trip, so each distinct text is read as a date once.
    QSet<QByteArray> seen;
    while (rc == SQLITE_OK && (rc = sqlite3_step(dates)) == SQLITE_ROW) {
        rc = SQLITE_OK;
        ++info.trips;
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(dates, 0));
        if (!text) continue;
        const QByteArray bytes(text, sqlite3_column_bytes(dates, 0));
        if (seen.contains(bytes)) continue;
        seen.insert(bytes);
        const QDate date = textToDate(QString::fromUtf8(bytes).trimmed());
        if (date.isValid() && (!info.latestTrip.isValid() || date > info.latestTrip)) {
            info.latestTrip = date;
        }
    }
    // A file damaged past its first pages reads as far as it can, then fails.
    info.readable = rc == SQLITE_DONE;
    if (!info.readable) {
        info.trips = 0;
        info.latestTrip = QDate();
    }
    sqlite3_finalize(dates);
    sqlite3_close(db);
    return info;
}

QList<BackupInfo> listBackups(const BackupLocation& where)
{
    QList<BackupInfo> list;
    for (const QString& name : where.files()) {
        list << readBackupInfo(QDir(where.folder).filePath(name), where.timeOf(name));
    }
    return list;
}

// ---- restoring ----

QString backupDamage(const QString& path)
{
    sqlite3* db = nullptr;
    int rc = openReadOnly(path, &db);
    QString result;
    sqlite3_stmt* check = nullptr;
    if (rc == SQLITE_OK) rc = sqlite3_prepare_v2(db, "PRAGMA quick_check", -1, &check, nullptr);
    if (rc == SQLITE_OK && sqlite3_step(check) == SQLITE_ROW
        && fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(check, 0)))
               == QLatin1String("ok")) {
        const bool hasTrips =
            sqlite3_exec(db, "SELECT 1 FROM trips LIMIT 1", nullptr, nullptr, nullptr) == SQLITE_OK;
        if (!hasTrips)
            result = QCoreApplication::translate("LogBackup", "The backup %1 holds no log.");
    } else {
        result =
            QCoreApplication::translate("LogBackup", "The backup %1 is damaged or is not a log.");
    }
    sqlite3_finalize(check);
    sqlite3_close(db);
    return result.isEmpty() ? result : result.arg(QDir::toNativeSeparators(path));
}

namespace {

// Copies the checked backup over the live database in one write transaction.
QString copyInto(sqlite3* live, const QString& backupFile)
{
    sqlite3* source = nullptr;
    int rc = openReadOnly(backupFile, &source);
    if (rc != SQLITE_OK) {
        const QString cause = sqliteCause(source, rc, backupFile);
        sqlite3_close(source);
        return cause;
    }
    sqlite3_backup* backup = sqlite3_backup_init(live, "main", source, "main");
    if (!backup) {
        const QString cause = sqliteCause(live, sqlite3_errcode(live), backupFile);
        sqlite3_close(source);
        return cause;
    }
    rc = stepWaiting(backup, -1);
    const int finishRc = sqlite3_backup_finish(backup);
    if (rc == SQLITE_DONE) rc = finishRc;
    QString cause;
    if (rc != SQLITE_OK) {
        cause = sqliteCause(live, rc, fromUtf8(sqlite3_db_filename(live, "main")));
    }
    sqlite3_close(source);
    return cause;
}

} // namespace

BackupResult restoreBackup(sqlite3* live, const QString& backupFile, const QDateTime& when)
{
    if (!live || !sqlite3_get_autocommit(live)) {
        return failure(QCoreApplication::translate(
            "LogBackup", "The log cannot be restored in the middle of a change."));
    }
    const QString damage = backupDamage(backupFile);
    if (!damage.isEmpty())
        return failure(damage + QLatin1Char(' ')
                       + QCoreApplication::translate("LogBackup", "The log is unchanged."));
    // The chosen backup may be one the pruning would remove: prune only after the copy.
    BackupResult safety = backUpWithoutPruning(live, when);
    if (!safety.ok) {
        return failure(safety.error + QLatin1Char(' ')
                       + QCoreApplication::translate(
                           "LogBackup",
                           "The log was not restored, so that it is never replaced without "
                           "a copy."));
    }
    // The copy brings the backup's own record of backups: the log's goes back over it.
    std::vector<Record> records = recorded(live);
    const QString cause = copyInto(live, backupFile);
    if (const auto safetyRecord = fileRecord(QFileInfo(safety.path).absolutePath(),
                                             QFileInfo(safety.path).fileName(), when))
        records.push_back(*safetyRecord);
    addRecords(live, records);
    prune(live, BackupLocation::of(fromUtf8(sqlite3_db_filename(live, "main"))), when.date());
    if (!cause.isEmpty()) {
        return failure(
            QCoreApplication::translate(
                "LogBackup", "The backup could not be restored. %1 The log is unchanged.")
                .arg(cause));
    }
    return safety;
}

// ---- the stepped backup ----

SteppedBackup::SteppedBackup(QObject* parent) : QObject(parent), timer_(new QTimer(this))
{
    timer_->setInterval(0);
    connect(timer_, &QTimer::timeout, this, &SteppedBackup::step);
}

SteppedBackup::~SteppedBackup() { cancel(); }

void SteppedBackup::start(sqlite3* source, const QDateTime& when, int pagesPerStep)
{
    cancel();
    pagesPerStep_ = std::max(1, pagesPerStep);
    job_ = std::make_unique<BackupJob>();
    const QString error = job_->begin(source, when);
    if (!error.isEmpty()) {
        job_.reset();
        const BackupResult result =
            failure(QCoreApplication::translate("LogBackup", "The log could not be backed up. %1")
                        .arg(error));
        QTimer::singleShot(0, this, [this, result] { emit finished(result); });
        return;
    }
    timer_->start();
}

void SteppedBackup::cancel()
{
    timer_->stop();
    if (finisher_) {
        // Past the copy: the backup is let finish whole, without a report.
        finisher_->disconnect(this);
        finisher_->wait();
        delete finisher_;
        finisher_ = nullptr;
    }
    job_.reset();
}

bool SteppedBackup::running() const { return job_ != nullptr; }

void SteppedBackup::step()
{
    if (!job_ || finisher_) return;
    // Pages read inside the connection's own open transaction would be its uncommitted
    // half; the copy waits for the transaction to end.
    if (!sqlite3_get_autocommit(job_->source)) return;
    const int rc = sqlite3_backup_step(job_->backup, pagesPerStep_);
    if (rc == SQLITE_OK || rc == SQLITE_BUSY || rc == SQLITE_LOCKED) return;
    timer_->stop();
    const QString cause = job_->closeCopy(rc);
    if (!cause.isEmpty()) {
        job_.reset();
        emit finished(
            failure(QCoreApplication::translate("LogBackup", "The log could not be backed up. %1")
                        .arg(cause)));
        return;
    }
    // The sync to disk and the pruning wait on the disk: done away from the window.
    auto result = std::make_shared<BackupResult>();
    finisher_ = QThread::create([job = job_.get(), result] { *result = job->publish(); });
    connect(finisher_, &QThread::finished, this, [this, result] {
        finisher_->deleteLater();
        finisher_ = nullptr;
        // Recorded and pruned through the log's own connection, on its own thread.
        if (result->ok) {
            recordBackup(job_->source, result->path, job_->when);
            prune(job_->source, job_->where, job_->when.date());
        }
        job_.reset();
        BackupResult report = *result;
        if (!report.ok)
            report.error =
                QCoreApplication::translate("LogBackup", "The log could not be backed up. %1")
                    .arg(report.error);
        emit finished(report);
    });
    finisher_->start();
}

} // namespace bw
