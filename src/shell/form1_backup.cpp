// Backups of the log from the main window: the daily one, the safety copy before a change
// of the whole table, and the restore of an earlier log.
#include "core/errorlocation.h"
#include "core/logbackup.h"
#include "core/logdatabase.h"
#include "core/mainmodule.h"
#include "core/messageboxes.h"
#include "core/sqlite.h"
#include "core/steptrap.h"
#include "logtable/loghistory.h"
#include "logtable/logtable.h"
#include "logtable/logtablemodel.h"
#include "logtable/logtablestore.h"
#include "logtable/tripfills.h"
#include "logtable/triplog.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/platform.h"
#include "shell/form1.h"
#include "shell/restorebackupdialog.h"

#include <QAction>
#include <QTableView>
#include <QTimer>

namespace bw {

namespace {

sqlite3* liveHandle(const TripLog* log)
{
    if (!log || !log->hasDatabase() || log->readOnly()) return nullptr;
    return log->database()->database().handle();
}

} // namespace

void Form1::createBackupActions()
{
    mnuRestoreBackup = new QAction(RestoreBackupDialog::commandText(), DataGrid1);
    mnuRestoreBackup->setObjectName(QStringLiteral("mnuRestoreBackup"));
    connect(mnuRestoreBackup, &QAction::triggered, this, [this] { restoreBackupCommand(); });
}

void Form1::scheduleDailyBackup()
{
    // After the window has opened: the copy runs a few pages at a time from the event
    // loop, so a large log never holds up the start.
    QTimer::singleShot(0, this, [this] {
        sqlite3* live = liveHandle(log_.get());
        if (!live || dailyBackup_) return;
        const QDateTime now = platform().clock->now();
        if (BackupLocation::of(log_->database()->path()).hasBackupOn(now.date())) return;
        dailyBackup_ = std::make_unique<SteppedBackup>();
        connect(dailyBackup_.get(), &SteppedBackup::finished, this,
                [this](const BackupResult& result) {
                    if (!result.ok) {
                        tell(tr("The daily backup of the trip log could not be made. %1")
                                 .arg(result.error),
                             applicationTitle(), Dialogs::Icon::Warning);
                    }
                });
        dailyBackup_->start(live, now);
    });
}

void Form1::endDailyBackup()
{
    // The copy reads the log's connection: it ends before that closes. An unfinished one
    // is made again at the next start, as no backup of the day exists.
    dailyBackup_.reset();
}

bool Form1::backUpBeforeChange()
{
    sqlite3* live = liveHandle(log_.get());
    if (!live) return true;
    const BackupResult result = backUpNow(live, platform().clock->now());
    if (result.ok) return true;
    // A safety copy that failed is never passed over in silence: the user decides whether
    // the change goes ahead without one.
    return ask(tr("The trip log could not be backed up before this change. %1\r\n\r\n"
                  "Go on without a backup?")
                   .arg(result.error),
               Dialogs::No, applicationTitle(), Dialogs::Icon::Warning)
           == Dialogs::Yes;
}

void Form1::restoreBackupCommand()
{
    if (!liveHandle(log_.get())) return;
    commitGridEdit();
    model_->leaveEditedRow();
    RestoreBackupDialog dialog(
        BackupLocation::of(log_->database()->path()), logTable_ ? countTrips(*logTable_) : 0,
        [this](const QString& file) { return restoreLogFrom(file); }, this);
    dialog.exec();
}

QString Form1::restoreLogFrom(const QString& file)
{
    sqlite3* live = liveHandle(log_.get());
    if (!live) return tr("The trip log is read-only.");
    try {
        // A backup a later version wrote would be a log this version cannot keep.
        if (LogDatabase(file, LogDatabase::Access::ReadOnly).newerSchema())
            return tr("The backup was written by a newer version of the program.");
    } catch (const std::exception& failure) {
        return QString::fromUtf8(failure.what());
    }
    QString problem;
    try {
        // A backup of an earlier schema is brought to this one, as an old log is at start;
        // the claims and their trail stay as they are.
        const BackupResult result = log_->database()->restoreFrom(file, platform().clock->now());
        // A failure after the copy still leaves the backup's trips to show.
        if (!result.ok && result.path.isEmpty()) return result.error;
        problem = result.ok ? QString() : result.error;
    } catch (const std::exception& failure) {
        return QString::fromUtf8(failure.what());
    }
    // The database holds the backup's trips now; the grid takes them as one change of the
    // whole table, so that undo writes the rows of before back.
    StepTrap trap(QLatin1String(ErrorLocation::kPrefix)
                  + QStringLiteral("Form1.mnuRestoreBackup_Click "));
    const LogHistory::Name step(*history_, tr("Restore"));
    const LogTableModel::Rebuild rebuild(*model_);
    CreateLogTable(logTable_, trap, 100);
    trap.run(120, [&] { log_->restoreInto(requireTable(logTable_), trap); });
    trap.run(122, [&] {
        if (requireTable(logTable_).RecordCount() > 0) logTable_->MoveFirst();
    });
    trap.run(124, [&] {
        requireTable(logTable_);
        model_->bind(logTable_);
    });
    return problem;
}

} // namespace bw
