// Decimal digits and rounding of doubles, taken from their 15 significant digits.
#include "spreadsheet/numfmt/decimal.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

namespace bw::ss::numfmt {

namespace {

// Digits of |value| with the decimal point after `point` digits (point may exceed the
// digit count; digits beyond the string are zeros).
struct DigitRun {
    QString digits;
    int point = 0;
};

// The 15 significant digits of |value| as "d.dddddddddddddde+XX". The C library's
// printf would write the user's decimal comma here once the program runs in their locale.
struct Scientific {
    char text[40];
    std::string_view view;
    explicit Scientific(double value)
    {
        const auto end = std::to_chars(text, text + sizeof text, std::fabs(value),
                                       std::chars_format::scientific, 14)
                             .ptr;
        view = std::string_view(text, static_cast<std::size_t>(end - text));
    }
    QString mantissaDigits() const
    {
        QString digits;
        for (const char c : view.substr(0, view.find('e'))) {
            if (c != '.') digits.append(QLatin1Char(c));
        }
        return digits;
    }
    int exponent() const
    {
        const std::size_t e = view.find('e');
        if (e == std::string_view::npos) return 0;
        std::string_view digits = view.substr(e + 1);
        if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
        int exponent = 0;
        std::from_chars(digits.data(), digits.data() + digits.size(), exponent);
        return exponent;
    }
};

DigitRun digitRun(double value)
{
    const Scientific sci(value);
    const QString mantissa = sci.mantissaDigits();
    const int exponent = sci.exponent();
    DigitRun run;
    if (exponent >= 0) {
        run.digits = mantissa;
        run.point = exponent + 1;
    } else {
        run.digits = QString(-exponent - 1, u'0') + mantissa;
        run.point = 0;
    }
    return run;
}

// Keeps `keep` digits of the run, rounding half away from zero; a carry out of the first
// digit adds a digit in front and moves the point.
void roundRun(DigitRun& run, int keep, RoundMode mode = RoundMode::HalfAwayFromZero)
{
    if (keep >= run.digits.size()) {
        run.digits.append(QString(keep - run.digits.size(), u'0'));
        return;
    }
    const qsizetype kept = std::max(keep, 0);
    bool up = false;
    switch (mode) {
    case RoundMode::HalfAwayFromZero:
        up = keep >= 0 && run.digits[keep] >= u'5';
        break;
    case RoundMode::AwayFromZero:
        for (qsizetype i = kept; i < run.digits.size() && !up; ++i) up = run.digits[i] != u'0';
        break;
    case RoundMode::TowardZero:
        break;
    }
    run.digits.truncate(kept);
    if (keep < 0 && up) {
        // Rounding up below the first kept position: one unit of that position.
        run.digits = QStringLiteral("1");
        run.point = run.point - keep + 1;
        return;
    }
    if (!up) return;
    int i = keep - 1;
    while (i >= 0 && run.digits[i] == u'9') {
        run.digits[i] = u'0';
        --i;
    }
    if (i >= 0) {
        run.digits[i] = QChar(run.digits[i].unicode() + 1);
    } else {
        run.digits.prepend(u'1');
        ++run.point;
    }
}

} // namespace

DecimalDigits roundedDigits(double value, int decimals)
{
    DigitRun run = digitRun(value);
    roundRun(run, run.point + decimals);
    if (run.digits.size() < run.point) {
        run.digits.append(QString(run.point - run.digits.size(), u'0'));
    }
    DecimalDigits result;
    result.integer = run.digits.left(run.point);
    qsizetype lead = 0;
    while (lead < result.integer.size() && result.integer[lead] == u'0') ++lead;
    result.integer.remove(0, lead);
    result.fraction = run.digits.mid(run.point);
    result.fraction.append(QString(decimals - result.fraction.size(), u'0'));
    return result;
}

int decimalExponent(double value)
{
    if (value == 0.0) return 0;
    return Scientific(value).exponent();
}

ScientificDigits scientificDigits(double value, int decimals)
{
    ScientificDigits result;
    if (value == 0.0) {
        result.mantissa = QString(1 + decimals, u'0');
        return result;
    }
    result.exponent = decimalExponent(value);
    // The 15 digits without their point: the mantissa starts at the first digit.
    DigitRun run;
    run.digits = Scientific(value).mantissaDigits();
    run.point = 1;
    roundRun(run, 1 + decimals);
    if (run.point == 2) {
        // 9.99 -> 10.0: one digit too many, and the exponent grows.
        run.digits.truncate(1 + decimals);
        ++result.exponent;
    }
    result.mantissa = run.digits;
    return result;
}

double roundDecimal(double value, int decimals, RoundMode mode)
{
    if (!std::isfinite(value) || value == 0.0) return value;
    // Beyond these a double has no digits left to round.
    if (decimals > 400) return value;
    if (decimals < -400) return 0.0;
    DigitRun run = digitRun(value);
    roundRun(run, run.point + decimals, mode);
    if (run.digits.isEmpty()) return 0.0;
    QString text = run.digits;
    if (text.size() < run.point) text.append(QString(run.point - text.size(), u'0'));
    text.insert(run.point, u'.');
    text.prepend(u'0');
    const double magnitude = text.toDouble();
    return value < 0 ? -magnitude : magnitude;
}

QString generalText(double value, int precision)
{
    char buf[40];
    const auto end =
        std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, precision).ptr;
    QString text = QString::fromLatin1(buf, static_cast<qsizetype>(end - buf));
    // printf's "%G" writes the exponent's E, and INF and NAN, in capitals.
    return text.toUpper();
}

} // namespace bw::ss::numfmt
