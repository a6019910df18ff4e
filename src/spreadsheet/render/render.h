// Pictures of a range of cells, as pixels or as a recorded drawing, and their limits.
#pragma once

#include "spreadsheet/model/cellref.h"

#include <QImage>

class QPainter;

#include <cstdint>

namespace bw::ss {
class Worksheet;
}

namespace bw::ss::render {

class SheetPicture;

// Pixel sizes at 96 dpi: a column of w characters of Arial 10 (digit width 7 pixels,
// 5 pixels of padding) and a row of h points.
int columnWidthPixels(double characters);
int rowHeightPixels(double points);

// How big a picture may get. The default keeps an RGB32 picture within 256 MiB, the
// largest image Qt's image readers load without raising their allocation limit, so a
// picture saved to a file can always be loaded again.
struct RenderLimits {
    std::int64_t maxPixels = std::int64_t{64} * 1024 * 1024;
};

// The row height in points that shows every line of the wrapped text in `cell` (a single
// cell, its column's width), as renderRange lays it out; at least the sheet's standard
// 12.75. Needs a QGuiApplication (fonts).
double wrappedRowHeight(const Worksheet& sheet, CellAddress cell);

// The part of `range` that renderRange paints: whole columns from the left and whole
// rows from the top, as many as fit the limits (like the spreadsheet application, a
// picture that would be too large is truncated rather than refused). Throws
// SpreadsheetError when the range lies outside the grid or shows no pixel at all.
CellRange paintedRange(const Worksheet& sheet, const CellRange& range,
                       const RenderLimits& limits = {});

// The range as the sheet shows it on screen at 96 dpi: gridlines, fills, borders, fonts,
// alignment, wrapping, overflow into empty neighbours, "####" for numbers that do not
// fit, merged regions as one cell. The image is paintedRange(sheet, range, limits):
// its size is the sum of those columns' and rows' pixels. Deterministic: the same
// sheet gives the same pixels. Needs a QGuiApplication (fonts); throws
// SpreadsheetError without one and for the cases paintedRange refuses.
QImage renderRange(const Worksheet& sheet, const CellRange& range, const RenderLimits& limits = {});

// The same picture as renderRange, of the whole range, kept as its drawing: toImage()
// gives renderRange's pixels, and a scaling painter draws it sharp at any size. Needs a
// QGuiApplication; throws SpreadsheetError as renderRange does.
SheetPicture recordRange(const Worksheet& sheet, const CellRange& range);

// What renderRange paints, onto any painter: the whole range in the same pixels, its
// top-left corner at the painter's origin, within the painter's clip. Gridlines only
// when asked and the sheet shows them (printed pages leave them out). The caller's
// transform scales it for other devices, such as printed pages. Needs a
// QGuiApplication; throws SpreadsheetError without one.
void paintRange(QPainter& painter, const Worksheet& sheet, const CellRange& range, bool gridlines);

} // namespace bw::ss::render
