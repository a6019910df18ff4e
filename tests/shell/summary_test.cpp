// The summary window over a real log, opened with Ctrl+U as a person does: its table, its
// chart, following the log, the tax year's start and Export….
#include "logstore/claimstore.h"
#include "logstore/logdatabase.h"
#include "shell/form1fixture.h"
#include "shell/summarychart.h"
#include "shell/summarywindow.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

namespace bw::test {
namespace {

StoredTrip trip(qint64 id, const char* date, const char* to, double miles)
{
    return {id, double(id),
            Trip::fromValues({QString::fromLatin1(date),
                              QStringLiteral("Depot"),
                              QString::fromLatin1(to),
                              {},
                              {},
                              {},
                              miles,
                              miles * 0.5})};
}

class Summary : public Form1Test {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        LogDatabase db(LogDatabase::defaultPath(), LogDatabase::Access::ReadWrite);
        const std::vector<StoredTrip> trips = {trip(1, "1/5/2026", "Mill", 10),
                                               trip(2, "3/2/2026", "Harbour", 30),
                                               trip(3, "3/10/2026", "Mill", 12.5)};
        db.apply({trips, {}, true, {{QString::fromLatin1(LogDatabase::kImportPending), {}}}});
        ClaimRecord record;
        record.savedAt = QDateTime(QDate(2026, 3, 11), QTime(9, 0), Qt::UTC);
        record.locale = QStringLiteral("en_US");
        for (const StoredTrip& t : {trips[0], trips[1]}) record.trips.push_back({t.id, t.trip});
        ClaimStore claims(db);
        claims.markPaid(claims.recordClaim(record, {{}, QStringLiteral("print"), {}, {}}),
                        record.savedAt.addDays(1));
    }
    ~Summary() override { QLocale::setDefault(QLocale::c()); }

    SummaryWindow& openSummary(Form1& f)
    {
        f.DataGrid1->setFocus();
        QTest::keyClick(f.DataGrid1, Qt::Key_U, Qt::ControlModifier);
        auto* window = f.findChild<SummaryWindow*>();
        EXPECT_NE(window, nullptr);
        return *window;
    }
    static QString cell(SummaryWindow& w, int row, int column)
    {
        return w.findChild<QTableWidget*>(QStringLiteral("tblMonths"))->item(row, column)->text();
    }
};

TEST_F(Summary, CtrlUShowsTheYearsMonthsAndChartWithTheSameNumbersAndFollowsTheLog)
{
    Form1& f = openShown();
    SummaryWindow& w = openSummary(f);
    EXPECT_EQ(w.findChild<QComboBox*>(QStringLiteral("cboYear"))->currentText(), "2026");
    struct Row {
        int row;
        QStringList cells;
    };
    const Row rows[] = {
        {0, {"January 2026", "1", "10", "$5.00", "$5.00", "$5.00", "$0.00"}},
        {2, {"March 2026", "2", "42.5", "$21.25", "$15.00", "$15.00", "$6.25"}},
        {12, {"Total", "3", "52.5", "$26.25", "$20.00", "$20.00", "$6.25"}},
    };
    for (const Row& r : rows) {
        for (int column = 0; column < r.cells.size(); ++column)
            EXPECT_EQ(cell(w, r.row, column), r.cells[column]) << r.row << "/" << column;
    }
    const std::vector<ChartBar>& bars = w.findChild<SummaryChart*>()->bars();
    ASSERT_EQ(bars.size(), 12U);
    for (int m = 0; m < 12; ++m) {
        EXPECT_EQ(bars[std::size_t(m)].label, cell(w, m, 2)) << m;
        EXPECT_DOUBLE_EQ(bars[std::size_t(m)].claimed + bars[std::size_t(m)].notYetClaimed,
                         w.summary().months[std::size_t(m)].distance);
    }
    EXPECT_EQ(bars[2].claimed, 30.0);

    // A trip's mileage typed in the grid is in the open summary a moment later.
    f.gridModel().setData(f.gridModel().index(2, 6), QStringLiteral("20"));
    QTRY_COMPARE(cell(w, 2, 2), QStringLiteral("50"));

    env.dialogs.chooseNextFile(QDir(env.tempRoot()).filePath(QStringLiteral("year.csv")));
    w.findChild<QPushButton*>(QStringLiteral("cmdExport"))->click();
    QFile csv(QDir(env.tempRoot()).filePath(QStringLiteral("year.csv")));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(csv.readAll()), summary::summaryCsv(w.summary()));
    env.dialogs.chooseNextFile(QDir(env.tempRoot()).filePath(QStringLiteral("chart")),
                               QStringLiteral("PNG Images (*.png)"));
    w.findChild<QPushButton*>(QStringLiteral("cmdExport"))->click();
    EXPECT_FALSE(QImage(QDir(env.tempRoot()).filePath(QStringLiteral("chart.png"))).isNull());
}

TEST_F(Summary, TheTaxYearStartIsKeptInTheLogAndAStartOfNoDayIsRefusedWithItsReason)
{
    Form1& f = openShown();
    SummaryWindow& w = openSummary(f);
    for (QPushButton* preset : w.findChildren<QPushButton*>()) {
        if (preset->text() == QStringLiteral("6 April (UK)")) preset->click();
    }
    EXPECT_EQ(w.findChild<QComboBox*>(QStringLiteral("cboYear"))->currentText(), "2025–26");
    EXPECT_EQ(cell(w, 0, 0), "April 2025");
    EXPECT_EQ(cell(w, 10, 0), "February 2026") << "6 February to 5 March holds 3/2";
    EXPECT_EQ(cell(w, 10, 1), "1");
    // 30 April is kept; 30 February then is not.
    w.findChild<QSpinBox*>(QStringLiteral("spnStartDay"))->setValue(30);
    w.findChild<QComboBox*>(QStringLiteral("cboStartMonth"))->setCurrentIndex(1);
    EXPECT_EQ(w.findChild<QLabel*>(QStringLiteral("lblStartNote"))->text(),
              QStringLiteral("The tax year's start was not changed: February has no day 30."));
    EXPECT_EQ(cell(w, 0, 0), "April 2025") << "the summary stays on the start kept";
    w.close();
    f.close();
    form.reset();
    LogDatabase db(LogDatabase::defaultPath(), LogDatabase::Access::ReadOnly);
    EXPECT_EQ(db.taxYearStart(), (TaxYearStart{4, 30}));
}

} // namespace
} // namespace bw::test
