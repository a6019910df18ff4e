// Cell formulas: parsing, printing, evaluating, recalculating and entering them.
#pragma once

#include "spreadsheet/model/cellref.h"
#include "spreadsheet/model/formulatree.h"
#include "spreadsheet/model/value.h"

#include <QLocale>
#include <QString>
#include <QStringView>

#include <vector>

namespace bw::ss {
class Worksheet;
class Workbook;
} // namespace bw::ss

namespace bw::ss::formula {

// Parsing: `text` is the formula without its leading "="; `host` is the formula's cell,
// against which relative references are resolved. Throws FormulaError with a plain
// description for anything that is not a valid formula (unknown function, bad
// reference, unbalanced parentheses, a reference outside the sheet...).
Formula parseR1C1(QStringView text, CellAddress host);
Formula parseA1(QStringView text, CellAddress host);

// Writing back, without the leading "=".
QString toR1C1(const Formula& f, CellAddress host);
QString toA1(const Formula& f, CellAddress host);

// What a formula caught in a circular reference yields. The spreadsheet application
// shows 0 there after a warning; a silent 0 would pass for a result, so we give the
// error that names the cause: a reference that cannot be followed to a value.
inline constexpr ErrorValue kCircularError = ErrorValue::Ref;

// The value of `f` as the formula of cell `host`, from the values the cells it reads
// hold now (they are not recalculated). A formula that reads its own cell gives
// kCircularError; an empty result is 0.
Value evaluate(const Formula& f, const Worksheet& sheet, CellAddress host);

// Recomputes the cached value of every formula cell of the sheet (and clears its
// needsRecalc flag). Linear in the number of formulas plus the cells they read; a
// circular reference yields an error value, never a hang or a stack overflow.
void recalculate(Worksheet& sheet);
// recalculate() for every sheet that needs it.
void recalculate(Workbook& book);

// Enters `text` into the cell as if typed: the constant or the formula (R1C1 notation)
// with its computed result, and the number format the entry gives a General cell.
// Throws FormulaError for a formula that does not parse; the cell keeps its old content.
void enterR1C1(Worksheet& sheet, CellAddress cell, const QString& text, const QLocale& locale);

// The names of the functions the evaluator knows (upper case).
bool isKnownFunction(QStringView upperName);
std::vector<QString> knownFunctionNames();

} // namespace bw::ss::formula
