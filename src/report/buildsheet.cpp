// Builds the mileage log worksheet and the formatting procedures acting on the selection.
#include "core/mainmodule.h"
#include "core/messageboxes.h"
#include "core/rateschedule.h"
#include "logtable/logtable.h"
#include "logtable/reportinputs.h"
#include "logtable/tripfills.h"
#include "platform/datetext.h"
#include "platform/dialogs.h"
#include "platform/platform.h"
#include "report/mileagelog.h"
#include "spreadsheet/automation/constants.h"
#include "spreadsheet/model/cellformat.h"
#include "spreadsheet/model/pagesetup.h"
#include "spreadsheet/render/render.h"

#include <QCoreApplication>
#include <QStringList>
#include <QVariant>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <optional>
#include <utility>

namespace bw::MileageLog {

namespace ax = ss::automation;

ax::Application mExcelApp;
ax::Workbook mWorkbook;

namespace {

constexpr int kAutomatic = ss::kColorAutomatic;
constexpr int kWhite = 2;
constexpr int kGrey25 = 15;
constexpr int kGrey50 = 16;
const std::array<const char*, 8> kTripColumns = {"A", "B", "C", "D", "E", "F", "G", "H"};
// Column H, 1-based.
constexpr int kReimbursementColumn = 8;

QString text(const char* latin1) { return QString::fromLatin1(latin1); }

// A cell holds at most this many UTF-16 units; one longer text would make the whole
// workbook unwritable.
constexpr qsizetype kCellTextLimit = 32767;
// The cut texts the notice names one by one; more are counted.
constexpr qsizetype kCutTextsNamed = 10;

// Texts longer than a cell holds, cut to fit and remembered for one notice per report.
class CellTexts {
public:
    // `text` as a cell can hold it; `where()` names it in the notice if it had to be cut.
    template <typename Where>
    QString fit(const QString& text, const Where& where)
    {
        if (text.size() <= kCellTextLimit) return text;
        cut_ << where();
        // Half a surrogate pair would be no character at all.
        return text.left(text[kCellTextLimit - 1].isHighSurrogate() ? kCellTextLimit - 1
                                                                    : kCellTextLimit);
    }

    // The notice, once, naming what was cut; nothing when nothing was.
    void tell() const
    {
        if (cut_.isEmpty()) return;
        QStringList named = cut_.mid(0, kCutTextsNamed);
        if (cut_.size() > kCutTextsNamed)
            named << QCoreApplication::translate("MileageLog", "and %1 more")
                         .arg(cut_.size() - kCutTextsNamed);
        bw::tell(QCoreApplication::translate(
                     "MileageLog",
                     "Texts longer than a cell holds were cut to their first 32,767 characters "
                     "in the report; the log keeps them whole:\r\n")
                 + named.join(QStringLiteral("\r\n")));
    }

private:
    QStringList cut_;
};

// What the user typed is the cell's content, never a formula: a text the spreadsheet
// would take for one is entered behind the quote prefix. Numbers and dates still
// become numbers and dates.
template <typename Where>
QString userText(const QString& typed, const Where& where, CellTexts& texts)
{
    const QString fitted = texts.fit(typed, where);
    // Only a leading "=" makes an entry a formula; reading the whole text as an entry
    // would find that out at many times the cost.
    return fitted.startsWith(u'=') ? QLatin1Char('\'') + fitted : fitted;
}

// Field `field` of trip `trip` (the current one): a null field gives an empty cell.
QString fieldText(const QVariant& value, int trip, int field, CellTexts& texts)
{
    if (value.isNull() || !value.isValid()) return QString();
    if (value.typeId() == QMetaType::Double)
        return numberText(value.toDouble(), mExcelApp.locale());
    return userText(
        value.toString(),
        [&] {
            return QCoreApplication::translate("MileageLog", "Trip %1, %2")
                .arg(trip)
                .arg(QCoreApplication::translate(
                    "MileageLog",
                    LogTable::fields()[static_cast<std::size_t>(field)].name.toUtf8().constData()));
        },
        texts);
}

// The name of an entry in the notice of cut texts.
auto entryName(const char* name)
{
    return [name] { return QCoreApplication::translate("MileageLog", name); };
}

// Where the log table stood, including no row at all (an empty table, or before the
// first or after the last row), so that it can be put back exactly.
struct TablePosition {
    std::optional<LogTable::Bookmark> bookmark;
    bool beforeFirst = false;
};

TablePosition rememberPosition(const LogTable& table)
{
    TablePosition where;
    if (table.position() >= 0) {
        where.bookmark = table.bookmark();
    } else {
        where.beforeFirst = table.Bof() && !table.Eof();
    }
    return where;
}

void restorePosition(LogTable& table, const TablePosition& where)
{
    if (where.bookmark) {
        table.setBookmark(*where.bookmark);
        return;
    }
    table.MoveFirst();
    table.Move(where.beforeFirst ? -1 : table.RecordCount());
}

QString cell(const char* column, int row)
{
    // Built for every cell of every trip: plain characters, no locale.
    char name[24];
    char* end = std::copy(column, column + std::strlen(column), name);
    end = std::to_chars(end, name + sizeof name, row).ptr;
    return QString::fromLatin1(name, end - name);
}

QString span(const char* from, int fromRow, const char* to, int toRow)
{
    return cell(from, fromRow) + QLatin1Char(':') + cell(to, toRow);
}

} // namespace

namespace {

// Whether the locale writes digits as ASCII "0" to "9"; the answer for the last locale
// asked is kept, as numbers come by the thousand in one locale.
bool asciiDigits(const QLocale& locale)
{
    static thread_local std::optional<std::pair<QLocale, bool>> last;
    if (!last || last->first != locale)
        last.emplace(locale, locale.zeroDigit() == QLatin1String("0"));
    return last->second;
}

// `whole`, the locale's decimal point and the `decimals` last digits of `fraction`, as one
// text: built for every number of every trip, in one allocation.
QString decimalText(qint64 whole, qint64 fraction, int decimals, const QLocale& locale)
{
    char digits[24];
    const char* wholeEnd = std::to_chars(digits, digits + sizeof digits, whole).ptr;
    const auto wholeSize = static_cast<qsizetype>(wholeEnd - digits);
    const QString point = locale.decimalPoint();
    QString text(wholeSize + point.size() + decimals, Qt::Uninitialized);
    QChar* at = text.data();
    for (const char* digit = digits; digit != wholeEnd; ++digit) *at++ = QLatin1Char(*digit);
    at = std::copy(point.cbegin(), point.cend(), at);
    for (int k = decimals - 1; k >= 0; --k, fraction /= 10)
        at[k] = QLatin1Char(static_cast<char>('0' + fraction % 10));
    return text;
}

} // namespace

QString numberText(double value, QLocale locale)
{
    if (!std::signbit(value) && value < 1e15 && asciiDigits(locale)) {
        // Whole numbers below 10^15 are their digits alone (odometer readings, mostly).
        if (value == std::floor(value)) {
            char digits[24];
            const char* end =
                std::to_chars(digits, digits + sizeof digits, static_cast<qint64>(value)).ptr;
            return QString::fromLatin1(digits, end - digits);
        }
        // A number that is the nearest double to a decimal with at most six decimals and
        // fifteen digits (mileages, amounts, rates) is that decimal: rounding it to 15
        // significant digits gives the decimal back, and the decimals are the shortest.
        if (value >= 1e-4) {
            double scale = 1.0;
            for (int decimals = 1; decimals <= 6; ++decimals) {
                scale *= 10.0;
                const double scaled = std::round(value * scale);
                if (scaled >= 1e15) break;
                if (scaled / scale != value) continue;
                const auto digits = static_cast<qint64>(scaled);
                const auto unit = static_cast<qint64>(scale);
                return decimalText(digits / unit, digits % unit, decimals, locale);
            }
        }
    }
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'g', 15);
}

// --- formatting procedures -------------------------------------------------------------

void SetCell(const QString& range, const QString& value, bool merge)
{
    // Once selected, the range is the selection and its first cell the active cell: the
    // same objects serve without asking the instance for them again, cell after cell.
    const ax::Range selected = mExcelApp.Range(range);
    selected.Select();
    selected.Item(1).setFormulaR1C1(value);
    if (merge) selected.Merge();
}

void SetFont(const QString& style, double size, int colorIndex)
{
    const ax::Font font = mExcelApp.Selection().Font();
    font.setFontStyle(style);
    font.setSize(size);
    font.setColorIndex(colorIndex);
}

void SetAlignment(bool horizontal, bool vertical, bool wrap)
{
    const ax::Range selection = mExcelApp.Selection();
    if (horizontal) selection.setHorizontalAlignment(ax::kAlignCenter);
    if (vertical) selection.setVerticalAlignment(ax::kAlignCenter);
    if (wrap) selection.setWrapText(true);
}

void SetBorder(int index, int colorIndex)
{
    const ax::Border border = mExcelApp.Selection().Borders(index);
    border.setLineStyle(ss::kLineContinuous);
    border.setColorIndex(colorIndex);
}

void SetBorders(const QString& range, unsigned lines, int colorIndex)
{
    if (!range.isEmpty()) mExcelApp.Range(range).Select();
    const std::pair<unsigned, int> order[] = {
        {BorderLines::Left, ax::kEdgeLeft},
        {BorderLines::Top, ax::kEdgeTop},
        {BorderLines::Bottom, ax::kEdgeBottom},
        {BorderLines::Right, ax::kEdgeRight},
        {BorderLines::InsideHorizontal, ax::kInsideHorizontal},
        {BorderLines::InsideVertical, ax::kInsideVertical}};
    for (const auto& [line, item] : order) {
        if (lines & line) SetBorder(item, colorIndex);
    }
}

void SetFillColor(const QString& range, int colorIndex)
{
    if (!range.isEmpty()) mExcelApp.Range(range).Select();
    mExcelApp.Selection().Interior().setColorIndex(colorIndex);
}

void SetNumberFormat(const QString& range, const QString& format)
{
    if (!range.isEmpty()) mExcelApp.Range(range).Select();
    mExcelApp.Selection().setNumberFormat(format);
}

void SetRowHeight(const QString& rows, double points)
{
    mExcelApp.Rows(rows).Select();
    mExcelApp.Selection().setRowHeight(points);
}

void SetColumnWidth(const QString& columns, double width)
{
    mExcelApp.Columns(columns).Select();
    mExcelApp.Selection().setColumnWidth(width);
}

void SetPageSetup()
{
    const ax::PageSetup setup = mExcelApp.ActiveSheet().PageSetup();
    setup.setPrintArea(QString());
    setup.setLeftMargin(mExcelApp.InchesToPoints(0.7));
    setup.setRightMargin(mExcelApp.InchesToPoints(0.7));
    setup.setTopMargin(mExcelApp.InchesToPoints(0.5));
    setup.setBottomMargin(mExcelApp.InchesToPoints(0.5));
    setup.setHeaderMargin(mExcelApp.InchesToPoints(0));
    setup.setFooterMargin(mExcelApp.InchesToPoints(0));
    setup.setPrintComments(ss::PageSetup::kPrintNoComments);
    setup.setOrientation(ss::PageSetup::kLandscape);
    setup.setPaperSize(ss::PageSetup::kPaperA4);
    setup.setZoom(false);
    setup.setFitToPagesWide(1);
    setup.setFitToPagesTall(1);
}

// --- the sheet ---------------------------------------------------------------------------

namespace {

// The dates of the report's trips; blank rows are no trips.
std::vector<QDate> tripDates(const LogTable& table, const QLocale& locale)
{
    std::vector<QDate> dates;
    for (int row = 0; row < table.RecordCount(); ++row) {
        if (isBlankTrip(table, row)) continue;
        dates.push_back(textToDate(table.valueAt(row, TripField::Date).toString(), locale));
    }
    return dates;
}

// A rate, or what stands for none: trips before every change with an empty Rate per Mile
// were paid at no rate, said so rather than leaving a text that starts with a bare " to".
QString rateName(const std::optional<double>& rate, const QString& typed, const QLocale& locale,
                 const Currency& currency)
{
    if (rate) return rateText(*rate, locale, currency);
    return typed.trimmed().isEmpty() ? QCoreApplication::translate("MileageLog", "no rate") : typed;
}

// "10,000 mi": the distance with the locale's grouping and the decimals it has.
QString distanceName(double distance, const QLocale& locale, DistanceUnit unit)
{
    const QString plain = plainDecimalText(distance);
    const qsizetype point = plain.indexOf(QLatin1Char('.'));
    const int decimals = point < 0 ? 0 : static_cast<int>(plain.size() - point - 1);
    return locale.toString(distance, 'f', decimals) + QLatin1Char(' ') + unitAbbreviation(unit);
}

// "$0.45 to 10,000 mi", "$0.25 after", joined by `separator`.
QString tiersText(const std::vector<RateTier>& tiers, const QString& separator,
                  const QString& typed, const QLocale& locale, const LogUnits& units)
{
    QStringList parts;
    for (std::size_t k = 0; k < tiers.size(); ++k) {
        const QString rate = rateName(tiers[k].rate, typed, locale, units.currency);
        parts << (k + 1 < tiers.size()
                      ? QCoreApplication::translate("MileageLog", "%1 to %2",
                                                    "a rate up to a distance driven")
                            .arg(rate, distanceName(tiers[k + 1].from, locale, units.distance))
                      : QCoreApplication::translate("MileageLog", "%1 after",
                                                    "a rate after the last distance")
                            .arg(rate));
    }
    return parts.join(separator);
}

// The rates of a span with its days: "%1" the rates, "%2" its first day, "%3" its last.
struct SpanForms {
    const char* to;
    const char* fromTo;
    const char* from;
};

// "$0.70 to 12/31/2025", "$0.725 from 1/1/2026 to 6/30/2026", "$0.75 from 7/1/2026".
constexpr SpanForms kOneRate = {QT_TRANSLATE_NOOP("MileageLog", "%1 to %2"),
                                QT_TRANSLATE_NOOP("MileageLog", "%1 from %2 to %3"),
                                QT_TRANSLATE_NOOP("MileageLog", "%1 from %2")};
// "from 4/6/2026 to 4/5/2027: $0.45 to 10,000 mi, $0.25 after".
constexpr SpanForms kTiers = {QT_TRANSLATE_NOOP("MileageLog", "to %2: %1"),
                              QT_TRANSLATE_NOOP("MileageLog", "from %2 to %3: %1"),
                              QT_TRANSLATE_NOOP("MileageLog", "from %2: %1")};

QString spanText(const RateSpan& span, const QString& typed, const QLocale& locale,
                 const LogUnits& units)
{
    const bool tiered = !span.tiers.empty();
    const QString rates = tiered ? tiersText(span.tiers, QStringLiteral(", "), typed, locale, units)
                                 : rateName(span.rate, typed, locale, units.currency);
    const SpanForms& forms = tiered ? kTiers : kOneRate;
    const auto form = [](const char* source) {
        return QCoreApplication::translate("MileageLog", source);
    };
    const QString first = dateToText(span.first, locale);
    const QString last = dateToText(span.last, locale);
    if (!span.first.isValid()) return span.last.isValid() ? form(forms.to).arg(rates, last) : rates;
    return span.last.isValid() ? form(forms.fromTo).arg(rates, first, last)
                               : form(forms.from).arg(rates, first);
}

// The rates the report's trips were paid at: with several, the cell names each with its
// days and wraps, its row growing to show them all.
std::vector<RateSpan> reportRates(const ReportInputs& inputs, const QLocale& locale)
{
    const RateSchedule schedule = inputs.rateSchedule();
    if (schedule.isEmpty()) return {};
    return ratesInForce(schedule, tripDates(inputs.logTable(), locale),
                        readTripNumber(inputs.ratePerMile(), locale));
}

// Whether the cell names rates as text: several spans, or rates that change with distance.
bool namesSeveralRates(const std::vector<RateSpan>& rates)
{
    return rates.size() > 1 || (rates.size() == 1 && !rates.front().tiers.empty());
}

QString rateEntry(const ReportInputs& inputs, const std::vector<RateSpan>& rates,
                  const QLocale& locale, CellTexts& texts)
{
    const LogUnits units = inputs.units();
    if (rates.size() == 1 && !rates.front().tiers.empty()) {
        const QString tiers = tiersText(rates.front().tiers, QStringLiteral("; "),
                                        inputs.ratePerMile(), locale, units);
        return userText(tiers, entryName("Rate Per Mile"), texts);
    }
    if (rates.size() > 1) {
        QStringList parts;
        for (const RateSpan& span : rates)
            parts << spanText(span, inputs.ratePerMile(), locale, units);
        return userText(parts.join(QStringLiteral("; ")), entryName("Rate Per Mile"), texts);
    }
    // One change in force for every trip: its rate, a number like a typed one.
    if (rates.size() == 1 && !rates.front().typed && rates.front().rate)
        return numberText(*rates.front().rate, locale);
    return userText(inputs.ratePerMile(), entryName("Rate Per Mile"), texts);
}

// A rate shows every decimal it is applied with, so 7 x $0.585 reads as the $4.10 beside it.
void formatRateCell(bool several, const Currency& currency)
{
    const ss::Value rate = mExcelApp.Range(text("E3")).Value();
    SetNumberFormat(text("E3:E3"), rate.isNumber() ? rateFormatCode(rate.asNumber(), currency)
                                                   : currencyFormatCode(currency));
    if (!several) return;
    SetAlignment(false, false, true);
    SetRowHeight(text("3:3"), ss::render::wrappedRowHeight(mExcelApp.ActiveSheet().sheet(),
                                                           ss::CellAddress{2, 4}));
}

// The texts that name the distance unit: the rate's label, the total's and the column's.
struct UnitTexts {
    QString rate;
    QString total;
    QString column;
};

UnitTexts unitTexts(DistanceUnit unit)
{
    if (unit == DistanceUnit::Kilometres)
        return {QCoreApplication::translate("MileageLog", "Rate Per Kilometre"),
                QCoreApplication::translate("MileageLog", "Total Kilometres"),
                QCoreApplication::translate("MileageLog", "Kilometres")};
    return {QCoreApplication::translate("MileageLog", "Rate Per Mile"),
            QCoreApplication::translate("MileageLog", "Total Mileage"),
            QCoreApplication::translate("MileageLog", "Mileage")};
}

} // namespace

void BuildSheet(const ReportInputs& inputs)
{
    LogTable& table = inputs.logTable();
    const QLocale locale = mExcelApp.locale();
    CellTexts texts;
    const LogUnits units = inputs.units();
    const UnitTexts unitWords = unitTexts(units.distance);
    const QString currencyFormat = currencyFormatCode(units.currency);
    // The form is drawn for 30 trips; a longer log pushes the totals down instead of
    // letting trips share the totals row or fall outside the sums.
    const int tripRows = std::max(kFormTripRows, table.RecordCount());
    const int totalsRow = kFirstTripRow + tripRows;

    mExcelApp.Cells().Select();
    mExcelApp.Selection().Clear();
    mExcelApp.Selection().Font().setName(QStringLiteral("Arial"));
    mExcelApp.Selection().Font().setSize(10);

    for (const char* box : {"B3:B6", "D3:E6"}) {
        SetBorders(text(box), BorderLines::Outline | BorderLines::InsideHorizontal, kAutomatic);
    }

    // Column widths in characters of the standard font, row heights in points.
    constexpr std::pair<const char*, double> kColumnWidths[] = {
        {"A:A", 20.14}, {"B:B", 20.43}, {"C:C", 22.14}, {"D:D", 25.14},
        {"E:E", 10.14}, {"F:F", 10.14}, {"G:G", 10.29}, {"H:H", 15.86}};
    for (const auto& [columns, width] : kColumnWidths) SetColumnWidth(text(columns), width);
    constexpr std::pair<const char*, double> kRowHeights[] = {
        {"1:1", 37.5}, {"2:2", 26.25}, {"3:6", 12.75}, {"7:7", 10.5}, {"8:8", 25.5}};
    for (const auto& [rows, height] : kRowHeights) SetRowHeight(text(rows), height);

    SetCell(text("A1:A1"), QCoreApplication::translate("MileageLog", kTitle), true);
    SetFont(text("bold"), 18, kAutomatic);

    SetCell(text("A3:A3"), QCoreApplication::translate("MileageLog", "Employee Name"), true);
    SetCell(text("A4:A4"), QCoreApplication::translate("MileageLog", "Employee ID"), true);
    SetCell(text("A5:A5"), QCoreApplication::translate("MileageLog", "Vehicle Description"), true);
    SetCell(text("A6:A6"), QCoreApplication::translate("MileageLog", "Authorized By"), true);

    SetCell(text("B3:B3"), userText(inputs.employeeName(), entryName("Employee Name"), texts),
            true);
    // The ID cell is text before the ID is entered, so "00123" keeps its zeros and
    // nothing in it is taken for a number or a formula.
    SetNumberFormat(text("B4:B4"), text(kTextFormat));
    SetCell(text("B4:B4"), texts.fit(inputs.employeeID(), entryName("Employee ID")), true);
    SetCell(text("B5:B5"),
            userText(inputs.vehicleDescription(), entryName("Vehicle Description"), texts), true);
    SetCell(text("B6:B6"), userText(inputs.authorizedBy(), entryName("Authorized By"), texts),
            true);
    const std::vector<RateSpan> rates = reportRates(inputs, locale);
    SetCell(text("E3:E3"), rateEntry(inputs, rates, locale, texts), true);

    SetCell(
        text("E4:E4"),
        QCoreApplication::translate("MileageLog", "From %1 to %2")
            .arg(dateToText(inputs.periodFrom(), locale), dateToText(inputs.periodTo(), locale)),
        true);

    SetCell(text("E5:E5"), QStringLiteral("=R[%1]C[2]").arg(totalsRow - 5), true);
    SetCell(text("E6:E6"), QStringLiteral("=R[%1]C[3]").arg(totalsRow - 6), true);

    SetCell(text("C3:C3"), unitWords.rate, true);
    SetCell(text("C4:C4"), QCoreApplication::translate("MileageLog", "For Period"), true);
    SetCell(text("C5:C5"), unitWords.total, true);
    SetCell(text("C6:C6"), QCoreApplication::translate("MileageLog", "Total Reimbursement"), true);

    formatRateCell(namesSeveralRates(rates), units.currency);
    SetNumberFormat(text("E6:E6"), currencyFormat);
    SetNumberFormat(text("A4:A4"), text(kTextFormat));

    SetFillColor(text("A8:H8"), kGrey50);
    SetBorders(text("A8:H8"), BorderLines::Outline | BorderLines::InsideVertical, kAutomatic);

    const std::array<const char*, 8> headers = {
        QT_TRANSLATE_NOOP("MileageLog", "Date"),
        QT_TRANSLATE_NOOP("MileageLog", "Starting Location"),
        QT_TRANSLATE_NOOP("MileageLog", "Destination"),
        QT_TRANSLATE_NOOP("MileageLog", "Description/Notes"),
        QT_TRANSLATE_NOOP("MileageLog", "Odometer Start"),
        QT_TRANSLATE_NOOP("MileageLog", "Odometer End"),
        QT_TRANSLATE_NOOP("MileageLog", "Mileage"),
        QT_TRANSLATE_NOOP("MileageLog", "Reimbursement")};
    for (std::size_t i = 0; i < headers.size(); ++i) {
        SetCell(cell(kTripColumns[i], 8) + QLatin1Char(':') + cell(kTripColumns[i], 8),
                static_cast<int>(i) == TripField::Mileage
                    ? unitWords.column
                    : QCoreApplication::translate("MileageLog", headers[i]),
                true);
        SetFont(text("bold"), 10, kWhite);
        SetAlignment(true, true, true);
    }

    const TablePosition remembered = rememberPosition(table);
    table.MoveFirst();

    mExcelApp.Cells().Select();
    mExcelApp.Selection().setFormulaHidden(false);
    mExcelApp.Selection().setLocked(false);

    // A trip's row is entered at once, reached by its number: tens of thousands of trips
    // need no address written and read back for each of their cells.
    int row = kFirstTripRow - 1;
    std::array<QString, LogTable::kFieldCount> fields;
    while (!table.Eof()) {
        ++row;
        for (int field = 0; field < LogTable::kFieldCount; ++field) {
            fields[static_cast<std::size_t>(field)] =
                fieldText(table.value(field), row - kFirstTripRow + 1, field, texts);
        }
        mExcelApp.Cells(row, 1).Resize(1, LogTable::kFieldCount).setFormulaR1C1(fields);
        mExcelApp.Cells(row, kReimbursementColumn).setNumberFormat(currencyFormat);
        table.MoveNext();
    }

    restorePosition(table, remembered);
    // Every text of the report is written by now; a later failure must not hide the cut.
    texts.tell();

    SetFillColor(span("A", totalsRow, "F", totalsRow), kGrey50);
    SetBorders(span("A", totalsRow, "F", totalsRow),
               BorderLines::Outline | BorderLines::InsideVertical, kAutomatic);

    SetCell(span("F", totalsRow, "F", totalsRow),
            QCoreApplication::translate("MileageLog", "Totals"), true);
    SetFont(text("bold"), 10, kWhite);

    SetFillColor(span("G", kFirstTripRow, "H", totalsRow), kGrey25);
    SetBorders(span("G", kFirstTripRow, "H", totalsRow),
               BorderLines::Outline | BorderLines::InsideHorizontal | BorderLines::InsideVertical,
               kAutomatic);

    const QString sum = QStringLiteral("=SUM(R[-%1]C:R[-1]C)").arg(tripRows);
    SetCell(span("G", totalsRow, "G", totalsRow), sum, true);
    SetCell(span("H", totalsRow, "H", totalsRow), sum, true);

    SetPageSetup();
}

} // namespace bw::MileageLog
