// Tests of column and row sizes in pixels.
#include "spreadsheet/model/errors.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/render/geometry.h"
#include "spreadsheet/render/render.h"

#include <gtest/gtest.h>

namespace bw::ss::render {
namespace {

struct SizeCase {
    const char* name;
    double size;
    int pixels;
};

class ColumnPixels : public ::testing::TestWithParam<SizeCase> {};

TEST_P(ColumnPixels, FollowsDigitWidthAndPadding)
{
    EXPECT_EQ(columnWidthPixels(GetParam().size), GetParam().pixels);
}

INSTANTIATE_TEST_SUITE_P(
    Widths, ColumnPixels,
    ::testing::Values(SizeCase{"standard_8_43", 8.43, 64}, SizeCase{"w10_14", 10.14, 76},
                      SizeCase{"w10_29", 10.29, 77}, SizeCase{"w15_86", 15.86, 116},
                      SizeCase{"w20_14", 20.14, 146}, SizeCase{"w20_43", 20.43, 148},
                      SizeCase{"w22_14", 22.14, 160}, SizeCase{"w25_14", 25.14, 181},
                      SizeCase{"one_char", 1.0, 12}, SizeCase{"half_char", 0.5, 6},
                      SizeCase{"hidden", 0.0, 0}, SizeCase{"negative", -3.0, 0},
                      SizeCase{"widest", 255.0, 1790}, SizeCase{"beyond_widest", 1000.0, 1790}),
    [](const ::testing::TestParamInfo<SizeCase>& tc) { return std::string(tc.param.name); });

class RowPixels : public ::testing::TestWithParam<SizeCase> {};

TEST_P(RowPixels, PointsAtNinetySixDpi)
{
    EXPECT_EQ(rowHeightPixels(GetParam().size), GetParam().pixels);
}

INSTANTIATE_TEST_SUITE_P(
    Heights, RowPixels,
    ::testing::Values(SizeCase{"standard_12_75", 12.75, 17}, SizeCase{"title_37_5", 37.5, 50},
                      SizeCase{"header_25_5", 25.5, 34}, SizeCase{"h26_25", 26.25, 35},
                      SizeCase{"h10_5", 10.5, 14}, SizeCase{"half_pixel_down_to_even", 0.375, 0},
                      SizeCase{"half_pixel_up_to_even", 1.125, 2}, SizeCase{"hidden", 0.0, 0},
                      SizeCase{"tallest", 409.5, 546}),
    [](const ::testing::TestParamInfo<SizeCase>& tc) { return std::string(tc.param.name); });

class PictureExtent : public ::testing::Test {
protected:
    PictureExtent() : sheet(book.addSheet(QStringLiteral("Sheet1"))) {}
    Workbook book;
    Worksheet& sheet;
};

TEST_F(PictureExtent, EdgesAddUpStoredSizesIncludingRowsOutsideTheRange)
{
    sheet.setColumnWidth(1, 20.14);
    sheet.setRowHeight(3, 37.5);
    sheet.setRowHeight(40, 0.0);
    const PictureGeometry g(sheet, CellRange{{2, 1}, {5, 3}});
    EXPECT_EQ(g.width(), 146 + 64 + 64);
    EXPECT_EQ(g.height(), 17 + 50 + 17 + 17);
    EXPECT_EQ(g.x(1), 0);
    EXPECT_EQ(g.x(0), -64);
    EXPECT_EQ(g.x(2), 146);
    EXPECT_EQ(g.y(0), -34);
    EXPECT_EQ(g.y(4), 67);
    // Below the range: 17 pixels a row, except the hidden row 41.
    EXPECT_EQ(g.y(50), 17 + 50 + 17 * (50 - 4) - 17);
}

TEST_F(PictureExtent, TooLargeRangeKeepsWholeRowsAndColumnsFromTheTopLeft)
{
    const CellRange range{{0, 0}, {9999, 7}};
    const CellRange fourColumns{{0, 0}, {9999, 3}};
    EXPECT_EQ(paintedRange(sheet, fourColumns), fourColumns) << "170,000 x 256 pixels fit";
    // 170,000 x 512 pixels do not: 7,710 rows of 17 pixels stay within 64 Mi pixels.
    EXPECT_EQ(paintedRange(sheet, range), (CellRange{{0, 0}, {7709, 7}}));

    // 8 columns of 64 pixels: 512 pixels wide; 20 rows of 17 pixels fit 174,080 pixels.
    const CellRange clamped = paintedRange(sheet, range, RenderLimits{512 * 17 * 20 + 100});
    EXPECT_EQ(clamped, (CellRange{{0, 0}, {19, 7}}));

    const CellRange narrow = paintedRange(sheet, range, RenderLimits{64 * 3});
    EXPECT_EQ(narrow.last.col, 2);
    EXPECT_EQ(narrow.last.row, 0) << "the first row is always painted";
}

TEST_F(PictureExtent, RefusesRangesOutsideTheGridOrWithoutVisibleCells)
{
    EXPECT_THROW(paintedRange(sheet, CellRange{{0, 0}, {kMaxRows, 0}}), SpreadsheetError);
    EXPECT_THROW(paintedRange(sheet, CellRange{{3, 0}, {2, 0}}), SpreadsheetError);
    EXPECT_THROW(paintedRange(sheet, CellRange{{0, -1}, {0, 0}}), SpreadsheetError);
    sheet.setColumnWidth(0, 0.0);
    EXPECT_THROW(paintedRange(sheet, CellRange{{0, 0}, {5, 0}}), SpreadsheetError);
    sheet.setColumnWidth(0, 8.43);
    sheet.setRowHeight(0, 0.0);
    EXPECT_THROW(paintedRange(sheet, CellRange{{0, 0}, {0, 3}}), SpreadsheetError);
}

} // namespace
} // namespace bw::ss::render
