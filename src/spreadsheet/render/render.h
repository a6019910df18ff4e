#pragma once

#include "spreadsheet/model/cellref.h"

#include <QImage>

namespace bw::ss {
class Worksheet;
}

namespace bw::ss::render {

// Pixel sizes at 96 dpi: a column of w characters of Arial 10 (digit width 7 pixels,
// 5 pixels of padding) and a row of h points.
int columnWidthPixels(double characters);
int rowHeightPixels(double points);

// The range as the sheet shows it on screen at 96 dpi: gridlines, fills, borders, fonts,
// alignment, wrapping, overflow into empty neighbours, "####" for numbers that do not
// fit. Deterministic: the same sheet gives the same pixels.
QImage renderRange(const Worksheet& sheet, const CellRange& range);

} // namespace bw::ss::render
