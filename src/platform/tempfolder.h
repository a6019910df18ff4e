// The program's private temporary folder (mode 0700), created safely on first use.
#pragma once

#include <QString>

namespace bw {

// The program's private temporary folder: a folder only the user can enter (mode 0700)
// inside the system's temporary folder (or Platform::tempRoot). Created on first use;
// an existing folder of that name that is not ours, or is a link, is refused.
// Throws std::runtime_error with a readable description when it cannot be made safe.
QString privateTempFolder();

} // namespace bw
