// The tool-tip-like note below a grid cell that says why an entry was refused.
#include "shell/cellnote.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <QToolTip>

#include <algorithm>

namespace bw {

namespace {

constexpr int kShownMs = 5000;

} // namespace

CellNote::CellNote(QAbstractItemView* view) : QLabel(view->viewport()), view_(view)
{
    setObjectName(QStringLiteral("cellNote"));
    setPalette(QToolTip::palette());
    setFont(QToolTip::font());
    setAutoFillBackground(true);
    setFrameShape(QFrame::Box);
    setMargin(2);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
    timer_.setSingleShot(true);
    timer_.setInterval(kShownMs);
    connect(&timer_, &QTimer::timeout, this, &QWidget::hide);
}

void CellNote::showAt(const QModelIndex& index, const QString& note)
{
    setText(note);
    setAccessibleDescription(note);
    adjustSize();
    const QRect cell = view_->visualRect(index);
    const QRect area = view_->viewport()->rect();
    QPoint at = cell.bottomLeft() + QPoint(0, 1);
    // Above the cell when there is no room below it, and never past the right edge.
    if (at.y() + height() > area.bottom()) at.setY(cell.top() - height() - 1);
    at.setX(std::max(0, std::min(at.x(), area.right() - width())));
    move(at);
    show();
    raise();
    timer_.start();
    if (view_->selectionModel() != nullptr) {
        connect(view_->selectionModel(), &QItemSelectionModel::currentChanged, this, &QWidget::hide,
                Qt::UniqueConnection);
    }
}

} // namespace bw
