#pragma once

#include "spreadsheet/formula/ast.h"
#include "spreadsheet/model/cellref.h"
#include "spreadsheet/model/value.h"

#include <QString>
#include <QStringView>

namespace bw::ss {
class Worksheet;
class Workbook;
}

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

// Recomputes the cached value of every formula cell of the sheet (and clears its
// needsRecalc flag). Linear in the number of formulas plus the cells they read; a
// circular reference yields an error value, never a hang or a stack overflow.
void recalculate(Worksheet& sheet);
// recalculate() for every sheet that needs it.
void recalculate(Workbook& book);

// The names of the functions the evaluator knows (upper case).
bool isKnownFunction(QStringView upperName);

} // namespace bw::ss::formula
