// The locale the employee entries were typed in, kept beside them.
#pragma once

#include <QLocale>
#include <QString>

namespace bw {

class SettingsStore;

// The Rate per Mile and the period are kept as the texts the user's locale writes
// ("0,585", "14.05.2016"), and such a text means what it says only in that locale: read
// under English, "0,585" is 585. So the store names the locale beside them, and an entry
// read under another locale is written again in that one's forms, the same number or
// date, never reinterpreted. Other entries (names, the vehicle) are kept as typed.
//
// A store kept before the locale was named is read as it always was: in the locale of the
// run, the rate in the plain period form where that locale cannot read it (and then
// written again the locale's way: "1.25" under French is "1,25"). One text is taken the
// plain way first: a zero before a period ("0.585"), which a locale grouping thousands
// with periods would read as 585, but which no one writes for 585. Earlier versions'
// sample data and scripts wrote such rates.
namespace EntryLocale {

// The settings key naming the locale, as QLocale::name() gives it ("de_DE").
inline constexpr char kKey[] = "EntryLocale";

// The name of the locale whose forms `locale` writes numbers in, as kept under kKey. Not
// always its name(): the system's locale takes that from LANGUAGE where it is set
// ("en_US" for LANGUAGE=en under LANG=de_DE), but its numbers from LC_ALL, LC_NUMERIC or
// LANG, as the C library does.
QString nameOf(const QLocale& locale);

// Whether the entry stored under `key` holds a number or a date in the user's forms.
bool isLocal(const QString& key);

// The entry stored under `key` as it would have been typed under `now`; `defaultValue`
// (in `now`'s forms) when none is stored.
QString read(const SettingsStore& store, const QString& key,
             const QString& defaultValue = QString(), const QLocale& now = QLocale());

// Stores an entry typed under `now`; one that holds a number or a date names `now` as
// the locale of the entries, in the same write. Throws SettingsError like SaveSetting.
void save(SettingsStore& store, const QString& key, const QString& value,
          const QLocale& now = QLocale());

// Rewrites the stored rate and period in `now`'s forms, naming `now`, in one write, so
// that a program running under `now` keeps every entry in one locale. Nothing is written
// when the store names `now` already. Throws SettingsError like SaveSetting.
void adopt(SettingsStore& store, const QLocale& now = QLocale());

// A number typed under `typed` as `now` writes it, with the digits after the decimal
// separator and the grouping it was typed with ("1.234,50" under de_DE is "1,234.50"
// under en_US); any other text as it is.
QString retypedNumber(const QString& text, const QLocale& typed, const QLocale& now);

} // namespace EntryLocale

} // namespace bw
