// Decimal digits and rounding of doubles, taken from their 15 significant digits.
#pragma once

#include <QString>

#include <cstdint>

namespace bw::ss::numfmt {

// A non-negative number as decimal digits, taken from the 15 significant digits that the
// spreadsheet application keeps of a double, so that 2.675 rounds to 2.68 as it shows
// there and not to 2.67 as its binary value would.
struct DecimalDigits {
    QString integer;  // without leading zeros; empty for a number below 1
    QString fraction; // exactly the requested number of digits
};

// |value| rounded half away from zero to `decimals` places.
DecimalDigits roundedDigits(double value, int decimals);

// |value| as mantissa digits and exponent: value = d.ddd x 10^exponent, the mantissa
// rounded to `decimals` places (a carry moves the exponent, so 9.99 with one decimal is
// 1.0 x 10^1). Zero has exponent 0.
struct ScientificDigits {
    QString mantissa; // 1 + decimals digits, the first one the integer digit
    int exponent = 0;
};
ScientificDigits scientificDigits(double value, int decimals);

// The decimal exponent of |value| as its 15 significant digits show it (0 for zero):
// 2 for 123.4, -3 for 0.00123.
int decimalExponent(double value);

enum class RoundMode : std::uint8_t { HalfAwayFromZero, AwayFromZero, TowardZero };

// Rounds to `decimals` places (negative: to tens, hundreds...) through the same 15
// digits, so ROUND(2.675, 2) is 2.68 as the number formats show it.
double roundDecimal(double value, int decimals, RoundMode mode = RoundMode::HalfAwayFromZero);

// `value` with `precision` significant digits as printf's "%.*G" writes it in the C
// locale ("0.585", "1E+20"), whatever locale the C library runs in.
QString generalText(double value, int precision);

} // namespace bw::ss::numfmt
