#include "core/reportformats.h"

#include "support/testfiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <stdexcept>

namespace bw {
namespace {

const QString kXls = QStringLiteral("Excel Files (*.xls)");

TEST(ReportFormats, TheDialogOffersTheWorkbookFirst)
{
    ASSERT_FALSE(reportFormats().isEmpty());
    EXPECT_EQ(reportFormats().front().format, ReportFormat::Xls);
    EXPECT_EQ(reportFormats().front().filter, kXls);
    for (const ReportFormatInfo& info : reportFormats()) {
        EXPECT_TRUE(info.filter.endsWith(QStringLiteral("(*.%1)").arg(info.suffix))) << info.filter.toStdString();
        EXPECT_EQ(reportFormatOfPath(QStringLiteral("/a/b.") + info.suffix.toUpper()), info.format);
    }
}

struct PathCase {
    const char* typed;
    const char* written;
};

TEST(ReportFormats, ANameWithoutOurSuffixGetsTheChosenFiltersOne)
{
    const PathCase cases[] = {
        {"/home/ann/claim", "/home/ann/claim.xls"},
        {"/home/ann/Smith.J", "/home/ann/Smith.J.xls"},
        {"/home/ann/claim.", "/home/ann/claim.xls"},
        {"/home/ann/claim.xls", "/home/ann/claim.xls"},
        {"/home/ann/CLAIM.XLS", "/home/ann/CLAIM.XLS"},
        {"/home/ann/claim.xls.bak", "/home/ann/claim.xls.bak.xls"},
        {"/home/ann.xls/claim", "/home/ann.xls/claim.xls"},
        {"", ""},
    };
    for (const PathCase& c : cases) {
        for (const QString& filter : {kXls, QString(), QStringLiteral("All Files (*)")}) {
            EXPECT_EQ(reportPathFor(QString::fromUtf8(c.typed), filter), QString::fromUtf8(c.written))
                << c.typed << " with " << filter.toStdString();
        }
    }
    EXPECT_EQ(reportFormatOfPath(QStringLiteral("/home/ann/claim")), std::nullopt);
    EXPECT_EQ(reportFormatOfPath(QStringLiteral("/home/ann.xls/claim")), std::nullopt);
}

TEST(ReportFormats, TheWorkbookIsWrittenAsItIs)
{
    QTemporaryDir folder;
    const QString workbook = QDir(folder.path()).filePath(QStringLiteral("kervan11111111.xls"));
    const QString target = QDir(folder.path()).filePath(QStringLiteral("saved.xls"));
    test::writeFile(workbook, QByteArray("\xD0\xCF\x11\xE0 workbook bytes", 18));
    test::writeFile(target, "an older report");
    writeReportFile(workbook, target, ReportFormat::Xls);
    EXPECT_EQ(test::readAll(target), test::readAll(workbook));

    EXPECT_THROW(writeReportFile(QDir(folder.path()).filePath(QStringLiteral("gone.xls")), target, ReportFormat::Xls),
                 std::runtime_error);
    EXPECT_EQ(test::readAll(target), test::readAll(workbook));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

} // namespace
} // namespace bw
