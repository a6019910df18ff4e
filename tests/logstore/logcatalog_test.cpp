// Tests of the known logs: listing, new logs, names refused, rename and the trash.
#include "logstore/logbackup.h"
#include "logstore/logcatalog.h"
#include "logstore/logdatabase.h"
#include "platform/datetext.h"
#include "support/fakeplatform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace bw {
namespace {

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class LogCatalogTest : public ::testing::Test {
protected:
    // The default log with two trips, a blank row, its vehicle, unit and a rate.
    void makeDefaultLog()
    {
        QDir().mkpath(QFileInfo(catalog.defaultLog()).absolutePath());
        LogDatabase db(catalog.defaultLog(), LogDatabase::Access::ReadWrite);
        TripChanges changes;
        changes.upserts = {
            {1, 1, Trip::fromValues({dateToText(QDate(2026, 3, 1)), QStringLiteral("A")})},
            {2, 2, Trip::fromValues({dateToText(QDate(2026, 3, 9)), QStringLiteral("B")})},
            {3, 3, Trip{}}};
        changes.meta = LogDatabase::unitsMeta({DistanceUnit::Kilometres, {QStringLiteral("€")}});
        db.apply(changes);
        db.replaceRateChanges({{QDate(2026, 1, 1), 0.3}});
        db.keepLogFields({{QStringLiteral("VehicleDescription"), QStringLiteral("Bus")},
                          {QStringLiteral("EmployeeName"), QStringLiteral("Ada")}},
                         LogDatabase::FieldsWrite::MoveIn);
    }
    QStringList logsFolderEntries() const
    {
        return QDir(catalog.logsFolder())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    test::TestPlatform env;
    QTemporaryDir elsewhere;
    LogCatalog catalog;
};

TEST_F(LogCatalogTest, NewLogsAreListedWithTheirFieldsAndNoTrips)
{
    makeDefaultLog();
    const QString van = catalog.create(QStringLiteral("Van"));
    const QString car =
        catalog.create(QStringLiteral("Car"), elsewhere.path(), catalog.defaultLog());
    EXPECT_EQ(van, QDir(catalog.logsFolder()).filePath(QStringLiteral("Van.sqlite")));
    EXPECT_EQ(QFileInfo(catalog.logsFolder()).permissions() & 0077, 0) << "the folder is private";
    EXPECT_EQ(logsFolderEntries(), QStringList{QStringLiteral("Van.sqlite")})
        << "nothing staged is left";
    EXPECT_EQ(catalog.paths(), QStringList({catalog.defaultLog(), van, car})) << "remembered";
    const std::vector<LogListing> listed = catalog.list();
    ASSERT_EQ(listed.size(), 3u);
    EXPECT_EQ(listed[0].name, "Brindlewick");
    EXPECT_EQ(listed[0].vehicle, "Bus");
    EXPECT_EQ(listed[0].trips, 2) << "the blank row is no trip";
    EXPECT_EQ(listed[0].latest, QDate(2026, 3, 9));
    EXPECT_EQ(listed[1].trips, 0);
    EXPECT_EQ(listed[1].vehicle, QString());
    EXPECT_EQ(listed[2].vehicle, "Bus") << "the employee data come along";
    EXPECT_EQ(listed[2].trips, 0) << "but no trip";
    LogDatabase copy(car, LogDatabase::Access::ReadOnly);
    EXPECT_EQ(copy.units().distance, DistanceUnit::Kilometres);
    EXPECT_EQ(copy.rateChanges(), std::vector<RateChange>({{QDate(2026, 1, 1), 0.3}}));
    EXPECT_EQ(copy.tripCount(), 30) << "the rows a new log starts with";
    EXPECT_EQ(catalog.find(QStringLiteral("van")), van);
    EXPECT_EQ(catalog.lastOpened(), catalog.defaultLog());
    catalog.opened(car);
    EXPECT_EQ(LogCatalog().lastOpened(), car);

    // Every log backs up beside the settings, named by the log, wherever it lies.
    const QString settingsBackups =
        QFileInfo(catalog.defaultLog()).dir().filePath(QStringLiteral("backups"));
    for (const QString& log : {catalog.defaultLog(), van, car}) {
        LogDatabase db(log, LogDatabase::Access::ReadWrite);
        const BackupResult made =
            backUpNow(db.database(), QDateTime(QDate(2026, 3, 14), QTime(9, 0)));
        ASSERT_TRUE(made.ok) << made.error.toStdString();
        EXPECT_EQ(made.path, QDir(settingsBackups)
                                 .filePath(LogCatalog::nameOf(log)
                                           + QStringLiteral("-20260314-090000.sqlite")));
        EXPECT_EQ(BackupLocation::of(log).files().size(), 1) << "each lists its own";
    }
}

TEST_F(LogCatalogTest, BadNamesAreRefusedWithTheReasonAndNothingIsMade)
{
    makeDefaultLog();
    catalog.create(QStringLiteral("Van"));
    const QStringList before = logsFolderEntries();
    const struct {
        QString name;
        const char* reason;
    } cases[] = {{QString(), "needs a name"},
                 {QStringLiteral("   "), "needs a name"},
                 {QStringLiteral("a/b"), "path separator"},
                 {QStringLiteral("a\\b"), "path separator"},
                 {QStringLiteral(".van"), "begin with a period"},
                 {QStringLiteral("v\tan"), "control characters"},
                 {QString(201, QLatin1Char('x')), "at most 200 bytes"},
                 {QStringLiteral("VAN"), "exists already"},
                 {QStringLiteral("brindlewick"), "exists already"}};
    for (const auto& c : cases) {
        EXPECT_TRUE(catalog.nameProblem(c.name).contains(QLatin1String(c.reason)))
            << c.name.toStdString() << ": " << catalog.nameProblem(c.name).toStdString();
        EXPECT_THROW(catalog.create(c.name), LogCatalogError) << c.name.toStdString();
        EXPECT_THROW(catalog.rename(catalog.find(QStringLiteral("Van")), c.name), LogCatalogError)
            << c.name.toStdString();
        EXPECT_EQ(logsFolderEntries(), before) << c.name.toStdString();
    }
    EXPECT_THROW(catalog.rename(catalog.defaultLog(), QStringLiteral("Bus")), LogCatalogError)
        << "the default log keeps its name";
}

TEST_F(LogCatalogTest, AFileThatIsNoLogIsRefusedAndLeftUntouched)
{
    const QString text = QDir(elsewhere.path()).filePath(QStringLiteral("notes.sqlite"));
    const QString foreign = QDir(elsewhere.path()).filePath(QStringLiteral("other.sqlite"));
    writeFile(text, "not a database at all\n");
    {
        sql::Database other(foreign, sql::Database::Open::ReadWrite);
        other.exec("CREATE TABLE t (x); PRAGMA user_version = 3;");
    }
    const QByteArray foreignBytes = bytesOf(foreign);
    for (const QString& file : {text, foreign, elsewhere.path()}) {
        EXPECT_FALSE(LogCatalog::notALog(file).isEmpty()) << file.toStdString();
        EXPECT_THROW(catalog.opened(file), LogCatalogError) << file.toStdString();
        EXPECT_THROW(catalog.resolve(file), LogCatalogError) << file.toStdString();
    }
    EXPECT_EQ(bytesOf(text), "not a database at all\n");
    EXPECT_EQ(bytesOf(foreign), foreignBytes);
    EXPECT_EQ(QDir(elsewhere.path()).entryList(QDir::Files).size(), 2) << "nothing made beside";
    EXPECT_EQ(catalog.paths(), QStringList{catalog.defaultLog()}) << "none is remembered";
    writeFile(QDir(catalog.logsFolder()).filePath(QStringLiteral("junk.sqlite")), "junk");
    EXPECT_FALSE(catalog.list().back().problem.isEmpty()) << "listed with why it is no log";
    EXPECT_THROW(catalog.resolve(QStringLiteral("Nowhere")), LogCatalogError);
}

TEST_F(LogCatalogTest, RenameTakesTheWriteAheadFilesAlongAndWaitsForTheLogToClose)
{
    const QString van = catalog.create(QStringLiteral("Van"));
    catalog.opened(van);
    writeFile(van + QStringLiteral("-wal"), "w");
    writeFile(van + QStringLiteral("-shm"), "s");
    {
        const InstanceLock open(van, InstanceLock::Holder::Program);
        ASSERT_TRUE(open.held());
        EXPECT_THROW(catalog.rename(van, QStringLiteral("Lorry")), LogCatalogError);
        EXPECT_TRUE(QFile::exists(van));
    }
    const QString lorry = catalog.rename(van, QStringLiteral("Lorry"));
    EXPECT_EQ(QFileInfo(lorry).fileName(), "Lorry.sqlite");
    EXPECT_EQ(bytesOf(lorry + QStringLiteral("-wal")), "w");
    EXPECT_EQ(bytesOf(lorry + QStringLiteral("-shm")), "s");
    EXPECT_EQ(logsFolderEntries(),
              QStringList({"Lorry.sqlite", "Lorry.sqlite-shm", "Lorry.sqlite-wal"}));
    EXPECT_EQ(LogCatalog().lastOpened(), lorry) << "the last opened log follows its name";
}

TEST_F(LogCatalogTest, MoveToTrashTakesTheFilesAndNeverTheOpenLog)
{
    const QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toUtf8());
    const QString van = catalog.create(QStringLiteral("Van"));
    const QString car = catalog.create(QStringLiteral("Car"), elsewhere.path());
    writeFile(van + QStringLiteral("-wal"), "w");
    const QByteArray bytes = bytesOf(van);
    EXPECT_THROW(catalog.moveToTrash(van, van), LogCatalogError) << "the open log stays";
    catalog.moveToTrash(van, car);
    catalog.moveToTrash(car, QString());
    EXPECT_FALSE(QFile::exists(van));
    EXPECT_FALSE(QFile::exists(van + QStringLiteral("-wal")));
    const QDir trash(QDir(data.path()).filePath(QStringLiteral("Trash/files")));
    EXPECT_EQ(bytesOf(trash.filePath(QStringLiteral("Van.sqlite"))), bytes);
    EXPECT_EQ(bytesOf(trash.filePath(QStringLiteral("Van.sqlite-wal"))), "w");
    EXPECT_EQ(catalog.paths(), QStringList{catalog.defaultLog()}) << "forgotten";

    // Where no trash can be made, the file stays and the error says so.
    const QString bus = catalog.create(QStringLiteral("Bus"));
    writeFile(QDir(data.path()).filePath(QStringLiteral("blocked")), "a file, not a folder");
    qputenv("XDG_DATA_HOME", QDir(data.path()).filePath(QStringLiteral("blocked/x")).toUtf8());
    try {
        catalog.moveToTrash(bus, QString());
        ADD_FAILURE() << "moved without a trash";
    } catch (const LogCatalogError& failure) {
        EXPECT_TRUE(QString::fromUtf8(failure.what()).contains(QStringLiteral("stays")));
    }
    EXPECT_TRUE(QFile::exists(bus));
    qunsetenv("XDG_DATA_HOME");
}

} // namespace
} // namespace bw
