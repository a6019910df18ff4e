// Sentences a person understands for the operating system's reasons a file failed.
#pragma once

#include <QString>

namespace bw {

// Why an operation on `path` failed, from the operating system's error number (errno):
// a full disk, a read-only disk, a missing folder, no permission, or the system's own
// text for anything else. `path` is the file or folder the operation was about.
QString osErrorSentence(int error, const QString& path);

} // namespace bw
