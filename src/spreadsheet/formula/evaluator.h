// The formula evaluator and the value conversions its operators and functions use.
#pragma once

#include "spreadsheet/model/cellref.h"
#include "spreadsheet/model/formulatree.h"
#include "spreadsheet/model/value.h"

#include <optional>
#include <variant>
#include <vector>

namespace bw::ss {
class Worksheet;
}

namespace bw::ss::formula {

// What a node yields: a value, or a reference that functions such as SUM read as the
// cells it covers rather than as one value.
struct Operand {
    Value value;
    std::optional<CellRange> range;
};

// A number or the error that stopped the conversion.
using NumberOrError = std::variant<double, ErrorValue>;
using BoolOrError = std::variant<bool, ErrorValue>;

// Conversions of one value as the operators apply them: an empty cell is 0, "" or
// FALSE; a text converts when it reads as a number ("12", "1,234.5", "50%", a date).
NumberOrError toNumber(const Value& v);
QString toText(const Value& v);
BoolOrError toBoolean(const Value& v);

CellRange rangeOf(const Node& refNode);

// Evaluates the nodes of one formula against the values the sheet's cells hold now.
class Evaluator {
public:
    Evaluator(const Worksheet& sheet, CellAddress host) : sheet_(sheet), host_(host) {}

    // The node as one value: a reference gives its cell (a range the cell of the
    // formula's row or column, the implicit intersection).
    Value value(const Node& node);
    // The node with any reference kept as a reference.
    Operand operand(const Node& node);

    Value cellValue(CellAddress a) const;
    const Worksheet& sheet() const { return sheet_; }

    // Calls f(value) for every non-empty cell of the range, row by row; stops early and
    // returns false when f returns false.
    template <class F>
    bool forEachValue(const CellRange& range, F&& f) const;

private:
    Value unary(const Node& node);
    Value binary(const Node& node);
    Value compare(Op op, const Value& a, const Value& b) const;

    const Worksheet& sheet_;
    CellAddress host_;
    int depth_ = 0;
};

// Calls f(node) for every CellRef and AreaRef node of the tree, without recursion.
template <class F>
void forEachReference(const Node& root, F&& f)
{
    std::vector<const Node*> pending{&root};
    while (!pending.empty()) {
        const Node* n = pending.back();
        pending.pop_back();
        if (n->kind == Node::Kind::CellRef || n->kind == Node::Kind::AreaRef) f(*n);
        for (const Node& child : n->children) pending.push_back(&child);
    }
}

} // namespace bw::ss::formula

#include "spreadsheet/model/worksheet.h"

namespace bw::ss::formula {

template <class F>
bool Evaluator::forEachValue(const CellRange& range, F&& f) const
{
    const auto& rows = sheet_.rows();
    for (auto row = rows.lower_bound(range.first.row);
         row != rows.end() && row->first <= range.last.row; ++row) {
        const auto& cells = row->second.cells;
        for (auto c = cells.lower_bound(range.first.col);
             c != cells.end() && c->first <= range.last.col; ++c) {
            if (c->second.value.isEmpty()) continue;
            if (!f(c->second.value)) return false;
        }
    }
    return true;
}

} // namespace bw::ss::formula
