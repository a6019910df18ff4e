// Typing into the grid at a person's pace: a click on a cell, a pause, then the keys.
#include "logtable/logtable.h"
#include "logtable/logtablemodel.h"
#include "shell/form1fixture.h"
#include "shell/gridview.h"

#include <QTest>

namespace bw::test {
namespace {

struct TypingCase {
    const char* name;
    int pauseMs;     // between the click and the first key
    bool currentRow; // the click lands on the row that is already selected
};

void PrintTo(const TypingCase& c, std::ostream* os) { *os << c.name; }

class GridTyping : public Form1Test, public ::testing::WithParamInterface<TypingCase> {};

TEST_P(GridTyping, NoTypedCharacterIsLost)
{
    storeDatedRows(3);
    Form1& f = open();
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    selectRow(1);
    const int row = GetParam().currentRow ? 1 : 2;
    const int column = 2; // Destination
    QWidget* cells = f.DataGrid1->viewport();
    const QPoint at = f.DataGrid1->visualRect(f.gridModel().index(row, column)).center();

    QTest::mouseClick(cells, Qt::LeftButton, {}, at);
    QTest::qWait(GetParam().pauseMs);
    for (const QChar c : QStringLiteral("Alpha")) {
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
        QTest::qWait(80);
    }
    // Long enough for any editor the click armed to have opened.
    QTest::qWait(QApplication::doubleClickInterval() + 100);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::qWait(20); // the grid finishes an edit on the next turn of the event loop

    EXPECT_EQ(table().valueAt(row, column).toString(), QStringLiteral("Alpha"));
}

// The view attached by hand: its current row and the table's cursor follow each other both
// ways (the note at a refused cell is seen in the main window's tests).
TEST(GridViewAttached, KeysMoveTheCursorAndTheCursorMovesTheRow)
{
    auto table = std::make_shared<LogTable>();
    table->openWithTripFields();
    for (int i = 0; i < 10; ++i) table->AddNew();
    LogTableModel model;
    GridView view;
    attachView(model, &view);
    model.bind(table);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    view.setFocus();
    table->setPosition(2);
    model.showCursor();
    EXPECT_EQ(view.currentIndex().row(), 2);
    EXPECT_TRUE(view.selectionModel()->isRowSelected(2, QModelIndex()));
    QTest::keyClick(&view, Qt::Key_Down);
    EXPECT_EQ(table->position(), 3);
}

INSTANTIATE_TEST_SUITE_P(
    Pauses, GridTyping,
    ::testing::Values(TypingCase{"Current0", 0, true}, TypingCase{"Current100", 100, true},
                      TypingCase{"Current250", 250, true}, TypingCase{"Current400", 400, true},
                      TypingCase{"Current600", 600, true}, TypingCase{"Other0", 0, false},
                      TypingCase{"Other100", 100, false}, TypingCase{"Other250", 250, false},
                      TypingCase{"Other400", 400, false}, TypingCase{"Other600", 600, false}),
    [](const auto& tc) { return std::string(tc.param.name); });

} // namespace
} // namespace bw::test
