// Backups of the log's database: made with SQLite's online backup API into a "backups"
// folder beside the database, listed, pruned and restored.
#pragma once

#include "core/backupinfo.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class QThread;
class QTimer;

namespace bw {

namespace sql {
class Database;
}
struct BackupJob;

// Where a database's backups live: "<database folder>/backups", each named
// "<database base name>-YYYYMMDD-HHMMSS.sqlite" after the moment it was taken.
struct BackupLocation {
    QString folder;
    QString baseName;

    static BackupLocation of(const QString& databasePath);
    QString fileName(const QDateTime& when) const;
    // The moment in a backup's file name; invalid for a name not of ours.
    QDateTime timeOf(const QString& fileName) const;
    // Our backups in the folder, newest first (by the time in their names).
    QStringList files() const;
    // True when a backup taken on `day` exists.
    bool hasBackupOn(const QDate& day) const;
};

// Which of these backup names to delete: all but the 14 newest and the earliest of each
// of the 12 calendar months up to `today`'s. Names not of ours are never chosen. The
// names given are the backups the log records as written by this program: pruning
// deletes no other file, nor one put under a recorded name since, nor anything in a
// backup folder that is a link.
QStringList backupsToPrune(const BackupLocation& where, const QStringList& fileNames,
                           const QDate& today);

struct BackupResult {
    bool ok = false;
    QString path;  // the finished backup when ok
    QString error; // a sentence naming the cause otherwise
};

// Backs the database open on `source` up at once, records it in the log (its `backups`
// table, where the log has one) and prunes the old backups. The copy is
// complete when this returns, so it holds the log as it was before any change the caller
// makes next. Refused while `source` is inside a transaction: the copy would contain the
// transaction's uncommitted half. A failure leaves no file behind.
BackupResult backUpNow(sql::Database& source, const QDateTime& when);

// One backup as listed for the user.
// Our backups in `where`, newest first; a file that is not a readable log is listed with
// readable == false.
QList<BackupInfo> listBackups(const BackupLocation& where);
BackupInfo readBackupInfo(const QString& path, const QDateTime& when);

// Empty when `path` is a whole log (PRAGMA quick_check finds it sound and it has a trips
// table, which may hold no rows: a log can be empty); the sentence naming what is wrong
// otherwise.
QString backupDamage(const QString& path);

// Records the backup files an earlier version wrote beside the database open on `db`,
// as found (plain files of this user in a backup folder that is no link), in the
// caller's transaction: the first start of a version that records its backups.
void adoptEarlierBackups(sql::Database& db);

// Replaces the log on `live` with the backup `backupFile`, after backing the current log
// up; the log's record of its backups stays the live one's. The copy is one write transaction on
// `live`: a crash in the middle leaves the old log or the new one, whole. The backup is checked
// first; a damaged one is refused and the log left untouched. `result.path` is the backup of the
// log as it was. No statement may be left stepping on `live` (SQLite refuses to copy into a
// connection that is reading). Afterwards the caller reloads what it shows and brings an older
// schema up to date: the copy carries the backup's own `user_version`.
BackupResult restoreBackup(sql::Database& live, const QString& backupFile, const QDateTime& when);

// A backup made a few hundred pages at a time from the event loop, so the window stays
// responsive (the daily backup). Finishes with `finished`; destroying it, or `cancel`,
// abandons the copy and removes its partial file. It must end before `source` closes.
class SteppedBackup final : public QObject {
    Q_OBJECT
public:
    explicit SteppedBackup(QObject* parent = nullptr);
    ~SteppedBackup() override;

    // A backup that cannot begin reports why through `finished`, from the event loop.
    void start(sql::Database& source, const QDateTime& when, int pagesPerStep = 256);
    void cancel();
    bool running() const;

signals:
    void finished(const bw::BackupResult& result);

private:
    void step();

    QTimer* timer_;
    QThread* finisher_ = nullptr;
    std::unique_ptr<BackupJob> job_;
    int pagesPerStep_ = 256;
};

} // namespace bw
