// Mileage, reimbursement and odometer start filled in for the user, never over the user.
#include "logtable/tripfills.h"

#include "logtable/logtable.h"
#include "platform/datetext.h"
#include "spreadsheet/entry/localenumber.h"
#include "spreadsheet/numfmt/decimal.h"

#include <QCoreApplication>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace bw {

namespace {

bool isEmptyOrZero(const QVariant& value) { return !holdsTripValue(value); }

std::optional<double> numberOf(const QVariant& value, const QLocale& locale)
{
    if (value.isNull() || !value.isValid()) return std::nullopt;
    if (value.typeId() == QMetaType::Double) return value.toDouble();
    return readTripNumber(value.toString(), locale);
}

// Digits after the decimal point of a number as its 15 significant digits show it.
int fractionDigits(double value)
{
    if (std::abs(value) < 1e15 && std::floor(value) == value) return 0;
    const QString text = QString::number(value, 'g', 15);
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    const qsizetype exponent = text.indexOf(QLatin1Char('e'));
    if (exponent >= 0) {
        const int shift = text.mid(exponent + 1).toInt();
        const qsizetype mantissa = point < 0 ? 0 : exponent - point - 1;
        return std::clamp(static_cast<int>(mantissa) - shift, 0, 15);
    }
    return point < 0 ? 0 : static_cast<int>(text.size() - point - 1);
}

// Plain digits with an optional minus and period, as ASCII; empty for anything else.
std::string plainDigits(const QString& text)
{
    std::string ascii;
    ascii.reserve(static_cast<std::size_t>(text.size()));
    bool digit = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c >= u'0' && c <= u'9') {
            digit = true;
        } else if (!(c == u'-' && i == 0) && c != u'.') {
            return {};
        }
        ascii.push_back(static_cast<char>(c));
    }
    return digit && std::count(ascii.begin(), ascii.end(), '.') <= 1 ? ascii : std::string();
}

// Most numbers in a trip log are plain digits; reading them directly spares the locale's
// parser, which dominates importing thousands of trips. Digits alone read the same in
// every locale; a period only where it is the locale's decimal point.
std::optional<double> quickNumber(const QString& text, const QLocale& locale)
{
    const std::string ascii = plainDigits(text);
    if (ascii.empty()) return std::nullopt;
    if (ascii.find('.') != std::string::npos && locale.decimalPoint() != QLatin1String("."))
        return std::nullopt;
    double value = 0.0;
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (error != std::errc() || end != ascii.data() + ascii.size()) return std::nullopt;
    return value;
}

} // namespace

std::optional<double> readTripNumber(const QString& text, const QLocale& locale)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) return std::nullopt;
    if (const std::optional<double> quick = quickNumber(trimmed, locale)) return quick;
    if (const std::optional<double> local = ss::entry::readNumber(trimmed, locale)) return local;
    QLocale plain = QLocale::c();
    plain.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = plain.toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value;
}

bool isBlankTrip(const LogTable& table, int row)
{
    for (int k = 0; k < table.fieldCount(); ++k) {
        if (holdsTripValue(table.valueAt(row, k))) return false;
    }
    return true;
}

std::optional<QString> typedRateNote(const QString& typed, const QLocale& locale)
{
    if (typed.trimmed().isEmpty() || readTripNumber(typed, locale)) return std::nullopt;
    return QCoreApplication::translate(
        "TripChecks", "This rate is not a number: no Reimbursement is filled in or checked "
                      "from it. The form shows it as typed.");
}

int countTrips(const LogTable& table)
{
    int trips = 0;
    for (int row = 0; row < table.RecordCount(); ++row) trips += isBlankTrip(table, row) ? 0 : 1;
    return trips;
}

std::optional<double> mileageFromOdometer(const QVariant& start, const QVariant& end,
                                          const QLocale& locale)
{
    const std::optional<double> from = numberOf(start, locale);
    const std::optional<double> to = numberOf(end, locale);
    if (!from || !to || *to < *from) return std::nullopt;
    const int decimals = std::max(fractionDigits(*from), fractionDigits(*to));
    // Whole readings subtract exactly.
    return decimals == 0 ? *to - *from : ss::numfmt::roundDecimal(*to - *from, decimals);
}

double reimbursementFor(double mileage, double rate)
{
    // Binary rounding decides alike unless the cents lie near a half; only those take the
    // slower way through the decimal digits.
    const double cents = mileage * rate * 100.0;
    const double fraction = std::abs(cents - std::trunc(cents));
    if (std::abs(cents) < 1e13 && std::abs(fraction - 0.5) > 1e-6) {
        return std::round(cents) / 100.0;
    }
    return ss::numfmt::roundDecimal(mileage * rate, 2);
}

std::optional<double> TripRates::rateFor(const LogTable& table, int row,
                                         const QLocale& locale) const
{
    const std::optional<double> typedRate = readTripNumber(typed, locale);
    if (schedule.isEmpty()) return typedRate;
    const QDate date = textToDate(table.valueAt(row, TripField::Date).toString(), locale);
    return schedule.rateOn(date, typedRate);
}

std::vector<int> fillTrip(LogTable& table, int row, const QString& rateText, int keepField,
                          const QLocale& locale)
{
    return fillTrip(table, row, TripRates{rateText, {}}, keepField, locale);
}

std::vector<Recalculation>
reimbursementRecalculations(const LogTable& table, const TripRates& rates, const QLocale& locale)
{
    std::vector<Recalculation> changes;
    for (int row = 0; row < table.RecordCount(); ++row) {
        const std::optional<double> mileage =
            numberOf(table.valueAt(row, TripField::Mileage), locale);
        const std::optional<double> rate = rates.rateFor(table, row, locale);
        if (!mileage || *mileage == 0.0 || !rate) continue;
        const double due = reimbursementFor(*mileage, *rate);
        const QVariant now = table.valueAt(row, TripField::Reimbursement);
        if (now.typeId() == QMetaType::Double && now.toDouble() == due) continue;
        changes.push_back({row, due});
    }
    return changes;
}

std::vector<int> fillTrip(LogTable& table, int row, const TripRates& rates, int keepField,
                          const QLocale& locale)
{
    std::vector<int> filled;
    const auto fill = [&](int field, std::optional<double> value) {
        if (field == keepField || !value || !isEmptyOrZero(table.valueAt(row, field))) return;
        if (*value == 0.0) return;
        table.setValueAt(row, field, *value);
        filled.push_back(field);
    };
    fill(TripField::Mileage,
         mileageFromOdometer(table.valueAt(row, TripField::OdometerStart),
                             table.valueAt(row, TripField::OdometerEnd), locale));
    const QVariant mileage = table.valueAt(row, TripField::Mileage);
    const std::optional<double> rate = rates.rateFor(table, row, locale);
    if (holdsTripValue(mileage) && rate) {
        fill(TripField::Reimbursement, reimbursementFor(mileage.toDouble(), *rate));
    }
    return filled;
}

bool carryOdometer(LogTable& table, int row)
{
    if (row <= 0 || holdsTripValue(table.valueAt(row, TripField::OdometerStart))) return false;
    const QVariant previousEnd = table.valueAt(row - 1, TripField::OdometerEnd);
    if (!holdsTripValue(previousEnd)) return false;
    table.setValueAt(row, TripField::OdometerStart, previousEnd.toString());
    return true;
}

} // namespace bw
