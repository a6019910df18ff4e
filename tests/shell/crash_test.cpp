// The real program killed at random moments while a person types into its grid, and two
// of it running at once: no finished edit is lost and the log is never damaged.
#include "core/logdatabase.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <map>
#include <random>

namespace bw {
namespace {

constexpr int kRows = 30;
constexpr int kEditsPerRun = 20; // fewer than the rows: each row is typed once a run

struct Driver {
    QProcess process;
    QStringList lines;

    void start(const QString& folder, int run, int edits, bool hold = false)
    {
        QStringList args{folder, QString::number(run), QString::number(edits)};
        if (hold) args << QStringLiteral("--hold");
        process.start(QStringLiteral(BW_CRASH_DRIVER), args);
    }
    // Reads lines until one starts with `prefix` or `ms` pass; true when it came.
    bool readUntil(const QString& prefix, int ms)
    {
        QDeadlineTimer deadline(ms);
        while (true) {
            while (process.canReadLine()) {
                lines << QString::fromUtf8(process.readLine()).trimmed();
                if (lines.back().startsWith(prefix)) return true;
            }
            if (deadline.hasExpired() || process.state() == QProcess::NotRunning) return false;
            process.waitForReadyRead(
                static_cast<int>(std::max<qint64>(1, deadline.remainingTime())));
        }
    }
    QStringList withPrefix(const QString& prefix) const
    {
        QStringList found;
        for (const QString& line : lines) {
            if (line.startsWith(prefix)) found << line.mid(prefix.size());
        }
        return found;
    }
    // "row N TEXT" lines as N -> TEXT.
    std::map<int, QString> rows() const
    {
        std::map<int, QString> out;
        for (const QString& line : withPrefix(QStringLiteral("row "))) {
            const qsizetype blank = line.indexOf(QLatin1Char(' '));
            out[line.left(blank).toInt()] = blank < 0 ? QString() : line.mid(blank + 1);
        }
        return out;
    }
};

QString databaseIn(const QString& folder)
{
    return QDir(folder).filePath(QStringLiteral("Varnholt/Brindlewick.sqlite"));
}

std::uint32_t seedOf()
{
    const QByteArray given = qgetenv("BW_CRASH_SEED");
    return given.isEmpty() ? std::random_device{}() : given.toUInt();
}

TEST(CrashTest, EveryPrintedEditSurvivesAKillAndTheLogStaysWhole)
{
    const std::uint32_t seed = seedOf();
    std::cout << "crash test seed " << seed << " (BW_CRASH_SEED repeats it)" << std::endl;
    std::mt19937 chance(seed);
    std::uniform_int_distribution<int> delayMs(0, 2000);
    QTemporaryDir folder;
    std::map<int, QString> expected; // row -> the last edit printed for it
    std::string printedBeforeKills;
    for (int run = 0; run <= 20; ++run) {
        SCOPED_TRACE(testing::Message() << "run " << run << ", seed " << seed);
        Driver driver;
        driver.start(folder.path(), run, run == 20 ? 0 : kEditsPerRun, true);
        ASSERT_TRUE(driver.readUntil(QStringLiteral("ready"), 20000))
            << driver.lines.join(u'\n').toStdString();
        EXPECT_EQ(driver.lines.back(), QStringLiteral("ready readonly=0"));
        driver.readUntil(QStringLiteral("row %1").arg(kRows - 1), 5000);
        // The start shows every edit printed before the last kill.
        const std::map<int, QString> shown = driver.rows();
        ASSERT_EQ(shown.size(), static_cast<std::size_t>(kRows));
        for (const auto& [row, text] : expected) EXPECT_EQ(shown.at(row), text) << "row " << row;
        if (run == 20) {
            // Where the kills fell: edits finished in each run before its kill.
            std::cout << "edits before each kill: " << printedBeforeKills << std::endl;
            break; // the 21st start only checks the 20th kill
        }
        driver.readUntil(QStringLiteral("never"), delayMs(chance));
        const qint64 pid = driver.process.processId();
        ASSERT_GT(pid, 0) << "the program ended before the kill:\n"
                          << driver.lines.join(u'\n').toStdString()
                          << driver.process.readAllStandardError().toStdString();
        ::kill(static_cast<pid_t>(pid), SIGKILL);
        driver.process.waitForFinished(5000);
        while (driver.process.canReadLine())
            driver.lines << QString::fromUtf8(driver.process.readLine()).trimmed();
        const QStringList edits = driver.withPrefix(QStringLiteral("edit "));
        for (const QString& edit : edits) {
            const QStringList parts = edit.split(QLatin1Char(' '));
            expected[parts[0].toInt()] = parts[1];
        }
        // The edit being typed at the kill may have been kept without being printed.
        const int next = static_cast<int>(edits.size());
        printedBeforeKills += std::to_string(next) + ' ';
        LogDatabase db(databaseIn(folder.path()), LogDatabase::Access::ReadOnly);
        EXPECT_EQ(db.check(false), QStringLiteral("ok"));
        const std::vector<StoredTrip> trips = db.tripsInOrder();
        ASSERT_EQ(trips.size(), static_cast<std::size_t>(kRows));
        const QString unprinted = QStringLiteral("r%1e%2").arg(run).arg(next);
        if (trips[static_cast<std::size_t>(next % kRows)].trip.startingLocation == unprinted) {
            expected[next % kRows] = unprinted;
        }
    }
}

// A start that finds a damaged log, killed at random moments of its recovery: the next
// start finishes or makes the recovery again, shows every trip that can be read and says
// so; nothing is lost and the damaged file is set aside once.
TEST(CrashTest, AKillDuringARecoveryLeavesTheOldStateOrTheNewLogAndTheNextStartSaysSo)
{
    const std::uint32_t seed = seedOf();
    std::cout << "recovery kill seed " << seed << " (BW_CRASH_SEED repeats it)" << std::endl;
    std::mt19937 chance(seed);
    QTemporaryDir folder;
    const QString log = databaseIn(folder.path());
    const QString damaged = folder.filePath(QStringLiteral("damaged.sqlite"));
    {
        QDir().mkpath(QFileInfo(log).absolutePath());
        LogDatabase db(log, LogDatabase::Access::ReadWrite);
        TripChanges changes;
        changes.replaceAll = true;
        changes.meta = {
            {QString::fromLatin1(LogDatabase::kImportPending), QString()},
            {QString::fromLatin1(LogDatabase::kRowCountAtClose), QStringLiteral("12000")}};
        for (int i = 1; i <= 12000; ++i) {
            changes.upserts.push_back({i, double(i),
                                       Trip::fromValues({QStringLiteral("5/14/2026"),
                                                         QStringLiteral("Depot %1").arg(i)})});
        }
        db.apply(changes);
    }
    QFile::copy(log, damaged);
    QFile(damaged).resize(QFileInfo(damaged).size() / 2);
    const auto fresh = [&] {
        QDir config(QFileInfo(log).absolutePath());
        config.removeRecursively();
        QDir().mkpath(config.path());
        QFile::copy(damaged, log);
    };
    // How long a start takes that recovers, to the window.
    fresh();
    QElapsedTimer clock;
    clock.start();
    Driver whole;
    whole.start(folder.path(), 0, 0);
    ASSERT_TRUE(whole.readUntil(QStringLiteral("done"), 60000));
    const int recovered = static_cast<int>(whole.rows().size());
    const qint64 startMs = clock.elapsed();
    ASSERT_GT(recovered, 5000);
    std::uniform_int_distribution<qint64> delayMs(0, startMs);
    std::string where; // per run: the new log in place before the kill (n), or not yet (o)
    for (int run = 1; run <= 8; ++run) {
        SCOPED_TRACE(testing::Message() << "run " << run << ", seed " << seed);
        fresh();
        Driver killed;
        killed.start(folder.path(), run, 0, true);
        killed.readUntil(QStringLiteral("never"), static_cast<int>(delayMs(chance)));
        if (killed.process.processId() > 0)
            ::kill(static_cast<pid_t>(killed.process.processId()), SIGKILL);
        killed.process.waitForFinished(5000);
        const QStringList aside = QFileInfo(log).dir().entryList({QStringLiteral("*.damaged-*")});
        where += QFileInfo::exists(log + QStringLiteral(".recovering")) ? "r "
                 : aside.isEmpty()                                      ? "o "
                                                                        : "n ";
        Driver next;
        next.start(folder.path(), run, 0);
        ASSERT_TRUE(next.readUntil(QStringLiteral("done"), 60000))
            << next.lines.join(u'\n').toStdString();
        EXPECT_TRUE(next.lines.contains(QStringLiteral("ready readonly=0")));
        EXPECT_EQ(static_cast<int>(next.rows().size()), recovered);
        const QStringList notices = next.withPrefix(QStringLiteral("notice: "));
        const bool told = killed.withPrefix(QStringLiteral("notice: ")).size() == 1;
        // Told once: by the killed start when it got as far, else by this one.
        ASSERT_EQ(notices.size() + (told ? 1 : 0), 1) << notices.join(u'\n').toStdString();
        if (!told) {
            EXPECT_TRUE(notices[0].contains(
                QStringLiteral("Trips recovered into a new log: %1 of 12000.").arg(recovered)))
                << notices[0].toStdString();
        }
        const QStringList set = QFileInfo(log).dir().entryList({QStringLiteral("*.damaged-*")});
        EXPECT_LE(set.size(), 1) << set.join(u' ').toStdString();
        LogDatabase db(log, LogDatabase::Access::ReadOnly);
        EXPECT_EQ(db.check(false), QStringLiteral("ok"));
    }
    // o: killed before the recovery began, r: during it (the new log being built),
    // n: after the new log took the log's place.
    std::cout << "state at each kill: " << where << std::endl;
}

TEST(CrashTest, ASecondInstanceGetsTheLogReadOnlyAndTheFirstKeepsItsEdits)
{
    QTemporaryDir folder;
    Driver first;
    first.start(folder.path(), 1, 3, true);
    ASSERT_TRUE(first.readUntil(QStringLiteral("done"), 30000))
        << first.lines.join(u'\n').toStdString();
    EXPECT_TRUE(first.lines.contains(QStringLiteral("ready readonly=0")));
    EXPECT_EQ(first.withPrefix(QStringLiteral("edit ")).size(), 3);

    Driver second;
    second.start(folder.path(), 2, 3);
    ASSERT_TRUE(second.readUntil(QStringLiteral("done"), 30000))
        << second.lines.join(u'\n').toStdString();
    EXPECT_TRUE(second.lines.contains(QStringLiteral("ready readonly=1")));
    EXPECT_EQ(second.rows().at(2), QStringLiteral("r1e2")) << "it sees the first one's edits";
    const QStringList notices = second.withPrefix(QStringLiteral("notice: "));
    ASSERT_EQ(notices.size(), 1);
    EXPECT_NE(notices[0].indexOf(QStringLiteral("open in another Brindlewick window")), -1);
    EXPECT_TRUE(second.withPrefix(QStringLiteral("edit ")).isEmpty());
    EXPECT_TRUE(second.process.waitForFinished(10000));

    first.process.closeWriteChannel(); // the person closes the first window
    ASSERT_TRUE(first.process.waitForFinished(10000));
    EXPECT_EQ(first.process.exitCode(), 0);

    Driver third;
    third.start(folder.path(), 3, 0);
    ASSERT_TRUE(third.readUntil(QStringLiteral("done"), 30000));
    EXPECT_TRUE(third.lines.contains(QStringLiteral("ready readonly=0")));
    const std::map<int, QString> rows = third.rows();
    EXPECT_EQ(rows.at(0), QStringLiteral("r1e0"));
    EXPECT_EQ(rows.at(2), QStringLiteral("r1e2"));
    LogDatabase db(databaseIn(folder.path()), LogDatabase::Access::ReadOnly);
    EXPECT_EQ(db.check(false), QStringLiteral("ok"));
    EXPECT_EQ(db.meta(QString::fromLatin1(LogDatabase::kRowCountAtClose)), QStringLiteral("30"));
}

} // namespace
} // namespace bw
