// Start-up, shutdown and the entry fields of the main window.
#include "core/errorlocation.h"
#include "core/errorreport.h"
#include "core/mainmodule.h"
#include "core/messageboxes.h"
#include "core/steptrap.h"
#include "logtable/logsession.h"
#include "logtable/logsessions.h"
#include "logtable/logtablemodel.h"
#include "logtable/logtablestore.h"
#include "logtable/triplog.h"
#include "platform/appidentity.h"
#include "platform/clock.h"
#include "platform/cursorfile.h"
#include "platform/datetext.h"
#include "platform/platform.h"
#include "shell/failure.h"
#include "shell/form1.h"
#include "shell/form1_logs.h"
#include "shell/gridview.h"
#include "shell/isinstalled.h"
#include "widgets/skin.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableView>
#include <QTimer>

#include <stdexcept>

namespace bw {

namespace {

QDate storedDate(const QString& text)
{
    const QDate date = textToDate(text);
    if (!date.isValid()) {
        throw std::runtime_error("Type mismatch");
    }
    return date;
}

} // namespace

bool Form1::load() { return Form_Load(); }

bool Form1::Form_Load()
{
    StepTrap trap(QString::fromLatin1(ErrorLocation::Form1_Form_Load));
    const QString today = dateToText(platform().clock->today());

    trap.run(100, [&] { ApplySkin(this); });
    trap.run(104, [&] {
        showLogTitle(*this);
        setWindowIcon(applicationIcon());
        SetApplicationTitle();
    });
    trap.run(106, [] { OpenHomePageAtRandom(); });
    const QString cursorFile = programFile(QString::fromLatin1(kHandCursorFile));
    if (trap.test(124, [&] { return FileExists(cursorFile); })) {
        trap.run(126, [&] { mouseIcon_ = loadCursorFile(cursorFile); });
    }
    // Entries typed under another locale are kept in this one's forms from now on.
    if (const QString notice = session().adoptEntryLocale(); !notice.isEmpty()) tell(notice);
    const auto restore = [&](int label, QLineEdit* box, const char* key) {
        trap.run(label, [&] { box->setText(session().storedEntry(QString::fromLatin1(key))); });
    };
    restore(128, txtAuthorizedBy, "AuthorizedBy");
    restore(130, txtEmployeeID, "EmployeeID");
    restore(132, txtEmployeeName, "EmployeeName");
    // Both dates are read before either picker is set: setting one raises the period
    // rule, which would overwrite the other's stored value before it was read.
    const std::optional<QDate> from = trap.value(134, [&] {
        return storedDate(session().storedEntry(QStringLiteral("PeriodFrom"), today));
    });
    restore(136, txtRatePerMile, "RatePerMile");
    const std::optional<QDate> to = trap.value(
        138, [&] { return storedDate(session().storedEntry(QStringLiteral("PeriodTo"), today)); });
    trap.run(138, [&] {
        const QSignalBlocker blockFrom(dtpFrom);
        const QSignalBlocker blockTo(dtpTo);
        if (from) dtpFrom->setDate(*from);
        if (to) dtpTo->setDate(*to);
    });
    restore(140, txtVehicleDescription, "VehicleDescription");

    session().setPeriod(dtpFrom->date(), dtpTo->date());
    CreateLogTable(session().table(), trap, 142);
    session().openLog();
    session().restoreTrips(trap);
    // Nothing typed into a read-only log could be kept: the grid and the trip commands
    // stay still.
    showLogAccess(*this);
    BindLogTable(session().table(), session().model(), trap);
    session().refreshClaimMarks();
    for (const QString& notice : session().log()->notices()) tell(notice);
    session().log()->noticesShown();

    const bool mayRun = trap.value(190, [] { return CheckExcelInstalled(); }).value_or(true);
    if (mayRun) {
        txtEmployeeName->setFocus();
        // After the window has opened: the day's backup runs a few pages at a time from
        // the event loop, so a large log never holds up the start.
        QTimer::singleShot(0, &session(), [this] { session().startDailyBackup(); });
    }
    return mayRun;
}

void Form1::closeEvent(QCloseEvent* event)
{
    Form_QueryUnload();
    event->accept();
    Form_Unload();
}

void Form1::Form_QueryUnload()
{
    finishCellEdit(DataGrid1);
    // Closing leaves the row being edited, so its fills are stored with it.
    session().model().leaveEditedRow();
    // The copy reads the log's connection: it ends before that closes.
    session().endDailyBackup();
    StepTrap trap(QString::fromLatin1(ErrorLocation::Form1_Form_QueryUnload));
    // Every finished change is kept already; the close keeps the last ones and the row
    // count that "Delete All" starts over with.
    trap.run(100, [&] { session().closeLog(); });
    // Entries a full disk kept waiting have their last chance here.
    trap.run(102, [&] { session().closeEntries(); });
    // The logs left earlier close as the open one does.
    for (const QString& failure : sessions_->closeLeft()) tell(failure);
}

void Form1::showMainWindow()
{
    show();
    raise();
    activateWindow();
    // Back from the preview the user goes on with the log: its keys act at once.
    DataGrid1->setFocus();
}

void Form1::saveTripRows() { Form_QueryUnload(); }

void Form1::Form_Unload() { QCoreApplication::quit(); }

// The change handlers have no trap: a write that fails is told as a plain notice naming
// its cause, and the value waits for the next write.
void Form1::dtpFrom_Change()
{
    if (dtpFrom->date() > dtpTo->date()) {
        dtpTo->setDate(dtpFrom->date());
    }
    session().setPeriod(dtpFrom->date(), dtpTo->date());
    session().keepEntry(QStringLiteral("PeriodFrom"), dateToText(dtpFrom->date()));
}

void Form1::dtpTo_Change()
{
    if (dtpTo->date() < dtpFrom->date()) {
        dtpFrom->setDate(dtpTo->date());
    }
    session().setPeriod(dtpFrom->date(), dtpTo->date());
    session().keepEntry(QStringLiteral("PeriodTo"), dateToText(dtpTo->date()));
}

} // namespace bw
