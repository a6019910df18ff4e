// What the claim history window reads and changes of a log, as values and callbacks: the
// window shows claims and never reaches the store that keeps them.
#pragma once

#include "core/claim.h"

#include <QDateTime>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace bw {

class LogDatabase;

// A saved file of a claim against the bytes written then.
enum class ClaimFileState { Checking, Present, Missing, Changed, Unreadable, Printed };

// A claim file that was printed has no file to check.
bool isPrintedFile(const ClaimFile& file);
// Reads the file as it is now (Printed for a printed one): safe on any thread.
ClaimFileState claimFileState(const ClaimFile& file);

struct ClaimHistorySource {
    // The claims in number order; throws with the reason when they cannot be read.
    std::function<std::vector<Claim>()> claims;
    // Checks the chain on a connection of its own, so any thread may call it; throws with
    // the reason when the log cannot be read. Null: there is no history to check.
    std::function<ChainCheck()> checkChain;
    // Marks claim `number` paid (or takes the mark back) at `at` and returns the claim as
    // it stands then; throws with the reason. Null while the log is open read-only.
    std::function<std::optional<Claim>(qint64 number, bool paid, const QDateTime& at)> mark;
};

// The history of the log in `database` (none when it is null), for a log open read-only
// or not.
ClaimHistorySource claimHistoryOf(LogDatabase* database, bool readOnly);

} // namespace bw
