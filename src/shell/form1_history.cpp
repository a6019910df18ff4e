// The grid's context menu: undo and redo of the changes to the log, the row commands,
// trips typed in a few keys and the log's commands.
#include "core/mainmodule.h"
#include "core/messageboxes.h"
#include "logtable/loghistory.h"
#include "logtable/logsession.h"
#include "logtable/logsessions.h"
#include "logtable/logtablemodel.h"
#include "logtable/logtablestore.h"
#include "logtable/triplog.h"
#include "platform/clock.h"
#include "platform/datetext.h"
#include "platform/platform.h"
#include "shell/cellnote.h"
#include "shell/claimhistorydialog.h"
#include "shell/drivesdialog.h"
#include "shell/entryeditor.h"
#include "shell/form1.h"
#include "shell/form1_logs.h"
#include "shell/gridaction.h"
#include "shell/gridview.h"
#include "shell/logswindow.h"
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

// Trips typed in a few keys: a copy, the way back, a route the log knows well.
void createKeyedTrips(Form1& form)
{
    form.mnuDuplicateTrip =
        gridAction(form.DataGrid1, "mnuDuplicateTrip", Form1::tr("Duplicate Trip"),
                   {QKeySequence(Qt::CTRL | Qt::Key_D)});
    form.mnuReturnTrip = gridAction(form.DataGrid1, "mnuReturnTrip", Form1::tr("Add Return Trip"),
                                    {QKeySequence(Qt::CTRL | Qt::Key_R)});
    form.mnuFrequentTrip = new QMenu(Form1::tr("Add Frequent Trip"), &form);
    form.mnuFrequentTrip->setObjectName(QStringLiteral("mnuFrequentTrip"));
    // A trip that would pass the limit is not added, and the user hears why.
    const auto added = [](LogSession::Added result) {
        if (result == LogSession::Added::NoRoom) tellTripLimit(Form1::tr("No trip was added."));
    };
    QObject::connect(form.mnuDuplicateTrip, &QAction::triggered, &form, [&form, added] {
        finishCellEdit(form.DataGrid1);
        added(form.session().duplicateTrip(Form1::tr("Duplicate Trip")));
    });
    QObject::connect(form.mnuReturnTrip, &QAction::triggered, &form, [&form, added] {
        finishCellEdit(form.DataGrid1);
        added(form.session().addReturnTrip(Form1::tr("Add Return Trip")));
    });
    QObject::connect(form.mnuFrequentTrip, &QMenu::aboutToShow, &form, [&form, added] {
        form.mnuFrequentTrip->clear();
        const std::vector<TripBook::Route> routes = form.session().frequentRoutes();
        for (int i = 0; i < static_cast<int>(routes.size()); ++i) {
            QString text = TripBook::routeText(routes[static_cast<std::size_t>(i)],
                                               form.session().units().distance);
            // A place's own "&" is no mnemonic.
            QAction* action = form.mnuFrequentTrip->addAction(text.replace(QLatin1Char('&'), "&&"));
            QObject::connect(action, &QAction::triggered, &form, [&form, added, i] {
                finishCellEdit(form.DataGrid1);
                added(form.session().addFrequentTrip(i, Form1::tr("Add Frequent Trip")));
            });
        }
        if (routes.empty())
            form.mnuFrequentTrip->addAction(Form1::tr("No routes yet"))->setEnabled(false);
    });
}

// What the open log reports, the window shows.
void connectSession(Form1& form, LogSession& log)
{
    QObject::connect(&log, &LogSession::notice, &form, [](const QString& text) { tell(text); });
    QObject::connect(&log, &LogSession::writeFailed, &form, [](const QString& why) {
        tell(Form1::tr("The last change to the trips could not be saved. %1").arg(why));
    });
    QObject::connect(&log, &LogSession::dailyBackupFailed, &form, [](const QString& why) {
        tell(Form1::tr("The daily backup of the trip log could not be made. %1").arg(why),
             applicationTitle(), Dialogs::Icon::Warning);
    });
    // The pickers keep From <= To as each changes; the order below never trips that rule
    // in a way that changes the outcome.
    QObject::connect(&log, &LogSession::periodShown, &form, [&form](QDate from, QDate to) {
        form.dtpFrom->setDate(from);
        form.dtpTo->setDate(to);
    });
    QObject::connect(&log, &LogSession::claimMarksChanged, &form, [&form] {
        if (form.mnuStartNewPeriod)
            form.mnuStartNewPeriod->setEnabled(form.session().mayStartNewPeriod());
    });
    const auto warn = [](const QString& text) {
        tell(text, applicationTitle(), Dialogs::Icon::Warning);
    };
    QObject::connect(&log, &LogSession::ratesUnreadable, &form, [warn](const QString& why) {
        warn(Form1::tr("The rates by date could not be read: %1").arg(why));
    });
    QObject::connect(&log, &LogSession::unitsNotKept, &form, [warn](const QString& why) {
        warn(Form1::tr("The distance unit and currency were not kept: %1").arg(why));
    });
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
        session().undo();
    });
    connect(mnuRedo, &QAction::triggered, this, [this] {
        finishCellEdit(DataGrid1);
        session().redo();
    });

    mnuInsertRow = gridAction(DataGrid1, "mnuInsertRow", tr("Insert Below Selected Row"),
                              {QKeySequence(Qt::ALT | Qt::Key_Insert)});
    mnuDeleteRow = gridAction(DataGrid1, "mnuDeleteRow", tr("Delete Selected Row"),
                              {QKeySequence(Qt::ALT | Qt::Key_Delete)});
    mnuDeleteAll = gridAction(DataGrid1, "mnuDeleteAll", tr("Delete All"));
    connect(mnuInsertRow, &QAction::triggered, PushButton2, &QPushButton::click);
    connect(mnuDeleteRow, &QAction::triggered, PushButton1, &QPushButton::click);
    connect(mnuDeleteAll, &QAction::triggered, PushButton3, &QPushButton::click);
    createKeyedTrips(*this);

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
        session().model().leaveEditedRow();
        ClaimHistoryDialog dialog(session().claimHistory(), this);
        dialog.exec();
    });
    mnuGrid->insertAction(mnuStartNewPeriod, mnuClaimHistory);
    QAction* summary = gridAction(DataGrid1, "mnuSummary", SummaryWindow::commandText(),
                                  {QKeySequence(Qt::CTRL | Qt::Key_U)});
    connect(summary, &QAction::triggered, this, [this] {
        finishCellEdit(DataGrid1);
        session().model().leaveEditedRow();
        SummaryWindow::open(session().log(), session().model(), session().units(), this);
    });
    mnuGrid->insertAction(mnuStartNewPeriod, summary);
    // The logs a person keeps: one is shown, another opens in its place. Its keys work with
    // a cell editor open too (the window's action, not the grid's): the typed text goes to
    // the log it was typed into first.
    QAction* logs = gridAction(this, "mnuLogs", LogsWindow::commandText(),
                               {QKeySequence(Qt::CTRL | Qt::Key_L)});
    connect(logs, &QAction::triggered, this, [this] {
        finishCellEdit(DataGrid1);
        session().model().leaveEditedRow();
        const auto open = [this](const QString& path) { return openLog(path); };
        const auto release = [this](const QString& path) {
            if (const QString failure = sessions_->release(path); !failure.isEmpty()) tell(failure);
        };
        LogsWindow window(session().databasePath(), {open, release}, this);
        window.exec();
        // A log made or put away may change what the title says.
        showLogTitle(*this);
    });
    mnuGrid->insertAction(mnuClaimHistory, logs);
}

void Form1::bindSession(LogSession* left)
{
    LogSession& log = session();
    QItemSelectionModel* oldSelection = DataGrid1->selectionModel();
    if (left != nullptr) {
        for (QObject* sender : std::initializer_list<QObject*>{
                 left, &left->model(), &left->history().stack(), oldSelection}) {
            disconnect(sender, nullptr, this, nullptr);
        }
        // The session left stays open for its undo history; its cursor no longer moves the grid.
        disconnect(&left->model(), nullptr, DataGrid1, nullptr);
        // The note at the cell follows the model it is made for.
        qDeleteAll(DataGrid1->findChildren<CellNote*>(Qt::FindDirectChildrenOnly));
    }
    attachView(log.model(), DataGrid1);
    delete oldSelection;
    // The grid's editors complete places from the open log.
    QAbstractItemDelegate* oldDelegate = DataGrid1->itemDelegate();
    DataGrid1->setItemDelegate(new EntryDelegate(
        log.tripBook(), [] { return dateToText(platform().clock->today()); }, DataGrid1));
    delete oldDelegate;
    followCurrentTrip(*this);
    const QUndoStack& stack = log.history().stack();
    connect(&stack, &QUndoStack::indexChanged, this,
            [this, &stack] { showHistory(mnuUndo, mnuRedo, stack); });
    showHistory(mnuUndo, mnuRedo, stack);
    connectSession(*this, log);
    connect(&log, &LogSession::unitsChanged, this,
            [this](const LogUnits& units) { showUnits(units); });
    showUnits(log.units());
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
