// Writing a file beside its target and renaming it over the target, errno kept.
#include "platform/replacingfile.h"

#include "platform/oserror.h"
#include "platform/privatefiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <utility>

namespace bw {

namespace {

constexpr int kMaxLinkDepth = 128;

QByteArray native(const QString& path) { return QFile::encodeName(path); }

} // namespace

FileWriteError::FileWriteError(int error, const QString& path)
    : std::runtime_error(QCoreApplication::translate("FileWrite", "Cannot write \"%1\": %2")
                             .arg(QDir::toNativeSeparators(path), osErrorSentence(error, path))
                             .toStdString()),
      error_(error), path_(path)
{}

QString FileWriteError::cause() const { return osErrorSentence(error_, path_); }

ReplacingFile::ReplacingFile(QString target, NewFileAccess newFiles)
    : target_(std::move(target)), written_(target_)
{
    // A link stays a link: the file it points to is the one replaced.
    QFileInfo link(target_);
    for (int depth = 0; depth < kMaxLinkDepth && link.isSymLink(); ++depth) {
        link.setFile(link.symLinkTarget());
        written_ = link.filePath();
    }
    // A file its owner made read-only is not replaced behind its back.
    if (::access(native(written_).constData(), F_OK) == 0
        && ::access(native(written_).constData(), W_OK) != 0) {
        throw FileWriteError(errno, target_);
    }
    fd_ = openBeside(written_, QStringLiteral("new"), temporary_, newFiles);
    if (fd_ < 0) fail(errno);
    // A replaced file keeps its own mode.
    struct stat existing {};
    if (::stat(native(written_).constData(), &existing) == 0 && S_ISREG(existing.st_mode))
        ::fchmod(fd_, existing.st_mode & 07777);
    if (!QIODevice::open(QIODevice::WriteOnly | QIODevice::Unbuffered)) fail(EIO);
}

ReplacingFile::~ReplacingFile() { discard(); }

void ReplacingFile::discard()
{
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
        ::unlink(native(temporary_).constData());
    }
}

void ReplacingFile::fail(int error)
{
    discard();
    throw FileWriteError(error, target_);
}

qint64 ReplacingFile::readData(char*, qint64) { return -1; }

qint64 ReplacingFile::writeData(const char* data, qint64 size)
{
    if (fd_ < 0 || error_ != 0) return -1;
    qint64 done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd_, data + done, static_cast<size_t>(size - done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            error_ = n < 0 ? errno : ENOSPC; // a write that takes nothing: no room left
            setErrorString(osErrorSentence(error_, target_));
            return -1;
        }
        done += n;
    }
    return done;
}

void ReplacingFile::writeAll(QByteArrayView bytes)
{
    if (write(bytes.data(), bytes.size()) != bytes.size()) fail(error_ != 0 ? error_ : EIO);
}

void ReplacingFile::commit(bool durable)
{
    if (fd_ < 0) fail(EBADF);
    if (error_ != 0) fail(error_);
    // The disk may only say it is full when the data goes out, so both are checked.
    if (durable && ::fsync(fd_) != 0) fail(errno);
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(native(temporary_).constData());
        throw FileWriteError(error, target_);
    }
    QIODevice::close();
    if (std::rename(native(temporary_).constData(), native(written_).constData()) != 0) {
        const int error = errno;
        ::unlink(native(temporary_).constData());
        throw FileWriteError(error, target_);
    }
}

int openBeside(const QString& file, const QString& tag, QString& path, NewFileAccess newFiles)
{
    const QFileInfo info(file);
    constexpr int kTries = 20;
    for (int i = 0; i < kTries; ++i) {
        path = info.dir().filePath(
            QStringLiteral(".%1.%2.%3")
                .arg(info.fileName())
                .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'))
                .arg(tag));
        // A shared file is 0666 less the umask, as any new file.
        const int fd =
            newFiles == NewFileAccess::Private
                ? createPrivateFile(path)
                : ::open(native(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

void writeFileReplacing(const QString& path, QByteArrayView bytes, bool durable,
                        NewFileAccess newFiles)
{
    ReplacingFile file(path, newFiles);
    file.writeAll(bytes);
    file.commit(durable);
}

} // namespace bw
