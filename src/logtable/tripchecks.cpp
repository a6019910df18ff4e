// The warnings a trip row can carry: odometer, mileage, dates and numbers that do not add up.
#include "logtable/tripchecks.h"

#include "logtable/logtable.h"
#include "logtable/tripfills.h"
#include "platform/datetext.h"

#include <QCoreApplication>

#include <cmath>
#include <optional>

namespace bw {

namespace {

// A Mileage may differ from the odometer readings by rounding, not by a slip.
constexpr double kMileageTolerance = 0.5;
// The question names this many rows; the rest are counted.
constexpr int kNamedRows = 3;

struct Reading {
    bool present = false;
    std::optional<double> number;
};

Reading odometer(const LogTable& table, int row, int field, const QLocale& locale)
{
    const QString text = table.valueAt(row, field).toString();
    if (text.trimmed().isEmpty()) return {};
    return {true, readTripNumber(text, locale)};
}

QString shown(double value, const QLocale& locale) { return locale.toString(value, 'g', 15); }

// Half a cent, and a little for the binary error of a product near it.
constexpr double kReimbursementTolerance = 0.005 + 1e-9;

std::optional<double> storedNumber(const QVariant& value, const QLocale& locale)
{
    if (!holdsTripValue(value)) return std::nullopt;
    if (value.typeId() == QMetaType::Double) return value.toDouble();
    return readTripNumber(value.toString(), locale);
}

// "Reimbursement 6.00 is not 5 x $1.25 = $6.25". No warning while the rate is no number;
// an empty text when the text is not wanted.
std::optional<QString> reimbursementWarning(const LogTable& table, int row, const TripRates& rates,
                                            const QLocale& locale, bool withText,
                                            std::optional<double> driven)
{
    const std::optional<double> mileage =
        storedNumber(table.valueAt(row, TripField::Mileage), locale);
    const std::optional<double> paid =
        storedNumber(table.valueAt(row, TripField::Reimbursement), locale);
    if (!mileage || !paid) return std::nullopt;
    if (rates.schedule.dependsOnDistance()) {
        // Paid by the distance driven in the tax year: the amount due, stretch by stretch.
        const std::optional<double> due = rates.amountFor(table, row, *mileage, locale, driven);
        if (!due || std::abs(*paid - *due) <= kReimbursementTolerance) return std::nullopt;
        if (!withText) return QString();
        return QCoreApplication::translate("TripChecks",
                                           "Reimbursement %1 is not %2 at its rates by distance "
                                           "= %3")
            .arg(locale.toString(*paid, 'f', 2), shown(*mileage, locale),
                 currencyText(*due, 2, rates.currency, locale));
    }
    const std::optional<double> rate = rates.rateFor(table, row, locale);
    if (!rate || std::abs(*paid - *mileage * *rate) <= kReimbursementTolerance) return std::nullopt;
    if (!withText) return QString();
    return QCoreApplication::translate("TripChecks", "Reimbursement %1 is not %2 × %3 = %4")
        .arg(locale.toString(*paid, 'f', 2), shown(*mileage, locale),
             rateText(*rate, locale, rates.currency),
             currencyText(reimbursementFor(*mileage, *rate), 2, rates.currency, locale));
}

// The warnings of a row; their texts (which cost far more than the checks) only when
// wanted, empty otherwise.
std::vector<TripWarning> checkTrip(const LogTable& table, int row, const TripPeriod& period,
                                   const TripRates& rates, const QLocale& locale, bool withTexts,
                                   std::optional<double> drivenBefore)
{
    std::vector<TripWarning> warnings;
    if (isBlankTrip(table, row)) return warnings;
    const auto warn = [&](int field, const auto& text) {
        warnings.push_back({field, withTexts ? QString(text()) : QString()});
    };
    const auto said = [](const char* text) {
        return [text] { return QCoreApplication::translate("TripChecks", text); };
    };

    const QString dateText = table.valueAt(row, TripField::Date).toString();
    const QDate date = textToDate(dateText, locale);
    if (!date.isValid()) {
        warn(TripField::Date, said(dateText.trimmed().isEmpty()
                                       ? QT_TRANSLATE_NOOP("TripChecks", "The trip has no Date.")
                                       : QT_TRANSLATE_NOOP("TripChecks", "Date is not a date.")));
    } else if ((period.from.isValid() && date < period.from)
               || (period.to.isValid() && date > period.to)) {
        warn(TripField::Date, [&] {
            return QCoreApplication::translate("TripChecks",
                                               "Date lies outside the period %1 to %2.")
                .arg(dateToText(period.from, locale), dateToText(period.to, locale));
        });
    }

    const Reading start = odometer(table, row, TripField::OdometerStart, locale);
    const Reading end = odometer(table, row, TripField::OdometerEnd, locale);
    if (start.present && !start.number)
        warn(TripField::OdometerStart,
             said(QT_TRANSLATE_NOOP("TripChecks", "Odometer Start is not a number.")));
    if (end.present && !end.number)
        warn(TripField::OdometerEnd,
             said(QT_TRANSLATE_NOOP("TripChecks", "Odometer End is not a number.")));
    if (start.number && end.number) {
        if (*end.number < *start.number) {
            warn(TripField::OdometerEnd,
                 said(QT_TRANSLATE_NOOP("TripChecks", "Odometer End is below Odometer Start.")));
        } else {
            const double driven = *end.number - *start.number;
            const double mileage = table.valueAt(row, TripField::Mileage).toDouble();
            if (std::abs(mileage - driven) > kMileageTolerance) {
                warn(TripField::Mileage, [&] {
                    return QCoreApplication::translate(
                               "TripChecks",
                               "Mileage %1 differs from Odometer End - Odometer Start (%2).")
                        .arg(shown(mileage, locale), shown(driven, locale));
                });
            }
        }
    }
    if (start.number && row > 0 && !isBlankTrip(table, row - 1)) {
        const Reading previousEnd = odometer(table, row - 1, TripField::OdometerEnd, locale);
        // Rows out of date order are not compared: the previous trip came later.
        const QDate previousDate =
            textToDate(table.valueAt(row - 1, TripField::Date).toString(), locale);
        const bool inOrder = !date.isValid() || !previousDate.isValid() || previousDate <= date;
        if (previousEnd.number && inOrder && *start.number < *previousEnd.number) {
            warn(TripField::OdometerStart, [&] {
                return QCoreApplication::translate(
                           "TripChecks",
                           "Odometer Start is below the previous row's Odometer End (%1).")
                    .arg(shown(*previousEnd.number, locale));
            });
        }
    }
    if (std::optional<QString> text =
            reimbursementWarning(table, row, rates, locale, withTexts, drivenBefore))
        warn(TripField::Reimbursement, [&] { return *text; });
    return warnings;
}

} // namespace

std::vector<TripWarning> tripWarnings(const LogTable& table, int row, const TripPeriod& period,
                                      const QLocale& locale)
{
    return tripWarnings(table, row, period, TripRates{}, locale);
}

std::vector<TripWarning> tripWarnings(const LogTable& table, int row, const TripPeriod& period,
                                      const TripRates& rates, const QLocale& locale,
                                      std::optional<double> drivenBefore)
{
    return checkTrip(table, row, period, rates, locale, true, drivenBefore);
}

std::vector<WarnedTrip> warnedTrips(const LogTable& table, const TripPeriod& period,
                                    const QLocale& locale)
{
    return warnedTrips(table, period, TripRates{}, locale);
}

std::vector<WarnedTrip> warnedTrips(const LogTable& table, const TripPeriod& period,
                                    const TripRates& rates, const QLocale& locale)
{
    std::vector<WarnedTrip> warned;
    const std::vector<double> driven = rates.drivenBeforeEach(table, locale);
    for (int row = 0; row < table.RecordCount(); ++row) {
        const bool named = warned.size() < static_cast<std::size_t>(kNamedRows);
        std::vector<TripWarning> warnings = checkTrip(table, row, period, rates, locale, named,
                                                      driven[static_cast<std::size_t>(row)]);
        if (!warnings.empty()) warned.push_back({row, std::move(warnings)});
    }
    return warned;
}

QString warningQuestion(const std::vector<WarnedTrip>& warned)
{
    const auto count = static_cast<qsizetype>(warned.size());
    const int rows = static_cast<int>(count);
    QString text =
        QCoreApplication::translate("TripChecks", "%n row(s) carry a warning:", nullptr, rows);
    for (qsizetype i = 0; i < count && i < kNamedRows; ++i) {
        const WarnedTrip& trip = warned[static_cast<std::size_t>(i)];
        QStringList texts;
        for (const TripWarning& warning : trip.warnings) texts << warning.text;
        text += QCoreApplication::translate("TripChecks", "\r\nRow %1: %2")
                    .arg(trip.row + 1)
                    .arg(texts.join(QLatin1Char(' ')));
    }
    if (count > kNamedRows) text += QStringLiteral("\r\n...");
    return text + QCoreApplication::translate("TripChecks", "\r\n\r\nCreate the report anyway?");
}

} // namespace bw
