// Turning errno values into sentences that say what to do about them.
#include "platform/oserror.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

namespace bw {

QString osErrorSentence(int error, const QString& path)
{
    const QString shown = QDir::toNativeSeparators(path);
    const QString folder = QDir::toNativeSeparators(QFileInfo(path).absolutePath());
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return QCoreApplication::translate("OsError", "The disk is full (writing %1).").arg(shown);
    case EROFS:
        return QCoreApplication::translate("OsError", "The disk of %1 is read-only.").arg(shown);
    case EACCES:
    case EPERM:
        return QCoreApplication::translate("OsError", "There is no permission to write %1.")
            .arg(shown);
    case ENOENT:
    case ENOTDIR:
        return QCoreApplication::translate("OsError", "The folder %1 does not exist.").arg(folder);
    default:
        return QCoreApplication::translate("OsError", "%1: %2")
            .arg(shown, QString::fromLocal8Bit(std::strerror(error)));
    }
}

} // namespace bw
