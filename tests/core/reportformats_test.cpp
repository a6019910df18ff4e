// Tests of the report file formats and the format a path names.
#include "core/reportformats.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/xls/xls.h"
#include "spreadsheet/xlsx/package.h"
#include "support/testfiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <stdexcept>

namespace bw {
namespace {

const QString kXls = QStringLiteral("Excel Files (*.xls)");
const QString kXlsx = QStringLiteral("Excel Workbook (*.xlsx)");

TEST(ReportFormats, TheDialogOffersTheWorkbookFirst)
{
    ASSERT_FALSE(reportFormats().isEmpty());
    EXPECT_EQ(reportFormats().front().format, ReportFormat::Xls);
    EXPECT_EQ(reportFormats().front().filter, kXls);
    for (const ReportFormatInfo& info : reportFormats()) {
        EXPECT_TRUE(info.filter.endsWith(QStringLiteral("(*.%1)").arg(info.suffix)))
            << info.filter.toStdString();
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
            EXPECT_EQ(reportPathFor(QString::fromUtf8(c.typed), filter),
                      QString::fromUtf8(c.written))
                << c.typed << " with " << filter.toStdString();
        }
    }
    const PathCase workbookCases[] = {
        {"/home/ann/claim", "/home/ann/claim.xlsx"},
        {"/home/ann/claim.xls", "/home/ann/claim.xls"},
        {"/home/ann/CLAIM.XLSX", "/home/ann/CLAIM.XLSX"},
    };
    for (const PathCase& c : workbookCases) {
        EXPECT_EQ(reportPathFor(QString::fromUtf8(c.typed), kXlsx), QString::fromUtf8(c.written))
            << c.typed;
    }
    EXPECT_EQ(reportFormats().at(1).filter, kXlsx) << "the .xlsx is offered right after the .xls";
    const QString pdf = QStringLiteral("PDF Files (*.pdf)");
    EXPECT_EQ(reportPathFor(QStringLiteral("/home/ann/claim"), pdf),
              QStringLiteral("/home/ann/claim.pdf"));
    EXPECT_EQ(reportPathFor(QStringLiteral("/home/ann/claim.xls"), pdf),
              QStringLiteral("/home/ann/claim.xls"));
    EXPECT_EQ(reportPathFor(QStringLiteral("/home/ann/claim.PDF"), kXls),
              QStringLiteral("/home/ann/claim.PDF"));
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

    EXPECT_THROW(writeReportFile(QDir(folder.path()).filePath(QStringLiteral("gone.xls")), target,
                                 ReportFormat::Xls),
                 std::runtime_error);
    EXPECT_EQ(test::readAll(target), test::readAll(workbook));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

TEST(ReportFormats, TheXlsxIsTheWorkbookAsTheEngineReadsIt)
{
    QTemporaryDir folder;
    const QString workbook = QDir(folder.path()).filePath(QStringLiteral("kervan11111111.xls"));
    const QString target = QDir(folder.path()).filePath(QStringLiteral("saved.XLSX"));
    ss::Workbook book;
    book.addSheet(QStringLiteral("Report"))
        .setValue({0, 0}, ss::Value::text(QStringLiteral("Mileage ü")));
    ss::xls::saveWorkbook(book, workbook);
    test::writeFile(target, "an older report");
    writeReportFile(workbook, target, *reportFormatOfPath(target));
    QByteArray strings;
    for (const ss::xlsx::PackagePart& part : ss::xlsx::readPackage(test::readAll(target))) {
        if (part.name == QLatin1String("xl/sharedStrings.xml")) strings = part.data;
    }
    EXPECT_TRUE(strings.contains("Mileage ü")) << strings.toStdString();

    const QByteArray saved = test::readAll(target);
    test::writeFile(workbook, "not a workbook");
    EXPECT_THROW(writeReportFile(workbook, target, ReportFormat::Xlsx), std::runtime_error);
    EXPECT_EQ(test::readAll(target), saved);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

TEST(ReportFormats, ThePdfIsPrintedFromTheWorkbookOrNotWrittenAtAll)
{
    QTemporaryDir folder;
    const QString workbook = QDir(folder.path()).filePath(QStringLiteral("kervan22222222.xls"));
    ss::Workbook book;
    book.addSheet(QStringLiteral("Sheet1"))
        .setValue({0, 0}, ss::Value::text(QStringLiteral("Totals")));
    ss::xls::saveWorkbook(book, workbook);
    const QString target = QDir(folder.path()).filePath(QStringLiteral("saved.pdf"));
    writeReportFile(workbook, target, ReportFormat::Pdf);
    EXPECT_TRUE(test::readAll(target).startsWith("%PDF-"));

    test::writeFile(target, "an older report");
    const QString broken = QDir(folder.path()).filePath(QStringLiteral("kervan33333333.xls"));
    test::writeFile(broken, "no workbook");
    EXPECT_THROW(writeReportFile(broken, target, ReportFormat::Pdf), std::runtime_error);
    EXPECT_EQ(test::readAll(target), QByteArray("an older report"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 3)
        << "no temporary file is left";
}

} // namespace
} // namespace bw
