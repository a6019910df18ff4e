// Tests of the report tool's claims: recording one, listing them, making one again the
// same whatever the log and the locale are now, and the chain check of the real program
// finding changes made beside it.
#include "logstore/claimstore.h"
#include "logstore/logdatabase.h"
#include "logstore/settingsstore.h"
#include "support/fakeplatform.h"
#include "tools/inprocesstool.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

namespace bw {
namespace {

const QString kSameCells = QStringLiteral(BW_TEST_DATA_DIR "/../tools/same_cells.py");

StoredTrip trip(qint64 id, const char* date, const char* to, double miles)
{
    return StoredTrip{
        id, static_cast<double>(id),
        Trip::fromValues({QString::fromLatin1(date), QStringLiteral("Depot"),
                          QString::fromLatin1(to), QStringLiteral("Visit"), QStringLiteral("1000"),
                          QStringLiteral("1012.5"), miles, miles * 0.585})};
}

class ClaimToolTest : public test::InProcessToolTest {
protected:
    void SetUp() override
    {
        SettingsStore store;
        SettingsStore::Batch batch(store);
        for (const auto& [key, value] : {std::pair{"EmployeeName", "Ada Quill"},
                                         {"EmployeeID", "00042"},
                                         {"RatePerMile", "0.585"},
                                         {"VehicleDescription", "Blue van"}}) {
            store.SaveSetting(QString::fromLatin1(key), QString::fromLatin1(value));
        }
        batch.commit();
        change(
            TripChanges{{trip(1, "3/2/2026", "Harbour", 12.5), trip(2, "3/3/2026", "Mill", 7.25)},
                        {},
                        true,
                        {{QString::fromLatin1(LogDatabase::kImportPending), {}}}});
    }

    void change(const TripChanges& changes)
    {
        LogDatabase db(LogDatabase::defaultPath(), LogDatabase::Access::ReadWrite);
        db.apply(changes);
    }

    // The real program, as a script runs it, speaking English (the words read here); with
    // a `locale`, on a desktop of that locale.
    int process(QStringList arguments, const char* locale = nullptr)
    {
        QProcess run;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en"));
        if (locale) env.insert(QStringLiteral("LC_ALL"), QString::fromLatin1(locale));
        run.setProcessEnvironment(env);
        arguments.prepend(platform.settingsFile());
        arguments.prepend(QStringLiteral("--settings"));
        run.start(QStringLiteral(BW_REPORT_TOOL), arguments);
        run.waitForFinished(60000);
        out = QString::fromUtf8(run.readAllStandardOutput());
        err = QString::fromUtf8(run.readAllStandardError());
        return run.exitStatus() == QProcess::NormalExit ? run.exitCode() : -1;
    }

    QString file(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    static int sameCells(const QString& a, const QString& b)
    {
        return QProcess::execute(QStringLiteral("/usr/bin/python3"), {kSameCells, a, b});
    }

    test::TestPlatform platform;
    QTemporaryDir folder;
    QDir dir{folder.path()};
};

TEST_F(ClaimToolTest, TheChainCheckOfTheProgramFindsChangesMadeBesideIt)
{
    ASSERT_EQ(process({QStringLiteral("--record-claim"), file("a.xls")}), 0) << err.toStdString();
    EXPECT_TRUE(err.contains(QStringLiteral("recorded claim 1"))) << err.toStdString();
    StoredTrip edited = trip(1, "3/2/2026", "Airport", 12.5);
    change(TripChanges{{edited}, {}, false, {}});
    ASSERT_EQ(process({QStringLiteral("--check-history")}), 0) << err.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("Claims: 1\nChain length: 3\nChain head: ")))
        << out.toStdString();
    const QString head = out.section(QStringLiteral("Chain head: "), 1).trimmed();
    EXPECT_EQ(head.size(), 64);

    struct Case {
        const char* what;
        const char* read;
        const char* write; // ?1: the new value
        const char* failure;
    };
    for (const Case& c :
         {Case{"a trail entry", "SELECT new_text FROM trail WHERE number = 1",
               "UPDATE trail SET new_text = ?1 WHERE number = 1", "trail entry 1"},
          Case{"a snapshot trip", "SELECT destination FROM claim_trips WHERE position = 1",
               "UPDATE claim_trips SET destination = ?1 WHERE position = 1", "claim 1"}}) {
        const auto set = [&](const QVariant& value) {
            LogDatabase db(LogDatabase::defaultPath(), LogDatabase::Access::ReadWrite);
            sql::Statement write(db.database(), c.write);
            write.bind(1, value);
            write.run();
        };
        QVariant kept;
        {
            LogDatabase db(LogDatabase::defaultPath(), LogDatabase::Access::ReadOnly);
            kept = db.database().scalar(c.read);
        }
        set(QStringLiteral("Somewhere else"));
        EXPECT_EQ(process({QStringLiteral("--check-history")}), 3) << c.what;
        EXPECT_TRUE(err.contains(QStringLiteral("from %1 on").arg(QLatin1String(c.failure))))
            << c.what << ": " << err.toStdString();
        EXPECT_TRUE(out.contains(head)) << c.what << ": the stored head is still printed";
        set(kept);
        EXPECT_EQ(process({QStringLiteral("--check-history")}), 0) << c.what << " put back";
    }
}

TEST_F(ClaimToolTest, TheSummaryOfATaxYearCountsTheClaimedAndPaidAmountsOfTheLog)
{
    ASSERT_EQ(process({QStringLiteral("--record-claim"), file("a.xls")}, "en_US.UTF-8"), 0)
        << err.toStdString();
    {
        LogDatabase db(LogDatabase::defaultPath(), LogDatabase::Access::ReadWrite);
        db.setTaxYearStart({4, 6});
        ClaimStore(db).markPaid(1, QDateTime(QDate(2026, 4, 1), QTime(9, 0), Qt::UTC));
    }
    // The log's dates are read as the user's desktop writes them.
    ASSERT_EQ(process({QStringLiteral("--summary"), QStringLiteral("2025")}, "en_US.UTF-8"), 0)
        << err.toStdString();
    const QStringList lines = out.split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 15) << out.toStdString();
    EXPECT_EQ(lines[1], "2025-04,0,0,0.00,0.00,0.00,0.00");
    // 3/2 and 3/3 fall in the tax month of 6 February to 5 March.
    EXPECT_EQ(lines[11], "2026-02,2,19.75,11.55,11.55,11.55,0.00");
    EXPECT_EQ(lines[13], "Total,2,19.75,11.55,11.55,11.55,0.00");
    ASSERT_EQ(process({QStringLiteral("--claims")}), 0);
    EXPECT_TRUE(out.contains(QStringLiteral("\t$11.55\t"))) << "the claim's own total";
}

// The chain cannot see its own end cut off; a head kept elsewhere can. A row no link
// covers is found by the chain itself.
TEST_F(ClaimToolTest, AKeptHeadFindsTheChainsEndCutOffAndOrphansAreFlagged)
{
    const auto head = [&] {
        EXPECT_EQ(tool({QStringLiteral("--check-history")}), 0) << err.toStdString();
        return out.section(QStringLiteral("Chain head: "), 1).trimmed();
    };
    ASSERT_EQ(tool({QStringLiteral("--record-claim"), file("a.xls")}), 0) << err.toStdString();
    const QString first = head();
    ASSERT_EQ(tool({QStringLiteral("--record-claim"), file("b.xls")}), 0) << err.toStdString();
    const QString second = head();
    EXPECT_EQ(tool({QStringLiteral("--check-history"), QStringLiteral("--head"), first.toUpper()}),
              0)
        << err.toStdString();
    const QString log = LogDatabase::defaultPath();
    ASSERT_TRUE(QFile::copy(log, file("whole.sqlite")));
    struct Case {
        const char* what;
        const char* sql;
        int plain;        // --check-history alone
        QString kept;     // the head given with --head
        const char* says; // on standard error
    };
    for (const Case& c :
         {Case{"the last claim cut off with its links",
               "DELETE FROM claim_files WHERE claim = 2; DELETE FROM claim_trips WHERE claim = 2;"
               " DELETE FROM claims WHERE number = 2;"
               " DELETE FROM chain WHERE link > (SELECT link FROM chain WHERE kind = 'claim'"
               " AND ref = 2) - 1",
               0, second, "no longer holds the head"},
          Case{"every claim table emptied",
               "DELETE FROM chain; DELETE FROM claim_files; DELETE FROM claim_trips;"
               " DELETE FROM claims",
               0, first, "no longer holds the head"},
          Case{"a claim trip without its claim",
               "INSERT INTO claim_trips (claim, position, trip_id) VALUES (9, 0, 1)",
               3,
               {},
               "trip 0 of claim 9 (not in the chain)"}}) {
        {
            LogDatabase db(log, LogDatabase::Access::ReadWrite);
            db.database().exec("PRAGMA foreign_keys = OFF");
            db.database().exec(c.sql);
        }
        EXPECT_EQ(tool({QStringLiteral("--check-history")}), c.plain) << c.what;
        if (!c.kept.isEmpty()) {
            EXPECT_EQ(tool({QStringLiteral("--check-history"), QStringLiteral("--head"), c.kept}),
                      3)
                << c.what;
        }
        EXPECT_TRUE(err.contains(QLatin1String(c.says))) << c.what << ": " << err.toStdString();
        for (const char* side : {"-wal", "-shm"}) QFile::remove(log + QLatin1String(side));
        ASSERT_TRUE(QFile::remove(log) && QFile::copy(file("whole.sqlite"), log));
    }
}

TEST_F(ClaimToolTest, MistakesAndABusyLogWriteNothing)
{
    ASSERT_EQ(tool({QStringLiteral("--record-claim"), file("first.pdf")}), 0) << err.toStdString();
    ASSERT_EQ(tool({QStringLiteral("--claims")}), 0);
    EXPECT_TRUE(out.startsWith(QStringLiteral("1\t2026-03-14T10:30:00Z\t2026-03-14 to 2026-03-14\t"
                                              "2 trips\t$11.55\t")))
        << out.toStdString();
    EXPECT_TRUE(out.contains(file("first.pdf"))) << out.toStdString();

    const QString output = file("never.xls");
    struct Case {
        QStringList arguments;
        int status;
        const char* says;
    };
    const QString claim = QStringLiteral("--claim");
    for (const Case& c : std::vector<Case>{
             {{claim, QStringLiteral("0"), output}, 2, "from 1 on"},
             {{claim, QStringLiteral("-3"), output}, 2, "from 1 on"},
             {{claim, QStringLiteral("99"), output}, 2, "there is no claim 99"},
             {{claim, QStringLiteral("1")}, 2, "the output file is missing"},
             {{claim, QStringLiteral("1"), file("never.txt")}, 2, "must end in"},
             {{claim, QStringLiteral("1"), file("missing/never.xls")}, 1, "missing"},
             {{QStringLiteral("--claims"), output}, 2, "take no output file"},
             {{QStringLiteral("--claims"), QStringLiteral("--unit"), QStringLiteral("km")},
              2,
              "no report options"},
             {{QStringLiteral("--check-history"), QStringLiteral("--currency"),
               QStringLiteral("€")},
              2,
              "no report options"},
             {{claim, QStringLiteral("1"), QStringLiteral("--currency"), QStringLiteral("€"),
               output},
              2,
              "takes no report options"},
             {{claim, QStringLiteral("1"), QStringLiteral("--unit"), QStringLiteral("km"), output},
              2,
              "takes no report options"},
             {{QStringLiteral("--check-history"), QStringLiteral("--claims")}, 2, "only one of"},
             {{QStringLiteral("--record-claim"), QStringLiteral("--sample"), output},
              2,
              "stored trips only"},
             {{QStringLiteral("--check-history"), QStringLiteral("--head"), QString(63, u'a')},
              2,
              "64 hex digits"},
             {{QStringLiteral("--check-history"), QStringLiteral("--head=") + QString(64, u'g')},
              2,
              "64 hex digits"},
             {{QStringLiteral("--claims"), QStringLiteral("--head"), QString(64, u'a')},
              2,
              "goes with --check-history"},
         }) {
        EXPECT_EQ(tool(c.arguments), c.status) << c.arguments.join(u' ').toStdString();
        EXPECT_TRUE(err.contains(QString::fromLatin1(c.says))) << err.toStdString();
        EXPECT_FALSE(QFile::exists(c.arguments.last())) << c.arguments.join(u' ').toStdString();
    }

    for (const auto& [holder, says] :
         {std::pair{InstanceLock::Holder::Program, "is open in the program"},
          std::pair{InstanceLock::Holder::ReportTool, "is being written by another"}}) {
        const InstanceLock other(LogDatabase::defaultPath(), holder);
        ASSERT_TRUE(other.held());
        EXPECT_EQ(tool({QStringLiteral("--record-claim"), output}), 1);
        EXPECT_TRUE(err.contains(QLatin1String(says))) << err.toStdString();
    }
    {
        LogDatabase db(LogDatabase::defaultPath(), LogDatabase::Access::ReadOnly);
        EXPECT_EQ(ClaimStore(db).claims().size(), 1u) << "no claim recorded while the log is busy";
    }

    // A log that cannot be read is another failure, not a broken chain.
    QFile::remove(LogDatabase::defaultPath() + QStringLiteral("-wal"));
    QFile::remove(LogDatabase::defaultPath() + QStringLiteral("-shm"));
    QFile damage(LogDatabase::defaultPath());
    ASSERT_TRUE(damage.open(QIODevice::WriteOnly | QIODevice::Truncate));
    damage.write(QByteArray(8192, 'd'));
    damage.close();
    for (const char* command : {"--check-history", "--claims"}) {
        EXPECT_EQ(tool({QString::fromLatin1(command)}), 1) << command;
        EXPECT_TRUE(err.contains(QStringLiteral("is not a log database"))) << err.toStdString();
    }
}

// A German desktop speaking English: Qt names its locale after LANGUAGE (en_US), but its
// numbers and dates are German, and so is the claim made again.
TEST_F(ClaimToolTest, AClaimOfADesktopSpeakingAnotherLanguageIsMadeAgainTheSame)
{
    ASSERT_EQ(process({QStringLiteral("--record-claim"), file("a.xls")}, "de_DE.UTF-8"), 0)
        << err.toStdString();
    ASSERT_EQ(process({QStringLiteral("--claim"), QStringLiteral("1"), file("b.xls")}, "C.UTF-8"),
              0)
        << err.toStdString();
    EXPECT_EQ(sameCells(file("a.xls"), file("b.xls")), 0);
}

TEST_F(ClaimToolTest, AClaimIsMadeAgainCellForCellAfterTheLogAndLocaleChanged)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    ASSERT_EQ(tool({QStringLiteral("--record-claim"), file("a.xls")}), 0) << err.toStdString();
    ASSERT_EQ(tool({file("a.xlsx")}), 0) << err.toStdString();

    change(TripChanges{{trip(1, "3/2/2026", "Airport", 99)}, {2}, false, {}});
    {
        LogDatabase db(LogDatabase::defaultPath(), LogDatabase::Access::ReadWrite);
        db.replaceRateChanges({{QDate(2026, 1, 1), 0.7}});
        db.setUnits({DistanceUnit::Kilometres, {QStringLiteral("€"), false, true}});
    }
    QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
    for (const char* name : {"b.xls", "b.xlsx", "b.pdf"}) {
        ASSERT_EQ(tool({QStringLiteral("--claim"), QStringLiteral("1"), file(name)}), 0)
            << err.toStdString();
    }
    QFile pdf(file("b.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
    EXPECT_EQ(QLocale().name(), QStringLiteral("de_DE")) << "the locale is given back";
    ASSERT_EQ(tool({file("now.xls")}), 0) << err.toStdString();
    QLocale::setDefault(before);

    EXPECT_EQ(sameCells(file("a.xls"), file("b.xls")), 0);
    EXPECT_EQ(sameCells(file("a.xlsx"), file("b.xlsx")), 0);
    EXPECT_EQ(sameCells(file("a.xls"), file("now.xls")), 1) << "the log and locale did change";

    // A claim made in kilometres and euros keeps them when the log goes back to miles.
    QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    ASSERT_EQ(tool({QStringLiteral("--record-claim"), file("c.xls")}), 0) << err.toStdString();
    LogDatabase(LogDatabase::defaultPath(), LogDatabase::Access::ReadWrite)
        .setUnits({DistanceUnit::Miles, {QStringLiteral("£"), true, false}});
    ASSERT_EQ(tool({QStringLiteral("--claim"), QStringLiteral("2"), file("d.xls")}), 0)
        << err.toStdString();
    QLocale::setDefault(before);
    EXPECT_EQ(sameCells(file("c.xls"), file("d.xls")), 0);

    // Each claim's total in the currency its own report named.
    ASSERT_EQ(tool({QStringLiteral("--claims")}), 0);
    const QStringList lines = out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2) << out.toStdString();
    EXPECT_EQ(lines[0].section(u'\t', 4, 4), QStringLiteral("$11.55"));
    EXPECT_EQ(lines[1].section(u'\t', 4, 4), QStringLiteral("57.92 €"));
}

} // namespace
} // namespace bw
