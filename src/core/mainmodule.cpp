// The shared procedures of the windows: files, the application title, the home page.
#include "core/mainmodule.h"

#include "platform/clock.h"
#include "platform/platform.h"
#include "platform/randomsource.h"
#include "platform/urllauncher.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace bw {

namespace {

QString& titleStorage()
{
    static QString title = QString::fromLatin1(kProductName);
    return title;
}

} // namespace

bool FileExists(const QString& path)
{
    if (path.isEmpty()) {
        return false;
    }
    const QFileInfo info(path);
    return info.exists() && info.lastModified().isValid();
}

void DeleteFileForced(const QString& path)
{
    QFile file(path);
    file.setPermissions(file.permissions() | QFileDevice::WriteOwner | QFileDevice::WriteUser);
    file.remove();
}

void DeleteFileQuietly(const QString& path)
{
    QCoreApplication::processEvents();
    if (path.isEmpty()) {
        return;
    }
    if (!QFile::remove(path) && QFileInfo::exists(path)) {
        DeleteFileForced(path);
    }
}

QString shortenTitle(const QString& name, int limit)
{
    QString title = name;
    while (title.size() > limit) {
        const qsizetype blank = title.lastIndexOf(QLatin1Char(' '));
        if (blank <= 0) {
            return title.left(limit);
        }
        title.truncate(blank);
    }
    return title;
}

void SetApplicationTitle() { titleStorage() = shortenTitle(QString::fromLatin1(kProductName)); }

QString applicationTitle() { return titleStorage(); }

void OpenHomePageAtRandom()
{
    Platform& p = platform();
    p.random->seed(static_cast<std::uint32_t>(p.clock->secondsSinceMidnight()));
    const int drawn = static_cast<int>(p.random->next() * 100.0) + 1;
    if (drawn == 7) {
        p.urlLauncher->open(QUrl(QString::fromLatin1(kHomePage)));
    }
}

QString programFile(const QString& relative)
{
    const QDir folder(platform().programFolder);
    const QString beside = folder.filePath(relative);
    if (QFileInfo::exists(beside)) {
        return beside;
    }
    const QString installed =
        QDir::cleanPath(folder.filePath(QStringLiteral("../share/brindlewick/") + relative));
    return QFileInfo::exists(installed) ? installed : beside;
}

} // namespace bw
