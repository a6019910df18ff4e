// Tests of the start-up check for a spreadsheet-application instance.
#include "core/mainmodule.h"
#include "shell/isinstalled.h"
#include "support/fakeplatform.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace bw {
namespace {

using test::TestPlatform;

// Puts a factory in place for one test and restores the previous one.
class FactoryOverride {
public:
    explicit FactoryOverride(SpreadsheetFactory factory) : saved_(spreadsheetFactory())
    {
        setSpreadsheetFactory(std::move(factory));
    }
    ~FactoryOverride() { setSpreadsheetFactory(saved_); }

private:
    SpreadsheetFactory saved_;
};

TEST(CheckExcelInstalled, AnInstanceThatCanBeCreatedIsDroppedSilently)
{
    TestPlatform env;
    int created = 0;
    FactoryOverride factory([&] {
        ++created;
        return true;
    });
    EXPECT_TRUE(CheckExcelInstalled());
    EXPECT_EQ(created, 1);
    EXPECT_TRUE(env.dialogs.messages().isEmpty());
}

TEST(CheckExcelInstalled, NoInstanceShowsTheFivePartMessageOnce)
{
    const std::vector<std::function<bool()>> failures = {
        [] { return false; },
        []() -> bool { throw std::runtime_error("ActiveX component can't create object"); },
    };
    for (const auto& failure : failures) {
        TestPlatform env;
        FactoryOverride factory(failure);
        SetApplicationTitle();
        EXPECT_FALSE(CheckExcelInstalled());
        ASSERT_EQ(env.dialogs.messages().size(), 1);
        const auto& box = env.dialogs.messages().front();
        EXPECT_EQ(
            box.text.toUtf8(),
            QByteArray("Error 842001. A normal instance of Excel could not be created.\r\n\r\n"
                       "1. Please make sure Excel is installed on this computer.\r\n\r\n"
                       "2. Please open Excel normally and make sure a blank spreadsheet opens "
                       "immediately without any interrupting window (such as an Excel file "
                       "recovery window).\r\n\r\n"
                       "3. Please make sure that when you double-click on a XLS or XLSX file "
                       "that Excel opens normally without any interrupting messages.\r\n\r\n"
                       "4. All versions of Excel are supported by this software except for the "
                       "rare Excel Starter and Student editions."));
        EXPECT_EQ(box.title, QStringLiteral("Brindlewick"));
        EXPECT_EQ(box.buttons, Dialogs::Buttons::Ok);
        EXPECT_EQ(box.icon, Dialogs::Icon::None);
    }
}

TEST(ApplicationTitle, ShortensByWholeWords)
{
    EXPECT_EQ(shortenTitle(QStringLiteral("Brindlewick")), QStringLiteral("Brindlewick"));
    const QString forty = QStringLiteral("Mileage Log and Reimbursement Form Maker");
    ASSERT_EQ(forty.size(), 40);
    EXPECT_EQ(shortenTitle(forty), forty);
    EXPECT_EQ(shortenTitle(forty + QStringLiteral(" Pro")), forty);
    EXPECT_EQ(shortenTitle(QStringLiteral("Mileage Log and Reimbursement Form Maker2")),
              QStringLiteral("Mileage Log and Reimbursement Form"));
    EXPECT_EQ(shortenTitle(QString(45, QLatin1Char('x'))), QString(40, QLatin1Char('x')));
}

TEST(OpenHomePageAtRandom, OnlyTheDrawOfSevenOpensTheHomePage)
{
    TestPlatform env;
    env.clock.set(QDateTime(QDate(2026, 3, 14), QTime(1, 2, 3)));
    env.random.script({0.06, 0.0599, 0.07, 0.999});
    for (int i = 0; i < 4; ++i) OpenHomePageAtRandom();
    EXPECT_EQ(env.random.seeds, QList<std::uint32_t>({3723, 3723, 3723, 3723}));
    ASSERT_EQ(env.launcher.opened.size(), 1);
    EXPECT_EQ(env.launcher.opened.front(), QUrl(QString::fromLatin1(kHomePage)));
}

} // namespace
} // namespace bw
