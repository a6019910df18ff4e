// Rows of the trip table with their lasting ids, as the history of changes keeps them.
#pragma once

#include "logtable/logtable.h"

#include <QVariant>

#include <vector>

namespace bw {

// Rows of the trip table with their ids, laid out flat (eight values a row): a whole log of
// 65,527 trips is one allocation of values, and the texts are shared with the table.
struct TripRows {
    std::vector<LogTable::Bookmark> ids;
    std::vector<QVariant> values;

    int size() const { return static_cast<int>(ids.size()); }
    bool empty() const { return ids.empty(); }
    // Appends row `row` of `table`.
    void append(const LogTable& table, int row);
    // Appends row `i` of `other`.
    void append(const TripRows& other, int i);
    std::vector<QVariant> row(int i) const;
    // The same id and the same eight values.
    bool sameRow(int i, const TripRows& other, int j) const;
    bool sameRow(int i, const LogTable& table, int row) const;
};

// `count` rows of `table` from `first`.
TripRows tripRows(const LogTable& table, int first, int count);

} // namespace bw
