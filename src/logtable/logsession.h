// One open log as the windows use it, without a widget: its settings store and kept entry
// fields, the trip log and its database, the claims, the backups and their daily schedule,
// and the state of its writes. The windows call it and show what it reports; opening
// another log is making another session.
#pragma once

#include <QObject>
#include <QString>

#include <memory>

namespace bw {

class ClaimStore;
class RateStore;
class KeptEntries;
class LogTable;
class SettingsStore;
class SteppedBackup;
class TripLog;
struct BackupLocation;

class LogSession final : public QObject {
    Q_OBJECT

public:
    // A session over the settings store `store`, or the program's own; the trip log opens
    // with openLog().
    explicit LogSession(QObject* parent = nullptr);
    explicit LogSession(std::unique_ptr<SettingsStore> store, QObject* parent = nullptr);
    ~LogSession() override;

    SettingsStore& store() { return *store_; }
    KeptEntries& entries() { return *entries_; }
    // The trip log (null before openLog()) and its claims (null while it has no database).
    TripLog* log() const { return log_.get(); }
    ClaimStore* claims() const { return claims_.get(); }
    // True while nothing typed could be kept: no log, or one another program holds.
    bool readOnly() const;

    // Opens the trip log beside the settings, and its claims.
    void openLog();
    // The rates by date and the units kept beside the trips; a read-only log lends its
    // list but keeps no change.
    std::unique_ptr<RateStore> rateStore();

    // What a commit has to say: the cause of a write that failed (only when the one before
    // did not), and the notice of kept entries that waited for the disk.
    struct Commit {
        QString failure;
        QString entriesNotice;
    };
    // One finished change of `table`, one transaction; a write that fails leaves its
    // changes pending for the next one. The commits of a new period move the removed
    // claimed trips to the history.
    Commit commit(LogTable& table);
    void setMovingToHistory(bool moving) { movingToHistory_ = moving; }
    // True while the trips' writes fail.
    bool writesFailing() const { return writesFailing_; }

    // Backups: only of a log this session may write.
    bool canBackUp() const;
    BackupLocation backupLocation() const;
    // A copy of the log as it is now, before a change of the whole table: empty when made
    // (or there is no log to copy), else why not.
    QString backUpNow();
    // The day's backup, made a few pages at a time from the event loop, unless one of the
    // day exists; a failure is reported by dailyBackupFailed.
    void startDailyBackup();
    // Abandons a daily backup under way (before the log's connection closes).
    void endDailyBackup();

    // What a restore did: changed is true once the log holds the backup's trips (problem
    // may still say what went wrong after the copy); newer when the backup is of a later
    // version, which this one cannot keep.
    struct Restore {
        bool changed = false;
        bool newer = false;
        QString problem;
    };
    Restore restoreFrom(const QString& backupFile);

signals:
    void dailyBackupFailed(const QString& why);

private:
    std::unique_ptr<SettingsStore> store_;
    std::unique_ptr<KeptEntries> entries_;
    std::unique_ptr<TripLog> log_;
    // Reads and writes the log's database: declared after it, so that it goes first.
    std::unique_ptr<ClaimStore> claims_;
    // Declared after the log: it reads the log's connection and must go first.
    std::unique_ptr<SteppedBackup> dailyBackup_;
    bool movingToHistory_ = false;
    bool writesFailing_ = false;
};

} // namespace bw
