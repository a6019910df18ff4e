// Tests of the trip grid's model and its cursor kept in step with the view's current row.
#include "logtable/logtable.h"
#include "logtable/logtablemodel.h"
#include "logtable/logtablestore.h"
#include "triptables.h"

#include <QAbstractItemModelTester>
#include <QLocale>

#include <gtest/gtest.h>

namespace bw {
namespace {

using test::tableOf;

class GridModel : public ::testing::Test {
protected:
    void SetUp() override
    {
        QObject::connect(&model, &LogTableModel::cursorMoved, [this](int row) { viewRow_ = row; });
        model.bind(table);
    }
    QString dateAt(int row) const { return table->valueAt(row, 0).toString(); }
    // The row a view was last told to make current, and a row chosen in the view.
    int viewRow() const { return viewRow_; }
    void choose(int row, int column = 0) { model.viewMoved(model.index(row, column)); }

    std::shared_ptr<LogTable> table = tableOf(10);
    LogTableModel model;
    QAbstractItemModelTester tester{&model, QAbstractItemModelTester::FailureReportingMode::Fatal};
    int viewRow_ = -2;
};

TEST_F(GridModel, ShowsEveryFieldUnderItsNameWithEmptyTextForNulls)
{
    EXPECT_EQ(model.rowCount(), 10);
    EXPECT_EQ(model.columnCount(), 8);
    QStringList headers;
    for (int c = 0; c < 8; ++c) headers << model.headerData(c, Qt::Horizontal).toString();
    EXPECT_EQ(headers, QStringList({"Date", "Starting Location", "Destination", "Description/Notes",
                                    "Odometer Start", "Odometer End", "Mileage", "Reimbursement"}));
    EXPECT_EQ(model.data(model.index(2, 0)).toString(), QStringLiteral("row 3"));
    EXPECT_EQ(model.data(model.index(2, 6)).toString(), QStringLiteral("4.5"));
    EXPECT_EQ(model.data(model.index(2, 7)).toString(), QString());
    EXPECT_EQ(model.data(model.index(2, 1)).toString(), QString());
}

TEST_F(GridModel, EditingWritesTheFieldAndRefusesWhatItCannotHold)
{
    const QModelIndex notes = model.index(4, 3);
    EXPECT_TRUE(model.setData(notes, QStringLiteral("Daily delivery")));
    EXPECT_EQ(table->valueAt(4, 3), QVariant(QStringLiteral("Daily delivery")));
    EXPECT_TRUE(model.setData(notes, QString(1024, QLatin1Char('a'))));
    EXPECT_FALSE(model.setData(notes, QString(1025, QLatin1Char('b'))));
    EXPECT_EQ(table->valueAt(4, 3).toString(), QString(1024, QLatin1Char('a')));

    const QModelIndex mileage = model.index(4, 6);
    EXPECT_TRUE(model.setData(mileage, QStringLiteral(" 12.5 ")));
    EXPECT_EQ(table->valueAt(4, 6), QVariant(12.5));
    // Only finite numbers are numbers.
    for (const char* refused :
         {"abc", "12abc", "1.2.3", "inf", "-INF", "Infinity", "nan", "NaN", "1e999"}) {
        EXPECT_FALSE(model.setData(mileage, QString::fromLatin1(refused))) << refused;
        EXPECT_EQ(table->valueAt(4, 6), QVariant(12.5)) << refused;
    }
    for (const double refused : {qInf(), -qInf(), qQNaN()}) {
        EXPECT_FALSE(model.setData(mileage, refused)) << refused;
        EXPECT_EQ(table->valueAt(4, 6), QVariant(12.5)) << refused;
    }
    EXPECT_TRUE(model.setData(mileage, QString()));
    EXPECT_TRUE(table->valueAt(4, 6).isNull());
    EXPECT_EQ(model.data(mileage).toString(), QString());
}

TEST_F(GridModel, NumbersAreTypedAndShownInTheUsersLocale)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QModelIndex rate = model.index(0, 7);
    const bool comma = model.setData(rate, QStringLiteral("1234,5"));
    const QString shown = model.data(rate).toString();
    QLocale::setDefault(saved);
    EXPECT_TRUE(comma);
    EXPECT_EQ(table->valueAt(0, 7), QVariant(1234.5));
    EXPECT_EQ(shown, QStringLiteral("1234,5"));
}

TEST_F(GridModel, WhatTheGridShowsTypesBackUnderEveryLocale)
{
    const QLocale saved;
    const QModelIndex mileage = model.index(1, 6);
    for (const QLocale& locale : QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript,
                                                          QLocale::AnyTerritory)) {
        QLocale::setDefault(locale);
        for (const double v : {-1234.5, 1e16, 5e-05}) {
            table->setValueAt(1, 6, v);
            const QString shown = model.data(mileage).toString();
            table->setValueAt(1, 6, 0.0);
            EXPECT_TRUE(model.setData(mileage, shown))
                << locale.name().toStdString() << " " << shown.toStdString();
            EXPECT_EQ(table->valueAt(1, 6), QVariant(v))
                << locale.name().toStdString() << " " << shown.toStdString();
        }
    }
    QLocale::setDefault(saved);
}

TEST_F(GridModel, TheGridsCurrentRowAndTheTableCursorFollowEachOther)
{
    EXPECT_EQ(viewRow(), table->position());
    choose(6, 2);
    EXPECT_EQ(table->position(), 6);
    table->setPosition(3);
    model.showCursor();
    EXPECT_EQ(viewRow(), 3);
}

TEST_F(GridModel, DeletingMovesToTheRowThatTookItsPlaceOrTheNewLastRow)
{
    choose(0);
    ASSERT_TRUE(model.deleteCurrentRow());
    EXPECT_EQ(model.rowCount(), 9);
    EXPECT_EQ(dateAt(0), QStringLiteral("row 2"));
    EXPECT_EQ(table->position(), 0);
    EXPECT_EQ(viewRow(), 0);

    choose(8);
    ASSERT_TRUE(model.deleteCurrentRow());
    EXPECT_EQ(model.rowCount(), 8);
    EXPECT_EQ(dateAt(7), QStringLiteral("row 9"));
    EXPECT_EQ(table->position(), 7);
    EXPECT_EQ(viewRow(), 7);

    table->setPosition(4);
    table->Delete(); // the cursor now stands on a deleted row
    EXPECT_FALSE(model.deleteCurrentRow());
}

TEST_F(GridModel, InsertingMakesTheNewRowCurrent)
{
    choose(2);
    model.insertRow(3, blankRowValues());
    EXPECT_EQ(model.rowCount(), 11);
    EXPECT_EQ(table->position(), 3);
    EXPECT_EQ(viewRow(), 3);
    EXPECT_EQ(table->valueAt(3, 0), QVariant(QString()));
    EXPECT_EQ(table->valueAt(3, 6), QVariant(0.0));
    EXPECT_EQ(dateAt(4), QStringLiteral("row 4"));
    EXPECT_THROW(model.insertRow(12, blankRowValues()), LogTableError);
    EXPECT_EQ(model.rowCount(), 11);
}

TEST_F(GridModel, ARebuildSpanRefreshesOnceAndAppliesABindAtItsEnd)
{
    auto replacement = tableOf(2);
    {
        const LogTableModel::Rebuild rebuild(model);
        table->MoveFirst();
        table->Delete();
        table->MoveNext();
        model.bind(replacement);
        EXPECT_EQ(model.boundTable(), replacement);
        replacement->setPosition(1);
    }
    EXPECT_EQ(model.rowCount(), 2);
    EXPECT_EQ(viewRow(), 1);
}

} // namespace
} // namespace bw
