// Tests of evaluating formulas and worksheet functions.
#include "spreadsheet/formula/formula.h"
#include "spreadsheet/model/workbook.h"
#include "support/cellvalues.h"
#include "support/clibrarylocale.h"
#include "support/ssprint.h"

#include <gtest/gtest.h>

#include <memory>

namespace bw::ss::formula {
namespace {

using test::num;
using test::q;
using test::txt;

Value boolean(bool v) { return Value::boolean(v); }
Value err(ErrorValue e) { return Value::error(e); }

// A1 10, A2 20, A3 "text", A4 TRUE, A5 empty, A6 #DIV/0!, A7 "5" (a text).
void fillInputs(Worksheet& sheet)
{
    sheet.setValue({0, 0}, num(10));
    sheet.setValue({1, 0}, num(20));
    sheet.setValue({2, 0}, txt("text"));
    sheet.setValue({3, 0}, boolean(true));
    sheet.setValue({5, 0}, err(ErrorValue::Div0));
    sheet.setValue({6, 0}, txt("5"));
}

struct EvalCase {
    const char* name;
    const char* a1;
    Value expected;
    CellAddress host{9, 5}; // F10: outside the inputs' rows
};

void PrintTo(const EvalCase& c, std::ostream* os) { *os << c.name; }

class Evaluate : public ::testing::TestWithParam<EvalCase> {
protected:
    Workbook book;
    Worksheet& sheet = book.addSheet(QStringLiteral("Sheet1"));
};

TEST_P(Evaluate, GivesSpreadsheetResult)
{
    const EvalCase& c = GetParam();
    fillInputs(sheet);
    // The C library's locale, where printf writes a decimal comma, changes no result.
    const bw::test::CLibraryLocale comma("de_DE.UTF-8");
    const Value got = evaluate(parseA1(q(c.a1), c.host), sheet, c.host);
    if (c.expected.isNumber() && got.isNumber()) {
        EXPECT_DOUBLE_EQ(got.asNumber(), c.expected.asNumber()) << c.a1;
    } else {
        EXPECT_EQ(got, c.expected) << c.a1;
    }
}

std::string caseName(const ::testing::TestParamInfo<EvalCase>& tc) { return tc.param.name; }

INSTANTIATE_TEST_SUITE_P(
    Operators, Evaluate,
    ::testing::Values(EvalCase{"minus_binds_tighter_than_power", "-2^2", num(4)},
                      EvalCase{"power_left_to_right", "2^3^2", num(64)},
                      EvalCase{"product_before_sum", "1+2*3", num(7)},
                      EvalCase{"parentheses", "(1+2)*3", num(9)},
                      EvalCase{"percent_postfix", "2*3%", num(0.06)},
                      EvalCase{"percent_after_sign", "-50%", num(-0.5)},
                      EvalCase{"concat_after_sum", "1+2&3", txt("33")},
                      EvalCase{"comparison_last", "1+2=3", boolean(true)},
                      EvalCase{"text_compare_ignores_case", "\"abc\"=\"ABC\"", boolean(true)},
                      EvalCase{"text_order", "\"a\"<\"B\"", boolean(true)},
                      EvalCase{"numbers_before_texts", "1<\"a\"", boolean(true)},
                      EvalCase{"booleans_after_texts", "TRUE>\"z\"", boolean(true)},
                      EvalCase{"number_text_not_equal", "1=\"1\"", boolean(false)},
                      EvalCase{"text_operand_converts", "A7+1", num(6)},
                      EvalCase{"currency_text_converts", "\"$1,234.50\"+0", num(1234.5)},
                      EvalCase{"percent_text_converts", "\"50%\"*2", num(1)},
                      EvalCase{"date_text_converts", "\"5/14/2016\"+0", num(42504)},
                      EvalCase{"boolean_is_one", "TRUE+1", num(2)},
                      EvalCase{"plus_keeps_text", "+\"a\"", txt("a")},
                      EvalCase{"number_to_text_15_digits", "1/3&\"\"", txt("0.333333333333333")}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    Errors, Evaluate,
    ::testing::Values(EvalCase{"divide_by_zero", "1/0", err(ErrorValue::Div0)},
                      EvalCase{"divide_by_empty", "1/A5", err(ErrorValue::Div0)},
                      EvalCase{"error_cell_propagates", "A6+1", err(ErrorValue::Div0)},
                      EvalCase{"left_error_first", "#N/A+1/0", err(ErrorValue::NA)},
                      EvalCase{"error_through_concat", "\"a\"&A6", err(ErrorValue::Div0)},
                      EvalCase{"error_through_comparison", "A6=1", err(ErrorValue::Div0)},
                      EvalCase{"text_in_arithmetic", "\"x\"+1", err(ErrorValue::Value)},
                      EvalCase{"text_cell_in_arithmetic", "A3*2", err(ErrorValue::Value)},
                      EvalCase{"zero_to_zero", "0^0", err(ErrorValue::Num)},
                      EvalCase{"overflow", "10^400", err(ErrorValue::Num)},
                      EvalCase{"negative_root", "SQRT(-1)", err(ErrorValue::Num)},
                      EvalCase{"fractional_power_of_negative", "(-8)^0.5", err(ErrorValue::Num)},
                      EvalCase{"range_where_one_value_is_wanted", "A1:A3+1",
                               err(ErrorValue::Value)},
                      EvalCase{"implicit_intersection", "A1:A3+1", num(21), CellAddress{1, 5}},
                      EvalCase{"na_function", "NA()", err(ErrorValue::NA)}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    EmptyCells, Evaluate,
    ::testing::Values(EvalCase{"empty_is_zero_in_sum", "A5+1", num(1)},
                      EvalCase{"empty_is_empty_text", "A5&\"x\"", txt("x")},
                      EvalCase{"empty_equals_zero", "A5=0", boolean(true)},
                      EvalCase{"empty_equals_empty_text", "A5=\"\"", boolean(true)},
                      EvalCase{"empty_equals_false", "A5=FALSE", boolean(true)},
                      EvalCase{"formula_showing_empty_is_zero", "A5", num(0)},
                      EvalCase{"isblank", "ISBLANK(A5)", boolean(true)},
                      EvalCase{"isblank_zero", "ISBLANK(0)", boolean(false)}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    Functions, Evaluate,
    ::testing::Values(
        EvalCase{"sum_range_skips_text_and_booleans", "SUM(A1:A5)", num(30)},
        EvalCase{"sum_reference_to_number_text_skipped", "SUM(A7)", num(0)},
        EvalCase{"sum_direct_arguments_convert", "SUM(\"5\",TRUE,1)", num(7)},
        EvalCase{"sum_direct_text_refused", "SUM(\"x\")", err(ErrorValue::Value)},
        EvalCase{"sum_range_error_propagates", "SUM(A1:A7)", err(ErrorValue::Div0)},
        EvalCase{"sum_whole_column", "SUM(A:A)-A6", err(ErrorValue::Div0)},
        EvalCase{"sum_missing_argument", "SUM(1,,2)", num(3)},
        EvalCase{"average", "AVERAGE(A1:A5)", num(15)},
        EvalCase{"average_of_nothing", "AVERAGE(A5)", err(ErrorValue::Div0)},
        EvalCase{"min", "MIN(A1:A5)", num(10)}, EvalCase{"max_mixed", "MAX(A1:A5,25)", num(25)},
        EvalCase{"max_of_no_numbers", "MAX(A3)", num(0)},
        EvalCase{"count_range_numbers_only", "COUNT(A1:A7)", num(2)},
        EvalCase{"count_direct", "COUNT(1,\"2\",\"x\",TRUE)", num(3)},
        EvalCase{"counta", "COUNTA(A1:A7)", num(6)},
        EvalCase{"round_as_displayed", "ROUND(2.675,2)", num(2.68)},
        EvalCase{"round_half_away", "ROUND(-2.5,0)", num(-3)},
        EvalCase{"round_to_hundreds", "ROUND(1250,-2)", num(1300)},
        EvalCase{"round_digits_truncated", "ROUND(1.25,1.9)", num(1.3)},
        EvalCase{"roundup", "ROUNDUP(1.21,1)", num(1.3)},
        EvalCase{"rounddown", "ROUNDDOWN(-1.29,1)", num(-1.2)}, EvalCase{"abs", "ABS(-3)", num(3)},
        EvalCase{"mod_takes_divisor_sign", "MOD(-3,2)", num(1)},
        EvalCase{"if_then", "IF(A1>5,\"big\",\"small\")", txt("big")},
        EvalCase{"if_without_else", "IF(FALSE,1)", boolean(false)},
        EvalCase{"if_empty_branch", "IF(TRUE,,1)", num(0)},
        EvalCase{"if_error_condition", "IF(A6,1,2)", err(ErrorValue::Div0)},
        EvalCase{"if_untaken_branch_not_evaluated", "IF(TRUE,1,1/0)", num(1)},
        EvalCase{"if_text_condition", "IF(\"x\",1,2)", err(ErrorValue::Value)},
        EvalCase{"and_mixed", "AND(TRUE,1)", boolean(true)},
        EvalCase{"and_range_skips_text", "AND(A1:A4)", boolean(true)},
        EvalCase{"and_text_only_range", "AND(A3)", err(ErrorValue::Value)},
        EvalCase{"or_all_false", "OR(FALSE,0)", boolean(false)},
        EvalCase{"or_text_argument", "OR(\"x\")", err(ErrorValue::Value)},
        EvalCase{"not", "NOT(0)", boolean(true)}, EvalCase{"date", "DATE(2016,5,14)", num(42504)},
        EvalCase{"date_month_rolls_over", "DATE(2016,13,1)", num(42736)},
        EvalCase{"year_month_day", "YEAR(42504)*10000+MONTH(42504)*100+DAY(42504)", num(20160514)},
        EvalCase{"trim_folds_spaces", "TRIM(\"  a   b \")", txt("a b")},
        EvalCase{"text_functions", "CONCATENATE(LEFT(\"abc\",2),RIGHT(\"xyz\"),LEN(\"four\"),TRUE)",
                 txt("abz4TRUE")}),
    caseName);

// --- recalculation ------------------------------------------------------------------------

class Recalc : public ::testing::Test {
protected:
    Worksheet& sheet() { return book.sheet(0); }
    void formulaR1C1(CellAddress at, const char* text)
    {
        sheet().setFormula(at, std::make_shared<const Formula>(parseR1C1(q(text), at)), Value());
    }
    Value at(CellAddress a) const { return book.sheet(0).cell(a)->value; }

    Workbook book;
    Worksheet& first = book.addSheet(QStringLiteral("Sheet1"));
};

TEST_F(Recalc, TotalsAndReferencesFollowTheirInputs)
{
    const CellAddress g39{38, 6};
    const CellAddress e5{4, 4};
    formulaR1C1(e5, "R[34]C[2]"); // reads the total before it is computed
    formulaR1C1(g39, "SUM(R[-30]C:R[-1]C)");
    sheet().setValue({8, 6}, num(12.5));
    sheet().setValue({9, 6}, num(7.5));
    sheet().setValue({10, 6}, txt("n/a"));
    sheet().setValue({38 - 31, 6}, num(1000)); // G8: just above the summed rows

    recalculate(sheet());
    EXPECT_EQ(at(g39), num(20));
    EXPECT_EQ(at(e5), num(20));
    EXPECT_FALSE(sheet().needsRecalc());

    sheet().setValue({37, 6}, num(5));
    EXPECT_TRUE(sheet().needsRecalc());
    recalculate(book);
    EXPECT_EQ(at(g39), num(25));
    EXPECT_EQ(at(e5), num(25));
}

TEST_F(Recalc, CircularReferencesGiveTheCircularErrorAndTheirReadersToo)
{
    formulaR1C1({0, 0}, "R[1]C");             // A1 = A2
    formulaR1C1({1, 0}, "R[-1]C");            // A2 = A1
    formulaR1C1({2, 0}, "R[-1]C+1");          // A3 reads the loop
    formulaR1C1({0, 1}, "RC+1");              // B1 reads itself
    formulaR1C1({1, 1}, "SUM(R1C2:R3C2)");    // B2's range holds B2
    formulaR1C1({3, 0}, "IF(TRUE,1,R[-1]C)"); // D: reads the loop only in a branch not taken
    sheet().setValue({2, 1}, num(1));
    formulaR1C1({4, 0}, "R3C2*2"); // A5 reads a plain number

    recalculate(sheet());
    EXPECT_EQ(at({0, 0}), err(kCircularError));
    EXPECT_EQ(at({1, 0}), err(kCircularError));
    EXPECT_EQ(at({2, 0}), err(kCircularError));
    EXPECT_EQ(at({0, 1}), err(kCircularError));
    EXPECT_EQ(at({1, 1}), err(kCircularError));
    EXPECT_EQ(at({3, 0}), num(1));
    EXPECT_EQ(at({4, 0}), num(2));
    EXPECT_EQ(evaluate(parseR1C1(u"R[-1]C+RC", {5, 0}), sheet(), {5, 0}), err(kCircularError));
}

TEST_F(Recalc, LongChainsNeedNoCallDepth)
{
    constexpr int kLength = 20000;
    // Column A: A1 = 1, each cell below reads the one above (walked in order).
    sheet().setValue({0, 0}, num(1));
    for (int row = 1; row < kLength; ++row) formulaR1C1({row, 0}, "R[-1]C+1");
    // Column B: each cell reads the one below, so the first formula visited waits for
    // the whole chain.
    for (int row = 0; row + 1 < kLength; ++row) formulaR1C1({row, 1}, "R[1]C+1");
    sheet().setValue({kLength - 1, 1}, num(0));
    // Column C: one loop through 20,000 cells.
    for (int row = 0; row < kLength; ++row)
        formulaR1C1({row, 2}, row + 1 < kLength ? "R[1]C" : "R1C");

    recalculate(sheet());
    EXPECT_EQ(at({kLength - 1, 0}), num(kLength));
    EXPECT_EQ(at({0, 1}), num(kLength - 1));
    EXPECT_EQ(at({0, 2}), err(kCircularError));
    EXPECT_EQ(at({kLength - 1, 2}), err(kCircularError));
}

TEST_F(Recalc, WorkbookRecalculatesOnlySheetsThatChanged)
{
    Worksheet& other = book.addSheet(QStringLiteral("Other"));
    other.setFormula({0, 0}, std::make_shared<const Formula>(parseA1(u"1+1", {0, 0})), num(99));
    other.setNeedsRecalc(false);
    formulaR1C1({0, 0}, "2*3");

    recalculate(book);
    EXPECT_EQ(at({0, 0}), num(6));
    EXPECT_EQ(other.cell({0, 0})->value, num(99));
}

} // namespace
} // namespace bw::ss::formula
