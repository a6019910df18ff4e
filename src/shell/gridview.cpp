// The trip grid's view: a typed key opens the editor at once and keeps what was typed.
#include "shell/gridview.h"

#include "logtable/logtablemodel.h"
#include "shell/cellnote.h"

#include <QAction>
#include <QItemSelectionModel>
#include <QKeyEvent>

#include <algorithm>

namespace bw {

void attachView(LogTableModel& model, QAbstractItemView* view)
{
    view->setModel(&model);
    QObject::connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, &model,
                     [&model](const QModelIndex& current) { model.viewMoved(current); });
    QObject::connect(&model, &LogTableModel::cursorMoved, view, [view, &model](int row) {
        QItemSelectionModel* selection = view->selectionModel();
        if (selection == nullptr) return;
        if (row < 0) {
            selection->clear();
            return;
        }
        const int column = std::max(selection->currentIndex().column(), 0);
        const QModelIndex target = model.index(row, column);
        selection->setCurrentIndex(target,
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        view->scrollTo(target);
    });
    auto* note = new CellNote(view);
    QObject::connect(&model, &LogTableModel::inputRefused, note, &CellNote::showAt);
}

// A click on a cell of the row that is already selected arms the view's delayed editor
// (it waits out the double-click interval). Until it fires, the view refuses to open an
// editor for a typed key, so the first keys a person types after such a click were
// dropped. A typed key now opens the editor at once and cancels the pending one (an
// edit request for a "current changed" trigger, which this grid does not edit on, is
// what stops the view's timer); a request for a cell whose editor is already open keeps
// that editor and what was typed into it.
bool GridView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    if (QWidget* open = indexWidget(index); open != nullptr && state() == EditingState) {
        if (!open->hasFocus()) {
            open->setFocus();
        }
        return true;
    }
    if (trigger == AnyKeyPressed || trigger == EditKeyPressed) {
        QTableView::edit(index, CurrentChanged, nullptr);
    }
    return QTableView::edit(index, trigger, event);
}

// The grid's own keys (its actions: undo, redo, insert and delete a row, the trip
// commands) belong to the cell editor while a cell is being edited: Ctrl+Z undoes typing
// there, and no row command runs behind an open editor.
bool GridView::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride && state() == EditingState) {
        const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
        for (const QAction* action : actions()) {
            if (action->shortcuts().contains(pressed)) {
                event->accept();
                return true;
            }
        }
    }
    return QTableView::event(event);
}

// The Menu key and Shift+F10 open the context menu at the current cell, as a right click
// opens it at the mouse.
void GridView::keyPressEvent(QKeyEvent* event)
{
    const bool menuKey =
        event->key() == Qt::Key_Menu
        || (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier);
    if (menuKey && state() != EditingState) {
        const QRect cell = visualRect(currentIndex());
        const QPoint at = viewport()->rect().contains(cell.center()) ? cell.center()
                                                                     : viewport()->rect().center();
        emit customContextMenuRequested(at);
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void finishCellEdit(QAbstractItemView* grid)
{
    // The grid has no widgets of its own in its cells, so a widget there is an open editor.
    if (QWidget* editor = grid->indexWidget(grid->currentIndex())) {
        QMetaObject::invokeMethod(grid, "commitData", Qt::DirectConnection,
                                  Q_ARG(QWidget*, editor));
    }
}

} // namespace bw
