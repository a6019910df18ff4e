// Tests of writing a file whole in its target's place.
#include "platform/replacingfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace bw {
namespace {

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(ReplacingFile, ReplacesThroughALinkKeepsTheModeAndLeavesNoTemporary)
{
    QTemporaryDir folder;
    const QDir dir(folder.path());
    const QString real = dir.filePath(QStringLiteral("real.xls"));
    const QString link = dir.filePath(QStringLiteral("link.xls"));
    {
        QFile old(real);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    ASSERT_EQ(::chmod(QFile::encodeName(real).constData(), 0640), 0);
    ASSERT_TRUE(QFile::link(real, link));

    writeFileReplacing(link, QByteArrayView("new bytes"));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(bytesOf(real), QByteArray("new bytes"));
    struct stat after {};
    ASSERT_EQ(::stat(QFile::encodeName(real).constData(), &after), 0);
    EXPECT_EQ(after.st_mode & 07777, 0640u);

    // Dropped before its commit: the target keeps its bytes and nothing is left beside it.
    {
        ReplacingFile abandoned(real);
        abandoned.writeAll(QByteArrayView("never"));
    }
    EXPECT_EQ(bytesOf(real), QByteArray("new bytes"));
    EXPECT_EQ(dir.entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 2);
}

TEST(ReplacingFile, AFolderInTheWayIsAFailureWithItsCause)
{
    QTemporaryDir folder;
    const QString taken = QDir(folder.path()).filePath(QStringLiteral("taken"));
    ASSERT_TRUE(QDir().mkpath(taken));
    try {
        writeFileReplacing(taken, QByteArrayView("x"));
        ADD_FAILURE() << "written";
    } catch (const FileWriteError& e) {
        EXPECT_EQ(e.error(), EISDIR);
        EXPECT_TRUE(QString::fromUtf8(e.what()).startsWith(
            QStringLiteral("Cannot write \"%1\": ").arg(taken)));
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 0);
}

} // namespace
} // namespace bw
