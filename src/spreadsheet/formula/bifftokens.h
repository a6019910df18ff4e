// Cell formulas to and from the parsed-expression tokens of the Excel 97-2003 format.
#pragma once

#include "spreadsheet/model/cellref.h"
#include "spreadsheet/model/formulatree.h"

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

namespace bw::ss::formula {

// The parsed-expression tokens (RPN) of a cell formula as the Excel 97-2003 file format
// stores them. Throws FormulaError for a formula the format cannot hold (an unknown
// function, a wrong argument count, a text literal over 255 characters, a reference
// outside the grid, or tokens too long for one record).
QByteArray compileBiff(const Formula& f);

// The formula back from its tokens; `host` is the formula's cell, against which the
// offset tokens of shared formulas are resolved. Nothing when the tokens use something
// the model does not hold (names, other sheets, arrays, unknown functions) or are
// malformed: the caller then keeps the cell's cached value as a constant.
std::optional<Formula> decompileBiff(QByteArrayView tokens, CellAddress host);

// The longest token string compileBiff produces: what fits one FORMULA record.
inline constexpr int kMaxBiffTokenBytes = 8224 - 22;

} // namespace bw::ss::formula
