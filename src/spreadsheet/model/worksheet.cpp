// The worksheet: stored cells, row and column settings, merged regions.
#include "spreadsheet/model/worksheet.h"

#include <algorithm>
#include <iterator>

namespace bw::ss {

Worksheet::Worksheet(Workbook& book, QString name) : book_(&book), name_(std::move(name)) {}

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
    const auto [at, made] = row.cells.try_emplace(a.col);
    if (made) at->second.format = inheritedFormat(&row, a.col);
    return at->second;
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
    for (auto& [index, row] : rows_) {
        row.cells.clear();
        row.format.reset();
    }
    rows_.eraseIf([](const auto& entry) { return !entry.second.height.has_value(); });
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
    const RowInfo* row = findRow(a.row);
    if (row != nullptr) {
        const auto c = row->cells.find(a.col);
        if (c != row->cells.end()) return c->second.format;
    }
    return inheritedFormat(row, a.col);
}

FormatId Worksheet::inheritedFormat(const RowInfo* row, int col) const
{
    if (row != nullptr && row->format) return *row->format;
    const auto found = columns_.find(col);
    if (found != columns_.end() && found->second.format) return *found->second.format;
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
