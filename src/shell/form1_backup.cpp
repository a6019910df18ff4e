// Backups of the log from the main window: the safety copy before a change of the whole
// table, and the restore of an earlier log.
#include "core/mainmodule.h"
#include "core/messageboxes.h"
#include "logtable/logsession.h"
#include "logtable/logtablemodel.h"
#include "logtable/tripfills.h"
#include "platform/dialogs.h"
#include "shell/form1.h"
#include "shell/gridview.h"
#include "shell/restorebackupdialog.h"

#include <QTableView>

namespace bw {

bool Form1::backUpBeforeChange()
{
    const QString failure = session().backUpNow();
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
    if (!session().canBackUp()) return;
    finishCellEdit(DataGrid1);
    session().model().leaveEditedRow();
    // Replaces the log with the backup chosen and shows its rows; "" or the reason.
    const auto restore = [this](const QString& file) {
        if (!session().canBackUp()) return tr("The trip log is read-only.");
        const LogSession::Restore restored = session().restoreFrom(file);
        if (restored.newer) return tr("The backup was written by a newer version of the program.");
        if (restored.changed) session().reloadTrips(tr("Restore"));
        return restored.problem;
    };
    RestoreBackupDialog dialog([this] { return session().backups(); },
                               session().table() ? countTrips(*session().table()) : 0, restore,
                               this);
    dialog.exec();
}

} // namespace bw
