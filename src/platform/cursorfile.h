// Loads a Windows cursor file (.cur) as a mouse pointer.
#pragma once

#include <QCursor>
#include <QString>

namespace bw {

// Loads a Windows cursor file (.cur) as a pointer, with the hot spot the file names.
// Throws std::runtime_error ("Invalid picture") when the file cannot be read as one.
QCursor loadCursorFile(const QString& path);

} // namespace bw
