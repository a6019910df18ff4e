// The claim history window over a real log database: its rows and file states, saving a
// claim again, its trips as CSV, its folder, marking it paid, and its keys.
#include "logstore/claimstore.h"
#include "logstore/logdatabase.h"
#include "logtable/tripcsv.h"
#include "report/claimreport.h"
#include "shell/claimhistorydialog.h"
#include "shell/form1fixture.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QTimer>

#include <optional>

namespace bw::test {
namespace {

QDateTime utc(const char* iso)
{
    return QDateTime::fromString(QLatin1String(iso), Qt::ISODate).toUTC();
}

ClaimRecord recordOf(int trips, const QString& day, const QDateTime& savedAt)
{
    ClaimRecord r;
    r.savedAt = savedAt;
    r.employeeName = QStringLiteral("Ada Quill");
    r.employeeID = QStringLiteral("E-17");
    r.vehicleDescription = QStringLiteral("Blue van");
    r.authorizedBy = QStringLiteral("M. Orr");
    r.ratePerMile = QStringLiteral("0.5");
    r.periodFrom = QDate(2026, 11, 1);
    r.periodTo = QDate(2026, 11, 30);
    r.locale = QStringLiteral("en_US");
    for (int i = 0; i < trips; ++i) {
        const QString odometer = QString::number(1000 + 20 * i);
        r.trips.push_back(
            {i + 1,
             Trip::fromValues({day, QStringLiteral("Depot"), QStringLiteral("Client %1").arg(i + 1),
                               QStringLiteral("Samples"), odometer, QString::number(1020 + 20 * i),
                               QStringLiteral("20"), QStringLiteral("10.00")})});
    }
    r.totalMiles = QString::number(20 * trips);
    r.totalAmount = QStringLiteral("$%1.00").arg(10 * trips);
    return r;
}

// Every sheet's cells as xlrd reads them, as one text.
QString xlrdCells(const QString& path)
{
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral("-c"),
                  QStringLiteral("import sys, xlrd\n"
                                 "for s in xlrd.open_workbook(sys.argv[1]).sheets():\n"
                                 "    for r in range(s.nrows): print(r, s.row_values(r))\n"),
                  path});
    EXPECT_TRUE(python.waitForFinished(30000));
    EXPECT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    return QString::fromUtf8(python.readAllStandardOutput());
}

class ClaimHistory : public Form1Test {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        folder = QDir(env.tempRoot()).filePath(QStringLiteral("claims"));
        QDir().mkpath(folder);
        db = std::make_unique<LogDatabase>(LogDatabase::defaultPath(),
                                           LogDatabase::Access::ReadWrite);
        // 1: saved, paid. 2: its file deleted. 3: saved and changed, then printed too.
        // 4: printed only.
        const char* days[] = {"11/3/2026", "11/10/2026", "11/17/2026", "11/24/2026"};
        for (int n = 1; n <= 4; ++n) {
            const ClaimRecord r =
                recordOf(n + 1, QLatin1String(days[n - 1]), utc("2026-12-01T09:00:00Z").addDays(n));
            const QString file = path(QStringLiteral("claim%1.xls").arg(n));
            if (n < 4) makeReport(r, file);
            ClaimStore(*db).recordClaim(
                r, n < 4 ? ClaimFile{file, QStringLiteral("xls"), fileSha256(file), r.savedAt}
                         : ClaimFile{{}, QStringLiteral("print"), {}, r.savedAt});
        }
        ClaimStore(*db).addFile(3, {{}, QStringLiteral("print"), {}, utc("2026-12-05T10:00:00Z")});
        ClaimStore(*db).markPaid(1, utc("2026-12-06T10:00:00Z"));
        ASSERT_TRUE(
            QFile::copy(path(QStringLiteral("claim2.xls")), path(QStringLiteral("kept2.xls"))));
        ASSERT_TRUE(QFile::remove(path(QStringLiteral("claim2.xls"))));
        QFile changed(path(QStringLiteral("claim3.xls")));
        ASSERT_TRUE(changed.open(QIODevice::Append));
        changed.write("x");
    }
    void TearDown() override
    {
        dialog.reset();
        QLocale::setDefault(QLocale::c());
    }
    QString path(const QString& name) const { return QDir(folder).filePath(name); }
    static void makeReport(const ClaimRecord& record, const QString& file)
    {
        Claim claim;
        static_cast<ClaimRecord&>(claim) = record;
        writeClaimReport(claim, file);
    }
    ClaimHistoryDialog& openDialog(bool readOnly = false)
    {
        dialog = std::make_unique<ClaimHistoryDialog>(claimHistoryOf(db.get(), readOnly));
        dialog->show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        EXPECT_TRUE(QTest::qWaitFor([this] { return !dialog->checking(); }, 10000));
        return *dialog;
    }
    QString cell(int row, int column) const
    {
        return dialog->model()->index(row, column).data().toString();
    }
    // Chooses the claim by the keys a person uses: Home, then Down to its row.
    void choose(qint64 number)
    {
        dialog->table()->setFocus();
        QTest::keyClick(dialog->table(), Qt::Key_Home);
        for (int row = 0; row < dialog->model()->rowOf(number); ++row)
            QTest::keyClick(dialog->table(), Qt::Key_Down);
        ASSERT_EQ(dialog->table()->currentIndex().row(), dialog->model()->rowOf(number));
    }

    QString folder;
    std::unique_ptr<LogDatabase> db;
    std::unique_ptr<ClaimHistoryDialog> dialog;
};

TEST_F(ClaimHistory, ListsClaimsNewestFirstWithTheirFilesStateAndTheChain)
{
    ClaimHistoryDialog& d = openDialog();
    using M = ClaimHistoryModel;
    struct Row {
        const char *number, *trips, *total, *files, *paid;
    };
    const Row expected[] = {{"4", "5", "$50.00", "printed", ""},
                            {"3", "4", "$40.00", "claim3.xls (changed), printed", ""},
                            {"2", "3", "$30.00", "claim2.xls (missing)", ""},
                            {"1", "2", "$20.00", "claim1.xls", "Paid 12/6/2026"}};
    ASSERT_EQ(d.model()->rowCount(), 4);
    for (int row = 0; row < 4; ++row) {
        SCOPED_TRACE(row);
        const Row& e = expected[row];
        EXPECT_EQ(cell(row, M::NumberColumn), QLatin1String(e.number));
        EXPECT_EQ(cell(row, M::TripsColumn), QLatin1String(e.trips));
        EXPECT_EQ(cell(row, M::TotalColumn), QLatin1String(e.total));
        EXPECT_EQ(cell(row, M::FilesColumn), QLatin1String(e.files));
        EXPECT_EQ(cell(row, M::PaidColumn), QLatin1String(e.paid));
        EXPECT_EQ(cell(row, M::PeriodColumn), QStringLiteral("11/1/2026 to 11/30/2026"));
    }
    EXPECT_EQ(d.model()->fileState(3, 0), ClaimFileState::Present);
    // The newest is chosen and told as the table's description.
    EXPECT_EQ(d.table()->currentIndex().row(), 0);
    EXPECT_TRUE(d.table()->accessibleDescription().startsWith(QStringLiteral("Claim 4, saved")));
    EXPECT_FALSE(d.folderButton()->isEnabled()); // printed only
    const ChainCheck chain = ClaimStore(*db).checkChain();
    ASSERT_FALSE(chain.head.isEmpty());
    EXPECT_EQ(d.chainHead()->text(), chain.head);
    EXPECT_TRUE(d.chainState()->text().startsWith(QStringLiteral("The history holds")));
}

TEST_F(ClaimHistory, SavesAGoneFileAgainWithTheSameCellsAndTellsAFailure)
{
    ClaimHistoryDialog& d = openDialog();
    choose(2);
    const QString again = path(QStringLiteral("again.xls"));
    env.dialogs.chooseNextFile(again);
    QTest::keyClick(d.table(), Qt::Key_Return); // the default button
    ASSERT_EQ(env.dialogs.saveRequests().size(), 1);
    EXPECT_EQ(env.dialogs.saveRequests()[0].filters.size(), 3);
    ASSERT_EQ(env.dialogs.texts(), QStringList{QStringLiteral("Done.")});
    const QString cells = xlrdCells(again);
    EXPECT_TRUE(cells.contains(QStringLiteral("Client 3")));
    EXPECT_EQ(cells, xlrdCells(path(QStringLiteral("kept2.xls"))));

    env.dialogs.clear();
    env.dialogs.chooseNextFile(path(QStringLiteral("no such folder/again.pdf")));
    d.saveAgainButton()->click();
    ASSERT_EQ(env.dialogs.messages().size(), 1);
    EXPECT_TRUE(env.dialogs.texts()[0].startsWith(QStringLiteral("The report could not be saved")));
    EXPECT_GT(env.dialogs.texts()[0].size(), 60) << "the cause follows";
}

TEST_F(ClaimHistory, ExportsTheSnapshotTripsAndOpensTheFolder)
{
    ClaimHistoryDialog& d = openDialog();
    choose(3);
    const QString csv = path(QStringLiteral("trips"));
    env.dialogs.chooseNextFile(csv);
    d.exportButton()->click();
    QFile written(csv + QStringLiteral(".csv"));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const TripImport read = readTripsCsv(written.readAll());
    ASSERT_EQ(read.trips.size(), 4u);
    const Claim claim = *ClaimStore(*db).claim(3);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(read.trips[i].destination, claim.trips[i].trip.destination);
        EXPECT_EQ(read.trips[i].mileage.toDouble(), 20.0);
        EXPECT_EQ(read.trips[i].reimbursement.toDouble(), 10.0);
    }

    d.folderButton()->click();
    ASSERT_EQ(env.launcher.opened.size(), 1);
    EXPECT_EQ(env.launcher.opened[0], QUrl::fromLocalFile(folder));
    EXPECT_TRUE(env.dialogs.messages().isEmpty());
}

TEST_F(ClaimHistory, MarkingPaidAsksShowsTheDayAndIsTakenBackButNotInAReadOnlyLog)
{
    env.clock.set(QDateTime(QDate(2026, 12, 9), QTime(13, 5)));
    ClaimHistoryDialog& d = openDialog();
    choose(3);
    const QString pay = QStringLiteral("Mark claim 3 ($40.00) as paid today?");
    const QString takeBack = QStringLiteral(
        "Take back the paid mark of claim 3 ($40.00), made 12/9/2026 1:05 PM? The mark stays "
        "in the history, with the claim marked unpaid after it.");
    const struct {
        Dialogs::Answer answer;
        QString question;
        const char* paid; // the claim's Paid cell after the answer
        const char* button;
    } steps[] = {{Dialogs::No, pay, "", "Mark as &Paid"},
                 {Dialogs::Yes, pay, "Paid 12/9/2026", "Mark as &Unpaid"},
                 {Dialogs::No, takeBack, "Paid 12/9/2026", "Mark as &Unpaid"},
                 {Dialogs::Yes, takeBack, "", "Mark as &Paid"}};
    QString head = d.chainHead()->text();
    for (const auto& step : steps) {
        env.dialogs.clear();
        env.dialogs.answerNext(step.answer);
        d.paidButton()->click();
        ASSERT_EQ(env.dialogs.messages().size(), 1);
        EXPECT_EQ(env.dialogs.texts()[0], step.question);
        EXPECT_EQ(env.dialogs.messages()[0].defaultButton, Dialogs::No);
        EXPECT_EQ(cell(1, ClaimHistoryModel::PaidColumn), QLatin1String(step.paid));
        EXPECT_EQ(d.paidButton()->text(), QLatin1String(step.button));
        EXPECT_EQ(d.chainHead()->text() != head, step.answer == Dialogs::Yes) << "a mark is a link";
        head = d.chainHead()->text();
    }
    EXPECT_FALSE(ClaimStore(*db).claim(3)->paidAt);
    EXPECT_EQ(d.chainState()->text(),
              QStringLiteral("The history holds: 4 claims and 12 links checked."));

    ClaimHistoryDialog& readOnly = openDialog(true);
    choose(2);
    EXPECT_TRUE(readOnly.saveAgainButton()->isEnabled());
    EXPECT_FALSE(readOnly.paidButton()->isEnabled());
    EXPECT_TRUE(readOnly.paidButton()->toolTip().contains(QStringLiteral("read-only")));
}

TEST_F(ClaimHistory, AChangedHistoryIsToldWithItsFirstFailingLink)
{
    db->database().exec("UPDATE claims SET total_amount = '$1.00' WHERE number = 2");
    const ChainCheck chain = ClaimStore(*db).checkChain();
    ASSERT_FALSE(chain.holds);
    ClaimHistoryDialog& d = openDialog();
    EXPECT_TRUE(d.chainState()->text().startsWith(QStringLiteral("The history does not hold")));
    EXPECT_TRUE(d.chainState()->text().contains(chain.firstFailure))
        << chain.firstFailure.toStdString();
    EXPECT_EQ(d.chainHead()->text(), chain.head);
    EXPECT_EQ(d.chainHead()->accessibleDescription(), d.chainState()->text());
}

TEST_F(ClaimHistory, CtrlHInTheGridOpensItAndEscapeClosesItAlsoInAReadOnlyLog)
{
    db.reset();
    for (const bool readOnly : {false, true}) {
        SCOPED_TRACE(readOnly);
        form.reset();
        std::optional<InstanceLock> other;
        if (readOnly) other.emplace(LogDatabase::defaultPath(), InstanceLock::Holder::Program);
        Form1& f = openShown();
        ASSERT_EQ(f.session().log()->readOnly(), readOnly);
        ASSERT_TRUE(f.mnuGrid->actions().contains(f.mnuClaimHistory));
        EXPECT_EQ(f.mnuClaimHistory->text(), QStringLiteral("Claim History…"));
        f.DataGrid1->setFocus();
        int rows = -1;
        bool paidEnabled = readOnly;
        bool closed = false;
        QTimer::singleShot(0, [&] {
            auto* d = qobject_cast<ClaimHistoryDialog*>(QApplication::activeModalWidget());
            if (!d) return;
            rows = d->model()->rowCount();
            paidEnabled = d->paidButton()->isEnabled();
            QTest::qWait(50);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            closed = !d->isVisible();
        });
        QTest::keyClick(f.DataGrid1, Qt::Key_H, Qt::ControlModifier);
        EXPECT_EQ(rows, 4);
        EXPECT_EQ(paidEnabled, !readOnly);
        EXPECT_TRUE(closed);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
}

} // namespace
} // namespace bw::test
