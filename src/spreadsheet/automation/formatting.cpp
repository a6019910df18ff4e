// Changing the format of every cell of a range, rows, columns or the whole sheet.
#include "spreadsheet/automation/formatting.h"

#include "spreadsheet/model/errors.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/model/worksheet.h"

#include <QCoreApplication>

#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

namespace bw::ss::automation {

namespace {

// Turns each format id into the id of its changed format, interning each result once.
class FormatMapper {
public:
    FormatMapper(FormatTable& table, const FormatChange& change) : table_(table), change_(change) {}

    FormatId operator()(FormatId id)
    {
        const auto found = memo_.find(id);
        if (found != memo_.end()) return found->second;
        CellFormat format = table_.get(id);
        change_(format);
        const FormatId changed = table_.intern(format);
        memo_.emplace(id, changed);
        return changed;
    }

private:
    FormatTable& table_;
    const FormatChange& change_;
    std::unordered_map<FormatId, FormatId> memo_;
};

Cell blankCell(FormatId format)
{
    Cell cell;
    cell.format = format;
    return cell;
}

void changeWholeSheet(ss::Worksheet& sheet, FormatMapper& map)
{
    sheet.setDefaultFormat(map(sheet.defaultFormat()));
    for (auto& [r, row] : sheet.rows()) {
        if (row.format) row.format = map(*row.format);
        for (auto& [c, cell] : row.cells) cell.format = map(cell.format);
    }
    for (auto& [c, column] : sheet.columns()) {
        if (column.format) column.format = map(*column.format);
    }
}

void changeColumns(ss::Worksheet& sheet, int first, int last, FormatMapper& map)
{
    // A row format outranks a column format, so where a formatted row crosses the
    // columns the changed format has to live in a cell of its own.
    for (auto& [r, row] : sheet.rows()) {
        for (auto it = row.cells.lower_bound(first); it != row.cells.end() && it->first <= last;
             ++it) {
            it->second.format = map(it->second.format);
        }
        if (!row.format) continue;
        const FormatId shown = *row.format;
        const FormatId wanted = map(shown);
        if (wanted == shown) continue;
        for (int c = first; c <= last; ++c) row.cells.try_emplace(c, blankCell(wanted));
    }
    for (int c = first; c <= last; ++c) {
        const FormatId base = sheet.columnFormat(c).value_or(sheet.defaultFormat());
        const FormatId wanted = map(base);
        if (wanted != base) sheet.setColumnFormat(c, wanted);
    }
}

void changeRows(ss::Worksheet& sheet, int first, int last, FormatMapper& map)
{
    std::vector<std::pair<int, FormatId>> formattedColumns;
    for (const auto& [c, column] : sheet.columns()) {
        if (column.format) formattedColumns.emplace_back(c, *column.format);
    }
    for (int r = first; r <= last; ++r) {
        auto found = sheet.rows().find(r);
        RowInfo* row = found == sheet.rows().end() ? nullptr : &found->second;
        if (row) {
            for (auto& [c, cell] : row->cells) cell.format = map(cell.format);
        }
        if (row && row->format) {
            row->format = map(*row->format);
            continue;
        }
        std::optional<FormatId> rowFormat;
        const FormatId wanted = map(sheet.defaultFormat());
        if (wanted != sheet.defaultFormat()) rowFormat = wanted;
        // Cells of this row that showed their column's format keep showing that format,
        // changed, once the row has a format of its own.
        for (const auto& [c, columnFormat] : formattedColumns) {
            if (row && row->cells.contains(c)) continue;
            const FormatId shownAfter = rowFormat.value_or(columnFormat);
            const FormatId cellWanted = map(columnFormat);
            if (cellWanted != shownAfter)
                sheet.rows()[r].cells.try_emplace(c, blankCell(cellWanted));
        }
        if (rowFormat) sheet.rows()[r].format = rowFormat;
    }
}

// A stored cell's format is its own; a cell without one gets one only where the change
// makes a difference.
void changeCells(ss::Worksheet& sheet, const CellRange& range, FormatMapper& map)
{
    for (int r = range.first.row; r <= range.last.row; ++r) {
        for (int c = range.first.col; c <= range.last.col; ++c) {
            const CellAddress a{r, c};
            // A stored cell is changed where it is, without being looked up twice.
            if (Cell* stored = sheet.storedCell(a)) {
                stored->format = map(stored->format);
                continue;
            }
            const FormatId old = sheet.formatAt(a);
            const FormatId wanted = map(old);
            if (wanted != old) sheet.setCellFormat(a, wanted);
        }
    }
}

Edge opposite(Edge e)
{
    switch (e) {
    case Edge::Left:
        return Edge::Right;
    case Edge::Right:
        return Edge::Left;
    case Edge::Top:
        return Edge::Bottom;
    case Edge::Bottom:
        return Edge::Top;
    }
    return e;
}

struct Offset {
    int rows;
    int cols;
};

Offset outward(Edge e)
{
    switch (e) {
    case Edge::Left:
        return {0, -1};
    case Edge::Right:
        return {0, 1};
    case Edge::Top:
        return {-1, 0};
    case Edge::Bottom:
        return {1, 0};
    }
    return {0, 0};
}

bool onGrid(CellAddress a)
{
    return a.row >= 0 && a.row < kMaxRows && a.col >= 0 && a.col < kMaxColumns;
}

// Gives the cells beside `strip` (across its `edge`) the line the strip's cells show on
// that edge: only where they already draw one, unless `always`.
void copyAcross(ss::Worksheet& sheet, const CellRange& strip, Edge edge, bool always)
{
    FormatTable& formats = sheet.workbook().formats();
    const Offset step = outward(edge);
    const Edge otherEdge = opposite(edge);

    // A long strip holds few distinct pairs of formats; each is worked out once.
    std::unordered_map<std::uint64_t, std::optional<FormatId>> memo;
    auto matched = [&](FormatId own, FormatId other) -> std::optional<FormatId> {
        const std::uint64_t pair = (std::uint64_t{own} << 32) | other;
        if (const auto found = memo.find(pair); found != memo.end()) return found->second;
        const ss::Border wanted = formats.get(own).border(edge);
        CellFormat format = formats.get(other);
        ss::Border& line = format.border(otherEdge);
        std::optional<FormatId> result;
        if ((always || line.isDrawn()) && !(line == wanted)) {
            line = wanted;
            result = formats.intern(format);
        }
        memo.emplace(pair, result);
        return result;
    };
    auto matchCell = [&](CellAddress a) {
        const CellAddress b{a.row + step.rows, a.col + step.cols};
        if (!onGrid(b)) return;
        if (const auto id = matched(sheet.formatAt(a), sheet.formatAt(b)))
            sheet.setCellFormat(b, *id);
    };

    if (strip.isWholeColumns() && step.rows == 0) {
        // Whole columns side by side: the column formats decide for every row without a
        // record; rows with a record are matched cell by cell.
        for (int c = strip.first.col; c <= strip.last.col; ++c) {
            const int other = c + step.cols;
            if (other < 0 || other >= kMaxColumns) continue;
            const FormatId own = sheet.columnFormat(c).value_or(sheet.defaultFormat());
            const FormatId theirs = sheet.columnFormat(other).value_or(sheet.defaultFormat());
            if (const auto id = matched(own, theirs)) sheet.setColumnFormat(other, *id);
            std::vector<int> recorded;
            for (const auto& [r, row] : sheet.rows()) {
                if (row.format || row.cells.contains(c) || row.cells.contains(other))
                    recorded.push_back(r);
            }
            for (const int r : recorded) matchCell({r, c});
        }
        return;
    }
    for (int r = strip.first.row; r <= strip.last.row; ++r) {
        for (int c = strip.first.col; c <= strip.last.col; ++c) matchCell({r, c});
    }
}

FormatChange onEdge(Edge edge, const BorderChange& change)
{
    return [edge, &change](CellFormat& f) { change(f.border(edge)); };
}

void outerEdge(ss::Worksheet& sheet, const CellRange& range, Edge edge, const BorderChange& change)
{
    CellRange strip = range;
    switch (edge) {
    case Edge::Left:
        strip.last.col = range.first.col;
        break;
    case Edge::Right:
        strip.first.col = range.last.col;
        break;
    case Edge::Top:
        strip.last.row = range.first.row;
        break;
    case Edge::Bottom:
        strip.first.row = range.last.row;
        break;
    }
    changeFormat(sheet, strip, onEdge(edge, change));
    copyAcross(sheet, strip, edge, false);
}

void insideLines(ss::Worksheet& sheet, const CellRange& range, bool vertical,
                 const BorderChange& change)
{
    const Edge lower = vertical ? Edge::Right : Edge::Bottom;
    const Edge upper = vertical ? Edge::Left : Edge::Top;
    const bool spansAll = vertical ? range.isWholeRows() : range.isWholeColumns();
    const int count = vertical ? range.columnCount() : range.rowCount();
    if (count < 2) return;
    if (spansAll) {
        // Every boundary of the sheet across this direction: both sides of every cell,
        // kept in the row, column or sheet formats. The two outermost sides lie on the
        // border of the grid, where nothing is beside them.
        changeFormat(sheet, range, [&](CellFormat& f) {
            change(f.border(lower));
            change(f.border(upper));
        });
        return;
    }
    CellRange strip = range;
    if (vertical)
        strip.last.col = range.last.col - 1;
    else
        strip.last.row = range.last.row - 1;
    changeFormat(sheet, strip, onEdge(lower, change));
    copyAcross(sheet, strip, lower, true);
}

} // namespace

void changeFormat(ss::Worksheet& sheet, const CellRange& range, const FormatChange& change)
{
    FormatMapper map(sheet.workbook().formats(), change);
    if (range.isWholeSheet()) {
        changeWholeSheet(sheet, map);
    } else if (range.isWholeColumns()) {
        changeColumns(sheet, range.first.col, range.last.col, map);
    } else if (range.isWholeRows()) {
        changeRows(sheet, range.first.row, range.last.row, map);
    } else {
        changeCells(sheet, range, map);
    }
}

void changeBorder(ss::Worksheet& sheet, const CellRange& range, int index,
                  const BorderChange& change)
{
    switch (index) {
    case 7:
        outerEdge(sheet, range, Edge::Left, change);
        break;
    case 8:
        outerEdge(sheet, range, Edge::Top, change);
        break;
    case 9:
        outerEdge(sheet, range, Edge::Bottom, change);
        break;
    case 10:
        outerEdge(sheet, range, Edge::Right, change);
        break;
    case 11:
        insideLines(sheet, range, true, change);
        break;
    case 12:
        insideLines(sheet, range, false, change);
        break;
    default:
        throw AutomationError(
            QCoreApplication::translate("Spreadsheet",
                                        "There is no border number %1: the borders of a range "
                                        "are numbered 7 to 12.")
                .arg(index));
    }
}

void clearRange(ss::Worksheet& sheet, const CellRange& range)
{
    sheet.setNeedsRecalc(true);
    sheet.unmerge(range);
    if (range.isWholeSheet()) {
        sheet.clearContentsAndFormats();
        return;
    }
    auto& rows = sheet.rows();
    for (auto it = rows.lower_bound(range.first.row);
         it != rows.end() && it->first <= range.last.row; ++it) {
        auto& cells = it->second.cells;
        cells.erase(cells.lower_bound(range.first.col), cells.upper_bound(range.last.col));
    }
    // What is left may still show a row, column or sheet format; cleared cells show the
    // plain format.
    if (range.isWholeColumns()) {
        for (int c = range.first.col; c <= range.last.col; ++c) {
            auto column = sheet.columns().find(c);
            if (column != sheet.columns().end()) column->second.format.reset();
            if (sheet.defaultFormat() != kDefaultFormat) sheet.setColumnFormat(c, kDefaultFormat);
        }
        for (auto& [r, row] : rows) {
            if (!row.format || *row.format == kDefaultFormat) continue;
            for (int c = range.first.col; c <= range.last.col; ++c)
                row.cells.try_emplace(c, blankCell(kDefaultFormat));
        }
        return;
    }
    if (range.isWholeRows()) {
        bool formattedColumn = false;
        for (const auto& [c, column] : sheet.columns())
            formattedColumn = formattedColumn || column.format;
        for (int r = range.first.row; r <= range.last.row; ++r) {
            auto row = rows.find(r);
            if (formattedColumn || sheet.defaultFormat() != kDefaultFormat) {
                sheet.setRowFormat(r, kDefaultFormat);
            } else if (row != rows.end()) {
                row->second.format.reset();
            }
        }
        return;
    }
    bool inherited = sheet.defaultFormat() != kDefaultFormat;
    for (auto it = rows.lower_bound(range.first.row);
         !inherited && it != rows.end() && it->first <= range.last.row; ++it) {
        inherited = it->second.format.has_value();
    }
    for (int c = range.first.col; !inherited && c <= range.last.col; ++c) {
        inherited = sheet.columnFormat(c).has_value();
    }
    if (!inherited) return;
    for (int r = range.first.row; r <= range.last.row; ++r) {
        for (int c = range.first.col; c <= range.last.col; ++c) {
            if (sheet.formatAt({r, c}) != kDefaultFormat)
                sheet.setCellFormat({r, c}, kDefaultFormat);
        }
    }
}

void mergeRange(ss::Worksheet& sheet, const CellRange& range)
{
    if (range.isSingleCell()) return;
    std::vector<CellAddress> discarded;
    auto& rows = sheet.rows();
    for (auto it = rows.lower_bound(range.first.row);
         it != rows.end() && it->first <= range.last.row; ++it) {
        auto& cells = it->second.cells;
        for (auto c = cells.lower_bound(range.first.col);
             c != cells.end() && c->first <= range.last.col; ++c) {
            const CellAddress a{it->first, c->first};
            if (a != range.first && !c->second.isBlank()) discarded.push_back(a);
        }
    }
    for (const CellAddress& a : discarded) sheet.setValue(a, Value());
    sheet.merge(range);
}

} // namespace bw::ss::automation
