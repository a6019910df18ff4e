// Tests of the history's steps of many rows: each undone and redone by the ids of its rows.
#include "logtable/loghistory.h"
#include "logtable/logtable.h"
#include "logtable/logtablemodel.h"

#include <QAbstractItemModelTester>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace bw {
namespace {

// Rows as (id, date) pairs; the other fields stay null.
using Rows = std::vector<std::pair<LogTable::Bookmark, const char*>>;

TripRows tripRowsOf(const Rows& rows)
{
    auto table = std::make_shared<LogTable>();
    table->openWithTripFields();
    for (const auto& [id, date] : rows) {
        table->insertRow(table->RecordCount(), {QString::fromLatin1(date)}, id);
    }
    return tripRows(*table, 0, table->RecordCount());
}

using Listed = std::vector<std::pair<LogTable::Bookmark, std::string>>;

Listed listed(const Rows& rows)
{
    Listed out;
    for (const auto& [id, date] : rows) out.emplace_back(id, date);
    return out;
}

Listed listed(const LogTable& table)
{
    Listed out;
    for (int r = 0; r < table.RecordCount(); ++r) {
        out.emplace_back(table.idAt(r), table.valueAt(r, 0).toString().toStdString());
    }
    return out;
}

struct TableCase {
    const char* name;
    Rows before;
    Rows after;
};

void PrintTo(const TableCase& c, std::ostream* os) { *os << c.name; }

class HistoryOfTables : public ::testing::TestWithParam<TableCase> {};

// The table stands as `after`; the step is pushed, undone and redone.
TEST_P(HistoryOfTables, UndoAndRedoGiveEachVersionWithItsIdsInOneCommit)
{
    const TripRows before = tripRowsOf(GetParam().before);
    const TripRows after = tripRowsOf(GetParam().after);
    auto table = std::make_shared<LogTable>();
    table->openWithTripFields();
    for (int i = 0; i < after.size(); ++i) {
        table->insertRow(i, after.row(i), after.ids[static_cast<std::size_t>(i)]);
    }
    LogTableModel model;
    QAbstractItemModelTester tester{&model, QAbstractItemModelTester::FailureReportingMode::Fatal};
    model.bind(table);
    LogHistory history(model);
    int finished = 0;
    QObject::connect(&model, &LogTableModel::changeFinished, [&] { ++finished; });

    history.pushTableChange(QStringLiteral("Restore"), before, after);
    EXPECT_EQ(finished, 0) << "the change was made already";
    EXPECT_EQ(history.stack().undoText(), QStringLiteral("Restore"));
    history.stack().undo();
    EXPECT_EQ(listed(*table), listed(GetParam().before));
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(model.rowCount(), table->RecordCount());
    history.stack().redo();
    EXPECT_EQ(listed(*table), listed(GetParam().after));
    EXPECT_EQ(finished, 2);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, HistoryOfTables,
    ::testing::Values(
        TableCase{"Append", {{1, "a"}, {2, "b"}}, {{1, "a"}, {2, "b"}, {3, "c"}}},
        TableCase{"RemoveFromTheMiddle", {{1, "a"}, {2, "b"}, {3, "c"}}, {{1, "a"}, {3, "c"}}},
        TableCase{
            "ChangeInTheMiddle", {{1, "a"}, {2, "b"}, {3, "c"}}, {{1, "a"}, {2, "x"}, {3, "c"}}},
        TableCase{"SameValuesOtherIds", {{1, "a"}, {2, "a"}, {3, "a"}}, {{1, "a"}, {3, "a"}}},
        TableCase{"ReplaceAllReusingIds", {{1, "a"}, {2, "b"}}, {{1, ""}, {2, ""}, {3, ""}}},
        TableCase{"ToEmpty", {{4, "a"}, {9, "b"}}, {}}, TableCase{"FromEmpty", {}, {{1, "a"}}},
        TableCase{"Unchanged", {{1, "a"}}, {{1, "a"}}}),
    [](const auto& tc) { return std::string(tc.param.name); });

// Rows are found by id: a step still undoes its own rows when rows before them moved
// without the history hearing of it.
TEST(History, AStepFindsItsRowsByIdAfterOthersMoved)
{
    auto table = std::make_shared<LogTable>();
    table->openWithTripFields();
    for (int i = 0; i < 4; ++i) table->insertRow(i, {QStringLiteral("d%1").arg(i + 1)});
    LogTableModel model;
    model.bind(table);
    LogHistory history(model);
    model.setData(model.index(2, 0), QStringLiteral("typed"));
    const LogTable::Bookmark typed = table->idAt(2);
    {
        // A change the history is not told of: the first row goes.
        model.setRecorder(nullptr);
        table->setPosition(0);
        model.deleteCurrentRow();
        model.setRecorder(&history);
    }
    history.stack().undo();
    EXPECT_EQ(table->valueAt(table->rowOf(typed), 0).toString(), QStringLiteral("d3"));
    EXPECT_EQ(table->RecordCount(), 3);
}

// What a step changes beside the rows is told before the rows are written (so that their
// write knows what kind of change it is) and done after them, both ways.
TEST(History, ASideChangeIsToldBeforeTheRowsAndDoneAfterThem)
{
    const TripRows before = tripRowsOf({{1, "a"}, {2, "b"}});
    const TripRows after = tripRowsOf({{1, "a"}});
    auto table = std::make_shared<LogTable>();
    table->openWithTripFields();
    table->insertRow(0, after.row(0), 1);
    LogTableModel model;
    model.bind(table);
    LogHistory history(model);
    QStringList events;
    QObject::connect(&model, &LogTableModel::changeFinished,
                     [&] { events << QStringLiteral("rows %1").arg(table->RecordCount()); });
    history.pushTableChange(
        QStringLiteral("Start New Period"), before, after,
        {[&] { events << QStringLiteral("undo"); }, [&] { events << QStringLiteral("redo"); },
         [&](bool redoing) {
             events << (redoing ? QStringLiteral("before redo") : QStringLiteral("before undo"));
         }});
    history.stack().undo();
    history.stack().redo();
    EXPECT_EQ(events,
              (QStringList{"before undo", "rows 2", "undo", "before redo", "rows 1", "redo"}));
}

} // namespace
} // namespace bw
