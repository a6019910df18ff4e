// Claims in the main window: recording a report handed out from the preview, the marks of
// claimed trips, the question before claiming them again, and a new period.
#include "core/claimstore.h"
#include "core/logdatabase.h"
#include "core/messageboxes.h"
#include "logtable/claimedrows.h"
#include "logtable/claimnotes.h"
#include "logtable/loghistory.h"
#include "logtable/logtable.h"
#include "logtable/logtablemodel.h"
#include "logtable/logtablestore.h"
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
    const std::vector<int> rows = claimedRows(*logTable_, claimMarks_);
    if (rows.empty()) return true;
    const ClaimMark& first = claimMarks_.at(static_cast<qint64>(logTable_->idAt(rows.front())));
    const QString question =
        doubleClaimQuestion(static_cast<int>(rows.size()), rows.front() + 1, first);
    return ask(question, Dialogs::No) == Dialogs::Yes;
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
    std::optional<QDate> lastEnd;
    try {
        const std::vector<Claim> all = claims_->claims();
        if (!all.empty()) lastEnd = all.back().periodTo;
    } catch (const std::exception& failure) {
        tell(tr("The claims could not be read. %1").arg(whyOf(failure)));
        return;
    }
    const NewPeriodPlan plan =
        planNewPeriod(*logTable_, claimMarks_, lastEnd, platform().clock->today());
    if (plan.rows.empty()) {
        tell(tr("No trip in the grid was claimed: there is nothing to move to the history."));
        return;
    }
    const QString question =
        tr("%n claimed trip(s) will move out of the grid into the history, and the period "
           "will start on %1. Start a new period?",
           nullptr, static_cast<int>(plan.rows.size()))
            .arg(dateToText(plan.from));
    if (ask(question, Dialogs::Yes) != Dialogs::Yes) return;

    const QDate oldFrom = dtpFrom->date();
    const QDate oldTo = dtpTo->date();
    const QDate from = plan.from;
    const QDate to = plan.to;
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
        for (auto row = plan.rows.rbegin(); row != plan.rows.rend(); ++row) {
            logTable_->setPosition(*row);
            logTable_->Delete();
        }
        // The new period starts with room to type, as a new log does.
        for (int added = 0; added < plan.blankRows; ++added)
            logTable_->insertRow(logTable_->RecordCount(), blankRowValues());
        if (logTable_->RecordCount() > 0) logTable_->MoveFirst();
    }
    setPeriod(from, to);
    DataGrid1->setFocus();
}

} // namespace bw
