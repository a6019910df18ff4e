// Number texts of the trip rows: the leading number, half-even rounding, the stored form.
#pragma once

#include <QString>

namespace bw {

// The leading number of a text, read the classic way: blanks, tabs and line breaks are
// skipped wherever they stand, then an optional sign, digits with a period as decimal
// separator and an optional exponent (E or D). Text without a leading number gives 0.
// A number too large for a double gives an infinity of its sign.
double leadingNumber(const QString& text);

// To the nearest whole number, a half going to the even neighbour (12.5 -> 12, 13.5 -> 14).
double roundHalfEven(double value);

// A Mileage or Reimbursement value as the row keys store it: at most 15 significant
// digits, no grouping, and always a period, so that leadingNumber reads it back in full
// whatever the user's locale.
QString storedNumberText(double value);

// The number of rows a stored RowCount text asks for: its leading number, rounded half
// to even; 0 for zero or negative counts. Throws LogTableError when the count is no
// number or too large for an int (a damaged store). Counts above kMaxTrips are returned
// as they are: the caller restores what the log can hold.
int rowCountFromText(const QString& text);

// A row field read back from the store: its leading number, unrounded. Throws
// LogTableError ("Overflow") when the text holds a number too large for a double.
double storedNumberFromText(const QString& text);

} // namespace bw
