// Tests of showing values through number-format codes.
#include "spreadsheet/numfmt/numfmt.h"
#include "support/cellvalues.h"
#include "support/clibrarylocale.h"
#include "support/qtprint.h"

#include <gtest/gtest.h>

#include <limits>

namespace bw::ss::numfmt {
namespace {

using test::num;
using test::txt;

constexpr int kNoColor = 0;

struct FormatCase {
    const char* name;
    const char* code;
    Value value;
    const char* expected;
    int colorIndex = kNoColor;
};

void PrintTo(const FormatCase& c, std::ostream* os) { *os << c.name; }

class Format : public ::testing::TestWithParam<FormatCase> {};

TEST_P(Format, ShowsValue)
{
    const FormatCase& c = GetParam();
    const Shown shown = format(c.value, QString::fromUtf8(c.code));
    EXPECT_EQ(shown.text, QString::fromUtf8(c.expected)) << c.code;
    EXPECT_EQ(shown.colorIndex.value_or(kNoColor), c.colorIndex) << c.code;
    // Nor does the C library's locale, where printf writes a decimal comma, change a digit.
    const bw::test::CLibraryLocale comma("fr_FR.UTF-8");
    EXPECT_EQ(format(c.value, QString::fromUtf8(c.code)).text, QString::fromUtf8(c.expected))
        << c.code << " under fr_FR";
}

std::string caseName(const ::testing::TestParamInfo<FormatCase>& tc) { return tc.param.name; }

INSTANTIATE_TEST_SUITE_P(
    General, Format,
    ::testing::Values(
        FormatCase{"zero", "General", num(0), "0"},
        FormatCase{"integer", "General", num(1234567), "1234567"},
        FormatCase{"eleven_digits_fit", "General", num(12345678901.0), "12345678901"},
        FormatCase{"twelve_digits_scientific", "General", num(123456789012.0), "1.23457E+11"},
        FormatCase{"negative_eleven_digits_scientific", "General", num(-12345678901.0),
                   "-1.2346E+10"},
        FormatCase{"decimals_cut_to_width", "General", num(1234567.891234), "1234567.891"},
        FormatCase{"binary_noise_hidden", "General", num(0.1 + 0.2), "0.3"},
        FormatCase{"third", "General", num(1.0 / 3), "0.333333333"},
        FormatCase{"negative_third", "General", num(-1.0 / 3), "-0.33333333"},
        FormatCase{"small_plain", "General", num(0.000123456789), "0.000123457"},
        FormatCase{"tiny_scientific", "General", num(0.0000123), "1.23E-05"},
        FormatCase{"tiny_many_digits", "General", num(2.0 / 3 * 1e-10), "6.66667E-11"},
        FormatCase{"three_digit_exponent", "General", num(1e100), "1E+100"},
        FormatCase{"rounding_overflows_width", "General", num(99999999999.7), "1E+11"},
        FormatCase{"empty_code_is_general", "", num(2.5), "2.5"},
        FormatCase{"text_unchanged", "General", txt("  abc "), "  abc "},
        FormatCase{"boolean", "0.00", Value::boolean(true), "TRUE"},
        FormatCase{"error", "0.00", Value::error(ErrorValue::Div0), "#DIV/0!"},
        FormatCase{"empty", "0.00", Value(), ""},
        FormatCase{"not_finite", "0.00", num(std::numeric_limits<double>::infinity()), "#NUM!"}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    Numbers, Format,
    ::testing::Values(
        FormatCase{"integer_half_away_from_zero", "0", num(2.5), "3"},
        FormatCase{"negative_half_away_from_zero", "0", num(-2.5), "-3"},
        FormatCase{"decimal_rounding_as_displayed", "0.00", num(2.675), "2.68"},
        FormatCase{"huge_with_decimals", "0.00", num(1e20), "100000000000000000000.00"},
        FormatCase{"small_negative_keeps_sign", "0.00", num(-0.001), "-0.00"},
        FormatCase{"thousands", "#,##0", num(1234567.4), "1,234,567"},
        FormatCase{"thousands_zero", "#,##0", num(0), "0"},
        FormatCase{"thousands_carry", "#,##0", num(999.5), "1,000"},
        FormatCase{"thousands_decimals_negative", "#,##0.00", num(-1234.5), "-1,234.50"},
        FormatCase{"hash_only_zero_shows_nothing", "#,###", num(0), ""},
        FormatCase{"currency", "$#,##0.00", num(1234.5), "$1,234.50"},
        FormatCase{"currency_minus_before_symbol", "$#,##0.00", num(-1234.5), "-$1,234.50"},
        FormatCase{"currency_zero", "$#,##0.00", num(0), "$0.00"},
        FormatCase{"currency_parentheses", "$#,##0.00_);($#,##0.00)", num(-1234.5), "($1,234.50)"},
        FormatCase{"currency_padding_for_parenthesis", "$#,##0.00_);($#,##0.00)", num(1234.5),
                   "$1,234.50 "},
        FormatCase{"currency_red_negative", "$#,##0.00;[Red]($#,##0.00)", num(-5), "($5.00)", 3},
        FormatCase{"locale_currency_bracket", "[$\xE2\x82\xAC-407] #,##0.00", num(3),
                   "\xE2\x82\xAC 3.00"},
        FormatCase{"percent", "0%", num(0.125), "13%"},
        FormatCase{"percent_decimals", "0.00%", num(0.12345), "12.35%"},
        FormatCase{"scientific", "0.00E+00", num(12345), "1.23E+04"},
        FormatCase{"scientific_negative_exponent", "0.00E+00", num(0.000123), "1.23E-04"},
        FormatCase{"scientific_zero", "0.00E+00", num(0), "0.00E+00"},
        FormatCase{"scientific_carry", "0.00E+00", num(9.999), "1.00E+01"},
        FormatCase{"scientific_minus_only_sign", "0.0E-0", num(12345), "1.2E4"},
        FormatCase{"engineering", "##0.0E+0", num(12345), "12.3E+3"},
        FormatCase{"scaled_thousands", "#,##0,", num(1234567), "1,235"},
        FormatCase{"scaled_millions", "0.0,,", num(1234567), "1.2"},
        FormatCase{"optional_integer", "#.##", num(0.5), ".5"},
        FormatCase{"optional_decimal_dropped", "0.0#", num(1.5), "1.5"},
        FormatCase{"optional_decimal_shown", "0.0#", num(1.25), "1.25"},
        FormatCase{"space_for_missing_digit", "0.0?", num(1.5), "1.5 "},
        FormatCase{"no_integer_placeholder", ".00", num(12.5), "12.50"},
        FormatCase{"leading_zeros", "00000", num(42), "00042"},
        FormatCase{"literal_between_digits", "000-0000", num(5551234), "555-1234"},
        FormatCase{"quoted_literal", "\"km \"0", num(5), "km 5"},
        FormatCase{"escaped_literal", "0\\k", num(5), "5k"},
        FormatCase{"semicolon_in_quotes", "0\" a;b\"", num(5), "5 a;b"},
        FormatCase{"general_inside_section", "[Blue]General\" units\"", num(2.5), "2.5 units", 5},
        FormatCase{"text_format_shows_number", "@", num(12.5), "12.5"},
        FormatCase{"colour_index_code", "[Color10]0", num(1), "1", 10}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    Sections, Format,
    ::testing::Values(
        FormatCase{"four_positive", "0.00;(0.00);\"zero\";\"text: \"@", num(1.5), "1.50"},
        FormatCase{"four_negative", "0.00;(0.00);\"zero\";\"text: \"@", num(-1.5), "(1.50)"},
        FormatCase{"four_zero", "0.00;(0.00);\"zero\";\"text: \"@", num(0), "zero"},
        FormatCase{"four_text", "0.00;(0.00);\"zero\";\"text: \"@", txt("abc"), "text: abc"},
        FormatCase{"two_sections_zero_uses_first", "0;[Red]-0", num(0), "0"},
        FormatCase{"two_sections_negative_colour", "[Blue]0;[Red]-0", num(-4), "-4", 3},
        FormatCase{"two_sections_positive_colour", "[Blue]0;[Red]-0", num(4), "4", 5},
        FormatCase{"empty_negative_section", "0;;0", num(-4), ""},
        FormatCase{"text_without_text_section", "0.00", txt("abc"), "abc"},
        FormatCase{"text_format_keeps_zeros", "@", txt("00123"), "00123"},
        FormatCase{"text_section_alone", "\"<\"@\">\"", txt("x"), "<x>"},
        FormatCase{"condition_first", "[>=100][Red]0;[Blue]0", num(150), "150", 3},
        FormatCase{"condition_else", "[>=100][Red]0;[Blue]0", num(50), "50", 5},
        FormatCase{"condition_keeps_minus", "[>=100]0;0", num(-50), "-50"}),
    caseName);

constexpr double kMay14of2016 = 42504;

INSTANTIATE_TEST_SUITE_P(
    Dates, Format,
    ::testing::Values(
        FormatCase{"us_short", "m/d/yyyy", num(kMay14of2016), "5/14/2016"},
        FormatCase{"german_short", "dd.mm.yyyy", num(kMay14of2016), "14.05.2016"},
        FormatCase{"month_abbreviation", "d-mmm-yy", num(kMay14of2016), "14-May-16"},
        FormatCase{"long_names", "dddd, mmmm dd, yyyy", num(kMay14of2016),
                   "Saturday, May 14, 2016"},
        FormatCase{"day_abbreviation", "ddd", num(kMay14of2016), "Sat"},
        FormatCase{"month_initial", "mmmmm", num(kMay14of2016), "M"},
        FormatCase{"serial_one", "yyyy-mm-dd", num(1), "1900-01-01"},
        FormatCase{"serial_zero", "yyyy-mm-dd", num(0), "1900-01-00"},
        FormatCase{"before_leap_bug", "yyyy-mm-dd", num(59), "1900-02-28"},
        FormatCase{"fictitious_leap_day", "yyyy-mm-dd", num(60), "1900-02-29"},
        FormatCase{"after_leap_bug", "yyyy-mm-dd ddd", num(61), "1900-03-01 Thu"},
        FormatCase{"last_day", "yyyy-mm-dd", num(2958465), "9999-12-31"},
        FormatCase{"beyond_last_day", "yyyy-mm-dd", num(2958466), "########"},
        FormatCase{"negative_date", "m/d/yyyy", num(-1), "########"},
        FormatCase{"date_and_time", "m/d/yyyy h:mm", num(kMay14of2016 + 0.5), "5/14/2016 12:00"},
        FormatCase{"evening_pm", "h:mm AM/PM", num(0.75), "6:00 PM"},
        FormatCase{"midnight_am", "h:mm AM/PM", num(0), "12:00 AM"},
        FormatCase{"lowercase_am", "h:mm am/pm", num(0.25), "6:00 am"},
        FormatCase{"single_letter_pm", "h A/P", num(0.75), "6 P"},
        FormatCase{"seconds", "hh:mm:ss", num(0.5 + 1.0 / 86400), "12:00:01"},
        FormatCase{"minutes_before_seconds", "mm:ss", num(754.0 / 86400), "12:34"},
        FormatCase{"time_rounds_into_next_minute", "h:mm:ss", num(59.6 / 86400), "0:01:00"},
        FormatCase{"time_rounds_into_next_day", "m/d h:mm", num(1.999999999), "1/2 0:00"},
        FormatCase{"elapsed_hours", "[h]:mm", num(1.5), "36:00"},
        FormatCase{"elapsed_minutes", "[mm]:ss", num(1.0 / 24 + 5.0 / 86400), "60:05"},
        FormatCase{"hundredths", "mm:ss.00", num(1.5 / 86400), "00:01.50"},
        FormatCase{"month_after_date_not_minutes", "yyyy mm", num(kMay14of2016), "2016 05"}),
    caseName);

TEST(DateSerial, FollowsThe1900System)
{
    EXPECT_EQ(dateToSerial(QDate(1900, 1, 1)), 1);
    EXPECT_EQ(dateToSerial(QDate(1900, 2, 28)), 59);
    EXPECT_EQ(dateToSerial(QDate(1900, 3, 1)), 61);
    EXPECT_EQ(dateToSerial(QDate(2016, 5, 14)), kMay14of2016);
    EXPECT_EQ(dateToSerial(QDate(9999, 12, 31)), 2958465);
    EXPECT_EQ(dateTimeToSerial(QDateTime(QDate(2016, 5, 14), QTime(18, 0))), kMay14of2016 + 0.75);
}

TEST(DateSerial, ReadsBackOnlyRealDays)
{
    EXPECT_EQ(serialToDateTime(kMay14of2016 + 0.75), QDateTime(QDate(2016, 5, 14), QTime(18, 0)));
    EXPECT_EQ(serialToDateTime(59), QDateTime(QDate(1900, 2, 28), QTime(0, 0)));
    EXPECT_EQ(serialToDateTime(61), QDateTime(QDate(1900, 3, 1), QTime(0, 0)));
    EXPECT_FALSE(serialToDateTime(60).has_value());
    EXPECT_FALSE(serialToDateTime(-1).has_value());
    EXPECT_FALSE(serialToDateTime(2958466).has_value());
    EXPECT_FALSE(serialToDateTime(std::numeric_limits<double>::quiet_NaN()).has_value());
    for (const QDate d :
         {QDate(1900, 1, 1), QDate(1999, 12, 31), QDate(2000, 2, 29), QDate(2016, 5, 14)}) {
        EXPECT_EQ(serialToDateTime(dateToSerial(d))->date(), d)
            << d.toString(Qt::ISODate).toStdString();
    }
}

TEST(IsDateFormat, RecognisesDateAndTimeCodes)
{
    for (const char* code :
         {"m/d/yyyy", "dd.mm.yyyy", "h:mm", "[h]:mm", "mmm", "yyyy-mm-dd hh:mm:ss", "[Red]d-mmm"}) {
        EXPECT_TRUE(isDateFormat(QString::fromLatin1(code))) << code;
    }
    for (const char* code :
         {"General", "0.00", "$#,##0.00", "@", "\"d\"0", "0\\h", "#,##0;[Red]-#,##0"}) {
        EXPECT_FALSE(isDateFormat(QString::fromLatin1(code))) << code;
    }
}

TEST(FormatGeneral, NarrowerColumnsShowFewerDigits)
{
    EXPECT_EQ(formatGeneral(1.0 / 3, 6), QStringLiteral("0.3333"));
    EXPECT_EQ(formatGeneral(1234567, 6), QStringLiteral("1E+06"));
    EXPECT_EQ(formatGeneral(1.0 / 3, 20), QStringLiteral("0.333333333333333"));
}

} // namespace
} // namespace bw::ss::numfmt
