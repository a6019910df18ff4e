// The history of changes to the trip log, for undo and redo.
#include "logtable/loghistory.h"

#include <QCoreApplication>

#include <functional>
#include <utility>

namespace bw {

namespace {

enum class Kind { Edit, Fill, Rows };

// Edits and the fills of leaving their row share an id, so that the stack can join them.
constexpr int kRowEditId = 1;

// How many rows at the start and at the end two versions of the table have in common.
struct CommonEnds {
    int prefix = 0;
    int suffix = 0;
};

CommonEnds commonEnds(int before, int after, const std::function<bool(int, int)>& same)
{
    CommonEnds ends;
    while (ends.prefix < before && ends.prefix < after && same(ends.prefix, ends.prefix)) {
        ++ends.prefix;
    }
    while (ends.suffix < before - ends.prefix && ends.suffix < after - ends.prefix
           && same(before - 1 - ends.suffix, after - 1 - ends.suffix)) {
        ++ends.suffix;
    }
    return ends;
}

// Rows `first` to `first + count` of `rows`, kept in place: a Delete All of a full log
// keeps its rows once, not twice.
TripRows slice(TripRows rows, int first, int count)
{
    const auto width = static_cast<std::ptrdiff_t>(LogTable::kFieldCount);
    rows.ids.erase(rows.ids.begin() + first + count, rows.ids.end());
    rows.ids.erase(rows.ids.begin(), rows.ids.begin() + first);
    rows.values.erase(rows.values.begin() + (first + count) * width, rows.values.end());
    rows.values.erase(rows.values.begin(), rows.values.begin() + first * width);
    rows.ids.shrink_to_fit();
    rows.values.shrink_to_fit();
    return rows;
}

} // namespace

struct LogHistory::Change {
    QString text;
    Kind kind = Kind::Rows;
    // The id of the row before the changed ones (0: they start the table) and their
    // position, for when neither they nor that row can be found.
    LogTable::Bookmark anchor = 0;
    int position = 0;
    TripRows before;
    TripRows after;
    SideChange side;
};

namespace {

// One step: rows `before` replaced by rows `after`. The change has already been made when
// the step is pushed, so the stack's first redo does nothing.
class RowsCommand final : public QUndoCommand {
public:
    RowsCommand(LogTableModel& model, LogHistory::SideChange side, QString text, Kind kind,
                LogTable::Bookmark anchor, int position, TripRows before, TripRows after)
        : QUndoCommand(std::move(text)), model_(model), side_(std::move(side)), kind_(kind),
          anchor_(anchor), position_(position), before_(std::move(before)), after_(std::move(after))
    {}

    void undo() override
    {
        if (side_.before) side_.before(false);
        apply(after_, before_);
        if (side_.undo) side_.undo();
    }
    void redo() override
    {
        if (std::exchange(fresh_, false)) {
            return;
        }
        if (side_.before) side_.before(true);
        apply(before_, after_);
        if (side_.redo) side_.redo();
    }
    int id() const override { return kind_ == Kind::Rows ? -1 : kRowEditId; }

    // The fills of leaving a row join the edit that made them due.
    bool mergeWith(const QUndoCommand* other) override
    {
        const auto* fill = dynamic_cast<const RowsCommand*>(other);
        if (kind_ != Kind::Edit || fill == nullptr || fill->kind_ != Kind::Fill
            || after_.size() != 1 || fill->before_.size() != 1
            || !after_.sameRow(0, fill->before_, 0)) {
            return false;
        }
        after_ = fill->after_;
        // A fill that put back what the user cleared leaves nothing to undo.
        setObsolete(before_.size() == 1 && before_.sameRow(0, after_, 0));
        return true;
    }

private:
    // Rows are found by their ids; positions shift as other rows come and go.
    void apply(const TripRows& from, const TripRows& to)
    {
        int first = position_;
        if (const LogTable* table = model_.boundTable().get(); table && table->isOpen()) {
            if (!from.empty() && table->rowOf(from.ids.front()) >= 0) {
                first = table->rowOf(from.ids.front());
            } else if (anchor_ == 0) {
                first = 0;
            } else if (const int row = table->rowOf(anchor_); row >= 0) {
                first = row + 1;
            }
        }
        model_.replaceRows(first, from.size(), to);
    }

    LogTableModel& model_;
    LogHistory::SideChange side_;
    Kind kind_;
    LogTable::Bookmark anchor_;
    int position_;
    TripRows before_;
    TripRows after_;
    bool fresh_ = true;
};

} // namespace

LogHistory::LogHistory(LogTableModel& model) : model_(model) { model_.setRecorder(this); }

LogHistory::~LogHistory() { model_.setRecorder(nullptr); }

LogHistory::Name::Name(LogHistory& history, const QString& text, SideChange side)
    : history_(history)
{
    history_.name_ = text;
    history_.side_ = std::move(side);
}

LogHistory::Name::~Name()
{
    history_.name_.clear();
    history_.side_ = {};
}

void LogHistory::push(Change change)
{
    stack_.push(new RowsCommand(model_, std::move(change.side), std::move(change.text), change.kind,
                                change.anchor, change.position, std::move(change.before),
                                std::move(change.after)));
}

void LogHistory::rowEdited(const LogTable& table, int row, int column, const TripRows& before)
{
    TripRows after = tripRows(table, row, 1);
    if (before.sameRow(0, after, 0)) {
        return;
    }
    Change change;
    if (!name_.isEmpty()) {
        // A command's change of a row stands alone: it does not merge with an edit.
        change.text = name_;
    } else if (column >= 0 && column < LogTable::kFieldCount) {
        change.text = QCoreApplication::translate("LogHistory", "Edit of %1")
                          .arg(LogTable::fields()[static_cast<std::size_t>(column)].name);
        change.kind = Kind::Edit;
    } else {
        change.text = QCoreApplication::translate("LogHistory", "Filled Values");
        change.kind = Kind::Fill;
    }
    change.anchor = row > 0 ? table.idAt(row - 1) : 0;
    change.position = row;
    change.before = before;
    change.after = std::move(after);
    push(std::move(change));
}

void LogHistory::rowInserted(const LogTable& table, int row)
{
    Change change;
    change.text = name_.isEmpty() ? QCoreApplication::translate("LogHistory", "Insert Row") : name_;
    change.anchor = row > 0 ? table.idAt(row - 1) : 0;
    change.position = row;
    change.after = tripRows(table, row, 1);
    push(std::move(change));
}

void LogHistory::rowDeleting(const LogTable& table, int row)
{
    Change change;
    change.text = QCoreApplication::translate("LogHistory", "Delete Row");
    change.anchor = row > 0 ? table.idAt(row - 1) : 0;
    change.position = row;
    change.before = tripRows(table, row, 1);
    push(std::move(change));
}

void LogHistory::tableChanging(const LogTable& table)
{
    spanBefore_ = tripRows(table, 0, table.RecordCount());
}

void LogHistory::tableChanged(const LogTable& table)
{
    if (!spanBefore_) {
        return;
    }
    TripRows before = std::exchange(spanBefore_, std::nullopt).value();
    const CommonEnds ends = commonEnds(before.size(), table.RecordCount(),
                                       [&](int b, int a) { return before.sameRow(b, table, a); });
    const int removed = before.size() - ends.prefix - ends.suffix;
    const int added = table.RecordCount() - ends.prefix - ends.suffix;
    if (removed == 0 && added == 0 && name_.isEmpty()) {
        return;
    }
    Change change;
    change.text =
        name_.isEmpty() ? QCoreApplication::translate("LogHistory", "Change of Trips") : name_;
    change.anchor = ends.prefix > 0 ? before.ids[static_cast<std::size_t>(ends.prefix - 1)] : 0;
    change.position = ends.prefix;
    change.before = slice(std::move(before), ends.prefix, removed);
    change.after = tripRows(table, ends.prefix, added);
    change.side = side_;
    push(std::move(change));
}

void LogHistory::pushTableChange(const QString& text, const TripRows& before, const TripRows& after,
                                 SideChange side)
{
    const CommonEnds ends = commonEnds(before.size(), after.size(),
                                       [&](int b, int a) { return before.sameRow(b, after, a); });
    Change change;
    change.text = text;
    change.anchor = ends.prefix > 0 ? before.ids[static_cast<std::size_t>(ends.prefix - 1)] : 0;
    change.position = ends.prefix;
    change.before = slice(before, ends.prefix, before.size() - ends.prefix - ends.suffix);
    change.after = slice(after, ends.prefix, after.size() - ends.prefix - ends.suffix);
    change.side = std::move(side);
    push(std::move(change));
}

} // namespace bw
