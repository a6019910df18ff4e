// One stored cell: its value, its formula if any, and its format.
#pragma once

#include "spreadsheet/model/cellformat.h"
#include "spreadsheet/model/formulatree.h"
#include "spreadsheet/model/value.h"

#include <memory>

namespace bw::ss {

// One stored cell. A formula cell keeps its parsed formula and its last result in
// `value`; any other cell keeps its content there. A cell with an empty value and a
// format of its own is a formatted blank cell.
struct Cell {
    Value value;
    std::shared_ptr<const formula::Formula> formula;
    FormatId format = kDefaultFormat;

    bool hasFormula() const { return formula != nullptr; }
    bool isBlank() const { return !formula && value.isEmpty(); }

    friend bool operator==(const Cell& a, const Cell& b)
    {
        const bool sameFormula =
            (a.formula == b.formula) || (a.formula && b.formula && *a.formula == *b.formula);
        return sameFormula && a.value == b.value && a.format == b.format;
    }
};

} // namespace bw::ss
