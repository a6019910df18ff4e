// Tests of the report tool's choice of log: --log by name or file, --logs, the last opened.
#include "logstore/claimstore.h"
#include "logstore/logcatalog.h"
#include "logstore/logdatabase.h"
#include "spreadsheet/formula/formula.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/model/worksheet.h"
#include "spreadsheet/xls/xls.h"
#include "support/fakeplatform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace bw {
namespace {

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class LogOptionTest : public ::testing::Test {
protected:
    // A log in the logs folder holding its employee name and one trip.
    QString makeLog(const QString& name, const QString& employee)
    {
        QDir().mkpath(QFileInfo(platform.settingsFile()).absolutePath());
        QFile settings(platform.settingsFile());
        if (!settings.exists() && settings.open(QIODevice::WriteOnly))
            settings.write("[General]\n");
        settings.close();
        const QString path = LogCatalog().create(name);
        LogDatabase db(path, LogDatabase::Access::ReadWrite);
        db.keepLogFields({{QStringLiteral("EmployeeName"), employee},
                          {QStringLiteral("PeriodFrom"), QStringLiteral("3/1/2026")},
                          {QStringLiteral("PeriodTo"), QStringLiteral("3/31/2026")}});
        TripChanges changes;
        changes.upserts = {
            {1, 1, Trip::fromValues({QStringLiteral("3/2/2026"), name, {}, {}, {}, {}, 12.5})}};
        db.apply(changes);
        return path;
    }
    // The real tool as a script runs it; the settings are this test's unless `config`
    // names another configuration folder.
    QProcess* start(QStringList arguments, const QString& config = QString())
    {
        auto* run = new QProcess;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en"));
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("en_US.UTF-8"));
        if (config.isEmpty()) {
            arguments =
                QStringList{QStringLiteral("--settings"), platform.settingsFile()} + arguments;
        } else {
            env.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
        }
        run->setProcessEnvironment(env);
        run->start(QStringLiteral(BW_REPORT_TOOL), arguments);
        return run;
    }
    int finish(QProcess* run)
    {
        run->waitForFinished(60000);
        out = QString::fromUtf8(run->readAllStandardOutput());
        err = QString::fromUtf8(run->readAllStandardError());
        const int status = run->exitStatus() == QProcess::NormalExit ? run->exitCode() : -1;
        delete run;
        return status;
    }
    int process(const QStringList& arguments, const QString& config = QString())
    {
        return finish(start(arguments, config));
    }
    QString file(const char* name) const
    {
        return QDir(folder.path()).filePath(QString::fromLatin1(name));
    }
    // The employee's name as the report shows it.
    static bool names(const QString& report, const char* employee)
    {
        const auto book = ss::xls::loadWorkbook(report);
        const ss::Cell* cell =
            book ? book->sheet(0).cell(ss::parseA1Range(QStringLiteral("B3"))->first) : nullptr;
        return cell && cell->value == ss::Value::text(QString::fromLatin1(employee));
    }

    test::TestPlatform platform;
    QTemporaryDir folder;
    QString out;
    QString err;
};

TEST_F(LogOptionTest, ALogCopiedElsewhereHoldsTheWholeReportWithoutSettings)
{
    const QString van = makeLog(QStringLiteral("Van"), QStringLiteral("Ada"));
    ASSERT_EQ(process({QStringLiteral("--log"), QStringLiteral("Van"), file("named.xls")}), 0)
        << err.toStdString();
    EXPECT_TRUE(names(file("named.xls"), "Ada"));
    const QTemporaryDir stick;
    const QTemporaryDir noSettings;
    const QString copy = QDir(stick.path()).filePath(QStringLiteral("Van.sqlite"));
    ASSERT_TRUE(QFile::copy(van, copy));
    const QByteArray copied = bytesOf(copy);
    ASSERT_EQ(process({QStringLiteral("--log=") + copy, file("copy.xls")}, noSettings.path()), 0)
        << err.toStdString();
    EXPECT_EQ(bytesOf(file("copy.xls")), bytesOf(file("named.xls"))) << "the file alone is the log";
    EXPECT_TRUE(QDir(noSettings.path()).isEmpty()) << "nothing is written beside the settings";
    EXPECT_EQ(bytesOf(copy), copied) << "read, never changed";
}

TEST_F(LogOptionTest, TheLogsAreListedAndTheLastOpenedIsTheDefault)
{
    const QString van = makeLog(QStringLiteral("Van"), QStringLiteral("Ada"));
    const QString car = makeLog(QStringLiteral("Car"), QStringLiteral("Bo"));
    ASSERT_EQ(process({QStringLiteral("--logs")}), 0) << err.toStdString();
    EXPECT_EQ(out, QStringLiteral("Car\t1\t%1\nVan\t1\t%2\n").arg(car, van));
    LogCatalog().opened(van);
    ASSERT_EQ(process({file("last.xls")}), 0) << err.toStdString();
    EXPECT_TRUE(names(file("last.xls"), "Ada"));
    EXPECT_EQ(process({QStringLiteral("--log"), QStringLiteral("Lorry"), file("x.xls")}), 2);
    EXPECT_TRUE(err.contains(QStringLiteral("no log called Lorry"))) << err.toStdString();
    EXPECT_EQ(process({QStringLiteral("--logs"), QStringLiteral("--log=Van")}), 2);
    EXPECT_FALSE(QFile::exists(file("x.xls")));
}

TEST_F(LogOptionTest, TwoProcessesWriteTwoLogsAtOnce)
{
    const QString van = makeLog(QStringLiteral("Van"), QStringLiteral("Ada"));
    const QString car = makeLog(QStringLiteral("Car"), QStringLiteral("Bo"));
    QProcess* first =
        start({QStringLiteral("--log=Van"), QStringLiteral("--record-claim"), file("van.xls")});
    QProcess* second =
        start({QStringLiteral("--log=Car"), QStringLiteral("--record-claim"), file("car.xls")});
    const int firstStatus = finish(first);
    EXPECT_EQ(firstStatus, 0) << err.toStdString();
    EXPECT_EQ(finish(second), 0) << err.toStdString();
    for (const auto& [log, employee] : {std::pair{van, "Ada"}, std::pair{car, "Bo"}}) {
        LogDatabase db(log, LogDatabase::Access::ReadOnly);
        const std::vector<Claim> claims = ClaimStore(db).claims();
        ASSERT_EQ(claims.size(), 1u) << log.toStdString();
        EXPECT_EQ(claims.front().employeeName, QString::fromLatin1(employee));
    }
}

} // namespace
} // namespace bw
