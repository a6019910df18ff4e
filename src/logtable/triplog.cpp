// The trip table kept in the log's database: opening, upgrading, writing each change.
#include "logtable/triplog.h"

#include "core/errorlocation.h"
#include "core/steptrap.h"
#include "logstore/logrecovery.h"
#include "logstore/settingsstore.h"
#include "logtable/logtable.h"
#include "logtable/logtablestore.h"
#include "logtable/tripfills.h"
#include "platform/oserror.h"
#include "platform/privatefiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>
#include <cerrno>
#include <iterator>

namespace bw {

namespace {

QString shown(const QString& path) { return QDir::toNativeSeparators(path); }

// A power cut loses at most the commits since the last checkpoint; one runs this long
// after the first commit it has not yet covered.
constexpr int kCheckpointMs = 1500;

StoredTrip storedRow(const LogTable& table, int row)
{
    StoredTrip stored;
    stored.id = static_cast<qint64>(table.idAt(row));
    stored.order = table.orderAt(row);
    for (int k = 0; k < LogTable::kFieldCount; ++k) stored.trip.field(k) = table.valueAt(row, k);
    return stored;
}

} // namespace

TripLog::TripLog(SettingsStore& settings, Access access, const QString& databasePath)
    : settings_(&settings)
{
    checkpoint_.setSingleShot(true);
    checkpoint_.setInterval(kCheckpointMs);
    connect(&checkpoint_, &QTimer::timeout, this, [this] {
        try {
            if (db_) db_->checkpoint();
        } catch (const std::exception&) {
            // The next commit or the close tries again; the commits are in the log file.
        }
    });
    if (access == Access::Reader) {
        openReader(databasePath);
    } else {
        openProgram(settings, databasePath);
    }
}

TripLog::~TripLog() = default;

void TripLog::openReader(const QString& path)
{
    readOnly_ = true;
    if (!QFileInfo::exists(path)) return; // the earlier stores are read as before
    // A database that cannot be read fails the reader: its trips must not silently vanish.
    db_ = std::make_unique<LogDatabase>(path, LogDatabase::Access::ReadOnly);
    if (db_->foundVersion() == 0) db_.reset(); // created, never filled
}

void TripLog::openProgram(SettingsStore& settings, const QString& path)
{
    makePrivateFolder(QFileInfo(path).absolutePath());
    lock_ = std::make_unique<InstanceLock>(path, InstanceLock::Holder::Program);
    if (!lock_->held() && lock_->error() != 0) {
        // The lock file cannot be made: the folder takes no file, so nothing can be kept.
        const QString lockFile = path + QStringLiteral(".lock");
        const int error = lock_->error();
        showReadOnly(path, QFileInfo::exists(lockFile) && error != EROFS
                               ? osErrorSentence(error, lockFile)
                               : folderErrorSentence(error, QFileInfo(path).absolutePath()));
        return;
    }
    if (!lock_->held()) {
        openReadOnly(path, lock_->holder() == InstanceLock::Holder::ReportTool
                               ? tr("The trip log is being written by brindlewick-report. This "
                                    "window shows it read-only; changes to trips are not kept "
                                    "here.")
                               : tr("The trip log is open in another Brindlewick window. This "
                                    "window shows it read-only; changes to trips are not kept "
                                    "here."));
        return;
    }
    const bool unfinished = finishLeftRecovery(path) == LeftRecovery::Unfinished;
    if (QFileInfo::exists(path) && !openExisting(path, unfinished)) return;
    try {
        if (!db_) db_ = std::make_unique<LogDatabase>(path, LogDatabase::Access::ReadWrite);
    } catch (const sql::SqlError& failure) {
        readOnly_ = true;
        notices_ << tr("The trip log cannot be kept: %1 Changes to trips are not kept.")
                        .arg(logWriteCause(path, QString::fromUtf8(failure.what())));
        return;
    }
    if (db_->newerSchema()) {
        readOnly_ = true;
        notices_ << tr("The trip log %1 was written by a newer version of Brindlewick. This "
                       "version shows it read-only and does not change it.")
                        .arg(shown(path));
        return;
    }
    tellRecovery();
    makeFilesPrivateOnce(settings);
    if (db_->importPending()) importEarlierStores(settings);
}

// Opens the database found at `path`, setting it aside when it cannot be read whole.
// False when the log must stay closed (it could not be set aside, or is shown read-only).
bool TripLog::openExisting(const QString& path, bool recoveredBefore)
{
    FoundLog found(path);
    QString damage;
    try {
        damage = LogDatabase::damageOf(path, found.hasWal());
    } catch (const sql::SqlError& failure) {
        readOnly_ = true;
        notices_ << tr("The trip log cannot be opened: %1 Changes to trips are not kept.")
                        .arg(QString::fromUtf8(failure.what()));
        return false;
    }
    if (!damage.isEmpty()) {
        recoverDamaged(found, damage, recoveredBefore);
        return db_ != nullptr;
    }
    if (found.wal().damaged && !keepDamagedWal(found)) return false;
    try {
        db_ = std::make_unique<LogDatabase>(path, LogDatabase::Access::ReadWrite);
    } catch (const sql::SqlError& failure) {
        // Sound, but it cannot be written: shown as it is, and why said.
        showReadOnly(path, logWriteCause(path, QString::fromUtf8(failure.what())));
        return false;
    }
    if (found.wal().damaged) {
        try {
            // What applies goes into the log and the damaged frames (kept aside) leave the
            // write-ahead file, so a start after a crash does not find them again.
            db_->database().exec("PRAGMA wal_checkpoint(TRUNCATE)");
        } catch (const sql::SqlError&) {
            // Found again at the next start, and said again: nothing is lost.
        }
    }
    return true;
}

void TripLog::recoverDamaged(FoundLog& found, const QString& why, bool recoveredBefore)
{
    const QString path = found.path();
    // There from here until the new log is in place: a start that finds it knows that this
    // recovery did not finish.
    int error = touchPrivateFile(recoveringPath(path));
    const QString aside = error == 0 ? found.setAside(false, recoveredBefore, error) : QString();
    if (aside.isEmpty()) {
        // Never written over: the log stays closed until the file can be set aside.
        removeRecovering(path);
        readOnly_ = true;
        notices_ << tr("The trip log %1 is damaged and could not be set aside; it was left "
                       "unchanged and changes to trips are not kept.")
                            .arg(shown(path))
                        + QLatin1Char(' ') + osErrorSentence(error, recoveringPath(path));
        return;
    }
    Salvage salvage = salvageLog(path, found.hasWal());
    const auto number = [](qint64 n) { return QString::number(n); };
    const std::vector<std::pair<QString, QString>> said = {
        {QString::fromLatin1(LogDatabase::kRecoveredFrom), aside},
        {QString::fromLatin1(LogDatabase::kRecoveredWhy), why.left(200)},
        {QString::fromLatin1(LogDatabase::kRecoveredKept), number(qint64(salvage.trips.size()))},
        {QString::fromLatin1(LogDatabase::kRecoveredHeld), number(salvage.held)},
        {QString::fromLatin1(LogDatabase::kRecoveredAgain),
         recoveredBefore ? number(1) : QString()}};
    try {
        writeRecoveredLog(path, found.hasWal(), salvage, said);
        error = putRecoveredInPlace(path);
        if (error != 0) throw sql::SqlError(osErrorSentence(error, path), 0, error);
        db_ = std::make_unique<LogDatabase>(path, LogDatabase::Access::ReadWrite);
    } catch (const sql::SqlError& failure) {
        removeRecovering(path);
        db_.reset();
        readOnly_ = true;
        shownTrips_ = std::move(salvage.trips);
        notices_ << tr("The trip log %1 was set aside as %2, and a new one cannot be made: %3")
                        .arg(shown(path), shown(aside), QString::fromUtf8(failure.what()));
    }
}

// The write-ahead file holds committed changes SQLite would drop: the files are kept as
// found and the user is told what could not be applied. False when they could not be
// kept (the log is then shown read-only, so that nothing drops them).
bool TripLog::keepDamagedWal(FoundLog& found)
{
    const QString path = found.path();
    const QString wal = path + QStringLiteral("-wal");
    const QString written = QLocale().toString(QFileInfo(wal).lastModified(), QLocale::ShortFormat);
    int error = 0;
    const QString aside = found.setAside(true, false, error);
    if (aside.isEmpty()) {
        showReadOnly(path, tr("Its write-ahead file %1 is damaged and could not be set aside. %2")
                               .arg(shown(wal), osErrorSentence(error, keepAsideName(path))));
        return false;
    }
    notices_ << tr("The last changes to the trip log could not be applied: its write-ahead file "
                   "%1, last written %2, is damaged. Changes that could not be applied: %3. The "
                   "log is shown as it was before them. The log, its write-ahead file and index "
                   "were set aside unchanged as %4.")
                    .arg(shown(wal), written)
                    .arg(found.wal().lostCommits)
                    .arg(shown(aside));
    return true;
}

// What a recovery found: kept in the new log until the window has said it, so that a
// start that ends before that says it again.
void TripLog::tellRecovery()
{
    const auto value = [this](const char* key) {
        return db_->meta(QString::fromLatin1(key)).value_or(QString());
    };
    const QString from = value(LogDatabase::kRecoveredFrom);
    if (from.isEmpty()) return;
    const qint64 held = value(LogDatabase::kRecoveredHeld).toLongLong();
    QString text = value(LogDatabase::kRecoveredAgain).isEmpty()
                       ? QString()
                       : tr("A recovery of the trip log begun at an earlier start did not "
                            "finish; it was made again.")
                             + QLatin1Char(' ');
    // One substitution for all, so that a path holding "%4" is shown as it is.
    const QString path = shown(db_->path());
    const QString why = value(LogDatabase::kRecoveredWhy);
    const QString kept = QString::number(value(LogDatabase::kRecoveredKept).toLongLong());
    text += held >= 0 ? tr("The trip log %1 could not be read whole (%2). It was set aside "
                           "unchanged as %3. Trips recovered into a new log: %4 of %5.")
                            .arg(path, why, shown(from), kept, QString::number(held))
                      : tr("The trip log %1 could not be read whole (%2). It was set aside "
                           "unchanged as %3. Trips recovered into a new log: %4 (how many it "
                           "held could not be read).")
                            .arg(path, why, shown(from), kept);
    notices_ << text;
    recoveryToTell_ = true;
}

void TripLog::noticesShown()
{
    if (!recoveryToTell_ || !db_) return;
    recoveryToTell_ = false;
    TripChanges told;
    for (const char* key :
         {LogDatabase::kRecoveredFrom, LogDatabase::kRecoveredWhy, LogDatabase::kRecoveredKept,
          LogDatabase::kRecoveredHeld, LogDatabase::kRecoveredAgain})
        told.meta.push_back({QString::fromLatin1(key), QString()});
    try {
        db_->apply(told);
    } catch (const sql::SqlError&) {
        // Said again at the next start.
    }
}

// The files earlier versions made readable by others are narrowed once; the log records
// that it was done, so that a mode the user sets later is left as it is.
void TripLog::makeFilesPrivateOnce(SettingsStore& settings)
{
    const QString done = QString::fromLatin1(LogDatabase::kFilesPrivate);
    if (db_->meta(done)) return;
    narrowEarlierFiles(db_->path(), settings.fileName());
    TripChanges record;
    record.meta.push_back({done, QStringLiteral("1")});
    try {
        db_->apply(record);
    } catch (const sql::SqlError&) {
        // Narrowed again at the next start, which changes nothing that is private already.
    }
}

void TripLog::showReadOnly(const QString& path, const QString& cause)
{
    readOnly_ = true;
    notices_ << tr("The trip log %1 cannot be written: %2 This window shows it read-only; "
                   "changes to trips are not kept.")
                    .arg(shown(path), cause);
    if (!QFileInfo::exists(path)) return;
    for (const auto access : {LogDatabase::Access::ReadOnly, LogDatabase::Access::Snapshot}) {
        try {
            // A folder nobody may write takes no index beside the log: its bytes are read as
            // they are.
            db_ = std::make_unique<LogDatabase>(path, access);
            if (db_->foundVersion() == 0) db_.reset();
            return;
        } catch (const sql::SqlError& failure) {
            if (access == LogDatabase::Access::Snapshot)
                notices_ << QString::fromUtf8(failure.what());
        }
    }
}

void TripLog::openReadOnly(const QString& path, const QString& why)
{
    readOnly_ = true;
    notices_ << why;
    if (!QFileInfo::exists(path)) return;
    try {
        db_ = std::make_unique<LogDatabase>(path, LogDatabase::Access::ReadOnly);
        if (db_->foundVersion() == 0) db_.reset();
    } catch (const sql::SqlError& failure) {
        notices_ << QString::fromUtf8(failure.what());
    }
}

void TripLog::scheduleCheckpoint()
{
    if (!checkpoint_.isActive()) checkpoint_.start();
}

QString TripLog::rowCountAtClose() const
{
    if (!db_) return settings_->GetSetting(QStringLiteral("RowCount"), QString());
    try {
        return db_->meta(QString::fromLatin1(LogDatabase::kRowCountAtClose)).value_or(QString());
    } catch (const sql::SqlError&) {
        return QString();
    }
}

namespace {

// Whether the settings hold anything the user entered in an earlier run.
bool keptEntries(const SettingsStore& settings)
{
    constexpr const char* kKeys[] = {"AuthorizedBy",       "EmployeeID", "EmployeeName",
                                     "PeriodFrom",         "PeriodTo",   "RatePerMile",
                                     "VehicleDescription", "RowCount"};
    return std::any_of(std::begin(kKeys), std::end(kKeys), [&](const char* key) {
        return settings.contains(QString::fromLatin1(key));
    });
}

} // namespace

// The one-time upgrade: the rows the earlier stores hold, read exactly as the start-up
// of the version that wrote them did, go into the new database in one transaction; then
// the trips file is renamed and a 1.0 INI file's row keys are copied aside and dropped.
void TripLog::importEarlierStores(SettingsStore& settings)
{
    auto table = std::make_shared<LogTable>();
    table->openWithTripFields();
    StepTrap trap(QString::fromLatin1(ErrorLocation::Form1_Form_Load));
    RestoreLogRows(table, settings, trap);
    TripChanges changes;
    changes.replaceAll = true;
    for (int row = 0; row < table->RecordCount(); ++row)
        changes.upserts.push_back(storedRow(*table, row));
    const QString rowCount = settings.GetSetting(QStringLiteral("RowCount"), QString());
    changes.meta.push_back({QString::fromLatin1(LogDatabase::kRowCountAtClose), rowCount});
    changes.meta.push_back({QString::fromLatin1(LogDatabase::kImportPending), QString()});
    // A log begun here shows the locale's unit and currency; one the user kept before they
    // could be chosen goes on in miles and dollars (no unit kept) until the user says.
    bool keptTrips = false;
    for (int row = 0; row < table->RecordCount() && !keptTrips; ++row)
        keptTrips = !isBlankTrip(*table, row);
    if (!keptTrips && !keptEntries(settings)) {
        for (auto& pair : LogDatabase::unitsMeta(localeUnits(QLocale())))
            changes.meta.push_back(std::move(pair));
    }
    try {
        db_->apply(changes);
    } catch (const sql::SqlError& failure) {
        // The earlier files stay as they are; the next start imports them again.
        readOnly_ = true;
        notices_ << tr("The trips could not be moved into the trip log: %1 Changes to trips "
                       "are not kept.")
                        .arg(QString::fromUtf8(failure.what()));
        return;
    }
    writtenTable_ = 0;
    retireEarlierStores(settings, static_cast<int>(changes.upserts.size()));
}

void TripLog::retireEarlierStores(SettingsStore& settings, int imported)
{
    const QString ini = settings.fileName();
    const QString trips = SettingsStore::tripsFileFor(ini);
    if (QFileInfo::exists(trips)) {
        const int unread = settings.unreadTripLines();
        if (unread > 0) {
            const QString aside = keepAsideFile(trips);
            notices_ << tr("Lines of the trips file %1 that could not be read: %2. The file was "
                           "set aside unchanged as %3. Trips recovered: %4.")
                            .arg(shown(trips))
                            .arg(unread)
                            .arg(shown(aside.isEmpty() ? trips : aside))
                            .arg(imported);
        } else {
            QFile::remove(trips + QStringLiteral(".imported"));
            QFile::rename(trips, trips + QStringLiteral(".imported"));
        }
    }
    if (settings.rowKeysInIni()) {
        // The INI file stays in use for the entries: its rows are copied aside, never lost.
        QString copy = ini + QStringLiteral(".imported");
        if (settings.iniUnreadable()) {
            copy = keepAsideName(ini);
            notices_ << tr("The settings file %1 had lines that could not be read. A copy was "
                           "kept unchanged as %2. Trips recovered: %3.")
                            .arg(shown(ini), shown(copy))
                            .arg(imported);
        }
        QFile::remove(ini + QStringLiteral(".imported"));
        if (QFile::copy(ini, copy)) settings.dropRowKeys();
    }
}

void TripLog::restoreInto(LogTable& table, StepTrap& trap)
{
    if (!db_ && !shownTrips_.empty()) {
        // A damaged log whose new log could not be made: what could be read, to look at.
        for (const StoredTrip& stored : shownTrips_) {
            trap.run(166, [&] {
                table.appendKept(static_cast<LogTable::Bookmark>(stored.id), stored.order,
                                 stored.trip.values());
            });
        }
        table.clearJournal();
        writtenTable_ = table.serial();
        return;
    }
    if (!db_) {
        RestoreLogRows(std::shared_ptr<LogTable>(&table, [](LogTable*) {}), *settings_, trap);
        writtenTable_ = table.serial();
        table.clearJournal();
        return;
    }
    int count = 0;
    trap.run(164, [&] {
        table.reserve(std::min(db_->tripCount(), kMaxTrips));
        db_->readTripCells([&](qint64 id, double order, TripCells&& cells) {
            // The trips beyond the limit stay kept; they are only not loaded.
            if (++count > kMaxTrips) return;
            trap.run(166, [&] {
                table.appendKeptCells(static_cast<LogTable::Bookmark>(id), order, std::move(cells));
            });
        });
    });
    if (count > kMaxTrips) {
        trap.run(164, [&] {
            tellTripLimit(tr("The stored log has %1 trips; the first %2 were loaded.")
                              .arg(count)
                              .arg(kMaxTrips));
        });
    }
    table.clearJournal();
    writtenTable_ = table.serial();
}

void TripLog::commit(LogTable& table, bool movingToHistory)
{
    if (readOnly_ || !db_) return;
    TripChanges changes;
    changes.movingToHistory = movingToHistory;
    if (table.serial() != writtenTable_) {
        changes.replaceAll = true;
        for (int row = 0; row < table.RecordCount(); ++row)
            changes.upserts.push_back(storedRow(table, row));
    } else {
        const LogTable::Journal journal = table.journal();
        for (const int row : journal.rows) changes.upserts.push_back(storedRow(table, row));
        for (const LogTable::Bookmark id : journal.removed)
            changes.removed.push_back(static_cast<qint64>(id));
    }
    if (changes.empty()) return;
    db_->apply(changes);
    table.clearJournal();
    writtenTable_ = table.serial();
    scheduleCheckpoint();
}

void TripLog::close(LogTable& table)
{
    if (readOnly_ || !db_) return;
    commit(table);
    TripChanges changes;
    changes.meta.push_back(
        {QString::fromLatin1(LogDatabase::kRowCountAtClose), QString::number(table.RecordCount())});
    db_->apply(changes);
    checkpoint_.stop();
    db_->checkpoint();
}

} // namespace bw
