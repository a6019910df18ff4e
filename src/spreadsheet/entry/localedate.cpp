// Reading typed dates by the locale's short date pattern and month names.
#include "spreadsheet/entry/localedate.h"

#include "spreadsheet/entry/localenumber.h"

#include <QHash>
#include <QRegularExpression>

#include <vector>

namespace bw::ss::entry {

namespace {

// A run of one field letter of a Qt date pattern (d, M or y), or the literal text
// between fields.
struct PatternPart {
    QChar field;
    int run = 0;
    QString literal;
};

std::vector<PatternPart> patternParts(const QString& pattern)
{
    std::vector<PatternPart> parts;
    const auto addLiteral = [&](const QString& text) {
        if (parts.empty() || !parts.back().field.isNull()) parts.emplace_back();
        parts.back().literal += text;
    };
    for (qsizetype i = 0; i < pattern.size();) {
        const QChar c = pattern[i];
        if (c == u'\'') {
            // Quoted text is literal; two quotes stand for one.
            const qsizetype end = pattern.indexOf(u'\'', i + 1);
            const qsizetype stop = end < 0 ? pattern.size() : end;
            addLiteral(stop == i + 1 ? QStringLiteral("'") : pattern.mid(i + 1, stop - i - 1));
            i = stop + 1;
            continue;
        }
        qsizetype end = i;
        while (end < pattern.size() && pattern[end] == c) ++end;
        if (c == u'd' || c == u'M' || c == u'y') {
            parts.push_back({c, static_cast<int>(end - i), QString()});
        } else {
            addLiteral(pattern.mid(i, end - i));
        }
        i = end;
    }
    return parts;
}

// The literal between fields as a pattern: blanks of any kind and number, none where the
// form has them only around a separator ("14.5.16" for "d. M. yy").
QString literalPattern(const QString& literal)
{
    const QString trimmed = literal.trimmed();
    if (trimmed.isEmpty()) return literal.isEmpty() ? QString() : QStringLiteral("\\s+");
    QString out = QStringLiteral("\\s*");
    for (const QChar c : trimmed) {
        out += c.isSpace() ? QStringLiteral("\\s*") : QRegularExpression::escape(QString(c));
    }
    return out + QStringLiteral("\\s*");
}

// The literal in a number format code: separators as they are, words in quotes.
QString literalFormat(const QString& literal)
{
    QString out;
    bool quoted = false;
    for (const QChar c : literal) {
        const bool plain = c.isSpace() || QStringLiteral("/-.,:").contains(c);
        if (plain == quoted) {
            out += u'"';
            quoted = !quoted;
        }
        out += c;
    }
    if (quoted) out += u'"';
    return out;
}

// How the locale's short date reads: its fields in order ("Mdy"), whether the month is
// a name, one pattern for every year width, and the format code with a four-digit year.
struct ShortDateForm {
    QString order;
    bool monthName = false;
    QRegularExpression pattern;
    QString format;
    bool digitFirst = false; // the form starts with a field of digits
};

std::optional<ShortDateForm> shortDateForm(const QString& localePattern)
{
    const std::vector<PatternPart> parts = patternParts(localePattern);
    ShortDateForm form;
    QString regex = QStringLiteral("^");
    for (std::size_t k = 0; k < parts.size(); ++k) {
        const PatternPart& part = parts[k];
        if (part.field.isNull()) {
            // Direction marks are dropped from the typed text, so from the form too.
            const QString literal = asciiDigits(part.literal);
            const bool outer = k == 0 || k + 1 == parts.size();
            // Words before or after the date ("г." under bg_BG) may be left out.
            regex += outer ? QStringLiteral("(?:%1)?").arg(literalPattern(literal))
                           : literalPattern(literal);
            form.format += literalFormat(literal);
            continue;
        }
        if (form.order.contains(part.field) || (part.field == u'd' && part.run > 2))
            return std::nullopt;
        form.order.append(part.field);
        if (part.field == u'y') {
            regex += QStringLiteral("(\\d{4}|\\d{2})");
            form.format += QStringLiteral("yyyy");
        } else if (part.field == u'M' && part.run > 2) {
            form.monthName = true;
            regex += QStringLiteral("(\\p{L}[\\p{L}\\p{M}]*\\.?)");
            form.format += QString(part.run, u'm');
        } else {
            regex += QStringLiteral("(\\d{1,2})");
            form.format += QString(part.run, part.field.toLower());
        }
    }
    if (form.order.size() != 3) return std::nullopt;
    form.digitFirst = !parts.empty() && !parts.front().field.isNull()
                      && !(parts.front().field == u'M' && parts.front().run > 2);
    form.pattern = QRegularExpression(regex + u'$', QRegularExpression::CaseInsensitiveOption);
    return form;
}

} // namespace

int fullYear(const QString& digits)
{
    const int year = digits.toInt();
    if (digits.size() > 2) return year;
    return year < 30 ? 2000 + year : 1900 + year;
}

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

namespace {

std::optional<ShortDate> readShortDate(const QString& text, const QLocale& locale,
                                       const ShortDateForm& form)
{
    const auto m = form.pattern.match(text);
    if (!m.hasMatch()) return std::nullopt;
    int year = 0;
    int month = 0;
    int day = 0;
    for (qsizetype k = 0; k < form.order.size(); ++k) {
        const QString part = m.captured(static_cast<int>(k + 1));
        if (form.order[k] == u'y') year = fullYear(part);
        if (form.order[k] == u'M')
            month = form.monthName ? monthNumber(part, locale) : part.toInt();
        if (form.order[k] == u'd') day = part.toInt();
    }
    const QDate date(year, month, day);
    if (!date.isValid()) return std::nullopt;
    return ShortDate{date, form.format};
}

} // namespace

std::optional<ShortDate> readShortDate(const QString& text, const QLocale& locale)
{
    // Entries come by the thousand under one locale: each short form is compiled once,
    // and a log repeats its dates, so the texts read under the last locale are kept (up
    // to a bound).
    thread_local QHash<QString, std::optional<ShortDateForm>> forms;
    thread_local std::optional<QLocale> lastLocale;
    thread_local const std::optional<ShortDateForm>* form = nullptr;
    thread_local QHash<QString, ShortDate> read;
    if (!lastLocale || !(locale == *lastLocale)) {
        const QString key = locale.dateFormat(QLocale::ShortFormat);
        auto found = forms.find(key);
        if (found == forms.end()) found = forms.insert(key, shortDateForm(key));
        lastLocale = locale;
        form = &*found;
        read.clear();
    }
    if (!*form) return std::nullopt;
    // A form that starts with digits takes no text that does not ("Store 12").
    if ((*form)->digitFirst && (text.isEmpty() || !isAsciiDigit(text.front()))) return std::nullopt;
    if (const auto known = read.constFind(text); known != read.cend()) return *known;
    std::optional<ShortDate> date = readShortDate(text, locale, **form);
    if (date) {
        if (read.size() >= 4096) read.clear();
        read.insert(text, *date);
    }
    return date;
}

} // namespace bw::ss::entry
