// The words and signs a log's numbers are shown with: its distance unit and its currency.
#pragma once

#include <QLocale>
#include <QString>

#include <optional>

namespace bw {

// Only the words change with the unit: a stored distance is the number the user typed.
enum class DistanceUnit { Miles, Kilometres };

// A currency sign and where it stands: "$1.25", "1,25 €", "CHF 1.25".
struct Currency {
    QString symbol = QStringLiteral("$");
    bool before = true;  // the sign before the number
    bool spaced = false; // a space between sign and number
    friend bool operator==(const Currency&, const Currency&) = default;
};

// How a log shows its numbers. The default is what every log had before it kept one.
struct LogUnits {
    DistanceUnit distance = DistanceUnit::Miles;
    Currency currency;
    friend bool operator==(const LogUnits&, const LogUnits&) = default;
};

// What a new log takes from the locale: kilometres where it measures in metric, miles in
// the US and the UK, and its currency sign in the place the locale puts it. The C locale,
// which Qt calls metric and which has no currency, keeps miles and "$".
LogUnits localeUnits(const QLocale& locale);
// The sign and its position as `locale` writes an amount; "$" where it has none.
Currency localeCurrency(const QLocale& locale);

// "mi" / "km" as kept in the log and given to the report tool; nothing for another text.
QString unitCode(DistanceUnit unit);
std::optional<DistanceUnit> unitFromCode(const QString& code);
// The abbreviation shown beside a distance ("mi", "km"), translated.
QString unitAbbreviation(DistanceUnit unit);
// "Mile" / "Kilometre", for "Rate per Mile".
QString unitName(DistanceUnit unit);

// The position as kept in the log: "before", "before space", "after", "after space".
QString placementCode(const Currency& currency);
// `currency` with the kept position; unchanged for an unknown text.
Currency withPlacement(Currency currency, const QString& code);

// The spreadsheet number format of an amount with `decimals` decimals: "$#,##0.00" for
// dollars, the sign quoted otherwise ("#,##0.00\" €\""), so any sign is literal text.
QString currencyFormatCode(const Currency& currency, int decimals = 2);
// An amount with the locale's separators and the sign in place: "$6.25", "-6,25 €".
QString currencyText(double amount, int decimals, const Currency& currency,
                     const QLocale& locale = QLocale());

} // namespace bw
