// The report tool's commands on the log's claims: record, list, remake and check.
#pragma once

#include "brindlewick-report/reporttool.h"
#include "core/logdatabase.h"

#include <QString>

#include <memory>

class QTextStream;

namespace bw {
class ReportInputs;
}

namespace bw::reporttool {

// What --record-claim needs before the report is made: the log's write lock, held until
// the claim is recorded so that no other process changes the trips in between.
class ClaimRecording {
public:
    ClaimRecording();
    ~ClaimRecording();
    ClaimRecording(const ClaimRecording&) = delete;
    ClaimRecording& operator=(const ClaimRecording&) = delete;

    // Empty when the claim can be recorded; otherwise why not (the log is open in the
    // program, or has no database yet).
    QString refusal() const { return refusal_; }
    // Records the claim of `inputs` for `output`, as written; throws std::exception.
    qint64 record(const ReportInputs& inputs, const QString& output);

private:
    QString path_;
    QString refusal_;
    std::unique_ptr<InstanceLock> lock_;
};

// --claims, --check-history [--head HASH] and --claim N OUTPUT: the exit status.
int listClaims(QTextStream& out, QTextStream& err);
int checkHistory(const QString& head, QTextStream& out, QTextStream& err);
int remakeClaim(qint64 number, const QString& output, QTextStream& err);

} // namespace bw::reporttool
