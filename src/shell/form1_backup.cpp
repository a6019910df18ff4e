// Backups of the log from the main window: the daily one, the safety copy before a change
// of the whole table, and the restore of an earlier log.
#include "core/errorlocation.h"
#include "core/mainmodule.h"
#include "core/messageboxes.h"
#include "core/steptrap.h"
#include "logtable/loghistory.h"
#include "logtable/logsession.h"
#include "logtable/logtable.h"
#include "logtable/logtablemodel.h"
#include "logtable/logtablestore.h"
#include "logtable/tripfills.h"
#include "logtable/triplog.h"
#include "platform/dialogs.h"
#include "platform/platform.h"
#include "shell/form1.h"
#include "shell/restorebackupdialog.h"

#include <QAction>
#include <QTableView>
#include <QTimer>

namespace bw {

void Form1::createBackupActions()
{
    mnuRestoreBackup = new QAction(RestoreBackupDialog::commandText(), DataGrid1);
    mnuRestoreBackup->setObjectName(QStringLiteral("mnuRestoreBackup"));
    connect(mnuRestoreBackup, &QAction::triggered, this, [this] { restoreBackupCommand(); });
    connect(session_.get(), &LogSession::dailyBackupFailed, this, [this](const QString& why) {
        tell(tr("The daily backup of the trip log could not be made. %1").arg(why),
             applicationTitle(), Dialogs::Icon::Warning);
    });
}

void Form1::scheduleDailyBackup()
{
    // After the window has opened: the copy runs a few pages at a time from the event
    // loop, so a large log never holds up the start.
    QTimer::singleShot(0, this, [this] { session_->startDailyBackup(); });
}

bool Form1::backUpBeforeChange()
{
    const QString failure = session_->backUpNow();
    if (failure.isEmpty()) return true;
    // A safety copy that failed is never passed over in silence: the user decides whether
    // the change goes ahead without one.
    return ask(tr("The trip log could not be backed up before this change. %1\r\n\r\n"
                  "Go on without a backup?")
                   .arg(failure),
               Dialogs::No, applicationTitle(), Dialogs::Icon::Warning)
           == Dialogs::Yes;
}

void Form1::restoreBackupCommand()
{
    if (!session_->canBackUp()) return;
    commitGridEdit();
    model_->leaveEditedRow();
    RestoreBackupDialog dialog(
        session_->backupLocation(), logTable_ ? countTrips(*logTable_) : 0,
        [this](const QString& file) { return restoreLogFrom(file); }, this);
    dialog.exec();
}

QString Form1::restoreLogFrom(const QString& file)
{
    if (!session_->canBackUp()) return tr("The trip log is read-only.");
    const LogSession::Restore restored = session_->restoreFrom(file);
    if (restored.newer) return tr("The backup was written by a newer version of the program.");
    if (!restored.changed) return restored.problem;
    // The database holds the backup's trips now; the grid takes them as one change of the
    // whole table, so that undo writes the rows of before back.
    StepTrap trap(QLatin1String(ErrorLocation::kPrefix)
                  + QStringLiteral("Form1.mnuRestoreBackup_Click "));
    const LogHistory::Name step(*history_, tr("Restore"));
    const LogTableModel::Rebuild rebuild(*model_);
    CreateLogTable(logTable_, trap, 100);
    trap.run(120, [&] { tripLog()->restoreInto(requireTable(logTable_), trap); });
    trap.run(122, [&] {
        if (requireTable(logTable_).RecordCount() > 0) logTable_->MoveFirst();
    });
    trap.run(124, [&] {
        requireTable(logTable_);
        model_->bind(logTable_);
    });
    return restored.problem;
}

} // namespace bw
