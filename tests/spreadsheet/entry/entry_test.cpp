// Tests of understanding typed cell texts and entering them.
#include "spreadsheet/entry/entry.h"
#include "spreadsheet/entry/localenumber.h"
#include "spreadsheet/formula/formula.h"
#include "spreadsheet/model/errors.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/numfmt/numfmt.h"
#include "support/cellvalues.h"
#include "support/ssprint.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

namespace bw::ss::entry {
namespace {

using test::num;
using test::q;
using test::txt;

using formula::enterR1C1;

constexpr double kMay14of2016 = 42504;
constexpr const char* kNoFormat = nullptr;

struct EntryCase {
    const char* name;
    const char* locale;
    const char* text;
    Value expected;
    const char* format = kNoFormat; // the number format the entry gives a General cell
    const char* cellFormat = "General";
};

void PrintTo(const EntryCase& c, std::ostream* os) { *os << c.name; }

class Parse : public ::testing::TestWithParam<EntryCase> {};

TEST_P(Parse, UnderstandsTypedText)
{
    const EntryCase& c = GetParam();
    const Parsed p = parse(q(c.text), q(c.cellFormat), QLocale(q(c.locale)));
    EXPECT_EQ(p.kind, Parsed::Kind::Constant);
    if (c.expected.isNumber() && p.value.isNumber()) {
        EXPECT_DOUBLE_EQ(p.value.asNumber(), c.expected.asNumber()) << c.text;
    } else {
        EXPECT_EQ(p.value, c.expected) << c.text;
    }
    EXPECT_EQ(p.numberFormat.value_or(QString()), c.format ? q(c.format) : QString()) << c.text;
}

std::string caseName(const ::testing::TestParamInfo<EntryCase>& tc) { return tc.param.name; }

INSTANTIATE_TEST_SUITE_P(
    EnUS, Parse,
    ::testing::Values(
        EntryCase{"whole", "en_US", "42", num(42)},
        EntryCase{"blanks_around_number", "en_US", "  42 ", num(42)},
        EntryCase{"leading_zeros_dropped", "en_US", "00123", num(123)},
        EntryCase{"decimal", "en_US", "1.25", num(1.25)},
        EntryCase{"decimal_without_zero", "en_US", ".5", num(0.5)},
        EntryCase{"negative", "en_US", "-42", num(-42)},
        EntryCase{"explicit_plus", "en_US", "+42", num(42)},
        EntryCase{"parenthesised_negative", "en_US", "(42)", num(-42)},
        EntryCase{"exponent", "en_US", "1.5e3", num(1500), "0.00E+00"},
        EntryCase{"negative_exponent", "en_US", "2.5e-3", num(0.0025), "0.00E+00"},
        EntryCase{"blank_between_digits_is_text", "en_US", "1 234", txt("1 234")},
        EntryCase{"thousands", "en_US", "1,234", num(1234), "#,##0"},
        EntryCase{"thousands_and_decimals", "en_US", "1,234,567.5", num(1234567.5), "#,##0.00"},
        EntryCase{"bad_grouping_is_text", "en_US", "1,23", txt("1,23")},
        EntryCase{"two_points_is_text", "en_US", "1.2.3", txt("1.2.3")},
        EntryCase{"currency", "en_US", "$1,234.50", num(1234.5), "$#,##0.00"},
        EntryCase{"currency_whole", "en_US", "$5", num(5), "$#,##0"},
        EntryCase{"currency_minus_first", "en_US", "-$5.25", num(-5.25), "$#,##0.00"},
        EntryCase{"currency_minus_after_symbol", "en_US", "$-5.25", num(-5.25), "$#,##0.00"},
        EntryCase{"currency_parentheses", "en_US", "($5.00)", num(-5), "$#,##0.00"},
        EntryCase{"foreign_currency_is_text", "en_US",
                  "\xE2\x82\xAC"
                  "5",
                  txt("\xE2\x82\xAC"
                      "5")},
        EntryCase{"percent", "en_US", "12%", num(0.12), "0%"},
        EntryCase{"percent_decimals", "en_US", "12.5%", num(0.125), "0.00%"},
        EntryCase{"currency_and_percent_is_text", "en_US", "$5%", txt("$5%")},
        EntryCase{"format_kept_in_formatted_cell", "en_US", "$5.50", num(5.5), kNoFormat, "0.00"},
        EntryCase{"short_date_four_digit_year", "en_US", "5/14/2016", num(kMay14of2016),
                  "m/d/yyyy"},
        EntryCase{"short_date_two_digit_year", "en_US", "5/14/16", num(kMay14of2016), "m/d/yyyy"},
        EntryCase{"two_digit_year_last_century", "en_US", "1/1/30", num(10959), "m/d/yyyy"},
        EntryCase{"impossible_date_is_text", "en_US", "2/30/2016", txt("2/30/2016")},
        EntryCase{"day_month_order_is_text", "en_US", "14/5/2016", txt("14/5/2016")},
        EntryCase{"iso_date", "en_US", "2016-05-14", num(kMay14of2016), "yyyy-mm-dd"},
        EntryCase{"day_month_name_year", "en_US", "14 May 2016", num(kMay14of2016), "d-mmm-yyyy"},
        EntryCase{"month_name_day_year", "en_US", "May 14, 2016", num(kMay14of2016), "d-mmm-yyyy"},
        EntryCase{"short_month_name", "en_US", "14-may-16", num(kMay14of2016), "d-mmm-yyyy"},
        EntryCase{"unknown_month_name", "en_US", "14 Mayo 2016", txt("14 Mayo 2016")},
        EntryCase{"time", "en_US", "18:30", num(18.5 / 24), "h:mm"},
        EntryCase{"time_with_seconds", "en_US", "6:30:15", num((6 * 3600 + 30 * 60 + 15) / 86400.0),
                  "h:mm:ss"},
        EntryCase{"time_pm", "en_US", "6:00 PM", num(0.75), "h:mm AM/PM"},
        EntryCase{"midnight_am", "en_US", "12:00 am", num(0), "h:mm AM/PM"},
        EntryCase{"impossible_time_is_text", "en_US", "25:00", txt("25:00")},
        EntryCase{"true", "en_US", "TRUE", Value::boolean(true)},
        EntryCase{"false_any_case", "en_US", "false", Value::boolean(false)},
        EntryCase{"text", "en_US", "Client visit", txt("Client visit")},
        EntryCase{"text_with_digits", "en_US", "Store 12", txt("Store 12")},
        EntryCase{"words_between_numbers", "en_US", "12 May Street 2016",
                  txt("12 May Street 2016")},
        EntryCase{"text_keeps_blanks", "en_US", " abc ", txt(" abc ")},
        EntryCase{"apostrophe_forces_text", "en_US", "'00123", txt("00123")},
        EntryCase{"empty_clears", "en_US", "", Value()},
        EntryCase{"text_cell_keeps_zeros", "en_US", "00123", txt("00123"), kNoFormat, "@"},
        EntryCase{"text_cell_keeps_formula_text", "en_US", "=1+1", txt("=1+1"), kNoFormat, "@"},
        EntryCase{"text_cell_keeps_boolean_text", "en_US", "TRUE", txt("TRUE"), kNoFormat, "@"}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    DeDE, Parse,
    ::testing::Values(
        EntryCase{"decimal_comma", "de_DE", "1,5", num(1.5)},
        EntryCase{"grouped", "de_DE", "1.234,5", num(1234.5), "#,##0.00"},
        EntryCase{"english_notation_is_text", "de_DE", "1,234.5", txt("1,234.5")},
        EntryCase{"currency_after", "de_DE", "1.234,50 \xE2\x82\xAC", num(1234.5),
                  "#,##0.00 \"\xE2\x82\xAC\""},
        EntryCase{"percent_with_space", "de_DE", "12,5 %", num(0.125), "0.00%"},
        EntryCase{"short_date", "de_DE", "14.05.2016", num(kMay14of2016), "dd.mm.yyyy"},
        EntryCase{"short_date_two_digit_year", "de_DE", "14.5.16", num(kMay14of2016), "dd.mm.yyyy"},
        EntryCase{"us_date_is_text", "de_DE", "5/14/2016", txt("5/14/2016")},
        EntryCase{"month_name", "de_DE", "14. Mai 2016", num(kMay14of2016), "d-mmm-yyyy"},
        EntryCase{"iso_date", "de_DE", "2016-05-14", num(kMay14of2016), "yyyy-mm-dd"}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    FrFR, Parse,
    ::testing::Values(
        EntryCase{"decimal_comma", "fr_FR", "1,5", num(1.5)},
        EntryCase{"grouped_with_space", "fr_FR", "1 234,5", num(1234.5), "#,##0.00"},
        EntryCase{"grouped_with_narrow_space", "fr_FR",
                  "1\xE2\x80\xAF"
                  "234,5",
                  num(1234.5), "#,##0.00"},
        EntryCase{"currency_after", "fr_FR", "1 234,50 \xE2\x82\xAC", num(1234.5),
                  "#,##0.00 \"\xE2\x82\xAC\""},
        EntryCase{"short_date", "fr_FR", "14/05/2016", num(kMay14of2016), "dd/mm/yyyy"},
        EntryCase{"month_name", "fr_FR", "14 mai 2016", num(kMay14of2016), "d-mmm-yyyy"}),
    caseName);

// Whatever a locale writes for a number or a short date reads back as that number or
// date under the same locale: its digits, signs, separators and exponent included.
TEST(EveryLocale, ReadsBackTheNumbersAndDatesItWrites)
{
    const double numbers[] = {1234.5, -42.75, 0.125, 0, 1e16, 5e-05, -1234567.25};
    // Two-digit years 00-29 are this century's: 16 is 2016 and 95 is 1995.
    const QDate dates[] = {QDate(2016, 5, 14), QDate(1995, 12, 31)};
    static const QRegularExpression years(QStringLiteral("y+"));
    const auto all =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    ASSERT_GT(all.size(), 300);
    for (QLocale locale : all) {
        for (const auto options : {QLocale::OmitGroupSeparator, QLocale::DefaultNumberOptions}) {
            locale.setNumberOptions(options);
            for (const double v : numbers) {
                const QString written = locale.toString(v, 'g', 15);
                EXPECT_EQ(parse(written, q("General"), locale).value, num(v))
                    << locale.name().toStdString() << " " << written.toStdString();
                EXPECT_EQ(readNumber(written, locale), v)
                    << locale.name().toStdString() << " " << written.toStdString();
            }
        }
        // Only finite numbers are numbers, in whatever form the locale writes the others.
        for (const double v :
             {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
              std::numeric_limits<double>::quiet_NaN()}) {
            EXPECT_FALSE(readNumber(locale.toString(v), locale)) << locale.name().toStdString();
            EXPECT_FALSE(parse(locale.toString(v), q("General"), locale).value.isNumber())
                << locale.name().toStdString();
        }
        QString fourDigits = locale.dateFormat(QLocale::ShortFormat);
        fourDigits.replace(years, QStringLiteral("yyyy"));
        for (const QDate& d : dates) {
            for (const QString& written :
                 {locale.toString(d, QLocale::ShortFormat), locale.toString(d, fourDigits)}) {
                EXPECT_EQ(parse(written, q("General"), locale).value, num(numfmt::dateToSerial(d)))
                    << locale.name().toStdString() << " " << written.toStdString();
            }
        }
    }
}

TEST(ReadNumber, TakesOnlyAWholeFiniteNumber)
{
    const QLocale us(q("en_US"));
    for (const char* refused : {"inf", "-inf", "INF", "Infinity", "nan", "NaN", "1e999", "", "-",
                                "1e", "12abc", "1,23"}) {
        EXPECT_FALSE(readNumber(q(refused), us)) << refused;
    }
    EXPECT_EQ(readNumber(q(" -1,234.5 "), us), -1234.5);
    EXPECT_EQ(readNumber(q("\xE2\x88\x92"
                           "2.5E+3"),
                         us),
              -2500)
        << "U+2212 is a minus under every locale";
}

// The quick reader of plain numbers answers as Qt's would, to the bit, or hands over.
TEST(PlainNumber, AgreesWithQtsReader)
{
    const QString longMantissa = QString(70, u'9') + q(".5");
    const QString tinyFraction = q("0.") + QString(330, u'0') + q("1");
    for (const QString& text :
         {q("0"), q("5."), q(".5"), q("0.1"), q("58002"), q("2.675"), q("1e308"),
          q("1.7976931348623157e308"), q("1e309"), q("4.9e-324"), q("1e-320"), q("1e-400"),
          q("123456789012345678901234567890"), q("9007199254740993"), longMantissa, tinyFraction}) {
        bool ok = false;
        const double qt = text.toDouble(&ok);
        const std::optional<double> ours = plainNumber(text);
        if (ok && std::isfinite(qt)) {
            ASSERT_TRUE(ours.has_value()) << text.toStdString();
            EXPECT_EQ(std::memcmp(&*ours, &qt, sizeof qt), 0) << text.toStdString();
        } else {
            EXPECT_FALSE(ours.has_value()) << text.toStdString();
        }
    }
}

TEST(ParseFormula, EqualsSignStartsAFormulaInAGeneralCell)
{
    const Parsed p = parse(q("=SUM(R[-30]C:R[-1]C)"), q("General"), QLocale(q("en_US")));
    EXPECT_EQ(p.kind, Parsed::Kind::Formula);
    EXPECT_EQ(p.formulaText, q("SUM(R[-30]C:R[-1]C)"));
}

TEST(EntryFormats, ShowTheEntryAsTyped)
{
    // What the formats chosen for entries show, in the file's notation.
    const QLocale us(q("en_US"));
    for (const char* typed : {"$1,234.50", "12.50%", "5/14/2016", "1,234", "6:00 PM"}) {
        const Parsed p = parse(q(typed), q("General"), us);
        ASSERT_TRUE(p.numberFormat.has_value()) << typed;
        EXPECT_EQ(numfmt::format(p.value, *p.numberFormat).text, q(typed)) << typed;
    }
}

class EnterR1C1 : public ::testing::Test {
protected:
    const Cell& cell(CellAddress a) const { return *sheet.cell(a); }
    const QString& numberFormat(CellAddress a) const
    {
        return book.formats().get(sheet.formatAt(a)).numberFormat;
    }

    Workbook book;
    Worksheet& sheet = book.addSheet(q("Sheet1"));
    QLocale us{q("en_US")};
};

TEST_F(EnterR1C1, StoresFormulaWithItsResult)
{
    enterR1C1(sheet, {0, 0}, q("5"), us);
    enterR1C1(sheet, {1, 0}, q("=R[-1]C*2"), us);
    ASSERT_TRUE(cell({1, 0}).hasFormula());
    EXPECT_EQ(formula::toA1(*cell({1, 0}).formula, {1, 0}), q("A1*2"));
    EXPECT_EQ(cell({1, 0}).value, num(10));
    EXPECT_TRUE(sheet.needsRecalc());
}

TEST_F(EnterR1C1, RefusedFormulaLeavesTheCellAsItWas)
{
    enterR1C1(sheet, {0, 0}, q("old"), us);
    EXPECT_THROW(enterR1C1(sheet, {0, 0}, q("=SUM(R[-1]C"), us), FormulaError);
    EXPECT_THROW(enterR1C1(sheet, {0, 0}, q("="), us), FormulaError);
    EXPECT_FALSE(cell({0, 0}).hasFormula());
    EXPECT_EQ(cell({0, 0}).value, txt("old"));
}

TEST_F(EnterR1C1, FormulaReadingItsOwnCellIsCircular)
{
    enterR1C1(sheet, {4, 4}, q("=RC+1"), us);
    EXPECT_EQ(cell({4, 4}).value, Value::error(formula::kCircularError));
}

TEST_F(EnterR1C1, GivesGeneralCellsTheEntrysFormatOnly)
{
    enterR1C1(sheet, {0, 0}, q("$1,234.50"), us);
    EXPECT_EQ(cell({0, 0}).value, num(1234.5));
    EXPECT_EQ(numberFormat({0, 0}), q("$#,##0.00"));

    CellFormat twoDecimals;
    twoDecimals.numberFormat = q("0.00");
    sheet.setCellFormat({1, 0}, book.formats().intern(twoDecimals));
    enterR1C1(sheet, {1, 0}, q("12%"), us);
    EXPECT_EQ(cell({1, 0}).value, num(0.12));
    EXPECT_EQ(numberFormat({1, 0}), q("0.00"));

    CellFormat text;
    text.numberFormat = q("@");
    sheet.setCellFormat({2, 0}, book.formats().intern(text));
    enterR1C1(sheet, {2, 0}, q("00123"), us);
    EXPECT_EQ(cell({2, 0}).value, txt("00123"));
    EXPECT_EQ(numberFormat({2, 0}), q("@"));
}

TEST_F(EnterR1C1, EmptyEntryClearsContentButKeepsFormat)
{
    enterR1C1(sheet, {0, 0}, q("5/14/2016"), us);
    enterR1C1(sheet, {0, 0}, QString(), us);
    EXPECT_TRUE(cell({0, 0}).isBlank());
    EXPECT_EQ(numberFormat({0, 0}), q("m/d/yyyy"));
}

} // namespace
} // namespace bw::ss::entry
