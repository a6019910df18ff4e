// The worksheet: stored cells, row and column settings, merged regions.
#include "spreadsheet/model/worksheet.h"

#include <algorithm>
#include <iterator>

namespace bw::ss {

Worksheet::Worksheet(Workbook& book, QString name) : book_(&book), name_(std::move(name)) {}

void Worksheet::remember(RowInfo* row, int index) const
{
    found_[1] = found_[0];
    found_[0] = FoundRow{row, index};
}

const RowInfo* Worksheet::findRow(int row) const
{
    for (const FoundRow& known : found_) {
        if (known.row != nullptr && known.index == row) return known.row;
    }
    const auto found = rows_.find(row);
    if (found == rows_.end()) return nullptr;
    // Only the map's own nodes are remembered, and they stay where they are until erased.
    remember(const_cast<RowInfo*>(&found->second), row);
    return found_[0].row;
}

RowInfo& Worksheet::rowAt(int row)
{
    for (const FoundRow& known : found_) {
        if (known.row != nullptr && known.index == row) return *known.row;
    }
    // Rows are mostly added below the last one, where no search is needed.
    const auto hint = !rows_.empty() && std::prev(rows_.end())->first < row
                          ? rows_.end()
                          : rows_.lower_bound(row);
    remember(&rows_.try_emplace(hint, row)->second, row);
    return *found_[0].row;
}

const Cell* Worksheet::cell(CellAddress a) const
{
    const RowInfo* row = findRow(a.row);
    if (row == nullptr) return nullptr;
    const auto c = row->cells.find(a.col);
    return c == row->cells.end() ? nullptr : &c->second;
}

Cell& Worksheet::touch(CellAddress a)
{
    RowInfo& row = rowAt(a.row);
    auto found = row.cells.find(a.col);
    if (found != row.cells.end()) return found->second;
    Cell fresh;
    fresh.format = formatAt(a);
    return row.cells.emplace(a.col, std::move(fresh)).first->second;
}

void Worksheet::setValue(CellAddress a, Value v)
{
    Cell& c = touch(a);
    c.formula.reset();
    c.value = std::move(v);
    needsRecalc_ = true;
}

void Worksheet::setFormula(CellAddress a, std::shared_ptr<const formula::Formula> f, Value cached)
{
    Cell& c = touch(a);
    c.formula = std::move(f);
    c.value = std::move(cached);
    needsRecalc_ = true;
}

void Worksheet::clearContentsAndFormats()
{
    found_[0] = found_[1] = FoundRow{};
    for (auto& [index, row] : rows_) {
        row.cells.clear();
        row.format.reset();
    }
    std::erase_if(rows_, [](const auto& entry) { return !entry.second.height.has_value(); });
    for (auto& [index, col] : columns_) {
        col.format.reset();
    }
    std::erase_if(columns_, [](const auto& entry) { return !entry.second.width.has_value(); });
    defaultFormat_ = kDefaultFormat;
    merges_.clear();
    needsRecalc_ = true;
}

FormatId Worksheet::formatAt(CellAddress a) const
{
    if (const RowInfo* row = findRow(a.row)) {
        const auto c = row->cells.find(a.col);
        if (c != row->cells.end()) return c->second.format;
        if (row->format) return *row->format;
    }
    const auto col = columns_.find(a.col);
    if (col != columns_.end() && col->second.format) return *col->second.format;
    return defaultFormat_;
}

void Worksheet::setCellFormat(CellAddress a, FormatId id) { touch(a).format = id; }

double Worksheet::rowHeight(int row) const
{
    const RowInfo* found = findRow(row);
    if (found != nullptr && found->height) return *found->height;
    return kDefaultRowHeight;
}

void Worksheet::setRowHeight(int row, double points) { rowAt(row).height = points; }

double Worksheet::columnWidth(int col) const
{
    const auto found = columns_.find(col);
    if (found != columns_.end() && found->second.width) return *found->second.width;
    return kDefaultColumnWidth;
}

void Worksheet::setColumnWidth(int col, double characters) { columns_[col].width = characters; }

std::optional<FormatId> Worksheet::rowFormat(int row) const
{
    const RowInfo* found = findRow(row);
    return found == nullptr ? std::nullopt : found->format;
}

void Worksheet::setRowFormat(int row, FormatId id) { rowAt(row).format = id; }

std::optional<FormatId> Worksheet::columnFormat(int col) const
{
    const auto found = columns_.find(col);
    return found == columns_.end() ? std::nullopt : found->second.format;
}

void Worksheet::setColumnFormat(int col, FormatId id) { columns_[col].format = id; }

namespace {

bool overlaps(const CellRange& a, const CellRange& b)
{
    return a.first.row <= b.last.row && b.first.row <= a.last.row && a.first.col <= b.last.col
           && b.first.col <= a.last.col;
}

} // namespace

void Worksheet::merge(const CellRange& r)
{
    if (r.isSingleCell()) return;
    std::erase_if(merges_, [&](const CellRange& m) { return overlaps(m, r); });
    merges_.push_back(r);
}

void Worksheet::unmerge(const CellRange& r)
{
    std::erase_if(merges_, [&](const CellRange& m) { return overlaps(m, r); });
}

std::optional<CellRange> Worksheet::usedRange() const
{
    bool any = false;
    CellRange used{{kMaxRows, kMaxColumns}, {-1, -1}};
    for (const auto& [r, row] : rows_) {
        if (row.cells.empty() && !row.height && !row.format) continue;
        any = true;
        used.first.row = std::min(used.first.row, r);
        used.last.row = std::max(used.last.row, r);
        if (!row.cells.empty()) {
            used.first.col = std::min(used.first.col, row.cells.begin()->first);
            used.last.col = std::max(used.last.col, row.cells.rbegin()->first);
        }
    }
    if (!any) return std::nullopt;
    if (used.last.col < 0) {
        used.first.col = 0;
        used.last.col = 0;
    }
    return used;
}

void Worksheet::select(std::span<const CellRange> ranges, CellAddress active)
{
    if (ranges.empty()) {
        selection_.assign(1, CellRange::single(active));
    } else {
        selection_.assign(ranges.begin(), ranges.end());
    }
    activeCell_ = active;
}

} // namespace bw::ss
