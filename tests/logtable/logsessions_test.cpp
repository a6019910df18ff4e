// Tests of the logs without a window: a log that cannot be opened changes nothing and is
// named with its cause; the Logs window's commands and the title follow the log chosen.
// (Switching with its undo per log is driven through the window in tests/shell/logs_test.)
#include "logstore/logcatalog.h"
#include "logstore/logdatabase.h"
#include "logtable/loglist.h"
#include "logtable/logsession.h"
#include "logtable/logsessions.h"
#include "logtable/logtablemodel.h"
#include "support/fakeplatform.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>
#include <unistd.h>

namespace bw {
namespace {

void type(LogSession& session, int row, const QString& place)
{
    LogTableModel& model = session.model();
    ASSERT_TRUE(model.setData(model.index(row, 1), place));
    model.leaveEditedRow();
}

TEST(LogSessions, ALogThatCannotBeOpenedLeavesTheOpenOneAndNamesTheCause)
{
    test::TestPlatform env;
    LogSessions sessions(LogSessions::startingLog());
    sessions.current().openAtOnce();
    type(sessions.current(), 0, QStringLiteral("Depot"));
    const QString before = sessions.currentPath();
    const QDir folder(QFileInfo(env.settingsFile()).dir());
    const auto write = [&](const char* name, const QByteArray& bytes) {
        QFile file(folder.filePath(QString::fromLatin1(name)));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    };
    const QString locked = write("locked.sqlite", QByteArray());
    QFile::copy(before, folder.filePath(QStringLiteral("locked.sqlite.tmp")));
    struct Case {
        const char* name;
        QString path;
        const char* cause;
    };
    std::vector<Case> cases = {
        {"missing", folder.filePath(QStringLiteral("gone.sqlite")), "does not exist"},
        {"a folder", folder.path(), "is a folder"},
        {"damaged", write("damaged.sqlite", QByteArray(8192, 'x')), "cannot be read as a log"},
        {"not a log", write("notes.sqlite", QByteArray()), "not a log of this program"},
    };
    if (::geteuid() != 0) {
        QFile::remove(locked);
        QFile::rename(folder.filePath(QStringLiteral("locked.sqlite.tmp")), locked);
        QFile(locked).setPermissions(QFileDevice::WriteOwner);
        cases.push_back({"no permission", locked, "cannot be read as a log"});
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const LogSessions::Switch done = sessions.open(c.path);
        EXPECT_TRUE(done.failure.contains(QLatin1String(c.cause))) << done.failure.toStdString();
        EXPECT_TRUE(done.failure.contains(
            QStringLiteral("; %1 stays open").arg(LogCatalog::nameOf(before))))
            << done.failure.toStdString();
        EXPECT_EQ(done.left, nullptr);
        EXPECT_EQ(sessions.currentPath(), before);
        EXPECT_EQ(sessions.current().model().index(0, 1).data().toString(),
                  QStringLiteral("Depot"));
    }
    EXPECT_NE(LogCatalog().lastOpened(), cases.front().path);
}

TEST(LogList, CommandsAndTitleFollowWhichLogIsChosen)
{
    test::TestPlatform env;
    LogCatalog catalog;
    const QString van = catalog.create(QStringLiteral("Van"));
    const QString elsewhere = QDir(env.tempRoot()).filePath(QStringLiteral("Stick.sqlite"));
    ASSERT_TRUE(QFile::copy(van, elsewhere));
    catalog.opened(elsewhere);
    const QString unreadable = QDir(catalog.logsFolder()).filePath(QStringLiteral("Odd.sqlite"));
    QFile(unreadable).open(QIODevice::WriteOnly);

    const std::vector<LogLine> lines = logLines(catalog.list(), van);
    ASSERT_EQ(lines.size(), 4u);
    struct Case {
        QString path;
        bool open;
        LogCommands can; // open, rename, forget, trash
    };
    const Case cases[] = {
        {catalog.defaultLog(), false, {true, false, false, true}},
        {unreadable, false, {false, true, false, true}},
        {van, true, {false, false, false, false}},
        {elsewhere, false, {true, true, true, true}},
    };
    for (const Case& c : cases) {
        const auto line = std::find_if(lines.begin(), lines.end(),
                                       [&](const LogLine& l) { return l.path == c.path; });
        ASSERT_NE(line, lines.end()) << c.path.toStdString();
        SCOPED_TRACE(line->name.toStdString());
        EXPECT_EQ(line->open, c.open);
        EXPECT_EQ(line->state.isEmpty(), !c.open && line->readable);
        const LogCommands can = logCommands(&*line, catalog);
        EXPECT_EQ(std::tie(can.open, can.rename, can.forget, can.trash),
                  std::tie(c.can.open, c.can.rename, c.can.forget, c.can.trash));
    }
    const LogCommands none = logCommands(nullptr, catalog);
    EXPECT_FALSE(none.open || none.rename || none.forget || none.trash);

    EXPECT_EQ(mainWindowTitle(QStringLiteral("Brindlewick"), 1, van),
              QStringLiteral("Brindlewick"));
    EXPECT_EQ(mainWindowTitle(QStringLiteral("Brindlewick"), 2, van),
              QStringLiteral("Brindlewick \u2014 Van"));
}

} // namespace
} // namespace bw
