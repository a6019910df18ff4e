// The locale the employee entries were typed in, kept beside them.
#include "logtable/entrylocale.h"

#include "core/settingsstore.h"
#include "logtable/tripfills.h"
#include "platform/datetext.h"
#include "spreadsheet/entry/localenumber.h"

#include <optional>

namespace bw::EntryLocale {

namespace {

constexpr const char* kRateKey = "RatePerMile";
constexpr const char* kDateKeys[] = {"PeriodFrom", "PeriodTo"};

bool isKey(const QString& key, const char* name)
{
    return key.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
}

bool isDateKey(const QString& key) { return isKey(key, kDateKeys[0]) || isKey(key, kDateKeys[1]); }

// The locale the store names; nothing for a store kept before it named one, or for a
// name no locale has.
std::optional<QLocale> namedLocale(const SettingsStore& store)
{
    const QString name = store.GetSetting(QString::fromLatin1(kKey));
    if (name.isEmpty()) return std::nullopt;
    const QLocale locale(name);
    if (locale.name() != name) return std::nullopt;
    return locale;
}

// "0.585", "-0.5": a zero, a period and digits.
bool zeroBeforePeriod(const QString& text)
{
    const QString t = text.trimmed();
    const qsizetype start = t.startsWith(u'-') ? 1 : 0;
    if (t.size() < start + 3 || t[start] != u'0' || t[start + 1] != u'.') return false;
    for (qsizetype i = start + 2; i < t.size(); ++i) {
        if (!ss::entry::isAsciiDigit(t[i])) return false;
    }
    return true;
}

// The locale a stored rate was typed in, where the store names none: the run's, unless
// the text is in the plain period form and the run's locale cannot read it, or reads a
// zero before a period as a group.
QLocale unnamedRateLocale(const QString& text, const QLocale& now)
{
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    bool plain = false;
    const double value = c.toDouble(text.trimmed(), &plain);
    if (!plain) return now;
    const std::optional<double> own = ss::entry::readNumber(text.trimmed(), now);
    return !own || (zeroBeforePeriod(text) && *own != value) ? QLocale::c() : now;
}

QString retypedDate(const QString& text, const QLocale& typed, const QLocale& now)
{
    if (nameOf(typed) == nameOf(now)) return text;
    const QDate date = textToDate(text, typed);
    return date.isValid() ? dateToText(date, now) : text;
}

// The separators of `from` in `text` as `to` writes them; digits, signs and anything else
// as they are.
QString swappedSeparators(const QString& text, const QString& decimal, const QString& group,
                          const QLocale& to)
{
    const bool spaceGroups = group.size() == 1 && ss::entry::isSpaceLike(group[0]);
    QString out;
    for (qsizetype i = 0; i < text.size();) {
        if (!decimal.isEmpty() && QStringView(text).mid(i).startsWith(decimal)) {
            out += to.decimalPoint();
            i += decimal.size();
        } else if (!group.isEmpty()
                   && (spaceGroups ? ss::entry::isSpaceLike(text[i])
                                   : QStringView(text).mid(i).startsWith(group))) {
            out += to.groupSeparator();
            i += spaceGroups ? 1 : group.size();
        } else {
            out += text[i++];
        }
    }
    return out;
}

} // namespace

QString nameOf(const QLocale& locale)
{
    if (locale != QLocale::system()) return locale.name();
    QByteArray numeric = qgetenv("LC_ALL");
    if (numeric.isEmpty()) numeric = qgetenv("LC_NUMERIC");
    if (numeric.isEmpty()) numeric = qgetenv("LANG");
    return QLocale(QString::fromLocal8Bit(numeric)).name();
}

bool isLocal(const QString& key) { return isKey(key, kRateKey) || isDateKey(key); }

QString retypedNumber(const QString& text, const QLocale& typed, const QLocale& now)
{
    if (nameOf(typed) == nameOf(now)) return text;
    const std::optional<double> value = readTripNumber(text, typed);
    if (!value) return text;
    const QString trimmed = text.trimmed();
    // The typed locale's own notation, or else the plain period form it also takes.
    const bool own = ss::entry::readNumber(trimmed, typed).has_value();
    const QString swapped =
        swappedSeparators(trimmed, own ? typed.decimalPoint() : QStringLiteral("."),
                          own ? typed.groupSeparator() : QString(), now);
    if (typed.zeroDigit() == now.zeroDigit() && readTripNumber(swapped, now) == value)
        return swapped;
    // Digits of another script, or an exponent `now` writes otherwise: its plain form.
    QLocale plain = now;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain.toString(*value, 'g', 15);
}

QString read(const SettingsStore& store, const QString& key, const QString& defaultValue,
             const QLocale& now)
{
    if (!isLocal(key) || !store.contains(key)) return store.GetSetting(key, defaultValue);
    const QString text = store.GetSetting(key, defaultValue);
    const std::optional<QLocale> named = namedLocale(store);
    if (isDateKey(key)) return named ? retypedDate(text, *named, now) : text;
    return retypedNumber(text, named ? *named : unnamedRateLocale(text, now), now);
}

void adopt(SettingsStore& store, const QLocale& now)
{
    const QString name = nameOf(now);
    if (store.GetSetting(QString::fromLatin1(kKey)) == name) return;
    QStringList keys = {QString::fromLatin1(kRateKey)};
    for (const char* key : kDateKeys) keys << QString::fromLatin1(key);
    SettingsStore::Batch batch(store);
    bool any = false;
    for (const QString& key : keys) {
        if (!store.contains(key)) continue;
        // Read before the name changes: each is converted from the locale it was typed in.
        store.SaveSetting(key, read(store, key, QString(), now));
        any = true;
    }
    if (any) store.SaveSetting(QString::fromLatin1(kKey), name);
    batch.commit();
}

void save(SettingsStore& store, const QString& key, const QString& value, const QLocale& now)
{
    if (!isLocal(key)) {
        store.SaveSetting(key, value);
        return;
    }
    SettingsStore::Batch batch(store);
    adopt(store, now);
    store.SaveSetting(key, value);
    store.SaveSetting(QString::fromLatin1(kKey), nameOf(now));
    batch.commit();
}

} // namespace bw::EntryLocale
