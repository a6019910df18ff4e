// brindlewick-report: the program's report made without windows.
#include "brindlewick-report/reporttool.h"

#include "brindlewick-report/claimcommands.h"
#include "brindlewick-report/consoledialogs.h"
#include "brindlewick-report/drivelisting.h"
#include "brindlewick-report/stagedfile.h"
#include "brindlewick-report/summarycommand.h"
#include "core/errorlocation.h"
#include "core/mainmodule.h"
#include "core/reportformats.h"
#include "core/steptrap.h"
#include "logstore/logcatalog.h"
#include "logstore/logdatabase.h"
#include "logstore/settingsstore.h"
#include "logtable/tripcsv.h"
#include "platform/appidentity.h"
#include "platform/platform.h"
#include "platform/replacingfile.h"
#include "report/headlessreport.h"
#include "report/mileagelog.h"
#include "report/storedinputs.h"
#include "spreadsheet/model/errors.h"
#include "spreadsheet/render/sheetpicture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextStream>

#include <memory>
#include <stdexcept>
#include <utility>

namespace bw::reporttool {

namespace {

constexpr char kProgram[] = "brindlewick-report";

bool isRasterPicture(const QString& path)
{
    const ss::render::PictureFileFormat format = ss::render::pictureFileFormat(path);
    return format == ss::render::PictureFileFormat::Bmp
           || format == ss::render::PictureFileFormat::Png;
}

// The picture is written under its staged name; its pixels go out a band of rows at a
// time, however long the log.
void savePicture(const ss::render::SheetPicture& picture, const StagedFile& staged)
{
    if (picture.isNull())
        throw std::runtime_error(
            QCoreApplication::translate("ReportTool", "The report has no picture to write.")
                .toStdString());
    try {
        ReplacingFile file(staged.path());
        try {
            ss::render::writePictureFile(picture, file,
                                         ss::render::pictureFileFormat(staged.target()));
        } catch (const ss::SpreadsheetError&) {
            if (file.systemError() == 0) throw;
            throw FileWriteError(file.systemError(), staged.path());
        }
        file.commit();
    } catch (const FileWriteError& failure) {
        // Named after the file the user asked for, not its staged name.
        throw FileWriteError(failure.error(), staged.target());
    }
}

// The temporary workbook belongs to whoever took it from the preview; here, to the run.
class TemporaryWorkbook {
public:
    explicit TemporaryWorkbook(QString path) : path_(std::move(path)) {}
    ~TemporaryWorkbook()
    {
        if (!path_.isEmpty()) DeleteFileQuietly(path_);
    }
    TemporaryWorkbook(const TemporaryWorkbook&) = delete;
    TemporaryWorkbook& operator=(const TemporaryWorkbook&) = delete;

private:
    QString path_;
};

// The report module keeps its closed workbook between commands; a run leaves nothing held.
struct ReleaseReportState {
    ~ReleaseReportState()
    {
        MileageLog::mExcelApp = ss::automation::Application();
        MileageLog::mWorkbook = ss::automation::Workbook();
    }
};

int failed(QTextStream& err, const QString& why) { return say(err, why, kExitFailed); }

bool readInputs(const Options& options, StoredReportInputs& inputs, QTextStream& err)
{
    if (options.sample) {
        inputs.fillSample();
        return true;
    }
    if (!options.settingsFile.isEmpty()) {
        const QFileInfo file(options.settingsFile);
        if (!file.isFile() || !file.isReadable()) {
            failed(err,
                   QCoreApplication::translate("ReportTool", "cannot read the settings file \"%1\"")
                       .arg(options.settingsFile));
            return false;
        }
    }
    SettingsStore store;
    StepTrap trap(QString::fromLatin1(ErrorLocation::Form1_Form_Load));
    try {
        inputs.restore(store, trap);
    } catch (const std::exception& failure) {
        failed(err, QCoreApplication::translate("ReportTool", "the trip log could not be read: %1")
                        .arg(QString::fromUtf8(failure.what())));
        return false;
    }
    return true;
}

// The trips of the CSV file in place of the stored ones. Bad lines are listed and the good
// trips used, as answering Yes to the program's question does.
bool readTrips(const Options& options, StoredReportInputs& inputs, QTextStream& err)
{
    QFile file(options.tripsFile);
    if (!file.open(QIODevice::ReadOnly)) {
        failed(err,
               QCoreApplication::translate("ReportTool", "cannot read the trips file \"%1\": %2")
                   .arg(options.tripsFile, file.errorString()));
        return false;
    }
    const TripImport read = readTripsCsv(file.readAll());
    if (!read.failure.isEmpty() || read.trips.empty()) {
        failed(err, QCoreApplication::translate("ReportTool", "no trips in \"%1\": %2")
                        .arg(options.tripsFile,
                             read.failure.isEmpty() ? problemLines(read.problems) : read.failure));
        return false;
    }
    if (!read.problems.empty()) {
        err << kProgram << ": "
            << QCoreApplication::translate("ReportTool", "lines of \"%1\" left out:")
                   .arg(options.tripsFile)
            << '\n'
            << problemLines(read.problems, static_cast<int>(read.problems.size()))
                   .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
            << '\n';
        err.flush();
    }
    if (read.trips.size() > static_cast<std::size_t>(kMaxTrips)) {
        failed(err, QCoreApplication::translate("ReportTool", "\"%1\" holds more than %2 trips")
                        .arg(options.tripsFile)
                        .arg(kMaxTrips));
        return false;
    }
    inputs.useTrips(read.trips);
    return true;
}

// The rate changes of the CSV file. Unlike trips, a rate that cannot be read would pay
// trips wrongly without a sign, so any bad line stops the run.
bool readRates(const Options& options, StoredReportInputs& inputs, QTextStream& err)
{
    QFile file(options.ratesFile);
    if (!file.open(QIODevice::ReadOnly)) {
        failed(err,
               QCoreApplication::translate("ReportTool", "cannot read the rates file \"%1\": %2")
                   .arg(options.ratesFile, file.errorString()));
        return false;
    }
    const RateImport read = readRatesCsv(file.readAll());
    if (!read.failure.isEmpty()) {
        failed(err, QCoreApplication::translate("ReportTool", "no rates in \"%1\": %2")
                        .arg(options.ratesFile, read.failure));
        return false;
    }
    if (!read.problems.empty()) {
        failed(err,
               QCoreApplication::translate(
                   "ReportTool", "lines of \"%1\" that cannot be read; nothing was written:\n%2")
                   .arg(options.ratesFile,
                        problemLines(read.problems, static_cast<int>(read.problems.size()))
                            .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))));
        return false;
    }
    inputs.useRates(RateSchedule(read.changes));
    return true;
}

int recordClaim(ClaimRecording& recording, const ReportInputs& inputs, const QString& output,
                QTextStream& err)
{
    try {
        const qint64 number = recording.record(inputs, output);
        err << kProgram << ": "
            << QCoreApplication::translate("ReportTool", "recorded claim %1").arg(number) << '\n';
        err.flush();
        return kExitDone;
    } catch (const std::exception& failure) {
        return failed(
            err, QCoreApplication::translate(
                     "ReportTool", "the report was written to %1, but no claim was recorded: %2")
                     .arg(output, QString::fromUtf8(failure.what())));
    }
}

// Both files are written under temporary names first; only when both are complete do
// they take their places, so a run that fails changes neither.
void writeOutputs(const CapturedPreview& preview, const Options& options)
{
    StagedFile workbook(options.output);
    // A name without a suffix of ours is a script's choice; it gets the workbook.
    const ReportFormat format = reportFormatOfPath(options.output).value_or(ReportFormat::Xls);
    try {
        writeReportFile(preview.excelFile(), workbook.path(), format);
    } catch (const FileWriteError& failure) {
        // Named after the file the user asked for, not its staged name.
        throw FileWriteError(failure.error(), options.output);
    }
    if (options.picture.isEmpty()) {
        workbook.commit();
        return;
    }
    StagedFile picture(options.picture);
    savePicture(preview.picture(), picture);
    commitBoth(picture, workbook);
}

// The claim commands make no report of the log as it is now, so the report's options mean
// nothing to them; a claim is recorded only of the log's own trips, whose ids it keeps.
bool checkClaimOptions(const Options& options, const QStringList& positional, QString& error)
{
    const int commands = int(options.listClaims) + int(options.checkHistory)
                         + int(options.claimNumber > 0) + int(options.recordClaim);
    if (commands > 1) {
        error = QCoreApplication::translate(
            "ReportTool",
            "only one of --record-claim, --claims, --check-history and --claim can be "
            "given");
        return false;
    }
    const bool reportOptions = options.sample || !options.tripsFile.isEmpty()
                               || !options.ratesFile.isEmpty() || !options.picture.isEmpty()
                               || !options.unit.isEmpty() || !options.currency.isEmpty();
    if ((options.listClaims || options.checkHistory) && (reportOptions || !positional.isEmpty())) {
        error = QCoreApplication::translate(
            "ReportTool", "--claims and --check-history take no output file and no report options");
        return false;
    }
    if (options.claimNumber > 0) {
        if (reportOptions) {
            error = QCoreApplication::translate(
                "ReportTool", "--claim makes the claim's report from what it holds: it takes no "
                              "report options");
            return false;
        }
        if (positional.size() == 1 && !reportFormatOfPath(positional.front())) {
            error = QCoreApplication::translate(
                "ReportTool", "the output of --claim must end in .xls, .xlsx or .pdf");
            return false;
        }
    }
    if (options.recordClaim && (options.sample || !options.tripsFile.isEmpty())) {
        error = QCoreApplication::translate(
            "ReportTool",
            "--record-claim records the stored trips only: not with --sample or --trips");
        return false;
    }
    return true;
}

// --list-drives reads files and the log's unit only; the report's and the claims' options
// mean nothing to it.
bool checkDriveOptions(Options& options, const QStringList& positional, const QString& minStop,
                       QString& error)
{
    const bool others = options.sample || !options.tripsFile.isEmpty()
                        || !options.ratesFile.isEmpty() || !options.picture.isEmpty()
                        || !options.currency.isEmpty() || options.recordClaim || options.listClaims
                        || options.checkHistory || options.claimNumber > 0
                        || !options.head.isEmpty();
    if (others) {
        error = QCoreApplication::translate(
            "ReportTool",
            "--list-drives takes no options but --settings, --log, --unit and --min-stop");
        return false;
    }
    if (positional.isEmpty()) {
        error = QCoreApplication::translate("ReportTool", "--list-drives needs a file to read");
        return false;
    }
    if (!options.unit.isEmpty() && !unitFromCode(options.unit)) {
        error = QCoreApplication::translate("ReportTool", "--unit takes km or mi, not %1")
                    .arg(options.unit);
        return false;
    }
    bool ok = true;
    options.minStopMinutes = minStop.isEmpty() ? 0 : minStop.toInt(&ok);
    if (!ok || options.minStopMinutes < 0 || options.minStopMinutes > 1440
        || (!minStop.isEmpty() && options.minStopMinutes == 0)) {
        error = QCoreApplication::translate("ReportTool",
                                            "--min-stop takes whole minutes from 1 to 1440, not %1")
                    .arg(minStop);
        return false;
    }
    options.driveFiles = positional;
    return true;
}

// A year as a script writes it: four digits, the year a tax year begins in.
bool readSummaryYear(const QString& text, Options& options, QString& error)
{
    static const QRegularExpression year(QStringLiteral("^[0-9]{4}$"));
    if (options.summaryYear > 0) {
        error = QCoreApplication::translate("ReportTool", "%1 is given twice")
                    .arg(QStringLiteral("--summary"));
        return false;
    }
    options.summaryYear = year.match(text).hasMatch() ? text.toInt() : 0;
    if (options.summaryYear > 0) return true;
    error = QCoreApplication::translate("ReportTool", "--summary needs a year such as 2025, not "
                                                      "\"%1\"")
                .arg(text);
    return false;
}

// --summary reads the log and prints; it takes no option but --settings.
bool checkSummaryOptions(const Options& options, const QStringList& positional,
                         const QString& minStop, QString& error)
{
    const bool others = options.sample || !options.tripsFile.isEmpty()
                        || !options.ratesFile.isEmpty() || !options.picture.isEmpty()
                        || !options.unit.isEmpty() || !options.currency.isEmpty()
                        || options.recordClaim || options.listClaims || options.checkHistory
                        || options.claimNumber > 0 || !options.head.isEmpty() || options.listDrives
                        || !minStop.isEmpty() || !positional.isEmpty();
    if (others) {
        error = QCoreApplication::translate(
            "ReportTool", "--summary takes no output file and no options but --settings and --log");
        return false;
    }
    return true;
}

// A head is a SHA-256 as Claim History and --check-history print it, of the chain only.
bool checkHeadOption(const Options& options, QString& error)
{
    static const QRegularExpression hash(QStringLiteral("^[0-9a-fA-F]{64}$"));
    if (!options.checkHistory) {
        error = QCoreApplication::translate("ReportTool", "--head goes with --check-history");
        return false;
    }
    if (!hash.match(options.head).hasMatch()) {
        error = QCoreApplication::translate("ReportTool",
                                            "--head needs a chain head of 64 hex digits, not "
                                            "\"%1\"")
                    .arg(options.head);
        return false;
    }
    return true;
}

// --logs reads the list only: it takes nothing but --settings.
bool checkLogsOption(const Options& options, const QStringList& positional, const QString& minStop,
                     QString& error)
{
    const bool others = options.sample || !options.tripsFile.isEmpty()
                        || !options.ratesFile.isEmpty() || !options.picture.isEmpty()
                        || !options.unit.isEmpty() || !options.currency.isEmpty()
                        || options.recordClaim || options.listClaims || options.checkHistory
                        || options.claimNumber > 0 || !options.head.isEmpty() || options.listDrives
                        || options.summaryYear > 0 || !options.log.isEmpty() || !minStop.isEmpty()
                        || !positional.isEmpty();
    if (!others) return true;
    error = QCoreApplication::translate("ReportTool", "--logs takes no options but --settings");
    return false;
}

// The known logs, one a line: name, trips and the log's file, tab-separated. One that
// cannot be read is named on standard error with the reason (status 1).
int listLogs(QTextStream& out, QTextStream& err)
{
    int status = kExitDone;
    for (const QString& path : LogCatalog().paths()) {
        if (!QFileInfo::exists(path)) continue; // the default log before the first start
        const LogListing log = LogCatalog::describe(path);
        if (!log.problem.isEmpty()) {
            status = say(err, QStringLiteral("%1: %2").arg(log.path, log.problem), kExitFailed);
            continue;
        }
        out << log.name << '\t' << log.trips << '\t' << QDir::toNativeSeparators(log.path) << '\n';
    }
    out.flush();
    return status;
}

// The log a command reads: the one named by --log, else the one opened last. Empty for
// the log beside the settings, which is read as it always was.
std::optional<QString> chosenLog(const Options& options, QTextStream& err)
{
    const LogCatalog catalog;
    try {
        const QString path =
            options.log.isEmpty() ? catalog.lastOpened() : catalog.resolve(options.log);
        return path == catalog.defaultLog() ? QString() : path;
    } catch (const LogCatalogError& failure) {
        say(err, QString::fromUtf8(failure.what()), kExitUsage);
        return std::nullopt;
    }
}

// --unit and --currency over the log's own.
void useUnitOptions(const Options& options, StoredReportInputs& inputs)
{
    LogUnits units = inputs.units();
    if (const std::optional<DistanceUnit> unit = unitFromCode(options.unit)) units.distance = *unit;
    if (!options.currency.isEmpty()) units.currency.symbol = options.currency;
    inputs.useUnits(units);
}

} // namespace

int say(QTextStream& err, const QString& why, int status)
{
    err << kProgram << ": " << why << '\n';
    err.flush();
    return status;
}

QString usageLine()
{
    return reportUsageLine() + QLatin1Char('\n')
           + QCoreApplication::translate("ReportTool", "       %1 [--settings FILE.ini] [--log "
                                                       "NAME|FILE] [--unit km|mi] [--min-stop "
                                                       "MINUTES] --list-drives FILE...")
                 .arg(QLatin1String(kProgram));
}

QString reportUsageLine()
{
    return QCoreApplication::translate(
               "ReportTool",
               "Usage: %1 [--sample | [--settings FILE.ini] [--log NAME|FILE]] [--trips FILE.csv] "
               "[--rates FILE.csv] [--unit km|mi] [--currency SIGN] [--picture FILE.bmp|FILE.png] "
               "[--record-claim] OUTPUT.xls|OUTPUT.xlsx|OUTPUT.pdf\n"
               "       %1 [--settings FILE.ini] [--log NAME|FILE] --claims | --check-history "
               "[--head HASH] | --claim N OUTPUT | --summary YEAR\n"
               "       %1 [--settings FILE.ini] --logs")
        .arg(QLatin1String(kProgram));
}

QString helpText()
{
    return usageLine() + QCoreApplication::translate("ReportTool", R"(

Makes the mileage report that "Start Creating Template" makes, without a window, and
writes it to OUTPUT: byte for byte the file that saving the report from the preview
window writes. OUTPUT ending in .xlsx gets the same workbook as an Excel Workbook, one
ending in .pdf the report's printed pages as a PDF (suffixes in any letter case); any
other name gets the Excel 97-2003 workbook.

The log read is the one opened last in the program, or the one --log names; it is
opened read-only and never upgraded. Its employee entries and period come from the
log itself, or, for the log beside the settings before the program has moved them
into it, from the program's settings store as the program reads them when it starts
(the INI file Varnholt/Brindlewick.ini in $XDG_CONFIG_HOME or ~/.config; the
program's registry key on Windows). The trips come from the log's database
(Varnholt/Brindlewick.sqlite beside the settings, or Varnholt/logs/NAME.sqlite);
where there is no database yet, from the store as earlier versions kept them. The report
names distances in the log's unit and amounts in its currency (miles and "$" without
a database). Nothing is written to the log unless --record-claim is given.

Options:
  --sample             use the sample data instead of the stored entries and trips;
                       the settings store is not read
  --settings FILE.ini  read the entries from FILE.ini in the store's format and the
                       trips from FILE.sqlite beside it; the logs folder and the log
                       opened last are then the ones beside FILE.ini
  --log NAME|FILE      read that log instead of the one opened last in the program:
                       an argument with a path separator is a log's file, any other
                       the name of a known log (see --logs). A log keeps its employee
                       entries and period itself once the program has opened it, so
                       its file alone makes the report, wherever it lies
  --logs               list the known logs, one a line: name, trips (blank rows not
                       counted) and the full path of its file, separated by tabs. The
                       known logs are the one beside the settings, every .sqlite file
                       in Varnholt/logs and the logs opened elsewhere. A log that
                       cannot be read is named on standard error (status 1)
  --trips FILE.csv     use the trips of FILE.csv (as "Import Trips from CSV..." reads
                       it) instead of the stored or sample ones; Mileage and
                       Reimbursement are filled in where empty, with the stored or
                       sample rate; lines that cannot be read are listed and left out
  --rates FILE.csv     pay the trips at the rate changes of FILE.csv (columns "From",
                       a date, ISO or your short form, and "Rate", a number read as
                       the trips' numbers are, and an optional "From Distance", the
                       distance driven in the tax year the change applies from, with
                       which "From" may be empty: the start of every tax year) for
                       the report and for the fills of --trips; without it the
                       program's stored changes apply. A line that cannot be read, or
                       a rate or distance below 0, is listed with its reason and
                       nothing is written (status 1)
  --unit km|mi         name distances in kilometres or miles instead of the log's
                       unit (words only: the numbers are the log's)
  --currency SIGN      show amounts with SIGN instead of the log's currency sign, where
                       the log places its sign
  --picture FILE       also write the picture of the sheet, as BMP or PNG by the
                       file's suffix
  --record-claim       record a claim of the report written to OUTPUT in the log's
                       database, as saving it from the preview window does: what it
                       held, its trips and the file's SHA-256. The log must not be
                       open in the program (status 1, no claim; OUTPUT is kept)
  --claims             list the claims, one a line: number, saved when (UTC),
                       period, trips, total in the claim's currency, files (and when
                       it was paid)
  --claim N OUTPUT     make claim N's report again from what the claim held, in the
                       locale, unit and currency it was made in, whatever the log
                       holds now
  --check-history      print the number of claims, the length of the chain over the
                       claims and the trail of changes to claimed trips, and its head
                       (status 3 when the chain does not hold, naming where it fails).
                       No chain kept inside the log can notice its own end being cut
                       off (the last claims deleted with their links, or every claim
                       table emptied): keep the head elsewhere and give it with --head
  --head HASH          with --check-history: status 3 unless the chain still contains
                       HASH, a head kept from Claim History or an earlier check
                       (status 2 when HASH is not 64 hex digits)
  --summary YEAR       print the summary of the log's tax year that begins in YEAR
                       (the log's tax-year start, 1 January unless changed) as CSV:
                       Month,Trips,Distance,Reimbursement,Claimed,Paid,Not Yet Claimed,
                       one row a tax month labelled YYYY-MM by the month it begins in,
                       then Total; plain numbers, '.' for decimals, no currency sign.
                       Claimed trips moved out of the grid count too. A year without
                       trips prints its empty months; a YEAR that is not a year of
                       four digits is refused (status 2)
  -h, --help           show this text
      --version        show the program's version

Message boxes are written to standard error; a question is answered Yes. A notice
(a text cut to fit its cell, for example) is no failure. When the report cannot be
made in full, or a file cannot be written, nothing is written: an existing OUTPUT or
picture file is left as it was.

Exit status: 0 when the report was written, 1 when it failed, 2 for bad arguments
(a claim that does not exist included), 3 when --check-history finds the chain broken
or without the head given with --head.
)") + QCoreApplication::translate("ReportTool", R"(
Drives (--list-drives FILE...):
  --list-drives        print the drives found in the files (GPX tracks, the Timeline
                       export of a phone, months of Semantic Location History) as CSV
                       that "Import Trips from CSV..." reads: Date as YYYY-MM-DD, the
                       local day at the drive's start; Starting Location and Destination
                       named after the log's saved places (within each place's radius,
                       the nearest), else where the export names the places; Mileage in
                       the log's unit with one decimal. Nothing is written, the log is
                       only read. When a file cannot be read,
                       it is named with the reason and nothing is printed (status 1)
  --min-stop MINUTES   a stop, or a gap between the times of a track, this many
                       minutes long ends a drive (5 when not given)
  --unit km|mi         give Mileage in kilometres or miles instead of the log's unit
)");
}

std::optional<Options> parseArguments(const QStringList& arguments, QString& error)
{
    Options options;
    QStringList positional;
    bool optionsEnded = false;
    QString minStop;
    const auto takeValue = [&](qsizetype& i, const QString& name, QString& into,
                               const QString& what = QStringLiteral("a file name")) {
        QString value;
        const QString& argument = arguments[i];
        if (argument.startsWith(name + QLatin1Char('='))) {
            value = argument.mid(name.size() + 1);
        } else if (i + 1 < arguments.size()) {
            value = arguments[++i];
        } else {
            error = QCoreApplication::translate("ReportTool", "%1 needs %2").arg(name, what);
            return false;
        }
        if (value.isEmpty()) {
            error = QCoreApplication::translate("ReportTool", "%1 needs %2").arg(name, what);
            return false;
        }
        if (!into.isEmpty()) {
            error = QCoreApplication::translate("ReportTool", "%1 is given twice").arg(name);
            return false;
        }
        into = value;
        return true;
    };
    const auto is = [](const QString& argument, const char* name) {
        const QLatin1String option(name);
        return argument == option || argument.startsWith(option + QLatin1Char('='));
    };

    const auto takeNumber = [&](qsizetype& i, QString& into) {
        const QString& argument = arguments[i];
        if (argument.startsWith(QStringLiteral("--claim="))) {
            into = argument.mid(8);
        } else if (i + 1 < arguments.size()) {
            into = arguments[++i];
        } else {
            error = QCoreApplication::translate("ReportTool", "--claim needs a claim number");
            return false;
        }
        return true;
    };

    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (optionsEnded || !argument.startsWith(QLatin1Char('-'))
            || argument == QLatin1String("-")) {
            positional << argument;
        } else if (argument == QLatin1String("--")) {
            optionsEnded = true;
        } else if (argument == QLatin1String("-h") || argument == QLatin1String("--help")) {
            options.help = true;
        } else if (argument == QLatin1String("--version")) {
            options.version = true;
        } else if (argument == QLatin1String("--sample")) {
            options.sample = true;
        } else if (argument == QLatin1String("--record-claim")) {
            options.recordClaim = true;
        } else if (argument == QLatin1String("--claims")) {
            options.listClaims = true;
        } else if (argument == QLatin1String("--check-history")) {
            options.checkHistory = true;
        } else if (argument == QLatin1String("--list-drives")) {
            options.listDrives = true;
        } else if (argument == QLatin1String("--logs")) {
            options.listLogs = true;
        } else if (is(argument, "--log")) {
            if (!takeValue(i, QStringLiteral("--log"), options.log,
                           QStringLiteral("a log's name or file")))
                return std::nullopt;
        } else if (is(argument, "--summary")) {
            QString year;
            if (!takeValue(i, QStringLiteral("--summary"), year, QStringLiteral("a year")))
                return std::nullopt;
            if (!readSummaryYear(year, options, error)) return std::nullopt;
        } else if (is(argument, "--min-stop")) {
            if (!takeValue(i, QStringLiteral("--min-stop"), minStop, QStringLiteral("minutes")))
                return std::nullopt;
        } else if (is(argument, "--head")) {
            if (!takeValue(i, QStringLiteral("--head"), options.head,
                           QStringLiteral("a chain head (64 hex digits)")))
                return std::nullopt;
        } else if (is(argument, "--claim")) {
            QString number;
            if (!takeNumber(i, number)) return std::nullopt;
            bool ok = false;
            options.claimNumber = number.toLongLong(&ok);
            if (!ok || options.claimNumber < 1) {
                error = QCoreApplication::translate("ReportTool",
                                                    "--claim needs a claim number from 1 on, "
                                                    "not \"%1\"")
                            .arg(number);
                return std::nullopt;
            }
        } else if (is(argument, "--picture")) {
            if (!takeValue(i, QStringLiteral("--picture"), options.picture)) return std::nullopt;
        } else if (is(argument, "--rates")) {
            if (!takeValue(i, QStringLiteral("--rates"), options.ratesFile)) return std::nullopt;
        } else if (is(argument, "--trips")) {
            if (!takeValue(i, QStringLiteral("--trips"), options.tripsFile)) return std::nullopt;
        } else if (is(argument, "--unit")) {
            if (!takeValue(i, QStringLiteral("--unit"), options.unit, QStringLiteral("km or mi")))
                return std::nullopt;
        } else if (is(argument, "--currency")) {
            if (!takeValue(i, QStringLiteral("--currency"), options.currency,
                           QStringLiteral("a currency sign")))
                return std::nullopt;
        } else if (is(argument, "--settings")) {
            if (!takeValue(i, QStringLiteral("--settings"), options.settingsFile))
                return std::nullopt;
        } else {
            error = QCoreApplication::translate("ReportTool", "unknown option %1").arg(argument);
            return std::nullopt;
        }
    }
    if (options.help || options.version) return options;
    if (options.listLogs) {
        if (!checkLogsOption(options, positional, minStop, error)) return std::nullopt;
        return options;
    }
    if (options.sample && !options.log.isEmpty()) {
        error = QCoreApplication::translate("ReportTool", "--sample and --log exclude each other");
        return std::nullopt;
    }
    if (!options.head.isEmpty() && !checkHeadOption(options, error)) return std::nullopt;
    if (options.summaryYear > 0) {
        if (!checkSummaryOptions(options, positional, minStop, error)) return std::nullopt;
        return options;
    }
    if (options.listDrives) {
        if (!checkDriveOptions(options, positional, minStop, error)) return std::nullopt;
        return options;
    }
    if (!minStop.isEmpty()) {
        error = QCoreApplication::translate("ReportTool", "--min-stop goes with --list-drives");
        return std::nullopt;
    }
    if (!checkClaimOptions(options, positional, error)) return std::nullopt;
    if (options.listClaims || options.checkHistory) return options;
    if (positional.size() != 1) {
        error =
            positional.isEmpty()
                ? QCoreApplication::translate("ReportTool", "the output file is missing")
                : QCoreApplication::translate("ReportTool", "only one output file can be given");
        return std::nullopt;
    }
    options.output = positional.front();
    if (!options.unit.isEmpty() && !unitFromCode(options.unit)) {
        error = QCoreApplication::translate("ReportTool", "--unit takes km or mi, not %1")
                    .arg(options.unit);
        return std::nullopt;
    }
    if (options.sample && !options.settingsFile.isEmpty()) {
        error =
            QCoreApplication::translate("ReportTool", "--sample and --settings exclude each other");
        return std::nullopt;
    }
    if (!options.picture.isEmpty() && !isRasterPicture(options.picture)) {
        error =
            QCoreApplication::translate("ReportTool", "the picture file must end in .bmp or .png");
        return std::nullopt;
    }
    if (!options.picture.isEmpty()
        && QFileInfo(options.picture).absoluteFilePath()
               == QFileInfo(options.output).absoluteFilePath()) {
        error = QCoreApplication::translate("ReportTool",
                                            "the picture and the workbook cannot be the same file");
        return std::nullopt;
    }
    return options;
}

int run(const Options& options, QTextStream& err)
{
    ConsoleDialogs dialogs(err);
    Platform seams = platform();
    seams.dialogs = &dialogs;
    if (!options.settingsFile.isEmpty()) seams.settingsFile = options.settingsFile;
    const PlatformOverride useSeams(seams);
    const ReleaseReportState release;

    std::unique_ptr<ClaimRecording> recording;
    if (options.recordClaim) {
        recording = std::make_unique<ClaimRecording>();
        if (!recording->refusal().isEmpty()) return failed(err, recording->refusal());
    }
    StoredReportInputs inputs;
    if (!readInputs(options, inputs, err)) return kExitFailed;
    useUnitOptions(options, inputs);
    if (!options.ratesFile.isEmpty() && !readRates(options, inputs, err)) return kExitFailed;
    if (!options.tripsFile.isEmpty() && !readTrips(options, inputs, err)) return kExitFailed;
    if (dialogs.failures() > 0) {
        return failed(
            err, QCoreApplication::translate(
                     "ReportTool", "the stored entries could not be read; no report was made"));
    }

    HeadlessMainWindow window;
    CapturedPreview preview;
    MileageLog::CreateReportCommand(inputs, window, preview);
    const TemporaryWorkbook temporary(preview.excelFile());
    if (dialogs.failures() > 0 || !preview.shown() || preview.excelFile().isEmpty()) {
        return failed(err, QCoreApplication::translate(
                               "ReportTool", "the report could not be made; nothing was written"));
    }
    try {
        writeOutputs(preview, options);
    } catch (const std::exception& failure) {
        return failed(err, QString::fromUtf8(failure.what()));
    }
    if (recording) return recordClaim(*recording, inputs, options.output, err);
    return kExitDone;
}

int main(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    QString error;
    const std::optional<Options> options = parseArguments(arguments, error);
    if (!options) {
        err << kProgram << ": " << error << '\n'
            << usageLine() << '\n'
            << QCoreApplication::translate("ReportTool", "Try '%1 --help' for more.")
                   .arg(QLatin1String(kProgram))
            << '\n';
        err.flush();
        return kExitUsage;
    }
    if (options->help || options->version) {
        out << (options->help
                    ? helpText()
                    : QStringLiteral("%1 %2\n").arg(QLatin1String(kProgram), applicationVersion()));
        out.flush();
        return kExitDone;
    }
    Platform seams = platform();
    if (!options->settingsFile.isEmpty()) seams.settingsFile = options->settingsFile;
    const PlatformOverride useSettings(seams);
    if (options->listLogs) return listLogs(out, err);
    if (!options->sample) {
        const std::optional<QString> log = chosenLog(*options, err);
        if (!log) return kExitUsage;
        seams.logFile = *log;
    }
    const PlatformOverride useLog(seams);
    return runCommand(*options, out, err);
}

int runCommand(const Options& options, QTextStream& out, QTextStream& err)
{
    if (options.listDrives) {
        DriveListing listing{options.driveFiles, options.unit, std::nullopt};
        if (options.minStopMinutes > 0) listing.minStopMinutes = options.minStopMinutes;
        return listDrives(listing, out, err);
    }
    if (options.summaryYear > 0) return printSummary(options.summaryYear, out, err);
    if (options.listClaims) return listClaims(out, err);
    if (options.checkHistory) return checkHistory(options.head, out, err);
    if (options.claimNumber > 0) return remakeClaim(options.claimNumber, options.output, err);
    return run(options, err);
}

} // namespace bw::reporttool
