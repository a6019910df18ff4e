// Readers of the trip rows in the stores of earlier versions, from their bytes.
#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <map>
#include <vector>

namespace bw {

// The eight row keys "RowSource1 <n>" ... "RowSource8 <n>" of one row, in field order. A
// null QString is a key that is not stored; a stored key is never null (empty text is a
// value).
using OldTripRow = std::array<QString, 8>;

// A line (or an INI key) that was not read, or not read whole: where, what, and why.
struct OldStoreProblem {
    int line;     // from 1
    QString text; // the line as found (decoded as UTF-8), without its line end
    QString why;  // a sentence for a person, translated
};

struct OldStoreRows {
    std::map<int, OldTripRow> rows; // by row number from 1; rows beyond RowCount too
    QString rowCount;               // as stored; null when RowCount is not stored
    std::vector<OldStoreProblem> problems;
};

// The trips file that sits beside the INI file ("Brindlewick.trips"): a first line
// "Brindlewick trips 1", a line "RowCount<TAB>text", then one line per row, its number and
// the eight fields separated by tabs; inside a field "\\", "\t", "\n" and "\r" stand for a
// backslash, tab, line feed and carriage return, and a field "\-" is a key not stored.
// A row given twice is merged, later fields winning; a line that cannot be read is left
// out and listed, and a line read in part or by guesswork (fields missing or extra, an
// escape the writer never writes, a bare carriage return, bytes that are not UTF-8) is
// kept and listed as well.
OldStoreRows readTripsFile(const QByteArray& bytes);

// RowCount and the row keys of an INI file of the first version, which kept them beside
// the entry fields, at the top level ("[General]" or before any section). The text is
// read as Qt's INI reader reads it, quoting, escapes, comments, continued lines and the
// "@..." typed forms included; a key given twice keeps its last value. Listed: lines the
// INI reader rejects, top-level keys that look like row keys but are none (they stay
// ordinary keys, such as "RowSource9 1" or "RowSource1 01") and typed values that do
// not decode.
OldStoreRows readIniTripKeys(const QByteArray& bytes);

} // namespace bw
