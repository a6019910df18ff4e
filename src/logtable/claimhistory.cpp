// The claim history's callbacks over the log's database, and the check of a claim's files.
#include "logtable/claimhistory.h"

#include "logstore/claimstore.h"
#include "logstore/logdatabase.h"

#include <QFileInfo>

namespace bw {

bool isPrintedFile(const ClaimFile& file)
{
    return file.format == QLatin1String("print") || file.path.isEmpty();
}

ClaimFileState claimFileState(const ClaimFile& file)
{
    if (isPrintedFile(file)) return ClaimFileState::Printed;
    if (!QFileInfo(file.path).isFile()) return ClaimFileState::Missing;
    const QString now = fileSha256(file.path);
    if (now.isEmpty()) return ClaimFileState::Unreadable;
    return now.compare(file.sha256, Qt::CaseInsensitive) == 0 ? ClaimFileState::Present
                                                              : ClaimFileState::Changed;
}

ClaimHistorySource claimHistoryOf(LogDatabase* database, bool readOnly)
{
    ClaimHistorySource source;
    source.claims = [database] {
        return database ? ClaimStore(*database).claims() : std::vector<Claim>{};
    };
    if (!database) return source;
    // Its own connection, read-only: the window's never leaves the thread it was made on.
    source.checkChain = [path = database->path()] {
        LogDatabase reader(path, LogDatabase::Access::ReadOnly);
        return ClaimStore(reader).checkChain();
    };
    if (!readOnly) {
        source.mark = [database](qint64 number, bool paid, const QDateTime& at) {
            ClaimStore store(*database);
            if (paid) {
                store.markPaid(number, at);
            } else {
                store.markUnpaid(number, at);
            }
            return store.claim(number);
        };
    }
    return source;
}

} // namespace bw
