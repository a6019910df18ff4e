// Files other programs wrote: what they hold was set by the scripts that made them
// (python3-xlwt; LibreOffice converting an xlsx and a csv), not by our writer.
#include "sampleworkbook.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/xls/xls.h"

#include <gtest/gtest.h>

using namespace bw::ss;
using namespace bw::test::xls;

namespace {

std::unique_ptr<Workbook> foreign(const char* name)
{
    return xls::loadWorkbook(QStringLiteral(BW_TEST_DATA_DIR "/xls-foreign/")
                             + QLatin1String(name));
}

const CellFormat& formatOf(const Workbook& book, const Worksheet& s, CellAddress a)
{
    return book.formats().get(s.formatAt(a));
}

Value valueAt(const Worksheet& s, int row, int col)
{
    const Cell* c = s.cell({row, col});
    return c ? c->value : Value();
}

} // namespace

TEST(XlsForeign, XlwtWorkbookValuesFormatsAndLayout)
{
    const auto book = foreign("xlwt-trips.xls");
    ASSERT_EQ(book->sheetCount(), 2);
    const Worksheet& s = book->sheet(0);
    EXPECT_EQ(s.name(), QStringLiteral("Trips"));
    EXPECT_EQ(book->sheet(1).name(), QStringLiteral("Second"));
    EXPECT_EQ(valueAt(book->sheet(1), 0, 0), Value::number(-3.5));

    EXPECT_EQ(valueAt(s, 1, 0), Value::number(46027));
    EXPECT_EQ(formatOf(*book, s, {1, 0}).numberFormat, QStringLiteral("m/d/yyyy"));
    EXPECT_EQ(valueAt(s, 1, 1), Value::text(QStringLiteral("Office → Client")));
    EXPECT_EQ(valueAt(s, 3, 1), Value::text(QStringLiteral("東京")));
    EXPECT_EQ(valueAt(s, 3, 2), Value::number(7.25));
    EXPECT_EQ(valueAt(s, 5, 0), Value::boolean(true));
    EXPECT_EQ(valueAt(s, 5, 1), Value::text(QString(300, QChar(u'x'))));
    EXPECT_EQ(formatOf(*book, s, {1, 3}).numberFormat, QStringLiteral("$#,##0.00"));

    const Cell* product = s.cell({1, 3});
    ASSERT_TRUE(product && product->hasFormula());
    EXPECT_EQ(*product->formula, *makeFormula(binary(Op::Mul, cell(1, 2), number(0.655))));
    const Cell* total = s.cell({4, 2});
    ASSERT_TRUE(total && total->hasFormula());
    EXPECT_EQ(*total->formula, *makeFormula(columnSum(2, 1, 3)));
    const Cell* choice = s.cell({6, 0});
    ASSERT_TRUE(choice && choice->hasFormula());
    EXPECT_EQ(choice->formula->root.text, QStringLiteral("IF"));
    // xlwt stores an empty text as every formula's result.
    EXPECT_EQ(product->value, Value::text(QString()));

    const CellFormat& header = formatOf(*book, s, {0, 0});
    EXPECT_TRUE(header.font.bold);
    EXPECT_EQ(header.font.size, 14.0);
    EXPECT_EQ(header.fillColorIndex, 15);
    EXPECT_EQ(header.hAlign, HAlign::Center);
    EXPECT_TRUE(header.wrap);
    EXPECT_EQ(header.border(Edge::Left).lineStyle, kLineContinuous);
    EXPECT_EQ(header.border(Edge::Top).lineStyle, kLineContinuous);
    EXPECT_EQ(header.border(Edge::Bottom).lineStyle, -4119);

    EXPECT_EQ(s.columnWidth(0), 20.14);
    EXPECT_EQ(s.columnWidth(1), 29.29);
    EXPECT_EQ(s.rowHeight(0), 30.0);
    EXPECT_EQ(s.mergedRegions(), (std::vector<CellRange>{{{7, 0}, {8, 2}}}));
}

TEST(XlsForeign, LibreOfficeWorkbookFormulasWithCachedResults)
{
    const auto book = foreign("libreoffice-report.xls");
    ASSERT_EQ(book->sheetCount(), 2);
    const Worksheet& s = book->sheet(0);
    EXPECT_EQ(s.name(), QStringLiteral("Report"));
    EXPECT_EQ(valueAt(book->sheet(1), 1, 1), Value::text(QStringLiteral("second sheet")));

    EXPECT_EQ(valueAt(s, 0, 0), Value::text(QStringLiteral("Mileage Log")));
    EXPECT_TRUE(formatOf(*book, s, {0, 0}).font.bold);
    EXPECT_EQ(formatOf(*book, s, {0, 0}).font.size, 18.0);
    EXPECT_EQ(s.rowHeight(0), 37.5);
    EXPECT_EQ(formatOf(*book, s, {2, 0}).fillColorIndex, 15);
    EXPECT_EQ(formatOf(*book, s, {2, 0}).border(Edge::Bottom).lineStyle, kLineContinuous);

    // Every product row, whether stored on its own or as a shared formula.
    for (int r = 3; r <= 12; ++r) {
        const Cell* c = s.cell({r, 2});
        ASSERT_TRUE(c && c->hasFormula()) << "row " << r + 1;
        EXPECT_EQ(*c->formula, *makeFormula(binary(Op::Mul, cell(r, 0), cell(r, 1))))
            << "row " << r + 1;
        EXPECT_NEAR(c->value.asNumber(), (r + 1) * 3 * 0.655, 1e-9);
    }
    const Cell* total = s.cell({13, 2});
    ASSERT_TRUE(total && total->hasFormula());
    EXPECT_EQ(*total->formula, *makeFormula(columnSum(2, 3, 12)));
    EXPECT_NEAR(total->value.asNumber(), 167.025, 1e-9);
    EXPECT_EQ(valueAt(s, 13, 3), Value::text(QStringLiteral("255 miles")));
    EXPECT_EQ(valueAt(s, 13, 4), Value::boolean(true));
    EXPECT_EQ(valueAt(s, 13, 5), Value::error(ErrorValue::Div0));
    EXPECT_EQ(valueAt(s, 15, 0), Value::text(QStringLiteral("Ünïcödé ☃ 日本")));
    EXPECT_EQ(s.mergedRegions(), (std::vector<CellRange>{{{15, 0}, {15, 2}}}));
    EXPECT_EQ(s.pageSetup().orientation, PageSetup::kLandscape);
    EXPECT_EQ(s.pageSetup().paperSize, PageSetup::kPaperA4);
    EXPECT_NEAR(s.pageSetup().leftMargin, 0.7 * 72, 1e-6);
    EXPECT_NEAR(s.pageSetup().topMargin, 0.5 * 72, 1e-6);
}

TEST(XlsForeign, LibreOfficeWorkbookFromCsv)
{
    const auto book = foreign("libreoffice-csv.xls");
    ASSERT_EQ(book->sheetCount(), 1);
    const Worksheet& s = book->sheet(0);
    EXPECT_EQ(valueAt(s, 0, 2), Value::text(QStringLiteral("Miles")));
    EXPECT_EQ(valueAt(s, 1, 0), Value::number(46027));
    EXPECT_EQ(valueAt(s, 2, 1), Value::text(QStringLiteral("Client, north")));
    EXPECT_EQ(valueAt(s, 1, 2), Value::number(12.5));
    EXPECT_EQ(valueAt(s, 2, 2), Value::number(40));
}
