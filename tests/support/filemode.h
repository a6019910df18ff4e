// The permission bits of a file as the system keeps them, without following a link.
#pragma once

#include <QFile>
#include <QString>

#include <sys/stat.h>

namespace bw::test {

// The mode's permission bits (0 when the file is not there).
inline unsigned modeOf(const QString& path)
{
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
}

} // namespace bw::test
