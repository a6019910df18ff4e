// Parsing number-format codes into sections of tokens.
#include "spreadsheet/numfmt/formatcode.h"

#include <QStringView>

namespace bw::ss::numfmt {

bool FormatCondition::matches(double v) const
{
    switch (op) {
    case Op::Lt:
        return v < operand;
    case Op::Le:
        return v <= operand;
    case Op::Gt:
        return v > operand;
    case Op::Ge:
        return v >= operand;
    case Op::Eq:
        return v == operand;
    case Op::Ne:
        return v != operand;
    }
    return false;
}

namespace {

using Kind = FormatToken::Kind;

// Splits at semicolons that are not inside quotes, brackets or after a backslash.
std::vector<QString> splitSections(const QString& code)
{
    std::vector<QString> sections;
    QString current;
    bool quoted = false;
    bool bracketed = false;
    for (qsizetype i = 0; i < code.size(); ++i) {
        const QChar c = code[i];
        if (!quoted && !bracketed && c == u'\\' && i + 1 < code.size()) {
            current.append(c);
            current.append(code[++i]);
            continue;
        }
        if (c == u'"' && !bracketed) quoted = !quoted;
        if (!quoted && c == u'[') bracketed = true;
        if (!quoted && c == u']') bracketed = false;
        if (c == u';' && !quoted && !bracketed) {
            sections.push_back(current);
            current.clear();
            continue;
        }
        current.append(c);
    }
    sections.push_back(current);
    if (sections.size() > 4) sections.resize(4);
    return sections;
}

void addLiteral(std::vector<FormatToken>& tokens, const QString& text)
{
    if (text.isEmpty()) return;
    if (!tokens.empty() && tokens.back().kind == Kind::Literal) {
        tokens.back().text += text;
        return;
    }
    FormatToken t;
    t.kind = Kind::Literal;
    t.text = text;
    tokens.push_back(t);
}

void addToken(std::vector<FormatToken>& tokens, Kind kind, int count = 0, QChar symbol = {})
{
    FormatToken t;
    t.kind = kind;
    t.count = count;
    t.symbol = symbol;
    tokens.push_back(t);
}

std::optional<int> colorByName(const QString& name)
{
    static const struct {
        const char* name;
        int index;
    } colors[] = {
        {"black", 1}, {"white", 2},  {"red", 3},     {"green", 4},
        {"blue", 5},  {"yellow", 6}, {"magenta", 7}, {"cyan", 8},
    };
    const QString lower = name.toLower();
    for (const auto& c : colors) {
        if (lower == QLatin1String(c.name)) return c.index;
    }
    if (lower.startsWith(QLatin1String("color"))) {
        bool ok = false;
        const int n = lower.mid(5).toInt(&ok);
        if (ok && n >= 1 && n <= 56) return n;
    }
    return std::nullopt;
}

std::optional<FormatCondition> conditionFrom(const QString& text)
{
    static const struct {
        const char* op;
        FormatCondition::Op value;
    } ops[] = {
        {"<=", FormatCondition::Op::Le}, {">=", FormatCondition::Op::Ge},
        {"<>", FormatCondition::Op::Ne}, {"<", FormatCondition::Op::Lt},
        {">", FormatCondition::Op::Gt},  {"=", FormatCondition::Op::Eq},
    };
    for (const auto& o : ops) {
        const QLatin1String op(o.op);
        if (!text.startsWith(op)) continue;
        bool ok = false;
        const double operand = text.mid(op.size()).trimmed().toDouble(&ok);
        if (!ok) return std::nullopt;
        return FormatCondition{o.value, operand};
    }
    return std::nullopt;
}

// [Red], [Color12], [>100], [$€-407], [h], [mm], [ss]: what a bracket contributes.
void readBracket(const QString& inner, FormatSection& section)
{
    if (inner.isEmpty()) return;
    if (const auto color = colorByName(inner)) {
        section.colorIndex = color;
        return;
    }
    const QChar first = inner[0];
    if (first == u'<' || first == u'>' || first == u'=') {
        section.condition = conditionFrom(inner);
        return;
    }
    if (first == u'$') {
        // A currency with its locale: the symbol is shown, the locale id is not.
        const qsizetype dash = inner.indexOf(u'-');
        addLiteral(section.tokens, inner.mid(1, dash < 0 ? -1 : dash - 1));
        return;
    }
    const QChar lower = first.toLower();
    for (const QChar c : inner) {
        if (c.toLower() != lower) return;
    }
    const int run = static_cast<int>(inner.size());
    if (lower == u'h') addToken(section.tokens, Kind::ElapsedHours, run);
    if (lower == u'm') addToken(section.tokens, Kind::ElapsedMinutes, run);
    if (lower == u's') addToken(section.tokens, Kind::ElapsedSeconds, run);
}

bool startsWithNoCase(QStringView text, qsizetype at, QLatin1String word)
{
    return text.mid(at).startsWith(word, Qt::CaseInsensitive);
}

// The length of the 12-hour marker ("AM/PM" or "A/P", any case) at `at`; 0 when none.
qsizetype amPmLength(QStringView text, qsizetype at)
{
    for (const QLatin1String marker : {QLatin1String("am/pm"), QLatin1String("a/p")}) {
        if (startsWithNoCase(text, at, marker)) return marker.size();
    }
    return 0;
}

bool isDateCode(Kind k)
{
    switch (k) {
    case Kind::Year:
    case Kind::Month:
    case Kind::Day:
    case Kind::Hour:
    case Kind::Minute:
    case Kind::Second:
    case Kind::ElapsedHours:
    case Kind::ElapsedMinutes:
    case Kind::ElapsedSeconds:
    case Kind::AmPm:
        return true;
    default:
        return false;
    }
}

FormatSection tokenize(const QString& text)
{
    FormatSection section;
    auto& tokens = section.tokens;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const QChar lower = c.toLower();
        if (c == u'"') {
            const qsizetype end = text.indexOf(u'"', i + 1);
            const qsizetype stop = end < 0 ? text.size() : end;
            addLiteral(tokens, text.mid(i + 1, stop - i - 1));
            i = stop;
        } else if (c == u'\\') {
            if (i + 1 < text.size()) addLiteral(tokens, QString(text[++i]));
        } else if (c == u'_') {
            // Room the width of the next character: a space comes closest.
            ++i;
            addLiteral(tokens, QStringLiteral(" "));
        } else if (c == u'*') {
            // Repeat-to-fill needs the column width, which a text does not have.
            ++i;
        } else if (c == u'[') {
            const qsizetype end = text.indexOf(u']', i + 1);
            const qsizetype stop = end < 0 ? text.size() : end;
            readBracket(text.mid(i + 1, stop - i - 1), section);
            i = stop;
        } else if (startsWithNoCase(text, i, QLatin1String("general"))) {
            addToken(tokens, Kind::General);
            i += 6;
        } else if (const qsizetype marker = amPmLength(text, i)) {
            FormatToken t;
            t.kind = Kind::AmPm;
            t.text = text.mid(i, marker);
            tokens.push_back(t);
            section.twelveHour = true;
            i += marker - 1;
        } else if (c == u'0' || c == u'#' || c == u'?') {
            addToken(tokens, Kind::Digit, 0, c);
        } else if (c == u'.') {
            addToken(tokens, Kind::Point);
        } else if (c == u',') {
            addToken(tokens, Kind::Comma);
        } else if (c == u'%') {
            addToken(tokens, Kind::Percent);
        } else if (c == u'@') {
            addToken(tokens, Kind::TextAt);
        } else if (lower == u'e' && i + 1 < text.size()
                   && (text[i + 1] == u'+' || text[i + 1] == u'-')) {
            addToken(tokens, Kind::Exponent, 0, text[i + 1]);
            ++i;
        } else if (lower == u'y' || lower == u'm' || lower == u'd' || lower == u'h'
                   || lower == u's') {
            qsizetype end = i;
            while (end < text.size() && text[end].toLower() == lower) ++end;
            const int run = static_cast<int>(end - i);
            const Kind kind = lower == u'y'   ? Kind::Year
                              : lower == u'm' ? Kind::Month
                              : lower == u'd' ? Kind::Day
                              : lower == u'h' ? Kind::Hour
                                              : Kind::Second;
            addToken(tokens, kind, run);
            i = end - 1;
        } else {
            addLiteral(tokens, QString(c));
        }
    }
    return section;
}

// "m" and "mm" are minutes right after hours or right before seconds, months elsewhere.
void resolveMinutes(std::vector<FormatToken>& tokens)
{
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (tokens[i].kind != Kind::Month || tokens[i].count > 2) continue;
        std::optional<Kind> before;
        for (std::size_t j = i; j-- > 0;) {
            if (isDateCode(tokens[j].kind) && tokens[j].kind != Kind::AmPm) {
                before = tokens[j].kind;
                break;
            }
        }
        std::optional<Kind> after;
        for (std::size_t j = i + 1; j < tokens.size(); ++j) {
            if (isDateCode(tokens[j].kind) && tokens[j].kind != Kind::AmPm) {
                after = tokens[j].kind;
                break;
            }
        }
        if (before == Kind::Hour || before == Kind::ElapsedHours || after == Kind::Second
            || after == Kind::ElapsedSeconds) {
            tokens[i].kind = Kind::Minute;
        }
    }
}

// In a date or time section "ss.00" shows hundredths of a second; any other digit or
// number sign stands for itself.
void resolveDateSection(FormatSection& section)
{
    std::vector<FormatToken> out;
    auto& tokens = section.tokens;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const FormatToken& t = tokens[i];
        const bool afterSeconds =
            !out.empty()
            && (out.back().kind == Kind::Second || out.back().kind == Kind::ElapsedSeconds);
        if (t.kind == Kind::Point && afterSeconds && i + 1 < tokens.size()
            && tokens[i + 1].kind == Kind::Digit && tokens[i + 1].symbol == u'0') {
            int digits = 0;
            while (i + 1 < tokens.size() && tokens[i + 1].kind == Kind::Digit
                   && tokens[i + 1].symbol == u'0' && digits < 3) {
                ++digits;
                ++i;
            }
            FormatToken fraction;
            fraction.kind = Kind::SecondFraction;
            fraction.count = digits;
            out.push_back(fraction);
            continue;
        }
        switch (t.kind) {
        case Kind::Digit:
            addLiteral(out, QString(t.symbol));
            break;
        case Kind::Point:
            addLiteral(out, QStringLiteral("."));
            break;
        case Kind::Comma:
            addLiteral(out, QStringLiteral(","));
            break;
        case Kind::Percent:
            addLiteral(out, QStringLiteral("%"));
            break;
        case Kind::Literal:
            addLiteral(out, t.text);
            break;
        default:
            out.push_back(t);
            break;
        }
    }
    tokens = std::move(out);
}

FormatSection parseSection(const QString& text)
{
    FormatSection section = tokenize(text);
    bool hasDate = false;
    bool hasDigits = false;
    bool hasText = false;
    for (const FormatToken& t : section.tokens) {
        hasDate = hasDate || isDateCode(t.kind);
        hasDigits = hasDigits || t.kind == Kind::Digit || t.kind == Kind::General;
        hasText = hasText || t.kind == Kind::TextAt;
    }
    if (hasDate) {
        section.type = FormatSection::Type::DateTime;
        resolveMinutes(section.tokens);
        resolveDateSection(section);
    } else if (hasText && !hasDigits) {
        section.type = FormatSection::Type::Text;
    }
    return section;
}

} // namespace

FormatCode parseFormatCode(const QString& code)
{
    FormatCode result;
    const QString trimmed = code.trimmed();
    if (trimmed.isEmpty() || trimmed.compare(QLatin1String("General"), Qt::CaseInsensitive) == 0) {
        result.general = true;
        return result;
    }
    for (const QString& text : splitSections(code)) {
        result.sections.push_back(parseSection(text));
    }
    return result;
}

} // namespace bw::ss::numfmt
