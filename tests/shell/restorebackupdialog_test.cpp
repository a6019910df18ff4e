// The restore window driven by keys, with the question answered Yes and No.
#include "logstore/logbackup.h"
#include "shell/restorebackupdialog.h"
#include "support/fakeplatform.h"
#include "support/triplogdb.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace bw::test {
namespace {

QDateTime at(const char* iso) { return QDateTime::fromString(QLatin1String(iso), Qt::ISODate); }

class RestoreDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        const QString path = dir.filePath(QStringLiteral("Varnholt/Brindlewick.sqlite"));
        QDir().mkpath(dir.filePath(QStringLiteral("Varnholt")));
        TripLogDb db(path);
        db.addTrips(1200, QStringLiteral("2026-11-28"));
        ASSERT_TRUE(backUpNow(db.connection(), at("2026-12-08T13:05:27")).ok);
        db.addTrips(34, QStringLiteral("2026-12-02"));
        ASSERT_TRUE(backUpNow(db.connection(), at("2026-12-09T09:00:00")).ok);
        where = BackupLocation::of(path);
        QFile junk(where.folder + QStringLiteral("/Brindlewick-20261207-090000.sqlite"));
        ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
        junk.write(QByteArray(4096, '?'));
    }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    RestoreBackupDialog& open(QString failure = QString())
    {
        dialog = std::make_unique<RestoreBackupDialog>([this] { return listBackups(where); }, 1234,
                                                       [this, failure](const QString& file) {
                                                           restoredFiles.push_back(file);
                                                           return failure;
                                                       });
        dialog->show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        return *dialog;
    }
    // Keys as a person presses them, to whatever has the focus.
    void press(std::initializer_list<Qt::Key> keys)
    {
        for (Qt::Key key : keys) {
            QTest::keyClick(QApplication::focusWidget(), key);
            QTest::qWait(20);
        }
    }
    QString cellText(int row, int column) const
    {
        return dialog->table()->item(row, column)->text();
    }

    TestPlatform env;
    QTemporaryDir dir;
    BackupLocation where;
    std::unique_ptr<RestoreBackupDialog> dialog;
    std::vector<QString> restoredFiles;
};

TEST_F(RestoreDialog, ListsBackupsNewestFirstWithAccessibleNames)
{
    RestoreBackupDialog& d = open();
    const QStringList expected[] = {{"12/9/2026 9:00:00 AM", "1,234", "12/2/2026"},
                                    {"12/8/2026 1:05:27 PM", "1,200", "11/28/2026"},
                                    {"12/7/2026 9:00:00 AM", "unreadable", ""}};
    ASSERT_EQ(d.table()->rowCount(), 3);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            EXPECT_EQ(cellText(row, column), expected[row][column]) << row << "," << column;
        }
    }
    EXPECT_EQ(QApplication::focusWidget(), d.table());
    for (QWidget* widget :
         {static_cast<QWidget*>(d.table()), static_cast<QWidget*>(d.restoreButton())}) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
        ASSERT_NE(face, nullptr);
        EXPECT_FALSE(face->text(QAccessible::Name).isEmpty()) << widget->objectName().toStdString();
    }
}

TEST_F(RestoreDialog, KeysChooseAskAndRestoreOrNot)
{
    const QString question = QStringLiteral(
        "Replace the log's 1,234 trips with the 1,200 trips of the backup of 12/8/2026 1:05:27 PM? "
        "The current log is backed up first.");
    struct Case {
        const char* name;
        std::vector<Qt::Key> keys;
        std::vector<Dialogs::Answer> answers;
        QString failure;      // what the restore reports
        QStringList messages; // every box shown, in order
        bool restored;        // the restore function was called
        bool stillOpen;
        QDialog::DialogCode result;
    };
    const QString backup08 = where.folder + QStringLiteral("/Brindlewick-20261208-130527.sqlite");
    const Case cases[] = {
        {"Down, Enter, No",
         {Qt::Key_Down, Qt::Key_Return},
         {Dialogs::No},
         {},
         {question},
         false,
         true,
         QDialog::Rejected},
        {"Enter alone asks with No as default",
         {Qt::Key_Down, Qt::Key_Enter},
         {},
         {},
         {question},
         false,
         true,
         QDialog::Rejected},
        {"Down, Enter, Yes",
         {Qt::Key_Down, Qt::Key_Return},
         {Dialogs::Yes},
         {},
         {question},
         true,
         false,
         QDialog::Accepted},
        {"Yes but the restore fails",
         {Qt::Key_Down, Qt::Key_Return},
         {Dialogs::Yes},
         "The disk is full.",
         {question, "The disk is full."},
         true,
         true,
         QDialog::Rejected},
        {"an unreadable backup is not offered",
         {Qt::Key_Down, Qt::Key_Down, Qt::Key_Return},
         {},
         {},
         {"The backup of 12/7/2026 9:00:00 AM cannot be read; choose another."},
         false,
         true,
         QDialog::Rejected},
        {"Escape closes",
         {Qt::Key_Down, Qt::Key_Escape},
         {},
         {},
         {},
         false,
         false,
         QDialog::Rejected},
    };
    for (const Case& c : cases) {
        env.dialogs.clear();
        restoredFiles.clear();
        for (Dialogs::Answer a : c.answers) env.dialogs.answerNext(a);
        RestoreBackupDialog& d = open(c.failure);
        for (Qt::Key key : c.keys) press({key});
        EXPECT_EQ(env.dialogs.texts(), c.messages) << c.name;
        EXPECT_EQ(restoredFiles.size(), c.restored ? 1u : 0u) << c.name;
        if (c.restored && !restoredFiles.empty()) {
            EXPECT_EQ(restoredFiles.front(), backup08) << c.name;
        }
        EXPECT_EQ(d.isVisible(), c.stillOpen) << c.name;
        EXPECT_EQ(d.result(), c.result) << c.name;
        EXPECT_EQ(d.restoredFile(), c.result == QDialog::Accepted ? backup08 : QString()) << c.name;
        if (!env.dialogs.messages().isEmpty() && c.messages.value(0) == question) {
            EXPECT_EQ(env.dialogs.messages().first().defaultButton, Dialogs::No) << c.name;
        }
    }
}

TEST_F(RestoreDialog, NoBackupsSaysSoAndOffersNoRestore)
{
    where.folder = dir.filePath(QStringLiteral("nowhere"));
    RestoreBackupDialog& d = open();
    EXPECT_EQ(d.table()->rowCount(), 0);
    EXPECT_FALSE(d.restoreButton()->isEnabled());
    press({Qt::Key_Return});
    EXPECT_TRUE(env.dialogs.messages().isEmpty());
    EXPECT_TRUE(restoredFiles.empty());
}

} // namespace
} // namespace bw::test
