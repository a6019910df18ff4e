// The stored cells of one row, by column, in one block of memory.
#pragma once

#include "spreadsheet/model/cell.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace bw::ss {

// The stored cells of one row in column order, kept side by side: a row of a report
// costs one allocation instead of one per cell, and rows are filled from the left, so a
// new cell is nearly always appended. Reads like the ordered map it replaces (find,
// lower_bound, try_emplace, erase, iteration over (column, cell) pairs); unlike a map's,
// its iterators and references do not outlive an insertion or erasure in the row.
class CellRow {
public:
    using value_type = std::pair<int, Cell>;
    using iterator = std::vector<value_type>::iterator;
    using const_iterator = std::vector<value_type>::const_iterator;

    iterator begin() { return cells_.begin(); }
    iterator end() { return cells_.end(); }
    const_iterator begin() const { return cells_.begin(); }
    const_iterator end() const { return cells_.end(); }
    auto rbegin() const { return cells_.rbegin(); }
    auto rend() const { return cells_.rend(); }

    bool empty() const { return cells_.empty(); }
    std::size_t size() const { return cells_.size(); }
    void clear() { cells_.clear(); }
    void reserve(std::size_t cells) { cells_.reserve(cells); }

    iterator lower_bound(int col) { return std::lower_bound(begin(), end(), col, before); }
    const_iterator lower_bound(int col) const
    {
        return std::lower_bound(begin(), end(), col, before);
    }
    iterator upper_bound(int col) { return std::upper_bound(begin(), end(), col, after); }
    const_iterator upper_bound(int col) const
    {
        return std::upper_bound(begin(), end(), col, after);
    }
    iterator find(int col)
    {
        const auto at = lower_bound(col);
        return at != end() && at->first == col ? at : end();
    }
    const_iterator find(int col) const
    {
        const auto at = lower_bound(col);
        return at != end() && at->first == col ? at : end();
    }
    bool contains(int col) const { return find(col) != end(); }

    // The cell at `col`, made from `args` when there is none.
    template <typename... Args>
    std::pair<iterator, bool> try_emplace(int col, Args&&... args)
    {
        // Cells are mostly added at the right end.
        const auto at = cells_.empty() || cells_.back().first < col ? end() : lower_bound(col);
        if (at != end() && at->first == col) return {at, false};
        return {insert(at, col, Cell(std::forward<Args>(args)...)), true};
    }
    // The same, looking first where `hint` points.
    template <typename... Args>
    iterator try_emplace(const_iterator hint, int col, Args&&... args)
    {
        const bool fits = (hint == begin() || std::prev(hint)->first < col)
                          && (hint == end() || hint->first >= col);
        auto at = begin() + (fits ? hint - begin() : lower_bound(col) - begin());
        if (at != end() && at->first == col) return at;
        return insert(at, col, Cell(std::forward<Args>(args)...));
    }
    std::pair<iterator, bool> emplace(int col, Cell cell)
    {
        return try_emplace(col, std::move(cell));
    }
    Cell& operator[](int col) { return try_emplace(col).first->second; }

    iterator erase(const_iterator at) { return cells_.erase(at); }
    iterator erase(const_iterator first, const_iterator last) { return cells_.erase(first, last); }

private:
    static bool before(const value_type& cell, int col) { return cell.first < col; }
    static bool after(int col, const value_type& cell) { return col < cell.first; }

    iterator insert(iterator at, int col, Cell cell)
    {
        // Grows by half rather than double: a report's row of nine cells takes nine.
        if (cells_.size() == cells_.capacity()) {
            const auto index = at - begin();
            cells_.reserve(std::max<std::size_t>(4, cells_.size() + cells_.size() / 2));
            at = begin() + index;
        }
        return cells_.insert(at, value_type(col, std::move(cell)));
    }

    std::vector<value_type> cells_;
};

} // namespace bw::ss
