// Understanding a typed cell text: numbers, dates, times, texts and formulas.
#include "spreadsheet/entry/entry.h"

#include "spreadsheet/entry/localedate.h"
#include "spreadsheet/entry/localenumber.h"
#include "spreadsheet/numfmt/numfmt.h"

#include <QDate>
#include <QRegularExpression>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <memory>

namespace bw::ss::entry {

namespace {

// Any script's digits, including those outside the basic plane (two UTF-16 units).
bool hasDigit(const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            if (QChar::isDigit(QChar::surrogateToUcs4(c, text[i + 1]))) return true;
            ++i;
        } else if (c.isDigit()) {
            return true;
        }
    }
    return false;
}

bool isGeneral(const QString& code)
{
    if (code == QLatin1String("General")) return true;
    const QStringView trimmed = QStringView(code).trimmed();
    return trimmed.isEmpty()
           || (trimmed.size() == 7
               && trimmed.compare(QLatin1String("General"), Qt::CaseInsensitive) == 0);
}

// --- numbers ---------------------------------------------------------------------------

struct NumberEntry {
    double value = 0;
    bool currency = false;
    bool percent = false;
    NumberShape shape;
};

// Whether a text can be a number at all, at a glance: what starts a number is a digit,
// a sign, a parenthesis, a separator or the currency sign, so a text starting with
// another ASCII letter ("Store 12") is none; and between a digit first and a digit last
// stand only digits, separators and an exponent, so "5/14/2016" is none either.
bool mayBeNumber(const QString& text, const QLocale& locale)
{
    const auto first = std::find_if(text.begin(), text.end(), [](QChar c) { return !c.isSpace(); });
    if (first == text.end() || first->unicode() >= 0x80) return true;
    const LocaleNotation& notation = localeNotation(locale);
    const auto inSign = [&](QChar c) {
        return notation.minus.contains(c) || notation.plus.contains(c)
               || notation.exponent.contains(c);
    };
    if (first->isLetter()) return notation.currency.startsWith(*first) || inSign(*first);
    const auto last =
        std::find_if(text.rbegin(), text.rend(), [](QChar c) { return !c.isSpace(); });
    if (!isAsciiDigit(*first) || !isAsciiDigit(*last)) return true;
    const bool spaceGroups = !notation.group.isEmpty() && isSpaceLike(notation.group.front());
    for (auto c = first; c != last.base(); ++c) {
        if (c->unicode() >= 0x80) return true;
        const bool part = isAsciiDigit(*c) || notation.decimal.contains(*c)
                          || notation.group.contains(*c) || (spaceGroups && isSpaceLike(*c))
                          || *c == u'e' || *c == u'E' || *c == u'+' || *c == u'-' || inSign(*c);
        if (!part) return false;
    }
    return true;
}

// A number as typed: sign or parentheses, the locale's currency sign before or after,
// a trailing percent sign, blanks around any of them.
std::optional<NumberEntry> parseNumber(const QString& text, const QLocale& locale)
{
    if (!mayBeNumber(text, locale)) return std::nullopt;
    QString t = asciiNumber(text, locale).trimmed();
    NumberEntry entry;
    bool negative = false;
    if (t.size() >= 2 && t.startsWith(u'(') && t.endsWith(u')')) {
        negative = true;
        t = t.mid(1, t.size() - 2).trimmed();
    }
    const QString currency = localeNotation(locale).currency;
    bool signSeen = negative;
    for (bool changed = true; changed;) {
        changed = false;
        if (!signSeen && (t.startsWith(u'-') || t.startsWith(u'+'))) {
            negative = t.startsWith(u'-');
            signSeen = true;
            t = t.mid(1).trimmed();
            changed = true;
        } else if (!entry.currency && !currency.isEmpty() && t.startsWith(currency)) {
            entry.currency = true;
            t = t.mid(currency.size()).trimmed();
            changed = true;
        }
    }
    if (t.endsWith(u'%')) {
        entry.percent = true;
        t.chop(1);
        t = t.trimmed();
    }
    if (!entry.currency && !currency.isEmpty() && t.endsWith(currency)) {
        entry.currency = true;
        t.chop(currency.size());
        t = t.trimmed();
    }
    if (entry.currency && entry.percent) return std::nullopt;
    const auto body = numberBody(t, locale, entry.shape);
    if (!body) return std::nullopt;
    const auto read = plainNumber(*body);
    if (!read) return std::nullopt;
    double value = *read;
    if (entry.percent) value /= 100.0;
    entry.value = negative ? -value : value;
    return entry;
}

// ASCII digits with at most one of the locale's decimal separators between them: what
// most entries are. Read as parseNumber reads them (a number, no format of its own), at
// a fraction of the cost; nothing for any other text, which takes the whole reading.
std::optional<double> plainDecimal(const QString& text, const QLocale& locale)
{
    const LocaleNotation& notation = localeNotation(locale);
    if (notation.decimal.size() != 1 || text.isEmpty() || text.size() >= 64) return std::nullopt;
    const QChar point = notation.decimal.front();
    char ascii[64];
    qsizetype pointAt = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (isAsciiDigit(c)) {
            ascii[i] = static_cast<char>(c.unicode());
        } else if (c == point && pointAt < 0 && i > 0 && i + 1 < text.size()) {
            ascii[i] = '.';
            pointAt = i;
        } else {
            return std::nullopt;
        }
    }
    // A currency sign that ends in a digit would make the text an amount.
    if (!notation.currency.isEmpty() && text.endsWith(notation.currency)) return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(ascii, ascii + text.size(), value);
    if (error != std::errc() || end != ascii + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// The currency format the application gives such an entry: the symbol where the
// locale writes it, in the file's notation for the digits.
QString currencyFormat(const QLocale& locale, bool decimals)
{
    const QString symbol = locale.currencySymbol();
    const QString digits = decimals ? QStringLiteral("#,##0.00") : QStringLiteral("#,##0");
    const QString literal = symbol == QLatin1String("$") ? symbol : u'"' + symbol + u'"';
    const QString sample = locale.toCurrencyString(1.0);
    if (sample.startsWith(symbol)) {
        const bool spaced = sample.size() > symbol.size() && isSpaceLike(sample[symbol.size()]);
        return literal + (spaced ? QStringLiteral(" ") : QString()) + digits;
    }
    return digits + QStringLiteral(" ") + literal;
}

std::optional<QString> numberFormatFor(const NumberEntry& n, const QLocale& locale)
{
    if (n.currency) return currencyFormat(locale, n.shape.decimals);
    if (n.percent) return n.shape.decimals ? QStringLiteral("0.00%") : QStringLiteral("0%");
    if (n.shape.exponent) return QStringLiteral("0.00E+00");
    if (n.shape.grouped)
        return n.shape.decimals ? QStringLiteral("#,##0.00") : QStringLiteral("#,##0");
    return std::nullopt;
}

// --- dates and times -------------------------------------------------------------------

struct DateEntry {
    double serial = 0;
    QString format;
};

std::optional<DateEntry> dateEntry(int year, int month, int day, const QString& format)
{
    const QDate date(year, month, day);
    if (!date.isValid() || date < QDate(1900, 1, 1) || date > QDate(9999, 12, 31))
        return std::nullopt;
    return DateEntry{numfmt::dateToSerial(date), format};
}

// The locale's short date in any year width ("5/14/16", "5/14/2016" under en_US;
// "14.05.2016" under de_DE).
std::optional<DateEntry> parseShortDate(const QString& t, const QLocale& locale)
{
    const auto d = readShortDate(t, locale);
    if (!d) return std::nullopt;
    return dateEntry(d->date.year(), d->date.month(), d->date.day(), d->format);
}

std::optional<DateEntry> parseIsoDate(const QString& t)
{
    static const QRegularExpression re(QStringLiteral("^(\\d{4})-(\\d{1,2})-(\\d{1,2})$"));
    const auto m = re.match(t);
    if (!m.hasMatch()) return std::nullopt;
    return dateEntry(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt(),
                     QStringLiteral("yyyy-mm-dd"));
}

// "14 May 2016", "14. Mai 2016", "14-May-2016", "May 14, 2016".
std::optional<DateEntry> parseNamedMonthDate(const QString& t, const QLocale& locale)
{
    static const QRegularExpression dayFirst(
        QStringLiteral("^(\\d{1,2})\\.?[\\s-]+(\\p{L}+\\.?)[\\s-]+(\\d{4}|\\d{2})$"));
    static const QRegularExpression monthFirst(
        QStringLiteral("^(\\p{L}+\\.?)[\\s-]+(\\d{1,2}),?[\\s-]+(\\d{4}|\\d{2})$"));
    const QString format = QStringLiteral("d-mmm-yyyy");
    if (const auto m = dayFirst.match(t); m.hasMatch()) {
        const int month = monthNumber(m.captured(2), locale);
        if (month == 0) return std::nullopt;
        return dateEntry(fullYear(m.captured(3)), month, m.captured(1).toInt(), format);
    }
    if (const auto m = monthFirst.match(t); m.hasMatch()) {
        const int month = monthNumber(m.captured(1), locale);
        if (month == 0) return std::nullopt;
        return dateEntry(fullYear(m.captured(3)), month, m.captured(2).toInt(), format);
    }
    return std::nullopt;
}

// "18:30", "6:30 PM", "18:30:15": the fraction of a day.
std::optional<DateEntry> parseTime(const QString& t)
{
    static const QRegularExpression re(
        QStringLiteral("^(\\d{1,2}):(\\d{2})(?::(\\d{2}))?\\s*([AaPp][Mm])?$"));
    const auto m = re.match(t);
    if (!m.hasMatch()) return std::nullopt;
    int hour = m.captured(1).toInt();
    const int minute = m.captured(2).toInt();
    const int second = m.captured(3).isEmpty() ? 0 : m.captured(3).toInt();
    const QString half = m.captured(4).toUpper();
    if (minute > 59 || second > 59) return std::nullopt;
    if (!half.isEmpty()) {
        if (hour < 1 || hour > 12) return std::nullopt;
        hour = hour % 12 + (half == QLatin1String("PM") ? 12 : 0);
    } else if (hour > 23) {
        return std::nullopt;
    }
    QString format = QStringLiteral("h:mm");
    if (!m.captured(3).isEmpty()) format += QStringLiteral(":ss");
    if (!half.isEmpty()) format += QStringLiteral(" AM/PM");
    return DateEntry{(hour * 3600 + minute * 60 + second) / 86400.0, format};
}

std::optional<DateEntry> parseDateOrTime(const QString& text, const QLocale& locale)
{
    const QString t = asciiDigits(text).trimmed();
    if (t.isEmpty()) return std::nullopt;
    // Each pattern below asks for something a glance can rule out; texts with a digit
    // ("Store 12") would otherwise pay for every one of them.
    const bool digitFirst = isAsciiDigit(t.front());
    if (digitFirst && t.size() >= 8 && t.size() <= 10 && t[4] == u'-') {
        if (auto d = parseIsoDate(t)) return d;
    }
    if (auto d = parseShortDate(t, locale)) return d;
    // A named month stands between two runs of blanks or dashes.
    const auto gaps =
        std::count_if(t.begin(), t.end(), [](QChar c) { return c.isSpace() || c == u'-'; });
    if (gaps >= 2 && isAsciiDigit(t.back())
        && (digitFirst || t.front().isLetter() || t.front().isHighSurrogate())) {
        if (auto d = parseNamedMonthDate(t, locale)) return d;
    }
    if (!digitFirst || !t.contains(u':')) return std::nullopt;
    return parseTime(t);
}

Parsed constant(Value v, std::optional<QString> format = std::nullopt)
{
    Parsed p;
    p.value = std::move(v);
    p.numberFormat = std::move(format);
    return p;
}

} // namespace

Parsed parse(const QString& text, const QString& cellFormat, const QLocale& locale)
{
    if (text.isEmpty()) return constant(Value());
    // Nearly every cell shows "General": the text format is looked for only otherwise.
    const bool general = isGeneral(cellFormat);
    if (!general && QStringView(cellFormat).trimmed() == u"@") return constant(Value::text(text));
    if (text.startsWith(u'=')) {
        Parsed p;
        p.kind = Parsed::Kind::Formula;
        p.formulaText = text.mid(1);
        return p;
    }
    // A leading apostrophe forces text and is not part of it.
    if (text.startsWith(u'\'')) return constant(Value::text(text.mid(1)));

    const QStringView trimmed = QStringView(text).trimmed();
    if (trimmed.size() == 4 && trimmed.compare(QLatin1String("TRUE"), Qt::CaseInsensitive) == 0) {
        return constant(Value::boolean(true));
    }
    if (trimmed.size() == 5 && trimmed.compare(QLatin1String("FALSE"), Qt::CaseInsensitive) == 0) {
        return constant(Value::boolean(false));
    }
    if (const auto plain = plainDecimal(text, locale)) return constant(Value::number(*plain));
    // Every number and every date or time has a digit; most texts have none, and the
    // patterns below cost far more than this look.
    if (!hasDigit(text)) return constant(Value::text(text));
    if (const auto n = parseNumber(text, locale)) {
        return constant(Value::number(n->value),
                        general ? numberFormatFor(*n, locale) : std::nullopt);
    }
    if (const auto d = parseDateOrTime(text, locale)) {
        return constant(Value::number(d->serial),
                        general ? std::optional<QString>(d->format) : std::nullopt);
    }
    return constant(Value::text(text));
}

} // namespace bw::ss::entry
