// The grid's cell editors for places, descriptions and dates.
#include "shell/entryeditor.h"

#include "logtable/tripbook.h"
#include "logtable/tripfills.h"

#include <QKeyEvent>

namespace bw {

CompletingEdit::CompletingEdit(Source source, Today today, QWidget* parent)
    : QLineEdit(parent), source_(std::move(source)), today_(std::move(today))
{
    setFrame(false);
    connect(this, &QLineEdit::textEdited, this, &CompletingEdit::typed);
}

void CompletingEdit::forget()
{
    typed_.clear();
    matches_.clear();
    offered_ = -1;
}

void CompletingEdit::typed(const QString& text)
{
    // Only text typed at the end is completed; a deletion keeps exactly what is left.
    if (deleting_ || !source_ || text.isEmpty() || cursorPosition() != text.size()) {
        forget();
        return;
    }
    typed_ = text;
    matches_ = source_(text);
    offered_ = -1;
    if (!matches_.isEmpty()) offer(0);
}

void CompletingEdit::offer(int match)
{
    offered_ = match;
    const QString& known = matches_[match];
    const qsizetype tail = known.size() - typed_.size();
    setText(typed_ + known.right(tail));
    setSelection(static_cast<int>(typed_.size()), static_cast<int>(tail));
}

bool CompletingEdit::offering() const
{
    if (offered_ < 0 || offered_ >= matches_.size()) return false;
    const QString& known = matches_[offered_];
    const qsizetype tail = known.size() - typed_.size();
    if (text() != typed_ + known.right(tail)) return false;
    return tail == 0 || (selectionStart() == typed_.size() && selectedText().size() == tail);
}

bool CompletingEdit::acceptCompletion()
{
    if (!offering()) return false;
    const QString known = matches_[offered_];
    forget();
    setText(known);
    return true;
}

QString CompletingEdit::chosenText() const { return offering() ? typed_ : text(); }

void CompletingEdit::keyPressEvent(QKeyEvent* event)
{
    const bool ctrl = event->modifiers() == Qt::ControlModifier;
    const bool step = ctrl && (event->key() == Qt::Key_Down || event->key() == Qt::Key_Up);
    if (step && offering() && matches_.size() > 1) {
        const int n = static_cast<int>(matches_.size());
        offer((offered_ + (event->key() == Qt::Key_Down ? 1 : n - 1)) % n);
        event->accept();
        return;
    }
    if (step && offering()) {
        event->accept();
        return;
    }
    if (today_ && event->key() == Qt::Key_Semicolon
        && event->modifiers().testFlag(Qt::ControlModifier)) {
        setText(today_());
        event->accept();
        return;
    }
    deleting_ = event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete;
    QLineEdit::keyPressEvent(event);
    deleting_ = false;
}

EntryDelegate::EntryDelegate(TripBook& book, CompletingEdit::Today today, QObject* parent,
                             EntryColumns columns)
    : QStyledItemDelegate(parent), book_(book), today_(std::move(today)), columns_(columns)
{}

QWidget* EntryDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                     const QModelIndex& index) const
{
    TripBook* book = &book_;
    const int column = index.column();
    if (column == columns_.date) return new CompletingEdit({}, today_, parent);
    if (column == columns_.from || column == columns_.to)
        return new CompletingEdit([book](const QString& prefix) { return book->places(prefix); },
                                  {}, parent);
    if (column == columns_.description)
        return new CompletingEdit(
            [book](const QString& prefix) { return book->descriptions(prefix); }, {}, parent);
    return QStyledItemDelegate::createEditor(parent, option, index);
}

void EntryDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                 const QModelIndex& index) const
{
    if (const auto* edit = qobject_cast<CompletingEdit*>(editor)) {
        model->setData(index, edit->chosenText(), Qt::EditRole);
        return;
    }
    QStyledItemDelegate::setModelData(editor, model, index);
}

// Enter and Tab finish the edit here before the editor sees them: the completion on offer
// is taken first, so that the known spelling is what gets written.
bool EntryDelegate::eventFilter(QObject* object, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool finishes = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Tab
                              || key == Qt::Key_Backtab;
        if (auto* edit = qobject_cast<CompletingEdit*>(object); edit && finishes) {
            edit->acceptCompletion();
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

} // namespace bw
