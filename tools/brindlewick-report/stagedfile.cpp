// Files written under temporary names that take their targets' places when committed.
#include "brindlewick-report/stagedfile.h"

#include "platform/filecopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <system_error>
#include <utility>

namespace bw {

namespace {

[[noreturn]] void cannotWrite(const QString& path, const QString& reason)
{
    throw std::runtime_error(
        QStringLiteral("Cannot write \"%1\": %2").arg(path, reason).toStdString());
}

std::filesystem::path fsPath(const QString& path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

} // namespace

StagedFile::StagedFile(QString target) : target_(std::move(target))
{
    const QFileInfo info(target_);
    // Hidden and beside the target, so that the rename stays on one file system.
    constexpr int kTries = 20;
    QString reason;
    for (int i = 0; i < kTries; ++i) {
        const QString candidate = info.dir().filePath(
            QStringLiteral(".%1.%2.part")
                .arg(info.fileName())
                .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
        QFile file(candidate);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            path_ = candidate;
            break;
        }
        reason = file.errorString();
        if (!QFileInfo::exists(candidate) && !QFileInfo(candidate).isSymLink()) break;
    }
    if (path_.isEmpty()) cannotWrite(target_, reason);
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
    if (error) cannotWrite(target_, QString::fromStdString(error.message()));
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
