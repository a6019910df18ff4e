// The real main window on a given configuration folder, driven through the grid as a
// person types, printing a line after each finished edit; the crash test kills it.
//   bw_crash_driver CONFIG-FOLDER RUN EDITS [--hold]
// prints "notice: ..." lines, "ready readonly=0|1", "row N TEXT" (the Starting Location
// of each row as loaded), "edit ROW TEXT" after each edit and
// "done"; with --hold it then waits until its standard input closes and closes the
// window as a person would.
#include "logtable/logsession.h"
#include "logtable/logtablemodel.h"
#include "logtable/triplog.h"
#include "platform/clock.h"
#include "platform/platform.h"
#include "shell/form1.h"
#include "support/fakedialogs.h"
#include "support/fakeplatform.h"

#include <QApplication>
#include <QDir>
#include <QTableView>
#include <QTest>

#include <cstdio>
#include <iostream>

namespace {

void say(const QString& line)
{
    std::cout << line.toStdString() << std::endl; // flushed: the test reads it at once
}

void typeInto(bw::Form1& form, int row, int column, const QString& text)
{
    QTableView* grid = form.DataGrid1;
    const QPoint at = grid->visualRect(form.gridModel().index(row, column)).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
    QTest::qWait(30);
    for (const QChar c : text) {
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
        QTest::qWait(15);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::qWait(20); // the grid finishes an edit on the next turn of the event loop
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4) {
        std::cerr << "usage: bw_crash_driver CONFIG-FOLDER RUN EDITS [--hold]\n";
        return 2;
    }
    bw::test::FakeDialogs dialogs;
    bw::SystemClock clock;
    bw::test::FakeRandom random;
    bw::test::FakeUrlLauncher launcher;
    bw::Platform seams;
    seams.dialogs = &dialogs;
    seams.clock = &clock;
    seams.random = &random;
    seams.urlLauncher = &launcher;
    seams.programFolder = args[1];
    seams.settingsFile = QDir(args[1]).filePath(QStringLiteral("Varnholt/Brindlewick.ini"));
    seams.tempRoot = args[1];
    const bw::PlatformOverride override(seams);

    bw::Form1 form;
    if (!form.load()) return 3;
    // Said as soon as the window has told them: a kill may follow at any moment.
    for (const QString& text : dialogs.texts()) say(QStringLiteral("notice: ") + text.simplified());
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) return 4;
    const bool readOnly = form.session().log()->readOnly();
    say(QStringLiteral("ready readonly=%1").arg(readOnly ? 1 : 0));
    for (int row = 0; row < form.gridModel().rowCount(); ++row) {
        say(QStringLiteral("row %1 %2")
                .arg(row)
                .arg(form.gridModel().index(row, 1).data().toString()));
    }
    const int run = args[2].toInt();
    const int edits = args[3].toInt();
    const int rows = form.gridModel().rowCount();
    for (int i = 0; i < edits && !readOnly && rows > 0; ++i) {
        const int row = i % rows;
        const QString text = QStringLiteral("r%1e%2").arg(run).arg(i);
        typeInto(form, row, 1, text);
        if (form.gridModel().index(row, 1).data().toString() != text) {
            say(QStringLiteral("missed %1 %2").arg(row).arg(text));
            continue;
        }
        say(QStringLiteral("edit %1 %2").arg(row).arg(text));
    }
    say(QStringLiteral("done"));
    if (args.contains(QStringLiteral("--hold"))) {
        char buffer[64];
        while (std::fgets(buffer, sizeof buffer, stdin) != nullptr) {
        }
        form.close();
    }
    return 0;
}
