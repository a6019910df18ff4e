// Tests of date texts in every locale, the private temporary folder and error sentences.
#include "platform/datetext.h"
#include "platform/oserror.h"
#include "platform/tempfolder.h"
#include "support/fakeplatform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <cerrno>
#include <ostream>
#include <stdexcept>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace bw {
namespace {

using test::TestPlatform;

struct LocaleCase {
    const char* name;
    QLocale locale;
    const char* may14; // 14 May 2016 as the program writes it
};

void PrintTo(const LocaleCase& c, std::ostream* os) { *os << c.name; }

class DateText : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(DateText, WritesAFourDigitYearAndReadsItBack)
{
    TestPlatform env;
    const QLocale& locale = GetParam().locale;
    EXPECT_EQ(dateToText(QDate(2016, 5, 14), locale), QString::fromUtf8(GetParam().may14));
    for (const QDate date : {QDate(2016, 5, 14), QDate(1916, 1, 2), QDate(2116, 12, 31),
                             QDate(2000, 2, 29), QDate(1999, 11, 30)}) {
        const QString text = dateToText(date, locale);
        EXPECT_TRUE(text.contains(QString::number(date.year()))) << text.toStdString();
        EXPECT_EQ(textToDate(text, locale), date) << text.toStdString();
    }
    EXPECT_EQ(textToDate(QStringLiteral(" 2016-05-14 "), locale), QDate(2016, 5, 14));
    EXPECT_FALSE(textToDate(QStringLiteral("sometime"), locale).isValid());
    EXPECT_FALSE(textToDate(QString(), locale).isValid());
}

INSTANTIATE_TEST_SUITE_P(
    Locales, DateText,
    ::testing::Values(
        LocaleCase{"UnitedStates", QLocale(QLocale::English, QLocale::UnitedStates), "5/14/2016"},
        LocaleCase{"Germany", QLocale(QLocale::German, QLocale::Germany), "14.05.2016"},
        LocaleCase{"UnitedKingdom", QLocale(QLocale::English, QLocale::UnitedKingdom),
                   "14/05/2016"},
        LocaleCase{"Japan", QLocale(QLocale::Japanese, QLocale::Japan), "2016/05/14"}),
    [](const ::testing::TestParamInfo<LocaleCase>& tc) { return std::string(tc.param.name); });

TEST(TimeWithSeconds, PutsTheSecondsAfterTheMinutesInTheLocalesOwnForm)
{
    const std::pair<QLocale, const char*> cases[] = {
        {QLocale(QLocale::English, QLocale::UnitedStates), "1:05:09 PM"},
        {QLocale(QLocale::German, QLocale::Germany), "13:05:09"},
        {QLocale(QLocale::Finnish, QLocale::Finland), "13.05.09"},
        {QLocale::c(), "13:05:09"}};
    for (const auto& [locale, text] : cases)
        EXPECT_EQ(timeWithSecondsText(QTime(13, 5, 9), locale), QLatin1String(text));
}

TEST(DateTextTwoDigitYears, AreReadInTheCenturyNearestToday)
{
    TestPlatform env;
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(textToDate(QStringLiteral("5/14/16"), us), QDate(2016, 5, 14));
    EXPECT_EQ(textToDate(QStringLiteral("5/14/60"), us), QDate(1960, 5, 14));
    env.clock.set(QDateTime(QDate(2090, 1, 1), QTime(12, 0)));
    EXPECT_EQ(textToDate(QStringLiteral("5/14/60"), us), QDate(2060, 5, 14));
}

TEST(DateTextReadAgain, FollowsTheLocaleItIsReadIn)
{
    TestPlatform env;
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const QLocale uk(QLocale::English, QLocale::UnitedKingdom);
    const QString text = QStringLiteral("01/02/2016");
    for (int round = 0; round < 2; ++round) {
        EXPECT_EQ(textToDate(text, us), QDate(2016, 1, 2));
        EXPECT_EQ(textToDate(text, uk), QDate(2016, 2, 1));
    }
}

#ifndef _WIN32
TEST(PrivateTempFolder, IsCreatedForThisUserOnly)
{
    TestPlatform env;
    const QString folder = privateTempFolder();
    EXPECT_EQ(QFileInfo(folder).absolutePath(), QFileInfo(env.tempRoot()).absoluteFilePath());
    struct stat st {};
    ASSERT_EQ(stat(QFile::encodeName(folder).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    // A folder left too open is closed again; a second call gives the same folder.
    ASSERT_EQ(chmod(QFile::encodeName(folder).constData(), 0777), 0);
    EXPECT_EQ(privateTempFolder(), folder);
    ASSERT_EQ(stat(QFile::encodeName(folder).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
}

TEST(PrivateTempFolder, ALinkInItsPlaceIsRefused)
{
    TestPlatform env;
    const QString folder = privateTempFolder();
    ASSERT_TRUE(QDir(folder).removeRecursively());
    const QString elsewhere = QDir(env.tempRoot()).filePath(QStringLiteral("elsewhere"));
    ASSERT_TRUE(QDir().mkpath(elsewhere));
    ASSERT_TRUE(QFile::link(elsewhere, folder));
    EXPECT_THROW(privateTempFolder(), std::runtime_error);
}
#endif

} // namespace
} // namespace bw

TEST(OsErrorSentence, NamesTheCauseAPersonCanActOn)
{
    const QString file = QStringLiteral("/data/log/Brindlewick.sqlite");
    const struct {
        int error;
        QString expected;
    } cases[] = {
        {ENOSPC, QStringLiteral("The disk is full (writing /data/log/Brindlewick.sqlite).")},
        {EROFS, QStringLiteral("The disk of /data/log/Brindlewick.sqlite is read-only.")},
        {EACCES, QStringLiteral("There is no permission to write /data/log/Brindlewick.sqlite.")},
        {ENOENT, QStringLiteral("The folder /data/log does not exist.")},
    };
    for (const auto& c : cases) EXPECT_EQ(bw::osErrorSentence(c.error, file), c.expected);
    EXPECT_TRUE(bw::osErrorSentence(EIO, file).startsWith(file + QStringLiteral(": ")));
}
