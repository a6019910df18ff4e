// The stored rows of a sheet, by row index, in pages of memory.
#pragma once

#include "spreadsheet/model/cellref.h"
#include "spreadsheet/model/cellrow.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <iterator>
#include <memory>
#include <optional>
#include <stdexcept>
#include <type_traits>
#include <utility>

namespace bw::ss {

struct RowInfo {
    CellRow cells;                  // by column
    std::optional<double> height;   // custom height in points
    std::optional<FormatId> format; // format of the whole row
};

// The stored rows of a sheet in row order. A sheet has at most kMaxRows rows, so a row is
// found by its index alone: the rows sit in pages of 256 made when a row in them is first
// stored, and a report's tens of thousands of rows cost a few hundred blocks, not one
// each. Reads like the ordered map it replaces (find, lower_bound, upper_bound,
// try_emplace, operator[], iteration over (row, info) pairs in row order). A row stays
// where it is until it is erased or the rows are cleared, as a map's node does.
class SheetRows {
public:
    // `first` is the row's index; a slot that holds no row has -1 there.
    using value_type = std::pair<int, RowInfo>;

    template <bool Const>
    class Iterator {
    public:
        using iterator_category = std::bidirectional_iterator_tag;
        using value_type = SheetRows::value_type;
        using difference_type = std::ptrdiff_t;
        using reference = std::conditional_t<Const, const value_type&, value_type&>;
        using pointer = std::conditional_t<Const, const value_type*, value_type*>;
        using Rows = std::conditional_t<Const, const SheetRows, SheetRows>;

        Iterator() = default;
        Iterator(Rows* rows, int row) : rows_(rows), row_(row) {}
        // A mutable iterator is a const one too, as a map's is.
        operator Iterator<true>() const { return {rows_, row_}; }

        reference operator*() const { return rows_->slot(row_); }
        pointer operator->() const { return &rows_->slot(row_); }
        Iterator& operator++()
        {
            row_ = rows_->nextStored(row_ + 1);
            return *this;
        }
        Iterator operator++(int)
        {
            Iterator was = *this;
            ++*this;
            return was;
        }
        Iterator& operator--()
        {
            row_ = rows_->previousStored(row_ - 1);
            return *this;
        }
        Iterator operator--(int)
        {
            Iterator was = *this;
            --*this;
            return was;
        }
        friend bool operator==(const Iterator& a, const Iterator& b) { return a.row_ == b.row_; }

    private:
        Rows* rows_ = nullptr;
        int row_ = kMaxRows;
    };
    using iterator = Iterator<false>;
    using const_iterator = Iterator<true>;

    SheetRows() = default;
    SheetRows(const SheetRows&) = delete;
    SheetRows& operator=(const SheetRows&) = delete;
    SheetRows(SheetRows&&) noexcept = default;
    SheetRows& operator=(SheetRows&&) noexcept = default;

    iterator begin() { return {this, nextStored(0)}; }
    iterator end() { return {this, kMaxRows}; }
    const_iterator begin() const { return {this, nextStored(0)}; }
    const_iterator end() const { return {this, kMaxRows}; }
    auto rbegin() { return std::reverse_iterator(end()); }
    auto rend() { return std::reverse_iterator(begin()); }
    auto rbegin() const { return std::reverse_iterator(end()); }
    auto rend() const { return std::reverse_iterator(begin()); }

    bool empty() const { return count_ == 0; }
    std::size_t size() const { return count_; }
    void clear()
    {
        for (auto& page : pages_) page.reset();
        count_ = 0;
        last_ = -1;
    }

    iterator find(int row) { return {this, isStored(row) ? row : kMaxRows}; }
    const_iterator find(int row) const { return {this, isStored(row) ? row : kMaxRows}; }
    bool contains(int row) const { return isStored(row); }
    iterator lower_bound(int row) { return {this, nextStored(std::max(row, 0))}; }
    const_iterator lower_bound(int row) const { return {this, nextStored(std::max(row, 0))}; }
    iterator upper_bound(int row) { return lower_bound(row == kMaxRows ? row : row + 1); }
    const_iterator upper_bound(int row) const
    {
        return lower_bound(row == kMaxRows ? row : row + 1);
    }

    // The stored row at `row`, or nothing.
    RowInfo* stored(int row) { return isStored(row) ? &slot(row).second : nullptr; }
    const RowInfo* stored(int row) const { return isStored(row) ? &slot(row).second : nullptr; }

    // The row at `row`, stored empty when there is none; throws for a row off the sheet.
    std::pair<iterator, bool> try_emplace(int row)
    {
        if (row < 0 || row >= kMaxRows) throw std::out_of_range("row outside the sheet");
        auto& page = pages_[static_cast<std::size_t>(row / kPageRows)];
        if (!page) page = std::make_unique<Page>();
        value_type& at = (*page)[static_cast<std::size_t>(row % kPageRows)];
        if (at.first == row) return {{this, row}, false};
        at.first = row;
        ++count_;
        last_ = std::max(last_, row);
        return {{this, row}, true};
    }
    // The same; a row is found by its index, so a hint is not needed.
    iterator try_emplace(const_iterator, int row) { return try_emplace(row).first; }
    RowInfo& operator[](int row) { return try_emplace(row).first->second; }

    // Erases every row `remove` picks out, given the (row, info) pair.
    template <typename Pred>
    void eraseIf(Pred remove)
    {
        for (auto it = begin(); it != end(); ++it) {
            if (!remove(std::as_const(*it))) continue;
            it->second = RowInfo{};
            it->first = -1;
            --count_;
        }
        while (last_ >= 0 && !isStored(last_)) --last_;
    }

private:
    static constexpr int kPageRows = 256;
    struct Page : std::array<value_type, kPageRows> {
        Page()
        {
            for (value_type& slot : *this) slot.first = -1;
        }
    };

    bool isStored(int row) const
    {
        if (row < 0 || row > last_) return false;
        const auto& page = pages_[static_cast<std::size_t>(row / kPageRows)];
        return page && (*page)[static_cast<std::size_t>(row % kPageRows)].first == row;
    }
    value_type& slot(int row) const
    {
        return (*pages_[static_cast<std::size_t>(row / kPageRows)])[static_cast<std::size_t>(
            row % kPageRows)];
    }
    // The first stored row at or after `row`, or kMaxRows.
    int nextStored(int row) const
    {
        while (row <= last_) {
            const auto& page = pages_[static_cast<std::size_t>(row / kPageRows)];
            if (!page) {
                row = (row / kPageRows + 1) * kPageRows;
                continue;
            }
            if ((*page)[static_cast<std::size_t>(row % kPageRows)].first == row) return row;
            ++row;
        }
        return kMaxRows;
    }
    // The last stored row at or before `row`, or -1.
    int previousStored(int row) const
    {
        row = std::min(row, last_);
        while (row >= 0 && !isStored(row)) --row;
        return row;
    }

    std::array<std::unique_ptr<Page>, kMaxRows / kPageRows> pages_;
    std::size_t count_ = 0;
    int last_ = -1; // the highest stored row
};

} // namespace bw::ss
