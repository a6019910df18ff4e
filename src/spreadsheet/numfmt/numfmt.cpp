// Showing a value through a number-format code, and the General format.
#include "spreadsheet/numfmt/numfmt.h"

#include "spreadsheet/numfmt/calendar.h"
#include "spreadsheet/numfmt/decimal.h"
#include "spreadsheet/numfmt/formatcode.h"

#include <QHash>

#include <cmath>
#include <memory>

namespace bw::ss::numfmt {

namespace {

using Kind = FormatToken::Kind;
using Type = FormatSection::Type;

// The widest digit count that General shows: what a double holds reliably.
constexpr int kSignificantDigits = 15;

// What an impossible date or time shows: the application fills the cell with these.
const QString kNoDate = QStringLiteral("########");

std::shared_ptr<const FormatCode> parsedCode(const QString& code)
{
    // Cells share few codes, and a sheet is drawn cell by cell: parse each code once.
    thread_local QHash<QString, std::shared_ptr<const FormatCode>> cache;
    if (const auto found = cache.constFind(code); found != cache.constEnd()) return *found;
    if (cache.size() > 512) cache.clear();
    auto parsed = std::make_shared<const FormatCode>(parseFormatCode(code));
    cache.insert(code, parsed);
    return parsed;
}

// --- Numbers -----------------------------------------------------------------------

// What each comma of a number section does.
enum class CommaRole : std::uint8_t { Group, Scale, Literal };

struct NumberLayout {
    std::vector<std::size_t> integerDigits;  // token indexes of 0 # ? before the point
    std::vector<std::size_t> fractionDigits; // after the point
    std::vector<std::size_t> exponentDigits; // after E+
    std::vector<CommaRole> commaRoles;       // one per token (only commas matter)
    std::optional<std::size_t> point;
    std::optional<std::size_t> exponent;
    bool grouping = false;
    int scaleThousands = 0;
    int percents = 0;
};

bool isDigitToken(const FormatToken& t) { return t.kind == Kind::Digit; }

NumberLayout layoutOf(const std::vector<FormatToken>& tokens)
{
    NumberLayout layout;
    layout.commaRoles.assign(tokens.size(), CommaRole::Literal);
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const FormatToken& t = tokens[i];
        if (t.kind == Kind::Percent) ++layout.percents;
        if (t.kind == Kind::Exponent && !layout.exponent) layout.exponent = i;
        if (t.kind == Kind::Point && !layout.point && !layout.exponent) layout.point = i;
        if (!isDigitToken(t)) continue;
        if (layout.exponent) {
            layout.exponentDigits.push_back(i);
        } else if (layout.point) {
            layout.fractionDigits.push_back(i);
        } else {
            layout.integerDigits.push_back(i);
        }
    }
    // A comma between integer digits groups thousands; commas right after the last
    // digit divide by a thousand each; any other comma is just shown.
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (tokens[i].kind != Kind::Comma) continue;
        std::size_t next = i;
        while (next < tokens.size() && tokens[next].kind == Kind::Comma) ++next;
        const bool inInteger = !layout.integerDigits.empty() && i > layout.integerDigits.front()
                               && i < layout.integerDigits.back();
        const bool afterDigit = i > 0
                                && (isDigitToken(tokens[i - 1]) || tokens[i - 1].kind == Kind::Point
                                    || tokens[i - 1].kind == Kind::Comma);
        const bool nextIsDigit = next < tokens.size() && isDigitToken(tokens[next]);
        if (inInteger && nextIsDigit) {
            layout.commaRoles[i] = CommaRole::Group;
            layout.grouping = true;
        } else if (afterDigit && !nextIsDigit && (!layout.exponent || i < *layout.exponent)) {
            layout.commaRoles[i] = CommaRole::Scale;
            ++layout.scaleThousands;
        }
    }
    return layout;
}

// The text of each integer placeholder: digits are dealt out from the right, the first
// placeholder takes whatever is left over, and an unused placeholder shows "0", a
// space for "?" and nothing for "#".
std::vector<QString> fillInteger(const std::vector<FormatToken>& tokens,
                                 const std::vector<std::size_t>& placeholders,
                                 const QString& digits, bool grouping)
{
    std::vector<QString> out(placeholders.size());
    if (placeholders.empty()) return out;
    if (grouping) {
        // Grouped digits form one block at the first placeholder.
        qsizetype minimum = 0;
        for (std::size_t k = 0; k < placeholders.size(); ++k) {
            if (tokens[placeholders[k]].symbol == u'0') {
                minimum = static_cast<qsizetype>(placeholders.size() - k);
                break;
            }
        }
        QString padded = digits;
        if (padded.size() < minimum) padded.prepend(QString(minimum - padded.size(), u'0'));
        QString block;
        for (qsizetype i = 0; i < padded.size(); ++i) {
            if (i > 0 && (padded.size() - i) % 3 == 0) block.append(u',');
            block.append(padded[i]);
        }
        out.front() = block;
        return out;
    }
    const qsizetype n = static_cast<qsizetype>(placeholders.size());
    for (qsizetype k = n - 1; k >= 0; --k) {
        const qsizetype fromRight = n - 1 - k;
        if (fromRight < digits.size()) {
            out[k] = QString(digits[digits.size() - 1 - fromRight]);
        } else {
            const QChar symbol = tokens[placeholders[k]].symbol;
            out[k] = symbol == u'0'   ? QStringLiteral("0")
                     : symbol == u'?' ? QStringLiteral(" ")
                                      : QString();
        }
    }
    if (digits.size() > n) out.front().prepend(digits.left(digits.size() - n));
    return out;
}

// Fraction placeholders: "0" always shows its digit, "#" and "?" drop trailing zeros
// ("?" leaves a space in their place).
std::vector<QString> fillFraction(const std::vector<FormatToken>& tokens,
                                  const std::vector<std::size_t>& placeholders,
                                  const QString& digits)
{
    qsizetype lastSignificant = -1;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (digits[i] != u'0') lastSignificant = i;
    }
    std::vector<QString> out(placeholders.size());
    for (qsizetype k = 0; k < static_cast<qsizetype>(placeholders.size()); ++k) {
        const QChar symbol = tokens[placeholders[k]].symbol;
        if (k <= lastSignificant || symbol == u'0') {
            out[k] = QString(digits[k]);
        } else if (symbol == u'?') {
            out[k] = QStringLiteral(" ");
        }
    }
    return out;
}

// The exponent a scientific format shows for `scaled`, which is divided by its power of
// ten; 0 and the number unchanged without an exponent. With several integer placeholders
// the exponent moves in steps of their count (##0.0E+0 is engineering notation).
int takeExponent(const NumberLayout& layout, double& scaled, int decimals)
{
    if (!layout.exponent || scaled == 0.0) return 0;
    const int step = std::max<int>(1, static_cast<int>(layout.integerDigits.size()));
    int exponent =
        static_cast<int>(std::floor(static_cast<double>(decimalExponent(scaled)) / step)) * step;
    const DecimalDigits trial = roundedDigits(scaled / std::pow(10.0, exponent), decimals);
    if (trial.integer.size() > step) exponent += step;
    scaled = scaled / std::pow(10.0, exponent);
    return exponent;
}

// Writes the section for a non-negative number; the caller adds any minus sign.
QString formatNumberSection(const FormatSection& section, double value)
{
    const auto& tokens = section.tokens;
    const NumberLayout layout = layoutOf(tokens);
    double scaled =
        value * std::pow(100.0, layout.percents) / std::pow(1000.0, layout.scaleThousands);
    const int decimals = static_cast<int>(layout.fractionDigits.size());
    const int exponent = takeExponent(layout, scaled, decimals);

    const DecimalDigits digits = roundedDigits(scaled, decimals);
    const std::vector<QString> integerTexts =
        fillInteger(tokens, layout.integerDigits, digits.integer, layout.grouping);
    const std::vector<QString> fractionTexts =
        fillFraction(tokens, layout.fractionDigits, digits.fraction);

    QString exponentText;
    if (layout.exponent) {
        exponentText = QString::number(std::abs(exponent));
        const qsizetype width = static_cast<qsizetype>(layout.exponentDigits.size());
        if (exponentText.size() < width)
            exponentText.prepend(QString(width - exponentText.size(), u'0'));
    }

    QString out;
    std::size_t integerIndex = 0;
    std::size_t fractionIndex = 0;
    bool exponentWritten = false;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const FormatToken& t = tokens[i];
        switch (t.kind) {
        case Kind::Digit:
            if (layout.exponent && i > *layout.exponent) {
                if (!exponentWritten) out += exponentText;
                exponentWritten = true;
            } else if (layout.point && i > *layout.point) {
                out += fractionTexts[fractionIndex++];
            } else {
                out += integerTexts[integerIndex++];
            }
            break;
        case Kind::Point:
            if (layout.point && i == *layout.point) {
                // ".00" still shows the integer digits, in front of the point.
                if (layout.integerDigits.empty()) out += digits.integer;
                out += u'.';
            } else {
                out += u'.';
            }
            break;
        case Kind::Comma:
            if (layout.commaRoles[i] == CommaRole::Literal) out += u',';
            break;
        case Kind::Percent:
            out += u'%';
            break;
        case Kind::Exponent:
            out += u'E';
            if (exponent < 0) {
                out += u'-';
            } else if (t.symbol == u'+') {
                out += u'+';
            }
            break;
        case Kind::General:
            out += formatGeneral(value);
            break;
        case Kind::TextAt:
            break;
        default:
            out += t.text;
            break;
        }
    }
    return out;
}

// --- Dates and times ---------------------------------------------------------------

const char* const kMonthNames[] = {"January",   "February", "March",    "April",
                                   "May",       "June",     "July",     "August",
                                   "September", "October",  "November", "December"};
const char* const kDayNames[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                 "Thursday", "Friday", "Saturday"};

QString twoDigits(long long n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

QString padded(long long n, int width)
{
    return QStringLiteral("%1").arg(n, width, 10, QLatin1Char('0'));
}

// A serial date-time taken apart, the time rounded to the finest unit the format shows
// (so 23:59:59.7 shown to the second is the next day's 0:00:00).
struct DateParts {
    CalendarDay day;
    long long hour = 0;
    long long minute = 0;
    long long second = 0;
    long long fraction = 0; // of the second, in units of the finest fraction shown
    int fractionDigits = 0;
    long long totalSeconds = 0; // since the start of serial day 0, for elapsed time
};

std::optional<DateParts> dateParts(const FormatSection& section, double serial)
{
    DateParts p;
    for (const FormatToken& t : section.tokens) {
        if (t.kind == Kind::SecondFraction) p.fractionDigits = std::max(p.fractionDigits, t.count);
    }
    const long long unitsPerSecond = static_cast<long long>(std::pow(10, p.fractionDigits));
    const long long unitsPerDay = 86400LL * unitsPerSecond;
    if (!std::isfinite(serial) || serial < 0 || serial >= kLastSerialDay + 1.0) return {};
    const long long totalUnits = std::llround(serial * static_cast<double>(unitsPerDay));
    const auto day = calendarDay(totalUnits / unitsPerDay);
    if (!day) return {};
    p.day = *day;
    const long long unitsOfDay = totalUnits % unitsPerDay;
    const long long secondsOfDay = unitsOfDay / unitsPerSecond;
    p.fraction = unitsOfDay % unitsPerSecond;
    p.totalSeconds = totalUnits / unitsPerSecond;
    p.hour = secondsOfDay / 3600;
    p.minute = secondsOfDay / 60 % 60;
    p.second = secondsOfDay % 60;
    return p;
}

// m, mm, mmm, mmmm, and mmmmm for the initial.
QString monthText(int month, int count)
{
    const QString name = QLatin1String(kMonthNames[month - 1]);
    switch (count) {
    case 1:
        return QString::number(month);
    case 2:
        return twoDigits(month);
    case 3:
        return name.left(3);
    case 4:
        return name;
    default:
        return name.left(1);
    }
}

// d, dd, ddd, and dddd or longer for the weekday's name.
QString dayText(const CalendarDay& day, int count)
{
    const QString name = QLatin1String(kDayNames[day.weekday]);
    switch (count) {
    case 1:
        return QString::number(day.day);
    case 2:
        return twoDigits(day.day);
    case 3:
        return name.left(3);
    default:
        return name;
    }
}

QString amPmText(const FormatToken& t, long long hour)
{
    const bool pm = hour >= 12;
    if (t.text.size() == 3) {
        // A/P: the letter in the case it was written.
        return pm ? t.text.mid(2, 1) : t.text.left(1);
    }
    const bool upper = t.text[0].isUpper();
    return pm ? (upper ? QStringLiteral("PM") : QStringLiteral("pm"))
              : (upper ? QStringLiteral("AM") : QStringLiteral("am"));
}

QString timeText(long long n, int count) { return count >= 2 ? twoDigits(n) : QString::number(n); }

QString dateTokenText(const FormatToken& t, const DateParts& p, bool twelveHour, double serial)
{
    switch (t.kind) {
    case Kind::Year:
        return t.count <= 2 ? twoDigits(p.day.year % 100) : QString::number(p.day.year);
    case Kind::Month:
        return monthText(p.day.month, t.count);
    case Kind::Day:
        return dayText(p.day, t.count);
    case Kind::Hour:
        return timeText(twelveHour ? (p.hour + 11) % 12 + 1 : p.hour, t.count);
    case Kind::Minute:
        return timeText(p.minute, t.count);
    case Kind::Second:
        return timeText(p.second, t.count);
    case Kind::SecondFraction:
        return QLatin1Char('.') + padded(p.fraction, p.fractionDigits).left(t.count);
    case Kind::ElapsedHours:
        return padded(p.totalSeconds / 3600, t.count);
    case Kind::ElapsedMinutes:
        return padded(p.totalSeconds / 60, t.count);
    case Kind::ElapsedSeconds:
        return padded(p.totalSeconds, t.count);
    case Kind::AmPm:
        return amPmText(t, p.hour);
    case Kind::General:
        return formatGeneral(serial);
    case Kind::Literal:
        return t.text;
    default:
        return QString();
    }
}

QString formatDateSection(const FormatSection& section, double serial)
{
    const std::optional<DateParts> parts = dateParts(section, serial);
    if (!parts) return kNoDate;
    QString out;
    for (const FormatToken& t : section.tokens) {
        out += dateTokenText(t, *parts, section.twelveHour, serial);
    }
    return out;
}

// --- Text --------------------------------------------------------------------------

QString formatTextSection(const FormatSection& section, const QString& text)
{
    QString out;
    for (const FormatToken& t : section.tokens) {
        if (t.kind == Kind::TextAt || t.kind == Kind::General) out += text;
        if (t.kind == Kind::Literal) out += t.text;
    }
    return out;
}

// --- Section choice ----------------------------------------------------------------

struct Choice {
    const FormatSection* section = nullptr;
    bool withMinus = false;
};

Choice chooseNumberSection(const FormatCode& code, double value)
{
    const auto& s = code.sections;
    // A fourth section is for texts only; a lone text section does not show numbers.
    const std::size_t count = std::min<std::size_t>(s.size(), 3);
    if (count == 1 && s[0].type == Type::Text) return {};

    if (s[0].condition || (count > 1 && s[1].condition)) {
        // Conditions pick the section; the minus sign stays on negative numbers.
        const bool negative = value < 0;
        if (s[0].condition && s[0].condition->matches(value)) return {&s[0], negative};
        if (count > 1 && (!s[1].condition || s[1].condition->matches(value)))
            return {&s[1], negative};
        if (count > 2) return {&s[2], negative};
        return {&s[0], negative};
    }
    if (value < 0) {
        if (count == 1) return {&s[0], true};
        return {&s[1], false};
    }
    if (value == 0 && count >= 3) return {&s[2], false};
    return {&s[0], false};
}

Shown formatNumber(double value, const FormatCode& code)
{
    if (!std::isfinite(value)) return {errorText(ErrorValue::Num), std::nullopt};
    if (code.general || code.sections.empty()) return {formatGeneral(value), std::nullopt};
    const Choice choice = chooseNumberSection(code, value);
    if (!choice.section) return {formatGeneral(value), std::nullopt};
    const FormatSection& section = *choice.section;
    if (section.type == Type::DateTime) {
        // A date section never shows a negative serial, whichever section it is.
        if (value < 0) return {kNoDate, section.colorIndex};
        return {formatDateSection(section, value), section.colorIndex};
    }
    QString text = formatNumberSection(section, std::fabs(value));
    if (choice.withMinus) text.prepend(u'-');
    return {text, section.colorIndex};
}

Shown formatText(const QString& text, const FormatCode& code)
{
    if (code.general) return {text, std::nullopt};
    const FormatSection* section = nullptr;
    if (code.sections.size() == 4) {
        section = &code.sections[3];
    } else if (code.sections.size() == 1 && code.sections[0].type == Type::Text) {
        section = &code.sections[0];
    }
    if (!section) return {text, std::nullopt};
    return {formatTextSection(*section, text), section->colorIndex};
}

} // namespace

QString formatGeneral(double number, int maxChars)
{
    if (!std::isfinite(number)) return errorText(ErrorValue::Num);
    if (number == 0.0) return QStringLiteral("0");
    // A whole number whose digits fit is its digits (the common case of a sheet).
    if (std::fabs(number) < 1e15 && number == std::trunc(number)) {
        QString whole = QString::number(static_cast<qint64>(number));
        if (whole.size() <= maxChars) return whole;
    }
    const bool negative = number < 0;
    const QString sign = negative ? QStringLiteral("-") : QString();
    const int room = std::max(1, maxChars - static_cast<int>(sign.size()));
    const double magnitude = std::fabs(number);
    const int exponent = decimalExponent(magnitude);

    // Plain notation while the integer digits fit and the number is not tiny, with as
    // many decimals as the room leaves and trailing zeros dropped.
    if (exponent >= -4 && std::max(1, exponent + 1) <= room) {
        const int integerDigits = std::max(1, exponent + 1);
        const int decimals =
            std::max(0, std::min(room - integerDigits - 1, kSignificantDigits - 1 - exponent));
        DecimalDigits d = roundedDigits(magnitude, decimals);
        while (d.fraction.endsWith(u'0')) d.fraction.chop(1);
        // Rounding can carry into one digit more than the room has (99999999999.7).
        if (d.integer.size() <= room && (!d.integer.isEmpty() || !d.fraction.isEmpty())) {
            const QString integer = d.integer.isEmpty() ? QStringLiteral("0") : d.integer;
            return sign + integer + (d.fraction.isEmpty() ? QString() : u'.' + d.fraction);
        }
    }

    // Scientific: one integer digit, as many decimals as fit beside the exponent.
    auto exponentText = [](int e) {
        return QStringLiteral("E%1%2")
            .arg(QChar(e < 0 ? u'-' : u'+'))
            .arg(std::abs(e), 2, 10, QLatin1Char('0'));
    };
    const int exponentWidth = static_cast<int>(exponentText(exponent).size());
    const int decimals = std::clamp(room - 2 - exponentWidth, 0, kSignificantDigits - 1);
    ScientificDigits sci = scientificDigits(magnitude, decimals);
    QString mantissa = sci.mantissa.left(1);
    QString fraction = sci.mantissa.mid(1);
    while (fraction.endsWith(u'0')) fraction.chop(1);
    if (!fraction.isEmpty()) mantissa += u'.' + fraction;
    return sign + mantissa + exponentText(sci.exponent);
}

bool isDateFormat(const QString& code)
{
    const auto parsed = parsedCode(code);
    return !parsed->sections.empty() && parsed->sections.front().type == Type::DateTime;
}

Shown format(const Value& value, const QString& code)
{
    switch (value.type()) {
    case Value::Type::Empty:
        return {};
    case Value::Type::Boolean:
        return {value.asBoolean() ? QStringLiteral("TRUE") : QStringLiteral("FALSE"), std::nullopt};
    case Value::Type::Error:
        return {errorText(value.asError()), std::nullopt};
    case Value::Type::Text:
        return formatText(value.asText(), *parsedCode(code));
    case Value::Type::Number:
        return formatNumber(value.asNumber(), *parsedCode(code));
    }
    return {};
}

} // namespace bw::ss::numfmt
