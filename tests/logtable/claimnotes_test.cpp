// Tests of what the grid says about claimed trips, and of their marks in the grid's model.
#include "logtable/claimnotes.h"
#include "logtable/logtable.h"
#include "logtable/logtablemodel.h"
#include "logtable/tripfills.h"
#include "triptables.h"

#include <QBrush>
#include <QLocale>

#include <gtest/gtest.h>

namespace bw {
namespace {

// Local times, so that what is shown does not depend on the machine's time zone.
QDateTime localAt(int day, int hour, int minute)
{
    return QDateTime(QDate(2026, 12, day), QTime(hour, minute)).toUTC();
}

// Trail entry `number` of trip 7: `change` at `when`, while claim `claim` was its latest.
TrailEntry entry(qint64 number, const QDateTime& when, qint64 claim, TrailEntry::Change change,
                 const char* field = "", const char* oldText = "", const char* newText = "")
{
    return {number,
            when,
            7,
            claim,
            change,
            QString::fromUtf8(field),
            QString::fromUtf8(oldText),
            QString::fromUtf8(newText)};
}

class ClaimNotes : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }
    // The locale's short time, whatever space it puts before AM/PM.
    static QString at(int day, int hour, int minute)
    {
        return QStringLiteral("12/%1/2026 ").arg(day)
               + QLocale().toString(QTime(hour, minute), QLocale::ShortFormat);
    }
};

TEST_F(ClaimNotes, TrailLinesNameTheFieldTheTextsAndTheMoment)
{
    using C = TrailEntry::Change;
    struct Case {
        C change;
        const char* field;
        const char* oldText;
        const char* newText;
        QString expected;
    };
    const QString when = at(10, 9, 0);
    const Case cases[] = {
        {C::Edited, "mileage", "12", "14", "Changed Mileage from 12 to 14 on " + when},
        {C::Edited, "odometer_start", "100", "101",
         "Changed Odometer Start from 100 to 101 on " + when},
        {C::Edited, "From", "", "Office",
         "Changed Starting Location from (empty) to Office on " + when},
        {C::Edited, "colour", "red", "", "Changed colour from red to (empty) on " + when},
        {C::Deleted, "", "", "", "Deleted on " + when},
        {C::MovedToHistory, "", "", "", "Moved to the history on " + when},
        {C::Returned, "", "", "", "Put back on " + when},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(
            trailLine(entry(1, localAt(10, 9, 0), 1, c.change, c.field, c.oldText, c.newText)),
            c.expected)
            << c.field;
    }
}

TEST_F(ClaimNotes, TheNoteSaysWhereAndWhenThenTheChangesSinceThatClaim)
{
    const TrailEntry older =
        entry(1, localAt(9, 8, 0), 1, TrailEntry::Change::Edited, "date", "a", "b");
    const TrailEntry since =
        entry(2, localAt(11, 16, 45), 2, TrailEntry::Change::Edited, "description", "x", "y");
    const ClaimMark saved{2, QStringLiteral("claim.xls"), localAt(9, 13, 5)};
    EXPECT_EQ(claimNote(saved, {older, since}), "Claimed in claim.xls, saved " + at(9, 13, 5)
                                                    + "\nChanged Description/Notes from x to y on "
                                                    + at(11, 16, 45));
    const ClaimMark printed{2, QString(), localAt(9, 13, 5)};
    EXPECT_EQ(claimNote(printed, {}), "Claimed in a printed report, saved " + at(9, 13, 5));
}

TEST_F(ClaimNotes, TheQuestionCountsTheClaimedTripsAndNamesTheFirst)
{
    const ClaimMark saved{1, QStringLiteral("claim.xls"), localAt(9, 13, 5)};
    const ClaimMark printed{1, QString(), localAt(9, 13, 5)};
    EXPECT_EQ(doubleClaimQuestion(3, 4, saved),
              QStringLiteral("3 of these trips were claimed before, first row 4 in claim.xls of "
                             "12/9/2026. Create the report anyway?"));
    EXPECT_EQ(doubleClaimQuestion(1, 2, printed),
              QStringLiteral("1 of these trips was claimed before, row 2 in a printed report of "
                             "12/9/2026. Create the report anyway?"));
}

// The model: a claimed trip is tinted and explained, a warning's tint and text win.
// (The table's dates are no dates, so column 0 carries warnings; Description has none.)
TEST_F(ClaimNotes, ClaimedTripsAreMarkedInTheGridBelowTheWarnings)
{
    auto table = test::tableOf(3);
    table->setValueAt(1, TripField::OdometerStart, QStringLiteral("120"));
    table->setValueAt(1, TripField::OdometerEnd, QStringLiteral("110"));
    LogTableModel model;
    model.bind(table);
    model.setClaimMarks({{table->idAt(1), table->idAt(2)}, [](LogTable::Bookmark id) {
                             return QStringLiteral("claimed %1").arg(id);
                         }});
    const QVariant plainTint = model.index(0, 3).data(Qt::BackgroundRole);
    const QVariant claimTint = model.index(2, 3).data(Qt::BackgroundRole);
    const QVariant warningTint = model.index(1, TripField::OdometerEnd).data(Qt::BackgroundRole);
    EXPECT_FALSE(plainTint.isValid());
    ASSERT_TRUE(claimTint.isValid());
    ASSERT_TRUE(warningTint.isValid());
    EXPECT_NE(claimTint.value<QBrush>().color(), warningTint.value<QBrush>().color());
    EXPECT_EQ(model.index(1, 3).data(Qt::BackgroundRole), claimTint) << "the row's other cells";

    const QString claimed2 = QStringLiteral("claimed %1").arg(table->idAt(2));
    EXPECT_EQ(model.index(2, 3).data(Qt::ToolTipRole).toString(), claimed2);
    EXPECT_EQ(model.index(2, 3).data(Qt::AccessibleDescriptionRole).toString(), claimed2);
    EXPECT_EQ(model.index(1, TripField::OdometerEnd).data(Qt::ToolTipRole).toString(),
              QStringLiteral("Odometer End is below Odometer Start."));
    EXPECT_FALSE(model.index(0, 3).data(Qt::ToolTipRole).isValid());
    EXPECT_TRUE(model.isClaimed(2));
    EXPECT_FALSE(model.isClaimed(0));

    model.setClaimMarks({});
    EXPECT_FALSE(model.index(2, 3).data(Qt::BackgroundRole).isValid());
}

} // namespace
} // namespace bw
