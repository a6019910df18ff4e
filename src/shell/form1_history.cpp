// Undo and redo of the changes to the log, and the grid's context menu.
#include "logtable/loghistory.h"
#include "logtable/logsession.h"
#include "logtable/logtablemodel.h"
#include "logtable/triplog.h"
#include "shell/claimhistorydialog.h"
#include "shell/drivesdialog.h"
#include "shell/form1.h"
#include "shell/gridaction.h"
#include "shell/summarywindow.h"

#include <QAction>
#include <QDateEdit>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>

namespace bw {

void Form1::createHistoryActions()
{
    mnuUndo = gridAction(DataGrid1, "mnuUndo", tr("Undo"), {QKeySequence(Qt::CTRL | Qt::Key_Z)});
    mnuRedo = gridAction(
        DataGrid1, "mnuRedo", tr("Redo"),
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    QUndoStack& stack = history_->stack();
    connect(mnuUndo, &QAction::triggered, this, [this, &stack] {
        // A change typed into a cell that is still open is a change too: it is finished
        // first, and so is the one undone.
        commitGridEdit();
        stack.undo();
    });
    connect(mnuRedo, &QAction::triggered, this, [this, &stack] {
        commitGridEdit();
        stack.redo();
    });
    connect(&stack, &QUndoStack::indexChanged, this, [this] { updateHistoryActions(); });
    updateHistoryActions();

    mnuInsertRow = gridAction(DataGrid1, "mnuInsertRow", tr("Insert Below Selected Row"),
                              {QKeySequence(Qt::ALT | Qt::Key_Insert)});
    mnuDeleteRow = gridAction(DataGrid1, "mnuDeleteRow", tr("Delete Selected Row"),
                              {QKeySequence(Qt::ALT | Qt::Key_Delete)});
    mnuDeleteAll = gridAction(DataGrid1, "mnuDeleteAll", tr("Delete All"));
    connect(mnuInsertRow, &QAction::triggered, PushButton2, &QPushButton::click);
    connect(mnuDeleteRow, &QAction::triggered, PushButton1, &QPushButton::click);
    connect(mnuDeleteAll, &QAction::triggered, PushButton3, &QPushButton::click);
}

void Form1::updateHistoryActions()
{
    const QUndoStack& stack = history_->stack();
    mnuUndo->setEnabled(stack.canUndo());
    mnuUndo->setText(stack.canUndo() ? tr("Undo %1").arg(stack.undoText()) : tr("Undo"));
    mnuRedo->setEnabled(stack.canRedo());
    mnuRedo->setText(stack.canRedo() ? tr("Redo %1").arg(stack.redoText()) : tr("Redo"));
}

void Form1::createGridMenu()
{
    createEntryActions();
    mnuGrid = new QMenu(this);
    mnuGrid->setObjectName(QStringLiteral("mnuGrid"));
    mnuGrid->addActions({mnuUndo, mnuRedo});
    mnuGrid->addSeparator();
    mnuGrid->addActions({mnuInsertRow, mnuDeleteRow, mnuDeleteAll});
    mnuGrid->addActions({mnuDuplicateTrip, mnuReturnTrip});
    mnuGrid->addMenu(mnuFrequentTrip);
    mnuGrid->addSeparator();
    createBackupActions();
    mnuGrid->addActions(
        {mnuImportTrips, mnuExportTrips, mnuRatesByDate, mnuRecalculate, mnuRestoreBackup});
    mnuImportDrives = gridAction(DataGrid1, "mnuImportDrives", DrivesDialog::commandText(),
                                 {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_I)});
    connect(mnuImportDrives, &QAction::triggered, this, [this] { importDrivesCommand(); });
    mnuGrid->insertAction(mnuExportTrips, mnuImportDrives);
    createClaimActions();
    mnuGrid->insertAction(mnuImportTrips, mnuStartNewPeriod);
    DataGrid1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(DataGrid1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { showGridMenu(pos); });
    // The claims' window opens the log's commands.
    mnuClaimHistory = gridAction(DataGrid1, "mnuClaimHistory", ClaimHistoryDialog::commandText(),
                                 {QKeySequence(Qt::CTRL | Qt::Key_H)});
    connect(mnuClaimHistory, &QAction::triggered, this, [this] { claimHistoryCommand(); });
    mnuGrid->insertAction(mnuStartNewPeriod, mnuClaimHistory);
    QAction* summary = gridAction(DataGrid1, "mnuSummary", SummaryWindow::commandText(),
                                  {QKeySequence(Qt::CTRL | Qt::Key_U)});
    connect(summary, &QAction::triggered, this, [this] {
        commitGridEdit();
        model_->leaveEditedRow();
        SummaryWindow::open(session_->log(), *model_, units_, this);
    });
    mnuGrid->insertAction(mnuStartNewPeriod, summary);
}

void Form1::showGridMenu(const QPoint& viewportPos)
{
    mnuGrid->popup(DataGrid1->viewport()->mapToGlobal(viewportPos));
}

void Form1::claimHistoryCommand()
{
    commitGridEdit();
    model_->leaveEditedRow();
    ClaimHistoryDialog dialog(tripLog() ? tripLog()->database() : nullptr, session_->readOnly(),
                              this);
    dialog.exec();
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
