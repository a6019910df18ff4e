// Tests of loading the sample data into the main window.
#include "core/mainmodule.h"
#include "form1fixture.h"
#include "platform/datetext.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>

namespace bw {
namespace {

using test::Form1Test;

using SampleData = Form1Test;

QStringList sampleDates()
{
    const QString first = dateToText(QDate(2016, 5, 14));
    return {first, first, dateToText(QDate(2016, 5, 15))};
}

TEST_F(SampleData, ThirtyBlankRowsBecomeExactlyTheThreeSampleTrips)
{
    Form1& f = open();
    f.PushButton7->click();
    EXPECT_TRUE(env.dialogs.messages().isEmpty());
    ASSERT_EQ(rows(), 3);
    const QVariantList expected[] = {
        {sampleDates()[0], "Store", "Mini mall", "Daily delivery", "58114", "58116", 2.0, 2.5},
        {sampleDates()[1], "Mini mall", "Mart", "", "58116", "58121", 5.0, 6.25},
        {sampleDates()[2], "Mart", "Store", "Return back", "58121", "58125", 4.0, 5.0},
    };
    for (int r = 0; r < 3; ++r) {
        for (int k = 0; k < 8; ++k) {
            EXPECT_EQ(table().valueAt(r, k), expected[r][k]) << r << "," << k;
        }
    }
    EXPECT_EQ(f.txtEmployeeName->text(), QStringLiteral("Michael Jr."));
    EXPECT_EQ(f.gridModel().rowCount(), 3);
    EXPECT_EQ(gridRow(), table().position());
}

TEST_F(SampleData, TheEmployeeFieldsAndThePeriodAreOverwrittenAndStored)
{
    store({{"EmployeeName", QStringLiteral("Ann")},
           {"PeriodTo", dateToText(QDate(2010, 1, 1))},
           {"PeriodFrom", dateToText(QDate(2010, 1, 1))}});
    Form1& f = open();
    f.PushButton7->click();
    EXPECT_EQ(f.session().authorizedBy(), QStringLiteral("John"));
    EXPECT_EQ(f.session().periodFrom(), QDate(2016, 5, 14));
    EXPECT_EQ(f.session().periodTo(), QDate(2016, 5, 16));
    EXPECT_EQ(setting("AuthorizedBy"), QStringLiteral("John"));
    EXPECT_EQ(setting("EmployeeID"), QStringLiteral("DR005"));
    EXPECT_EQ(setting("EmployeeName"), QStringLiteral("Michael Jr."));
    EXPECT_EQ(setting("RatePerMile"), QStringLiteral("1.25"));
    EXPECT_EQ(setting("VehicleDescription"), QStringLiteral("Ford Transit"));
    EXPECT_EQ(setting("PeriodFrom"), dateToText(QDate(2016, 5, 14)));
    EXPECT_EQ(setting("PeriodTo"), dateToText(QDate(2016, 5, 16)));
    // The trips themselves reach the store only when the window closes.
    EXPECT_EQ(setting("RowCount"), QStringLiteral("<missing>"));
    reopen();
    EXPECT_EQ(rows(), 3);
    EXPECT_EQ(dates(), sampleDates());
}

TEST_F(SampleData, FilledRowsStayInOrderBeforeTheSampleTrips)
{
    store({{"RowSource1 1", QStringLiteral("first")}, {"RowSource2 2", QStringLiteral("second")}});
    open();
    form->PushButton7->click();
    ASSERT_EQ(rows(), 5);
    EXPECT_EQ(dates(), QStringList({"first", ""}) + sampleDates());
    EXPECT_EQ(table().valueAt(1, 1), QVariant(QStringLiteral("second")));
}

TEST_F(SampleData, PressingTwiceKeepsBothCopies)
{
    open();
    form->PushButton7->click();
    form->PushButton7->click();
    EXPECT_EQ(dates(), sampleDates() + sampleDates());
}

TEST_F(SampleData, AnEmptyTableEndsWithTheSampleTrips)
{
    store({{"RowCount", QStringLiteral("0")}});
    open();
    form->PushButton7->click();
    EXPECT_TRUE(env.dialogs.messages().isEmpty());
    EXPECT_EQ(dates(), sampleDates());
    EXPECT_EQ(gridRow(), table().position());
}

TEST_F(SampleData, ZeroMileageAloneIsBlankButANoteIsAValue)
{
    store({{"RowCount", QStringLiteral("4")},
           {"RowSource7 1", QStringLiteral("0")},
           {"RowSource4 2", QStringLiteral("keep me")},
           {"RowSource8 3", QStringLiteral("0.5")}});
    open();
    form->PushButton7->click();
    ASSERT_EQ(rows(), 5);
    EXPECT_EQ(table().valueAt(0, 3), QVariant(QStringLiteral("keep me")));
    EXPECT_EQ(table().valueAt(1, 7), QVariant(0.5));
    EXPECT_EQ(dates().mid(2), sampleDates());
}

TEST_F(SampleData, HelpNamesTheContactPage)
{
    open();
    form->PushButton6->click();
    ASSERT_EQ(env.dialogs.messages().size(), 1);
    const auto& box = env.dialogs.messages()[0];
    EXPECT_EQ(box.text, QStringLiteral("Questions? Please contact Team Varnholt at "
                                       "https://www.brindlewick.example/support"));
    EXPECT_EQ(box.title, applicationTitle());
    EXPECT_EQ(box.buttons, Dialogs::Buttons::Ok);
    EXPECT_EQ(box.icon, Dialogs::Icon::None);
    EXPECT_EQ(rows(), 30);
}

} // namespace
} // namespace bw
