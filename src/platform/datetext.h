// Dates as text in the user's locale, with four-digit years, both ways.
#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>

namespace bw {

// The locale's short date pattern with the year widened to four digits. Qt's short
// patterns have two-digit years in some locales, which would turn 2016 into 1916 or 2116
// on a round trip through text.
QString shortDatePattern(const QLocale& locale = QLocale());

// A date as the program writes it everywhere (settings, the period cell, sample trips).
QString dateToText(const QDate& date, const QLocale& locale = QLocale());
// Reads such a text back; also accepts the locale's own short and long forms and ISO
// dates. An invalid QDate when the text is no date.
QDate textToDate(const QString& text, const QLocale& locale = QLocale());

// The locale's short time pattern with the seconds after the minutes, written with the
// separator the pattern puts between hours and minutes: "h:mm:ss AP", "HH:mm:ss", "H.mm.ss".
QString timeWithSecondsPattern(const QLocale& locale = QLocale());
// A time in that pattern: moments a few seconds apart read apart.
QString timeWithSecondsText(const QTime& time, const QLocale& locale = QLocale());

} // namespace bw
