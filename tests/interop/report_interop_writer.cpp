// Builds the report sheet with the report builder and the engine, exactly as the create
// command does (sample trips, then B3 selected), and saves it where the interop checks
// hand it to programs we did not write.
//   report_interop_writer <file.xls>
#include "logtable/logtable.h"
#include "logtable/reportinputs.h"
#include "report/mileagelog.h"
#include "spreadsheet/automation/objectmodel.h"
#include "spreadsheet/model/errors.h"

#include <QCoreApplication>
#include <QLocale>

#include <cstdio>
#include <exception>

namespace {

namespace ax = bw::ss::automation;

class SampleInputs final : public bw::ReportInputs {
public:
    SampleInputs()
    {
        table_.openWithTripFields();
        trip({"5/14/2016", "Store", "Mini mall", "Daily delivery", "58114", "58116"}, 2.0, 2.5);
        trip({"5/14/2016", "Mini mall", "Mart", "", "58116", "58121"}, 5.0, 6.25);
        trip({"5/15/2016", "Mart", "Store", "Return back", "58121", "58125"}, 4.0, 5.0);
        trip({"5/16/2016", "Store", "Zürich Hbf", "Ünïcode ✓ 日本", "58125", "58131"}, 6.0, 7.5);
        table_.MoveFirst();
    }

    QString employeeName() const override { return QStringLiteral("Michael Jr."); }
    QString employeeID() const override { return QStringLiteral("00123"); }
    QString vehicleDescription() const override { return QStringLiteral("Ford Transit"); }
    QString authorizedBy() const override { return QStringLiteral("John"); }
    QString ratePerMile() const override { return QStringLiteral("1.25"); }
    QDate periodFrom() const override { return {2016, 5, 14}; }
    QDate periodTo() const override { return {2016, 5, 16}; }
    bw::LogTable& logTable() const override { return table_; }

private:
    void trip(std::initializer_list<const char*> texts, double miles, double money)
    {
        table_.AddNew();
        int field = 0;
        for (const char* t : texts) table_.setValue(field++, QString::fromUtf8(t));
        table_.setValue(6, miles);
        table_.setValue(7, money);
    }

    mutable bw::LogTable table_;
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (app.arguments().size() != 2) {
        std::fputs("usage: report_interop_writer <file.xls>\n", stderr);
        return 2;
    }
    try {
        ax::ApplicationSettings settings;
        settings.locale = QLocale(QLocale::English, QLocale::UnitedStates);
        ax::Application excel(settings);
        ax::Workbook book = excel.Workbooks().Add();
        while (excel.Sheets().Count() > 1) excel.Sheets().Item(2).Delete();
        excel.Sheets().Item(1).setName(QString::fromLatin1(bw::MileageLog::kSheetName));
        bw::MileageLog::mExcelApp = excel;
        SampleInputs inputs;
        bw::MileageLog::BuildSheet(inputs);
        excel.Sheets().Item(1).Select();
        excel.Range(QStringLiteral("B3")).Select();
        book.SaveAs(app.arguments()[1], 56);
        bw::MileageLog::mExcelApp = ax::Application();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
