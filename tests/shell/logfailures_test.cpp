// The main window when the log's disk is full: the cause is told once, the change waits,
// and the next write that fits keeps it; the entry fields wait as the trips do.
#include "shell/form1fixture.h"

#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/mount.h>

#include <functional>

namespace bw::test {
namespace {

class LogFailures : public Form1Test {};

TEST_F(LogFailures, AFullDiskIsToldOnceAndEveryChangeIsKeptWhenThereIsRoomAgain)
{
    struct Case {
        const char* name;
        bool tripAfterRoom; // a trip change after the room is back, else only the close
    };
    for (const Case& c :
         {Case{"kept with the next change", true}, Case{"kept at the close", false}}) {
        SCOPED_TRACE(c.name);
        QTemporaryDir where;
        const QString mount = QDir(where.path()).filePath(QStringLiteral("small"));
        QDir().mkpath(mount);
        if (::mount("tmpfs", QFile::encodeName(mount).constData(), "tmpfs", 0, "size=512k") != 0)
            GTEST_SKIP() << "a small tmpfs cannot be mounted here (not root, or no permission)";
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
        for (int row = 0; row < 25; ++row)
            f.gridModel().setData(f.gridModel().index(row, 3), text + QString::number(row));
        QTest::keyClicks(f.txtEmployeeName, QStringLiteral("Ada"));
        QTest::keyClicks(f.txtRatePerMile, QStringLiteral("0.7"));
        const QStringList texts = env.dialogs.texts();
        ASSERT_EQ(texts.size(), 2)
            << "told once each, not at every change: " << texts.join(u'\n').toStdString();
        EXPECT_TRUE(texts[0].startsWith(
            QStringLiteral("The last change to the trips could not be saved. The disk is full")))
            << texts[0].toStdString();
        EXPECT_EQ(texts[1], QStringLiteral("The employee data and the period could not be saved. "
                                           "The disk is full (writing %1). They are kept and "
                                           "saved with the next change, or when the window closes.")
                                .arg(LogDatabase::pathFor(p.settingsFile)))
            << "the fields are the log's now: its file is named";
        EXPECT_FALSE(texts[1].contains(QStringLiteral("Application Error")));

        ASSERT_TRUE(filler.remove());
        if (c.tripAfterRoom)
            f.gridModel().setData(f.gridModel().index(29, 3), QStringLiteral("room again"));
        EXPECT_EQ(setting("EmployeeName"), c.tripAfterRoom ? "Ada" : "<missing>")
            << "written with the next change that fits, else still waiting";
        reopen();
        EXPECT_TRUE(env.dialogs.messages().isEmpty());
        EXPECT_EQ(table().valueAt(24, 3), QVariant(text + QStringLiteral("24")));
        EXPECT_EQ(form->txtEmployeeName->text(), QStringLiteral("Ada"));
        EXPECT_EQ(form->txtRatePerMile->text(), QStringLiteral("0.7"));
        form.reset();
    }
}

// The log stops taking writes while the window is open (its write-ahead file made
// immutable: refused for root too) with an edit pending: the trapped close reports it
// in its Application Error box as designed, with the cause on the first line.
TEST_F(LogFailures, TheCloseNamesTheCauseFirstWhenTheLogTakesNoWrite)
{
    Form1& f = open();
    f.gridModel().setData(f.gridModel().index(0, 3), QStringLiteral("kept"));
    const QString wal = LogDatabase::defaultPath() + QStringLiteral("-wal");
    const auto immutable = [&](bool on) {
        return QProcess::execute(QStringLiteral("chattr"), {on ? "+i" : "-i", wal}) == 0;
    };
    if (!immutable(true)) GTEST_SKIP() << "this file system takes no immutable flag";
    struct Mutable {
        std::function<bool(bool)> set;
        ~Mutable() { set(false); }
    } restore{immutable};
    QFile probe(wal);
    ASSERT_FALSE(probe.open(QIODevice::ReadWrite)) << "the file still takes writes";
    f.gridModel().setData(f.gridModel().index(1, 3), QStringLiteral("pending"));
    env.dialogs.clear();
    f.close();
    const QStringList texts = env.dialogs.texts();
    ASSERT_EQ(texts.size(), 1) << texts.join(u'\n').toStdString();
    const QString cause = QStringLiteral("There is no permission to write %1.").arg(wal);
    EXPECT_TRUE(texts[0].startsWith(cause + QStringLiteral("\r\nin "))) << texts[0].toStdString();
    EXPECT_TRUE(texts[0].contains(QStringLiteral("Form1.Form_QueryUnload at line 100\r\r")))
        << texts[0].toStdString();
    EXPECT_EQ(env.dialogs.messages().at(0).title, QStringLiteral("Application Error"));
}

} // namespace
} // namespace bw::test
