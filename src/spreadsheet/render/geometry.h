// Where the columns and rows of a sheet lie in a picture.
#pragma once

#include "spreadsheet/model/cellref.h"

#include <array>
#include <vector>

namespace bw::ss {
class Worksheet;
}

namespace bw::ss::render {

// Where the columns and rows of a sheet lie in a picture whose top-left corner is the
// top-left corner of `painted`. Every cell owns its right and bottom gridline pixel, so
// column c covers x(c) .. x(c + 1) - 1 and its gridline is x(c + 1) - 1. Columns and rows
// outside the painted range get coordinates too (negative or beyond the picture), so text
// and merged regions that reach in from outside land in the right place.
class PictureGeometry {
public:
    PictureGeometry(const Worksheet& sheet, const CellRange& painted);

    const CellRange& painted() const { return painted_; }
    int width() const { return x(painted_.last.col + 1); }
    int height() const { return y(painted_.last.row + 1); }

    // Left edge of column `col`, 0 .. kMaxColumns.
    int x(int col) const { return columnEdges_[static_cast<std::size_t>(col)] - originX_; }
    // Top edge of row `row`, 0 .. kMaxRows; cheap inside the painted rows.
    int y(int row) const;

private:
    const Worksheet* sheet_;
    CellRange painted_;
    std::array<int, kMaxColumns + 1> columnEdges_{}; // from column A
    int originX_ = 0;
    std::vector<int> rowEdges_; // painted rows and the one after
};

// Pixels of the rows first .. last - 1 (negative when last < first).
int rowSpanPixels(const Worksheet& sheet, int first, int last);

} // namespace bw::ss::render
