// Fakes and fixtures of the report tests: inputs, windows and a scripted factory.
#pragma once

#include "logtable/logtable.h"
#include "logtable/reportinputs.h"
#include "report/reportwindows.h"
#include "spreadsheet/automation/objectmodel.h"
#include "spreadsheet/model/cellformat.h"
#include "spreadsheet/model/value.h"
#include "support/ssprint.h"

#include <QDate>
#include <QImage>
#include <QLocale>
#include <QStringList>
#include <QVariant>

#include <optional>
#include <ostream>
#include <vector>

namespace bw::ss {

// Readable formats in test failures.
void PrintTo(const CellFormat& format, std::ostream* out);

} // namespace bw::ss

namespace bw::test {

// Appends a trip with the given field values, in field order.
inline void appendTrip(LogTable& table, const std::vector<QVariant>& values)
{
    table.AddNew();
    for (std::size_t i = 0; i < values.size(); ++i) table.setValue(static_cast<int>(i), values[i]);
}

// The main window's entries as the report reads them.
class FakeInputs final : public ReportInputs {
public:
    FakeInputs() { table.openWithTripFields(); }

    QString employeeName() const override { return name; }
    QString employeeID() const override { return id; }
    QString vehicleDescription() const override { return vehicle; }
    QString authorizedBy() const override { return authorized; }
    QString ratePerMile() const override { return rate; }
    QDate periodFrom() const override { return from; }
    QDate periodTo() const override { return to; }
    LogTable& logTable() const override { return table; }
    RateSchedule rateSchedule() const override { return rates; }
    LogUnits units() const override { return logUnits; }

    QString name;
    QString id;
    QString vehicle;
    QString authorized;
    QString rate;
    QDate from;
    QDate to;
    RateSchedule rates;
    LogUnits logUnits;
    mutable LogTable table;
};

// The sample data of the program, with dates written in `locale`.
void fillSample(FakeInputs& inputs, const QLocale& locale);

// Trips with distinct numbers: mileage k, reimbursement k * 1.25 for trip k.
void fillNumberedTrips(LogTable& table, int count);

class FakeMainWindow final : public ReportMainWindow {
public:
    void setMousePointer(int pointer) override
    {
        calls << QStringLiteral("pointer %1").arg(pointer);
    }
    void hideWindow() override { calls << QStringLiteral("hide"); }
    void lockWindowUpdate(bool locked) override
    {
        calls << (locked ? QStringLiteral("lock") : QStringLiteral("unlock"));
    }
    QStringList calls;
};

class FakePreview final : public ReportPreview {
public:
    void setPicture(const ss::render::SheetPicture& p) override
    {
        picture = p;
        calls << QStringLiteral("picture");
    }
    void setExcelFile(const QString& path) override
    {
        excelFile = path;
        calls << QStringLiteral("file");
    }
    void showModeless() override { calls << QStringLiteral("show"); }
    ss::render::SheetPicture picture;
    QString excelFile;
    QStringList calls;
};

// New instances as the engine makes them (with a chosen locale and version, or failing),
// and a running instance of a chosen name, or none.
class ScriptedFactory final : public ss::automation::ApplicationFactory {
public:
    ss::automation::Application createNew() override;
    ss::automation::Application getRunning() override;

    ss::automation::ApplicationSettings settings;
    bool failCreate = false;
    // Creating fails from this instance on (1 for the first).
    std::optional<int> failFrom;
    int created = 0;
    // Every instance made, to check that each was quit.
    std::vector<ss::automation::Application> made;
    std::optional<QString> runningName;
};

} // namespace bw::test
