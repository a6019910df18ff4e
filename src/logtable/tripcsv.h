// Trips read from CSV files (any separator, quoting, encoding) and written to them.
#pragma once

#include "core/rateschedule.h"
#include "core/trip.h"
#include "logtable/logtable.h"
#include "logtable/tripfills.h"

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <QVariant>

#include <vector>

namespace bw {

// A line of a CSV file that cannot become a trip: where, which field, and why.
struct CsvProblem {
    int line; // from 1, the line the record starts on
    QString field;
    QString why;
};

struct TripImport {
    std::vector<Trip> trips;
    std::vector<CsvProblem> problems;
    // Set when the file as a whole cannot be read (no known column in its first line);
    // nothing else is then filled.
    QString failure;
};

// Reads trips from a CSV file's bytes: UTF-8 with or without a byte order mark (bytes
// that are not UTF-8 are taken as Windows-1252), comma, semicolon or tab as separator,
// RFC 4180 quoting. The first record names the columns by the grid's captions, in English or
// in the program's language (letter case and blanks do not matter, unknown columns are ignored).
// Dates are ISO or the locale's short form and are kept in the grid's form; numbers are read in the
// locale's notation first. Empty records are skipped.
TripImport readTripsCsv(const QByteArray& bytes, const QLocale& locale = QLocale());

// The table's trips as a CSV file: UTF-8 with a byte order mark, a header of the eight
// captions in the program's language, comma separated, CRLF line ends; blank rows are left out.
// Dates are written as stored, numbers with a period. Text that a spreadsheet program would take
// for a formula is written behind a quote, which readTripsCsv takes off again.
QByteArray writeTripsCsv(const LogTable& table, const QLocale& locale = QLocale());

// `text` as one field of a file written for readTripsCsv: guarded as writeTripsCsv guards
// text a spreadsheet program would take for a formula, and quoted where it needs quotes.
QString csvField(const QString& text);

// Where imported trips go: the table's trailing blank rows first, then new rows at the end
// up to `limit` rows in all. Returns the first row to fill and how many trips fit.
struct TripPlacement {
    int firstRow;
    int capacity;
};
TripPlacement tripPlacement(const LogTable& table, int limit = kMaxTrips);

// Writes `trips` from placement.firstRow on (as many as fit) and gives each row the fills a
// typed row gets: the previous Odometer End into an empty Odometer Start, then Mileage and
// Reimbursement. Returns the number of trips placed.
int placeTrips(LogTable& table, const std::vector<Trip>& trips, const QString& rateText,
               int limit = kMaxTrips, const QLocale& locale = QLocale());
// The same, each trip paid at the rate in force on its date.
int placeTrips(LogTable& table, const std::vector<Trip>& trips, const TripRates& rates,
               int limit = kMaxTrips, const QLocale& locale = QLocale());
// The same for trips whose odometer nobody read (recorded drives): no Odometer End is
// carried into them, so both readings stay empty.
int placeUnreadTrips(LogTable& table, const std::vector<Trip>& trips, const TripRates& rates,
                     int limit = kMaxTrips, const QLocale& locale = QLocale());

struct RateImport {
    std::vector<RateChange> changes; // in the file's order
    std::vector<CsvProblem> problems;
    QString failure; // the first line names no "From" or no "Rate" column
};

// Rate changes from a CSV file read as readTripsCsv reads trips (encodings, separators,
// quoting, captions found by the first line): a "From" date, ISO or the locale's short
// form, a "Rate" number and, where the file has the column, a "From Distance" driven in
// the tax year (From may then be empty: the start of every tax year). A line without a
// date or a number, with a rate or distance below 0, or with a second change on a day and
// distance already given, is a problem of its line.
RateImport readRatesCsv(const QByteArray& bytes, const QLocale& locale = QLocale());

// "line 4, Mileage: ..." lines for a message, at most `shown` of them.
QString problemLines(const std::vector<CsvProblem>& problems, int shown = 10);

} // namespace bw
