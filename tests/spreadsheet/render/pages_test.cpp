// Tests of laying a sheet out on printed pages.
#include "spreadsheet/model/errors.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/render/pages.h"

#include <QBuffer>
#include <QRectF>

#include <gtest/gtest.h>

#include <optional>

namespace bw::ss::render {
namespace {

// Letter portrait with half-inch margins leaves 720 x 960 pixels at 100 %: eleven
// standard columns (64 pixels) and 56 standard rows (17 pixels) a page.
struct PageCase {
    const char* name;
    const char* used;        // the cells that hold values span this range
    std::optional<int> zoom; // nothing: fit to pages
    int wide;
    int tall;
    const char* printArea;
    int percent;
    std::size_t pages;
    const char* firstPage;
    const char* lastPage;
};

class PrintPages : public ::testing::TestWithParam<PageCase> {};

TEST_P(PrintPages, FollowThePageSetup)
{
    const PageCase& c = GetParam();
    Workbook book;
    Worksheet& sheet = book.addSheet(QStringLiteral("Sheet1"));
    const CellRange used = *parseA1Range(QString::fromLatin1(c.used));
    sheet.setValue(used.first, Value::number(1));
    sheet.setValue(used.last, Value::number(2));
    PageSetup& setup = sheet.pageSetup();
    setup.leftMargin = setup.rightMargin = setup.topMargin = setup.bottomMargin = 36;
    setup.zoom = c.zoom;
    setup.fitToPagesWide = c.wide;
    setup.fitToPagesTall = c.tall;
    setup.printArea = QString::fromLatin1(c.printArea);

    const PrintLayout layout = layoutPages(sheet);
    EXPECT_EQ(layout.percent, c.percent);
    ASSERT_EQ(layout.pages.size(), c.pages);
    EXPECT_EQ(a1Name(layout.pages.front()), QString::fromLatin1(c.firstPage));
    EXPECT_EQ(a1Name(layout.pages.back()), QString::fromLatin1(c.lastPage));
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, PrintPages,
    ::testing::Values(
        PageCase{"zoom_100_fills_one_page", "A1:K56", 100, 1, 1, "", 100, 1, "A1:K56", "A1:K56"},
        PageCase{"zoom_100_spills_left_to_right_then_down", "A1:L57", 100, 1, 1, "", 100, 4,
                 "A1:K56", "L57"},
        PageCase{"zoom_50_holds_twice_as_much", "A1:V112", 50, 1, 1, "", 50, 1, "A1:V112",
                 "A1:V112"},
        PageCase{"zoom_kept_at_least_10", "A1:B2", 3, 1, 1, "", 10, 1, "A1:B2", "A1:B2"},
        PageCase{"zoom_kept_at_most_400", "A1:B2", 900, 1, 1, "", 400, 1, "A1:B2", "A1:B2"},
        PageCase{"fit_shrinks_to_whole_percent", "A1:V112", std::nullopt, 1, 1, "", 50, 1,
                 "A1:V112", "A1:V112"},
        PageCase{"fit_never_enlarges", "B2:C3", std::nullopt, 1, 1, "", 100, 1, "B2:C3", "B2:C3"},
        PageCase{"fit_two_wide_leaves_height_free", "A1:V300", std::nullopt, 2, 0, "", 100, 12,
                 "A1:K56", "L281:V300"},
        PageCase{"fit_stops_at_10_then_takes_more_pages", "A1:A5000", std::nullopt, 1, 1, "", 10, 9,
                 "A1:A564", "A4513:A5000"},
        PageCase{"print_area_instead_of_used_range", "A1:Z900", 100, 1, 1, "$B$2:$C$3", 100, 1,
                 "B2:C3", "B2:C3"},
        PageCase{"unreadable_print_area_prints_used_range", "A1:B2", 100, 1, 1, "Sheet1!", 100, 1,
                 "A1:B2", "A1:B2"}),
    [](const ::testing::TestParamInfo<PageCase>& tc) { return std::string(tc.param.name); });

TEST(PrintPaper, SizeOrientationAndMarginsInPoints)
{
    PageSetup setup;
    setup.paperSize = PageSetup::kPaperA4;
    setup.orientation = PageSetup::kLandscape;
    setup.leftMargin = 50.4;
    setup.topMargin = 36;
    const QPageLayout paper = paperOf(setup);
    EXPECT_EQ(paper.pageSize().id(), QPageSize::A4);
    EXPECT_EQ(paper.orientation(), QPageLayout::Landscape);
    const QRectF printable = paper.paintRect(QPageLayout::Point);
    EXPECT_NEAR(printable.left(), 50.4, 0.01);
    EXPECT_NEAR(printable.top(), 36, 0.01);
    EXPECT_NEAR(paper.fullRect(QPageLayout::Millimeter).width(), 297.0, 0.1);

    setup.paperSize = 999;
    setup.leftMargin = setup.rightMargin = 5000;
    const QPageLayout unknown = paperOf(setup);
    EXPECT_EQ(unknown.pageSize().id(), QPageSize::Letter);
    EXPECT_GT(unknown.paintRect(QPageLayout::Point).width(), 0.0) << "margins wider than the paper";
}

TEST(PrintPaper, NothingToPrintIsRefusedAndLeavesNoDocument)
{
    Workbook book;
    const Worksheet& sheet = book.addSheet(QStringLiteral("Sheet1"));
    EXPECT_THROW(layoutPages(sheet), SpreadsheetError);
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    EXPECT_THROW(writePdf(sheet, out), SpreadsheetError);
    EXPECT_FALSE(out.data().startsWith("%PDF")) << "no document is begun for an empty sheet";
}

} // namespace
} // namespace bw::ss::render
