// Tests of painting cells: text, numbers, fills, borders and fonts.
#include "samplesheet.h"
#include "spreadsheet/model/errors.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/render/celltext.h"
#include "spreadsheet/render/geometry.h"
#include "spreadsheet/render/render.h"

#include <QImage>

#include <gtest/gtest.h>

#include <optional>

namespace bw::ss::render {
namespace {

using bw::ss::test::drawBorders;
using bw::ss::test::formatCells;

const QRgb kWhitePixel = qRgb(255, 255, 255);
const QRgb kGridPixel = qRgb(0xD4, 0xD4, 0xD4);
const QRgb kBlackPixel = qRgb(0, 0, 0);

// Pixels that are neither background, gridline nor `ignored` are ink.
struct InkBox {
    int left = 1 << 30;
    int top = 1 << 30;
    int right = -1;
    int bottom = -1;
    bool any() const { return right >= 0; }
};

InkBox inkIn(const QImage& image, const QRect& area, QRgb background)
{
    InkBox ink;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (p == background || p == kGridPixel) continue;
            ink.left = std::min(ink.left, x);
            ink.right = std::max(ink.right, x);
            ink.top = std::min(ink.top, y);
            ink.bottom = std::max(ink.bottom, y);
        }
    }
    return ink;
}

class Render : public ::testing::Test {
protected:
    Render() : sheet(book.addSheet(QStringLiteral("Sheet1"))) {}

    QImage render(const char* a1)
    {
        range = *parseA1Range(QString::fromLatin1(a1));
        geometry.emplace(sheet, range);
        return renderRange(sheet, range);
    }
    // Pixel box of a cell: first pixel to its gridline, inclusive.
    QRect cell(int row, int col) const
    {
        return QRect(QPoint(geometry->x(col), geometry->y(row)),
                     QPoint(geometry->x(col + 1) - 1, geometry->y(row + 1) - 1));
    }
    // Inside the gridlines.
    QRect inner(int row, int col) const { return cell(row, col).adjusted(0, 0, -1, -1); }

    Workbook book;
    Worksheet& sheet;
    CellRange range;
    std::optional<PictureGeometry> geometry;
};

TEST_F(Render, ImageIsTheSumOfColumnAndRowPixels)
{
    sheet.setColumnWidth(0, 20.14);
    sheet.setColumnWidth(2, 25.14);
    sheet.setRowHeight(0, 37.5);
    sheet.setRowHeight(2, 25.5);
    const QImage image = render("A1:D3");
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    EXPECT_EQ(image.width(), 146 + 64 + 181 + 64);
    EXPECT_EQ(image.height(), 50 + 17 + 34);
}

TEST_F(Render, EmptyCellsShowGridlinesOnTheirRightAndBottom)
{
    const QImage image = render("B2:C3");
    EXPECT_EQ(image.pixel(63, 5), kGridPixel);
    EXPECT_EQ(image.pixel(127, 5), kGridPixel);
    EXPECT_EQ(image.pixel(5, 16), kGridPixel);
    EXPECT_EQ(image.pixel(5, 33), kGridPixel);
    EXPECT_EQ(image.pixel(0, 0), kWhitePixel);
    EXPECT_EQ(image.pixel(62, 15), kWhitePixel);

    sheet.setShowGridlines(false);
    const QImage bare = render("B2:C3");
    EXPECT_EQ(bare.pixel(63, 5), kWhitePixel);
    EXPECT_EQ(bare.pixel(5, 16), kWhitePixel);
}

TEST_F(Render, FillCoversTheCellAndTheGridlinesAroundIt)
{
    formatCells(sheet, CellRange::single({1, 1}), [](CellFormat& f) { f.fillColorIndex = 15; });
    formatCells(sheet, CellRange::single({2, 2}), [](CellFormat& f) { f.fillColorIndex = 16; });
    const QImage image = render("A1:D4");
    const QRgb grey15 = qRgb(192, 192, 192);
    const QRect b2 = cell(1, 1);
    EXPECT_EQ(image.pixel(b2.center()), grey15);
    EXPECT_EQ(image.pixel(b2.right(), b2.center().y()), grey15) << "own right gridline";
    EXPECT_EQ(image.pixel(b2.left() - 1, b2.center().y()), grey15) << "left neighbour's gridline";
    EXPECT_EQ(image.pixel(b2.center().x(), b2.top() - 1), grey15) << "upper neighbour's gridline";
    EXPECT_EQ(image.pixel(b2.left() - 2, b2.center().y()), kWhitePixel);
    EXPECT_EQ(image.pixel(cell(2, 2).center()), qRgb(128, 128, 128));
    EXPECT_EQ(image.pixel(cell(3, 3).right(), cell(3, 3).center().y()), kGridPixel);
}

TEST_F(Render, UnknownFillIndexesPaintNothing)
{
    formatCells(sheet, CellRange::single({0, 0}), [](CellFormat& f) { f.fillColorIndex = 57; });
    formatCells(sheet, CellRange::single({0, 1}),
                [](CellFormat& f) { f.fillColorIndex = kColorAutomatic; });
    const QImage image = render("A1:B1");
    EXPECT_EQ(image.pixel(cell(0, 0).center()), kWhitePixel);
    EXPECT_EQ(image.pixel(cell(0, 1).center()), kWhitePixel);
}

TEST_F(Render, BordersDrawOnTheGridlineWhicheverSideHasThem)
{
    drawBorders(sheet, CellRange{{1, 1}, {2, 2}}, true, false);
    // Only D5 says it has a left edge; the line between C5 and D5 shows all the same.
    formatCells(sheet, CellRange::single({4, 3}), [](CellFormat& f) {
        f.border(Edge::Left) = Border{kLineContinuous, 3};
    });
    const QImage image = render("A1:E6");
    const QRect b2 = cell(1, 1);
    const QRect c3 = cell(2, 2);
    EXPECT_EQ(image.pixel(b2.left() - 1, b2.center().y()), kBlackPixel) << "left edge";
    EXPECT_EQ(image.pixel(b2.center().x(), b2.top() - 1), kBlackPixel) << "top edge";
    EXPECT_EQ(image.pixel(b2.center().x(), b2.bottom()), kBlackPixel) << "inside horizontal";
    EXPECT_EQ(image.pixel(b2.right(), b2.center().y()), kGridPixel) << "no inside vertical";
    EXPECT_EQ(image.pixel(c3.right(), c3.center().y()), kBlackPixel) << "right edge";
    EXPECT_EQ(image.pixel(c3.center().x(), c3.bottom()), kBlackPixel) << "bottom edge";
    EXPECT_EQ(image.pixel(c3.right(), c3.bottom()), kBlackPixel) << "corner joined";
    EXPECT_EQ(image.pixel(c3.right() + 1, c3.bottom()), kGridPixel);

    const QRect d5 = cell(4, 3);
    EXPECT_EQ(image.pixel(d5.left() - 1, d5.center().y()), qRgb(255, 0, 0));
}

TEST_F(Render, BordersOnTheRangesOwnLeftAndTopEdgeFallOnItsFirstPixels)
{
    drawBorders(sheet, CellRange{{1, 1}, {1, 1}}, false, false);
    const QImage image = render("B2:C2");
    EXPECT_EQ(image.pixel(0, 8), kBlackPixel);
    EXPECT_EQ(image.pixel(30, 0), kBlackPixel);
    EXPECT_EQ(image.pixel(63, 8), kBlackPixel);
    EXPECT_EQ(image.pixel(30, 16), kBlackPixel);
    EXPECT_EQ(image.pixel(90, 0), kWhitePixel);
}

TEST_F(Render, BordersFromCellsJustOutsideTheRangeShowOnItsEdge)
{
    formatCells(sheet, CellRange::single({1, 3}), [](CellFormat& f) {
        f.border(Edge::Left) = Border{kLineContinuous, kColorAutomatic};
    });
    const QImage image = render("B2:C2");
    EXPECT_EQ(image.pixel(127, 8), kBlackPixel);
}

TEST_F(Render, MergedRegionIsOneCellWithItsTopLeftFormat)
{
    sheet.merge(CellRange{{1, 1}, {2, 3}});
    formatCells(sheet, CellRange::single({1, 1}), [](CellFormat& f) { f.fillColorIndex = 6; });
    formatCells(sheet, CellRange::single({2, 3}), [](CellFormat& f) { f.fillColorIndex = 16; });
    drawBorders(sheet, CellRange{{1, 1}, {2, 3}}, true, true);
    sheet.merge(CellRange{{4, 0}, {4, 2}});
    const QImage image = render("A1:E6");

    const QRgb yellow = qRgb(255, 255, 0);
    const QRect c2 = cell(1, 2);
    EXPECT_EQ(image.pixel(cell(2, 3).center()), yellow) << "hidden cells' own fills do not show";
    EXPECT_EQ(image.pixel(c2.right(), c2.center().y()), yellow) << "no line inside";
    EXPECT_EQ(image.pixel(c2.center().x(), c2.bottom()), yellow) << "no line inside";
    EXPECT_EQ(image.pixel(c2.center().x(), c2.top() - 1), kBlackPixel) << "outer edge";
    EXPECT_EQ(image.pixel(cell(2, 3).right(), cell(2, 3).center().y()), kBlackPixel)
        << "outer edge";

    const QRect b5 = cell(4, 1);
    EXPECT_EQ(image.pixel(b5.right(), b5.center().y()), kWhitePixel)
        << "unfilled merge has no inner gridlines";
    EXPECT_EQ(image.pixel(cell(4, 2).right(), b5.center().y()), kGridPixel);
}

TEST_F(Render, MergedRegionReachingInFromOutsideTheRangeIsStillDrawn)
{
    sheet.merge(CellRange{{0, 0}, {3, 1}});
    formatCells(sheet, CellRange::single({0, 0}), [](CellFormat& f) { f.fillColorIndex = 4; });
    const QImage image = render("B3:C4");
    EXPECT_EQ(image.pixel(cell(2, 1).center()), qRgb(0, 255, 0));
    EXPECT_EQ(image.pixel(cell(2, 1).right(), cell(2, 1).bottom()), qRgb(0, 255, 0));
    EXPECT_EQ(image.pixel(cell(2, 2).center()), kWhitePixel);
}

TEST_F(Render, TextRunsOverEmptyNeighboursAndHidesTheirGridlines)
{
    const QString longText = QStringLiteral("A text much longer than its column is wide");
    sheet.setValue({0, 0}, Value::text(longText));
    sheet.setValue({1, 0}, Value::text(longText));
    sheet.setValue({1, 2}, Value::text(QStringLiteral("x")));
    sheet.setValue({2, 4}, Value::text(longText));
    formatCells(sheet, CellRange::single({2, 4}), [](CellFormat& f) { f.hAlign = HAlign::Right; });
    const QImage image = render("A1:E3");

    const QRect a1 = cell(0, 0);
    EXPECT_EQ(image.pixel(a1.right(), a1.top()), kWhitePixel) << "gridline A|B hidden";
    EXPECT_EQ(image.pixel(cell(0, 1).right(), a1.top()), kWhitePixel) << "gridline B|C hidden";
    EXPECT_TRUE(inkIn(image, inner(0, 2), kWhitePixel).any()) << "text reaches C1";

    const QRect a2 = cell(1, 0);
    EXPECT_EQ(image.pixel(a2.right(), a2.top()), kWhitePixel) << "runs into the empty B2";
    EXPECT_EQ(image.pixel(cell(1, 1).right(), a2.top()), kGridPixel) << "stops before C2";
    EXPECT_EQ(image.pixel(a2.center().x(), a2.bottom()), kGridPixel) << "row line stays";

    // Right-aligned text runs to the left.
    EXPECT_TRUE(inkIn(image, inner(2, 2), kWhitePixel).any());
    EXPECT_EQ(image.pixel(cell(2, 3).right(), cell(2, 3).top()), kWhitePixel);
}

TEST_F(Render, TextIsCutAtANonEmptyNeighbour)
{
    sheet.setValue({0, 0},
                   Value::text(QStringLiteral("A text much longer than its column is wide")));
    sheet.setValue({0, 1}, Value::text(QString()));
    const QImage image = render("A1:C1");
    EXPECT_FALSE(inkIn(image, inner(0, 1), kWhitePixel).any()) << "an empty text still blocks";
    EXPECT_EQ(image.pixel(cell(0, 0).right(), 0), kGridPixel);
}

TEST_F(Render, NumbersBooleansAndErrorsNeverRunOver)
{
    sheet.setValue({0, 0}, Value::number(123456789.125));
    formatCells(sheet, CellRange::single({0, 0}),
                [](CellFormat& f) { f.numberFormat = QStringLiteral("$#,##0.00"); });
    sheet.setColumnWidth(1, 2.0);
    sheet.setValue({0, 1}, Value::error(ErrorValue::Div0));
    sheet.setValue({0, 3}, Value::boolean(false));
    sheet.setColumnWidth(3, 1.5);
    const QImage image = render("A1:F1");
    EXPECT_TRUE(inkIn(image, inner(0, 0), kWhitePixel).any()) << "#### in A1";
    EXPECT_FALSE(inkIn(image, inner(0, 2), kWhitePixel).any());
    EXPECT_FALSE(inkIn(image, inner(0, 4), kWhitePixel).any());
    for (int col : {0, 1, 3}) {
        EXPECT_EQ(image.pixel(cell(0, col).right(), 0), kGridPixel) << col;
    }
}

TEST_F(Render, HorizontalAlignmentPlacesTheText)
{
    sheet.setColumnWidth(0, 25.14);
    for (int row = 0; row < 4; ++row) sheet.setValue({row, 0}, Value::text(QStringLiteral("Mid")));
    sheet.setValue({4, 0}, Value::number(5));
    formatCells(sheet, CellRange::single({1, 0}), [](CellFormat& f) { f.hAlign = HAlign::Center; });
    formatCells(sheet, CellRange::single({2, 0}), [](CellFormat& f) { f.hAlign = HAlign::Right; });
    sheet.setValue({3, 0}, Value::boolean(true));
    const QImage image = render("A1:A5");

    const InkBox left = inkIn(image, inner(0, 0), kWhitePixel);
    ASSERT_TRUE(left.any());
    EXPECT_GE(left.left, 2);
    EXPECT_LE(left.left, 4);

    for (int row : {1, 3}) {
        const InkBox centred = inkIn(image, inner(row, 0), kWhitePixel);
        ASSERT_TRUE(centred.any());
        EXPECT_NEAR((centred.left + centred.right) / 2.0, cell(row, 0).center().x(), 2.0) << row;
    }
    for (int row : {2, 4}) {
        const InkBox right = inkIn(image, inner(row, 0), kWhitePixel);
        ASSERT_TRUE(right.any());
        EXPECT_LE(right.right, cell(row, 0).right() - 2) << row;
        EXPECT_GE(right.right, cell(row, 0).right() - 5) << row;
    }
}

TEST_F(Render, VerticalAlignmentPlacesTheText)
{
    sheet.setRowHeight(0, 37.5);
    sheet.setRowHeight(1, 37.5);
    sheet.setRowHeight(2, 37.5);
    for (int row = 0; row < 3; ++row) sheet.setValue({row, 0}, Value::text(QStringLiteral("Mg")));
    formatCells(sheet, CellRange::single({1, 0}), [](CellFormat& f) { f.vAlign = VAlign::Center; });
    formatCells(sheet, CellRange::single({2, 0}), [](CellFormat& f) { f.vAlign = VAlign::Top; });
    const QImage image = render("A1:A3");

    const InkBox bottom = inkIn(image, inner(0, 0), kWhitePixel);
    ASSERT_TRUE(bottom.any());
    EXPECT_GE(bottom.bottom, cell(0, 0).bottom() - 3);
    const InkBox centre = inkIn(image, inner(1, 0), kWhitePixel);
    ASSERT_TRUE(centre.any());
    EXPECT_NEAR((centre.top + centre.bottom) / 2.0, cell(1, 0).center().y(), 3.0);
    const InkBox top = inkIn(image, inner(2, 0), kWhitePixel);
    ASSERT_TRUE(top.any());
    EXPECT_LE(top.top, cell(2, 0).top() + 4);
}

TEST_F(Render, WrappedTextStaysInsideItsCellOnSeveralLines)
{
    sheet.setRowHeight(0, 51.0);
    sheet.setValue({0, 0}, Value::text(QStringLiteral("Starting Location and more")));
    formatCells(sheet, CellRange::single({0, 0}), [](CellFormat& f) { f.wrap = true; });
    const QImage image = render("A1:B1");
    const InkBox ink = inkIn(image, inner(0, 0), kWhitePixel);
    ASSERT_TRUE(ink.any());
    const QFontMetrics metrics(sheetFont(FontSpec{}));
    EXPECT_GT(ink.bottom - ink.top, 2 * metrics.lineSpacing()) << "three lines";
    EXPECT_FALSE(inkIn(image, inner(0, 1), kWhitePixel).any()) << "wrapped text does not run over";
    EXPECT_EQ(image.pixel(cell(0, 0).right(), 3), kGridPixel);
}

TEST_F(Render, HeaderTextIsWhiteOnGrey)
{
    sheet.setValue({0, 0}, Value::text(QStringLiteral("Mileage")));
    formatCells(sheet, CellRange::single({0, 0}), [](CellFormat& f) {
        f.fillColorIndex = 16;
        f.font.colorIndex = 2;
        f.font.bold = true;
    });
    const QImage image = render("A1");
    int white = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) white += image.pixel(x, y) == kWhitePixel ? 1 : 0;
    }
    EXPECT_GT(white, 10);
}

TEST_F(Render, SameSheetGivesTheSamePixels)
{
    test::buildSampleSheet(sheet);
    const QImage first = render("A1:F8");
    const QImage second = render("A1:F8");
    EXPECT_EQ(first, second);
}

TEST_F(Render, TenThousandRowsRenderInFull)
{
    for (int row = 0; row < 10000; ++row) sheet.setValue({row, 0}, Value::number(row));
    const QImage image = render("A1:A10000");
    EXPECT_EQ(image.height(), 170000);
    EXPECT_EQ(image.pixel(63, 169999), kGridPixel);
}

TEST_F(Render, TooLargeRangeIsTruncatedToWholeRows)
{
    const QImage image =
        renderRange(sheet, CellRange{{0, 0}, {99, 1}}, RenderLimits{128 * 17 * 10});
    EXPECT_EQ(image.size(), QSize(128, 170));
}

TEST_F(Render, RefusesARangeOutsideTheSheet)
{
    EXPECT_THROW(renderRange(sheet, CellRange{{0, 0}, {kMaxRows, 1}}), SpreadsheetError);
}

TEST(FitNumber, ShowsTheTextOrAsManyHashesAsFit)
{
    const QFontMetrics metrics(sheetFont(FontSpec{}));
    const CellContent wide{
        QStringLiteral("$123,456,789.13"), ContentKind::Number, 123456789.125, false, {}};
    const int textWidth = metrics.horizontalAdvance(wide.text);
    EXPECT_EQ(fitNumber(wide, metrics, textWidth), wide.text);

    const int narrow = textWidth / 2;
    const QString hashes = fitNumber(wide, metrics, narrow);
    ASSERT_FALSE(hashes.isEmpty());
    EXPECT_EQ(hashes, QString(hashes.size(), QLatin1Char('#')));
    EXPECT_LE(metrics.horizontalAdvance(hashes), narrow);
    EXPECT_GT(metrics.horizontalAdvance(hashes + QLatin1Char('#')), narrow);
    EXPECT_EQ(fitNumber(wide, metrics, -4), QString());
}

TEST(FitNumber, GeneralDropsDigitsBeforeGivingUp)
{
    const QFontMetrics metrics(sheetFont(FontSpec{}));
    const CellContent third{
        QStringLiteral("0.333333333"), ContentKind::Number, 1.0 / 3.0, true, {}};
    const QString shown =
        fitNumber(third, metrics, metrics.horizontalAdvance(QStringLiteral("0.3333")));
    EXPECT_TRUE(shown.startsWith(QStringLiteral("0.33"))) << shown.toStdString();
    EXPECT_LE(metrics.horizontalAdvance(shown),
              metrics.horizontalAdvance(QStringLiteral("0.3333")));
}

TEST(CellContentTest, ShowsBooleansErrorsAndFormattedNumbers)
{
    EXPECT_EQ(cellContent(Value::boolean(true), QStringLiteral("General"))->text,
              QStringLiteral("TRUE"));
    EXPECT_EQ(cellContent(Value::error(ErrorValue::NA), QStringLiteral("General"))->text,
              QStringLiteral("#N/A"));
    EXPECT_EQ(cellContent(Value::error(ErrorValue::NA), QStringLiteral("General"))->kind,
              ContentKind::Other);
    const auto money = cellContent(Value::number(1234.5), QStringLiteral("$#,##0.00"));
    EXPECT_EQ(money->text, QStringLiteral("$1,234.50"));
    EXPECT_EQ(money->kind, ContentKind::Number);
    EXPECT_FALSE(money->generalFormat);
    EXPECT_TRUE(cellContent(Value::number(2), QStringLiteral("general"))->generalFormat);
    EXPECT_FALSE(cellContent(Value(), QStringLiteral("General")).has_value());
}

TEST(FontFamilies, FallBackToMetricCompatibleFonts)
{
    EXPECT_EQ(fontFamilies(QStringLiteral("Arial")), (QStringList{"Arial", "Liberation Sans"}));
    EXPECT_EQ(fontFamilies(QStringLiteral("Courier New")),
              (QStringList{"Courier New", "Liberation Mono"}));
    EXPECT_EQ(fontFamilies(QStringLiteral("Tahoma")), (QStringList{"Tahoma", "Liberation Sans"}));
    EXPECT_EQ(sheetFont(FontSpec{}).pixelSize(), 13);
    FontSpec title;
    title.size = 18;
    title.bold = true;
    EXPECT_EQ(sheetFont(title).pixelSize(), 24);
}

} // namespace
} // namespace bw::ss::render
