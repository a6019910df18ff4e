// The log's backups from the main window: the daily one, the copy before a change of the
// whole table, and a restore through the grid's menu that undo takes back.
#include "logstore/logbackup.h"
#include "logtable/loghistory.h"
#include "shell/form1fixture.h"
#include "shell/restorebackupdialog.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <functional>
#include <utility>
#include <vector>

namespace bw::test {
namespace {

QStringList tripDates(const std::vector<StoredTrip>& trips)
{
    QStringList dates;
    for (const StoredTrip& trip : trips) dates << trip.trip.field(0).toString();
    return dates;
}

class Backup : public Form1Test {
protected:
    static BackupLocation where() { return BackupLocation::of(LogDatabase::defaultPath()); }
    // Opens the window and lets its daily backup run to its end.
    Form1& openAndSettle(int backupsExpected)
    {
        Form1& f = open();
        EXPECT_TRUE(QTest::qWaitFor([&] { return where().files().size() == backupsExpected; }));
        QTest::qWait(50);
        return f;
    }
    void later(int seconds) { env.clock.set(env.clock.now().addSecs(seconds)); }
    // The trips' dates in the backup of that name.
    static QStringList backupDates(const QString& name)
    {
        LogDatabase db(QDir(where().folder).filePath(name), LogDatabase::Access::ReadOnly);
        return tripDates(db.tripsInOrder());
    }
    const QStringList stored{"d1", "d2", "d3"};
};

TEST_F(Backup, DailyBackupIsMadeAtTheFirstStartOfEachDayOnly)
{
    storeDatedRows(3);
    openAndSettle(1);
    EXPECT_EQ(backupDates(where().files().first()), stored);
    struct Case {
        int addDays;
        int backups;
    };
    for (const Case c : {Case{0, 1}, Case{0, 1}, Case{1, 2}, Case{1, 3}, Case{0, 3}}) {
        later(60);
        env.clock.set(env.clock.now().addDays(c.addDays));
        form->close();
        openAndSettle(c.backups);
        QTest::qWait(100);
        EXPECT_EQ(where().files().size(), c.backups) << "after " << c.addDays << " days";
    }
    EXPECT_TRUE(env.dialogs.messages().isEmpty()) << env.dialogs.texts().join(u'|').toStdString();
}

// Each change of the whole table is preceded by a copy of the log as it was.
TEST_F(Backup, ChangesOfTheWholeTableArePrecededByABackupOfTheRowsBeforeThem)
{
    const std::vector<std::pair<const char*, std::function<void(Form1&)>>> commands = {
        {"Delete All",
         [this](Form1& f) {
             env.dialogs.answerNext(Dialogs::Yes);
             f.PushButton3_Click();
         }},
        {"Load Sample", [](Form1& f) { f.PushButton7_Click(); }},
        {"Import",
         [this](Form1& f) {
             const QString csv = QDir(env.tempRoot()).filePath(QStringLiteral("in.csv"));
             QFile file(csv);
             ASSERT_TRUE(file.open(QIODevice::WriteOnly));
             file.write("Date,Description\n2026-03-01,visit\n");
             file.close();
             EXPECT_TRUE(f.importTripsFrom(csv));
         }},
    };
    for (const auto& [name, run] : commands) {
        SCOPED_TRACE(name);
        storeDatedRows(3);
        QDir(where().folder).removeRecursively();
        Form1& f = openAndSettle(1);
        later(3600);
        run(f);
        ASSERT_EQ(where().files().size(), 2);
        EXPECT_EQ(backupDates(where().files().first()), stored);
        EXPECT_NE(tripDates(keptTrips()), stored);
        form.reset();
    }
}

// A safety copy that cannot be made (a file stands where the backup folder goes): the
// user hears why and chooses; No leaves the log as it was.
TEST_F(Backup, FailedSafetyCopyAsksWhetherToGoOn)
{
    for (const Dialogs::Answer goOn : {Dialogs::No, Dialogs::Yes}) {
        storeDatedRows(3);
        QDir().mkpath(QFileInfo(LogDatabase::defaultPath()).absolutePath());
        QFile blocker(where().folder);
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        Form1& f = open();
        QTest::qWait(200);
        env.dialogs.clear();
        env.dialogs.answerNext(Dialogs::Yes);
        env.dialogs.answerNext(goOn);
        f.PushButton3_Click();
        ASSERT_EQ(env.dialogs.messages().size(), 2);
        EXPECT_TRUE(env.dialogs.messages().at(1).text.startsWith(
            QStringLiteral("The trip log could not be backed up before this change.")));
        EXPECT_EQ(env.dialogs.messages().at(1).defaultButton, Dialogs::No);
        EXPECT_EQ(dates() == stored, goOn == Dialogs::No);
        EXPECT_EQ(tripDates(keptTrips()) == stored, goOn == Dialogs::No);
        form.reset();
        QFile::remove(where().folder);
    }
}

TEST_F(Backup, RestoreThroughTheMenuShowsTheBackupAndUndoWritesTheOldRowsBack)
{
    storeDatedRows(3);
    Form1& f = openAndSettle(1);
    later(3600);
    env.dialogs.answerNext(Dialogs::Yes);
    f.PushButton3_Click();
    const QStringList cleared = dates();
    ASSERT_NE(cleared, stored);

    const QList<QAction*> menu = f.mnuGrid->actions();
    ASSERT_FALSE(menu.isEmpty());
    EXPECT_EQ(menu.last(), f.mnuRestoreBackup);
    EXPECT_EQ(f.mnuRestoreBackup->text(), RestoreBackupDialog::commandText());
    later(3600);
    bool shown = false;
    QTimer::singleShot(0, [&] {
        auto* d = qobject_cast<RestoreBackupDialog*>(QApplication::activeModalWidget());
        if (!d) return;
        shown = true;
        // The oldest backup, the daily one, is listed last.
        d->table()->setCurrentCell(d->table()->rowCount() - 1, 0);
        env.dialogs.answerNext(Dialogs::Yes);
        QTest::mouseClick(d->restoreButton(), Qt::LeftButton);
    });
    f.mnuRestoreBackup->trigger();
    ASSERT_TRUE(shown);
    EXPECT_EQ(dates(), stored);
    EXPECT_EQ(f.gridModel().index(2, 0).data().toString(), QStringLiteral("d3"));
    EXPECT_EQ(tripDates(keptTrips()), stored);
    EXPECT_EQ(f.mnuUndo->text(), QStringLiteral("Undo Restore"));

    f.mnuUndo->trigger();
    EXPECT_EQ(dates(), cleared);
    EXPECT_EQ(tripDates(keptTrips()), cleared);
    f.mnuRedo->trigger();
    EXPECT_EQ(tripDates(keptTrips()), stored);
    reopen();
    EXPECT_EQ(dates(), stored);
}

TEST_F(Backup, ReadOnlyLogIsNeitherBackedUpNorRestored)
{
    storeDatedRows(2);
    open();
    form.reset();
    for (const QString& file : where().files()) QFile::remove(QDir(where().folder).filePath(file));
    InstanceLock other(LogDatabase::defaultPath(), InstanceLock::Holder::Program);
    ASSERT_TRUE(other.held());
    Form1& f = open();
    QTest::qWait(200);
    ASSERT_TRUE(f.session().log()->readOnly());
    EXPECT_FALSE(f.mnuRestoreBackup->isEnabled());
    EXPECT_TRUE(where().files().isEmpty());
}

} // namespace
} // namespace bw::test
