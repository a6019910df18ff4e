// Tests of creating, restoring, binding and saving the trip table.
#include "core/errorlocation.h"
#include "core/steptrap.h"
#include "logstore/settingsstore.h"
#include "logtable/logtable.h"
#include "logtable/logtablemodel.h"
#include "logtable/logtablestore.h"
#include "support/fakeplatform.h"
#include "triptables.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <ostream>

namespace bw {
namespace {

using test::TestPlatform;

struct Restored {
    std::shared_ptr<LogTable> table;
    QStringList reports;
};

Restored restoreFrom(TestPlatform& env, const SettingsStore& store)
{
    Restored result;
    StepTrap trap(QString::fromLatin1(ErrorLocation::Form1_Form_Load));
    CreateLogTable(result.table, trap, 142);
    RestoreLogRows(result.table, store, trap);
    result.reports = env.dialogs.texts();
    return result;
}

TEST(RestoreLogRows, AnEmptyStoreGivesThirtyBlankRows)
{
    TestPlatform env;
    SettingsStore store;
    const Restored r = restoreFrom(env, store);
    ASSERT_TRUE(r.table);
    EXPECT_TRUE(r.reports.isEmpty());
    ASSERT_EQ(r.table->RecordCount(), 30);
    for (int row = 0; row < 30; ++row) {
        for (int k = 0; k < 6; ++k) {
            const QVariant v = r.table->valueAt(row, k);
            EXPECT_FALSE(v.isNull());
            EXPECT_EQ(v.toString(), QString());
        }
        EXPECT_EQ(r.table->valueAt(row, 6), QVariant(0.0));
        EXPECT_EQ(r.table->valueAt(row, 7), QVariant(0.0));
    }
}

struct CountCase {
    const char* name;
    const char* stored;
    int rows;
    const char* shown; // part of the one message shown, or "" for none
};

void PrintTo(const CountCase& c, std::ostream* os) { *os << c.name; }

class StoredRowCount : public ::testing::TestWithParam<CountCase> {};

TEST_P(StoredRowCount, DecidesTheRowsRestored)
{
    TestPlatform env;
    SettingsStore store;
    store.SaveSetting(QStringLiteral("RowCount"), QString::fromLatin1(GetParam().stored));
    const Restored r = restoreFrom(env, store);
    EXPECT_EQ(r.table->RecordCount(), GetParam().rows);
    if (*GetParam().shown != 0) {
        ASSERT_EQ(r.reports.size(), 1);
        EXPECT_TRUE(r.reports[0].contains(QString::fromLatin1(GetParam().shown)))
            << r.reports[0].toStdString();
    } else {
        EXPECT_TRUE(r.reports.isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Edges, StoredRowCount,
    ::testing::Values(CountCase{"Zero", "0", 0, ""}, CountCase{"Negative", "-3", 0, ""},
                      CountCase{"HalfToEvenDown", "12.5", 12, ""},
                      CountCase{"HalfToEvenUp", "13.5", 14, ""},
                      CountCase{"NoNumber", "abc", 0, ""},
                      CountCase{"FarTooLarge", "1e30", 0, "Form1.Form_Load at line 164\r\r"},
                      CountCase{"AtTheLimit", "65527", kMaxTrips, ""},
                      CountCase{
                          "OverTheLimit", "100001", kMaxTrips,
                          "A mileage log holds at most 65,527 trips. The stored log has 100001 "
                          "trips; the first 65527 were loaded."},
                      CountCase{"BeyondInt32", "4294967296", 0, "Form1.Form_Load at line 164\r\r"}),
    [](const ::testing::TestParamInfo<CountCase>& tc) { return std::string(tc.param.name); });

TEST(RestoreLogRows, FieldsComeBackAsTextAndNumbers)
{
    TestPlatform env;
    SettingsStore store;
    store.SaveSetting(QStringLiteral("RowCount"), QStringLiteral("3"));
    store.SaveSetting(QStringLiteral("RowSource1 1"), QStringLiteral("5/14/2016"));
    store.SaveSetting(QStringLiteral("rowsource4 1"), QStringLiteral("Daily, delivery"));
    store.SaveSetting(QStringLiteral("RowSource5 1"), QStringLiteral("0058114"));
    store.SaveSetting(QStringLiteral("RowSource7 1"), QStringLiteral("42.7"));
    store.SaveSetting(QStringLiteral("RowSource8 1"), QStringLiteral("12 dollars"));
    store.SaveSetting(QStringLiteral("RowSource7 2"), QString());
    store.SaveSetting(QStringLiteral("RowSource8 2"), QStringLiteral("n/a"));
    store.SaveSetting(QStringLiteral("RowSource2 3"), QString(1025, QLatin1Char('x')));
    store.SaveSetting(QStringLiteral("RowSource3 3"), QStringLiteral("Mart"));

    const Restored r = restoreFrom(env, store);
    ASSERT_EQ(r.table->RecordCount(), 3);
    EXPECT_EQ(r.table->valueAt(0, 0), QVariant(QStringLiteral("5/14/2016")));
    EXPECT_EQ(r.table->valueAt(0, 3), QVariant(QStringLiteral("Daily, delivery")));
    EXPECT_EQ(r.table->valueAt(0, 4), QVariant(QStringLiteral("0058114")));
    EXPECT_EQ(r.table->valueAt(0, 6), QVariant(42.7));
    EXPECT_EQ(r.table->valueAt(0, 7), QVariant(12.0));
    EXPECT_EQ(r.table->valueAt(1, 6), QVariant(0.0));
    EXPECT_EQ(r.table->valueAt(1, 7), QVariant(0.0));
    // A text longer than the field cannot be stored: that step is reported, the rest of
    // the row still comes back.
    ASSERT_EQ(r.reports.size(), 1);
    EXPECT_TRUE(r.reports[0].contains(QStringLiteral("Form1.Form_Load at line 170\r\r")));
    EXPECT_EQ(r.table->valueAt(2, 2), QVariant(QStringLiteral("Mart")));
}

using test::tableOf;

TEST(SaveLogRows, WritesRowCountAndEveryFieldByPosition)
{
    TestPlatform env;
    auto table = tableOf(31);
    table->setPosition(2);
    table->setValue(1, QVariant()); // null text
    table->setValue(7, QVariant()); // null number
    table->setValue(3, QStringLiteral("note"));
    {
        SettingsStore store;
        StepTrap trap(QString::fromLatin1(ErrorLocation::Form1_Form_QueryUnload));
        SaveLogRows(table, store, trap);
    }
    EXPECT_TRUE(env.dialogs.messages().isEmpty());
    SettingsStore reopened;
    EXPECT_EQ(reopened.GetSetting(QStringLiteral("RowCount")), QStringLiteral("31"));
    EXPECT_EQ(reopened.GetSetting(QStringLiteral("RowSource1 31")), QStringLiteral("row 31"));
    EXPECT_EQ(reopened.GetSetting(QStringLiteral("RowSource7 31")), QStringLiteral("46.5"));
    EXPECT_TRUE(reopened.contains(QStringLiteral("RowSource2 3")));
    EXPECT_EQ(reopened.GetSetting(QStringLiteral("RowSource2 3"), QStringLiteral("x")), QString());
    EXPECT_EQ(reopened.GetSetting(QStringLiteral("RowSource8 3"), QStringLiteral("x")), QString());
    EXPECT_EQ(reopened.GetSetting(QStringLiteral("RowSource4 3")), QStringLiteral("note"));
    EXPECT_FALSE(reopened.contains(QStringLiteral("RowSource1 32")));

    const Restored back = restoreFrom(env, reopened);
    ASSERT_EQ(back.table->RecordCount(), 31);
    for (int row = 0; row < 31; ++row) {
        EXPECT_EQ(back.table->valueAt(row, 0), table->valueAt(row, 0));
    }
    EXPECT_EQ(back.table->valueAt(2, 7), QVariant(0.0)); // empty when saved, 0 when restored
}

TEST(SaveLogRows, NumbersKeepTheirFractionWhateverTheLocale)
{
    TestPlatform env;
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    auto table = tableOf(1);
    table->setPosition(0);
    table->setValue(6, 42.7);
    {
        SettingsStore store;
        StepTrap trap(QString::fromLatin1(ErrorLocation::Form1_Form_QueryUnload));
        SaveLogRows(table, store, trap);
    }
    SettingsStore reopened;
    const Restored back = restoreFrom(env, reopened);
    QLocale::setDefault(saved);
    EXPECT_EQ(reopened.GetSetting(QStringLiteral("RowSource7 1")), QStringLiteral("42.7"));
    EXPECT_EQ(back.table->valueAt(0, 6), QVariant(42.7));
}

TEST(SaveLogRows, ATableThatWasNeverCreatedIsReportedOncePerStepAndTheLoopIsLeft)
{
    TestPlatform env;
    SettingsStore store;
    StepTrap trap(QString::fromLatin1(ErrorLocation::Form1_Form_QueryUnload));
    SaveLogRows(nullptr, store, trap);
    const QStringList reports = env.dialogs.texts();
    ASSERT_EQ(reports.size(), 3);
    EXPECT_TRUE(reports[0].contains(QStringLiteral("at line 100\r")));
    EXPECT_TRUE(reports[1].contains(QStringLiteral("at line 102\r")));
    EXPECT_TRUE(reports[2].contains(QStringLiteral("at line 106\r")));
    EXPECT_TRUE(reports[2].startsWith(
        QStringLiteral("Object variable or With block variable not set\r\n")));
}

TEST(SaveLogRows, AnEmptyTableWritesACountOfZeroAndNothingElse)
{
    TestPlatform env;
    auto table = tableOf(0);
    SettingsStore store;
    StepTrap trap(QString::fromLatin1(ErrorLocation::Form1_Form_QueryUnload));
    SaveLogRows(table, store, trap);
    EXPECT_TRUE(env.dialogs.messages().isEmpty());
    EXPECT_EQ(store.GetSetting(QStringLiteral("RowCount")), QStringLiteral("0"));
    EXPECT_FALSE(store.contains(QStringLiteral("RowSource1 1")));
}

TEST(BindLogTable, MovesToTheFirstRowOnlyWhenThereIsOne)
{
    TestPlatform env;
    LogTableModel model;
    StepTrap trap(QString::fromLatin1(ErrorLocation::Form1_Form_Load));

    auto filled = tableOf(5);
    BindLogTable(filled, model, trap);
    EXPECT_EQ(model.boundTable(), filled);
    EXPECT_EQ(filled->position(), 0);

    auto empty = tableOf(0);
    BindLogTable(empty, model, trap);
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(empty->position(), -1);
    EXPECT_TRUE(env.dialogs.messages().isEmpty());

    // Nothing to bind: the failing test still runs the guarded move, which fails too.
    BindLogTable(nullptr, model, trap);
    const QStringList reports = env.dialogs.texts();
    ASSERT_EQ(reports.size(), 3);
    EXPECT_TRUE(reports[0].contains(QStringLiteral("at line 184\r")));
    EXPECT_TRUE(reports[1].contains(QStringLiteral("at line 186\r")));
    EXPECT_TRUE(reports[2].contains(QStringLiteral("at line 188\r")));
}

TEST(CreateLogTable, GivesAnOpenEmptyTableWithTheEightFields)
{
    TestPlatform env;
    StepTrap trap(QString::fromLatin1(ErrorLocation::Form1_PushButton3_Click));
    std::shared_ptr<LogTable> table = tableOf(3);
    const auto previous = table;
    CreateLogTable(table, trap, 102);
    EXPECT_NE(table, previous);
    EXPECT_TRUE(table->isOpen());
    EXPECT_EQ(table->RecordCount(), 0);
    EXPECT_EQ(table->fieldCount(), 8);
    EXPECT_EQ(previous->RecordCount(), 3);
    EXPECT_TRUE(env.dialogs.messages().isEmpty());
}

} // namespace
} // namespace bw
