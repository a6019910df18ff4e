// The trip grid's view: a table view that never replaces an editor the user types in.
#pragma once

#include <QTableView>

namespace bw {

class LogTableModel;

class GridView : public QTableView {
    Q_OBJECT
public:
    using QTableView::QTableView;

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// Shows `model` in `view`: the view's current row and the table's cursor kept in step, and
// a note at the cell, where the user looks, when a typed value is refused.
void attachView(LogTableModel& model, QAbstractItemView* view);

// Hands the text of an editor still open in `grid` to its model: a close or a command that
// moves no focus would otherwise leave it unfinished.
void finishCellEdit(QAbstractItemView* grid);

} // namespace bw
