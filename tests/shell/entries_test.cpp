// Tests of the main window's entry fields and what they store.
#include "core/messageboxes.h"
#include "form1fixture.h"
#include "platform/datetext.h"

#include <QDateEdit>
#include <QDir>
#include <QFocusEvent>
#include <QImage>
#include <QLineEdit>
#include <QTest>

namespace bw {
namespace {

using test::Form1Test;

using EntryFields = Form1Test;

TEST_F(EntryFields, EveryChangeWritesTheWholeText)
{
    Form1& f = open();
    QStringList stored;
    for (const char key : {'A', 'n', 'n'}) {
        QTest::keyClick(f.txtEmployeeName, key);
        stored << setting("EmployeeName");
    }
    EXPECT_EQ(stored, QStringList({"A", "An", "Ann"}));
    f.txtEmployeeName->selectAll();
    QTest::keyClick(f.txtEmployeeName, Qt::Key_Backspace);
    EXPECT_EQ(setting("EmployeeName"), QString());

    Form1& again = reopen();
    EXPECT_EQ(again.txtEmployeeName->text(), QString());
}

TEST_F(EntryFields, ARateThatIsNoNumberIsKeptButMarkedAsACellWithASlipIs)
{
    Form1& f = openShown();
    for (const auto& [typed, marked] : {std::pair{"abc", true}, {"0.585", false}, {"", false}}) {
        f.txtRatePerMile->selectAll();
        QTest::keyClick(f.txtRatePerMile, Qt::Key_Backspace);
        QTest::keyClicks(f.txtRatePerMile, QString::fromLatin1(typed));
        EXPECT_EQ(setting("RatePerMile"), QLatin1String(typed)) << "kept as typed";
        EXPECT_EQ(f.txtRatePerMile->toolTip().contains(QStringLiteral("no Reimbursement")), marked);
        EXPECT_EQ(f.txtRatePerMile->accessibleDescription(), f.txtRatePerMile->toolTip());
        const QImage shown = f.txtRatePerMile->grab().toImage();
        EXPECT_EQ(shown.pixelColor(shown.width() - 5, shown.height() / 2) == warningTint(), marked)
            << typed << ": the grid's warning tint";
    }
}

TEST_F(EntryFields, EachBoxWritesItsOwnKey)
{
    Form1& f = open();
    const std::pair<QLineEdit*, const char*> boxes[] = {
        {f.txtAuthorizedBy, "AuthorizedBy"},
        {f.txtEmployeeID, "EmployeeID"},
        {f.txtEmployeeName, "EmployeeName"},
        {f.txtRatePerMile, "RatePerMile"},
        {f.txtVehicleDescription, "VehicleDescription"}};
    for (const auto& [box, key] : boxes) {
        box->setText(QStringLiteral("  %1, \"as typed\"  ").arg(QString::fromLatin1(key)));
    }
    for (const auto& [box, key] : boxes) {
        EXPECT_EQ(setting(key),
                  QStringLiteral("  %1, \"as typed\"  ").arg(QString::fromLatin1(key)));
    }
}

TEST_F(EntryFields, GainingTheFocusSelectsTheWholeText)
{
    store({{"VehicleDescription", QStringLiteral("Ford Transit")}});
    Form1& f = open();
    f.txtVehicleDescription->setCursorPosition(3);
    ASSERT_FALSE(f.txtVehicleDescription->hasSelectedText());
    QFocusEvent focusIn(QEvent::FocusIn, Qt::MouseFocusReason);
    QApplication::sendEvent(f.txtVehicleDescription, &focusIn);
    EXPECT_EQ(f.txtVehicleDescription->selectedText(), QStringLiteral("Ford Transit"));
    EXPECT_EQ(f.txtVehicleDescription->selectionStart(), 0);
}

TEST_F(EntryFields, AStartAfterTheEndMovesTheEndAndAnEndBeforeTheStartMovesTheStart)
{
    Form1& f = open();
    f.dtpFrom->setDate(QDate(2026, 3, 20));
    EXPECT_EQ(f.dtpTo->date(), QDate(2026, 3, 20));
    EXPECT_EQ(setting("PeriodFrom"), dateToText(QDate(2026, 3, 20)));
    EXPECT_EQ(setting("PeriodTo"), dateToText(QDate(2026, 3, 20)));

    f.dtpTo->setDate(QDate(2026, 3, 2));
    EXPECT_EQ(f.dtpFrom->date(), QDate(2026, 3, 2));
    EXPECT_EQ(setting("PeriodFrom"), dateToText(QDate(2026, 3, 2)));
    EXPECT_EQ(setting("PeriodTo"), dateToText(QDate(2026, 3, 2)));

    // Moving either picker within the period touches only its own key.
    f.dtpTo->setDate(QDate(2026, 3, 9));
    f.dtpFrom->setDate(QDate(2026, 3, 9));
    EXPECT_EQ(f.dtpFrom->date(), QDate(2026, 3, 9));
    EXPECT_EQ(f.dtpTo->date(), QDate(2026, 3, 9));
    EXPECT_EQ(setting("PeriodFrom"), dateToText(QDate(2026, 3, 9)));

    Form1& again = reopen();
    EXPECT_EQ(again.session().periodFrom(), QDate(2026, 3, 9));
    EXPECT_EQ(again.session().periodTo(), QDate(2026, 3, 9));
}

TEST_F(EntryFields, AStoreThatCannotBeWrittenIsToldOnceWithItsCauseAndTheBoxKeepsWorking)
{
    const QString blocker = QDir(env.tempRoot()).filePath(QStringLiteral("blocker"));
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    Platform p = platform();
    p.settingsFile = QDir(blocker).filePath(QStringLiteral("Brindlewick.ini"));
    PlatformOverride unwritable(p);

    Form1& f = open();
    // The log cannot be kept there either, and the first window says why.
    const QString cause = QStringLiteral("%1 is a file, not a folder.").arg(blocker);
    ASSERT_EQ(env.dialogs.messages().size(), 1);
    EXPECT_EQ(env.dialogs.texts()[0],
              QStringLiteral("The trip log %1 cannot be written: %2 This window shows it "
                             "read-only; changes to trips are not kept.")
                  .arg(LogDatabase::defaultPath(), cause));
    EXPECT_TRUE(f.session().log()->readOnly());
    env.dialogs.clear();
    QTest::keyClicks(f.txtEmployeeName, QStringLiteral("Ann"));
    EXPECT_EQ(f.txtEmployeeName->text(), QStringLiteral("Ann"));
    // A plain notice naming the cause, once: the change handler has no trap.
    ASSERT_EQ(env.dialogs.messages().size(), 1);
    const auto& box = env.dialogs.messages()[0];
    EXPECT_EQ(box.title, applicationTitle());
    EXPECT_EQ(box.text, QStringLiteral("The employee data and the period could not be saved. %1 "
                                       "They are kept and saved with the next change, or when the "
                                       "window closes.")
                            .arg(cause));
}

} // namespace
} // namespace bw
