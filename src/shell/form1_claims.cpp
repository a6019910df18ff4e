// Claims in the main window: recording a report handed out from the preview, the marks of
// claimed trips, the question before claiming them again, and a new period.
#include "core/claimstore.h"
#include "core/logdatabase.h"
#include "core/messageboxes.h"
#include "logtable/claimnotes.h"
#include "logtable/loghistory.h"
#include "logtable/logtable.h"
#include "logtable/logtablemodel.h"
#include "logtable/triplog.h"
#include "platform/clock.h"
#include "platform/datetext.h"
#include "platform/platform.h"
#include "report/claimreport.h"
#include "shell/form1.h"
#include "shell/gridaction.h"

#include <QAction>
#include <QDateEdit>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTableView>

#include <algorithm>
#include <exception>
#include <utility>

namespace bw {

namespace {

QString whyOf(const std::exception& failure) { return QString::fromUtf8(failure.what()); }

} // namespace

void Form1::createClaimActions()
{
    mnuStartNewPeriod = gridAction(DataGrid1, "mnuStartNewPeriod", tr("Start New Period…"));
    mnuStartNewPeriod->setEnabled(false);
    connect(mnuStartNewPeriod, &QAction::triggered, this, [this] { startNewPeriodCommand(); });
    // Undo, redo and every change of the whole table (a restore, a new period) may bring
    // claimed trips back or take them away; connected after the actions' own handlers.
    for (QAction* action : {mnuUndo, mnuRedo}) {
        connect(action, &QAction::triggered, this, [this] { refreshClaimMarks(); });
    }
    connect(model_, &QAbstractItemModel::modelReset, this, [this] { refreshClaimMarks(); });
}

void Form1::openClaimStore()
{
    claims_.reset();
    if (log_ && log_->hasDatabase()) claims_ = std::make_unique<ClaimStore>(*log_->database());
}

void Form1::refreshClaimMarks()
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
    if (mnuStartNewPeriod) {
        mnuStartNewPeriod->setEnabled(claims_ && !log_->readOnly() && !claimMarks_.empty());
    }
}

QString Form1::claimNoteFor(qint64 tripId) const
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

// --- recording ------------------------------------------------------------------------

void Form1::reportMade()
{
    reportClaim_.reset();
    reportClaimFailure_.clear();
    reportClaimNumber_ = 0;
    reportClaimTold_ = false;
    try {
        reportClaim_ = claimRecordOf(*this);
    } catch (const std::exception& failure) {
        reportClaimFailure_ = whyOf(failure);
    }
}

void Form1::reportHandedOut(const QString& path, const QString& format)
{
    const bool printed = path.isEmpty();
    const auto told = [&](const QString& why) {
        if (std::exchange(reportClaimTold_, true)) return;
        tell((printed ? tr("The report was printed, but no claim of it was recorded. %1")
                      : tr("The report was saved, but no claim of it was recorded. %1"))
                 .arg(why));
    };
    if (!claims_ || log_->readOnly()) {
        told(tr("The trip log is open read-only."));
        return;
    }
    if (!reportClaim_) {
        told(reportClaimFailure_);
        return;
    }
    const QDateTime now = platform().clock->now().toUTC();
    ClaimFile file{printed ? QString() : QFileInfo(path).absoluteFilePath(), format,
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
        // The file is written and stays; only its record is missing, and the user hears why.
        tell((printed ? tr("The report was printed, but its claim could not be recorded. %1")
                      : tr("The report was saved, but its claim could not be recorded. %1"))
                 .arg(whyOf(failure)));
        return;
    }
    refreshClaimMarks();
}

// --- claiming again -------------------------------------------------------------------

bool Form1::confirmClaimedTrips()
{
    if (!claims_ || !logTable_ || !logTable_->isOpen()) return true;
    refreshClaimMarks();
    int claimed = 0;
    int firstRow = 0;
    const ClaimMark* first = nullptr;
    for (int row = 0; row < logTable_->RecordCount(); ++row) {
        const auto found = claimMarks_.find(static_cast<qint64>(logTable_->idAt(row)));
        if (found == claimMarks_.end()) continue;
        if (claimed++ == 0) {
            firstRow = row + 1;
            first = &found->second;
        }
    }
    return claimed == 0
           || ask(doubleClaimQuestion(claimed, firstRow, *first), Dialogs::No) == Dialogs::Yes;
}

// --- a new period ---------------------------------------------------------------------

void Form1::setPeriod(QDate from, QDate to)
{
    // The pickers keep From <= To as each changes; the order below never trips that rule
    // in a way that changes the outcome.
    dtpFrom->setDate(from);
    dtpTo->setDate(to);
}

void Form1::startNewPeriodCommand()
{
    if (!claims_ || !logTable_ || !logTable_->isOpen() || log_->readOnly()) return;
    commitGridEdit();
    model_->leaveEditedRow();
    refreshClaimMarks();
    std::vector<int> rows;
    for (int row = 0; row < logTable_->RecordCount(); ++row) {
        if (claimMarks_.count(static_cast<qint64>(logTable_->idAt(row))) > 0) rows.push_back(row);
    }
    if (rows.empty()) {
        tell(tr("No trip in the grid was claimed: there is nothing to move to the history."));
        return;
    }
    std::optional<QDate> lastEnd;
    try {
        const std::vector<Claim> all = claims_->claims();
        if (!all.empty()) lastEnd = all.back().periodTo;
    } catch (const std::exception& failure) {
        tell(tr("The claims could not be read. %1").arg(whyOf(failure)));
        return;
    }
    const QDate today = platform().clock->today();
    const QDate from = lastEnd && lastEnd->isValid() ? lastEnd->addDays(1) : today;
    const QDate to = std::max(from, today);
    const int count = static_cast<int>(rows.size());
    const QString question =
        count == 1 ? tr("1 claimed trip will move out of the grid into the history, and the "
                        "period will start on %1. Start a new period?")
                         .arg(dateToText(from))
                   : tr("%1 claimed trips will move out of the grid into the history, and the "
                        "period will start on %2. Start a new period?")
                         .arg(count)
                         .arg(dateToText(from));
    if (ask(question, Dialogs::Yes) != Dialogs::Yes) return;

    const QDate oldFrom = dtpFrom->date();
    const QDate oldTo = dtpTo->date();
    LogHistory::SideChange side{[this, oldFrom, oldTo] { setPeriod(oldFrom, oldTo); },
                                [this, from, to] {
                                    movingToHistory_ = false;
                                    setPeriod(from, to);
                                },
                                [this](bool redoing) { movingToHistory_ = redoing; }};
    {
        const LogHistory::Name step(*history_, tr("Start New Period"), std::move(side));
        movingToHistory_ = true;
        const auto done = qScopeGuard([this] { movingToHistory_ = false; });
        const LogTableModel::Rebuild rebuild(*model_);
        // From the last one, so that no row behind them moves more than once.
        for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
            logTable_->setPosition(*row);
            logTable_->Delete();
        }
        if (logTable_->RecordCount() > 0) logTable_->MoveFirst();
    }
    setPeriod(from, to);
}

} // namespace bw
