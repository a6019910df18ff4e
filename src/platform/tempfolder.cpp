// The program's private temporary folder, created safely on first use.
#include "platform/tempfolder.h"

#include "platform/platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <stdexcept>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace bw {

namespace {

QString tempRoot()
{
    const QString root = platform().tempRoot;
    if (!root.isEmpty()) {
        return root;
    }
    // QDir::tempPath honours TMPDIR (TEMP/TMP on Windows) and falls back to the
    // platform default, never to the root of a drive.
    return QDir::tempPath();
}

QString userSuffix()
{
#ifndef _WIN32
    return QString::number(getuid());
#else
    return qEnvironmentVariable("USERNAME", QStringLiteral("user"));
#endif
}

} // namespace

QString privateTempFolder()
{
    const QString path = QDir(tempRoot()).filePath(QStringLiteral("brindlewick-") + userSuffix());
#ifndef _WIN32
    const QByteArray native = QFile::encodeName(path);
    if (mkdir(native.constData(), 0700) != 0 && errno != EEXIST) {
        throw std::runtime_error(
            QCoreApplication::translate("TempFolder", "Cannot create the temporary folder %1")
                .arg(path)
                .toStdString());
    }
    struct stat st {};
    if (lstat(native.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != getuid()) {
        throw std::runtime_error(
            QCoreApplication::translate(
                "TempFolder", "The temporary folder %1 is not a private folder of this user")
                .arg(path)
                .toStdString());
    }
    if ((st.st_mode & 0077) != 0 && chmod(native.constData(), 0700) != 0) {
        throw std::runtime_error(
            QCoreApplication::translate("TempFolder", "Cannot protect the temporary folder %1")
                .arg(path)
                .toStdString());
    }
#else
    if (!QDir().mkpath(path)) {
        throw std::runtime_error(
            QCoreApplication::translate("TempFolder", "Cannot create the temporary folder %1")
                .arg(path)
                .toStdString());
    }
#endif
    return path;
}

} // namespace bw
