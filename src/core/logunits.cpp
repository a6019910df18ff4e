// The words and signs a log's numbers are shown with.
#include "core/logunits.h"

#include <QCoreApplication>

#include <cmath>

namespace bw {

namespace {

constexpr double kSampleAmount = 1234.5;

} // namespace

Currency localeCurrency(const QLocale& locale)
{
    Currency currency;
    const QString symbol = locale.currencySymbol(QLocale::CurrencySymbol);
    if (locale.language() == QLocale::C || symbol.isEmpty()) return currency;
    currency.symbol = symbol;
    const QString sample = locale.toCurrencyString(kSampleAmount);
    const qsizetype at = sample.indexOf(symbol);
    if (at < 0) return currency;
    currency.before = at == 0;
    const qsizetype next = currency.before ? symbol.size() : at - 1;
    currency.spaced = next >= 0 && next < sample.size() && sample.at(next).isSpace();
    return currency;
}

LogUnits localeUnits(const QLocale& locale)
{
    LogUnits units;
    if (locale.language() == QLocale::C) return units;
    if (locale.measurementSystem() == QLocale::MetricSystem)
        units.distance = DistanceUnit::Kilometres;
    units.currency = localeCurrency(locale);
    return units;
}

QString unitCode(DistanceUnit unit)
{
    return unit == DistanceUnit::Kilometres ? QStringLiteral("km") : QStringLiteral("mi");
}

std::optional<DistanceUnit> unitFromCode(const QString& code)
{
    const QString key = code.trimmed().toLower();
    if (key == QLatin1String("km")) return DistanceUnit::Kilometres;
    if (key == QLatin1String("mi")) return DistanceUnit::Miles;
    return std::nullopt;
}

QString unitAbbreviation(DistanceUnit unit)
{
    return unit == DistanceUnit::Kilometres ? QCoreApplication::translate("LogUnits", "km")
                                            : QCoreApplication::translate("LogUnits", "mi");
}

QString unitName(DistanceUnit unit)
{
    return unit == DistanceUnit::Kilometres ? QCoreApplication::translate("LogUnits", "Kilometre")
                                            : QCoreApplication::translate("LogUnits", "Mile");
}

QString placementCode(const Currency& currency)
{
    QString code = currency.before ? QStringLiteral("before") : QStringLiteral("after");
    if (currency.spaced) code += QStringLiteral(" space");
    return code;
}

Currency withPlacement(Currency currency, const QString& code)
{
    const QString key = code.trimmed();
    if (!key.startsWith(QLatin1String("before")) && !key.startsWith(QLatin1String("after")))
        return currency;
    currency.before = key.startsWith(QLatin1String("before"));
    currency.spaced = key.endsWith(QLatin1String(" space"));
    return currency;
}

QString currencyFormatCode(const Currency& currency, int decimals)
{
    QString number = QStringLiteral("#,##0");
    if (decimals > 0) number += QLatin1Char('.') + QString(decimals, QLatin1Char('0'));
    if (currency == Currency{}) return QStringLiteral("$") + number;
    // A quote cannot stand inside a quoted literal; a sign never needs one.
    QString sign = currency.symbol;
    sign.remove(QLatin1Char('"'));
    const QString space = currency.spaced ? QStringLiteral(" ") : QString();
    const QString quoted =
        QLatin1Char('"') + (currency.before ? sign + space : space + sign) + QLatin1Char('"');
    return currency.before ? quoted + number : number + quoted;
}

QString currencyText(double amount, int decimals, const Currency& currency, const QLocale& locale)
{
    const QString digits = locale.toString(std::abs(amount), 'f', decimals);
    // A space that never breaks, so a wrapped cell keeps the sign beside its number.
    const QString space = currency.spaced ? QStringLiteral("\u00a0") : QString();
    const QString sign = amount < 0 ? QStringLiteral("-") : QString();
    return currency.before ? sign + currency.symbol + space + digits
                           : sign + digits + space + currency.symbol;
}

} // namespace bw
