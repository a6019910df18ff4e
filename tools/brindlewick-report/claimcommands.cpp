// The report tool's commands on the log's claims: record, list, remake and check.
#include "brindlewick-report/claimcommands.h"

#include "brindlewick-report/consoledialogs.h"
#include "core/claimstore.h"
#include "core/reportformats.h"
#include "platform/clock.h"
#include "platform/oserror.h"
#include "platform/platform.h"
#include "report/claimreport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include <stdexcept>

namespace bw::reporttool {

namespace {

// The log's database read-only, or nothing when there is none yet (no claims then).
std::unique_ptr<LogDatabase> openLog()
{
    const QString path = LogDatabase::defaultPath();
    if (!QFileInfo::exists(path)) return nullptr;
    return std::make_unique<LogDatabase>(path, LogDatabase::Access::ReadOnly);
}

QString fileText(const ClaimFile& file)
{
    return file.format == QLatin1String("print")
               ? QCoreApplication::translate("ReportTool", "printed")
               : QDir::toNativeSeparators(file.path);
}

QString claimLine(const Claim& claim)
{
    QStringList files;
    for (const ClaimFile& file : claim.files) files << fileText(file);
    QString line =
        QCoreApplication::translate("ReportTool", "%1\t%2\t%3 to %4\t%5\t%6\t%7")
            .arg(claim.number)
            .arg(claim.savedAt.toString(Qt::ISODate), claim.periodFrom.toString(Qt::ISODate),
                 claim.periodTo.toString(Qt::ISODate),
                 QCoreApplication::translate("ReportTool", "%n trip(s)", nullptr, tripCount(claim)),
                 claim.totalAmount, files.join(QStringLiteral(", ")));
    if (claim.paidAt)
        line += QLatin1Char('\t')
                + QCoreApplication::translate("ReportTool", "paid %1")
                      .arg(claim.paidAt->toString(Qt::ISODate));
    return line;
}

} // namespace

ClaimRecording::ClaimRecording() : path_(LogDatabase::defaultPath())
{
    if (!QFileInfo::exists(path_)) {
        refusal_ =
            QCoreApplication::translate(
                "ReportTool", "the trip log %1 has no database yet; open the program once, then "
                              "record the claim")
                .arg(QDir::toNativeSeparators(path_));
        return;
    }
    lock_ = std::make_unique<InstanceLock>(path_, InstanceLock::Holder::ReportTool);
    if (lock_->held()) return;
    const QString shown = QDir::toNativeSeparators(path_);
    if (lock_->error() != 0) {
        refusal_ =
            QCoreApplication::translate("ReportTool",
                                        "the trip log %1 cannot be locked, so no claim can "
                                        "be recorded: %2")
                .arg(shown, osErrorSentence(lock_->error(), path_ + QStringLiteral(".lock")));
    } else if (lock_->holder() == InstanceLock::Holder::ReportTool) {
        refusal_ =
            QCoreApplication::translate(
                "ReportTool", "the trip log %1 is being written by another brindlewick-report, "
                              "so no claim can be recorded; run again when it has finished")
                .arg(shown);
    } else {
        refusal_ = QCoreApplication::translate(
                       "ReportTool",
                       "the trip log %1 is open in the program, so no claim can be recorded; "
                       "close it and run again")
                       .arg(shown);
    }
}

ClaimRecording::~ClaimRecording() = default;

qint64 ClaimRecording::record(const ReportInputs& inputs, const QString& output)
{
    LogDatabase db(path_, LogDatabase::Access::ReadWrite);
    if (db.readOnly()) {
        throw std::runtime_error(
            QCoreApplication::translate("ReportTool",
                                        "the trip log %1 was written by a newer version of the "
                                        "program; no claim was recorded")
                .arg(QDir::toNativeSeparators(path_))
                .toStdString());
    }
    const QString path = QFileInfo(output).absoluteFilePath();
    const ReportFormat format = reportFormatOfPath(output).value_or(ReportFormat::Xls);
    QString suffix = QStringLiteral("xls");
    for (const ReportFormatInfo& info : reportFormats()) {
        if (info.format == format) suffix = info.suffix;
    }
    const ClaimFile file{path, suffix, fileSha256(path), platform().clock->now().toUTC()};
    return ClaimStore(db).recordClaim(claimRecordOf(inputs), file);
}

int listClaims(QTextStream& out, QTextStream& err)
{
    try {
        const std::unique_ptr<LogDatabase> db = openLog();
        if (!db) return kExitDone;
        for (const Claim& claim : ClaimStore(*db).claims()) out << claimLine(claim) << '\n';
        out.flush();
        return kExitDone;
    } catch (const std::exception& failure) {
        return say(err, QString::fromUtf8(failure.what()), kExitFailed);
    }
}

int checkHistory(const QString& head, QTextStream& out, QTextStream& err)
{
    ChainCheck check;
    try {
        if (const std::unique_ptr<LogDatabase> db = openLog())
            check = ClaimStore(*db).checkChain(head);
    } catch (const std::exception& failure) {
        return say(err, QString::fromUtf8(failure.what()), kExitFailed);
    }
    out << QCoreApplication::translate("ReportTool", "Claims: %1").arg(check.claims) << '\n'
        << QCoreApplication::translate("ReportTool", "Chain length: %1").arg(check.entries) << '\n'
        << QCoreApplication::translate("ReportTool", "Chain head: %1")
               .arg(check.head.isEmpty() ? QCoreApplication::translate("ReportTool", "(empty)")
                                         : check.head)
        << '\n';
    out.flush();
    if (!check.holds) {
        return say(err,
                   QCoreApplication::translate("ReportTool",
                                               "the chain does not hold from %1 on: the log was "
                                               "changed outside the program")
                       .arg(check.firstFailure),
                   kExitChainBroken);
    }
    if (!head.isEmpty() && !check.holdsHead) {
        return say(err,
                   QCoreApplication::translate(
                       "ReportTool", "the chain no longer holds the head %1: claims, files, paid "
                                     "marks or trail entries kept up to it were removed")
                       .arg(head.toLower()),
                   kExitChainBroken);
    }
    return kExitDone;
}

int remakeClaim(qint64 number, const QString& output, QTextStream& err)
{
    std::optional<Claim> claim;
    try {
        if (const std::unique_ptr<LogDatabase> db = openLog())
            claim = ClaimStore(*db).claim(number);
    } catch (const std::exception& failure) {
        return say(err, QString::fromUtf8(failure.what()), kExitFailed);
    }
    if (!claim)
        return say(
            err,
            QCoreApplication::translate("ReportTool", "there is no claim %1; nothing was written")
                .arg(number),
            kExitUsage);
    ConsoleDialogs dialogs(err);
    Platform seams = platform();
    seams.dialogs = &dialogs;
    const PlatformOverride useSeams(seams);
    try {
        writeClaimReport(*claim, output);
    } catch (const std::exception& failure) {
        return say(err, QString::fromUtf8(failure.what()), kExitFailed);
    }
    return kExitDone;
}

} // namespace bw::reporttool
