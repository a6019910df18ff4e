// Tests of the log's own fields: moved from the settings into the log once, then kept there.
#include "logstore/logdatabase.h"
#include "logstore/settingsstore.h"
#include "support/fakeplatform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace bw {
namespace {

QString fileText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void writeIni(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

constexpr char kIni[] = "[General]\nEmployeeName=Ada\nRatePerMile=\"0,585\"\nEntryLocale=de_DE\n"
                        "LastLog=/somewhere/Van.sqlite\n";

enum class Found { NoLog, EarlierLog, MovedButIniKept };

TEST(LogFields, AreMovedOnceIntoTheLogBesideTheSettingsAndTheLogWinsAfter)
{
    struct Case {
        const char* name;
        Found found;
        bool beside;
        QString before; // the name read before the log is opened
        QString kept;   // the name the log keeps
    };
    for (const Case& c :
         {Case{"first start", Found::NoLog, true, "Ada", "Ada"},
          Case{"an earlier log", Found::EarlierLog, true, "Ada", "Ada"},
          Case{"killed after the log committed", Found::MovedButIniKept, true, "Ada 2", "Ada 2"},
          Case{"another log", Found::EarlierLog, false, "", ""}}) {
        test::TestPlatform env;
        const QString ini = env.settingsFile();
        writeIni(ini, kIni);
        const QString log = c.beside
                                ? LogDatabase::pathFor(ini)
                                : QFileInfo(ini).dir().filePath(QStringLiteral("logs/V.sqlite"));
        QDir().mkpath(QFileInfo(log).absolutePath());
        if (c.found != Found::NoLog) {
            LogDatabase earlier(log, LogDatabase::Access::ReadWrite);
            if (c.found == Found::MovedButIniKept)
                earlier.keepLogFields({{QStringLiteral("EmployeeName"), QStringLiteral("Ada 2")}},
                                      LogDatabase::FieldsWrite::MoveIn);
        }
        {
            LogDatabase db(log, LogDatabase::Access::ReadWrite);
            SettingsStore store(log);
            EXPECT_EQ(store.GetSetting(QStringLiteral("EmployeeName")), c.before) << c.name;
            EXPECT_EQ(store.attachLog(&db, true), QString()) << c.name;
            store.SaveSetting(QStringLiteral("VehicleDescription"), QStringLiteral("Van"));
            EXPECT_EQ(store.GetSetting(QStringLiteral("EmployeeName")), c.kept) << c.name;
        }
        const QString left = fileText(ini);
        EXPECT_EQ(left.contains(QStringLiteral("EmployeeName")), !c.beside) << c.name;
        EXPECT_FALSE(left.contains(QStringLiteral("VehicleDescription"))) << c.name;
        EXPECT_TRUE(left.contains(QStringLiteral("LastLog="))) << c.name << ": the program's key";
        EXPECT_EQ(fileText(ini + QStringLiteral(".imported")).contains(QStringLiteral("Ada")),
                  c.beside)
            << c.name << ": a copy is kept";
        LogDatabase reader(log, LogDatabase::Access::ReadOnly);
        const std::map<QString, QString> fields = reader.logFields();
        EXPECT_EQ(fields.count(QStringLiteral("EmployeeName"))
                      ? fields.at(QStringLiteral("EmployeeName"))
                      : QString(),
                  c.kept)
            << c.name;
        EXPECT_EQ(fields.at(QStringLiteral("VehicleDescription")), "Van") << c.name;
        EXPECT_EQ(fields.count(QStringLiteral("RatePerMile")), c.beside ? 1u : 0u) << c.name;
        // Settings written beside it later (an earlier version ran) are not asked.
        writeIni(ini, "[General]\nEmployeeName=Stale\nVehicleDescription=Old\n");
        const SettingsStore again(log);
        EXPECT_EQ(again.GetSetting(QStringLiteral("EmployeeName")), c.kept) << c.name;
        EXPECT_EQ(again.GetSetting(QStringLiteral("VehicleDescription")), "Van") << c.name;
    }
}

TEST(LogFields, ALogOpenReadOnlyKeepsNoFieldAndSaysWhy)
{
    test::TestPlatform env;
    const QString log = LogDatabase::pathFor(env.settingsFile());
    QDir().mkpath(QFileInfo(log).absolutePath());
    {
        LogDatabase db(log, LogDatabase::Access::ReadWrite);
        db.keepLogFields({{QStringLiteral("EmployeeName"), QStringLiteral("Ada")}},
                         LogDatabase::FieldsWrite::MoveIn);
    }
    LogDatabase shown(log, LogDatabase::Access::ReadOnly);
    SettingsStore store(log);
    store.attachLog(&shown, false);
    try {
        store.SaveSetting(QStringLiteral("EmployeeName"), QStringLiteral("Bo"));
        ADD_FAILURE() << "a read-only log took the field";
    } catch (const SettingsError& failure) {
        EXPECT_TRUE(QString::fromUtf8(failure.what()).contains(QStringLiteral("read-only")));
    }
    EXPECT_FALSE(store.hasPending()) << "nothing waits for a write that cannot come";
    EXPECT_EQ(SettingsStore(log).GetSetting(QStringLiteral("EmployeeName")), "Ada");
    EXPECT_FALSE(fileText(env.settingsFile()).contains(QStringLiteral("Bo")));
}

} // namespace
} // namespace bw
