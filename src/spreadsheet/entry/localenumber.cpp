// Taking a locale's digits, signs and exponent in a typed text back to plain notation.
#include "spreadsheet/entry/localenumber.h"

#include <QHash>
#include <QStringList>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <utility>

namespace bw::ss::entry {

namespace {

// Marks that only steer the direction of right-to-left text; some locales put them
// around signs and date separators, and a typed text may have them or not.
bool isDirectionMark(char32_t c)
{
    return c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E)
           || (c >= 0x2066 && c <= 0x2069);
}

// How a locale groups digits: the last group before the decimal separator, the groups
// before it, and the most digits the first group may have.
struct Grouping {
    int least = 3;
    int higher = 3;
    int leadMax = 3;
};

qlonglong powerOfTen(int exponent)
{
    qlonglong p = 1;
    while (exponent-- > 0) p *= 10;
    return p;
}

// Read from what the locale writes: "1,23,45,678" under hi_IN groups by two above the
// last three; "1234 567" under sq_AL lets the first group take a digit more, because
// the locale groups no number of four digits and so never leaves one digit alone.
Grouping groupingOf(const QLocale& locale)
{
    thread_local QHash<QString, Grouping> known;
    const QString key = QStringLiteral("%1-%2-%3")
                            .arg(static_cast<int>(locale.language()))
                            .arg(static_cast<int>(locale.script()))
                            .arg(static_cast<int>(locale.territory()));
    if (const auto found = known.constFind(key); found != known.constEnd()) return *found;

    QLocale grouped(locale);
    grouped.setNumberOptions(QLocale::DefaultNumberOptions);
    const QString separator = grouped.groupSeparator();
    Grouping g;
    // Counted in ASCII digits: some scripts' digits take two UTF-16 units.
    const QStringList groups = asciiDigits(grouped.toString(1234567890123456LL)).split(separator);
    if (!separator.isEmpty() && groups.size() >= 3) {
        g.least = static_cast<int>(groups.last().size());
        g.higher = static_cast<int>(groups[groups.size() - 2].size());
        int firstGrouped = g.least + 1;
        while (firstGrouped < g.least + 4
               && !grouped.toString(powerOfTen(firstGrouped - 1)).contains(separator)) {
            ++firstGrouped;
        }
        g.leadMax = g.higher + firstGrouped - g.least - 1;
    }
    known.insert(key, g);
    return g;
}

} // namespace

bool isSpaceLike(QChar c) { return c == u' ' || c == QChar(0x00A0) || c == QChar(0x202F); }

QString asciiDigits(QStringView text)
{
    // Most texts are plain ASCII, which has nothing to change.
    if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; }))
        return text.toString();
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        qsizetype units = 1;
        // Some scripts' digits lie beyond the first plane (Chakma, Adlam).
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            units = 2;
        }
        if (c >= 0x80 && QChar::category(c) == QChar::Number_DecimalDigit) {
            out.append(QChar(u'0' + QChar::digitValue(c)));
        } else if (!isDirectionMark(c)) {
            out.append(text.mid(i, units));
        }
        i += units - 1;
    }
    return out;
}

const LocaleNotation& localeNotation(const QLocale& locale)
{
    // Entries come by the thousand under one locale; its symbols are looked up once.
    thread_local std::optional<std::pair<QLocale, LocaleNotation>> last;
    if (last && last->first == locale) return last->second;
    LocaleNotation n;
    n.minus = asciiDigits(locale.negativeSign());
    n.plus = asciiDigits(locale.positiveSign());
    n.exponent = asciiDigits(locale.exponential());
    n.decimal = locale.decimalPoint();
    n.group = locale.groupSeparator();
    last.emplace(locale, std::move(n));
    // The currency symbol in asciiNumber form needs the signs above.
    last->second.currency = asciiNumber(locale.currencySymbol(), locale);
    return last->second;
}

QString asciiNumber(QStringView text, const QLocale& locale)
{
    const LocaleNotation& n = localeNotation(locale);
    QString out = asciiDigits(text);
    out.replace(QChar(0x2212), u'-');
    if (!n.minus.isEmpty() && n.minus != QLatin1String("-"))
        out.replace(n.minus, QStringLiteral("-"));
    if (!n.plus.isEmpty() && n.plus != QLatin1String("+")) out.replace(n.plus, QStringLiteral("+"));
    if (!n.exponent.isEmpty() && n.exponent.compare(QLatin1String("e"), Qt::CaseInsensitive) != 0) {
        out.replace(n.exponent, QStringLiteral("e"));
    }
    return out;
}

std::optional<QString> numberBody(QStringView body, const QLocale& locale, NumberShape& shape)
{
    const LocaleNotation& notation = localeNotation(locale);
    const QString& decimal = notation.decimal;
    const QString& group = notation.group;
    const bool spaceGroups = !group.isEmpty() && isSpaceLike(group[0]);
    auto isGroup = [&](qsizetype i) {
        return spaceGroups ? isSpaceLike(body[i]) : body.mid(i).startsWith(group);
    };

    QString out;
    qsizetype i = 0;
    int groupDigits = -1; // digits since the last separator; -1 before the first one
    int leadDigits = 0;
    std::optional<Grouping> grouping;
    while (i < body.size()) {
        if (isAsciiDigit(body[i])) {
            out.append(body[i]);
            if (groupDigits >= 0)
                ++groupDigits;
            else
                ++leadDigits;
            ++i;
        } else if (!group.isEmpty() && isGroup(i) && !(body.mid(i).startsWith(decimal))) {
            if (!grouping) grouping = groupingOf(locale);
            if (leadDigits == 0 || leadDigits > grouping->leadMax
                || (groupDigits >= 0 && groupDigits != grouping->higher)) {
                return std::nullopt;
            }
            groupDigits = 0;
            shape.grouped = true;
            i += spaceGroups ? 1 : group.size();
        } else {
            break;
        }
    }
    if (groupDigits >= 0 && groupDigits != grouping->least) return std::nullopt;
    if (i < body.size() && body.mid(i).startsWith(decimal)) {
        i += decimal.size();
        out.append(u'.');
        while (i < body.size() && isAsciiDigit(body[i])) {
            out.append(body[i++]);
            shape.decimals = true;
        }
    }
    const bool anyDigit = std::any_of(out.begin(), out.end(), [](QChar c) { return c.isDigit(); });
    if (!anyDigit) return std::nullopt;
    if (i < body.size() && (body[i] == u'e' || body[i] == u'E')) {
        qsizetype j = i + 1;
        QString exponent = QStringLiteral("e");
        if (j < body.size() && (body[j] == u'+' || body[j] == u'-')) exponent.append(body[j++]);
        const qsizetype digitsStart = j;
        while (j < body.size() && isAsciiDigit(body[j])) exponent.append(body[j++]);
        if (j == digitsStart || shape.grouped) return std::nullopt;
        out += exponent;
        shape.exponent = true;
        i = j;
    }
    if (i != body.size()) return std::nullopt;
    return out;
}

std::optional<double> plainNumber(QStringView body)
{
    // Both readers round correctly, so they agree wherever the quick one answers; the
    // rare text it declines (too long, out of range) goes to Qt's.
    char ascii[64];
    if (body.size() < qsizetype(sizeof ascii)) {
        for (qsizetype i = 0; i < body.size(); ++i)
            ascii[i] = static_cast<char>(body[i].unicode() < 0x80 ? body[i].unicode() : 0);
        double value = 0;
        const auto [end, error] = std::from_chars(ascii, ascii + body.size(), value);
        if (error == std::errc() && end == ascii + body.size() && std::isfinite(value))
            return value;
    }
    bool ok = false;
    const double value = body.toDouble(&ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<double> readNumber(QStringView text, const QLocale& locale)
{
    const QString plain = asciiNumber(text, locale).trimmed();
    QStringView t(plain);
    const bool negative = t.startsWith(u'-');
    if (negative || t.startsWith(u'+')) t = t.mid(1);
    NumberShape shape;
    const auto body = numberBody(t, locale, shape);
    if (!body) return std::nullopt;
    const auto value = plainNumber(*body);
    if (!value) return std::nullopt;
    return negative ? -*value : *value;
}

} // namespace bw::ss::entry
