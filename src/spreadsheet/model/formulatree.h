// The parsed formula tree: references, operators and nodes.
#pragma once

#include "spreadsheet/model/value.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace bw::ss::formula {

// A reference as a cell formula stores it (and as the file format stores it): the
// absolute target, plus whether each part was written relative to the formula's cell.
// R[34]C[2] in E5 is {row 38, col 6, rowRelative, colRelative}; R5C3 is {4, 2, false, false}.
struct Ref {
    int row = 0;
    int col = 0;
    bool rowRelative = false;
    bool colRelative = false;
    friend bool operator==(const Ref&, const Ref&) = default;
};

enum class Op : std::uint8_t {
    Add,
    Sub,
    Mul,
    Div,
    Pow,
    Concat,
    Lt,
    Le,
    Eq,
    Ge,
    Gt,
    Ne, // binary
    Plus,
    Minus,
    Percent, // unary (Percent is postfix)
};

// One node of a parsed formula. Parentheses are kept as nodes so that a formula shows
// and saves as it was written.
struct Node {
    enum class Kind : std::uint8_t {
        Number,
        Text,
        Boolean,
        Error, // literals
        CellRef,
        AreaRef, // ref / {ref, area}
        Unary,
        Binary,     // op, children
        Function,   // name (upper case), children = arguments
        Paren,      // children[0]
        MissingArg, // an empty argument: SUM(1,,2)
    };

    Kind kind = Kind::Number;
    double number = 0.0;
    QString text; // Text literal, or the Function name
    bool boolean = false;
    ErrorValue error = ErrorValue::Value;
    Ref ref;     // CellRef, and the first corner of AreaRef
    Ref refLast; // the second corner of AreaRef
    Op op = Op::Add;
    std::vector<Node> children;

    friend bool operator==(const Node&, const Node&) = default;
};

struct Formula {
    Node root;
    friend bool operator==(const Formula&, const Formula&) = default;
};

} // namespace bw::ss::formula
