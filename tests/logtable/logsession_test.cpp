// Tests of the open log without a window: commits, the backups before a change and of the
// day, and restores, each answering as the window then shows it.
#include "core/errorlocation.h"
#include "core/steptrap.h"
#include "logstore/claimstore.h"
#include "logstore/logbackup.h"
#include "logtable/loghistory.h"
#include "logtable/logsession.h"
#include "logtable/logtable.h"
#include "logtable/logtablemodel.h"
#include "logtable/logtablestore.h"
#include "logtable/tabletrip.h"
#include "logtable/triplog.h"
#include "support/fakeplatform.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <QUndoStack>

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

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

// The session as the start-up makes it: the table filled from the log and bound.
void start(LogSession& session)
{
    StepTrap trap(QString::fromLatin1(ErrorLocation::Form1_Form_Load));
    CreateLogTable(session.table(), trap, 142);
    session.openLog();
    session.restoreTrips(trap);
    BindLogTable(session.table(), session.model(), trap);
}

// The trips the log keeps, "From>To Mileage Reimbursement", read by another session.
QStringList keptTrips(LogSession& session)
{
    LogTable table;
    table.openWithTripFields();
    StepTrap trap(QString::fromLatin1(ErrorLocation::Form1_Form_Load));
    session.log()->restoreInto(table, trap);
    QStringList trips;
    for (int row = 0; row < table.RecordCount(); ++row) {
        if (table.valueAt(row, TripField::From).toString().isEmpty()) continue;
        trips << QStringLiteral("%1>%2 %3 %4")
                     .arg(table.valueAt(row, TripField::From).toString(),
                          table.valueAt(row, TripField::To).toString(),
                          table.valueAt(row, TripField::Mileage).toString(),
                          table.valueAt(row, TripField::Reimbursement).toString());
    }
    return trips;
}

TEST(LogSession, CommandsAreKeptAndUndoneWithoutAWindow)
{
    test::TestPlatform platform;
    LogSession session;
    start(session);
    session.keepEntry(QStringLiteral("RatePerMile"), QStringLiteral("0.5"));
    LogTableModel& model = session.model();
    const QVariant typed[] = {"3/2/2026", "Depot", "Mall", "", "", "", 10.0};
    for (int field = 0; field < 7; ++field)
        ASSERT_TRUE(model.setData(model.index(0, field), typed[field])) << field;
    model.leaveEditedRow();
    session.table()->setPosition(0);
    const auto recalculate = [&] {
        session.recalculate(reimbursementRecalculations(*session.table(), session.tripRates()),
                            QStringLiteral("Recalculate"));
    };
    struct Case {
        const char* name;
        std::function<void()> command;
        QStringList kept;
    };
    const Case cases[] = {
        {"a typed trip, filled at the typed rate", [] {}, {"Depot>Mall 10 5"}},
        {"duplicated",
         [&] { EXPECT_EQ(session.duplicateTrip("Dup"), LogSession::Added::Done); },
         {"Depot>Mall 10 5", "Depot>Mall 10 5"}},
        {"undone", [&] { session.undo(); }, {"Depot>Mall 10 5"}},
        {"redone", [&] { session.redo(); }, {"Depot>Mall 10 5", "Depot>Mall 10 5"}},
        {"the way back below the first",
         [&] {
             session.table()->setPosition(0);
             EXPECT_EQ(session.addReturnTrip("Back"), LogSession::Added::Done);
         },
         {"Depot>Mall 10 5", "Mall>Depot 10 5", "Depot>Mall 10 5"}},
        {"a new rate, then recalculated",
         [&] {
             session.keepEntry(QStringLiteral("RatePerMile"), QStringLiteral("1.5"));
             recalculate();
         },
         {"Depot>Mall 10 15", "Mall>Depot 10 15", "Depot>Mall 10 15"}},
        {"the recalculation undone",
         [&] { session.undo(); },
         {"Depot>Mall 10 5", "Mall>Depot 10 5", "Depot>Mall 10 5"}},
    };
    for (const Case& c : cases) {
        c.command();
        EXPECT_EQ(keptTrips(session), c.kept) << c.name;
    }

    // Units are kept at once and go back with undo; the rates stay with the log.
    QSignalSpy shown(&session, &LogSession::unitsChanged);
    LogUnits km = session.units();
    km.distance = DistanceUnit::Kilometres;
    ASSERT_TRUE(session.changeUnits(km, QStringLiteral("km")));
    LogSession other;
    other.openLog();
    EXPECT_EQ(other.rateStore()->loadUnits(), km) << "another session reads them";
    session.undo();
    EXPECT_EQ(session.units().distance, DistanceUnit::Miles);
    EXPECT_EQ(shown.count(), 2);
    EXPECT_EQ(session.history().stack().undoText(), QStringLiteral("Back"));
}

TEST(LogSession, TheOpenReportsClaimAndANewPeriodWithoutAWindow)
{
    test::TestPlatform platform;
    LogSession session;
    start(session);
    session.setPeriod(QDate(2026, 3, 1), QDate(2026, 3, 31));
    LogTable& table = *session.table();
    for (int row = 0; row < 2; ++row) {
        session.model().rewriteRow(row, {QStringLiteral("3/%1/2026").arg(row + 2), "Depot",
                                         QStringLiteral("Stop %1").arg(row), "", "", "", 4.0, 2.0});
    }
    // A report that could not be made is told once, whatever is handed out after it.
    session.reportMade([]() -> ClaimRecord { throw std::runtime_error("no trips"); });
    EXPECT_EQ(session.reportHandedOut({}, "print").kind, LogSession::HandOut::Kind::NotRecorded);
    EXPECT_EQ(session.reportHandedOut({}, "print").kind, LogSession::HandOut::Kind::Recorded);

    // The report of the first trip is claimed by its first print, which marks the trip.
    session.reportMade([&] {
        ClaimRecord record;
        record.periodFrom = session.periodFrom();
        record.periodTo = QDate(2026, 3, 15);
        record.trips = {{static_cast<qint64>(table.idAt(0)), tripAt(table, 0)}};
        return record;
    });
    EXPECT_FALSE(session.mayStartNewPeriod());
    EXPECT_EQ(session.reportHandedOut({}, "print").kind, LogSession::HandOut::Kind::Recorded);
    ASSERT_TRUE(session.mayStartNewPeriod());
    EXPECT_FALSE(session.claimedTripsQuestion().isEmpty());

    const LogSession::NewPeriod next = session.planNewPeriod();
    ASSERT_TRUE(next.failure.isEmpty());
    EXPECT_EQ(next.plan.rows, std::vector<int>{0});
    EXPECT_EQ(next.plan.from, QDate(2026, 3, 16));
    QSignalSpy period(&session, &LogSession::periodShown);
    session.startNewPeriod(next.plan, QStringLiteral("New Period"));
    EXPECT_EQ(keptTrips(session), QStringList{"Depot>Stop 1 4 2"});
    EXPECT_EQ(session.claims()->tripsOutsideLog().size(), 1u) << "moved to the history";
    session.undo();
    EXPECT_EQ(keptTrips(session), QStringList({"Depot>Stop 0 4 2", "Depot>Stop 1 4 2"}));
    ASSERT_EQ(period.count(), 2);
    EXPECT_EQ(period.at(1).at(0).toDate(), QDate(2026, 3, 1)) << "undo puts the period back";
}

} // namespace
} // namespace bw
