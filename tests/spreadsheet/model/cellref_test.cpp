// Tests of cell addresses, ranges and their A1 names.
#include "spreadsheet/model/cellref.h"

#include <gtest/gtest.h>

namespace bw::ss {
namespace {

struct RangeCase {
    const char* name;
    const char* text;
    bool valid;
    CellRange expected;
};

class ParseA1Range : public ::testing::TestWithParam<RangeCase> {};

TEST_P(ParseA1Range, ParsesOrRefuses)
{
    const RangeCase& c = GetParam();
    const auto parsed = parseA1Range(QString::fromLatin1(c.text));
    ASSERT_EQ(parsed.has_value(), c.valid) << c.text;
    if (c.valid) {
        EXPECT_EQ(*parsed, c.expected) << c.text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ParseA1Range,
    ::testing::Values(RangeCase{"single", "B3", true, {{2, 1}, {2, 1}}},
                      RangeCase{"absolute", "$B$3", true, {{2, 1}, {2, 1}}},
                      RangeCase{"rect", "D3:E6", true, {{2, 3}, {5, 4}}},
                      RangeCase{"reversed", "E6:D3", true, {{2, 3}, {5, 4}}},
                      RangeCase{"same_cell_range", "A1:A1", true, {{0, 0}, {0, 0}}},
                      RangeCase{"column", "A:A", true, CellRange::columns(0, 0)},
                      RangeCase{"columns", "A:H", true, CellRange::columns(0, 7)},
                      RangeCase{"rows", "3:6", true, CellRange::rows(2, 5)},
                      RangeCase{"last_cell", "IV65536", true, {{65535, 255}, {65535, 255}}},
                      RangeCase{"lowercase", "h39", true, {{38, 7}, {38, 7}}},
                      RangeCase{"beyond_columns", "IW1", false, {}},
                      RangeCase{"beyond_rows", "A65537", false, {}},
                      RangeCase{"row_zero", "A0", false, {}},
                      RangeCase{"lone_column", "A", false, {}},
                      RangeCase{"lone_row", "3", false, {}}, RangeCase{"empty", "", false, {}},
                      RangeCase{"garbage", "B3:", false, {}},
                      RangeCase{"mixed_rows_cols", "A:3", false, {}}),
    [](const ::testing::TestParamInfo<RangeCase>& tc) { return std::string(tc.param.name); });

TEST(ColumnName, CoversOneTwoLetters)
{
    EXPECT_EQ(columnName(0), QStringLiteral("A"));
    EXPECT_EQ(columnName(25), QStringLiteral("Z"));
    EXPECT_EQ(columnName(26), QStringLiteral("AA"));
    EXPECT_EQ(columnName(255), QStringLiteral("IV"));
    EXPECT_EQ(a1Name(CellRange{{8, 0}, {37, 7}}), QStringLiteral("A9:H38"));
}

} // namespace
} // namespace bw::ss
