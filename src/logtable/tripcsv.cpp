// Trips read from and written to CSV files.
#include "logtable/tripcsv.h"

#include "logtable/logtable.h"
#include "logtable/numbertext.h"
#include "logtable/tabletrip.h"
#include "logtable/tripfills.h"
#include "platform/datetext.h"

#include <QCoreApplication>
#include <QHash>
#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace bw {

namespace {

constexpr std::array<QChar, 3> kSeparators = {u',', u';', u'\t'};

struct Record {
    int line = 0;
    QStringList fields;
    QString error;
};

// Reads RFC 4180 records one at a time: a quoted field may hold separators, doubled
// quotes and line breaks; a record ends at CRLF, LF or a lone CR.
class RecordReader {
public:
    RecordReader(QStringView text, QChar separator) : text_(text), separator_(separator) {}

    bool atEnd() const { return at_ >= text_.size(); }

    Record next()
    {
        Record record;
        record.line = line_;
        for (;;) {
            const bool more = readField(record);
            if (!more) break;
        }
        return record;
    }

private:
    QChar peek() const { return at_ < text_.size() ? text_[at_] : QChar(); }

    // Consumes a line break at the current position; true when there was one.
    bool takeLineBreak()
    {
        if (peek() == u'\r') {
            ++at_;
            if (peek() == u'\n') ++at_;
        } else if (peek() == u'\n') {
            ++at_;
        } else {
            return false;
        }
        ++line_;
        return true;
    }

    // Reads one field into `record`; true when another field of the same record follows.
    bool readField(Record& record)
    {
        if (peek() == u'"') return readQuoted(record);
        const qsizetype start = at_;
        while (at_ < text_.size()) {
            const QChar c = text_[at_];
            if (c == separator_ || c == u'\r' || c == u'\n') break;
            ++at_;
        }
        record.fields << text_.mid(start, at_ - start).toString();
        return endOfField();
    }

    bool readQuoted(Record& record)
    {
        ++at_;
        QString field;
        qsizetype start = at_;
        for (;;) {
            if (at_ >= text_.size()) {
                record.error =
                    QCoreApplication::translate("TripsCsv", "a quoted field is not closed");
                record.fields << field + text_.mid(start).toString();
                return false;
            }
            const QChar c = text_[at_];
            if (c == u'"') {
                field += text_.mid(start, at_ - start);
                ++at_;
                if (peek() != u'"') break;
                field += u'"';
                start = ++at_;
            } else {
                if (c == u'\n'
                    || (c == u'\r' && (at_ + 1 >= text_.size() || text_[at_ + 1] != u'\n')))
                    ++line_;
                ++at_;
            }
        }
        record.fields << field;
        if (atEnd() || peek() == separator_ || peek() == u'\r' || peek() == u'\n')
            return endOfField();
        record.error = QCoreApplication::translate("TripsCsv", "text follows a closing quote");
        while (!atEnd() && peek() != u'\r' && peek() != u'\n') ++at_;
        takeLineBreak();
        return false;
    }

    bool endOfField()
    {
        if (peek() == separator_) {
            ++at_;
            return true;
        }
        takeLineBreak();
        return false;
    }

    QStringView text_;
    QChar separator_;
    qsizetype at_ = 0;
    int line_ = 1;
};

QString decoded(const QByteArray& bytes)
{
    QByteArrayView view(bytes);
    if (view.startsWith("\xEF\xBB\xBF")) view = view.sliced(3);
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(view);
    if (!utf8.hasError()) return text;
    // Spreadsheet programs save "CSV" in the Windows code page unless told otherwise.
    QStringDecoder windows("windows-1252", QStringConverter::Flag::Stateless);
    return windows.isValid() ? windows.decode(view) : QString::fromLatin1(view);
}

QString captionKey(const QString& caption)
{
    QString key;
    for (const QChar c : caption) {
        if (!c.isSpace()) key += c.toCaseFolded();
    }
    return key;
}

// Whether a column's caption names field `k`: in English or in the program's language, and
// for Mileage also as the kilometres' caption, so a file keeps its meaning across
// languages and units.
bool namesField(const QString& key, int k)
{
    for (const DistanceUnit unit : {DistanceUnit::Miles, DistanceUnit::Kilometres}) {
        if (captionKey(englishFieldCaption(k, unit)) == key
            || captionKey(fieldCaption(k, unit)) == key)
            return true;
    }
    return false;
}

// The field each column fills, -1 for columns the grid does not have. The first of two
// columns with the same caption wins.
QList<int> columnFields(const QStringList& header)
{
    QList<int> fields;
    QList<int> taken;
    for (const QString& caption : header) {
        int field = -1;
        const QString key = captionKey(caption);
        for (int k = 0; k < LogTable::kFieldCount; ++k) {
            if (namesField(key, k) && !taken.contains(k)) {
                field = k;
                taken << k;
                break;
            }
        }
        fields << field;
    }
    return fields;
}

int knownColumns(const QList<int>& fields)
{
    return static_cast<int>(
        std::count_if(fields.begin(), fields.end(), [](int f) { return f >= 0; }));
}

// The separator under which the first record names the most of the grid's columns.
QChar detectSeparator(QStringView text)
{
    QChar best = kSeparators.front();
    int bestKnown = -1;
    qsizetype bestCount = 0;
    for (const QChar separator : kSeparators) {
        const QStringList header = RecordReader(text, separator).next().fields;
        const int known = knownColumns(columnFields(header));
        if (known > bestKnown || (known == bestKnown && header.size() > bestCount)) {
            best = separator;
            bestKnown = known;
            bestCount = header.size();
        }
    }
    return best;
}

bool isAllEmpty(const QStringList& fields)
{
    return std::all_of(fields.begin(), fields.end(), [](const QString& f) { return f.isEmpty(); });
}

// A spreadsheet program takes a cell starting with one of these for a formula.
bool startsLikeFormula(QStringView text)
{
    if (text.isEmpty()) return false;
    const QChar c = text.front();
    return c == u'=' || c == u'+' || c == u'-' || c == u'@' || c == u'\t' || c == u'\r';
}

bool needsGuard(QStringView text) { return startsLikeFormula(text) || text.startsWith(u'\''); }

QString guarded(const QString& text) { return needsGuard(text) ? QLatin1Char('\'') + text : text; }

QString unguarded(const QString& text)
{
    return text.startsWith(u'\'') && needsGuard(QStringView(text).sliced(1)) ? text.mid(1) : text;
}

QString plainNumber(double value, const QLocale& locale)
{
    QLocale plain(locale);
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain.toString(value, 'g', 15);
}

class TripReader {
public:
    TripReader(const QLocale& locale, std::vector<CsvProblem>& problems)
        : locale_(locale), problems_(problems)
    {}

    // The trip of one record, or nothing when a field cannot be read (each reported).
    std::optional<Trip> trip(const Record& record, const QList<int>& fields)
    {
        line_ = record.line;
        ok_ = true;
        if (!record.error.isEmpty()) problem(QString(), record.error);
        for (qsizetype i = fields.size(); i < record.fields.size(); ++i) {
            if (!record.fields[i].isEmpty()) {
                problem(QString(), QCoreApplication::translate(
                                       "TripsCsv", "%1 fields where the first line names %2")
                                       .arg(record.fields.size())
                                       .arg(fields.size()));
                break;
            }
        }
        // A column the file does not have stays blank as the grid keeps blanks.
        Trip trip{.date = QString(),
                  .startingLocation = QString(),
                  .destination = QString(),
                  .description = QString(),
                  .odometerStart = QString(),
                  .odometerEnd = QString(),
                  .mileage = 0.0,
                  .reimbursement = 0.0};
        for (qsizetype i = 0; i < fields.size() && i < record.fields.size(); ++i) {
            if (fields[i] >= 0) trip.field(fields[i]) = value(fields[i], record.fields[i]);
        }
        if (!ok_) return std::nullopt;
        return trip;
    }

private:
    void problem(const QString& field, const QString& why)
    {
        problems_.push_back({line_, field, why});
        ok_ = false;
    }

    QVariant value(int field, const QString& raw)
    {
        const QString name = fieldCaption(field);
        const QString text = raw.trimmed();
        switch (field) {
        case TripField::Date: {
            if (text.isEmpty()) return QString();
            const QString date = gridDate(text);
            if (date.isEmpty())
                problem(name,
                        QCoreApplication::translate("TripsCsv", "\"%1\" is not a date").arg(text));
            return date;
        }
        case TripField::OdometerStart:
        case TripField::OdometerEnd: {
            const QString reading = unguarded(text);
            if (reading.isEmpty()) return QString();
            const std::optional<double> number = readTripNumber(reading, locale_);
            if (!number)
                problem(
                    name,
                    QCoreApplication::translate("TripsCsv", "\"%1\" is not a number").arg(reading));
            if (!number) return QString();
            // Readings are whole numbers mostly; the locale's formatter is slow for them.
            if (asciiDigits_ && std::abs(*number) < 1e15 && std::floor(*number) == *number) {
                return QString::number(static_cast<qint64>(*number));
            }
            return plainNumber(*number, locale_);
        }
        case TripField::Mileage:
        case TripField::Reimbursement: {
            if (text.isEmpty()) return 0.0;
            const std::optional<double> number = readTripNumber(text, locale_);
            if (!number)
                problem(
                    name,
                    QCoreApplication::translate("TripsCsv", "\"%1\" is not a number").arg(text));
            return number.value_or(0.0);
        }
        default: {
            const QString kept = unguarded(raw);
            if (kept.size() > LogTable::kTextSize) {
                problem(name, QCoreApplication::translate("TripsCsv", "longer than %1 characters")
                                  .arg(LogTable::kTextSize));
            }
            return kept;
        }
        }
    }

    // A date in the grid's form, or empty text for no date. A log repeats its dates, and
    // the locale's date parser is the slowest step of an import.
    QString gridDate(const QString& text)
    {
        const auto known = dates_.constFind(text);
        if (known != dates_.constEnd()) return *known;
        QDate date = QDate::fromString(text, Qt::ISODate);
        if (!date.isValid()) date = textToDate(text, locale_);
        const QString shown = date.isValid() ? dateToText(date, locale_) : QString();
        dates_.insert(text, shown);
        return shown;
    }

    const QLocale& locale_;
    const bool asciiDigits_ = locale_.zeroDigit() == QLatin1String("0");
    QHash<QString, QString> dates_;
    std::vector<CsvProblem>& problems_;
    int line_ = 0;
    bool ok_ = true;
};

void appendField(QString& out, const QString& text)
{
    if (text.contains(u',') || text.contains(u'"') || text.contains(u'\r')
        || text.contains(u'\n')) {
        out += u'"';
        out += QString(text).replace(QStringLiteral("\""), QStringLiteral("\"\""));
        out += u'"';
    } else {
        out += text;
    }
}

QString exportedText(int field, const QVariant& value, const QLocale& locale)
{
    if (value.isNull()) return QString();
    if (field == TripField::Mileage || field == TripField::Reimbursement) {
        return storedNumberText(value.toDouble());
    }
    const QString text = value.toString();
    if (field == TripField::OdometerStart || field == TripField::OdometerEnd) {
        if (const std::optional<double> number = readTripNumber(text, locale))
            return storedNumberText(*number);
    }
    return guarded(text);
}

} // namespace

TripImport readTripsCsv(const QByteArray& bytes, const QLocale& locale)
{
    TripImport result;
    const QString text = decoded(bytes);
    RecordReader reader(text, detectSeparator(text));
    const QList<int> fields = columnFields(reader.next().fields);
    if (knownColumns(fields) == 0) {
        QStringList captions;
        for (int k = 0; k < LogTable::kFieldCount; ++k) captions << fieldCaption(k);
        result.failure =
            QCoreApplication::translate("TripsCsv", "The first line names none of the columns %1.")
                .arg(captions.join(QStringLiteral(", ")));
        return result;
    }
    TripReader trips(locale, result.problems);
    while (!reader.atEnd()) {
        const Record record = reader.next();
        if (record.error.isEmpty() && isAllEmpty(record.fields)) continue;
        auto trip = trips.trip(record, fields);
        // A line with values only in columns the grid does not have carries no trip.
        if (trip && !isBlankTrip(*trip)) {
            result.trips.push_back(std::move(*trip));
        }
    }
    return result;
}

QByteArray writeTripsCsv(const LogTable& table, const QLocale& locale)
{
    QString out;
    // The captions in the program's language; a file written in another reads back too.
    for (int k = 0; k < LogTable::kFieldCount; ++k) {
        if (k > 0) out += u',';
        appendField(out, fieldCaption(k));
    }
    out += QStringLiteral("\r\n");
    for (int row = 0; row < table.RecordCount(); ++row) {
        if (isBlankTrip(table, row)) continue;
        const Trip trip = tripAt(table, row);
        for (int k = 0; k < Trip::kFieldCount; ++k) {
            if (k > 0) out += u',';
            appendField(out, exportedText(k, trip.field(k), locale));
        }
        out += QStringLiteral("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + out.toUtf8();
}

QString csvField(const QString& text)
{
    QString out;
    appendField(out, guarded(text));
    return out;
}

TripPlacement tripPlacement(const LogTable& table, int limit)
{
    const int count = table.RecordCount();
    int first = count;
    while (first > 0 && isBlankTrip(table, first - 1)) --first;
    return {first, (count - first) + std::max(0, limit - count)};
}

int placeTrips(LogTable& table, const std::vector<Trip>& trips, const QString& rateText, int limit,
               const QLocale& locale)
{
    return placeTrips(table, trips, TripRates{rateText, {}}, limit, locale);
}

namespace {

int place(LogTable& table, const std::vector<Trip>& trips, const TripRates& rates, int limit,
          const QLocale& locale, bool carry)
{
    const TripPlacement placement = tripPlacement(table, limit);
    const int placed = std::min(placement.capacity, static_cast<int>(trips.size()));
    // Rates by distance pay a trip by what the log drove before it, every trip counted in
    // date order: the rows are placed with their mileages first, then paid from one
    // reading of the log, rather than one reading a row.
    const bool byDistance = rates.schedule.dependsOnDistance();
    for (int i = 0; i < placed; ++i) {
        const int row = placement.firstRow + i;
        if (row >= table.RecordCount()) table.AddNew();
        setTripAt(table, row, trips[static_cast<std::size_t>(i)]);
        if (carry) carryOdometer(table, row);
        fillTrip(table, row, byDistance ? TripRates() : rates, -1, locale);
    }
    if (!byDistance) return placed;
    const std::vector<double> driven = rates.drivenBeforeEach(table, locale);
    for (int row = placement.firstRow; row < placement.firstRow + placed; ++row)
        fillTrip(table, row, rates, -1, locale, driven[static_cast<std::size_t>(row)]);
    return placed;
}

} // namespace

int placeTrips(LogTable& table, const std::vector<Trip>& trips, const TripRates& rates, int limit,
               const QLocale& locale)
{
    return place(table, trips, rates, limit, locale, true);
}

int placeUnreadTrips(LogTable& table, const std::vector<Trip>& trips, const TripRates& rates,
                     int limit, const QLocale& locale)
{
    return place(table, trips, rates, limit, locale, false);
}

namespace {

// The change of one line of a rates file, or nothing with its problems noted.
// A From Distance, where the file has the column: nothing for an empty field; false (and
// the problem noted) for one that is no distance.
bool distanceOfRecord(const Record& record, qsizetype column, const QLocale& locale,
                      std::vector<CsvProblem>& problems, std::optional<double>& distance)
{
    const QString text =
        column >= 0 && column < record.fields.size() ? record.fields[column].trimmed() : QString();
    if (text.isEmpty()) return true;
    distance = readTripNumber(text, locale);
    if (distance && *distance >= 0.0) return true;
    problems.push_back(
        {record.line, QStringLiteral("From Distance"),
         distance ? QCoreApplication::translate("TripsCsv", "a distance cannot be below 0")
                  : QCoreApplication::translate("TripsCsv", "\"%1\" is not a number").arg(text)});
    return false;
}

std::optional<RateChange> rateOfRecord(const Record& record, qsizetype fromColumn,
                                       qsizetype rateColumn, qsizetype distanceColumn,
                                       const QLocale& locale, std::vector<CsvProblem>& problems)
{
    const auto fieldText = [&](qsizetype column) {
        return column < record.fields.size() ? record.fields[column].trimmed() : QString();
    };
    const std::size_t before = problems.size();
    if (!record.error.isEmpty()) problems.push_back({record.line, QString(), record.error});
    std::optional<double> distance;
    distanceOfRecord(record, distanceColumn, locale, problems, distance);
    const QString fromText = fieldText(fromColumn);
    QDate from = QDate::fromString(fromText, Qt::ISODate);
    if (!from.isValid()) from = textToDate(fromText, locale);
    // With a distance, an empty From is the start of every tax year.
    if (!from.isValid() && !(fromText.isEmpty() && distance)) {
        problems.push_back(
            {record.line, QStringLiteral("From"),
             fromText.isEmpty()
                 ? QCoreApplication::translate("TripsCsv", "no date")
                 : QCoreApplication::translate("TripsCsv", "\"%1\" is not a date").arg(fromText)});
    }
    const QString rateText = fieldText(rateColumn);
    const std::optional<double> rate = readTripNumber(rateText, locale);
    if (!rate || *rate < 0.0) {
        problems.push_back(
            {record.line, QStringLiteral("Rate"),
             rate ? QCoreApplication::translate("TripsCsv", "a rate cannot be below 0")
             : rateText.isEmpty()
                 ? QCoreApplication::translate("TripsCsv", "no number")
                 : QCoreApplication::translate("TripsCsv", "\"%1\" is not a number")
                       .arg(rateText)});
    }
    if (problems.size() != before) return std::nullopt;
    return RateChange{from, *rate, distance};
}

} // namespace

RateImport readRatesCsv(const QByteArray& bytes, const QLocale& locale)
{
    RateImport result;
    const QString text = decoded(bytes);
    RecordReader reader(text, detectSeparator(text));
    QList<QString> header;
    for (const QString& caption : reader.next().fields) header << captionKey(caption);
    const qsizetype fromColumn = header.indexOf(captionKey(QStringLiteral("From")));
    const qsizetype rateColumn = header.indexOf(captionKey(QStringLiteral("Rate")));
    const qsizetype distanceColumn = header.indexOf(captionKey(QStringLiteral("From Distance")));
    if (fromColumn < 0 || rateColumn < 0) {
        result.failure = QCoreApplication::translate(
            "TripsCsv", "The first line does not name the columns From and Rate.");
        return result;
    }
    RateSchedule seen;
    while (!reader.atEnd()) {
        const Record record = reader.next();
        if (record.error.isEmpty() && isAllEmpty(record.fields)) continue;
        const std::optional<RateChange> change =
            rateOfRecord(record, fromColumn, rateColumn, distanceColumn, locale, result.problems);
        if (!change) continue;
        if (!seen.add(*change)) {
            result.problems.push_back(
                {record.line, QStringLiteral("From"),
                 change->fromDistance
                     ? QCoreApplication::translate("TripsCsv", "a second change at %1 on %2")
                           .arg(locale.toString(*change->fromDistance),
                                change->from.isValid() ? dateToText(change->from, locale)
                                                       : QStringLiteral("-"))
                     : QCoreApplication::translate("TripsCsv", "a second change on %1")
                           .arg(dateToText(change->from, locale))});
            continue;
        }
        result.changes.push_back(*change);
    }
    return result;
}

QString problemLines(const std::vector<CsvProblem>& problems, int shown)
{
    QStringList lines;
    for (const CsvProblem& problem : problems) {
        if (lines.size() == shown) {
            lines << QStringLiteral("...");
            break;
        }
        lines << (problem.field.isEmpty()
                      ? QCoreApplication::translate("TripsCsv", "line %1: %2")
                            .arg(problem.line)
                            .arg(problem.why)
                      : QCoreApplication::translate("TripsCsv", "line %1, %2: %3")
                            .arg(problem.line)
                            .arg(problem.field, problem.why));
    }
    return lines.join(QStringLiteral("\r\n"));
}

} // namespace bw
