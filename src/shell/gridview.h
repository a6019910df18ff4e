// The trip grid's view: a table view that never replaces an editor the user types in.
#pragma once

#include <QTableView>

namespace bw {

class GridView : public QTableView {
    Q_OBJECT
public:
    using QTableView::QTableView;

signals:
    // Alt+Insert and Alt+Delete while no cell is being edited: keys with no standard
    // meaning on a desktop (Ctrl+Insert copies; a screen reader holds Insert).
    void insertRowRequested();
    void deleteRowRequested();

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace bw
