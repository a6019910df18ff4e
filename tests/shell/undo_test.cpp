// Undo and redo of the log's changes by keys and by the grid's menu, driven as a person does.
#include "logtable/loghistory.h"
#include "shell/form1fixture.h"
#include "support/testfiles.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDateEdit>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <functional>

namespace bw::test {
namespace {

class Undo : public Form1Test {
protected:
    void SetUp() override
    {
        // Row 2 has its Odometer Start, so that an End typed there fills Mileage and
        // Reimbursement.
        store({{"RowCount", QStringLiteral("4")},
               {"RowSource1 1", QStringLiteral("d1")},
               {"RowSource1 2", QStringLiteral("d2")},
               {"RowSource5 2", QStringLiteral("100")},
               {"RowSource4 3", QStringLiteral("kept note")},
               {"RatePerMile", QStringLiteral("0.5")},
               {"EmployeeName", QStringLiteral("Ann")}});
        Form1& f = open();
        f.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
        f.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
        QObject::connect(&f.gridModel(), &LogTableModel::changeFinished, [this] { ++finished; });
        f.DataGrid1->setFocus();
    }
    void press(QKeyCombination keys)
    {
        QTest::keyClick(QApplication::focusWidget(), keys.key(), keys.keyboardModifiers());
        QTest::qWait(20);
    }
    void clickCell(int row, int column)
    {
        QWidget* cells = form->DataGrid1->viewport();
        const QModelIndex at = form->gridModel().index(row, column);
        QTest::mouseClick(cells, Qt::LeftButton, {}, form->DataGrid1->visualRect(at).center());
        QTest::qWait(20);
    }
    // A click on the cell, the keys at a person's pace, Enter.
    void typeInto(int row, int column, const QString& text)
    {
        clickCell(row, column);
        for (const QChar c : text) {
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
            QTest::qWait(30);
        }
        press(Qt::Key_Return);
    }
    void clickButton(QPushButton* button)
    {
        QTest::mouseClick(button, Qt::LeftButton);
        QTest::qWait(20);
        form->DataGrid1->setFocus(); // back to the grid, where the undo keys act
    }
    QString cell(int row, int column) const
    {
        return form->gridModel().index(row, column).data().toString();
    }
    TripRows log() const { return tripRows(table(), 0, rows()); }
    // The entry fields, the period and the stored employee name.
    QStringList entries() const
    {
        return {form->txtEmployeeName->text(),
                form->txtEmployeeID->text(),
                form->txtVehicleDescription->text(),
                form->txtAuthorizedBy->text(),
                form->txtRatePerMile->text(),
                form->dtpFrom->date().toString(Qt::ISODate),
                form->dtpTo->date().toString(Qt::ISODate),
                setting("EmployeeName")};
    }
    // Each entry of the grid's menu with the keys it shows; "-" for a separator.
    QStringList menuEntries() const
    {
        QStringList shown;
        for (const QAction* action : form->mnuGrid->actions()) {
            QString entry = action->isSeparator() ? QStringLiteral("-") : action->text();
            if (action->isShortcutVisibleInContextMenu() && !action->shortcuts().isEmpty()) {
                entry += QStringLiteral("  ")
                         + QKeySequence::listToString(action->shortcuts()).replace(u';', u',');
            }
            shown << entry;
        }
        return shown;
    }

    int finished = 0;
};

// Rows equal with their ids.
bool same(const TripRows& a, const TripRows& b)
{
    if (a.size() != b.size()) return false;
    for (int i = 0; i < a.size(); ++i) {
        if (!a.sameRow(i, b, i)) return false;
    }
    return true;
}

enum class Change { CellEditWithFills, InsertRow, DeleteRow, DeleteAll, LoadSample, CsvImport };

struct UndoCase {
    const char* name;
    Change change;
    const char* undoText;
};

void PrintTo(const UndoCase& c, std::ostream* os) { *os << c.name; }

class UndoEachChange : public Undo, public ::testing::WithParamInterface<UndoCase> {
protected:
    // Each change as a person makes it.
    void make(Change change)
    {
        switch (change) {
        case Change::CellEditWithFills:
            typeInto(1, 5, QStringLiteral("110"));
            EXPECT_EQ(QStringList({cell(1, 6), cell(1, 7)}), QStringList({"10", "5"}));
            break;
        case Change::InsertRow:
            clickCell(0, 0);
            press(Qt::ALT | Qt::Key_Insert);
            break;
        case Change::DeleteRow:
            clickCell(1, 0);
            env.dialogs.answerNext(Dialogs::Yes);
            press(Qt::ALT | Qt::Key_Delete);
            break;
        case Change::DeleteAll:
            env.dialogs.answerNext(Dialogs::Yes);
            clickButton(form->PushButton3);
            break;
        case Change::LoadSample:
            clickButton(form->PushButton7);
            break;
        case Change::CsvImport: {
            const QString file = QDir(env.tempRoot()).filePath(QStringLiteral("in.csv"));
            writeFile(file, "Date,Odometer Start,Odometer End\n2026-03-14,1,5\n"
                            "2026-03-15,5,9\n2026-03-16,9,12\n");
            env.dialogs.chooseNextOpenFile(file);
            press(Qt::CTRL | Qt::Key_I);
            break;
        }
        }
    }
};

TEST_P(UndoEachChange, KeysTakeItBackAndBringItAgainInOneCommitEach)
{
    const TripRows before = log();
    const QStringList entriesBefore = entries();
    make(GetParam().change);
    const TripRows after = log();
    const QStringList entriesAfter = entries();
    ASSERT_FALSE(same(before, after))
        << "the change changed no row; boxes: " << env.dialogs.texts().join(u'|').toStdString();
    EXPECT_EQ(form->mnuUndo->text(), QString::fromLatin1(GetParam().undoText));

    finished = 0;
    press(Qt::CTRL | Qt::Key_Z);
    EXPECT_TRUE(same(log(), before)) << "undone, every row back with its id";
    EXPECT_EQ(entries(), entriesBefore);
    EXPECT_EQ(finished, 1);
    // "Undo X" turns "Redo X".
    EXPECT_EQ(form->mnuRedo->text(),
              QStringLiteral("Redo ") + QString::fromLatin1(GetParam().undoText).mid(5));

    press(Qt::CTRL | Qt::Key_Y);
    EXPECT_TRUE(same(log(), after));
    EXPECT_EQ(entries(), entriesAfter);
    EXPECT_EQ(finished, 2);

    press(Qt::CTRL | Qt::Key_Z);
    press(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
    EXPECT_TRUE(same(log(), after));
    EXPECT_EQ(finished, 4);
    EXPECT_FALSE(form->mnuRedo->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Changes, UndoEachChange,
    ::testing::Values(UndoCase{"CellEditWithFills", Change::CellEditWithFills,
                               "Undo Edit of Odometer End"},
                      UndoCase{"InsertRow", Change::InsertRow, "Undo Insert Row"},
                      UndoCase{"DeleteRow", Change::DeleteRow, "Undo Delete Row"},
                      UndoCase{"DeleteAll", Change::DeleteAll, "Undo Delete All"},
                      UndoCase{"LoadSample", Change::LoadSample, "Undo Load Sample"},
                      UndoCase{"CsvImport", Change::CsvImport, "Undo Import of Trips"}),
    [](const auto& tc) { return std::string(tc.param.name); });

TEST_F(Undo, ASeriesOfChangesIsUndoneAndRedoneInOrder)
{
    const TripRows start = log();
    std::vector<TripRows> states;
    clickButton(form->PushButton7);
    states.push_back(log());
    typeInto(3, 3, QStringLiteral("x"));
    states.push_back(log());
    clickCell(0, 0);
    env.dialogs.answerNext(Dialogs::Yes);
    press(Qt::ALT | Qt::Key_Delete);
    states.push_back(log());
    press(Qt::ALT | Qt::Key_Insert);
    states.push_back(log());
    for (int i = static_cast<int>(states.size()) - 2; i >= -1; --i) {
        press(Qt::CTRL | Qt::Key_Z);
        EXPECT_TRUE(same(log(), i >= 0 ? states[static_cast<std::size_t>(i)] : start))
            << "after undoing down to " << i;
    }
    EXPECT_FALSE(form->mnuUndo->isEnabled());
    EXPECT_EQ(form->mnuUndo->text(), QStringLiteral("Undo"));
    for (const TripRows& state : states) {
        press(Qt::CTRL | Qt::Key_Y);
        EXPECT_TRUE(same(log(), state));
    }
}

TEST_F(Undo, FillsOfLeavingARowBelongToItsEdit)
{
    const TripRows start = log();
    typeInto(1, 5, QStringLiteral("110"));
    const TripRows typed = log();
    // Reimbursement cleared stays empty while the row is edited; leaving the row fills it
    // again, at the rate of that moment.
    clickCell(1, 7);
    press(Qt::Key_F2);
    press(Qt::Key_Backspace);
    press(Qt::Key_Return);
    ASSERT_EQ(cell(1, 7), QString());
    clickCell(2, 0);
    EXPECT_TRUE(same(log(), typed)) << "the fill put back what was cleared";
    EXPECT_EQ(form->mnuUndo->text(), QStringLiteral("Undo Edit of Odometer End"));
    form->DataGrid1->setFocus();
    press(Qt::CTRL | Qt::Key_Z);
    EXPECT_TRUE(same(log(), start));

    press(Qt::CTRL | Qt::Key_Y);
    clickCell(1, 7);
    press(Qt::Key_F2);
    press(Qt::Key_Backspace);
    press(Qt::Key_Return);
    form->txtRatePerMile->setText(QStringLiteral("2"));
    clickCell(2, 0);
    ASSERT_EQ(cell(1, 7), QStringLiteral("20"));
    EXPECT_EQ(form->mnuUndo->text(), QStringLiteral("Undo Edit of Reimbursement"));
    press(Qt::CTRL | Qt::Key_Z);
    EXPECT_TRUE(same(log(), typed)) << "one undo takes back the clearing and its fill";
}

TEST_F(Undo, WhileACellIsEditedTheKeysAreTheEditors)
{
    clickCell(0, 0);
    press(Qt::ALT | Qt::Key_Insert);
    const TripRows inserted = log();
    clickCell(1, 3);
    for (const QChar c : QStringLiteral("abc")) {
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    }
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr) << "a cell editor is open";
    ASSERT_EQ(editor->text(), QStringLiteral("abc"));
    finished = 0;
    press(Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(editor->text(), QString()) << "the typing is undone in the editor";
    press(Qt::CTRL | Qt::Key_Y);
    press(Qt::ALT | Qt::Key_Delete);
    EXPECT_TRUE(same(log(), inserted)) << "the log is not touched behind the editor";
    EXPECT_EQ(finished, 0);
    EXPECT_TRUE(env.dialogs.messages().isEmpty());
    press(Qt::Key_Escape);
    EXPECT_EQ(cell(1, 3), QString());
    press(Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(rows(), 4) << "with the editor closed, Ctrl+Z undoes the insert";
}

enum class Open { MenuKey, ShiftF10, RightClick };

class UndoMenu : public Undo, public ::testing::WithParamInterface<Open> {};

TEST_P(UndoMenu, OpensInOneOrderNamingTheChangesAndUndoes)
{
    env.dialogs.answerNext(Dialogs::Yes);
    clickButton(form->PushButton3);
    clickCell(1, 1);
    const QModelIndex current = form->DataGrid1->currentIndex();
    switch (GetParam()) {
    case Open::MenuKey:
        press(Qt::Key_Menu);
        break;
    case Open::ShiftF10:
        press(Qt::SHIFT | Qt::Key_F10);
        break;
    case Open::RightClick: {
        // What the window system sends for a right click on a cell.
        QWidget* cells = form->DataGrid1->viewport();
        const QPoint at = form->DataGrid1->visualRect(current).center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, cells->mapToGlobal(at));
        QApplication::sendEvent(cells, &event);
        break;
    }
    }
    QMenu* menu = form->mnuGrid;
    ASSERT_TRUE(menu->isVisible());
    EXPECT_TRUE(
        menu->geometry().intersects(QRect(form->DataGrid1->viewport()->mapToGlobal(QPoint(0, 0)),
                                          form->DataGrid1->viewport()->size())))
        << "the menu opens at the grid";
    EXPECT_EQ(menuEntries(), QStringList({"Undo Delete All  Ctrl+Z",
                                          "Redo  Ctrl+Shift+Z, Ctrl+Y",
                                          "-",
                                          "Insert Below Selected Row  Alt+Ins",
                                          "Delete Selected Row  Alt+Del",
                                          "Delete All",
                                          "Duplicate Trip  Ctrl+D",
                                          "Add Return Trip  Ctrl+R",
                                          "Add Frequent Trip",
                                          "-",
                                          "Logs…  Ctrl+L",
                                          "Claim History…  Ctrl+H",
                                          "Summary…  Ctrl+U",
                                          "Start New Period…",
                                          "Import Trips from CSV...  Ctrl+I",
                                          "Import Drives…  Ctrl+Shift+I",
                                          "Export Trips to CSV...",
                                          "Rates by Date…",
                                          "Recalculate Reimbursements",
                                          "Restore Log from Backup…"}));

    const TripRows deleted = log();
    finished = 0;
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(form->mnuUndo).center());
    QTest::qWait(20);
    EXPECT_FALSE(menu->isVisible());
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(rows(), 4);
    EXPECT_EQ(cell(2, 3), QStringLiteral("kept note")) << "the rows came back";
    EXPECT_EQ(form->mnuRedo->text(), QStringLiteral("Redo Delete All"));
    form->mnuRedo->trigger();
    EXPECT_TRUE(same(log(), deleted));
}

INSTANTIATE_TEST_SUITE_P(Ways, UndoMenu,
                         ::testing::Values(Open::MenuKey, Open::ShiftF10, Open::RightClick),
                         [](const auto& tc) {
                             switch (tc.param) {
                             case Open::MenuKey:
                                 return std::string("MenuKey");
                             case Open::ShiftF10:
                                 return std::string("ShiftF10");
                             case Open::RightClick:
                                 break;
                             }
                             return std::string("RightClick");
                         });

} // namespace
} // namespace bw::test
