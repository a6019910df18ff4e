// The real program killed at random moments while a person types into its grid, and two
// of it running at once: no finished edit is lost and the log is never damaged.
#include "core/logdatabase.h"

#include <QDeadlineTimer>
#include <QDir>
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
