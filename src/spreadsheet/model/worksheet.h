// The worksheet: stored cells, row heights, column widths and formats, merged regions.
#pragma once

#include "spreadsheet/model/cell.h"
#include "spreadsheet/model/cellref.h"
#include "spreadsheet/model/pagesetup.h"
#include "spreadsheet/model/sheetrows.h"

#include <QString>

#include <initializer_list>
#include <map>
#include <optional>
#include <span>
#include <utility>
#include <vector>

namespace bw::ss {

class Workbook;

// Row heights are in points, column widths in characters of the standard font
// (Arial 10: the width of the digit "0" at 7 pixels, plus cell padding).
inline constexpr double kDefaultRowHeight = 12.75;
inline constexpr double kDefaultColumnWidth = 8.43;

struct ColumnInfo {
    std::optional<double> width;    // characters
    std::optional<FormatId> format; // format of the whole column
};

// A sparse grid of cells with the sheet's layout, selection and page setup.
// Format lookup for a cell without a stored cell: the row's format, else the column's,
// else the sheet's default format (what selecting every cell and formatting sets).
class Worksheet {
public:
    Worksheet(Workbook& book, QString name);
    // A sheet belongs to its workbook, which knows it by address.
    Worksheet(const Worksheet&) = delete;
    Worksheet& operator=(const Worksheet&) = delete;

    Workbook& workbook() { return *book_; }
    const Workbook& workbook() const { return *book_; }

    const QString& name() const { return name_; }
    void setName(const QString& name) { name_ = name; }

    // Cells ---------------------------------------------------------------------------
    const Cell* cell(CellAddress a) const;
    // The stored cell to change in place, or nothing; its format may change, its content
    // through setValue and setFormula only.
    Cell* storedCell(CellAddress a) { return const_cast<Cell*>(std::as_const(*this).cell(a)); }
    // The stored cell, created with the format it would show when missing.
    Cell& touch(CellAddress a);
    // Stores a constant (empty value erases content but keeps the cell's format).
    void setValue(CellAddress a, Value v);
    void setFormula(CellAddress a, std::shared_ptr<const formula::Formula> f, Value cached);
    // Removes every cell, merged region and row/column/sheet format. Widths and heights stay.
    void clearContentsAndFormats();

    FormatId formatAt(CellAddress a) const;
    void setCellFormat(CellAddress a, FormatId id);

    const SheetRows& rows() const { return rows_; }
    SheetRows& rows() { return rows_; }
    const std::map<int, ColumnInfo>& columns() const { return columns_; }
    std::map<int, ColumnInfo>& columns() { return columns_; }

    // Layout --------------------------------------------------------------------------
    double rowHeight(int row) const;
    void setRowHeight(int row, double points);
    double columnWidth(int col) const;
    void setColumnWidth(int col, double characters);

    std::optional<FormatId> rowFormat(int row) const;
    void setRowFormat(int row, FormatId id);
    std::optional<FormatId> columnFormat(int col) const;
    void setColumnFormat(int col, FormatId id);
    FormatId defaultFormat() const { return defaultFormat_; }
    void setDefaultFormat(FormatId id) { defaultFormat_ = id; }

    const std::vector<CellRange>& mergedRegions() const { return merges_; }
    // A single cell is never a merged region; overlapping regions are replaced.
    void merge(const CellRange& r);
    // Removes every merged region that overlaps the range.
    void unmerge(const CellRange& r);

    // The rectangle from the first to the last row and column that hold a cell (with a
    // value or a format of its own) or a custom row height. Nothing for an empty sheet.
    std::optional<CellRange> usedRange() const;

    // View ----------------------------------------------------------------------------
    const std::vector<CellRange>& selection() const { return selection_; }
    CellAddress activeCell() const { return activeCell_; }
    void select(std::span<const CellRange> ranges, CellAddress active);
    void select(std::initializer_list<CellRange> ranges, CellAddress active)
    {
        select(std::span<const CellRange>(ranges.begin(), ranges.size()), active);
    }
    bool showGridlines() const { return showGridlines_; }
    void setShowGridlines(bool on) { showGridlines_ = on; }

    PageSetup& pageSetup() { return pageSetup_; }
    const PageSetup& pageSetup() const { return pageSetup_; }

    // Recalculation bookkeeping: set by every change of a cell, cleared by the calculator.
    bool needsRecalc() const { return needsRecalc_; }
    void setNeedsRecalc(bool on) { needsRecalc_ = on; }

private:
    const RowInfo* findRow(int row) const { return rows_.stored(row); }
    RowInfo& rowAt(int row) { return rows_[row]; }
    // The format a cell of `row` without a stored cell shows in column `col`.
    FormatId inheritedFormat(const RowInfo* row, int col) const;

    Workbook* book_;
    QString name_;
    SheetRows rows_;
    std::map<int, ColumnInfo> columns_;
    FormatId defaultFormat_ = kDefaultFormat;
    std::vector<CellRange> merges_;
    std::vector<CellRange> selection_{CellRange::single({0, 0})};
    CellAddress activeCell_{0, 0};
    bool showGridlines_ = true;
    PageSetup pageSetup_;
    bool needsRecalc_ = false;
};

} // namespace bw::ss
