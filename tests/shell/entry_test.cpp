// Typing trips quickly: completing places, routes that fill Mileage, and the trip commands.
#include "logtable/tripfills.h"
#include "platform/datetext.h"
#include "shell/form1fixture.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include <vector>

namespace bw::test {
namespace {

using Keys = std::vector<QKeyCombination>;

class Entry : public Form1Test {
protected:
    // Mart is used three times, Mini mall twice, Minneapolis once.
    Form1& shownWithTrips()
    {
        const QString day = dateToText(QDate(2024, 3, 4));
        store({{"RowCount", QStringLiteral("5")},
               {"RatePerMile", QStringLiteral("0.5")},
               {"RowSource1 1", day},
               {"RowSource2 1", QStringLiteral("Mini mall")},
               {"RowSource3 1", QStringLiteral("Mart")},
               {"RowSource4 1", QStringLiteral("Groceries")},
               {"RowSource7 1", QStringLiteral("5")},
               {"RowSource1 2", day},
               {"RowSource2 2", QStringLiteral("Mart")},
               {"RowSource3 2", QStringLiteral("Mini mall")},
               {"RowSource1 3", day},
               {"RowSource2 3", QStringLiteral("Minneapolis")},
               {"RowSource3 3", QStringLiteral("Mart")},
               {"RowSource7 3", QStringLiteral("40")}});
        return openShown();
    }
    void click(int row, int column)
    {
        QWidget* cells = form->DataGrid1->viewport();
        const QModelIndex index = form->gridModel().index(row, column);
        QTest::mouseClick(cells, Qt::LeftButton, {}, form->DataGrid1->visualRect(index).center());
        QTest::qWait(QApplication::doubleClickInterval() + 50);
    }
    void typeText(const QString& text)
    {
        for (const QChar c : text) {
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
            QTest::qWait(30);
        }
    }
    void press(const Keys& keys)
    {
        for (const QKeyCombination key : keys) {
            QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
            QTest::qWait(30);
        }
    }
    QString cell(int row, int column) const { return table().valueAt(row, column).toString(); }
};

struct CompletionCase {
    const char* name;
    int column;
    const char* typed;
    Keys keys;
    const char* stored;
};

void PrintTo(const CompletionCase& c, std::ostream* os) { *os << c.name; }

class Completion : public Entry, public ::testing::WithParamInterface<CompletionCase> {};

TEST_P(Completion, KeepsWhatWasTypedUnlessACompletionIsAccepted)
{
    shownWithTrips();
    const CompletionCase& c = GetParam();
    click(3, c.column);
    typeText(QString::fromLatin1(c.typed));
    press(c.keys);
    QTest::qWait(20);
    EXPECT_EQ(cell(3, c.column), QString::fromLatin1(c.stored));
}

const Keys kEnter{Qt::Key_Return};
const QKeyCombination kCtrlDown(Qt::ControlModifier, Qt::Key_Down);
const QKeyCombination kCtrlUp(Qt::ControlModifier, Qt::Key_Up);

INSTANTIATE_TEST_SUITE_P(
    Keys, Completion,
    ::testing::Values(
        CompletionCase{"EnterAcceptsTheKnownSpelling", 2, "mi", kEnter, "Mini mall"},
        CompletionCase{"TabAccepts", 1, "Mi", {Qt::Key_Tab}, "Mini mall"},
        CompletionCase{"TypingOnReplacesTheCompletion", 2, "Minn", kEnter, "Minneapolis"},
        CompletionCase{"BackspaceDeclines", 2, "Mi", {Qt::Key_Backspace, Qt::Key_Return}, "Mi"},
        CompletionCase{"DeleteDeclines", 1, "Mi", {Qt::Key_Delete, Qt::Key_Return}, "Mi"},
        CompletionCase{"APrefixThatMatchesNothing", 2, "Mx", kEnter, "Mx"},
        CompletionCase{
            "CtrlDownStepsToTheNextMatch", 2, "Mi", {kCtrlDown, Qt::Key_Return}, "Minneapolis"},
        CompletionCase{
            "CtrlUpStepsBack", 2, "Mi", {kCtrlDown, kCtrlUp, Qt::Key_Return}, "Mini mall"},
        CompletionCase{"UpMovesAwayKeepingWhatWasTyped", 2, "Mi", {Qt::Key_Up}, "Mi"},
        CompletionCase{"EscapeKeepsTheCellAsItWas", 2, "Mi", {Qt::Key_Escape}, ""},
        CompletionCase{"DescriptionsHaveTheirOwnList", 3, "gr", kEnter, "Groceries"},
        CompletionCase{"PlacesAreNotDescriptions", 3, "Ma", kEnter, "Ma"}),
    [](const auto& tc) { return std::string(tc.param.name); });

TEST_F(Entry, TheCompletionStandsSelectedAfterWhatWasTyped)
{
    shownWithTrips();
    click(3, 1);
    typeText(QStringLiteral("Mi"));
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), QStringLiteral("Mini mall"));
    EXPECT_EQ(editor->selectedText(), QStringLiteral("ni mall"));
    press({Qt::Key_Tab});
    EXPECT_EQ(form->DataGrid1->currentIndex().column(), 2) << "Tab still moves on";
}

TEST_F(Entry, AKnownRouteFillsMileageWithANoteAndTheFillIsUndoneWithItsEdit)
{
    Form1& f = shownWithTrips();
    click(3, 1);
    typeText(QStringLiteral("Mart"));
    press({Qt::Key_Tab});
    typeText(QStringLiteral("Mini mall"));
    press(kEnter);
    // Mart -> Mini mall has no distance of its own; the way there answers.
    EXPECT_EQ(QStringList({cell(3, 6), cell(3, 7)}), QStringList({"5", "2.5"}));
    const QModelIndex mileage = f.gridModel().index(3, TripField::Mileage);
    const QString note = QStringLiteral("From the route Mart \u2192 Mini mall (5 mi)");
    EXPECT_EQ(mileage.data(Qt::ToolTipRole).toString(), note);
    EXPECT_EQ(mileage.data(Qt::AccessibleDescriptionRole).toString(), note);
    EXPECT_FALSE(mileage.data(Qt::BackgroundRole).isValid());

    press({QKeyCombination(Qt::ControlModifier, Qt::Key_Z)});
    EXPECT_EQ(cell(3, 2), QString());
    EXPECT_FALSE(holdsTripValue(table().valueAt(3, TripField::Mileage)));
    EXPECT_FALSE(holdsTripValue(table().valueAt(3, TripField::Reimbursement)));
    EXPECT_FALSE(mileage.data(Qt::ToolTipRole).isValid());

    // A Mileage the user typed stays.
    click(4, 6);
    typeText(QStringLiteral("7"));
    press(kEnter);
    click(4, 1);
    typeText(QStringLiteral("Mini mall"));
    press({Qt::Key_Tab});
    typeText(QStringLiteral("Mart"));
    press(kEnter);
    EXPECT_EQ(cell(4, 6), QStringLiteral("7"));
}

TEST_F(Entry, RoutesComeBackWithTheStoredTripsAndWarningsComeBeforeTheRouteNote)
{
    shownWithTrips();
    click(3, 0);
    typeText(QStringLiteral("x"));
    press({QKeyCombination(Qt::ControlModifier, Qt::Key_Semicolon), Qt::Key_Tab});
    typeText(QStringLiteral("Home"));
    press({Qt::Key_Tab});
    typeText(QStringLiteral("Depot"));
    press({Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab});
    typeText(QStringLiteral("9"));
    press(kEnter);

    Form1& f = reopen();
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    click(4, 1);
    typeText(QStringLiteral("Depot"));
    press({Qt::Key_Tab});
    typeText(QStringLiteral("Home"));
    press(kEnter);
    EXPECT_EQ(cell(4, 6), QStringLiteral("9"));
    const QModelIndex mileage = f.gridModel().index(4, TripField::Mileage);
    EXPECT_EQ(mileage.data(Qt::ToolTipRole).toString(),
              QStringLiteral("From the route Depot → Home (9 mi)"));

    // An odometer that disagrees with the Mileage is the cell's first news.
    f.gridModel().setData(f.gridModel().index(4, TripField::OdometerStart), QStringLiteral("100"));
    f.gridModel().setData(f.gridModel().index(4, TripField::OdometerEnd), QStringLiteral("150"));
    EXPECT_TRUE(mileage.data(Qt::BackgroundRole).isValid());
    EXPECT_FALSE(
        mileage.data(Qt::ToolTipRole).toString().startsWith(QStringLiteral("From the route")));
}

TEST_F(Entry, CtrlSemicolonInADateCellEntersToday)
{
    shownWithTrips();
    click(4, 0);
    typeText(QStringLiteral("x"));
    press({QKeyCombination(Qt::ControlModifier, Qt::Key_Semicolon), Qt::Key_Return});
    EXPECT_EQ(cell(4, 0), dateToText(env.clock.today()));
}

TEST_F(Entry, DuplicateReturnAndFrequentTripsAreAddedSelectedAndUndone)
{
    Form1& f = shownWithTrips();
    // The commands act on the selected row while no cell is being edited.
    f.DataGrid1->setFocus();
    // A blank row is no trip: the keys add nothing there, and the menu's items rest.
    selectRow(4);
    press({QKeyCombination(Qt::ControlModifier, Qt::Key_D),
           QKeyCombination(Qt::ControlModifier, Qt::Key_R)});
    EXPECT_EQ(rows(), 5);
    EXPECT_FALSE(f.mnuDuplicateTrip->isEnabled() || f.mnuReturnTrip->isEnabled());
    selectRow(0);
    press({QKeyCombination(Qt::ControlModifier, Qt::Key_D)});
    ASSERT_EQ(rows(), 6);
    EXPECT_EQ(gridRow(), 1);
    for (const int k : {0, 1, 2, 3, 6, 7}) EXPECT_EQ(cell(1, k), cell(0, k)) << k;
    EXPECT_FALSE(holdsTripValue(table().valueAt(1, TripField::OdometerStart)));
    EXPECT_FALSE(holdsTripValue(table().valueAt(1, TripField::OdometerEnd)));

    // Back from Minneapolis: no route back is known, so the trip's own Mileage.
    selectRow(3);
    press({QKeyCombination(Qt::ControlModifier, Qt::Key_R)});
    ASSERT_EQ(rows(), 7);
    EXPECT_EQ(gridRow(), 4);
    EXPECT_EQ(QStringList({cell(4, 0), cell(4, 1), cell(4, 2), cell(4, 3), cell(4, 6), cell(4, 7)}),
              QStringList({cell(3, 0), "Mart", "Minneapolis", "", "40", "20"}));

    // The most used route first; its trip goes to the first blank row, dated as the one above.
    f.mnuFrequentTrip->popup(QPoint(0, 0));
    QTest::qWait(50);
    QStringList entries;
    for (const QAction* action : f.mnuFrequentTrip->actions()) entries << action->text();
    EXPECT_EQ(entries.front(), QStringLiteral("Mini mall \u2192 Mart: 5 mi, 2 trips"));
    EXPECT_EQ(entries.size(), 4);
    f.mnuFrequentTrip->actions().front()->trigger();
    f.mnuFrequentTrip->hide();
    EXPECT_EQ(rows(), 7);
    EXPECT_EQ(gridRow(), 5);
    EXPECT_EQ(QStringList({cell(5, 0), cell(5, 1), cell(5, 2), cell(5, 3), cell(5, 6)}),
              QStringList({cell(4, 0), "Mini mall", "Mart", "Groceries", "5"}));

    f.DataGrid1->setFocus();
    const QKeyCombination undo(Qt::ControlModifier, Qt::Key_Z);
    press({undo});
    EXPECT_EQ(cell(5, 1), QString());
    press({undo, undo});
    EXPECT_EQ(rows(), 5);
    EXPECT_EQ(cell(1, 1), QStringLiteral("Mart"));
}

TEST_F(Entry, TheCommandsRespectTheTripLimitInALogOfTheMostTrips)
{
    store({{"RowCount", QString::number(kMaxTrips)}});
    Form1& f = open();
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    for (int r = 0; r < kMaxTrips; ++r) table().setValueAt(r, 0, QStringLiteral("kept"));
    f.gridModel().setData(f.gridModel().index(0, 1), QStringLiteral("Home"));
    f.gridModel().setData(f.gridModel().index(0, 2), QStringLiteral("Office"));
    selectRow(0);
    f.DataGrid1->setFocus();
    const QString limit = tripLimitMessage(QStringLiteral("No trip was added."));
    for (const Keys& keys : {Keys{QKeyCombination(Qt::ControlModifier, Qt::Key_D)},
                             Keys{QKeyCombination(Qt::ControlModifier, Qt::Key_R)}}) {
        env.dialogs.clear();
        press(keys);
        EXPECT_EQ(env.dialogs.texts(), QStringList({limit}));
    }
    env.dialogs.clear();
    f.mnuFrequentTrip->popup(QPoint(0, 0));
    ASSERT_FALSE(f.mnuFrequentTrip->actions().isEmpty());
    f.mnuFrequentTrip->actions().front()->trigger();
    f.mnuFrequentTrip->hide();
    EXPECT_EQ(env.dialogs.texts(), QStringList({limit}));
    EXPECT_EQ(rows(), kMaxTrips);
}

} // namespace
} // namespace bw::test
