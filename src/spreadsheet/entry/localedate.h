#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

#include <optional>

namespace bw::ss::entry {

// A two-digit year as the application reads it: 00-29 are 2000-2029, 30-99 are
// 1930-1999. Longer years stand as written.
int fullYear(const QString& digits);

// The month (1-12) a name stands for: the locale's long or short name, or an English
// one, in any letter case and with or without a closing period. 0 for none.
int monthNumber(const QString& name, const QLocale& locale);

struct ShortDate {
    QDate date;
    // The format code that shows such a date with a four-digit year ("m/d/yyyy").
    QString format;
};

// A date in the locale's short form ("5/14/16" and "5/14/2016" under en_US, "14.05.16 г."
// under bg_BG), in any digits and with or without the direction marks and the closing
// words of the form. `text` is trimmed, with ASCII digits (asciiDigits). Nothing when it
// is no such date.
std::optional<ShortDate> readShortDate(const QString& text, const QLocale& locale);

} // namespace bw::ss::entry
