// Tests of a log's distance unit and currency: what a new log takes from its locale, and
// how amounts and number formats show the sign.
#include "core/logunits.h"
#include "core/rateschedule.h"

#include <gtest/gtest.h>

namespace bw {
namespace {

struct LocaleCase {
    QLocale locale;
    DistanceUnit unit;
    const char* symbol;
    bool before;
    bool spaced;
    const char* amount; // 1234.5 in the log's currency, in the locale's digits
    const char* format; // the report's number format
};

TEST(LogUnits, ANewLogTakesTheUnitAndCurrencyOfItsLocale)
{
    const LocaleCase cases[] = {
        {QLocale(QLocale::English, QLocale::UnitedStates), DistanceUnit::Miles, "$", true, false,
         "$1,234.50", "$#,##0.00"},
        {QLocale(QLocale::English, QLocale::UnitedKingdom), DistanceUnit::Miles, "£", true, false,
         "£1,234.50", "\"£\"#,##0.00"},
        {QLocale(QLocale::German, QLocale::Germany), DistanceUnit::Kilometres, "€", false, true,
         "1.234,50\u00a0€", "#,##0.00\" €\""},
        {QLocale(QLocale::French, QLocale::France), DistanceUnit::Kilometres, "€", false, true,
         "1\u202f234,50\u00a0€", "#,##0.00\" €\""},
        // Qt calls C metric and gives it no currency: miles and dollars, as ever.
        {QLocale::c(), DistanceUnit::Miles, "$", true, false, "$1234.50", "$#,##0.00"},
    };
    for (const LocaleCase& c : cases) {
        const LogUnits units = localeUnits(c.locale);
        const QString name = c.locale.name();
        EXPECT_EQ(units.distance, c.unit) << name.toStdString();
        EXPECT_EQ(units.currency.symbol, QString::fromUtf8(c.symbol)) << name.toStdString();
        EXPECT_EQ(units.currency.before, c.before) << name.toStdString();
        EXPECT_EQ(units.currency.spaced, c.spaced) << name.toStdString();
        EXPECT_EQ(currencyText(1234.5, 2, units.currency, c.locale), QString::fromUtf8(c.amount))
            << name.toStdString();
        EXPECT_EQ(currencyFormatCode(units.currency), QString::fromUtf8(c.format))
            << name.toStdString();
    }
}

TEST(LogUnits, RatesAndAmountsCarryTheSignWhereTheLogPutsIt)
{
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    struct Case {
        Currency currency;
        double rate;
        const char* text;
        const char* format;
    };
    const Case cases[] = {
        {{QStringLiteral("€"), false, true}, 0.585, "0.585\u00a0€", "#,##0.000\" €\""},
        {{QStringLiteral("€"), false, false}, -0.3, "-0.30€", "#,##0.00\"€\""},
        {{QStringLiteral("CHF"), true, true}, 0.7, "CHF\u00a00.70", "\"CHF \"#,##0.00"},
        // A quote cannot stand in a quoted literal, so it is left out of the format.
        {{QStringLiteral("a\"b"), true, false}, 1, "a\"b1.00", "\"ab\"#,##0.00"},
        {{}, -0.1, "-$0.10", "$#,##0.00"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(rateText(c.rate, us, c.currency), QString::fromUtf8(c.text)) << c.text;
        EXPECT_EQ(rateFormatCode(c.rate, c.currency), QString::fromUtf8(c.format)) << c.text;
    }
}

TEST(LogUnits, KeptCodesReadBackAndUnknownOnesChangeNothing)
{
    for (const DistanceUnit unit : {DistanceUnit::Miles, DistanceUnit::Kilometres})
        EXPECT_EQ(unitFromCode(unitCode(unit)), unit);
    EXPECT_EQ(unitFromCode(QStringLiteral(" KM ")), DistanceUnit::Kilometres);
    EXPECT_FALSE(unitFromCode(QStringLiteral("kilometres")));
    for (const bool before : {true, false}) {
        for (const bool spaced : {true, false}) {
            const Currency currency{QStringLiteral("€"), before, spaced};
            EXPECT_EQ(withPlacement(Currency{QStringLiteral("€")}, placementCode(currency)),
                      currency);
        }
    }
    const Currency after{QStringLiteral("€"), false, true};
    EXPECT_EQ(withPlacement(after, QStringLiteral("sideways")), after);
}

} // namespace
} // namespace bw
