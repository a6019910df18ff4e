// Tests of formulas to and from their BIFF8 tokens.
#include "sampleworkbook.h"
#include "spreadsheet/formula/bifftokens.h"
#include "spreadsheet/formula/formula.h"
#include "spreadsheet/formula/functions.h"
#include "spreadsheet/model/errors.h"

#include <gtest/gtest.h>

using namespace bw::ss;
using namespace bw::test::xls;
using bw::ss::formula::compileBiff;
using bw::ss::formula::decompileBiff;

namespace {

struct TokenCase {
    const char* name;
    Node root;
    const char* hex;
};

QByteArray bytes(const char* hex) { return QByteArray::fromHex(QByteArray(hex).replace(' ', "")); }

std::vector<TokenCase> tokenCases()
{
    return {
        {"SumOfProduct", binary(Op::Add, cell(0, 0), binary(Op::Mul, cell(0, 1), number(2))),
         "44 0000 00C0 44 0000 01C0 1E 0200 05 03"},
        {"RelativeTargetStoredAbsolute", cell(38, 6), "44 2600 06C0"},
        {"AbsoluteReference", cell(0, 0, false, false), "44 0000 0000"},
        {"OneArgumentSumIsAttrSum", columnSum(6, 8, 37), "25 0800 2500 06C0 06C0 19 10 0000"},
        {"SumOfSeveralUsesReferenceClass",
         function(QStringLiteral("SUM"), {cell(0, 0), number(1.5)}),
         "24 0000 00C0 1F 000000000000F83F 42 02 0400"},
        {"FixedArgumentFunction", function(QStringLiteral("ROUND"), {cell(0, 0), number(0)}),
         "44 0000 00C0 1E 0000 41 1B00"},
        {"IfTakesReferencesForItsResults",
         function(QStringLiteral("IF"),
                  {binary(Op::Gt, cell(0, 0), number(1)), text(QStringLiteral("a")), cell(0, 1)}),
         "44 0000 00C0 1E 0100 0D 17 01 00 61 24 0000 01C0 42 03 0100"},
        {"WideText", text(QStringLiteral("€")), "17 01 01 AC20"},
        {"UnaryParenPercent", unary(Op::Minus, paren(unary(Op::Percent, number(50)))),
         "1E 3200 14 15 13"},
        {"ComparisonAndConcat",
         binary(Op::Concat, binary(Op::Ne, number(1), number(2)), text(QStringLiteral("x"))),
         "1E 0100 1E 0200 0E 17 01 00 78 08"},
        {"NoArgumentFunction", function(QStringLiteral("NOW"), {}), "41 4A00"},
        {"FractionIsADouble", number(0.25), "1F 000000000000D03F"},
    };
}

class BiffTokens : public testing::TestWithParam<TokenCase> {};

} // namespace

TEST_P(BiffTokens, CompilesToTheFileFormatsBytesAndBack)
{
    const TokenCase& c = GetParam();
    const formula::Formula f{c.root};
    EXPECT_EQ(compileBiff(f).toHex(' '), bytes(c.hex).toHex(' '));
    const auto back = decompileBiff(bytes(c.hex), {20, 20});
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, f);
}

INSTANTIATE_TEST_SUITE_P(Formulas, BiffTokens, testing::ValuesIn(tokenCases()),
                         [](const testing::TestParamInfo<TokenCase>& tc) {
                             return std::string(tc.param.name);
                         });

TEST(BiffTokensErrors, FormulasTheFileCannotHoldAreRefused)
{
    const std::vector<std::pair<const char*, Node>> cases = {
        {"unknown function", function(QStringLiteral("NOSUCHFUNCTION"), {number(1)})},
        {"too many arguments",
         function(QStringLiteral("ROUND"), {number(1), number(2), number(3)})},
        {"too few arguments", function(QStringLiteral("IF"), {number(1)})},
        {"long text", text(QString(256, QChar(u'a')))},
        {"row outside the grid", cell(65536, 0)},
        {"column outside the grid", cell(0, 256)},
    };
    for (const auto& [name, root] : cases) {
        EXPECT_THROW(compileBiff(formula::Formula{root}), FormulaError) << name;
    }
}

TEST(BiffTokensReading, SharedFormulaOffsetsResolveAgainstTheCell)
{
    // RefN two rows up, one column right; AreaN of the column above.
    const auto f = decompileBiff(bytes("4C FEFF 01C0"), {10, 3});
    ASSERT_TRUE(f.has_value());
    EXPECT_EQ(f->root, cell(8, 4));
    const auto a = decompileBiff(bytes("2D FBFF FFFF 00C0 00C0 19 10 0000"), {10, 3});
    ASSERT_TRUE(a.has_value());
    EXPECT_EQ(a->root, columnSum(3, 5, 9));
}

TEST(BiffTokensReading, WhatTheModelCannotHoldOrMalformedGivesNothing)
{
    const std::vector<std::pair<const char*, const char*>> cases = {
        {"defined name", "23 0100 0000"},
        {"other sheet", "3A 0000 0000 00C0"},
        {"array constant", "40 00000000 000000"},
        {"unknown function index", "41 FF01"},
        {"truncated number", "1F 0000"},
        {"operator without operands", "03"},
        {"two values left", "1E 0100 1E 0200"},
        {"shared formula pointer", "01 0000 0000"},
        {"bad error code", "1C 63"},
        {"empty", ""},
    };
    for (const auto& [name, hex] : cases) {
        EXPECT_FALSE(decompileBiff(bytes(hex), {0, 0}).has_value()) << name;
    }
}

TEST(BiffTokensReading, DeepNestingIsRefusedNotRecursedInto)
{
    auto nested = [](int depth) {
        QByteArray t = bytes("1E 0100");
        for (int i = 0; i < depth; ++i) t += bytes("13");
        return t;
    };
    EXPECT_TRUE(decompileBiff(nested(150), {0, 0}).has_value());
    EXPECT_FALSE(decompileBiff(nested(5000), {0, 0}).has_value());
}

TEST(BiffTokensReading, SkipsMarksThatDoNotChangeTheExpression)
{
    // Volatile mark, IF jump, spaces, a CHOOSE jump table and a memory-area prefix.
    const auto f =
        decompileBiff(bytes("19 01 0000 29 0500 44 0000 00C0 19 40 0001 1E 0100 03"), {0, 0});
    ASSERT_TRUE(f.has_value());
    EXPECT_EQ(f->root, binary(Op::Add, cell(0, 0), number(1)));
    const auto choose =
        decompileBiff(bytes("1E 0100 19 04 0100 0400 0800 1E 0200 42 02 6400"), {0, 0});
    ASSERT_TRUE(choose.has_value());
    EXPECT_EQ(choose->root, function(QStringLiteral("CHOOSE"), {number(1), number(2)}));
}

// With the formula parser: formulas as typed go into tokens and come back as the same text.
TEST(BiffTokensWithParser, TypedFormulasComeBackAsTyped)
{
    const std::vector<std::pair<CellAddress, const char*>> a1 = {
        {{38, 6}, "SUM(G9:G38)"},
        {{3, 7}, "IF(A1<=100,ROUND(D1,0),-(50%))"},
        {{3, 1}, "$A$2&\" – ü\""},
        {{0, 0}, "AVERAGE(B1:C$4)*2^3-1/(4+$D5)"},
        {{9, 9}, "AND(A1>=B$2,NOT(ISBLANK(C3)),A1<>\"€\")"},
        {{1, 1}, "CONCATENATE(LEFT(A1,2),UPPER(TRIM(A2)),TRUE)"},
    };
    for (const auto& [host, text] : a1) {
        const formula::Formula parsed = formula::parseA1(QString::fromUtf8(text), host);
        const auto back = decompileBiff(compileBiff(parsed), host);
        ASSERT_TRUE(back.has_value()) << text;
        EXPECT_EQ(formula::toA1(*back, host), QString::fromUtf8(text));
    }
    const std::vector<std::pair<CellAddress, const char*>> r1c1 = {
        {{4, 4}, "R[34]C[2]"},
        {{38, 6}, "SUM(R[-30]C:R[-1]C)"},
    };
    for (const auto& [host, text] : r1c1) {
        const formula::Formula parsed = formula::parseR1C1(QString::fromUtf8(text), host);
        const auto back = decompileBiff(compileBiff(parsed), host);
        ASSERT_TRUE(back.has_value()) << text;
        EXPECT_EQ(formula::toR1C1(*back, host), QString::fromUtf8(text));
    }
}

// Whatever the evaluator can calculate must also be savable as a formula.
TEST(BiffTokensWithParser, EveryFunctionTheEvaluatorKnowsHasATokenForm)
{
    for (const QString& name : formula::knownFunctionNames()) {
        const formula::FunctionSpec* known = formula::findFunction(name);
        ASSERT_NE(known, nullptr);
        for (const int argc : {known->minArgs, std::min(known->maxArgs, 3)}) {
            if (argc < known->minArgs) continue;
            std::vector<Node> args(static_cast<std::size_t>(argc), number(1));
            const formula::Formula f{function(name, args)};
            QByteArray tokens;
            EXPECT_NO_THROW(tokens = compileBiff(f)) << name.toStdString() << " with " << argc;
            const auto back = decompileBiff(tokens, {0, 0});
            ASSERT_TRUE(back.has_value()) << name.toStdString();
            EXPECT_EQ(*back, f) << name.toStdString();
        }
    }
}
