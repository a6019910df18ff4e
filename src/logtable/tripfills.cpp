#include "logtable/tripfills.h"

#include "logtable/logtable.h"
#include "spreadsheet/numfmt/decimal.h"

#include <algorithm>
#include <cmath>

namespace bw {

namespace {

bool isEmptyOrZero(const QVariant& value)
{
    return !holdsTripValue(value);
}

std::optional<double> numberOf(const QVariant& value, const QLocale& locale)
{
    if (value.isNull() || !value.isValid()) return std::nullopt;
    if (value.typeId() == QMetaType::Double) return value.toDouble();
    return readTripNumber(value.toString(), locale);
}

// Digits after the decimal point of a number as its 15 significant digits show it.
int fractionDigits(double value)
{
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

} // namespace

std::optional<double> readTripNumber(const QString& text, const QLocale& locale)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) return std::nullopt;
    bool ok = false;
    double value = locale.toDouble(trimmed, &ok);
    if (!ok) {
        QLocale plain = QLocale::c();
        plain.setNumberOptions(QLocale::RejectGroupSeparator);
        value = plain.toDouble(trimmed, &ok);
    }
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value;
}

bool holdsTripValue(const QVariant& value)
{
    if (value.isNull() || !value.isValid()) return false;
    if (value.typeId() == QMetaType::Double) return value.toDouble() != 0.0;
    return !value.toString().isEmpty();
}

bool isBlankTrip(const LogTable& table, int row)
{
    for (int k = 0; k < table.fieldCount(); ++k) {
        if (holdsTripValue(table.valueAt(row, k))) return false;
    }
    return true;
}

std::optional<double> mileageFromOdometer(const QVariant& start, const QVariant& end,
                                          const QLocale& locale)
{
    const std::optional<double> from = numberOf(start, locale);
    const std::optional<double> to = numberOf(end, locale);
    if (!from || !to || *to < *from) return std::nullopt;
    const int decimals = std::max(fractionDigits(*from), fractionDigits(*to));
    return ss::numfmt::roundDecimal(*to - *from, decimals);
}

double reimbursementFor(double mileage, double rate)
{
    return ss::numfmt::roundDecimal(mileage * rate, 2);
}

std::vector<int> fillTrip(LogTable& table, int row, const QString& rateText, int keepField,
                          const QLocale& locale)
{
    std::vector<int> filled;
    const auto fill = [&](int field, std::optional<double> value) {
        if (field == keepField || !value || !isEmptyOrZero(table.valueAt(row, field))) return;
        if (*value == 0.0) return;
        table.setValueAt(row, field, *value);
        filled.push_back(field);
    };
    fill(TripField::Mileage, mileageFromOdometer(table.valueAt(row, TripField::OdometerStart),
                                                 table.valueAt(row, TripField::OdometerEnd), locale));
    const QVariant mileage = table.valueAt(row, TripField::Mileage);
    const std::optional<double> rate = readTripNumber(rateText, locale);
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
