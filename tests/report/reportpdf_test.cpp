// The report on paper: the PDF of the report workbook read back by poppler-utils.
#include "report/mileagelog.h"
#include "reportfixtures.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/render/geometry.h"
#include "spreadsheet/render/pages.h"
#include "spreadsheet/render/render.h"
#include "spreadsheet/xls/xls.h"
#include "support/clibrarylocale.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

namespace bw {
namespace {

namespace ax = ss::automation;

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

struct PdfCase {
    const char* name;
    int trips; // 0: the sample's three trips
    int pages;
    int percent;
    const char* totals[4]; // patterns of E5, E6, G and H of the totals row as shown
    double differingShare; // of page 1's printed area against the sheet's picture
    // The C library's locale while the report is built and printed, as Qt sets it from
    // the user's desktop; the sheet's own notation stays en_US.
    const char* cLocale = nullptr;
};

void PrintTo(const PdfCase& c, std::ostream* os) { *os << c.name; }

// The sample's report, its sheet in en_US forms whatever the C library's locale.
PdfCase sampleUnder(const char* name, const char* cLocale)
{
    return {name, 0, 1, 95, {"11", "\\$13\\.75", "11", "13\\.75"}, 0.015, cLocale};
}

QString tool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString()
                      << " failed: " << process.readAllStandardError().toStdString();
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Both pictures are halved (area averages) before they are compared, which evens out
// glyphs rasterised at another size; a pixel then differs when a channel is off by more
// than kChannelTolerance. At 95 % a page shifted by one pixel differs in over 2 % of its
// printed area, by three pixels in over 8 %. The smaller the scale, the more of a page is
// finer than a pixel, where poppler and the engine's pictures round differently (poppler
// widens hairlines to a whole pixel), so the share allowed grows.
constexpr int kChannelTolerance = 64;

// The share of differing pixels of `area`, and whether everything outside it is white.
std::pair<double, bool> compare(const QImage& a, const QImage& b, const QRect& area)
{
    const QImage ha = a.scaled(a.size() / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage hb = b.scaled(a.size() / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QRect half(area.topLeft() / 2, area.size() / 2);
    qint64 differing = 0;
    bool blankOutside = true;
    for (int y = 0; y < ha.height(); ++y) {
        for (int x = 0; x < ha.width(); ++x) {
            const QRgb p = ha.pixel(x, y);
            const QRgb q = hb.pixel(x, y);
            if (!half.contains(x, y)) {
                blankOutside = blankOutside && qGray(p) > 250;
                continue;
            }
            const int d = std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                    std::abs(qBlue(p) - qBlue(q))});
            if (d > kChannelTolerance) ++differing;
        }
    }
    return {double(differing) / (double(half.width()) * half.height()), blankOutside};
}

class ReportPdf : public ::testing::TestWithParam<PdfCase> {
protected:
    void SetUp() override
    {
        if (kSanitized && GetParam().trips >= 1000) GTEST_SKIP() << "too slow under the sanitizers";
        if (GetParam().cLocale) {
            cLocale = std::make_unique<test::CLibraryLocale>(GetParam().cLocale);
            ASSERT_TRUE(cLocale->ok());
        }
        book = reportWorkbook(GetParam().trips);
        ss::render::savePdf(book->activeSheet(), pdf);
    }

    // The report workbook as the create command saves it, reopened with the engine.
    std::unique_ptr<ss::Workbook> reportWorkbook(int trips)
    {
        ax::ApplicationSettings settings;
        settings.locale = QLocale(QLocale::English, QLocale::UnitedStates);
        ax::Application app(settings);
        app.Workbooks().Add();
        app.Sheets().Item(1).setName(QString::fromLatin1(MileageLog::kSheetName));
        MileageLog::mExcelApp = app;
        test::FakeInputs inputs;
        test::fillSample(inputs, settings.locale);
        if (trips > 0) {
            while (inputs.table.RecordCount() > 0) {
                inputs.table.MoveFirst();
                inputs.table.Delete();
            }
            test::fillNumberedTrips(inputs.table, trips);
        }
        MileageLog::BuildSheet(inputs);
        const QString xls = folder.filePath(QStringLiteral("report.xls"));
        app.ActiveWorkbook().SaveAs(xls, 56);
        MileageLog::mExcelApp = ax::Application();
        return ss::xls::loadWorkbook(xls);
    }

    std::unique_ptr<test::CLibraryLocale> cLocale;
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("report.pdf"));
    std::unique_ptr<ss::Workbook> book;
};

TEST_P(ReportPdf, PopplerReadsThePagesTextAndFonts)
{
    const PdfCase& c = GetParam();
    const ss::Worksheet& sheet = book->activeSheet();

    const ss::render::PrintLayout layout = ss::render::layoutPages(sheet);
    EXPECT_EQ(layout.percent, c.percent);
    const QString info = tool(QStringLiteral("pdfinfo"), {pdf});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\n").arg(c.pages))))
        << info.toStdString();
    EXPECT_TRUE(info.contains(
        QRegularExpression(QStringLiteral("Title:\\s+%1\\n").arg(MileageLog::kSheetName))));
    EXPECT_TRUE(info.contains(QRegularExpression(
        QStringLiteral("Page size:\\s+84[12][.\\d]* x 595[.\\d]* pts \\(A4\\)"))))
        << "A4 landscape: " << info.toStdString();

    const QString fonts = tool(QStringLiteral("pdffonts"), {pdf});
    const QStringList fontRows = fonts.split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(2);
    EXPECT_FALSE(fontRows.isEmpty()) << fonts.toStdString();
    for (const QString& row : fontRows) {
        // name, type(s), encoding, then the "emb" column
        EXPECT_TRUE(row.contains(
            QRegularExpression(QStringLiteral("\\s(Identity-H|Custom|Builtin|WinAnsi)\\s+yes\\s"))))
            << "not embedded: " << row.toStdString();
    }

    // Everything the form shows, in reading order: title, employee and period block, header,
    // every trip's texts row by row, then the totals.
    QStringList expected = {
        QStringLiteral("Mileage Log and Reimbursement Form"),
        QStringLiteral("Employee Name\\s+Michael Jr\\.\\s+Rate Per Mile\\s+\\$1\\.25"),
        QStringLiteral("Employee ID\\s+DR005\\s+For Period\\s+From 5/14/2016 to 5/16/2016"),
        QStringLiteral("Vehicle Description\\s+Ford Transit\\s+Total Mileage\\s+%1")
            .arg(c.totals[0]),
        QStringLiteral("Authorized By\\s+John\\s+Total Reimbursement\\s+%1").arg(c.totals[1])};
    if (c.trips == 0) {
        expected << QStringLiteral(
            "5/14/2016\\s+Store\\s+Mini mall\\s+Daily delivery\\s+58114\\s+58116")
                 << QStringLiteral("5/14/2016\\s+Mini mall\\s+Mart\\s+58116\\s+58121")
                 << QStringLiteral("5/15/2016\\s+Mart\\s+Store\\s+Return back\\s+58121\\s+58125");
    }
    for (int k = 1; k <= c.trips; ++k) {
        expected << QStringLiteral("\\bFrom %1\\s+To %1\\s+%2\\s+%3\\b")
                        .arg(k)
                        .arg(1000 + k)
                        .arg(1000 + 2 * k);
    }
    expected << QStringLiteral("Totals\\s+%1\\s+%2").arg(c.totals[2], c.totals[3]);
    const QString text =
        tool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    qsizetype from = 0;
    for (const QString& pattern : expected) {
        const QRegularExpressionMatch found = QRegularExpression(pattern).match(text, from);
        if (!found.hasMatch()) {
            ADD_FAILURE() << "missing or out of order: " << pattern.toStdString() << "\n"
                          << text.left(3000).toStdString();
            break;
        }
        from = found.capturedEnd();
    }
}

// pdftoppm's page 1 at 96 dpi against the engine's own picture of the same cells without
// gridlines, scaled and placed at the margins.
TEST_P(ReportPdf, FirstPageLooksLikeTheSheet)
{
    const PdfCase& c = GetParam();
    const ss::Worksheet& sheet = book->activeSheet();
    tool(QStringLiteral("pdftoppm"),
         {QStringLiteral("-r"), QStringLiteral("96"), QStringLiteral("-f"), QStringLiteral("1"),
          QStringLiteral("-l"), QStringLiteral("1"), QStringLiteral("-singlefile"),
          QStringLiteral("-png"), pdf, folder.filePath(QStringLiteral("page"))});
    const QImage page =
        QImage(folder.filePath(QStringLiteral("page.png"))).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(page.isNull());

    const ss::render::PrintLayout layout = ss::render::layoutPages(sheet);
    const ss::CellRange first = layout.pages.front();
    const ss::render::PictureGeometry geometry(sheet, first);
    QImage picture(geometry.width(), geometry.height(), QImage::Format_RGB32);
    picture.fill(Qt::white);
    {
        QPainter painter(&picture);
        ss::render::paintRange(painter, sheet, first, false);
    }
    const double scale = layout.percent / 100.0;
    const QImage scaled =
        picture.scaled(qRound(picture.width() * scale), qRound(picture.height() * scale),
                       Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QPointF margin = layout.paper.paintRect(QPageLayout::Point).topLeft() * (96.0 / 72.0);
    QImage expected(page.size(), QImage::Format_RGB32);
    expected.fill(Qt::white);
    {
        QPainter painter(&expected);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(margin, scaled);
    }

    const QRect printed =
        QRectF(margin, QSizeF(scaled.size())).toAlignedRect().adjusted(-2, -2, 2, 2);
    const auto [share, blankOutside] = compare(page, expected, printed);
    EXPECT_TRUE(blankOutside) << "the page is printed on outside the sheet's cells";
    if (share > c.differingShare || !blankOutside) {
        const QDir artefacts(qEnvironmentVariable(
            "BW_TEST_ARTIFACTS", QDir::temp().filePath(QStringLiteral("brindlewick-artefacts"))));
        artefacts.mkpath(QStringLiteral("."));
        const QString stem =
            artefacts.filePath(QStringLiteral("reportpdf-%1").arg(QString::fromLatin1(c.name)));
        page.save(stem + QStringLiteral("-pdf.png"));
        expected.save(stem + QStringLiteral("-sheet.png"));
        ADD_FAILURE() << share * 100 << "% of the printed area differs; images kept as "
                      << stem.toStdString() << "-*.png";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Reports, ReportPdf,
    ::testing::Values(
        sampleUnder("sample", nullptr), sampleUnder("sample_en_US", "en_US.UTF-8"),
        sampleUnder("sample_de_DE", "de_DE.UTF-8"), sampleUnder("sample_fr_FR", "fr_FR.UTF-8"),
        sampleUnder("sample_es_ES", "es_ES.UTF-8"), sampleUnder("sample_sv_SE", "sv_SE.UTF-8"),
        PdfCase{"trips31", 31, 1, 93, {"496", "\\$620\\.00", "496", "620"}, 0.02},
        PdfCase{"trips100", 100, 1, 36, {"5050", "\\$6,312\\.50", "5050", "6312\\.5"}, 0.06},
        // E6 is too narrow for $625,625.00 and shows "#" as on screen
        PdfCase{"trips1000", 1000, 3, 10, {"500500", "#+", "500500", "625625"}, 0.25}),
    [](const ::testing::TestParamInfo<PdfCase>& tc) { return std::string(tc.param.name); });

} // namespace
} // namespace bw
