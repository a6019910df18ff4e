// Tests of the main window's row commands on a grid of dated rows.
#include "core/mainmodule.h"
#include "form1fixture.h"

#include <QPushButton>

namespace bw {
namespace {

using test::Form1Test;

class RowCommands : public Form1Test {
protected:
    void SetUp() override
    {
        storeDatedRows(30);
        open();
    }
    QStringList expectedDates(std::initializer_list<int> removedOrBlank, int n = 30) const
    {
        QStringList result;
        for (int i = 1; i <= n; ++i) {
            if (std::find(removedOrBlank.begin(), removedOrBlank.end(), i)
                == removedOrBlank.end()) {
                result << QStringLiteral("d%1").arg(i);
            }
        }
        return result;
    }
};

TEST_F(RowCommands, AnsweringNoChangesNothing)
{
    selectRow(5);
    const QByteArray stored = settingsBytes();
    form->PushButton1->click();
    env.dialogs.answerNext(Dialogs::No);
    form->PushButton3->click();
    ASSERT_EQ(env.dialogs.messages().size(), 2);
    EXPECT_EQ(rows(), 30);
    EXPECT_EQ(dates(), expectedDates({}));
    EXPECT_EQ(gridRow(), 5);
    EXPECT_EQ(table().position(), 5);
    EXPECT_EQ(settingsBytes(), stored);
}

TEST_F(RowCommands, DeleteAsksAboutTheRowByItsDateThenConfirms)
{
    selectRow(0);
    env.dialogs.answerNext(Dialogs::Yes);
    form->PushButton1->click();
    ASSERT_EQ(env.dialogs.messages().size(), 2);
    const auto& question = env.dialogs.messages()[0];
    EXPECT_EQ(question.text, QStringLiteral("Do you really want delete this row ?\r\n(d1)"));
    EXPECT_EQ(question.title, QStringLiteral("Question"));
    EXPECT_EQ(question.buttons, Dialogs::Buttons::YesNo);
    EXPECT_EQ(question.defaultButton, Dialogs::No);
    EXPECT_EQ(question.icon, Dialogs::Icon::None);
    const auto& notice = env.dialogs.messages()[1];
    EXPECT_EQ(notice.text, QStringLiteral("Row deleted."));
    EXPECT_EQ(notice.title, applicationTitle());
    EXPECT_EQ(notice.buttons, Dialogs::Buttons::Ok);
    EXPECT_EQ(notice.icon, Dialogs::Icon::None);

    EXPECT_EQ(dates(), expectedDates({1}));
    EXPECT_EQ(gridRow(), 0);
    EXPECT_EQ(table().position(), 0);
    EXPECT_TRUE(form->updatesEnabled());
}

TEST_F(RowCommands, DeletingTheLastRowSelectsTheNewLastRow)
{
    selectRow(29);
    env.dialogs.answerNext(Dialogs::Yes);
    form->PushButton1->click();
    EXPECT_EQ(dates(), expectedDates({30}));
    EXPECT_EQ(gridRow(), 28);
    EXPECT_EQ(table().position(), 28);
}

TEST_F(RowCommands, ADeletedRowStaysDeletedAfterTheNextStart)
{
    selectRow(2);
    env.dialogs.answerNext(Dialogs::Yes);
    form->PushButton1->click();
    reopen();
    EXPECT_EQ(keptRowCountAtClose(), QStringLiteral("29"));
    EXPECT_EQ(keptTrips().at(2).trip.date, QVariant(QStringLiteral("d4")));
    EXPECT_EQ(dates(), expectedDates({3}));
}

TEST_F(RowCommands, ARowWithoutADateIsAskedAboutWithEmptyParentheses)
{
    selectRow(7);
    table().setValue(0, QString());
    form->PushButton1->click();
    selectRow(8);
    table().setValue(0, QVariant());
    form->PushButton1->click();
    EXPECT_EQ(env.dialogs.texts(), QStringList({"Do you really want delete this row ?\r\n()",
                                                "Do you really want delete this row ?\r\n()"}));
    EXPECT_EQ(rows(), 30);
}

TEST_F(RowCommands, InsertPutsASelectedBlankRowBelowTheSelectedRow)
{
    selectRow(2);
    form->PushButton2->click();
    EXPECT_TRUE(env.dialogs.messages().isEmpty());
    ASSERT_EQ(rows(), 31);
    QStringList expected = expectedDates({});
    expected.insert(3, QString());
    EXPECT_EQ(dates(), expected);
    for (int k = 0; k < 6; ++k) EXPECT_EQ(table().valueAt(3, k), QVariant(QString()));
    EXPECT_EQ(table().valueAt(3, 6), QVariant(0.0));
    EXPECT_EQ(table().valueAt(3, 7), QVariant(0.0));
    EXPECT_EQ(gridRow(), 3);
    EXPECT_EQ(table().position(), 3);

    selectRow(30);
    form->PushButton2->click();
    EXPECT_EQ(rows(), 32);
    EXPECT_EQ(dates().back(), QString());
    EXPECT_EQ(dates().at(30), QStringLiteral("d30"));
    EXPECT_EQ(gridRow(), 31);
}

TEST_F(RowCommands, InsertServesTablesOfAnySize)
{
    storeDatedRows(600);
    open();
    selectRow(598);
    form->PushButton2->click();
    EXPECT_TRUE(env.dialogs.messages().isEmpty());
    ASSERT_EQ(rows(), 601);
    EXPECT_EQ(dates().at(598), QStringLiteral("d599"));
    EXPECT_EQ(dates().at(599), QString());
    EXPECT_EQ(dates().at(600), QStringLiteral("d600"));
    EXPECT_EQ(gridRow(), 599);
}

TEST_F(RowCommands, WithoutACurrentRowDeleteDoesNothingAndInsertAppends)
{
    // The cursor past the last row stands on no row.
    table().MoveFirst();
    while (!table().Eof()) table().MoveNext();
    form->PushButton1->click();
    EXPECT_TRUE(env.dialogs.messages().isEmpty());
    EXPECT_EQ(rows(), 30);

    form->PushButton2->click();
    EXPECT_TRUE(env.dialogs.messages().isEmpty());
    EXPECT_EQ(rows(), 31);
    EXPECT_EQ(dates().back(), QString());
    EXPECT_EQ(gridRow(), 30);

    store({{"RowCount", QStringLiteral("0")}});
    open();
    form->PushButton1->click();
    form->PushButton2->click();
    EXPECT_TRUE(env.dialogs.messages().isEmpty());
    EXPECT_EQ(rows(), 1);
    EXPECT_EQ(gridRow(), 0);
}

struct DeleteAllCase {
    const char* name;
    const char* rowCount; // nullptr: the key is missing
    int rows;
};

void PrintTo(const DeleteAllCase& c, std::ostream* os) { *os << c.name; }

class DeleteAll : public Form1Test, public ::testing::WithParamInterface<DeleteAllCase> {};

TEST_P(DeleteAll, GivesTheStoredNumberOfBlankRowsWhateverTheTableHeld)
{
    {
        SettingsStore settings;
        SettingsStore::Batch batch(settings);
        for (int i = 1; i <= 40; ++i) {
            settings.SaveSetting(QStringLiteral("RowSource1 %1").arg(i),
                                 QStringLiteral("d%1").arg(i));
        }
        if (GetParam().rowCount != nullptr) {
            settings.SaveSetting(QStringLiteral("RowCount"),
                                 QString::fromLatin1(GetParam().rowCount));
        }
        batch.commit();
    }
    open();
    form->PushButton2->click();
    form->PushButton2->click();
    const QByteArray stored = settingsBytes();
    const auto previous = form->session().table();

    env.dialogs.answerNext(Dialogs::Yes);
    form->PushButton3->click();
    ASSERT_EQ(env.dialogs.messages().size(), 1);
    EXPECT_EQ(env.dialogs.messages()[0].text, QStringLiteral("Do you really want clear ?"));
    EXPECT_EQ(env.dialogs.messages()[0].title, QStringLiteral("Question"));
    EXPECT_EQ(env.dialogs.messages()[0].defaultButton, Dialogs::No);

    EXPECT_NE(form->session().table(), previous);
    EXPECT_EQ(form->gridModel().boundTable(), form->session().table());
    ASSERT_EQ(rows(), GetParam().rows);
    EXPECT_EQ(form->gridModel().rowCount(), GetParam().rows);
    for (int r = 0; r < rows(); ++r) {
        EXPECT_EQ(table().valueAt(r, 0), QVariant(QString()));
        EXPECT_EQ(table().valueAt(r, 6), QVariant(0.0));
    }
    EXPECT_EQ(gridRow(), GetParam().rows > 0 ? 0 : -1);
    EXPECT_EQ(settingsBytes(), stored);
}

INSTANTIATE_TEST_SUITE_P(
    RowCounts, DeleteAll,
    ::testing::Values(DeleteAllCase{"Missing", nullptr, 30}, DeleteAllCase{"Zero", "0", 0},
                      DeleteAllCase{"Twelve", "12", 12}, DeleteAllCase{"HalfToEven", "31.5", 32}),
    [](const ::testing::TestParamInfo<DeleteAllCase>& tc) { return std::string(tc.param.name); });

TEST_F(RowCommands, DeleteAllWithAnUnusableRowCountReportsAndLeavesAnEmptyTable)
{
    keepRowCountAtClose(QStringLiteral("1e30"));
    env.dialogs.answerNext(Dialogs::Yes);
    form->PushButton3->click();
    ASSERT_EQ(env.dialogs.texts().size(), 2);
    EXPECT_TRUE(
        env.dialogs.texts()[1].contains(QStringLiteral("Form1.PushButton3_Click at line 124\r\r")));
    EXPECT_EQ(rows(), 0);
}

} // namespace
} // namespace bw
