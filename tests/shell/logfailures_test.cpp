// The main window when the log's disk is full: the cause is told once, the change waits,
// and the next write that fits keeps it.
#include "shell/form1fixture.h"

#include <QDir>
#include <QTemporaryDir>

#include <sys/mount.h>

namespace bw::test {
namespace {

class LogFailures : public Form1Test {};

TEST_F(LogFailures, AFullDiskIsToldOnceAndTheChangesAreKeptWhenThereIsRoomAgain)
{
    QTemporaryDir where;
    const QString mount = QDir(where.path()).filePath(QStringLiteral("small"));
    ASSERT_TRUE(QDir().mkpath(mount));
    if (::mount("tmpfs", QFile::encodeName(mount).constData(), "tmpfs", 0, "size=512k") != 0) {
        GTEST_SKIP() << "a small tmpfs cannot be mounted here (not root, or no permission)";
    }
    struct Unmount {
        QString at;
        ~Unmount() { ::umount2(QFile::encodeName(at).constData(), MNT_DETACH); }
    } unmount{mount};
    Platform p = platform();
    p.settingsFile = QDir(mount).filePath(QStringLiteral("Brindlewick.ini"));
    const PlatformOverride onSmallDisk(p);
    Form1& f = open();
    ASSERT_TRUE(env.dialogs.messages().isEmpty());

    QFile filler(QDir(mount).filePath(QStringLiteral("filler")));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
    while (filler.write(QByteArray(4096, 'f')) == 4096 && filler.flush()) {
    }
    filler.close();
    const QString text(1000, QLatin1Char('x'));
    for (int row = 0; row < 25; ++row) {
        f.gridModel().setData(f.gridModel().index(row, 3), text + QString::number(row));
    }
    ASSERT_EQ(env.dialogs.texts().size(), 1) << "told once, not at every change";
    EXPECT_TRUE(env.dialogs.texts()[0].startsWith(
        QStringLiteral("The last change to the trips could not be saved. The disk is full")))
        << env.dialogs.texts()[0].toStdString();

    ASSERT_TRUE(filler.remove());
    f.gridModel().setData(f.gridModel().index(29, 3), QStringLiteral("room again"));
    reopen();
    EXPECT_TRUE(env.dialogs.messages().isEmpty());
    EXPECT_EQ(table().valueAt(24, 3), QVariant(text + QStringLiteral("24")));
    EXPECT_EQ(table().valueAt(29, 3), QVariant(QStringLiteral("room again")));
}

} // namespace
} // namespace bw::test
