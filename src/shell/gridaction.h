// The grid's commands as actions: in its context menu with their keys, and by key.
#pragma once

#include <QAction>
#include <QKeySequence>
#include <QList>
#include <QString>
#include <QWidget>

namespace bw {

// An action of the grid whose keys work while the focus is in the grid and not behind an
// open cell editor (the editor's own keys win there), shown with its keys in the menu.
inline QAction* gridAction(QWidget* grid, const char* name, const QString& text,
                           const QList<QKeySequence>& keys = {})
{
    auto* action = new QAction(text, grid);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    action->setShortcutVisibleInContextMenu(true);
    grid->addAction(action);
    return action;
}

} // namespace bw
