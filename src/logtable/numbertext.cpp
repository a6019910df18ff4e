// Number texts of the trip rows: reading the leading number, rounding, stored form.
#include "logtable/numbertext.h"

#include "logtable/logtable.h"

#include <QCoreApplication>

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace bw {

namespace {

bool isSkippedBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n')
           || c == QLatin1Char('\r');
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The characters that may form the leading number, blanks removed, as ASCII.
std::string compacted(const QString& text)
{
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar c : text) {
        if (isSkippedBlank(c)) {
            continue;
        }
        if (c.unicode() > 0x7f) {
            break;
        }
        out.push_back(static_cast<char>(c.unicode()));
    }
    return out;
}

// The longest prefix of `s` that is a number (sign, digits, period, digits, exponent),
// with the exponent letter D rewritten to E and a plus sign dropped for the parser.
std::string numberPrefix(std::string s)
{
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    const std::size_t mantissaStart = i;
    while (i < s.size() && isDigit(s[i])) ++i;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) ++i;
    }
    const std::size_t mantissaLength = i - mantissaStart;
    const bool hasDigit = mantissaLength > 1 || (mantissaLength == 1 && s[mantissaStart] != '.');
    if (!hasDigit) {
        return std::string();
    }
    std::size_t end = i;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        if (j < s.size() && isDigit(s[j])) {
            while (j < s.size() && isDigit(s[j])) ++j;
            s[i] = 'e';
            end = j;
        }
    }
    s.resize(end);
    if (!s.empty() && s.front() == '+') {
        s.erase(0, 1);
    }
    return s;
}

// The power of ten of the first significant digit of a number prefix, its exponent
// included: "1" and 400 zeros then "e-10" is 390, "0.001e-400" is -403. Only called for
// numbers a double cannot hold, so the mantissa has a significant digit.
long long decimalMagnitude(const std::string& number)
{
    std::size_t i = number.front() == '-' ? 1 : 0;
    while (i < number.size() && number[i] == '0') ++i;
    long long magnitude = -1;
    for (; i < number.size() && isDigit(number[i]); ++i) ++magnitude;
    if (magnitude < 0 && i < number.size() && number[i] == '.') {
        for (++i; i < number.size() && number[i] == '0'; ++i) --magnitude;
    }
    const std::size_t e = number.find('e');
    if (e == std::string::npos) return magnitude;
    std::size_t j = e + 1;
    const bool negative = j < number.size() && number[j] == '-';
    if (j < number.size() && (number[j] == '-' || number[j] == '+')) ++j;
    // Beyond a billion the exact exponent no longer matters, and it must not overflow.
    long long exponent = 0;
    for (; j < number.size() && exponent < 1000000000; ++j)
        exponent = exponent * 10 + (number[j] - '0');
    return magnitude + (negative ? -exponent : exponent);
}

} // namespace

double leadingNumber(const QString& text)
{
    const std::string number = numberPrefix(compacted(text));
    if (number.empty()) {
        return 0.0;
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        // from_chars leaves the value alone: the mantissa's digits and the exponent
        // together decide between overflow and underflow.
        const bool negative = number.front() == '-';
        if (decimalMagnitude(number) < 0) {
            return negative ? -0.0 : 0.0;
        }
        return negative ? -HUGE_VAL : HUGE_VAL;
    }
    return value;
}

double roundHalfEven(double value)
{
    if (!std::isfinite(value)) {
        return value;
    }
    const double lower = std::floor(value);
    const double fraction = value - lower;
    if (fraction > 0.5) return lower + 1.0;
    if (fraction < 0.5) return lower;
    return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

QString storedNumberText(double value)
{
    if (value == 0.0) {
        return QStringLiteral("0");
    }
    return QString::number(value, 'g', 15);
}

int rowCountFromText(const QString& text)
{
    const double rounded = roundHalfEven(leadingNumber(text));
    if (std::isnan(rounded) || rounded > static_cast<double>(std::numeric_limits<int>::max())) {
        throw LogTableError(QCoreApplication::translate(
                                "LogTable", "The stored row count %1 is no usable number of rows; "
                                            "no rows were restored.")
                                .arg(text.trimmed())
                                .toStdString());
    }
    return rounded <= 0.0 ? 0 : static_cast<int>(rounded);
}

double storedNumberFromText(const QString& text)
{
    const double value = leadingNumber(text);
    if (!std::isfinite(value)) {
        throw LogTableError(QCoreApplication::translate("LogTable", "Overflow").toStdString());
    }
    return value;
}

} // namespace bw
