// The open log behind the windows: its stores, its table and history, rates, claims,
// commits and backups.
#include "logtable/logsession.h"

#include "core/errorlocation.h"
#include "core/steptrap.h"
#include "logstore/claimstore.h"
#include "logstore/keptentries.h"
#include "logstore/logbackup.h"
#include "logstore/logdatabase.h"
#include "logstore/settingsstore.h"
#include "logtable/claimnotes.h"
#include "logtable/entrylocale.h"
#include "logtable/loghistory.h"
#include "logtable/logtable.h"
#include "logtable/logtablemodel.h"
#include "logtable/logtablestore.h"
#include "logtable/tabletrip.h"
#include "logtable/tripcsv.h"
#include "logtable/triplog.h"
#include "platform/clock.h"
#include "platform/datetext.h"
#include "platform/platform.h"

#include <QFileInfo>
#include <QLocale>
#include <QScopeGuard>
#include <QUndoCommand>

#include <algorithm>
#include <exception>
#include <utility>

namespace bw {

namespace {

QString whyOf(const std::exception& failure) { return QString::fromUtf8(failure.what()); }

// The routes the menu of frequent trips offers.
constexpr int kFrequentRoutes = 10;

void setNumber(std::vector<QVariant>& values, int field, std::optional<double> number)
{
    values[static_cast<std::size_t>(field)] =
        number && *number != 0.0 ? QVariant(*number) : blankValue(field);
}

// A change of the log's unit or currency on the history's stack. It is kept when made,
// so the first redo (the push) only records it.
class UnitsCommand final : public QUndoCommand {
public:
    UnitsCommand(const QString& text, LogUnits before, LogUnits after,
                 std::function<bool(const LogUnits&)> keep)
        : QUndoCommand(text), before_(std::move(before)), after_(std::move(after)),
          keep_(std::move(keep))
    {}
    void undo() override { keep_(before_); }
    void redo() override
    {
        if (!std::exchange(pushed_, true)) return;
        keep_(after_);
    }

private:
    LogUnits before_;
    LogUnits after_;
    std::function<bool(const LogUnits&)> keep_;
    bool pushed_ = false;
};

} // namespace

LogSession::LogSession(QObject* parent) : LogSession(std::make_unique<SettingsStore>(), parent) {}

LogSession::LogSession(std::unique_ptr<SettingsStore> store, QObject* parent)
    : LogSession(std::move(store), QString(), parent)
{}

LogSession::LogSession(std::unique_ptr<SettingsStore> store, QString databasePath, QObject* parent)
    : QObject(parent), store_(std::move(store)), databasePath_(std::move(databasePath)),
      entries_(std::make_unique<KeptEntries>(*store_)), model_(std::make_unique<LogTableModel>()),
      history_(std::make_unique<LogHistory>(*model_)), tripBook_(new TripBook(this)),
      rateStore_(std::make_unique<MemoryRateStore>()), periodFrom_(platform().clock->today()),
      periodTo_(periodFrom_)
{
    // The log's database lies beside the settings it belongs to, never at the program's
    // own place behind a store given for another log.
    if (databasePath_.isEmpty()) databasePath_ = LogDatabase::pathFor(store_->fileName());
    tripBook_->follow(*model_);
    bindContext();
    connect(model_.get(), &LogTableModel::changeFinished, this, &LogSession::commitTrips);
    // Every change of the whole table (a restore, a new period) may bring claimed trips
    // back or take them away.
    connect(model_.get(), &QAbstractItemModel::modelReset, this, &LogSession::refreshClaimMarks);
}

LogSession::~LogSession()
{
    // What is left of the model (a view may still hand it an editor's text) fills
    // without this session's rates, period and routes, and records nothing.
    model_->setRecorder(nullptr);
    model_->setTripContext({});
    model_->setClaimMarks({});
    disconnect(model_.get(), nullptr, this, nullptr);
}

void LogSession::bindContext()
{
    model_->setTripContext(
        {[this] { return ratePerMile(); },
         [this] {
             return TripPeriod{periodFrom_, periodTo_};
         },
         [this] { return rates_; },
         [this](const QString& from, const QString& to) { return tripBook_->distance(from, to); },
         [this] {
             return log_ && log_->database() ? log_->database()->taxYearStart() : TaxYearStart{};
         },
         [this] { return tripsOutsideLog(log_ ? log_->database() : nullptr); }});
}

bool LogSession::tableOpen() const { return table_ && table_->isOpen(); }

void LogSession::undo()
{
    history_->stack().undo();
    refreshClaimMarks();
}

void LogSession::redo()
{
    history_->stack().redo();
    refreshClaimMarks();
}

bool LogSession::readOnly() const { return !log_ || log_->readOnly(); }

void LogSession::openLog()
{
    claims_.reset();
    store_->detachLog();
    log_ = std::make_unique<TripLog>(*store_, TripLog::Access::Program, databasePath_);
    // The log's own fields are kept in it from here (moved in from the settings once); a
    // move that failed leaves them in the settings, and the person is told why.
    const QString moved = store_->attachLog(log_->database(), !log_->readOnly());
    if (!moved.isEmpty()) emit notice(moved);
    if (log_->hasDatabase()) claims_ = std::make_unique<ClaimStore>(*log_->database());
}

QStringList LogSession::openAtOnce()
{
    QStringList said;
    if (const QString notice = adoptEntryLocale(); !notice.isEmpty()) said << notice;
    for (const char* key :
         {"AuthorizedBy", "EmployeeID", "EmployeeName", "RatePerMile", "VehicleDescription"}) {
        const QString name = QString::fromLatin1(key);
        typed_.insert(name, storedEntry(name));
    }
    // A date that does not read is today's, as a new log's period is.
    const QDate today = platform().clock->today();
    const auto date = [&](const char* key) {
        const QDate stored = textToDate(storedEntry(QString::fromLatin1(key)));
        return stored.isValid() ? stored : today;
    };
    periodFrom_ = date("PeriodFrom");
    periodTo_ = std::max(periodFrom_, date("PeriodTo"));
    StepTrap trap(QString::fromLatin1(ErrorLocation::Form1_Form_Load));
    CreateLogTable(table_, trap, 142);
    openLog();
    restoreTrips(trap);
    BindLogTable(table_, *model_, trap);
    refreshClaimMarks();
    said << log_->notices();
    log_->noticesShown();
    return said;
}

void LogSession::restoreTrips(StepTrap& trap)
{
    if (log_ && tableOpen()) log_->restoreInto(*table_, trap);
    setRateStore(rateStore());
}

void LogSession::closeLog()
{
    if (log_ && table_) log_->close(*table_);
}

// --- the entries ------------------------------------------------------------------------

QString LogSession::adoptEntryLocale()
{
    return entries_->keep([&] { EntryLocale::adopt(*store_); });
}

QString LogSession::storedEntry(const QString& key, const QString& fallback) const
{
    return EntryLocale::read(*store_, key, fallback);
}

void LogSession::closeEntries() { entries_->close(); }

void LogSession::keepEntry(const QString& key, const QString& value)
{
    typed_.insert(key, value);
    const QString said = entries_->keep([&] { EntryLocale::save(*store_, key, value); });
    if (!said.isEmpty()) emit notice(said);
    // Trip changes that wait for the disk go with the entry's write that worked.
    if (said.isEmpty() && writesFailing_ && !entries_->pending()) commitTrips();
}

void LogSession::setPeriod(QDate from, QDate to)
{
    periodFrom_ = from;
    periodTo_ = to;
    // The period decides which trip dates are marked.
    model_->recheck();
}

QString LogSession::employeeName() const { return typed_.value(QStringLiteral("EmployeeName")); }
QString LogSession::employeeID() const { return typed_.value(QStringLiteral("EmployeeID")); }
QString LogSession::vehicleDescription() const
{
    return typed_.value(QStringLiteral("VehicleDescription"));
}
QString LogSession::authorizedBy() const { return typed_.value(QStringLiteral("AuthorizedBy")); }
QString LogSession::ratePerMile() const { return typed_.value(QStringLiteral("RatePerMile")); }
LogTable& LogSession::logTable() const { return requireTable(table_); }

std::unique_ptr<RateStore> LogSession::rateStore()
{
    return std::make_unique<DatabaseRateStore>(
        [this] { return log_ ? log_->database() : nullptr; });
}

void LogSession::setRateStore(std::unique_ptr<RateStore> store)
{
    rateStore_ = std::move(store);
    try {
        rates_ = rateStore_->loadRates();
    } catch (const std::exception& failure) {
        // Trips are still paid at the typed rate; the stored list is left for a later try.
        rates_ = RateSchedule();
        emit ratesUnreadable(whyOf(failure));
    }
    try {
        units_ = rateStore_->loadUnits();
    } catch (const std::exception&) {
        // Units that cannot be read show as in a log that never kept any; the numbers are
        // the same either way.
        units_ = LogUnits();
    }
    model_->setUnits(units_);
    emit unitsChanged(units_);
}

QString LogSession::keepRates(const RateSchedule& schedule)
{
    if (schedule == rates_) return {};
    try {
        rateStore_->saveRates(schedule);
    } catch (const std::exception& failure) {
        return whyOf(failure);
    }
    rates_ = schedule;
    model_->recheck();
    return {};
}

bool LogSession::changeUnits(const LogUnits& units, const QString& step)
{
    // The menu's checks follow the kept units, also when nothing changes.
    if (units == units_) return true;
    const LogUnits before = units_;
    if (!keepUnits(units)) return false;
    history_->stack().push(
        new UnitsCommand(step, before, units, [this](const LogUnits& u) { return keepUnits(u); }));
    return true;
}

bool LogSession::keepUnits(const LogUnits& units)
{
    try {
        rateStore_->saveUnits(units);
    } catch (const std::exception& failure) {
        emit unitsNotKept(whyOf(failure));
        return false;
    }
    units_ = units;
    model_->setUnits(units);
    emit unitsChanged(units);
    return true;
}

std::vector<Currency> LogSession::currencyChoices() const
{
    std::vector<Currency> choices{units_.currency};
    for (const Currency& other : {localeCurrency(QLocale()), Currency{}}) {
        const bool listed = std::any_of(choices.begin(), choices.end(), [&](const Currency& c) {
            return c.symbol == other.symbol;
        });
        if (!listed) choices.push_back(other);
    }
    return choices;
}

TripRates LogSession::tripRates() const { return model_->tripRates(); }

// --- trips in a key ---------------------------------------------------------------------

bool LogSession::currentIsTrip() const
{
    return tableOpen() && repeatableTrip(*table_, table_->position());
}

void LogSession::addTripBelow(int row, const std::vector<QVariant>& values, const QString& step)
{
    const LogHistory::Name name(*history_, step);
    model_->insertRow(row + 1, values);
    table_->setPosition(row + 1);
    model_->showCursor();
}

LogSession::Added LogSession::duplicateTrip(const QString& step)
{
    if (!currentIsTrip()) return Added::Nothing;
    if (table_->RecordCount() >= kMaxTrips) return Added::NoRoom;
    const int row = table_->position();
    std::vector<QVariant> values = tripAt(*table_, row).values();
    // The readings belong to the original drive, not to the copy.
    for (const int field : {TripField::OdometerStart, TripField::OdometerEnd}) {
        values[static_cast<std::size_t>(field)] = blankValue(field);
    }
    addTripBelow(row, values, step);
    return Added::Done;
}

LogSession::Added LogSession::addReturnTrip(const QString& step)
{
    if (!currentIsTrip()) return Added::Nothing;
    if (table_->RecordCount() >= kMaxTrips) return Added::NoRoom;
    const int row = table_->position();
    std::vector<QVariant> values = blankRowValues();
    const QVariant from = table_->valueAt(row, TripField::From);
    const QVariant to = table_->valueAt(row, TripField::To);
    values[TripField::Date] = table_->valueAt(row, TripField::Date);
    values[TripField::From] = to;
    values[TripField::To] = from;
    std::optional<double> mileage = tripBook_->distance(to.toString(), from.toString());
    if (!mileage && holdsTripValue(table_->valueAt(row, TripField::Mileage))) {
        mileage = table_->valueAt(row, TripField::Mileage).toDouble();
    }
    setNumber(values, TripField::Mileage, mileage);
    const std::optional<double> rate = readTripNumber(ratePerMile());
    if (mileage && rate)
        setNumber(values, TripField::Reimbursement, reimbursementFor(*mileage, *rate));
    addTripBelow(row, values, step);
    return Added::Done;
}

std::vector<TripBook::Route> LogSession::frequentRoutes() const
{
    return tripBook_->frequentRoutes(kFrequentRoutes);
}

LogSession::Added LogSession::addFrequentTrip(int choice, const QString& step)
{
    const std::vector<TripBook::Route> routes = frequentRoutes();
    if (!tableOpen() || choice < 0 || choice >= static_cast<int>(routes.size()))
        return Added::Nothing;
    const TripBook::Route& route = routes[static_cast<std::size_t>(choice)];
    int row = 0;
    const int count = table_->RecordCount();
    while (row < count && !isBlankTrip(*table_, row)) ++row;
    if (row == count && count >= kMaxTrips) return Added::NoRoom;
    std::vector<QVariant> values = blankRowValues();
    if (row > 0) values[TripField::Date] = table_->valueAt(row - 1, TripField::Date);
    values[TripField::From] = route.from;
    values[TripField::To] = route.to;
    values[TripField::Description] = route.description.isEmpty()
                                         ? blankValue(TripField::Description)
                                         : QVariant(route.description);
    setNumber(values, TripField::Mileage, route.distance);
    const std::optional<double> rate = readTripNumber(ratePerMile());
    if (route.distance && rate) {
        setNumber(values, TripField::Reimbursement, reimbursementFor(*route.distance, *rate));
    }
    if (row < count) {
        const LogHistory::Name name(*history_, step);
        model_->rewriteRow(row, values);
        table_->setPosition(row);
        model_->showCursor();
    } else {
        addTripBelow(row - 1, values, step);
    }
    return Added::Done;
}

void LogSession::recalculate(const std::vector<Recalculation>& changes, const QString& step)
{
    const LogHistory::Name name(*history_, step);
    const LogTableModel::Rebuild rebuild(*model_);
    for (const Recalculation& change : changes) {
        table_->setValueAt(change.row, TripField::Reimbursement, change.reimbursement);
    }
}

void LogSession::placeImported(const std::vector<Trip>& trips, bool typed, const QString& step)
{
    const LogHistory::Name name(*history_, step);
    const LogTableModel::Rebuild rebuild(*model_);
    const int first = tripPlacement(*table_).firstRow;
    if (typed) {
        placeTrips(*table_, trips, model_->tripRates());
    } else {
        // Recorded drives: nobody read their odometer.
        placeUnreadTrips(*table_, trips, TripRates{ratePerMile(), rates_, units_.currency});
    }
    table_->setPosition(first);
}

// --- commits ----------------------------------------------------------------------------

// One finished change, one transaction. A write that fails leaves its changes pending
// for the next one and says why, once until a write succeeds again; entries waiting for
// the disk go with a write that works.
void LogSession::commitTrips()
{
    if (!log_ || !table_) return;
    const Commit said = commit(*table_);
    if (!said.failure.isEmpty()) emit writeFailed(said.failure);
    if (!said.entriesNotice.isEmpty()) emit notice(said.entriesNotice);
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

void LogSession::reloadTrips(const QString& step)
{
    // The database holds the backup's trips now; the grid takes them as one change of the
    // whole table, so that undo writes the rows of before back.
    StepTrap trap(QLatin1String(ErrorLocation::kPrefix)
                  + QStringLiteral("Form1.mnuRestoreBackup_Click "));
    const LogHistory::Name name(*history_, step);
    const LogTableModel::Rebuild rebuild(*model_);
    CreateLogTable(table_, trap, 100);
    trap.run(120, [&] { log_->restoreInto(requireTable(table_), trap); });
    trap.run(122, [&] {
        if (requireTable(table_).RecordCount() > 0) table_->MoveFirst();
    });
    trap.run(124, [&] {
        requireTable(table_);
        model_->bind(table_);
    });
}

// --- claims -----------------------------------------------------------------------------

void LogSession::refreshClaimMarks()
{
    claimMarks_.clear();
    if (claims_) {
        try {
            claimMarks_ = claims_->claimedTrips();
        } catch (const std::exception&) {
            // Claims that cannot be read mark nothing; the trips themselves are unharmed.
        }
    }
    ClaimMarks marks;
    for (const auto& [id, mark] : claimMarks_)
        marks.trips.insert(static_cast<LogTable::Bookmark>(id));
    marks.note = [this](LogTable::Bookmark id) { return claimNoteFor(static_cast<qint64>(id)); };
    model_->setClaimMarks(std::move(marks));
    emit claimMarksChanged();
}

bool LogSession::mayStartNewPeriod() const
{
    return claims_ && log_ && !log_->readOnly() && !claimMarks_.empty();
}

QString LogSession::claimNoteFor(qint64 tripId) const
{
    const auto found = claimMarks_.find(tripId);
    if (found == claimMarks_.end()) return QString();
    std::vector<TrailEntry> trail;
    try {
        trail = claims_->trailFor(tripId);
    } catch (const std::exception&) {
        // The claim is still worth saying without its changes.
    }
    return claimNote(found->second, trail);
}

QString LogSession::claimedTripsQuestion()
{
    if (!claims_ || !tableOpen()) return {};
    refreshClaimMarks();
    const std::vector<int> rows = claimedRows(*table_, claimMarks_);
    if (rows.empty()) return {};
    const ClaimMark& first = claimMarks_.at(static_cast<qint64>(table_->idAt(rows.front())));
    return doubleClaimQuestion(static_cast<int>(rows.size()), rows.front() + 1, first);
}

LogSession::NewPeriod LogSession::planNewPeriod()
{
    NewPeriod next;
    if (!claims_ || !tableOpen() || readOnly()) return next;
    model_->leaveEditedRow();
    refreshClaimMarks();
    std::optional<QDate> lastEnd;
    try {
        const std::vector<Claim> all = claims_->claims();
        if (!all.empty()) lastEnd = all.back().periodTo;
    } catch (const std::exception& failure) {
        next.failure = whyOf(failure);
        return next;
    }
    next.plan = bw::planNewPeriod(*table_, claimMarks_, lastEnd, platform().clock->today());
    return next;
}

void LogSession::startNewPeriod(const NewPeriodPlan& plan, const QString& step)
{
    const QDate oldFrom = periodFrom_;
    const QDate oldTo = periodTo_;
    LogHistory::SideChange side{[this, oldFrom, oldTo] { emit periodShown(oldFrom, oldTo); },
                                [this, plan] {
                                    movingToHistory_ = false;
                                    emit periodShown(plan.from, plan.to);
                                },
                                [this](bool redoing) { movingToHistory_ = redoing; }};
    {
        const LogHistory::Name name(*history_, step, std::move(side));
        movingToHistory_ = true;
        const auto done = qScopeGuard([this] { movingToHistory_ = false; });
        const LogTableModel::Rebuild rebuild(*model_);
        // From the last one, so that no row behind them moves more than once.
        for (auto row = plan.rows.rbegin(); row != plan.rows.rend(); ++row) {
            table_->setPosition(*row);
            table_->Delete();
        }
        // The new period starts with room to type, as a new log does.
        for (int added = 0; added < plan.blankRows; ++added)
            table_->insertRow(table_->RecordCount(), blankRowValues());
        if (table_->RecordCount() > 0) table_->MoveFirst();
    }
    emit periodShown(plan.from, plan.to);
}

void LogSession::reportMade(const std::function<ClaimRecord()>& record)
{
    reportClaim_.reset();
    reportClaimFailure_.clear();
    reportClaimNumber_ = 0;
    reportClaimTold_ = false;
    try {
        reportClaim_ = record();
    } catch (const std::exception& failure) {
        reportClaimFailure_ = whyOf(failure);
    }
}

LogSession::HandOut LogSession::reportHandedOut(const QString& path, const QString& format)
{
    using Kind = HandOut::Kind;
    const bool printed = path.isEmpty();
    if (!claims_ || readOnly() || !reportClaim_) {
        // Told once for the report on show.
        if (std::exchange(reportClaimTold_, true)) return {};
        if (!claims_ || readOnly()) return {Kind::ReadOnly, {}};
        return {Kind::NotRecorded, reportClaimFailure_};
    }
    const QDateTime now = platform().clock->now().toUTC();
    const ClaimFile file{printed ? QString() : QFileInfo(path).absoluteFilePath(), format,
                         printed ? QString() : fileSha256(path), now};
    try {
        if (reportClaimNumber_ == 0) {
            ClaimRecord record = *reportClaim_;
            record.savedAt = now;
            reportClaimNumber_ = claims_->recordClaim(record, file);
        } else {
            claims_->addFile(reportClaimNumber_, file);
        }
    } catch (const std::exception& failure) {
        // The file is written and stays; only its record is missing.
        return {Kind::RecordFailed, whyOf(failure)};
    }
    refreshClaimMarks();
    return {};
}

// --- what the history, backup and drives windows read -----------------------------------

ClaimHistorySource LogSession::claimHistory() const
{
    return claimHistoryOf(log_ ? log_->database() : nullptr, readOnly());
}

QList<BackupInfo> LogSession::backups() const
{
    if (!log_ || !log_->hasDatabase()) return {};
    return listBackups(backupLocation());
}

DriveReviewModel::Setup LogSession::driveReview() const
{
    return driveReviewOf(*table_, log_ ? log_->database() : nullptr, units_.distance);
}

} // namespace bw
