// The worksheet functions the engine evaluates.
#include "spreadsheet/formula/functions.h"

#include "spreadsheet/formula/evaluator.h"
#include "spreadsheet/numfmt/calendar.h"
#include "spreadsheet/numfmt/decimal.h"
#include "spreadsheet/numfmt/numfmt.h"

#include <QHash>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace bw::ss::formula {

namespace {

using Args = std::span<const Node>;

Value numberResult(double v)
{
    return std::isfinite(v) ? Value::number(v) : Value::error(ErrorValue::Num);
}

// --- argument helpers ------------------------------------------------------------------

// The numbers of SUM-like arguments. A reference contributes only the numbers in its
// cells (texts, booleans and empty cells are skipped); a value typed as an argument is
// converted, so SUM("3", TRUE) is 4 and SUM("x") is #VALUE!. The first error wins.
std::optional<ErrorValue> collectNumbers(Evaluator& eval, Args args, std::vector<double>& out)
{
    for (const Node& arg : args) {
        const Operand op = eval.operand(arg);
        if (op.range) {
            std::optional<ErrorValue> error;
            eval.forEachValue(*op.range, [&](const Value& v) {
                if (v.isError()) {
                    error = v.asError();
                    return false;
                }
                if (v.isNumber()) out.push_back(v.asNumber());
                return true;
            });
            if (error) return error;
            continue;
        }
        const NumberOrError n = toNumber(op.value);
        if (const auto* e = std::get_if<ErrorValue>(&n)) return *e;
        out.push_back(std::get<double>(n));
    }
    return std::nullopt;
}

template <class Reduce>
Value overNumbers(Evaluator& eval, Args args, Reduce reduce)
{
    std::vector<double> numbers;
    if (const auto error = collectNumbers(eval, args, numbers)) return Value::error(*error);
    return reduce(numbers);
}

// A number or text argument, or the error that becomes the function's result.
struct NumberArg {
    double value = 0;
    std::optional<Value> error;
};

struct TextArg {
    QString value;
    std::optional<Value> error;
};

NumberArg numberArg(Evaluator& eval, const Node& arg)
{
    const NumberOrError n = toNumber(eval.value(arg));
    if (const auto* e = std::get_if<ErrorValue>(&n)) return {0, Value::error(*e)};
    return {std::get<double>(n), std::nullopt};
}

TextArg textArg(Evaluator& eval, const Node& arg)
{
    const Value v = eval.value(arg);
    if (v.isError()) return {{}, v};
    return {toText(v), std::nullopt};
}

// Spreadsheets cut a digits or count argument toward zero (ROUND(x, 1.9) is ROUND(x, 1)).
int wholeArg(double v) { return static_cast<int>(std::clamp(std::trunc(v), -1e6, 1e6)); }

// --- mathematics -----------------------------------------------------------------------

Value fnSum(Evaluator& eval, Args args)
{
    return overNumbers(eval, args, [](const std::vector<double>& xs) {
        double sum = 0;
        for (const double x : xs) sum += x;
        return numberResult(sum);
    });
}

Value fnProduct(Evaluator& eval, Args args)
{
    return overNumbers(eval, args, [](const std::vector<double>& xs) {
        if (xs.empty()) return Value::number(0);
        double product = 1;
        for (const double x : xs) product *= x;
        return numberResult(product);
    });
}

Value fnAverage(Evaluator& eval, Args args)
{
    return overNumbers(eval, args, [](const std::vector<double>& xs) {
        if (xs.empty()) return Value::error(ErrorValue::Div0);
        double sum = 0;
        for (const double x : xs) sum += x;
        return numberResult(sum / static_cast<double>(xs.size()));
    });
}

Value fnMin(Evaluator& eval, Args args)
{
    return overNumbers(eval, args, [](const std::vector<double>& xs) {
        return Value::number(xs.empty() ? 0 : *std::min_element(xs.begin(), xs.end()));
    });
}

Value fnMax(Evaluator& eval, Args args)
{
    return overNumbers(eval, args, [](const std::vector<double>& xs) {
        return Value::number(xs.empty() ? 0 : *std::max_element(xs.begin(), xs.end()));
    });
}

Value roundWith(Evaluator& eval, Args args, numfmt::RoundMode mode)
{
    const NumberArg x = numberArg(eval, args[0]);
    if (x.error) return *x.error;
    const NumberArg digits = numberArg(eval, args[1]);
    if (digits.error) return *digits.error;
    return numberResult(numfmt::roundDecimal(x.value, wholeArg(digits.value), mode));
}

Value fnRound(Evaluator& eval, Args args)
{
    return roundWith(eval, args, numfmt::RoundMode::HalfAwayFromZero);
}
Value fnRoundUp(Evaluator& eval, Args args)
{
    return roundWith(eval, args, numfmt::RoundMode::AwayFromZero);
}
Value fnRoundDown(Evaluator& eval, Args args)
{
    return roundWith(eval, args, numfmt::RoundMode::TowardZero);
}

Value fnAbs(Evaluator& eval, Args args)
{
    const NumberArg x = numberArg(eval, args[0]);
    if (x.error) return *x.error;
    return Value::number(std::fabs(x.value));
}

Value fnInt(Evaluator& eval, Args args)
{
    const NumberArg x = numberArg(eval, args[0]);
    if (x.error) return *x.error;
    return Value::number(std::floor(x.value));
}

Value fnMod(Evaluator& eval, Args args)
{
    const NumberArg x = numberArg(eval, args[0]);
    if (x.error) return *x.error;
    const NumberArg d = numberArg(eval, args[1]);
    if (d.error) return *d.error;
    if (d.value == 0) return Value::error(ErrorValue::Div0);
    // The result takes the divisor's sign: MOD(-3, 2) is 1.
    return numberResult(x.value - d.value * std::floor(x.value / d.value));
}

Value fnSqrt(Evaluator& eval, Args args)
{
    const NumberArg x = numberArg(eval, args[0]);
    if (x.error) return *x.error;
    if (x.value < 0) return Value::error(ErrorValue::Num);
    return Value::number(std::sqrt(x.value));
}

Value fnPi(Evaluator&, Args) { return Value::number(std::numbers::pi); }

// --- counting --------------------------------------------------------------------------

Value fnCount(Evaluator& eval, Args args)
{
    double count = 0;
    for (const Node& arg : args) {
        const Operand op = eval.operand(arg);
        if (op.range) {
            eval.forEachValue(*op.range, [&](const Value& v) {
                if (v.isNumber()) ++count;
                return true;
            });
        } else if (op.value.isNumber() || op.value.isBoolean() || op.value.isEmpty()
                   || (op.value.isText() && std::holds_alternative<double>(toNumber(op.value)))) {
            // Typed arguments count when they are numbers or read as one.
            ++count;
        }
    }
    return Value::number(count);
}

Value fnCountA(Evaluator& eval, Args args)
{
    double count = 0;
    for (const Node& arg : args) {
        const Operand op = eval.operand(arg);
        if (op.range) {
            eval.forEachValue(*op.range, [&](const Value&) {
                ++count;
                return true;
            });
        } else {
            ++count;
        }
    }
    return Value::number(count);
}

// --- logic -----------------------------------------------------------------------------

Value fnIf(Evaluator& eval, Args args)
{
    const BoolOrError condition = toBoolean(eval.value(args[0]));
    if (const auto* e = std::get_if<ErrorValue>(&condition)) return Value::error(*e);
    // Only the branch taken is evaluated; a branch left empty is 0, a missing else FALSE.
    if (std::get<bool>(condition)) {
        return args[1].kind == Node::Kind::MissingArg ? Value::number(0) : eval.value(args[1]);
    }
    if (args.size() < 3) return Value::boolean(false);
    return args[2].kind == Node::Kind::MissingArg ? Value::number(0) : eval.value(args[2]);
}

// AND and OR read booleans and numbers from references and ignore their texts; typed
// arguments must convert. No logical value at all is #VALUE!.
template <class Combine>
Value logical(Evaluator& eval, Args args, bool start, Combine combine)
{
    bool result = start;
    bool any = false;
    std::optional<ErrorValue> error;
    for (const Node& arg : args) {
        const Operand op = eval.operand(arg);
        if (op.range) {
            eval.forEachValue(*op.range, [&](const Value& v) {
                if (v.isError()) {
                    error = v.asError();
                    return false;
                }
                if (v.isBoolean() || v.isNumber()) {
                    result = combine(result, std::get<bool>(toBoolean(v)));
                    any = true;
                }
                return true;
            });
            if (error) return Value::error(*error);
            continue;
        }
        const BoolOrError b = toBoolean(op.value);
        if (const auto* e = std::get_if<ErrorValue>(&b)) return Value::error(*e);
        result = combine(result, std::get<bool>(b));
        any = true;
    }
    if (!any) return Value::error(ErrorValue::Value);
    return Value::boolean(result);
}

Value fnAnd(Evaluator& eval, Args args)
{
    return logical(eval, args, true, [](bool a, bool b) { return a && b; });
}

Value fnOr(Evaluator& eval, Args args)
{
    return logical(eval, args, false, [](bool a, bool b) { return a || b; });
}

Value fnNot(Evaluator& eval, Args args)
{
    const BoolOrError b = toBoolean(eval.value(args[0]));
    if (const auto* e = std::get_if<ErrorValue>(&b)) return Value::error(*e);
    return Value::boolean(!std::get<bool>(b));
}

Value fnTrue(Evaluator&, Args) { return Value::boolean(true); }
Value fnFalse(Evaluator&, Args) { return Value::boolean(false); }

// --- information -----------------------------------------------------------------------

Value fnIsBlank(Evaluator& eval, Args args)
{
    return Value::boolean(eval.value(args[0]).isEmpty());
}
Value fnIsNumber(Evaluator& eval, Args args)
{
    return Value::boolean(eval.value(args[0]).isNumber());
}
Value fnIsText(Evaluator& eval, Args args) { return Value::boolean(eval.value(args[0]).isText()); }
Value fnIsError(Evaluator& eval, Args args)
{
    return Value::boolean(eval.value(args[0]).isError());
}
Value fnNa(Evaluator&, Args) { return Value::error(ErrorValue::NA); }

// --- text ------------------------------------------------------------------------------

Value fnLen(Evaluator& eval, Args args)
{
    const TextArg text = textArg(eval, args[0]);
    if (text.error) return *text.error;
    return Value::number(static_cast<double>(text.value.size()));
}

Value fnUpper(Evaluator& eval, Args args)
{
    const TextArg text = textArg(eval, args[0]);
    if (text.error) return *text.error;
    return Value::text(text.value.toUpper());
}

Value fnLower(Evaluator& eval, Args args)
{
    const TextArg text = textArg(eval, args[0]);
    if (text.error) return *text.error;
    return Value::text(text.value.toLower());
}

Value fnTrim(Evaluator& eval, Args args)
{
    // Spreadsheet TRIM also folds inner runs of spaces into one.
    const TextArg text = textArg(eval, args[0]);
    if (text.error) return *text.error;
    QString out;
    for (const QChar c : text.value) {
        if (c == u' ' && (out.isEmpty() || out.back() == u' ')) continue;
        out.append(c);
    }
    if (out.endsWith(u' ')) out.chop(1);
    return Value::text(out);
}

Value fnConcatenate(Evaluator& eval, Args args)
{
    QString out;
    for (const Node& arg : args) {
        const TextArg text = textArg(eval, arg);
        if (text.error) return *text.error;
        out += text.value;
    }
    return Value::text(out);
}

Value leftOrRight(Evaluator& eval, Args args, bool left)
{
    const TextArg text = textArg(eval, args[0]);
    if (text.error) return *text.error;
    double count = 1;
    if (args.size() > 1 && args[1].kind != Node::Kind::MissingArg) {
        const NumberArg n = numberArg(eval, args[1]);
        if (n.error) return *n.error;
        count = n.value;
    }
    if (count < 0) return Value::error(ErrorValue::Value);
    const auto n = static_cast<qsizetype>(
        std::min<double>(std::trunc(count), static_cast<double>(text.value.size())));
    return Value::text(left ? text.value.left(n) : text.value.right(n));
}

Value fnLeft(Evaluator& eval, Args args) { return leftOrRight(eval, args, true); }
Value fnRight(Evaluator& eval, Args args) { return leftOrRight(eval, args, false); }

// --- dates -----------------------------------------------------------------------------

Value fnDate(Evaluator& eval, Args args)
{
    const NumberArg y = numberArg(eval, args[0]);
    if (y.error) return *y.error;
    const NumberArg m = numberArg(eval, args[1]);
    if (m.error) return *m.error;
    const NumberArg d = numberArg(eval, args[2]);
    if (d.error) return *d.error;
    int year = wholeArg(y.value);
    // Years below 1900 count from 1900, as the 1900 date system reads them.
    if (year >= 0 && year < 1900) year += 1900;
    if (year < 0 || year >= 10000) return Value::error(ErrorValue::Num);
    // Months and days beyond their range roll over into the next year or month.
    const QDate date =
        QDate(year, 1, 1).addMonths(wholeArg(m.value) - 1).addDays(wholeArg(d.value) - 1);
    const double serial = numfmt::dateToSerial(date);
    if (!date.isValid() || serial < 0 || serial > numfmt::kLastSerialDay)
        return Value::error(ErrorValue::Num);
    return Value::number(serial);
}

template <class Part>
Value datePart(Evaluator& eval, Args args, Part part)
{
    const NumberArg serial = numberArg(eval, args[0]);
    if (serial.error) return *serial.error;
    if (serial.value < 0) return Value::error(ErrorValue::Num);
    const auto day = numfmt::calendarDay(static_cast<long long>(std::floor(serial.value)));
    if (!day) return Value::error(ErrorValue::Num);
    return Value::number(part(*day));
}

Value fnYear(Evaluator& eval, Args args)
{
    return datePart(eval, args, [](const numfmt::CalendarDay& d) { return d.year; });
}
Value fnMonth(Evaluator& eval, Args args)
{
    return datePart(eval, args, [](const numfmt::CalendarDay& d) { return d.month; });
}
Value fnDay(Evaluator& eval, Args args)
{
    return datePart(eval, args, [](const numfmt::CalendarDay& d) { return d.day; });
}

constexpr int kMany = 255;

// Every one of these exists in the file format's built-in function table.
const FunctionSpec kFunctions[] = {
    {"ABS", 1, 1, fnAbs},
    {"AND", 1, kMany, fnAnd},
    {"AVERAGE", 1, kMany, fnAverage},
    {"CONCATENATE", 1, kMany, fnConcatenate},
    {"COUNT", 1, kMany, fnCount},
    {"COUNTA", 1, kMany, fnCountA},
    {"DATE", 3, 3, fnDate},
    {"DAY", 1, 1, fnDay},
    {"FALSE", 0, 0, fnFalse},
    {"IF", 2, 3, fnIf},
    {"INT", 1, 1, fnInt},
    {"ISBLANK", 1, 1, fnIsBlank},
    {"ISERROR", 1, 1, fnIsError},
    {"ISNUMBER", 1, 1, fnIsNumber},
    {"ISTEXT", 1, 1, fnIsText},
    {"LEFT", 1, 2, fnLeft},
    {"LEN", 1, 1, fnLen},
    {"LOWER", 1, 1, fnLower},
    {"MAX", 1, kMany, fnMax},
    {"MIN", 1, kMany, fnMin},
    {"MOD", 2, 2, fnMod},
    {"MONTH", 1, 1, fnMonth},
    {"NA", 0, 0, fnNa},
    {"NOT", 1, 1, fnNot},
    {"OR", 1, kMany, fnOr},
    {"PI", 0, 0, fnPi},
    {"PRODUCT", 1, kMany, fnProduct},
    {"RIGHT", 1, 2, fnRight},
    {"ROUND", 2, 2, fnRound},
    {"ROUNDDOWN", 2, 2, fnRoundDown},
    {"ROUNDUP", 2, 2, fnRoundUp},
    {"SQRT", 1, 1, fnSqrt},
    {"SUM", 1, kMany, fnSum},
    {"TRIM", 1, 1, fnTrim},
    {"TRUE", 0, 0, fnTrue},
    {"UPPER", 1, 1, fnUpper},
    {"YEAR", 1, 1, fnYear},
};

} // namespace

const FunctionSpec* findFunction(QStringView upperName)
{
    static const QHash<QString, const FunctionSpec*> byName = [] {
        QHash<QString, const FunctionSpec*> map;
        for (const FunctionSpec& f : kFunctions) map.insert(QLatin1String(f.name), &f);
        return map;
    }();
    const auto found = byName.constFind(upperName.toString());
    return found == byName.constEnd() ? nullptr : *found;
}

std::vector<QString> knownFunctionNames()
{
    std::vector<QString> names;
    for (const FunctionSpec& f : kFunctions) names.emplace_back(QLatin1String(f.name));
    return names;
}

} // namespace bw::ss::formula
