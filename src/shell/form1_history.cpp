// The grid's context menu: undo and redo of the changes to the log, the row commands,
// trips typed in a few keys and the log's commands.
#include "logtable/loghistory.h"
#include "logtable/logsession.h"
#include "logtable/logtablemodel.h"
#include "logtable/logtablestore.h"
#include "logtable/triplog.h"
#include "platform/clock.h"
#include "platform/datetext.h"
#include "platform/platform.h"
#include "shell/claimhistorydialog.h"
#include "shell/drivesdialog.h"
#include "shell/entryeditor.h"
#include "shell/form1.h"
#include "shell/gridaction.h"
#include "shell/gridview.h"
#include "shell/restorebackupdialog.h"
#include "shell/summarywindow.h"

#include <QAction>
#include <QDateEdit>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>

namespace bw {

namespace {

void showHistory(QAction* undo, QAction* redo, const QUndoStack& stack)
{
    undo->setEnabled(stack.canUndo());
    undo->setText(stack.canUndo() ? Form1::tr("Undo %1").arg(stack.undoText()) : Form1::tr("Undo"));
    redo->setEnabled(stack.canRedo());
    redo->setText(stack.canRedo() ? Form1::tr("Redo %1").arg(stack.redoText()) : Form1::tr("Redo"));
}

// Duplicate Trip and Add Return Trip follow the current row: a blank row is no trip to copy
// or to drive back, so the commands (and their keys) rest there, as on no row at all.
void followCurrentTrip(Form1& form)
{
    const auto follow = [&form] {
        const bool trip = form.session().currentIsTrip();
        form.mnuDuplicateTrip->setEnabled(trip);
        form.mnuReturnTrip->setEnabled(trip);
    };
    QAbstractItemModel* model = &form.gridModel();
    QObject::connect(form.DataGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged,
                     &form, follow);
    QObject::connect(model, &QAbstractItemModel::modelReset, &form, follow);
    QObject::connect(model, &QAbstractItemModel::layoutChanged, &form, follow);
    QObject::connect(model, &QAbstractItemModel::rowsInserted, &form, follow);
    QObject::connect(model, &QAbstractItemModel::rowsRemoved, &form, follow);
    QObject::connect(model, &QAbstractItemModel::dataChanged, &form, follow);
    follow();
}

} // namespace

void Form1::createGridMenu()
{
    mnuUndo = gridAction(DataGrid1, "mnuUndo", tr("Undo"), {QKeySequence(Qt::CTRL | Qt::Key_Z)});
    mnuRedo = gridAction(
        DataGrid1, "mnuRedo", tr("Redo"),
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    // A change typed into a cell that is still open is a change too: it is finished first,
    // and so is the one undone.
    connect(mnuUndo, &QAction::triggered, this, [this] {
        finishCellEdit(DataGrid1);
        session_->undo();
    });
    connect(mnuRedo, &QAction::triggered, this, [this] {
        finishCellEdit(DataGrid1);
        session_->redo();
    });
    const QUndoStack& stack = session_->history().stack();
    connect(&stack, &QUndoStack::indexChanged, this,
            [this, &stack] { showHistory(mnuUndo, mnuRedo, stack); });
    showHistory(mnuUndo, mnuRedo, stack);

    mnuInsertRow = gridAction(DataGrid1, "mnuInsertRow", tr("Insert Below Selected Row"),
                              {QKeySequence(Qt::ALT | Qt::Key_Insert)});
    mnuDeleteRow = gridAction(DataGrid1, "mnuDeleteRow", tr("Delete Selected Row"),
                              {QKeySequence(Qt::ALT | Qt::Key_Delete)});
    mnuDeleteAll = gridAction(DataGrid1, "mnuDeleteAll", tr("Delete All"));
    connect(mnuInsertRow, &QAction::triggered, PushButton2, &QPushButton::click);
    connect(mnuDeleteRow, &QAction::triggered, PushButton1, &QPushButton::click);
    connect(mnuDeleteAll, &QAction::triggered, PushButton3, &QPushButton::click);
    createKeyedTrips();

    mnuGrid = new QMenu(this);
    mnuGrid->setObjectName(QStringLiteral("mnuGrid"));
    mnuGrid->addActions({mnuUndo, mnuRedo});
    mnuGrid->addSeparator();
    mnuGrid->addActions({mnuInsertRow, mnuDeleteRow, mnuDeleteAll});
    mnuGrid->addActions({mnuDuplicateTrip, mnuReturnTrip});
    mnuGrid->addMenu(mnuFrequentTrip);
    mnuGrid->addSeparator();
    mnuRestoreBackup = new QAction(RestoreBackupDialog::commandText(), DataGrid1);
    mnuRestoreBackup->setObjectName(QStringLiteral("mnuRestoreBackup"));
    connect(mnuRestoreBackup, &QAction::triggered, this, [this] { restoreBackupCommand(); });
    mnuGrid->addActions(
        {mnuImportTrips, mnuExportTrips, mnuRatesByDate, mnuRecalculate, mnuRestoreBackup});
    mnuImportDrives = gridAction(DataGrid1, "mnuImportDrives", DrivesDialog::commandText(),
                                 {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_I)});
    connect(mnuImportDrives, &QAction::triggered, this, [this] { importDrivesCommand(); });
    mnuGrid->insertAction(mnuExportTrips, mnuImportDrives);
    createLogCommands();
    DataGrid1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(DataGrid1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { mnuGrid->popup(DataGrid1->viewport()->mapToGlobal(pos)); });
}

// Trips typed in a few keys: a copy, the way back, a route the log knows well; and the
// grid's editors, which complete places from the log.
void Form1::createKeyedTrips()
{
    DataGrid1->setItemDelegate(new EntryDelegate(
        session_->tripBook(), [] { return dateToText(platform().clock->today()); }, DataGrid1));
    mnuDuplicateTrip = gridAction(DataGrid1, "mnuDuplicateTrip", tr("Duplicate Trip"),
                                  {QKeySequence(Qt::CTRL | Qt::Key_D)});
    mnuReturnTrip = gridAction(DataGrid1, "mnuReturnTrip", tr("Add Return Trip"),
                               {QKeySequence(Qt::CTRL | Qt::Key_R)});
    mnuFrequentTrip = new QMenu(tr("Add Frequent Trip"), this);
    mnuFrequentTrip->setObjectName(QStringLiteral("mnuFrequentTrip"));
    // A trip that would pass the limit is not added, and the user hears why.
    const auto added = [this](LogSession::Added result) {
        if (result == LogSession::Added::NoRoom) tellTripLimit(tr("No trip was added."));
    };
    connect(mnuDuplicateTrip, &QAction::triggered, this, [this, added] {
        finishCellEdit(DataGrid1);
        added(session_->duplicateTrip(tr("Duplicate Trip")));
    });
    connect(mnuReturnTrip, &QAction::triggered, this, [this, added] {
        finishCellEdit(DataGrid1);
        added(session_->addReturnTrip(tr("Add Return Trip")));
    });
    connect(mnuFrequentTrip, &QMenu::aboutToShow, this, [this, added] {
        mnuFrequentTrip->clear();
        const std::vector<TripBook::Route> routes = session_->frequentRoutes();
        for (int i = 0; i < static_cast<int>(routes.size()); ++i) {
            QString text = TripBook::routeText(routes[static_cast<std::size_t>(i)],
                                               session_->units().distance);
            // A place's own "&" is no mnemonic.
            QAction* action = mnuFrequentTrip->addAction(text.replace(QLatin1Char('&'), "&&"));
            connect(action, &QAction::triggered, this, [this, added, i] {
                finishCellEdit(DataGrid1);
                added(session_->addFrequentTrip(i, tr("Add Frequent Trip")));
            });
        }
        if (routes.empty()) mnuFrequentTrip->addAction(tr("No routes yet"))->setEnabled(false);
    });
    followCurrentTrip(*this);
}

// The commands of the whole log: its claims, a new period, the year's summary.
void Form1::createLogCommands()
{
    mnuStartNewPeriod = gridAction(DataGrid1, "mnuStartNewPeriod", tr("Start New Period…"));
    mnuStartNewPeriod->setEnabled(false);
    connect(mnuStartNewPeriod, &QAction::triggered, this, [this] { startNewPeriodCommand(); });
    mnuGrid->insertAction(mnuImportTrips, mnuStartNewPeriod);
    // The claims' window opens the log's commands.
    mnuClaimHistory = gridAction(DataGrid1, "mnuClaimHistory", ClaimHistoryDialog::commandText(),
                                 {QKeySequence(Qt::CTRL | Qt::Key_H)});
    connect(mnuClaimHistory, &QAction::triggered, this, [this] {
        finishCellEdit(DataGrid1);
        session_->model().leaveEditedRow();
        ClaimHistoryDialog dialog(session_->claimHistory(), this);
        dialog.exec();
    });
    mnuGrid->insertAction(mnuStartNewPeriod, mnuClaimHistory);
    QAction* summary = gridAction(DataGrid1, "mnuSummary", SummaryWindow::commandText(),
                                  {QKeySequence(Qt::CTRL | Qt::Key_U)});
    connect(summary, &QAction::triggered, this, [this] {
        finishCellEdit(DataGrid1);
        session_->model().leaveEditedRow();
        SummaryWindow::open(session_->log(), session_->model(), session_->units(), this);
    });
    mnuGrid->insertAction(mnuStartNewPeriod, summary);
}

std::function<void()> Form1::entriesRestorer() const
{
    const std::array<QLineEdit*, 5> boxes = {txtAuthorizedBy, txtEmployeeID, txtEmployeeName,
                                             txtRatePerMile, txtVehicleDescription};
    std::array<QString, 5> texts;
    for (std::size_t i = 0; i < boxes.size(); ++i) texts[i] = boxes[i]->text();
    const QDate from = dtpFrom->date();
    const QDate to = dtpTo->date();
    // Each goes back through its change handling, so the settings follow.
    return [boxes, texts, from, to, this] {
        for (std::size_t i = 0; i < boxes.size(); ++i) boxes[i]->setText(texts[i]);
        dtpFrom->setDate(from);
        dtpTo->setDate(to);
    };
}

} // namespace bw
