// A claim's record taken from a report about to be made, and its report made again from
// the claim's snapshot.
#include "report/claimreport.h"

#include "core/errorreport.h"
#include "logtable/entrylocale.h"
#include "logtable/logtable.h"
#include "logtable/tabletrip.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/platform.h"
#include "report/headlessreport.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>

#include <cmath>
#include <stdexcept>

namespace bw {

namespace {

// The totals row sums the numbers of its column, as the report's SUM does.
double columnSum(const LogTable& table, int field)
{
    double sum = 0;
    for (int row = 0; row < table.RecordCount(); ++row) {
        const QVariant value = table.valueAt(row, field);
        if (value.typeId() == QMetaType::Double) sum += value.toDouble();
    }
    return sum;
}

// The total in the form the totals row shows it: the column's general form for miles,
// the report's currency form ("$#,##0.00", "#,##0.00\" €\"") for the amount.
QString milesText(double sum, QLocale locale)
{
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(sum, 'g', 15);
}

QString amountText(double sum, const Currency& currency, const QLocale& locale)
{
    // Rounded first, so a sum that shows as 0.00 never shows as "-0.00"; the sheet's
    // format puts a plain space between sign and number.
    const double cents = std::round(std::abs(sum) * 100) / 100;
    return currencyText(sum < 0 ? -cents : cents, 2, currency, locale)
        .replace(QChar(0x00a0), QLatin1Char(' '));
}

// The report's inputs as the claim held them.
class ClaimInputs final : public ReportInputs {
public:
    explicit ClaimInputs(const Claim& claim) : claim_(claim)
    {
        table_.openWithTripFields();
        for (const ClaimedTrip& trip : claim.trips)
            table_.insertRow(table_.RecordCount(), trip.trip.values());
        if (table_.RecordCount() > 0) table_.MoveFirst();
    }
    QString employeeName() const override { return claim_.employeeName; }
    QString employeeID() const override { return claim_.employeeID; }
    QString vehicleDescription() const override { return claim_.vehicleDescription; }
    QString authorizedBy() const override { return claim_.authorizedBy; }
    QString ratePerMile() const override { return claim_.ratePerMile; }
    RateSchedule rateSchedule() const override { return RateSchedule(claim_.rates); }
    QDate periodFrom() const override { return claim_.periodFrom; }
    QDate periodTo() const override { return claim_.periodTo; }
    LogTable& logTable() const override { return table_; }
    LogUnits units() const override { return claim_.units; }

private:
    const Claim& claim_;
    mutable LogTable table_;
};

// The program's own message boxes, counting the error reports: a step of the report that
// failed is told to the user as always, and the remake then counts as failed.
class CountingDialogs final : public Dialogs {
public:
    explicit CountingDialogs(Dialogs& inner) : inner_(inner) {}
    Answer message(const Message& message) override
    {
        if (message.title == QLatin1String(kErrorReportTitle)) ++failures;
        return inner_.message(message);
    }
    SaveChoice saveFile(const SaveFile& request) override { return inner_.saveFile(request); }
    QString openFileName(const OpenFile& request) override { return inner_.openFileName(request); }
    QStringList openFileNames(const OpenFile& request) override
    {
        return inner_.openFileNames(request);
    }
    QString folderName(const OpenFile& request) override { return inner_.folderName(request); }
    bool printDialog(QPrinter& printer) override { return inner_.printDialog(printer); }
    int failures = 0;

private:
    Dialogs& inner_;
};

// The default locale while the claim's report is made: dates, numbers and the reading of
// entered texts all follow the locale the claim was made in.
class DefaultLocale {
public:
    explicit DefaultLocale(const QString& name)
    {
        if (!name.isEmpty()) QLocale::setDefault(QLocale(name));
    }
    ~DefaultLocale() { QLocale::setDefault(saved_); }
    DefaultLocale(const DefaultLocale&) = delete;
    DefaultLocale& operator=(const DefaultLocale&) = delete;

private:
    QLocale saved_;
};

} // namespace

ClaimRecord claimRecordOf(const ReportInputs& inputs)
{
    ClaimRecord record;
    record.savedAt = platform().clock->now().toUTC();
    record.employeeName = inputs.employeeName();
    record.employeeID = inputs.employeeID();
    record.vehicleDescription = inputs.vehicleDescription();
    record.authorizedBy = inputs.authorizedBy();
    record.ratePerMile = inputs.ratePerMile();
    record.periodFrom = inputs.periodFrom();
    record.periodTo = inputs.periodTo();
    const QLocale locale;
    // The locale of the numbers and dates, which LANGUAGE does not change as it does name().
    record.locale = EntryLocale::nameOf(locale);
    record.rates = inputs.rateSchedule().changes();
    const LogTable& table = inputs.logTable();
    record.trips.reserve(static_cast<std::size_t>(table.RecordCount()));
    for (int row = 0; row < table.RecordCount(); ++row) {
        ClaimedTrip claimed;
        claimed.tripId = static_cast<qint64>(table.idAt(row));
        claimed.trip = tripAt(table, row);
        record.trips.push_back(std::move(claimed));
    }
    record.totalMiles = milesText(columnSum(table, 6), locale);
    record.units = inputs.units();
    record.totalAmount = amountText(columnSum(table, 7), record.units.currency, locale);
    return record;
}

void writeClaimReport(const Claim& claim, const QString& output)
{
    const std::optional<ReportFormat> format = reportFormatOfPath(output);
    if (!format) {
        throw std::runtime_error(
            QCoreApplication::translate("ClaimReport",
                                        "The file %1 does not end in .xls, .xlsx or .pdf.")
                .arg(output)
                .toStdString());
    }
    const DefaultLocale locale(claim.locale);
    Dialogs* shown = platform().dialogs;
    if (!shown)
        throw std::runtime_error(
            QCoreApplication::translate("ClaimReport", "The report cannot be made here.")
                .toStdString());
    CountingDialogs counting(*shown);
    Platform seams = platform();
    seams.dialogs = &counting;
    const PlatformOverride useSeams(seams);

    const ClaimInputs inputs(claim);
    const HeadlessReport report(inputs);
    if (!report.made() || counting.failures > 0) {
        throw std::runtime_error(
            QCoreApplication::translate(
                "ClaimReport", "The report of claim %1 could not be made; nothing was written.")
                .arg(claim.number)
                .toStdString());
    }
    report.write(output, *format);
}

} // namespace bw
