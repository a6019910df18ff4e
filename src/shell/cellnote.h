// A note below a grid cell saying why what was typed there was refused.
#pragma once

#include <QLabel>
#include <QTimer>

class QAbstractItemView;
class QModelIndex;

namespace bw {

// A note in the look of a tool tip, shown just below a cell of a view, saying why what was
// typed there was not taken. It is a child of the view's viewport rather than a real tool
// tip: a tool tip vanishes at the key release of the very Enter that committed the edit.
// It goes after a few seconds, or when the current cell moves.
class CellNote final : public QLabel {
    Q_OBJECT

public:
    explicit CellNote(QAbstractItemView* view);

    void showAt(const QModelIndex& index, const QString& note);

private:
    QAbstractItemView* view_;
    QTimer timer_;
};

} // namespace bw
