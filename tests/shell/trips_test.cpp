// Trips as the user enters them: fills, warnings, refused input, CSV in and out.
#include "logtable/tripcsv.h"
#include "platform/datetext.h"
#include "shell/form1fixture.h"
#include "support/testfiles.h"

#include <QAction>
#include <QDateEdit>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QUrl>

namespace bw::test {
namespace {

class Trips : public Form1Test {
protected:
    Form1& shown() { return openShown(); }
    // Selects the cell and types as a person does, finishing with Enter.
    void type(int row, int column, const QString& text)
    {
        form->DataGrid1->setFocus();
        form->DataGrid1->setCurrentIndex(form->gridModel().index(row, column));
        for (const QChar c : text) QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::qWait(10);
    }
    QString cell(int row, int column) const
    {
        return form->gridModel().index(row, column).data().toString();
    }
    QString path(const char* name) const
    {
        return QDir(env.tempRoot()).filePath(QString::fromLatin1(name));
    }
    void drop(const QString& file)
    {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(file)});
        QWidget* cells = form->DataGrid1->viewport();
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(cells, &enter);
        ASSERT_TRUE(enter.isAccepted());
        QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(cells, &dropped);
    }
};

TEST_F(Trips, TypedRowsFillMileageAndReimbursementButNeverOverTheUser)
{
    store({{"RowCount", QStringLiteral("4")}, {"RatePerMile", QStringLiteral("0.5")}});
    Form1& f = shown();
    type(0, 4, QStringLiteral("100"));
    type(0, 5, QStringLiteral("112"));
    EXPECT_EQ(QStringList({cell(0, 6), cell(0, 7)}), QStringList({"12", "6"}));

    // A new row starts at the previous End; the user's own Mileage is kept.
    type(1, 5, QStringLiteral("130"));
    EXPECT_EQ(QStringList({cell(1, 4), cell(1, 6), cell(1, 7)}), QStringList({"112", "18", "9"}));
    type(2, 6, QStringLiteral("7"));
    type(2, 5, QStringLiteral("140"));
    EXPECT_EQ(QStringList({cell(2, 4), cell(2, 6), cell(2, 7)}), QStringList({"130", "7", "3.5"}));

    // A cleared fill stays cleared on its row and comes back when the row is left.
    f.gridModel().setData(f.gridModel().index(1, 6), QString());
    EXPECT_EQ(cell(1, 6), QString());
    selectRow(3);
    EXPECT_EQ(cell(1, 6), QStringLiteral("18"));

    // A rate typed later changes nothing already filled.
    f.txtRatePerMile->setText(QStringLiteral("0.7"));
    selectRow(0);
    EXPECT_EQ(QStringList({cell(0, 7), cell(1, 7), cell(2, 7)}), QStringList({"6", "9", "3.5"}));
}

TEST_F(Trips, FillsAreStoredAtCloseAndRestoredRowsStayAsStored)
{
    store({{"RowCount", QStringLiteral("2")},
           {"RowSource5 2", QStringLiteral("10")},
           {"RowSource6 2", QStringLiteral("30")}});
    shown();
    selectRow(1);
    selectRow(0);
    EXPECT_EQ(cell(1, 6), QStringLiteral("0")) << "no fill at start-up or when passing by";
    type(0, 4, QStringLiteral("1"));
    type(0, 5, QStringLiteral("5"));
    form->gridModel().setData(form->gridModel().index(0, 6), QString());
    reopen();
    EXPECT_EQ(keptTrips().at(0).trip.mileage, QVariant(4.0));
    EXPECT_EQ(keptTrips().at(1).trip.mileage, QVariant(0.0));
}

TEST_F(Trips, RefusedInputIsExplainedAtTheCell)
{
    store({{"RowCount", QStringLiteral("2")}, {"RowSource7 1", QStringLiteral("3")}});
    shown();
    type(0, 6, QStringLiteral("12 miles"));
    EXPECT_EQ(cell(0, 6), QStringLiteral("3"));
    const auto* note = form->DataGrid1->viewport()->findChild<QLabel*>(QStringLiteral("cellNote"));
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(note->isVisible());
    EXPECT_EQ(note->text(), QStringLiteral("Mileage takes a number, for example 12.5"));
    const QRect cell = form->DataGrid1->visualRect(form->gridModel().index(0, 6));
    EXPECT_EQ(note->geometry().top(), cell.bottom() + 1) << "just below the cell";
    selectRow(1);
    EXPECT_FALSE(note->isVisible()) << "moving on takes the note away";
}

TEST_F(Trips, WarningsMarkTheCellAndTheCreateCommandAsksOnce)
{
    const QString inPeriod = dateToText(QDate(2026, 3, 14));
    store({{"RowCount", QStringLiteral("3")},
           {"RowSource1 1", inPeriod},
           {"RowSource5 1", QStringLiteral("120")},
           {"RowSource6 1", QStringLiteral("110")},
           {"RowSource1 2", inPeriod},
           {"RowSource7 2", QStringLiteral("4")}});
    Form1& f = shown();
    int created = 0;
    f.setCreateTemplateHandler([&] { ++created; });
    const QModelIndex end = f.gridModel().index(0, 5);
    EXPECT_EQ(end.data(Qt::ToolTipRole).toString(),
              QStringLiteral("Odometer End is below Odometer Start."));
    EXPECT_EQ(end.data(Qt::AccessibleDescriptionRole), end.data(Qt::ToolTipRole));
    EXPECT_TRUE(end.data(Qt::BackgroundRole).isValid());
    EXPECT_FALSE(f.gridModel().index(1, 0).data(Qt::BackgroundRole).isValid());

    // Moving the period marks dates outside it.
    f.dtpFrom->setDate(QDate(2026, 3, 15));
    EXPECT_EQ(f.gridModel().index(1, 0).data(Qt::ToolTipRole).toString(),
              QStringLiteral("Date lies outside the period %1 to %1.")
                  .arg(dateToText(QDate(2026, 3, 15))));

    env.dialogs.answerNext(Dialogs::No);
    f.PushButton22->click();
    EXPECT_EQ(created, 0);
    ASSERT_EQ(env.dialogs.messages().size(), 1);
    const Dialogs::Message& asked = env.dialogs.messages().front();
    EXPECT_EQ(asked.buttons, Dialogs::Buttons::YesNo);
    EXPECT_EQ(asked.defaultButton, Dialogs::Yes);
    EXPECT_TRUE(asked.text.startsWith(
        QStringLiteral("2 rows carry a warning:\r\nRow 1: Date lies outside")));
    f.PushButton22->click();
    EXPECT_EQ(created, 1);
}

TEST_F(Trips, ADroppedFileFillsTheBlankRowsAfterTheUserChoosesAboutBadLines)
{
    store({{"RowCount", QStringLiteral("3")},
           {"RowSource1 1", QStringLiteral("kept")},
           {"RowSource6 1", QStringLiteral("100")},
           {"RatePerMile", QStringLiteral("0.5")}});
    shown();
    const QString file = path("trips.csv");
    writeFile(
        file,
        "Odometer End,Mileage,Date\n110,,2026-03-14\n120,12 miles,2026-03-14\n124,,2026-03-14\n"
        "130,,2026-03-14\n");
    env.dialogs.answerNext(Dialogs::No);
    drop(file);
    ASSERT_EQ(env.dialogs.texts().size(), 1);
    EXPECT_EQ(
        env.dialogs.texts().front(),
        QStringLiteral(
            "1 line of \"trips.csv\" cannot be imported:\r\nline 3, Mileage: \"12 miles\" is not a "
            "number\r\n\r\nImport the 3 good trips? No imports nothing."));
    EXPECT_EQ(rows(), 3);
    EXPECT_EQ(cell(1, 5), QString());

    drop(file);
    ASSERT_EQ(rows(), 4);
    EXPECT_EQ(dates(),
              QStringList({"kept", dateToText(QDate(2026, 3, 14)), dateToText(QDate(2026, 3, 14)),
                           dateToText(QDate(2026, 3, 14))}));
    EXPECT_EQ(QStringList({cell(1, 4), cell(1, 6), cell(1, 7), cell(3, 4), cell(3, 6)}),
              QStringList({"100", "10", "5", "124", "6"}));
    EXPECT_EQ(gridRow(), 1);
}

TEST_F(Trips, ExportAsksBeforeReplacingAndImportsBackTheSameRows)
{
    store({{"RowCount", QStringLiteral("2")},
           {"RowSource2 1", QStringLiteral("=1+1")},
           {"RowSource7 1", QStringLiteral("2.5")}});
    shown();
    const QString file = path("out.csv");
    writeFile(file, "old");
    env.dialogs.answerNext(Dialogs::No);
    EXPECT_FALSE(form->exportTripsTo(file));
    EXPECT_EQ(readAll(file), QByteArray("old"));
    EXPECT_TRUE(env.dialogs.texts().front().endsWith(
        QStringLiteral("already exists.\r\nDo you want to replace it?")));
    EXPECT_EQ(env.dialogs.messages().front().defaultButton, Dialogs::No);

    env.dialogs.answerNext(Dialogs::Yes);
    EXPECT_TRUE(form->exportTripsTo(file));
    EXPECT_TRUE(readAll(file).endsWith(",'=1+1,,,,,2.5,0\r\n"));
    EXPECT_TRUE(form->importTripsFrom(file));
    ASSERT_EQ(rows(), 2);
    EXPECT_EQ(cell(1, 1), QStringLiteral("=1+1"));
    EXPECT_EQ(cell(1, 6), cell(0, 6));

    EXPECT_FALSE(form->exportTripsTo(path("missing/dir/out.csv")));
    EXPECT_TRUE(env.dialogs.texts().back().startsWith(QStringLiteral("Cannot write")));
    EXPECT_FALSE(QFile::exists(path("missing/dir/out.csv")));
}

TEST_F(Trips, CtrlIAndTheContextMenuAskForTheFileThroughTheDialogs)
{
    store({{"RowCount", QStringLiteral("1")}, {"RowSource4 1", QStringLiteral("a note")}});
    Form1& f = shown();
    // The grid's menu ends with the log's commands.
    QStringList menu;
    for (const QAction* action : f.mnuGrid->actions()) menu << action->text();
    EXPECT_EQ(
        menu.mid(menu.size() - 9),
        QStringList({"Claim History…", "Summary…", "Start New Period…", "Import Trips from CSV...",
                     "Import Drives…", "Export Trips to CSV...", "Rates by Date…",
                     "Recalculate Reimbursements", "Restore Log from Backup…"}));
    EXPECT_EQ(f.DataGrid1->contextMenuPolicy(), Qt::CustomContextMenu);

    env.dialogs.chooseNextFile(path("typed"));
    f.mnuExportTrips->trigger();
    ASSERT_EQ(env.dialogs.saveRequests().size(), 1);
    EXPECT_EQ(env.dialogs.saveRequests().front().filters, QStringList({"CSV Files (*.csv)"}));
    EXPECT_TRUE(readAll(path("typed.csv")).contains(",a note,"));

    env.dialogs.chooseNextOpenFile(path("typed.csv"));
    QTest::keyClick(f.DataGrid1, Qt::Key_I, Qt::ControlModifier);
    ASSERT_EQ(env.dialogs.openRequests().size(), 1);
    EXPECT_EQ(env.dialogs.openRequests().front().title, QStringLiteral("Import Trips from CSV"));
    ASSERT_EQ(rows(), 2);
    EXPECT_EQ(cell(1, 3), QStringLiteral("a note"));

    f.DataGrid1->setCurrentIndex(f.gridModel().index(0, 0));
    QTest::keyClick(f.DataGrid1, Qt::Key_I, Qt::ControlModifier);
    EXPECT_EQ(rows(), 2) << "a cancelled dialog imports nothing";
}

} // namespace
} // namespace bw::test
