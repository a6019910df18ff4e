// The logs of the main window: "Logs…", the switch to another log, the title naming it.
#include "shell/form1_logs.h"

#include "core/mainmodule.h"
#include "core/messageboxes.h"
#include "logtable/loglist.h"
#include "logtable/logsession.h"
#include "logtable/logsessions.h"
#include "logtable/logtablemodel.h"
#include "shell/form1.h"
#include "shell/gridview.h"

#include <QAction>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableView>

namespace bw {

namespace {

// The fields and the period of the log now on show. The fields go through their change
// handling as at the start; the period is the session's already.
void showEntries(Form1& form)
{
    const LogSession& log = form.session();
    const std::pair<QLineEdit*, QString> fields[] = {
        {form.txtAuthorizedBy, log.authorizedBy()},
        {form.txtEmployeeID, log.employeeID()},
        {form.txtEmployeeName, log.employeeName()},
        {form.txtRatePerMile, log.ratePerMile()},
        {form.txtVehicleDescription, log.vehicleDescription()}};
    for (const auto& [box, text] : fields) box->setText(text);
    const QSignalBlocker blockFrom(form.dtpFrom);
    const QSignalBlocker blockTo(form.dtpTo);
    form.dtpFrom->setDate(log.periodFrom());
    form.dtpTo->setDate(log.periodTo());
}

} // namespace

void showLogTitle(Form1& form)
{
    form.setWindowTitle(mainWindowTitle(QString::fromLatin1(kProductName), knownLogCount(),
                                        form.session().databasePath()));
}

void showLogAccess(Form1& form)
{
    const bool writable = !form.session().readOnly();
    form.DataGrid1->setEditTriggers(
        writable ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                       | QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked
                 : QAbstractItemView::NoEditTriggers);
    for (QObject* command : std::initializer_list<QObject*>{
             form.PushButton1, form.PushButton2, form.PushButton3, form.PushButton7,
             form.mnuImportTrips, form.mnuImportDrives, form.mnuRestoreBackup}) {
        command->setProperty("enabled", writable);
    }
}

bool Form1::openLog(const QString& path)
{
    // What is typed belongs to the log on show: it is kept there before the switch.
    finishCellEdit(DataGrid1);
    session().model().leaveEditedRow();
    LogSessions::Switch done = sessions_->open(path);
    if (!done.failure.isEmpty()) {
        tell(done.failure, applicationTitle(), Dialogs::Icon::Warning);
        return false;
    }
    if (done.left != nullptr) {
        bindSession(done.left);
        showEntries(*this);
        showLogAccess(*this);
        session().refreshClaimMarks();
        DataGrid1->setFocus();
    }
    showLogTitle(*this);
    for (const QString& notice : done.notices) tell(notice);
    return true;
}

} // namespace bw
