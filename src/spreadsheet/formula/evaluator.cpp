// Evaluating formula trees: operators, conversions, comparisons and references.
#include "spreadsheet/formula/evaluator.h"

#include "spreadsheet/entry/entry.h"
#include "spreadsheet/formula/formula.h"
#include "spreadsheet/formula/functions.h"
#include "spreadsheet/numfmt/decimal.h"

#include <QLocale>

#include <cmath>

namespace bw::ss::formula {

namespace {

// Trees that did not come through the parser (a workbook file, code) are walked no
// deeper than this, so a hostile formula cannot exhaust the stack.
constexpr int kMaxEvaluationDepth = 2000;

Value numberResult(double v)
{
    return std::isfinite(v) ? Value::number(v) : Value::error(ErrorValue::Num);
}

// Orders values of different types as spreadsheets do: numbers, then texts, then
// booleans. An empty cell takes the other side's type.
int typeRank(const Value& v)
{
    switch (v.type()) {
    case Value::Type::Number:
        return 0;
    case Value::Type::Text:
        return 1;
    case Value::Type::Boolean:
        return 2;
    default:
        return 0;
    }
}

Value emptyLike(const Value& other)
{
    switch (other.type()) {
    case Value::Type::Text:
        return Value::text(QString());
    case Value::Type::Boolean:
        return Value::boolean(false);
    default:
        return Value::number(0);
    }
}

} // namespace

NumberOrError toNumber(const Value& v)
{
    switch (v.type()) {
    case Value::Type::Empty:
        return 0.0;
    case Value::Type::Number:
        return v.asNumber();
    case Value::Type::Boolean:
        return v.asBoolean() ? 1.0 : 0.0;
    case Value::Type::Error:
        return v.asError();
    case Value::Type::Text: {
        // A text operand reads as a typed entry would (in the file's notation): "12",
        // "1,234.5", "$5", "50%" and dates all become numbers.
        static const QLocale fileLocale(QLocale::English, QLocale::UnitedStates);
        const entry::Parsed parsed =
            entry::parse(v.asText(), QStringLiteral("General"), fileLocale);
        if (parsed.kind == entry::Parsed::Kind::Constant && parsed.value.isNumber())
            return parsed.value.asNumber();
        return ErrorValue::Value;
    }
    }
    return ErrorValue::Value;
}

QString toText(const Value& v)
{
    switch (v.type()) {
    case Value::Type::Empty:
        return {};
    case Value::Type::Text:
        return v.asText();
    case Value::Type::Boolean:
        return v.asBoolean() ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    case Value::Type::Error:
        return errorText(v.asError());
    case Value::Type::Number: {
        // The 15 significant digits a cell keeps.
        return numfmt::generalText(v.asNumber(), 15);
    }
    }
    return {};
}

BoolOrError toBoolean(const Value& v)
{
    switch (v.type()) {
    case Value::Type::Empty:
        return false;
    case Value::Type::Number:
        return v.asNumber() != 0.0;
    case Value::Type::Boolean:
        return v.asBoolean();
    case Value::Type::Error:
        return v.asError();
    case Value::Type::Text:
        if (v.asText().compare(QLatin1String("TRUE"), Qt::CaseInsensitive) == 0) return true;
        if (v.asText().compare(QLatin1String("FALSE"), Qt::CaseInsensitive) == 0) return false;
        return ErrorValue::Value;
    }
    return ErrorValue::Value;
}

CellRange rangeOf(const Node& refNode)
{
    const Ref& last = refNode.kind == Node::Kind::AreaRef ? refNode.refLast : refNode.ref;
    return {{refNode.ref.row, refNode.ref.col}, {last.row, last.col}};
}

Value Evaluator::cellValue(CellAddress a) const
{
    const Cell* c = sheet_.cell(a);
    return c ? c->value : Value();
}

Operand Evaluator::operand(const Node& node)
{
    switch (node.kind) {
    case Node::Kind::CellRef:
    case Node::Kind::AreaRef:
        return {{}, rangeOf(node)};
    case Node::Kind::Paren:
        return operand(node.children.at(0));
    default:
        return {value(node), std::nullopt};
    }
}

Value Evaluator::value(const Node& node)
{
    struct DepthGuard {
        int& depth;
        explicit DepthGuard(int& d) : depth(++d) {}
        ~DepthGuard() { --depth; }
    } guard(depth_);
    if (depth_ > kMaxEvaluationDepth) return Value::error(ErrorValue::Num);

    switch (node.kind) {
    case Node::Kind::Number:
        return numberResult(node.number);
    case Node::Kind::Text:
        return Value::text(node.text);
    case Node::Kind::Boolean:
        return Value::boolean(node.boolean);
    case Node::Kind::Error:
        return Value::error(node.error);
    case Node::Kind::MissingArg:
        return {};
    case Node::Kind::Paren:
        return value(node.children.at(0));
    case Node::Kind::CellRef:
        return cellValue({node.ref.row, node.ref.col});
    case Node::Kind::AreaRef: {
        // A range where one value is wanted: the cell in the formula's own row (of a
        // one-column range) or column (of a one-row range).
        const CellRange r = rangeOf(node);
        if (r.isSingleCell()) return cellValue(r.first);
        if (r.columnCount() == 1 && host_.row >= r.first.row && host_.row <= r.last.row) {
            return cellValue({host_.row, r.first.col});
        }
        if (r.rowCount() == 1 && host_.col >= r.first.col && host_.col <= r.last.col) {
            return cellValue({r.first.row, host_.col});
        }
        return Value::error(ErrorValue::Value);
    }
    case Node::Kind::Unary:
        return unary(node);
    case Node::Kind::Binary:
        return binary(node);
    case Node::Kind::Function: {
        const FunctionSpec* function = findFunction(node.text);
        if (!function) return Value::error(ErrorValue::Name);
        return function->impl(*this, node.children);
    }
    }
    return Value::error(ErrorValue::Value);
}

Value Evaluator::unary(const Node& node)
{
    const Value operandValue = value(node.children.at(0));
    // A plus sign changes nothing, not even the type: =+"a" is "a".
    if (node.op == Op::Plus) return operandValue;
    const NumberOrError n = toNumber(operandValue);
    if (const auto* e = std::get_if<ErrorValue>(&n)) return Value::error(*e);
    const double x = std::get<double>(n);
    return numberResult(node.op == Op::Minus ? -x : x / 100.0);
}

Value Evaluator::binary(const Node& node)
{
    const Value a = value(node.children.at(0));
    const Value b = value(node.children.at(1));
    switch (node.op) {
    case Op::Concat:
        if (a.isError()) return a;
        if (b.isError()) return b;
        return Value::text(toText(a) + toText(b));
    case Op::Lt:
    case Op::Le:
    case Op::Eq:
    case Op::Ge:
    case Op::Gt:
    case Op::Ne:
        return compare(node.op, a, b);
    default:
        break;
    }
    const NumberOrError na = toNumber(a);
    if (const auto* e = std::get_if<ErrorValue>(&na)) return Value::error(*e);
    const NumberOrError nb = toNumber(b);
    if (const auto* e = std::get_if<ErrorValue>(&nb)) return Value::error(*e);
    const double x = std::get<double>(na);
    const double y = std::get<double>(nb);
    switch (node.op) {
    case Op::Add:
        return numberResult(x + y);
    case Op::Sub:
        return numberResult(x - y);
    case Op::Mul:
        return numberResult(x * y);
    case Op::Div:
        if (y == 0.0) return Value::error(ErrorValue::Div0);
        return numberResult(x / y);
    case Op::Pow:
        if (x == 0.0 && y == 0.0) return Value::error(ErrorValue::Num);
        if (x == 0.0 && y < 0.0) return Value::error(ErrorValue::Div0);
        return numberResult(std::pow(x, y));
    default:
        return Value::error(ErrorValue::Value);
    }
}

Value Evaluator::compare(Op op, const Value& a, const Value& b) const
{
    if (a.isError()) return a;
    if (b.isError()) return b;
    const Value left = a.isEmpty() ? emptyLike(b) : a;
    const Value right = b.isEmpty() ? emptyLike(a) : b;
    int order = typeRank(left) - typeRank(right);
    if (order == 0) {
        switch (left.type()) {
        case Value::Type::Number:
            order = left.asNumber() < right.asNumber()   ? -1
                    : left.asNumber() > right.asNumber() ? 1
                                                         : 0;
            break;
        case Value::Type::Text:
            order = left.asText().compare(right.asText(), Qt::CaseInsensitive);
            break;
        case Value::Type::Boolean:
            order = int(left.asBoolean()) - int(right.asBoolean());
            break;
        default:
            break;
        }
    }
    switch (op) {
    case Op::Lt:
        return Value::boolean(order < 0);
    case Op::Le:
        return Value::boolean(order <= 0);
    case Op::Eq:
        return Value::boolean(order == 0);
    case Op::Ge:
        return Value::boolean(order >= 0);
    case Op::Gt:
        return Value::boolean(order > 0);
    case Op::Ne:
        return Value::boolean(order != 0);
    default:
        return Value::error(ErrorValue::Value);
    }
}

Value evaluate(const Formula& f, const Worksheet& sheet, CellAddress host)
{
    bool circular = false;
    forEachReference(f.root,
                     [&](const Node& ref) { circular = circular || rangeOf(ref).contains(host); });
    if (circular) return Value::error(kCircularError);
    Value result = Evaluator(sheet, host).value(f.root);
    // A formula that shows an empty cell shows 0.
    return result.isEmpty() ? Value::number(0) : result;
}

} // namespace bw::ss::formula
