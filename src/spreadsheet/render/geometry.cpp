// Pixel sizes of columns and rows, and where they lie in a picture.
#include "spreadsheet/render/geometry.h"

#include "spreadsheet/model/errors.h"
#include "spreadsheet/model/worksheet.h"
#include "spreadsheet/render/render.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace bw::ss::render {

// A column width counts characters of the standard font: digits of Arial 10, 7 pixels
// wide at 96 dpi, plus 2 pixels of margin on either side and 1 for the gridline, so w
// characters take w * 7 + 5 pixels, rounded to the nearest pixel (halves up, as the
// file format's width-to-pixel truncation works out). Below one character the padding
// shrinks with the width: one character is 12 pixels and a narrower column scales down
// linearly to 0 (hidden).
int columnWidthPixels(double characters)
{
    if (!(characters > 0.0)) return 0;
    constexpr double kDigit = 7.0;
    constexpr double kPadding = 5.0;
    const double clamped = std::min(characters, 255.0);
    const double exact =
        clamped < 1.0 ? clamped * (kDigit + kPadding) : clamped * kDigit + kPadding;
    return static_cast<int>(std::floor(exact + 0.5));
}

// Points to pixels at 96 dpi (72 points to the inch). Heights the spreadsheet application
// sets are whole pixels (multiples of 0.75 point); other values round to the nearest
// pixel, halves to the even neighbour.
int rowHeightPixels(double points)
{
    if (!(points > 0.0)) return 0;
    const double exact = std::min(points, 409.5) * 96.0 / 72.0;
    const double lower = std::floor(exact);
    const double fraction = exact - lower;
    double result = lower;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(lower, 2.0) != 0.0)) result += 1.0;
    return static_cast<int>(result);
}

int rowSpanPixels(const Worksheet& sheet, int first, int last)
{
    if (last < first) return -rowSpanPixels(sheet, last, first);
    const int defaultPixels = rowHeightPixels(kDefaultRowHeight);
    int total = (last - first) * defaultPixels;
    const auto& rows = sheet.rows();
    for (auto it = rows.lower_bound(first); it != rows.end() && it->first < last; ++it) {
        if (it->second.height) total += rowHeightPixels(*it->second.height) - defaultPixels;
    }
    return total;
}

PictureGeometry::PictureGeometry(const Worksheet& sheet, const CellRange& painted)
    : sheet_(&sheet), painted_(painted)
{
    for (int col = 0; col < kMaxColumns; ++col) {
        columnEdges_[static_cast<std::size_t>(col + 1)] =
            columnEdges_[static_cast<std::size_t>(col)] + columnWidthPixels(sheet.columnWidth(col));
    }
    originX_ = columnEdges_[static_cast<std::size_t>(painted.first.col)];

    rowEdges_.reserve(static_cast<std::size_t>(painted.rowCount()) + 1);
    int edge = 0;
    rowEdges_.push_back(edge);
    for (int row = painted.first.row; row <= painted.last.row; ++row) {
        edge += rowHeightPixels(sheet.rowHeight(row));
        rowEdges_.push_back(edge);
    }
}

int PictureGeometry::y(int row) const
{
    if (row >= painted_.first.row && row <= painted_.last.row + 1) {
        return rowEdges_[static_cast<std::size_t>(row - painted_.first.row)];
    }
    return rowSpanPixels(*sheet_, painted_.first.row, row);
}

namespace {

bool insideGrid(const CellRange& r)
{
    return r.first.row >= 0 && r.first.col >= 0 && r.last.row < kMaxRows && r.last.col < kMaxColumns
           && r.first.row <= r.last.row && r.first.col <= r.last.col;
}

} // namespace

CellRange paintedRange(const Worksheet& sheet, const CellRange& range, const RenderLimits& limits)
{
    if (!insideGrid(range)) {
        throw SpreadsheetError(QCoreApplication::translate(
            "Spreadsheet", "The range to picture lies outside the sheet."));
    }
    const std::int64_t budget = std::max<std::int64_t>(limits.maxPixels, 1);

    // Whole columns while a picture one pixel high would fit, then whole rows while the
    // picture fits; the first column and row are always kept.
    CellRange painted{range.first, range.first};
    std::int64_t width = columnWidthPixels(sheet.columnWidth(range.first.col));
    for (int col = range.first.col + 1; col <= range.last.col; ++col) {
        const int w = columnWidthPixels(sheet.columnWidth(col));
        if (width + w > budget) break;
        width += w;
        painted.last.col = col;
    }
    std::int64_t height = rowHeightPixels(sheet.rowHeight(range.first.row));
    for (int row = range.first.row + 1; row <= range.last.row; ++row) {
        const int h = rowHeightPixels(sheet.rowHeight(row));
        if ((height + h) * width > budget) break;
        height += h;
        painted.last.row = row;
    }
    if (width == 0 || height == 0) {
        throw SpreadsheetError(QCoreApplication::translate(
            "Spreadsheet", "The range to picture has no visible cells."));
    }
    return painted;
}

} // namespace bw::ss::render
