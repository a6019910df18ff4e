// Private files and folders, made so from their creation on.
#include "platform/privatefiles.h"

#include "platform/oserror.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

namespace bw {

namespace {

QByteArray native(const QString& path) { return QFile::encodeName(path); }

// The folder exists when it is a folder; EEXIST when something else has its name.
int existingFolder(const QByteArray& path)
{
    struct stat st {};
    if (::stat(path.constData(), &st) != 0) return errno;
    return S_ISDIR(st.st_mode) ? 0 : EEXIST;
}

} // namespace

int makePrivateFolder(const QString& folder)
{
    const QByteArray path = native(QDir::cleanPath(folder));
    if (existingFolder(path) == 0) return 0;
    std::error_code ec;
    const std::filesystem::path parent = std::filesystem::path(path.toStdString()).parent_path();
    if (!parent.empty()) std::filesystem::create_directories(parent, ec);
    if (ec) return ec.value() == ENOTDIR ? EEXIST : ec.value();
    if (::mkdir(path.constData(), kPrivateFolderMode) != 0) {
        // Made by someone else in between, or a file of that name.
        return errno == EEXIST ? existingFolder(path) : errno;
    }
    // The umask may have taken owner bits too; the folder is the owner's whole.
    return ::chmod(path.constData(), kPrivateFolderMode) == 0 ? 0 : errno;
}

int createPrivateFile(const QString& path)
{
    const int fd =
        ::open(native(path).constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, kPrivateFileMode);
    if (fd < 0) return -1;
    if (::fchmod(fd, kPrivateFileMode) != 0) {
        const int error = errno;
        ::close(fd);
        ::unlink(native(path).constData());
        errno = error;
        return -1;
    }
    return fd;
}

int touchPrivateFile(const QString& path)
{
    const int fd = createPrivateFile(path);
    if (fd >= 0) return ::close(fd) == 0 ? 0 : errno;
    return errno == EEXIST ? 0 : errno;
}

int copyToPrivateFile(const QString& from, const QString& to)
{
    const int in = ::open(native(from).constData(), O_RDONLY | O_CLOEXEC);
    if (in < 0) return errno;
    const int out = createPrivateFile(to);
    if (out < 0) {
        const int error = errno;
        ::close(in);
        return error;
    }
    int error = 0;
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = ::read(in, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) error = errno;
        if (n <= 0) break;
        for (ssize_t done = 0; done < n && error == 0;) {
            const ssize_t w = ::write(out, buffer + done, static_cast<size_t>(n - done));
            if (w < 0 && errno == EINTR) continue;
            if (w <= 0)
                error = w < 0 ? errno : ENOSPC;
            else
                done += w;
        }
        if (error != 0) break;
    }
    if (error == 0 && ::fsync(out) != 0) error = errno;
    if (::close(out) != 0 && error == 0) error = errno;
    ::close(in);
    if (error != 0) ::unlink(native(to).constData());
    return error;
}

bool narrowToOwner(const QString& path)
{
    const QByteArray name = native(path);
    struct stat st {};
    if (::lstat(name.constData(), &st) != 0 || S_ISLNK(st.st_mode) || st.st_uid != ::getuid())
        return false;
    if ((st.st_mode & 077) == 0) return true;
    // Opened without following a link, so a link put in its place meanwhile is not changed.
    const int fd = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return false;
    const bool narrowed = ::fchmod(fd, st.st_mode & 0700) == 0;
    ::close(fd);
    return narrowed;
}

QString folderErrorSentence(int error, const QString& folder)
{
    // A file where the folder should be: making a file in it says the folder is missing.
    const bool file =
        error == EEXIST
        || ((error == ENOTDIR || error == ENOENT) && existingFolder(native(folder)) == EEXIST);
    if (file) {
        return QCoreApplication::translate("OsError", "%1 is a file, not a folder.")
            .arg(QDir::toNativeSeparators(folder));
    }
    // A missing folder is named itself, not the folder it would be made in.
    if (error == ENOENT || error == ENOTDIR)
        return osErrorSentence(error, QDir(folder).filePath(QStringLiteral("x")));
    return osErrorSentence(error, folder);
}

} // namespace bw
