// A backup of a log as its list shows it: when it was taken, and what it holds.
#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

namespace bw {

struct BackupInfo {
    QString path;
    QDateTime when;
    bool readable = false;
    qint64 trips = 0; // its rows that are not blank
    QDate latestTrip; // invalid when there are no dated trips
};

} // namespace bw
