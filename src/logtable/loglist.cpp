// What the Logs window shows and offers.
#include "logtable/loglist.h"

#include "platform/datetext.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>

namespace bw {

std::vector<LogLine> logLines(const std::vector<LogListing>& logs, const QString& openLog)
{
    const QString open = QFileInfo(openLog).absoluteFilePath();
    const QLocale locale;
    std::vector<LogLine> lines;
    lines.reserve(logs.size());
    for (const LogListing& log : logs) {
        LogLine line;
        line.path = log.path;
        line.name = log.name;
        line.where = QDir::toNativeSeparators(QFileInfo(log.path).absolutePath());
        line.open = QFileInfo(log.path).absoluteFilePath() == open;
        line.readable = log.problem.isEmpty();
        if (line.readable) {
            line.vehicle = log.vehicle;
            line.trips = locale.toString(log.trips);
            if (log.latest.isValid()) line.latest = dateToText(log.latest);
        }
        line.state = line.open ? QCoreApplication::translate("LogList", "Open") : log.problem;
        lines.push_back(line);
    }
    return lines;
}

LogCommands logCommands(const LogLine* chosen, const LogCatalog& catalog)
{
    if (chosen == nullptr || chosen->open) return {};
    const QString path = chosen->path;
    const bool byDefault =
        QFileInfo(path).absoluteFilePath() == QFileInfo(catalog.defaultLog()).absoluteFilePath();
    const bool inFolder =
        QFileInfo(path).absolutePath() == QFileInfo(catalog.logsFolder()).absoluteFilePath();
    // A listed log neither beside the settings nor in the logs folder is a remembered one.
    return {chosen->readable, !byDefault, !byDefault && !inFolder, true};
}

QString mainWindowTitle(const QString& product, int knownLogs, const QString& openLog)
{
    if (knownLogs <= 1) return product;
    return QStringLiteral("%1 \u2014 %2").arg(product, LogCatalog::nameOf(openLog));
}

int knownLogCount() { return static_cast<int>(LogCatalog().paths().size()); }

} // namespace bw
