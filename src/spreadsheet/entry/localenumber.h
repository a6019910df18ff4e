// Taking a locale's digits, signs and exponent in a typed text back to plain notation.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>

#include <optional>

namespace bw::ss::entry {

// Locales write numbers with their own digits ("١٢٣٫٥" under ar_EG), their own minus
// sign (U+2212 under sv_SE, wrapped in direction marks under fa_IR) and their own
// exponent ("1×10^+16" under sv_SE, "١اس؜+١٦" under ar_EG). The readers below take each
// such text back to the plain notation before they look at it.

// `text` with every decimal digit, of any script, as an ASCII digit and the direction
// marks dropped: the form dates and times are matched in.
QString asciiDigits(QStringView text);

// asciiDigits, and further the locale's minus and plus signs as '-' and '+' (U+2212 is a
// minus under every locale) and its exponent symbol as 'e'. The decimal and group
// separators stay the locale's own.
QString asciiNumber(QStringView text, const QLocale& locale);

// What a locale writes numbers with: its signs and exponent in asciiDigits form, its
// separators as they are, its currency symbol in asciiNumber form. Looked up once for a
// run of entries under one locale; valid until the next call with another locale.
struct LocaleNotation {
    QString minus;
    QString plus;
    QString exponent;
    QString decimal;
    QString group;
    QString currency;
};
const LocaleNotation& localeNotation(const QLocale& locale);

inline bool isAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// A blank, a no-break space or a narrow no-break space: the blanks locales group with.
bool isSpaceLike(QChar c);

// How a number was written besides its value; the entry's number format follows it.
struct NumberShape {
    bool grouped = false;
    bool exponent = false;
    bool decimals = false;
};

// The unsigned number that is all of `body` (in asciiNumber form) as a C-notation text
// ("1.234,5" under de_DE is "1234.5"): digits with the locale's group separators, whole
// thousands after the first group, the decimal separator and the fraction, then an
// exponent, never together with groups. Nothing when `body` is not such a number.
std::optional<QString> numberBody(QStringView body, const QLocale& locale, NumberShape& shape);

// The finite value of a C-notation number as numberBody gives it; nothing when it is
// out of range.
std::optional<double> plainNumber(QStringView body);

// A finite number in the locale's notation, as QLocale::toString writes it, with or
// without group separators: an optional sign, the number, blanks around it.
// QLocale::toDouble is no substitute: it refuses the locale's own exponent form.
std::optional<double> readNumber(QStringView text, const QLocale& locale);

} // namespace bw::ss::entry
