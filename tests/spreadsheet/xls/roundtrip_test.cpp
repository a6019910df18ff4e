// Tests that workbooks come back from their .xls file as they were written.
#include "sampleworkbook.h"
#include "spreadsheet/model/errors.h"
#include "spreadsheet/xls/xls.h"
#include "workbookcompare.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace bw::ss;
using namespace bw::test::xls;

TEST(XlsRoundTrip, EverythingTheModelHoldsComesBack)
{
    const auto book = sampleWorkbook();
    const auto back = xls::readWorkbook(xls::writeWorkbook(*book));
    expectSameWorkbook(*book, *back);
}

TEST(XlsRoundTrip, ReportLayoutComesBackWithItsSheetWideUnlockedFormat)
{
    const auto book = tripWorkbook(30);
    const auto back = xls::readWorkbook(xls::writeWorkbook(*book));
    expectSameWorkbook(*book, *back);
    const Worksheet& s = back->sheet(0);
    EXPECT_FALSE(back->formats().get(s.formatAt({500, 200})).locked)
        << "a far cell is locked again";
    EXPECT_FALSE(s.needsRecalc());
}

TEST(XlsRoundTrip, TenThousandRowsAndManySharedStringsSurvive)
{
    const auto book = tripWorkbook(10000);
    const auto back = xls::readWorkbook(xls::writeWorkbook(*book));
    expectSameWorkbook(*book, *back);
}

TEST(XlsRoundTrip, SmallestWorkbookIsValid)
{
    Workbook book;
    book.addSheet(QStringLiteral("Sheet1"));
    const QByteArray bytes = xls::writeWorkbook(book);
    const auto back = xls::readWorkbook(bytes);
    expectSameWorkbook(book, *back);
}

TEST(XlsSave, WritesTheFileAndReplacesAnOldOneWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("book.xls"));
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(100000, 'z'));
    }
    const auto book = tripWorkbook(3);
    xls::saveWorkbook(*book, path);
    const auto back = xls::loadWorkbook(path);
    expectSameWorkbook(*book, *back);
    EXPECT_EQ(back->fullName(), path);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("book.xls")});
}

TEST(XlsSave, FailedSaveLeavesTheOldFileAndReportsIt)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("missing-folder/book.xls"));
    const auto book = tripWorkbook(1);
    EXPECT_THROW(xls::saveWorkbook(*book, path), FileFormatError);

    Workbook tooLong;
    tooLong.addSheet(QStringLiteral("S"))
        .setValue({0, 0}, Value::text(QString(40000, QChar(u'a'))));
    const QString target = dir.filePath(QStringLiteral("keep.xls"));
    xls::saveWorkbook(*book, target);
    const QByteArray before = [&] {
        QFile f(target);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    EXPECT_THROW(xls::saveWorkbook(tooLong, target), FileFormatError);
    QFile after(target);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), before);
}

TEST(XlsLoad, MissingFileIsAFileFormatError)
{
    EXPECT_THROW(xls::loadWorkbook(QStringLiteral("/nonexistent/book.xls")), FileFormatError);
}
