// What the Logs window shows and offers, decided without a widget.
#pragma once

#include "logstore/logcatalog.h"

#include <QString>

#include <vector>

namespace bw {

// One line of the list, in the person's words.
struct LogLine {
    QString path; // absolute
    QString name;
    QString vehicle;
    QString trips;  // the count in this locale's digits, empty when the log cannot be read
    QString latest; // the latest trip's date as this locale writes it, or empty
    QString where;  // the folder, as the system writes paths
    QString state;  // "Open" for the open log, or why the log cannot be read
    bool open = false;
    bool readable = true;
};

std::vector<LogLine> logLines(const std::vector<LogListing>& logs, const QString& openLog);

// The commands that apply to the line chosen (none without one): the open log is neither
// opened again, renamed, dropped from the list nor moved; the log beside the settings keeps
// its name; only a log remembered from elsewhere leaves the list while its file stays.
struct LogCommands {
    bool open = false;
    bool rename = false;
    bool forget = false;
    bool trash = false;
};
// `chosen` is one of the catalogue's lines.
LogCommands logCommands(const LogLine* chosen, const LogCatalog& catalog);

// The main window's title: the product's alone while one log is known, else with the open
// log's name, "Brindlewick — Van".
QString mainWindowTitle(const QString& product, int knownLogs, const QString& openLog);
// How many logs the catalogue knows now.
int knownLogCount();

} // namespace bw
