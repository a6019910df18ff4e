#include "shell/gridview.h"

#include <QKeyEvent>

namespace bw {

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

void GridView::keyPressEvent(QKeyEvent* event)
{
    if (state() != EditingState && event->modifiers() == Qt::AltModifier) {
        if (event->key() == Qt::Key_Insert) {
            emit insertRowRequested();
            return;
        }
        if (event->key() == Qt::Key_Delete) {
            emit deleteRowRequested();
            return;
        }
    }
    QTableView::keyPressEvent(event);
}

} // namespace bw
