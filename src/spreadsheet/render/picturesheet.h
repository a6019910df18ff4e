// What a picture of a range keeps of its sheet: cells, formats and geometry, copied.
#pragma once

#include "spreadsheet/model/cellformat.h"
#include "spreadsheet/model/cellref.h"
#include "spreadsheet/model/value.h"

#include <QString>

#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <span>
#include <vector>

namespace bw::ss {
class Worksheet;
}

namespace bw::ss::render {

class ByteWriter;
class ByteReader;

// A stored cell as a picture keeps it; its text lives in the sheet copy's one buffer.
struct PictureCell {
    double number = 0.0; // a number's value
    std::uint32_t textStart = 0;
    std::uint32_t textLength = 0;
    FormatId format = kDefaultFormat;
    std::int16_t col = 0;
    Value::Type type = Value::Type::Empty;
    std::uint8_t code = 0; // a boolean's 0 or 1, an error's number
    bool formula = false;

    bool isBlank() const { return !formula && type == Value::Type::Empty; }
};

// A merged region meeting the kept rows, with what it shows: its corner cell (a blank
// one when it has none), the format there and its box in the picture's pixels.
struct PictureMerge {
    CellRange range;
    bool meetsPainted = false; // it meets the painted range, not only its rows
    FormatId format = kDefaultFormat;
    PictureCell corner;
    int x0 = 0; // the box: first pixel, one past the last gridline
    int y0 = 0;
    int x1 = 0;
    int y1 = 0;
};

// What a picture of the range `painted` needs of its sheet, copied once so that the
// picture draws any part of itself later, after the sheet has changed or gone, at the
// cost of that part: the stored cells of the painted rows and of the row on either side
// (every column: text runs in from outside the range and borders are shared with the
// neighbours), the row, column and sheet formats there, every cell format, the merged
// regions that meet those rows, and where each column and painted row lies in pixels.
// Takes about 40 bytes a cell, a fraction of what its drawing would.
class PictureSheet {
public:
    PictureSheet(const Worksheet& sheet, const CellRange& painted);

    const CellRange& painted() const { return painted_; }
    int width() const { return x(painted_.last.col + 1); }
    int height() const { return rowEdges_.back(); }
    bool showGridlines() const { return gridlines_; }

    // Left edge of column `col`, 0 .. kMaxColumns, relative to the painted range.
    int x(int col) const { return columnEdges_[static_cast<std::size_t>(col)]; }
    // Top edge of row `row`, painted.first.row .. painted.last.row + 1.
    int y(int row) const { return rowEdges_[static_cast<std::size_t>(row - painted_.first.row)]; }
    // The painted rows whose pixels (with their gridline above) come within `margin`
    // of the pixel rows top .. bottom; first > last when none does.
    std::pair<int, int> rowsNear(int top, int bottom, int margin) const;

    const std::vector<CellFormat>& formats() const { return formats_; }
    const CellFormat& format(FormatId id) const { return formats_[id]; }
    // The format shown at `a`, a cell of a kept row (or, outside them, of its column).
    FormatId formatAt(CellAddress a) const;
    // The stored cells of a kept row, by column; none for other rows.
    std::span<const PictureCell> rowCells(int row) const;
    const PictureCell* cell(CellAddress a) const;
    Value value(const PictureCell& cell) const;

    const std::vector<PictureMerge>& merges() const { return merges_; }

    // The copy as bytes and back. load throws FileFormatError for anything save cannot
    // have written: indexes outside their tables, edges out of order, sizes beyond the grid.
    void save(ByteWriter& out) const;
    static PictureSheet load(ByteReader& in);

private:
    PictureSheet() = default;
    int keptIndex(int row) const { return row - keptFirst_; }
    bool isKept(int row) const { return row >= keptFirst_ && row < keptFirst_ + keptCount(); }
    int keptCount() const { return static_cast<int>(rowStarts_.size()) - 1; }
    PictureCell copyCell(int col, const Value& value, bool formula, FormatId format);
    void validate() const;

    static constexpr std::uint32_t kNoFormat = std::numeric_limits<std::uint32_t>::max();

    CellRange painted_;
    bool gridlines_ = true;
    std::array<int, kMaxColumns + 1> columnEdges_{};
    std::vector<int> rowEdges_; // painted rows and the one after, from 0
    std::vector<CellFormat> formats_;
    FormatId defaultFormat_ = kDefaultFormat;
    std::array<std::uint32_t, kMaxColumns> columnFormats_{};
    int keptFirst_ = 0;
    std::vector<std::uint32_t> rowStarts_; // into cells_, one per kept row and one more
    std::vector<std::uint32_t> rowFormats_;
    std::vector<PictureCell> cells_;
    std::vector<PictureMerge> merges_;
    QString texts_;
};

} // namespace bw::ss::render
