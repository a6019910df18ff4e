// The history of changes to the trip log, for undo and redo.
#pragma once

#include "logtable/logtablemodel.h"
#include "logtable/triprows.h"

#include <QString>
#include <QUndoStack>

#include <functional>
#include <optional>

namespace bw {

// The history of the changes the user made to the trip log, from the start of the program
// to its close: every change the grid's model records (a cell edit with its fills, an
// insert, a delete, each Rebuild span such as Delete All, the sample or an import) is one
// step of its undo stack. A step keeps only the rows it changed, with their ids, so that an
// undone delete brings the trip back under its own id; undoing and redoing a step ends in
// one changeFinished of the model.
class LogHistory final : public LogTableRecorder {
public:
    explicit LogHistory(LogTableModel& model);
    ~LogHistory() override;
    LogHistory(const LogHistory&) = delete;
    LogHistory& operator=(const LogHistory&) = delete;

    QUndoStack& stack() { return stack_; }

    // What a change of many rows changed beside the rows (the entry fields and the period
    // that the sample sets), undone after the rows and redone after them.
    struct SideChange {
        std::function<void()> undo;
        std::function<void()> redo;
        // Before the rows are put back either way (true when redoing): what the write of
        // the rows must know, such as that the trips removed move to the history.
        std::function<void(bool redoing)> before;
    };

    // Names the change that the next Rebuild span makes ("Delete All"), and adds what it
    // changed beside the rows. A change of many rows gets its name this way, for as long as
    // the Name lives: declare it before the span, so that it outlives it. A row inserted or
    // rewritten by a command while a Name lives takes the name too. A span that
    // changes no row and has no name leaves no step.
    //
    //     const LogHistory::Name name(history, tr("Restore"));
    //     const LogTableModel::Rebuild rebuild(model);
    //     ... replace the rows, or bind another table ...
    class Name {
    public:
        Name(LogHistory& history, const QString& text, SideChange side = {});
        ~Name();
        Name(const Name&) = delete;
        Name& operator=(const Name&) = delete;

    private:
        LogHistory& history_;
    };

    // A change of many rows that was made outside a Rebuild span: `before` and `after` are
    // all rows of the table before and after it.
    void pushTableChange(const QString& text, const TripRows& before, const TripRows& after,
                         SideChange side = {});

    // LogTableRecorder
    void rowEdited(const LogTable& table, int row, int column, const TripRows& before) override;
    void rowInserted(const LogTable& table, int row) override;
    void rowDeleting(const LogTable& table, int row) override;
    void tableChanging(const LogTable& table) override;
    void tableChanged(const LogTable& table) override;

private:
    struct Change;
    void push(Change change);

    LogTableModel& model_;
    QUndoStack stack_;
    std::optional<TripRows> spanBefore_;
    QString name_;
    SideChange side_;
};

} // namespace bw
