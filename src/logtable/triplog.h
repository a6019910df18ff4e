// Where the trip table is kept between runs: the log's database, opened, upgraded from
// the earlier stores, and written at every finished change.
#pragma once

#include "core/logdatabase.h"

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <memory>

namespace bw {

class FoundLog;
class LogTable;
class SettingsStore;
class StepTrap;

// The trips of the log as the program keeps them. The program's opening never fails: what
// went wrong (a database set aside as damaged, another window holding the log, a newer
// schema, a folder that cannot be written) ends as notices for the first window, and the
// log is then read-only or, when nothing could be opened, empty and read-only. The
// reader's opening throws sql::SqlError for a database it cannot read.
class TripLog final : public QObject {
    Q_OBJECT

public:
    enum class Access {
        Program, // the desktop program: one writer, upgrades and migrates
        Reader,  // the report tool: reads the database only, never changes it
    };

    // `settings` supplies the earlier stores' trips for the one-time upgrade (Program) or
    // where there is no database yet (Reader).
    TripLog(SettingsStore& settings, Access access,
            const QString& databasePath = LogDatabase::defaultPath());
    ~TripLog() override;

    // Sentences for the first window: what was set aside or recovered, why the log is
    // read-only, why it could not be opened.
    const QStringList& notices() const { return notices_; }
    // The notices were shown: what only they said is forgotten (until then it is kept, and
    // said again by a start that follows one ended before it was shown).
    void noticesShown();
    bool readOnly() const { return readOnly_; }
    bool hasDatabase() const { return db_ != nullptr; }
    LogDatabase* database() const { return db_.get(); }

    // Appends the kept trips to the open, empty `table` in their order, each with its id;
    // without a database the earlier stores' rows, as they were read before. Labels 164-182.
    void restoreInto(LogTable& table, StepTrap& trap);
    // The row count of the last close (kept apart from the live count): what "Delete All"
    // starts over with. Null when none was kept.
    QString rowCountAtClose() const;

    // Writes what changed in `table` since its last write, in one transaction (the whole
    // table when it is not the table written last). Throws sql::SqlError; the changes
    // then stay pending for the next write. With `movingToHistory` the trips removed go
    // to the history of claims (a new period) rather than being deleted.
    void commit(LogTable& table, bool movingToHistory = false);
    // The close: the last changes, the row count of this close, and a checkpoint.
    void close(LogTable& table);

private:
    void openProgram(SettingsStore& settings, const QString& path);
    void openReader(const QString& path);
    bool openExisting(const QString& path, bool recoveredBefore);
    void recoverDamaged(FoundLog& found, const QString& why, bool recoveredBefore);
    bool keepDamagedWal(FoundLog& found);
    void tellRecovery();
    void makeFilesPrivateOnce(SettingsStore& settings);
    void showReadOnly(const QString& path, const QString& cause);
    void importEarlierStores(SettingsStore& settings);
    void retireEarlierStores(SettingsStore& settings, int imported);
    void openReadOnly(const QString& path, const QString& why);
    void scheduleCheckpoint();

    SettingsStore* settings_;
    std::unique_ptr<InstanceLock> lock_;
    std::unique_ptr<LogDatabase> db_;
    QStringList notices_;
    // The trips read from a damaged log whose new log could not be made, shown read-only.
    std::vector<StoredTrip> shownTrips_;
    bool readOnly_ = false;
    bool recoveryToTell_ = false;
    std::uint64_t writtenTable_ = 0; // serial of the table last written
    // Commits reach the disk at the next checkpoint, at most this long after them.
    QTimer checkpoint_;
};

} // namespace bw
