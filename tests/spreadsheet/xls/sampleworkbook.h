// Formula trees and workbooks for the workbook-file tests, built by hand.
#pragma once

#include "spreadsheet/model/formulatree.h"
#include "spreadsheet/model/workbook.h"

#include <memory>

// Formula trees and workbooks for the workbook-file tests, built by hand so that the
// tests depend on nothing but the model.
namespace bw::test::xls {

using ss::formula::Formula;
using ss::formula::Node;
using ss::formula::Op;
using ss::formula::Ref;

inline Node number(double v)
{
    Node n;
    n.number = v;
    return n;
}
inline Node text(const QString& s)
{
    Node n;
    n.kind = Node::Kind::Text;
    n.text = s;
    return n;
}
inline Node cell(int row, int col, bool rowRel = true, bool colRel = true)
{
    Node n;
    n.kind = Node::Kind::CellRef;
    n.ref = {row, col, rowRel, colRel};
    return n;
}
inline Node area(Ref first, Ref last)
{
    Node n;
    n.kind = Node::Kind::AreaRef;
    n.ref = first;
    n.refLast = last;
    return n;
}
inline Node binary(Op op, Node a, Node b)
{
    Node n;
    n.kind = Node::Kind::Binary;
    n.op = op;
    n.children = {std::move(a), std::move(b)};
    return n;
}
inline Node unary(Op op, Node a)
{
    Node n;
    n.kind = Node::Kind::Unary;
    n.op = op;
    n.children = {std::move(a)};
    return n;
}
inline Node paren(Node a)
{
    Node n;
    n.kind = Node::Kind::Paren;
    n.children = {std::move(a)};
    return n;
}
inline Node function(const QString& name, std::vector<Node> args)
{
    Node n;
    n.kind = Node::Kind::Function;
    n.text = name;
    n.children = std::move(args);
    return n;
}
inline std::shared_ptr<const Formula> makeFormula(Node root)
{
    return std::make_shared<const Formula>(Formula{std::move(root)});
}

// SUM over rows first..last (zero-based) of one column, written relative as R1C1 does.
inline Node columnSum(int col, int first, int last)
{
    return function(QStringLiteral("SUM"),
                    {area({first, col, true, true}, {last, col, true, true})});
}

// A book with every kind of content and formatting the model holds, on three sheets.
std::unique_ptr<ss::Workbook> sampleWorkbook();

// The report's layout: title, employee block, header row, `trips` trip rows of 6 texts
// and 2 numbers, and a totals row with SUM formulas and cached results.
std::unique_ptr<ss::Workbook> tripWorkbook(int trips);

} // namespace bw::test::xls
