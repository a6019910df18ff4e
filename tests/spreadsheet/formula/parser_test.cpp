// Tests of parsing and printing formulas in both notations.
#include "spreadsheet/formula/formula.h"
#include "spreadsheet/model/errors.h"
#include "support/cellvalues.h"
#include "support/clibrarylocale.h"
#include "support/ssprint.h"

#include <gtest/gtest.h>

namespace bw::ss::formula {
namespace {

using test::q;

// A formula in R1C1 notation at a host cell, and how it prints in both notations.
struct RoundTrip {
    const char* name;
    const char* r1c1;
    CellAddress host;
    const char* a1;
    const char* r1c1Printed = nullptr; // when it prints differently from how it was typed
};

void PrintTo(const RoundTrip& c, std::ostream* os) { *os << c.name; }

class R1C1RoundTrip : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(R1C1RoundTrip, PrintsBackAndAsA1)
{
    const RoundTrip& c = GetParam();
    // Numbers print with a period whatever the C library's locale.
    const bw::test::CLibraryLocale comma("sv_SE.UTF-8");
    const Formula f = parseR1C1(q(c.r1c1), c.host);
    EXPECT_EQ(toR1C1(f, c.host), q(c.r1c1Printed ? c.r1c1Printed : c.r1c1));
    EXPECT_EQ(toA1(f, c.host), q(c.a1));
    // The A1 text reads back as the same tree.
    EXPECT_EQ(parseA1(q(c.a1), c.host), f);
}

constexpr CellAddress kE5{4, 4};
constexpr CellAddress kG39{38, 6};
constexpr CellAddress kA1{0, 0};

INSTANTIATE_TEST_SUITE_P(
    Table, R1C1RoundTrip,
    ::testing::Values(
        RoundTrip{"relative_cell", "R[34]C[2]", kE5, "G39"},
        RoundTrip{"relative_up_and_left", "R[-1]C[-4]", kE5, "A4"},
        RoundTrip{"relative_column_range", "SUM(R[-30]C:R[-1]C)", kG39, "SUM(G9:G38)"},
        RoundTrip{"absolute_cell", "R5C3", kE5, "$C$5"},
        RoundTrip{"same_cell_parts", "RC[2]", kA1, "C1"},
        RoundTrip{"mixed_relative_row", "R[1]C5", kA1, "$E2"},
        RoundTrip{"mixed_relative_column", "R2C[1]", kA1, "B$2"},
        RoundTrip{"absolute_range", "SUM(R1C1:R2C2)", kE5, "SUM($A$1:$B$2)"},
        RoundTrip{"reversed_range_normalised", "SUM(R[-1]C:R[-30]C)", kG39, "SUM(G9:G38)",
                  "SUM(R[-30]C:R[-1]C)"},
        RoundTrip{"whole_column", "SUM(C2)", kA1, "SUM($B:$B)"},
        RoundTrip{"whole_columns_relative", "SUM(C:C[1])", kA1, "SUM(A:B)"},
        RoundTrip{"whole_rows", "SUM(R3:R5)", kA1, "SUM($3:$5)"},
        RoundTrip{"lower_case", "sum(rc[1])", kA1, "SUM(B1)", "SUM(RC[1])"},
        RoundTrip{"spaces_dropped", " 1 + 2 * 3 ", kA1, "1+2*3", "1+2*3"},
        RoundTrip{"parentheses_kept", "(1+2)*3", kA1, "(1+2)*3"},
        RoundTrip{"unary_and_power", "-2^2", kA1, "-2^2"},
        RoundTrip{"percent", "-50%", kA1, "-50%"},
        RoundTrip{"comparison", "R1C1<>\"a\"", kA1, "$A$1<>\"a\""},
        RoundTrip{"quoted_quote", "\"say \"\"hi\"\"\"&\"!\"", kA1, "\"say \"\"hi\"\"\"&\"!\""},
        RoundTrip{"missing_argument", "SUM(1,,2)", kA1, "SUM(1,,2)"},
        RoundTrip{"nested_functions", "IF(AND(RC[-1]>0,TRUE),ROUND(RC[-1],2),\"none\")", kE5,
                  "IF(AND(D5>0,TRUE),ROUND(D5,2),\"none\")"},
        RoundTrip{"error_literal", "IF(R1C1,#DIV/0!,#N/A)", kA1, "IF($A$1,#DIV/0!,#N/A)"},
        RoundTrip{"large_number", "1.5E+20", kA1, "1.5E+20"},
        RoundTrip{"whole_number_not_scientific", "100000", kA1, "100000"},
        RoundTrip{"decimal_without_zero", ".5", kA1, "0.5", "0.5"},
        RoundTrip{"zero_argument_function", "PI()*2", kA1, "PI()*2"},
        RoundTrip{"last_cell", "R65536C256", kA1, "$IV$65536"}),
    [](const ::testing::TestParamInfo<RoundTrip>& tc) { return std::string(tc.param.name); });

TEST(ParseR1C1, StoresAbsoluteTargetsWithRelativeFlags)
{
    const Formula rel = parseR1C1(u"R[34]C[2]", kE5);
    EXPECT_EQ(rel.root.kind, Node::Kind::CellRef);
    EXPECT_EQ(rel.root.ref, (Ref{38, 6, true, true}));
    EXPECT_EQ(parseR1C1(u"R5C3", kE5).root.ref, (Ref{4, 2, false, false}));

    const Formula area = parseR1C1(u"R[-30]C:R[-1]C", kG39);
    EXPECT_EQ(area.root.kind, Node::Kind::AreaRef);
    EXPECT_EQ(area.root.ref, (Ref{8, 6, true, true}));
    EXPECT_EQ(area.root.refLast, (Ref{37, 6, true, true}));
}

TEST(Parse, SignsBindTighterThanPowerAndPercentComesAfterThem)
{
    // -2^2 is (-2)^2.
    const Node pow = parseA1(u"-2^2", kA1).root;
    ASSERT_EQ(pow.kind, Node::Kind::Binary);
    EXPECT_EQ(pow.op, Op::Pow);
    EXPECT_EQ(pow.children.at(0).kind, Node::Kind::Unary);
    EXPECT_EQ(pow.children.at(0).op, Op::Minus);

    // -50% is (-50)%.
    const Node pct = parseA1(u"-50%", kA1).root;
    EXPECT_EQ(pct.op, Op::Percent);
    EXPECT_EQ(pct.children.at(0).op, Op::Minus);

    // 1+2*3 groups the product; 2^3^2 groups from the left.
    const Node sum = parseA1(u"1+2*3", kA1).root;
    EXPECT_EQ(sum.op, Op::Add);
    EXPECT_EQ(sum.children.at(1).op, Op::Mul);
    const Node chain = parseA1(u"2^3^2", kA1).root;
    EXPECT_EQ(chain.children.at(0).op, Op::Pow);
}

struct Refused {
    const char* name;
    const char* text;
    bool r1c1;
    CellAddress host;
    const char* messagePart;
};

void PrintTo(const Refused& c, std::ostream* os) { *os << c.name; }

class RefusedFormula : public ::testing::TestWithParam<Refused> {};

TEST_P(RefusedFormula, ThrowsPlainDescription)
{
    const Refused& c = GetParam();
    const QString text = q(c.text);
    try {
        if (c.r1c1) {
            parseR1C1(text, c.host);
        } else {
            parseA1(text, c.host);
        }
        FAIL() << "accepted: " << c.text;
    } catch (const FormulaError& e) {
        EXPECT_TRUE(e.description().contains(q(c.messagePart))) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, RefusedFormula,
    ::testing::Values(Refused{"empty", "", true, kA1, "empty"},
                      Refused{"blank", "   ", true, kA1, "empty"},
                      Refused{"dangling_operator", "1+", true, kA1, "ends too early"},
                      Refused{"unclosed_parenthesis", "(1+2", true, kA1,
                              "parenthesis is not closed"},
                      Refused{"extra_parenthesis", "1+2)", true, kA1, "unexpected \")\""},
                      Refused{"unclosed_call", "SUM(1", true, kA1, "parenthesis is not closed"},
                      Refused{"unknown_function", "FOO(1)", true, kA1, "unknown function: FOO"},
                      Refused{"too_few_arguments", "ROUND(1)", true, kA1, "ROUND takes 2"},
                      Refused{"too_many_arguments", "IF(1,2,3,4)", true, kA1, "IF takes 2 to 3"},
                      Refused{"above_first_row", "R[-30]C", true, CellAddress{9, 0},
                              "R[-30]C points outside the sheet"},
                      Refused{"row_zero", "R0C1", true, kA1, "outside the sheet"},
                      Refused{"column_257", "RC257", true, kA1, "outside the sheet"},
                      Refused{"a1_row_zero", "A0", false, kA1, "outside the sheet"},
                      Refused{"a1_beyond_last_row", "A65537", false, kA1, "outside the sheet"},
                      Refused{"a1_beyond_last_column", "IW1", false, kA1, "outside the sheet"},
                      Refused{"unclosed_text", "\"abc", true, kA1, "closing quotation mark"},
                      Refused{"other_sheet", "Sheet2!R1C1", true, kA1, "other sheets"},
                      Refused{"two_operands", "1 2", true, kA1, "unexpected \"2\""},
                      Refused{"unknown_name", "total+1", true, kA1, "unknown name: total"},
                      Refused{"a1_in_r1c1", "A1+1", true, kA1, "unknown name: A1"},
                      Refused{"broken_relative_part", "R[5+1", true, kA1, "unknown name"},
                      Refused{"unknown_error_literal", "#FOO!", true, kA1, "unexpected \"#\""},
                      Refused{"mixed_range", "A1:B", false, kA1, "range"},
                      Refused{"number_too_large", "1E999", true, kA1, "too large"},
                      Refused{"number_glued_to_name", "12abc", true, kA1, "unexpected \"a\""}),
    [](const ::testing::TestParamInfo<Refused>& tc) { return std::string(tc.param.name); });

TEST(Parse, RefusesWhatTheFileCannotHold)
{
    const QString longText = u'"' + QString(256, u'x') + u'"';
    EXPECT_THROW(parseA1(longText, kA1), FormulaError);
    EXPECT_NO_THROW(parseA1(u'"' + QString(255, u'x') + u'"', kA1));

    EXPECT_THROW(parseA1(QString(65, u'(') + u'1' + QString(65, u')'), kA1), FormulaError);
    EXPECT_NO_THROW(parseA1(QString(64, u'(') + u'1' + QString(64, u')'), kA1));

    QString longSum = QStringLiteral("1");
    while (longSum.size() <= 8192) longSum += QStringLiteral("+1");
    EXPECT_THROW(parseA1(longSum, kA1), FormulaError);
}

TEST(KnownFunctions, EveryListedNameParsesAsACall)
{
    const std::vector<QString> names = knownFunctionNames();
    EXPECT_GE(names.size(), 12u);
    for (const char* required : {"SUM", "AVERAGE", "MIN", "MAX", "COUNT", "COUNTA", "ROUND", "ABS",
                                 "IF", "AND", "OR", "NOT"}) {
        EXPECT_TRUE(isKnownFunction(q(required))) << required;
    }
    EXPECT_FALSE(isKnownFunction(u"VLOOKUP"));
    EXPECT_FALSE(isKnownFunction(u"sum"));
}

} // namespace
} // namespace bw::ss::formula
