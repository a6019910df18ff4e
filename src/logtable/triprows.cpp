// Rows of the trip table with their lasting ids, as the history of changes keeps them.
#include "logtable/triprows.h"

namespace bw {

namespace {
constexpr std::size_t kWidth = LogTable::kFieldCount;
}

void TripRows::append(const LogTable& table, int row)
{
    ids.push_back(table.idAt(row));
    for (int k = 0; k < LogTable::kFieldCount; ++k) values.push_back(table.valueAt(row, k));
}

void TripRows::append(const TripRows& other, int i)
{
    const auto at = static_cast<std::size_t>(i);
    ids.push_back(other.ids[at]);
    const auto from = other.values.begin() + static_cast<std::ptrdiff_t>(at * kWidth);
    values.insert(values.end(), from, from + static_cast<std::ptrdiff_t>(kWidth));
}

std::vector<QVariant> TripRows::row(int i) const
{
    const auto from =
        values.begin() + static_cast<std::ptrdiff_t>(static_cast<std::size_t>(i) * kWidth);
    return {from, from + static_cast<std::ptrdiff_t>(kWidth)};
}

bool TripRows::sameRow(int i, const TripRows& other, int j) const
{
    const auto a = static_cast<std::size_t>(i);
    const auto b = static_cast<std::size_t>(j);
    if (ids[a] != other.ids[b]) {
        return false;
    }
    for (std::size_t k = 0; k < kWidth; ++k) {
        const QVariant& x = values[a * kWidth + k];
        const QVariant& y = other.values[b * kWidth + k];
        // A null and an empty text are different values to the store.
        if (x.isNull() != y.isNull() || x != y) return false;
    }
    return true;
}

bool TripRows::sameRow(int i, const LogTable& table, int row) const
{
    const auto a = static_cast<std::size_t>(i);
    if (ids[a] != table.idAt(row)) {
        return false;
    }
    for (std::size_t k = 0; k < kWidth; ++k) {
        const QVariant& x = values[a * kWidth + k];
        const QVariant y = table.valueAt(row, static_cast<int>(k));
        if (x.isNull() != y.isNull() || x != y) return false;
    }
    return true;
}

TripRows tripRows(const LogTable& table, int first, int count)
{
    TripRows rows;
    rows.ids.reserve(static_cast<std::size_t>(count));
    rows.values.reserve(static_cast<std::size_t>(count) * kWidth);
    for (int r = first; r < first + count; ++r) rows.append(table, r);
    return rows;
}

} // namespace bw
