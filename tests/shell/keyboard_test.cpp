// Both windows used without a mouse, and as a screen reader sees them.
#include "logstore/settingsstore.h"
#include "logtable/logsession.h"
#include "logtable/logtablemodel.h"
#include "logtable/tripfills.h"
#include "preview/form2.h"
#include "shell/form1.h"
#include "shell/programwindows.h"
#include "support/fakeplatform.h"
#include "support/qtprint.h"
#include "support/testfiles.h"

#include <QAccessible>
#include <QApplication>
#include <QDateEdit>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace bw::test {
namespace {

class Keyboard : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The names and texts below are the US English ones, whatever the machine's locale.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        windows = std::make_unique<ProgramWindows>();
        windows->setEndProgram([] {});
        ASSERT_TRUE(windows->start());
        ASSERT_TRUE(QTest::qWaitForWindowActive(&windows->form1()));
    }
    void TearDown() override
    {
        windows.reset();
        QLocale::setDefault(QLocale::system());
    }
    // A key as a person presses it, to whatever has the focus, then a short pause.
    void press(QKeyCombination key)
    {
        QWidget* target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr);
        QTest::keyClick(target, key.key(), key.keyboardModifiers());
        QTest::qWait(20);
    }
    void type(const QString& text)
    {
        QTest::keyClicks(QApplication::focusWidget(), text, Qt::NoModifier, 10);
    }
    static QString accessibleName(QWidget* widget)
    {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
        return face ? face->text(QAccessible::Name) : QString();
    }
    // Every control the Tab key reaches; Qt's own inner parts of a control (a date
    // picker's line edit, named "qt_...") stand for their control.
    static std::map<QString, QString> focusableNames(QWidget* window)
    {
        std::map<QString, QString> names;
        for (QWidget* w : window->findChildren<QWidget*>()) {
            const bool inner = w->objectName().startsWith(QLatin1String("qt_"));
            if ((w->focusPolicy() & Qt::TabFocus) && !inner && w->isVisibleTo(window)) {
                names[w->objectName()] = accessibleName(w);
            }
        }
        return names;
    }

    TestPlatform env;
    std::unique_ptr<ProgramWindows> windows;
};

TEST_F(Keyboard, EveryControlHasTheNameOfItsLabelOrCaption)
{
    Form1& main = windows->form1();
    const std::map<QString, QString> expected = {
        {"txtEmployeeName", "Employee Name"},
        {"txtEmployeeID", "Employee ID"},
        {"txtVehicleDescription", "Vehicle Description"},
        {"txtAuthorizedBy", "Authorized By"},
        {"txtRatePerMile", "Rate per Mile"},
        {"dtpFrom", "From"},
        {"dtpTo", "To"},
        {"DataGrid1", "To enter Description select row and type Description. Then press Enter to "
                      "finish changes."},
        {"PushButton22", "Start Creating Template"},
        {"PushButton6", "Help"},
        {"PushButton7", "Load Sample/Example Data"},
        {"PushButton2", "Insert Below Selected Row"},
        {"PushButton1", "Delete Selected Row"},
        {"PushButton3", "Delete All"}};
    EXPECT_EQ(focusableNames(&main), expected);

    // Each cell of the grid announces its column.
    QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(main.DataGrid1);
    ASSERT_TRUE(grid && grid->tableInterface());
    QAccessibleInterface* cell = grid->tableInterface()->cellAt(0, 2);
    ASSERT_TRUE(cell && cell->tableCellInterface());
    const QList<QAccessibleInterface*> headers = cell->tableCellInterface()->columnHeaderCells();
    ASSERT_EQ(headers.size(), 1);
    EXPECT_EQ(headers.front()->text(QAccessible::Name), QStringLiteral("Destination"));

    main.PushButton7->click();
    main.PushButton22->click();
    Form2& preview = windows->form2();
    const std::map<QString, QString> names = focusableNames(&preview);
    ASSERT_EQ(names.count(QStringLiteral("Picture2")), 1u);
    EXPECT_EQ(names.at(QStringLiteral("Picture2")).toStdString(),
              "Mileage Log and Reimbursement Form for Michael Jr.: 3 trips, "
              "total mileage 11, total reimbursement $13.75");
    for (const char* button : {"PushButton1", "PushButton2", "PushButton6", "PushButton8"}) {
        auto* control = preview.findChild<QPushButton*>(QString::fromLatin1(button));
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(names.at(QString::fromLatin1(button)), control->text());
    }
}

TEST_F(Keyboard, TheLogsKeysWorkAnywhereInTheWindowButATextFieldKeepsItsOwn)
{
    Form1& main = windows->form1();
    ASSERT_TRUE(main.gridModel().setData(main.gridModel().index(0, 3), QStringLiteral("kept")));
    main.PushButton3->setFocus();
    env.dialogs.answerNext(Dialogs::Yes);
    press(Qt::Key_Space); // Delete All, answered Yes
    EXPECT_EQ(QApplication::focusWidget(), main.DataGrid1) << "not the button";
    const struct {
        QWidget* focus;
        const char* typed;
        QKeyCombination key;
        int trips; // after the key
        const char* employee;
    } cases[] = {{main.DataGrid1, "", Qt::CTRL | Qt::Key_Z, 1, ""},
                 {main.PushButton6, "", Qt::CTRL | Qt::Key_Y, 0, ""},
                 {main.PushButton2, "", Qt::CTRL | Qt::Key_Z, 1, ""},
                 {main.txtEmployeeName, "Ann", Qt::CTRL | Qt::Key_Z, 1, ""},
                 {main.txtEmployeeName, "", Qt::CTRL | Qt::SHIFT | Qt::Key_Z, 1, "Ann"}};
    for (const auto& c : cases) {
        c.focus->setFocus();
        type(QString::fromLatin1(c.typed));
        press(c.key);
        EXPECT_EQ(countTrips(main.session().logTable()), c.trips)
            << c.focus->objectName().toStdString();
        EXPECT_EQ(main.txtEmployeeName->text(), QLatin1String(c.employee));
    }
}

TEST_F(Keyboard, TheWholeFlowByKeysAlone)
{
    Form1& main = windows->form1();
    ASSERT_EQ(QApplication::focusWidget(), main.txtEmployeeName);
    press(Qt::SHIFT | Qt::Key_Backtab); // backwards round to "Load Sample/Example Data"
    ASSERT_EQ(QApplication::focusWidget(), main.PushButton7);
    press(Qt::Key_Space);
    press(Qt::Key_Tab); // round to the first field, its text selected
    type(QStringLiteral("Ann Example"));
    ASSERT_EQ(main.txtEmployeeName->text(), QStringLiteral("Ann Example"));

    // Rows by key in the grid: Alt+Insert adds one below the selected row.
    main.DataGrid1->setFocus();
    const int rows = main.gridModel().rowCount();
    press(Qt::ALT | Qt::Key_Insert);
    EXPECT_EQ(main.gridModel().rowCount(), rows + 1);
    press(Qt::Key_F2);
    type(QStringLiteral("typed"));
    press(Qt::Key_Escape); // the edit is cancelled, the new row stays blank
    press(Qt::ALT | Qt::Key_Delete);
    EXPECT_EQ(env.dialogs.messages().size(), 1) << "the delete question is asked";

    press(Qt::CTRL | Qt::Key_Return);
    Form2& preview = windows->form2();
    ASSERT_TRUE(preview.isVisible()) << env.dialogs.texts().join(u'\n').toStdString();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&preview));
    EXPECT_EQ(QApplication::focusWidget(), preview.viewport());
    EXPECT_TRUE(preview.viewport()->accessibleName().contains(QStringLiteral("Ann Example")));

    press(Qt::CTRL | Qt::Key_Plus);
    EXPECT_FLOAT_EQ(preview.zoom(), 1.25f);
    press(Qt::CTRL | Qt::Key_Equal);
    EXPECT_FLOAT_EQ(preview.zoom(), 1.5f);
    press(Qt::CTRL | Qt::Key_Minus);
    EXPECT_FLOAT_EQ(preview.zoom(), 1.25f);
    QScrollBar* bar = preview.vScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    press(Qt::Key_Down);
    const int row = bar->value();
    EXPECT_GT(row, 0);
    press(Qt::Key_PageDown);
    EXPECT_GT(bar->value(), row * 5) << "a page is many rows";
    press(Qt::Key_End);
    EXPECT_EQ(bar->value(), bar->maximum());
    press(Qt::Key_Home);
    EXPECT_EQ(bar->value(), 0);

    const QString saved = QDir(env.tempRoot()).filePath(QStringLiteral("claim.xls"));
    env.dialogs.clear();
    env.dialogs.chooseNextFile(saved);
    press(Qt::CTRL | Qt::Key_S);
    EXPECT_EQ(env.dialogs.texts(), QStringList{QStringLiteral("Done.")});
    EXPECT_TRUE(QFileInfo::exists(saved));

    press(Qt::Key_Escape);
    EXPECT_FALSE(preview.isVisible());
    EXPECT_TRUE(main.isVisible());
    // Back in the grid, whose keys act at once: Ctrl+Z takes the inserted row back.
    EXPECT_EQ(QApplication::focusWidget(), main.DataGrid1);
    press(Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(main.gridModel().rowCount(), rows);
    main.close();
    EXPECT_EQ(SettingsStore().GetSetting(QStringLiteral("EmployeeName")),
              QStringLiteral("Ann Example"));
}

} // namespace
} // namespace bw::test
