// Tests of the main window's start-up from the settings store.
#include "form1fixture.h"
#include "platform/datetext.h"
#include "shell/isinstalled.h"

#include <QDateEdit>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace bw {
namespace {

using test::Form1Test;

using Startup = Form1Test;

TEST_F(Startup, FirstStartWithAnEmptyStore)
{
    Form1& f = open();
    EXPECT_TRUE(loaded);
    EXPECT_TRUE(env.dialogs.messages().isEmpty());
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Brindlewick"));
    for (QLineEdit* box : {f.txtEmployeeName, f.txtEmployeeID, f.txtVehicleDescription,
                           f.txtAuthorizedBy, f.txtRatePerMile}) {
        EXPECT_EQ(box->text(), QString()) << box->objectName().toStdString();
    }
    EXPECT_EQ(f.dtpFrom->date(), QDate(2026, 3, 14));
    EXPECT_EQ(f.dtpTo->date(), QDate(2026, 3, 14));
    ASSERT_EQ(rows(), 30);
    EXPECT_EQ(f.gridModel().rowCount(), 30);
    EXPECT_EQ(f.gridModel().data(f.gridModel().index(29, 0)).toString(), QString());
    EXPECT_EQ(f.gridModel().data(f.gridModel().index(29, 6)).toString(), QStringLiteral("0"));
    EXPECT_EQ(f.gridModel().data(f.gridModel().index(29, 7)).toString(), QStringLiteral("0"));
    EXPECT_EQ(table().position(), 0);
    EXPECT_EQ(gridRow(), 0);
    EXPECT_EQ(f.focusWidget(), f.txtEmployeeName);
    // Loading writes nothing: the store is only read.
    EXPECT_TRUE(settingsBytes().isEmpty());
}

TEST_F(Startup, EveryKeyIsRestored)
{
    store({{"EmployeeName", QStringLiteral("Michael Jr.")},
           {"employeeid", QStringLiteral("DR005")},
           {"VehicleDescription", QStringLiteral("Ford Transit, white")},
           {"AuthorizedBy", QStringLiteral("John")},
           {"RatePerMile", QStringLiteral("about 1.25")},
           {"PeriodFrom", dateToText(QDate(2016, 5, 14))},
           {"PeriodTo", dateToText(QDate(2016, 5, 16))},
           {"RowCount", QStringLiteral("2")},
           {"RowSource1 2", QStringLiteral("15 May")},
           {"RowSource7 2", QStringLiteral("4")}});
    const QByteArray before = settingsBytes();
    Form1& f = open();
    EXPECT_EQ(f.session().employeeName(), QStringLiteral("Michael Jr."));
    EXPECT_EQ(f.session().employeeID(), QStringLiteral("DR005"));
    EXPECT_EQ(f.session().vehicleDescription(), QStringLiteral("Ford Transit, white"));
    EXPECT_EQ(f.session().authorizedBy(), QStringLiteral("John"));
    EXPECT_EQ(f.session().ratePerMile(), QStringLiteral("about 1.25"));
    EXPECT_EQ(f.session().periodFrom(), QDate(2016, 5, 14));
    EXPECT_EQ(f.session().periodTo(), QDate(2016, 5, 16));
    ASSERT_EQ(rows(), 2);
    EXPECT_EQ(table().valueAt(1, 0), QVariant(QStringLiteral("15 May")));
    EXPECT_EQ(table().valueAt(1, 6), QVariant(4.0));
    // The start moved the rows into the log: the trips file is kept as it was, renamed.
    const QString trips = SettingsStore::tripsFileFor(env.settingsFile());
    EXPECT_FALSE(QFile::exists(trips));
    QFile imported(trips + QStringLiteral(".imported"));
    ASSERT_TRUE(imported.open(QIODevice::ReadOnly));
    // The fields moved into the log: the INI keeps none of them, its copy keeps it as it was.
    QFile ini(env.settingsFile());
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    const QByteArray kept = ini.readAll();
    EXPECT_FALSE(kept.contains("Michael") || kept.contains("PeriodFrom")) << kept.toStdString();
    QFile iniCopy(env.settingsFile() + QStringLiteral(".imported"));
    ASSERT_TRUE(iniCopy.open(QIODevice::ReadOnly));
    // The copy also names the locale the fields were typed in, written before the move.
    QByteArray copied = iniCopy.readAll();
    const qsizetype named = copied.indexOf("\nEntryLocale=");
    ASSERT_GE(named, 0) << copied.toStdString();
    copied.remove(named + 1, copied.indexOf('\n', named + 1) - named);
    EXPECT_EQ((copied + imported.readAll()).toStdString(), before.toStdString());
    const std::map<QString, QString> fields = f.session().log()->database()->logFields();
    ASSERT_TRUE(fields.count(QStringLiteral("EmployeeName")));
    EXPECT_EQ(fields.at(QStringLiteral("EmployeeName")), QStringLiteral("Michael Jr."));
}

TEST_F(Startup, RestoringThePeriodNeverOverwritesTheStoredEndDate)
{
    // The stored start lies after the picker's designed date (today), and once the
    // stored period is even reversed: both come back exactly as stored.
    const std::pair<QDate, QDate> periods[] = {{QDate(2030, 1, 1), QDate(2030, 2, 1)},
                                               {QDate(2016, 5, 16), QDate(2016, 5, 14)}};
    for (const auto& [from, to] : periods) {
        // Each case a first start: once moved, the log's own period wins over the INI.
        tester.reset();
        form.reset();
        forgetLog();
        store({{"PeriodFrom", dateToText(from)}, {"PeriodTo", dateToText(to)}});
        Form1& f = open();
        EXPECT_EQ(f.dtpFrom->date(), from);
        EXPECT_EQ(f.dtpTo->date(), to);
        EXPECT_EQ(setting("PeriodTo"), dateToText(to));
        EXPECT_EQ(setting("PeriodFrom"), dateToText(from));
    }
}

TEST_F(Startup, AFailingStepIsReportedOnceAndTheWindowStillOpens)
{
    QFile cursor(QDir(env.programFolder()).filePath(QStringLiteral("HAND-M.CUR")));
    ASSERT_TRUE(cursor.open(QIODevice::WriteOnly));
    cursor.write("this is no cursor");
    cursor.close();
    store({{"EmployeeName", QStringLiteral("Ann")}, {"RowCount", QStringLiteral("3")}});

    Form1& f = open();
    EXPECT_TRUE(loaded);
    ASSERT_EQ(env.dialogs.messages().size(), 1);
    EXPECT_EQ(env.dialogs.messages()[0].text.toUtf8(),
              QByteArray("Invalid picture\r\nin Quillmere2021/08/31.Form1.Form_Load at line 126\r\r"
                         "Please email screenshot of this message to support@brindlewick.example"));
    EXPECT_FALSE(f.mouseIcon().has_value());
    EXPECT_EQ(f.session().employeeName(), QStringLiteral("Ann"));
    EXPECT_EQ(rows(), 3);
    EXPECT_EQ(gridRow(), 0);
}

TEST_F(Startup, AStoredDateThatIsNoDateIsReportedAndThePickerKeepsToday)
{
    store(
        {{"PeriodFrom", QStringLiteral("sometime")}, {"PeriodTo", dateToText(QDate(2026, 4, 1))}});
    Form1& f = open();
    ASSERT_EQ(env.dialogs.texts().size(), 1);
    EXPECT_TRUE(env.dialogs.texts()[0].startsWith(
        QStringLiteral("Type mismatch\r\nin Quillmere2021/08/31.Form1.Form_Load at line 134\r\r")));
    EXPECT_EQ(f.dtpFrom->date(), QDate(2026, 3, 14));
    EXPECT_EQ(f.dtpTo->date(), QDate(2026, 4, 1));
}

TEST_F(Startup, AnUnusableRowCountIsReportedAndRestoresNoRows)
{
    store({{"RowCount", QStringLiteral("1e30")}});
    Form1& f = open();
    EXPECT_TRUE(loaded);
    ASSERT_EQ(env.dialogs.texts().size(), 1);
    EXPECT_TRUE(env.dialogs.texts()[0].contains(QStringLiteral("Form1.Form_Load at line 164\r\r")));
    EXPECT_EQ(rows(), 0);
    EXPECT_EQ(f.gridModel().rowCount(), 0);
    EXPECT_EQ(gridRow(), -1);
}

class FailingFactory {
public:
    FailingFactory() : saved_(spreadsheetFactory())
    {
        setSpreadsheetFactory([] { return false; });
    }
    ~FailingFactory() { setSpreadsheetFactory(saved_); }

private:
    SpreadsheetFactory saved_;
};

TEST_F(Startup, WithoutASpreadsheetApplicationTheProgramEndsAfterOneMessage)
{
    const FailingFactory noSpreadsheet;
    open();
    EXPECT_FALSE(loaded);
    ASSERT_EQ(env.dialogs.messages().size(), 1);
    EXPECT_EQ(env.dialogs.messages()[0].text, excelMissingText());
    EXPECT_EQ(env.dialogs.messages()[0].title, QStringLiteral("Brindlewick"));
    EXPECT_EQ(env.dialogs.messages()[0].icon, Dialogs::Icon::None);
    EXPECT_FALSE(QFile::exists(env.settingsFile()));
}

TEST_F(Startup, ClosingWritesEveryRowAndTheNextStartShowsTheSameRows)
{
    storeDatedRows(30);
    open();
    table().setPosition(4);
    table().setValue(3, QStringLiteral("Daily delivery"));
    table().setValue(7, 6.25);
    Form1& again = reopen();
    EXPECT_TRUE(env.dialogs.messages().isEmpty());
    EXPECT_EQ(keptRowCountAtClose(), QStringLiteral("30"));
    const std::vector<StoredTrip> kept = keptTrips();
    ASSERT_EQ(kept.size(), 30u);
    EXPECT_EQ(kept[29].trip.date, QVariant(QStringLiteral("d30")));
    EXPECT_EQ(kept[4].trip.reimbursement, QVariant(6.25));
    EXPECT_EQ(kept[29].trip.reimbursement, QVariant(0.0));
    ASSERT_EQ(rows(), 30);
    EXPECT_EQ(dates().front(), QStringLiteral("d1"));
    EXPECT_EQ(dates().back(), QStringLiteral("d30"));
    EXPECT_EQ(again.session().logTable().valueAt(4, 3), QVariant(QStringLiteral("Daily delivery")));
    EXPECT_EQ(again.session().logTable().valueAt(4, 7), QVariant(6.25));
}

TEST_F(Startup, ACellStillBeingEditedIsKeptWhenTheWindowCloses)
{
    Form1& f = open();
    f.show();
    const QModelIndex notes = f.gridModel().index(2, 3);
    f.DataGrid1->setCurrentIndex(notes);
    f.DataGrid1->edit(notes);
    auto* editor = qobject_cast<QLineEdit*>(f.DataGrid1->indexWidget(notes));
    ASSERT_NE(editor, nullptr);
    editor->setText(QStringLiteral("typed, no Enter"));
    reopen();
    EXPECT_EQ(table().valueAt(2, 3), QVariant(QStringLiteral("typed, no Enter")));
}

TEST_F(Startup, ThePreviewCanSaveTheRowsAndShowTheWindowAgain)
{
    storeDatedRows(3);
    Form1& f = open();
    table().setPosition(1);
    table().Delete();
    PreviewHost& host = f;
    host.saveTripRows();
    EXPECT_EQ(keptRowCountAtClose(), QStringLiteral("2"));
    EXPECT_EQ(keptTrips().at(1).trip.date, QVariant(QStringLiteral("d3")));
    EXPECT_TRUE(env.dialogs.messages().isEmpty());
    EXPECT_FALSE(f.isVisible());
    host.showMainWindow();
    EXPECT_TRUE(f.isVisible());
}

TEST_F(Startup, TheSkinFileTurnsFramesAndLabelsToTheButtonFace)
{
    Form1& plain = open();
    EXPECT_EQ(plain.Frame1->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(plain.palette().color(QPalette::Window), QColor(Qt::white));

    QDir(env.programFolder()).mkpath(QStringLiteral("x"));
    QFile skin(QDir(env.programFolder()).filePath(QStringLiteral("x/o.cjs")));
    ASSERT_TRUE(skin.open(QIODevice::WriteOnly));
    skin.write("QPushButton { font-weight: bold; }");
    skin.close();
    Form1& skinned = reopen();
    const QColor face = skinned.palette().color(QPalette::Button);
    EXPECT_EQ(skinned.Frame1->palette().color(QPalette::Window), face);
    EXPECT_EQ(skinned.Label4[6]->palette().color(QPalette::Window), face);
    EXPECT_EQ(skinned.palette().color(QPalette::Window), face);
    EXPECT_EQ(skinned.styleSheet(), QStringLiteral("QPushButton { font-weight: bold; }"));
    EXPECT_EQ(skinned.txtEmployeeName->palette().color(QPalette::Base), QColor(Qt::white));
}

TEST_F(Startup, ControlsStandWhereTheyWereDesignedAndTabInOrder)
{
    Form1& f = open();
    EXPECT_EQ(f.size(), QSize(536, 658));
    EXPECT_EQ(f.minimumSize(), f.maximumSize());
    EXPECT_EQ(f.PushButton22->geometry(), QRect(8, 8, 520, 27));
    EXPECT_EQ(f.PushButton7->geometry(), QRect(272, 42, 256, 27));
    EXPECT_EQ(f.Frame1->geometry(), QRect(8, 73, 520, 236));
    EXPECT_EQ(f.Frame3->parentWidget(), f.Frame1);
    EXPECT_EQ(f.dtpTo->geometry(), QRect(227, 18, 118, 22));
    EXPECT_EQ(f.txtRatePerMile->geometry(), QRect(138, 140, 366, 23));
    EXPECT_EQ(f.Frame2->geometry(), QRect(8, 314, 520, 338));
    EXPECT_EQ(f.PushButton3->geometry(), QRect(264, 299, 240, 27));
    // The grid and its caption line share the grid's designed area.
    EXPECT_EQ(f.DataGrid1Caption->geometry().united(f.DataGrid1->geometry()),
              QRect(16, 20, 487, 236));
    EXPECT_EQ(f.DataGrid1Caption->text(),
              QStringLiteral("To enter Description select row and type "
                             "Description. Then press Enter to finish changes."));

    QStringList captions;
    for (QLabel* label : f.Label4) captions << label->text();
    EXPECT_EQ(captions, QStringList({"Employee Name:", "Employee ID:", "Vehicle Description:",
                                     "Authorized By:", "Rate per Mile:", "From:", "To:"}));
    EXPECT_EQ(f.Frame1->title(), QStringLiteral("Employee Data"));
    EXPECT_EQ(f.Frame2->title(), QStringLiteral("Mileage Log Data"));
    EXPECT_EQ(f.Frame3->title(), QStringLiteral("For Period"));
    EXPECT_TRUE(f.dtpFrom->calendarPopup());

    const QList<QWidget*> expected = {
        f.txtEmployeeName, f.PushButton22,   f.txtEmployeeID, f.txtVehicleDescription,
        f.txtAuthorizedBy, f.txtRatePerMile, f.DataGrid1,     f.PushButton2,
        f.PushButton1,     f.PushButton3,    f.dtpFrom,       f.dtpTo,
        f.PushButton6,     f.PushButton7};
    QList<QWidget*> order = {f.txtEmployeeName};
    for (QWidget* w = f.txtEmployeeName->nextInFocusChain(); order.size() < expected.size();
         w = w->nextInFocusChain()) {
        if (w == f.txtEmployeeName) break;
        if (expected.contains(w)) order << w;
    }
    EXPECT_EQ(order, expected);
}

TEST_F(Startup, TheReportReadsTheEntriesAndStartCreatingTemplateRunsItsHook)
{
    store({{"RatePerMile", QStringLiteral("1.25")}});
    Form1& f = open();
    const ReportInputs& inputs = f.session();
    EXPECT_EQ(inputs.ratePerMile(), QStringLiteral("1.25"));
    EXPECT_EQ(&inputs.logTable(), f.session().table().get());
    int created = 0;
    f.setCreateTemplateHandler([&] { ++created; });
    f.PushButton22->click();
    EXPECT_EQ(created, 1);
}

// The settings' folder turns into a plain file while the program runs (refused for every
// user, root included) and comes back: what is typed and the rows are the log's, kept
// through it, and the close still closes.
TEST_F(Startup, StoreFailuresAreReportedWhenTheyHappenAndTheWindowStillCloses)
{
    storeDatedRows(3);
    Form1& f = open();
    const QString folder = QFileInfo(env.settingsFile()).absolutePath();
    const QString away = folder + QStringLiteral(".away");
    const auto block = [&] {
        ASSERT_TRUE(QDir().rename(folder, away));
        QFile file(folder);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    };
    const auto unblock = [&] {
        ASSERT_TRUE(QFile::remove(folder));
        ASSERT_TRUE(QDir().rename(away, folder));
    };
    block();
    QTest::keyClicks(f.txtEmployeeName, QStringLiteral("A"));
    unblock();
    QTest::keyClicks(f.txtEmployeeName, QStringLiteral("n"));
    block();
    table().setPosition(0);
    table().setValue(0, QStringLiteral("edited"));
    EXPECT_TRUE(f.close());
    unblock();

    // The log's files stay open while their folder moves, and the employee data is the
    // log's: nothing typed waited on the settings file, so nothing failed to be told.
    const QStringList texts = env.dialogs.texts();
    EXPECT_TRUE(texts.isEmpty()) << texts.join(QLatin1Char('\n')).toStdString();
    // The name typed is kept whole; the rows are kept.
    EXPECT_EQ(setting("EmployeeName"), QStringLiteral("An"));
    EXPECT_EQ(keptTrips().at(0).trip.date, QVariant(QStringLiteral("edited")));
    EXPECT_EQ(keptRowCountAtClose(), QStringLiteral("3"));
}

// Every way of adding trips stops at the limit, with one plain notice naming it.
TEST_F(Startup, TheTripLimitHoldsForEveryWayOfAddingTrips)
{
    store({{"RowCount", QStringLiteral("70000")}, {"RowSource1 65528", QStringLiteral("beyond")}});
    Form1& f = open();
    ASSERT_EQ(rows(), kMaxTrips);
    EXPECT_EQ(env.dialogs.texts(),
              QStringList{tripLimitMessage(
                  QStringLiteral("The stored log has 70000 trips; the first 65527 were loaded."))});
    for (int r = 0; r < kMaxTrips; ++r) table().setValueAt(r, 0, QStringLiteral("kept"));

    struct Case {
        QPushButton* button;
        QString consequence;
    };
    for (const Case& c :
         {Case{f.PushButton2, QStringLiteral("No row was inserted.")},
          Case{f.PushButton7, QStringLiteral("3 of the 3 sample trips were not added.")},
          Case{f.PushButton3,
               QStringLiteral("The stored row count is 70000; 65527 blank rows were made.")}}) {
        env.dialogs.clear();
        env.dialogs.answerNext(Dialogs::Yes);
        c.button->click();
        EXPECT_EQ(rows(), kMaxTrips);
        ASSERT_FALSE(env.dialogs.texts().isEmpty());
        EXPECT_EQ(env.dialogs.texts().back(), tripLimitMessage(c.consequence));
    }
    f.close();
    EXPECT_EQ(keptRowCountAtClose(), QStringLiteral("65527"));
    QFile imported(SettingsStore::tripsFileFor(env.settingsFile()) + QStringLiteral(".imported"));
    ASSERT_TRUE(imported.open(QIODevice::ReadOnly));
    EXPECT_TRUE(imported.readAll().contains("65528\tbeyond")) << "rows beyond are kept aside";
}

} // namespace
} // namespace bw
