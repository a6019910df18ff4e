// The sheet's rows answer as an ordered map of the same rows does, and keep them in place.
#include "spreadsheet/model/sheetrows.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <vector>

namespace bw::ss {
namespace {

// Stores `rows` (by index, the value in the row's height), then erases every row whose
// index `drop` divides, in both the rows and a std::map, and compares every lookup.
void compareWithMap(const std::vector<int>& rows, int drop)
{
    SheetRows sheet;
    std::map<int, double> oracle;
    std::map<int, const RowInfo*> addresses;
    for (const int r : rows) {
        sheet[r].height = r;
        oracle[r] = r;
        addresses[r] = &sheet[r];
    }
    sheet.eraseIf([&](const auto& entry) { return entry.first % drop == 0; });
    std::erase_if(oracle, [&](const auto& entry) { return entry.first % drop == 0; });

    ASSERT_EQ(sheet.size(), oracle.size());
    std::vector<std::pair<int, double>> seen;
    for (const auto& [r, info] : sheet) seen.emplace_back(r, info.height.value_or(-1));
    const std::vector<std::pair<int, double>> expected(oracle.begin(), oracle.end());
    EXPECT_EQ(seen, expected);
    if (!oracle.empty()) {
        EXPECT_EQ(sheet.rbegin()->first, oracle.rbegin()->first);
    }
    for (const auto& [r, height] : oracle) EXPECT_EQ(sheet.stored(r), addresses[r]) << r;

    const auto indexOf = [&](auto it, auto end) { return it == end ? kMaxRows : it->first; };
    for (const int probe : {0, 1, 255, 256, 257, 511, 4096, 65279, 65534, kMaxRows - 1}) {
        EXPECT_EQ(indexOf(sheet.lower_bound(probe), sheet.end()),
                  indexOf(oracle.lower_bound(probe), oracle.end()))
            << probe;
        EXPECT_EQ(indexOf(sheet.upper_bound(probe), sheet.end()),
                  indexOf(oracle.upper_bound(probe), oracle.end()))
            << probe;
        EXPECT_EQ(sheet.contains(probe), oracle.contains(probe)) << probe;
        EXPECT_EQ(sheet.find(probe) != sheet.end(), oracle.contains(probe)) << probe;
    }
}

TEST(SheetRows, AnswersAsAnOrderedMap)
{
    std::mt19937 random(36);
    std::vector<int> scattered;
    for (int i = 0; i < 2000; ++i)
        scattered.push_back(std::uniform_int_distribution<int>(0, kMaxRows - 1)(random));
    std::vector<int> filled;
    for (int r = 0; r < kMaxRows; r += 3) filled.push_back(r);
    const std::vector<int> edges{kMaxRows - 1, 0, 256, 255, 257, 65280};

    compareWithMap(scattered, 7);
    compareWithMap(filled, 2);
    compareWithMap(edges, 256);
    compareWithMap(edges, 1); // every row erased
}

TEST(SheetRows, RefusesRowsOffTheSheet)
{
    SheetRows sheet;
    EXPECT_THROW(sheet[-1], std::out_of_range);
    EXPECT_THROW(sheet[kMaxRows], std::out_of_range);
    EXPECT_TRUE(sheet.empty());
    EXPECT_EQ(sheet.find(-1), sheet.end());
    EXPECT_EQ(sheet.lower_bound(-5), sheet.end());
}

} // namespace
} // namespace bw::ss
