// Tests of the open log without a window: commits, the backups before a change and of the
// day, and restores, each answering as the window then shows it.
#include "core/errorlocation.h"
#include "core/steptrap.h"
#include "logstore/logbackup.h"
#include "logtable/logsession.h"
#include "logtable/logtable.h"
#include "logtable/triplog.h"
#include "support/fakeplatform.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace bw {
namespace {

// The trips' places as `session`'s log holds them now.
QStringList placesIn(LogSession& session)
{
    LogTable table;
    table.openWithTripFields();
    StepTrap trap(QString::fromLatin1(ErrorLocation::Form1_Form_Load));
    session.log()->restoreInto(table, trap);
    QStringList places;
    for (int row = 0; row < table.RecordCount(); ++row)
        places << table.valueAt(row, TripField::From).toString();
    return places;
}

void keep(LogSession& session, const QStringList& places)
{
    LogTable table;
    table.openWithTripFields();
    StepTrap trap(QString::fromLatin1(ErrorLocation::Form1_Form_Load));
    session.log()->restoreInto(table, trap);
    while (table.RecordCount() > 0) {
        table.setPosition(0);
        table.Delete();
    }
    for (const QString& place : places)
        table.insertRow(table.RecordCount(), {QStringLiteral("3/1/2026"), place});
    const LogSession::Commit said = session.commit(table);
    EXPECT_TRUE(said.failure.isEmpty()) << said.failure.toStdString();
}

TEST(LogSession, KeepsBacksUpAndRestoresTheLogWithoutAWindow)
{
    test::TestPlatform platform;
    LogSession session;
    session.openLog();
    ASSERT_FALSE(session.readOnly());
    ASSERT_TRUE(session.canBackUp());
    ASSERT_NE(session.claims(), nullptr);
    keep(session, {"Depot", "Mall"});

    EXPECT_EQ(session.backUpNow(), QString());
    const QStringList backups = session.backupLocation().files();
    ASSERT_EQ(backups.size(), 1);
    const QString before = QDir(session.backupLocation().folder).filePath(backups.front());
    keep(session, {"Elsewhere"});

    QFile junk(QDir(session.backupLocation().folder).filePath("junk.sqlite"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(4096, 'x'));
    junk.close();
    struct Case {
        const char* name;
        QString file;
        bool changed;
        const char* problem;
        QStringList places;
    };
    const Case cases[] = {
        {"a file that is no log", junk.fileName(), false, "not a log", {"Elsewhere"}},
        {"the backup of before", before, true, "", {"Depot", "Mall"}},
    };
    for (const Case& c : cases) {
        const LogSession::Restore restored = session.restoreFrom(c.file);
        EXPECT_EQ(restored.changed, c.changed) << c.name;
        EXPECT_FALSE(restored.newer) << c.name;
        EXPECT_TRUE(restored.problem.contains(QLatin1String(c.problem)))
            << c.name << ": " << restored.problem.toStdString();
        EXPECT_EQ(placesIn(session), c.places) << c.name;
    }

    // The next day's first start backs the log up once, in the background.
    platform.clock.set(platform.clock.now().addDays(1));
    const qsizetype made = session.backupLocation().files().size();
    QSignalSpy failed(&session, &LogSession::dailyBackupFailed);
    session.startDailyBackup();
    EXPECT_TRUE(QTest::qWaitFor([&] { return session.backupLocation().files().size() > made; }));
    session.endDailyBackup();
    session.startDailyBackup();
    QTest::qWait(50);
    EXPECT_EQ(session.backupLocation().files().size(), made + 1);
    EXPECT_EQ(failed.count(), 0);
}

} // namespace
} // namespace bw
