// A small disk of its own for a test: full, or read-only, on purpose.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

namespace bw::test {

// A 64 KiB tmpfs mounted on `folder` (created if need be), unmounted with the object
// whatever the test did. Mounting takes root's right to mount; where it fails,
// problem() says why, for GTEST_SKIP(). A read-only one is checked to refuse a write:
// a permission bit would not stop root.
class SmallDisk {
public:
    enum class Kind { Full, ReadOnly };

    SmallDisk(const QString& folder, Kind kind) : folder_(folder)
    {
        QDir().mkpath(folder_);
        const QByteArray where = QFile::encodeName(folder_);
        if (::mount("tmpfs", where.constData(), "tmpfs", 0, "size=64k") != 0) {
            problem_ = "cannot mount a tmpfs here: " + std::string(std::strerror(errno));
            return;
        }
        mounted_ = true;
        if (kind == Kind::Full) {
            fill();
        } else if (::mount("tmpfs", where.constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr)
                   != 0) {
            problem_ = "cannot make the tmpfs read-only: " + std::string(std::strerror(errno));
        } else if (writable()) {
            problem_ = "the read-only tmpfs still takes a file";
        }
    }
    ~SmallDisk()
    {
        if (mounted_) ::umount2(QFile::encodeName(folder_).constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    // Empty when the disk is as asked.
    const std::string& problem() const { return problem_; }

private:
    // Writes one file until the disk takes no more, and checks that it says so.
    void fill()
    {
        const int fd =
            ::open(QFile::encodeName(QDir(folder_).filePath(QStringLiteral("filler"))).constData(),
                   O_WRONLY | O_CREAT, 0644);
        const QByteArray block(4096, 'x');
        int error = 0;
        while (fd >= 0 && error == 0) {
            if (::write(fd, block.constData(), static_cast<size_t>(block.size())) < 0)
                error = errno;
        }
        if (fd >= 0) ::close(fd);
        if (error != ENOSPC) problem_ = "the tmpfs did not fill up";
    }
    bool writable() const
    {
        const QByteArray probe = QFile::encodeName(QDir(folder_).filePath(QStringLiteral("probe")));
        const int fd = ::open(probe.constData(), O_WRONLY | O_CREAT, 0644);
        if (fd < 0) return false;
        ::close(fd);
        ::unlink(probe.constData());
        return true;
    }

    QString folder_;
    bool mounted_ = false;
    std::string problem_;
};

} // namespace bw::test
