// Copying a file whole over another, or leaving the target as it was.
#pragma once

#include <QString>

namespace bw {

// Copies `from` to `to` byte for byte. The copy is written to a temporary file beside
// `to` and renamed over it only when complete, so an existing file at `to` is either
// replaced whole or left exactly as it was. Throws std::runtime_error with a readable
// description when the copy fails; a failed write is a FileWriteError that names its
// cause (a full disk, a read-only or missing folder).
void copyFileReplacing(const QString& from, const QString& to);

} // namespace bw
