// Claims remembered: the claim tables, their trail and the hash chain over both.
#include "core/claimstore.h"

#include "core/logdatabase.h"

#include <stdexcept>

namespace bw {

namespace {
[[noreturn]] void notBuilt() { throw std::runtime_error("claims: not built yet"); }
} // namespace

ClaimStore::ClaimStore(LogDatabase& database) : db_(database) {}
qint64 ClaimStore::recordClaim(const ClaimRecord&, const ClaimFile&) { notBuilt(); }
void ClaimStore::addFile(qint64, const ClaimFile&) { notBuilt(); }
void ClaimStore::markPaid(qint64, const QDateTime&) { notBuilt(); }
std::vector<Claim> ClaimStore::claims() { notBuilt(); }
std::optional<Claim> ClaimStore::claim(qint64) { notBuilt(); }
std::unordered_map<qint64, ClaimMark> ClaimStore::claimedTrips() { notBuilt(); }
std::vector<TrailEntry> ClaimStore::trailFor(qint64) { notBuilt(); }
ChainCheck ClaimStore::checkChain() { notBuilt(); }
QString fileSha256(const QString&) { notBuilt(); }

} // namespace bw
