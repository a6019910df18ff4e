// Printing formula trees back as text in A1 or R1C1 notation.
#include "spreadsheet/formula/formula.h"
#include "spreadsheet/numfmt/decimal.h"

#include <algorithm>
#include <cmath>

namespace bw::ss::formula {

namespace {

enum class Notation { A1, R1C1 };

// Binding strength as the parser reads it: higher binds tighter.
int precedence(const Node& n)
{
    if (n.kind == Node::Kind::Unary) return n.op == Op::Percent ? 6 : 7;
    if (n.kind != Node::Kind::Binary) return 8;
    switch (n.op) {
    case Op::Pow:
        return 5;
    case Op::Mul:
    case Op::Div:
        return 4;
    case Op::Add:
    case Op::Sub:
        return 3;
    case Op::Concat:
        return 2;
    default:
        return 1;
    }
}

QString opText(Op op)
{
    switch (op) {
    case Op::Add:
    case Op::Plus:
        return QStringLiteral("+");
    case Op::Sub:
    case Op::Minus:
        return QStringLiteral("-");
    case Op::Mul:
        return QStringLiteral("*");
    case Op::Div:
        return QStringLiteral("/");
    case Op::Pow:
        return QStringLiteral("^");
    case Op::Concat:
        return QStringLiteral("&");
    case Op::Lt:
        return QStringLiteral("<");
    case Op::Le:
        return QStringLiteral("<=");
    case Op::Eq:
        return QStringLiteral("=");
    case Op::Ge:
        return QStringLiteral(">=");
    case Op::Gt:
        return QStringLiteral(">");
    case Op::Ne:
        return QStringLiteral("<>");
    case Op::Percent:
        return QStringLiteral("%");
    }
    return {};
}

// The shortest text that reads back as the same double; whole numbers below 10^15 keep
// all their digits (100000, not 1E+05).
QString numberText(double v)
{
    int precision = 1;
    for (; precision < 17; ++precision) {
        // The text is ASCII digits, a period and an exponent: the C locale's reading.
        if (numfmt::generalText(v, precision).toDouble() == v) break;
    }
    const double magnitude = std::fabs(v);
    if (magnitude >= 1 && magnitude < 1e15) {
        precision = std::max(precision, static_cast<int>(std::floor(std::log10(magnitude))) + 1);
    }
    return numfmt::generalText(v, precision);
}

class Printer {
public:
    Printer(CellAddress host, Notation notation) : host_(host), notation_(notation) {}

    QString print(const Node& n) const
    {
        switch (n.kind) {
        case Node::Kind::Number:
            return numberText(n.number);
        case Node::Kind::Text: {
            QString quoted = n.text;
            quoted.replace(u'"', QStringLiteral("\"\""));
            return u'"' + quoted + u'"';
        }
        case Node::Kind::Boolean:
            return n.boolean ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
        case Node::Kind::Error:
            return errorText(n.error);
        case Node::Kind::CellRef:
            return cell(n.ref);
        case Node::Kind::AreaRef:
            return area(n.ref, n.refLast);
        case Node::Kind::Paren:
            return u'(' + print(n.children.at(0)) + u')';
        case Node::Kind::MissingArg:
            return {};
        case Node::Kind::Function: {
            QString out = n.text + u'(';
            for (std::size_t i = 0; i < n.children.size(); ++i) {
                if (i > 0) out += u',';
                out += print(n.children[i]);
            }
            return out + u')';
        }
        case Node::Kind::Unary: {
            const Node& operand = n.children.at(0);
            const QString inner = wrapped(operand, precedence(operand) < precedence(n));
            return n.op == Op::Percent ? inner + u'%' : opText(n.op) + inner;
        }
        case Node::Kind::Binary: {
            // Trees from the parser carry their parentheses; these cover trees built in code.
            const Node& left = n.children.at(0);
            const Node& right = n.children.at(1);
            return wrapped(left, precedence(left) < precedence(n)) + opText(n.op)
                   + wrapped(right, precedence(right) <= precedence(n));
        }
        }
        return {};
    }

private:
    QString wrapped(const Node& n, bool parenthesise) const
    {
        return parenthesise ? u'(' + print(n) + u')' : print(n);
    }

    QString rowPart(const Ref& r) const
    {
        if (notation_ == Notation::A1)
            return (r.rowRelative ? QString() : QStringLiteral("$")) + QString::number(r.row + 1);
        if (!r.rowRelative) return u'R' + QString::number(r.row + 1);
        return r.row == host_.row ? QStringLiteral("R")
                                  : QStringLiteral("R[%1]").arg(r.row - host_.row);
    }

    QString colPart(const Ref& r) const
    {
        if (notation_ == Notation::A1)
            return (r.colRelative ? QString() : QStringLiteral("$")) + columnName(r.col);
        if (!r.colRelative) return u'C' + QString::number(r.col + 1);
        return r.col == host_.col ? QStringLiteral("C")
                                  : QStringLiteral("C[%1]").arg(r.col - host_.col);
    }

    QString cell(const Ref& r) const
    {
        return notation_ == Notation::A1 ? colPart(r) + rowPart(r) : rowPart(r) + colPart(r);
    }

    QString area(const Ref& a, const Ref& b) const
    {
        const bool allRows =
            a.row == 0 && b.row == kMaxRows - 1 && !a.rowRelative && !b.rowRelative;
        const bool allCols =
            a.col == 0 && b.col == kMaxColumns - 1 && !a.colRelative && !b.colRelative;
        // R1C1 writes one whole row or column without a colon; A1 always needs one.
        const bool r1c1 = notation_ == Notation::R1C1;
        if (allRows && !allCols) {
            const QString first = colPart(a);
            const QString last = colPart(b);
            return r1c1 && first == last ? first : first + u':' + last;
        }
        if (allCols && !allRows) {
            const QString first = rowPart(a);
            const QString last = rowPart(b);
            return r1c1 && first == last ? first : first + u':' + last;
        }
        return cell(a) + u':' + cell(b);
    }

    CellAddress host_;
    Notation notation_;
};

} // namespace

QString toR1C1(const Formula& f, CellAddress host)
{
    return Printer(host, Notation::R1C1).print(f.root);
}

QString toA1(const Formula& f, CellAddress host)
{
    return Printer(host, Notation::A1).print(f.root);
}

} // namespace bw::ss::formula
