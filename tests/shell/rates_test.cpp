// Rates by date in the main window: the rates window by keys, the Rate per Mile box's
// menu, the warning at the cell and recalculating as one undoable step.
#include "logstore/logdatabase.h"
#include "logtable/tripfills.h"
#include "platform/datetext.h"
#include "shell/form1fixture.h"
#include "shell/ratesdialog.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <functional>

namespace bw::test {
namespace {

QString day(int y, int m, int d) { return dateToText(QDate(y, m, d)); }

// Remembers what the window saved, so a test sees what the log's store would keep.
class KeptRates final : public RateStore {
public:
    explicit KeptRates(RateSchedule* kept) : kept_(kept) {}
    RateSchedule loadRates() override { return *kept_; }
    void saveRates(const RateSchedule& schedule) override { *kept_ = schedule; }

private:
    RateSchedule* kept_;
};

class Rates : public Form1Test {
protected:
    void SetUp() override
    {
        store({{"RowCount", QStringLiteral("3")},
               {"RowSource1 1", day(2025, 12, 31)},
               {"RowSource7 1", QStringLiteral("10")},
               {"RowSource8 1", QStringLiteral("7")},
               {"RowSource1 2", day(2026, 1, 1)},
               {"RowSource7 2", QStringLiteral("10")},
               {"RowSource8 2", QStringLiteral("7")},
               {"RowSource7 3", QStringLiteral("2")},
               {"RowSource8 3", QStringLiteral("1.4")},
               {"RatePerMile", QStringLiteral("0.7")}});
        Form1& f = open();
        f.session().setRateStore(std::make_unique<KeptRates>(&kept));
        f.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
        f.activateWindow();
        env.dialogs.clear();
    }
    QString tip(int row, int column) const
    {
        return form->gridModel().index(row, column).data(Qt::ToolTipRole).toString();
    }
    // Runs `steps` on the rates window once it is open, from the command given.
    void inRatesWindow(const std::function<void()>& open,
                       const std::function<void(RatesDialog&)>& steps)
    {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<RatesDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            ran = true;
            steps(*dialog);
        });
        open();
        EXPECT_TRUE(ran);
    }
    static void key(QWidget* to, int k, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(to, static_cast<Qt::Key>(k), modifiers);
        QTest::qWait(20);
    }
    static void type(QWidget* to, const QString& text)
    {
        for (const QChar c : text) {
            QTest::keyClicks(QApplication::focusWidget() ? QApplication::focusWidget() : to,
                             QString(c));
            QTest::qWait(15);
        }
    }
    // F2 in the current cell, everything in it replaced by `text`, Enter.
    static void replaceCell(QTableWidget* t, const QString& text)
    {
        key(t, Qt::Key_F2);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        type(t, text);
        key(QApplication::focusWidget(), Qt::Key_Return);
    }
    // The current row's From and Rate typed in turn.
    static void typeChange(QTableWidget* t, const QString& from, const QString& rate)
    {
        replaceCell(t, from);
        key(t, Qt::Key_Right);
        replaceCell(t, rate);
    }
    static QStringList rows(const QTableWidget* table)
    {
        QStringList out;
        for (int r = 0; r < table->rowCount(); ++r)
            out << table->item(r, 0)->text() + QLatin1Char('=') + table->item(r, 1)->text();
        return out;
    }

    RateSchedule kept;
};

TEST_F(Rates, TheWindowIsUsedByKeysAndKeepsItsListSortedAndOneChangeADay)
{
    inRatesWindow(
        [&] { form->mnuRatesByDate->trigger(); },
        [&](RatesDialog& d) {
            QTableWidget* t = d.table();
            key(t, Qt::Key_Insert); // a change on the period's first day
            ASSERT_EQ(t->rowCount(), 1);
            // F2 on From, a new date, Enter; then the rate beside it.
            typeChange(t, day(2026, 1, 1), QStringLiteral("0.725"));
            EXPECT_EQ(rows(t), QStringList({day(2026, 1, 1) + "=0.725"}));

            // A rate that is no number is refused; the change stays as it was.
            replaceCell(t, QStringLiteral("lots"));
            EXPECT_EQ(rows(t), QStringList({day(2026, 1, 1) + "=0.725"}));

            // A second change, then moved onto the first one's day: refused.
            d.addButton()->click();
            ASSERT_EQ(t->rowCount(), 2);
            const int added = t->currentRow();
            t->item(added, 0)->setText(day(2026, 1, 1));
            EXPECT_EQ(env.dialogs.texts().size(), 1);
            EXPECT_TRUE(env.dialogs.texts().value(0).startsWith(
                QStringLiteral("A rate change from %1 is already listed").arg(day(2026, 1, 1))));
            EXPECT_EQ(t->rowCount(), 2);
            // An earlier date sorts it first.
            t->item(t->currentRow(), 0)->setText(day(2025, 7, 1));
            EXPECT_EQ(t->item(0, 0)->text(), day(2025, 7, 1));
            t->setFocus();
            t->setCurrentCell(0, 0);
            key(t, Qt::Key_Delete);
            EXPECT_EQ(rows(t), QStringList({day(2026, 1, 1) + "=0.725"}));
            key(t, Qt::Key_Return); // Enter keeps the list
        });
    EXPECT_EQ(kept, RateSchedule({{QDate(2026, 1, 1), 0.725}}));
    EXPECT_EQ(form->session().rateSchedule(), kept);
    // The trip of the change's day is paid 7.25 now; the one before it is still right.
    EXPECT_EQ(tip(0, TripField::Reimbursement), QString());
    EXPECT_EQ(tip(1, TripField::Reimbursement),
              QStringLiteral("Reimbursement 7.00 is not 10 × $0.725 = $7.25"));
    EXPECT_EQ(tip(2, TripField::Reimbursement), QString()) << "no date: the typed rate";

    // Escape leaves the list as it was.
    inRatesWindow([&] { form->ratesCommand(); },
                  [&](RatesDialog& d) {
                      key(d.table(), Qt::Key_Insert);
                      key(d.table(), Qt::Key_Escape);
                  });
    EXPECT_EQ(kept.changes().size(), 1U);
}

TEST_F(Rates, TheRateBoxKeepsQtsTextMenuAndOffersTheRates)
{
    QLineEdit* box = form->txtRatePerMile;
    box->setFocus();
    const QPoint at = box->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, box->mapToGlobal(at));
    QApplication::sendEvent(box, &event);
    QTest::qWait(20);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QStringList entries;
    for (const QAction* action : menu->actions()) entries << action->text();
    EXPECT_TRUE(entries.first().contains(QStringLiteral("Undo")))
        << entries.join(u'|').toStdString();
    EXPECT_TRUE(entries.join(u'|').contains(QStringLiteral("Paste")));
    EXPECT_EQ(entries.last(), QStringLiteral("Rates by Date…"));
    menu->close();
}

TEST_F(Rates, RecalculatingAsksHowManyChangeAndIsOneStepToUndo)
{
    kept = RateSchedule({{QDate(2026, 1, 1), 0.725}});
    form->session().setRateStore(std::make_unique<KeptRates>(&kept));
    form->txtRatePerMile->setText(QStringLiteral("0.75")); // the undated trip: 1.50
    env.dialogs.answerNext(Dialogs::No);
    form->mnuRecalculate->trigger();
    ASSERT_EQ(env.dialogs.texts().size(), 1);
    EXPECT_TRUE(env.dialogs.texts().front().startsWith(
        QStringLiteral("3 Reimbursements change to their Mileage × their rate.")));
    EXPECT_EQ(table().valueAt(1, TripField::Reimbursement).toDouble(), 7.0) << "No changes nothing";

    env.dialogs.answerNext(Dialogs::Yes);
    form->mnuRecalculate->trigger();
    const auto paid = [&] {
        QList<double> out;
        for (int r = 0; r < 3; ++r) out << table().valueAt(r, TripField::Reimbursement).toDouble();
        return out;
    };
    EXPECT_EQ(paid(), QList<double>({7.5, 7.25, 1.5}));
    EXPECT_EQ(form->mnuUndo->text(), QStringLiteral("Undo Recalculate Reimbursements"));
    form->mnuUndo->trigger();
    EXPECT_EQ(paid(), QList<double>({7.0, 7.0, 1.4}));

    form->mnuRedo->trigger();
    env.dialogs.clear();
    form->mnuRecalculate->trigger();
    EXPECT_EQ(env.dialogs.texts(),
              QStringList({"Every Reimbursement is already its Mileage × its rate."}));
}

// Without a store given, the window keeps its list in the log: typed, closed, reopened.
// A window that holds the log read-only shows the list and says why a new one is not kept.
TEST_F(Rates, ARateChangeTypedInTheWindowIsThereAfterReopening)
{
    const auto reshow = [&] {
        if (form) reopen();
        if (!form) open();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        form->activateWindow();
        env.dialogs.clear();
    };
    reshow();
    EXPECT_TRUE(form->session().rateSchedule().isEmpty())
        << "the fixture's list was never the log's";
    inRatesWindow([&] { form->mnuRatesByDate->trigger(); },
                  [&](RatesDialog& d) {
                      QTableWidget* t = d.table();
                      key(t, Qt::Key_Insert);
                      typeChange(t, day(2026, 1, 1), QStringLiteral("0.725"));
                      key(t, Qt::Key_Return);
                  });
    const RateSchedule typed({{QDate(2026, 1, 1), 0.725}});
    ASSERT_EQ(form->session().rateSchedule(), typed);
    reshow();
    EXPECT_EQ(form->session().rateSchedule(), typed);
    EXPECT_EQ(tip(1, TripField::Reimbursement),
              QStringLiteral("Reimbursement 7.00 is not 10 × $0.725 = $7.25"));

    form->close();
    tester.reset();
    form.reset();
    const InstanceLock another(LogDatabase::defaultPath(), InstanceLock::Holder::Program);
    ASSERT_TRUE(another.held());
    reshow();
    EXPECT_EQ(form->session().rateSchedule(), typed)
        << "read-only, the log's list still pays the trips";
    env.dialogs.clear();
    inRatesWindow([&] { form->ratesCommand(); },
                  [&](RatesDialog& d) {
                      d.addButton()->click();
                      key(d.table(), Qt::Key_Return);
                  });
    EXPECT_EQ(env.dialogs.texts(),
              QStringList({"The rates by date were not kept: The trip log is open read-only, "
                           "so changes to it are not kept."}));
    EXPECT_EQ(form->session().rateSchedule(), typed);
}

TEST(RatesByDistance, TheWindowTakesAChangePerDistanceAndRefusesBadOnesWithTheirReason)
{
    TestPlatform env;
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const RateSchedule start({{QDate(), 0.45, 0.0}});
    RatesDialog dialog(start, QDate(2026, 1, 1), 0.45, nullptr, us);
    QTableWidget* t = dialog.table();
    t->item(0, 2)->setText(QStringLiteral("-5"));
    EXPECT_EQ(dialog.schedule(), start) << "a distance below 0 is refused";
    dialog.addChange();
    t->item(1, 0)->setText(QString()); // from every tax year on...
    EXPECT_EQ(dialog.schedule().changes().size(), 2U) << "...but only with a distance";
    t->item(1, 2)->setText(QStringLiteral("10,000"));
    t->item(1, 0)->setText(QString());
    t->item(0, 1)->setText(QStringLiteral("-0.1"));
    EXPECT_EQ(dialog.schedule(), RateSchedule({{QDate(), 0.45, 0.0}, {QDate(), 0.45, 10000.0}}))
        << "a rate below 0 is refused";
    t->item(1, 2)->setText(QStringLiteral("0"));
    EXPECT_TRUE(env.dialogs.messages().back().text.contains(QStringLiteral("already listed")))
        << "two changes at one distance";
    EXPECT_EQ(t->item(1, 0)->text(), QString()) << "the start of every tax year";
}

} // namespace
} // namespace bw::test
