// The open log behind the windows: its stores, commits and backups.
#include "logtable/logsession.h"

#include "logstore/claimstore.h"
#include "logstore/keptentries.h"
#include "logstore/logbackup.h"
#include "logstore/logdatabase.h"
#include "logstore/settingsstore.h"
#include "logtable/triplog.h"
#include "platform/clock.h"
#include "platform/platform.h"

#include <exception>
#include <utility>

namespace bw {

namespace {

QString whyOf(const std::exception& failure) { return QString::fromUtf8(failure.what()); }

} // namespace

LogSession::LogSession(QObject* parent) : LogSession(std::make_unique<SettingsStore>(), parent) {}

LogSession::LogSession(std::unique_ptr<SettingsStore> store, QObject* parent)
    : QObject(parent), store_(std::move(store)), entries_(std::make_unique<KeptEntries>(*store_))
{}

LogSession::~LogSession() = default;

bool LogSession::readOnly() const { return !log_ || log_->readOnly(); }

void LogSession::openLog()
{
    claims_.reset();
    store_->detachLog();
    log_ = std::make_unique<TripLog>(*store_, TripLog::Access::Program);
    // The log's own fields are kept in it from here (moved in from the settings once).
    store_->attachLog(log_->database(), !log_->readOnly());
    if (log_->hasDatabase()) claims_ = std::make_unique<ClaimStore>(*log_->database());
}

std::unique_ptr<RateStore> LogSession::rateStore()
{
    return std::make_unique<DatabaseRateStore>(
        [this] { return log_ ? log_->database() : nullptr; });
}

LogSession::Commit LogSession::commit(LogTable& table)
{
    Commit said;
    if (!log_) return said;
    try {
        log_->commit(table, movingToHistory_);
        writesFailing_ = false;
    } catch (const std::exception& failure) {
        // Told once until a write succeeds again.
        if (!std::exchange(writesFailing_, true)) said.failure = whyOf(failure);
        return said;
    }
    // Entries waiting for the disk go with a write that works.
    if (entries_->pending()) said.entriesNotice = entries_->retry();
    return said;
}

bool LogSession::canBackUp() const { return log_ && log_->hasDatabase() && !log_->readOnly(); }

BackupLocation LogSession::backupLocation() const
{
    return BackupLocation::of(log_ && log_->hasDatabase() ? log_->database()->path() : QString());
}

QString LogSession::backUpNow()
{
    if (!canBackUp()) return {};
    const BackupResult result =
        bw::backUpNow(log_->database()->database(), platform().clock->now());
    return result.ok ? QString() : result.error;
}

void LogSession::startDailyBackup()
{
    if (!canBackUp() || dailyBackup_) return;
    const QDateTime now = platform().clock->now();
    if (backupLocation().hasBackupOn(now.date())) return;
    dailyBackup_ = std::make_unique<SteppedBackup>();
    connect(dailyBackup_.get(), &SteppedBackup::finished, this, [this](const BackupResult& result) {
        if (!result.ok) emit dailyBackupFailed(result.error);
    });
    dailyBackup_->start(log_->database()->database(), now);
}

void LogSession::endDailyBackup()
{
    // An unfinished copy is made again at the next start, as no backup of the day exists.
    dailyBackup_.reset();
}

LogSession::Restore LogSession::restoreFrom(const QString& backupFile)
{
    Restore restore;
    if (!canBackUp()) return restore;
    try {
        // A backup a later version wrote would be a log this version cannot keep.
        restore.newer = LogDatabase(backupFile, LogDatabase::Access::ReadOnly).newerSchema();
        if (restore.newer) return restore;
        // A backup of an earlier schema is brought to this one, as an old log is at start;
        // the claims and their trail stay as they are.
        const BackupResult result =
            log_->database()->restoreFrom(backupFile, platform().clock->now());
        // A failure after the copy still leaves the backup's trips to show.
        restore.changed = result.ok || !result.path.isEmpty();
        restore.problem = result.ok ? QString() : result.error;
    } catch (const std::exception& failure) {
        restore.problem = whyOf(failure);
    }
    return restore;
}

} // namespace bw
