// The formula parser, in A1 and R1C1 notation, with its size and depth limits.
#include "spreadsheet/formula/formula.h"
#include "spreadsheet/formula/functions.h"
#include "spreadsheet/model/errors.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace bw::ss::formula {

namespace {

// Limits that keep a formula within what the file format stores and what the
// evaluator walks without deep recursion.
constexpr qsizetype kMaxFormulaLength = 8192;
constexpr qsizetype kMaxTextLength = 255;
constexpr int kMaxNesting = 64;
constexpr int kMaxTreeDepth = 1000;
constexpr int kMaxArguments = 255;

enum class Notation { A1, R1C1 };

[[noreturn]] void fail(const QString& description) { throw FormulaError(description); }

bool isNameChar(QChar c) { return c.isLetterOrNumber() || c == u'_' || c == u'.'; }

// One corner of a reference as written: a row part, a column part or both.
struct Corner {
    std::optional<int> row;
    std::optional<int> col;
    bool rowRelative = false;
    bool colRelative = false;
};

// A node together with the depth of its tree, which the parser bounds.
struct Built {
    Node node;
    int depth = 1;
};

Built leaf(Node n) { return {std::move(n), 1}; }

Built withChildren(Node n, std::vector<Built> children)
{
    int depth = 0;
    for (Built& c : children) {
        depth = std::max(depth, c.depth);
        n.children.push_back(std::move(c.node));
    }
    if (depth + 1 > kMaxTreeDepth)
        fail(QCoreApplication::translate("Spreadsheet", "The formula is too complex."));
    return {std::move(n), depth + 1};
}

class Parser {
public:
    Parser(QStringView text, CellAddress host, Notation notation)
        : s_(text), host_(host), notation_(notation)
    {}

    Formula parse()
    {
        if (s_.size() > kMaxFormulaLength) {
            fail(QCoreApplication::translate("Spreadsheet",
                                             "The formula is longer than %1 characters.")
                     .arg(kMaxFormulaLength));
        }
        skipSpaces();
        if (atEnd()) fail(QCoreApplication::translate("Spreadsheet", "The formula is empty."));
        Built root = comparison();
        skipSpaces();
        if (!atEnd()) unexpected();
        return Formula{std::move(root.node)};
    }

private:
    // --- characters ---------------------------------------------------------------
    bool atEnd() const { return pos_ >= s_.size(); }
    QChar peek(qsizetype ahead = 0) const
    {
        return pos_ + ahead < s_.size() ? s_[pos_ + ahead] : QChar();
    }
    void skipSpaces()
    {
        while (!atEnd()
               && (s_[pos_] == u' ' || s_[pos_] == u'\n' || s_[pos_] == u'\r' || s_[pos_] == u'\t'))
            ++pos_;
    }

    [[noreturn]] void unexpected() const
    {
        if (atEnd())
            fail(QCoreApplication::translate("Spreadsheet", "The formula ends too early."));
        fail(QCoreApplication::translate("Spreadsheet", "The formula has an unexpected \"%1\".")
                 .arg(s_[pos_]));
    }

    // --- operators, loosest first ---------------------------------------------------
    template <class Next, class Match>
    Built leftAssociative(Next next, Match match)
    {
        Built left = (this->*next)();
        for (;;) {
            skipSpaces();
            const std::optional<Op> op = (this->*match)();
            if (!op) return left;
            Built right = (this->*next)();
            Node n;
            n.kind = Node::Kind::Binary;
            n.op = *op;
            std::vector<Built> children;
            children.push_back(std::move(left));
            children.push_back(std::move(right));
            left = withChildren(std::move(n), std::move(children));
        }
    }

    std::optional<Op> take(qsizetype length, Op op)
    {
        pos_ += length;
        return op;
    }

    std::optional<Op> matchComparison()
    {
        const QChar c = peek();
        const QChar d = peek(1);
        if (c == u'<' && d == u'=') return take(2, Op::Le);
        if (c == u'>' && d == u'=') return take(2, Op::Ge);
        if (c == u'<' && d == u'>') return take(2, Op::Ne);
        if (c == u'<') return take(1, Op::Lt);
        if (c == u'>') return take(1, Op::Gt);
        if (c == u'=') return take(1, Op::Eq);
        return std::nullopt;
    }
    std::optional<Op> matchConcat()
    {
        if (peek() == u'&') return take(1, Op::Concat);
        return std::nullopt;
    }
    std::optional<Op> matchAdditive()
    {
        if (peek() == u'+') return take(1, Op::Add);
        if (peek() == u'-') return take(1, Op::Sub);
        return std::nullopt;
    }
    std::optional<Op> matchMultiplicative()
    {
        if (peek() == u'*') return take(1, Op::Mul);
        if (peek() == u'/') return take(1, Op::Div);
        return std::nullopt;
    }
    std::optional<Op> matchPower()
    {
        if (peek() == u'^') return take(1, Op::Pow);
        return std::nullopt;
    }

    Built comparison() { return leftAssociative(&Parser::concat, &Parser::matchComparison); }
    Built concat() { return leftAssociative(&Parser::additive, &Parser::matchConcat); }
    Built additive() { return leftAssociative(&Parser::multiplicative, &Parser::matchAdditive); }
    Built multiplicative() { return leftAssociative(&Parser::power, &Parser::matchMultiplicative); }
    Built power() { return leftAssociative(&Parser::postfix, &Parser::matchPower); }

    // Percent applies after the sign: -50% is (-50)%.
    Built postfix()
    {
        Built operand = unary();
        for (;;) {
            skipSpaces();
            if (peek() != u'%') return operand;
            ++pos_;
            Node n;
            n.kind = Node::Kind::Unary;
            n.op = Op::Percent;
            std::vector<Built> children;
            children.push_back(std::move(operand));
            operand = withChildren(std::move(n), std::move(children));
        }
    }

    // Signs bind tighter than every binary operator, so -2^2 is 4 as in spreadsheets.
    Built unary()
    {
        std::vector<Op> signs;
        for (;;) {
            skipSpaces();
            if (peek() == u'-') {
                signs.push_back(Op::Minus);
            } else if (peek() == u'+') {
                signs.push_back(Op::Plus);
            } else {
                break;
            }
            ++pos_;
        }
        Built operand = primary();
        for (auto op = signs.rbegin(); op != signs.rend(); ++op) {
            Node n;
            n.kind = Node::Kind::Unary;
            n.op = *op;
            std::vector<Built> children;
            children.push_back(std::move(operand));
            operand = withChildren(std::move(n), std::move(children));
        }
        return operand;
    }

    // --- operands -------------------------------------------------------------------
    Built primary()
    {
        skipSpaces();
        if (atEnd()) unexpected();
        const QChar c = peek();
        if (c == u'(') return parenthesised();
        if (c == u'"') return text();
        if (c == u'#') return errorLiteral();
        if (notation_ == Notation::A1 && (c == u'$' || c.isDigit())) {
            if (auto ref = a1Reference()) return leaf(std::move(*ref));
        }
        if (c.isDigit() || c == u'.') return number();
        if (c.isLetter() || c == u'_') return word();
        unexpected();
    }

    void enterNesting()
    {
        if (++nesting_ > kMaxNesting)
            fail(QCoreApplication::translate("Spreadsheet", "The formula is nested too deeply."));
    }

    Built parenthesised()
    {
        enterNesting();
        ++pos_;
        Built inner = comparison();
        skipSpaces();
        if (peek() != u')') {
            if (atEnd())
                fail(QCoreApplication::translate("Spreadsheet", "A parenthesis is not closed."));
            unexpected();
        }
        ++pos_;
        --nesting_;
        Node n;
        n.kind = Node::Kind::Paren;
        std::vector<Built> children;
        children.push_back(std::move(inner));
        return withChildren(std::move(n), std::move(children));
    }

    Built text()
    {
        ++pos_;
        QString value;
        for (;;) {
            if (atEnd())
                fail(QCoreApplication::translate(
                    "Spreadsheet", "A text in the formula has no closing quotation mark."));
            const QChar c = s_[pos_++];
            if (c == u'"') {
                if (peek() != u'"') break;
                ++pos_;
            }
            value.append(c);
        }
        if (value.size() > kMaxTextLength) {
            fail(QCoreApplication::translate("Spreadsheet",
                                             "A text in a formula can hold at most %1 characters.")
                     .arg(kMaxTextLength));
        }
        Node n;
        n.kind = Node::Kind::Text;
        n.text = value;
        return leaf(std::move(n));
    }

    Built errorLiteral()
    {
        for (const ErrorValue e :
             {ErrorValue::Null, ErrorValue::Div0, ErrorValue::Value, ErrorValue::Ref,
              ErrorValue::Name, ErrorValue::Num, ErrorValue::NA}) {
            const QString name = errorText(e);
            if (s_.mid(pos_).startsWith(name, Qt::CaseInsensitive)) {
                pos_ += name.size();
                Node n;
                n.kind = Node::Kind::Error;
                n.error = e;
                return leaf(std::move(n));
            }
        }
        unexpected();
    }

    Built number()
    {
        const qsizetype start = pos_;
        while (peek().isDigit()) ++pos_;
        if (peek() == u'.') {
            ++pos_;
            while (peek().isDigit()) ++pos_;
        }
        if (pos_ - start == 1 && s_[start] == u'.') unexpected();
        if ((peek() == u'e' || peek() == u'E')
            && (peek(1).isDigit() || ((peek(1) == u'+' || peek(1) == u'-') && peek(2).isDigit()))) {
            pos_ += 2;
            while (peek().isDigit()) ++pos_;
        }
        if (isNameChar(peek())) unexpected();
        bool ok = false;
        const double value = s_.mid(start, pos_ - start).toDouble(&ok);
        if (!ok || !std::isfinite(value)) {
            fail(QCoreApplication::translate("Spreadsheet", "The number %1 is too large.")
                     .arg(s_.mid(start, pos_ - start)));
        }
        Node n;
        n.kind = Node::Kind::Number;
        n.number = value;
        return leaf(std::move(n));
    }

    // A function call, TRUE/FALSE, or a reference.
    Built word()
    {
        const qsizetype start = pos_;
        qsizetype end = pos_;
        while (end < s_.size() && isNameChar(s_[end])) ++end;
        const QString name = s_.mid(start, end - start).toString().toUpper();
        qsizetype after = end;
        while (after < s_.size() && s_[after] == u' ') ++after;
        if (after < s_.size() && s_[after] == u'(') {
            pos_ = after;
            return functionCall(name);
        }
        if (end < s_.size() && s_[end] == u'!') {
            fail(QCoreApplication::translate("Spreadsheet",
                                             "References to other sheets are not supported."));
        }
        if (notation_ == Notation::R1C1) {
            if (auto ref = r1c1Reference()) return leaf(std::move(*ref));
        } else if (auto ref = a1Reference()) {
            return leaf(std::move(*ref));
        }
        if (name == QLatin1String("TRUE") || name == QLatin1String("FALSE")) {
            pos_ = end;
            Node n;
            n.kind = Node::Kind::Boolean;
            n.boolean = name == QLatin1String("TRUE");
            return leaf(std::move(n));
        }
        fail(QCoreApplication::translate("Spreadsheet", "The formula uses an unknown name: %1.")
                 .arg(s_.mid(start, end - start)));
    }

    Built functionCall(const QString& name)
    {
        const FunctionSpec* function = findFunction(name);
        if (!function)
            fail(QCoreApplication::translate("Spreadsheet",
                                             "The formula uses an unknown function: %1.")
                     .arg(name));
        enterNesting();
        ++pos_; // (
        std::vector<Built> args;
        skipSpaces();
        if (peek() == u')') {
            ++pos_;
        } else {
            for (;;) {
                skipSpaces();
                if (peek() == u',' || peek() == u')') {
                    Node missing;
                    missing.kind = Node::Kind::MissingArg;
                    args.push_back(leaf(std::move(missing)));
                } else {
                    args.push_back(comparison());
                    skipSpaces();
                }
                if (static_cast<int>(args.size()) > kMaxArguments) {
                    fail(QCoreApplication::translate("Spreadsheet",
                                                     "The function %1 has too many arguments.")
                             .arg(name));
                }
                if (peek() == u',') {
                    ++pos_;
                    continue;
                }
                if (peek() == u')') {
                    ++pos_;
                    break;
                }
                if (atEnd())
                    fail(
                        QCoreApplication::translate("Spreadsheet", "A parenthesis is not closed."));
                unexpected();
            }
        }
        --nesting_;
        const int count = static_cast<int>(args.size());
        if (count < function->minArgs || count > function->maxArgs) {
            if (function->minArgs == function->maxArgs) {
                fail(QCoreApplication::translate("Spreadsheet",
                                                 "The function %1 takes %2 argument(s).")
                         .arg(name)
                         .arg(function->minArgs));
            }
            fail(QCoreApplication::translate("Spreadsheet",
                                             "The function %1 takes %2 to %3 arguments.")
                     .arg(name)
                     .arg(function->minArgs)
                     .arg(function->maxArgs));
        }
        Node n;
        n.kind = Node::Kind::Function;
        n.text = name;
        return withChildren(std::move(n), std::move(args));
    }

    // --- references -------------------------------------------------------------------
    [[noreturn]] void outsideSheet(qsizetype start) const
    {
        qsizetype end = pos_;
        while (end < s_.size()
               && (isNameChar(s_[end]) || s_[end] == u'[' || s_[end] == u']' || s_[end] == u'-'
                   || s_[end] == u':' || s_[end] == u'$')) {
            ++end;
        }
        fail(
            QCoreApplication::translate("Spreadsheet", "The reference %1 points outside the sheet.")
                .arg(s_.mid(start, end - start)));
    }

    // Digits at pos_, or nothing; at most 9 so the value cannot overflow.
    std::optional<long long> digits()
    {
        const qsizetype start = pos_;
        long long value = 0;
        while (peek().isDigit() && pos_ - start < 9) {
            value = value * 10 + (peek().unicode() - u'0');
            ++pos_;
        }
        if (pos_ == start || peek().isDigit()) {
            pos_ = start;
            return std::nullopt;
        }
        return value;
    }

    // R, R5 or R[-3] (and the same for C): the target index and whether it is relative.
    // Nothing when the letter is not there; fails when its number is malformed.
    std::optional<std::pair<long long, bool>> r1c1Part(QChar letter, int hostIndex)
    {
        if (peek().toUpper() != letter) return std::nullopt;
        const qsizetype start = pos_;
        ++pos_;
        if (peek() == u'[') {
            ++pos_;
            const bool negative = peek() == u'-';
            if (negative || peek() == u'+') ++pos_;
            const auto offset = digits();
            if (!offset || peek() != u']') {
                pos_ = start;
                return std::nullopt;
            }
            ++pos_;
            return std::pair{hostIndex + (negative ? -*offset : *offset), true};
        }
        if (peek().isDigit()) {
            const auto index = digits();
            if (!index) {
                pos_ = start;
                return std::nullopt;
            }
            return std::pair{*index - 1, false};
        }
        return std::pair{static_cast<long long>(hostIndex), true};
    }

    std::optional<Corner> r1c1Corner()
    {
        const qsizetype start = pos_;
        const auto row = r1c1Part(u'R', host_.row);
        const auto col = r1c1Part(u'C', host_.col);
        if ((!row && !col) || isNameChar(peek()) || peek() == u'[') {
            pos_ = start;
            return std::nullopt;
        }
        Corner corner;
        if (row) {
            if (row->first < 0 || row->first >= kMaxRows) outsideSheet(start);
            corner.row = static_cast<int>(row->first);
            corner.rowRelative = row->second;
        }
        if (col) {
            if (col->first < 0 || col->first >= kMaxColumns) outsideSheet(start);
            corner.col = static_cast<int>(col->first);
            corner.colRelative = col->second;
        }
        return corner;
    }

    std::optional<Node> r1c1Reference()
    {
        const qsizetype start = pos_;
        auto first = r1c1Corner();
        if (!first) return std::nullopt;
        return rangeFrom(start, *first, [this] { return r1c1Corner(); });
    }

    // B3, $B$3, B$3 (a cell), B or $B (a column), 3 or $3 (a row).
    std::optional<Corner> a1Corner(bool first)
    {
        const qsizetype start = pos_;
        auto reset = [&] {
            pos_ = start;
            return std::optional<Corner>();
        };
        Corner corner;
        const bool firstDollar = peek() == u'$';
        if (firstDollar) ++pos_;
        long long col = 0;
        int letters = 0;
        while (peek().isLetter() && peek().unicode() < 128 && letters < 4) {
            col = col * 26 + (peek().toUpper().unicode() - u'A' + 1);
            ++pos_;
            ++letters;
        }
        bool rowAbsolute = firstDollar;
        if (letters > 0) {
            if (letters > 3) return reset();
            corner.col = static_cast<int>(col - 1);
            corner.colRelative = !firstDollar;
            rowAbsolute = peek() == u'$';
            if (rowAbsolute) ++pos_;
        }
        if (const auto row = digits()) {
            corner.row = static_cast<int>(std::min<long long>(*row - 1, kMaxRows));
            corner.rowRelative = !rowAbsolute;
        } else if (letters == 0 || rowAbsolute) {
            return reset();
        }
        // A lone number is a number; digits only start a reference as a row range (3:6).
        if (isNameChar(peek()) || (first && letters == 0 && peek() != u':')) return reset();
        if ((corner.row && (*corner.row < 0 || *corner.row >= kMaxRows))
            || (corner.col && *corner.col >= kMaxColumns)) {
            outsideSheet(start);
        }
        return corner;
    }

    std::optional<Node> a1Reference()
    {
        const qsizetype start = pos_;
        auto first = a1Corner(true);
        if (!first) return std::nullopt;
        // A bare column or row is only a reference as one side of a range (A:A, 3:6).
        if (!(first->row && first->col) && peek() != u':') {
            pos_ = start;
            return std::nullopt;
        }
        return rangeFrom(start, *first, [this] { return a1Corner(false); });
    }

    template <class NextCorner>
    Node rangeFrom(qsizetype start, Corner first, NextCorner nextCorner)
    {
        Corner last = first;
        bool isArea = false;
        if (peek() == u':') {
            ++pos_;
            auto second = nextCorner();
            if (!second || second->row.has_value() != first.row.has_value()
                || second->col.has_value() != first.col.has_value()) {
                fail(QCoreApplication::translate("Spreadsheet", "The range %1 is not valid.")
                         .arg(s_.mid(start, pos_ - start + 1)));
            }
            last = *second;
            isArea = true;
        }
        Node n;
        if (first.row && first.col && !isArea) {
            n.kind = Node::Kind::CellRef;
            n.ref = {*first.row, *first.col, first.rowRelative, first.colRelative};
            return n;
        }
        n.kind = Node::Kind::AreaRef;
        // Whole rows and columns span the grid with absolute ends, as the file stores them.
        if (!first.row) {
            first.row = 0;
            last.row = kMaxRows - 1;
            first.rowRelative = last.rowRelative = false;
        }
        if (!first.col) {
            first.col = 0;
            last.col = kMaxColumns - 1;
            first.colRelative = last.colRelative = false;
        }
        n.ref = {*first.row, *first.col, first.rowRelative, first.colRelative};
        n.refLast = {*last.row, *last.col, last.rowRelative, last.colRelative};
        // Corners are kept top-left and bottom-right, each part with its own flag.
        if (n.ref.row > n.refLast.row) {
            std::swap(n.ref.row, n.refLast.row);
            std::swap(n.ref.rowRelative, n.refLast.rowRelative);
        }
        if (n.ref.col > n.refLast.col) {
            std::swap(n.ref.col, n.refLast.col);
            std::swap(n.ref.colRelative, n.refLast.colRelative);
        }
        return n;
    }

    QStringView s_;
    qsizetype pos_ = 0;
    CellAddress host_;
    Notation notation_;
    int nesting_ = 0;
};

} // namespace

Formula parseR1C1(QStringView text, CellAddress host)
{
    return Parser(text, host, Notation::R1C1).parse();
}

Formula parseA1(QStringView text, CellAddress host)
{
    return Parser(text, host, Notation::A1).parse();
}

bool isKnownFunction(QStringView upperName) { return findFunction(upperName) != nullptr; }

} // namespace bw::ss::formula
