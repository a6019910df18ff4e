// What the grid and its commands say about claimed trips, in words.
#include "logtable/claimnotes.h"

#include "logtable/logtable.h"
#include "platform/datetext.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

namespace bw {

namespace {

// Keys are compared without case and punctuation, so "odometer_start" and
// "OdometerStart" name the store's "odometerStart".
QString plainKey(const QString& key)
{
    QString plain;
    for (const QChar c : key) {
        if (c.isLetterOrNumber()) plain += c.toLower();
    }
    return plain;
}

QString shownText(const QString& text)
{
    return text.isEmpty() ? QCoreApplication::translate("ClaimNotes", "(empty)") : text;
}

} // namespace

QString shortDateTimeText(const QDateTime& at)
{
    const QDateTime local = at.toLocalTime();
    return dateToText(local.date()) + QLatin1Char(' ')
           + QLocale().toString(local.time(), QLocale::ShortFormat);
}

QString tripFieldName(const QString& key)
{
    const QString plain = plainKey(key);
    for (int k = 0; k < LogTable::kFieldCount; ++k) {
        if (plainKey(tripFieldKey(k)) == plain) return fieldCaption(k);
    }
    return key;
}

QString trailLine(const TrailEntry& entry)
{
    const QString when = shortDateTimeText(entry.at);
    switch (entry.change) {
    case TrailEntry::Change::Edited:
        return QCoreApplication::translate("ClaimNotes", "Changed %1 from %2 to %3 on %4")
            .arg(tripFieldName(entry.field), shownText(entry.oldText), shownText(entry.newText),
                 when);
    case TrailEntry::Change::Deleted:
        return QCoreApplication::translate("ClaimNotes", "Deleted on %1").arg(when);
    case TrailEntry::Change::MovedToHistory:
        return QCoreApplication::translate("ClaimNotes", "Moved to the history on %1").arg(when);
    case TrailEntry::Change::Returned:
        return QCoreApplication::translate("ClaimNotes", "Put back on %1").arg(when);
    }
    return QString();
}

QString claimNote(const ClaimMark& mark, const std::vector<TrailEntry>& trail)
{
    const QString saved = shortDateTimeText(mark.savedAt);
    QStringList lines{
        mark.fileName.isEmpty()
            ? QCoreApplication::translate("ClaimNotes", "Claimed in a printed report, saved %1")
                  .arg(saved)
            : QCoreApplication::translate("ClaimNotes", "Claimed in %1, saved %2")
                  .arg(mark.fileName, saved)};
    for (const TrailEntry& entry : trail) {
        if (entry.claimNumber == mark.claimNumber) lines << trailLine(entry);
    }
    return lines.join(QLatin1Char('\n'));
}

QString doubleClaimQuestion(int claimed, int firstRow, const ClaimMark& mark)
{
    const QString where = mark.fileName.isEmpty()
                              ? QCoreApplication::translate("ClaimNotes", "a printed report")
                              : mark.fileName;
    const QString date = dateToText(mark.savedAt.toLocalTime().date());
    return QCoreApplication::translate("ClaimNotes",
                                       "%n of these trips were claimed before, first row %1 in "
                                       "%2 of %3. Create the report anyway?",
                                       nullptr, claimed)
        .arg(firstRow)
        .arg(where, date);
}

} // namespace bw
