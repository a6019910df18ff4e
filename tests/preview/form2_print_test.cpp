// Tests of printing from the preview, each way of asking to print.
#include "core/errorlocation.h"
#include "preview/picturebox.h"
#include "preview/previewtesting.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/xls/xls.h"
#include "support/clibrarylocale.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QProcess>

namespace bw::test {
namespace {

// How the user asks for the print.
enum class Ask { CtrlP, StillRightClick, MenuKey, ShiftF10, RightDrag };

struct PrintCase {
    const char* name;
    Ask ask;
    bool menuOpens; // the menu appears and "Print..." is clicked in it
    bool confirm;   // the answer in the print dialog
    bool printed;
};

// The preview of a real report workbook, which printing and saving as PDF reopen.
class Form2Report : public PreviewTest {
protected:
    void SetUp() override
    {
        ss::Workbook book;
        ss::Worksheet& sheet = book.addSheet(QStringLiteral("Mileage Log and Reimbursement"));
        sheet.setValue({0, 0}, ss::Value::text(QStringLiteral("Printed from the preview")));
        ss::CellFormat amount = book.formats().get(sheet.formatAt({1, 0}));
        amount.numberFormat = QStringLiteral("$#,##0.00");
        sheet.setCellFormat({1, 0}, book.formats().intern(amount));
        sheet.setValue({1, 0}, ss::Value::number(1234.5));
        sheet.pageSetup().orientation = ss::PageSetup::kLandscape;
        sheet.pageSetup().paperSize = ss::PageSetup::kPaperA4;
        workbook = QDir(platform.tempRoot()).filePath(QStringLiteral("report.xls"));
        ss::xls::saveWorkbook(book, workbook);
        printed = QDir(platform.tempRoot()).filePath(QStringLiteral("printed.pdf"));
        showReport(blockPicture(980, 760), workbook);
        form.activateWindow();
    }

    void ask(Ask how)
    {
        PictureBox* box = form.imageBox();
        switch (how) {
        case Ask::CtrlP:
            QTest::keyClick(&form, Qt::Key_P, Qt::ControlModifier);
            break;
        case Ask::MenuKey:
            QTest::keyClick(&form, Qt::Key_Menu);
            break;
        case Ask::ShiftF10:
            QTest::keyClick(&form, Qt::Key_F10, Qt::ShiftModifier);
            break;
        case Ask::StillRightClick:
            QTest::mousePress(box, Qt::RightButton, {}, QPoint(100, 100));
            QTest::mouseRelease(box, Qt::RightButton, {}, QPoint(100, 100));
            break;
        case Ask::RightDrag:
            QTest::mousePress(box, Qt::RightButton, {}, QPoint(100, 100));
            QTest::mouseMove(box, QPoint(60, 70));
            QTest::mouseRelease(box, Qt::RightButton, {}, QPoint(60, 70));
            break;
        }
    }

    static QString poppler(const char* tool, const QStringList& arguments)
    {
        QProcess process;
        process.start(QString::fromLatin1(tool), arguments);
        process.waitForFinished();
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    QString workbook;
    QString printed;
};

class Form2Print : public Form2Report, public ::testing::WithParamInterface<PrintCase> {};

TEST_P(Form2Print, PrintsTheReportsPagesThroughThePrintDialog)
{
    const PrintCase& c = GetParam();
    platform.dialogs.answerNextPrint(c.confirm, printed);
    ask(c.ask);
    QMenu* menu = form.previewMenu();
    ASSERT_EQ(menu->isVisible(), c.menuOpens);
    if (c.menuOpens) {
        QTest::mouseClick(menu, Qt::LeftButton, {},
                          menu->actionGeometry(form.printItem()).center());
        EXPECT_FALSE(menu->isVisible());
    }
    EXPECT_EQ(platform.dialogs.printRequests(), c.ask == Ask::RightDrag ? 0 : 1);
    EXPECT_TRUE(platform.dialogs.messages().isEmpty())
        << platform.dialogs.texts().join(u'\n').toStdString();
    ASSERT_EQ(QFile::exists(printed), c.printed);
    if (c.printed) {
        EXPECT_TRUE(poppler("pdftotext", {printed, QStringLiteral("-")})
                        .contains(QStringLiteral("Printed from the preview")));
        EXPECT_TRUE(poppler("pdfinfo", {printed}).contains(QStringLiteral("842 x 595 pts (A4)")))
            << "the sheet's paper";
    }
    if (c.ask == Ask::RightDrag) {
        EXPECT_LT(form.imageBox()->leftTwips(), 0) << "the right drag pans";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Ways, Form2Print,
    ::testing::Values(PrintCase{"ctrl_p", Ask::CtrlP, false, true, true},
                      PrintCase{"still_right_click_menu", Ask::StillRightClick, true, true, true},
                      PrintCase{"menu_key", Ask::MenuKey, true, true, true},
                      PrintCase{"shift_f10", Ask::ShiftF10, true, true, true},
                      PrintCase{"dialog_cancelled", Ask::CtrlP, false, false, false},
                      PrintCase{"right_drag_only_pans", Ask::RightDrag, false, true, false}),
    [](const ::testing::TestParamInfo<PrintCase>& tc) { return std::string(tc.param.name); });

TEST_F(Form2Report, SavingUnderANameEndingInPdfWritesThePrintedPages)
{
    const QString saved = QDir(platform.tempRoot()).filePath(QStringLiteral("March.pdf"));
    platform.dialogs.chooseNextFile(saved);
    QTest::mouseClick(form.saveButton(), Qt::LeftButton);
    EXPECT_EQ(platform.dialogs.texts(), QStringList{QStringLiteral("Done.")});
    EXPECT_TRUE(poppler("pdftotext", {saved, QStringLiteral("-")})
                    .contains(QStringLiteral("Printed from the preview")));
    EXPECT_TRUE(QFile::exists(workbook)) << "the report's workbook stays for further saves";
}

// Under each desktop's C library locale (printf's decimal comma) the amount prints as shown.
TEST_F(Form2Report, PrintsTheSheetsAmountsUnderEveryDesktopLocale)
{
    for (const char* name : kDesktopLocales) {
        const CLibraryLocale desktop(name);
        QFile::remove(printed);
        platform.dialogs.answerNextPrint(true, printed);
        QTest::keyClick(&form, Qt::Key_P, Qt::ControlModifier);
        EXPECT_TRUE(poppler("pdftotext", {printed, QStringLiteral("-")})
                        .contains(QStringLiteral("$1,234.50")))
            << name;
    }
}

TEST_F(PreviewTest, PrintingAMissingWorkbookIsReportedAndPrintsNothing)
{
    showReport(blockPicture(200, 100),
               QDir(platform.tempRoot()).filePath(QStringLiteral("gone.xls")));
    const QString printed = QDir(platform.tempRoot()).filePath(QStringLiteral("printed.pdf"));
    platform.dialogs.answerNextPrint(true, printed);
    QTest::keyClick(&form, Qt::Key_P, Qt::ControlModifier);
    ASSERT_EQ(platform.dialogs.messages().size(), 1);
    EXPECT_TRUE(platform.dialogs.messages().front().text.contains(
        QLatin1String(ErrorLocation::Form2_mnuPrint_Click)));
    EXPECT_EQ(platform.dialogs.printRequests(), 0) << "no dialog without a report to print";
    EXPECT_FALSE(QFile::exists(printed));
}

} // namespace
} // namespace bw::test
