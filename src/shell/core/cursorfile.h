#pragma once

#include <QCursor>
#include <QString>

namespace bw {

// Loads a Windows cursor (.cur) or icon (.ico) file as a pointer shape, keeping the
// cursor's hot spot (an icon's is its centre). Throws std::runtime_error
// ("Invalid picture") when the file cannot be read as one.
QCursor loadCursorFile(const QString& path);

} // namespace bw
