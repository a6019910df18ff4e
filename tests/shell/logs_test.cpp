// Several logs in the main window, driven by keys as a person does: the Logs window, the
// switch with an editor open, undo per log, a log that cannot be opened, Move to Trash,
// and two real processes on two logs.
#include "logstore/logcatalog.h"
#include "shell/form1fixture.h"
#include "shell/logswindow.h"

#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

namespace bw::test {
namespace {

// The Starting Locations the log's file holds, read by a reader of its own.
QStringList placesAt(const QString& path)
{
    LogDatabase db(path, LogDatabase::Access::ReadOnly);
    QStringList places;
    for (const StoredTrip& trip : db.tripsInOrder())
        places << trip.trip.startingLocation.toString();
    return places;
}

class Logs : public Form1Test {
protected:
    // Ctrl+L in the grid, then `steps` in the Logs window while it is open; closed after.
    void inLogsWindow(const std::function<void(LogsWindow&)>& steps)
    {
        bool shown = false;
        QTimer::singleShot(0, [&] {
            auto* window = qobject_cast<LogsWindow*>(QApplication::activeModalWidget());
            if (window == nullptr) return;
            shown = true;
            steps(*window);
            if (window->isVisible()) QTest::keyClick(window->table(), Qt::Key_Escape);
        });
        if (!form->isAncestorOf(QApplication::focusWidget())) form->DataGrid1->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_L, Qt::ControlModifier);
        EXPECT_TRUE(shown) << "Ctrl+L showed no Logs window";
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    static void choose(LogsWindow& window, const QString& name)
    {
        QTableWidget* list = window.table();
        QTest::keyClick(list, Qt::Key_Home, Qt::ControlModifier);
        for (int step = 0;
             step < list->rowCount() && list->item(list->currentRow(), 0)->text() != name; ++step)
            QTest::keyClick(list, Qt::Key_Down);
        ASSERT_EQ(list->item(list->currentRow(), 0)->text(), name);
    }
    void typeInCell(int row, const QString& text, bool finish)
    {
        QTableView* grid = form->DataGrid1;
        grid->setFocus();
        selectRow(row);
        grid->setCurrentIndex(form->gridModel().index(row, 1));
        for (const QChar c : text) QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
        if (finish) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::qWait(20);
    }
};

TEST_F(Logs, AnOpenEditorGoesToItsOwnLogAndEachLogKeepsItsUndo)
{
    const QString van = LogCatalog().create(QStringLiteral("Van"));
    Form1& f = openShown();
    const QString first = f.session().databasePath();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Brindlewick \u2014 Brindlewick"));
    typeInCell(0, QStringLiteral("Depot"), false);
    ASSERT_NE(qobject_cast<QLineEdit*>(QApplication::focusWidget()), nullptr) << "no editor open";

    inLogsWindow([&](LogsWindow& window) {
        EXPECT_EQ(window.table()->item(0, 5)->text(), QStringLiteral("Open"));
        choose(window, QStringLiteral("Van"));
        QTest::keyClick(window.table(), Qt::Key_Return);
    });
    EXPECT_EQ(f.session().databasePath(), van);
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Brindlewick \u2014 Van"));
    EXPECT_EQ(placesAt(first).value(0), QStringLiteral("Depot"));
    EXPECT_TRUE(f.gridModel().index(0, 1).data().toString().isEmpty());
    typeInCell(0, QStringLiteral("Harbour"), true);
    EXPECT_EQ(placesAt(van).value(0), QStringLiteral("Harbour"));

    inLogsWindow([&](LogsWindow& window) {
        choose(window, QStringLiteral("Brindlewick"));
        QTest::keyClick(window.table(), Qt::Key_Return);
    });
    EXPECT_EQ(f.gridModel().index(0, 1).data().toString(), QStringLiteral("Depot"));
    QTest::keyClick(f.DataGrid1, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(f.gridModel().index(0, 1).data().toString().isEmpty());
    EXPECT_TRUE(placesAt(first).value(0).isEmpty());
    EXPECT_EQ(placesAt(van).value(0), QStringLiteral("Harbour"));
    // The next start opens the log opened last.
    reopen();
    EXPECT_EQ(form->session().databasePath(), first);
}

TEST_F(Logs, AFailedOpenKeepsTheLogAndTrashIsAskedFirstAndNeverTheOpenLog)
{
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toUtf8());
    const QString van = LogCatalog().create(QStringLiteral("Van"));
    Form1& f = openShown();
    const QString first = f.session().databasePath();
    const QString junk = QDir(env.tempRoot()).filePath(QStringLiteral("junk.sqlite"));
    QDir().mkpath(env.tempRoot());
    QFile file(junk);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, 'x'));
    file.close();

    inLogsWindow([&](LogsWindow& window) {
        // Nothing is clipped, and every button is named for a screen reader.
        const QHeaderView* header = window.table()->horizontalHeader();
        for (int c = 0; c < window.table()->columnCount(); ++c) {
            const QString caption = window.table()->horizontalHeaderItem(c)->text();
            EXPECT_GE(header->sectionSize(c), header->fontMetrics().horizontalAdvance(caption))
                << caption.toStdString();
        }
        for (const QPushButton* button : window.findChildren<QPushButton*>()) {
            EXPECT_FALSE(button->accessibleName().isEmpty()) << button->text().toStdString();
            EXPECT_GE(button->width(), button->sizeHint().width()) << button->text().toStdString();
        }
        env.dialogs.clear();
        env.dialogs.chooseNextOpenFile(junk);
        QTest::keyClick(window.button("OpenOther"), Qt::Key_Space);
        ASSERT_EQ(env.dialogs.messages().size(), 1);
        EXPECT_TRUE(env.dialogs.messages()[0].text.contains(
            QStringLiteral("The log junk was not opened; Brindlewick stays open. ")))
            << env.dialogs.messages()[0].text.toStdString();
        EXPECT_TRUE(env.dialogs.messages()[0].text.contains(QStringLiteral("cannot be read")));
        EXPECT_TRUE(window.isVisible());
        // The open log: refused without a question.
        window.table()->setFocus();
        env.dialogs.clear();
        QTest::keyClick(window.table(), Qt::Key_Delete, Qt::ShiftModifier);
        ASSERT_EQ(env.dialogs.messages().size(), 1);
        EXPECT_EQ(env.dialogs.messages()[0].buttons, Dialogs::Buttons::Ok);
        EXPECT_FALSE(window.button("Trash")->isEnabled());
        // Another log: asked first; No keeps it, Yes moves it with its files.
        choose(window, QStringLiteral("Van"));
        for (const Dialogs::Answer answer : {Dialogs::No, Dialogs::Yes}) {
            env.dialogs.clear();
            env.dialogs.answerNext(answer);
            QTest::keyClick(window.table(), Qt::Key_Delete, Qt::ShiftModifier);
            ASSERT_EQ(env.dialogs.messages().size(), 1);
            EXPECT_EQ(env.dialogs.messages()[0].buttons, Dialogs::Buttons::YesNo);
            EXPECT_EQ(QFileInfo::exists(van), answer == Dialogs::No);
        }
        EXPECT_EQ(window.table()->rowCount(), 1);
    });
    qunsetenv("XDG_DATA_HOME");
    EXPECT_TRUE(
        QFileInfo::exists(QDir(data.path()).filePath(QStringLiteral("Trash/files/Van.sqlite"))));
    EXPECT_EQ(f.session().databasePath(), first);
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Brindlewick"));
}

TEST_F(Logs, ANewLogGoesToTheFolderChosenAndOpens)
{
    Form1& f = openShown();
    const QString stick = QDir(env.tempRoot()).filePath(QStringLiteral("stick"));
    ASSERT_TRUE(QDir().mkpath(stick));
    inLogsWindow([&](LogsWindow& window) {
        QTimer::singleShot(0, [&] {
            QWidget* ask = QApplication::activeModalWidget();
            ASSERT_EQ(ask->objectName(), QStringLiteral("LogName"));
            env.dialogs.chooseNextOpenFile(stick);
            QTest::keyClick(ask->findChild<QPushButton*>(QStringLiteral("ChooseFolder")),
                            Qt::Key_Space);
            EXPECT_TRUE(ask->findChild<QLabel*>(QStringLiteral("Folder"))->text().endsWith(stick));
            auto* name = ask->findChild<QLineEdit*>(QStringLiteral("Name"));
            QTest::keyClicks(name, QStringLiteral("Car"));
            QTest::keyClick(name, Qt::Key_Return);
        });
        QTest::keyClick(window.button("NewLog"), Qt::Key_Space);
    });
    const QString car =
        QFileInfo(QDir(stick).filePath(QStringLiteral("Car.sqlite"))).absoluteFilePath();
    EXPECT_EQ(QFileInfo(f.session().databasePath()).absoluteFilePath(), car);
    EXPECT_TRUE(LogCatalog().paths().contains(car));
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Brindlewick \u2014 Car"));
}

// The real window in processes of its own (the crash driver), each on the log opened last.
struct Instance {
    QProcess process;
    QStringList lines;
    void start(const QString& folder, int run, bool hold)
    {
        QStringList args{folder, QString::number(run), QStringLiteral("3")};
        if (hold) args << QStringLiteral("--hold");
        process.start(QStringLiteral(BW_CRASH_DRIVER), args);
    }
    bool readUntil(const QString& prefix)
    {
        QDeadlineTimer deadline(30000);
        while (!deadline.hasExpired() && process.state() != QProcess::NotRunning) {
            while (process.canReadLine()) {
                lines << QString::fromUtf8(process.readLine()).trimmed();
                if (lines.back().startsWith(prefix)) return true;
            }
            process.waitForReadyRead(100);
        }
        return false;
    }
};

TEST(LogsInTwoProcesses, TwoInstancesWriteTwoLogsAndAThirdOnTheSameLogReadsOnly)
{
    QTemporaryDir folder;
    Platform seams = platform();
    seams.settingsFile = QDir(folder.path()).filePath(QStringLiteral("Varnholt/Brindlewick.ini"));
    const PlatformOverride override(seams);
    LogCatalog catalog;
    const QString van = catalog.create(QStringLiteral("Van"));
    const QString car = catalog.create(QStringLiteral("Car"));
    Instance first;
    Instance second;
    Instance third;
    const auto startOn = [&](Instance& instance, const QString& log, int run, bool hold) {
        LogCatalog().opened(log);
        instance.start(folder.path(), run, hold);
        EXPECT_TRUE(instance.readUntil(QStringLiteral("done")))
            << instance.lines.join(u'\n').toStdString();
    };
    startOn(first, van, 1, true);
    startOn(second, car, 2, true);
    startOn(third, van, 3, false);
    EXPECT_TRUE(first.lines.contains(QStringLiteral("ready readonly=0")));
    EXPECT_TRUE(second.lines.contains(QStringLiteral("ready readonly=0")));
    EXPECT_TRUE(third.lines.contains(QStringLiteral("ready readonly=1")));
    // The read-only one says why, as a start on a held log does.
    EXPECT_FALSE(third.lines.filter(QRegularExpression(QStringLiteral("^notice: .+"))).isEmpty());
    for (Instance* instance : {&first, &second}) {
        instance->process.closeWriteChannel();
        EXPECT_TRUE(instance->process.waitForFinished(20000));
    }
    third.process.waitForFinished(20000);
    EXPECT_EQ(placesAt(van).mid(0, 3), (QStringList{"r1e0", "r1e1", "r1e2"}));
    EXPECT_EQ(placesAt(car).mid(0, 3), (QStringList{"r2e0", "r2e1", "r2e2"}));
}

} // namespace
} // namespace bw::test
