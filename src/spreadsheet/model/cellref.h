// Cell addresses and ranges of the worksheet grid, and their A1 names.
#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace bw::ss {

// The grid of an Excel 97-2003 worksheet.
inline constexpr int kMaxRows = 65536;
inline constexpr int kMaxColumns = 256;

// Zero-based row and column.
struct CellAddress {
    int row = 0;
    int col = 0;
    friend bool operator==(const CellAddress&, const CellAddress&) = default;
    friend auto operator<=>(const CellAddress&, const CellAddress&) = default;
};

// An inclusive rectangle; first is the top-left corner, last the bottom-right one.
struct CellRange {
    CellAddress first;
    CellAddress last;

    static CellRange single(CellAddress a) { return {a, a}; }
    static CellRange wholeSheet() { return {{0, 0}, {kMaxRows - 1, kMaxColumns - 1}}; }
    static CellRange rows(int firstRow, int lastRow)
    {
        return {{firstRow, 0}, {lastRow, kMaxColumns - 1}};
    }
    static CellRange columns(int firstCol, int lastCol)
    {
        return {{0, firstCol}, {kMaxRows - 1, lastCol}};
    }

    int rowCount() const { return last.row - first.row + 1; }
    int columnCount() const { return last.col - first.col + 1; }
    bool contains(CellAddress a) const
    {
        return a.row >= first.row && a.row <= last.row && a.col >= first.col && a.col <= last.col;
    }
    bool isSingleCell() const { return first == last; }
    bool isWholeRows() const { return first.col == 0 && last.col == kMaxColumns - 1; }
    bool isWholeColumns() const { return first.row == 0 && last.row == kMaxRows - 1; }
    bool isWholeSheet() const { return isWholeRows() && isWholeColumns(); }

    friend bool operator==(const CellRange&, const CellRange&) = default;
};

// "A" for 0, "Z" for 25, "AA" for 26 ...
QString columnName(int col);
// "B3" for {2, 1}.
QString a1Name(CellAddress a);
// "B3:C4", or "B3" for a single cell.
QString a1Name(const CellRange& r);

// Parses the A1 forms an automation caller passes: "B3", "$B$3", "B3:C4", "A:A", "A:H",
// "3:6", "7:7". Corners are put in order. Nothing for anything else or outside the grid.
std::optional<CellRange> parseA1Range(QStringView text);

} // namespace bw::ss
