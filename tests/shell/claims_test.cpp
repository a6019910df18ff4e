// Tests of claims in the windows: reports handed out from the preview are recorded, claimed
// trips are marked and asked about, and a new period moves them to the history.
#include "logstore/claimstore.h"
#include "logstore/logdatabase.h"
#include "logstore/sqlite.h"
#include "logtable/loghistory.h"
#include "logtable/logsession.h"
#include "logtable/logtable.h"
#include "logtable/logtablemodel.h"
#include "logtable/triplog.h"
#include "platform/datetext.h"
#include "preview/form2.h"
#include "shell/bothwindows.h"
#include "shell/form1.h"
#include "shell/programwindows.h"
#include "support/fakeplatform.h"
#include "support/qtprint.h"
#include "support/testfiles.h"

#include <QAction>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateEdit>
#include <QDir>
#include <QLocale>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace bw::test {
namespace {

using Change = TrailEntry::Change;

class Claims : public BothWindowsTest {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void TearDown() override
    {
        windows.reset();
        QLocale::setDefault(QLocale::c());
    }
    // The sample's trips, and a report of them on show in the preview.
    void startWithReport()
    {
        start();
        main().PushButton7->click();
        create();
        ASSERT_TRUE(preview().isVisible());
        env.dialogs.clear();
    }
    void back() { preview().backButton()->click(); }
    // A step in the preview: "print", "no print" (the print dialog cancelled), "cancel",
    // or a file name to save as.
    void handOut(const QString& step)
    {
        if (step.endsWith(QLatin1String("print"))) {
            env.dialogs.answerNextPrint(step == QLatin1String("print"),
                                        userFile(QStringLiteral("printed.pdf")));
            preview().printItem()->trigger();
        } else {
            if (step != QLatin1String("cancel")) env.dialogs.chooseNextFile(userFile(step));
            preview().saveButton()->click();
        }
    }
    std::vector<Claim> claims() { return main().session().claims()->claims(); }
    std::vector<qint64> gridIds()
    {
        std::vector<qint64> ids;
        const LogTable& table = main().session().logTable();
        for (int r = 0; r < table.RecordCount(); ++r)
            ids.push_back(static_cast<qint64>(table.idAt(r)));
        return ids;
    }
    static std::vector<Change> changesOf(const std::vector<TrailEntry>& trail)
    {
        std::vector<Change> changes;
        for (const TrailEntry& entry : trail) changes.push_back(entry.change);
        return changes;
    }
    // "3/14/2026 10:30 AM", the fake clock's moment, in the locale's short time.
    static QString savedText()
    {
        return QStringLiteral("3/14/2026 ")
               + QLocale().toString(QTime(10, 30), QLocale::ShortFormat);
    }
};

struct HandOutCase {
    const char* name;
    QStringList steps;
    QStringList formats; // of the one claim's files; none: no claim
};

void PrintTo(const HandOutCase& c, std::ostream* os) { *os << c.name; }

class HandingOut : public Claims, public ::testing::WithParamInterface<HandOutCase> {};

TEST_P(HandingOut, TheFirstSaveOrPrintRecordsTheClaimAndLaterOnesAddTheirFiles)
{
    startWithReport();
    for (const QString& step : GetParam().steps) handOut(step);
    for (const QString& text : env.dialogs.texts()) {
        EXPECT_FALSE(text.contains(QLatin1String("recorded"))) << text.toStdString();
    }

    const std::vector<Claim> recorded = claims();
    if (GetParam().formats.isEmpty()) {
        EXPECT_TRUE(recorded.empty());
        return;
    }
    ASSERT_EQ(recorded.size(), 1u);
    const Claim& claim = recorded.front();
    QStringList formats;
    for (const ClaimFile& file : claim.files) {
        formats << file.format;
        if (file.format == QLatin1String("print")) {
            EXPECT_TRUE(file.path.isEmpty() && file.sha256.isEmpty());
            continue;
        }
        EXPECT_EQ(file.path,
                  QDir(env.tempRoot()).absoluteFilePath(QFileInfo(file.path).fileName()));
        EXPECT_EQ(
            file.sha256,
            QString::fromLatin1(
                QCryptographicHash::hash(readAll(file.path), QCryptographicHash::Sha256).toHex()));
    }
    EXPECT_EQ(formats, GetParam().formats);
    std::vector<qint64> held;
    for (const ClaimedTrip& trip : claim.trips) held.push_back(trip.tripId);
    EXPECT_EQ(held, gridIds()) << "every trip of the report, by its lasting id";
    EXPECT_EQ(claim.employeeName, main().session().employeeName());
    EXPECT_EQ(claim.periodTo, main().session().periodTo());
}

INSTANTIATE_TEST_SUITE_P(
    Steps, HandingOut,
    ::testing::Values(HandOutCase{"XlsThenPdf", {"claim.xls", "claim.pdf"}, {"xls", "pdf"}},
                      HandOutCase{"PrintThenXlsx", {"print", "claim.xlsx"}, {"print", "xlsx"}},
                      HandOutCase{"CancelThenXls", {"cancel", "claim.xls"}, {"xls"}},
                      HandOutCase{"CancelledOnly", {"cancel", "no print"}, {}},
                      HandOutCase{"FailedThenPdf", {"gone/claim.xls", "claim.pdf"}, {"pdf"}}),
    [](const auto& tc) { return std::string(tc.param.name); });

TEST_F(Claims, ClaimedTripsAreMarkedAndAskedAboutBeforeTheyAreClaimedAgain)
{
    startWithReport();
    const int trips = main().session().logTable().RecordCount();
    ASSERT_GT(trips, 1);
    EXPECT_FALSE(main().gridModel().index(0, 3).data(Qt::BackgroundRole).isValid());
    handOut(QStringLiteral("claim.xls"));
    back();
    const QModelIndex notes = main().gridModel().index(0, 3);
    EXPECT_TRUE(notes.data(Qt::BackgroundRole).isValid());
    EXPECT_EQ(notes.data(Qt::ToolTipRole).toString(), "Claimed in claim.xls, saved " + savedText());
    EXPECT_EQ(notes.data(Qt::AccessibleDescriptionRole), notes.data(Qt::ToolTipRole));
    // A change since the claim is listed under it.
    const QString before = notes.data(Qt::DisplayRole).toString();
    ASSERT_TRUE(main().gridModel().setData(notes, QStringLiteral("changed")));
    EXPECT_EQ(notes.data(Qt::ToolTipRole).toString(),
              "Claimed in claim.xls, saved " + savedText() + "\nChanged Description/Notes from "
                  + (before.isEmpty() ? QStringLiteral("(empty)") : before) + " to changed on "
                  + savedText());

    const QString question =
        QStringLiteral("%1 of these trips were claimed before, first row 1 in claim.xls of "
                       "3/14/2026. Create the report anyway?")
            .arg(trips);
    struct Case {
        Dialogs::Answer answer;
        bool shown;
    };
    for (const Case c : {Case{Dialogs::No, false}, Case{Dialogs::Yes, true}}) {
        env.dialogs.clear();
        env.dialogs.answerNext(c.answer);
        create();
        ASSERT_FALSE(env.dialogs.messages().isEmpty());
        EXPECT_EQ(env.dialogs.messages().front().text, question);
        EXPECT_EQ(env.dialogs.messages().front().defaultButton, Dialogs::No);
        EXPECT_EQ(preview().isVisible(), c.shown);
        EXPECT_EQ(main().isVisible(), !c.shown) << "No goes back to the grid";
    }
    handOut(QStringLiteral("again.pdf"));
    back();
    EXPECT_EQ(claims().size(), 2u) << "claimed again when the user said so";
    EXPECT_EQ(notes.data(Qt::ToolTipRole).toString(), "Claimed in again.pdf, saved " + savedText());
}

TEST_F(Claims, OfTheDesignedBlankRowsOnlyTheTypedTripIsClaimedCountedAndMoved)
{
    start();
    LogTableModel& grid = main().gridModel();
    ASSERT_TRUE(grid.setData(grid.index(0, 0), QStringLiteral("3/14/2026")));
    ASSERT_TRUE(grid.setData(grid.index(0, 6), 12.0));
    create();
    handOut(QStringLiteral("claim.xls"));
    back();
    const Claim claim = claims().front();
    EXPECT_EQ(claim.trips.size(), 30u) << "the report's blank rows keep their places";
    EXPECT_EQ(tripCount(claim), 1);
    EXPECT_FALSE(grid.index(1, 3).data(Qt::BackgroundRole).isValid()) << "no blank row is tinted";
    // Typed into, a blank row is a new trip: not claimed, not trailed.
    const qint64 newTrip = gridIds()[1];
    ASSERT_TRUE(grid.setData(grid.index(1, 1), QStringLiteral("Depot")));
    EXPECT_FALSE(grid.isClaimed(1));
    EXPECT_TRUE(main().session().claims()->trailFor(newTrip).empty());

    env.dialogs.clear();
    env.dialogs.answerNext(Dialogs::Yes); // the new trip's warnings
    create();
    EXPECT_EQ(env.dialogs.texts().value(1),
              QStringLiteral("1 of these trips was claimed before, row 1 in claim.xls of "
                             "3/14/2026. Create the report anyway?"));
    env.dialogs.clear();
    main().mnuStartNewPeriod->trigger();
    EXPECT_TRUE(env.dialogs.texts().value(0).startsWith(QStringLiteral("1 claimed trip will")));
    EXPECT_EQ(gridIds().size(), 30u) << "the rows a new log starts with";
    EXPECT_EQ(gridIds().front(), newTrip);
}

TEST_F(Claims, ANewPeriodMovesTheClaimedTripsOutAndItsUndoBringsThemBack)
{
    startWithReport();
    handOut(QStringLiteral("claim.xls"));
    back();
    const std::vector<qint64> claimed = gridIds();
    const QDate oldFrom = main().session().periodFrom();
    const QDate oldTo = main().session().periodTo();
    main().PushButton2->click(); // a new, unclaimed trip stays
    const qint64 kept = gridIds().back();
    env.dialogs.clear();

    ASSERT_TRUE(main().mnuStartNewPeriod->isEnabled());
    main().mnuStartNewPeriod->trigger();
    const QDate from = claims().back().periodTo.addDays(1);
    ASSERT_EQ(env.dialogs.messages().size(), 1);
    EXPECT_EQ(env.dialogs.texts().front(),
              QStringLiteral("%1 claimed trips will move out of the grid into the history, and "
                             "the period will start on %2. Start a new period?")
                  .arg(claimed.size())
                  .arg(dateToText(from)));
    const std::vector<qint64> moved = gridIds();
    ASSERT_EQ(moved.size(), 30u) << "blank rows added up to the rows of a new log";
    EXPECT_EQ(moved.front(), kept);
    EXPECT_EQ(main().session().periodFrom(), from);
    EXPECT_EQ(main().session().periodTo(), std::max(from, QDate(2026, 3, 14)));

    ClaimStore& store = *main().session().claims();
    struct Step {
        QAction* action;
        std::vector<qint64> grid;
        QDate from;
        std::vector<Change> trail;
    };
    std::vector<qint64> all = claimed;
    all.push_back(kept);
    const Step steps[] = {
        {main().mnuUndo, all, oldFrom, {Change::MovedToHistory, Change::Returned}},
        {main().mnuRedo,
         moved,
         from,
         {Change::MovedToHistory, Change::Returned, Change::MovedToHistory}},
        {main().mnuUndo,
         all,
         oldFrom,
         {Change::MovedToHistory, Change::Returned, Change::MovedToHistory, Change::Returned}},
    };
    for (const Step& step : steps) {
        step.action->trigger();
        EXPECT_EQ(gridIds(), step.grid) << step.action->objectName().toStdString();
        EXPECT_EQ(main().session().periodFrom(), step.from);
        EXPECT_EQ(changesOf(store.trailFor(claimed.front())), step.trail);
        EXPECT_TRUE(changesOf(store.trailFor(kept)).empty());
    }
    EXPECT_EQ(main().session().periodTo(), oldTo);
    EXPECT_TRUE(main().gridModel().index(0, 3).data(Qt::BackgroundRole).isValid());
}

TEST_F(Claims, ANewPeriodWithoutClaimedTripsHasNothingToMove)
{
    start();
    main().PushButton7->click();
    EXPECT_FALSE(main().mnuStartNewPeriod->isEnabled());
    env.dialogs.clear();
    main().startNewPeriodCommand();
    EXPECT_EQ(env.dialogs.texts(),
              QStringList{"No trip in the grid was claimed: there is nothing to move to the "
                          "history."});
    EXPECT_EQ(main().session().logTable().RecordCount() > 0, true);
}

TEST_F(Claims, AReadOnlyLogSavesTheReportAndSaysWhyNoClaimWasRecorded)
{
    start();
    main().PushButton7->click();
    main().close();
    windows.reset();
    const InstanceLock another(LogDatabase::defaultPath(), InstanceLock::Holder::Program);
    ASSERT_TRUE(another.held());
    start();
    create();
    ASSERT_TRUE(preview().isVisible());
    env.dialogs.clear();
    handOut(QStringLiteral("claim.xls"));
    handOut(QStringLiteral("claim.pdf"));
    EXPECT_EQ(env.dialogs.texts(),
              (QStringList{"The report was saved, but no claim of it was recorded. The trip log "
                           "is open read-only.",
                           "Done.", "Done."}))
        << "told once for the report";
    EXPECT_FALSE(readAll(userFile(QStringLiteral("claim.xls"))).isEmpty());
    EXPECT_TRUE(claims().empty());
}

TEST_F(Claims, AClaimThatCannotBeRecordedNamesItsCauseAndKeepsTheFile)
{
    startWithReport();
    sql::Database& live = main().session().log()->database()->database();
    live.exec("PRAGMA query_only = ON");
    handOut(QStringLiteral("claim.xls"));
    live.exec("PRAGMA query_only = OFF");
    const QStringList texts = env.dialogs.texts();
    ASSERT_EQ(texts.size(), 2);
    const QString lead =
        QStringLiteral("The report was saved, but its claim could not be recorded. ");
    EXPECT_TRUE(texts.front().startsWith(lead)) << texts.front().toStdString();
    EXPECT_GT(texts.front().size(), lead.size()) << "the cause is named";
    EXPECT_EQ(texts.back(), QStringLiteral("Done."));
    EXPECT_FALSE(readAll(userFile(QStringLiteral("claim.xls"))).isEmpty());
    EXPECT_TRUE(claims().empty());
}

} // namespace
} // namespace bw::test
