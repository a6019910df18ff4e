// Tests of the report inputs restored from the settings store.
#include "core/errorlocation.h"
#include "core/steptrap.h"
#include "logstore/settingsstore.h"
#include "logtable/logtable.h"
#include "platform/datetext.h"
#include "report/storedinputs.h"
#include "support/fakeplatform.h"

#include <gtest/gtest.h>

namespace bw {
namespace {

class StoredInputsTest : public ::testing::Test {
protected:
    void store(const char* key, const QString& value)
    {
        settings.SaveSetting(QString::fromLatin1(key), value);
    }
    void restore()
    {
        StepTrap trap(QString::fromLatin1(ErrorLocation::Form1_Form_Load));
        inputs.restore(settings, trap);
    }

    test::TestPlatform platform;
    SettingsStore settings;
    StoredReportInputs inputs;
};

TEST_F(StoredInputsTest, EmptyStoreGivesBlankEntriesTodayAndThirtyRows)
{
    restore();
    EXPECT_TRUE(platform.dialogs.messages().isEmpty());
    EXPECT_EQ(inputs.employeeName(), QString());
    EXPECT_EQ(inputs.ratePerMile(), QString());
    EXPECT_EQ(inputs.periodFrom(), platform.clock.today());
    EXPECT_EQ(inputs.periodTo(), platform.clock.today());
    ASSERT_EQ(inputs.logTable().RecordCount(), 30);
    EXPECT_EQ(inputs.logTable().position(), 0);
    EXPECT_EQ(inputs.logTable().value(6), QVariant(0.0));
}

TEST_F(StoredInputsTest, ReadsEveryKeyAsTheStartUpDoes)
{
    store("AUTHORIZEDBY", QStringLiteral("  Rhea "));
    store("EmployeeID", QStringLiteral("007"));
    store("EmployeeName", QStringLiteral("Ada"));
    store("RatePerMile", QStringLiteral("about 0.5"));
    store("VehicleDescription", QStringLiteral("Van"));
    // A period stored back to front is taken as it stands: only the pickers move dates.
    store("PeriodFrom", dateToText(QDate(2024, 3, 9)));
    store("PeriodTo", QStringLiteral("2024-03-01"));
    store("RowCount", QStringLiteral("1"));
    store("RowSource3 1", QStringLiteral("Harbour"));
    store("RowSource8 1", QStringLiteral("4.75"));

    restore();
    EXPECT_TRUE(platform.dialogs.messages().isEmpty())
        << platform.dialogs.texts().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(inputs.authorizedBy(), QStringLiteral("  Rhea "));
    EXPECT_EQ(inputs.employeeID(), QStringLiteral("007"));
    EXPECT_EQ(inputs.employeeName(), QStringLiteral("Ada"));
    EXPECT_EQ(inputs.ratePerMile(), QStringLiteral("about 0.5"));
    EXPECT_EQ(inputs.vehicleDescription(), QStringLiteral("Van"));
    EXPECT_EQ(inputs.periodFrom(), QDate(2024, 3, 9));
    EXPECT_EQ(inputs.periodTo(), QDate(2024, 3, 1));
    ASSERT_EQ(inputs.logTable().RecordCount(), 1);
    EXPECT_EQ(inputs.logTable().value(2), QVariant(QStringLiteral("Harbour")));
    EXPECT_EQ(inputs.logTable().value(7), QVariant(4.75));
}

TEST_F(StoredInputsTest, DateThatIsNoDateIsReportedAndLeavesToday)
{
    store("PeriodFrom", QStringLiteral("next Tuesday"));
    store("PeriodTo", dateToText(QDate(2030, 1, 2)));
    store("EmployeeName", QStringLiteral("Ada"));
    restore();
    ASSERT_EQ(platform.dialogs.messages().size(), 1);
    const QString report = platform.dialogs.texts().front();
    EXPECT_TRUE(report.contains(QStringLiteral("Type mismatch"))
                && report.contains(QStringLiteral("at line 134")))
        << report.toStdString();
    EXPECT_EQ(inputs.periodFrom(), platform.clock.today());
    EXPECT_EQ(inputs.periodTo(), QDate(2030, 1, 2));
    EXPECT_EQ(inputs.employeeName(), QStringLiteral("Ada"))
        << "the steps after the failure still run";
}

TEST_F(StoredInputsTest, SampleIsTheExampleContent)
{
    inputs.fillSample();
    EXPECT_EQ(inputs.employeeName(), QStringLiteral("Michael Jr."));
    EXPECT_EQ(inputs.employeeID(), QStringLiteral("DR005"));
    EXPECT_EQ(inputs.vehicleDescription(), QStringLiteral("Ford Transit"));
    EXPECT_EQ(inputs.authorizedBy(), QStringLiteral("John"));
    EXPECT_EQ(inputs.ratePerMile(), QStringLiteral("1.25"));
    EXPECT_EQ(inputs.periodFrom(), QDate(2016, 5, 14));
    EXPECT_EQ(inputs.periodTo(), QDate(2016, 5, 16));

    LogTable& table = inputs.logTable();
    ASSERT_EQ(table.RecordCount(), 3);
    const QDate dates[] = {QDate(2016, 5, 14), QDate(2016, 5, 14), QDate(2016, 5, 15)};
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(table.valueAt(row, 0), QVariant(dateToText(dates[row]))) << row;
        // The example numbers follow from the odometer readings and the sample rate.
        const double miles = table.valueAt(row, 5).toString().toDouble()
                             - table.valueAt(row, 4).toString().toDouble();
        EXPECT_EQ(table.valueAt(row, 6), QVariant(miles)) << row;
        EXPECT_EQ(table.valueAt(row, 7), QVariant(miles * 1.25)) << row;
    }
    EXPECT_EQ(table.valueAt(1, 3), QVariant(QString())) << "the second trip has no notes";
    EXPECT_EQ(table.valueAt(2, 1), QVariant(QStringLiteral("Mart")));
}

} // namespace
} // namespace bw
