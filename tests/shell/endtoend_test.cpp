// Tests of the whole program driven as a user does, with the real engine and files.
#include "logstore/logdatabase.h"
#include "logstore/settingsstore.h"
#include "logtable/logsession.h"
#include "logtable/logtable.h"
#include "platform/appidentity.h"
#include "platform/datetext.h"
#include "platform/tempfolder.h"
#include "platform/terminationsignals.h"
#include "preview/form2.h"
#include "preview/picturebox.h"
#include "shell/bothwindows.h"
#include "shell/form1.h"
#include "shell/programwindows.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/xls/xls.h"
#include "support/fakeplatform.h"
#include "support/testfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>
#include <memory>

namespace bw::test {
namespace {

// The whole program as a user drives it: both windows, the real engine, the real files;
// only the dialogs, the clock and chance are scripted.
class EndToEnd : public BothWindowsTest {
protected:
    void SetUp() override { start(); }

    QStringList tempFiles() const
    {
        return QDir(privateTempFolder()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    }
};

TEST_F(EndToEnd, BothWindowsShowTheProgramsIcon)
{
    main().PushButton7->click();
    create();
    const QImage expected = applicationIcon().pixmap(64).toImage();
    ASSERT_FALSE(expected.isNull()) << "the icon resource is missing";
    for (QWidget* window : {static_cast<QWidget*>(&main()), static_cast<QWidget*>(&preview())}) {
        EXPECT_EQ(window->windowIcon().pixmap(64).toImage(), expected)
            << window->objectName().toStdString();
    }
}

// A termination signal (as at logout) with the preview open and a box open over it: the
// box is closed, then the preview's close steps run once: the trips are stored and the
// temporary workbook is gone.
TEST_F(EndToEnd, ATerminationSignalClosesBoxesThenRunsTheCloseStepsOnce)
{
    TerminationSignals terminations;
    QObject::connect(&terminations, &TerminationSignals::received,
                     [this] { windows->endSession(); });
    main().PushButton7->click();
    create();
    const QString report = preview().mExcelFile;
    ASSERT_TRUE(QFileInfo::exists(report));

    bool boxReturned = false;
    QTimer::singleShot(0, [&] {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("t"), QStringLiteral("open"),
                        QMessageBox::Yes | QMessageBox::No, &preview());
        QTimer::singleShot(50, [] { std::raise(SIGTERM); });
        box.exec();
        boxReturned = true;
        std::raise(SIGHUP); // a second signal while ending changes nothing
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return ended > 0; }, 5000));
    QTest::qWait(50);

    EXPECT_TRUE(boxReturned);
    EXPECT_EQ(ended, 1);
    EXPECT_FALSE(QFileInfo::exists(report));
    LogDatabase db(LogDatabase::defaultPath(), LogDatabase::Access::ReadOnly);
    EXPECT_EQ(db.meta(QString::fromLatin1(LogDatabase::kRowCountAtClose)), QStringLiteral("3"));
    EXPECT_EQ(db.tripsInOrder().at(0).trip.startingLocation, QVariant(QStringLiteral("Store")))
        << "the sample's first trip is stored";
}

TEST_F(EndToEnd, CreatesThePreviewFromTheSampleData)
{
    main().PushButton7->click();
    ASSERT_EQ(main().session().logTable().RecordCount(), 3);

    create();

    EXPECT_TRUE(env.dialogs.messages().isEmpty()) << env.dialogs.texts().join(u'\n').toStdString();
    EXPECT_TRUE(preview().isVisible());
    EXPECT_FALSE(main().isVisible());
    // The unzoomed picture is the whole form: eight columns, 39 rows.
    const auto picture = preview().buffer()->picture();
    EXPECT_GT(picture.width(), 900);
    EXPECT_GT(picture.height(), 600);
    // The set-up measures the buffer less two twips, as the picture box always did.
    EXPECT_EQ(preview().zoomWidth(), picture.width() * 15 - 2);
    EXPECT_FLOAT_EQ(preview().zoom(), 1.0f);

    const QString report = preview().mExcelFile;
    EXPECT_EQ(QFileInfo(report).absolutePath(), QFileInfo(privateTempFolder()).absoluteFilePath());
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^kervan[1-9]{8}\\.xls$"))
                    .match(QFileInfo(report).fileName())
                    .hasMatch())
        << report.toStdString();
    // The picture file lives only inside the command.
    EXPECT_EQ(tempFiles(), QStringList{QFileInfo(report).fileName()});

    const auto book = ss::xls::loadWorkbook(report);
    ASSERT_EQ(book->sheetCount(), 1);
    const ss::Worksheet& sheet = book->sheet(0);
    EXPECT_EQ(sheet.name(), QStringLiteral("Mileage Log and Reimbursement"));
    ASSERT_NE(sheet.cell({2, 1}), nullptr);
    EXPECT_EQ(sheet.cell({2, 1})->value, ss::Value::text(QStringLiteral("Michael Jr.")));
    ASSERT_NE(sheet.cell({5, 4}), nullptr);
    EXPECT_EQ(sheet.cell({5, 4})->value, ss::Value::number(13.75));
    EXPECT_EQ(sheet.activeCell(), (ss::CellAddress{2, 1}));
}

TEST_F(EndToEnd, SavesCopiesAsTheUserAnswers)
{
    main().PushButton7->click();
    create();
    const QString report = preview().mExcelFile;
    const QByteArray workbook = readAll(report);
    ASSERT_FALSE(workbook.isEmpty());

    // A new name: no question, an exact copy.
    const QString fresh = userFile(QStringLiteral("mileage.xls"));
    env.dialogs.chooseNextFile(fresh);
    preview().saveButton()->click();
    EXPECT_EQ(env.dialogs.texts(), QStringList{QStringLiteral("Done.")});
    EXPECT_EQ(readAll(fresh), workbook);
    ASSERT_EQ(env.dialogs.saveRequests().size(), 1);
    EXPECT_EQ(env.dialogs.saveRequests().front().title, QStringLiteral("Save File"));
    EXPECT_EQ(env.dialogs.saveRequests().front().filters,
              (QStringList{QStringLiteral("Excel Files (*.xls)"),
                           QStringLiteral("Excel Workbook (*.xlsx)"),
                           QStringLiteral("PDF Files (*.pdf)")}));

    // An existing file and No: untouched.
    const QString existing = userFile(QStringLiteral("old.xls"));
    writeFile(existing, "old report");
    env.dialogs.clear();
    env.dialogs.chooseNextFile(existing);
    env.dialogs.answerNext(Dialogs::No);
    preview().saveButton()->click();
    EXPECT_EQ(env.dialogs.texts(),
              (QStringList{QStringLiteral("Are you sure you wish to overwrite ") + existing
                               + QStringLiteral(" ?"),
                           QStringLiteral("Done.")}));
    EXPECT_EQ(readAll(existing), QByteArray("old report"));

    // The same file and Yes: replaced by the report.
    env.dialogs.clear();
    env.dialogs.chooseNextFile(existing);
    env.dialogs.answerNext(Dialogs::Yes);
    preview().saveButton()->click();
    EXPECT_EQ(env.dialogs.texts().size(), 2);
    EXPECT_EQ(readAll(existing), workbook);

    // Cancel: nothing written, "Done." all the same.
    env.dialogs.clear();
    const QStringList before = QDir(env.tempRoot()).entryList(QDir::Files);
    preview().saveButton()->click();
    EXPECT_EQ(env.dialogs.texts(), QStringList{QStringLiteral("Done.")});
    EXPECT_EQ(QDir(env.tempRoot()).entryList(QDir::Files), before);

    // Saving never touched the report itself.
    EXPECT_EQ(readAll(report), workbook);
}

TEST_F(EndToEnd, BackDiscardsTheReportAndCreateStartsAfresh)
{
    main().PushButton7->click();
    create();
    const QString first = preview().mExcelFile;
    preview().zoomInButton()->click();
    ASSERT_FLOAT_EQ(preview().zoom(), 1.25f);

    preview().backButton()->click();
    EXPECT_FALSE(QFileInfo::exists(first));
    EXPECT_TRUE(main().isVisible());
    EXPECT_FALSE(preview().isVisible());
    EXPECT_EQ(main().session().logTable().RecordCount(), 3);
    EXPECT_EQ(main().txtEmployeeName->text(), QStringLiteral("Michael Jr."));

    // Edit a trip, then report again: the new workbook carries the edit, at zoom 1.0.
    main().session().logTable().setValueAt(0, 1, QStringLiteral("Depot"));
    create();
    EXPECT_TRUE(env.dialogs.messages().isEmpty()) << env.dialogs.texts().join(u'\n').toStdString();
    EXPECT_TRUE(preview().isVisible());
    EXPECT_FLOAT_EQ(preview().zoom(), 1.0f);
    const auto book = ss::xls::loadWorkbook(preview().mExcelFile);
    ASSERT_NE(book->sheet(0).cell({8, 1}), nullptr);
    EXPECT_EQ(book->sheet(0).cell({8, 1})->value, ss::Value::text(QStringLiteral("Depot")));
}

TEST_F(EndToEnd, ClosingThePreviewKeepsTheRowsAndLeavesNoFile)
{
    main().PushButton7->click();
    main().session().logTable().setValueAt(2, 3, QStringLiteral("edited before the report"));
    create();
    ASSERT_TRUE(preview().isVisible());

    preview().close();
    EXPECT_EQ(ended, 1);
    EXPECT_TRUE(tempFiles().isEmpty()) << tempFiles().join(u' ').toStdString();

    const SettingsStore store;
    LogDatabase db(LogDatabase::defaultPath(), LogDatabase::Access::ReadOnly);
    EXPECT_EQ(db.meta(QString::fromLatin1(LogDatabase::kRowCountAtClose)), QStringLiteral("3"));
    const std::vector<StoredTrip> trips = db.tripsInOrder();
    ASSERT_EQ(trips.size(), 3u);
    EXPECT_EQ(trips[0].trip.date, QVariant(dateToText(QDate(2016, 5, 14))));
    EXPECT_EQ(trips[2].trip.description, QVariant(QStringLiteral("edited before the report")));
    EXPECT_EQ(store.GetSetting(QStringLiteral("EmployeeName")), QStringLiteral("Michael Jr."));
}

} // namespace
} // namespace bw::test
