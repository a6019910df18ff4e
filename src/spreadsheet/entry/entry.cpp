#include "spreadsheet/entry/entry.h"

#include "spreadsheet/numfmt/numfmt.h"

#include <QDate>
#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <memory>

namespace bw::ss::entry {

namespace {

bool isGeneral(const QString& code)
{
    const QString trimmed = code.trimmed();
    return trimmed.isEmpty() || trimmed.compare(QLatin1String("General"), Qt::CaseInsensitive) == 0;
}

bool isSpaceLike(QChar c)
{
    return c == u' ' || c == QChar(0x00A0) || c == QChar(0x202F);
}

// --- numbers ---------------------------------------------------------------------------

struct NumberEntry {
    double value = 0;
    bool currency = false;
    bool percent = false;
    bool grouped = false;
    bool exponent = false;
    bool decimals = false;
};

// The digits of a number in the locale's notation, as a C-notation text: "1.234,5" under
// de_DE is "1234.5". Groups must be whole thousands after the first; nothing when the
// text is not such a number.
std::optional<QString> numberBody(QStringView body, const QLocale& locale, NumberEntry& entry)
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
    while (i < body.size()) {
        if (body[i].isDigit() && body[i].unicode() < 128) {
            out.append(body[i]);
            if (groupDigits >= 0) ++groupDigits; else ++leadDigits;
            ++i;
        } else if (!group.isEmpty() && isGroup(i) && !(body.mid(i).startsWith(decimal))) {
            if (leadDigits == 0 || leadDigits > 3 || (groupDigits >= 0 && groupDigits != 3)) return std::nullopt;
            groupDigits = 0;
            entry.grouped = true;
            i += spaceGroups ? 1 : group.size();
        } else {
            break;
        }
    }
    if (groupDigits >= 0 && groupDigits != 3) return std::nullopt;
    if (i < body.size() && body.mid(i).startsWith(decimal)) {
        i += decimal.size();
        out.append(u'.');
        while (i < body.size() && body[i].isDigit() && body[i].unicode() < 128) {
            out.append(body[i++]);
            entry.decimals = true;
        }
    }
    const bool anyDigit = std::any_of(out.begin(), out.end(), [](QChar c) { return c.isDigit(); });
    if (!anyDigit) return std::nullopt;
    if (i < body.size() && (body[i] == u'e' || body[i] == u'E')) {
        qsizetype j = i + 1;
        QString exponent = QStringLiteral("e");
        if (j < body.size() && (body[j] == u'+' || body[j] == u'-')) exponent.append(body[j++]);
        const qsizetype digitsStart = j;
        while (j < body.size() && body[j].isDigit() && body[j].unicode() < 128) exponent.append(body[j++]);
        if (j == digitsStart || entry.grouped) return std::nullopt;
        out += exponent;
        entry.exponent = true;
        i = j;
    }
    if (i != body.size()) return std::nullopt;
    return out;
}

// A number as typed: sign or parentheses, the locale's currency sign before or after,
// a trailing percent sign, blanks around any of them.
std::optional<NumberEntry> parseNumber(const QString& text, const QLocale& locale)
{
    QString t = text.trimmed();
    NumberEntry entry;
    bool negative = false;
    if (t.size() >= 2 && t.startsWith(u'(') && t.endsWith(u')')) {
        negative = true;
        t = t.mid(1, t.size() - 2).trimmed();
    }
    const QString currency = locale.currencySymbol();
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
    const auto body = numberBody(t, locale, entry);
    if (!body) return std::nullopt;
    bool ok = false;
    double value = body->toDouble(&ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    if (entry.percent) value /= 100.0;
    entry.value = negative ? -value : value;
    return entry;
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
    if (n.currency) return currencyFormat(locale, n.decimals);
    if (n.percent) return n.decimals ? QStringLiteral("0.00%") : QStringLiteral("0%");
    if (n.exponent) return QStringLiteral("0.00E+00");
    if (n.grouped) return n.decimals ? QStringLiteral("#,##0.00") : QStringLiteral("#,##0");
    return std::nullopt;
}

// --- dates and times -------------------------------------------------------------------

struct DateEntry {
    double serial = 0;
    QString format;
};

// Two-digit years read as the application reads them: 00-29 in this century, 30-99
// in the last one.
int fullYear(const QString& digits)
{
    const int year = digits.toInt();
    if (digits.size() > 2) return year;
    return year < 30 ? 2000 + year : 1900 + year;
}

std::optional<DateEntry> dateEntry(int year, int month, int day, const QString& format)
{
    const QDate date(year, month, day);
    if (!date.isValid() || date < QDate(1900, 1, 1) || date > QDate(9999, 12, 31)) return std::nullopt;
    return DateEntry{numfmt::dateToSerial(date), format};
}

// How the locale's short date reads: the field order ("Mdy"), a pattern that matches
// it with any year width, and the format code that shows it with a full year.
struct ShortDateForm {
    QString order;
    QRegularExpression pattern;
    QString format;
};

std::optional<ShortDateForm> shortDateForm(const QString& pattern)
{
    ShortDateForm form;
    QString separator;
    for (qsizetype i = 0; i < pattern.size();) {
        const QChar c = pattern[i];
        qsizetype end = i;
        while (end < pattern.size() && pattern[end] == c) ++end;
        const auto run = end - i;
        if (c == u'd' || c == u'M' || c == u'y') {
            if (form.order.contains(c)) return std::nullopt;
            form.order.append(c);
            form.format += c == u'y' ? QStringLiteral("yyyy") : QString(run, c.toLower());
        } else {
            if (separator.isEmpty()) separator = pattern.mid(i, run);
            form.format += pattern.mid(i, run);
        }
        i = end;
    }
    if (form.order.size() != 3 || separator.isEmpty()) return std::nullopt;
    const QString sep = QRegularExpression::escape(separator.trimmed().isEmpty() ? separator : separator.trimmed());
    QString regex = QStringLiteral("^");
    for (qsizetype k = 0; k < form.order.size(); ++k) {
        if (k > 0) regex += QStringLiteral("\\s*") + sep + QStringLiteral("\\s*");
        regex += form.order[k] == u'y' ? QStringLiteral("(\\d{4}|\\d{2})") : QStringLiteral("(\\d{1,2})");
    }
    regex += QStringLiteral("$");
    form.pattern = QRegularExpression(regex);
    return form;
}

// The locale's short date in any year width ("5/14/16", "5/14/2016" under en_US;
// "14.05.2016" under de_DE).
std::optional<DateEntry> parseShortDate(const QString& t, const QLocale& locale)
{
    // Entries come by the thousand under one locale: match each short form with one
    // compiled pattern.
    thread_local QHash<QString, std::optional<ShortDateForm>> forms;
    const QString key = locale.dateFormat(QLocale::ShortFormat);
    auto found = forms.find(key);
    if (found == forms.end()) found = forms.insert(key, shortDateForm(key));
    if (!*found) return std::nullopt;
    const ShortDateForm& form = **found;
    const auto m = form.pattern.match(t);
    if (!m.hasMatch()) return std::nullopt;
    int year = 0;
    int month = 0;
    int day = 0;
    for (qsizetype k = 0; k < form.order.size(); ++k) {
        const QString part = m.captured(static_cast<int>(k + 1));
        if (form.order[k] == u'y') year = fullYear(part);
        if (form.order[k] == u'M') month = part.toInt();
        if (form.order[k] == u'd') day = part.toInt();
    }
    return dateEntry(year, month, day, form.format);
}

std::optional<DateEntry> parseIsoDate(const QString& t)
{
    static const QRegularExpression re(QStringLiteral("^(\\d{4})-(\\d{1,2})-(\\d{1,2})$"));
    const auto m = re.match(t);
    if (!m.hasMatch()) return std::nullopt;
    return dateEntry(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt(), QStringLiteral("yyyy-mm-dd"));
}

// A month name of the locale, long or short, or an English one.
int monthNumber(const QString& name, const QLocale& locale)
{
    static const QLocale english(QLocale::English, QLocale::UnitedStates);
    QString wanted = name;
    if (wanted.endsWith(u'.')) wanted.chop(1);
    for (const QLocale* l : {&locale, &english}) {
        for (int m = 1; m <= 12; ++m) {
            for (const auto form : {QLocale::LongFormat, QLocale::ShortFormat}) {
                QString candidate = l->monthName(m, form);
                if (candidate.endsWith(u'.')) candidate.chop(1);
                if (candidate.compare(wanted, Qt::CaseInsensitive) == 0) return m;
            }
        }
    }
    return 0;
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
    const QString t = text.trimmed();
    if (auto d = parseIsoDate(t)) return d;
    if (auto d = parseShortDate(t, locale)) return d;
    if (auto d = parseNamedMonthDate(t, locale)) return d;
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
    if (cellFormat.trimmed() == QLatin1String("@")) return constant(Value::text(text));
    if (text.startsWith(u'=')) {
        Parsed p;
        p.kind = Parsed::Kind::Formula;
        p.formulaText = text.mid(1);
        return p;
    }
    // A leading apostrophe forces text and is not part of it.
    if (text.startsWith(u'\'')) return constant(Value::text(text.mid(1)));

    const bool general = isGeneral(cellFormat);
    const QString trimmed = text.trimmed();
    if (trimmed.compare(QLatin1String("TRUE"), Qt::CaseInsensitive) == 0) return constant(Value::boolean(true));
    if (trimmed.compare(QLatin1String("FALSE"), Qt::CaseInsensitive) == 0) return constant(Value::boolean(false));
    if (const auto n = parseNumber(text, locale)) {
        return constant(Value::number(n->value), general ? numberFormatFor(*n, locale) : std::nullopt);
    }
    if (const auto d = parseDateOrTime(text, locale)) {
        return constant(Value::number(d->serial), general ? std::optional<QString>(d->format) : std::nullopt);
    }
    return constant(Value::text(text));
}

} // namespace bw::ss::entry
