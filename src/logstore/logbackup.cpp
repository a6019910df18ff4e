// Backups through SQLite's online backup API: a consistent copy of a live database, made
// under a temporary name and renamed only when whole.
#include "logstore/logbackup.h"

#include "logstore/blanktripsql.h"
#include "logstore/logcatalog.h"
#include "logstore/sqlite.h"
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

#include <fcntl.h>
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

QString sentence(const std::exception& failure) { return QString::fromUtf8(failure.what()); }

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
std::unique_ptr<sql::Database> openFinished(const QString& path)
{
    return std::make_unique<sql::Database>(path, sql::Database::Open::Snapshot);
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
std::vector<Record> recorded(sql::Database& db)
{
    std::vector<Record> records;
    try {
        sql::Statement rows(db, "SELECT name, device, inode, modified, written_at FROM backups");
        while (rows.step()) {
            records.push_back(
                {rows.textAt(0), rows.intAt(1), rows.intAt(2), rows.intAt(3), rows.textAt(4)});
        }
    } catch (const sql::SqlError&) {
    }
    return records;
}

// Runs `sql` once per record with its fields bound (as many as it takes), in the
// caller's transaction; throws sql::SqlError when the log keeps no record or a write failed.
void runForRecords(sql::Database& db, const char* sql, const std::vector<Record>& records)
{
    sql::Statement statement(db, sql);
    const int parameters = statement.parameterCount();
    for (const Record& record : records) {
        statement.bind(1, record.name);
        if (parameters >= 5) {
            statement.bindInt(2, record.device);
            statement.bindInt(3, record.inode);
            statement.bindInt(4, record.modified);
            statement.bind(5, record.at);
        }
        statement.run();
    }
}

// The same in a transaction of its own; the backups are then only not pruned when it fails.
bool forEachRecord(sql::Database& db, const char* sql, const std::vector<Record>& records)
{
    if (records.empty()) return true;
    try {
        sql::Transaction transaction(db);
        runForRecords(db, sql, records);
        transaction.commit();
        return true;
    } catch (const sql::SqlError&) {
        return false;
    }
}

constexpr char kAddRecord[] =
    "INSERT OR REPLACE INTO backups (name, device, inode, modified, written_at)"
    " VALUES (?1, ?2, ?3, ?4, ?5)";

bool addRecords(sql::Database& db, const std::vector<Record>& records)
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

void recordBackup(sql::Database& db, const QString& path, const QDateTime& when)
{
    const QFileInfo file(path);
    if (const std::optional<Record> record = fileRecord(file.absolutePath(), file.fileName(), when))
        addRecords(db, {*record});
}

// Deletes the recorded backups the retention rule lets go: only a file still the one
// written (the same file, not a link or another file put under its name), and never
// through a folder that is a link.
void prune(sql::Database& db, const BackupLocation& where, const QDate& today)
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

void adoptEarlierBackups(sql::Database& db)
{
    const QString file = db.fileName();
    if (file.isEmpty()) return; // a database in memory has no folder
    const BackupLocation where = BackupLocation::of(file);
    if (!realFolder(where.folder)) return;
    std::vector<Record> records;
    for (const QString& name : where.files()) {
        if (const std::optional<Record> record = fileRecord(where.folder, name, where.timeOf(name)))
            records.push_back(*record);
    }
    // Inside the migration's transaction. A record that cannot be written leaves that
    // backup unrecorded, which only keeps it from being pruned.
    try {
        runForRecords(db, kAddRecord, records);
    } catch (const sql::SqlError&) {
    }
}

// ---- names and retention ----

BackupLocation BackupLocation::of(const QString& databasePath)
{
    const QFileInfo info(databasePath);
    // The logs the catalogue keeps apart from the settings (in its logs folder, or opened
    // elsewhere, on a stick that may be gone when a backup is wanted) back up beside the
    // settings, named by the log.
    const LogCatalog catalog;
    const QString folder =
        catalog.keptApart(databasePath)
            ? QFileInfo(catalog.defaultLog()).dir().filePath(QStringLiteral("backups"))
            : info.absoluteDir().filePath(QStringLiteral("backups"));
    return {folder, info.completeBaseName()};
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
    sql::Database* source = nullptr;
    std::unique_ptr<sql::Database> dest;
    std::unique_ptr<sql::Backup> backup;
    BackupLocation where;
    QString partial;
    QString target;
    QDateTime when;

    ~BackupJob() { abandon(); }

    // Opens the destination and begins the copy; an error sentence when it cannot.
    QString begin(sql::Database& from, QDateTime at);
    // Takes the first free name from `when` on by creating its temporary file.
    QString claimName();
    // Ends a copy whose pages are all copied (closeCopy), then syncs the file and renames
    // it into place (publish); complete copies what remains and does both.
    QString closeCopy();
    BackupResult publish();
    BackupResult complete();
    void abandon();
};

QString BackupJob::begin(sql::Database& from, QDateTime at)
{
    source = &from;
    const QString file = from.fileName();
    if (file.isEmpty())
        return QCoreApplication::translate(
            "LogBackup", "The log is not kept in a file, so it cannot be backed up.");
    if (from.inTransaction()) {
        return QCoreApplication::translate(
            "LogBackup", "The log cannot be backed up in the middle of a change.");
    }
    where = BackupLocation::of(file);
    when = at;
    if (const int error = makePrivateFolder(where.folder))
        return folderErrorSentence(error, where.folder);
    removeStalePartials(where, at);
    const QString claimError = claimName();
    if (!claimError.isEmpty()) return claimError;
    try {
        dest = std::make_unique<sql::Database>(partial, sql::Database::Open::ReadWrite);
        // Synced once, whole, by publish().
        dest->exec("PRAGMA synchronous=OFF");
        backup = std::make_unique<sql::Backup>(*dest, from);
        return {};
    } catch (const sql::SqlError& failure) {
        abandon();
        return sentence(failure);
    }
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

QString BackupJob::closeCopy()
{
    try {
        backup->finish();
        backup.reset();
        // A copy of a database in WAL mode is marked WAL too; a backup is one plain file.
        dest->exec("PRAGMA journal_mode=DELETE");
        dest->close();
        dest.reset();
        return {};
    } catch (const sql::SqlError& failure) {
        abandon();
        return sentence(failure);
    }
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

BackupResult BackupJob::complete()
{
    try {
        backup->run();
    } catch (const sql::SqlError& failed) {
        abandon();
        return failure(sentence(failed));
    }
    const QString cause = closeCopy();
    return cause.isEmpty() ? publish() : failure(cause);
}

void BackupJob::abandon()
{
    backup.reset();
    dest.reset();
    if (!partial.isEmpty()) removeDatabaseFiles(partial);
    partial.clear();
}

namespace {

QString notBackedUp(const QString& cause)
{
    return QCoreApplication::translate("LogBackup", "The log could not be backed up. %1")
        .arg(cause);
}

BackupResult backUpWithoutPruning(sql::Database& source, const QDateTime& when)
{
    BackupJob job;
    const QString error = job.begin(source, when);
    if (!error.isEmpty()) return failure(notBackedUp(error));
    BackupResult result = job.complete();
    if (!result.ok) result.error = notBackedUp(result.error);
    return result;
}

} // namespace

BackupResult backUpNow(sql::Database& source, const QDateTime& when)
{
    BackupResult result = backUpWithoutPruning(source, when);
    if (result.ok) {
        recordBackup(source, result.path, when);
        prune(source, BackupLocation::of(source.fileName()), when.date());
    }
    return result;
}

// ---- listing ----

BackupInfo readBackupInfo(const QString& path, const QDateTime& when)
{
    BackupInfo info;
    info.path = path;
    info.when = when;
    try {
        const std::unique_ptr<sql::Database> db = openFinished(path);
        // Mapped rather than read: the whole file is scanned once.
        db->exec("PRAGMA mmap_size=1073741824");
        addBlankTripFunction(*db);
        // Blank rows are no trips: they are neither counted nor dated.
        sql::Statement dates(*db,
                             ("SELECT date FROM trips WHERE NOT " + blankTripCall()).constData());
        // One pass counts the trips and finds the latest date; dates repeat from trip to
        // trip, so each distinct text is read as a date once.
        QSet<QByteArray> seen;
        while (dates.step()) {
            ++info.trips;
            if (dates.isNull(0)) continue;
            const QByteArray bytes = dates.utf8At(0).toByteArray();
            if (seen.contains(bytes)) continue;
            seen.insert(bytes);
            const QDate date = textToDate(QString::fromUtf8(bytes).trimmed());
            if (date.isValid() && (!info.latestTrip.isValid() || date > info.latestTrip)) {
                info.latestTrip = date;
            }
        }
        info.readable = true;
    } catch (const sql::SqlError&) {
        // A file damaged past its first pages reads as far as it can, then fails.
        info.trips = 0;
        info.latestTrip = QDate();
    }
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
    QString result;
    try {
        const std::unique_ptr<sql::Database> db = openFinished(path);
        sql::Statement check(*db, "PRAGMA quick_check");
        if (!check.step() || check.textAt(0) != QLatin1String("ok")) {
            result = QCoreApplication::translate("LogBackup",
                                                 "The backup %1 is damaged or is not a log.");
        } else {
            try {
                db->exec("SELECT 1 FROM trips LIMIT 1");
            } catch (const sql::SqlError&) {
                result = QCoreApplication::translate("LogBackup", "The backup %1 holds no log.");
            }
        }
    } catch (const sql::SqlError&) {
        result =
            QCoreApplication::translate("LogBackup", "The backup %1 is damaged or is not a log.");
    }
    return result.isEmpty() ? result : result.arg(QDir::toNativeSeparators(path));
}

namespace {

// Copies the checked backup over the live database in one write transaction.
QString copyInto(sql::Database& live, const QString& backupFile)
{
    try {
        const std::unique_ptr<sql::Database> source = openFinished(backupFile);
        sql::Backup(live, *source).run();
        return {};
    } catch (const sql::SqlError& failed) {
        return sentence(failed);
    }
}

} // namespace

BackupResult restoreBackup(sql::Database& live, const QString& backupFile, const QDateTime& when)
{
    if (live.inTransaction()) {
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
    prune(live, BackupLocation::of(live.fileName()), when.date());
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

void SteppedBackup::start(sql::Database& source, const QDateTime& when, int pagesPerStep)
{
    cancel();
    pagesPerStep_ = std::max(1, pagesPerStep);
    job_ = std::make_unique<BackupJob>();
    const QString error = job_->begin(source, when);
    if (!error.isEmpty()) {
        job_.reset();
        const BackupResult result = failure(notBackedUp(error));
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
    if (job_->source->inTransaction()) return;
    QString cause;
    try {
        if (!job_->backup->step(pagesPerStep_)) return;
        cause = job_->closeCopy();
    } catch (const sql::SqlError& failed) {
        cause = sentence(failed);
    }
    timer_->stop();
    if (!cause.isEmpty()) {
        job_.reset();
        emit finished(failure(notBackedUp(cause)));
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
            recordBackup(*job_->source, result->path, job_->when);
            prune(*job_->source, job_->where, job_->when.date());
        }
        job_.reset();
        BackupResult report = *result;
        if (!report.ok) report.error = notBackedUp(report.error);
        emit finished(report);
    });
    finisher_->start();
}

} // namespace bw
