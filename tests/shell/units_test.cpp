// The log's distance unit and currency in the main window: chosen from the Rate per Mile
// box's menu, kept in the log at once, shown in the label and the grid, one undoable step.
#include "logstore/logdatabase.h"
#include "logtable/loghistory.h"
#include "shell/form1fixture.h"
#include "shell/ratesdialog.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTableWidget>
#include <QTest>
#include <QUndoStack>

namespace bw::test {
namespace {

const Currency kEuro{QStringLiteral("€"), false, true};

class Units : public Form1Test {
protected:
    void SetUp() override
    {
        store({{"RowCount", QStringLiteral("1")},
               {"RowSource7 1", QStringLiteral("10")},
               {"RowSource8 1", QStringLiteral("7")},
               {"RatePerMile", QStringLiteral("0.7")}});
        openShown();
    }
    // Opens the Rate per Mile box's menu as a right click does; `pick` names the entry to
    // trigger. Gives each entry's text, checked ones marked.
    QStringList rateMenu(const QString& pick = QString()) const
    {
        QLineEdit* box = form->txtRatePerMile;
        const QPoint at = box->rect().center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, box->mapToGlobal(at));
        QApplication::sendEvent(box, &event);
        QTest::qWait(20);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) return {};
        QStringList entries;
        QAction* picked = nullptr;
        for (QAction* action : menu->actions()) {
            if (action->text() == pick) picked = action;
            if (!action->isSeparator())
                entries << (action->isChecked() ? QStringLiteral("[x] ") : QString())
                               + action->text();
        }
        menu->close();
        if (picked) picked->trigger();
        return entries;
    }
    static LogUnits keptUnits()
    {
        return LogDatabase(LogDatabase::defaultPath(), LogDatabase::Access::ReadOnly).units();
    }
    QString shown() const
    {
        return form->Label4[4]->text() + u'|' + form->txtRatePerMile->accessibleName() + u'|'
               + form->gridModel().headerData(6, Qt::Horizontal).toString();
    }
};

TEST_F(Units, AKeptLogStaysInMilesAndDollarsAndTheMenuOffersTheOthers)
{
    EXPECT_EQ(keptUnits(), LogUnits());
    EXPECT_EQ(shown(), QStringLiteral("Rate per Mile:|Rate per Mile|Mileage"));
    const QStringList menu = rateMenu();
    ASSERT_GE(menu.size(), 4) << menu.join(u'|').toStdString();
    EXPECT_TRUE(menu.contains(QStringLiteral("Distances in Kilometres")));
    EXPECT_TRUE(menu.contains(QStringLiteral("[x] Distances in Miles")));
    EXPECT_TRUE(menu.contains(QStringLiteral("[x] Currency: $")));
    EXPECT_EQ(menu.last(), QStringLiteral("Rates by Date…"));
}

TEST_F(Units, EachSwitchIsKeptAtOnceAndUndoneAsOneStep)
{
    QUndoStack& steps = form->session().history().stack();
    struct Step {
        const char* name;
        std::function<void()> act;
        LogUnits kept;
        const char* shown;
    };
    const LogUnits km{DistanceUnit::Kilometres, {}};
    const LogUnits kmEuro{DistanceUnit::Kilometres, kEuro};
    const Step forward[] = {
        {"Distances in Kilometres", [&] { rateMenu(QStringLiteral("Distances in Kilometres")); },
         km, "Rate per Kilometre:|Rate per Kilometre|Kilometres"},
        {"Currency: €", [&] { form->setCurrencyCommand(kEuro); }, kmEuro,
         "Rate per Kilometre:|Rate per Kilometre|Kilometres"},
    };
    for (const Step& step : forward) {
        step.act();
        EXPECT_EQ(steps.undoText(), QString::fromUtf8(step.name));
        EXPECT_EQ(keptUnits(), step.kept) << step.name;
        EXPECT_EQ(form->session().units(), step.kept) << step.name;
        EXPECT_EQ(shown(), QString::fromUtf8(step.shown)) << step.name;
    }
    // The longer label still fits the label's designed rectangle.
    const QLabel* label = form->Label4[4];
    EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width());
    // Numbers never change with the words.
    EXPECT_EQ(table().valueAt(0, 6).toDouble(), 10.0);
    EXPECT_TRUE(rateMenu().contains(QStringLiteral("[x] Currency: €")));
    // Choosing what is already kept is no step.
    const int count = steps.count();
    rateMenu(QStringLiteral("Distances in Kilometres"));
    EXPECT_EQ(steps.count(), count);

    steps.undo();
    EXPECT_EQ(keptUnits(), km);
    steps.undo();
    EXPECT_EQ(keptUnits(), LogUnits());
    EXPECT_EQ(shown(), QStringLiteral("Rate per Mile:|Rate per Mile|Mileage"));
    steps.redo();
    steps.redo();
    EXPECT_EQ(keptUnits(), kmEuro);
    reopen();
    EXPECT_EQ(form->session().units(), kmEuro);
    EXPECT_EQ(shown(), QStringLiteral("Rate per Kilometre:|Rate per Kilometre|Kilometres"));
}

TEST_F(Units, ALogThatCannotBeWrittenRefusesTheSwitchAndSaysWhy)
{
    {
        LogDatabase db(LogDatabase::defaultPath(), LogDatabase::Access::ReadWrite);
        db.database().exec("PRAGMA user_version = 99"); // a newer version's log: read-only
    }
    reopen();
    env.dialogs.clear();
    const int count = form->session().history().stack().count();
    EXPECT_FALSE(form->setDistanceUnitCommand(DistanceUnit::Kilometres));
    ASSERT_EQ(env.dialogs.texts().size(), 1);
    EXPECT_TRUE(env.dialogs.texts().front().startsWith(
        QStringLiteral("The distance unit and currency were not kept:")));
    EXPECT_EQ(form->session().history().stack().count(), count);
    EXPECT_EQ(shown(), QStringLiteral("Rate per Mile:|Rate per Mile|Mileage"));
}

TEST(UnitsInTheRatesWindow, TheRateColumnNamesTheSignAndUnitWhereTheyAreNotDollarsPerMile)
{
    const struct {
        LogUnits units;
        const char* header;
        const char* introEnd;
    } cases[] = {
        {{}, "Rate", "at the Rate per Mile:"},
        {{DistanceUnit::Kilometres, kEuro}, "Rate (€ per km)", "at the Rate per Kilometre:"},
        {{DistanceUnit::Miles, {QStringLiteral("£")}}, "Rate (£ per mi)", "at the Rate per Mile:"},
    };
    for (const auto& c : cases) {
        RatesDialog dialog(RateSchedule(), QDate(2026, 1, 1), 0.7, nullptr, QLocale::c(), c.units);
        EXPECT_EQ(dialog.table()->horizontalHeaderItem(1)->text(), QString::fromUtf8(c.header));
        const QLabel* intro = dialog.findChild<QLabel*>();
        ASSERT_NE(intro, nullptr);
        EXPECT_TRUE(intro->text().endsWith(QString::fromUtf8(c.introEnd))) << c.header;
    }
}

} // namespace
} // namespace bw::test
