// Mileage, reimbursement and odometer start filled in for the user, never over the user.
#include "logtable/tripfills.h"

#include "logstore/claimstore.h"
#include "logtable/logtable.h"
#include "platform/datetext.h"
#include "spreadsheet/entry/localenumber.h"
#include "spreadsheet/numfmt/decimal.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>
#include <string>
#include <tuple>

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

std::vector<DrivenTrip> tripsOutsideLog(LogDatabase* database)
{
    std::vector<DrivenTrip> trips;
    if (!database) return trips;
    for (const auto& [trip, locale] : ClaimStore(*database).tripsOutsideLog()) {
        const QDate date = textToDate(trip.date.toString(), QLocale(locale));
        if (date.isValid()) trips.push_back({date, trip.mileage.toDouble()});
    }
    return trips;
}

double TripRates::drivenBefore(const LogTable& table, int row, const QLocale& locale) const
{
    if (!schedule.dependsOnDistance()) return 0.0;
    const QDate date = textToDate(table.valueAt(row, TripField::Date).toString(), locale);
    if (!date.isValid()) return 0.0;
    const int year = taxYearOf(taxYear, date);
    double driven = 0.0;
    for (const DrivenTrip& trip : outside) {
        if (trip.date.isValid() && trip.date <= date && taxYearOf(taxYear, trip.date) == year)
            driven += trip.distance;
    }
    for (int other = 0; other < table.RecordCount(); ++other) {
        if (other == row) continue;
        const QDate day = textToDate(table.valueAt(other, TripField::Date).toString(), locale);
        if (!day.isValid() || day > date || (day == date && other > row)) continue;
        if (taxYearOf(taxYear, day) != year) continue;
        driven += numberOf(table.valueAt(other, TripField::Mileage), locale).value_or(0.0);
    }
    return driven;
}

std::vector<double> TripRates::drivenBeforeEach(const LogTable& table, const QLocale& locale) const
{
    std::vector<double> before(static_cast<std::size_t>(table.RecordCount()), 0.0);
    if (!schedule.dependsOnDistance()) return before;
    // (date, -1 for a trip outside the grid or its row, distance): in the order driven.
    std::vector<std::tuple<QDate, int, double>> trips;
    for (const DrivenTrip& trip : outside) {
        if (trip.date.isValid()) trips.emplace_back(trip.date, -1, trip.distance);
    }
    QHash<QString, QDate> days;
    for (int row = 0; row < table.RecordCount(); ++row) {
        const QString text = table.valueAt(row, TripField::Date).toString();
        auto day = days.constFind(text);
        if (day == days.constEnd()) day = days.insert(text, textToDate(text, locale));
        if (!day->isValid()) continue;
        trips.emplace_back(*day, row,
                           numberOf(table.valueAt(row, TripField::Mileage), locale).value_or(0.0));
    }
    std::sort(trips.begin(), trips.end());
    std::map<int, double> drivenIn;
    for (const auto& [date, row, distance] : trips) {
        double& driven = drivenIn[taxYearOf(taxYear, date)];
        if (row >= 0) before[static_cast<std::size_t>(row)] = driven;
        driven += distance;
    }
    return before;
}

std::optional<double> TripRates::amountFor(const LogTable& table, int row, double mileage,
                                           const QLocale& locale,
                                           std::optional<double> driven) const
{
    const std::optional<double> typedRate = readTripNumber(typed, locale);
    if (!schedule.dependsOnDistance()) {
        const std::optional<double> rate = rateFor(table, row, locale);
        if (!rate) return std::nullopt;
        return reimbursementFor(mileage, *rate);
    }
    const QDate date = textToDate(table.valueAt(row, TripField::Date).toString(), locale);
    const std::optional<std::vector<RatePart>> parts = schedule.partsOn(
        date, driven ? *driven : drivenBefore(table, row, locale), mileage, typedRate);
    if (!parts) return std::nullopt;
    if (parts->size() == 1) return reimbursementFor(mileage, parts->front().rate);
    // Each stretch at its rate, rounded once to cents: 10 x 0.45 + 10 x 0.25 = 7.00.
    double sum = 0.0;
    for (const RatePart& part : *parts) sum += part.distance * part.rate;
    return ss::numfmt::roundDecimal(sum, 2);
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
    const std::vector<double> driven = rates.drivenBeforeEach(table, locale);
    for (int row = 0; row < table.RecordCount(); ++row) {
        const std::optional<double> mileage =
            numberOf(table.valueAt(row, TripField::Mileage), locale);
        if (!mileage || *mileage == 0.0) continue;
        const std::optional<double> amount =
            rates.amountFor(table, row, *mileage, locale, driven[static_cast<std::size_t>(row)]);
        if (!amount) continue;
        const double due = *amount;
        const QVariant now = table.valueAt(row, TripField::Reimbursement);
        if (now.typeId() == QMetaType::Double && now.toDouble() == due) continue;
        changes.push_back({row, due});
    }
    return changes;
}

std::vector<int> fillTrip(LogTable& table, int row, const TripRates& rates, int keepField,
                          const QLocale& locale, std::optional<double> driven)
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
    if (holdsTripValue(mileage) && isEmptyOrZero(table.valueAt(row, TripField::Reimbursement))) {
        fill(TripField::Reimbursement,
             rates.amountFor(table, row, mileage.toDouble(), locale, driven));
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
