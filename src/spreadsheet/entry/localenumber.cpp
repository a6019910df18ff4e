#include "spreadsheet/entry/localenumber.h"

#include <QHash>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace bw::ss::entry {

namespace {

// Marks that only steer the direction of right-to-left text; some locales put them
// around signs and date separators, and a typed text may have them or not.
bool isDirectionMark(char32_t c)
{
    return c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E)
        || (c >= 0x2066 && c <= 0x2069);
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
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
        while (firstGrouped < g.least + 4 && !grouped.toString(powerOfTen(firstGrouped - 1)).contains(separator)) {
            ++firstGrouped;
        }
        g.leadMax = g.higher + firstGrouped - g.least - 1;
    }
    known.insert(key, g);
    return g;
}

} // namespace

bool isSpaceLike(QChar c)
{
    return c == u' ' || c == QChar(0x00A0) || c == QChar(0x202F);
}

QString asciiDigits(QStringView text)
{
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

QString asciiNumber(QStringView text, const QLocale& locale)
{
    QString out = asciiDigits(text);
    out.replace(QChar(0x2212), u'-');
    const QString minus = asciiDigits(locale.negativeSign());
    const QString plus = asciiDigits(locale.positiveSign());
    if (!minus.isEmpty() && minus != QLatin1String("-")) out.replace(minus, QStringLiteral("-"));
    if (!plus.isEmpty() && plus != QLatin1String("+")) out.replace(plus, QStringLiteral("+"));
    const QString exponent = asciiDigits(locale.exponential());
    if (!exponent.isEmpty() && exponent.compare(QLatin1String("e"), Qt::CaseInsensitive) != 0) {
        out.replace(exponent, QStringLiteral("e"));
    }
    return out;
}

std::optional<QString> numberBody(QStringView body, const QLocale& locale, NumberShape& shape)
{
    const QString decimal = locale.decimalPoint();
    const QString group = locale.groupSeparator();
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
            if (groupDigits >= 0) ++groupDigits; else ++leadDigits;
            ++i;
        } else if (!group.isEmpty() && isGroup(i) && !(body.mid(i).startsWith(decimal))) {
            if (!grouping) grouping = groupingOf(locale);
            if (leadDigits == 0 || leadDigits > grouping->leadMax || (groupDigits >= 0 && groupDigits != grouping->higher)) {
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

std::optional<double> readNumber(QStringView text, const QLocale& locale)
{
    const QString plain = asciiNumber(text, locale).trimmed();
    QStringView t(plain);
    const bool negative = t.startsWith(u'-');
    if (negative || t.startsWith(u'+')) t = t.mid(1);
    NumberShape shape;
    const auto body = numberBody(t, locale, shape);
    if (!body) return std::nullopt;
    bool ok = false;
    const double value = body->toDouble(&ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return negative ? -value : value;
}

} // namespace bw::ss::entry
