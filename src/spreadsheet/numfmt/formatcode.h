// Number-format codes parsed into sections, conditions and tokens.
#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace bw::ss::numfmt {

// One code of a number-format section, after quotes, escapes and brackets are resolved.
struct FormatToken {
    enum class Kind : std::uint8_t {
        Literal,  // text shown as it stands
        Digit,    // 0 # ?  (symbol)
        Point,    // .
        Comma,    // , (grouping, scaling or literal: decided by the number layout)
        Percent,  // %
        Exponent, // E+ E- (symbol is the sign character)
        General,  // the word General inside a section
        TextAt,   // @
        Year,
        Month,
        Day,
        Hour,
        Minute,
        Second,         // runs of y m d h m s (count)
        SecondFraction, // .0 .00 .000 after seconds (count digits)
        ElapsedHours,
        ElapsedMinutes,
        ElapsedSeconds, // [h] [mm] [ss] (count)
        AmPm,           // AM/PM, am/pm, A/P (text as written)
    };
    Kind kind = Kind::Literal;
    QString text;
    QChar symbol;
    int count = 0;
};

struct FormatCondition {
    enum class Op : std::uint8_t { Lt, Le, Gt, Ge, Eq, Ne };
    Op op = Op::Eq;
    double operand = 0.0;
    bool matches(double v) const;
};

struct FormatSection {
    enum class Type : std::uint8_t { Number, DateTime, Text };
    Type type = Type::Number;
    std::vector<FormatToken> tokens;
    std::optional<int> colorIndex;
    std::optional<FormatCondition> condition;
    bool twelveHour = false;
};

struct FormatCode {
    bool general = false; // "General" (or an empty code) as a whole
    std::vector<FormatSection> sections;
};

// Splits a code into at most four sections and tokenizes them. Never fails: anything
// the parser does not understand is shown as literal text.
FormatCode parseFormatCode(const QString& code);

} // namespace bw::ss::numfmt
