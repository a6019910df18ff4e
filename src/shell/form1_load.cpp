// Start-up, shutdown and the entry fields of the main window.
#include "core/errorlocation.h"
#include "core/errorreport.h"
#include "core/mainmodule.h"
#include "core/messageboxes.h"
#include "core/steptrap.h"
#include "logstore/keptentries.h"
#include "logtable/entrylocale.h"
#include "logtable/logsession.h"
#include "logtable/logtable.h"
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
#include "shell/isinstalled.h"
#include "widgets/skin.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableView>

#include <stdexcept>

namespace bw {

namespace {

constexpr char kProductCaption[] = "Brindlewick";

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
        setWindowTitle(QString::fromLatin1(kProductCaption));
        setWindowIcon(applicationIcon());
        SetApplicationTitle();
    });
    trap.run(106, [] { OpenHomePageAtRandom(); });
    const QString cursorFile = programFile(QString::fromLatin1(kHandCursorFile));
    if (trap.test(124, [&] { return FileExists(cursorFile); })) {
        trap.run(126, [&] { mouseIcon_ = loadCursorFile(cursorFile); });
    }
    // Entries typed under another locale are kept in this one's forms from now on.
    if (const QString notice =
            session_->entries().keep([&] { EntryLocale::adopt(session_->store()); });
        !notice.isEmpty())
        tell(notice);
    const auto restore = [&](int label, QLineEdit* box, const char* key) {
        trap.run(label, [&] {
            box->setText(EntryLocale::read(session_->store(), QString::fromLatin1(key)));
        });
    };
    restore(128, txtAuthorizedBy, "AuthorizedBy");
    restore(130, txtEmployeeID, "EmployeeID");
    restore(132, txtEmployeeName, "EmployeeName");
    // Both dates are read before either picker is set: setting one raises the period
    // rule, which would overwrite the other's stored value before it was read.
    const std::optional<QDate> from = trap.value(134, [&] {
        return storedDate(
            EntryLocale::read(session_->store(), QStringLiteral("PeriodFrom"), today));
    });
    restore(136, txtRatePerMile, "RatePerMile");
    const std::optional<QDate> to = trap.value(138, [&] {
        return storedDate(EntryLocale::read(session_->store(), QStringLiteral("PeriodTo"), today));
    });
    trap.run(138, [&] {
        const QSignalBlocker blockFrom(dtpFrom);
        const QSignalBlocker blockTo(dtpTo);
        if (from) dtpFrom->setDate(*from);
        if (to) dtpTo->setDate(*to);
    });
    restore(140, txtVehicleDescription, "VehicleDescription");

    CreateLogTable(logTable_, trap, 142);
    openTripLog(trap);
    BindLogTable(logTable_, *model_, trap);
    refreshClaimMarks();
    for (const QString& notice : tripLog()->notices()) tell(notice);
    tripLog()->noticesShown();

    const bool mayRun = trap.value(190, [] { return CheckExcelInstalled(); }).value_or(true);
    if (mayRun) {
        txtEmployeeName->setFocus();
        scheduleDailyBackup();
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
    commitGridEdit();
    // Closing leaves the row being edited, so its fills are stored with it.
    model_->leaveEditedRow();
    // The copy reads the log's connection: it ends before that closes.
    session_->endDailyBackup();
    StepTrap trap(QString::fromLatin1(ErrorLocation::Form1_Form_QueryUnload));
    // Every finished change is kept already; the close keeps the last ones and the row
    // count that "Delete All" starts over with.
    trap.run(100, [&] {
        if (tripLog() && logTable_) tripLog()->close(*logTable_);
    });
    // Entries a full disk kept waiting have their last chance here.
    trap.run(102, [&] { session_->entries().close(); });
}

void Form1::openTripLog(StepTrap& trap)
{
    session_->openLog();
    if (logTable_ && logTable_->isOpen()) tripLog()->restoreInto(*logTable_, trap);
    // The rates by date are kept beside the trips; a read-only log lends its list only.
    setRateStore(session_->rateStore());
    if (tripLog()->readOnly()) {
        // Nothing typed here could be kept: the grid and the trip commands stay still.
        DataGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
        for (QWidget* command :
             {static_cast<QWidget*>(PushButton1), static_cast<QWidget*>(PushButton2),
              static_cast<QWidget*>(PushButton3), static_cast<QWidget*>(PushButton7)}) {
            command->setEnabled(false);
        }
        if (mnuImportTrips) mnuImportTrips->setEnabled(false);
        if (mnuImportDrives) mnuImportDrives->setEnabled(false);
        if (mnuRestoreBackup) mnuRestoreBackup->setEnabled(false);
    }
}

// One finished change, one transaction. A write that fails leaves its changes pending
// for the next one and says why, once until a write succeeds again; entries waiting for
// the disk go with a write that works.
void Form1::commitTrips()
{
    if (!tripLog() || !logTable_) return;
    const LogSession::Commit said = session_->commit(*logTable_);
    if (!said.failure.isEmpty())
        tell(tr("The last change to the trips could not be saved. %1").arg(said.failure));
    if (!said.entriesNotice.isEmpty()) tell(said.entriesNotice);
}

// A cell still being typed into when the window closes would otherwise be lost: closing
// moves no focus, so the grid never finishes the edit by itself.
void Form1::commitGridEdit()
{
    // The grid has no widgets of its own in its cells, so a widget there is an open editor.
    if (QWidget* editor = DataGrid1->indexWidget(DataGrid1->currentIndex())) {
        QMetaObject::invokeMethod(DataGrid1, "commitData", Qt::DirectConnection,
                                  Q_ARG(QWidget*, editor));
    }
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
void Form1::saveEntry(const QString& key, const QString& value)
{
    const QString notice =
        session_->entries().keep([&] { EntryLocale::save(session_->store(), key, value); });
    if (!notice.isEmpty()) tell(notice);
    // Trip changes that wait for the disk go with the entry's write that worked.
    if (notice.isEmpty() && session_->writesFailing() && !session_->entries().pending())
        commitTrips();
}

void Form1::dtpFrom_Change()
{
    if (dtpFrom->date() > dtpTo->date()) {
        dtpTo->setDate(dtpFrom->date());
    }
    saveEntry(QStringLiteral("PeriodFrom"), dateToText(dtpFrom->date()));
}

void Form1::dtpTo_Change()
{
    if (dtpTo->date() < dtpFrom->date()) {
        dtpFrom->setDate(dtpTo->date());
    }
    saveEntry(QStringLiteral("PeriodTo"), dateToText(dtpTo->date()));
}

} // namespace bw
