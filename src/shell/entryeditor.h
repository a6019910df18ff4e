// The grid's cell editors for places, descriptions and dates: completion and today's date.
#pragma once

#include <QLineEdit>
#include <QStringList>
#include <QStyledItemDelegate>

#include <functional>

namespace bw {

class TripBook;

// A line editor that completes what is typed inline: the rest of the best known value
// stands selected after the cursor, typing on replaces it, Backspace and Delete take it
// away, Ctrl+Down and Ctrl+Up show the other values that match. Nothing of the completion
// is taken unless acceptCompletion() says so.
class CompletingEdit final : public QLineEdit {
    Q_OBJECT

public:
    using Source = std::function<QStringList(const QString& prefix)>;
    using Today = std::function<QString()>;
    CompletingEdit(Source source, Today today, QWidget* parent);

    // Puts the known spelling of the completion on offer in place; false without one.
    bool acceptCompletion();
    // The text as the user has it: what was typed, without a completion still on offer.
    QString chosenText() const;
    bool offering() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void typed(const QString& text);
    void offer(int match);
    void forget();

    Source source_;
    Today today_;
    QString typed_;
    QStringList matches_;
    int offered_ = -1;
    bool deleting_ = false;
};

// The columns of a model that hold the Date, Starting Location, Destination and
// Description/Notes (-1 for none): the grid's by default.
struct EntryColumns {
    int date = 0;
    int from = 1;
    int to = 2;
    int description = 3;
};

// Gives the Date, Starting Location, Destination and Description/Notes cells their editors.
class EntryDelegate final : public QStyledItemDelegate {
    Q_OBJECT

public:
    EntryDelegate(TripBook& book, CompletingEdit::Today today, QObject* parent,
                  EntryColumns columns = {});

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    TripBook& book_;
    CompletingEdit::Today today_;
    EntryColumns columns_;
};

} // namespace bw
