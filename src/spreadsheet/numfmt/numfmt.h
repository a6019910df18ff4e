// Number formats: date serials and how a value shows through a format code.
#pragma once

#include "spreadsheet/model/value.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <optional>

namespace bw::ss::numfmt {

// Dates are serial numbers of the 1900 date system: 1 is 1900-01-01, 60 the fictitious
// 1900-02-29, 61 is 1900-03-01; the fraction is the time of day.
double dateToSerial(const QDate& date);
double dateTimeToSerial(const QDateTime& dateTime);
// An invalid date gives 0; dates before 1900 give serials below 1.
// serialToDateTime: nothing for serials outside 0 .. 2958465 (9999-12-31), and for the
// fictitious day 60, which no calendar has. 0 is 1899-12-31 (shown as "1/0/1900").
std::optional<QDateTime> serialToDateTime(double serial);

// Whether a format code shows its number as a date or time.
bool isDateFormat(const QString& code);

// The text a cell shows for `value` under the format code (the file's notation:
// "." decimal point, "," thousands separator, en-US month and day names).
struct Shown {
    QString text;
    // Colour from a [Red]-style section, as an object-model colour index; nothing for none.
    std::optional<int> colorIndex;
};
Shown format(const Value& value, const QString& code);

// "General" for a number, shown in at most `maxChars` characters (11 in a default-width
// column): fewer decimals first, then scientific notation.
QString formatGeneral(double number, int maxChars = 11);

} // namespace bw::ss::numfmt
