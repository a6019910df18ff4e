// The grid's commands as actions: in its context menu with their keys, and by key.
#pragma once

#include <QAction>
#include <QKeySequence>
#include <QList>
#include <QString>
#include <QWidget>

namespace bw {

// An action of the grid, shown with its keys in the menu. Its keys work wherever the focus
// is in the grid's window (on a button, in the grid, after a command), except where a text
// field takes them as its own: an open cell editor or an employee field keeps its Ctrl+Z.
inline QAction* gridAction(QWidget* grid, const char* name, const QString& text,
                           const QList<QKeySequence>& keys = {})
{
    auto* action = new QAction(text, grid);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    action->setShortcutVisibleInContextMenu(true);
    grid->addAction(action);
    return action;
}

} // namespace bw
