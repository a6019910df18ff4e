// One open log as the windows use it, without a widget: its settings store and kept entry
// fields, the trip table with the grid's model over it, the undo history, the places and
// routes, the rates and units, the trip log and its database, the claims (the open
// report's one among them), the backups and their daily schedule, and the state of its
// writes. It is what the report reads. The windows call it and show what it reports;
// opening another log is making another session.
#pragma once

#include "core/backupinfo.h"
#include "logtable/claimedrows.h"
#include "logtable/claimhistory.h"
#include "logtable/drivereview.h"
#include "logtable/reportinputs.h"
#include "logtable/tripbook.h"
#include "logtable/tripfills.h"

#include <QDate>
#include <QHash>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace bw {

class ClaimStore;
class KeptEntries;
class LogHistory;
class LogTable;
class LogTableModel;
class SettingsStore;
class StepTrap;
class SteppedBackup;
class TripLog;
struct BackupLocation;

class LogSession final : public QObject, public ReportInputs {
    Q_OBJECT

public:
    // A session over the settings store `store` (or the program's own) and the log's
    // database beside it, or at `databasePath`; the trip log opens with openLog().
    explicit LogSession(QObject* parent = nullptr);
    explicit LogSession(std::unique_ptr<SettingsStore> store, QObject* parent = nullptr);
    LogSession(std::unique_ptr<SettingsStore> store, QString databasePath,
               QObject* parent = nullptr);
    ~LogSession() override;

    // The log's database file, as given or found beside the settings.
    const QString& databasePath() const { return databasePath_; }
    SettingsStore& store() { return *store_; }
    KeptEntries& entries() { return *entries_; }
    // The trip log (null before openLog()) and its claims (null while it has no database).
    TripLog* log() const { return log_.get(); }
    ClaimStore* claims() const { return claims_.get(); }
    // True while nothing typed could be kept: no log, or one another program holds.
    bool readOnly() const;

    // The trip table (empty until the start-up creates it), the grid's model bound to it,
    // the history of its changes and what its trips say about places and routes.
    std::shared_ptr<LogTable>& table() { return table_; }
    bool tableOpen() const;
    LogTableModel& model() const { return *model_; }
    LogHistory& history() const { return *history_; }
    TripBook& tripBook() const { return *tripBook_; }
    // Undoes or redoes one change; the claim marks follow what came back.
    void undo();
    void redo();

    // Opens the trip log beside the settings, and its claims.
    void openLog();
    // Opens the log in one go, as a switch to it does (the start-up takes the same steps
    // one by one between its own): the entries in this locale's forms, the typed fields
    // and the period read, the table made, filled and bound to the model, the claim marks
    // read. Returns what the person is to hear, the log's notices among them.
    QStringList openAtOnce();
    // Fills the table from the log, and reads the rates and units kept beside it.
    void restoreTrips(StepTrap& trap);
    // Writes what the grid still holds and the row count a close keeps.
    void closeLog();

    // Entries typed under another locale are kept in this one's forms from now on: "" or
    // the notice of entries that wait for the disk.
    QString adoptEntryLocale();
    // The stored entry `key` in this locale's form, or `fallback` when none is stored.
    QString storedEntry(const QString& key, const QString& fallback = QString()) const;
    // The entries' last chance to reach the disk; throws when they cannot.
    void closeEntries();
    // The entry fields as typed (RatePerMile, EmployeeName, ...): each kept at once; a
    // write that fails is told once by `notice` and retried with the next one.
    void keepEntry(const QString& key, const QString& value);
    // The period the grid checks its dates against (kept as entries by the caller).
    void setPeriod(QDate from, QDate to);

    // ReportInputs
    QString employeeName() const override;
    QString employeeID() const override;
    QString vehicleDescription() const override;
    QString authorizedBy() const override;
    QString ratePerMile() const override;
    QDate periodFrom() const override { return periodFrom_; }
    QDate periodTo() const override { return periodTo_; }
    LogTable& logTable() const override;
    RateSchedule rateSchedule() const override { return rates_; }
    LogUnits units() const override { return units_; }

    // The rates by date and the units kept beside the trips; a read-only log lends its
    // list but keeps no change.
    std::unique_ptr<RateStore> rateStore();
    // Reads the rates and units of `store`, which keeps their changes from now on.
    void setRateStore(std::unique_ptr<RateStore> store);
    // Keeps `schedule` as the rates by date: "" when kept, else why not.
    QString keepRates(const RateSchedule& schedule);
    // Keeps `units` as one step of undo named `step`; false (unitsNotKept told) when not.
    bool changeUnits(const LogUnits& units, const QString& step);
    // The currencies to choose from: the log's own, "$" and the locale's.
    std::vector<Currency> currencyChoices() const;
    // The rates the fills and checks pay the trips at.
    TripRates tripRates() const;

    // Trips added in a key, each one step named `step`: a copy of the current trip
    // without its readings, its way back, or the route `choice` of frequentRoutes().
    enum class Added { Done, Nothing, NoRoom };
    Added duplicateTrip(const QString& step);
    Added addReturnTrip(const QString& step);
    Added addFrequentTrip(int choice, const QString& step);
    std::vector<TripBook::Route> frequentRoutes() const;
    // True when the current row holds a trip to copy or drive back.
    bool currentIsTrip() const;
    // Sets every Reimbursement in `changes`, one step named `step`.
    void recalculate(const std::vector<Recalculation>& changes, const QString& step);
    // The trips of an import put in the blank rows at the end and after them, one step.
    void placeImported(const std::vector<Trip>& trips, bool typed, const QString& step);

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
    // Shows the log's trips again after a restore, as one step named `step`.
    void reloadTrips(const QString& step);

    // Claims: which trips of the grid were claimed, read again (claimMarksChanged).
    void refreshClaimMarks();
    bool mayStartNewPeriod() const;
    // The question before a report that holds trips claimed before; "" when none does.
    QString claimedTripsQuestion();
    // What a new period would do, or why the claims could not be read.
    struct NewPeriod {
        NewPeriodPlan plan;
        QString failure;
    };
    NewPeriod planNewPeriod();
    // Moves the plan's trips out of the grid into the history and starts its period
    // (periodShown), one step named `step`.
    void startNewPeriod(const NewPeriodPlan& plan, const QString& step);

    // The report just made: what its claim holds once it is first saved or printed.
    void reportMade(const std::function<ClaimRecord()>& record);
    // The report went to `path` as `format` (no path: printed): the first records its
    // claim, later ones are added to it. What the user hears of it: nothing (recorded, or
    // told before), that no claim is kept (the log is read-only, or why the report has no
    // record), or that keeping it failed.
    struct HandOut {
        enum class Kind { Recorded, ReadOnly, NotRecorded, RecordFailed } kind = Kind::Recorded;
        QString why;
    };
    HandOut reportHandedOut(const QString& path, const QString& format);

signals:
    void dailyBackupFailed(const QString& why);
    // A write of the trips failed (told once until one works again).
    void writeFailed(const QString& why);
    // A notice of the kept entries, in the user's words.
    void notice(const QString& text);
    void ratesUnreadable(const QString& why);
    void unitsNotKept(const QString& why);
    void unitsChanged(const LogUnits& units);
    // The period changes with a step of the history (a new period, its undo).
    void periodShown(QDate from, QDate to);
    void claimMarksChanged();

private:
    void bindContext();
    void commitTrips();
    bool keepUnits(const LogUnits& units);
    void addTripBelow(int row, const std::vector<QVariant>& values, const QString& step);
    QString claimNoteFor(qint64 tripId) const;

    std::unique_ptr<SettingsStore> store_;
    QString databasePath_;
    std::unique_ptr<KeptEntries> entries_;
    std::unique_ptr<TripLog> log_;
    // Reads and writes the log's database: declared after it, so that it goes first.
    std::unique_ptr<ClaimStore> claims_;
    // Declared after the log: it reads the log's connection and must go first.
    std::unique_ptr<SteppedBackup> dailyBackup_;
    std::shared_ptr<LogTable> table_;
    std::unique_ptr<LogTableModel> model_;
    // Records the model's changes: declared after it, so that it goes first.
    std::unique_ptr<LogHistory> history_;
    TripBook* tripBook_ = nullptr;
    std::unique_ptr<RateStore> rateStore_;
    RateSchedule rates_;
    LogUnits units_;
    QHash<QString, QString> typed_;
    QDate periodFrom_;
    QDate periodTo_;
    ClaimMarksById claimMarks_;
    // The report on show in the preview: its claim record (or why there is none) and,
    // once recorded, its claim's number.
    std::optional<ClaimRecord> reportClaim_;
    QString reportClaimFailure_;
    qint64 reportClaimNumber_ = 0;
    bool reportClaimTold_ = false;
    bool movingToHistory_ = false;
    bool writesFailing_ = false;

    // What the windows of the log's history, backups and drives read and change: values
    // and callbacks, so that no window reaches the database.
public:
    // The claims of the log and their chain; marking is refused while it is read-only.
    ClaimHistorySource claimHistory() const;
    // The log's backups, newest first; none without a database.
    QList<BackupInfo> backups() const;
    // The review of drives against the log's trips and its kept places; while a table is
    // open.
    DriveReviewModel::Setup driveReview() const;
};

} // namespace bw
