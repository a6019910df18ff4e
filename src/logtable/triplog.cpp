// The trip table kept in the log's database: opening, upgrading, writing each change.
#include "logtable/triplog.h"

#include "core/errorlocation.h"
#include "core/settingsstore.h"
#include "core/steptrap.h"
#include "logtable/logtable.h"
#include "logtable/logtablestore.h"
#include "logtable/tripfills.h"
#include "platform/oserror.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

#include <algorithm>
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

// The rate changes of a damaged database that can still be read, else none.
std::vector<RateChange> salvageRates(const QString& path)
{
    try {
        LogDatabase damaged(path, LogDatabase::Access::ReadOnly);
        return damaged.rateChanges();
    } catch (const std::exception&) {
        return {};
    }
}

// The unit and currency of a damaged database, so the recovered log keeps its words; a
// file that cannot tell keeps miles and dollars, as a log that never chose.
LogUnits salvageUnits(const QString& path)
{
    try {
        LogDatabase damaged(path, LogDatabase::Access::ReadOnly);
        return damaged.units();
    } catch (const std::exception&) {
        return {};
    }
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
    QDir().mkpath(QFileInfo(path).absolutePath());
    lock_ = std::make_unique<InstanceLock>(path);
    if (!lock_->held() && lock_->error() != 0) {
        readOnly_ = true;
        notices_ << tr("The trip log cannot be kept: %1 Changes to trips are not kept.")
                        .arg(osErrorSentence(lock_->error(), path));
        return;
    }
    if (!lock_->held()) {
        openReadOnly(path, tr("The trip log is open in another Brindlewick window. This window "
                              "shows it read-only; changes to trips are not kept here."));
        return;
    }
    if (QFileInfo::exists(path) && !openExisting(path)) return;
    try {
        if (!db_) db_ = std::make_unique<LogDatabase>(path, LogDatabase::Access::ReadWrite);
    } catch (const sql::SqlError& failure) {
        readOnly_ = true;
        notices_ << tr("The trip log cannot be kept: %1 Changes to trips are not kept.")
                        .arg(QString::fromUtf8(failure.what()));
        return;
    }
    if (db_->newerSchema()) {
        readOnly_ = true;
        notices_ << tr("The trip log %1 was written by a newer version of Brindlewick. This "
                       "version shows it read-only and does not change it.")
                        .arg(shown(path));
        return;
    }
    if (db_->importPending()) importEarlierStores(settings);
}

// Opens the database found at `path`, setting it aside when it cannot be read whole.
// False when the log must stay closed (it could not be set aside).
bool TripLog::openExisting(const QString& path)
{
    QString damage;
    try {
        db_ = std::make_unique<LogDatabase>(path, LogDatabase::Access::ReadWrite);
        const QString check = db_->check(true);
        if (check != QLatin1String("ok")) damage = check;
    } catch (const sql::SqlError& failure) {
        if (failure.primaryCode() != SQLITE_NOTADB && failure.primaryCode() != SQLITE_CORRUPT) {
            db_.reset();
            readOnly_ = true;
            notices_ << tr("The trip log cannot be opened: %1 Changes to trips are not kept.")
                            .arg(QString::fromUtf8(failure.what()));
            return false;
        }
        damage = QString::fromUtf8(failure.what());
    }
    if (damage.isEmpty()) return true;
    db_.reset();
    recoverDamaged(path, damage);
    return db_ != nullptr || !readOnly_;
}

void TripLog::recoverDamaged(const QString& path, const QString& why)
{
    std::vector<StoredTrip> rows = LogDatabase::salvageTrips(path);
    const std::vector<RateChange> rates = salvageRates(path);
    const LogUnits units = salvageUnits(path);
    const QString aside = keepAside(path);
    if (aside.isEmpty()) {
        // Never written over: the log stays closed until the file can be moved.
        readOnly_ = true;
        notices_ << tr("The trip log %1 is damaged and could not be set aside; it was left "
                       "unchanged and changes to trips are not kept.")
                        .arg(shown(path));
        return;
    }
    try {
        db_ = std::make_unique<LogDatabase>(path, LogDatabase::Access::ReadWrite);
        TripChanges changes;
        changes.upserts = std::move(rows);
        changes.replaceAll = true;
        changes.meta = LogDatabase::unitsMeta(units);
        changes.meta.push_back({QString::fromLatin1(LogDatabase::kImportPending), QString()});
        db_->apply(changes);
        db_->replaceRateChanges(rates);
        notices_ << tr("The trip log %1 could not be read whole (%2). It was set aside unchanged "
                       "as %3. Trips recovered into a new log: %4.")
                        .arg(shown(path), why.left(200), shown(aside))
                        .arg(changes.upserts.size());
    } catch (const sql::SqlError& failure) {
        db_.reset();
        readOnly_ = true;
        notices_ << tr("The trip log %1 was set aside as %2, and a new one cannot be made: %3")
                        .arg(shown(path), shown(aside), QString::fromUtf8(failure.what()));
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
    if (!db_) {
        RestoreLogRows(std::shared_ptr<LogTable>(&table, [](LogTable*) {}), *settings_, trap);
        writtenTable_ = table.serial();
        table.clearJournal();
        return;
    }
    int count = 0;
    trap.run(164, [&] {
        db_->readTrips([&](StoredTrip&& stored) {
            // The trips beyond the limit stay kept; they are only not loaded.
            if (++count > kMaxTrips) return;
            trap.run(166, [&] {
                table.appendKept(static_cast<LogTable::Bookmark>(stored.id), stored.order,
                                 stored.trip.values());
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
