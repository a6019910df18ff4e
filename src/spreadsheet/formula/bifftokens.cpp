// Cell formulas to and from the parsed-expression tokens of the Excel 97-2003 format.
#include "spreadsheet/formula/bifftokens.h"

#include "spreadsheet/model/errors.h"

#include <QCoreApplication>
#include <QString>

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <string_view>
#include <utility>

namespace bw::ss::formula {

namespace {

// How a function wants an argument (or returns its result): as a value, a reference or
// an array. The token class of every operand follows from it; the spreadsheet
// application reads a value-class area as an implicit intersection, so SUM(G9:G38) only
// sums the column when G9:G38 is written in the reference class.
enum class Cls : std::uint8_t { Value, Ref, Array };

struct FunctionInfo {
    std::string_view name;
    int index;
    int minArgs;
    int maxArgs;
    Cls result;
    // One letter per argument (V value, R reference, A array); the last one repeats.
    std::string_view args;
};

// The functions of the file format's function table that the model's formulas use.
constexpr std::array kFunctions = {
    FunctionInfo{"COUNT", 0, 1, 30, Cls::Value, "R"},
    FunctionInfo{"IF", 1, 2, 3, Cls::Ref, "VRR"},
    FunctionInfo{"ISNA", 2, 1, 1, Cls::Value, "V"},
    FunctionInfo{"ISERROR", 3, 1, 1, Cls::Value, "V"},
    FunctionInfo{"SUM", 4, 1, 30, Cls::Value, "R"},
    FunctionInfo{"AVERAGE", 5, 1, 30, Cls::Value, "R"},
    FunctionInfo{"MIN", 6, 1, 30, Cls::Value, "R"},
    FunctionInfo{"MAX", 7, 1, 30, Cls::Value, "R"},
    FunctionInfo{"ROW", 8, 0, 1, Cls::Value, "R"},
    FunctionInfo{"COLUMN", 9, 0, 1, Cls::Value, "R"},
    FunctionInfo{"NA", 10, 0, 0, Cls::Value, "V"},
    FunctionInfo{"STDEV", 12, 1, 30, Cls::Value, "R"},
    FunctionInfo{"DOLLAR", 13, 1, 2, Cls::Value, "V"},
    FunctionInfo{"FIXED", 14, 1, 3, Cls::Value, "V"},
    FunctionInfo{"SIN", 15, 1, 1, Cls::Value, "V"},
    FunctionInfo{"COS", 16, 1, 1, Cls::Value, "V"},
    FunctionInfo{"TAN", 17, 1, 1, Cls::Value, "V"},
    FunctionInfo{"ATAN", 18, 1, 1, Cls::Value, "V"},
    FunctionInfo{"PI", 19, 0, 0, Cls::Value, "V"},
    FunctionInfo{"SQRT", 20, 1, 1, Cls::Value, "V"},
    FunctionInfo{"EXP", 21, 1, 1, Cls::Value, "V"},
    FunctionInfo{"LN", 22, 1, 1, Cls::Value, "V"},
    FunctionInfo{"LOG10", 23, 1, 1, Cls::Value, "V"},
    FunctionInfo{"ABS", 24, 1, 1, Cls::Value, "V"},
    FunctionInfo{"INT", 25, 1, 1, Cls::Value, "V"},
    FunctionInfo{"SIGN", 26, 1, 1, Cls::Value, "V"},
    FunctionInfo{"ROUND", 27, 2, 2, Cls::Value, "V"},
    FunctionInfo{"LOOKUP", 28, 2, 3, Cls::Value, "VR"},
    FunctionInfo{"INDEX", 29, 2, 4, Cls::Ref, "RV"},
    FunctionInfo{"REPT", 30, 2, 2, Cls::Value, "V"},
    FunctionInfo{"MID", 31, 3, 3, Cls::Value, "V"},
    FunctionInfo{"LEN", 32, 1, 1, Cls::Value, "V"},
    FunctionInfo{"VALUE", 33, 1, 1, Cls::Value, "V"},
    FunctionInfo{"TRUE", 34, 0, 0, Cls::Value, "V"},
    FunctionInfo{"FALSE", 35, 0, 0, Cls::Value, "V"},
    FunctionInfo{"AND", 36, 1, 30, Cls::Value, "R"},
    FunctionInfo{"OR", 37, 1, 30, Cls::Value, "R"},
    FunctionInfo{"NOT", 38, 1, 1, Cls::Value, "V"},
    FunctionInfo{"MOD", 39, 2, 2, Cls::Value, "V"},
    FunctionInfo{"TEXT", 48, 2, 2, Cls::Value, "V"},
    FunctionInfo{"RAND", 63, 0, 0, Cls::Value, "V"},
    FunctionInfo{"MATCH", 64, 2, 3, Cls::Value, "VR"},
    FunctionInfo{"DATE", 65, 3, 3, Cls::Value, "V"},
    FunctionInfo{"TIME", 66, 3, 3, Cls::Value, "V"},
    FunctionInfo{"DAY", 67, 1, 1, Cls::Value, "V"},
    FunctionInfo{"MONTH", 68, 1, 1, Cls::Value, "V"},
    FunctionInfo{"YEAR", 69, 1, 1, Cls::Value, "V"},
    FunctionInfo{"WEEKDAY", 70, 1, 2, Cls::Value, "V"},
    FunctionInfo{"HOUR", 71, 1, 1, Cls::Value, "V"},
    FunctionInfo{"MINUTE", 72, 1, 1, Cls::Value, "V"},
    FunctionInfo{"SECOND", 73, 1, 1, Cls::Value, "V"},
    FunctionInfo{"NOW", 74, 0, 0, Cls::Value, "V"},
    FunctionInfo{"ROWS", 76, 1, 1, Cls::Value, "R"},
    FunctionInfo{"COLUMNS", 77, 1, 1, Cls::Value, "R"},
    FunctionInfo{"SEARCH", 82, 2, 3, Cls::Value, "V"},
    FunctionInfo{"CHOOSE", 100, 2, 30, Cls::Ref, "VR"},
    FunctionInfo{"HLOOKUP", 101, 3, 4, Cls::Value, "VRRV"},
    FunctionInfo{"VLOOKUP", 102, 3, 4, Cls::Value, "VRRV"},
    FunctionInfo{"LOG", 109, 1, 2, Cls::Value, "V"},
    FunctionInfo{"CHAR", 111, 1, 1, Cls::Value, "V"},
    FunctionInfo{"LOWER", 112, 1, 1, Cls::Value, "V"},
    FunctionInfo{"UPPER", 113, 1, 1, Cls::Value, "V"},
    FunctionInfo{"PROPER", 114, 1, 1, Cls::Value, "V"},
    FunctionInfo{"LEFT", 115, 1, 2, Cls::Value, "V"},
    FunctionInfo{"RIGHT", 116, 1, 2, Cls::Value, "V"},
    FunctionInfo{"EXACT", 117, 2, 2, Cls::Value, "V"},
    FunctionInfo{"TRIM", 118, 1, 1, Cls::Value, "V"},
    FunctionInfo{"REPLACE", 119, 4, 4, Cls::Value, "V"},
    FunctionInfo{"SUBSTITUTE", 120, 3, 4, Cls::Value, "V"},
    FunctionInfo{"CODE", 121, 1, 1, Cls::Value, "V"},
    FunctionInfo{"FIND", 124, 2, 3, Cls::Value, "V"},
    FunctionInfo{"ISERR", 126, 1, 1, Cls::Value, "V"},
    FunctionInfo{"ISTEXT", 127, 1, 1, Cls::Value, "V"},
    FunctionInfo{"ISNUMBER", 128, 1, 1, Cls::Value, "V"},
    FunctionInfo{"ISBLANK", 129, 1, 1, Cls::Value, "V"},
    FunctionInfo{"T", 130, 1, 1, Cls::Value, "R"},
    FunctionInfo{"N", 131, 1, 1, Cls::Value, "R"},
    FunctionInfo{"COUNTA", 169, 1, 30, Cls::Value, "R"},
    FunctionInfo{"PRODUCT", 183, 1, 30, Cls::Value, "R"},
    FunctionInfo{"FACT", 184, 1, 1, Cls::Value, "V"},
    FunctionInfo{"TRUNC", 197, 1, 2, Cls::Value, "V"},
    FunctionInfo{"ISLOGICAL", 198, 1, 1, Cls::Value, "V"},
    FunctionInfo{"ROUNDUP", 212, 2, 2, Cls::Value, "V"},
    FunctionInfo{"ROUNDDOWN", 213, 2, 2, Cls::Value, "V"},
    FunctionInfo{"DAYS360", 220, 2, 3, Cls::Value, "V"},
    FunctionInfo{"TODAY", 221, 0, 0, Cls::Value, "V"},
    FunctionInfo{"MEDIAN", 227, 1, 30, Cls::Value, "R"},
    FunctionInfo{"SUMPRODUCT", 228, 1, 30, Cls::Value, "A"},
    FunctionInfo{"FLOOR", 285, 2, 2, Cls::Value, "V"},
    FunctionInfo{"CEILING", 288, 2, 2, Cls::Value, "V"},
    FunctionInfo{"CONCATENATE", 336, 1, 30, Cls::Value, "V"},
    FunctionInfo{"POWER", 337, 2, 2, Cls::Value, "V"},
    FunctionInfo{"SUMIF", 345, 2, 3, Cls::Value, "RVR"},
    FunctionInfo{"COUNTIF", 346, 2, 2, Cls::Value, "RV"},
    FunctionInfo{"COUNTBLANK", 347, 1, 1, Cls::Value, "R"},
    FunctionInfo{"AVERAGEA", 361, 1, 30, Cls::Value, "R"},
    FunctionInfo{"MAXA", 362, 1, 30, Cls::Value, "R"},
    FunctionInfo{"MINA", 363, 1, 30, Cls::Value, "R"},
};

const FunctionInfo* functionByName(const QString& upper)
{
    for (const FunctionInfo& f : kFunctions) {
        if (upper == QLatin1String(f.name.data(), static_cast<qsizetype>(f.name.size()))) return &f;
    }
    return nullptr;
}

const FunctionInfo* functionByIndex(unsigned index)
{
    for (const FunctionInfo& f : kFunctions) {
        if (static_cast<unsigned>(f.index) == index) return &f;
    }
    return nullptr;
}

Cls argumentClass(const FunctionInfo& f, std::size_t i)
{
    const char c = f.args[std::min(i, f.args.size() - 1)];
    return c == 'R' ? Cls::Ref : c == 'A' ? Cls::Array : Cls::Value;
}

unsigned classOffset(Cls c) { return c == Cls::Ref ? 0x20 : c == Cls::Value ? 0x40 : 0x60; }

namespace ptg {
constexpr unsigned Exp = 0x01;
constexpr unsigned Add = 0x03;
constexpr unsigned Sub = 0x04;
constexpr unsigned Mul = 0x05;
constexpr unsigned Div = 0x06;
constexpr unsigned Power = 0x07;
constexpr unsigned Concat = 0x08;
constexpr unsigned Lt = 0x09;
constexpr unsigned Le = 0x0A;
constexpr unsigned Eq = 0x0B;
constexpr unsigned Ge = 0x0C;
constexpr unsigned Gt = 0x0D;
constexpr unsigned Ne = 0x0E;
constexpr unsigned Uplus = 0x12;
constexpr unsigned Uminus = 0x13;
constexpr unsigned Percent = 0x14;
constexpr unsigned Paren = 0x15;
constexpr unsigned MissArg = 0x16;
constexpr unsigned Str = 0x17;
constexpr unsigned Attr = 0x19;
constexpr unsigned Err = 0x1C;
constexpr unsigned Bool = 0x1D;
constexpr unsigned Int = 0x1E;
constexpr unsigned Num = 0x1F;
constexpr unsigned Func = 0x01;    // + class
constexpr unsigned FuncVar = 0x02; // + class
constexpr unsigned Ref = 0x04;     // + class
constexpr unsigned Area = 0x05;    // + class
constexpr unsigned MemArea = 0x06;
constexpr unsigned MemErr = 0x07;
constexpr unsigned MemNoMem = 0x08;
constexpr unsigned MemFunc = 0x09;
constexpr unsigned RefErr = 0x0A;
constexpr unsigned AreaErr = 0x0B;
constexpr unsigned RefN = 0x0C;
constexpr unsigned AreaN = 0x0D;
constexpr unsigned AttrSum = 0x10;
} // namespace ptg

// A binary operator is written and read as ptg::Add + op, so Op lists them in token order.
constexpr bool binaryOpsInTokenOrder()
{
    constexpr std::pair<Op, unsigned> tokens[] = {
        {Op::Add, ptg::Add},   {Op::Sub, ptg::Sub},       {Op::Mul, ptg::Mul}, {Op::Div, ptg::Div},
        {Op::Pow, ptg::Power}, {Op::Concat, ptg::Concat}, {Op::Lt, ptg::Lt},   {Op::Le, ptg::Le},
        {Op::Eq, ptg::Eq},     {Op::Ge, ptg::Ge},         {Op::Gt, ptg::Gt},   {Op::Ne, ptg::Ne},
    };
    for (const auto& [op, id] : tokens) {
        if (ptg::Add + static_cast<unsigned>(op) != id) return false;
    }
    return true;
}
static_assert(binaryOpsInTokenOrder(),
              "formula::Op must list the binary operators in the order of their tokens");

// ---- writing ---------------------------------------------------------------------------

class Compiler {
public:
    QByteArray run(const Node& root)
    {
        compile(root, Cls::Value);
        if (out_.size() > kMaxBiffTokenBytes) {
            throw FormulaError(QCoreApplication::translate(
                "Spreadsheet",
                "The formula is too long to be saved in an Excel 97-2003 workbook."));
        }
        return out_;
    }

private:
    void u8(unsigned v) { out_.append(static_cast<char>(v & 0xFF)); }
    void u16(unsigned v)
    {
        u8(v);
        u8(v >> 8);
    }

    static void checkRef(const Ref& r)
    {
        if (r.row < 0 || r.row >= kMaxRows || r.col < 0 || r.col >= kMaxColumns) {
            throw FormulaError(QCoreApplication::translate(
                "Spreadsheet", "The formula refers to a cell outside the worksheet."));
        }
    }
    static unsigned colField(const Ref& r)
    {
        return static_cast<unsigned>(r.col) | (r.rowRelative ? 0x8000u : 0u)
               | (r.colRelative ? 0x4000u : 0u);
    }

    void compile(const Node& n, Cls context)
    {
        switch (n.kind) {
        case Node::Kind::Number:
            if (!std::isfinite(n.number)) {
                throw FormulaError(QCoreApplication::translate(
                    "Spreadsheet", "The formula holds a number that cannot be saved."));
            }
            if (n.number >= 0 && n.number <= 65535 && n.number == std::floor(n.number)
                && !std::signbit(n.number)) {
                u8(ptg::Int);
                u16(static_cast<unsigned>(n.number));
            } else {
                u8(ptg::Num);
                const auto bits = std::bit_cast<std::uint64_t>(n.number);
                for (int i = 0; i < 8; ++i) u8(static_cast<unsigned>(bits >> (8 * i)));
            }
            return;
        case Node::Kind::Text:
            if (n.text.size() > 255) {
                throw FormulaError(QCoreApplication::translate(
                    "Spreadsheet", "A text in the formula is longer than 255 characters."));
            }
            u8(ptg::Str);
            u8(static_cast<unsigned>(n.text.size()));
            writeChars(n.text);
            return;
        case Node::Kind::Boolean:
            u8(ptg::Bool);
            u8(n.boolean ? 1 : 0);
            return;
        case Node::Kind::Error:
            u8(ptg::Err);
            u8(static_cast<unsigned>(n.error));
            return;
        case Node::Kind::CellRef:
            checkRef(n.ref);
            u8(ptg::Ref + classOffset(context));
            u16(static_cast<unsigned>(n.ref.row));
            u16(colField(n.ref));
            return;
        case Node::Kind::AreaRef:
            checkRef(n.ref);
            checkRef(n.refLast);
            u8(ptg::Area + classOffset(context));
            u16(static_cast<unsigned>(n.ref.row));
            u16(static_cast<unsigned>(n.refLast.row));
            u16(colField(n.ref));
            u16(colField(n.refLast));
            return;
        case Node::Kind::Unary:
            requireChildren(n, 1);
            compile(n.children[0], Cls::Value);
            u8(n.op == Op::Plus ? ptg::Uplus : n.op == Op::Minus ? ptg::Uminus : ptg::Percent);
            return;
        case Node::Kind::Binary:
            requireChildren(n, 2);
            compile(n.children[0], Cls::Value);
            compile(n.children[1], Cls::Value);
            u8(ptg::Add + static_cast<unsigned>(n.op));
            return;
        case Node::Kind::Paren:
            requireChildren(n, 1);
            compile(n.children[0], context);
            u8(ptg::Paren);
            return;
        case Node::Kind::MissingArg:
            u8(ptg::MissArg);
            return;
        case Node::Kind::Function:
            compileFunction(n, context);
            return;
        }
    }

    void compileFunction(const Node& n, Cls context)
    {
        const FunctionInfo* f = functionByName(n.text.toUpper());
        if (!f) {
            throw FormulaError(
                QCoreApplication::translate(
                    "Spreadsheet", "The function %1 cannot be saved in an Excel 97-2003 workbook.")
                    .arg(n.text));
        }
        const auto argc = static_cast<int>(n.children.size());
        if (argc < f->minArgs || argc > f->maxArgs) {
            throw FormulaError(
                QCoreApplication::translate("Spreadsheet",
                                            "The function %1 has a wrong number of arguments.")
                    .arg(n.text));
        }
        for (std::size_t i = 0; i < n.children.size(); ++i)
            compile(n.children[i], argumentClass(*f, i));
        if (f->index == 4 && argc == 1) {
            u8(ptg::Attr);
            u8(ptg::AttrSum);
            u16(0);
            return;
        }
        const Cls cls = context == Cls::Array                            ? Cls::Array
                        : (context == Cls::Ref && f->result == Cls::Ref) ? Cls::Ref
                                                                         : Cls::Value;
        if (f->minArgs == f->maxArgs) {
            u8(ptg::Func + classOffset(cls));
            u16(static_cast<unsigned>(f->index));
        } else {
            u8(ptg::FuncVar + classOffset(cls));
            u8(static_cast<unsigned>(argc));
            u16(static_cast<unsigned>(f->index));
        }
    }

    void writeChars(const QString& s)
    {
        bool wide = false;
        for (const QChar c : s) wide = wide || c.unicode() > 0xFF;
        u8(wide ? 1 : 0);
        for (const QChar c : s) {
            if (wide)
                u16(c.unicode());
            else
                u8(c.unicode());
        }
    }

    static void requireChildren(const Node& n, std::size_t count)
    {
        if (n.children.size() != count) {
            throw FormulaError(
                QCoreApplication::translate("Spreadsheet", "The formula is malformed."));
        }
    }

    QByteArray out_;
};

// ---- reading ---------------------------------------------------------------------------

// Deeper trees than this are refused rather than risk the stack of whoever walks them.
constexpr int kMaxDepth = 200;

struct Item {
    Node node;
    int depth = 1;
};

class Decompiler {
public:
    Decompiler(QByteArrayView t, CellAddress host) : t_(t), host_(host) {}

    std::optional<Formula> run()
    {
        while (pos_ < t_.size()) {
            if (!step()) return std::nullopt;
        }
        if (stack_.size() != 1) return std::nullopt;
        return Formula{std::move(stack_.back().node)};
    }

private:
    bool have(qsizetype n) const { return n >= 0 && t_.size() - pos_ >= n; }
    unsigned u8() { return static_cast<unsigned char>(t_[pos_++]); }
    unsigned u16()
    {
        const unsigned lo = u8();
        return lo | (u8() << 8);
    }

    bool push(Node n, std::vector<Item> children = {})
    {
        int depth = 1;
        for (Item& c : children) {
            depth = std::max(depth, c.depth + 1);
            n.children.push_back(std::move(c.node));
        }
        if (depth > kMaxDepth) return false;
        stack_.push_back({std::move(n), depth});
        return true;
    }
    bool pop(std::size_t count, std::vector<Item>& out)
    {
        if (stack_.size() < count) return false;
        out.assign(std::make_move_iterator(stack_.end() - static_cast<std::ptrdiff_t>(count)),
                   std::make_move_iterator(stack_.end()));
        stack_.resize(stack_.size() - count);
        return true;
    }

    Ref absoluteRef(unsigned row, unsigned colField) const
    {
        return {static_cast<int>(row), static_cast<int>(colField & 0xFF), (colField & 0x8000) != 0,
                (colField & 0x4000) != 0};
    }
    // The offset form of shared formulas: relative parts are signed offsets from the host.
    Ref offsetRef(unsigned row, unsigned colField) const
    {
        Ref r = absoluteRef(row, colField);
        if (r.rowRelative) r.row = (host_.row + static_cast<std::int16_t>(row)) & 0xFFFF;
        if (r.colRelative) r.col = (host_.col + static_cast<std::int8_t>(colField & 0xFF)) & 0xFF;
        return r;
    }

    // One token: an operator, a constant, a control token (attributes), or a token of a
    // class (functions and references, whose id carries the reference/value/array class).
    bool step()
    {
        const unsigned id = u8();
        if (id >= 0x80) return false;
        if (id >= 0x20) return classifiedToken(id & 0x1F);
        if ((id >= ptg::Add && id <= ptg::Ne) || (id >= ptg::Uplus && id <= ptg::Paren))
            return operatorToken(id);
        if (id == ptg::Attr) return attr();
        return constantToken(id);
    }

    static Node leaf(Node::Kind kind)
    {
        Node n;
        n.kind = kind;
        return n;
    }

    bool skip(qsizetype n)
    {
        if (!have(n)) return false;
        pos_ += n;
        return true;
    }

    // ---- operators ----

    bool operatorToken(unsigned id)
    {
        if (id >= ptg::Add && id <= ptg::Ne) return binary(static_cast<Op>(id - ptg::Add));
        switch (id) {
        case ptg::Uplus:
            return unary(Op::Plus);
        case ptg::Uminus:
            return unary(Op::Minus);
        case ptg::Percent:
            return unary(Op::Percent);
        case ptg::Paren:
            return withChildren(leaf(Node::Kind::Paren), 1);
        default:
            return false;
        }
    }

    bool binary(Op op)
    {
        Node n = leaf(Node::Kind::Binary);
        n.op = op;
        return withChildren(std::move(n), 2);
    }
    bool unary(Op op)
    {
        Node n = leaf(Node::Kind::Unary);
        n.op = op;
        return withChildren(std::move(n), 1);
    }
    bool withChildren(Node n, std::size_t count)
    {
        std::vector<Item> c;
        if (!pop(count, c)) return false;
        return push(std::move(n), std::move(c));
    }

    // ---- constants ----

    bool constantToken(unsigned id)
    {
        switch (id) {
        case ptg::MissArg:
            return push(leaf(Node::Kind::MissingArg));
        case ptg::Str:
            return text();
        case ptg::Err:
            return errorConstant();
        case ptg::Bool:
            return booleanConstant();
        case ptg::Int:
            return integer();
        case ptg::Num:
            return floatingNumber();
        default: // arrays, names, tables, ranges and unions: nothing the model holds
            return false;
        }
    }

    bool errorConstant()
    {
        if (!have(1)) return false;
        Node n = leaf(Node::Kind::Error);
        const unsigned e = u8();
        if (!validError(e)) return false;
        n.error = static_cast<ErrorValue>(e);
        return push(std::move(n));
    }
    static bool validError(unsigned e)
    {
        return e == 0x00 || e == 0x07 || e == 0x0F || e == 0x17 || e == 0x1D || e == 0x24
               || e == 0x2A;
    }
    bool booleanConstant()
    {
        if (!have(1)) return false;
        Node n = leaf(Node::Kind::Boolean);
        n.boolean = u8() != 0;
        return push(std::move(n));
    }
    bool integer()
    {
        if (!have(2)) return false;
        Node n;
        n.number = u16();
        return push(std::move(n));
    }
    bool floatingNumber()
    {
        if (!have(8)) return false;
        std::uint64_t bits = 0;
        for (int i = 0; i < 8; ++i) bits |= std::uint64_t(u8()) << (8 * i);
        Node n;
        n.number = std::bit_cast<double>(bits);
        if (!std::isfinite(n.number)) return false;
        return push(std::move(n));
    }
    bool text()
    {
        if (!have(2)) return false;
        const unsigned count = u8();
        const bool wide = u8() & 0x01;
        if (!have(qsizetype(count) * (wide ? 2 : 1))) return false;
        Node n = leaf(Node::Kind::Text);
        n.text.reserve(count);
        for (unsigned i = 0; i < count; ++i)
            n.text.append(QChar(static_cast<char16_t>(wide ? u16() : u8())));
        return push(std::move(n));
    }

    // ---- control ----

    bool attr()
    {
        if (!have(3)) return false;
        const unsigned kind = u8();
        const unsigned data = u16();
        if (kind & ptg::AttrSum) {
            const FunctionInfo* sum = functionByIndex(4);
            return function(*sum, 1);
        }
        // The jump table of CHOOSE: data + 1 offsets follow.
        if ((kind & 0x04) && !skip((qsizetype(data) + 1) * 2)) return false;
        // Volatile marks, IF/CHOOSE jumps and spaces do not change the expression.
        return true;
    }

    // ---- tokens of a class: functions and references ----

    bool classifiedToken(unsigned kind)
    {
        switch (kind) {
        case ptg::Func:
            return fixedFunction();
        case ptg::FuncVar:
            return variableFunction();
        case ptg::Ref:
        case ptg::RefN:
            return cellReference(kind == ptg::RefN);
        case ptg::Area:
        case ptg::AreaN:
            return areaReference(kind == ptg::AreaN);
        case ptg::RefErr:
            return deletedReference(4);
        case ptg::AreaErr:
            return deletedReference(8);
        case ptg::MemArea:
        case ptg::MemErr:
        case ptg::MemNoMem:
            // The subexpression follows inline; the cached area data is not needed.
            return skip(6);
        case ptg::MemFunc:
            return skip(2);
        default:
            return false;
        }
    }

    bool fixedFunction()
    {
        if (!have(2)) return false;
        const FunctionInfo* f = functionByIndex(u16());
        if (!f || f->minArgs != f->maxArgs) return false;
        return function(*f, static_cast<std::size_t>(f->minArgs));
    }
    bool variableFunction()
    {
        if (!have(3)) return false;
        const unsigned argc = u8() & 0x7F;
        const FunctionInfo* f = functionByIndex(u16() & 0x7FFF);
        if (!f || static_cast<int>(argc) < f->minArgs || static_cast<int>(argc) > f->maxArgs)
            return false;
        return function(*f, argc);
    }
    bool function(const FunctionInfo& f, std::size_t argc)
    {
        Node n = leaf(Node::Kind::Function);
        n.text = QString::fromLatin1(f.name.data(), static_cast<qsizetype>(f.name.size()));
        return withChildren(std::move(n), argc);
    }

    bool cellReference(bool offsets)
    {
        if (!have(4)) return false;
        const unsigned row = u16();
        const unsigned col = u16();
        Node n = leaf(Node::Kind::CellRef);
        n.ref = offsets ? offsetRef(row, col) : absoluteRef(row, col);
        return push(std::move(n));
    }
    bool areaReference(bool offsets)
    {
        if (!have(8)) return false;
        const unsigned r1 = u16();
        const unsigned r2 = u16();
        const unsigned c1 = u16();
        const unsigned c2 = u16();
        Node n = leaf(Node::Kind::AreaRef);
        n.ref = offsets ? offsetRef(r1, c1) : absoluteRef(r1, c1);
        n.refLast = offsets ? offsetRef(r2, c2) : absoluteRef(r2, c2);
        return push(std::move(n));
    }
    // A reference to cells that were deleted reads as the #REF! it evaluates to.
    bool deletedReference(qsizetype size)
    {
        if (!skip(size)) return false;
        Node n = leaf(Node::Kind::Error);
        n.error = ErrorValue::Ref;
        return push(std::move(n));
    }

    QByteArrayView t_;
    CellAddress host_;
    qsizetype pos_ = 0;
    std::vector<Item> stack_;
};

} // namespace

QByteArray compileBiff(const Formula& f) { return Compiler().run(f.root); }

std::optional<Formula> decompileBiff(QByteArrayView tokens, CellAddress host)
{
    if (!tokens.isEmpty() && static_cast<unsigned char>(tokens[0]) == ptg::Exp) return std::nullopt;
    return Decompiler(tokens, host).run();
}

} // namespace bw::ss::formula
