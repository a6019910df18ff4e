// Files written under temporary names that take their targets' places when committed.
#include "brindlewick-report/stagedfile.h"

#include "platform/filecopy.h"
#include "platform/replacingfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <system_error>
#include <utility>

namespace bw {

namespace {

// `error` is the system's reason (errno): a full disk, a read-only or missing folder.
[[noreturn]] void cannotWrite(const QString& path, int error) { throw FileWriteError(error, path); }

std::filesystem::path fsPath(const QString& path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

} // namespace

StagedFile::StagedFile(QString target) : target_(std::move(target))
{
    const QFileInfo info(target_);
    QString path;
    const int fd = openBeside(target_, QStringLiteral("part"), path);
    if (fd < 0) cannotWrite(target_, errno);
    ::close(fd);
    path_ = path;
    // The file that takes the target's place keeps the target's permissions.
    if (info.isFile()) QFile::setPermissions(path_, info.permissions());
}

StagedFile::~StagedFile()
{
    if (!committed_) QFile::remove(path_);
}

void StagedFile::commit()
{
    std::error_code error;
    std::filesystem::rename(fsPath(path_), fsPath(target_), error);
    if (error) cannotWrite(target_, error.value());
    committed_ = true;
}

void commitBoth(StagedFile& first, StagedFile& second)
{
    std::optional<StagedFile> before;
    if (QFileInfo(first.target()).isFile()) {
        before.emplace(first.target());
        copyFileReplacing(first.target(), before->path());
    }
    first.commit();
    try {
        second.commit();
    } catch (...) {
        // The failure to report is the second file's; a restore that fails as well
        // changes nothing about it.
        try {
            if (before) {
                before->commit();
            } else {
                QFile::remove(first.target());
            }
        } catch (const std::exception&) {
        }
        throw;
    }
}

} // namespace bw
