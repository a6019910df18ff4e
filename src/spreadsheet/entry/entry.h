#pragma once

#include "spreadsheet/model/cellref.h"
#include "spreadsheet/model/value.h"

#include <QLocale>
#include <QString>

#include <optional>

namespace bw::ss {
class Worksheet;
}

namespace bw::ss::entry {

// How a typed text is understood.
struct Parsed {
    enum class Kind { Constant, Formula };
    Kind kind = Kind::Constant;
    Value value;                          // the constant (Kind::Constant)
    QString formulaText;                  // without "=" (Kind::Formula)
    // A number format the entry gives a General cell: "$#,##0.00" for "$1,234.50",
    // "0%" for "12%", a date format for "5/14/2016"...; nothing when it gives none.
    std::optional<QString> numberFormat;
};

// Understands `text` as a person typing it into a cell whose number format is
// `cellFormat` would be understood, under `locale` (separators, currency sign, date
// order). A cell formatted "@" keeps every entry as text. Never throws.
Parsed parse(const QString& text, const QString& cellFormat, const QLocale& locale);

// Enters `text` into the cell as if typed: the constant or the formula (R1C1 notation)
// with its computed result, and the number format the entry gives a General cell.
// Throws FormulaError for a formula that does not parse; the cell keeps its old content.
void enterR1C1(Worksheet& sheet, CellAddress cell, const QString& text, const QLocale& locale);

} // namespace bw::ss::entry
