// brindlewick-report: the program's report, made without windows, for scripts and benchmarks.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QTextStream;

// brindlewick-report: the program's report, made without windows, for scripts and
// benchmarks.
namespace bw::reporttool {

inline constexpr int kExitDone = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;
// --check-history: the chain of claims and trail entries does not hold, or no longer
// holds the head given with --head.
inline constexpr int kExitChainBroken = 3;

struct Options {
    bool help = false;
    bool version = false;
    bool sample = false;
    // INI file read in place of the settings store; empty for the program's own store.
    QString settingsFile;
    // The log to read: a file when it holds a path separator, else a known log's name;
    // empty for the log opened last.
    QString log;
    // Lists the known logs; nothing else is done.
    bool listLogs = false;
    // CSV file whose trips replace the stored or sample ones; empty for none.
    QString tripsFile;
    // CSV file of rate changes (From, Rate) for the report and the fills of tripsFile.
    QString ratesFile;
    // "km" or "mi" in place of the log's distance unit; empty for the log's own.
    QString unit;
    // A currency sign in place of the log's, where the log puts its sign; empty for none.
    QString currency;
    // .bmp or .png; empty for no picture.
    QString picture;
    QString output;
    // Records a claim of the report written to `output` in the log's database.
    bool recordClaim = false;
    // Lists the claims; no report is made.
    bool listClaims = false;
    // Checks the chain over the claims and their trail; no report is made.
    bool checkHistory = false;
    // With checkHistory: a head kept from an earlier check (64 hex digits) that the chain
    // must still hold; empty for none.
    QString head;
    // Makes claim N's report again into `output`; 0 when not asked.
    qint64 claimNumber = 0;
    // Lists the drives of driveFiles as CSV; no report is made.
    bool listDrives = false;
    QStringList driveFiles;
    // A stop or a gap this many minutes long ends a drive; 0 for the default.
    int minStopMinutes = 0;
    // Prints the summary of the tax year that begins in this year as CSV; 0 when not asked.
    int summaryYear = 0;
};

QString usageLine();
// The first lines of usageLine: the report's and the claims' commands.
QString reportUsageLine();
QString helpText();

// Reads the arguments that follow the program name. A mistake gives no options and its
// description in `error`.
std::optional<Options> parseArguments(const QStringList& arguments, QString& error);

// Makes the report from the stored entries (or the sample data) exactly as the create
// command does, and writes the workbook to options.output and the picture where asked.
// Message boxes and failures go to `err`. Returns the exit status; nothing is written
// unless the whole report was made and both files could be written, and an existing
// output or picture is then left as it was.
int run(const Options& options, QTextStream& err);

// Writes "brindlewick-report: <why>" to `err` as one line; returns `status`.
int say(QTextStream& err, const QString& why, int status);

// The command of `options` on the log the platform names (Platform::logFile).
int runCommand(const Options& options, QTextStream& out, QTextStream& err);

// Arguments in, exit status out: help and usage mistakes, then run.
int main(const QStringList& arguments, QTextStream& out, QTextStream& err);

} // namespace bw::reporttool
